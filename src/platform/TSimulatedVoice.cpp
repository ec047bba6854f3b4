// Playback kept on the platform clock without a device.
#include "platform/TSimulatedVoice.h"

#include "platform/audio.h"
#include "platform/system.h"

namespace platform {

bool TSimulatedVoice::Cue(TSound& sound, float, float, float newRate) {
    state = State::Paused;
    position = 0;
    frames = double(sound.Frames());
    sampleRate = double(sound.SampleRate());
    loop = sound.Looped();
    rate = newRate;
    return true;
}

void TSimulatedVoice::Advance() {
    int now = MilliSecs();
    // A clock set back (a test switching to the fake clock) plays nothing for the lost time.
    if (state == State::Playing && now > since) {
        position += (now - since) / 1000.0 * sampleRate * rate;
        if (!loop && position >= frames) state = State::Done;
    }
    since = now;
}

void TSimulatedVoice::Pause() {
    Advance();
    if (state == State::Playing) state = State::Paused;
}

void TSimulatedVoice::Resume() {
    Advance();
    if (state == State::Paused) state = State::Playing;
}

void TSimulatedVoice::Stop() {
    if (state != State::Idle) state = State::Done;
}

bool TSimulatedVoice::Active() {
    Advance();
    return state == State::Paused || state == State::Playing;
}

void TSimulatedVoice::SetRate(float newRate) {
    Advance(); // the time played so far counts at the old rate
    rate = newRate;
}

} // namespace platform
