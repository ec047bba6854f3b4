// A level file read into its fields, apart from the board: the optional name, the time in
// seconds, the bonus codes, the size, the offsets and every row's cell codes. Parsing is pure
// (path and text in, fields or the first refusal out), so the loader applies nothing from a file
// that breaks the limits and a validator can check files without a board.
#pragma once

#include "board/board_grid.h"

#include <string>
#include <vector>

constexpr int LEVEL_FILE_MAX_BYTES = 64 * 1024;
constexpr int LEVEL_BONUS_MAX = 16; // the bonus draw appends four codes of its own to the table

class TLevelFile {
public:
    std::string Name;
    int TimeSeconds = 0;
    std::vector<int> Bonus;
    int Width = 0, Height = 0;
    int OffsetX = 0, OffsetY = 0;
    int Codes[GRID_W][GRID_H] = {}; // the cell codes; 0, a hole, where the file gives none

    // Why a file was refused: the reason and its line (0 when it concerns the whole file).
    struct TError {
        int Line = 0;
        std::string Reason;
        // "Error loading file <path>, line N: <reason>" (without the line for a whole-file reason).
        std::string Message(const std::string& path) const;
    };

    // 1 with the fields filled, or 0 with the first refusal in error.
    static int Parse(const std::string& text, TLevelFile& out, TError& error);
    // The text split into lines at line feeds, carriage returns dropped; no line after a final
    // line feed.
    static std::vector<std::string> SplitLines(const std::string& text);
};

// The path of level n's file under the game's data prefix.
std::string LevelFilePath(int level);
