// Key and mouse repeat: a held key or mouse button gives a first press, then, after an initial
// delay, regular repeats. The owner asks once per logic tick, also when it ignores the answer, so
// that the counters run and a release is seen; the counters go down by Delta.
#pragma once

#include <memory>

class TKeyRepeat;
using TKeyRepeatRef = std::shared_ptr<TKeyRepeat>;
class TMouseRepeat;
using TMouseRepeatRef = std::shared_ptr<TMouseRepeat>;

// The counters both kinds share.
class TRepeatCounters {
public:
    int InitialDelayLength = 0;       // ms from the first press to the first repeat
    float InitialDelayCounter = 0.0f; // ticks, counted exactly
    int DelayLength = 0;              // ms between repeats
    int DelayCounter = 0;             // whole ticks to the next repeat
    int LastState = 0;                // 1 while down at the last call

    virtual ~TRepeatCounters() = default;
    int ClearDelays();

protected:
    // 0 nothing, 1 a new press, 2 a repeat.
    int Step(bool down);
};

class TKeyRepeat : public TRepeatCounters {
public:
    static TKeyRepeatRef Create(int initialDelayMs, int repeatDelayMs);
    // 1 on the first press and on each repeat of the key, else 0.
    int GetKey(int key);
};

class TMouseRepeat : public TRepeatCounters {
public:
    static TMouseRepeatRef Create(int initialDelayMs, int repeatDelayMs);
    // 1 on the first press of any mouse button, 2 on each repeat, else 0.
    int GetButton();
};
