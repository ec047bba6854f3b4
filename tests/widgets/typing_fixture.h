// The fixture of the text-entry, slider and tool-tip tests: a game object with a 16-channel pool,
// the recording renderer and audio, a throwing error handler, and a small event pump standing in
// for the core's: key hits and key-down states per code, the ring of at most 256 typed
// characters, and the pointer's position and buttons, all filled from the platform's events.
#pragma once

#include "TempDir.h"

#include "core/TGame.h"
#include "framework/cc_errors.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "platform/Renderer.h"
#include "platform/TPixmap.h"
#include "platform/audio_testing.h"
#include "platform/draw.h"
#include "platform/input.h"
#include "platform/system.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace widgettest {

struct TReportedError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A picture of width x height in one colour.
inline std::string WritePicture(const testsupport::TempDir& dir, const std::string& name, int width,
                                int height, uint32_t argb = 0xFFFFFFFFu) {
    platform::PixmapRef pixmap = platform::CreatePixmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            platform::WritePixel(pixmap, x, y, argb);
    std::string path = dir / name;
    EXPECT_TRUE(platform::SavePixmapPNGWithAlpha(pixmap, path)) << path;
    return path;
}

class TypingPump {
public:
    static constexpr size_t kRingSize = 256;
    std::array<int, 256> hits{}, downs{};
    std::deque<int> ring;

    void Install() {
        TCoreInputHooks hooks;
        hooks.keyHit = [this](int key) {
            const int hit = hits[size_t(key)] > 0 ? 1 : 0;
            hits[size_t(key)] = 0;
            return hit;
        };
        hooks.keyDown = [this](int key) { return downs[size_t(key)]; };
        hooks.keyPressed = [this] {
            for (int key = 0; key < 256; ++key)
                if (hits[size_t(key)] > 0) return key;
            return -1;
        };
        hooks.getChar = [this] {
            if (ring.empty()) return 0;
            const int c = ring.front();
            ring.pop_front();
            return c;
        };
        hooks.flushKeys = [this] {
            hits.fill(0);
            downs.fill(0);
            ring.clear();
        };
        hooks.flushMouse = [] {
            if (Game) Game->Mouse->ClearButtons();
        };
        SetCoreInputHooks(hooks);
    }

    // Takes every queued event into the tables, as the core's drain does.
    void Drain() {
        auto& mouse = *Game->Mouse;
        while (int id = platform::PollEvent()) {
            const int data = platform::EventData();
            switch (id) {
            case platform::EVENT_KEY_DOWN:
                if (data >= 0 && data < 256) {
                    downs[size_t(data)] = 1;
                    hits[size_t(data)] += 1;
                }
                break;
            case platform::EVENT_KEY_UP:
                if (data >= 0 && data < 256) downs[size_t(data)] = 0;
                break;
            case platform::EVENT_KEY_CHAR:
                if (ring.size() < kRingSize) ring.push_back(data);
                break;
            case platform::EVENT_MOUSE_MOVE:
                mouse.x = platform::EventX();
                mouse.y = platform::EventY();
                break;
            case platform::EVENT_MOUSE_DOWN:
                mouse.ClearMouseHit();
                (data == 1 ? mouse.b1 : data == 2 ? mouse.b2 : mouse.b3) = 1;
                (data == 1 ? mouse.h1 : data == 2 ? mouse.h2 : mouse.h3) += 1;
                mouse.CalcButtonTotals();
                break;
            case platform::EVENT_MOUSE_UP:
                (data == 1 ? mouse.b1 : data == 2 ? mouse.b2 : mouse.b3) = 0;
                mouse.CalcButtonTotals();
                break;
            case platform::EVENT_MOUSE_WHEEL:
                mouse.z += data;
                break;
            default:
                break;
            }
        }
    }
};

inline void Post(int id, int data, int x = 0, int y = 0) {
    platform::TEvent e;
    e.id = id;
    e.data = data;
    e.x = x;
    e.y = y;
    platform::PostEvent(e);
}

class TypingTest : public ::testing::Test {
protected:
    TypingPump pump;
    testsupport::TempDir dir;
    platform::TRecordingAudioBackend* audio = nullptr;
    std::shared_ptr<platform::TRecordingRenderer> recorder;
    std::vector<std::string> errors;

    void SetUp() override {
        platform::UseFakeClock(0);
        audio = &platform::UseRecordingAudio();
        recorder = std::make_shared<platform::TRecordingRenderer>();
        platform::SetRenderer(recorder);
        platform::ResetDrawState();
        Delta = 1.0f;
        SetRunTimeErrorHandler([this](const std::string& message, int) -> int {
            errors.push_back(message);
            throw TReportedError(message);
        });
        Game = std::make_shared<TGame>();
        Game->ChannelsCreate(16);
        Game->ImagePath = std::string(SLEETWHISTLE_TEST_DATA_DIR) + "/graphics/";
        Game->SoundPath = std::string(SLEETWHISTLE_TEST_DATA_DIR) + "/sound/";
        Game->ProfilePath = dir / "profiles/";
        DropAllEvents();
        pump.Install();
    }
    void TearDown() override {
        DropAllEvents();
        platform::UnloadInputScript();
        SetCoreInputHooks({});
        Game = nullptr;
        SetRunTimeErrorHandler(nullptr);
        platform::SetRenderer(nullptr);
        platform::UseRealClock();
    }

    static void DropAllEvents() {
        while (platform::PollEvent()) {
        }
    }

    // One logic tick: the pointer's hits of the last tick go, the events come in, then the step.
    void Tick(const std::function<void()>& step) {
        Game->Mouse->ClearMouseHit();
        pump.Drain();
        Delta = 1.0f;
        step();
    }

    static void Type(const std::string& text) {
        for (char c : text)
            Post(platform::EVENT_KEY_CHAR, static_cast<unsigned char>(c));
    }
    // A key as the platform reports it: down, its character when it types one, up.
    static void Key(int vk, int typed = -1) {
        Post(platform::EVENT_KEY_DOWN, vk);
        if (typed >= 0) Post(platform::EVENT_KEY_CHAR, typed);
        Post(platform::EVENT_KEY_UP, vk);
    }
    static void MouseTo(int x, int y) { Post(platform::EVENT_MOUSE_MOVE, 0, x, y); }
    static void Press(int button = 1) { Post(platform::EVENT_MOUSE_DOWN, button); }
    static void Release(int button = 1) { Post(platform::EVENT_MOUSE_UP, button); }

    // Cues of the named sound file since the start (or the last ClearSounds).
    int Cues(const std::string& file) const {
        int count = 0;
        for (const auto& e : audio->Events())
            count += e.what == "cue" && e.sound == file;
        return count;
    }
    int AllCues() const {
        int count = 0;
        for (const auto& e : audio->Events())
            count += e.what == "cue";
        return count;
    }
};

} // namespace widgettest
