// Scripted runs of the installed game through the level-complete panel: the picture hint after
// every fifth level, and the end of the game through the game-finished screen back to the title.
// Each run keeps frames that a person looks at; the checks hold what a machine can see.
#include "GLWindow.h"
#include "game_runs.h"

#include "profiles/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace gameruns {
namespace {

// The level is at rest at AT_REST after ToTheLevel's script; Ctrl+J wins it at WIN, and the
// panel stands at rest from PANEL on.
constexpr int AT_REST = 12030 + 520 + 1000 + 2000;
constexpr int WIN = AT_REST + 500;
constexpr int PANEL = WIN + 6000;

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(PanelRuns, TheFifthLevelAnnouncesItsPictureOnceAndTheMapThenLeadsToTheSixth) {
    for (bool seen : {false, true}) {
        SCOPED_TRACE(seen ? "picture seen" : "first time");
        TGameRun run;
        TProfileFields profile = FixtureProfileAtLevel(5);
        if (seen) profile.HintsShown[89] = 1;
        run.PrepareUser(profile);
        std::string script = ToTheLevel() + CtrlKey(WIN, 74);
        script += "# the panel rolled up by a click; the picture hint closed by a click\n";
        script += QuickClick(PANEL, 120, 80);
        const int next = seen ? PANEL + 1500 : PANEL + 2500;
        if (!seen) script += QuickClick(PANEL + 1500, 120, 80);
        script += "# Click Anywhere: back to the map, where Enter plays the next level\n" +
                  QuickClick(next, 120, 80);
        const int play = next + 3000;
        script += QuickKey(play, platform::vk::RETURN) + std::to_string(play + 4000) + " close\n";
        const std::vector<int> frames = {FlipAt(PANEL - 100), FlipAt(PANEL + 1000), FlipAt(next - 100),
                                         FlipAt(play - 100), FlipAt(play + 3500)};
        run.Run(script, frames);
        ExpectCleanRun(run, seen ? "panel-run-fifth-again-" : "panel-run-fifth-", frames);
        const TProfileFields saved = run.SavedProfile();
        EXPECT_EQ(saved.CurrentLevel, 6);
        EXPECT_EQ(saved.LockedLevel, 7);
        EXPECT_EQ(saved.HintsShown[89], 1);
        EXPECT_EQ(Count(run.trace, "map-browsing"), 2) << "to the fifth level and back\n" << run.trace;
        EXPECT_EQ(Count(run.trace, "level-started"), 2) << "the fifth, then the sixth from the map\n"
                                                        << run.trace;
        // The picture hint, or Click Anywhere over the background, a second after the roll-up.
        const double scroll = DifferentShareIn(run.Frame(FlipAt(PANEL + 1000)), run.Frame(FlipAt(next - 100)),
                                               200, 70, 600, 530);
        if (seen)
            EXPECT_LT(scroll, 0.05) << "no hint: Click Anywhere stands from the roll-up on";
        else
            EXPECT_GT(scroll, 0.2) << "the hint scroll, then the background";
    }
}

// A window closed in the outro between the win and the panel keeps the win just as the panel
// would have saved it; closed with the panel up, the win is saved once, not twice.
TEST(PanelRuns, AWinIsSavedOnceWhetherTheWindowClosesBeforeThePanelOrWithItUp) {
    std::string profiles[2];
    const int closes[2] = {WIN + 2000, PANEL + 500};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i == 0 ? "closed in the outro" : "closed at the panel");
        TGameRun run;
        run.PrepareUser(FixtureProfileAtLevel(3));
        run.Run(ToTheLevel() + CtrlKey(WIN, 74) + std::to_string(closes[i]) + " close\n", {});
        EXPECT_EQ(run.status, 0) << run.output;
        EXPECT_EQ(Count(run.trace, "level-won"), 1) << run.trace;
        EXPECT_EQ(Count(run.trace, "panel-shown"), i) << run.trace;
        const TProfileFields saved = run.SavedProfile();
        EXPECT_EQ(saved.CurrentLevel, 4);
        EXPECT_EQ(saved.LockedLevel, 5);
        profiles[i] = EncodeProfileFields(saved);
    }
    EXPECT_EQ(profiles[0], profiles[1]) << "the same record of the win";
}

TEST(PanelRuns, TheLastLevelEndsTheGameThroughTheGameFinishedScreen) {
    for (bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "left by Escape" : "left by a click");
        TGameRun run;
        run.PrepareUser(FixtureProfileAtLevel(55));
        std::string script = ToTheLevel() + CtrlKey(WIN, 74);
        script += QuickClick(PANEL, 120, 80) + QuickClick(PANEL + 1500, 120, 80) +
                  QuickClick(PANEL + 2500, 120, 80);
        const int finished = PANEL + 2500 + 1000; // the game-finished screen begins to fade in
        const int leave = finished + 3000;
        script += escape ? QuickKey(leave, platform::vk::ESCAPE) : QuickClick(leave, 120, 80);
        script += std::to_string(leave + 4000) + " close\n";
        const std::vector<int> frames = {
            FlipAt(PANEL - 100),     FlipAt(PANEL + 1000), FlipAt(PANEL + 2000), FlipAt(finished + 400),
            FlipAt(finished + 1100), FlipAt(leave - 100),  FlipAt(leave + 800),  FlipAt(leave + 3500)};
        run.Run(script, frames);
        ExpectCleanRun(run, escape ? "panel-run-end-escape-" : "panel-run-end-", frames);
        const TProfileFields saved = run.SavedProfile();
        EXPECT_EQ(saved.CurrentLevel, 1);
        EXPECT_EQ(saved.LockedLevel, 56);
        EXPECT_EQ(saved.Score, 0);
        EXPECT_EQ(saved.Lives, 3);
        EXPECT_EQ(saved.Kills, 0);
        EXPECT_EQ(saved.TimeTaken, 0.0);
        EXPECT_EQ(saved.HintsShown[99], 1);
    }
}

} // namespace
} // namespace gameruns
