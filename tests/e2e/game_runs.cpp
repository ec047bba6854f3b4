#include "game_runs.h"

#include "GLWindow.h"
#include "game_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace gameruns {

namespace {

const std::string USER = "home/Brindlecove/Sleetwhistle/";

// The installed defaults with the intro off and the player named, line ends CR LF.
std::string FixtureSettings(const std::string& name) {
    std::ifstream in(SLEETWHISTLE_E2E_GAME "/share/sleetwhistle/Data/Default.ini", std::ios::binary);
    std::stringstream packaged;
    packaged << in.rdbuf();
    std::string text, line;
    while (std::getline(packaged, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("INTRO=", 0) == 0) line = "INTRO=0";
        if (line.rfind("PROFILE NAME=", 0) == 0) line = "PROFILE NAME=" + name;
        text += line + "\r\n";
    }
    return text;
}

} // namespace

TProfileFields FixtureProfileAtLevel(int level) {
    TProfileFields fields;
    fields.CurrentLevel = level;
    fields.LockedLevel = level + 1;
    fields.HintsShown[INSTRUCTIONS_SHOWN] = 1;
    for (int flag = 0; flag < 9; ++flag)
        fields.HintsShown[size_t(flag)] = 1; // the levels' item hints
    return fields;
}

void TGameRun::PrepareUser(const TProfileFields& profile) {
    dir.Write(USER + "Sleetwhistle.ini", FixtureSettings("Anna"));
    dir.Write(USER + "profiles/Anna.dat", EncodeProfileFields(profile));
}

void TGameRun::PrepareNewPlayer() {
    dir.Write(USER + "Sleetwhistle.ini", FixtureSettings(""));
}

std::string TGameRun::UserPath(const std::string& name) const {
    return dir / (USER + name);
}

void TGameRun::Run(const std::string& script, const std::vector<int>& frames) {
    std::string list;
    for (int flip : frames)
        list += (list.empty() ? "" : ",") + std::to_string(flip);
    std::system(("mkdir -p '" + dir / "frames" + "'").c_str());
    e2e::TGameCommand game(dir.Path(), tree + "/bin/sleetwhistle");
    game.ClockMs = FRAME_MS;
    game.Input = dir.Write("input.txt", script);
    game.Frames = dir / "frames" + ":" + list;
    game.Trace = dir / "trace.txt";
    game.Wrapper = wrapper;
    game.Log = dir / "out.txt";
    status = game.Run();
    output = dir.Read("out.txt");
    trace = dir.Read("trace.txt");
}

std::string TGameRun::FramePath(int flip) const {
    return dir / ("frames/frame-" + std::to_string(flip) + ".png");
}

platform::PixmapRef TGameRun::Frame(int flip) const {
    return platform::LoadPixmap(FramePath(flip));
}

TProfileFields TGameRun::SavedProfile() const {
    std::ifstream in(UserPath("profiles/Anna.dat"), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return DecodeProfileFile(bytes.str()).fields;
}

void ExpectCleanRun(const TGameRun& run, const std::string& prefix, const std::vector<int>& frames) {
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(std::filesystem::exists(run.UserPath("GoodExit.dat")));
    for (int flip : frames) {
        platform::PixmapRef frame = run.Frame(flip);
        ASSERT_TRUE(frame) << "no frame " << flip;
        EXPECT_GE(BrightShare(frame), 0.05) << "frame " << flip << " is black";
        testsupport::SaveTestOutput(frame, prefix + std::to_string(flip) + ".png");
    }
}

std::string ToTheLevel() {
    return "# the maker's splash and the finished loading screen, skipped by clicks\n" + ClicksUntil(6000) +
           "# \"play\" on the title, Enter on the map\n" + QuickClick(PLAY_MS, 400, 538) +
           QuickKey(MAP_ENTER_MS, platform::vk::RETURN);
}

TPoint Level1Cell(int x, int y) {
    return {260 + 50 * x, 100 + 50 * y};
}

TPoint Level2Cell(int x, int y) {
    return {160 + 50 * x, 25 + 50 * y};
}

} // namespace gameruns
