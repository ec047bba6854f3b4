// The audio driver, the pool of effect channels, the play variants, the sound and speech switches
// and volumes, and the Escape click.
#include "core/TGame.h"

#include "framework/cc_timing.h"
#include "media/TGameFade.h"
#include "platform/audio.h"

int TGame::ChannelsCreate(int n) {
    Channels = TChannelArray::Create(n);
    Channels->MaxVol = float(n);
    return 0;
}

int TGame::ChannelsKill() {
    if (Channels) Channels->Kill();
    Channels = nullptr;
    return 0;
}

int TGame::ChangeSoundDriver(const std::string& name, int save) {
    if (name.compare(0, 6, "OpenAL") == 0) platform::EnableOpenALAudio();
    SoundDriver = platform::SetAudioDriver(name) ? name : "None";
    IniUpdate(save);
    FixedRateLogic->Init();
    return 0;
}

int TGame::SoundPlay(const platform::SoundRef& sound) {
    if (!Sound) return 0;
    platform::ChannelRef channel = platform::CueSound(sound);
    platform::SetChannelVolume(channel, float(SoundVolume) / 100.0f);
    platform::ResumeChannel(channel);
    return 0;
}

int TGame::SoundPlaySameChannel(platform::ChannelRef& channel, const platform::SoundRef& sound) {
    if (!Sound || !channel) return 0;
    if (platform::ChannelPlaying(channel)) platform::SetChannelVolume(channel, 0.1f);
    platform::CueSound(sound, channel);
    platform::SetChannelVolume(channel, float(SoundVolume) / 100.0f);
    platform::ResumeChannel(channel);
    return 0;
}

int TGame::SoundPlayReturnChannel(platform::ChannelRef& channel, const platform::SoundRef& sound,
                                  float rate) {
    if (!Sound) return 0;
    if (channel && platform::ChannelPlaying(channel)) platform::SetChannelVolume(channel, 0.1f);
    channel = platform::CueSound(sound);
    platform::SetChannelVolume(channel, float(SoundVolume) / 100.0f);
    platform::SetChannelRate(channel, rate);
    platform::ResumeChannel(channel);
    return 0;
}

int TGame::GameSoundPlay(platform::ChannelRef& channel, TGameSound& sound, float pan) {
    if (!Sound) return 0;
    // Without a channel the cue would only go to a fresh channel that nobody keeps.
    if (!channel) return 0;
    if (platform::ChannelPlaying(channel)) platform::SetChannelVolume(channel, 0.1f);
    platform::CueSound(sound.sound, channel);
    float volume = float(SoundVolume) / 100.0f * sound.volume;
    if (GameFade && GameFade->Active == 1) volume *= GameFade->Ratio; // sounds fade with the screen
    platform::SetChannelVolume(channel, volume);
    platform::SetChannelPan(channel, pan);
    platform::SetChannelRate(channel, sound.pitch);
    platform::ResumeChannel(channel);
    return 0;
}

int TGame::SoundSetVolume(int volume, int save) {
    ccRangeCheck100(volume);
    SoundVolume = volume;
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic->Init();
    }
    return 0;
}

int TGame::SoundChangeVolume(int step) {
    int volume = SoundVolume + step;
    ccRangeCheck100(volume);
    return SoundSetVolume(volume, 1);
}

int TGame::ToggleSound() {
    if (Sound != 0) {
        SoundOff();
    } else {
        SoundOn();
    }
    IniUpdate(1);
    FixedRateLogic->Init();
    return 0;
}

int TGame::SoundOff() {
    Sound = 0;
    return 0;
}

int TGame::SoundOn() {
    Sound = 1;
    return 0;
}

int TGame::SpeechStop() {
    if (Speech != 0 && SpeechChannel && platform::ChannelPlaying(SpeechChannel)) {
        platform::StopChannel(SpeechChannel);
        SpeechChannel = platform::AllocChannel();
    }
    return 0;
}

int TGame::SpeechPlay(TGameSound& sound, int interrupt) {
    if (Speech == 0 || !SpeechChannel) return 0;
    if (platform::ChannelPlaying(SpeechChannel) && interrupt == 0) return 0;
    platform::CueSound(sound.sound, SpeechChannel);
    platform::SetChannelVolume(SpeechChannel, float(SpeechVolume) / 100.0f);
    platform::ResumeChannel(SpeechChannel);
    SpeechStopped = 0;
    return 0;
}

int TGame::SpeechSetVolume(int volume, int save) {
    ccRangeCheck100(volume);
    SpeechVolume = volume;
    if (SpeechChannel) platform::SetChannelVolume(SpeechChannel, float(SpeechVolume) / 100.0f);
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic->Init();
    }
    return 0;
}

int TGame::SpeechChangeVolume(int step) {
    int volume = SpeechVolume + step;
    ccRangeCheck100(volume);
    return SpeechSetVolume(volume, 1);
}

int TGame::SpeechOff() {
    Speech = 0;
    if (SpeechChannel) platform::PauseChannel(SpeechChannel);
    return 1;
}

int TGame::SpeechOn() {
    if (Speech == 1) return 0;
    Speech = 1;
    if (SpeechChannel && SpeechStopped == 0) platform::ResumeChannel(SpeechChannel);
    return 1;
}

int TGame::StopChannels() {
    platform::StopChannel(MusicChannel);
    MusicChannel = platform::AllocChannel();
    platform::StopChannel(SpeechChannel);
    SpeechChannel = platform::AllocChannel();
    return 0;
}

int TGame::SetEscapeSound(const std::string& name) {
    EscapeSound = TGameSound::Create(SoundPath + name + ".wav", 0);
    return 0;
}

int TGame::EscapeSoundPlay() {
    if (EscapeSound) EscapeSound->PlayInChannel(EscapeChannel, 0.0f);
    return 0;
}
