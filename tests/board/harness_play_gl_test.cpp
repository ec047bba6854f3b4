// Scripted runs of the board harness for the bonus items, the end of a level and the ways of
// handling the pointer: each item of the showcase fired from a board at rest (the pudding also
// at double power, the star picked up and then fired, the sack on a seed that makes it a click
// bonus), the one-swap level won and the board bursting, the level ended during a swap, quick
// clicks, drags, and the pointer while the in-game menu opens and closes over an armed star.
// Every frame is kept under test-output/board/<scenario>/ for a person to look at.
#include "GLWindow.h"
#include "board/gem_codes.h"
#include "harness_run.h"

#include <gtest/gtest.h>

namespace {

using namespace harnessrun;

// The board comes to rest after its 200-tick intro; the scripts act from tick 300 on (5 ms ticks).
constexpr int kAct = 1500;

// The printed code of a cell: its number without the marks for ice cubes and glowing gems.
int CodeAt(const std::vector<std::string>& lines, int x, int y) {
    std::istringstream row(lines.at(size_t(y)));
    std::string cell;
    for (int i = 0; i <= x; ++i)
        row >> cell;
    return cell == "." || cell == "#" ? -1 : std::stoi(cell);
}

int ScoreOf(const std::vector<std::string>& lines, size_t rows) {
    return std::stoi(lines.at(rows).substr(6));
}

// Share of pixels in a cell that differ between two frames by more than a little.
double CellChanged(const platform::PixmapRef& a, const platform::PixmapRef& b, int x, int y, int sx = kSX,
                   int sy = kSY) {
    int changed = 0;
    for (int py = sy + 50 * y; py < sy + 50 * y + 50; ++py)
        for (int px = sx + 50 * x; px < sx + 50 * x + 50; ++px)
            changed += std::abs(Brightness(a, px, py) - Brightness(b, px, py)) > 30;
    return changed / 2500.0;
}

struct ItemRow {
    const char* scenario;
    int code;
    int x, y;               // the item on the showcase
    int tx, ty;             // the cell an aimed item is fired at; -1 for a click item
    bool fullGauge;         // G first: double power
    int changedX, changedY; // a cell whose picture the firing changes
    bool scores;            // its blast scores
};

// Clicks the item at kAct (and its target 300 ms later); frames just before, a few ticks and
// about 60 ticks after the firing.
class BoardHarnessItems : public ::testing::TestWithParam<ItemRow> {};

TEST_P(BoardHarnessItems, FiresFromABoardAtRest) {
    const ItemRow& row = GetParam();
    std::string script = row.fullGauge ? Key(kAct - 100, 71) : "";
    script += Click(kAct, CentreX(row.x), CentreY(row.y));
    int fire = kAct / 5;
    std::vector<int> frames = {fire - 2, fire + 4, fire + 60};
    if (row.tx >= 0) {
        // Picked up: the armed pointer over the board, then fired at the target.
        script += Move(kAct + 100, CentreX(row.tx), CentreY(row.ty) - 10) +
                  Click(kAct + 300, CentreX(row.tx), CentreY(row.ty));
        fire = (kAct + 300) / 5;
        frames = {kAct / 5 + 4, kAct / 5 + 40, fire - 2, fire + 4, fire + 60};
    }
    script += Key(kAct + 1500, platform::vk::ESCAPE);
    const THarnessRun run = RunHarness(std::string("item-") + row.scenario, 30, 10, 5, script, frames);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 12u) << run.out;
    EXPECT_NE(CodeAt(lines, row.x, row.y), row.code) << "the item is used up";
    if (row.scores) {
        EXPECT_GT(ScoreOf(lines, 9), 0) << run.out;
    }
    const platform::PixmapRef before = Frame(run, fire - 2), after = Frame(run, fire + 4);
    EXPECT_GT(CellChanged(before, after, row.changedX, row.changedY), 0.2);
    for (int n : frames)
        Frame(run, n);
}

