// The four bottom buttons open and close the rules, scoreboard, options and exit
// panels, only during the human's turn; at most one panel is open at a time.
#include "form/frmZirimbo2012.h"
#include "form/various.h"
#include "shell/panel_values.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
// No option under the mouse: the bubble shows the panel's general help.
void EndOptionHover(frmZirimbo2012& f) {
    f.lblMouseMove.Caption = "6";
    f.lblVarie(various::kOptionsHelpText).Caption = kOptionsHelp;
}

// No exit answer under the mouse: both answers black.
void EndExitHover(frmZirimbo2012& f) {
    f.lblIndexEsci.Caption = "2";
    f.lblVarie(various::kExitYesCaption).ForeColor = colour::Black;
    f.lblVarie(various::kExitNoCaption).ForeColor = colour::Black;
}
}  // namespace

void frmZirimbo2012::lblPulsante_Click(int Index) {
    if (!CanPlay()) {
        lblSpiegazioni.Caption = "Puoi aprire i Pannelli e consultarli solo durante il tuo turno di gioco!!";
        ReplayEffect(mmcDeng);
        return;
    }
    if (Index < 0 || Index > 3) return;
    if (FraPannello(Index).Visible) {
        Shape3(Index).BackColor = colour::Panel;
        lblScrittaPulsanti(Index).ForeColor = colour::Black;
        FraPannello(Index).Visible = false;
        ReplayEffect(mmcMossa);
        return;
    }
    if (Index == 2) {
        EndOptionHover(*this);
        ShowOptionsPanelBubble();
        for (int i = 0; i <= 5; ++i) {
            lblOpzione(i).ForeColor = colour::Black;
            lblVoceOpzione(i).ForeColor = colour::Black;
        }
    } else if (Index == 3) {
        EndExitHover(*this);
    }
    Shape3(Index).BackColor = colour::White;
    lblScrittaPulsanti(Index).ForeColor = colour::Red;
    for (int i = 0; i <= 3; ++i) {
        if (i == Index) continue;
        FraPannello(i).Visible = false;
        Shape3(i).BackColor = colour::Panel;
        lblScrittaPulsanti(i).ForeColor = colour::Black;
    }
    FraPannello(Index).Visible = true;
    ReplayEffect(mmcTic);
}

// The mouse over a panel's own background ends the hover of an option or an exit answer.
void frmZirimbo2012::FraPannello_MouseMove(int Index, const tk::MouseArgs&) {
    if (Index == 2) {
        const long k = tk::Val(lblMouseMove.Caption);
        if (k == 6) return;
        if (k >= 0 && k <= 5) {
            lblOpzione(static_cast<int>(k)).ForeColor = colour::Black;
            lblVoceOpzione(static_cast<int>(k)).ForeColor = colour::Black;
        }
        EndOptionHover(*this);
    } else if (Index == 3) {
        if (tk::Val(lblIndexEsci.Caption) == 2) return;
        EndExitHover(*this);
    }
}

// Developer aid (the label is hidden): the scoreboard panel in its place, whatever the turn.
void frmZirimbo2012::lblNomeGiocatore_Click() {
    FraPannello(1).Move(105, 0);
    FraPannello(1).Visible = true;
}

}  // namespace zirimbo
