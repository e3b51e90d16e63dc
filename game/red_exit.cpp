// A red pawn leaves the board 350 ms after reaching cell 36: it goes to its exit
// square; the fourth one makes the human the winner.
#include "shell/frmZirimbo2012.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
constexpr tk::Color kRedWinner = 0x8080FF;

// The scoreboard row (1 to 4) of the human: the last row in the human's colour; 0 when none is.
int HumanScoreboardRow(frmZirimbo2012& f) {
    const tk::Color rowColour[5] = {0, f.Shp1SfondoClass(0).BackColor, f.Shp2SfondoClass(0).BackColor,
                                    f.Shp3SfondoClass(0).BackColor, f.Shp4SfondoClass(0).BackColor};
    int row = 0;
    for (int r = 1; r <= 4; ++r)
        if (rowColour[r] == kRedWinner) row = r;
    return row;
}
}  // namespace

void frmZirimbo2012::TmrTornaZirimbo_Timer() {
    TmrTornaZirimbo.Enabled = false;
    ShpForme(0).BackColor = colour::White;
    ImgGif(36).Picture = LoadPicture("");
    const long p = tk::Val(lblPedinaCliccata.Caption);
    if (p >= 1 && p <= 16) {
        ImgDadiUsciti(static_cast<int>(p)).Picture = LoadPicture("\\Pedine\\R1.gif");
        lblUscite(static_cast<int>(p)).Caption = lblPedinaCliccata.Caption.get();
    }
    lblFaseMossa.Caption = "0";
    lblCasellaCliccata.Caption = "0";
    lblPedinaCliccata.Caption = "0";
    lblIcs(1).Caption = "0";
    lblIcs(2).Caption = "0";
    ResetCandidatesAndPlayableFlags();
    lblCaselle(36).Caption = "0";

    if (tk::Val(lblDadiUsciti(1).Caption) != 4) {
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
    lblPartiteVinte(1).Caption = tk::Str(tk::Val(lblPartiteVinte(1).Caption) + 1);
    ShpForme(0).BackColor = kRedWinner;
    if (lblVoceOpzione(3).Caption != "No") {
        TmrMusiche.Enabled = false;
        SwitchChannelFile(mmcMusiche, "\\Musiche\\Vittoria.mid");
    }
    TmrLampeggiaVittoria.Enabled = true;
    TmrLampeggiaLogo.Enabled = true;
    // A scoreboard without the human's row records no win and keeps the blinking row as it was.
    if (int row = HumanScoreboardRow(*this)) {
        lblVinte(row).Caption = tk::Str(tk::Val(lblVinte(row).Caption) + 1);
        lblData(row).Caption = runtime().today();
    }
    cmdCambiaClassifica_Click();
    if (int row = HumanScoreboardRow(*this)) lblPosizione.Caption = tk::Str(row);
    for (int i = 0; i <= 3; ++i) FraPannello(i).BackColor = kRedWinner;
    FraRicomincia.BackColor = kRedWinner;
    ShowRedWinsBubble();
    lblVarie(33).Caption = "Potrai vincere ancora (forse!) cliccando sul pulsante NUOVA PARTITA!";
    TmrPannelloVittoria.Interval = 6600;
    TmrPannelloVittoria.Enabled = true;
}

}  // namespace zirimbo
