#include "widgets/TButton.h"

#include "core/TGame.h"
#include "framework/cc_files.h"
#include "framework/cc_images.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "media/TChannelArray.h"
#include "media/TMousePointer.h"
#include "platform/draw.h"
#include "platform/input.h"

#include <algorithm>

namespace {

// A picture with its handle at the top-left corner: buttons are placed by that corner.
TGameImageRef LoadTopLeft(const std::string& file, int cellWidth, int cellHeight, int frames) {
    TGameImageRef picture = TGameImage::CreateAuto(file, cellWidth, cellHeight, 0, frames, -1, 1);
    picture->MidHandle(0);
    return picture;
}

} // namespace

TButtonRef TButton::CreateSpecial(const std::string& picture, const std::string& mouseOverImage,
                                  const std::string& mouseOverSound, const std::string& clickSound) {
    auto button = std::make_shared<TButton>();
    button->Load(picture, mouseOverImage, mouseOverSound, clickSound, 0, 0, 1);
    return button;
}

int TButton::Load(const std::string& picture, const std::string& mouseOverImage,
                  const std::string& mouseOverSound, const std::string& clickSound, int cellWidth,
                  int cellHeight, int frames) {
    SetName(picture);
    if (!Game->Channels) {
        ChannelMouseOver = platform::AllocChannel();
        ChannelClick = platform::AllocChannel();
    }
    LoadImages(picture, mouseOverImage, cellWidth, cellHeight, frames);
    if (!mouseOverSound.empty())
        SoundMouseOver = TGameSound::Create(Game->SoundPath + mouseOverSound + SoundExt, 0);
    if (!clickSound.empty()) SoundClick = TGameSound::Create(Game->SoundPath + clickSound + SoundExt, 0);
    return Init();
}

int TButton::LoadImages(const std::string& file, const std::string& mouseOverImage, int cellWidth,
                        int cellHeight, int frames) {
    std::string path = GetPath();
    image = LoadTopLeft(path + file + Ext, cellWidth, cellHeight, frames);
    if (mouseOverImage.empty()) return 0;
    if (!ccFileExists(path + mouseOverImage + Ext))
        ImageMouseOver = image;
    else
        ImageMouseOver = LoadTopLeft(path + mouseOverImage + Ext, cellWidth, cellHeight, frames);
    return 0;
}

int TButton::LoadDisabled(const std::string& picture) {
    ImageDisabled = LoadTopLeft(GetPath() + picture + Ext, 0, 0, 1);
    return 0;
}

