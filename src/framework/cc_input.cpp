#include "framework/cc_input.h"

#include "framework/core_services.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"

int ccPolledInputState = 0;
int MouseVisible = 0;

int ccAnyKeyPressed() {
    for (int key = 0; key <= 255; ++key)
        if (KeyHit(key)) return 1;
    return 0;
}

int ccAnyInput() {
    return ccAnyKeyPressed() ? 1 : ccMouseHit();
}

int ccControlDown() {
    if (int down = KeyDown(platform::vk::LCONTROL)) return down;
    return KeyDown(platform::vk::RCONTROL);
}

int ccShiftDown() {
    if (int down = KeyDown(platform::vk::LSHIFT)) return down;
    return KeyDown(platform::vk::RSHIFT);
}

int ccMouseHit() {
    for (int button = 1; button <= 3; ++button)
        if (platform::MouseHit(button)) return 1;
    return 0;
}

int ccMouseButtons() {
    return platform::MouseHit(1) + platform::MouseHit(2) + platform::MouseHit(3);
}

int ccMouseDown() {
    for (int button = 1; button <= 3; ++button)
        if (platform::MouseDown(button)) return 1;
    return 0;
}

int ccMouseDownTotal() {
    return platform::MouseDown(1) + platform::MouseDown(2) + platform::MouseDown(3);
}

int ccFlushAll() {
    FlushKeys();
    FlushMouse();
    return 0;
}

int ccEnablePolledInput() {
    platform::EnablePolledInput();
    ccPolledInputState = 1;
    return 0;
}

namespace {

// A quit asked for while input was being thrown away must still reach the game.
bool IsQuitEvent(const platform::TEvent& event) {
    return event.id == platform::EVENT_APP_TERMINATE || event.id == platform::EVENT_WINDOW_CLOSE;
}

} // namespace

int ccDisablePolledInput() {
    platform::DisablePolledInput();
    ccPolledInputState = 0;
    platform::PollSystem();
    platform::FilterEvents(IsQuitEvent);
    return 0;
}

namespace {

bool IsNotPlayerInput(const platform::TEvent& event) {
    switch (event.id) {
    case platform::EVENT_KEY_DOWN:
    case platform::EVENT_KEY_UP:
    case platform::EVENT_KEY_CHAR:
    case platform::EVENT_KEY_REPEAT:
    case platform::EVENT_MOUSE_DOWN:
    case platform::EVENT_MOUSE_UP:
    case platform::EVENT_MOUSE_WHEEL:
        return false;
    default:
        return true;
    }
}

} // namespace

int ccDropQueuedInput() {
    platform::PollSystem();
    platform::FilterEvents(IsNotPlayerInput);
    return 0;
}

int ccMouseShowHide() {
    int id = platform::PollEvent();
    const auto& customPointer = CoreInputHooks().customMousePointer;
    bool custom = customPointer && customPointer();
    if (id == platform::EVENT_MOUSE_LEAVE) {
        if (custom) platform::ShowMouse();
        MouseVisible = 1;
    } else if (id == platform::EVENT_MOUSE_ENTER) {
        if (custom) platform::HideMouse();
        MouseVisible = 0;
    }
    return 0;
}

int ccWaitForKeyOrMouse() {
    // Keys and clicks are seen only through the polled state: it is on for the wait, and the
    // caller's mode comes back afterwards.
    int polled = ccPolledInputState;
    ccEnablePolledInput();
    ccFlushAll();
    while (!ccAnyKeyPressed() && !ccMouseHit())
        platform::Delay(1); // yield between polls
    ccFlushAll();
    if (!polled) ccDisablePolledInput();
    return 0;
}

int ccWaitForTime(float ms) {
    float start = float(platform::MilliSecs());
    float elapsed = 0;
    while (elapsed <= ms) {
        elapsed = float(platform::MilliSecs()) - start;
        if (ccMouseButtons() || ccAnyKeyPressed()) return -1;
        platform::Delay(1); // yield between polls
    }
    return 0;
}
