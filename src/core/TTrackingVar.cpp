#include "core/TTrackingVar.h"

#include "framework/cc_strings.h"
#include "platform/draw.h"
#include "platform/system.h"

int TTrackingVar::Init() {
    Current = 0;
    maximum = 0;
    displayLimit = 999;
    displayLimitChars = int(std::to_string(displayLimit).size());
    return 0;
}

int TTrackingVar::Display(int x, int y) {
    platform::DrawText(GetDisplay(), float(x), float(y));
    return 0;
}

std::string TTrackingVar::Padded(int value) const {
    return ccPadWithZeros(std::to_string(value), displayLimitChars);
}

std::string TTrackingVar::GetDisplay() {
    return Label + Padded(Current) + "/" + Padded(maximum);
}

int TDebugVar::Start() {
    Current = platform::MilliSecs();
    return 0;
}

int TDebugVar::Calc() {
    Current = platform::MilliSecs() - Current;
    if (Current > maximum) maximum = Current;
    if (maximum > displayLimit) maximum = displayLimit;
    return 0;
}

int TFPSCounter::Init() {
    counter = 0;
    time = platform::MilliSecs();
    framerate = 0;
    minimum = 999;
    return TTrackingVar::Init();
}

int TFPSCounter::Display(int x, int y) {
    platform::DrawText(GetDisplay(), float(x), float(y));
    return 0;
}

std::string TFPSCounter::GetDisplay() {
    return Label + Padded(Current) + "/" + Padded(minimum);
}

int TFPSCounter::Calc() {
    counter += 1;
    if (platform::MilliSecs() > time + 1001) {
        framerate = counter;
        counter = 0;
        time = platform::MilliSecs();
        if (framerate > maximum) maximum = framerate;
        if (framerate < minimum) minimum = framerate;
        Current = framerate;
    }
    return 0;
}
