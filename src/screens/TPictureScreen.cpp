#include "screens/TPictureScreen.h"

#include "core/TFixedRateLogic.h"
#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "media/TMousePointer.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "widgets/dialog_builders.h"

TPictureScreenRef PictureScreen;

std::string TPictureScreen::GetPicName() {
    return "pic" + std::to_string(PicIndex) + ".jpg";
}

int TPictureScreen::Load() {
    name = "picture";
    ImageLoad(GetPicName(), 0, 1);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    OKButtonCreate(*Menu);
    if (TButtonRef ok = Menu->FindButton("OK")) ok->y += 12;
    platform::SetImageFont(UIFont);
    LabelH = platform::TextHeight(LabelText);
    LabelW = platform::TextWidth(LabelText);
    LabelY = Border;
    LabelX = (ScreenWidth - LabelW) / 2;
    Game->FadeMusic = 0; // Escape leaves the music playing
    return 0;
}

int TPictureScreen::Start() {
    TScreen::Start();
    Game->GameFade->Init(float(FADE_SPEED), 0, nullptr, 0, 0, nullptr);
    Game->FixedRateLogic->Init(); // the time spent loading the picture is not caught up
    LabelMO = 0;
    return 0;
}

int TPictureScreen::Logic() {
    if (DialogOK) {
        if (DialogOK->Manage() == 0) return 0;
        DialogOK->Kill();
        DialogOK = nullptr;
        Menu->ManageNoSound(0, 0);
    }
    TScreen::Logic();
    if (Game->Mouse->GetMh(1) != 0) {
        if (TButtonRef ok = Menu->FindButton("OK")) ok->PlayClick();
        return Close();
    }
    if (Menu->Clicked("ok") != 0) Close();
    return 0;
}

int TPictureScreen::Close() {
    Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
    Game->DestinationTScreen = Destination;
    return 0;
}

int TPictureScreen::Draw() {
    platform::SetBlend(platform::BLEND_SOLID);
    platform::DrawImage(Image, 0, 0);
    platform::SetBlend(platform::BLEND_ALPHA);
    Menu->Draw(0, 0);
    platform::SetColor(255, 255, 255);
    if (DialogOK) DialogOK->Draw();
    return 0;
}

int TPictureScreen::SetEscDestination() {
    Game->DestinationTScreen = Destination;
    return 0;
}
