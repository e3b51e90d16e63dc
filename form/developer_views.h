// What the hidden developer views share: the light background of each player's
// colour, used for its pawns' cells, totals and cursor columns.
#pragma once

#include "board/players.h"
#include "toolkit/controls.h"

namespace zirimbo::developer_view {

// Player 1..4: red, blue, yellow, green.
constexpr tk::Color LightOfPlayer(int player) { return players::kPlayers[player].developerLight; }

}  // namespace zirimbo::developer_view
