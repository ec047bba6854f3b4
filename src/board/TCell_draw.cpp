#include "board/TCell.h"

#include "board/TGameGrid.h"
#include "board/board_assets.h"
#include "board/board_grid.h"
#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "platform/draw.h"

TGameImageRef TCell::BrickImage, TCell::ArmourImage, TCell::CellImage, TCell::CellRightSideImage,
    TCell::CellBottomImage, TCell::CellCornerImage, TCell::CellPaneImage;
platform::PixmapRef TCell::DiagonalMask;

namespace {

void DrawAt(const TGameImageRef& image, float x, float y) {
    if (image) platform::DrawImage(image->image, x, y, 0);
}

// An ice layer, lit up by the cell's flash while its brightness is above 0.
void DrawIce(const TGameImageRef& image, float x, float y, float glow) {
    DrawAt(image, x, y);
    if (image && glow > 0.0f) ccDrawImageLight(image->image, x, y, glow, 1.0f, 1.0f, 1.0f, 0);
}

void Rect(float x, float y, float w, float h) {
    platform::DrawRect(x, y, w, h);
}

} // namespace

int TCell::Load() {
    BrickImage = BoardImage("Brick");
    ArmourImage = BoardImage("armour");
    CellImage = BoardImage("Cell");
    CellRightSideImage = BoardImage("CellRightSide");
    CellBottomImage = BoardImage("CellBottom");
    CellCornerImage = BoardImage("CellCorner");
    CellPaneImage = BoardImage("CellPane");
    if (Game) DiagonalMask = platform::LoadPixmap(Game->ImagePath + "diagonalmask.png");
    return 0;
}

int TCell::Draw() {
    if (!active) return 0;
    if (armour)
        DrawIce(ArmourImage, sx, sy, glow);
    else if (gold)
        DrawIce(BrickImage, sx, sy, glow);
    else
        DrawAt(CellPaneImage, sx - 1.0f, sy - 1.0f);
    DrawAt(CellImage, sx - 1.0f, sy - 1.0f);
    const float w = CellImage ? float(CellImage->w) : 0.0f;
    const float h = CellImage ? float(CellImage->h) : 0.0f;
    if (DrawRight) DrawAt(CellRightSideImage, sx - 1.0f + w - 2.0f, sy - 1.0f);
    if (DrawBottom) DrawAt(CellBottomImage, sx - 1.0f, sy - 1.0f + h - 2.0f);
    if (DrawCorner) DrawAt(CellCornerImage, sx - 1.0f + w - 2.0f, sy - 1.0f + h - 2.0f);
    return 0;
}

int TCell::DrawBorder() {
    const float boardAlpha = GameGrid ? GameGrid->alpha : 1.0f;
    platform::SetColor(50, 50, 50);
    platform::SetAlpha(0.5f * boardAlpha);
    if (DrawBottom) {
        // Under an outline turning down at the lower left, the shadow starts past its corner.
        const TCell* lowerLeft = CellAt(x - 1, y + 1);
        const bool lastRow = GameGrid && y >= GameGrid->levelheight - 1;
        if (!lastRow && x > 0 && lowerLeft && lowerLeft->DrawRight)
            Rect(sx + 8, sy + 54, 42, 4);
        else
            Rect(sx, sy + 54, 50, 4);
    }
    if (DrawRight) Rect(sx + 54, sy, 4, 50);
    if (DrawBR) Rect(sx + 50, sy + 50, 8, 8);

    platform::SetColor(255, 214, 112);
    platform::SetAlpha(boardAlpha);
    if (DrawLeft) Rect(sx - 4, sy, 4, 50);
    if (DrawBottom) Rect(sx, sy + 49, 50, 5);
    if (DrawTop) Rect(sx, sy - 4, 50, 4);
    if (DrawRight) Rect(sx + 49, sy, 5, 50);
    if (DrawTL) Rect(sx - 4, sy - 4, 4, 4);
    if (DrawTR) Rect(sx + 49, sy - 4, 5, 4);
    if (DrawBR) Rect(sx + 49, sy + 49, 5, 5);
    if (DrawBL) Rect(sx - 4, sy + 49, 4, 5);
    return 0;
}
