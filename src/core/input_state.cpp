#include "core/input_state.h"

#include "core/TGame.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "media/TMousePointer.h"
#include "platform/input.h"

std::array<int, 256> Keys{};
std::array<int, 256> KeyStates{};
std::array<int, 256> charQueue{};
int charGet = 0;
int charPut = 0;

namespace {

bool ValidKey(int key) {
    return key >= 0 && key <= 255;
}

} // namespace

int TableKeyHit(int key) {
    if (!ValidKey(key) || Keys[size_t(key)] == 0) return 0;
    Keys[size_t(key)] = 0;
    return 1;
}

int TableKeyDown(int key) {
    return ValidKey(key) ? KeyStates[size_t(key)] : 0;
}

int TableKeyPressed() {
    for (int key = 0; key < 256; ++key)
        if (Keys[size_t(key)] == 1) return key;
    return -1;
}

int TableGetChar() {
    if (charGet == charPut) return 0;
    int code = charQueue[size_t(charGet & 255)];
    charGet += 1;
    return code;
}

void TableFlushKeys() {
    Keys.fill(0);
    KeyStates.fill(0);
    charGet = 0;
    charPut = 0;
}

int AnyKeyPressed() {
    return TableKeyPressed() >= 0 ? 1 : 0;
}

int FlushKey(int key) {
    if (!ValidKey(key)) return 0;
    Keys[size_t(key)] = 0;
    KeyStates[size_t(key)] = 0;
    return 0;
}

void RecordKeyDown(int key) {
    if (!ValidKey(key)) return;
    KeyStates[size_t(key)] = 1;
    Keys[size_t(key)] += 1;
}

void RecordKeyUp(int key) {
    if (ValidKey(key)) KeyStates[size_t(key)] = 0;
}

void RecordChar(int code) {
    if (charPut - charGet >= 256) return; // a full ring drops the newcomer
    charQueue[size_t(charPut & 255)] = code;
    charPut += 1;
}

void InstallInputHooks() {
    TCoreInputHooks hooks;
    hooks.keyHit = TableKeyHit;
    hooks.keyDown = TableKeyDown;
    hooks.keyPressed = TableKeyPressed;
    hooks.getChar = TableGetChar;
    hooks.flushKeys = TableFlushKeys;
    hooks.flushMouse = [] {
        if (Game) Game->Mouse->ClearButtons();
    };
    hooks.customMousePointer = [] { return Game ? Game->CustomMousePointer : 1; };
    SetCoreInputHooks(hooks);
}

namespace {

void SetButton(TMousePointer& mouse, int button, int down) {
    int* state = button == 1 ? &mouse.b1 : button == 2 ? &mouse.b2 : button == 3 ? &mouse.b3 : nullptr;
    int* hits = button == 1 ? &mouse.h1 : button == 2 ? &mouse.h2 : button == 3 ? &mouse.h3 : nullptr;
    if (!state) return;
    *state = down;
    if (down != 0) *hits += 1;
}

void RecordMouseMove(TGame& game) {
    TMousePointer& mouse = *game.Mouse;
    if (game.UsingVirtualResolution != 0) {
        mouse.x = ccRound(float(platform::EventX()) * game.VirtualRatioX);
        mouse.y = ccRound(float(platform::EventY()) * game.VirtualRatioY);
    } else {
        mouse.x = platform::EventX();
        mouse.y = platform::EventY();
    }
}

} // namespace

int TGame::DoPeekEvent() {
    TMousePointer& mouse = *Mouse;
    while (platform::PeekEvent()) {
        platform::PollEvent();
        int data = platform::EventData();
        switch (platform::EventID()) {
        case platform::EVENT_APP_SUSPEND:
            SuspendedEvent = 1;
            break;
        case platform::EVENT_APP_RESUME:
            SuspendedEvent = 0;
            break;
        case platform::EVENT_APP_TERMINATE:
        case platform::EVENT_WINDOW_CLOSE:
            TerminatedEvent = 1;
            break;
        case platform::EVENT_KEY_DOWN:
            RecordKeyDown(data);
            break;
        case platform::EVENT_KEY_UP:
            RecordKeyUp(data);
            break;
        case platform::EVENT_KEY_CHAR:
            RecordChar(data);
            break;
        case platform::EVENT_MOUSE_DOWN:
            mouse.ClearMouseHit(); // one press per tick: the later one wins
            SetButton(mouse, data, 1);
            mouse.CalcButtonTotals();
            break;
        case platform::EVENT_MOUSE_UP:
            SetButton(mouse, data, 0);
            mouse.CalcButtonTotals();
            break;
        case platform::EVENT_MOUSE_MOVE:
            RecordMouseMove(*this);
            break;
        case platform::EVENT_MOUSE_WHEEL:
            mouse.z += data;
            break;
        default:
            break; // key repeats among them: holding a key is one hit
        }
    }
    return 0;
}
