// A computer player's move, shown over seven ticks of its move timer: tick 1 the
// chosen pawn, tick 3 its target, tick 5 the landing (eating what stands there),
// tick 7 the end of the move; ticks 2, 4 and 6 are pauses.
#include "computer_turn/computer_players.h"
#include "form/move_classes.h"
#include "toolkit/text.h"

namespace zirimbo {

using computer_turn::ComputerPlayer;
using computer_turn::Player;

namespace {
bool IsStartCell(const std::string& c) { return c == "1" || c == "6" || c == "11" || c == "16"; }

// A pawn number written as plain decimal text, or 0.
int PawnOfText(const std::string& text) {
    const long p = tk::Val(text);
    return p >= 1 && p <= 16 && tk::Str(p) == text ? static_cast<int>(p) : 0;
}

std::string PawnPicture(char letter, int use) { return std::string("\\Pedine\\") + letter + char('0' + use) + ".gif"; }

char LetterOfPawn(int pawn) { return "RBGV"[(pawn - 1) / 4]; }

// The chosen row of the candidate table, read afresh at every tick. A row that
// names no pawn or no cell (the choice found nothing) moves nothing.
struct ChosenMove {
    int row = 0, pawn = 0, source = 0, target = 0;
    bool entry = false;
    bool valid = false;
};

ChosenMove ReadChosenMove(frmZirimbo2012& f) {
    ChosenMove m;
    const long n = tk::Val(f.lblScelta.Caption);
    if (n < 1 || n > 8) return m;
    m.row = static_cast<int>(n);
    m.pawn = PawnOfText(f.lblPed(m.row).Caption);
    m.entry = f.lblPos(m.row).BorderStyle != 0;
    const long s = tk::Val(f.lblPos(m.row).Caption);
    const long t = tk::Val(f.lblFinale(m.row).Caption);
    m.source = static_cast<int>(s);
    m.target = static_cast<int>(t);
    m.valid = m.pawn != 0 && t >= 1 && t <= 36 && (m.entry ? s == m.pawn : (s >= 1 && s <= 36));
    return m;
}
}  // namespace

void frmZirimbo2012::TmrMossaBlu3_Timer() { ComputerMoveTick(2); }
void frmZirimbo2012::TmrMossaGiallo3_Timer() { ComputerMoveTick(3); }
void frmZirimbo2012::TmrMossaVerde3_Timer() { ComputerMoveTick(4); }

void frmZirimbo2012::ComputerMoveTick(int player) {
    const ComputerPlayer& x = Player(player);
    const std::string tick = tk::Str(tk::Val(lblContatoreMosse.Caption) + 1);
    lblContatoreMosse.Caption = tick;
    if (tick == "7") {
        EndComputerMove(player);
        return;
    }
    if (tick != "1" && tick != "3" && tick != "5") return;
    const ChosenMove m = ReadChosenMove(*this);

    if (tick == "1") {
        lblSpiegazioni.Caption = "";
        lblPedineInGioco.Caption = "0";
        if (m.valid) {
            if (!m.entry) {
                const std::string s = lblPos(m.row).Caption;
                ImgGif(m.source).Picture = LoadPicture(PawnPicture(x.letter, IsStartCell(s) ? 5 : 3));
            } else {
                ImgPartenza(m.source).Picture = LoadPicture(PawnPicture(x.letter, 3));
            }
        }
        ReplayEffect(mmcTic);
        return;
    }

    if (tick == "3") {
        if (m.valid) {
            const std::string there = lblCaselle(m.target).Caption;
            const int q = PawnOfText(there);
            std::string picture = "\\Pedine\\X.gif";
            if (q != 0) picture = PawnPicture(LetterOfPawn(q), q >= 5 && computer_turn::OwnPawnOf(x, q) ? 4 : 2);
            if (there == "0" || q != 0) ImgGif(m.target).Picture = LoadPicture(picture);
        }
        ReplayEffect(mmcPedina);
        return;
    }

    // Tick 5: the pawn lands.
    if (m.valid) {
        const std::string t = lblFinale(m.row).Caption;
        lblPedineRosseMangiabili.Caption = lblCaselle(m.target).Caption.get();
        if (!m.entry) {
            ImgGif(m.source).Picture = LoadPicture("");
            lblCaselle(m.source).Caption = "0";
        } else {
            ImgPartenza(m.source).Picture = LoadPicture("");
            lblPedine(m.pawn).Caption = "0";
        }
        if (lblPos(m.row).BackColor == move_class::Eats) {
            const int q = PawnOfText(lblCaselle(m.target).Caption);
            if (q != 0) {
                lblPedine(q).Caption = tk::Str(q);
                ImgPartenza(q).Picture = LoadPicture(PawnPicture(LetterOfPawn(q), 1));
            }
        }
        ImgGif(m.target).Picture = LoadPicture(PawnPicture(x.letter, 1));
        lblCaselle(m.target).Caption = lblPed(m.row).Caption.get();
        if (move_class::IsRefugeText(t) && lblPedineRosseMangiabili.BackColor == colour::White) {
            lblSicuro.BackColor = colour::Red;
            ReplayEffect(mmcMossa);
            (this->*x.refugeTimer).Enabled = true;
        } else {
            ReplayEffect(mmcMossa);
        }
    } else {
        ReplayEffect(mmcMossa);
    }
    lblPedineGiocabili.Caption = "0";
    lblMossePossibili.Caption = "0";
}

}  // namespace zirimbo