int TButton::LoadMouseClick(const std::string& picture, int ms) {
    ImageMouseClick = LoadTopLeft(GetPath() + picture + Ext, 0, 0, 1);
    MouseClickDuration = CalcAnimLength(ms);
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

int TButton::Kill() {
    if (!Game->Channels) {
        if (ChannelMouseOver) platform::StopChannel(ChannelMouseOver);
        if (ChannelClick) platform::StopChannel(ChannelClick);
    }
    ChannelMouseOver = nullptr;
    ChannelClick = nullptr;
    Caption = nullptr;
    MouseRepeat = nullptr;
    if (BoundingBox) BoundingBox->Kill();
    return 0;
}

int TButton::ClearClick() {
    Clicked = 0;
    MouseClickCounter = 0.0f;
    MouseOver = 0;
    Glow = 0.0f;
    return 0;
}

int TButton::CentreX(int atY) {
    return MoveTo(float((ScreenWidth - w) / 2), float(atY));
}

int TButton::MoveTo(float toX, float toY) {
    return MoveBy(toX - x, toY - y);
}

int TButton::MoveBy(float byX, float byY) {
    x += byX;
    y += byY;
    if (Caption) {
        Caption->X += byX;
        Caption->Y += byY;
    }
    if (BoundingBox) {
        BoundingBox->X += byX;
        BoundingBox->Y += byY;
    }
    return 0;
}

bool TButton::PointerOver() const {
    // Left and top edges belong to the button, right and bottom edges do not.
    float mx = float(Game->Mouse->x), my = float(Game->Mouse->y);
    if (BoundingBox)
        return mx >= BoundingBox->X && mx < BoundingBox->X + BoundingBox->W && my >= BoundingBox->Y &&
               my < BoundingBox->Y + BoundingBox->H;
    float left = x + offx, top = y + offy;
    return mx >= left && mx < left + float(w) && my >= top && my < top + float(h);
}

int TButton::Manage() {
    bool takesPart = Active != 0 && (Disabled == 0 || (Disabled == 1 && ClickDisabled == 1));
    bool hovered = false;
    if (!takesPart) {
        MouseOver = 0;
        Clicked = 0;
        if (FixedGlowOnMO == 1) ManageGlow();
    } else {
        ManageAnim();
        if (GlowMode > 0) ManageGlow();
        hovered = PointerOver() && !(MouseOverUserFunction && MouseOverUserFunction() != 0);
        if (hovered) {
            if (MouseClickCounter == 0) {
                if (MouseOver == 0 && NoSound == 0) PlayMouseOver();
                MouseOver = 1;
            }
            FixedGlowOnMOActivate();
            int repeat = MouseRepeat ? MouseRepeat->GetButton() : 0;
            // Taking the presses of all three buttons leaves none to a later reader in this tick.
            int pressed = repeat != 0 ? repeat : Game->Mouse->GetMh(1);
            if (pressed != 0)
                Click(repeat == 2 ? 1 : 0);
            else
                Clicked = 0;
            if (ScaleOnMOMax > 1.0f) ScaleOnMO = std::min(ScaleOnMOMax, ScaleOnMO + ScaleOnMOUpSpeed * Delta);
        } else {
            MouseOver = 0;
            Clicked = 0;
        }
        if (OKButton != 0) {
            bool enter = KeyHit(platform::vk::RETURN) != 0;
            // NOTE: Space is taken even when it does not count, so no later OK button sees it;
            // it is taken along with Enter too, so Enter and Space together click once, not once
            // now and once more in the next tick.
            bool space = KeyHit(platform::vk::SPACE) != 0;
            if (enter || (space && OKButtonUseSpace != 0)) SimulateClick();
        }
    }
    if (!hovered) ManageScaleOnMO();
    if (MouseClickCounter > 0 && StayDown == 0) MouseClickCounter = std::max(0.0f, MouseClickCounter - Delta);
    return 0;
}

int TButton::ManageNoSound() {
    NoSound = 1;
    Manage();
    NoSound = 0;
    return 0;
}

int TButton::ManageScaleOnMO() {
    if (ScaleOnMO > 1.0f) ScaleOnMO = std::max(1.0f, ScaleOnMO - ScaleOnMODownSpeed * Delta);
    return 0;
}

int TButton::Click(int useSecondSound) {
    if (!(MouseClickCounter == 0 || (ClickWhenDown == 1 && MouseClickCounter > 0))) return 0;
    // A press and a key in one tick sound once.
    if (Clicked == 0 && NoSound == 0) {
        if (useSecondSound != 0 && SoundClick2)
            PlayClick2();
        else
            PlayClick();
    }
    Clicked = 1;
    if (ImageMouseClick) MouseClickCounter = MouseClickDuration;
    return 1;
}

int TButton::SimulateClick() {
    FixedGlowOnMOActivate();
    if (Click(0) != 0) MouseOver = 1;
    return 0;
}

int TButton::FixedGlowOnMOActivate() {
    if (FixedGlowOnMO == 1 && MouseClickCounter == 0) SetGlow(2, GlowMax, GlowSpeed, 0, GlowMax);
    return 0;
}

int TButton::SetFixedGlowOnMO(float level, float fadeSpeed, int keepMouseOverImage) {
    FixedGlowOnMO = 1;
    FixedGlowOnMOUseMO = keepMouseOverImage;
    GlowMax = level;
    GlowSpeed = fadeSpeed;
    return 0;
}

int TButton::SetAutoGlow(float minimum, float maximum, float degreesPerTick, int onMouseOver) {
    SetGlow(3, maximum, degreesPerTick, minimum, maximum);
    AutoGlowOnMO = onMouseOver;
    return 0;
}

int TButton::SetupScaleOnMO(float maximum, float upSpeed, float downSpeed) {
    ScaleOnMOMax = maximum;
    ScaleOnMOUpSpeed = upSpeed;
    ScaleOnMODownSpeed = downSpeed;
    return 0;
}

int TButton::SetBoundingBox(int x1, int y1, int x2OrWidth, int y2OrHeight, int corners) {
    if (BoundingBox) BoundingBox->Kill();
    int width = corners != 0 ? x2OrWidth - x1 : x2OrWidth;
    int height = corners != 0 ? y2OrHeight - y1 : y2OrHeight;
    BoundingBox = TBox::Create(float(x1), float(y1), float(width), float(height), nullptr);
    return 0;
}

int TButton::SetBoundingBoxAuto(float scaleX, float scaleY) {
    int imageW = image ? image->w : 0, imageH = image ? image->h : 0;
    int shrinkX = TruncToInt((float(imageW) - float(imageW) * scaleX) / 2.0f);
    int shrinkY = TruncToInt((float(imageH) - float(imageH) * scaleY) / 2.0f);
    return SetBoundingBox(TruncToInt(x + float(shrinkX)), TruncToInt(y + float(shrinkY)),
                          imageW - 2 * shrinkX, imageH - 2 * shrinkY, 0);
}

int TButton::SetupCaption(const std::string& text, const platform::ImageFontRef& font, const TColorRef& color,
                          const TShadowRef& shadow, const TBitmapFontRef& bitmapFont,
                          const TColorRef& inverseColor) {
    Caption = TLabel::CreateSpecial(text, x + w2, y + h2, 1, 0, 0);
    Caption->CentreVertically = 1;
    Caption->Init(font, color, shadow, 0, bitmapFont, inverseColor, "");
    return 0;
}

int TButton::SetupCaptionDown(const TColorRef& color, float scale, float offsetX, float offsetY) {
    CaptionDownColor = color;
    CaptionDownScale = scale;
    CaptionDownOffsetX = offsetX;
    CaptionDownOffsetY = offsetY;
    return 0;
}

int TButton::SetupMouseRepeat(int initialDelayMs, int repeatDelayMs) {
    MouseRepeat = TMouseRepeat::Create(initialDelayMs, repeatDelayMs);
    return 0;
}

void TButton::PlaySound(const TGameSoundRef& sound, platform::ChannelRef& ownChannel) {
    if (!sound) return;
    if (Game->Channels)
        Game->Channels->PlayGameSound(*sound, nullptr, 1.0f, 0.0f);
    else
        sound->PlayInChannel(ownChannel, 0.0f);
}

int TButton::PlayMouseOver() {
    PlaySound(SoundMouseOver, ChannelMouseOver);
    return 0;
}

int TButton::PlayClick() {
    PlaySound(SoundClick, ChannelClick);
    return 0;
}

int TButton::PlayClick2() {
    PlaySound(SoundClick2, ChannelClick);
    return 0;
}

int TButton::Precache() {
    for (const TGameImageRef& picture : {image, ImageMouseOver, ImageDisabled, ImageMouseClick})
        if (picture && picture->image) ccCreateFrames(picture->image);
    return 0;
}
