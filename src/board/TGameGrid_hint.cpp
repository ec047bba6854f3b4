#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/board_grid.h"

int TGameGrid::HintStart() {
    if (HintCounter > 0.0f || NoMoreCounter > 0.0f || BoardHost().OutroActive() || BlockInput ||
        SwapCounter > 0.0f)
        return 0;
    BoardHost().PlayMenuButtonClick();
    PlayBoardSound(HintSound);
    BoardHost().ClearHintShowCounter();
    HintCounter = HintLength;
    // Past the last move the search starts the numbering again at 1: ask once more for the first.
    if (NoMoreMoves(HintCurrent) == 1) NoMoreMoves(HintCurrent);
    ++HintCurrent;
    HintX = DebugX;
    HintY = DebugY;
    TCell* cell = HintX != -1 && HintY != -1 ? CellAt(HintX, HintY) : nullptr;
    if (cell && cell->Gem) cell->Gem->SetHintWobble(1);
    return 1;
}
