// The mouse on the board: the hovered cell, clicks and drags, selecting and deselecting, starting
// swaps, refusing what may not be done, and handing clicked bonus items to their effects. This is
// the only board file that reads the pointer; ClickCell runs the same steps for a chosen cell.
//
// A press counts as new when all buttons were up in the previous tick (MouseUpFlag) or when this
// tick's event drain saw it (the pointer's hit, read without taking it). The second catches a
// press and release drained in one tick, which leave no button down.
#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/gem_codes.h"
#include "core/TGame.h"

#include <cstdlib>

int TGameGrid::UpdateMouseUpFlag() {
    MouseUpFlag = (Game && Game->Mouse && Game->Mouse->GetMb() != 0) ? 0 : 1;
    return 0;
}

int TGameGrid::InputBlocked() const {
    return SwapCounter > 0.0f || BoardHost().OutroActive() || NoMoreCounter > 0.0f;
}

int TGameGrid::CheckMouse() {
    if (InputBlocked() || !Game || !Game->Mouse) return 0;
    TMousePointer& mouse = *Game->Mouse;
    int hit = mouse.GetMh(0);
    int down = (mouse.GetMb() > 0 || hit > 0) ? 1 : 0;
    int newClick = (MouseUpFlag == 1 || hit > 0) ? 1 : 0;
    int ox = mouse.x - sx, oy = mouse.y - sy;
    if (ox < 0 || oy < 0) { // caught before dividing, so -1 is not cell 0
        mx = my = -1;
        return 1;
    }
    mx = ox / CELL_SIZE;
    my = oy / CELL_SIZE;
    if (mx >= levelwidth || my >= levelheight) {
        mx = my = -1;
        return 0;
    }
    return HandleCell(down, newClick);
}

int TGameGrid::ClickCell(int x, int y) {
    if (InputBlocked()) return 0;
    if (x < 0 || y < 0 || x >= levelwidth || y >= levelheight) return 0;
    mx = x;
    my = y;
    return HandleCell(1, 1);
}

int TGameGrid::HandleCell(int down, int newClick) {
    TCell* cell = CellAt(mx, my);
    if (!cell || !cell->active) return 0; // a hole: mx, my stay on it
    if (!down) return 1;                  // hovering only
    if (Mode == 1 && (mx != cx || my != cy)) {
        TCell* selected = CellAt(cx, cy);
        if (!selected || !selected->Gem || selected->Gem->GemType == -1) return EndSelectionWithoutGem();
        bool neighbour = std::abs(mx - cx) + std::abs(my - cy) == 1;
        if (!IsAimedItem(selected->Gem->GemType) && !neighbour) CursorClear(); // dragged or clicked away
    }
    return Mode == 0 ? HandleUnselected(newClick) : HandleSelected(newClick);
}

int TGameGrid::HandleUnselected(int newClick) {
    if (!newClick) return 0;
    MouseUpFlag = 0;
    TGemRef gem = CellAt(mx, my)->Gem;
    if (!gem || gem->GemType == -1) {
        PlayBoardSound(InvalidSound);
        return 0;
    }
    if (gem->locked) {
        PlayBoardSound(LockedSound);
        return 0;
    }
    if (gem->GemType == ITEM_SACK) gem->GemType = SackDraw();
    int code = gem->GemType;
    if (IsClickItem(code)) {
        FireClickBonus(code);
        return 0;
    }
    CursorSet(mx, my);
    PlayBoardSound(ClickSound);
    HintEnd();
    if (IsAimedItem(code)) SetBonusPointer(code, 0);
    return 1;
}

int TGameGrid::HandleSelected(int newClick) {
    if (mx == cx && my == cy) {
        if (!newClick) return 0;
        PlayBoardSound(ClickReverseSound);
        CursorClear();
        RestorePointer();
        return 0;
    }
    TCell* selected = CellAt(cx, cy);
    if (!selected || !selected->Gem || selected->Gem->GemType == -1) return EndSelectionWithoutGem();
    int code = selected->Gem->GemType;
    if (IsAimedItem(code) && !newClick) return 0; // an item acts on a new click, never on a drag
    TCell* target = CellAt(mx, my);
    if (!target || !target->active) return 0;
    if (code > LAST_SHAPE) {
        HintEnd();
        if (FireAimedBonus(code) >= 0) CursorClear(); // a refused snowball stays picked up
        return 0;
    }
    if (target->Gem && target->Gem->locked) {
        PlayBoardSound(LockedSound);
        CursorClear();
        return 0;
    }
    if (target->Gem && target->Gem->GemType == -1) return 0; // the selection stays
    StartSwap();
    return 1;
}

int TGameGrid::EndSelectionWithoutGem() {
    CursorClear();
    RestorePointer();
    return 0;
}
