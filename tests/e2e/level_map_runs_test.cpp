// Scripted runs of the installed game through the level map: browsing with the pointer at the
// screen's edges, a locked stop and a choice closed during the zoom, and the ways back to the title
// from the map and the instructions. A first run of each script finds the flip and the game time at
// which the map starts browsing; the second, identical up to there, places its input and frames
// after that moment.
#include "TempDir.h"
#include "e2e_run.h"
#include "frames.h"
#include "script.h"

#include "platform/TPixmap.h"
#include "platform/files.h"
#include "profiles/profile_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

namespace {

using namespace e2eframes;
using namespace e2escript;

constexpr int MS_PER_FLIP = 16;
const std::string OUTPUT = SLEETWHISTLE_TEST_BIN_DIR "/../test-output/e2e-map/";

// Clicks through the maker's splash, then the loading screen's button to the title.
std::string SkipToTitle() {
    return ClicksUntil(1500) + LoadingButtonAt(3000);
}

// The intro skipped by clicks, the loading screen's button, then the name prompt answered "Anna".
std::string SkipIntroAndName() {
    return ClicksUntil(6000) + LoadingButtonAt(9000) + NameAt(10000, "Anna");
}

class MapRun {
public:
    testsupport::TempDir dir;
    int status = -1;
    int browsingFlip = 0, browsingMs = 0; // when the map first browses

