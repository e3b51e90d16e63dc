#include "frontend/fonts.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <tuple>

namespace zirimbo::frontend {

namespace {

std::optional<FontFace> match(const std::string& family, bool bold, bool italic) {
    FcPattern* pat = FcPatternCreate();
    if (!pat) return std::nullopt;
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);

    std::optional<FontFace> found;
    FcResult result = FcResultNoMatch;
    FcFontSet* set = FcFontSort(nullptr, pat, FcFalse, nullptr, &result);
    if (set) {
        // The best match that SDL_ttf can open: a scalable outline font.
        for (int i = 0; i < set->nfont && !found; ++i) {
            FcPattern* font = FcFontRenderPrepare(nullptr, pat, set->fonts[i]);
            if (!font) continue;
            FcBool scalable = FcFalse;
            FcChar8* file = nullptr;
            FcPatternGetBool(font, FC_SCALABLE, 0, &scalable);
            if (scalable && FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch && file) {
                FontFace face;
                face.file = reinterpret_cast<const char*>(file);
                int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
                if (FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch) face.index = index;
                FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
                FcPatternGetInteger(font, FC_SLANT, 0, &slant);
                face.bold = weight >= FC_WEIGHT_DEMIBOLD;
                face.italic = slant != FC_SLANT_ROMAN;
                found = face;
            }
            FcPatternDestroy(font);
        }
        FcFontSetDestroy(set);
    }
    FcPatternDestroy(pat);
    return found;
}

// The faces found so far, for the whole run, and whether fontconfig is up.
std::map<std::tuple<std::string, bool, bool>, std::optional<FontFace>> faces;
bool fontconfigUp = false;

}  // namespace

std::optional<FontFace> findFont(const std::string& family, bool bold, bool italic) {
    auto key = std::make_tuple(family, bold, italic);
    auto it = faces.find(key);
    if (it != faces.end()) return it->second;
    if (!fontconfigUp) {
        fontconfigUp = true;
        FcInit();
    }
    auto face = match(family, bold, italic);
    faces.emplace(key, face);
    return face;
}

void restFontLookup() {
    if (!fontconfigUp) return;
    fontconfigUp = false;
    FcFini();
}

}  // namespace zirimbo::frontend
