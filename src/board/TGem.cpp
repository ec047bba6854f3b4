#include "board/TGem.h"

#include "board/TBoardHost.h"
#include "board/TGameGrid.h"
#include "board/TPlayer.h"
#include "board/board_assets.h"
#include "board/board_grid.h"
#include "board/board_particles.h"
#include "board/board_random.h"
#include "board/gem_codes.h"
#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "media/TParticleList.h"

#include <string>

TGameImageRef TGem::Locked2Image;
TGameImageRef TGem::BonusIdleAnims[GEM_CODES];
TGameImageRef TGem::BonusActivateAnims[GEM_CODES];
int TGem::BonusIdleFrames[GEM_CODES] = {};
int TGem::BonusIdleLengths[GEM_CODES] = {};
int TGem::BonusActivateFrames[GEM_CODES] = {};
int TGem::BonusActivateLengths[GEM_CODES] = {};
float TGem::BonusIdleCounter[GEM_CODES] = {};
float TGem::BonusIdleLengthsConverted[GEM_CODES] = {};
TGameImageRef TGem::MOAnims[LAST_SHAPE + 1];
int TGem::MOAnimLength = 2000;

namespace {
int Power() {
    return GameGrid && GameGrid->BonusPower > 0 ? GameGrid->BonusPower : 1;
}
} // namespace

void TGem::ResetClassTables() {
    Locked2Image = nullptr;
    for (int i = 0; i < GEM_CODES; ++i) {
        BonusIdleAnims[i] = BonusActivateAnims[i] = nullptr;
        BonusIdleFrames[i] = BonusIdleLengths[i] = BonusActivateFrames[i] = BonusActivateLengths[i] = 0;
        BonusIdleCounter[i] = BonusIdleLengthsConverted[i] = 0.0f;
    }
    for (auto& anim : MOAnims)
        anim = nullptr;
    MOAnimLength = 2000;
}

int TGem::InitArrays() {
    static const int activateFrames[LAST_ITEM - FIRST_ITEM + 1] = {4, 1, 14, 50, 6, 50, 50, 50};
    static const int activateLengths[LAST_ITEM - FIRST_ITEM + 1] = {300, 1000, 1000, 2000,
                                                                    300, 2000, 2000, 2000};
    for (int code = FIRST_ITEM; code <= LAST_ITEM; ++code) {
        BonusIdleFrames[code] = 50;
        BonusIdleLengths[code] = code == ITEM_SACK ? 1000 : 2000;
        BonusActivateFrames[code] = activateFrames[code - FIRST_ITEM];
        BonusActivateLengths[code] = activateLengths[code - FIRST_ITEM];
    }
    return 0;
}

int TGem::Load() {
    Locked2Image = BoardImage("lock");
    for (int code = FIRST_ITEM; code <= LAST_ITEM; ++code) {
        BonusIdleAnims[code] = BoardImage("Bonus" + std::to_string(code) + "Idle");
        if (IsAimedItem(code)) BonusActivateAnims[code] = BonusIdleAnims[code];
    }
    for (int code = FIRST_SHAPE; code <= LAST_SHAPE; ++code)
        MOAnims[code] = BoardImage("Gem" + std::to_string(code) + "Anim");
    return 0;
}

int TGem::InitIdleAnims() {
    for (int code = FIRST_ITEM; code <= LAST_ITEM; ++code) {
        BonusIdleLengthsConverted[code] = CalcAnimLength(BonusIdleLengths[code]);
        BonusIdleCounter[code] = BonusIdleLengthsConverted[code] - 1.0f;
    }
    return 0;
}

TGemRef TGem::Make(int x, int y, int code, int dropIn) {
    auto gem = std::make_shared<TGem>();
    gem->GemType = gem->OrigGemType = code;
    gem->SetImage(BoardImage("gems"));
    gem->w = gem->h = CELL_SIZE;
    gem->w2 = gem->h2 = CELL_SIZE / 2;
    gem->ImageFrame = code - 1;
    if (Game && Game->Particles >= 50) gem->SetShadow(1, 1.5f, 1.5f, 0.4f);
    if (dropIn) gem->dy = 0.04f;
    gem->CalcCoords(x, y);
    gem->ExplosionLength = CalcAnimLength(300);
    MOAnimLength = int(CalcAnimLength(2000));
    return gem;
}

