// Start-up values of the core's globals and the default hooks (see core_services.h).
#include "framework/core_services.h"

#include "framework/cc_input.h"
#include "platform/input.h"

float Delta = 1.0f;
int ScreenWidth = 800;
int ScreenHeight = 600;
int FADE_SPEED = 500;

namespace {

constexpr float TICK_MS = 5.0f; // one logic tick

std::function<float(float)> calcAnimLength;
TCoreInputHooks inputHooks;

} // namespace

float CalcAnimLengthFromFloat(float ms) {
    if (calcAnimLength) return calcAnimLength(ms);
    return ms / TICK_MS / 1.0f;
}

float CalcAnimLength(int ms) {
    return CalcAnimLengthFromFloat(float(ms));
}

void SetCalcAnimLength(std::function<float(float ms)> hook) {
    calcAnimLength = std::move(hook);
}

void SetCoreInputHooks(TCoreInputHooks hooks) {
    inputHooks = std::move(hooks);
}
const TCoreInputHooks& CoreInputHooks() {
    return inputHooks;
}

int KeyHit(int key) {
    if (key < 0 || key > 255) return 0;
    if (ccPolledInputState) return platform::KeyHit(key) ? 1 : 0;
    return inputHooks.keyHit ? inputHooks.keyHit(key) : 0;
}

int KeyDown(int key) {
    if (key < 0 || key > 255) return 0;
    if (ccPolledInputState) return platform::KeyDown(key);
    return inputHooks.keyDown ? inputHooks.keyDown(key) : 0;
}

int KeyPressed() {
    return inputHooks.keyPressed ? inputHooks.keyPressed() : -1;
}

int GetChar() {
    if (ccPolledInputState) return platform::GetChar();
    return inputHooks.getChar ? inputHooks.getChar() : 0;
}

void FlushKeys() {
    if (ccPolledInputState) {
        platform::FlushKeys();
    } else if (inputHooks.flushKeys) {
        inputHooks.flushKeys();
    }
}

void FlushMouse() {
    if (ccPolledInputState) {
        platform::FlushMouse();
    } else if (inputHooks.flushMouse) {
        inputHooks.flushMouse();
    }
}
