#include "screens/TInstructionsScreen.h"

#include "board/TCell.h"
#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "framework/cc_images.h"
#include "framework/cc_numbers.h"
#include "framework/cc_timing.h"
#include "framework/core_services.h"
#include "media/TImageBank.h"
#include "media/TParticleList.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/image.h"

#include <algorithm>

namespace {

constexpr int CELL = 50;
constexpr int LINE_GAP = 27;
constexpr int GAUGE_LINE = 387;
constexpr int GAUGE_BORDER = 16;

struct TCaption {
    int x, y;
    const char* text;
};
constexpr TCaption CAPTIONS[] = {
    {218, 263, "Match three shapes in a row or column."},
    {578, 263, "Remove all ice panes to finish the level."},
    {218, 438, "Make a match with a glowing shape to release magic dust."},
    {578, 438, "When your Bonus Power gauge is full, bonuses have Double Power!"},
};

platform::ImageRef Picture(const char* name) {
    return images->FindTImage(name);
}

void Gem(int frame, float x, float y) {
    platform::DrawImage(Picture("gems"), x, y, frame);
}

// A highlight drawn plainly, then once more as light at the given intensity.
void Highlight(const char* name, float x, float y, float intensity) {
    const platform::ImageRef image = Picture(name);
    platform::DrawImage(image, x, y, 0);
    ccDrawImageLight(image, x, y, intensity, 1, 1, 1, 0);
}

// The y of a shape that swaps downwards (-1) or upwards (+1) with its neighbour in phase 1.
float SwapY(int phase, float y, float r, int direction) {
    return phase == 1 ? y + float(direction * CELL) * r : y;
}

} // namespace

int TInstructionsScreen::Draw() {
    platform::SetBlend(platform::BLEND_SOLID);
    platform::DrawImage(Image, 0, 0);
    platform::SetBlend(platform::BLEND_ALPHA);
    Menu->Draw(0, 0);
    DrawCaptions();
    platform::SetColor(255, 255, 255);
    const int phase = Anim1->CurrentPhase;
    const float r = Anim1->GetRatioInv();
    DrawPanel1(phase, r);
    DrawPanel2(phase, r);
    DrawPanel3(phase, r);
    DrawPanel4(phase);
    DrawGauges(phase);
    BackgroundParticles->Draw();
    Particles->Draw();
    Munchkins->Draw();
    return 0;
}

void TInstructionsScreen::DrawCaptions() {
    platform::SetColor(0, 0, 0);
    platform::SetImageFont(MainFontSmall);
    for (const TCaption& caption : CAPTIONS) {
        Text = ccWordWrapArray({caption.text}, PageWidth, nullptr, 1.0f);
        TotalLines = int(Text.size());
        OutputText(caption.x, caption.y);
        Text.clear();
    }
}

int TInstructionsScreen::OutputText(int x, int y) {
    for (int i = 0; i < TotalLines && i < int(Text.size()); i++)
        ccDrawTextCentred(Text[size_t(i)], float(x), float(y + LINE_GAP * i), 0, 1);
    return 0;
}

void TInstructionsScreen::DrawPanel1(int phase, float r) {
    DrawCells(143, 160, 0);
    if (phase == 2) {
        DrawRing(143, 210);
        Gem(2, 193, 160);
        DrawRing(193, 210);
        DrawRing(243, 210);
    } else {
        if (phase <= 1) Gem(5, 143, 210);
        Gem(2, 193, phase >= 3 ? 160 : SwapY(phase, 210, r, -1));
        if (phase <= 1) Gem(5, 243, 210);
    }
    Gem(0, 143, 160);
    if (phase <= 1) Gem(5, 193, SwapY(phase, 160, r, 1));
    Gem(1, 243, 160);
    if (phase == 0) Highlight("cursor", 193, 160, 0.2f + 0.8f * (1.0f - glow->ratio));
}

void TInstructionsScreen::DrawPanel2(int phase, float r) {
    DrawCells(503, 160, phase <= 1 ? 1 : 2);
    if (phase == 2) {
        DrawRing(503, 210);
        DrawRing(553, 210);
        DrawRing(603, 210);
        Gem(3, 603, 160);
    } else {
        if (phase <= 1) {
            Gem(4, 503, 210);
            Gem(4, 553, 210);
        }
        Gem(3, 603, phase >= 3 ? 160 : SwapY(phase, 210, r, -1));
    }
    Gem(1, 503, 160);
    Gem(2, 553, 160);
    if (phase <= 1) Gem(4, 603, SwapY(phase, 160, r, 1));
    if (phase == 0) Highlight("cursor", 603, 160, 0.2f + 0.8f * (1.0f - glow->ratio));
}

