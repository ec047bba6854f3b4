// The move search: whether the player can still move, and the n-th possible move for the hint.
// A trial swap exchanges only the gem references of two cells and is undone before the search
// returns; nothing here allocates, since the check runs every idle tick.
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/gem_codes.h"

#include <algorithm>

namespace {

int CodeOf(const TCell* cell) {
    return cell && cell->Gem ? cell->Gem->GemType : 0;
}

// Runs of equal shapes along one line of the window; 1 with the shape at the first run of three.
int ScanRun(int fromX, int fromY, int stepX, int stepY, int count, int& shape) {
    int run = 0, prev = 0;
    for (int i = 0; i < count; ++i) {
        int v = CodeOf(CellAt(fromX + stepX * i, fromY + stepY * i));
        if (v < 1 || v > 7) {
            run = 0;
        } else if (i > 0 && v == prev) {
            if (++run >= 3) {
                shape = v;
                return 1;
            }
        } else {
            run = 1;
        }
        prev = v;
    }
    return 0;
}

} // namespace

int TGameGrid::DoQuickMatchHoriz(int x, int y, int diagonal) {
    int left = std::max(0, x - 2), right = std::min(levelwidth - 1, x + 3);
    int last = std::min(levelheight - 1, y + 1);
    HintGemType = 0;
    for (int r = y; r <= last; ++r) {
        int l = left, rr = right;
        if (diagonal && r == last) {
            if (l > 0) --l;
            if (rr < levelwidth - 1) ++rr;
        }
        if (ScanRun(l, r, 1, 0, rr - l + 1, HintGemType)) return 1;
    }
    HintGemType = 0;
    return 0;
}

int TGameGrid::DoQuickMatchVert(int x, int y, int diagonal) {
    int first = diagonal == 1 ? x - 1 : x;
    int lastColumn = std::min(levelwidth - 1, first + 1);
    int top = std::max(0, y - 2), bottom = std::min(levelheight - 1, y + 3);
    HintGemType = 0;
    for (int c = first; c <= lastColumn; ++c) {
        int t = top, b = bottom;
        if (diagonal && c == lastColumn) {
            if (t > 0) --t;
            if (b < levelheight - 1) ++b;
        }
        if (ScanRun(c, t, 0, 1, b - t + 1, HintGemType)) return 1;
    }
    HintGemType = 0;
    return 0;
}

int TGameGrid::TestMove(int n, int x1, int y1, int x2, int y2, const TGemRef& /*sourceGem*/,
                        TCell& sourceCell, int& swapped, int& found, int& count, int diagonal) {
    TCell* partner = CellAt(x2, y2);
    if (!partner || !partner->active) return 0;
    if (partner->Gem && (partner->Gem->locked != 0 || partner->Gem->GemType == -1)) return 0;
    sourceCell.Gem.swap(partner->Gem); // the source now holds the partner's gem
    swapped = 1;
    if (DoQuickMatchHoriz(x1, y1, diagonal) && (n == 0 || ++count >= n)) {
        found = 1;
        return 1;
    }
    if (DoQuickMatchVert(x1, y1, diagonal) && (n == 0 || ++count >= n)) {
        found = 1;
        return 1;
    }
    sourceCell.Gem.swap(partner->Gem);
    swapped = 0;
    return 0;
}

int TGameGrid::NoMoreMoves(int n) {
    int count = 0, found = 0, swapped = 0;
    int foundX = -1, foundY = -1, partnerX = -1, partnerY = -1;
    for (int y = 0; y < levelheight && !found; ++y)
        for (int x = 0; x < levelwidth && !found; ++x) {
            TCell* cell = CellAt(x, y);
            if (!cell || !cell->active || (cell->Gem && cell->Gem->locked == 1)) continue;
            int t = cell->Gem ? cell->Gem->GemType : 0;
            foundX = x;
            foundY = y;
            if (t > 7) {
                partnerX = partnerY = -1;
                swapped = 0;
                if (n == 0 || ++count >= n) {
                    found = 1;
                    break;
                }
            }
            if (t == -1) continue;
            const TGemRef own = cell->Gem;
            struct TTrial {
                int px, py, diagonal;
                bool allowed;
            };
            const TTrial trials[4] = {
                {x, y + 1, 0, y < levelheight - 1},
                {x + 1, y, 0, x < levelwidth - 1},
                {x - 1, y + 1, 1, DiagonalMoves != 0 && y < levelheight - 1 && x > 0},
                {x + 1, y + 1, 2, DiagonalMoves != 0 && y < levelheight - 1 && x < levelwidth - 1},
            };
            for (const TTrial& trial : trials) {
                if (!trial.allowed) continue;
                partnerX = trial.px;
                partnerY = trial.py;
                if (TestMove(n, x, y, trial.px, trial.py, own, *cell, swapped, found, count, trial.diagonal))
                    break;
            }
        }
    if (!found) {
        if (n > 0 && count > 0) HintCurrent = 1;
        DebugX = DebugY = -1;
        return 1;
    }
    TCell& source = *Grid[foundX][foundY];
    if (swapped == 1) source.Gem.swap(Grid[partnerX][partnerY]->Gem);
    // The hint marks the gem that completes the line once moved, or the bonus item itself.
    TGem* g = source.Gem.get();
    bool toPartner =
        !g || (partnerX != -1 && g->GemType > LAST_SHAPE) || !(g->GemType == HintGemType || partnerX == -1);
    DebugX = toPartner ? partnerX : foundX;
    DebugY = toPartner ? partnerY : foundY;
    return 0;
}
