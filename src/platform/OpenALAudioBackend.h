// The audio driver on OpenAL Soft's default device: one source per channel, one buffer per short
// sound and a queue of buffers per channel playing a long one (OpenALStream.h); volume is the source gain,
// rate its pitch, and a mono sound is panned by placing its source on a unit circle around the listener
// (stereo buffers play as recorded).
#pragma once

#include "platform/AudioBackend.h"
#include "platform/OpenALStream.h"

#include <AL/alc.h>

#include <memory>

namespace platform {

class OpenALAudioBackend : public AudioBackend {
public:
    // Opens the default device; null when there is none.
    static std::unique_ptr<OpenALAudioBackend> Open();
    ~OpenALAudioBackend() override;

    std::unique_ptr<AudioVoice> NewVoice(int channelId) override;
    void Prepare(TSound& sound) override;
    int VoicesInUse() const override { return sources; }

private:
    friend class OpenALVoice;
    OpenALAudioBackend(ALCdevice* alDevice, ALCcontext* alContext) : device(alDevice), context(alContext) {}

    ALCdevice* device;
    ALCcontext* context;
    int sources = 0;
    // Stopped first when the device closes, so its thread never outlives the context.
    std::unique_ptr<OpenALStreamPump> pump = std::make_unique<OpenALStreamPump>();
};

} // namespace platform
