#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/board_grid.h"
#include "framework/cc_draw.h"
#include "platform/draw.h"

bool TGameGrid::HoverHighlightShown() const {
    if (mx == -1 || my == -1 || NoMore) return false;
    TBoardHost& host = BoardHost();
    if (host.OutroActive() || host.LevelCompleteActive()) return false;
    const TCell* cell = CellAt(mx, my);
    return cell && cell->active && !(cell->Gem && cell->Gem->locked == 1);
}

// Each layer of the cells for the whole board before the next, so that a layer's pictures go to
// the renderer together (see TCell::DrawLayer).
void TGameGrid::DrawCells() {
    for (TCell::TLayer layer : {TCell::INSIDE_SURFACE, TCell::INSIDE_FLASH, TCell::REST})
        for (int x = 0; x < levelwidth; ++x)
            for (int y = 0; y < levelheight; ++y)
                if (TCell* cell = CellAt(x, y)) cell->DrawLayer(layer);
}

int TGameGrid::Draw() {
    for (int x = 0; x < levelwidth; ++x)
        for (int y = 0; y < levelheight; ++y)
            if (TCell* cell = CellAt(x, y); cell && cell->active) cell->DrawBorder();

    platform::SetColor(255, 255, 255);
    platform::SetAlpha(alpha);
    DrawCells();

    if (HoverHighlightShown()) {
        platform::SetColor(255, 214, 112);
        platform::SetAlpha(0.3f);
        platform::DrawRect(float(CalcSX(mx) + 1), float(CalcSY(my) + 1), 48.0f, 48.0f);
        platform::SetColor(255, 255, 255);
    }

    platform::SetAlpha(1.0f);
    if (GemList) GemList->Draw();

    if (Mode == 1 && CursorImage && CursorImage->image) {
        const float x = float(CalcSX(cx)), y = float(CalcSY(cy));
        platform::DrawImage(CursorImage->image, x, y, 0);
        ccDrawImageLight(CursorImage->image, x, y, 0.2f + (1.0f - glow->ratio) * 0.8f, 1.0f, 1.0f, 1.0f, 0);
    }
    platform::SetAlpha(1.0f);
    return 0;
}
