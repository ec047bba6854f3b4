// Channels and sounds on whichever driver runs, and the choice of that driver by name.
#include "platform/audio.h"

#include "platform/AudioBackend.h"
#include "platform/OpenALAudioBackend.h"
#include "platform/TRecordingAudioBackend.h"
#include "platform/TSimulatedVoice.h"
#include "platform/audio_testing.h"
#include "platform/files.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <unordered_set>

namespace platform {

// The running driver and everything that holds a piece of it.
struct AudioState {
    NullAudioBackend silence;
    std::unique_ptr<AudioBackend> device; // the OpenAL backend while it runs
    AudioBackend* backend = &silence;
    std::string driverName = "None";
    // Bumped at every change of driver: voices and bindings of an older one are dropped.
    int generation = 0;
    bool openALEnabled = false;
    // The test seam: while set, the recorder stands in for the sound device.
    TRecordingAudioBackend* recorder = nullptr;
    std::unordered_set<TChannel*> channels;
    std::unordered_set<TSound*> sounds;
    int nextChannelId = 1;
    std::string loadError;
    double streamAfterSeconds = 10;

    // Drops every voice and binding of the running driver, then makes `next` run.
    void Switch(AudioBackend* next, std::unique_ptr<AudioBackend> owned, const std::string& name) {
        for (TChannel* channel : channels) {
            channel->voice.reset(); // before the device that made it closes
            channel->sound.reset();
            channel->voiceGeneration = -1;
        }
        for (TSound* sound : sounds)
            sound->binding.reset();
        device = std::move(owned);
        backend = next;
        driverName = name;
        ++generation;
    }

    void Silence() { Switch(&silence, nullptr, "None"); }
};

namespace {

// Never destroyed: sounds and channels held by other static objects may outlive any order of
// static destruction, and the process ends without closing the device anyway.
AudioState& Audio() {
    static AudioState* state = new AudioState;
    return *state;
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower((unsigned char)a) == std::tolower((unsigned char)b);
           });
}

// The canonical name of a driver this system offers, or "" when it offers none by that name.
std::string OfferedDriver(const std::string& name) {
    const std::string freeAudio = "FreeAudio";
    if (name.size() == freeAudio.size() && StartsWithIgnoringCase(name, freeAudio)) return freeAudio;
    if (Audio().openALEnabled && StartsWithIgnoringCase(name, "OpenAL")) return name;
    return "";
}

// A float argument made safe: NaN becomes `otherwise`, the rest is clamped.
float Clamped(float value, float low, float high, float otherwise) {
    if (std::isnan(value)) return otherwise;
    return std::clamp(value, low, high);
}

// Slowest and fastest playback rates passed to a voice.
constexpr float kMinRate = 0.01f;
constexpr float kMaxRate = 100.0f;

} // namespace

// ---- sounds ----------------------------------------------------------------------------------

TSound::TSound(std::string fileName, std::string filePath, Layout soundLayout, bool looped,
               std::shared_ptr<const std::string> fileBytes, TPcm pcm)
    : name(std::move(fileName)), path(std::move(filePath)), layout(soundLayout), loop(looped),
      bytes(std::move(fileBytes)), loaded(std::move(pcm)) {
    Audio().sounds.insert(this);
}

TSound::~TSound() {
    binding.reset();
    Audio().sounds.erase(this);
}

std::unique_ptr<TPcmStream> TSound::OpenStream(std::string& error) const {
    if (!bytes) {
        error = name + " is not streamed";
        return nullptr;
    }
    return OpenPcmStream(bytes, error);
}

bool TSound::TakePcm(TPcm& out, std::string& error) {
    if (loaded.Frames() > 0) {
        out = std::move(loaded);
        loaded = TPcm{};
        return true;
    }
    std::optional<std::string> file = ReadRegularFile(path, kMaxSoundFileBytes, &error);
    return file && DecodeSound(*file, out, error);
}

SoundRef LoadSound(const std::string& path, int flags) {
    AudioState& audio = Audio();
    audio.loadError.clear();
    std::optional<std::string> file = ReadRegularFile(path, kMaxSoundFileBytes, &audio.loadError);
    if (!file) return nullptr;
    // Opening a stream reads only the headers: it tells the layout and length without decoding.
    auto bytes = std::make_shared<const std::string>(std::move(*file));
    std::unique_ptr<TPcmStream> format = OpenPcmStream(bytes, audio.loadError);
    if (!format) return nullptr;
    std::string name = path.substr(path.find_last_of('/') + 1);
    bool loop = (flags & SOUND_LOOP) != 0;
    if (double(format->Frames()) > audio.streamAfterSeconds * format->SampleRate()) {
        TSound::Layout layout{format->Channels(), format->SampleRate(), format->Frames()};
        return std::make_shared<TSound>(name, path, layout, loop, std::move(bytes), TPcm{});
    }
    TPcm pcm;
    if (!DecodeSound(*bytes, pcm, audio.loadError)) return nullptr;
    // The decoded length is the true one (a damaged file may declare another).
    TSound::Layout layout{pcm.channels, pcm.sampleRate, pcm.Frames()};
    auto sound = std::make_shared<TSound>(name, path, layout, loop, nullptr, std::move(pcm));
    audio.backend->Prepare(*sound);
    sound->DropPcm();
    return sound;
}

