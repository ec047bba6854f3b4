#include "board/TGemList.h"

#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/board_grid.h"
#include "board/board_random.h"
#include "board/gem_codes.h"
#include "core/TGame.h"
#include "framework/core_services.h"

namespace {

// The frame a shape's mouse-over animation rests on once it is no longer hovered.
int RestFrame(int code) {
    if (code == 4) return 27;
    if (IsShape(code)) return 28;
    return 0;
}

void BoardCentre(float& cx, float& cy) {
    cx = float(GameGrid->sx) + float(GameGrid->levelwidth - 1) * 50.0f / 2.0f;
    cy = float(GameGrid->sy) + float(GameGrid->levelheight - 1) * 50.0f / 2.0f;
}

} // namespace

void TGemList::ManageMouseOver(TGem& gem) {
    const TGameGrid& grid = *GameGrid;
    int hovered = gem.gx == grid.mx && gem.gy == grid.my && gem.Swapping == 0 && gem.dy == 0.0f &&
                  grid.NoMore == 0 && !BoardHost().OutroActive() && gem.locked == 0;
    int selected = gem.gx == grid.cx && gem.gy == grid.cy;
    gem.MOAnim = hovered || selected ? 1 : 0;
    if (gem.MOAnimCounter <= 0.0f && gem.MOAnim != 1) return;
    float previous = gem.MOAnimCounter;
    gem.MOAnimCounter += Delta;
    if (gem.MOAnimCounter >= float(TGem::MOAnimLength)) gem.MOAnimCounter = 0.0f;
    float stop = float(RestFrame(gem.GemType) * TGem::MOAnimLength / 50);
    if (gem.MOAnim == 0 && previous < stop && gem.MOAnimCounter >= stop) gem.MOAnimCounter = 0.0f;
}

int TGemList::Manage() {
    for (int code = FIRST_ITEM; code <= LAST_ITEM; ++code) {
        TGem::BonusIdleCounter[code] += Delta;
        if (TGem::BonusIdleCounter[code] >= TGem::BonusIdleLengthsConverted[code])
            TGem::BonusIdleCounter[code] -= TGem::BonusIdleLengthsConverted[code];
    }
    int exploding = 0;
    Walk walk(*this); // a gem removed during the pass only leaves its link marked
    for (Link* l = FirstLink(); l; l = l->NextLink()) {
        TGemRef gem = l->Value();
        if (gem->Munchkin == 1) gem->Manage();
        if (gem->ExplosionCounter <= 0.0f) {
            if (GameGrid) ManageMouseOver(*gem);
            continue;
        }
        exploding = 1;
        gem->ExplosionCounter -= Delta;
        if (gem->ExplosionCounter > 0.0f) {
            gem->Rotation += gem->RotationSpeed * Delta;
            if (gem->OrigGemType > LAST_SHAPE) gem->glow -= 0.02f * Delta;
            continue;
        }
        gem->ExplosionCounter = 0.0f;
        if (gem->AnimActive == 1) {
            gem->AnimActive = 0;
            gem->Explode(1);
            continue;
        }
        TCell* cell = gem->gy >= 0 ? CellAt(gem->gx, gem->gy) : nullptr;
        if (cell && cell->Gem == gem) cell->Gem = nullptr;
        RemoveLink(l);
    }
    return exploding;
}

int TGemList::SortAll() {
    Sort(true, [](const TGemRef& a, const TGemRef& b) { return TGem::CompareY(a, b); });
    return 0;
}

int TGemList::InsertGem(const TGemRef& gem) {
    for (Link* l = FirstLink(); l; l = l->NextLink())
        if (l->Value()->y < gem->y) {
            InsertBeforeLink(gem, l);
            return 0;
        }
    AddLast(gem);
    return 0;
}

int TGemList::ExplodeAll(int mode) {
    float cx = 0.0f, cy = 0.0f;
    BoardCentre(cx, cy);
    for (const TGemRef& gem : *this) {
        gem->ExplosionShow = 0;
        if (mode == 1) {
            gem->Explode(0);
            continue;
        }
        gem->ExplosionCounter = gem->ExplosionLength;
        gem->GemType = -1;
        gem->dx = float(BoardRnd(0.01, 0.02)) * (gem->x - cx);
        gem->dy = float(BoardRnd(0.01, 0.02)) * (gem->y - cy);
    }
    return 0;
}

int TGemList::SpreadAll() {
    float cx = 0.0f, cy = 0.0f;
    BoardCentre(cx, cy);
    Walk walk(*this);
    for (Link* l = FirstLink(); l; l = l->NextLink()) {
        TGemRef gem = l->Value();
        float ox = gem->x - cx, oy = gem->y - cy;
        if (ox == 0.0f && oy == 0.0f) {
            RemoveLink(l);
            continue;
        }
        gem->dx = float(BoardRnd(0.01, 0.016)) * ox;
        gem->dy = float(BoardRnd(0.01, 0.016)) * oy;
        gem->SetupRotation(float(BoardRnd(0.5, 1.0)), 3000, 0, 0);
        if (gem->GemType <= LAST_SHAPE) {
            gem->x += 25.0f;
            gem->y += 25.0f;
        }
    }
    TGem::MidHandle(1);
    return 0;
}

int TGemList::ExplodeMunchkins() {
    if (GameGrid) GameGrid->MunchkinPlaying = 0;
    for (const TGemRef& gem : *this)
        if (gem->Munchkin == 1) gem->Explode(0);
    return 0;
}

int TGemList::SetShadow() {
    int on = Game && Game->Particles >= 50 ? 1 : 0;
    for (const TGemRef& gem : *this)
        gem->TSprite::SetShadow(on, 1.5f, 1.5f, 0.4f);
    return 0;
}

int TGemList::MoveAll() {
    for (const TGemRef& gem : *this) {
        gem->Move();
        gem->ManageRotation();
    }
    return 0;
}
