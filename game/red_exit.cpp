// A red pawn leaves the board 350 ms after reaching cell 36: it goes to its exit
// square; the fourth one makes the human the winner. Also the win on the
// scoreboard, for any winner.
#include <algorithm>

#include "board/players.h"
#include "form/frmZirimbo2012.h"
#include "form/various.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
constexpr const players::Player& kRed = players::kPlayers[players::kRed];
constexpr tk::Color kRedWinner = kRed.winner;
}  // namespace

int frmZirimbo2012::ScoreboardRowOf(tk::Color rowColour) {
    ControlArray<Shape>* rows[5] = {nullptr, &Shp1SfondoClass, &Shp2SfondoClass, &Shp3SfondoClass, &Shp4SfondoClass};
    int row = 0;
    for (int r = 1; r <= 4; ++r)
        if ((*rows[r])(0).BackColor == rowColour) row = r;
    return row;
}

void frmZirimbo2012::RecordScoreboardWin(tk::Color rowColour) {
    // A scoreboard without the winner's row (only a damaged file could give one)
    // records no win and keeps the blinking row as it was.
    if (int row = ScoreboardRowOf(rowColour)) {
        // The count stops at the most the wins column holds.
        lblVinte(row).Caption = tk::Str(std::min(tk::Val(lblVinte(row).Caption), 32766L) + 1);
        lblData(row).Caption = runtime().today();
    }
    cmdCambiaClassifica_Click();
}

void frmZirimbo2012::TmrTornaZirimbo_Timer() {
    TmrTornaZirimbo.Enabled = false;
    ShpForme(0).BackColor = colour::White;
    ImgGif(kRed.exitCell).Picture = LoadPicture("");
    const long p = ChosenPawn();
    if (p >= 1 && p <= 16) {
        ImgDadiUsciti(static_cast<int>(p)).Picture = LoadPicture(kRed.pawnPicture[players::Plain]);
        lblUscite(static_cast<int>(p)).Caption = lblPedinaCliccata.Caption.get();
    }
    ClearPawnChoice(0);
    ResetCandidatesAndPlayableFlags();
    lblCaselle(kRed.exitCell).Caption = "0";

    if (PawnsOut(kRed.number) != 4) {
        ReplayEffectAlways(mmcEsceRosso);
        lblSpiegazioni.Caption = "";
        TmrAspettaDado.Interval = 3700;
        TmrAspettaDado.Enabled = true;
        return;
    }

    // The human has won.
    ReplayEffectAlways(mmcVinceRosso);
    setBackColor(kRedWinner);
    lblSpiegazioni.Caption = "Hai vinto, " + lblNomeGiocatore.Caption + "!!";
    AddGameWon(kRed.number);
    ShpForme(0).BackColor = kRedWinner;
    if (MusicOn()) LoadEndPiece("\\Musiche\\Vittoria.mid");
    TmrLampeggiaVittoria.Enabled = true;
    TmrLampeggiaLogo.Enabled = true;
    RecordScoreboardWin(kRedWinner);
    if (int row = ScoreboardRowOf(kRedWinner)) lblPosizione.Caption = tk::Str(row);
    for (int i = 0; i <= 3; ++i) FraPannello(i).BackColor = kRedWinner;
    FraRicomincia.BackColor = kRedWinner;
    ShowRedWinsBubble();
    lblVarie(various::kRematchPrompt).Caption = "Potrai vincere ancora (forse!) cliccando sul pulsante NUOVA PARTITA!";
    TmrPannelloVittoria.Interval = 6600;
    TmrPannelloVittoria.Enabled = true;
}

}  // namespace zirimbo
