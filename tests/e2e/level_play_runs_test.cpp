// A scripted first game whose level 1 the level bot plays through the game's own input path
// (SLEETWHISTLE_AUTOPLAY): the intro skipped, "Tester" typed in the name prompt, play, Enter on
// the map, a click on the instructions, then the bot answers the pudding hint, plays the board
// from its first rest to the won level, answers the panel and "Click Anywhere", and closes the
// window once the map is back.
#include "TempDir.h"
#include "e2e_run.h"

#include "profiles/profile_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace {

// The intro skipped by clicks, the loading screen's button, the name prompt answered "Tester",
// the title's play, Enter on the map and a click on the instructions.
std::string FirstGameScript() {
    std::string script;
    for (int ms = 0; ms <= 6000; ms += 50)
        script += std::to_string(ms) + " mouse_down 1\n" + std::to_string(ms + 20) + " mouse_up 1\n";
    script += "36000 mouse_move 400 530\n36100 mouse_down 1\n36150 mouse_up 1\n";
    int ms = 38000;
    for (char c : std::string("Tester"))
        script += std::to_string(ms += 50) + " char " + std::to_string(int(c)) + "\n";
    script += "38400 key_down 13\n38400 char 13\n38450 key_up 13\n";
    script += "40000 mouse_move 400 538\n40100 mouse_down 1\n40150 mouse_up 1\n";
    script += "47000 key_down 13\n47050 key_up 13\n";
    script += "53000 mouse_down 1\n53050 mouse_up 1\n";
    return script + "# a safety close: the bot closes the window first\n170000 close\n";
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(LevelPlayRuns, TheBotPlaysLevelOneThroughTheGamesInputFromTheTitleBackToTheMap) {
    testsupport::TempDir dir;
    const std::string input = dir.Write("input.txt", FirstGameScript());
    const std::string command = "SLEETWHISTLE_AUTOPLAY=600 SLEETWHISTLE_HEADLESS=1 SLEETWHISTLE_SEED=7 "
                                "SLEETWHISTLE_CLOCK=16 ALSOFT_DRIVERS=null SLEETWHISTLE_INPUT='" +
                                input + "' XDG_DATA_HOME='" + dir / "home" +
                                "' " SLEETWHISTLE_E2E_PREFIX "/bin/sleetwhistle 2>'" + dir / "err.txt" + "'";
    const int result = std::system(command.c_str());
    const std::string log = dir.Read("err.txt");
    EXPECT_EQ(WIFEXITED(result) ? WEXITSTATUS(result) : -1, 0) << log;
    EXPECT_EQ(Count(log, " level 1 started"), 1) << log;
    EXPECT_GT(Count(log, " action "), 3) << log;
    EXPECT_EQ(Count(log, " level 1 won after "), 1) << log;
    EXPECT_EQ(Count(log, "misclick"), 0) << log;
    EXPECT_EQ(Count(log, "refused swap"), 0) << log;
    EXPECT_EQ(Count(log, " hint 1 open"), 1) << log;
    EXPECT_EQ(Count(log, " hint answered"), Count(log, " open"))
        << "every hint answered, \"Nearly finished!\" too\n"
        << log;
    EXPECT_EQ(Count(log, " panel answered"), 1) << log;
    EXPECT_EQ(Count(log, " click anywhere answered"), 1) << log;
    EXPECT_EQ(Count(log, " map"), 1) << log;
    EXPECT_EQ(Count(log, " close"), 1) << "the bot's close, before the script's\n" << log;
    const TProfileFields saved =
        DecodeProfileFile(dir.Read("home/Brindlecove/Sleetwhistle/profiles/Tester.dat")).fields;
    EXPECT_EQ(saved.CurrentLevel, 2);
    EXPECT_EQ(saved.LockedLevel, 3);
    EXPECT_GT(saved.Score, 0);
    EXPECT_EQ(saved.HintsShown[0], 1) << "the pudding hint";
    EXPECT_EQ(saved.HintsShown[19], 1) << "the instructions";
}

} // namespace