void TInstructionsScreen::DrawPanel3(int phase, float r) {
    DrawCells(143, 335, 0);
    if (phase == 2) {
        DrawRing(143, 385);
        Gem(4, 193, 335);
        DrawRing(193, 385);
        DrawRing(243, 385);
    } else {
        if (phase <= 1) {
            Highlight("magichighlight", 136, 378, 0.1f + 0.3f * (1.0f - glow2->ratio));
            Gem(6, 143, 385);
        }
        Gem(4, 193, phase >= 3 ? 335 : SwapY(phase, 385, r, -1));
        if (phase <= 1) Gem(6, 243, 385);
    }
    Gem(2, 143, 335);
    if (phase <= 1) Gem(6, 193, SwapY(phase, 335, r, 1));
    Gem(3, 243, 335);
    if (phase == 0) Highlight("cursor", 193, 335, 0.2f + 0.8f * (1.0f - glow->ratio));
}

void TInstructionsScreen::DrawPanel4(int phase) {
    DrawCells(503, 335, 0);
    if (phase == 2) {
        for (int y : {385, 335})
            for (int x : {503, 553, 603})
                DrawRing(x, y);
    } else if (phase <= 1) {
        Gem(2, 503, 385);
        Gem(5, 553, 385);
        Gem(2, 603, 385);
        Gem(2, 503, 335);
        const int frame = ccCalcAnimFrame(MunchkinCounter, TruncToInt(MunchkinLength), 50, 1);
        platform::DrawImage(Picture("bonus8idle"), 553, 335, frame);
        Gem(4, 603, 335);
        Highlight("bonushighlightmid", 553, 335, 0.3f + 0.7f * (1.0f - glow2->ratio));
    }
}

void TInstructionsScreen::DrawGauges(int phase) {
    const int h = ScreenWidth / 2;
    if (phase <= 3)
        platform::DrawImage(Picture("gaugeempty"), float(h - 67), GAUGE_LINE);
    else
        DrawGauge(h - 67, GAUGE_LINE);
    platform::DrawImage(Picture(phase <= 1 ? "gaugemax" : "gaugeempty"), float(h + 64), GAUGE_LINE);
}

int TInstructionsScreen::DrawCells(int x, int y, int mode) {
    TCell cell;
    cell.active = 1;
    for (int row = 0; row < 2; row++)
        for (int column = 0; column < 3; column++) {
            cell.sx = float(x + CELL * column);
            cell.sy = float(y + CELL * row);
            cell.gold = mode == 1 || (mode == 2 && row == 0) ? 1 : 0;
            cell.DrawBottom = row == 1 ? 1 : 0;
            cell.DrawRight = column == 2 ? 1 : 0;
            cell.DrawCorner = row == 1 && column == 2 ? 1 : 0;
            cell.Draw();
        }
    return 0;
}

int TInstructionsScreen::DrawRing(int x, int y) {
    if (Anim1->CurrentPhase != 2) return 0;
    const float length = float(TruncToInt(Game->CalcAnimLength(300)));
    const float t = Anim1->Counter;
    const float fade = Game->CalcAnimLength(100);
    const float scale = std::min(1.0f, 0.2f + (length - t) / length);
    platform::SetScale(scale, scale);
    platform::SetAlpha(t >= fade ? 1.0f : t / fade);
    platform::DrawImage(Picture("particlering"), float(x + 25), float(y + 25));
    platform::SetRotation(0);
    platform::SetScale(1, 1);
    platform::SetAlpha(1);
    return 0;
}

int TInstructionsScreen::DrawGauge(int x, int y) {
    const platform::ImageRef empty = Picture("GaugeEmpty");
    const platform::ImageRef full = Picture("GaugeFull");
    const int h = platform::ImageHeight(empty), w = platform::ImageWidth(empty);
    const int inner = h - 2 * GAUGE_BORDER;
    const int fill = ccRound(float(inner) * 0.1f);
    const int split = inner - fill + GAUGE_BORDER;
    ccDrawImageArea(empty, float(x), float(y), 0, 0, float(w), float(split), 0);
    ccDrawImageArea(full, float(x), float(y + split), 0, float(split), float(w), float(fill + GAUGE_BORDER),
                    0);
    return 0;
}
