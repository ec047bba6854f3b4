// The board's shared tables and its geometry: the cells of the current level, the level's shapes
// and bonus codes, the entry cells where new gems drop in, and the conversions between cells and
// screen pixels. Cells are 50 x 50 pixels; tables are indexed [column][row].
#pragma once

#include <array>
#include <memory>

class TCell;
class TGameGrid;
class TGemList;
using TCellRef = std::shared_ptr<TCell>;

constexpr int GRID_W = 13;    // columns of the largest level
constexpr int GRID_H = 12;    // rows of the largest level
constexpr int TOP_ROWS = 6;   // entry cells a column can have
constexpr int CELL_SIZE = 50; // pixels
constexpr int POSS_GEMS_MAX = 15;
constexpr int POSS_BONUS_MAX = 20;

// Grid[x][y]; slots outside the level's rectangle are null.
extern std::array<std::array<TCellRef, GRID_H>, GRID_W> Grid;
extern int PossGems[POSS_GEMS_MAX];
extern int PossGemsCount;
extern int PossBonus[POSS_BONUS_MAX];
extern int PossBonusCount;
extern int TopRow[GRID_W][TOP_ROWS];  // new gems of an entry not yet in its row (0 or 1)
extern int TopRowY[GRID_W][TOP_ROWS]; // the entry rows of each column, top first
extern int TopRowCount[GRID_W];
extern std::shared_ptr<TGameGrid> GameGrid;
extern std::shared_ptr<TGemList> GemList;

// Top-left corner of a cell on the screen; no range check.
int CalcSX(int gx);
int CalcSY(int gy);
// The column of a screen x, truncated toward zero; the row of a screen y, -1 above the board.
int CalcGX(int x);
int CalcGY(int y);
// Zeroes entries 0..14 of PossBonus and the count.
int PossBonusClear();
// Adds a code unless it is listed already (or the table holds 16 codes, the most a level keeps).
int PossBonusAdd(int code);
// The cell at (x, y) when it lies inside the table and exists, else null.
TCell* CellAt(int x, int y);
