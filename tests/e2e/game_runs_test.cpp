// Scripted runs of the installed game into the game screen, on the fixture levels of the game
// tree: from the title into level 1 and its known swap, the bonus-power gauge filled by crackers,
// the in-game menu, a level given up and restarted, and a won level. Each run keeps frames that
// a person looks at; the checks below hold the parts a machine can see.
#include "game_runs.h"

#include "GLWindow.h"

#include "profiles/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace gameruns {
namespace {

// The game screen's moments after ToTheLevel's script: its fade-in, the intro with the "go"
// sprite, the column sweep, and the board at rest.
constexpr int ENTERED = 12030;
constexpr int FADING_IN = ENTERED + 150;
constexpr int INTRO = ENTERED + 520;
constexpr int INTRO_END = INTRO + 1000;
constexpr int SWEEP = INTRO_END + 300;
constexpr int AT_REST = INTRO_END + 2000;
// The crackers fired on 2.txt, and the moments of the gauge's story kept besides (seed 7): the
// caption large as the tenth step fills the gauge, the full gauge, the caption settled, and the
// eighth cracker fired at double power.
constexpr int GAUGE_CLICKS = 9;
constexpr int GAUGE_MOMENTS[] = {AT_REST + 9800, AT_REST + 10050, AT_REST + 10700, AT_REST + 11190};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(GameRuns, FromTheTitleIntoLevelOneAndItsKnownSwap) {
    TGameRun run;
    run.PrepareUser(FixtureProfileAtLevel(1));
    std::string script = ToTheLevel();
    // 1.txt: row 3 reads 1 1 2 1; swapping its third and fourth shapes lines up three, and the
    // shapes above fall into a second line.
    const TPoint a = Level1Cell(2, 3), b = Level1Cell(3, 3);
    const int swap = AT_REST + 500;
    script += QuickClick(swap, a.x, a.y) + QuickClick(swap + 200, b.x, b.y);
    script += std::to_string(swap + 4000) + " close\n";
    const std::vector<int> frames = {FlipAt(FADING_IN),  FlipAt(INTRO),       FlipAt(INTRO_END - 150),
                                     FlipAt(SWEEP),      FlipAt(AT_REST),     FlipAt(swap + 280),
                                     FlipAt(swap + 600), FlipAt(swap + 1000), FlipAt(swap + 3500)};
    run.Run(script, frames);
    ExpectCleanRun(run, "game-run-level1-", frames);
    EXPECT_GT(DifferentShareIn(run.Frame(FlipAt(AT_REST)), run.Frame(FlipAt(swap + 3500)), 10, 134, 110, 174),
              0.01)
        << "the score changed in its well";
}

TEST(GameRuns, TheInGameMenuPausesVisitsTheOptionsAndSavesOnExit) {
    TGameRun run;
    const TProfileFields given = FixtureProfileAtLevel(1);
    run.PrepareUser(given);
    struct stat before {};
    ASSERT_EQ(stat(run.UserPath("profiles/Anna.dat").c_str(), &before), 0);
    std::string script = ToTheLevel();
    const int t = AT_REST;
    script += "# Escape opens the menu; Escape closes it\n" + QuickKey(t, platform::vk::ESCAPE) +
              QuickKey(t + 1000, platform::vk::ESCAPE);
    script += "# opened again and turned back half-way up\n" + QuickKey(t + 2000, platform::vk::ESCAPE) +
              QuickKey(t + 2200, platform::vk::ESCAPE);
    script += "# the Menu button opens it; options, and Escape there comes back to the open menu\n";
    script += QuickClick(t + 3000, 60, 564) + QuickClick(t + 4000, 400, 275) +
              QuickKey(t + 5500, platform::vk::ESCAPE);
    script += "# resume closes the menu; Escape opens it and save-and-exit leaves for the title\n";
    script += QuickClick(t + 7000, 400, 226) + QuickKey(t + 8000, platform::vk::ESCAPE) +
              QuickClick(t + 8600, 400, 373);
    script += std::to_string(t + 11500) + " close\n";
    const std::vector<int> frames = {FlipAt(t + 200),  FlipAt(t + 600),  FlipAt(t + 2300), FlipAt(t + 3600),
                                     FlipAt(t + 5300), FlipAt(t + 6800), FlipAt(t + 7600), FlipAt(t + 10800)};
    run.Run(script, frames);
    ExpectCleanRun(run, "game-run-menu-", frames);
    // The scroll half-way up, then in its place over the dimmed board.
    EXPECT_GT(DifferentShareIn(run.Frame(FlipAt(t + 200)), run.Frame(FlipAt(t + 600)), 190, 120, 610, 480),
              0.2);
    struct stat after {};
    ASSERT_EQ(stat(run.UserPath("profiles/Anna.dat").c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "save-and-exit writes the profile afresh";
    const TProfileDecoded saved = DecodeProfileFile(ReadFile(run.UserPath("profiles/Anna.dat")));
    EXPECT_TRUE(saved.repairs.empty());
    EXPECT_EQ(saved.fields.CurrentLevel, given.CurrentLevel);
    EXPECT_EQ(saved.fields.LockedLevel, given.LockedLevel);
    EXPECT_EQ(saved.fields.Score, given.Score);
    EXPECT_EQ(saved.fields.HintsShown, given.HintsShown);
}

TEST(GameRuns, CrackersFillTheGaugeAndTheNextFiresAtDoublePower) {
    TGameRun run;
    run.PrepareUser(FixtureProfileAtLevel(2));
    std::string script = ToTheLevel();
    // 2.txt: a cracker in column 0 of every row; the one at the bottom is fired again and again,
    // the next one falling into its place each time, and the glowing shapes' dust fills the gauge.
    const TPoint cracker = Level2Cell(0, 11);
    for (int i = 0; i < GAUGE_CLICKS; ++i)
        script += QuickClick(AT_REST + 500 + 1500 * i, cracker.x, cracker.y);
    const int end = AT_REST + 500 + 1500 * GAUGE_CLICKS + 2000;
    script += std::to_string(end) + " close\n";
    std::vector<int> frames;
    for (int i = 0; i < GAUGE_CLICKS; ++i)
        frames.push_back(FlipAt(AT_REST + 500 + 1500 * i + 1400));
    for (int ms : GAUGE_MOMENTS)
        frames.push_back(FlipAt(ms));
    run.Run(script, frames);
    ExpectCleanRun(run, "game-run-gauge-", frames);
}

TEST(GameRuns, GivingUpShakesTheBoardAndRestartsTheLevelAndCtrlRDealsAgain) {
    TGameRun run;
    run.PrepareUser(FixtureProfileAtLevel(1));
    std::string script = ToTheLevel();
    const int q = AT_REST + 500;
    const int r = q + 4000 + 3500; // the new board's intro and sweep are over
    script += CtrlKey(q, 81) + CtrlKey(r, 82) + std::to_string(r + 4000) + " close\n";
    const std::vector<int> frames = {FlipAt(q - 50),   FlipAt(q + 520), FlipAt(q + 1520),
                                     FlipAt(q + 4200), FlipAt(r - 50),  FlipAt(r + 3500)};
    run.Run(script, frames);
    ExpectCleanRun(run, "game-run-restart-", frames);
    // The board area (x 235 to 685, y 75 to 525) before and after each new fill.
    EXPECT_GT(DifferentShareIn(run.Frame(FlipAt(q - 50)), run.Frame(FlipAt(q + 1520)), 235, 75, 685, 525),
              0.2)
        << "the gems fly off";
    EXPECT_GT(DifferentShareIn(run.Frame(FlipAt(r - 50)), run.Frame(FlipAt(r + 3500)), 235, 75, 685, 525),
              0.1)
        << "Ctrl+R deals a new board";
}

TEST(GameRuns, AWonLevelBurstsFallsAndOpensThePanel) {
    TGameRun run;
    run.PrepareUser(FixtureProfileAtLevel(1));
    std::string script = ToTheLevel();
    const int j = AT_REST + 500;
    script += "# Ctrl+J during the intro wins nothing; in play it wins the level\n";
    script += CtrlKey(INTRO + 300, 74) + CtrlKey(j, 74) + std::to_string(j + 8000) + " close\n";
    const std::vector<int> frames = {FlipAt(INTRO + 600), FlipAt(j + 200),  FlipAt(j + 1500),
                                     FlipAt(j + 2400),    FlipAt(j + 3750), FlipAt(j + 7500)};
    run.Run(script, frames);
    ExpectCleanRun(run, "game-run-won-", frames);
}

} // namespace
} // namespace gameruns
