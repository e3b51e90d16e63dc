// A new game from the rematch box: every trace of the finished game goes, the
// pawns go home and the die waits for red's roll.
#include "form/frmZirimbo2012.h"
#include "form/various.h"
#include "toolkit/text.h"

namespace zirimbo {

void frmZirimbo2012::lblNuovaPartita_Click() {
    FraRicomincia.Visible = false;
    // A music pause left from the finished game would cut the first piece short.
    TmrRipetiMusiche.Enabled = false;
    if (MusicOn()) {
        TmrMusiche.Enabled = true;
        cmdProssimoBrano_Click();
    }
    setBackColor(colour::Panel);
    for (int i = 0; i <= 3; ++i) FraPannello(i).BackColor = colour::Panel;
    ShpDado.BackColor = colour::Red;
    for (int i = 0; i <= 6; ++i) ShpPuntoDado(i).BackColor = colour::White;
    ResetCandidatesAndPlayableFlags();
    ResetClickState();
    ResetBoardForNewGame();
    TmrVerdi.Enabled = false;
    TmrLampeggiaVittoria.Enabled = false;
    TmrLampeggiaLogo.Enabled = false;
    ImgVarie(various::kScoreboardLogo).Picture = LoadPicture("\\Grafica\\Logo.gif");
    const long r = tk::Val(lblPosizione.Caption);
    if (r >= 1 && r <= 4) {
        const int row = static_cast<int>(r);
        lblPosizioneClass(row).ForeColor = colour::Black;
        lblNomeClass(row).ForeColor = colour::Black;
        lblVinte(row).ForeColor = colour::Black;
        lblData(row).ForeColor = colour::Black;
    }
    ShpForme(0).BackColor = colour::White;
    ImgDado.Visible = true;
    cmdGioca.Enabled = true;
    SetTurn(4);
    lblSpiegazioni.Caption = "Clicca sul dado (o premi INVIO) per cominciare una nuova partita!";
    SetFocus(cmdGioca);
}

}  // namespace zirimbo
