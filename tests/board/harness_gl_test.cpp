// Scripted runs of the board harness in a window of its own: the showcase at rest with its column
// sweep, hover and selection; the known swap with its cascade (also on a 16 ms clock); and the
// player giving up into the no-more-moves sequence. Every frame is kept under
// test-output/board/<scenario>/ for a person to look at; a few pixels are checked.
#include "GLWindow.h"
#include "TempDir.h"

#include "platform/TPixmap.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

// The showcase level's board corner (a 9 x 9 level centred on the screen).
constexpr int kSX = 235, kSY = 75;
int CentreX(int x) {
    return kSX + 50 * x + 25;
}
int CentreY(int y) {
    return kSY + 50 * y + 25;
}

struct THarnessRun {
    int status = -1;
    std::string out, err;
    std::string folder; // where the frames are
};

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs the harness on a fixture level with the given seed, clock and script, keeping the listed
// frames in test-output/board/<scenario>/.
THarnessRun RunHarness(const std::string& scenario, int level, int seed, int clock, const std::string& script,
                       const std::vector<int>& frames) {
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
platform::PixmapRef Frame(const THarnessRun& run, int n) {
    platform::PixmapRef frame = platform::LoadPixmap(run.folder + "/frame-" + std::to_string(n) + ".png");
    EXPECT_TRUE(frame) << n;
    if (frame) {
        EXPECT_EQ(frame->width, 800) << n;
        EXPECT_EQ(frame->height, 600) << n;
    }
    return frame;
}

int Brightness(const platform::PixmapRef& frame, int x, int y) {
    if (!frame) return 0;
    uint32_t p = platform::ReadPixel(frame, x, y);
    return int((p >> 16) & 255) + int((p >> 8) & 255) + int(p & 255);
}

std::string Click(int ms, int x, int y) {
    const std::string at = std::to_string(x) + " " + std::to_string(y);
    return std::to_string(ms) + " mouse_move " + at + "\n" + std::to_string(ms) + " mouse_down 1\n" +
           std::to_string(ms) + " mouse_up 1\n";
}

std::string Move(int ms, int x, int y) {
    return std::to_string(ms) + " mouse_move " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

std::string Key(int ms, int key) {
    return std::to_string(ms) + " key_down " + std::to_string(key) + "\n" + std::to_string(ms) + " key_up " +
           std::to_string(key) + "\n";
}

// The printed lines of the board and its counts.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(BoardHarness, AtRestTheSweepTheHoverAndTheSelection) {
    // The board waits 200 ticks, then the sweep lights the ice column by column.
    std::string script = Move(2900, 10, 590) + Move(3000, CentreX(0), CentreY(1)) +
                         Move(3100, CentreX(1), CentreY(2)) + Click(3200, CentreX(5), CentreY(6)) +
                         Key(4000, 27);
    THarnessRun run = RunHarness("at-rest", 30, 10, 5, script, {150, 230, 260, 590, 610, 630, 650, 690, 760});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 12u) << run.out;
    EXPECT_EQ(lines[9], "Score 0");
    // A plain square under the pointer lights up; over a gem in an ice cube nothing changes.
    const int px = kSX + 3, py = kSY + 50 + 3;
    EXPECT_GT(Brightness(Frame(run, 610), px, py), Brightness(Frame(run, 590), px, py) + 30);
    const int cx = kSX + 50 + 3, cy = kSY + 100 + 3;
    EXPECT_NEAR(Brightness(Frame(run, 630), cx, cy), Brightness(Frame(run, 610), cx, cy), 12);
    // The selected gem's cursor pulses: its top edge differs between two moments of the pulse.
    const int sx = kSX + 250 + 25, sy = kSY + 300 + 2;
    EXPECT_NE(Brightness(Frame(run, 690), sx, sy), Brightness(Frame(run, 760), sx, sy));
    EXPECT_GT(Brightness(Frame(run, 690), sx, sy), Brightness(Frame(run, 590), sx, sy));
    for (int n : {150, 230, 260, 650})
        Frame(run, n);
}

// The known swap: the star at (3, 6) and the bauble below it; the line of baubles goes, the trees
// above fall beside the third tree into a second line.
const std::string kKnownSwap = Click(1500, CentreX(3), CentreY(6)) + Click(1700, CentreX(3), CentreY(7));

TEST(BoardHarness, TheKnownSwapClearsALineAndTheFallMakesASecond) {
    THarnessRun run = RunHarness("swap-cascade", 30, 10, 5, kKnownSwap + Key(3500, 27),
                                 {300, 343, 365, 400, 440, 480, 520, 580, 680});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 12u) << run.out;
    EXPECT_EQ(lines[7].substr(0, 10), "# 5 6 2 5 ") << run.out; // the bauble went up, the star down
    EXPECT_EQ(lines[9], "Score 160");
    // The first line explodes (the ring over the square is bright), later the second.
    EXPECT_GT(Brightness(Frame(run, 440), CentreX(2), CentreY(6)),
              Brightness(Frame(run, 300), CentreX(2), CentreY(6)));
    for (int n : {343, 365, 400, 480, 520, 580, 680})
        Frame(run, n);
}

TEST(BoardHarness, TheKnownSwapOnASixteenMillisecondClock) {
    // At 16 ms a flip the loading steps' flips take the first 1.5 s of the script's time.
    const std::string swap = Click(3000, CentreX(3), CentreY(6)) + Click(3300, CentreX(3), CentreY(7));
    THarnessRun run =
        RunHarness("swap-cascade-16ms", 30, 10, 16, swap + Key(6000, 27), {200, 210, 225, 240, 260});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 12u) << run.out;
    for (int n : {200, 210, 225, 240, 260})
        Frame(run, n);
}

TEST(BoardHarness, GivingUpShakesTheBoardFadesTheSquaresAndDealsANewOne) {
    // Ctrl+Q at rest at 1500 ms (tick 300).
    std::string script = "1490 key_down 162\n" + Key(1500, 81) + "1520 key_up 162\n" + Key(6000, 27);
    THarnessRun run = RunHarness("no-more-moves", 30, 10, 5, script, {290, 400, 499, 550, 900, 1150});
    ASSERT_EQ(run.status, 0) << run.err;
    // The squares fade while the gems stay: a plain square's corner darkens towards the background.
    const int px = kSX + 3, py = kSY + 50 + 3;
    EXPECT_NE(Brightness(Frame(run, 400), px, py), Brightness(Frame(run, 290), px, py));
    for (int n : {499, 550, 900, 1150})
        Frame(run, n);
}

} // namespace
