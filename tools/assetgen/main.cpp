// assetgen: writes the whole data folder (pictures, sounds, music, the font) into the folder given on
// the command line. The output depends only on this source and the font file: no clock, no unseeded
// random numbers, so every run writes the same bytes.
//
//   assetgen --font FONT.ttf [--contact-sheet SHEET_DIR] DATA_DIR
#include "jobs.h"
#include "manifest.h"
#include "output.h"
#include "paint.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <mutex>
#include <set>
#include <thread>

using namespace assetgen;

namespace {

Jobs AllJobs(const std::string& fontPath) {
    Jobs jobs;
    AddShapeJobs(jobs);
    AddBoardJobs(jobs);
    AddUiJobs(jobs);
    AddBackgroundJobs(jobs);
    AddSoundJobs(jobs);
    AddMusicJobs(jobs);
    jobs.push_back({{"fonts/card.ttf"}, [fontPath] {
                        std::filesystem::copy_file(fontPath, OutputPath("fonts/card.ttf"),
                                                   std::filesystem::copy_options::overwrite_existing);
                    }});
    return jobs;
}

// Every generated file of the manifest has exactly one job, and no job writes anything else.
bool CheckCoverage(const Jobs& jobs) {
    std::set<std::string> made;
    bool ok = true;
    for (const Job& job : jobs)
        for (const std::string& out : job.outputs) {
            if (!FindEntry(out)) {
                std::fprintf(stderr, "assetgen: %s is not in the manifest\n", out.c_str());
                ok = false;
            }
            if (!made.insert(out).second) {
                std::fprintf(stderr, "assetgen: %s is made twice\n", out.c_str());
                ok = false;
            }
        }
    for (const Entry& e : Manifest())
        if (e.kind != Kind::Text && e.kind != Kind::Folder && !made.count(e.path)) {
            std::fprintf(stderr, "assetgen: nothing makes %s\n", e.path.c_str());
            ok = false;
        }
    return ok;
}

bool RunAll(Jobs& jobs) {
    std::stable_sort(jobs.begin(), jobs.end(), [](const Job& a, const Job& b) { return a.cost > b.cost; });
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex logMutex;
    auto worker = [&] {
        for (size_t i; (i = next++) < jobs.size();) {
            try {
                jobs[i].run();
            } catch (const std::exception& e) {
                std::lock_guard<std::mutex> lock(logMutex);
                std::fprintf(stderr, "assetgen: %s: %s\n", jobs[i].outputs.front().c_str(), e.what());
                failed = true;
            }
        }
    };
    unsigned n = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < n; ++t)
        threads.emplace_back(worker);
    for (std::thread& t : threads)
        t.join();
    return !failed;
}

int Usage() {
    std::fprintf(stderr, "usage: assetgen --font FONT.ttf [--contact-sheet SHEET_DIR] DATA_DIR\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string font, sheetDir, dataDir;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--font" && i + 1 < argc)
            font = argv[++i];
        else if (arg == "--contact-sheet" && i + 1 < argc)
            sheetDir = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && dataDir.empty())
            dataDir = arg;
        else
            return Usage();
    }
    if (font.empty() || dataDir.empty()) return Usage();
    try {
        SetOutputDir(dataDir);
        SetGameFont(font);
        for (const Entry& e : Manifest())
            if (e.kind == Kind::Folder)
                std::filesystem::create_directories(std::filesystem::path(dataDir) / e.path);
        KeepPicturesForSheet(!sheetDir.empty());
        Jobs jobs = AllJobs(font);
        // The contact sheet is a tool for looking at the art, so it runs even while the table is incomplete.
        if ((!CheckCoverage(jobs) && sheetDir.empty()) || !RunAll(jobs)) return 1;
        if (!sheetDir.empty()) WriteContactSheet(sheetDir);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
