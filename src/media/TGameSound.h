// A sound effect: a loaded sample with the name it is looked up by, its playback rate and its
// volume factor.
#pragma once

#include "platform/audio.h"

#include <memory>
#include <string>

class TGameSound;
using TGameSoundRef = std::shared_ptr<TGameSound>;

class TGameSound {
public:
    std::string name; // upper-cased base name of the file, or the key given to the bank
    platform::SoundRef sound;
    float pitch = 1.0f;  // playback rate, 1.0 as recorded
    float volume = 1.0f; // 0..1; a channel pool overwrites it at every play

    static TGameSoundRef Create(const std::string& file, int flags);
    // flags: the platform's sample flags (SOUND_LOOP makes it repeat).
    int Load(const std::string& file, int flags);
    // Plays on the channel through the game object (nothing without one).
    int PlayInChannel(platform::ChannelRef& channel, float pan);
};
