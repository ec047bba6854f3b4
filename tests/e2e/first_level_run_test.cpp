// A scripted run of a new player's first level: the name typed at the title's prompt, the
// instructions, the level's item hint, the intro, the won level's panel, the map and the next
// level with its own item hint. The frames are kept for a person to look at; the checks hold what a machine
// can see, and the profile the run leaves.
#include "game_runs.h"

#include <gtest/gtest.h>

namespace gameruns {
namespace {

// The script's moments: the name and "play" on the title, Enter on the map, a click on the
// instructions, the item hint closed by a click, Ctrl+J after the intro, the panel rolled up by a
// click, "Click Anywhere" answered by a click and Enter on the map, back on the next level.
constexpr int NAME = 9000;
constexpr int PLAY = 11000;
constexpr int MAP_ENTER = 13000;
constexpr int INSTRUCTIONS_OK = 15500;
constexpr int HINT_CLOSED = 19000;
constexpr int WIN = 23000;
constexpr int ROLL_UP = 29000;
constexpr int CLICK_ANYWHERE = 30500;
constexpr int NEXT_ENTER = CLICK_ANYWHERE + 3000;
constexpr int END = NEXT_ENTER + 4000;

std::string NewPlayerScript() {
    std::string script = "# the maker's splash and the finished loading screen, skipped by clicks\n";
    for (int ms = 0; ms <= 6000; ms += 50)
        script += std::to_string(ms) + " mouse_down 1\n" + std::to_string(ms + 20) + " mouse_up 1\n";
    script += "# \"Anna\" at the title's prompt\n";
    int ms = NAME;
    for (char c : std::string("Anna"))
        script += std::to_string(ms += 50) + " char " + std::to_string(int(c)) + "\n";
    script += std::to_string(NAME + 300) + " key_down 13\n" + std::to_string(NAME + 300) + " char 13\n" +
              std::to_string(NAME + 350) + " key_up 13\n";
    script += QuickClick(PLAY, 400, 538) + QuickKey(MAP_ENTER, platform::vk::RETURN) +
              QuickClick(INSTRUCTIONS_OK, 400, 528);
    script += QuickClick(HINT_CLOSED, 120, 80) + CtrlKey(WIN, 74);
    script += QuickClick(ROLL_UP, 120, 80) + QuickClick(CLICK_ANYWHERE, 120, 80) +
              QuickKey(NEXT_ENTER, platform::vk::RETURN);
    return script + std::to_string(END) + " close\n";
}

TEST(FirstLevelRun, ANewPlayerWinsLevelOneAndGoesThroughTheMapToLevelTwo) {
    TGameRun run;
    run.PrepareNewPlayer();
    const int hint_rolling = INSTRUCTIONS_OK + 1200, hint_open = INSTRUCTIONS_OK + 2500;
    const int intro = HINT_CLOSED + 600;
    const int panel_opening = ROLL_UP - 1300, panel_open = ROLL_UP - 200;
    const int rolling_up = ROLL_UP + 200, click_anywhere = CLICK_ANYWHERE - 300;
    const int map = NEXT_ENTER - 100, next_dim = NEXT_ENTER + 1150, next_fading = NEXT_ENTER + 1650,
              next_hint = NEXT_ENTER + 3000;
    const std::vector<int> frames = {FlipAt(hint_rolling),   FlipAt(hint_open),  FlipAt(intro),
                                     FlipAt(panel_opening),  FlipAt(panel_open), FlipAt(rolling_up),
                                     FlipAt(click_anywhere), FlipAt(map),        FlipAt(next_dim),
                                     FlipAt(next_fading),    FlipAt(next_hint)};
    run.Run(NewPlayerScript(), frames);
    ExpectCleanRun(run, "first-level-run-", frames);
    EXPECT_GT(DifferentShareIn(run.Frame(FlipAt(panel_open)), run.Frame(FlipAt(click_anywhere)), 200, 150,
                               600, 550),
              0.2)
        << "the panel rolled away, leaving the background";
    EXPECT_NE(run.trace.find("panel-shown\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find("map-browsing", run.trace.find("panel-shown")), std::string::npos)
        << "the map after the panel\n"
        << run.trace;
    const TProfileFields saved = run.SavedProfile();
    EXPECT_EQ(saved.CurrentLevel, 2);
    EXPECT_EQ(saved.LockedLevel, 3);
    EXPECT_EQ(saved.HintsShown[0], 1);
    EXPECT_EQ(saved.HintsShown[1], 1);
    // The won level's totals: Ctrl+J wins without a match, after about 2.6 s of play (in ticks).
    EXPECT_EQ(saved.Score, 0);
    EXPECT_EQ(saved.Kills, 0);
    EXPECT_EQ(saved.Lives, 3);
    EXPECT_NEAR(saved.TimeTaken, 521.8, 0.01);
}

} // namespace
} // namespace gameruns
