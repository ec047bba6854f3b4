// A voice that plays nothing but keeps time: a cued sound runs on the platform clock once
// resumed and ends after frames / sampleRate / rate seconds, unless it loops. The null driver
// and the recording backend play through it, so channels report playing exactly as a device
// would.
#pragma once

#include "platform/AudioBackend.h"

namespace platform {

class TSimulatedVoice : public AudioVoice {
public:
    bool Cue(TSound& sound, float volume, float pan, float rate) override;
    void Pause() override;
    void Resume() override;
    void Stop() override;
    bool Active() override;
    void SetVolume(float) override {}
    void SetPan(float) override {}
    void SetRate(float newRate) override;

private:
    enum class State { Idle, Paused, Playing, Done };
    // Moves the play position up to the clock's present.
    void Advance();

    State state = State::Idle;
    double position = 0; // frames played
    double frames = 0;
    double sampleRate = 1;
    bool loop = false;
    double rate = 1;
    int since = 0; // clock time the position was last advanced to
};

// The driver "None".
class NullAudioBackend : public AudioBackend {
public:
    std::unique_ptr<AudioVoice> NewVoice(int) override { return std::make_unique<TSimulatedVoice>(); }
    int VoicesInUse() const override { return 0; }
};

} // namespace platform
