// The player's game folder at start-up: the check that finds it up to date (every
// normal start) against copying the whole media anew (the first start, or after
// the build's media changed).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "toolkit/folder_copy.h"

namespace {

namespace fs = std::filesystem;

struct Scratch {
    fs::path root = fs::temp_directory_path() / ("zirimbo-bench-copy-" + std::to_string(::getpid()));
    ~Scratch() { fs::remove_all(root); }
};

void BM_GameFolderUpToDate(benchmark::State& state) {
    Scratch scratch;
    const std::string target = (scratch.root / "zirimbo").string();
    tk::refreshFolderCopy(ZIRIMBO_GAME_FOLDER, target, {"Dati"}, ".media-stamp");
    for (auto _ : state) {
        auto result = tk::refreshFolderCopy(ZIRIMBO_GAME_FOLDER, target, {"Dati"}, ".media-stamp");
        if (result.refreshed != 0 || !result.errors.empty()) state.SkipWithError("the copy was not up to date");
    }
}
BENCHMARK(BM_GameFolderUpToDate)->Unit(benchmark::kMillisecond);

void BM_GameFolderFirstCopy(benchmark::State& state) {
    Scratch scratch;
    const std::string target = (scratch.root / "zirimbo").string();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(target);
        state.ResumeTiming();
        tk::refreshFolderCopy(ZIRIMBO_GAME_FOLDER, target, {"Dati"}, ".media-stamp");
    }
}
BENCHMARK(BM_GameFolderFirstCopy)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
