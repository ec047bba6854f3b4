// A scripted first game whose level 1 the level bot plays through the game's own input path
// (SLEETWHISTLE_AUTOPLAY): the intro skipped, "Tester" typed in the name prompt, play, Enter on
// the map, a click on the instructions, then the bot answers the pudding hint, plays the board
// from its first rest to the won level, answers the panel and "Click Anywhere", and closes the
// window once the map is back. And the game's end: Tester at level 55 wins it with Ctrl+J through
// the gallery hint and the game-finished screen back to the title.
#include "GLWindow.h"
#include "TempDir.h"
#include "e2e_run.h"
#include "script.h"

#include "platform/TPixmap.h"
#include "platform/input.h"
#include "profiles/profile_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <utility>
#include <vector>

namespace {

using namespace e2escript;

// The intro skipped by clicks and the loading screen's button.
std::string IntroSkipped() {
    return ClicksUntil(6000) + LoadingButtonAt(36000);
}

// The intro skipped, the name prompt answered "Tester",
// the title's play, Enter on the map and a click on the instructions.
std::string FirstGameScript() {
    std::string script = IntroSkipped();
    script += Type(38050, "Tester") + KeyAt(38400, platform::vk::RETURN, platform::vk::RETURN);
    script += PlayAt(40000);
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

// The frames a run keeps, in the order they were taken, and what each shows: the scripted
// moments (the title, the map and the instructions, 200 ms before their answer) and the
// autoplay's own ("AUTOPLAY <flip> frame <N> <name>").
struct TKeptFrame {
    long Flip;
    std::string Name;
};

const std::pair<const char*, const char*> FRAME_TEXTS[] = {
    {"title", "the title, just before its play button is clicked"},
    {"map", "the level map zoomed onto the first dot, just before Enter"},
    {"instructions", "the instructions over level 1, just before the click that closes them"},
    {"hint-1", "the pudding hint over the board, as the bot answers it"},
    {"action-1", "the board at rest as the bot makes its first action"},
    {"action-2", "the board as the bot makes its second action"},
    {"action-3", "the board as the bot makes its third action"},
    {"won", "the board at the moment level 1 is won"},
    {"panel", "the level-complete panel, as the bot answers it"},
    {"click-anywhere", "\"Click Anywhere\", as the bot answers it"},
    {"level-map", "the map after the won level, before the bot closes the window"},
};
constexpr int TITLE_MS = 39800, MAP_MS = 46800, INSTRUCTIONS_MS = 52800;

std::vector<TKeptFrame> KeptFrames(const std::string& log) {
    std::vector<TKeptFrame> kept = {
        {TITLE_MS / 16, "title"}, {MAP_MS / 16, "map"}, {INSTRUCTIONS_MS / 16, "instructions"}};
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string tag, flip, frame, name;
        long n = 0;
        if (words >> tag >> flip >> frame >> n >> name && tag == "AUTOPLAY" && frame == "frame")
            kept.push_back({n, name});
    }
    std::sort(kept.begin(), kept.end(),
              [](const TKeptFrame& a, const TKeptFrame& b) { return a.Flip < b.Flip; });
    return kept;
}

// Copies the run's frames to test-output/e2e/levels/level-1/ as NN-<name>.png beside an index
// of what each shows; every frame named above must be among them.
void KeepLevelOneFrames(const testsupport::TempDir& dir, const std::string& log) {
    const std::string folder = "e2e/levels/level-1/";
    std::ofstream index(testsupport::TestOutputPath(folder + "index.txt"));
    int order = 0;
    std::set<std::string> names;
    for (const TKeptFrame& kept : KeptFrames(log)) {
        platform::PixmapRef frame =
            platform::LoadPixmap(dir / ("frames/frame-" + std::to_string(kept.Flip) + ".png"));
        ASSERT_TRUE(frame) << kept.Name << " at flip " << kept.Flip;
        char file[64];
        std::snprintf(file, sizeof file, "%02d-%s.png", ++order, kept.Name.c_str());
        testsupport::SaveTestOutput(frame, folder + file);
        std::string text; // a hint frame other than the pudding's is named "hint-N"
        for (const auto& [name, what] : FRAME_TEXTS)
            if (kept.Name == name) text = what;
        if (text.empty()) text = "hint " + kept.Name.substr(5) + " over the board, as the bot answers it";
        index << file << " (flip " << kept.Flip << "): " << text << "\n";
        names.insert(kept.Name);
    }
    for (const auto& [name, what] : FRAME_TEXTS)
        EXPECT_EQ(names.count(name), 1u) << "no frame of " << what << "\n" << log;
}

TEST(LevelPlayRuns, TheBotPlaysLevelOneThroughTheGamesInputFromTheTitleBackToTheMap) {
    testsupport::TempDir dir;
    std::system(("mkdir -p '" + dir / "frames" + "'").c_str());
    e2e::TGameCommand game(dir.Path(), SLEETWHISTLE_E2E_PREFIX "/bin/sleetwhistle");
    game.Input = dir.Write("input.txt", FirstGameScript());
    game.Frames = dir / "frames" + ":" + std::to_string(TITLE_MS / 16) + "," + std::to_string(MAP_MS / 16) +
                  "," + std::to_string(INSTRUCTIONS_MS / 16);
    game.Extra = "SLEETWHISTLE_AUTOPLAY=600";
    game.Log = dir / "err.txt";
    game.LogOutput = false;
    const int status = game.Run();
    const std::string log = dir.Read("err.txt");
    EXPECT_EQ(status, 0) << log;
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
    KeepLevelOneFrames(dir, log);
}

// The first run of a new player: the intro skipped, "Tester" named, the window closed.
std::string NamingScript() {
    std::string script = IntroSkipped();
    return script + Type(38050, "Tester") + KeyAt(38400, platform::vk::RETURN, platform::vk::RETURN) +
           "40000 close\n";
}

// The moments of the last level's run: play on the title, Enter on the map zoomed onto dot 55,
// Ctrl+J after the intro, the panel rolled up, the gallery hint closed, "Click Anywhere", and a
// click on the game-finished screen back to the title.
constexpr int PLAY = 40000, MAP_ENTER = 47000, WIN = 53000, PANEL = WIN + 6000, HINT = PANEL + 1500,
              ANYWHERE = HINT + 1000, FINISHED = ANYWHERE + 1000, LEAVE = FINISHED + 3000, END = LEAVE + 4000;

std::string LastLevelScript() {
    std::string script = IntroSkipped();
    script += QuickClick(PLAY, 400, 538);
    script += KeyAt(MAP_ENTER, 13);
    script += CtrlKey(WIN, 74);
    script += QuickClick(PANEL, 120, 80) + QuickClick(HINT, 120, 80) + QuickClick(ANYWHERE, 120, 80);
    return script + QuickClick(LEAVE, 120, 80) + std::to_string(END) + " close\n";
}

int RunGame(const testsupport::TempDir& dir, const std::string& name, const std::string& script,
            const std::string& frames) {
    std::system(("mkdir -p '" + dir / "frames" + "'").c_str());
    e2e::TGameCommand game(dir.Path(), SLEETWHISTLE_E2E_PREFIX "/bin/sleetwhistle");
    game.Input = dir.Write(name + ".txt", script);
    game.Frames = dir / "frames" + ":" + frames;
    game.Log = dir / (name + "-err.txt");
    game.LogOutput = false;
    return game.Run();
}

TEST(LevelPlayRuns, LevelFiftyFiveWonWithCtrlJEndsTheGameThroughTheGalleryHintBackToTheTitle) {
    testsupport::TempDir dir;
    ASSERT_EQ(RunGame(dir, "naming", NamingScript(), ""), 0) << dir.Read("naming-err.txt");
    const std::string profile = "home/Brindlecove/Sleetwhistle/profiles/Tester.dat";
    TProfileFields fields = DecodeProfileFile(dir.Read(profile)).fields;
    fields.CurrentLevel = 55;
    fields.LockedLevel = 56;
    dir.Write(profile, EncodeProfileFields(fields));

    const int flips[] = {MAP_ENTER - 100, WIN - 100,       PANEL - 100, HINT - 200,
                         ANYWHERE - 100,  FINISHED + 2500, LEAVE + 3000};
    std::string list;
    for (int ms : flips)
        list += (list.empty() ? "" : ",") + std::to_string(ms / 16);
    EXPECT_EQ(RunGame(dir, "last", LastLevelScript(), list), 0) << dir.Read("last-err.txt");
    for (int ms : flips) {
        const std::string name = "frame-" + std::to_string(ms / 16) + ".png";
        platform::PixmapRef frame = platform::LoadPixmap(dir / ("frames/" + name));
        ASSERT_TRUE(frame) << name;
        testsupport::SaveTestOutput(frame, "last-level-run-" + name);
    }
    // Beside the panel and above every board the level's own background shows: the fifth.
    const platform::PixmapRef atRest =
        platform::LoadPixmap(dir / ("frames/frame-" + std::to_string((WIN - 100) / 16) + ".png"));
    const platform::PixmapRef sky =
        platform::LoadPixmap(SLEETWHISTLE_E2E_PREFIX "/share/sleetwhistle/Data/graphics/bg5.jpg");
    ASSERT_TRUE(atRest && sky);
    for (int y = 4; y < 16; y += 3)
        for (int x = 140; x < 180; x += 5) {
            const uint32_t p = platform::ReadPixel(sky, x, y);
            EXPECT_TRUE(testsupport::PixelNear(atRest, x, y, int((p >> 16) & 255), int((p >> 8) & 255),
                                               int(p & 255), 8));
        }
    const TProfileFields saved = DecodeProfileFile(dir.Read(profile)).fields;
    EXPECT_EQ(saved.CurrentLevel, 1);
    EXPECT_EQ(saved.LockedLevel, 56);
    EXPECT_EQ(saved.Score, 0);
    EXPECT_EQ(saved.Lives, 3);
    EXPECT_EQ(saved.HintsShown[99], 1);
}

} // namespace
