// One item on the board: one of seven shapes (codes 1..7) or one of eight bonus items (8 pudding,
// 9 and 10 crackers, 11 star, 12 snowman, 13 snowball, 14 matchstick, 15 sack); -1 once it is gone.
// A gem knows its cell, its ice cube, its glow (a glowing gem sends magic dust to the bonus gauge
// when it goes) and its explosion timer. Its cell holds it; the gem holds no link back.
#pragma once

#include "board/gem_codes.h"
#include "media/TGameImage.h"
#include "media/TSprite.h"

#include <memory>

class TGem;
using TGemRef = std::shared_ptr<TGem>;

constexpr int GEM_CODES = LAST_ITEM + 1; // the tables by gem code, 0..15

class TGem : public TSprite {
public:
    int MOAnim = 0;             // the mouse-over animation is asked for this tick
    float MOAnimCounter = 0.0f; // ticks; 0: not animating
    int gx = -1, gy = -1;       // the cell; gy -1 above the board
    int GemType = 0;
    int OrigGemType = 0;
    int Swapping = 0;
    float glow = 0.0f;
    int locked = 0;   // in an ice cube
    int Munchkin = 0; // glowing
    int HintWobble = 0;
    int AnimActive = 0;
    float ExplosionCounter = 0.0f; // ticks; above 0 while exploding
    float ExplosionLength = 300.0f;
    int ExplosionShow = 1;
    float MunchkinCounter = 0.0f;
    float MunchkinLength = 1500.0f;

    // Class tables by gem code.
    static TGameImageRef Locked2Image;
    static TGameImageRef BonusIdleAnims[GEM_CODES];
    static TGameImageRef BonusActivateAnims[GEM_CODES];
    static int BonusIdleFrames[GEM_CODES];
    static int BonusIdleLengths[GEM_CODES];
    static int BonusActivateFrames[GEM_CODES];
    static int BonusActivateLengths[GEM_CODES];
    static float BonusIdleCounter[GEM_CODES];
    static float BonusIdleLengthsConverted[GEM_CODES];
    static TGameImageRef MOAnims[LAST_SHAPE + 1];
    static int MOAnimLength;

    // A gem of the code at cell (x, y), falling from 0.04 px a tick when dropIn is 1; put into
    // neither a cell nor the gem list.
    static TGemRef Make(int x, int y, int code, int dropIn);
    // The frame counts and lengths of the bonus animations.
    static int InitArrays();
    // The gem images from the image bank.
    static int Load();
    static int InitIdleAnims();
    // One of the level's shapes.
    static int Random();
    // 1 when a is higher on the screen than b.
    static int CompareY(const TGemRef& a, const TGemRef& b);
    // Centre handles (1) or top-left handles (0) on the shape, ice-cube and highlight images.
    static int MidHandle(int centre);
    // Puts every class table back to its start-up value.
    static void ResetClassTables();

    int SetDropInY();
    int CalcCoords(int x, int y);
    int Activate();
    // Hit by a bonus item: 1 when it was in an ice cube. A gem already gone is not hit again.
    int Destroy();
    int Unlock();
    int Explode(int bonusPower);
    int CreateMunchkin();
    int MakeMunchkinParticle();
    int Manage();
    int SetHintWobble(int on);
    // The gem on the board: its highlights, the hint wobble, the explosion, the shake of the
    // no-more-moves sequence, the gem or item itself and its ice cube.
    int DrawGem();

private:
    // Only the activation strip or the ring while the gem explodes.
    void DrawExplosion();
    void DrawShape(float offset);
    void DrawStrip(const TGameImageRef& strip, int stripFrame, float offset);
};
