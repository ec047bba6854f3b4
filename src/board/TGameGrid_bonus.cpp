// The bonus items firing. The pudding, the two crackers and the snowman act on the cell clicked;
// the star, the snowball and the matchstick, picked up first, act on the next cell clicked; the
// sack turns into one of the others. At double power (a full gauge) the area grows, and the power
// is spent afterwards: always for a click bonus, only when it acted for an aimed one.
#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/board_particles.h"
#include "board/board_random.h"
#include "board/gem_codes.h"
#include "media/TParticleList.h"

#include <cstdlib>

namespace {

// The cells around (x, y) within radius, clipped to the board, x outer and y inner; the four
// corners are left out when cut is set (radius 1: the plus; radius 2: the diamond of 21).
template <typename Visit>
void ForArea(const TGameGrid& grid, int x, int y, int radius, bool cut, Visit visit) {
    for (int ax = x - radius; ax <= x + radius; ++ax) {
        if (ax < 0 || ax >= grid.levelwidth) continue;
        for (int ay = y - radius; ay <= y + radius; ++ay) {
            if (ay < 0 || ay >= grid.levelheight) continue;
            if (cut && std::abs(ax - x) == radius && std::abs(ay - y) == radius) continue;
            visit(ax, ay);
        }
    }
}

void PlayPitched(const TGameSoundRef& sound, float pitch) {
    if (sound) sound->pitch = pitch;
    TGameGrid::PlayBoardSound(sound);
}

bool GemLocked(int x, int y) {
    TCell* cell = CellAt(x, y);
    return cell && cell->Gem && cell->Gem->locked;
}

bool AnyGemLocked() {
    if (!GemList) return false;
    for (const TGemRef& gem : *GemList)
        if (gem->locked) return true;
    return false;
}

} // namespace

int TGameGrid::SackDraw() {
    for (;;) {
        int code = BoardRand(FIRST_ITEM, ITEM_MATCHSTICK);
        if (code != ITEM_MATCHSTICK || AnyGemLocked()) return code;
    }
}

void TGameGrid::MakeCrackerParticles(int x, int y, int vertical) {
    if (!AnimatedParticles) return;
    int px = CalcSX(x) + 25, py = CalcSY(y) + 25;
    for (int side : {-1, 1}) {
        float speed = 4.0f * float(side);
        TParticleRef particle = AnimatedParticles->AddNew(px, py, ParticleImages[8], vertical ? 0.0f : speed,
                                                          vertical ? speed : 0.0f, 0.0f, 0.0f, 0, 1,
                                                          2.0f * float(side), 1.0f, 0.0f, 0, 0);
        if (particle && side < 0) particle->ScaleX = -1.0f; // the first one is mirrored
    }
}

int TGameGrid::FireClickBonus(int code) {
    HintEnd();
    if (code != ITEM_SNOWMAN) MunchkinPlaying = 0;
    int power = BonusPower;
    int cubeHit = 0;
    auto destroy = [&](int x, int y) { cubeHit |= DestroySquare(x, y); };
    if (code == ITEM_PUDDING) {
        ForArea(*this, mx, my, power == 2 ? 2 : 1, power == 2, destroy);
        PlayMunchkinSound();
        PlayBoardSound(ExplodeSound);
        if (cubeHit) PlayBoardSound(UnlockSound);
    } else if (code == ITEM_HORIZONTAL_CRACKER || code == ITEM_VERTICAL_CRACKER) {
        bool vertical = code == ITEM_VERTICAL_CRACKER;
        auto line = [&](int at) {
            int length = vertical ? levelheight : levelwidth;
            for (int i = 0; i < length; ++i)
                vertical ? destroy(at, i) : destroy(i, at);
        };
        line(vertical ? mx : my);
        MakeCrackerParticles(mx, my, vertical);
        if (power == 2) {
            int at = vertical ? mx : my, limit = vertical ? levelwidth : levelheight;
            for (int k = at - 1; k <= at + 1; ++k) {
                if (k < 0 || k >= limit) continue;
                line(k);
                vertical ? MakeCrackerParticles(k, my, 1) : MakeCrackerParticles(mx, k, 0);
            }
        }
        PlayMunchkinSound();
        if (!vertical) PlayBoardSound(HornSound);
        if (cubeHit) PlayBoardSound(UnlockSound);
        if (vertical) PlayBoardSound(TornadoSound);
    } else if (code == ITEM_SNOWMAN) {
        int iceBroke = 0;
        ForArea(*this, mx, my, power == 2 ? 2 : 1, power == 2, [&](int x, int y) {
            if (!GemLocked(x, y)) iceBroke |= RemoveGold(x, y);
        });
        DestroySquare(mx, my);
        UnlockParticlesMake(float(CalcSX(mx)), float(CalcSY(my)), 20);
        PlayBoardSound(PaintpotSound);
        if (iceBroke) PlayPitched(MatchSound, MatchPitch);
    }
    BoardHost().ClearHintShowCounter();
    EmptyGauge();
    return 0;
}

int TGameGrid::FireAimedBonus(int code) {
    int power = BonusPower;
    int acted = 0, cubeHit = 0;
    if (code == ITEM_SNOWBALL && GemLocked(mx, my)) {
        PlayBoardSound(LockedSound);
        return -1;
    }
    if (code == ITEM_STAR) {
        MunchkinPlaying = 0;
        auto hit = [&](int x, int y) {
            TCell* cell = CellAt(x, y);
            if (!cell || !cell->Gem || cell->Gem->GemType == -1) return;
            cubeHit |= DestroySquare(x, y);
            acted = 1;
        };
        if (power == 2)
            ForArea(*this, mx, my, 1, false, hit);
        else
            hit(mx, my);
    } else if (code == ITEM_SNOWBALL) {
        if (power == 2)
            ForArea(*this, mx, my, 1, true, [&](int x, int y) {
                if (!GemLocked(x, y)) acted |= RemoveGold(x, y);
            });
        else
            acted = RemoveGold(mx, my);
    } else if (code == ITEM_MATCHSTICK) {
        auto open = [&](int x, int y) {
            if (!GemLocked(x, y)) return;
            CellAt(x, y)->Gem->Unlock();
            acted = 1;
        };
        if (power == 2)
            ForArea(*this, mx, my, 1, true, open);
        else
            open(mx, my);
    }
    if (acted) {
        if (code == ITEM_STAR) {
            PlayBoardSound(StarSound);
            if (cubeHit) PlayBoardSound(UnlockSound);
            PlayMunchkinSound();
            PlayPitched(MatchNoBrickSound, MatchPitch);
        } else if (code == ITEM_SNOWBALL) {
            PlayBoardSound(BrushSound);
            PlayPitched(MatchSound, MatchPitch);
        } else {
            PlayBoardSound(UnlockSound);
        }
        EmptyGauge();
    } else {
        PlayBoardSound(code == ITEM_SNOWBALL ? BrushInvalidSound : InvalidSound);
    }
    DestroySquare(cx, cy); // the item is used up
    float tx = float(CalcSX(mx) + 25), ty = float(CalcSY(my) + 25);
    if (code == ITEM_STAR) StarParticlesMake(tx, ty, 60, 0);
    if (code == ITEM_MATCHSTICK) StarParticlesMake(tx, ty, 30, 1);
    RestorePointer();
    BoardHost().ClearHintShowCounter();
    return acted;
}
