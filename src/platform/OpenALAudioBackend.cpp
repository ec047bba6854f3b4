// OpenAL Soft output. Channel requests come from the main thread; OpenAL mixes on its own
// thread, and the stream pump refills the queues of long sounds on another.
#include "platform/OpenALAudioBackend.h"

#include "platform/audio.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/efx.h>

#include <cmath>
#include <mutex>

namespace platform {
namespace {

class OpenALBuffer : public TSoundBinding {
public:
    explicit OpenALBuffer(ALuint buffer) : id(buffer) {}
    ~OpenALBuffer() override { alDeleteBuffers(1, &id); }
    const ALuint id;
};

// A short sound's buffer, made on first need; 0 when the device refuses it (out of memory) or
// the samples cannot be had again. OpenAL keeps the one copy of the samples.
ALuint BufferOf(TSound& sound) {
    if (auto* bound = dynamic_cast<OpenALBuffer*>(sound.binding.get())) return bound->id;
    TPcm pcm;
    std::string error;
    if (!sound.TakePcm(pcm, error)) return 0;
    alGetError();
    ALuint id = 0;
    alGenBuffers(1, &id);
    if (alGetError() != AL_NO_ERROR) return 0;
    alBufferData(id, pcm.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, pcm.samples.data(),
                 ALsizei(pcm.samples.size() * sizeof(int16_t)), pcm.sampleRate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &id);
        return 0;
    }
    sound.binding = std::make_unique<OpenALBuffer>(id);
    return id;
}

} // namespace

// Every request takes the pump's lock, as the pump may be refilling this source's queue.
class OpenALVoice : public AudioVoice, public OpenALStreamClient {
public:
    OpenALVoice(OpenALAudioBackend& backend, ALuint alSource) : owner(backend), source(alSource) {
        ++owner.sources;
        // Pan places the source around the listener, so distance must not weaken it.
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    }
    ~OpenALVoice() override {
        {
            std::lock_guard<std::mutex> guard(owner.pump->Lock());
            EndStream();
        }
        alSourceStop(source);
        alDeleteSources(1, &source);
        --owner.sources;
    }

    bool Cue(TSound& sound, float volume, float pan, float rate) override {
        std::lock_guard<std::mutex> guard(owner.pump->Lock());
        EndStream();
        alSourceStop(source);
        alSourceRewind(source); // back to AL_INITIAL: at its start, not yet playing
        alSourcei(source, AL_BUFFER, 0);
        shouldPlay = false;
        cued = sound.Streamed() ? StartStream(sound) : CueBuffer(sound);
        if (!cued) return false;
        mono = sound.Channels() == 1;
        SetVolume(volume);
        SetPan(pan);
        SetRate(rate);
        return true;
    }
    void Pause() override {
        std::lock_guard<std::mutex> guard(owner.pump->Lock());
        shouldPlay = false;
        if (State() == AL_PLAYING) alSourcePause(source);
    }
    void Resume() override {
        std::lock_guard<std::mutex> guard(owner.pump->Lock());
        ALint state = State();
        if (state == AL_PAUSED || (state == AL_INITIAL && cued)) {
            alSourcePlay(source);
            shouldPlay = true;
        } else if (state == AL_STOPPED && queue && !queue->Finished()) {
            shouldPlay = true; // ran dry while paused on the way: the pump starts it again
        }
    }
    void Stop() override {
        std::lock_guard<std::mutex> guard(owner.pump->Lock());
        EndStream();
        alSourceStop(source);
        alSourcei(source, AL_BUFFER, 0); // lets the sound's buffer go
        cued = false;
        shouldPlay = false;
    }
    bool Active() override {
        std::lock_guard<std::mutex> guard(owner.pump->Lock());
        ALint state = State();
        if (state == AL_STOPPED) return queue && !queue->Finished() && shouldPlay;
        return state == AL_PLAYING || state == AL_PAUSED || (state == AL_INITIAL && cued);
    }
    void SetVolume(float volume) override { alSourcef(source, AL_GAIN, volume); }
    void SetPan(float pan) override {
        float x = mono ? pan : 0.0f;
        alSource3f(source, AL_POSITION, x, 0.0f, -std::sqrt(1.0f - x * x));
    }
    void SetRate(float rate) override { alSourcef(source, AL_PITCH, rate); }

    void Refill() override {
        if (queue) queue->Refill(shouldPlay);
    }

private:
    ALint State() const {
        ALint state = AL_INITIAL;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        return state;
    }
    bool CueBuffer(TSound& sound) {
        ALuint buffer = BufferOf(sound);
        alSourcei(source, AL_BUFFER, ALint(buffer));
        alSourcei(source, AL_LOOPING, sound.Looped() ? AL_TRUE : AL_FALSE);
        return buffer != 0;
    }
    // The sound loops through its decoder, not through the source, so the loop point is seamless.
    bool StartStream(TSound& sound) {
        std::string error;
        std::unique_ptr<TPcmStream> decoder = sound.OpenStream(error);
        if (!decoder) return false;
        alSourcei(source, AL_LOOPING, AL_FALSE);
        queue = std::make_unique<OpenALStreamQueue>(source, std::move(decoder), sound.Looped());
        if (!queue->Ready()) {
            queue.reset();
            return false;
        }
        alSourceRewind(source); // queued and at its start, not yet playing
        owner.pump->Add(this);
        return true;
    }
    void EndStream() {
        if (!queue) return;
        owner.pump->Remove(this);
        queue.reset();
    }

    OpenALAudioBackend& owner;
    ALuint source;
    std::unique_ptr<OpenALStreamQueue> queue; // while a streamed sound is cued
    bool cued = false;
    bool shouldPlay = false; // resumed and neither paused nor stopped since
    bool mono = true;
};

std::unique_ptr<OpenALAudioBackend> OpenALAudioBackend::Open() {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device) return nullptr;
    // The game sends nothing to effects, and every voice of the mixer would carry the sends.
    const ALCint attributes[] = {ALC_MAX_AUXILIARY_SENDS, 0, 0};
    ALCcontext* context = alcCreateContext(device, attributes);
    if (!context || !alcMakeContextCurrent(context)) {
        if (context) alcDestroyContext(context);
        alcCloseDevice(device);
        return nullptr;
    }
    alDistanceModel(AL_NONE);
    return std::unique_ptr<OpenALAudioBackend>(new OpenALAudioBackend(device, context));
}

OpenALAudioBackend::~OpenALAudioBackend() {
    pump.reset();
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
    alcCloseDevice(device);
}

std::unique_ptr<AudioVoice> OpenALAudioBackend::NewVoice(int) {
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) return nullptr; // every source is taken
    return std::make_unique<OpenALVoice>(*this, source);
}

void OpenALAudioBackend::Prepare(TSound& sound) {
    BufferOf(sound);
}

} // namespace platform
