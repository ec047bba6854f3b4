// OpenAL Soft output. Every call runs on the main thread; OpenAL mixes on its own.
#include "platform/OpenALAudioBackend.h"

#include "platform/audio.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <cmath>

namespace platform {
namespace {

class OpenALBuffer : public TSoundBinding {
public:
    explicit OpenALBuffer(ALuint buffer) : id(buffer) {}
    ~OpenALBuffer() override { alDeleteBuffers(1, &id); }
    const ALuint id;
};

// The sound's buffer, made on first need; 0 when the device refuses it (out of memory).
ALuint BufferOf(TSound& sound) {
    if (auto* bound = dynamic_cast<OpenALBuffer*>(sound.binding.get())) return bound->id;
    const TPcm& pcm = sound.Pcm();
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

class OpenALVoice : public AudioVoice {
public:
    OpenALVoice(OpenALAudioBackend& backend, ALuint alSource) : owner(backend), source(alSource) {
        ++owner.sources;
        // Pan places the source around the listener, so distance must not weaken it.
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    }
    ~OpenALVoice() override {
        alSourceStop(source);
        alDeleteSources(1, &source);
        --owner.sources;
    }

    bool Cue(TSound& sound, float volume, float pan, float rate) override {
        ALuint buffer = BufferOf(sound);
        alSourceStop(source);
        alSourceRewind(source); // back to AL_INITIAL: at its start, not yet playing
        alSourcei(source, AL_BUFFER, ALint(buffer));
        cued = buffer != 0;
        if (!cued) return false;
        alSourcei(source, AL_LOOPING, sound.Looped() ? AL_TRUE : AL_FALSE);
        mono = sound.Pcm().channels == 1;
        SetVolume(volume);
        SetPan(pan);
        SetRate(rate);
        return true;
    }
    void Pause() override {
        if (State() == AL_PLAYING) alSourcePause(source);
    }
    void Resume() override {
        ALint state = State();
        if (state == AL_PAUSED || (state == AL_INITIAL && cued)) alSourcePlay(source);
    }
    void Stop() override {
        alSourceStop(source);
        alSourcei(source, AL_BUFFER, 0); // lets the sound's buffer go
        cued = false;
    }
    bool Active() override {
        ALint state = State();
        return state == AL_PLAYING || state == AL_PAUSED || (state == AL_INITIAL && cued);
    }
    void SetVolume(float volume) override { alSourcef(source, AL_GAIN, volume); }
    void SetPan(float pan) override {
        float x = mono ? pan : 0.0f;
        alSource3f(source, AL_POSITION, x, 0.0f, -std::sqrt(1.0f - x * x));
    }
    void SetRate(float rate) override { alSourcef(source, AL_PITCH, rate); }

private:
    ALint State() const {
        ALint state = AL_INITIAL;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        return state;
    }

    OpenALAudioBackend& owner;
    ALuint source;
    bool cued = false;
    bool mono = true;
};

std::unique_ptr<OpenALAudioBackend> OpenALAudioBackend::Open() {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device) return nullptr;
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (!context || !alcMakeContextCurrent(context)) {
        if (context) alcDestroyContext(context);
        alcCloseDevice(device);
        return nullptr;
    }
    alDistanceModel(AL_NONE);
    return std::unique_ptr<OpenALAudioBackend>(new OpenALAudioBackend(device, context));
}

OpenALAudioBackend::~OpenALAudioBackend() {
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
