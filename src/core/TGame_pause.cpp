// Pause, focus and termination: the window check of every tick, the player's pause, the overlay
// drawn while paused or in the background, and the music fade tied to pausing.
#include "core/TGame.h"

#include "core/TScreen.h"
#include "framework/cc_input.h"
#include "framework/cc_system.h"
#include "framework/core_services.h"
#include "platform/draw.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "profiles/TProfile.h"

namespace {

int CallHook(const TGameHook& hook) {
    return hook ? hook() : 0;
}

} // namespace

int TGame::CheckWindow() {
    if (GameTerminated() == -1) return -1;
    if (SuspendedEvent != 0 && Suspended == 0) {
        bool pauseNow = PauseOnLossOfFocus != 0 || (PauseOnLossOfFullScreenFocus != 0 && FullScreen != 0);
        if (pauseNow && Paused == 0) {
            Paused = 1;
            Pause();
        }
        if (Paused == 0) Pause();
        Suspended = 1;
        platform::ShowMouse();
        CallHook(UserSuspendFunction);
    } else if (SuspendedEvent == 0 && Suspended != 0) {
        if (Paused == 0) {
            if (PausedMusicState == 1) MusicOn();
            if (PausedSpeechState == 1) SpeechOn();
            SetPriority();
        }
        FixedRateLogic->Init();
        Suspended = 0;
        if (CustomMousePointer != 0) platform::HideMouse();
        CallHook(UserResumeFunction);
        ccFlushAll();
    }
    if (Suspended == 0 && Paused == 0) {
        if (Music == 1 && MusicLooped == 0 && platform::ChannelPlaying(MusicChannel) == 0) MusicStopped = 1;
        if (Speech == 1 && platform::ChannelPlaying(SpeechChannel) == 0) SpeechStopped = 1;
        MusicFadeInManage();
        MusicFadeOutManage();
    }
    if (Suspended != 0) platform::Delay(1);
    return 1;
}

int TGame::GameTerminated() {
    if (TerminatedEvent == 0) return 1;
    TerminatedEvent = 0;
    if (CallHook(TerminatedUserFunction) != 0) return 1;
    InstantExit = 1;
    if (CurrentProfile && CurrentTScreen && CurrentTScreen->name == "game") CurrentProfile->Save();
    return -1;
}

int TGame::TogglePause() {
    Paused = Paused == 0 ? 1 : 0;
    if (Paused == 1)
        Pause();
    else
        UnPause();
    ccFlushAll();
    return 0;
}

int TGame::Pause() {
    PausedMusicState = Music;
    PausedSpeechState = Speech;
    if (Music != 0) MusicOff();
    if (Speech != 0) SpeechOff();
    CallHook(PausedUserFunction);
    ccSetPriority(0, 0);
    return 0;
}

int TGame::UnPause() {
    if (PausedMusicState == 1) MusicOn();
    if (PausedSpeechState == 1) SpeechOn();
    SetPriority();
    FixedRateLogic->Init();
    return 0;
}

int TGame::SpritePausedCreate(const TGameImageRef& image) {
    SpritePaused = TSprite::Create(image, 0, 0);
    SpritePaused->Centre();
    return 0;
}

int TGame::ShowPaused() {
    if ((Paused == 0 && Suspended == 0) || !SpritePaused) return 0;
    platform::SetBlend(platform::BLEND_ALPHA);
    if (DimWhenPaused != 0) {
        platform::SetColor(0, 0, 0);
        platform::SetAlpha(0.5f);
        platform::DrawRect(0, 0, float(ScreenWidth), float(ScreenHeight));
    }
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(1.0f);
    SpritePaused->Draw();
    return 0;
}

float TGame::PauseFadeCalc() {
    float length = CalcAnimLength(int(PauseFadeLength));
    // A fade shorter than one tick is over at once.
    if (length <= 0.0f) return 1.0f;
    return (length - PauseFadeCounter) / length;
}

int TGame::PauseFadeApply() {
    float factor = 1.0f;
    if (PauseFadeLength > 0) {
        factor = PauseFadeCalc();
        if (PauseFadeDirection == 0) factor = 1.0f - factor;
    }
    platform::SetChannelVolume(MusicChannel, float(GetMusicVolume()) / 100.0f * factor);
    return 0;
}

int TGame::PauseFadeManage() {
    if (PauseFadeCounter <= 0) return 0;
    PauseFadeCounter -= Delta;
    if (PauseFadeCounter < 0) PauseFadeCounter = 0;
    PauseFadeApply();
    return 0;
}
