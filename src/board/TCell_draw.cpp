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

bool TCell::SurfaceInside[3];

namespace {

// A surface's picture and its offset from the cell's corner.
struct TSurface {
    const TGameImageRef& image;
    float offset;
    bool flashes; // ice lights up in the cell's flash; the pane does not
};

TSurface SurfaceOf(TCell::TSurfaceKind kind) {
    switch (kind) {
    case TCell::SURFACE_ARMOUR:
        return {TCell::ArmourImage, 0.0f, true};
    case TCell::SURFACE_ICE:
        return {TCell::BrickImage, 0.0f, true};
    default:
        return {TCell::CellPaneImage, -1.0f, false};
    }
}

void DrawAt(const TGameImageRef& image, float x, float y) {
    if (image) platform::DrawImage(image->image, x, y, 0);
}

void Rect(float x, float y, float w, float h) {
    platform::DrawRect(x, y, w, h);
}

// Whether the picture, drawn at offset from a cell's corner, sets no pixel outside the cell's
// inner square: a neighbour's frame reaches one pixel into the cell, and only a hole's
// neighbour draws further. Such a surface can be drawn before every other cell's layers to the
// same pixels.
bool StaysInside(const TGameImageRef& image, float offset) {
    const platform::PixmapRef frame = image ? platform::FramePixmap(image->image, 0) : nullptr;
    if (!frame) return false;
    const float left = offset - platform::ImageHandleX(image->image);
    const float top = offset - platform::ImageHandleY(image->image);
    for (int y = 0; y < frame->height; ++y)
        for (int x = 0; x < frame->width; ++x) {
            if (frame->At(x, y)[3] == 0) continue;
            const float px = left + float(x), py = top + float(y);
            if (px < 1.0f || py < 1.0f || px > float(CELL_SIZE - 2) || py > float(CELL_SIZE - 2))
                return false;
        }
    return true;
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
    for (TSurfaceKind kind : {SURFACE_PANE, SURFACE_ICE, SURFACE_ARMOUR}) {
        const TSurface s = SurfaceOf(kind);
        SurfaceInside[kind] = StaysInside(s.image, s.offset);
    }
    return 0;
}

TCell::TSurfaceKind TCell::SurfaceKind() const {
    return armour ? SURFACE_ARMOUR : gold ? SURFACE_ICE : SURFACE_PANE;
}

void TCell::DrawSurface() const {
    const TSurface s = SurfaceOf(SurfaceKind());
    DrawAt(s.image, sx + s.offset, sy + s.offset);
}

void TCell::DrawFlash() const {
    const TSurface s = SurfaceOf(SurfaceKind());
    if (s.flashes && s.image && glow > 0.0f)
        ccDrawImageLight(s.image->image, sx + s.offset, sy + s.offset, glow, 1.0f, 1.0f, 1.0f, 0);
}

int TCell::Draw() {
    for (TLayer layer : {INSIDE_SURFACE, INSIDE_FLASH, REST})
        DrawLayer(layer);
    return 0;
}

void TCell::DrawLayer(TLayer layer) {
    if (!active) return;
    const bool inside = SurfaceInside[SurfaceKind()];
    if (layer == INSIDE_SURFACE && inside) DrawSurface();
    if (layer == INSIDE_FLASH && inside) DrawFlash();
    if (layer != REST) return;
    if (!inside) {
        DrawSurface();
        DrawFlash();
    }
    DrawAt(CellImage, sx - 1.0f, sy - 1.0f);
    const float w = CellImage ? float(CellImage->w) : 0.0f;
    const float h = CellImage ? float(CellImage->h) : 0.0f;
    if (DrawRight) DrawAt(CellRightSideImage, sx - 1.0f + w - 2.0f, sy - 1.0f);
    if (DrawBottom) DrawAt(CellBottomImage, sx - 1.0f, sy - 1.0f + h - 2.0f);
    if (DrawCorner) DrawAt(CellCornerImage, sx - 1.0f + w - 2.0f, sy - 1.0f + h - 2.0f);
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
