// One square of the board: a playable cell or a hole, its ice (a pane and thick ice over it), the
// gem it holds, the match mark, the level's preset item and ice cube, and the outline flags.
// Drawing is kept apart from the rules.
#pragma once

#include "media/TGameImage.h"
#include "platform/TPixmap.h"

#include <memory>

class TCell;
class TGem;
class TParticle;
using TCellRef = std::shared_ptr<TCell>;
using TGemRef = std::shared_ptr<TGem>;

class TCell {
public:
    TGemRef Gem; // null for an empty cell or a hole
    int x = 0, y = 0;
    float sx = 0.0f, sy = 0.0f; // screen corner
    int active = 0;             // 0: a hole
    int gold = 0;               // ice pane
    int armour = 0;             // thick ice over the pane
    int match = 0;              // part of a line found by the match scan
    int bonus = 0;              // the shape the level presets here, 0 for none
    int DrawLeft = 0, DrawTop = 0, DrawRight = 0, DrawBottom = 0, DrawCorner = 0;
    int DrawTL = 0, DrawTR = 0, DrawBR = 0, DrawBL = 0;
    int gemlocked = 0; // the first gem here starts in an ice cube
    std::shared_ptr<TParticle> particle;
    float glow = 0.0f; // flash brightness

    // The images shared by every cell, taken from the image bank by Load.
    static TGameImageRef BrickImage, ArmourImage, CellImage, CellRightSideImage, CellBottomImage,
        CellCornerImage, CellPaneImage;
    // Loaded with the cell images; only a diagonal drag would read it, which this game never allows.
    static platform::PixmapRef DiagonalMask;
    // Per surface: whether its picture stays inside the cell, one pixel in from its edge; found
    // by Load from the pixels.
    enum TSurfaceKind { SURFACE_PANE, SURFACE_ICE, SURFACE_ARMOUR };
    static bool SurfaceInside[3];

    static TCellRef Create(int x, int y);
    static int Load();
    int SetCoords(int x, int y);
    // The cell's share of the board's outline: its drop shadow, then the outline itself.
    int DrawBorder();
    // The square: its ice or plain surface (ice lights up in a flash), then its frame pieces.
    int Draw();
    // The same square in three layers, which the board draws each for every cell before the next
    // so that a layer's pictures batch: a surface whose picture stays inside its cell (one pixel
    // in from the edge, where no other cell draws), that surface's flash, then the rest (any
    // other surface with its flash, then the frame pieces). The pixels are those of drawing each
    // square whole.
    enum TLayer { INSIDE_SURFACE, INSIDE_FLASH, REST };
    void DrawLayer(TLayer layer);

private:
    TSurfaceKind SurfaceKind() const;
    void DrawSurface() const;
    void DrawFlash() const;
};
