#include "toolkit/scaling.h"

#include <cmath>

#include "toolkit/runtime.h"
#include "toolkit/window.h"

namespace tk {

namespace {

// The single-precision product of a value and a factor, as whole twips.
int ScaledTwips(int value, double factor) { return static_cast<int>(std::lround(static_cast<float>(value * factor))); }

}  // namespace

ScaleFactors FactorsForScreen(const Control& anyControl, double designWidth, double designHeight) {
    const Screen& screen = anyControl.window().runtime().screen;
    ScaleFactors k;
    k.vertical = static_cast<float>(screen.Height) / designHeight;
    k.horizontal = static_cast<float>(screen.Width) / designWidth;
    k.font = static_cast<float>(screen.Height) / designHeight;
    return k;
}

void ScaleControl(Control& c, const ScaleFactors& k, bool font) {
    c.Height = ScaledTwips(c.Height, k.vertical);
    c.Width = ScaledTwips(c.Width, k.horizontal);
    c.Top = ScaledTwips(c.Top, k.vertical);
    c.Left = ScaledTwips(c.Left, k.horizontal);
    if (font) c.FontSize = static_cast<float>(c.FontSize * k.font);
}

}  // namespace tk
