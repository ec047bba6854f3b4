#include "board/TGem.h"

#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGemList.h"
#include "board/board_grid.h"
#include "board/board_particles.h"
#include "board/gem_codes.h"
#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "framework/cc_numbers.h"
#include "framework/cc_timing.h"
#include "framework/core_services.h"
#include "platform/draw.h"

#include <algorithm>

namespace {

bool InRange(int code) {
    return code >= 0 && code < GEM_CODES;
}

bool ShadowsOn() {
    return Game && Game->Particles >= 50;
}

// A highlight image and its light pass at the given brightness.
void DrawHighlight(const TGameImageRef& image, float x, float y, float brightness) {
    if (!image || !image->image) return;
    platform::DrawImage(image->image, x, y, 0);
    ccDrawImageLight(image->image, x, y, brightness, 1.0f, 1.0f, 1.0f, 0);
}

// A shape falling in from above its column's entry lies partly outside the board: it is drawn only
// below the inner edge of the gold frame over that entry, so it comes out from behind the frame
// instead of painting over it.
bool ClipTopAbove(const TGem& gem, int& top) {
    const TGameGrid* grid = GameGrid.get();
    if (!grid || grid->NoMore || grid->NoMoreCounter > 0.0f || gem.ExplosionCounter > 0.0f || gem.Swapping)
        return false;
    if (gem.gx < 0 || gem.gx >= grid->levelwidth || gem.gx >= GRID_W) return false;
    const int row = CalcGY(TruncToInt(gem.y));
    const TCell* cell = row >= 0 ? CellAt(gem.gx, row) : nullptr;
    if (cell && cell->active) return false;
    for (int k = 0; k < TopRowCount[gem.gx] && k < TOP_ROWS; ++k)
        if (TopRowY[gem.gx][k] > row) {
            top = CalcSY(TopRowY[gem.gx][k]);
            return true;
        }
    return false;
}

void DrawInsideBoard(TGem& gem) {
    int top = 0;
    if (!ClipTopAbove(gem, top)) {
        gem.DrawGem();
        return;
    }
    int vx = 0, vy = 0, vw = 0, vh = 0;
    platform::GetViewport(vx, vy, vw, vh);
    const int clipped = std::max(vy, top);
    platform::SetViewport(vx, clipped, vw, vy + vh - clipped);
    gem.DrawGem();
    platform::SetViewport(vx, vy, vw, vh);
}

} // namespace

void TGem::DrawStrip(const TGameImageRef& strip, int stripFrame, float offset) {
    if (!strip || !strip->image) return;
    if (ShadowsOn()) DrawShadow(strip, stripFrame, 0);
    platform::DrawImage(strip->image, x + offset, y, stripFrame);
}

void TGem::DrawExplosion() {
    if (AnimActive) {
        if (OrigGemType == ITEM_SNOWMAN || !InRange(OrigGemType)) return;
        const int frames = BonusActivateFrames[OrigGemType];
        const TGameImageRef& strip = BonusActivateAnims[OrigGemType];
        if (!strip || !strip->image || frames <= 0) return;
        const int shown = (frames - 1) - ccCalcAnimFrame(ExplosionCounter, int(ExplosionLength), frames, 1);
        platform::DrawImage(strip->image, x, y, shown);
        return;
    }
    const TGameImageRef& ring = ParticleImages[12];
    if (!ExplosionShow || !ring || !ring->image) return;
    float scale = (ExplosionLength - ExplosionCounter) / ExplosionLength + 0.2f;
    if (scale > 1.0f) scale = 1.0f;
    const float fade = CalcAnimLength(100);
    platform::SetScale(scale, scale);
    platform::SetAlpha(ExplosionCounter < fade ? ExplosionCounter / fade : 1.0f);
    platform::DrawImage(ring->image, x + 25.0f, y + 25.0f, 0);
    platform::SetScale(1.0f, 1.0f);
    platform::SetAlpha(1.0f);
}

void TGem::DrawShape(float offset) {
    if (IsShape(GemType) && MOAnimCounter > 0.0f) {
        DrawStrip(MOAnims[GemType], ccCalcAnimFrame(MOAnimCounter, MOAnimLength, 50, 1), offset);
    } else if (GemType < FIRST_ITEM) {
        Draw();
    } else if (InRange(GemType)) {
        const int shared = ccCalcAnimFrame(BonusIdleCounter[GemType], int(BonusIdleLengthsConverted[GemType]),
                                           BonusIdleFrames[GemType], 1);
        DrawStrip(BonusIdleAnims[GemType], shared, offset);
    }
}

int TGem::DrawGem() {
    TGameGrid* grid = GameGrid.get();
    if (!grid) return 0;
    if (GemType > LAST_SHAPE)
        DrawHighlight(grid->BonusHighlightMidImage, x, y, 0.3f + (1.0f - grid->glow2->ratio) * 0.7f);
    if (HintWobble == 1) offx = 3.0f * SinDeg(grid->HintCounter * 10.0f);
    if (ExplosionCounter > 0.0f) {
        DrawExplosion();
        return 0;
    }
    if (grid->NoMore) {
        UseOffset = 1;
        offx = grid->JiggleOffset;
    }
    if (Munchkin == 1) {
        // Once the spread has centred the handles the highlight sits on the gem's own point.
        const float m = grid->NoMoreCounter > 0.0f && grid->Exploded ? 0.0f : 7.0f;
        DrawHighlight(grid->MagicHighlightImage, x - m, y - m, 0.1f + (1.0f - grid->glow2->ratio) * 0.3f);
    }
    DrawShape(offx);
    if (locked == 1 && Locked2Image && Locked2Image->image) {
        const bool turning = grid->NoMoreCounter > 0.0f;
        if (turning) platform::SetRotation(Rotation);
        platform::DrawImage(Locked2Image->image, x + offx, y, 0);
        if (turning) platform::SetRotation(0.0f);
    }
    return 0;
}

int TGemList::Draw() {
    TGem* source = GameGrid ? GameGrid->SwapSource.get() : nullptr;
    TGem* dest = GameGrid ? GameGrid->SwapDest.get() : nullptr;
    // A swap that ended during the no-more-moves sequence leaves its gems marked as swapping with
    // no swap running: they are drawn here rather than vanish.
    for (const TGemRef& gem : *this)
        if (gem.get() != source && gem.get() != dest) DrawInsideBoard(*gem);
    if (dest) dest->DrawGem();
    if (source) source->DrawGem();
    return 0;
}
