// The first screen of every run: the splash screens, then (with the intro setting on) a slide show
// of eight pictures joined by timed cross-fades with a ticking sound, during which the title music
// starts. When it ends or is skipped, the second loading stage runs and the loading screen follows
// at once, without a fade.
#pragma once

#include "core/TScreen.h"
#include "media/TAnimation.h"
#include "media/TCrossFade.h"
#include "media/TGameSound.h"
#include "platform/audio.h"
#include "platform/image.h"

#include <array>
#include <memory>

class TIntroScreen;
using TIntroScreenRef = std::shared_ptr<TIntroScreen>;

class TIntroScreen : public TScreen {
public:
    static constexpr int MAX_FRAMES = 10;

    TGameSoundRef ClickSound;
    TGameSoundRef TickSound;       // looping
    TGameSoundRef TickSoundNoLoop; // once
    platform::ChannelRef TickChannel;
    TCrossFadeRef crossfade; // the current cross-fade; null until the first
    std::array<platform::ImageRef, MAX_FRAMES> Intro{};
    TAnimationRef Anim; // the slide show's phase clock
    // The second loading stage, run when the intro closes; the program sets it.
    int (*LoadRest)() = nullptr;

    int Load() override;
    int Start() override;
    int PostFadeIn() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;
    // Ends the intro and runs the second loading stage; skipped is 1 when the player cut it short.
    int Close(int skipped);

private:
    // Close, the intro's pictures let go first, and the change to the loading screen.
    void Finish(int skipped);
    // The change to the loading screen within the same tick, without a fade or a blank frame.
    void ChangeToLoadingScreen();
    void PlayClick();
    void BeginPhase(int phase);
};

extern TIntroScreenRef IntroScreen;
