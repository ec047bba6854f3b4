// Logging voices for the tests' audio driver.
#include "platform/TRecordingAudioBackend.h"

#include "platform/TSimulatedVoice.h"
#include "platform/audio.h"
#include "platform/system.h"

#include <cstdio>

namespace platform {

class TRecordingVoice : public TSimulatedVoice {
public:
    TRecordingVoice(TRecordingAudioBackend& backend, int number) : owner(backend), channel(number) {
        ++owner.voices;
    }
    ~TRecordingVoice() override { --owner.voices; }

    bool Cue(TSound& sound, float volume, float pan, float playRate) override {
        Log("cue", 0, sound.Name());
        return TSimulatedVoice::Cue(sound, volume, pan, playRate);
    }
    void Pause() override {
        Log("pause");
        TSimulatedVoice::Pause();
    }
    void Resume() override {
        Log("resume");
        TSimulatedVoice::Resume();
    }
    void Stop() override {
        Log("stop");
        TSimulatedVoice::Stop();
    }
    void SetVolume(float v) override { Log("volume", v); }
    void SetPan(float p) override { Log("pan", p); }
    void SetRate(float r) override {
        Log("rate", r);
        TSimulatedVoice::SetRate(r);
    }

private:
    void Log(const char* what, float value = 0, const std::string& sound = "") {
        owner.events.push_back(TAudioEvent{MilliSecs(), channel, what, value, sound});
    }

    TRecordingAudioBackend& owner;
    int channel;
};

std::string TAudioEvent::Text() const {
    if (what == "cue") return what + " " + sound;
    if (what == "volume" || what == "pan" || what == "rate") {
        char number[32];
        std::snprintf(number, sizeof number, "%g", double(value));
        return what + " " + number;
    }
    return what;
}

std::unique_ptr<AudioVoice> TRecordingAudioBackend::NewVoice(int channelId) {
    return std::make_unique<TRecordingVoice>(*this, channelId);
}

std::vector<std::string> TRecordingAudioBackend::Log(int channel) const {
    std::vector<std::string> lines;
    for (const TAudioEvent& e : events)
        if (e.channel == channel) lines.push_back(e.Text());
    return lines;
}

} // namespace platform
