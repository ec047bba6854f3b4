// The runner: runs repeat for a seed and differ between seeds, the time is the board's ticks plus
// the think time of each action, a snowball goes to the pane no line reaches, a board without a
// move counts as stuck, and the difficulty table of a two-level run.
#include "levels_fixture.h"

#include "level_runner.h"

#include "board/TBoardHost.h"
#include "board/TGameGrid.h"
#include "board/TPlayer.h"

#include <fstream>

namespace levelstest {
namespace {

using levelcheck::PlayLevel;
using levelcheck::TRunResult;

class Runner : public HeadlessLevels {};

TEST_F(Runner, ASeedRepeatsItsRunAndOtherSeedsDiffer) {
    StartBoard(std::string(LEVELS_TEST_DIR) + "bot/");
    levelcheck::TRunOptions options;
    std::ostringstream first, again, other;
    options.Trace = &first;
    TRunResult a = PlayLevel(8, 150, 4, options);
    options.Trace = &again;
    TRunResult b = PlayLevel(8, 150, 4, options);
    options.Trace = &other;
    TRunResult c = PlayLevel(8, 150, 5, options);
    EXPECT_EQ(a.Outcome, TRunResult::WON);
    EXPECT_EQ(first.str(), again.str());
    EXPECT_EQ(a.Ticks, b.Ticks);
    EXPECT_EQ(a.Actions, b.Actions);
    EXPECT_NE(first.str(), other.str());
    EXPECT_TRUE(a.Ticks != c.Ticks || a.Actions != c.Actions);
}

TEST_F(Runner, TheTimeIsThePlayersTicksPlusTheThinkTimeOfEachAction) {
    StartBoard(std::string(LEVELS_TEST_DIR) + "bot/");
    levelcheck::TRunOptions options;
    options.ThinkMs = 700;
    TRunResult run = PlayLevel(3, 120, 2, options);
    ASSERT_EQ(run.Outcome, TRunResult::WON);
    EXPECT_EQ(run.Ticks, int(BoardHost().Player().TimeTaken));
    EXPECT_GT(run.Actions, 0);
    EXPECT_DOUBLE_EQ(run.TimeMs(700), run.Ticks * 5.0 + run.Actions * 700.0);
    EXPECT_TRUE(run.WonWithin(120, 700) == (run.TimeMs(700) <= 120000.0));
}

TEST_F(Runner, ASnowballGoesToThePaneNoLineReachesAndTheLevelIsWon) {
    StartBoard(std::string(LEVELS_TEST_DIR) + "snowball/");
    levelcheck::TRunOptions options;
    std::ostringstream trace;
    options.Trace = &trace;
    TRunResult run = PlayLevel(6, 120, 1, options);
    EXPECT_EQ(run.Outcome, TRunResult::WON) << trace.str();
    bool aimedAtIsland = false;
    std::istringstream lines(trace.str());
    for (std::string line; std::getline(lines, line);)
        aimedAtIsland |=
            line.find(": aim 13 from ") != std::string::npos && line.find(" at 0,0") != std::string::npos;
    EXPECT_TRUE(aimedAtIsland) << trace.str();
}

TEST_F(Runner, ABoardThatRunsOutOfMovesIsStuckNotWon) {
    StartBoard(LEVELS_BOARD_TEST_DIR);
    levelcheck::TRunOptions options;
    int stuck = 0;
    for (int seed = 1; seed <= 10; ++seed) {
        TRunResult run = PlayLevel(21, 60, seed, options);
        ASSERT_TRUE(run.Outcome == TRunResult::WON || run.Outcome == TRunResult::STUCK) << run.Error;
        if (run.Outcome != TRunResult::STUCK) continue;
        ++stuck;
        EXPECT_GT(GameGrid->Gold, 0) << "seed " << seed;
        EXPECT_EQ(GameGrid->NoMoreMoves(0), 1) << "seed " << seed;
    }
    EXPECT_GT(stuck, 0);
}

TEST(RunnerTable, ATwoLevelRunWritesARowPerLevelAndPerChapter) {
    std::string path = std::string(::testing::TempDir()) + "difficulty-two.md";
    TCheckRun run =
        RunCheck(std::string(LEVELS_TEST_DIR) + "passes", {"--count", "2", "--seeds", "3", "--table", path});
    ASSERT_EQ(run.Status, levelcheck::EXIT_CLEAN) << run.Output;
    std::ifstream in(path);
    std::stringstream table;
    table << in.rdbuf();
    std::string text = table.str();
    EXPECT_NE(text.find("Seeds 1-3, think time 1500 ms"), std::string::npos) << text;
    EXPECT_NE(text.find("| 1 | Frosty Window | 7x7 | 49 | 25 | 0 | 0 | 8 |"), std::string::npos) << text;
    EXPECT_NE(text.find("| 2 | Cracker Row | 8x7 | 56 | 24 | 0 | 0 | 8,9 |"), std::string::npos) << text;
    EXPECT_NE(text.find("| 1 | 1-2 |"), std::string::npos) << text;
    EXPECT_NE(text.find("| 95% |"), std::string::npos) << text;
}

} // namespace
} // namespace levelstest
