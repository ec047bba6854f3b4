#include "core/TScreen.h"

#include "core/TGame.h"
#include "framework/cc_files.h"
#include "framework/cc_images.h"
#include "framework/cc_input.h"
#include "media/TGameImage.h"
#include "media/TMousePointer.h"
#include "platform/draw.h"

int TScreen::ImageLoad(const std::string& file, int flags, int precache) {
    if (Game->UsingVirtualResolution != 0) flags = -1;
    Image = ccLoadBitmap(Game->ImagePath + file, flags);
    platform::SetImageHandle(Image, 0, 0);
    if (precache != 0) ccCreateFrames(Image);
    return 0;
}

int TScreen::HeaderLoad(const std::string& file, float x, float y, int precache) {
    TGameImageRef image = TGameImage::Create(Game->ImagePath + file + Ext, -1, 1);
    Header = TSprite::Create(image, x, y);
    if (precache != 0) ccCreateFrames(image->image);
    return 0;
}

int TScreen::PreStart() {
    if (StopInit == 0) {
        Load();
        Start();
    } else {
        CoreStart();
    }
    return 0;
}

int TScreen::ResetStops() {
    StopKill = 0;
    StopInit = 0;
    return 0;
}

int TScreen::Load() {
    return 0;
}

int TScreen::Start() {
    Game->Mouse->On();
    Game->IgnoreEscapeKey = 0;
    return CoreStart();
}

int TScreen::CoreStart() {
    Game->CurrentTScreen = shared_from_this();
    if (Menu) Menu->ManageNoSound(0, 0);
    ccFlushAll();
    Game->Mouse->ClearButtons();
    return Game->FixedRateLogic->Init();
}

int TScreen::PostFadeIn() {
    return 0;
}

int TScreen::PostFadeOut() {
    return 0;
}

int TScreen::Kill() {
    Image = nullptr;
    Header = nullptr;
    if (Menu) {
        Menu->Kill();
        Menu = nullptr;
    }
    return 0;
}

int TScreen::Logic() {
    if (Menu) Menu->Manage(0, 0);
    return 0;
}

int TScreen::Draw() {
    if (Image) {
        platform::SetBlend(platform::BLEND_SOLID);
        platform::DrawImage(Image, 0, 0);
    } else {
        platform::Cls();
    }
    if (Header) {
        platform::SetBlend(platform::BLEND_ALPHA);
        Header->Draw();
    }
    if (Menu) Menu->Draw(0, 0);
    return 0;
}

int TScreen::SetEscDestination() {
    Game->DestinationTScreen = Game->ExitScreen;
    return 0;
}

int TScreen::SpecificKeys() {
    return 0;
}
