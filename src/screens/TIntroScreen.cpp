#include "screens/TIntroScreen.h"

#include "core/TGame.h"
#include "framework/cc_files.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "media/TLoadingScreen.h"
#include "media/TSoundBank.h"
#include "media/TSplashScreen.h"
#include "platform/draw.h"
#include "platform/image.h"
#include "platform/input.h"

#include <string>

TIntroScreenRef IntroScreen;

namespace {

// Phase lengths in ms after the first phase of 2000 ms.
constexpr int LATER_PHASES[] = {1000, 2500, 2500, 3000, 4000, 1000, 1000, 1000, 1000, 1000, 500, 3000, 2000};

// The slides a phase cross-fades between, as indices of Intro; -1 for a phase that shows a picture.
struct TPhaseFade {
    int from, to;
};
constexpr TPhaseFade PHASE_FADES[14] = {{-1, -1}, {0, 1}, {-1, -1}, {1, 2}, {-1, -1}, {2, 3}, {-1, -1},
                                        {3, 4},   {4, 5}, {5, 6},   {6, 7}, {-1, -1}, {7, 8}, {8, 9}};

} // namespace

int TIntroScreen::Load() {
    name = "intro";
    Game->Mouse->Off();
    platform::SetBlend(platform::BLEND_ALPHA);
    Game->LoadingScreen->DrawLoading(1);
    if (Game->IntroShow != 0) {
        for (int i = 0; i < 8; ++i)
            Intro[size_t(i)] = ccLoadBitmap(Game->ImagePath + "intro" + std::to_string(i + 1) + ".jpg", 0);
        Intro[8] = ccLoadBitmap(Game->ImagePath + "loadingscreen.jpg", 0);
        for (int i = 0; i < 9; ++i)
            platform::SetImageHandle(Intro[size_t(i)], 0, 0);
        Intro[9] = ccLoadBitmap(Game->ImagePath + "mainlogo.png", 0);
        platform::MidHandleImage(Intro[9]);
        ClickSound = sounds->Find("Buttonclick");
        TickSound = TGameSound::Create(Game->SoundPath + "tick.wav", 1);
        TickSoundNoLoop = TGameSound::Create(Game->SoundPath + "tick.wav", 0);
        TickChannel = platform::AllocChannel();
        Game->FixedRateLogic->Init();
        Anim = TAnimation::Create(2000, 0, 0, 0, 0);
        for (int ms : LATER_PHASES)
            Anim->AddPhase(ms);
    }
    Game->MusicLoad("title.ogg", 1);
    Game->FadeMusic = 0;
    return 0;
}

int TIntroScreen::Start() {
    TScreen::Start();
    platform::AutoMidHandle(false);
    if (Game->PortalSplash != 0) PortalSplash(750, 750, 750, 0, 0);
    ShowSplashSequence("branding", 750, 750, 750);
    if (Game->Fade != 0) BrindlecoveSplash(Game->Sound, 0);
    platform::AutoMidHandle(true);
    if (Game->IntroShow != 0) {
        Game->Mouse->Off();
        // The tick starts before the fade-in, which would scale a new sound down to silence.
        TickSound->PlayInChannel(TickChannel, 0.0f);
        Game->GameFade->Init(2000.0f, 0, nullptr, 0, 0, nullptr);
    } else {
        Game->MusicPlay(0, 0, 0);
        Finish(0);
    }
    Game->FixedRateLogic->Init();
    return 0;
}

int TIntroScreen::PostFadeIn() {
    if (Game->CurrentTScreen.get() != this) return 0;
    if (Game->GameFade->FadeInAborted != 0) {
        PlayClick();
        Finish(1);
    } else if (Anim) {
        Anim->Start();
    }
    return 0;
}

void TIntroScreen::PlayClick() {
    if (ClickSound && Game->Channels) Game->Channels->PlayGameSound(*ClickSound, nullptr, 1.0f, 0.0f);
}

void TIntroScreen::BeginPhase(int phase) {
    int ms = int(Anim->Length[size_t(phase)] * Game->FixedRateLogic->MS);
    const TPhaseFade& fade = PHASE_FADES[phase];
    if (fade.from >= 0) {
        crossfade = TCrossFade::Create(Intro[size_t(fade.from)], Intro[size_t(fade.to)], ms);
        // The show only moves on: slides before this fade's first are never drawn again, and
        // with them go their textures.
        for (int i = 0; i < fade.from; ++i)
            Intro[size_t(i)] = nullptr;
    }
    if (phase == 1) {
        platform::StopChannel(TickChannel);
        TickChannel = platform::AllocChannel();
        TickSoundNoLoop->PlayInChannel(TickChannel, 0.0f);
        Game->MusicPlay(1, 0, 0);
    }
    if (phase == 13) {
        crossfade->X2 = float(ScreenWidth / 2);
        crossfade->Y2 = 125.0f;
    }
}

int TIntroScreen::Logic() {
    TScreen::Logic();
    if (Anim && Anim->Manage() != 0) {
        if (Anim->Active == 0) {
            Finish(0);
            return 0;
        }
        BeginPhase(Anim->CurrentPhase);
    }
    if (crossfade) crossfade->Manage();
    if (Game->Mouse->GetMh(1) != 0 || KeyHit(platform::vk::RETURN) != 0 || KeyHit(platform::vk::SPACE) != 0) {
        PlayClick();
        Finish(1);
    }
    return 0;
}

int TIntroScreen::Close(int skipped) {
    if (skipped != 0 && Game->IntroShow != 0 && Anim && Anim->CurrentPhase == 0) {
        Game->MusicPlay(0, 0, 0);
        if (TickChannel) {
            platform::StopChannel(TickChannel);
            TickChannel = nullptr;
        }
    }
    if (LoadRest) LoadRest();
    Game->NoFade = 1;
    return 0;
}

void TIntroScreen::Finish(int skipped) {
    // Nothing draws the intro again within this tick: its slides go before the second loading
    // stage loads the rest of the game, so the two never take memory together.
    crossfade = nullptr;
    Intro = {};
    Close(skipped);
    ChangeToLoadingScreen();
}

void TIntroScreen::ChangeToLoadingScreen() {
    Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
    Game->DestinationTScreen = Destination;
    Game->GameFade->Manage();
    Game->ScreenChange();
}

int TIntroScreen::SetEscDestination() {
    Close(1);
    Game->FadeMusic = 0;
    Game->DestinationTScreen = Destination;
    return 0;
}

int TIntroScreen::Draw() {
    if (!crossfade) {
        platform::SetBlend(platform::BLEND_SOLID);
        if (Intro[0]) platform::DrawImage(Intro[0], 0, 0);
        platform::SetBlend(platform::BLEND_ALPHA);
    } else {
        crossfade->Draw();
    }
    return 0;
}

int TIntroScreen::Kill() {
    TScreen::Kill();
    ClickSound = nullptr;
    TickSound = nullptr;
    TickSoundNoLoop = nullptr;
    crossfade = nullptr;
    Anim = nullptr;
    Intro = {};
    return 0;
}
