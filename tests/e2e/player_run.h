// A scripted run of the installed game for a returning player: settings without the intro that
// name Anna, her profile file, the frames asked for kept under the build's test output, and the
// checks every run's per-user folder must pass.
#pragma once

#include "GLWindow.h"
#include "e2e_run.h"
#include "script.h"

#include "platform/TPixmap.h"
#include "platform/input.h"
#include "profiles/profile_file.h"

#include <filesystem>
#include <sys/stat.h>

namespace e2e {

using namespace e2escript;

class PlayerRun : public ::testing::Test {
protected:
    void SetUp() override {
        std::string settings = SavedDefaults("Anna");
        settings.replace(settings.find("INTRO=1"), 7, "INTRO=0");
        dir.Write("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini", settings);
        dir.Write("home/Brindlecove/Sleetwhistle/profiles/Anna.dat", EncodeProfileFields(TProfileFields{}));
    }
    // Runs the script (times in ms of the game clock) and keeps the frames named.
    int Run(const std::string& script, const std::string& frames, const std::string& extra = "") {
        std::filesystem::create_directories(dir / "frames");
        TGameCommand game(dir.Path(), SLEETWHISTLE_E2E_PREFIX "/bin/sleetwhistle");
        game.Input = dir.Write("input.txt", script);
        game.Frames = dir / "frames" + ":" + frames;
        game.Extra = extra;
        game.Log = dir / "out.txt";
        return game.Run();
    }
    // Frame n of the run, also kept under the build's test output for a person to look at.
    platform::PixmapRef Frame(int n) const {
        platform::PixmapRef frame =
            platform::LoadPixmap(dir / ("frames/frame-" + std::to_string(n) + ".png"));
        const std::string run = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        if (frame) testsupport::SaveTestOutput(frame, "e2e-" + run + "-frame-" + std::to_string(n) + ".png");
        return frame;
    }
    std::string User(const std::string& name) const {
        return dir.Read("home/Brindlecove/Sleetwhistle/" + name);
    }
    bool UserFileExists(const std::string& name) const {
        return std::filesystem::exists(UserFolder(dir) + name);
    }
    // What every run leaves: the clean-exit marker, no temporary file, nothing others may write.
    void ExpectCleanUserFolder() const {
        EXPECT_TRUE(UserFileExists("GoodExit.dat"));
        for (const auto& entry : std::filesystem::recursive_directory_iterator(UserFolder(dir))) {
            std::string name = entry.path().filename().string();
            EXPECT_EQ(name.find(".tmp"), std::string::npos) << entry.path();
            struct stat info {};
            ASSERT_EQ(stat(entry.path().c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & S_IWOTH, 0u) << entry.path();
        }
    }

    testsupport::TempDir dir;
};

// Share of the pixels in a box of the frame that match a picture of the data folder within 12 per
// channel; (px, py) is where the box starts in the picture.
inline double ShareShowing(const platform::PixmapRef& frame, int x, int y, int w, int h,
                           const std::string& file, int px, int py) {
    platform::PixmapRef source =
        platform::LoadPixmap(SLEETWHISTLE_E2E_PREFIX "/share/sleetwhistle/Data/" + file);
    if (!frame || !source) return 0;
    int same = 0;
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < w; ++dx) {
            uint32_t a = platform::ReadPixel(frame, x + dx, y + dy),
                     b = platform::ReadPixel(source, px + dx, py + dy);
            bool near = true;
            for (int shift : {0, 8, 16})
                near = near && std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)) <= 12;
            same += near;
        }
    return double(same) / double(w * h);
}

// The value of a line of the settings text ("" when missing).
inline std::string SettingOf(const std::string& settings, const std::string& key) {
    for (const std::string& line : Lines(settings))
        if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    return "";
}

} // namespace e2e
