// Sounds and channels of the platform layer. Short sounds are decoded whole when loaded (WAV with
// our own reader, Ogg Vorbis with libvorbisfile), long ones while they play; each channel plays one sound at
// a time on the audio driver chosen by SetAudioDriver. OpenAL Soft does the mixing on its own thread; all of
// these functions are called from the main thread. Only src/platform includes OpenAL or Vorbis.
//
// Drivers: "FreeAudio" and, after EnableOpenALAudio, any name beginning with "OpenAL" open
// OpenAL Soft's default device; names are matched ignoring case. Any other name, or a device
// that does not open, leaves the driver "None": every channel is silent, but loading still
// decodes and channels still keep their state, a sound ending after its length on the game
// clock, so the game behaves the same with or without a sound card.
//
// Switching to another driver silences what was playing: channels and sounds stay valid and
// play on the new driver from their next CueSound.
#pragma once

#include "platform/sound_decode.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

enum : int { SOUND_LOOP = 1 };

class AudioVoice;
class TSoundBinding;
class TSound;
using SoundRef = std::shared_ptr<TSound>;

// A sound shared by every channel that plays it. A short one is decoded whole when loaded and
// handed to the driver, which keeps the one copy of its samples (the driver "None" needs only
// its length). A long one (more than 10 s of audio; tests may set another length) keeps the
// file's bytes and is decoded while it plays, each channel reading its own stream.
class TSound {
public:
    struct Layout {
        int channels = 0, sampleRate = 0;
        size_t frames = 0;
    };
    // A streamed sound gives the file's `bytes`, a short one its decoded `pcm`.
    TSound(std::string name, std::string path, Layout layout, bool loop,
           std::shared_ptr<const std::string> bytes, TPcm pcm);
    ~TSound();
    TSound(const TSound&) = delete;
    TSound& operator=(const TSound&) = delete;

    // The file name it was loaded from, without its folder.
    const std::string& Name() const { return name; }
    bool Looped() const { return loop; }
    int Channels() const { return layout.channels; }
    int SampleRate() const { return layout.sampleRate; }
    size_t Frames() const { return layout.frames; }

    bool Streamed() const { return bytes != nullptr; }
    // Streamed sounds: a decoder at the first frame; null (with the reason) when it fails.
    std::unique_ptr<TPcmStream> OpenStream(std::string& error) const;
    // Short sounds: the whole PCM for a driver to copy. The samples decoded at load are handed
    // over once; a driver started later gets them decoded again from the file.
    bool TakePcm(TPcm& out, std::string& error);
    // Lets go of samples decoded at load that no driver took (the driver "None" times the
    // sound by its length alone).
    void DropPcm() { loaded = TPcm{}; }

    // The driver's copy of the samples (an OpenAL buffer), made when the sound is loaded or
    // first played on a driver; dropped when the driver changes.
    std::unique_ptr<TSoundBinding> binding;

private:
    std::string name, path;
    Layout layout;
    bool loop;
    std::shared_ptr<const std::string> bytes; // streamed sounds: the file
    TPcm loaded;                              // short sounds: the samples until a driver takes them
};

// A channel keeps its volume, pan and rate across the sounds cued on it. It holds a voice of
// the driver (an OpenAL source) for as long as the channel lives, so dropping the last
// reference to a channel gives its voice back.
class TChannel {
public:
    TChannel();
    ~TChannel();
    TChannel(const TChannel&) = delete;
    TChannel& operator=(const TChannel&) = delete;

    // Serial number of the channel, from 1, as the recording backend logs it.
    int Id() const { return id; }

    // The sound at its start, paused, in place of whatever the channel held (null: idle).
    void Cue(const std::shared_ptr<TSound>& sound);
    void Pause();
    // Starts a cued sound or continues a paused one; a stopped or ended sound stays silent.
    void Resume();
    // Stops for good: only a new Cue plays again.
    void Stop();
    // True while the channel holds a sound that has neither ended nor been stopped; a paused
    // or cued channel counts as playing.
    bool Playing();
    float Volume() const { return volume; }
    float Pan() const { return pan; }
    float Rate() const { return rate; }
    // Values are clamped into range; a NaN volume or pan counts as 0, a NaN rate is ignored.
    void SetVolume(float v); // 0..1
    void SetPan(float p);    // -1 (left)..1 (right); places mono sounds, stereo sounds ignore it
    void SetRate(float r);   // 0.01..100: playback speed and pitch together, 1 = as recorded

private:
    friend struct AudioState;
    AudioVoice& Voice();

    int id;
    float volume = 1.0f;
    float pan = 0.0f;
    float rate = 1.0f;
    // Declared before the voice so the voice (which may still reference the sound's buffer)
    // goes first.
    std::shared_ptr<TSound> sound;
    std::unique_ptr<AudioVoice> voice;
    int voiceGeneration = -1;    // the driver the voice belongs to
    bool voiceIsStandIn = false; // the driver had no voice free: silent, retried at each Cue
};

using ChannelRef = std::shared_ptr<TChannel>;

// Names SetAudioDriver accepts: "FreeAudio", plus "OpenAL Generic Software" once OpenAL is enabled
// (any name beginning with "OpenAL" is taken as that driver).
std::vector<std::string> AudioDrivers();
// True when a driver of that name exists and started; otherwise the driver is "None".
bool SetAudioDriver(const std::string& name);
// "None" while silent, else the driver's name ("FreeAudio", or the "OpenAL..." name given).
const std::string& AudioDriverName();
// Makes the "OpenAL..." names available to SetAudioDriver.
bool EnableOpenALAudio();
// Closes the device; the driver becomes "None".
void ShutdownAudio();

// A WAV or Ogg Vorbis file (told apart by content), opened through ResolvePath; flags
// SOUND_LOOP makes it repeat. Null when the file is missing or cannot be decoded (for a streamed
// sound: when its headers are damaged; damage further in ends the sound there as it plays).
SoundRef LoadSound(const std::string& path, int flags = 0);
// Why the last LoadSound gave null ("" after a success).
const std::string& SoundLoadError();

// Every function below accepts a null channel and then does nothing (CueSound and PlaySound
// make a fresh one).
ChannelRef AllocChannel();
ChannelRef CueSound(const SoundRef& sound, ChannelRef channel = nullptr);
// CueSound followed by ResumeChannel.
ChannelRef PlaySound(const SoundRef& sound, ChannelRef channel = nullptr);
void StopChannel(const ChannelRef& channel);
void PauseChannel(const ChannelRef& channel);
void ResumeChannel(const ChannelRef& channel);
int ChannelPlaying(const ChannelRef& channel);
void SetChannelVolume(const ChannelRef& channel, float volume);
void SetChannelPan(const ChannelRef& channel, float pan);
void SetChannelRate(const ChannelRef& channel, float rate);

} // namespace platform
