// Developer aids: the hidden views of the state tables and the few controls in
// them that set up a position by hand. The game never shows them to the player.
#include "form/frmZirimbo2012.h"
#include "toolkit/text.h"

namespace zirimbo {

void frmZirimbo2012::cmdCancellaPedine_Click() {
    for (int c = 1; c <= 36; ++c) {
        lblCaselle(c).Caption = "0";
        lblCaselle(c).ForeColor = colour::Black;
    }
    for (int k = 1; k <= 4; ++k) {
        lblPedine(k).Caption = "0";
        lblPedine(k).ForeColor = colour::Black;
    }
}

void frmZirimbo2012::cmdReinizializzaTabella_Click() { ResetClickState(); }

void frmZirimbo2012::lblCaselle_Click(int Index) {
    static const char* const kCycle[] = {"0", "1", "2", "3", "4", "5", "9", "13"};
    constexpr int kSteps = sizeof(kCycle) / sizeof(kCycle[0]);
    if (!lblCaselle.exists(Index)) return;
    const std::string v = lblCaselle(Index).Caption;
    for (int i = 0; i < kSteps; ++i) {
        if (v == kCycle[i]) {
            lblCaselle(Index).Caption = kCycle[(i + 1) % kSteps];
            return;
        }
    }
}

void frmZirimbo2012::lblPedine_Click(int Index) {
    if (!lblPedine.exists(Index)) return;
    lblPedine(Index).Caption = tk::Val(lblPedine(Index).Caption) != 0 ? "0" : tk::Str(Index);
}

void frmZirimbo2012::lblNumeroDado_Click() { ResetCandidatesAndPlayableFlags(); }

void frmZirimbo2012::lblTurnoDiGioco_Click() {
    const bool show = !FraMossa.Visible;
    FraMossa.Visible = show;
    FraCaselle.Visible = show;
    FraPunteggio.Visible = show;
    FraCasuale.Visible = show;
}

}  // namespace zirimbo
