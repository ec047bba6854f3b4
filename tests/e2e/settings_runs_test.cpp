// Starts of the installed game after a clean exit and after a bad one: the settings kept or the
// packaged defaults restored with the player's name, and the two markers.
#include "e2e_run.h"

#include <filesystem>

namespace e2e {
namespace {

namespace fs = std::filesystem;

class SettingsRuns : public ::testing::Test {
protected:
    // A per-user folder left by an earlier run: its settings and the markers named.
    void LastRunLeft(const std::vector<std::string>& markers) {
        std::string text = SavedDefaults("Anna");
        for (auto [from, to] : {std::pair<std::string, std::string>{"MUSIC VOLUME=100", "MUSIC VOLUME=40"},
                                {"FULL SCREEN=1", "FULL SCREEN=0"}})
            text.replace(text.find(from), from.size(), to);
        changed = text;
        dir.Write("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini", text);
        for (const std::string& marker : markers)
            dir.Write("home/Brindlecove/Sleetwhistle/" + marker, "");
    }
    std::string Settings() const { return dir.Read("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini"); }
    bool Exists(const std::string& name) const { return fs::exists(UserFolder(dir) + name); }

    testsupport::TempDir dir;
    std::string changed;
};

TEST_F(SettingsRuns, AChangeBeforeACleanExitIsKept) {
    LastRunLeft({"GoodExit.dat", "inichanged.dat"});
    TRun run = RunGame(dir, "ALSOFT_DRIVERS=null");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Settings(), changed);
    EXPECT_EQ(run.err.find("NOTIFY"), std::string::npos) << run.err;
    EXPECT_FALSE(Exists("inichanged.dat"));
    EXPECT_TRUE(Exists("GoodExit.dat"));
}

TEST_F(SettingsRuns, AChangeBeforeABadExitGivesTheDefaultsBackWithThePlayer) {
    LastRunLeft({"inichanged.dat"});
    TRun run = RunGame(dir, "ALSOFT_DRIVERS=null");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("NOTIFY: Default ini file restored!"), std::string::npos) << run.err;
    EXPECT_EQ(Settings(), SavedDefaults("Anna"));
    EXPECT_FALSE(Exists("inichanged.dat"));
    EXPECT_TRUE(Exists("GoodExit.dat"));
}

TEST_F(SettingsRuns, ABadExitWithoutAChangeRestoresNothing) {
    LastRunLeft({});
    TRun run = RunGame(dir, "ALSOFT_DRIVERS=null");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("NOTIFY"), std::string::npos) << run.err;
    EXPECT_EQ(Settings(), changed);
    EXPECT_TRUE(Exists("GoodExit.dat"));
}

} // namespace
} // namespace e2e
