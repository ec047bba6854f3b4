// Scripted runs of the installed game into the game screen, on the fixture levels of the game
// tree: from the title into level 1 and its known swap, the bonus-power gauge filled by crackers,
// the in-game menu, a level given up and restarted, and a won level. Each run keeps frames that
// a person looks at; the checks below hold the parts a machine can see.
#include "game_runs.h"

#include "profiles/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace gameruns {
namespace {

// The flip that shows the game at a script time.
int FlipAt(int ms) {
    return ms / FRAME_MS;
}

// The "play" click comes at PLAY; the game screen's fade-in and the level intro follow, and the
// board is at rest, its sweep over, by AT_REST.
constexpr int PLAY = 11000;
constexpr int AT_REST = PLAY + 3000;

// Every run ends cleanly and keeps no black frame.
void ExpectCleanRun(const TGameRun& run, const std::vector<int>& frames) {
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(std::filesystem::exists(run.UserPath("GoodExit.dat")));
    for (int flip : frames) {
        platform::PixmapRef frame = run.Frame(flip);
        ASSERT_TRUE(frame) << "no frame " << flip;
        EXPECT_GE(BrightShare(frame), 0.05) << "frame " << flip << " is black";
    }
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(GameRuns, TheInGameMenuPausesOpensItsBoxAndSavesOnExit) {
    TGameRun run;
    const TProfileFields given = FixtureProfileAtLevel(1);
    run.PrepareUser(given);
    struct stat before {};
    ASSERT_EQ(stat(run.UserPath("profiles/Anna.dat").c_str(), &before), 0);
    int play = 0;
    std::string script = ToTheLevel(play);
    const int t = AT_REST;
    script += "# Escape opens the menu; Escape closes it\n" + Key(t, 27) + Key(t + 1000, 27);
    script += "# opened again and turned back half-way up\n" + Key(t + 2000, 27) + Key(t + 2200, 27);
    script +=
        "# the Menu button opens it, options shows its box, OK closes the box\n" + Click(t + 3000, 60, 564);
    script += Click(t + 4000, 400, 275) + Key(t + 5000, 13);
    script += "# resume closes the menu; Escape opens it and save-and-exit leaves for the title\n";
    script += Click(t + 6000, 400, 226) + Key(t + 7000, 27) + Click(t + 8000, 400, 373);
    script += std::to_string(t + 10500) + " close\n";
    const std::vector<int> frames = {FlipAt(t - 100),  FlipAt(t + 200),  FlipAt(t + 600),
                                     FlipAt(t + 2300), FlipAt(t + 3600), FlipAt(t + 4500),
                                     FlipAt(t + 5500), FlipAt(t + 6600), FlipAt(t + 10000)};
    run.Run(script, frames);
    ExpectCleanRun(run, frames);
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

} // namespace
} // namespace gameruns
