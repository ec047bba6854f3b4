// Music: one piece at a time on the music channel. The wanted piece is remembered while music is
// off, so switching it on starts the right one; a started piece fades in over MusicFadeIn.
#include "core/TGame.h"

#include "framework/cc_files.h"
#include "framework/cc_timing.h"
#include "framework/core_services.h"

#include <cmath>

int TGame::MusicLoad(const std::string& file, int looped) {
    if (Music != 0) {
        MusicStop();
        MusicSample = ccLoadSample(MusicPath + file, looped);
    }
    MusicLooped = looped;
    MusicRestart = 1;
    MusicFileName = file;
    return 0;
}

int TGame::MusicSet(const platform::SoundRef& sound, const std::string& file, int looped) {
    if (Music != 0) {
        MusicStop();
        MusicSample = sound;
    }
    MusicLooped = looped;
    MusicRestart = 1;
    MusicFileName = file;
    return 0;
}

int TGame::MusicStop() {
    if (Music != 0 && MusicChannel && platform::ChannelPlaying(MusicChannel) != 0) {
        platform::StopChannel(MusicChannel);
        MusicChannel = platform::AllocChannel();
    }
    MusicRestart = 1;
    return 0;
}

int TGame::MusicPlay(int fadeIn, int customVolume, int startSilent) {
    CustomMusicVolume = customVolume;
    if (Music == 0) {
        MusicRestart = 1;
    } else if (MusicChannel && MusicSample) {
        MusicFadeInCounter = fadeIn != 0 ? CalcAnimLength(int(std::trunc(MusicFadeIn - 1.0f))) : 0.0f;
        platform::CueSound(MusicSample, MusicChannel);
        MusicFadeInApply();
        if (startSilent != 0) platform::SetChannelVolume(MusicChannel, 0.0f);
        platform::ResumeChannel(MusicChannel);
        MusicRestart = 0;
        MusicStopped = 0;
    }
    MusicName = MusicFileName;
    return 0;
}

// (L - counter) / L for a fade of ms; a fade shorter than one tick is over at once.
static float FadeFraction(const TGame& game, float ms, float counter) {
    float length = game.CalcAnimLength(int(std::trunc(ms)));
    if (length <= 0.0f) return 1.0f;
    return (length - counter) / length;
}

float TGame::MusicFadeInCalc() const {
    return FadeFraction(*this, MusicFadeIn, MusicFadeInCounter);
}

float TGame::MusicFadeOutCalc() const {
    return FadeFraction(*this, MusicFadeOut, MusicFadeOutCounter);
}

int TGame::MusicFadeInApply() {
    float r = MusicFadeIn > 0 ? MusicFadeInCalc() : 1.0f;
    platform::SetChannelVolume(MusicChannel, float(GetMusicVolume()) / 100.0f * r);
    return 0;
}

int TGame::MusicFadeOutApply() {
    float r = MusicFadeOut > 0 ? MusicFadeOutCalc() : 1.0f;
    platform::SetChannelVolume(MusicChannel, float(GetMusicVolume()) / 100.0f * (1.0f - r));
    return 0;
}

int TGame::MusicFadeInManage() {
    if (MusicFadeInDelay > 0) {
        MusicFadeInDelay -= Delta;
        if (MusicFadeInDelay >= 0) return 0;
        MusicFadeInDelay = 0;
    }
    if (MusicFadeInCounter > 0) {
        MusicFadeInCounter -= Delta;
        if (MusicFadeInCounter < 0) MusicFadeInCounter = 0;
        MusicFadeInApply();
    }
    return 0;
}

int TGame::MusicFadeOutManage() {
    if (MusicFadeOutCounter > 0) {
        MusicFadeOutCounter -= Delta;
        if (MusicFadeOutCounter < 0) MusicFadeOutCounter = 0;
        MusicFadeOutApply();
    }
    return 0;
}

int TGame::MusicFadeOutSet(int ms) {
    MusicFadeOut = float(ms);
    MusicFadeOutCounter = CalcAnimLength(ms);
    return 0;
}

int TGame::MusicSetVolume(int volume, int save) {
    ccRangeCheck100(volume);
    MusicVolume = volume;
    if (MusicChannel) platform::SetChannelVolume(MusicChannel, float(GetMusicVolume()) / 100.0f);
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic->Init();
    }
    return 0;
}

int TGame::MusicChangeVolume(int step) {
    int volume = MusicVolume + step;
    ccRangeCheck100(volume);
    return MusicSetVolume(volume, 1);
}

int TGame::ToggleMusic() {
    if (Paused != 0) return 0;
    if (Music != 0)
        MusicOff();
    else
        MusicOn();
    IniUpdate(1);
    FixedRateLogic->Init();
    return 0;
}

int TGame::MusicOff() {
    if (SpecialChannel) platform::PauseChannel(SpecialChannel);
    if (MusicRestart != 0) return 0;
    Music = 0;
    if (MusicChannel) platform::PauseChannel(MusicChannel);
    MusicRestart = 0;
    return 1;
}

int TGame::MusicOn() {
    if (SpecialChannel) platform::ResumeChannel(SpecialChannel);
    if (Music == 1) return 0;
    Music = 1;
    if (MusicRestart == 1 || !MusicChannel) {
        // No music wanted: nothing to load (a load of "none" could only fail).
        if (MusicFileName == "none") return 1;
        MusicLoad(MusicFileName, MusicLooped);
        if (MusicName != "none") MusicPlay(1, 0, 0);
    } else if (MusicLooped != 0 || MusicStopped == 0) {
        platform::ResumeChannel(MusicChannel);
    }
    return 1;
}
