// What the game screen draws: the layers of a frame, the heads-up display on the left with the
// score, level and time, the bonus-power gauge, the captions and the intro and outro sprites; and
// the per-tick effects that feed the display: the stuck hint, the gauge's filling and sparkles.
#include "game/TGameScreen.h"

#include "board/TGameGrid.h"
#include "board/board_grid.h"
#include "board/board_particles.h"
#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "framework/cc_images.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "game/TGameMenu.h"
#include "game/THintScroll.h"
#include "game/TLevelCompleteScreen.h"
#include "game/particle_images.h"
#include "media/TChannelArray.h"
#include "media/TParticleList.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/random.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// The room the display's wells leave for the score, the level and the time, in pixels.
constexpr float SCORE_ROOM = 90.0f, LEVEL_ROOM = 88.0f, TIME_ROOM = 77.0f;

void PlayOnGameChannels(const TGameSoundRef& sound);

} // namespace

int TGameScreen::Draw() {
    platform::SetBlend(platform::BLEND_SOLID);
    if (Image) platform::DrawImage(Image, 0.0f, 0.0f, 0);
    platform::SetBlend(platform::BLEND_ALPHA);
    if (GameGrid) GameGrid->Draw();
    BackgroundParticles->Draw();
    HUDDraw();
    if (!LevelCompleteScreen->Active) {
        Menu->Draw(0.0f, 0.0f);
        Particles->Draw();
    }
    AnimatedParticles->Draw();
    Munchkins->Draw();
    ScoreParticles->Draw();
    DiagonalTextDraw();
    HintScroll->Draw();
    GameMenu->Draw();
    LevelCompleteScreen->Draw();
    return 0;
}

int TGameScreen::HUDDraw() {
    if (LevelCompleteScreen->Active) return 0;
    const float hudx = GetHUDX();
    if (PanelImage) platform::DrawImage(PanelImage->image, hudx, 0.0f, 0);
    Player.ScoreDraw(hudx + 17.0f, 98.0f, SCORE_ROOM);
    Player.LevelDraw(hudx + 57.0f, 185.0f, LEVEL_ROOM);
    Player.TimeDraw(hudx + 30.0f, 271.0f, TIME_ROOM);
    StatusTextDraw();
    XDraw(hudx);
    return 1;
}

float TGameScreen::GetHUDX() {
    const float slide = CalcAnimLength(1500);
    if (!OutroAnim || !OutroAnim->Active || !(OutroAnim->Counter < slide)) return 0.0f;
    const float r = 1.0f - OutroAnim->Counter / slide;
    Menu->SetX(4.0f - 150.0f * r);
    return -150.0f * r;
}

int TGameScreen::StatusTextDraw() {
    const float slide = CalcAnimLength(1500);
    if (OutroAnim && OutroAnim->Active && OutroAnim->Counter < slide) {
        const float c = OutroAnim->Counter / slide;
        WellDone->ScaleY =
            c > 0.65f ? 1.0f + 1.5f * (1.0f - std::cos((c - 0.65f) * 4.0f * float(M_PI) / 2.0f)) : 1.0f;
        platform::SetBlend(platform::BLEND_ALPHA);
        WellDone->Draw();
    }
    if (IntroAnim && IntroAnim->Active && !HintScroll->Active) {
        const float r = IntroAnim->GetRatio();
        Go->ScaleX = Go->ScaleY = 1.0f + r;
        platform::SetBlend(platform::BLEND_ALPHA);
        Go->Alpha = 1.5f * r;
        Go->Draw();
        platform::SetAlpha(1.0f);
    }
    if (GameGrid && GameGrid->NoMore != 0 && GameGrid->JiggleDirection == 0) {
        platform::SetColor(255, 50, 50);
        platform::SetAlpha(1.0f);
        ccShadowTextSet(1.0f, 1.0f, 0.4f);
        platform::SetImageFont(MainFont);
        ccDrawTextCentre("No More Moves", float(ScreenHeight / 2 - 80), 1, 0);
        platform::SetColor(255, 255, 255);
    }
    return 0;
}

