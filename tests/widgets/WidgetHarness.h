// The test pump of the widget tests: one logic tick of the game around widgets and dialogs,
// without the main loop. It installs the game object with a 16-channel pool on the recording
// audio, the core's key tables and hooks (FlushMouse clearing Game.Mouse, so ccFlushAll clears
// the pointer's hits), the asset folders of the generated data, a profiles folder in dir,
// MainFontSmall and UIFont, and the test kit's error recorder. Tick clears the
// pointer's hits, runs the core's event pump, sets Delta to 1 and runs the step. Input comes from
// small posting calls or from a script on the fake clock.
#pragma once

#include "CoreInputPump.h"
#include "ErrorRecorder.h"
#include "GLWindow.h"
#include "TempDir.h"

#include "platform/Renderer.h"
#include "platform/TRecordingAudioBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace widgettest {

using testkit::TReportedError;

// The generated data folder, ending in "/".
std::string DataDir();

class TWidgetHarness : public testkit::TErrorRecorder {
public:
    static constexpr int MS_PER_TICK = 5;

    testsupport::TempDir dir;
    testsupport::TCoreInputPump input;
    platform::TRecordingAudioBackend* audio = nullptr;

    // Everything above; the fake clock stands still until a tick advances it.
    void Open();
    void Close();

    // One tick: the pointer's hits cleared, the events drained, Delta 1, then the step. On the
    // fake clock the tick first advances the clock by 5 ms, so scripted events come due.
    void Tick(const std::function<void()>& step = {});
    // Ticks until the step answers true or the count runs out; the ticks run.
    int TickUntil(const std::function<bool()>& step, int maxTicks);

    static void KeyPress(int vk); // down and up
    static void KeyHold(int vk);  // down only
    static void KeyRelease(int vk);
    static void MouseTo(int x, int y);
    static void Click(int x, int y, int button = 1); // move, down and up
    static void Press(int button = 1);
    static void Release(int button = 1);
    static void Wheel(int d);
    // Typed characters as the platform reports them (Latin-1 codes; 8, 13 and 27 for Backspace,
    // Enter and Escape).
    static void Char(int code);
    static void Type(const std::string& text);
    // A key that types: down, its character, up.
    static void KeyType(int vk, int code);
    // Events at ms after now on the game clock, in the scripted-input format.
    void Script(const std::vector<std::pair<int, std::string>>& events);

    // Cues of a sound file in the recording audio.
    int Cues(const std::string& file) const;
    int ClickSounds() const { return Cues("buttonclick.wav"); }
    int HoverSounds() const { return Cues("buttonMO.wav"); }
    // Whether any key hit or mouse hit is still pending.
    bool InputPending() const;
    // A one-colour picture of width x height written into dir.
    std::string WritePicture(const std::string& name, int width, int height, uint32_t argb) const;
};

// Unit tests: the harness with the recording renderer.
class WidgetTest : public ::testing::Test, public TWidgetHarness {
protected:
    std::shared_ptr<platform::TRecordingRenderer> recorder;

    void SetUp() override;
    void TearDown() override;
    std::vector<platform::DrawCall> Calls(platform::DrawKind kind) const;
};

// GL tests: the harness drawing into the open 800 x 600 window.
class WidgetGLTest : public testsupport::GLWindowTest, public TWidgetHarness {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace widgettest
