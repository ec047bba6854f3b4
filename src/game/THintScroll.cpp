#include "game/THintScroll.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "framework/cc_input.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "game/TGameScreen.h"
#include "game/scroll_roll.h"
#include "media/TSoundBank.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/input.h"

#include <cmath>

THintScrollRef HintScroll;

namespace {

constexpr int kSlideMs = 400;
constexpr int kSlideDistance = 510; // below the screen when fully out
constexpr int kLinePitch = 30;
constexpr int kShortMessageDrop = 20; // a message of fewer than four lines starts lower
constexpr int kTextClearance = 4;     // above the OK button

int OKTop() {
    return ScreenHeight - 210;
}

} // namespace

std::string THintScroll::Message(int hint) {
    switch (hint) {
    case 1:
        return "Click a pudding to explode the surrounding shapes. Save up bonus power for a bigger bang!";
    case 2:
        return "Click a horizontal cracker to explode a row of shapes. More bonus power = more boom!";
    case 3:
        return "To remove an ice cube use a matchstick, or line up two shapes with a third icebound shape.";
    case 4:
        return "Click a vertical cracker to destroy a column of shapes. Crazy!";
    case 5:
        return "Use a snowball to remove an ice pane anywhere on the grid. Very useful for hard-to-reach "
               "areas!";
    case 6:
        return "Click a snowman to shatter surrounding ice panes. Save up bonus power for a larger blast!";
    case 7:
        return "Use a star to explode a shape or ice cube anywhere on the grid.";
    case 8:
        return "What's in Santa's sack? Click it to find out!";
    case 9:
        return "Remove thick ice by making a match over it.";
    case 15:
        return "Stuck? Click Hint for a suggested move!";
    case 16:
        return "Nearly finished! Complete the level by making matches over all remaining ice panes.";
    case 17:
        return "The Bonus Power gauge is now full. The next bonus used will have double the power!";
    case PICTURE_HINT:
        return "Congratulations, you've unlocked a picture in the gallery! Click My Gallery on the title "
               "screen to see it.";
    default:
        return "";
    }
}

int THintScroll::FirstLineY(int bodyHeight, int lines) {
    const int iy = (ScreenHeight - bodyHeight) / 2 + 120;
    return iy + 50 + (lines < 4 ? kShortMessageDrop : 0);
}

TButtonRef THintScroll::OK() const {
    return Menu ? Menu->FindButton("OK") : nullptr;
}

int THintScroll::LoadSpecial(int hint) {
    ImageLoad("hintbody.png", 0, 1);
    platform::MidHandleImage(Image);
    Hint = hint;
    Frame = nullptr;
    if (hint == PICTURE_HINT) {
        const int picture = (GameScreen->Player.Level - 1) / 5;
        Icon = TGameImage::Create(Game->ImagePath + "thumb" + std::to_string(picture) + ".png", -1, 1);
        Frame = TGameImage::Create(Game->ImagePath + "pictureframe.png", -1, 1);
    } else {
        Icon = TGameImage::Create(Game->ImagePath + "Hint" + std::to_string(hint) + ".png", -1, 1);
    }
    Unroll = TAnimation::Create(kSlideMs, 0, 0, 0, 0);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    TButtonRef ok = Menu->AddQuick("OK", "");
    ok->OKButton = 1;
    ok->y = float(OKTop());
    ok->SetAutoGlow(0.0f, 0.3f, 1.0f, 1);
    ActivateSound = sounds->Find("scroll");
    DeactivateSound = sounds->Find("scroll");
    SetText();
    Active = 0;
    return 0;
}

// The message is wrapped at the largest scale, in steps of 0.05 down to 0.75, at which the bottom
// of its last line stays clear of the OK button; with the scroll's art, long messages would
// otherwise run into the button.
int THintScroll::SetText() {
    platform::SetImageFont(LevelEndFont);
    const TStringArray message{Message(Hint)};
    const int bodyHeight = platform::ImageHeight(Image);
    for (int step = 0; step <= 5; ++step) {
        const float scale = 1.0f - 0.05f * float(step);
        TStringArray lines = ccWordWrapArray(message, PageWidth, nullptr, scale);
        const int count = int(lines.size());
        const float lastY = float(FirstLineY(bodyHeight, count) + kLinePitch * (count - 1));
        const float h = float(platform::TextHeight(lines.back()));
        const float bottom = lastY + h * (1.0f + scale) / 2.0f;
        if (bottom <= float(OKTop() - kTextClearance) || step == 5) {
            Text = std::move(lines);
            TextScale = scale;
            break;
        }
    }
    TotalLines = int(Text.size());
    return 0;
}

int THintScroll::Show(int withSound) {
    Active = 1;
    Menu->ManageNoSound(0, 0);
    Unroll->Start();
    MouseState = Game->Mouse->Active;
    Game->Mouse->On();
    if (withSound == 1) PlayActivateSound();
    if (TButtonRef ok = OK()) ok->Active = 0;
    ccFlushAll();
    return 0;
}

int THintScroll::PlayActivateSound() {
    PlayScrollSound(ActivateSound);
    return 0;
}

int THintScroll::Logic() {
    if (Active == 0) return 0;
    TScreen::Logic();
    TButtonRef ok = OK();
    if (Unroll->Manage() == 1) {
        if (Unroll->Reverse == 0) {
            ok->Active = 1;
        } else {
            Hide();
            return 1;
        }
    }
    if (Unroll->Active != 0) return 0;
    if (Game->Mouse->GetMh(1) != 0) {
        ok->PlayClick();
        RollUp();
    } else if (Menu->Clicked("OK") != 0) {
        RollUp();
    } else if (KeyHit(platform::vk::U) != 0) {
        Unroll->Start();
        ok->Active = 0;
    }
    return 0;
}

int THintScroll::RollUp() {
    StartRollUp(*Unroll, OK(), DeactivateSound);
    return 0;
}

int THintScroll::Hide() {
    if (MouseState == 0) Game->Mouse->Off();
    ccFlushAll();
    Active = 0;
    Kill();
    Game->FixedRateLogic->Init();
    return 0;
}

int THintScroll::Kill() {
    TScreen::Kill();
    ActivateSound = nullptr;
    DeactivateSound = nullptr;
    Unroll = nullptr;
    Icon = nullptr;
    Frame = nullptr;
    Active = 0;
    Text.clear();
    return 0;
}

int THintScroll::Draw() {
    if (Active == 0) return 0;
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetAlpha(1.0f);
    platform::SetColor(255, 255, 255);
    const float off = Unroll->GetRatio() * float(kSlideDistance);
    platform::DrawImage(Image, float(ScreenWidth / 2), float(ScreenHeight / 2) + off);
    platform::SetImageFont(LevelEndFont);
    ccShadowTextSet(1.0f, 1.0f, 0.4f);
    ccDrawTextCentre("Hint", 102.0f + off, 1, 1);
    const int iy = TruncToInt(float((ScreenHeight - platform::ImageHeight(Image)) / 2) + off + 120.0f);
    if (Icon) platform::DrawImage(Icon->image, float(ScreenWidth / 2), float(iy));
    if (Frame) platform::DrawImage(Frame->image, float(ScreenWidth / 2 - 4), float(iy + 4));
    float ty = float(iy + 50 + (TotalLines < 4 ? kShortMessageDrop : 0));
    platform::SetScale(TextScale, TextScale);
    for (const std::string& line : Text) {
        ccDrawTextCentre(line, ty, 1, 1);
        ty += float(kLinePitch);
    }
    platform::SetScale(1.0f, 1.0f);
    Menu->Draw(0, 0);
    return 1;
}
