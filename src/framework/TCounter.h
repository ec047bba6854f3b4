// Countdowns measured in logic ticks, advanced by Delta once per tick, and a list of them
// managed together (the bonus-power gauge fills through one).
#pragma once

#include "platform/TList.h"

#include <memory>

class TCounter;
using TCounterRef = std::shared_ptr<TCounter>;

class TCounter {
public:
    int Active = 0;
    float Counter = 0.0f;     // ticks left
    int CounterLength = 1000; // ticks

    // A counter of ms milliseconds, started at once when activate is non-zero.
    static TCounterRef Create(int ms, int activate);

    int Activate();
    // 1.0 just after Activate, falling to 0.0; 0 for a counter of no length.
    float GetRatio() const;
    // One tick; 1 on the tick on which the counter runs out. Any counter above 0 counts down,
    // whether Active or not.
    int Manage();
    int Stop(int clear);
};

// Counters in the order they were added.
class TCounterList : public platform::TList<TCounter> {
public:
    // A started counter of ms milliseconds, appended.
    TCounterRef AddNew(int ms);
    // Manages every counter in order; expired ones leave the list when remove is non-zero.
    int Manage(int remove);
};
