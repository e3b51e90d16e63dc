// Replaced by the animated computer move.
// Until the computer moves are animated, a move timer's first tick carries the
// chosen row out at once: the pawn leaves its source, an opponent on the target
// goes back to its parking square, the pawn lands or leaves the board on its exit
// cell, the board is redrawn and the turn goes back to the hub.
#include "ai/board_geometry.h"
#include "shell/frmZirimbo2012.h"
#include "toolkit/text.h"

namespace zirimbo {

void frmZirimbo2012::CarryOutChosenComputerMove(int player) {
    Timer& moveTimer = player == 2 ? TmrMossaBlu3 : player == 3 ? TmrMossaGiallo3 : TmrMossaVerde3;
    moveTimer.Enabled = false;
    const long n = tk::Val(lblScelta.Caption);
    if (n >= 1 && n <= 8) {
        const int row = static_cast<int>(n);
        const long pawn = tk::Val(lblPed(row).Caption);
        const long source = tk::Val(lblPos(row).Caption);
        const long target = tk::Val(lblFinale(row).Caption);
        const bool entry = lblPos(row).BorderStyle != 0;
        if (pawn >= 1 && pawn <= 16 && target >= 1 && target <= 36 && (entry || (source >= 1 && source <= 36))) {
            if (entry) {
                lblPedine(static_cast<int>(pawn)).Caption = "0";
                ImgPartenza(static_cast<int>(pawn)).Picture = LoadPicture("");
            } else {
                lblCaselle(static_cast<int>(source)).Caption = "0";
            }
            const long eaten = tk::Val(lblCaselle(static_cast<int>(target)).Caption);
            if (eaten >= 1 && eaten <= 16 && eaten != pawn) lblPedine(static_cast<int>(eaten)).Caption = tk::Str(eaten);
            if (target == ai::ExitCellOf(player)) {
                lblCaselle(static_cast<int>(target)).Caption = "0";
                lblUscite(static_cast<int>(pawn)).Caption = tk::Str(pawn);
                lblDadiUsciti(player).Caption = tk::Str(tk::Val(lblDadiUsciti(player).Caption) + 1);
            } else {
                lblCaselle(static_cast<int>(target)).Caption = tk::Str(pawn);
            }
            cmdVisualizzaPedine_Click();
        }
    }
    ClearCandidateTable();
    TmrAspettaDado.Interval = 10;
    TmrAspettaDado.Enabled = true;
}

}  // namespace zirimbo
