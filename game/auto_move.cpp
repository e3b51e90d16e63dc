// The automatic move: with one playable pawn and the option on, a timer clicks the
// pawn and, one interval later, its target when there is only one.
#include "form/frmZirimbo2012.h"
#include "toolkit/text.h"

namespace zirimbo {

void frmZirimbo2012::TmrGiocaAutomatico_Timer() {
    const long tick = NextAutoMoveTick();
    if (tick == 1) {
        for (int k = 1; k <= 4; ++k) {
            if (lblPedine(k).ForeColor == colour::Red) {
                ImgPartenza_Click(k);
                break;
            }
        }
        for (int c = 1; c <= 36; ++c) {
            if (lblCaselle(c).ForeColor == colour::Red) {
                ImgGif_Click(c);
                break;
            }
        }
    } else if (tick == 2) {
        lblAuto.Caption = "0";
        TmrGiocaAutomatico.Enabled = false;
        if (PlayableMoves() == 1) {
            for (int n = 1; n <= 8; ++n) {
                if (lblPed(n).ForeColor == colour::Red) {
                    ImgGif_Click(static_cast<int>(RowTarget(n)));
                    break;
                }
            }
        }
        CloseOpenPanel();
    }
}

void frmZirimbo2012::PlayMarkedMoveByClicks() {
    const int count = static_cast<int>(CandidateCount());
    for (int n = 1; n <= count && n <= 8; ++n) {
        if (lblPed(n).ForeColor != colour::Red) continue;
        const int source = static_cast<int>(RowSource(n));
        if (lblPos(n).BorderStyle == 0) {
            ImgGif_Click(source);
        } else {
            ImgPartenza_Click(source);
        }
        ImgGif_Click(static_cast<int>(RowTarget(n)));
        return;
    }
}

}  // namespace zirimbo
