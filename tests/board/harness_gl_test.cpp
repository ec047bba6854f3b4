// Scripted runs of the board harness in a window of its own: the showcase at rest with its column
// sweep, hover and selection; the known swap with its cascade (also on a 16 ms clock); and the
// player giving up into the no-more-moves sequence. Every frame is kept under
// test-output/board/<scenario>/ for a person to look at; a few pixels are checked.
#include "GLWindow.h"
#include "harness_run.h"

#include <gtest/gtest.h>

namespace {

using namespace harnessrun;

TEST(BoardHarness, AtRestTheSweepTheHoverAndTheSelection) {
    // The board waits 200 ticks, then the sweep lights the ice column by column.
    std::string script = Move(2900, 10, 590) + Move(3000, CentreX(0), CentreY(1)) +
                         Move(3100, CentreX(1), CentreY(2)) + Click(3200, CentreX(5), CentreY(6)) +
                         Key(4000, platform::vk::ESCAPE);
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
    THarnessRun run = RunHarness("swap-cascade", 30, 10, 5, kKnownSwap + Key(3500, platform::vk::ESCAPE),
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
    THarnessRun run = RunHarness("swap-cascade-16ms", 30, 10, 16, swap + Key(6000, platform::vk::ESCAPE),
                                 {200, 210, 225, 240, 260});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 12u) << run.out;
    for (int n : {200, 210, 225, 240, 260})
        Frame(run, n);
}

TEST(BoardHarness, GivingUpShakesTheBoardFadesTheSquaresAndDealsANewOne) {
    // Ctrl+Q at rest at 1500 ms (tick 300).
    std::string script = "1490 key_down 162\n" + Key(1500, platform::vk::Q) + "1520 key_up 162\n" +
                         Key(6000, platform::vk::ESCAPE);
    THarnessRun run = RunHarness("no-more-moves", 30, 10, 5, script, {290, 400, 499, 550, 900, 1150});
    ASSERT_EQ(run.status, 0) << run.err;
    // The squares fade while the gems stay: a plain square's corner darkens towards the background.
    const int px = kSX + 3, py = kSY + 50 + 3;
    EXPECT_NE(Brightness(Frame(run, 400), px, py), Brightness(Frame(run, 290), px, py));
    for (int n : {499, 550, 900, 1150})
        Frame(run, n);
}

} // namespace
