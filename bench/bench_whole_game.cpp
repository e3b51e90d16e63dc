// A whole headless game of red against the three computer players, on the virtual
// clock, from the first roll to a victory.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "form/frmZirimbo2012.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/whole_game_driver.h"
#include "toolkit/runtime.h"

namespace {

void BM_WholeGame(benchmark::State& state) {
    // An empty game folder: the pictures are only logged as missing, once each.
    const scratch::Folder scratch{"zirimbo_bench_empty"};
    const std::string folder = scratch.path().string();
    std::uint64_t seed = 1;
    double virtualMs = 0, moves = 0;
    for (auto _ : state) {
        tk::HeadlessRuntime h;
        h.rt.startDirectory = folder;
        auto f = std::make_unique<zirimbo::frmZirimbo2012>(h.rt);
        f->Load();
        f->Show();
        f->SetOption(zirimbo::Option::AutoMove, false);
        f->cmdAssegnaCasuale_Click();  // the comment line orders, as the name entry draws them
        h.useSeededRandom(seed++);
        const auto r = whole_game::Play(*f, h, 6LL * 3600 * 1000);
        if (r.winner == 0) state.SkipWithError("nobody won");
        virtualMs += static_cast<double>(r.virtualMs);
        moves += r.redMoves;
        benchmark::DoNotOptimize(r);
    }
    state.counters["virtual_s_per_game"] = benchmark::Counter(virtualMs / 1000.0, benchmark::Counter::kAvgIterations);
    state.counters["red_moves_per_game"] = benchmark::Counter(moves, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMillisecond);

}  // namespace