INSTANTIATE_TEST_SUITE_P(
    Showcase, BoardHarnessItems,
    ::testing::Values(ItemRow{"pudding", ITEM_PUDDING, 1, 3, -1, -1, false, 1, 4, true},
                      ItemRow{"pudding-double", ITEM_PUDDING, 1, 3, -1, -1, true, 3, 3, true},
                      ItemRow{"cracker-horizontal", ITEM_HORIZONTAL_CRACKER, 2, 3, -1, -1, false, 6, 3, true},
                      ItemRow{"cracker-vertical", ITEM_VERTICAL_CRACKER, 3, 3, -1, -1, false, 3, 6, true},
                      ItemRow{"snowman", ITEM_SNOWMAN, 5, 3, -1, -1, false, 5, 3, false},
                      ItemRow{"star", ITEM_STAR, 4, 3, 4, 6, false, 4, 6, false},
                      ItemRow{"snowball", ITEM_SNOWBALL, 6, 3, 6, 1, false, 6, 1, false},
                      ItemRow{"matchstick", ITEM_MATCHSTICK, 7, 3, 7, 2, false, 7, 2, false}),
    [](const ::testing::TestParamInfo<ItemRow>& param) {
        std::string name = param.param.scenario;
        for (char& c : name)
            if (c == '-') c = '_';
        return name;
    });

TEST(BoardHarnessSack, TheSackOnThisSeedBecomesAClickBonusAndFiresAtOnce) {
    const THarnessRun run = RunHarness(
        "item-sack", 30, 10, 5, Click(kAct, CentreX(5), CentreY(4)) + Key(kAct + 1500, platform::vk::ESCAPE),
        {kAct / 5 - 2, kAct / 5 + 4, kAct / 5 + 60});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 12u) << run.out;
    const int code = CodeAt(lines, 5, 4);
    EXPECT_TRUE(!IsAimedItem(code) && code != ITEM_SACK) << "not picked up: " << code;
    EXPECT_GT(ScoreOf(lines, 9), 0);
    EXPECT_GT(CellChanged(Frame(run, kAct / 5 - 2), Frame(run, kAct / 5 + 4), 5, 4), 0.2);
    Frame(run, kAct / 5 + 60);
}

// The one-swap level: a 6 x 6 board whose only ice lies under (2, 2); on seed 10 the gem at
// (1, 2) swapped with it makes a line through that cell.
constexpr int kWinSX = 310, kWinSY = 150;

TEST(BoardHarnessEnd, TheOneSwapLevelIsWonAndTheBoardBurstsThenStandsStill) {
    const std::string script = Click(kAct, kWinSX + 75, kWinSY + 125) +
                               Click(kAct + 200, kWinSX + 125, kWinSY + 125) +
                               Key(kAct + 4000, platform::vk::ESCAPE);
    const std::vector<int> frames = {300, 345, 380, 420, 460, 500, 560, 640, 760, 900, 1000};
    const THarnessRun run = RunHarness("level-complete", 31, 10, 5, script, frames);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 9u) << run.out;
    EXPECT_EQ(lines[7], "Gold 0");
    // Once every gem has burst nothing moves any more.
    EXPECT_LT(CellChanged(Frame(run, 900), Frame(run, 1000), 4, 4, kWinSX, kWinSY), 0.01);
    EXPECT_GT(CellChanged(Frame(run, 300), Frame(run, 900), 0, 0, kWinSX, kWinSY), 0.2)
        << "the gems are gone";
    for (int n : frames)
        Frame(run, n);
}

TEST(BoardHarnessEnd, EndingTheLevelDuringASwapPutsTheGemsBackAndBurstsThem) {
    // The known swap of the showcase, and Ctrl+J while its gems slide.
    const std::string script =
        Click(kAct, CentreX(3), CentreY(6)) + Click(kAct + 200, CentreX(3), CentreY(7)) +
        std::to_string(kAct + 210) + " key_down 162\n" + Key(kAct + 220, platform::vk::J) +
        std::to_string(kAct + 240) + " key_up 162\n" + Key(kAct + 3000, platform::vk::ESCAPE);
    const std::vector<int> frames = {342, 346, 350, 380, 420, 500, 600};
    const THarnessRun run = RunHarness("level-end-during-swap", 30, 10, 5, script, frames);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 12u) << run.out;
    for (int n : frames)
        Frame(run, n);
}

