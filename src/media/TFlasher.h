// An on/off blink over a total time: on at first, blinking once a delay has passed, with a sound
// at every switch to on. The owner calls Manage once per logic tick and reads FlashState to draw.
#pragma once

#include "media/TGameSound.h"

#include <memory>

class TFlasher;
using TFlasherRef = std::shared_ptr<TFlasher>;

class TFlasher {
public:
    TGameSoundRef FlashSound;        // set by the owner
    int FlashState = 1;              // 1 on, 0 off
    float AnimCounter = 0.0f;        // ticks left of the whole effect
    int DelayEnd = 0;                // AnimCounter at which blinking starts
    float FlashCounter = 0.0f;       // ticks left of the current period
    int OnLength = 0, OffLength = 0; // ticks

    static TFlasherRef Create(int totalMs, int onMs, int offMs, int delayMs);
    // 1 once the effect has run out.
    int Manage();
    int PlayFlashSound();
    int SetToOff();
};