    // Anna's settings (no intro) and her profile.
    void Prepare(const TProfileFields& profile) {
        std::string settings = e2e::SavedDefaults("Anna");
        settings.replace(settings.find("INTRO=1"), 7, "INTRO=0");
        dir.Write("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini", settings);
        SaveProfile(profile);
    }
    void SaveProfile(const TProfileFields& profile) const {
        dir.Write("home/Brindlecove/Sleetwhistle/profiles/Anna.dat", EncodeProfileFields(profile));
    }
    TProfileFields Profile() const {
        return DecodeProfileFile(dir.Read("home/Brindlecove/Sleetwhistle/profiles/Anna.dat")).fields;
    }
    // Runs the game with the script; the frames are flip numbers.
    void Run(const std::string& script, const std::string& frames) {
        std::system(
            ("rm -rf '" + dir / "frames" + "' '" + dir / "trace.txt" + "'; mkdir -p '" + dir / "frames" + "'")
                .c_str());
        e2e::TGameCommand game(dir.Path(), SLEETWHISTLE_E2E_PREFIX "/bin/sleetwhistle");
        game.Input = dir.Write("input.txt", script);
        game.Frames = dir / "frames" + ":" + frames;
        game.Trace = dir / "trace.txt";
        game.Log = dir / "out.txt";
        status = game.Run();
    }
    // The first run: the script up to the map and a close long after; finds when it browses.
    bool FindBrowsing(const std::string& untilMap, int closeAt) {
        const TProfileFields saved = Profile();
        Run(untilMap + std::to_string(closeAt) + " close\n", "");
        SaveProfile(saved);
        std::istringstream trace(dir.Read("trace.txt"));
        std::string micros, name;
        while (trace >> micros >> name) {
            if (name == "map-browsing") {
                trace >> browsingFlip >> browsingMs;
                return true;
            }
            std::getline(trace, name);
        }
        return false;
    }
    // The game time and the flip that lie ms after the map began browsing.
    std::string At(int ms) const { return std::to_string(browsingMs + ms) + " "; }
    int FlipAt(int ms) const { return browsingFlip + ms / MS_PER_FLIP; }
    // The frame kept ms after browsing began, copied for a person to look at.
    platform::PixmapRef Frame(int ms, const std::string& keepAs) const {
        const std::string file = dir / ("frames/frame-" + std::to_string(FlipAt(ms)) + ".png");
        platform::CreateDir(OUTPUT, true);
        std::system(("cp '" + file + "' '" + OUTPUT + keepAs + ".png' 2>/dev/null").c_str());
        return platform::LoadPixmap(file);
    }
};

TEST(LevelMapRuns, BrowsingScrollsAtTheEdgesRefusesALockedStopAndSavesTheChoiceBeforeTheZoom) {
    MapRun run;
    TProfileFields profile;
    profile.CurrentLevel = 12;
    profile.LockedLevel = 13;
    profile.HintsShown[19] = 1;
    run.Prepare(profile);
    const std::string untilMap = SkipToTitle() + PlayAt(5000);
    ASSERT_TRUE(run.FindBrowsing(untilMap, 9000)) << run.dir.Read("out.txt") << run.dir.Read("trace.txt");
    const std::string script = untilMap + run.At(300) + "mouse_move 400 20\n" + run.At(2300) +
                               "mouse_move 400 580\n" + run.At(4300) + "mouse_move 433 431\n" + run.At(4500) +
                               "mouse_down 1\n" + run.At(4550) + "mouse_up 1\n" + run.At(5000) +
                               "mouse_move 233 439\n" + run.At(5200) + "mouse_down 1\n" + run.At(5250) +
                               "mouse_up 1\n" + run.At(5400) + "close\n";
    std::string frames;
    for (int ms : {200, 500, 2250, 4250, 4800, 5450})
        frames += std::to_string(run.FlipAt(ms)) + ",";
    run.Run(script, frames);
    EXPECT_EQ(run.status, 0) << run.dir.Read("out.txt");
    const platform::PixmapRef start = run.Frame(200, "browsing-start");
    const platform::PixmapRef down = run.Frame(500, "browsing-moved-down");
    const platform::PixmapRef top = run.Frame(2250, "browsing-top");
    const platform::PixmapRef back = run.Frame(4250, "browsing-back");
    const platform::PixmapRef locked = run.Frame(4800, "browsing-locked-click");
    const platform::PixmapRef zoom = run.Frame(5450, "choice-zoom-half");
    ASSERT_TRUE(start && down && top && back && locked && zoom);
    for (const platform::PixmapRef& frame : {start, down, top, back, locked, zoom})
        EXPECT_GE(BrightShare(frame), 0.5);
    EXPECT_GT(DifferentShare(start, down), 0.2) << "the map moves down";
    EXPECT_GT(DifferentShare(down, top), 0.2) << "and on to its top";
    EXPECT_LT(DifferentShare(start, back), DifferentShare(start, top)) << "and comes back";
    EXPECT_GT(DifferentShare(back, zoom), 0.2) << "the zoom after the choice";
    const TProfileFields saved = run.Profile();
    EXPECT_EQ(saved.CurrentLevel, 7);
    EXPECT_EQ(saved.LockedLevel, 13);
}

TEST(LevelMapRuns, EscapeTheLeftArrowAndTheInstructionsAllLeadBackToTheTitle) {
    MapRun run;
    TProfileFields profile;
    profile.HintsShown[19] = 1;
    run.Prepare(profile);
    const std::string untilMap = SkipToTitle() + PlayAt(5000);
    ASSERT_TRUE(run.FindBrowsing(untilMap, 9000)) << run.dir.Read("out.txt") << run.dir.Read("trace.txt");
    // Escape on the map; play again and the left arrow; key H on the title and a click.
    const std::string script = untilMap + run.At(200) + "key_down 27\n" + run.At(250) + "key_up 27\n" +
                               run.At(2000) + "mouse_move 400 538\n" + run.At(2100) + "mouse_down 1\n" +
                               run.At(2150) + "mouse_up 1\n" + run.At(3800) + "mouse_move 60 506\n" +
                               run.At(3900) + "mouse_down 1\n" + run.At(3950) + "mouse_up 1\n" +
                               run.At(5500) + "key_down 72\n" + run.At(5550) + "key_up 72\n" + run.At(7000) +
                               "mouse_down 1\n" + run.At(7050) + "mouse_up 1\n" + run.At(8500) + "close\n";
    std::string frames;
    for (int ms : {100, 1800, 3700, 5300, 6500, 8300})
        frames += std::to_string(run.FlipAt(ms)) + ",";
    run.Run(script, frames);
    EXPECT_EQ(run.status, 0) << run.dir.Read("out.txt");
    const platform::PixmapRef map = run.Frame(100, "ways-map");
    const platform::PixmapRef title1 = run.Frame(1800, "ways-title-after-escape");
    const platform::PixmapRef map2 = run.Frame(3700, "ways-map-again");
    const platform::PixmapRef title2 = run.Frame(5300, "ways-title-after-arrow");
    const platform::PixmapRef help = run.Frame(6500, "ways-instructions");
    const platform::PixmapRef title3 = run.Frame(8300, "ways-title-after-help");
    ASSERT_TRUE(map && title1 && map2 && title2 && help && title3);
    EXPECT_GT(DifferentShare(map, title1), 0.5);
    EXPECT_LT(DifferentShare(map, map2), 0.2) << "the map once more";
    EXPECT_LT(DifferentShare(title1, title2), 0.2) << "the title again after the arrow";
    EXPECT_GT(DifferentShare(title2, help), 0.5);
    EXPECT_LT(DifferentShare(title1, title3), 0.2) << "the title again after the instructions";
}

TEST(LevelMapRuns, AFirstGameGoesThroughTheMapAndTheInstructionsIntoLevelOne) {
    MapRun run;
    // An empty per-user folder: the intro, the name prompt, "Anna" and Enter, then play.
    const std::string untilMap = SkipIntroAndName() + PlayAt(12000);
    ASSERT_TRUE(run.FindBrowsing(untilMap, 15000)) << run.dir.Read("out.txt");
    std::system(("rm -rf '" + run.dir / "home" + "'").c_str());
    const std::string script = untilMap + run.At(500) + "key_down 13\n" + run.At(550) + "key_up 13\n" +
                               run.At(5000) + "mouse_down 1\n" + run.At(5050) + "mouse_up 1\n" +
                               run.At(8000) + "close\n";
    const int moments[] = {-750, -250, 300, 750, 2500, 3500, 4150, 7500};
    std::string frames;
    for (int ms : moments)
        frames += std::to_string(run.FlipAt(ms)) + ",";
    run.Run(script, frames);
    EXPECT_EQ(run.status, 0) << run.dir.Read("out.txt");
    const char* names[] = {
        "first-map-fading-in",  "first-map-zooming",    "first-map-browsing",   "first-choice-zoom",
        "first-instructions-0", "first-instructions-1", "first-instructions-2", "first-game"};
    std::vector<platform::PixmapRef> shots;
    for (size_t i = 0; i < std::size(moments); i++) {
        shots.push_back(run.Frame(moments[i], names[i]));
        ASSERT_TRUE(shots.back()) << names[i];
        EXPECT_GE(BrightShare(shots.back()), 0.3) << names[i];
    }
    EXPECT_GT(DifferentShare(shots[1], shots[2]), 0.2) << "the zoom reaches the dot";
    EXPECT_GT(DifferentShare(shots[3], shots[4]), 0.5) << "the instructions follow the map";
    EXPECT_GT(DifferentShare(shots[4], shots[6]), 0.02) << "the panels move";
    EXPECT_GT(DifferentShare(shots[6], shots[7]), 0.5) << "the game follows the instructions";
    const TProfileFields saved = run.Profile();
    EXPECT_EQ(saved.CurrentLevel, 1);
    EXPECT_EQ(saved.HintsShown[19], 1);
}

TEST(LevelMapRuns, HelpFromTheInGameMenuReturnsToTheSameBoardWithTheMenuOpen) {
    MapRun run;
    TProfileFields profile;
    for (int flag : {0, 1, 2, 3, 4, 5, 6, 7, 8, 19})
        profile.HintsShown[size_t(flag)] = 1;
    run.Prepare(profile);
    const std::string untilMap = SkipToTitle() + PlayAt(5000);
    ASSERT_TRUE(run.FindBrowsing(untilMap, 9000)) << run.dir.Read("out.txt");
    // Enter on the map; Escape in the game; "help" in the menu; a click on the instructions.
    const std::string script = untilMap + run.At(300) + "key_down 13\n" + run.At(350) + "key_up 13\n" +
                               run.At(5000) + "mouse_move 400 324\n" + run.At(5000) + "key_down 27\n" +
                               run.At(5050) + "key_up 27\n" + run.At(6000) + "mouse_down 1\n" + run.At(6050) +
                               "mouse_up 1\n" + run.At(8000) + "mouse_down 1\n" + run.At(8050) +
                               "mouse_up 1\n" + run.At(10000) + "close\n";
    std::string frames;
    for (int ms : {4500, 5800, 7500, 9800})
        frames += std::to_string(run.FlipAt(ms)) + ",";
    run.Run(script, frames);
    EXPECT_EQ(run.status, 0) << run.dir.Read("out.txt");
    const platform::PixmapRef game = run.Frame(4500, "help-game");
    const platform::PixmapRef before = run.Frame(5800, "help-menu-open");
    const platform::PixmapRef help = run.Frame(7500, "help-instructions");
    const platform::PixmapRef after = run.Frame(9800, "help-menu-again");
    ASSERT_TRUE(game && before && help && after);
    EXPECT_GT(DifferentShare(game, before), 0.1) << "the menu over the board";
    EXPECT_GT(DifferentShare(before, help), 0.5) << "the instructions";
    EXPECT_LT(DifferentShare(before, after), 0.05) << "the same board under the open menu";
}

} // namespace
