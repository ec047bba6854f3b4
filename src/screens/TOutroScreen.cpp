#include "screens/TOutroScreen.h"

#include "core/TGame.h"
#include "core/confirm_input.h"
#include "framework/cc_draw.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TSoundBank.h"
#include "platform/audio.h"
#include "platform/draw.h"

int TOutroScreen::Load() {
    name = "outro";
    Game->LoadingScreen->DrawLoading(1);
    ImageLoad("outropic.jpg", 0, 1);
    ClickImage = images->Find("click");
    glow->Speed = 1.5f; // one pulse every 240 ticks
    return 0;
}

int TOutroScreen::Start() {
    return TScreen::Start();
}

int TOutroScreen::Logic() {
    TScreen::Logic();
    glow->Manage();
    if (MegaClick(0) == 0) return 0;
    // A channel of its own: the program ends right after, so nothing needs it back.
    platform::ChannelRef channel = platform::AllocChannel();
    if (TGameSoundRef click = sounds->Find("buttonclick")) click->PlayInChannel(channel, 0.0f);
    Game->GameFade->Init(float(FADE_SPEED), 1, Game->MusicChannel, 1, 0, nullptr);
    Game->DestinationTScreen = Game->ExitScreen;
    return 0;
}

int TOutroScreen::Draw() {
    TScreen::Draw();
    if (!ClickImage) return 0;
    platform::SetBlend(platform::BLEND_ALPHA);
    const float x = float(ScreenWidth / 2);
    const float y = float(ScreenHeight - ClickImage->h / 2 - 5); // bottom edge 5 px above the screen's
    platform::DrawImage(ClickImage->image, x, y);
    ccDrawImageLight(ClickImage->image, x, y, (1.0f - glow->ratio) * 0.25f, 1.0f, 1.0f, 1.0f, 0);
    return 0;
}

int TOutroScreen::SetEscDestination() {
    Game->DestinationTScreen = Game->ExitScreen;
    return 0;
}
