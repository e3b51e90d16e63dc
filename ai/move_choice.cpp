// The characters' move choices on the window: the state tables are read into a
// plain board, the evaluation core rates the candidate rows, and what it worked
// out goes back into the labels of the developer view, lblScelta and the
// character's move timer. Also the scoring procedures the developer view runs.
#include "ai/evaluation.h"
#include "board/board_geometry.h"
#include "form/frmZirimbo2012.h"
#include "form/move_classes.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {

constexpr tk::Color kLowRange = 0xC0FFC0;   // light green
constexpr tk::Color kHighRange = 0x0000FF;  // red

// The number a text holds when it is exactly the decimal text of lo..hi ("7"), else 0.
int ExactNumber(const std::string& text, int lo, int hi) {
    if (text.empty() || text.size() > 2) return 0;
    const long v = tk::Val(text);
    return (v >= lo && v <= hi && tk::Str(v) == text) ? static_cast<int>(v) : 0;
}
int ExactPawn(const std::string& text) { return ExactNumber(text, 1, 16); }

// A board from three state tables: the pawn on each cell, parked and out flags.
ai::Board ReadBoard(ControlArray<Label>& cells, ControlArray<Label>& parked, ControlArray<Label>& out) {
    ai::Board b;
    for (int c = 1; c <= 36; ++c) b.cell[c] = static_cast<std::uint8_t>(ExactPawn(cells(c).Caption));
    for (int p = 1; p <= 16; ++p) {
        b.parked[p] = tk::Val(parked(p).Caption) != 0 ? static_cast<std::uint8_t>(p) : 0;
        b.out[p] = tk::Val(out(p).Caption) != 0 ? static_cast<std::uint8_t>(p) : 0;
    }
    return b;
}

std::uint8_t SmallNumber(const std::string& text) {
    const long v = tk::Val(text);
    return (v >= 0 && v <= 255) ? static_cast<std::uint8_t>(v) : 0;
}

ai::CandidateTable ReadCandidates(frmZirimbo2012& f) {
    ai::CandidateTable t;
    const long count = f.CandidateCount();
    t.count = count < 0 ? 0 : count > 8 ? 8 : static_cast<int>(count);
    for (int n = 1; n <= t.count; ++n) {
        ai::Candidate& r = t.row[n];
        r.pawn = SmallNumber(f.lblPed(n).Caption);
        r.playable = f.lblPed(n).ForeColor == colour::Red;
        r.source = SmallNumber(f.lblPos(n).Caption);
        r.entry = f.lblPos(n).BorderStyle != 0;
        r.eats = f.lblPos(n).BackColor == move_class::Eats;
        r.target = SmallNumber(f.lblFinale(n).Caption);
    }
    return t;
}

void WriteScratchBoard(frmZirimbo2012& f, const ai::Board& b) {
    for (int c = 1; c <= 36; ++c) f.lbl2Caselle(c).Caption = tk::Str(b.cell[c]);
    for (int p = 1; p <= 16; ++p) {
        f.lbl2Pedine(p).Caption = tk::Str(b.parked[p]);
        f.lbl2Uscite(p).Caption = tk::Str(b.out[p]);
    }
}

void ShowDraw(Label& l, int draw, bool highRange) {
    l.Caption = tk::Str(draw);
    l.BackColor = highRange ? kHighRange : kLowRange;
}

// One character's choice: the two tactic draws, the rating of every playable
// row, the labels, lblScelta and the move timer.
void ChooseMoveFor(frmZirimbo2012& f, const ai::Character& who, Timer& moveTimer) {
    const int d1 = f.runtime().draw(8);
    ShowDraw(f.lblSceltaTattica, d1, d1 > who.divisorSixUpTo);
    const int d2 = f.runtime().draw(8);
    ShowDraw(f.lblSceltaTattica2, d2, d2 > who.bonusOffUpTo);
    const ai::Tactics tactics = ai::TacticsFor(who, d1, d2);

    const ai::Board board = ReadBoard(f.lblCaselle, f.lblPedine, f.lblUscite);
    const ai::CandidateTable rows = ReadCandidates(f);
    ai::Evaluation e;
    ai::ChooseMove(who, tactics, board, rows, e);

    f.lblContaAnalisi.Caption = tk::Str(e.rated);
    for (int n = 0; n <= 8; ++n) f.lblAnalisi(n).Caption = tk::Str(e.rating[n]);
    if (e.rated > 0) {
        // What the last rated row left: its position, scores, threats and totals.
        WriteScratchBoard(f, e.scratch);
        for (int p = 1; p <= 16; ++p) {
            f.lblPunteggio(p).Caption = tk::Str(e.score[p]);
            f.lblMinacce(p).Caption = tk::Str(e.threats[p]);
        }
        for (int k = 1; k <= 4; ++k) f.lblTotale(k).Caption = tk::Str(e.total[k]);
    }
    if (e.eatenPawn != 0) {
        f.lblPedinaMangiataColore.Caption = tk::Str(e.eatenPawn);
        f.lblPedinaMangiataPosizione.Caption = tk::Str(e.eatenCell);
    }
    if (e.eatenValue >= 0) f.lblValorePedinaMangiata.Caption = tk::Str(e.eatenValue);
    if (e.chosen != 0) f.lblScelta.Caption = tk::Str(e.chosen);
    // The move timer always takes the turn on, so the game never stalls here.
    moveTimer.Enabled = true;
}

}  // namespace

void frmZirimbo2012::ScorePawnPositions() {
    const ai::Board b = ReadBoard(lbl2Caselle, lbl2Pedine, lbl2Uscite);
    std::array<std::int16_t, 17> score{};
    ai::ScorePawns(b, score);
    for (int p = 1; p <= 16; ++p) {
        lblPunteggio(p).Caption = tk::Str(score[p]);
        lblMinacce(p).Caption = "0";
    }
    for (int k = 1; k <= 4; ++k) lblTotale(k).Caption = "0";
}

void frmZirimbo2012::ComputeEatenPawnValue() {
    const int pawn = ExactPawn(lblPedinaMangiataColore.Caption);
    const int cell = ExactNumber(lblPedinaMangiataPosizione.Caption, 1, 36);
    if (pawn == 0 || cell == 0) return;
    lblValorePedinaMangiata.Caption = tk::Str(ai::PositionalValue(pawn, cell));
}

void frmZirimbo2012::cmdAnalisiPunteggio_Click() { ScorePawnPositions(); }

void frmZirimbo2012::ChooseBobMove() { ChooseMoveFor(*this, ai::kBob, TmrMossaBlu3); }
void frmZirimbo2012::ChooseGiorgettoMove() { ChooseMoveFor(*this, ai::kGiorgetto, TmrMossaGiallo3); }
void frmZirimbo2012::ChooseCarlaMove() { ChooseMoveFor(*this, ai::kCarla, TmrMossaVerde3); }

}  // namespace zirimbo
