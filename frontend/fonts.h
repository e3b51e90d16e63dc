// Font files by family name, through fontconfig: "Times New Roman" finds a serif
// face such as Liberation Serif, "Arial" a sans face, and so on.
#pragma once

#include <optional>
#include <string>

namespace zirimbo::frontend {

struct FontFace {
    std::string file;
    int index = 0;        // face within the file
    bool bold = false;    // the face itself is bold (otherwise bold must be synthesised)
    bool italic = false;  // the face itself is slanted
};

// The best scalable face for a family and style, or nothing when fontconfig has none.
// Results are remembered for the whole run.
std::optional<FontFace> findFont(const std::string& family, bool bold, bool italic);
// Lets fontconfig free its configuration and caches; the faces found stay known, and
// a family not asked for yet starts fontconfig again.
void restFontLookup();

}  // namespace zirimbo::frontend
