// The time of one move choice: the evaluation core on a busy mid-game board
// with several playable rows, and the whole window procedure with its labels.
#include <benchmark/benchmark.h>

#include "ai/evaluation.h"
#include "form/frmZirimbo2012.h"
#include "toolkit/runtime.h"

namespace {

using namespace zirimbo::ai;

// Mid-game: three pawns of every colour on the board, one parked; Bob rolled a 6.
struct MidGame {
    Board board;
    CandidateTable rows;
    MidGame() {
        const int placed[][2] = {{2, 1},  {9, 2},   {27, 3},  {3, 5},   {5, 6},   {22, 7},
                                 {12, 9}, {17, 10}, {33, 11}, {19, 13}, {31, 14}, {36, 15}};
        for (int p = 1; p <= 16; ++p) board.parked[p] = static_cast<std::uint8_t>(p);
        for (auto& [cell, pawn] : placed) {
            board.cell[cell] = static_cast<std::uint8_t>(pawn);
            board.parked[pawn] = 0;
        }
        // Bob's rows for a 6: 3 -> 27 and 3 -> 9 (both eat a red pawn), 5 -> 29 and
        // 5 -> 11, 22 -> 34 and 22 -> 28, and pawn 8 enters on 6.
        auto row = [&](int pawn, int source, int target, bool eats, bool entry = false) {
            Candidate& c = rows.row[++rows.count];
            c = {static_cast<std::uint8_t>(pawn),
                 static_cast<std::uint8_t>(source),
                 static_cast<std::uint8_t>(target),
                 entry,
                 eats,
                 true};
        };
        row(5, 3, 27, true);
        row(5, 3, 9, true);
        row(6, 5, 29, false);
        row(6, 5, 11, false);
        row(7, 22, 34, false);
        row(7, 22, 28, false);
        row(8, 8, 6, false, true);
    }
};

void BM_ChooseMoveCore(benchmark::State& state) {
    const MidGame g;
    Evaluation e;
    ThreatTableOf(2);  // built once, before timing
    int tactic = 0;
    for (auto _ : state) {
        const Tactics t = TacticsFor(kBob, tactic % 8 + 1, (tactic / 8) % 8 + 1);
        ++tactic;
        ChooseMove(kBob, t, g.board, g.rows, e);
        benchmark::DoNotOptimize(e.chosen);
    }
    state.SetLabel("7 playable rows");
}
BENCHMARK(BM_ChooseMoveCore);

void BM_ChooseBobMoveWindow(benchmark::State& state) {
    tk::HeadlessRuntime h;
    h.useSeededRandom(7);
    zirimbo::frmZirimbo2012 f(h.rt);
    const MidGame g;
    for (int c = 1; c <= 36; ++c) f.lblCaselle(c).Caption = std::to_string(g.board.cell[c]);
    for (int p = 1; p <= 16; ++p) f.lblPedine(p).Caption = g.board.parked[p] ? std::to_string(p) : "0";
    f.lblNumeroDado.Caption = "6";
    f.FindBobCandidateMoves();
    if (f.lblMossePossibili.Caption.get() != "7") state.SkipWithError("unexpected candidate rows");
    for (auto _ : state) {
        f.ChooseBobMove();
        f.TmrMossaBlu3.Enabled = false;
        benchmark::DoNotOptimize(f.lblScelta.Caption.get());
    }
}
BENCHMARK(BM_ChooseBobMoveWindow);

}  // namespace
