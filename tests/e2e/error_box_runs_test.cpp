// A fatal error's box during play: a window close while it is up ends the run at once with the
// error's status, and the error log already holds the entry.
#include "game_runs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace gameruns {
namespace {

TEST(ErrorBoxRuns, AWindowCloseWhileTheBoxIsUpEndsTheRunWithTheErrorLogged) {
    TGameRun run;
    // The game tree again (hard links), with level 3 replaced by a damaged file.
    run.tree = run.dir / "tree";
    const std::string levels = run.tree + "/share/sleetwhistle/Data/levels/";
    ASSERT_EQ(
        std::system(
            ("cp -al '" SLEETWHISTLE_E2E_GAME "' '" + run.tree + "' && rm '" + levels + "3.txt'").c_str()),
        0);
    run.dir.Write("tree/share/sleetwhistle/Data/levels/3.txt", "60\n0\n2,1\n0,0\n1,99\n");
    run.PrepareUser(FixtureProfileAtLevel(3));
    // The level is loaded, and refused, when Enter on the map starts it; the box is up long before
    // the close. A run that ignored the close would go on until the time limit.
    constexpr int CLOSE = MAP_ENTER_MS + 3000;
    run.wrapper = "timeout -s KILL 120";
    run.Run(ToTheLevel() + std::to_string(CLOSE) + " close\n", {FlipAt(CLOSE - 500), FlipAt(CLOSE + 1000)});
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_TRUE(std::filesystem::exists(run.FramePath(FlipAt(CLOSE - 500)))) << "the box was up";
    EXPECT_FALSE(std::filesystem::exists(run.FramePath(FlipAt(CLOSE + 1000))))
        << "the run went on after the close";
    const std::string log = run.dir.Read("home/Brindlecove/Sleetwhistle/ErrorLog.txt");
    EXPECT_NE(log.find("/levels/3.txt, line 5: cell code 99 presets no shape"), std::string::npos) << log;
    EXPECT_FALSE(std::filesystem::exists(run.UserPath("GoodExit.dat")));
}

} // namespace
} // namespace gameruns
