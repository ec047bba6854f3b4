// What an audio driver offers the channels: voices that play one sound each. The OpenAL Soft
// backend plays through the sound device, the null backend ("None") plays nothing, and the
// recording backend of the tests logs what it is asked. Channels never ask which one runs.
#pragma once

#include <memory>

namespace platform {

class TSound;

// A driver's own copy of a sound's samples (see TSound::binding).
class TSoundBinding {
public:
    virtual ~TSoundBinding() = default;
};

// One voice of the driver, owned by one channel.
class AudioVoice {
public:
    virtual ~AudioVoice() = default;
    // Holds the sound at its start, paused, with the channel's attributes. False when the
    // driver cannot take the sound.
    virtual bool Cue(TSound& sound, float volume, float pan, float rate) = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0; // starts a cued sound or continues a paused one
    virtual void Stop() = 0;
    // Holds a sound that has neither ended nor been stopped (paused and cued count).
    virtual bool Active() = 0;
    virtual void SetVolume(float volume) = 0;
    virtual void SetPan(float pan) = 0;
    virtual void SetRate(float rate) = 0;
};

class AudioBackend {
public:
    virtual ~AudioBackend() = default;
    // A new voice for the channel with that id; null when the driver has none left.
    virtual std::unique_ptr<AudioVoice> NewVoice(int channelId) = 0;
    // Gives the sound its binding ahead of its first play, so the copy is made while loading.
    virtual void Prepare(TSound& sound) { (void)sound; }
    // Voices currently held by channels.
    virtual int VoicesInUse() const = 0;
};

} // namespace platform
