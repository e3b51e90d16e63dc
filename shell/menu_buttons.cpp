// The CLAS and OPZ buttons lie inside the character portrait: they go away while a
// character's picture is up there and come back when it is cleared.
#include "form/frmZirimbo2012.h"
#include "form/various.h"

namespace zirimbo {

namespace {
void SetMenuButtonsVisible(frmZirimbo2012& f, bool visible) {
    f.lblScrittaPulsanti(1).Visible = visible;
    f.lblScrittaPulsanti(2).Visible = visible;
    f.Shape3(1).Visible = visible;
    f.Shape3(2).Visible = visible;
    f.lblPulsante(1).Visible = visible;
    f.lblPulsante(2).Visible = visible;
    f.ShpVari(various::kMenuBar).Visible = visible;
}
}  // namespace

void frmZirimbo2012::HideMenuButtons() { SetMenuButtonsVisible(*this, false); }

void frmZirimbo2012::ShowMenuButtons() { SetMenuButtonsVisible(*this, true); }

}  // namespace zirimbo
