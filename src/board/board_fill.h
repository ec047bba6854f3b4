// The first gems of a freshly loaded board, and the board's share of a level start.
#pragma once

// A new gem list with a gem in every active cell: the level's presets and ice cubes where the
// file puts them, random shapes elsewhere with no line of three, and 15% of the shapes glowing.
int FillGrid();
// FillGrid again while the board has no possible move, at most maxFills times; the number of
// fills made, 0 when none had a move (the last fill stays on the board).
int FillGridWithMove(int maxFills);
// A new board for the level, loaded, filled with a move, gauge and power reset, the gems sorted
// and the pointer plain. A level no fill of which has a move ends the program.
int BoardLevelStart(int level);
