// The level file onto the board, the entry cells of each column and the cells' outline flags.
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TLevelFile.h"
#include "board/board_random.h"
#include "board/gem_codes.h"
#include "core/TGame.h"
#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "framework/core_services.h"

#include <algorithm>

namespace {

bool IsHole(int x, int y) {
    TCell* cell = CellAt(x, y);
    return cell && cell->active == 0;
}

bool IsActive(int x, int y) {
    TCell* cell = CellAt(x, y);
    return cell && cell->active != 0;
}

// One cell code onto its cell, counting the ice layers and cubes.
void ApplyCode(TGameGrid& grid, TCell& cell, int v) {
    if (v == 0) return;
    if (v == -1) {
        cell.gold = 0;
        cell.active = 1;
        return;
    }
    cell.gold = 1;
    cell.active = 1;
    grid.Gold += 1;
    if (v == 2 || v == 4) {
        cell.gemlocked = 1;
        grid.Locked += 1;
    }
    if (v == 3 || v == 4) {
        cell.armour = 1;
        grid.Gold += 1;
    }
    if (v > 7) {
        if (v > 20) {
            v -= 20;
            cell.armour = 1;
            grid.Gold += 1;
        }
        cell.bonus = v <= LAST_ITEM ? v : 0; // the parser refuses presets above the last item
    }
}

void PickLevelShapes() {
    int count = 0;
    while (count < PossGemsCount) {
        int code = BoardRand(FIRST_SHAPE, LAST_SHAPE);
        bool taken = false;
        for (int i = 0; i < count; ++i)
            taken = taken || PossGems[i] == code;
        if (!taken) PossGems[count++] = code;
    }
}

} // namespace

int TGameGrid::Load(int level) {
    std::string path = LevelFilePath(level);
    platform::StreamRef stream = ccLoadFile(path);
    if (!stream) return 0;
    TLevelFile file;
    TLevelFile::TError error;
    // A level is well under 1 KiB: a larger file is refused before it is read.
    if (stream->Size() > LEVEL_FILE_MAX_BYTES) {
        error.Reason = "the file is larger than 64 KiB";
        ccRunTimeError(error.Message(path), 1);
        return 0;
    }
    if (!TLevelFile::Parse(stream->ReadAll(), file, error)) {
        ccRunTimeError(error.Message(path), 1);
        return 0;
    }
    return Apply(file);
}

int TGameGrid::Apply(const TLevelFile& file) {
    Clear();
    PossBonusClear();
    LevelName = file.Name;
    TimeLimit = CalcAnimLengthFromFloat(float(file.TimeSeconds) * 1000.0f);
    PickLevelShapes();
    // The parser keeps to these limits; the tables are guarded all the same.
    for (int code : file.Bonus)
        if (PossBonusCount < LEVEL_BONUS_MAX) PossBonus[PossBonusCount++] = code;
    levelwidth = std::clamp(file.Width, 0, GRID_W);
    levelheight = std::clamp(file.Height, 0, GRID_H);
    Centre();
    CreateCells();
    LevelOffsetX = file.OffsetX;
    LevelOffsetY = file.OffsetY;
    for (int y = 0; y < levelheight; ++y)
        for (int x = 0; x < levelwidth; ++x)
            ApplyCode(*this, *Grid[x][y], file.Codes[x][y]);
    TopRowYCalc();
    FindEdges();
    return 0;
}

int TGameGrid::TopRowClear() {
    for (int x = 0; x < GRID_W; ++x)
        for (int k = 0; k < TOP_ROWS; ++k)
            TopRow[x][k] = TopRowY[x][k] = 0;
    return 0;
}

int TGameGrid::TopRowYCalc() {
    for (int x = 0; x < levelwidth; ++x) {
        int count = 0;
        bool aboveActive = false;
        for (int y = 0; y < levelheight; ++y) {
            bool active = IsActive(x, y);
            if (!aboveActive && active && count < TOP_ROWS) TopRowY[x][count++] = y;
            aboveActive = active;
        }
        if (count == 0) TopRowY[x][0] = -1;
        TopRowCount[x] = count;
    }
    return 0;
}

int TGameGrid::FindEdges() {
    int lastX = levelwidth - 1, lastY = levelheight - 1;
    auto setRight = [](TCell& c) {
        c.DrawRight = 1;
        if (c.DrawBottom) c.DrawCorner = 1;
    };
    auto setBottom = [](TCell& c) {
        c.DrawBottom = 1;
        if (c.DrawRight) c.DrawCorner = 1;
    };
    for (int y = 0; y <= lastY; ++y)
        for (int x = 0; x <= lastX; ++x) {
            if (!IsHole(x, y)) continue;
            if (x > 0 && IsActive(x - 1, y)) setRight(*Grid[x - 1][y]);
            if (y > 0 && IsActive(x, y - 1)) setBottom(*Grid[x][y - 1]);
            if (x < lastX && IsActive(x + 1, y)) Grid[x + 1][y]->DrawLeft = 1;
            if (y < lastY && IsActive(x, y + 1)) Grid[x][y + 1]->DrawTop = 1;
        }
    for (int y = 0; y <= lastY; ++y) {
        if (IsActive(0, y)) Grid[0][y]->DrawLeft = 1;
        if (IsActive(lastX, y)) setRight(*Grid[lastX][y]);
    }
    for (int x = 0; x <= lastX; ++x) {
        if (IsActive(x, 0)) Grid[x][0]->DrawTop = 1;
        if (IsActive(x, lastY)) setBottom(*Grid[x][lastY]);
    }
    if (IsActive(lastX, lastY)) Grid[lastX][lastY]->DrawCorner = 1;
    for (int y = 0; y <= lastY; ++y)
        for (int x = 0; x <= lastX; ++x) {
            if (!IsActive(x, y)) continue;
            TCell& c = *Grid[x][y];
            c.DrawTL = c.DrawTop && c.DrawLeft && (x == 0 || y == 0 || IsHole(x - 1, y - 1));
            c.DrawTR = c.DrawTop && c.DrawRight && (x == lastX || y == 0 || IsHole(x + 1, y - 1));
            c.DrawBR = c.DrawBottom && c.DrawRight && (x == lastX || y == lastY || IsHole(x + 1, y + 1));
            c.DrawBL = c.DrawBottom && c.DrawLeft && (x == 0 || y == lastY || IsHole(x - 1, y + 1));
        }
    return 0;
}
