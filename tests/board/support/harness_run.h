// Runs of the board harness for the scripted GL tests: the harness started on a fixture level with
// a seed, a clock and a script, every listed frame kept under test-output/board/<scenario>/, and
// small helpers for scripts, frames and the printed board.
#pragma once

#include "TempDir.h"

#include "platform/TPixmap.h"
#include "platform/files.h"
#include "platform/input.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace harnessrun {

// The showcase level's board corner (a 9 x 9 level centred on the screen).
constexpr int kSX = 235, kSY = 75;
inline int CentreX(int x) {
    return kSX + 50 * x + 25;
}
inline int CentreY(int y) {
    return kSY + 50 * y + 25;
}

struct THarnessRun {
    int status = -1;
    std::string out, err;
    std::string folder; // where the frames are
};

inline std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs the harness on a fixture level with the given seed, clock and script, keeping the listed
// frames in test-output/board/<scenario>/.
inline THarnessRun RunHarness(const std::string& scenario, int level, int seed, int clock,
                              const std::string& script, const std::vector<int>& frames) {
    testsupport::TempDir dir;
    THarnessRun run;
    // The off-screen run of the same test keeps its frames apart, as both may run at once.
    const char* offscreen = std::getenv("SLEETWHISTLE_OFFSCREEN_FRAME");
    const std::string suffix = offscreen && std::string(offscreen) == "1" ? "-offscreen" : "";
    run.folder = SLEETWHISTLE_TEST_BIN_DIR "/../test-output/board/" + scenario + suffix;
    platform::CreateDir(run.folder, true);
    std::string list;
    for (int n : frames)
        list += (list.empty() ? "" : ",") + std::to_string(n);
    const std::string input = dir.Write("input.txt", script);
    const std::string command = "env SLEETWHISTLE_HEADLESS=1 SLEETWHISTLE_SEED=" + std::to_string(seed) +
                                " SLEETWHISTLE_CLOCK=" + std::to_string(clock) +
                                " SLEETWHISTLE_INPUT=" + input + " SLEETWHISTLE_FRAMES=" + run.folder + ":" +
                                list + " XDG_DATA_HOME=" + dir / "home" +
                                " " BOARD_HARNESS " " BOARD_TEST_DIR " " + std::to_string(level) + " >" +
                                dir / "out.txt" + " 2>" + dir / "err.txt";
    const int status = std::system(command.c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = Read(dir / "out.txt");
    run.err = Read(dir / "err.txt");
    return run;
}

// The kept frame after flip n; every frame is the full 800 x 600 logical frame.
inline platform::PixmapRef Frame(const THarnessRun& run, int n) {
    platform::PixmapRef frame = platform::LoadPixmap(run.folder + "/frame-" + std::to_string(n) + ".png");
    EXPECT_TRUE(frame) << n;
    if (frame) {
        EXPECT_EQ(frame->width, 800) << n;
        EXPECT_EQ(frame->height, 600) << n;
    }
    return frame;
}

inline int Brightness(const platform::PixmapRef& frame, int x, int y) {
    if (!frame) return 0;
    uint32_t p = platform::ReadPixel(frame, x, y);
    return int((p >> 16) & 255) + int((p >> 8) & 255) + int(p & 255);
}

inline std::string Click(int ms, int x, int y) {
    const std::string at = std::to_string(x) + " " + std::to_string(y);
    return std::to_string(ms) + " mouse_move " + at + "\n" + std::to_string(ms) + " mouse_down 1\n" +
           std::to_string(ms) + " mouse_up 1\n";
}

inline std::string Move(int ms, int x, int y) {
    return std::to_string(ms) + " mouse_move " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

inline std::string Key(int ms, int key) {
    return std::to_string(ms) + " key_down " + std::to_string(key) + "\n" + std::to_string(ms) + " key_up " +
           std::to_string(key) + "\n";
}

// The printed lines of the board and its counts.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace harnessrun
