#include "screens/TLevelSelectScreen.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "framework/core_services.h"
#include "game/TGameScreen.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/image.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr float STRIP_TOP = 466.0f;
constexpr float CAPTION_Y = 525.0f;
// The level number stands at least this far after the word "Level", so the two never touch.
constexpr int NUMBER_GAP = 8;
// A dark outline this wide under each caption keeps it readable on the light strip, also where the
// road's stars pass under it.
constexpr int OUTLINE_WIDTH = 2;

void OutlineCaption(const std::string& text, float x) {
    platform::SetColor(8, 16, 40);
    ccOutlineText(x, CAPTION_Y, text, 0, OUTLINE_WIDTH);
}

void DrawPicture(const TGameImageRef& image, float x, float y) {
    if (image) platform::DrawImage(image->image, x, y);
}

} // namespace

int TLevelSelectScreen::Draw() {
    if (Zoom && Zoom->Active != 0) CalcScrollCoords();
    const float k = 1.0f - Scale;
    platform::SetScale(k, k);
    platform::SetBlend(platform::BLEND_SOLID);
    DrawPicture(Background, ScrollX / 2.0f - 50.0f * k, ScrollY / 2.0f - 210.0f * k);
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::DrawImage(Image, ScrollX, ScrollY + float(YOffset));
    platform::SetScale(1, 1);
    if (Zoom && Zoom->Active == 0) {
        platform::SetImageFont(MapFont);
        ccShadowTextSet(1, 1, 0.6f);
        DrawDots();
        platform::SetColor(0, 0, 0);
        platform::SetAlpha(0.35f);
        platform::DrawRect(0, STRIP_TOP, float(ScreenWidth), float(ScreenHeight) - STRIP_TOP);
        platform::SetColor(255, 255, 255);
        platform::SetAlpha(1);
        DrawCaptions();
    }
    platform::SetColor(255, 255, 255);
    if (Menu) Menu->Draw(0, 0);
    if (Header) Header->Draw();
    return 0;
}

void TLevelSelectScreen::DrawDots() {
    for (int i = 0; i < int(Coords.size()); i++) {
        DrawDot(i, 0);
        DrawDot(i, 1);
    }
}

// Pass 0 draws the shadow and the star; pass 1 lights the star again with its pulse.
void TLevelSelectScreen::DrawDot(int i, int pass) {
    const float x = Coords[size_t(i)].X + ScrollX;
    const float y = Coords[size_t(i)].Y + ScrollY + float(YOffset);
    const int n = i + 1;
    const float pulse = 1.3f + 0.3f * std::sin(2.0f * Angle * float(M_PI) / 180.0f);
    if (pass == 0) {
        platform::SetBlend(platform::BLEND_ALPHA);
        platform::SetAlpha(1);
        platform::SetColor(255, 255, 255);
    } else {
        platform::SetBlend(platform::BLEND_LIGHT);
        platform::SetAlpha(i == MOIndex ? Glow->ratio / 2.0f : (1.0f - Glow2->ratio) / 5.0f);
    }
    if (n == Level) platform::SetScale(pulse, pulse);
    if (pass == 0) ShadowDot(Locked, x, y);
    if (n > GameScreen->Player.Unlocked)
        DrawLockedDot(i, x, y);
    else
        DrawUnLockedDot(i, x, y);
    if (pass == 1) {
        platform::SetRotation(0);
        platform::SetBlend(platform::BLEND_ALPHA);
        platform::SetAlpha(1);
    }
    platform::SetScale(1, 1);
}

void TLevelSelectScreen::DrawCaptions() {
    const std::string number = std::to_string(LastMOIndex + 1);
    const float lx = float(ScreenWidth / 2 - platform::TextWidth("Lev"));
    const float nx =
        float(std::max(ScreenWidth / 2 + 36, int(lx) + platform::TextWidth("Level") + NUMBER_GAP));
    OutlineCaption("Level", lx);
    OutlineCaption(number, nx);
    platform::SetColor(180, 180, 180);
    ccDrawText("Level", lx - 0.5f, CAPTION_Y - 0.5f, 0, 0);
    ccDrawText(number, nx - 0.5f, CAPTION_Y - 0.5f, 0, 0);
    platform::SetColor(255, 255, 255);
    ccDrawText("Level", lx, CAPTION_Y, 1, 0);
    ccDrawText(number, nx, CAPTION_Y, 1, 0);
    for (auto [button, text, x] : {std::tuple{"back", "Menu", 42.0f}, std::tuple{"start", "Play", 666.0f}}) {
        OutlineCaption(text, x);
        const int c = Menu->MouseOver(button) != 0 ? 255 : 225;
        platform::SetColor(c, c, c);
        ccDrawText(text, x, CAPTION_Y, 1, 0);
    }
    platform::SetColor(255, 255, 255);
}

int TLevelSelectScreen::DrawLockedDot(int index, float x, float y) {
    DrawPicture(index == MOIndex ? LockedMO : Locked, x, y + 1.0f);
    return 0;
}

int TLevelSelectScreen::DrawUnLockedDot(int index, float x, float y) {
    DrawPicture(index == MOIndex ? UnlockedMO : Unlocked, x, y + 1.0f);
    return 0;
}

int TLevelSelectScreen::ShadowDot(const TGameImageRef& image, float x, float y) {
    platform::SetAlpha(0.7f);
    platform::SetColor(0, 0, 0);
    DrawPicture(image, x + 2.0f, y + 2.0f);
    platform::SetAlpha(1);
    platform::SetColor(255, 255, 255);
    return 0;
}
