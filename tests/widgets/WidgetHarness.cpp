#include "WidgetHarness.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_errors.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "media/TMousePointer.h"
#include "platform/TPixmap.h"
#include "platform/audio_testing.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/system.h"

#include <algorithm>

namespace widgettest {

std::string DataDir() {
    return std::string(SLEETWHISTLE_TEST_DATA_DIR) + "/";
}

void TWidgetHarness::Open() {
    platform::UseFakeClock(0);
    audio = &platform::UseRecordingAudio();
    Game = std::make_shared<TGame>();
    Game->ImagePath = DataDir() + "graphics/";
    Game->MenuPath = DataDir() + "menus/";
    Game->SoundPath = DataDir() + "sound/";
    Game->ChannelsCreate(16);
    Delta = 1.0f;
    Game->ProfilePath = dir / "profiles/";
    MainFontSmall = platform::LoadImageFont(DataDir() + "fonts/card.ttf", 25, 6);
    UIFont = platform::LoadImageFont(DataDir() + "fonts/card.ttf", 30, 6);
    InstallRecorder(ALWAYS);
    input.Install();
    testsupport::TCoreInputPump::DropAllEvents();
    audio->Clear();
}

void TWidgetHarness::Close() {
    testsupport::TCoreInputPump::DropAllEvents();
    testsupport::TCoreInputPump::Uninstall();
    platform::UnloadInputScript();
    RemoveRecorder();
    MainFontSmall = nullptr;
    UIFont = nullptr;
    if (Game) Game->ChannelsKill();
    Game = nullptr;
    Delta = 1.0f;
    platform::UseRealClock();
}

void TWidgetHarness::Tick(const std::function<void()>& step) {
    if (platform::FakeClockActive()) platform::AdvanceClock(MS_PER_TICK);
    Game->Mouse->ClearMouseHit();
    input.Drain();
    Delta = 1.0f;
    if (step) step();
}

int TWidgetHarness::TickUntil(const std::function<bool()>& step, int maxTicks) {
    for (int tick = 0; tick < maxTicks; ++tick) {
        bool done = false;
        Tick([&] { done = step(); });
        if (done) return tick;
    }
    return -1;
}

void TWidgetHarness::KeyPress(int vk) {
    KeyHold(vk);
    KeyRelease(vk);
}

void TWidgetHarness::KeyHold(int vk) {
    platform::PostEvent({platform::EVENT_KEY_DOWN, vk, 0, 0});
}

void TWidgetHarness::KeyRelease(int vk) {
    platform::PostEvent({platform::EVENT_KEY_UP, vk, 0, 0});
}

void TWidgetHarness::MouseTo(int x, int y) {
    platform::PostEvent({platform::EVENT_MOUSE_MOVE, 0, x, y});
}

void TWidgetHarness::Click(int x, int y, int button) {
    MouseTo(x, y);
    Press(button);
    Release(button);
}

void TWidgetHarness::Press(int button) {
    platform::PostEvent({platform::EVENT_MOUSE_DOWN, button, 0, 0});
}

void TWidgetHarness::Release(int button) {
    platform::PostEvent({platform::EVENT_MOUSE_UP, button, 0, 0});
}

void TWidgetHarness::Wheel(int d) {
    platform::PostEvent({platform::EVENT_MOUSE_WHEEL, d, 0, 0});
}

void TWidgetHarness::Char(int code) {
    platform::PostEvent({platform::EVENT_KEY_CHAR, code, 0, 0});
}

void TWidgetHarness::Type(const std::string& text) {
    for (char c : text)
        Char(static_cast<unsigned char>(c));
}

void TWidgetHarness::KeyType(int vk, int code) {
    KeyHold(vk);
    Char(code);
    KeyRelease(vk);
}

void TWidgetHarness::Script(const std::vector<std::pair<int, std::string>>& events) {
    std::string text; // a script's times count from its loading
    for (const auto& [ms, event] : events)
        text += std::to_string(ms) + " " + event + "\n";
    std::string error;
    ASSERT_TRUE(platform::LoadInputScript(dir.Write("script.txt", text), &error)) << error;
}

int TWidgetHarness::Cues(const std::string& file) const {
    return int(std::count_if(audio->Events().begin(), audio->Events().end(),
                             [&](const platform::TAudioEvent& e) { return e.Text() == "cue " + file; }));
}

bool TWidgetHarness::InputPending() const {
    bool key = std::any_of(input.keys.begin(), input.keys.end(), [](int hits) { return hits != 0; });
    return key || !input.chars.empty() || Game->Mouse->GetMh(0) != 0;
}

std::string TWidgetHarness::WritePicture(const std::string& name, int width, int height,
                                         uint32_t argb) const {
    platform::PixmapRef pixmap = platform::CreatePixmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            platform::WritePixel(pixmap, x, y, argb);
    std::string path = dir / name;
    EXPECT_TRUE(platform::SavePixmapPNGWithAlpha(pixmap, path)) << path;
    return path;
}

void WidgetTest::SetUp() {
    recorder = std::make_shared<platform::TRecordingRenderer>();
    platform::SetRenderer(recorder);
    platform::ResetDrawState();
    Open();
}

void WidgetTest::TearDown() {
    Close();
    platform::SetRenderer(nullptr);
}

std::vector<platform::DrawCall> WidgetTest::Calls(platform::DrawKind kind) const {
    std::vector<platform::DrawCall> found;
    for (const auto& call : recorder->calls)
        if (call.kind == kind) found.push_back(call);
    return found;
}

void WidgetGLTest::SetUp() {
    testsupport::GLWindowTest::SetUp();
    Open();
}

void WidgetGLTest::TearDown() {
    Close();
    platform::SetImageFont(nullptr);
}

} // namespace widgettest