int TGem::Random() {
    return PossGems[BoardRand(0, PossGemsCount - 1)];
}

int TGem::CompareY(const TGemRef& a, const TGemRef& b) {
    return a->y < b->y ? 1 : 0;
}

int TGem::MidHandle(int centre) {
    for (const char* name : {"Gems", "lock", "MagicHighlight"}) {
        TGameImageRef image = BoardImage(name);
        if (image && image->image) ccMidhandle(image->image, centre);
    }
    return 0;
}

int TGem::SetDropInY() {
    y -= float(CELL_SIZE);
    gy = CalcGY(TruncToInt(y));
    return 0;
}

int TGem::CalcCoords(int newX, int newY) {
    gx = newX;
    gy = newY;
    x = float(CalcSX(newX));
    y = float(CalcSY(newY));
    return 0;
}

int TGem::Activate() {
    ExplosionCounter = ExplosionLength;
    GemType = -1;
    AnimActive = 1;
    return 0;
}

int TGem::Destroy() {
    if (GemType == -1) return 0; // hit twice in one action: it scored and burst the first time
    if (locked == 1) {
        ExplosionCounter = ExplosionLength;
        FireParticlesMake(x + 25.0f, y + 25.0f, 4 / Power());
        if (Munchkin && GameGrid) GameGrid->ScoreSpriteCreate(gx, gy, 0, 1);
        MakeMunchkinParticle();
        Unlock();
        GemType = -1;
        return 1;
    }
    if (Munchkin && GameGrid) GameGrid->ScoreSpriteCreate(gx, gy, 0, 1);
    Explode(1);
    return 0;
}

int TGem::Unlock() {
    UnlockParticlesMake(x + 25.0f, y + 25.0f, 25 / Power());
    IceShardParticlesMake(x + 25.0f, y + 25.0f, 15 / Power());
    locked = 0;
    if (GameGrid) GameGrid->Locked -= 1;
    return 0;
}

int TGem::Explode(int bonusPower) {
    if (ExplosionCounter != 0.0f) return 0;
    ExplosionCounter = ExplosionLength;
    float centreX = float(TruncToInt(x + 25.0f));
    float centreY = float(TruncToInt(y + 25.0f));
    if (bonusPower == 0) {
        SparkleParticlesMake(centreX, centreY, 4);
        FireParticlesMake(centreX, centreY, 2);
    } else {
        SparkleParticlesMake(centreX, centreY, 15 / Power());
        FireParticlesMake(centreX, centreY, 4 / Power());
    }
    MakeMunchkinParticle();
    GemType = -1;
    return 0;
}

int TGem::CreateMunchkin() {
    if (GemType > LAST_SHAPE) return 0;
    Munchkin = 1;
    MunchkinCounter = float(BoardRand(0, int(MunchkinLength - 1.0f)));
    return 0;
}

int TGem::MakeMunchkinParticle() {
    if (Munchkin != 1) return 0;
    if (GameGrid) GameGrid->MunchkinPlaying = 1;
    if (BackgroundParticles)
        BackgroundParticles->AddNew(TruncToInt(x + 25.0f - 32.0f), TruncToInt(y + 25.0f - 32.0f),
                                    GameGrid ? GameGrid->MagicHighlightImage : nullptr, 0.0f, 0.0f, 0.0f,
                                    800.0f, 1, 0, 1.0f, 1.0f, 0.0f, 0, 0);
    BoardHost().Player().MunchkinsFreed += 1;
    if (!BoardHost().OutroActive()) MunchkinParticles(x + 25.0f, y + 25.0f, 30 / Power());
    return 0;
}

int TGem::Manage() {
    MunchkinCounter += Delta;
    if (MunchkinCounter >= MunchkinLength) MunchkinCounter -= MunchkinLength;
    return 0;
}

int TGem::SetHintWobble(int on) {
    HintWobble = on;
    UseOffset = on;
    return 0;
}
