// The player's data files at start-up: the check that finds every one there (every
// later start) against seeding them all (the first start), and the one-time
// clearing of the whole media copy an earlier version left in the player's folder.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/scratch_folder.h"
#include "toolkit/folder_copy.h"

namespace {

namespace fs = std::filesystem;

const std::string kShippedData = std::string(ZIRIMBO_GAME_FOLDER) + "/Dati";

void BM_DataFilesAllThere(benchmark::State& state) {
    const scratch::Folder scratch{"zirimbo-bench-copy"};
    const std::string target = (scratch.path() / "zirimbo/Dati").string();
    tk::seedFolder(kShippedData, target);
    for (auto _ : state) {
        auto result = tk::seedFolder(kShippedData, target);
        if (result.seeded != 0 || !result.errors.empty()) state.SkipWithError("the data files were not all there");
    }
}
BENCHMARK(BM_DataFilesAllThere)->Unit(benchmark::kMicrosecond);

void BM_DataFilesFirstSeeded(benchmark::State& state) {
    const scratch::Folder scratch{"zirimbo-bench-copy"};
    const std::string target = (scratch.path() / "zirimbo/Dati").string();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(target);
        state.ResumeTiming();
        tk::seedFolder(kShippedData, target);
    }
}
BENCHMARK(BM_DataFilesFirstSeeded)->Unit(benchmark::kMicrosecond);

// An earlier version's copy of the whole media, with its record, cleared.
void BM_EarlierMediaCopyCleared(benchmark::State& state) {
    const scratch::Folder scratch{"zirimbo-bench-copy"};
    const fs::path source(ZIRIMBO_GAME_FOLDER), target = scratch.path() / "zirimbo";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(target);
        fs::create_directories(target);
        std::ofstream stamp(target / ".media-stamp");
        for (const auto& e : fs::recursive_directory_iterator(source)) {
            const fs::path relative = e.path().lexically_relative(source);
            if (e.is_directory() || *relative.begin() == "Dati") continue;
            fs::create_directories((target / relative).parent_path());
            fs::copy_file(e.path(), target / relative);
            stamp << relative.generic_string() << '\t' << e.file_size() << "\t0\n";
        }
        stamp.close();
        state.ResumeTiming();
        auto result = tk::removeUnchangedCopy(source.string(), target.string(), ".media-stamp");
        if (!result.kept.empty() || !result.errors.empty()) state.SkipWithError("the copy was not cleared");
    }
}
BENCHMARK(BM_EarlierMediaCopyCleared)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
