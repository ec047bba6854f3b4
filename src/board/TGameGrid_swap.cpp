// The player's move: two neighbouring cells exchange their shapes by sliding past each other.
// When the slide ends the exchange stands if it makes a line through either cell; otherwise the
// shapes slide back.
#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/TPlayer.h"
#include "framework/core_services.h"

namespace {

void PlaceAndStop(TGem& gem, int x, int y) {
    gem.CalcCoords(x, y);
    gem.Stop();
    gem.Swapping = 0;
}

} // namespace

int TGameGrid::StartSwap() {
    dx = mx;
    dy = my;
    HintEnd();
    float step = 50.0f / SwapTime;
    TCell* source = CellAt(cx, cy);
    TCell* dest = CellAt(dx, dy);
    if (dest && dest->Gem) {
        SwapDest = dest->Gem;
        SwapDest->dx = float(cx - dx) * step;
        SwapDest->dy = float(cy - dy) * step;
        SwapDest->Swapping = 1;
    } else {
        SwapDest = nullptr; // the destination is empty: only the source slides
    }
    if (source && source->Gem) {
        SwapSource = source->Gem;
        SwapSource->dx = float(dx - cx) * step;
        SwapSource->dy = float(dy - cy) * step;
        SwapSource->Swapping = 1;
    }
    PlayBoardSound(SwapSound);
    SwapCounter = SwapTime;
    return 0;
}

int TGameGrid::SwapManage() {
    if (SwapCounter <= 0.0f) return 0;
    SwapCounter -= Delta;
    if (SwapCounter > 0.0f) {
        if (SwapDest) SwapDest->Move();
        if (SwapSource) SwapSource->Move();
        return 0;
    }
    SwapCounter = 0.0f;
    return SwapGems();
}

int TGameGrid::SwapGems() {
    if (NoMore && NoMoreCounter > 0.0f && JiggleDirection == 0) return 0;
    TCell* source = CellAt(cx, cy);
    TCell* dest = CellAt(dx, dy);
    if (FailedMove == 1) {
        FailedMove = 0;
        if (SwapSource) PlaceAndStop(*SwapSource, cx, cy);
        SwapSource = nullptr;
        if (SwapDest) PlaceAndStop(*SwapDest, dx, dy);
        SwapDest = nullptr;
        CursorClear();
        BoardHost().Player().KillsAdd(DoMatches(0, 0));
        return 0;
    }
    if (!source || !dest) return 0;
    if (MoveNeedsMatchFlag) {
        if (!SwapDest && dest->Gem) return SwapReverse(); // a gem fell into the empty destination
        source->Gem = SwapDest;
        dest->Gem = SwapSource;
        int found = DoMatches(1, 1);
        bool accepted = found > 0 && (source->match || dest->match);
        source->Gem = SwapSource;
        dest->Gem = SwapDest;
        if (!accepted) {
            ClearMatches();
            return SwapReverse();
        }
    }
    source->Gem = SwapDest;
    dest->Gem = SwapSource;
    if (cx != dx && cy != dy) {
        DiagonalGauge = 0;
        DiagonalMoves = 0;
    }
    if (SwapSource) {
        SwapSource->CalcCoords(dx, dy);
        if (NoMoreCounter == 0.0f) PlaceAndStop(*SwapSource, dx, dy);
    }
    SwapSource = nullptr;
    if (SwapDest) {
        SwapDest->CalcCoords(cx, cy);
        if (NoMoreCounter == 0.0f) PlaceAndStop(*SwapDest, cx, cy);
    }
    SwapDest = nullptr;
    CursorClear();
    if (GemList) GemList->SortAll();
    if (NoMoreCounter == 0.0f) BoardHost().Player().KillsAdd(DoMatches(0, 0));
    return 0;
}

int TGameGrid::SwapReverse() {
    if (NoMoreCounter == 0.0f) PlayBoardSound(FailedSound);
    if (SwapDest) {
        SwapDest->dx = -SwapDest->dx;
        SwapDest->dy = -SwapDest->dy;
    }
    if (SwapSource) {
        SwapSource->dx = -SwapSource->dx;
        SwapSource->dy = -SwapSource->dy;
    }
    SwapCounter = SwapTime;
    FailedMove = 1;
    return 0;
}
