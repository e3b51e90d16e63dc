// The pawn pictures of the "\Pedine" folder, by the text of a board table value.
#pragma once

#include <string>

#include "board/players.h"

namespace zirimbo::pawn_picture {

// An empty cell that a chosen pawn can reach.
inline constexpr const char* kEmptyTarget = "\\Pedine\\X.gif";

// The colour of a pawn number held as text: 1 red, 2 blue, 3 yellow, 4 green;
// 0 for "0" and for any text that is not a pawn number "1" to "16".
inline int ColourOf(const std::string& text) {
    static const char* const kPawns[17] = {"",  "1",  "2",  "3",  "4",  "5",  "6",  "7", "8",
                                           "9", "10", "11", "12", "13", "14", "15", "16"};
    for (int p = 1; p <= 16; ++p)
        if (text == kPawns[p]) return players::PlayerOfPawn(p);
    return 0;
}

// A red pawn in one of its looks.
inline const char* Red(players::PawnLook look) { return players::kPlayers[players::kRed].pawnPicture[look]; }

// The plain picture of pawn 1 to 16.
inline const char* PlainOfPawn(int pawn) { return players::PawnPicture(pawn, players::Plain); }

// The plain picture of the pawn a table value names ("" for "0", the empty
// picture); nullptr when the value names no pawn, so the picture stays as it is.
inline const char* Plain(const std::string& text) {
    if (text == "0") return "";
    const int colour = ColourOf(text);
    return colour == 0 ? nullptr : players::kPlayers[colour].pawnPicture[players::Plain];
}

// The picture of an opponent's pawn that the chosen red pawn can eat; nullptr for others.
inline const char* Eatable(const std::string& text) {
    const int colour = ColourOf(text);
    return players::IsCharacter(colour) ? players::kPlayers[colour].pawnPicture[players::Marked] : nullptr;
}

inline bool IsRed(const std::string& text) { return ColourOf(text) == players::kRed; }

}  // namespace zirimbo::pawn_picture
