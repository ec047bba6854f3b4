#include "game/TGameFinishedScreen.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "media/TLoadingScreen.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "screens/TTitleScreen.h"
#include "widgets/dialog_builders.h"

#include <algorithm>
#include <string>

TGameFinishedScreenRef GameFinishedScreen;

namespace {

constexpr int kSantaFadeMs = 1200;
// The left edge of the window frame in the room behind, and the room the caption keeps from it.
constexpr int WINDOW_LEFT = 616;
constexpr int CLEARANCE = 8;
// The way out is three ordinary fades long.
int LeaveMs() {
    return 3 * FADE_SPEED;
}

} // namespace

int TGameFinishedScreen::Load() {
    name = "gamefinished";
    Game->LoadingScreen->DrawLoading(1);
    ImageLoad("title.jpg", 0, 1);
    Santa = TGameImage::Create(Game->ImagePath + "Santa.png", -1, 1);
    Game->MusicLoad("gameend.ogg", 1);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    OKButtonCreate(*Menu);
    if (TButtonRef ok = Menu->FindButton("OK")) ok->y += 10.0f;
    Game->FadeMusic = 1;
    SantaFade = TAnimation::Create(kSantaFadeMs, 0, 0, 0, 0);
    HOHOSound = TGameSound::Create(Game->SoundPath + "hohoho.wav", 0);
    return 0;
}

int TGameFinishedScreen::Start() {
    TScreen::Start();
    SantaFade->Start();
    Game->GameFade->Init(float(FADE_SPEED), 0, nullptr, 0, 0, nullptr);
    Game->FixedRateLogic->Init();
    return 0;
}

int TGameFinishedScreen::PostFadeIn() {
    if (HOHOSound && Game->Channels) Game->Channels->PlayGameSound(*HOHOSound, nullptr, 1.0f, 0.0f);
    return 0;
}

int TGameFinishedScreen::Logic() {
    TScreen::Logic();
    if (SantaFade->Active != 0 && SantaFade->Manage() == 1) Game->MusicPlay(1, 0, 0);
    if (Game->Mouse->GetMh(1) != 0) {
        if (TButtonRef ok = Menu->FindButton("OK")) ok->PlayClick();
        Close();
        return 0;
    }
    if (Menu->Clicked("ok") != 0) Close();
    return 0;
}

int TGameFinishedScreen::Close() {
    Game->GameFade->Init(float(LeaveMs()), 1, Game->MusicChannel, 1, 0, nullptr);
    Game->DestinationTScreen = TitleScreen;
    return 0;
}

int TGameFinishedScreen::Draw() {
    platform::SetBlend(platform::BLEND_SOLID);
    platform::DrawImage(Image, 0, 0);
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetAlpha(SantaFade->GetRatioInv());
    platform::DrawImage(Santa->image, float(ScreenWidth / 2 - 5), 375.0f);
    platform::SetAlpha(1.0f);
    ccShadowTextSet(1.0f, 1.0f, 0.4f);
    platform::SetColor(255, 255, 255);
    platform::SetImageFont(MainFont);
    ccDrawTextCentred("The End", float(ScreenWidth / 2), 60.0f, 1, 0);
    platform::SetImageFont(MapFont);
    // Scaled down where it would reach the window of the room behind it.
    const std::string thanks = "Thank you for playing!";
    const float room = 2.0f * float(WINDOW_LEFT - CLEARANCE - ScreenWidth / 2);
    const float fit = std::min(1.0f, room / float(platform::TextWidth(thanks)));
    platform::SetScale(fit, fit);
    ccDrawTextCentred(thanks, float(ScreenWidth / 2), 115.0f, 1, 0);
    platform::SetScale(1.0f, 1.0f);
    Menu->Draw(0, 0);
    return 0;
}

int TGameFinishedScreen::SetEscDestination() {
    Game->DestinationTScreen = TitleScreen;
    return LeaveMs();
}

int TGameFinishedScreen::Kill() {
    TScreen::Kill();
    Santa = nullptr;
    SantaFade = nullptr;
    HOHOSound = nullptr;
    return 0;
}
