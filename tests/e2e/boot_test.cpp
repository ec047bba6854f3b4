// The real game from its first frame to the title: scripted input on the fake clock, frames
// written and measured, the settings and markers it leaves, and the ways it ends.
#include "TempDir.h"
#include "e2e_run.h"
#include "frames.h"
#include "script.h"

#include "platform/TPixmap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

using namespace e2eframes;
using namespace e2escript;

struct TRun {
    testsupport::TempDir dir;
    std::string cache; // the cache home, when not the run's own
    int status = -1;
    std::string User(const std::string& name) const {
        return dir.Read("home/Brindlecove/Sleetwhistle/" + name);
    }
    bool UserFileExists(const std::string& name) const {
        return std::system(("test -e '" + dir / ("home/Brindlecove/Sleetwhistle/" + name) + "'").c_str()) ==
               0;
    }
    platform::PixmapRef Frame(int n) const {
        return platform::LoadPixmap(dir / ("frames/frame-" + std::to_string(n) + ".png"));
    }
};

// Runs the installed game (or another copy's binary) with a script and frames to keep.
void RunGameWith(TRun& run, const std::string& script, const std::string& frames,
                 const std::string& extra = "",
                 const std::string& binary = SLEETWHISTLE_E2E_PREFIX "/bin/sleetwhistle") {
    std::system(("mkdir -p '" + run.dir / "frames" + "'").c_str());
    e2e::TGameCommand game(run.dir.Path(), binary);
    if (!run.cache.empty()) game.CacheHome = run.cache;
    game.Input = run.dir.Write("input.txt", script);
    game.Frames = run.dir / "frames" + ":" + frames;
    game.Extra = extra;
    game.Log = run.dir / "out.txt";
    run.status = game.Run();
}

// Mean brightness outside the pause picture's box around (400, 300).
double MeanOutsideCentre(const platform::PixmapRef& frame) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < frame->height; ++y)
        for (int x = 0; x < frame->width; ++x) {
            if (x >= 230 && x < 570 && y >= 240 && y < 360) continue;
            uint32_t p = platform::ReadPixel(frame, x, y);
            sum += double(((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255)) / 3.0;
            ++n;
        }
    return sum / n;
}

const std::string TITLE_WITH_NAME = LoadingButtonAt(36000) + NameAt(38000, "Anna");

TEST(Boot, FirstStartShowsEveryStageAndKeepsTheNameGiven) {
    TRun run;
    // Splash, slide phase 0, a cross-fade, loading part-way, loading done, the prompt, the greeting.
    RunGameWith(run, TITLE_WITH_NAME + "41000 close\n", "150,450,530,2020,2100,2340,2450,2460");
    EXPECT_EQ(run.status, 0) << run.dir.Read("out.txt");
    for (int n : {150, 450, 530, 2020, 2100, 2340, 2450, 2460}) {
        platform::PixmapRef frame = run.Frame(n);
        ASSERT_TRUE(frame) << n;
        EXPECT_GE(BrightShare(frame), 0.05) << "frame " << n << " is black";
    }
    EXPECT_GT(DifferentShare(run.Frame(450), run.Frame(530)), 0.01) << "the slides move on";
    EXPECT_GT(DifferentShare(run.Frame(2450), run.Frame(2460)), 0.0) << "the fire and fireflies move";
    EXPECT_TRUE(run.UserFileExists("GoodExit.dat"));
    EXPECT_NE(run.User("Sleetwhistle.ini").find("PROFILE NAME=Anna"), std::string::npos);
}

// Clicks skip the maker's splash and the intro; the click-here button leads to the title.
std::string SkipToTitle() {
    return ClicksUntil(6000) + LoadingButtonAt(9000);
}

// Through the splash, the intro's fades and the title's fade-in, the frames kept are those of
// drawing every frame off screen: in the full-screen window, where every frame is drawn scaled
// and the draws are kept for the reads, and in a run that draws only the frames it keeps (the
// folder's runs do).
TEST(Boot, DrawingOnlyTheFramesKeptKeepsTheFramesOfDrawingEveryFrame) {
    const std::string script = SkipToTitle() + "12000 close\n";
    const std::string frames = "20,150,300,450,530,600,700";
    TRun offscreen, every, onRead;
    RunGameWith(offscreen, script, frames, "SLEETWHISTLE_DRAW_ON_READ=0 SLEETWHISTLE_OFFSCREEN_FRAME=1");
    RunGameWith(every, script, frames, "SLEETWHISTLE_DRAW_ON_READ=0 SLEETWHISTLE_OFFSCREEN_FRAME=0");
    RunGameWith(onRead, script, frames, "SLEETWHISTLE_DRAW_ON_READ=1 SLEETWHISTLE_OFFSCREEN_FRAME=0");
    for (const TRun* run : {&offscreen, &every, &onRead})
        ASSERT_EQ(run->status, 0) << run->dir.Read("out.txt");
    ASSERT_NE(every.User("Sleetwhistle.ini").find("FULL SCREEN=1"), std::string::npos);
    for (int n : {20, 150, 300, 450, 530, 600, 700}) {
        platform::PixmapRef oracle = offscreen.Frame(n), a = every.Frame(n), b = onRead.Frame(n);
        ASSERT_TRUE(oracle && a && b) << n;
        EXPECT_TRUE(oracle->pixels == a->pixels) << "frame " << n << ", full screen";
        EXPECT_TRUE(oracle->pixels == b->pixels) << "frame " << n << ", drawn on read";
    }
}

