// What the computer players' turns share: the players' table, the window's parts
// of each character and the flag colour of an entry that eats a character's pawn.
#pragma once

#include "form/player_procedures.h"

namespace zirimbo::computer_turn {

// lblHaMangiato's colour when the entering pawn will eat another character's pawn
// on the start cell (red when it will eat a red pawn there).
constexpr tk::Color kEntryEatsOther = 0xFF00FF;

}  // namespace zirimbo::computer_turn
