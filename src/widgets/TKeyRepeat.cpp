#include "widgets/TKeyRepeat.h"

#include "core/TGame.h"
#include "framework/core_services.h"
#include "media/TMousePointer.h"

#include <algorithm>

namespace {

// The repeat delay in whole ticks, at least one: a delay shorter than a tick repeats every tick
// instead of stopping the repeats for good.
int RepeatTicks(int ms) {
    return std::max(1, int(CalcAnimLength(ms)));
}

} // namespace

int TRepeatCounters::ClearDelays() {
    InitialDelayCounter = 0.0f;
    DelayCounter = 0;
    return 0;
}

int TRepeatCounters::Step(bool down) {
    if (!down) {
        ClearDelays();
        LastState = 0;
        return 0;
    }
    int result = 0;
    if (LastState == 0) {
        InitialDelayCounter = CalcAnimLength(InitialDelayLength);
        result = 1;
    } else if (InitialDelayCounter > 0.0f) {
        InitialDelayCounter -= Delta;
        if (InitialDelayCounter <= 0.0f) {
            InitialDelayCounter = 0.0f;
            DelayCounter = RepeatTicks(DelayLength);
            result = 2;
        }
    } else if (DelayCounter > 0) {
        DelayCounter = int(float(DelayCounter) - Delta);
        if (DelayCounter <= 0) {
            DelayCounter = RepeatTicks(DelayLength);
            result = 2;
        }
    }
    LastState = 1;
    return result;
}

TKeyRepeatRef TKeyRepeat::Create(int initialDelayMs, int repeatDelayMs) {
    auto repeat = std::make_shared<TKeyRepeat>();
    repeat->InitialDelayLength = initialDelayMs;
    repeat->DelayLength = repeatDelayMs;
    return repeat;
}

int TKeyRepeat::GetKey(int key) {
    return Step(KeyDown(key) != 0) != 0 ? 1 : 0;
}

TMouseRepeatRef TMouseRepeat::Create(int initialDelayMs, int repeatDelayMs) {
    auto repeat = std::make_shared<TMouseRepeat>();
    repeat->InitialDelayLength = initialDelayMs;
    repeat->DelayLength = repeatDelayMs;
    return repeat;
}

int TMouseRepeat::GetButton() {
    return Step(Game->Mouse->GetMb() != 0);
}