TEST(Boot, PauseAndFocusLossDimTheTitleAndTheirEndsBrightenIt) {
    TRun run;
    RunGameWith(run,
                SkipToTitle() + NameAt(10000, "Anna") +
                    "13000 key_down 80\n13050 key_up 80\n15000 mouse_down 1\n"
                    "15050 mouse_up 1\n17000 suspend\n19000 resume\n21000 key_down 80\n21050 key_up 80\n"
                    "21500 key_down 164\n21600 key_down 13\n22000 close\n",
                "775,850,975,1100,1225,1325");
    EXPECT_EQ(run.status, 0) << run.dir.Read("out.txt");
    for (int n : {775, 850, 975, 1100, 1225, 1325})
        ASSERT_TRUE(run.Frame(n)) << n;
    double running = MeanOutsideCentre(run.Frame(775));
    for (int n : {850, 1100, 1325}) { // paused, in the background, paused again
        double ratio = MeanOutsideCentre(run.Frame(n)) / running;
        EXPECT_GT(ratio, 0.4) << n;
        EXPECT_LT(ratio, 0.6) << n;
    }
    for (int n : {975, 1225}) // after the click, after the return
        EXPECT_NEAR(MeanOutsideCentre(run.Frame(n)) / running, 1.0, 0.05) << n;
    std::string settings = run.User("Sleetwhistle.ini");
    EXPECT_NE(settings.find("FULL SCREEN=0"), std::string::npos);
    EXPECT_NE(settings.find("MUSIC=1"), std::string::npos);
}

// A window close in the maker's splash, the intro's fade-in, the loading steps and the title's fade-in.
class BootClose : public ::testing::TestWithParam<const char*> {};

TEST_P(BootClose, EndsTheRunCleanly) {
    TRun run;
    RunGameWith(run, GetParam(), "");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.UserFileExists("GoodExit.dat"));
}

INSTANTIATE_TEST_SUITE_P(Stages, BootClose,
                         ::testing::Values("1000 close\n", "4500 close\n", "32400 close\n",
                                           "36000 mouse_move 400 530\n36100 mouse_down 1\n36150 mouse_up 1\n"
                                           "36250 close\n"));

TEST(Boot, AMissingPictureEndsTheRunWithItsPathInTheLog) {
    TRun run;
    std::string copy = run.dir / "copy";
    std::string prefix = SLEETWHISTLE_E2E_PREFIX;
    std::system(("mkdir -p '" + copy + "' && cp -r '" + prefix + "/bin' '" + prefix + "/share' '" + copy +
                 "/' && rm '" + copy + "/share/sleetwhistle/Data/graphics/paused.png'")
                    .c_str());
    std::string real = copy; // the path the game resolves itself, through any link
    if (char* resolved = realpath(copy.c_str(), nullptr)) {
        real = resolved;
        free(resolved);
    }
    // A key every 500 ms from the fifth second on skips the intro and closes the error box.
    std::string script;
    for (int ms = 5000; ms < 60000; ms += 500)
        script += std::to_string(ms) + " key_down 32\n" + std::to_string(ms + 50) + " key_up 32\n";
    RunGameWith(run, script, "", "", copy + "/bin/sleetwhistle");
    EXPECT_NE(run.status, 0);
    EXPECT_FALSE(run.UserFileExists("GoodExit.dat"));
    std::vector<std::string> log = e2e::Lines(run.User("ErrorLog.txt"));
    ASSERT_EQ(log.size(), 3u) << run.User("ErrorLog.txt");
    EXPECT_EQ(log[0], std::string(57, '-'));
    EXPECT_EQ(log[1].rfind("Date: ", 0), 0u) << log[1];
    EXPECT_NE(log[1].find("   Time: "), std::string::npos) << log[1];
    // The path as it is on disk: no ".." step from bin/.
    EXPECT_EQ(log[2], "Error loading bitmap " + real + "/share/sleetwhistle/Data/graphics/paused.png");
}

