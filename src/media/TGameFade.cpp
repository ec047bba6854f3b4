#include "media/TGameFade.h"

#include "core/TGame.h"
#include "core/TScreen.h"
#include "framework/cc_draw.h"
#include "framework/cc_input.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "media/TChannelArray.h"
#include "media/TMousePointer.h"
#include "platform/draw.h"
#include "platform/graphics.h"

#include <algorithm>

int TGameFade::Init(float ms, int out, const platform::ChannelRef& channel, int allowAnim, int startCounter,
                    const TGameChannelRef& channel2) {
    if (Active == 1) return 0;
    Length = TruncToInt(CalcAnimLength(TruncToInt(ms)));
    Counter = float(startCounter);
    Active = 1;
    Out = out;
    ccFlushAll(); // input pending so far cannot cut the new fade short
    Done = 0;
    Channel = channel;
    Channel2 = channel2;
    AllowAnim = allowAnim;
    FadeInAborted = 0;
    FadeCounterBeforeAbort = 0.0f;
    SetToFullOnAbort = 1;
    AbortKey = -1;
    if (out == 1) Game->FadeMusic = 1;
    Ratio = out == 1 ? 1.0f : 0.0f;
    if (startCounter > 0) CalcRatio();
    if (Game->Fade == 0 || Game->NoFade == 1) Finish();
    return 1;
}

int TGameFade::Manage() {
    if (Active == 0) return 0;
    int key = KeyPressed();
    int click = Game->Mouse->GetMh(1);
    if (click != 0 || key != -1) {
        if (Out == 0) {
            FadeInAborted = 1;
            AbortKey = key;
        }
        Finish();
        return -1;
    }
    Counter += Delta;
    CalcRatio();
    FadeChannels();
    if (Counter >= float(Length)) {
        Finish();
        return 1;
    }
    return 0;
}

int TGameFade::CalcRatio() {
    float ratio = 0.0f;
    if (Length != 0)
        ratio = Counter / float(Length);
    else if (Counter > 0)
        ratio = 1.0f;
    ratio = std::clamp(ratio, 0.0f, 1.0f);
    Ratio = Out == 1 ? 1.0f - ratio : ratio;
    return 0;
}

int TGameFade::FadeChannels() {
    if (Channel) platform::SetChannelVolume(Channel, Ratio * float(Game->GetMusicVolume()) / 100.0f);
    if (Channel2 && Channel2->Channel)
        platform::SetChannelVolume(Channel2->Channel, Ratio * float(Game->SoundVolume) / 100.0f);
    if (Game->SpeechChannel)
        platform::SetChannelVolume(Game->SpeechChannel, Ratio * float(Game->SpeechVolume) / 100.0f);
    return 0;
}

int TGameFade::Finish() {
    Active = 0;
    Done = 1;
    if (Out == 1) {
        Ratio = 0.0f;
    } else {
        if (SetToFullOnAbort == 1) Ratio = 1.0f;
        if (FadeInAborted == 1) FadeCounterBeforeAbort = Counter;
    }
    FadeChannels(); // music and speech end silent after a fade out, at full volume after a fade in
    TScreenRef screen = Game->CurrentTScreen; // none before the first screen starts
    if (Out == 1) {
        if (Channel2) {
            if (Channel2IsGameChannelArray == 1 && Game->Channels)
                Game->Channels->StopGameChannel(Channel2);
            else
                platform::StopChannel(Channel2->Channel);
            Channel2 = nullptr;
        }
        Game->SpeechStop();
        if (Game->Fade != 0 && Game->NoFade == 0) {
            // A plain screen stays shown while the next screen loads.
            const TColorRef& cls = Game->ClsColor;
            ccClsNoFlip(cls ? cls->R : 0, cls ? cls->G : 0, cls ? cls->B : 0);
            if (Game->FadeMouse != 1) Game->Mouse->Draw();
            platform::Flip(1);
        }
        if (screen) screen->PostFadeOut();
    } else if (screen) {
        screen->PostFadeIn();
    }
    Game->NoFade = 0;
    ccFlushAll();
    return 0;
}

int TGameFade::Draw() {
    if (Active == 0) return 0;
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetAlpha(1.0f - Ratio);
    const TColorRef& cls = Game->ClsColor; // none before the graphics mode: black
    platform::SetColor(cls ? cls->R : 0, cls ? cls->G : 0, cls ? cls->B : 0);
    platform::DrawRect(0, 0, float(ScreenWidth), float(ScreenHeight));
    platform::SetAlpha(1.0f);
    platform::SetColor(255, 255, 255);
    return 0;
}

int TGameFade::GetDone() {
    int done = Done;
    Done = 0;
    return done;
}
