// A computer player's move, shown over seven ticks of its move timer: tick 1 the
// chosen pawn, tick 3 its target, tick 5 the landing (eating what stands there),
// tick 7 the end of the move; ticks 2, 4 and 6 are pauses.
#include "computer_turn/computer_players.h"
#include "form/move_classes.h"
#include "form/pawn_pictures.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
// A pawn number written as plain decimal text, or 0.
int PawnOfText(const std::string& text) {
    const long p = tk::Val(text);
    return p >= 1 && p <= 16 && tk::Str(p) == text ? static_cast<int>(p) : 0;
}

// The chosen row of the candidate table, read afresh at every tick. A row that
// names no pawn or no cell (the choice found nothing) moves nothing.
struct ChosenMove {
    int row = 0, pawn = 0, source = 0, target = 0;
    bool entry = false;
    bool valid = false;
};

ChosenMove ReadChosenMove(frmZirimbo2012& f) {
    ChosenMove m;
    const long n = f.ChosenRow();
    if (n < 1 || n > 8) return m;
    m.row = static_cast<int>(n);
    m.pawn = PawnOfText(f.lblPed(m.row).Caption);
    m.entry = f.lblPos(m.row).BorderStyle != 0;
    const long s = f.RowSource(m.row);
    const long t = f.RowTarget(m.row);
    m.source = static_cast<int>(s);
    m.target = static_cast<int>(t);
    m.valid = m.pawn != 0 && t >= 1 && t <= 36 && (m.entry ? s == m.pawn : (s >= 1 && s <= 36));
    return m;
}

// Tick 1: the message line empties and the chosen pawn shows it is about to move.
void ShowChosenPawn(frmZirimbo2012& f, const players::Player& x, const ChosenMove& m) {
    f.lblSpiegazioni.Caption = "";
    f.SetPawnInPlay(false);
    if (m.valid) {
        if (m.entry) {
            f.ImgPartenza(m.source).Picture = f.LoadPicture(x.pawnPicture[players::Chosen]);
        } else {
            const players::PawnLook look = players::IsStartCell(m.source) ? players::ChosenOnStart : players::Chosen;
            f.ImgGif(m.source).Picture = f.LoadPicture(x.pawnPicture[look]);
        }
    }
    f.ReplayEffect(f.mmcTic);
}

// Tick 3: the target shows what the pawn will find there.
void ShowTarget(frmZirimbo2012& f, const players::Player& x, const ChosenMove& m) {
    if (m.valid) {
        const std::string there = f.lblCaselle(m.target).Caption;
        if (const int q = PawnOfText(there)) {
            const players::PawnLook look = q >= 5 && players::OwnsPawn(x, q) ? players::OwnTarget : players::Marked;
            f.ImgGif(m.target).Picture = f.LoadPicture(players::PawnPicture(q, look));
        } else if (there == "0") {
            f.ImgGif(m.target).Picture = f.LoadPicture(pawn_picture::kEmptyTarget);
        }
    }
    f.ReplayEffect(f.mmcPedina);
}

// Tick 5: the pawn lands, sending home what it eats; the target's former content
// stays in lblPedineRosseMangiabili for the end of the move. A landing on a
// refuge with no red pawn eatable this turn arms the refuge comment.
void LandPawn(frmZirimbo2012& f, const players::Player& x, players::WindowTimer refugeTimer, const ChosenMove& m) {
    if (m.valid) {
        const std::string target = f.lblFinale(m.row).Caption;
        f.lblPedineRosseMangiabili.Caption = f.lblCaselle(m.target).Caption.get();
        if (!m.entry) {
            f.ImgGif(m.source).Picture = f.LoadPicture("");
            f.lblCaselle(m.source).Caption = "0";
        } else {
            f.ImgPartenza(m.source).Picture = f.LoadPicture("");
            f.lblPedine(m.pawn).Caption = "0";
        }
        if (f.lblPos(m.row).BackColor == move_class::Eats) {
            if (const int q = PawnOfText(f.lblCaselle(m.target).Caption)) {
                f.lblPedine(q).Caption = tk::Str(q);
                f.ImgPartenza(q).Picture = f.LoadPicture(players::PawnPicture(q, players::Plain));
            }
        }
        f.ImgGif(m.target).Picture = f.LoadPicture(x.pawnPicture[players::Plain]);
        f.lblCaselle(m.target).Caption = f.lblPed(m.row).Caption.get();
        const bool refuge = move_class::IsRefugeText(target) && f.lblPedineRosseMangiabili.BackColor == colour::White;
        if (refuge) f.lblSicuro.BackColor = colour::Red;
        f.ReplayEffect(f.mmcMossa);
        if (refuge) (f.*refugeTimer).Enabled = true;
    } else {
        f.ReplayEffect(f.mmcMossa);
    }
    f.lblPedineGiocabili.Caption = "0";
    f.lblMossePossibili.Caption = "0";
}
}  // namespace

void frmZirimbo2012::TmrMossaBlu3_Timer() { ComputerMoveTick(players::kBob); }
void frmZirimbo2012::TmrMossaGiallo3_Timer() { ComputerMoveTick(players::kGiorgetto); }
void frmZirimbo2012::TmrMossaVerde3_Timer() { ComputerMoveTick(players::kCarla); }

void frmZirimbo2012::ComputerMoveTick(int player) {
    const players::Player& x = players::kPlayers[players::CharacterOf(player)];
    switch (NextMoveTick()) {
        case 1: ShowChosenPawn(*this, x, ReadChosenMove(*this)); break;
        case 3: ShowTarget(*this, x, ReadChosenMove(*this)); break;
        case 5: LandPawn(*this, x, players::ProceduresOf(player).refugeTimer, ReadChosenMove(*this)); break;
        case 7: EndComputerMove(player); break;
        default: break;  // ticks 2, 4 and 6 are pauses
    }
}

}  // namespace zirimbo
