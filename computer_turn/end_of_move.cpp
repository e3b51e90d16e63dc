// The last tick of a computer move: the move timer stops, a pawn on its exit cell
// leaves the board (the fourth wins the game), and the character's comment, the
// refuge comment's pause or the turn hub carries the game on.
#include "computer_turn/computer_players.h"
#include "form/pawn_pictures.h"
#include "toolkit/text.h"

namespace zirimbo {

using computer_turn::ComputerPlayer;
using computer_turn::Player;

namespace {
// A pawn of one of the other two computer characters, as plain decimal text.
bool IsOtherCharactersPawnText(const ComputerPlayer& x, const std::string& q) {
    const long p = tk::Val(q);
    return p >= 5 && p <= 16 && tk::Str(p) == q && !computer_turn::OwnPawnOf(x, p);
}
}  // namespace

void frmZirimbo2012::EndComputerMove(int player) {
    const ComputerPlayer& x = Player(player);
    if (lblSicuro.BackColor != colour::Red) lblSpiegazioni.Caption = "";
    (this->*x.moveTimer).Enabled = false;
    lblContatoreMosse.Caption = "0";

    // (a) A pawn on the exit cell leaves the board.
    const long n = tk::Val(lblScelta.Caption);
    const long t = n >= 1 && n <= 8 ? tk::Val(lblFinale(static_cast<int>(n)).Caption) : 0;
    const long p = t == x.exitCell ? tk::Val(lblCaselle(x.exitCell).Caption) : 0;
    if (t == x.exitCell && computer_turn::OwnPawnOf(x, p)) {
        const int pawn = static_cast<int>(p);
        ImgGif(x.exitCell).Picture = LoadPicture("");
        ImgDadiUsciti(pawn).Picture = LoadPicture(std::string("\\Pedine\\") + x.letter + "1.gif");
        lblUscite(pawn).Caption = lblCaselle(x.exitCell).Caption.get();
        lblDadiUsciti(player).Caption = tk::Str(tk::Val(lblDadiUsciti(player).Caption) + 1);
        lblCaselle(x.exitCell).Caption = "0";
        lblHaMangiato.BackColor = colour::White;
        lblPedineRosseMangiabili.BackColor = colour::White;
        lblPedineRosseMangiabili.Caption = "0";
        if (tk::Val(lblDadiUsciti(player).Caption) == 4) {
            setBackColor(x.winner);
            ShpForme(0).BackColor = x.winnerArea;
            lblPartiteVinte(player).Caption = tk::Str(tk::Val(lblPartiteVinte(player).Caption) + 1);
            ClearCandidateTable();
            (this->*x.victory)();
        } else {
            (this->*x.pawnOut)();
        }
        return;
    }

    // (b) A red pawn could be eaten this turn: eaten or spared.
    if (lblPedineRosseMangiabili.BackColor == colour::Red) {
        if (pawn_picture::IsRed(lblPedineRosseMangiabili.Caption)) {
            (this->*x.ateRed)();
        } else {
            (this->*x.sparedRed)();
        }
        lblPedineRosseMangiabili.BackColor = colour::White;
        lblPedineRosseMangiabili.Caption = "0";
        return;
    }

    // (c) A refuge: the refuge comment gives the pause its length.
    if (lblSicuro.BackColor == colour::Red) {
        lblSicuro.BackColor = colour::White;
        TmrRiprendeIlGioco.Enabled = true;
        return;
    }

    // (d), (e) The entering pawn ate the pawn on the start cell.
    if (lblHaMangiato.BackColor == colour::Red) {
        lblHaMangiato.BackColor = colour::White;
        (this->*x.ateRed2)();
        return;
    }
    if (lblHaMangiato.BackColor == computer_turn::kEntryEatsOther) {
        lblHaMangiato.BackColor = colour::White;
        (this->*x.ateOther)();
        return;
    }

    // (f) The move ate another character's pawn.
    if (IsOtherCharactersPawnText(x, lblPedineRosseMangiabili.Caption)) {
        (this->*x.ateOther)();
        return;
    }

    // (g) Nothing to say: the next turn.
    TmrAspettaDado.Interval = 10;
    TmrAspettaDado.Enabled = true;
}

}  // namespace zirimbo
