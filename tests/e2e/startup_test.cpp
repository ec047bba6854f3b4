// The installed game from its first start to its end: the per-user folder and its files, their
// modes, an error caught once the graphics mode is about to open, an error before it, and a
// broken input script.
#include "FileModes.h"
#include "e2e_run.h"

#include "platform/files.h"
#include "platform/font.h"

#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace e2e {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Startup, AFirstStartMakesTheUserFolderWithTheDefaultsAndEndsCleanly) {
    testsupport::TempDir dir;
    TRun run = RunGame(dir, "ALSOFT_DRIVERS=null");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string folder = UserFolder(dir);
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"GoodExit.dat", "Sleetwhistle.ini", "profiles"}));
    EXPECT_EQ(dir.Read("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini"), SavedDefaults());
    EXPECT_TRUE(Entries(folder + "profiles").empty());
    EXPECT_EQ(run.err.find("NOTIFY"), std::string::npos) << run.err;
}

TEST(Startup, NothingTheGameMakesIsWritableByOthersEvenUnderAnOpenUmask) {
    testsupport::TempDir dir;
    TRun run = RunGame(dir, "ALSOFT_DRIVERS=null", "umask 000;");
    ASSERT_EQ(run.status, 0) << run.err;
    for (const auto& entry : fs::recursive_directory_iterator(dir / "home/Brindlecove")) {
        EXPECT_EQ(testsupport::ModeOf(entry.path().string()) & S_IWOTH, 0u) << entry.path();
    }
    EXPECT_EQ(testsupport::ModeOf(dir / "home/Brindlecove") & S_IWOTH, 0u);
}

TEST(Startup, AnErrorOnceTheModeIsAboutToOpenIsLoggedWithItsStageAndFails) {
    testsupport::TempDir dir;
    // A display of its own, searched from a number of this process's, so that runs started at the
    // same moment do not race for one display.
    std::string server = std::to_string(200 + getpid() % 700);
    TRun run = RunGame(dir, "ALSOFT_DRIVERS=null", "xvfb-run -a -n " + server + " -s '-screen 0 640x400x24'");
    const std::string message = "(11304) Cannot find a suitable resolution. Desktop Resolution= 640x400";
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("NOTIFY: " + message), std::string::npos) << run.err;
    std::vector<std::string> log = Lines(dir.Read("home/Brindlecove/Sleetwhistle/ErrorLog.txt"));
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], std::string(57, '-'));
    EXPECT_EQ(log[1].rfind("Date: ", 0), 0u) << log[1];
    EXPECT_NE(log[1].find("   Time: "), std::string::npos) << log[1];
    EXPECT_EQ(log[2], message);
    EXPECT_FALSE(fs::exists(UserFolder(dir) + "GoodExit.dat"));
}

TEST(Startup, AnErrorBeforeTheModeFailsWithoutALog) {
    testsupport::TempDir dir;
    std::string home = dir.Write("home-file", "not a folder");
    TRun run = RunGame(dir, "ALSOFT_DRIVERS=null", "", home);
    EXPECT_EQ(run.status, 255) << run.err;
    EXPECT_NE(run.err.find("NOTIFY: Cannot create shared data folder " + home + "/Brindlecove/Sleetwhistle/"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"home-file", "input.txt", "stderr.txt"}));
}

TEST(Startup, AMissingOrDamagedFontEndsTheRunWithItsPathInTheLog) {
    const std::optional<std::string> whole = platform::ReadRegularFile(
        SLEETWHISTLE_E2E_PREFIX "/share/sleetwhistle/Data/fonts/card.ttf", platform::kMaxFontFileBytes);
    ASSERT_TRUE(whole);
    // A font cut short still opens, but its glyphs come out empty: every text would be blank.
    const std::pair<const char*, std::optional<std::string>> fonts[] = {
        {"missing", std::nullopt},
        {"not a font", "not a font"},
        {"cut to half its length", whole->substr(0, whole->size() / 2)},
    };
    for (const auto& [name, bytes] : fonts) {
        SCOPED_TRACE(name);
        testsupport::TempDir dir;
        // A copy of the installed tree (hard links) without its font, or with a damaged one.
        const std::string copy = dir / "copy";
        const std::string font = copy + "/share/sleetwhistle/Data/fonts/card.ttf";
        ASSERT_EQ(
            std::system(("cp -al '" SLEETWHISTLE_E2E_PREFIX "' '" + copy + "' && rm '" + font + "'").c_str()),
            0);
        if (bytes) dir.Write("copy/share/sleetwhistle/Data/fonts/card.ttf", *bytes);
        TRun run = RunGame(dir, "ALSOFT_DRIVERS=null", "", "", copy + "/bin/sleetwhistle");
        EXPECT_EQ(run.status, 255) << run.err;
        // The whole path as it is on disk, with no ".." step from bin/.
        const std::string message =
            "Error loading file " + fs::canonical(copy).string() + "/share/sleetwhistle/Data/fonts/card.ttf";
        EXPECT_NE(run.err.find("NOTIFY: " + message + "\n"), std::string::npos) << run.err;
        std::vector<std::string> log = Lines(dir.Read("home/Brindlecove/Sleetwhistle/ErrorLog.txt"));
        ASSERT_EQ(log.size(), 3u);
        EXPECT_EQ(log[0], std::string(57, '-'));
        EXPECT_EQ(log[2], message);
    }
}

TEST(Startup, WithoutADisplayTheRunEndsAtOnceWithAClearError) {
    // The video driver the system picks, and one the user asks for that needs a display.
    for (const std::string driver : {"-u SDL_VIDEODRIVER", "SDL_VIDEODRIVER=x11"}) {
        SCOPED_TRACE(driver);
        testsupport::TempDir dir;
        TRun run = RunGame(dir, "ALSOFT_DRIVERS=null", "env -u DISPLAY -u WAYLAND_DISPLAY " + driver);
        const std::string message = "No display found: Sleetwhistle needs a graphical desktop session.";
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_NE(dir.Read("home/Brindlecove/Sleetwhistle/ErrorLog.txt").find(message), std::string::npos);
    }
}

TEST(Startup, ABrokenInputScriptIsRefusedWithAClearError) {
    testsupport::TempDir dir;
    std::string script = dir.Write("broken.txt", "100 fly_away\n");
    TRun run = RunGame(dir, "SLEETWHISTLE_INPUT=" + script);
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("line 1: unknown event"), std::string::npos) << run.err;
}

} // namespace
} // namespace e2e
