// The last tick of a computer move: the move timer stops, a pawn on its exit cell
// leaves the board (the fourth wins the game), and the character's comment, the
// refuge comment's pause or the turn hub carries the game on.
#include "computer_turn/computer_players.h"
#include "form/pawn_pictures.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
// A pawn of one of the other two computer characters, as plain decimal text.
bool IsOtherCharactersPawnText(const players::Player& x, const std::string& q) {
    const long p = tk::Val(q);
    return p >= 5 && p <= 16 && tk::Str(p) == q && !players::OwnsPawn(x, p);
}

// The mover's pawn that the chosen row has brought onto its exit cell, or 0.
int PawnOnExitCell(frmZirimbo2012& f, const players::Player& x) {
    const long n = f.ChosenRow();
    const long t = n >= 1 && n <= 8 ? f.RowTarget(static_cast<int>(n)) : 0;
    if (t != x.exitCell) return 0;
    const long p = tk::Val(f.lblCaselle(x.exitCell).Caption);
    return players::OwnsPawn(x, p) ? static_cast<int>(p) : 0;
}
}  // namespace

void frmZirimbo2012::EndComputerMove(int player) {
    const players::Player& x = players::kPlayers[players::CharacterOf(player)];
    const players::CharacterProcedures& run = players::ProceduresOf(player);
    if (lblSicuro.BackColor != colour::Red) lblSpiegazioni.Caption = "";
    (this->*run.moveTimer).Enabled = false;
    lblContatoreMosse.Caption = "0";

    // The first of these that applies carries the game on.
    if (int pawn = PawnOnExitCell(*this, x)) {
        TakeComputerPawnOut(player, pawn);
    } else if (lblPedineRosseMangiabili.BackColor == colour::Red) {
        // A red pawn could be eaten this turn: eaten or spared.
        (this->*(pawn_picture::IsRed(lblPedineRosseMangiabili.Caption) ? run.ateRed : run.sparedRed))();
        lblPedineRosseMangiabili.BackColor = colour::White;
        lblPedineRosseMangiabili.Caption = "0";
    } else if (lblSicuro.BackColor == colour::Red) {
        // A refuge: the refuge comment gives the pause its length.
        lblSicuro.BackColor = colour::White;
        TmrRiprendeIlGioco.Enabled = true;
    } else if (lblHaMangiato.BackColor == colour::Red) {
        // The entering pawn ate the red pawn on the start cell.
        lblHaMangiato.BackColor = colour::White;
        (this->*run.ateRed2)();
    } else if (lblHaMangiato.BackColor == computer_turn::kEntryEatsOther) {
        // The entering pawn ate another character's pawn on the start cell.
        lblHaMangiato.BackColor = colour::White;
        (this->*run.ateOther)();
    } else if (IsOtherCharactersPawnText(x, lblPedineRosseMangiabili.Caption)) {
        // The move ate another character's pawn.
        (this->*run.ateOther)();
    } else {
        // Nothing to say: the next turn.
        TmrAspettaDado.Interval = 10;
        TmrAspettaDado.Enabled = true;
    }
}

// The pawn goes to its exit square; the fourth out wins the game.
void frmZirimbo2012::TakeComputerPawnOut(int player, int pawn) {
    const players::Player& x = players::kPlayers[players::CharacterOf(player)];
    const players::CharacterProcedures& run = players::ProceduresOf(player);
    ImgGif(x.exitCell).Picture = LoadPicture("");
    ImgDadiUsciti(pawn).Picture = LoadPicture(x.pawnPicture[players::Plain]);
    lblUscite(pawn).Caption = lblCaselle(x.exitCell).Caption.get();
    const long out = AddPawnOut(player);
    lblCaselle(x.exitCell).Caption = "0";
    lblHaMangiato.BackColor = colour::White;
    lblPedineRosseMangiabili.BackColor = colour::White;
    lblPedineRosseMangiabili.Caption = "0";
    if (out != 4) {
        (this->*run.pawnOut)();
        return;
    }
    setBackColor(x.winner);
    ShpForme(0).BackColor = x.winnerArea;
    AddGameWon(player);
    ClearCandidateTable();
    (this->*run.victory)();
}

}  // namespace zirimbo
