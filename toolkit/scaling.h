// Rescaling a window's design layout to the screen: each control's position and
// size multiplied by a horizontal and a vertical factor, its font by a third.
#pragma once

#include "toolkit/controls.h"

namespace tk {

struct ScaleFactors {
    double horizontal = 1.0;  // Left and Width
    double vertical = 1.0;    // Top and Height
    double font = 1.0;        // FontSize
};

// The factors of a window designed for designWidth x designHeight twips on the
// runtime's screen; fonts follow the height.
ScaleFactors FactorsForScreen(const Control& anyControl, double designWidth, double designHeight);

// Height, Width, Top and Left, in that order, and the font size when `font` is set.
// Positions and sizes are whole twips: each product is rounded to the nearest one.
void ScaleControl(Control& c, const ScaleFactors& k, bool font);

}  // namespace tk