const std::string& SoundLoadError() {
    return Audio().loadError;
}

// ---- channels --------------------------------------------------------------------------------

TChannel::TChannel() : id(Audio().nextChannelId++) {
    Audio().channels.insert(this);
}

TChannel::~TChannel() {
    voice.reset();
    Audio().channels.erase(this);
}

AudioVoice& TChannel::Voice() {
    AudioState& audio = Audio();
    if (!voice || voiceGeneration != audio.generation) {
        voice = audio.backend->NewVoice(id);
        voiceIsStandIn = !voice;
        if (!voice) voice = std::make_unique<TSimulatedVoice>();
        voiceGeneration = audio.generation;
    }
    return *voice;
}

void TChannel::Cue(const SoundRef& next) {
    if (!next) {
        Stop();
        return;
    }
    // A channel left silent for want of a voice tries again for a real one.
    if (voiceIsStandIn) voice.reset();
    if (!Voice().Cue(*next, volume, pan, rate)) {
        voice = std::make_unique<TSimulatedVoice>();
        voiceIsStandIn = true;
        voice->Cue(*next, volume, pan, rate);
    }
    sound = next; // after the voice took the new sound, so the old one is free to go
}

void TChannel::Pause() {
    Voice().Pause();
}
void TChannel::Resume() {
    Voice().Resume();
}

void TChannel::Stop() {
    Voice().Stop();
    sound.reset();
}

bool TChannel::Playing() {
    return sound && Voice().Active();
}

void TChannel::SetVolume(float v) {
    volume = Clamped(v, 0.0f, 1.0f, 0.0f);
    Voice().SetVolume(volume);
}

void TChannel::SetPan(float p) {
    pan = Clamped(p, -1.0f, 1.0f, 0.0f);
    Voice().SetPan(pan);
}

void TChannel::SetRate(float r) {
    rate = Clamped(r, kMinRate, kMaxRate, rate);
    Voice().SetRate(rate);
}

ChannelRef AllocChannel() {
    // The channel takes a voice of the driver at its first use.
    return std::make_shared<TChannel>();
}

ChannelRef CueSound(const SoundRef& sound, ChannelRef channel) {
    if (!channel) channel = AllocChannel();
    channel->Cue(sound);
    return channel;
}

ChannelRef PlaySound(const SoundRef& sound, ChannelRef channel) {
    channel = CueSound(sound, std::move(channel));
    channel->Resume();
    return channel;
}

void StopChannel(const ChannelRef& channel) {
    if (channel) channel->Stop();
}
void PauseChannel(const ChannelRef& channel) {
    if (channel) channel->Pause();
}
void ResumeChannel(const ChannelRef& channel) {
    if (channel) channel->Resume();
}
int ChannelPlaying(const ChannelRef& channel) {
    return channel && channel->Playing() ? 1 : 0;
}
void SetChannelVolume(const ChannelRef& channel, float volume) {
    if (channel) channel->SetVolume(volume);
}
void SetChannelPan(const ChannelRef& channel, float pan) {
    if (channel) channel->SetPan(pan);
}
void SetChannelRate(const ChannelRef& channel, float rate) {
    if (channel) channel->SetRate(rate);
}

// ---- drivers ---------------------------------------------------------------------------------

std::vector<std::string> AudioDrivers() {
    std::vector<std::string> names{"FreeAudio"};
    if (Audio().openALEnabled) names.push_back("OpenAL Generic Software");
    return names;
}

bool EnableOpenALAudio() {
    Audio().openALEnabled = true;
    return true;
}

bool SetAudioDriver(const std::string& name) {
    AudioState& audio = Audio();
    std::string offered = OfferedDriver(name);
    if (offered.empty()) {
        audio.Silence();
        return false;
    }
    // Every offered name is the same device: one already running carries on untouched.
    if (audio.backend != &audio.silence) {
        audio.driverName = offered;
        return true;
    }
    if (audio.recorder) {
        audio.Switch(audio.recorder, nullptr, offered);
        return true;
    }
    std::unique_ptr<AudioBackend> device = OpenALAudioBackend::Open();
    if (!device) return false; // already silent
    AudioBackend* running = device.get();
    audio.Switch(running, std::move(device), offered);
    return true;
}

const std::string& AudioDriverName() {
    return Audio().driverName;
}

void ShutdownAudio() {
    Audio().Silence();
}

// ---- test seam -------------------------------------------------------------------------------

TRecordingAudioBackend& UseRecordingAudio() {
    static auto* recorder = new TRecordingAudioBackend; // lives as long as the audio state
    AudioState& audio = Audio();
    audio.recorder = recorder;
    audio.Switch(recorder, nullptr, "FreeAudio");
    recorder->Clear();
    return *recorder;
}

void UseDeviceAudio() {
    Audio().recorder = nullptr;
    ShutdownAudio();
}

void SetStreamAfterSeconds(double seconds) {
    Audio().streamAfterSeconds = seconds;
}

int AudioVoicesInUse() {
    return Audio().backend->VoicesInUse();
}

} // namespace platform
