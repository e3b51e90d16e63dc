// The pawn pictures of the "\Pedine" folder, by the text of a board table value.
#pragma once

#include <string>

namespace zirimbo::pawn_picture {

// The colour of a pawn number held as text: 1 red, 2 blue, 3 yellow, 4 green;
// 0 for "0" and for any text that is not a pawn number "1" to "16".
inline int ColourOf(const std::string& text) {
    static const char* const kPawns[17] = {"",  "1",  "2",  "3",  "4",  "5",  "6",  "7", "8",
                                           "9", "10", "11", "12", "13", "14", "15", "16"};
    for (int p = 1; p <= 16; ++p)
        if (text == kPawns[p]) return (p + 3) / 4;
    return 0;
}

// The plain picture of each colour [1..4].
inline constexpr const char* kPlain[5] = {"", "\\Pedine\\R1.gif", "\\Pedine\\B1.gif", "\\Pedine\\G1.gif",
                                         "\\Pedine\\V1.gif"};

// The plain picture of pawn 1 to 16.
inline const char* PlainOfPawn(int pawn) { return kPlain[(pawn + 3) / 4]; }

// The plain picture of the pawn a table value names ("" for "0", the empty
// picture); nullptr when the value names no pawn, so the picture stays as it is.
inline const char* Plain(const std::string& text) {
    if (text == "0") return "";
    const int colour = ColourOf(text);
    return colour == 0 ? nullptr : kPlain[colour];
}

// The picture of an opponent's pawn that the chosen red pawn can eat; nullptr for others.
inline const char* Eatable(const std::string& text) {
    static const char* const kEatable[5] = {nullptr, nullptr, "\\Pedine\\B2.gif", "\\Pedine\\G2.gif",
                                            "\\Pedine\\V2.gif"};
    return kEatable[ColourOf(text)];
}

inline bool IsRed(const std::string& text) { return ColourOf(text) == 1; }

}  // namespace zirimbo::pawn_picture
