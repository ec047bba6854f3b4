// One square of the board: a playable cell or a hole, its ice (a pane and thick ice over it), the
// gem it holds, the match mark, the level's preset item and ice cube, and the outline flags.
// Drawing is kept apart from the rules.
#pragma once

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

    static TCellRef Create(int x, int y);
    int SetCoords(int x, int y);
};