// Clicks and keys made while the loading steps run are dropped: the finished loading screen
// stays, its click-here button still shown 20 frames later, until a later click leads on.
TEST(Boot, InputDuringLoadingLeavesTheFinishedLoadingScreenUntilALaterClick) {
    TRun run;
    std::string script;
    for (int ms = 32100; ms <= 32700; ms += 100)
        script += std::to_string(ms) + " mouse_move 400 532\n" + std::to_string(ms) + " mouse_down 1\n" +
                  std::to_string(ms + 20) + " mouse_up 1\n" + std::to_string(ms + 50) + " key_down 13\n" +
                  std::to_string(ms + 50) + " char 13\n" + std::to_string(ms + 70) + " key_up 13\n" +
                  std::to_string(ms + 60) + " key_down 32\n" + std::to_string(ms + 80) + " key_up 32\n";
    script += "36000 mouse_down 1\n36050 mouse_up 1\n40000 close\n";
    std::string trace = run.dir / "trace.txt";
    RunGameWith(run, script, "2100,2120,2300", "SLEETWHISTLE_TRACE='" + trace + "'");
    EXPECT_EQ(run.status, 0) << run.dir.Read("out.txt");
    platform::PixmapRef done = run.Frame(2100), later = run.Frame(2120), title = run.Frame(2300);
    ASSERT_TRUE(done && later && title);
    EXPECT_LT(DifferentShare(done, later), 0.01) << "the finished loading screen stays";
    EXPECT_GT(DifferentShare(later, title), 0.2) << "the later click reaches the title";
    // In the trace (a flip line every 60 frames) the title starts only after the later click.
    std::vector<std::string> lines = e2e::Lines(run.dir.Read("trace.txt"));
    auto at = [&](const std::string& text) {
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].size() >= text.size() &&
                lines[i].compare(lines[i].size() - text.size(), text.size(), text) == 0)
                return int(i);
        return -1;
    };
    ASSERT_GE(at("title-started"), 0);
    EXPECT_GT(at("title-started"), at(" flip 2220")) << "not before the click at 36 s (frame 2250)";
    EXPECT_LT(at("loading-finished"), at(" flip 2100"));
}

TEST(Boot, WithoutASoundDeviceTheGameReachesTheTitleSilently) {
    TRun run;
    std::string script = SkipToTitle() + "12000 close\n";
    std::string trace = run.dir / "trace.txt";
    RunGameWith(run, script, "", "ALSOFT_DRIVERS=nosuchdevice SLEETWHISTLE_TRACE='" + trace + "'");
    EXPECT_EQ(run.status, 0) << run.dir.Read("out.txt");
    EXPECT_NE(run.User("Sleetwhistle.ini").find("SOUND DRIVER=None"), std::string::npos);
    EXPECT_NE(run.dir.Read("trace.txt").find("title-started"), std::string::npos);
}

// Every scripted run keeps its drawing programs (and Mesa its own cache) in the run's own cache
// home: a user who never set XDG_CACHE_HOME finds nothing new in their home folder.
TEST(Boot, ARunKeepsItsCacheInItsOwnFolderAndLeavesHomeAsItWas) {
    TRun run;
    testsupport::TempDir home;
    const char* inherited = std::getenv("XDG_CACHE_HOME");
    const std::string saved = inherited ? inherited : "";
    unsetenv("XDG_CACHE_HOME");
    RunGameWith(run, "2000 close\n", "", "HOME='" + home.Path() + "'");
    if (inherited) setenv("XDG_CACHE_HOME", saved.c_str(), 1);
    EXPECT_EQ(run.status, 0) << run.dir.Read("out.txt");
    EXPECT_TRUE(std::filesystem::exists(run.dir / "cache/Brindlecove/Sleetwhistle/drawing.glprogram"));
    EXPECT_TRUE(std::filesystem::is_empty(home.Path())) << "the game wrote below HOME";
}

// The drawing programs linked by the first start are kept in the cache folder and serve the next
// starts, which draw the same frames; a damaged file is compiled anew and written again.
TEST(Boot, ProgramsKeptByOneStartDrawTheNextStartsTheSame) {
    testsupport::TempDir cache;
    std::string kept = cache / "Brindlecove/Sleetwhistle/drawing.glprogram";
    std::string script = SkipToTitle() + "12000 close\n";
    auto inode = [](const std::string& path) {
        struct stat st {};
        return stat(path.c_str(), &st) == 0 ? st.st_ino : ino_t(0);
    };
    auto same = [](const TRun& a, const TRun& b, int n) {
        platform::PixmapRef x = a.Frame(n), y = b.Frame(n);
        return x && y && x->pixels == y->pixels;
    };

    TRun first, second, damaged;
    first.cache = second.cache = damaged.cache = cache.Path();
    RunGameWith(first, script, "150,700");
    ASSERT_EQ(first.status, 0) << first.dir.Read("out.txt");
    ino_t written = inode(kept);
    ASSERT_NE(written, ino_t(0)) << "no program kept";
    std::string bytes = cache.Read("Brindlecove/Sleetwhistle/drawing.glprogram");

    RunGameWith(second, script, "150,700");
    ASSERT_EQ(second.status, 0) << second.dir.Read("out.txt");
    EXPECT_EQ(inode(kept), written) << "loaded, not compiled and written again";
    for (int n : {150, 700})
        EXPECT_TRUE(same(first, second, n)) << "frame " << n;

    cache.Write("Brindlecove/Sleetwhistle/drawing.glprogram", bytes.substr(0, bytes.size() / 2));
    RunGameWith(damaged, script, "150,700");
    ASSERT_EQ(damaged.status, 0) << damaged.dir.Read("out.txt");
    EXPECT_EQ(cache.Read("Brindlecove/Sleetwhistle/drawing.glprogram"), bytes) << "written anew";
    for (int n : {150, 700})
        EXPECT_TRUE(same(first, damaged, n)) << "frame " << n;
}

} // namespace
