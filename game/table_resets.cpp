// Clearing the candidate-move table, the playable flags and the board.
#include "form/frmZirimbo2012.h"
#include "form/move_classes.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
// One row of the candidate-move table back to "0", black text, white background, no border.
void ClearCandidateRow(frmZirimbo2012& f, int n) {
    f.lblPed(n).Caption = "0";
    f.lblPed(n).ForeColor = colour::Black;
    f.lblPos(n).Caption = "0";
    f.lblPos(n).BackColor = move_class::None;
    f.lblPos(n).BorderStyle = 0;
    f.lblFinale(n).Caption = "0";
}
}  // namespace

void frmZirimbo2012::ClearCandidateTable() {
    for (int n = 1; n <= 8; ++n) ClearCandidateRow(*this, n);
    lblScelta.Caption = "0";
    lblPos(0).Caption = "0";
    lblPed(0).Caption = "0";
}

void frmZirimbo2012::ResetCandidatesAndPlayableFlags() {
    for (int c = 1; c <= 36; ++c) lblCaselle(c).ForeColor = colour::Black;
    for (int k = 1; k <= 16; ++k) lblPedine(k).ForeColor = colour::Black;
    for (int n = 0; n <= 8; ++n) ClearCandidateRow(*this, n);
}

void frmZirimbo2012::ResetBoardForNewGame() {
    for (int c = 1; c <= 36; ++c) lblCaselle(c).Caption = "0";
    for (int p = 1; p <= 16; ++p) {
        lblPedine(p).Caption = tk::Str(p);
        lblUscite(p).Caption = "0";
    }
    for (int k = 1; k <= 4; ++k) lblDadiUsciti(k).Caption = "0";
    cmdVisualizzaPedine_Click();
}

}  // namespace zirimbo
