// A scripted run of the installed game from the in-game menu into the options and back: the
// detail slider set there, the level kept under its open menu, and the setting in the file.
#include "game_runs.h"

#include "GLWindow.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace gameruns {
namespace {

// The game screen at rest on level 1 after ToTheLevel's script.
constexpr int AT_REST = 12100 + 520 + 1000 + 2000;

std::string Hold(int ms, int x, int y) {
    return std::to_string(ms) + " mouse_move " + std::to_string(x) + " " + std::to_string(y) + "\n" +
           std::to_string(ms + 50) + " mouse_down 1\n" + std::to_string(ms + 200) + " mouse_up 1\n";
}

TEST(OptionsGameRuns, OptionsFromTheInGameMenuComeBackToTheSameBoardWithItsMenuOpen) {
    TGameRun run;
    run.PrepareUser(FixtureProfileAtLevel(1));
    const int t = AT_REST;
    std::string script = ToTheLevel() + QuickKey(t, platform::vk::ESCAPE) + // the menu
                         QuickClick(t + 1000, 400, 275) +                   // options
                         Hold(t + 2500, 101, 386) +                         // detail to 0
                         QuickClick(t + 3500, 228, 565) +                   // OK
                         std::to_string(t + 6000) + " close\n";
    const int before = (t + 800) / FRAME_MS, options = (t + 3000) / FRAME_MS, after = (t + 5000) / FRAME_MS;
    run.Run(script, {before, options, after});
    ASSERT_EQ(run.status, 0) << run.output;
    for (int flip : {before, options, after}) {
        ASSERT_TRUE(run.Frame(flip)) << flip;
        testsupport::SaveTestOutput(run.Frame(flip),
                                    "e2e-options-from-the-game-" + std::to_string(flip) + ".png");
    }
    EXPECT_GT(DifferentShare(run.Frame(before), run.Frame(options)), 0.5) << "the options in between";
    EXPECT_LT(DifferentShare(run.Frame(before), run.Frame(after)), 0.05)
        << "the same board under the same open menu";
    std::ifstream in(run.UserPath("Sleetwhistle.ini"), std::ios::binary);
    std::stringstream settings;
    settings << in.rdbuf();
    EXPECT_NE(settings.str().find("\r\nPARTICLES=0\r\n"), std::string::npos);
}

} // namespace
} // namespace gameruns
