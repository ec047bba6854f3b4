#include "game/TGameMenu.h"

#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "framework/cc_input.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "game/TGameScreen.h"
#include "media/TGameFade.h"
#include "media/TSoundBank.h"
#include "platform/draw.h"
#include "platform/input.h"
#include "profiles/TProfile.h"
#include "screens/TInstructionsScreen.h"
#include "screens/TOptionsScreen.h"
#include "screens/TTitleScreen.h"

TGameMenuRef GameMenu;

int TGameMenu::Load() {
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 5);
    // Each button is named after its picture; "resume" answers Enter and Space.
    Menu->AddQuick("resume", "")->OKButton = 1;
    Menu->AddQuick("options", "");
    Menu->AddQuick("help", "");
    Menu->AddQuick("saveandexit", "");
    Menu->Centre();
    MenuY = Menu->y;
    for (const TButtonRef& button : *Menu)
        button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    ActivateSound = sounds->Find("buttonclick");
    ImageLoad("scrollbody.png", 0, 1);
    platform::MidHandleImage(Image);
    FadeIn = TAnimation::Create(SLIDE_MS, 0, 0, 0, 0);
    FadeOut = TAnimation::Create(SLIDE_MS, 0, 0, 0, 0);
    Active = 0;
    return 0;
}

int TGameMenu::Kill() {
    TScreen::Kill();
    ActivateSound = nullptr;
    DeactivateSound = nullptr;
    FadeIn = nullptr;
    FadeOut = nullptr;
    return 0;
}

void TGameMenu::PlayEffect(const TGameSoundRef& sound) const {
    if (sound && Game->Channels) Game->Channels->PlayGameSound(*sound, nullptr, 1.0f, 0.0f);
}

int TGameMenu::Show(int playSound) {
    Active = 1;
    ccFlushAll();
    // No hover or glow left over from the last time the menu was open.
    Menu->ManageNoSound(0, 0);
    Menu->ClearGlow();
    QuitFlag = 0;
    MouseState = Game->Mouse->Active;
    if (ActivateSound && playSound != 0) {
        PlayEffect(ActivateSound);
        PlayEffect(sounds->Find("scroll"));
    }
    FadeIn->Reset();
    return SetMenuY();
}

int TGameMenu::Hide() {
    if (MouseState == 0) Game->Mouse->Off();
    if (DeactivateSound) PlayEffect(DeactivateSound);
    PlayEffect(sounds->Find("scroll"));
    // A menu closed while still sliding in slides back from the height it reached.
    const float opened = FadeIn->Active != 0 ? FadeIn->Length[0] - FadeIn->Counter : FadeIn->Length[0];
    FadeOut->Reset();
    FadeOut->Counter = opened;
    FadeIn->Active = 0;
    ccFlushAll();
    return 0;
}

float TGameMenu::GetRatio() const {
    if (FadeOut && FadeOut->Active != 0) return FadeOut->GetRatio();
    if (FadeIn && FadeIn->Active != 0) return FadeIn->GetRatioInv();
    return 1.0f;
}

float TGameMenu::GetTopY() const {
    return (1.0f - GetRatio()) * DROP;
}

int TGameMenu::SetMenuY() {
    return Menu->SetY(MenuY + GetTopY());
}

int TGameMenu::LeaveFor(const TScreenRef& screen) {
    Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
    Game->DestinationTScreen = screen;
    GameScreen->StopKill = 1;
    GameScreen->StopInit = 1;
    screen->Destination = GameScreen;
    return 0;
}

int TGameMenu::TestButtons() {
    int result = STEADY;
    if (Menu->Clicked("Resume") != 0) {
        Hide();
        result = JUST_CLOSED;
    }
    if (Menu->Clicked("options") != 0) LeaveFor(OptionsScreen);
    if (Menu->Clicked("help") != 0) LeaveFor(InstructionsScreen);
    if (Menu->Clicked("saveandexit") != 0) {
        Game->GameFade->Init(float(FADE_SPEED), 1, Game->MusicChannel, 1, 0, nullptr);
        Game->DestinationTScreen = TitleScreen;
        if (Game->CurrentProfile) Game->CurrentProfile->Save();
    }
    return result;
}

int TGameMenu::Logic() {
    if (Active != 0) {
        FadeIn->Manage();
        if (FadeOut->Manage() != 0) {
            Active = 0;
            if (QuitFlag != 0) GameScreen->Quit();
            return CLOSED;
        }
        SetMenuY();
        if (FadeIn->Active == 0 && FadeOut->Active == 0) TScreen::Logic();
    }
    // Keys wait while the menu slides closed.
    if (FadeOut->Active != 0) return CLOSED;
    int result = STEADY;
    if (KeyHit(platform::vk::ESCAPE) != 0) {
        if (Active == 0) {
            Show(1);
            result = JUST_OPENED;
        } else {
            Game->EscapeSoundPlay();
            Hide();
            result = JUST_CLOSED;
        }
    }
    if (Active != 0 && TestButtons() == JUST_CLOSED) result = JUST_CLOSED;
    return result;
}

int TGameMenu::Draw() {
    if (Active == 0) return 0;
    float dim = MAX_DIM;
    if (FadeIn->Active != 0)
        dim = MAX_DIM * SinDeg(90.0f * FadeIn->GetRatioInv());
    else if (FadeOut->Active != 0)
        dim = MAX_DIM * SinDeg(90.0f * FadeOut->GetRatio());
    ccDimScreen(dim);
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetAlpha(1.0f);
    platform::SetColor(255, 255, 255);
    platform::DrawImage(Image, float(ScreenWidth / 2), float(ScreenHeight / 2) + GetTopY());
    Menu->Draw(0, 0);
    return 1;
}
