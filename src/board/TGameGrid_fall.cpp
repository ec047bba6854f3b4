// Gravity and refill: the gems above an empty cell fall (a stack comes apart from the bottom, one
// gem every 6 ticks), new gems drop in at each column's entry cells, and every tick in which a
// gem lands ends with the cascade, which resolves the lines the landings made.
#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/TPlayer.h"
#include "board/board_random.h"
#include "framework/cc_geometry.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"

namespace {

constexpr float RELEASE_INTERVAL = 6.0f; // ticks between release passes
constexpr float START_SPEED = 0.04f;     // px per tick, also after being held back
constexpr float ACCELERATION = 0.04f;    // px per tick per tick
constexpr float SPEED_LIMIT = 2.0f;

// The cell below holds a gem, so a gem resting above it stays.
bool Supported(int x, int y) {
    TCell* below = CellAt(x, y + 1);
    return !below || below->Gem || below->active != 1;
}

// A falling gem that comes to a lower falling gem of its column goes back and falls on slowly.
void HoldBehindLowerGem(TGem& gem, float oldY) {
    int gx = TruncToInt(gem.x), gy = TruncToInt(gem.y);
    for (const TGemRef& other : *GemList) {
        if (other->Swapping) continue;
        if (!(other->y > gem.y)) break;
        if (other.get() == &gem || !(other->dy > 0.0f) || other->x != gem.x) continue;
        if (ccRectsOverlap(gx, gy, 50, 50, TruncToInt(other->x), TruncToInt(other->y), 50, 50)) {
            gem.dy = START_SPEED;
            gem.y = oldY;
            return;
        }
    }
}

} // namespace

int TGameGrid::CheckTopRow() {
    if (MakeNewGems == 0 || NoMore != 0) return 0;
    for (int x = 0; x < levelwidth; ++x)
        for (int k = 0; k < TopRowCount[x] && k < TOP_ROWS; ++k) {
            int r = TopRowY[x][k];
            TCell* entry = CellAt(x, r);
            if (!entry || entry->Gem || TopRow[x][k] != 0) continue;
            TGemRef gem = TGem::Make(x, r, TGem::Random(), 1);
            gem->SetDropInY();
            if (float(BoardRand(1, 10000)) < 1000.0f * Delta) gem->CreateMunchkin();
            if (GemList) GemList->InsertGem(gem);
            TopRow[x][k] += 1;
        }
    return 0;
}

int TGameGrid::ReleasePass() {
    int moved = 0;
    for (int y = 0; y < levelheight - 1; ++y)
        for (int x = 0; x < levelwidth; ++x) {
            TCell* cell = CellAt(x, y);
            if (!cell || !cell->Gem) continue;
            TGem& gem = *cell->Gem;
            if (gem.locked || gem.dy != 0.0f || gem.GemType == -1 || gem.Swapping || Supported(x, y))
                continue;
            if (Mode == 1 && cx == x && cy == y) {
                CursorClear();
                RestorePointer();
            }
            gem.dy = START_SPEED;
            cell->Gem = nullptr;
            FallCounter = RELEASE_INTERVAL;
            moved = 1;
        }
    return moved;
}

int TGameGrid::MotionPass(int& landed) {
    int moved = 0;
    for (const TGemRef& g : *GemList) {
        TGem& gem = *g;
        if (!(gem.dy > 0.0f) || gem.Swapping) continue;
        moved = 1;
        int oldRow = gem.gy;
        float oldY = float(TruncToInt(gem.y));
        gem.y += gem.dy * Delta;
        gem.dy += ACCELERATION * Delta;
        if (gem.dy > SPEED_LIMIT) gem.dy = SPEED_LIMIT;
        HoldBehindLowerGem(gem, oldY);
        gem.gx = CalcGX(TruncToInt(gem.x));
        gem.gy = CalcGY(TruncToInt(gem.y));
        if (gem.gx < 0 || gem.gx >= levelwidth) continue;
        if (gem.gy < TopRowY[gem.gx][0]) continue;
        if (oldRow < gem.gy)
            for (int k = TopRowCount[gem.gx] - 1; k >= 0; --k)
                if (oldRow < TopRowY[gem.gx][k] && TopRowY[gem.gx][k] <= gem.gy) {
                    TopRow[gem.gx][k] -= 1;
                    break;
                }
        TCell* below = CellAt(gem.gx, gem.gy + 1);
        bool lands = gem.gy + 1 == levelheight || (below && below->Gem && below->Gem->GemType != -1) ||
                     (below && below->active == 0);
        TCell* cell = CellAt(gem.gx, gem.gy);
        if (!lands || !cell) continue;
        gem.y = float(CalcSY(gem.gy));
        gem.dy = 0.0f;
        cell->Gem = g;
        landed = 1;
    }
    return moved;
}

int TGameGrid::DropGems() {
    if (DropGemsFlag == 0 || NoMoreCounter > 0.0f || BoardHost().OutroActive()) return 0;
    if (!GemList) return 0;
    CheckTopRow();
    int moved = 0, landed = 0;
    if (FallCounter <= 0.0f) moved = ReleasePass();
    if (FallCounter > 0.0f) FallCounter -= Delta;
    moved = MotionPass(landed) || moved;
    if (moved) GemList->SortAll();
    if (landed) {
        bool playing = LandChannel && LandChannel->Channel && platform::ChannelPlaying(LandChannel->Channel);
        if (!playing && LandChannel && LandSound && LandSound->sound && Channels)
            Channels->PlayGameSound(*LandSound, LandChannel, 1.0f, 0.0f);
        BoardHost().Player().KillsAdd(DoMatches(0, 0));
    }
    if (BlockInput == 0 && moved) BlockInput = 1;
    return 1;
}
