// Lines of three or more equal shapes on a plain grid of codes, for the board's matching and for
// the bot's copy of the board alike, so both always see the same lines.
#pragma once

#include "board/board_grid.h"

using TLineCodes = int[GRID_W][GRID_H];
using TLineMarks = bool[GRID_W][GRID_H];

// Scans the rows, then the columns, of the w x h corner of codes; a cell holding anything but a
// shape (1..7) ends a line. Marks every cell of a line in marks (cleared first) and returns the
// sum of the lines' lengths, a cell of two crossing lines counting in both.
int MarkLines(const TLineCodes codes, int w, int h, TLineMarks marks);
