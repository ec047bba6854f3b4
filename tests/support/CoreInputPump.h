// The game's key tables and its per-tick event drain, as the core keeps them, for tests that run
// widgets and effects without the core: a hit counter and a down state per key code 0..255 behind
// KeyHit, KeyDown, KeyPressed and FlushKeys, the ring of typed characters behind GetChar,
// FlushMouse clearing Game.Mouse, and Drain, which empties the platform's event queue into the
// tables and the pointer the way one tick does.
#pragma once

#include "core/TGame.h"
#include "framework/core_services.h"
#include "media/TMousePointer.h"
#include "platform/input.h"

#include <array>
#include <cstddef>
#include <deque>

namespace testsupport {

class TCoreInputPump {
public:
    std::array<int, 256> keys{}; // pending hits
    std::array<int, 256> down{}; // 1 while held
    static constexpr size_t kMaxChars = 256;
    std::deque<int> chars; // typed characters not yet read; a full ring drops what comes after

    // Installs the hooks; ccPolledInputState stays 0.
    void Install() {
        keys.fill(0);
        down.fill(0);
        chars.clear();
        TCoreInputHooks hooks;
        hooks.keyHit = [this](int key) {
            if (key < 0 || key > 255) return 0;
            int hit = keys[size_t(key)] > 0 ? 1 : 0;
            keys[size_t(key)] = 0;
            return hit;
        };
        hooks.keyDown = [this](int key) { return key < 0 || key > 255 ? 0 : down[size_t(key)]; };
        hooks.keyPressed = [this] {
            for (int key = 0; key < 256; ++key)
                if (keys[size_t(key)] == 1) return key;
            return -1;
        };
        hooks.getChar = [this] {
            if (chars.empty()) return 0;
            int c = chars.front();
            chars.pop_front();
            return c;
        };
        hooks.flushKeys = [this] {
            keys.fill(0);
            down.fill(0);
            chars.clear();
        };
        hooks.flushMouse = [] {
            if (Game) Game->Mouse->ClearButtons();
        };
        SetCoreInputHooks(hooks);
    }

    static void Uninstall() { SetCoreInputHooks({}); }

    // Every queued event into the tables and Game.Mouse: a key down counts a hit and holds the key,
    // a key up only lets it go, key repeats count nothing; a mouse press clears the pointer's hits
    // before it counts its own, so one drain keeps one press.
    void Drain() {
        TMousePointer& mouse = *Game->Mouse;
        while (platform::PollEvent() != 0) {
            int data = platform::EventData();
            switch (platform::EventID()) {
            case platform::EVENT_KEY_DOWN:
                if (data >= 0 && data < 256) {
                    down[size_t(data)] = 1;
                    keys[size_t(data)] += 1;
                }
                break;
            case platform::EVENT_KEY_UP:
                if (data >= 0 && data < 256) down[size_t(data)] = 0;
                break;
            case platform::EVENT_KEY_CHAR:
                if (chars.size() < kMaxChars) chars.push_back(data);
                break;
            case platform::EVENT_MOUSE_MOVE:
                mouse.x = platform::EventX();
                mouse.y = platform::EventY();
                break;
            case platform::EVENT_MOUSE_DOWN:
                mouse.ClearMouseHit();
                SetButton(mouse, data, 1);
                mouse.CalcButtonTotals();
                break;
            case platform::EVENT_MOUSE_UP:
                SetButton(mouse, data, 0);
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

    static void DropAllEvents() {
        while (platform::PollEvent() != 0) {
        }
    }

    // A press as the drain records it, without an event.
    static void AddClick(int button = 1) {
        auto& mouse = *Game->Mouse;
        (button == 1 ? mouse.h1 : button == 2 ? mouse.h2 : mouse.h3) += 1;
        mouse.CalcButtonTotals();
    }

private:
    static void SetButton(TMousePointer& mouse, int button, int isDown) {
        int* state = button == 1 ? &mouse.b1 : button == 2 ? &mouse.b2 : button == 3 ? &mouse.b3 : nullptr;
        int* hits = button == 1 ? &mouse.h1 : button == 2 ? &mouse.h2 : button == 3 ? &mouse.h3 : nullptr;
        if (!state) return;
        *state = isDown;
        if (isDown != 0) *hits += 1;
    }
};

} // namespace testsupport
