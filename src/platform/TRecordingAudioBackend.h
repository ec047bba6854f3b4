// The audio driver of the tests: it plays nothing, keeps time like a device (TSimulatedVoice)
// and logs every request per channel, so music fades and channel pools can be checked exactly.
#pragma once

#include "platform/AudioBackend.h"

#include <string>
#include <vector>

namespace platform {

struct TAudioEvent {
    int time = 0;      // platform clock (ms) when asked
    int channel = 0;   // TChannel::Id
    std::string what;  // "cue", "pause", "resume", "stop", "volume", "pan" or "rate"
    float value = 0;   // volume, pan or rate as the voice received it (clamped)
    std::string sound; // the sound's name, for "cue"

    // "cue tone.wav", "volume 0.4", "resume" ...
    std::string Text() const;
};

class TRecordingAudioBackend : public AudioBackend {
public:
    std::unique_ptr<AudioVoice> NewVoice(int channelId) override;
    int VoicesInUse() const override { return voices; }

    const std::vector<TAudioEvent>& Events() const { return events; }
    // The events of one channel as Text() lines, in order.
    std::vector<std::string> Log(int channel) const;
    void Clear() { events.clear(); }

private:
    friend class TRecordingVoice;
    std::vector<TAudioEvent> events;
    int voices = 0;
};

} // namespace platform