int TGameScreen::XDraw(float hudx) {
    if (!GameGrid || !XInactiveImage) return 0;
    const float x = hudx + 59.0f;
    const float y = float(DiagonalGaugeY);
    if (GameGrid->DiagonalGauge <= 0) {
        platform::DrawImage(XInactiveImage->image, x, y, 0);
    } else if (float(GameGrid->DiagonalGauge) == GameGrid->DiagonalGaugeMax) {
        platform::DrawImage(XActive2Image->image, x, y, 0);
    } else {
        const int w = XInactiveImage->w, h = XInactiveImage->h;
        const int f = h - 32;
        const int c = ccRound(float(GameGrid->DiagonalGauge) / GameGrid->DiagonalGaugeMax * float(f));
        const float top = float(f - c + 16);
        ccDrawImageArea(XInactiveImage->image, x, y, 0.0f, 0.0f, float(w), top, 0);
        ccDrawImageArea(XActive1Image->image, x, y + top, 0.0f, top, float(w), float(c + 16), 0);
    }
    return 0;
}

int TGameScreen::DiagonalTextDraw() {
    if (!GameGrid || !(GameGrid->DiagonalTextCounter > 0.0f) || HintScroll->Active) return 0;
    platform::SetImageFont(MapFont);
    const float d = GameGrid->DiagonalTextCounter / float(GameGrid->DiagonalTextLength);
    ccTextAlpha = std::min(4.0f * d, 1.0f);
    if (d > 0.75f) {
        const float s = 1.0f + (d - 0.75f) * 2.0f;
        platform::SetScale(s, s);
    }
    const std::string caption = "Double Bonus Power!";
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(ccTextAlpha);
    ccDrawTextCentred(caption, float(ScreenWidth / 2 + 60 - 1), 1.0f, 0, 0);
    ccShadowTextSet(1.5f, 1.5f, 0.6f);
    platform::SetColor(255, 214, 112);
    ccDrawTextCentred(caption, float(ScreenWidth / 2 + 60), 2.0f, 1, 0);
    platform::SetColor(255, 255, 255);
    ccTextAlpha = 1.0f;
    platform::SetAlpha(1.0f);
    platform::SetScale(1.0f, 1.0f);
    return 0;
}

int TGameScreen::HUDEffects() {
    HintShowCounter += Delta;
    if (HintShowCounter >= CalcAnimLength(20000)) {
        OfferOneShotHint(15, 15, 1);
        HintShowCounter = 0.0f;
    }
    TGameGrid& grid = *GameGrid;
    if (float(grid.DiagonalGauge) == grid.DiagonalGaugeMax && !OutroAnim->Active) {
        DiagonalGaugeParticleCounter -= Delta;
        if (!(DiagonalGaugeParticleCounter > 0.0f)) {
            DiagonalGaugeParticleCounter += float(DiagonalGaugeParticleCounterMax);
            // The y offset is drawn before the x offset.
            const double dy = platform::Rnd(-46.0, 46.0);
            const double dx = platform::Rnd(-23.0, 23.0);
            GaugeParticleMake(float(int(DiagonalGaugeX + dx)), float(int(DiagonalGaugeY + dy)));
        }
    }
    for (const TCounterRef& counter : *GaugeFillDelay) {
        if (counter->Manage() != 1) continue;
        GaugeFillDelay->Remove(counter);
        if (float(grid.DiagonalGauge) >= grid.DiagonalGaugeMax) continue;
        grid.DiagonalGauge += 1;
        if (float(grid.DiagonalGauge) < grid.DiagonalGaugeMax) continue;
        DiagonalGaugeParticleCounter = float(DiagonalGaugeParticleCounterMax);
        grid.BonusPower = 2;
        PlayOnGameChannels(SoundGaugeFull);
        grid.DiagonalTextCounter = float(grid.DiagonalTextLength);
        OfferOneShotHint(17, 17, 1);
    }
    return 0;
}

int TGameScreen::LoadParticles() {
    FillParticleImages();
    return 0;
}

namespace {

void PlayOnGameChannels(const TGameSoundRef& sound) {
    if (sound && Game && Game->Channels) Game->Channels->PlayGameSound(*sound, nullptr, 1.0f, 0.0f);
}

} // namespace
