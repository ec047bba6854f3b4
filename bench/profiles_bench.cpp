// Profiles and high scores: decoding and checking a profile, loading a profile and the default
// high-score table from the page cache, and ShowHint with its save on this disk (a save runs
// inside a logic tick during play, so its worst case is compared against a 16 ms frame).
#include "core/TGame.h"
#include "framework/cc_errors.h"
#include "platform/TStream.h"
#include "platform/files.h"
#include "profiles/THighScoreList.h"
#include "profiles/TProfile.h"
#include "profiles/profile_file.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

// A per-user folder in a fresh temporary folder, with the game object pointing at it.
struct TFolder {
    std::filesystem::path root;
    TFolder() {
        root = std::filesystem::temp_directory_path() / ("sw-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "profiles");
        Game = std::make_shared<TGame>();
        Game->SubPath = root.string() + "/";
        Game->ProfilePath = Game->SubPath + "profiles/";
        ccErrorPath = Game->SubPath;
    }
    ~TFolder() {
        Game = nullptr;
        std::filesystem::remove_all(root);
    }
};

void BM_DecodeProfile(benchmark::State& state) {
    TProfileFields fields;
    fields.CurrentLevel = 7;
    fields.LockedLevel = 12;
    const std::string bytes = EncodeProfileFields(fields);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeProfileFile(bytes));
}
BENCHMARK(BM_DecodeProfile);

void BM_LoadProfile(benchmark::State& state) {
    TFolder folder;
    TProfile::Create("Anna")->Save();
    TProfileRef anna = TProfile::Create("Anna");
    for (auto _ : state)
        benchmark::DoNotOptimize(anna->Load());
}
BENCHMARK(BM_LoadProfile);

void BM_LoadHighScores(benchmark::State& state) {
    TFolder folder;
    THighScoreList table;
    table.Create(Game->SubPath + "sw", 10);
    table.Load(); // writes the default file
    for (auto _ : state)
        benchmark::DoNotOptimize(table.Load());
}
BENCHMARK(BM_LoadHighScores);

// 200 ShowHint calls that each set a new flag and save; median and worst in the counters (ms).
void BM_ShowHintSave(benchmark::State& state) {
    TFolder folder;
    for (auto _ : state) {
        std::vector<double> ms;
        for (int i = 0; i < 200; ++i) {
            TProfileRef anna = TProfile::Create("Anna");
            const auto start = std::chrono::steady_clock::now();
            anna->ShowHint(i % 100, 1);
            ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        std::sort(ms.begin(), ms.end());
        state.counters["median_ms"] = ms[ms.size() / 2];
        state.counters["worst_ms"] = ms.back();
    }
}
BENCHMARK(BM_ShowHintSave)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
