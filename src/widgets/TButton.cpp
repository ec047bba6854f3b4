#include "widgets/TButton.h"

#include "core/TGame.h"
#include "framework/cc_files.h"
#include "framework/core_services.h"
#include "media/TChannelArray.h"
#include "media/TMousePointer.h"
#include "platform/draw.h"

#include <algorithm>

namespace {

void PlayInPool(const TGameSoundRef& sound) {
    if (sound && Game->Channels) Game->Channels->PlayGameSound(*sound, nullptr, 1.0f, 0.0f);
}

} // namespace

int TButton::Load(const std::string& picture, const std::string& mouseOverImage,
                  const std::string& mouseOverSound, const std::string& clickSound, int cellWidth,
                  int cellHeight, int frames) {
    SetName(picture);
    LoadImages(picture, mouseOverImage, cellWidth, cellHeight, frames);
    if (!mouseOverSound.empty())
        SoundMouseOver = TGameSound::Create(Game->SoundPath + mouseOverSound + SoundExt, 0);
    if (!clickSound.empty()) SoundClick = TGameSound::Create(Game->SoundPath + clickSound + SoundExt, 0);
    return Init();
}

int TButton::LoadImages(const std::string& file, const std::string& mouseOverImage, int cellWidth,
                        int cellHeight, int frames) {
    std::string path = GetPath();
    // Buttons are placed by their top-left corner.
    image = TGameImage::CreateAuto(path + file + Ext, cellWidth, cellHeight, 0, frames, -1, 1);
    image->MidHandle(0);
    if (mouseOverImage.empty()) return 0;
    if (!ccFileExists(path + mouseOverImage + Ext)) {
        ImageMouseOver = image;
    } else {
        ImageMouseOver =
            TGameImage::CreateAuto(path + mouseOverImage + Ext, cellWidth, cellHeight, 0, frames, -1, 1);
        ImageMouseOver->MidHandle(0);
    }
    return 0;
}

std::string TButton::GetPath() const {
    return UseMenuPath != 0 ? Game->MenuPath : Game->ImagePath;
}

int TButton::Init() {
    TSprite::Init();
    GetSize();
    return ClearClick();
}

int TButton::ClearClick() {
    Clicked = 0;
    MouseClickCounter = 0.0f;
    MouseOver = 0;
    Glow = 0.0f;
    return 0;
}

int TButton::CentreX(int atY) {
    x = float((ScreenWidth - w) / 2);
    y = float(atY);
    return 0;
}

bool TButton::PointerOver() const {
    int mx = Game->Mouse->x, my = Game->Mouse->y;
    int left = int(x + offx), top = int(y + offy);
    return mx >= left && mx < left + w && my >= top && my < top + h;
}

int TButton::Manage() {
    bool takesPart = Active != 0 && (Disabled == 0 || (Disabled == 1 && ClickDisabled == 1));
    if (!takesPart) {
        MouseOver = 0;
        Clicked = 0;
        if (FixedGlowOnMO == 1) ManageGlow();
        return 0;
    }
    ManageAnim();
    if (GlowMode > 0) ManageGlow();
    if (PointerOver()) {
        if (MouseClickCounter == 0) {
            if (MouseOver == 0 && NoSound == 0) PlayMouseOver();
            MouseOver = 1;
        }
        FixedGlowOnMOActivate();
        // Any button's press counts, and taking it leaves it to no later reader in this tick.
        if (Game->Mouse->GetMh(1) != 0)
            Click(0);
        else
            Clicked = 0;
    } else {
        MouseOver = 0;
        Clicked = 0;
    }
    if (OKButton != 0) {
        bool enter = KeyHit(13) != 0;
        bool space = !enter && KeyHit(32) != 0; // taken even when Space does not count
        if (enter || (space && OKButtonUseSpace != 0)) SimulateClick();
    }
    if (MouseClickCounter > 0 && StayDown == 0) MouseClickCounter = std::max(0.0f, MouseClickCounter - Delta);
    return 0;
}

int TButton::Click(int /*useSecondSound*/) {
    if (!(MouseClickCounter == 0 || (ClickWhenDown == 1 && MouseClickCounter > 0))) return 0;
    if (Clicked == 0 && NoSound == 0) PlayClick(); // a press and a key in one tick sound once
    Clicked = 1;
    return 1;
}

int TButton::SimulateClick() {
    FixedGlowOnMOActivate();
    if (Click(0)) MouseOver = 1;
    return 0;
}

int TButton::FixedGlowOnMOActivate() {
    if (FixedGlowOnMO == 1 && MouseClickCounter == 0) SetGlow(2, GlowMax, GlowSpeed, 0, GlowMax);
    return 0;
}

int TButton::PlayMouseOver() {
    PlayInPool(SoundMouseOver);
    return 0;
}

int TButton::PlayClick() {
    PlayInPool(SoundClick);
    return 0;
}

void TButton::DrawLook(const TGameImageRef& look, const TGameImageRef& glowImage, bool glow) {
    DrawShadow(look, 0, 0);
    platform::DrawImage(look->image, x, y, frame);
    if (glow) {
        DrawLight(Glow, 1, 1, 1, glowImage);
        if (UseAlpha != 0) platform::SetAlpha(Alpha);
    }
}

int TButton::Draw() {
    if (Active == 0 && AlwaysDraw == 0) return 0;
    platform::SetBlend(platform::BLEND_ALPHA);
    float keptX = x, keptY = y;
    x += offx;
    y += offy;
    if (UseAlpha != 0) platform::SetAlpha(Alpha);
    platform::SetScale(ScaleX, ScaleY);
    bool glowing = GlowMode > 0 && Glow > 0;
    bool hovered = (MouseOver != 0 || (FixedGlowOnMOUseMO != 0 && glowing)) && ImageMouseOver;
    if (hovered) {
        bool glow = glowing && (FixedGlowOnMO != 0 || AutoGlowOnMO != 0) && UseGlowOnMO != 0;
        DrawLook(ImageMouseOver, ImageMouseOver, glow);
    } else if (image) {
        DrawLook(image, nullptr, glowing);
    }
    x = keptX;
    y = keptY;
    if (UseAlpha != 0) platform::SetAlpha(1.0f);
    platform::SetScale(1, 1);
    return 1;
}
