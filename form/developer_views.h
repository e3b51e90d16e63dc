// What the hidden developer views share: the light background of each player's
// colour, used for its pawns' cells, totals and cursor columns.
#pragma once

#include "toolkit/controls.h"

namespace zirimbo::developer_view {

// [1..4] red, blue, yellow, green.
inline constexpr tk::Color kLightOfPlayer[5] = {0, 0xC0C0FF, 0xFFFFC0, 0xC0FFFF, 0xC0FFC0};

}  // namespace zirimbo::developer_view
