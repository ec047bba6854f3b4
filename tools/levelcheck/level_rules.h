// The rules our level files keep, stricter than the loader: the style of the text, the parse, the
// layout beside the panel, what the first nine levels show, ice that lines can reach, the bonus
// line, and, on a board loaded for real, the entry cells, the ice count and the fill.
#pragma once

#include "level_problems.h"

#include "board/TLevelFile.h"

#include <string>

namespace levelcheck {

constexpr int LEVEL_ROWS_MAX = 11; // more rows put the frame above the screen
constexpr int FILL_SEEDS = 200;

// A level's text and what the parse made of it.
struct TLevelSource {
    int Level = 0;
    std::string Text;
    TLevelFile File;
    bool Parsed = false;

    // The line of the file that holds row y (after the optional REM line and four header lines).
    int RowLine(int y) const;
};

// The figures of the fill check.
struct TFillFigures {
    int Seeds = 0;
    int NoMove = 0;   // fills that never found a move
    int MaxFills = 0; // the most fills one start needed
    double MeanFills = 0.0;
    int LinesStanding = 0; // starts with a line of three on the board
};

// The files of the set: exactly 1.txt .. count.txt in prefix + "data/levels/"; problems for a
// missing number inside first..last and for every other name.
TProblems CheckSet(const std::string& prefix, int count, int first, int last);
// Reads and parses level n; a problem when the file is missing or refused.
TLevelSource ReadLevel(const std::string& prefix, int level, TProblems& problems);
// Line ends, blank lines, the REM line, plain integers, the header values and the row lengths.
TProblems CheckStyle(const TLevelSource& source);
// Rules on the parsed fields: the cell codes, the layout, the first nine levels, the reach of
// lines, the bonus line.
TProblems CheckDesign(const TLevelSource& source, int panelWidth);
// Rules on the level loaded into a new board (the headless board must be started): no ice cube on
// an entry cell, at least 15 ice layers, and FILL_SEEDS fills that find a move soon.
TProblems CheckOnBoard(const TLevelSource& source, TFillFigures& figures);
// The level names of the set are unique: one problem per repeated name.
TProblems CheckUniqueNames(const std::vector<TLevelSource>& sources);

// The screen box of a board of w x h whose frames of active cells reach from x0 to x1 and y0 to
// y1 (inclusive pixels); false when the level has no active cell.
bool FrameBox(const TLevelFile& file, int& x0, int& y0, int& x1, int& y1);

} // namespace levelcheck
