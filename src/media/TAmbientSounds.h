// Random background sounds: at a fixed interval one roll of the dice decides, by a chance in
// percent, whether one sound picked at random from a small set plays on the game's channel pool.
#pragma once

#include "media/TGameSound.h"

#include <array>
#include <string>

class TAmbientSounds {
public:
    static constexpr int MAX_SOUNDS = 20;

    int Chance = 0;            // percent
    float SoundCounter = 0.0f; // ticks left of the interval
    int SoundCounterMax = 0;   // the interval, ticks
    std::array<TGameSoundRef, MAX_SOUNDS> Sounds{};
    int TotalSounds = 0;

    // A set that is full stays as it is.
    int AddSound(const TGameSoundRef& sound);
    // The sounds prefix + i + suffix for i = 0 .. count - 1, while the set has room.
    int Fill(const std::string& prefix, int count, const std::string& suffix);
    int Init(int ms, int chance);
    int Kill();
    // Once per logic tick.
    int Manage();
};
