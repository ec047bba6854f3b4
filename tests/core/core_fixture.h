// What the core tests share: a new game object with the core's input hooks, a temporary per-user
// folder (XDG_DATA_HOME), the generated data folder as the data prefix, the fake clock, the
// recording renderer and audio, only posted input, the test kit's error recorder and a notice
// handler that records; the kit resets every global afterwards.
#pragma once

#include "ErrorRecorder.h"
#include "Scoped.h"
#include "TempDir.h"
#include "game_kit.h"

#include "core/TGame.h"
#include "core/TScreen.h"
#include "core/input_state.h"
#include "framework/cc_errors.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "platform/Renderer.h"
#include "platform/audio_testing.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/system.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace coretest {

using testkit::TEnded;
using testkit::TReportedError;

// The data folder the build generates, as the game's data prefix ("<prefix>Data/...").
inline std::string DataPrefixForTests() {
    return std::string(SLEETWHISTLE_TEST_DATA_DIR) + "/../";
}

class CoreTest : public ::testing::Test, protected testkit::TErrorRecorder {
protected:
    void SetUp() override {
        audio = &platform::UseRecordingAudio();
        platform::ResetDrawState();
        Delta = 1.0f;
        InstallRecorder();
        CatchEnd();
        platform::SetNotifyHandler([this](const std::string& text, bool) { notices.push_back(text); });
        Game = std::make_shared<TGame>();
        InstallInputHooks();
        TableFlushKeys();
        DropAllEvents();
    }

    void TearDown() override {
        if (ccPolledInputState) ccDisablePolledInput();
        testkit::ResetGlobals();
    }

    static void DropAllEvents() {
        while (platform::PollEvent()) {
        }
    }

    // The game's folders as start-up sets them, with the generated data folder.
    void SetPaths() {
        Game->DataPrefix = DataPrefixForTests();
        platform::SetDataRoot(Game->DataPrefix);
        Game->SetSubPathWrapper("Brindlecove/Sleetwhistle", 1);
    }

    // Folders, settings file, driver, clock and channels, as at start-up.
    void InitGame() {
        SetPaths();
        Game->Init(0, 1);
    }

    // A folder's entries without "." and "..".
    static std::vector<std::string> Entries(const std::string& folder) {
        std::vector<std::string> names;
        for (const std::string& name : platform::ListDir(folder))
            if (name != "." && name != "..") names.push_back(name);
        return names;
    }

    std::string UserFolder() const { return dir / "home/Brindlecove/Sleetwhistle/"; }
    std::string SettingsPath() const { return UserFolder() + "Sleetwhistle.ini"; }

    static void Post(int id, int data, int x = 0, int y = 0) {
        platform::TEvent event;
        event.id = id;
        event.data = data;
        event.x = x;
        event.y = y;
        platform::PostEvent(event);
    }

    // A focus change of the display, even one queued while the set-up's loading pumps the
    // system, would pause the game under the test.
    testsupport::ScopedOsInputIgnored osInput;
    platform::ScopedFakeClock clock; // from 0, and the clock as it was afterwards
    testsupport::TempDir dir;
    testsupport::ScopedEnv dataHome{"XDG_DATA_HOME", (dir / "home").c_str()};
    platform::TRecordingAudioBackend* audio = nullptr;
    std::shared_ptr<platform::TRecordingRenderer> recorder = std::make_shared<platform::TRecordingRenderer>();
    testsupport::ScopedRenderer rendering{recorder};
    std::vector<std::string> notices;
};

} // namespace coretest
