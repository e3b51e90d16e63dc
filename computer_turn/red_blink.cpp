// The blink of the red pawns that a computer player could eat: their cells show
// the arrows and the red pawn in turn, six times each, then the blink stops itself.
#include "board/players.h"
#include "form/frmZirimbo2012.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
constexpr long kLastTick = 13;
}  // namespace

void frmZirimbo2012::TmrLampeggiaRosso_Timer() {
    const long tick = NextBlinkTick();
    if (tick >= kLastTick) {
        lblLampeggia.Caption = "0";
        for (int k = 1; k <= 4; ++k) lblPosizioneRossa(k).Caption = "0";
        TmrLampeggiaRosso.Enabled = false;
        return;
    }
    const char* redPawn = players::kPlayers[players::kRed].pawnPicture[players::Plain];
    const char* picture = tick % 2 == 1 ? "\\Pedine\\Frecce.gif" : redPawn;
    for (int k = 1; k <= 4; ++k) {
        const long c = tk::Val(lblPosizioneRossa(k).Caption);
        if (c >= 1 && c <= 36) ImgGif(static_cast<int>(c)).Picture = LoadPicture(picture);
    }
}

}  // namespace zirimbo
