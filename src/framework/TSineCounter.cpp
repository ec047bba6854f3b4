#include "framework/TSineCounter.h"

#include "framework/cc_numbers.h"
#include "framework/core_services.h"

TSineCounterRef TSineCounter::Create(float start, float end, float speed, int runOnce) {
    auto counter = std::make_shared<TSineCounter>();
    counter->Init(start, end, speed, runOnce);
    return counter;
}

int TSineCounter::Init(float start, float end, float speed, int runOnce) {
    StartPoint = start;
    EndPoint = end;
    Speed = speed;
    RunOnce = runOnce;
    Counter = start;
    ratio = 0.0f;
    return 0;
}

int TSineCounter::Manage() {
    if (!Active) return 0;
    Counter += Speed * Delta;
    // The wrap moves by one span only, once per tick.
    if (Counter >= EndPoint) {
        if (RunOnce) {
            Counter = EndPoint;
            Active = 0;
        } else {
            Counter -= EndPoint - StartPoint;
        }
    } else if (Counter < StartPoint) {
        if (RunOnce) {
            Counter = StartPoint;
            Active = 0;
        } else {
            Counter += EndPoint - StartPoint;
        }
    }
    ratio = SinDeg(Counter);
    return 1;
}

int TSineCounter::SetCounter(float value) {
    Counter = value;
    ratio = SinDeg(value);
    return 0;
}
