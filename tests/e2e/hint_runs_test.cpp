// Scripted runs of the installed game showing hints during play: the hint offered after a long
// time without a move, and the hint of the first full bonus-power gauge, whose caption waits
// behind the scroll. Each run keeps frames that a person looks at; the checks hold what a
// machine can see.
#include "game_runs.h"

#include <gtest/gtest.h>

namespace gameruns {
namespace {

// The game screen's intro ends at INTRO_END after ToTheLevel's script; from then on play runs.
constexpr int INTRO_END = 12030 + 520 + 1000;
constexpr int AT_REST = INTRO_END + 2000;
// The scroll area of a hint at rest.
constexpr int SCROLL[] = {200, 70, 600, 530};

double ScrollChange(const TGameRun& run, int ms_a, int ms_b) {
    return DifferentShareIn(run.Frame(FlipAt(ms_a)), run.Frame(FlipAt(ms_b)), SCROLL[0], SCROLL[1], SCROLL[2],
                            SCROLL[3]);
}

TEST(HintRuns, TwentySecondsWithoutAMoveOfferTheHintThatEnterCloses) {
    TGameRun run;
    run.PrepareUser(FixtureProfileAtLevel(3));
    const int offered = INTRO_END + 20000;
    const int enter = offered + 1500;
    std::string script = ToTheLevel() + "# no input for twenty seconds of play; Enter closes the hint\n";
    script += QuickKey(enter, platform::vk::RETURN) + std::to_string(enter + 2000) + " close\n";
    const std::vector<int> frames = {FlipAt(offered - 500), FlipAt(offered + 200), FlipAt(offered + 1000),
                                     FlipAt(enter + 1000)};
    run.Run(script, frames);
    ExpectCleanRun(run, "hint-run-idle-", frames);
    EXPECT_GT(ScrollChange(run, offered - 500, offered + 1000), 0.2) << "the hint unrolled over the board";
    EXPECT_GT(ScrollChange(run, offered + 1000, enter + 1000), 0.2) << "Enter rolled it up";
    EXPECT_EQ(run.SavedProfile().HintsShown[15], 1);
}

TEST(HintRuns, TheFirstFullGaugeShowsItsHintAndTheCaptionWaitsBehindIt) {
    TGameRun run;
    TProfileFields profile = FixtureProfileAtLevel(2);
    profile.HintsShown[17] = 0;
    run.PrepareUser(profile);
    std::string script = ToTheLevel();
    // 2.txt: the cracker at the bottom of column 0 fired again and again, as in the gauge run;
    // the tenth step fills the gauge during the seventh cracker's dust.
    const TPoint cracker = Level2Cell(0, 11);
    for (int i = 0; i < 7; ++i)
        script += QuickClick(AT_REST + 500 + 1500 * i, cracker.x, cracker.y);
    const int before = AT_REST + 9800; // the gauge nearly full
    const int open = AT_REST + 11200;  // the hint at rest since the tenth step
    const int click = AT_REST + 12000;
    script += "# the hint closed by a click\n" + QuickClick(click, 120, 80);
    script += std::to_string(click + 3000) + " close\n";
    const std::vector<int> frames = {FlipAt(before), FlipAt(open), FlipAt(click + 500), FlipAt(click + 2500)};
    run.Run(script, frames);
    ExpectCleanRun(run, "hint-run-gauge-", frames);
    EXPECT_GT(ScrollChange(run, before, open), 0.2) << "the hint unrolled over the board";
    EXPECT_GT(ScrollChange(run, open, click + 500), 0.2) << "the click rolled it up";
    // The caption large right after the roll-up, settled two seconds later: its timer stood still
    // while the scroll was open.
    EXPECT_GT(
        DifferentShareIn(run.Frame(FlipAt(click + 500)), run.Frame(FlipAt(click + 2500)), 140, 0, 790, 60),
        0.1);
    EXPECT_EQ(run.SavedProfile().HintsShown[17], 1);
}

} // namespace
} // namespace gameruns
