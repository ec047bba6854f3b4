// Scripted runs of the installed game with its players' files: a first start that creates,
// chooses and deletes players in the player manager; damaged files repaired at start; hostile
// names in the settings file. Each run has its data home, HOME and working folder inside one
// temporary root, and nothing may appear outside the per-user folder.
#include "GLWindow.h"
#include "e2e_run.h"
#include "script.h"

#include "../profiles/profile_bytes.h"
#include "platform/TPixmap.h"
#include "platform/input.h"

#include <filesystem>
#include <sys/stat.h>

namespace e2e {
namespace {

namespace fs = std::filesystem;
using namespace e2escript;
using profilestest::GoldenHighScores;
using profilestest::GoldenProfile;
using profilestest::ReadFileBytes;

class ProfileRuns : public ::testing::Test {
public:
    void SetUp() override { fs::create_directories(dir / "cwd"); }

    std::string User(const std::string& name) const { return UserFolder(dir) + name; }
    // Settings without the intro, naming the player given.
    void Settings(const std::string& name) {
        std::string settings = SavedDefaults(name);
        settings.replace(settings.find("INTRO=1"), 7, "INTRO=0");
        dir.Write("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini", settings);
    }
    // Runs the script (times in ms of the game clock) from the empty working folder and keeps
    // the frames named.
    int Run(const std::string& script, const std::string& frames) {
        fs::create_directories(dir / "frames");
        TGameCommand game(dir.Path(), SLEETWHISTLE_E2E_PREFIX "/bin/sleetwhistle");
        game.Input = dir.Write("input.txt", script);
        game.Frames = dir / "frames" + ":" + frames;
        game.Prefix = "cd " + TGameCommand::Quote(dir / "cwd") + " &&";
        game.Extra = "HOME=" + TGameCommand::Quote(dir / "home");
        game.CacheHome = ""; // the game's own choice: HOME/.cache, below the run's HOME
        game.Log = dir / "out.txt";
        return game.Run();
    }
    // Frame n of the run, also kept under the build's test output for a person to look at.
    platform::PixmapRef Frame(int n, const std::string& keep) const {
        platform::PixmapRef frame =
            platform::LoadPixmap(dir / ("frames/frame-" + std::to_string(n) + ".png"));
        EXPECT_TRUE(frame) << n;
        if (frame) testsupport::SaveTestOutput(frame, "e2e-profiles-" + keep + ".png");
        return frame;
    }
    std::vector<std::string> Entries(const std::string& folder) const {
        std::vector<std::string> names;
        if (!fs::exists(folder)) return names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The clean-exit marker; no temporary and nothing others may write in the per-user folder;
    // nothing in the working folder; only the per-user folder below the data home, and beside it
    // only the game's folder of kept drawing programs below the cache home (HOME/.cache).
    void ExpectCleanAndNothingOutside() const {
        EXPECT_TRUE(fs::exists(User("GoodExit.dat")));
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(UserFolder(dir))) {
            EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
            struct stat info {};
            ASSERT_EQ(stat(entry.path().c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & S_IWOTH, 0u) << entry.path();
        }
        EXPECT_EQ(Entries(dir / "cwd"), std::vector<std::string>{});
        EXPECT_EQ(Entries(dir / "home"), (std::vector<std::string>{".cache", "Brindlecove"}));
        EXPECT_EQ(Entries(dir / "home/Brindlecove"), std::vector<std::string>{"Sleetwhistle"});
        EXPECT_EQ(Entries(dir / "home/.cache"), std::vector<std::string>{"Brindlecove"});
        EXPECT_EQ(Entries(dir / "home/.cache/Brindlecove"), std::vector<std::string>{"Sleetwhistle"});
        for (const std::string& name : Entries(dir / "home/.cache/Brindlecove/Sleetwhistle"))
            EXPECT_EQ(fs::path(name).extension(), ".glprogram") << name;
        EXPECT_EQ(Entries(dir.Path()),
                  (std::vector<std::string>{"cwd", "frames", "home", "input.txt", "out.txt"}));
    }

    testsupport::TempDir dir;
};

// Clicks at the pointer's first place skip the maker's splash and the intro's fade-in, and take
// the finished loading screen to the title.
std::string SkipToTitle() {
    return ClicksUntil(6000);
}

// The manager's places with the generated pictures: the title's "changeplayer", the manager's
// buttons and the middle of list row i.
constexpr int CHANGE_X = 76, CHANGE_Y = 550, BUTTONS_Y = 486;
constexpr int OK_X = 227, CREATE_X = 342, DELETE_X = 457, CANCEL_X = 572;
int RowY(int i) {
    return 155 + 46 * i + 23;
}

TEST_F(ProfileRuns, FirstStartCreatesChoosesAndDeletesPlayers) {
    const std::string script =
        SkipToTitle() + ClickAt(9000, 400, 532) + // click here
        NameAt(10000, "anna") +                   // the first-run prompt
        ClickAt(12000, CHANGE_X, CHANGE_Y) + ClickAt(14000, CREATE_X, BUTTONS_Y) +
        NameAt(15000, "bob") + // auto-accepted: Bob
        ClickAt(17000, CHANGE_X, CHANGE_Y) + ClickAt(18500, 400, RowY(0)) +
        ClickAt(19500, OK_X, BUTTONS_Y) + // Anna again
        ClickAt(21000, CHANGE_X, CHANGE_Y) + ClickAt(22500, 400, RowY(1)) + KeyAt(23500, platform::vk::DEL) +
        KeyAt(24500, platform::vk::Y, 'y') +  // Bob deleted
        ClickAt(26000, DELETE_X, BUTTONS_Y) + // the last one stays
        KeyAt(27000, platform::vk::RETURN, platform::vk::RETURN) + ClickAt(28000, CANCEL_X, BUTTONS_Y) +
        KeyAt(30000, platform::vk::ESCAPE, platform::vk::ESCAPE) + "33000 close\n";
    ASSERT_EQ(Run(script, "950,1125,1500,1670,1850"), 0) << dir.Read("out.txt");
    // The prompt with "Bob", the manager with both players, the question, the box of the last
    // player, the title at the end.
    for (auto [n, name] :
         {std::pair{950, "prompt-bob"}, std::pair{1125, "manager-two"}, std::pair{1500, "question"},
          std::pair{1670, "last-player"}, std::pair{1850, "title-anna"}})
        Frame(n, name);
    EXPECT_EQ(Entries(User("profiles")), std::vector<std::string>{"Anna.dat"});
    EXPECT_EQ(ReadFileBytes(User("profiles/Anna.dat")), GoldenProfile());
    EXPECT_EQ(ReadFileBytes(User("sw.dat")), GoldenHighScores());
    EXPECT_NE(dir.Read("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini").find("PROFILE NAME=Anna\r\n"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(User("ErrorLog.txt"))) << dir.Read("home/Brindlecove/Sleetwhistle/ErrorLog.txt");
    ExpectCleanAndNothingOutside();
}

TEST_F(ProfileRuns, DamagedFilesAreRepairedAtStart) {
    Settings("Anna");
    dir.Write("home/Brindlecove/Sleetwhistle/profiles/Anna.dat", std::string(17, 'x'));
    dir.Write("home/Brindlecove/Sleetwhistle/sw.dat", GoldenHighScores().substr(0, 100));
    ASSERT_EQ(Run(SkipToTitle() + "9000 close\n", "540"), 0) << dir.Read("out.txt");
    Frame(540, "repaired-title");
    EXPECT_EQ(ReadFileBytes(User("profiles/Anna.dat")), GoldenProfile());
    EXPECT_EQ(ReadFileBytes(User("sw.dat")), GoldenHighScores().substr(0, 86)) << "the six whole rows";
    const std::string log = dir.Read("home/Brindlecove/Sleetwhistle/ErrorLog.txt");
    EXPECT_NE(log.find("Damaged profile file '" + User("profiles/Anna.dat") + "' repaired"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("Damaged high-score file '" + User("sw.dat") + "' repaired"), std::string::npos)
        << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 6) << "two entries of three lines";
    ExpectCleanAndNothingOutside();
}

// The greeting's band of the title: the same in every run whose greeting names the same player.
double GreetingDiffers(const platform::PixmapRef& a, const platform::PixmapRef& b) {
    int different = 0, all = 0;
    for (int y = 440; y < 500; ++y)
        for (int x = 200; x < 640; ++x, ++all)
            if ((platform::ReadPixel(a, x, y) & 0xFFFFFF) != (platform::ReadPixel(b, x, y) & 0xFFFFFF))
                ++different;
    return double(different) / all;
}

TEST(ProfileRunsHostile, ARefusedOrForeignSettingsNameGreetsTheListedPlayerAndCreatesNothing) {
    struct Row {
        const char* label;
        std::string name;
    };
    const Row rows[] = {{"anna", "anna"}, {"up-a-folder", "../evil"},    {"hidden", ".hidden"},
                        {"slash", "a/b"}, {"thirteen", "abcdefghijklm"}, {"utf8", "Zo\xc3\xab"}};
    platform::PixmapRef reference;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        struct Hostile : ProfileRuns {
            void TestBody() override {}
        } run;
        run.SetUp();
        run.Settings(row.name);
        run.dir.Write("home/Brindlecove/Sleetwhistle/profiles/Anna.dat", GoldenProfile());
        ASSERT_EQ(run.Run(SkipToTitle() + "9000 close\n", "540"), 0) << run.dir.Read("out.txt");
        const bool keep = std::string(row.label) == "anna" || std::string(row.label) == "up-a-folder";
        platform::PixmapRef title = keep ? run.Frame(540, std::string("hostile-") + row.label)
                                         : platform::LoadPixmap(run.dir / "frames/frame-540.png");
        ASSERT_TRUE(title);
        if (!reference)
            reference = title;
        else
            EXPECT_LT(GreetingDiffers(reference, title), 0.01) << "greets Anna";
        EXPECT_EQ(run.Entries(run.User("profiles")), std::vector<std::string>{"Anna.dat"});
        EXPECT_EQ(ReadFileBytes(run.User("profiles/Anna.dat")), GoldenProfile());
        run.ExpectCleanAndNothingOutside();
    }
}

} // namespace
} // namespace e2e
