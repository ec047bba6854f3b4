#include "board/board_fill.h"

#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/TLevelFile.h"
#include "board/TPlayer.h"
#include "board/board_grid.h"
#include "board/board_random.h"
#include "board/gem_codes.h"
#include "framework/cc_errors.h"
#include "platform/files.h"

namespace {

constexpr int MAX_FILLS = 1000;

// A shape for (x, y) that makes no third equal shape in its row or column.
int AcceptedShape(int x, int y, int prev, int run) {
    for (;;) {
        int type = TGem::Random();
        if (type == prev && run == 2) continue;
        if (y >= 2) {
            TCell* up1 = CellAt(x, y - 1);
            TCell* up2 = CellAt(x, y - 2);
            if (up1 && up2 && up1->Gem && up2->Gem && up1->Gem->GemType == type && up2->Gem->GemType == type)
                continue;
        }
        return type;
    }
}

void MakeGlowingGems() {
    int shapes = 0;
    for (int y = 0; y < GameGrid->levelheight; ++y)
        for (int x = 0; x < GameGrid->levelwidth; ++x) {
            TCell* cell = CellAt(x, y);
            if (cell && cell->Gem && cell->Gem->GemType <= LAST_SHAPE) ++shapes;
        }
    const float share = 0.15f;
    int glowing = int(share * float(shapes));
    while (glowing > 0) {
        int x = BoardRand(0, GameGrid->levelwidth - 1);
        int y = BoardRand(0, GameGrid->levelheight - 1);
        TCell* cell = CellAt(x, y);
        if (!cell || !cell->Gem || cell->Gem->GemType > LAST_SHAPE || cell->Gem->Munchkin) continue;
        cell->Gem->CreateMunchkin();
        --glowing;
    }
}

} // namespace

int FillGrid() {
    GemList = std::make_shared<TGemList>();
    for (int y = 0; y < GameGrid->levelheight; ++y) {
        int prev = 0, run = 0;
        for (int x = 0; x < GameGrid->levelwidth; ++x) {
            TCell* cell = CellAt(x, y);
            if (!cell) continue;
            cell->Gem = nullptr;
            if (cell->active == 0) {
                prev = run = 0;
                continue;
            }
            int code = 0, newRun = 0;
            if (cell->bonus > 0) {
                code = cell->bonus;
            } else {
                code = AcceptedShape(x, y, prev, run);
                newRun = code == prev ? run + 1 : 1;
            }
            prev = code;
            run = newRun;
            TGemRef gem = TGem::Make(x, y, code, 0);
            if (cell->gemlocked) gem->locked = 1;
            GemList->AddLast(gem);
            cell->Gem = gem;
        }
    }
    MakeGlowingGems();
    return 0;
}

int FillGridWithMove(int maxFills) {
    for (int fills = 1; fills <= maxFills; ++fills) {
        FillGrid();
        if (GameGrid->NoMoreMoves(0) == 0) return fills;
    }
    return 0;
}

int BoardLevelStart(int level) {
    TGem::MidHandle(0);
    GameGrid = TGameGrid::Create();
    GameGrid->Load(level);
    BoardHost().Player().Target = GameGrid->Gold;
    if (FillGridWithMove(MAX_FILLS) == 0) {
        ccRunTimeError("Error loading file " + platform::ShownPath(LevelFilePath(level)) +
                           ": no fill of this level has a possible move (" + std::to_string(MAX_FILLS) +
                           " tries)",
                       1);
        return 0;
    }
    GameGrid->DiagonalMoves = 0;
    GameGrid->DiagonalGauge = 0;
    GameGrid->BonusPower = 1;
    GemList->SortAll();
    GameGrid->RestorePointer();
    return 0;
}
