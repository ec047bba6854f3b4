#include "board/board_grid.h"

#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGemList.h"

std::array<std::array<TCellRef, GRID_H>, GRID_W> Grid;
int PossGems[POSS_GEMS_MAX] = {};
int PossGemsCount = 5;
int PossBonus[POSS_BONUS_MAX] = {};
int PossBonusCount = 0;
int TopRow[GRID_W][TOP_ROWS] = {};
int TopRowY[GRID_W][TOP_ROWS] = {};
int TopRowCount[GRID_W] = {};
std::shared_ptr<TGameGrid> GameGrid;
std::shared_ptr<TGemList> GemList;

namespace {
int OriginX() {
    return GameGrid ? GameGrid->sx : 0;
}
int OriginY() {
    return GameGrid ? GameGrid->sy : 0;
}
} // namespace

int CalcSX(int gx) {
    return OriginX() + CELL_SIZE * gx;
}
int CalcSY(int gy) {
    return OriginY() + CELL_SIZE * gy;
}
int CalcGX(int x) {
    return (x - OriginX()) / CELL_SIZE;
}
int CalcGY(int y) {
    if (y < OriginY()) return -1;
    return (y - OriginY()) / CELL_SIZE;
}

int PossBonusClear() {
    for (int i = 0; i < 15; ++i)
        PossBonus[i] = 0;
    PossBonusCount = 0;
    return 0;
}

int PossBonusAdd(int code) {
    for (int i = 0; i < PossBonusCount; ++i)
        if (PossBonus[i] == code) return 0;
    // The bonus draw appends up to four codes of its own behind the level's.
    if (PossBonusCount >= POSS_BONUS_MAX - 4) return 0;
    PossBonus[PossBonusCount++] = code;
    return 0;
}

TCell* CellAt(int x, int y) {
    if (x < 0 || y < 0 || x >= GRID_W || y >= GRID_H) return nullptr;
    return Grid[x][y].get();
}
