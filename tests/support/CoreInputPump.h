// The core's input side for tests that run widgets and effects tick by tick without the main loop:
// the game's key tables and hooks (a hit counter and a down state per key code, the typed
// characters, FlushMouse clearing Game.Mouse), and Drain, the core's own event pump of one tick,
// which empties the platform's queue into the tables and the pointer.
#pragma once

#include "core/TGame.h"
#include "core/input_state.h"
#include "framework/core_services.h"
#include "media/TMousePointer.h"
#include "platform/input.h"

#include <array>

namespace testsupport {

class TCoreInputPump {
public:
    // The ring of typed characters, seen as a queue.
    struct TCharRing {
        bool empty() const { return charPut == charGet; }
        void push_back(int code) const { RecordChar(code); }
    };

    std::array<int, 256>& keys = Keys;      // pending hits
    std::array<int, 256>& down = KeyStates; // 1 while held
    TCharRing chars;

    // Empty tables behind the framework's input functions; ccPolledInputState stays 0. Only posted
    // and scripted events count: the desktop's own pointer, which other tests on the same display
    // move, stays out.
    static void Install() {
        TableFlushKeys();
        InstallInputHooks();
        platform::IgnoreOsInput(true);
    }

    static void Uninstall() {
        platform::IgnoreOsInput(false);
        TableFlushKeys();
        SetCoreInputHooks({});
    }

    // One tick's event drain, as the main loop runs it.
    static void Drain() { Game->DoPeekEvent(); }

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
};

} // namespace testsupport