TEST(BoardHarnessPointer, APressDraggedOntoANeighbourOverThreeTicksSwaps) {
    const int x = CentreX(3), y0 = CentreY(6), y1 = CentreY(7);
    const std::string script = Move(kAct - 50, x, y0) + std::to_string(kAct) + " mouse_down 1\n" +
                               Move(kAct + 5, x, y0 + 17) + Move(kAct + 10, x, y0 + 34) +
                               Move(kAct + 15, x, y1) + std::to_string(kAct + 20) + " mouse_up 1\n" +
                               Key(kAct + 2000, platform::vk::ESCAPE);
    const THarnessRun run = RunHarness("drag-swap", 30, 10, 5, script, {300, 303, 310, 330});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 12u) << run.out;
    EXPECT_EQ(lines[7].substr(0, 10), "# 5 6 2 5 ") << "the same board as after the known swap by clicks";
    EXPECT_EQ(lines[9], "Score 160");
    for (int n : {300, 303, 310, 330})
        Frame(run, n);
}

// Pixels of the cursor's gold in the outer band of a cell of the showcase.
int CursorPixels(const platform::PixmapRef& frame, int x, int y) {
    int gold = 0;
    for (int py = kSY + 50 * y; py < kSY + 50 * y + 50; ++py)
        for (int px = kSX + 50 * x; px < kSX + 50 * x + 50; ++px) {
            if (px > kSX + 50 * x + 6 && px < kSX + 50 * x + 43 && py > kSY + 50 * y + 6 &&
                py < kSY + 50 * y + 43)
                continue;
            const uint32_t p = platform::ReadPixel(frame, px, py);
            gold += ((p >> 16) & 255) > 200 && ((p >> 8) & 255) > 150 && (p & 255) < 110;
        }
    return gold;
}

TEST(BoardHarnessPointer, ADragTwoCellsAwayLeavesNoSelection) {
    const int x = CentreX(5), y = CentreY(6);
    // Pressed (the gem selected), then straight to the cell beyond its neighbour and released.
    const std::string script = Move(kAct - 50, x, y) + std::to_string(kAct) + " mouse_down 1\n" +
                               Move(kAct + 10, x + 100, y) + std::to_string(kAct + 15) + " mouse_up 1\n" +
                               Move(kAct + 100, 10, 590) + Key(kAct + 1000, platform::vk::ESCAPE);
    const THarnessRun run = RunHarness("drag-away", 30, 10, 5, script, {298, 301, 304, 330, 360});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 12u) << run.out;
    EXPECT_EQ(lines[9], "Score 0");
    EXPECT_GT(CursorPixels(Frame(run, 301), 5, 6), 20) << "selected by the press";
    for (int n : {304, 330, 360})
        EXPECT_LT(CursorPixels(Frame(run, n), 5, 6), 5) << n;
    Frame(run, 298);
}

TEST(BoardHarnessPointer, TheMenuKeyShowsThePlainPointerOverAnArmedStarAndBringsItBack) {
    // The star picked up; M opens the in-game menu (the plain pointer), M again closes it.
    const int px = CentreX(4), py = CentreY(6);
    const std::string script = Click(kAct, CentreX(4), CentreY(3)) + Move(kAct + 100, px, py) +
                               Key(kAct + 300, platform::vk::M) + Key(kAct + 600, platform::vk::M) +
                               Key(kAct + 1000, platform::vk::ESCAPE);
    const THarnessRun run = RunHarness("menu-over-armed-star", 30, 10, 5, script, {330, 370, 430});
    ASSERT_EQ(run.status, 0) << run.err;
    const platform::PixmapRef armed = Frame(run, 330), plain = Frame(run, 370), again = Frame(run, 430);
    // Around the pointer's tip the armed and the plain pointer differ; the armed one comes back.
    int differs = 0, back = 0;
    for (int dy = 0; dy < 30; ++dy)
        for (int dx = -15; dx < 30; ++dx) {
            differs +=
                std::abs(Brightness(armed, px + dx, py + dy) - Brightness(plain, px + dx, py + dy)) > 40;
            back += std::abs(Brightness(plain, px + dx, py + dy) - Brightness(again, px + dx, py + dy)) > 40;
        }
    EXPECT_GT(differs, 40);
    EXPECT_GT(back, 40);
}

} // namespace
