// The logic clock, as far as the widgets need it: Init restarts it from the current time with no
// tick pending, so that time spent building a dialog or loading a screen is not turned into logic
// ticks. The frame timing that turns elapsed time into ticks joins it with the main loop.
#pragma once

#include <memory>

class TFixedRateLogic;
using TFixedRateLogicRef = std::shared_ptr<TFixedRateLogic>;

class TFixedRateLogic {
public:
    float MS = 5.0f;  // ms per logic tick
    int LastTime = 0; // platform clock (ms) the next frame measures from
    int NumTicks = 0; // whole ticks pending in this frame
    float LastNumTicks = 1.0f;

    // Restarts the clock now and sets Delta to a whole tick.
    int Init();
};
