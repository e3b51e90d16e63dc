// The turn hub: every finished turn arms TmrAspettaDado, whose tick starts the
// next player's turn; after Carla it prompts the human to roll.
#include "form/frmZirimbo2012.h"
#include "form/player_procedures.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
constexpr int kHubInterval = 600;
}  // namespace

void frmZirimbo2012::TmrAspettaDado_Timer() {
    TmrAspettaDado.Interval = kHubInterval;
    TmrAspettaDado.Enabled = false;
    ImgPersonaggio.Picture = LoadPicture("");
    ShowMenuButtons();
    if (Turn() == 4) {
        ReplayEffect(mmcTic);
        ShowRedPrompt();
        return;
    }
    ShpForme(0).BackColor = colour::White;
    lblSpiegazioni.Caption = "";
    const int turn = Turn();
    if (turn < 1 || turn > 3) return;
    const int next = turn + 1;
    if (next == 4)
        for (int i = 0; i <= 6; ++i) ShpPuntoDado(i).BackColor = colour::White;
    const bool found = HasPawnOnBoard(next);
    SetPawnInPlay(found);
    if (found) {
        cmdTrovaNumeri_Click();
    } else {
        (this->*players::ProceduresOf(next).hopeForSix)();
    }
}

void frmZirimbo2012::ShowRedPrompt() {
    lblSpiegazioni.Caption = lblNomeGiocatore.Caption + ", tocca ora a te: premi INVIO o clicca sul Dado!";
    ImgDado.Visible = true;
    cmdGioca.Enabled = true;
    cmdLanciaDado.Enabled = true;
    SetCanPlay(true);
    SetTurn(4);
    ShpDado.BackColor = colour::Red;
    for (int i = 0; i <= 6; ++i) ShpPuntoDado(i).BackColor = colour::White;
    ShpForme(0).BackColor = colour::White;
    // Enter rolls: the off-screen button takes the keyboard focus.
    SetFocus(cmdGioca);
}

void frmZirimbo2012::PromptRedTurn() {
    ClearCandidateTable();
    ShowMenuButtons();
    ShowRedPrompt();
}

void frmZirimbo2012::TmrRiprendeIlGioco_Timer() {
    TmrRiprendeIlGioco.Enabled = false;
    TmrAspettaDado.Interval = 10;
    TmrAspettaDado.Enabled = true;
}

void frmZirimbo2012::TmrRiprendeRossoDopoVerde_Timer() {
    TmrRiprendeRossoDopoVerde.Enabled = false;
    ImgPersonaggio.Picture = LoadPicture("");
    PromptRedTurn();
}

}  // namespace zirimbo
