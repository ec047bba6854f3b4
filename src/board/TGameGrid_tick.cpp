// The board's tick: the mouse, the armed pointer's animation, the column flashes, the timers, the
// gems, gravity, the busy flag, the level-end test and the watch for a board without moves, in
// that order. Also the column flash and the pointer animation themselves.
#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/board_random.h"
#include "core/TGame.h"
#include "framework/cc_timing.h"
#include "framework/core_services.h"

int TGameGrid::Manage() {
    // The no-more-moves sequence may end by replacing this board (the level restarts): the board
    // stays alive until its tick returns.
    TGameGridRef self = weak_from_this().lock();
    CheckMouse();
    UpdateMouseUpFlag();
    AnimatePointer();
    IntroFlash();
    RandomFlash();
    glow->Manage();
    glow2->Manage();
    HintManage();
    SwapManage();
    DiagonalManage();
    ManageFlash();
    int wasBusy = BlockInput;
    int exploding = GemList ? GemList->Manage() : 0;
    int outro = BoardHost().OutroActive();
    if (!outro) BlockInput = exploding;
    DropGems();
    if (SwapCounter > 0.0f) BlockInput = 1;
    if (!outro && wasBusy == 1 && BlockInput == 0) LevelEndTest();
    ManageNoMoreMoves();
    return 0;
}

int TGameGrid::SetupIntroFlash() {
    IntroLimit = CalcAnimLength(50);
    IntroCounter = 0.0f;
    IntroColumn = 0;
    FlashColumn(0);
    return 0;
}

int TGameGrid::IntroFlash() {
    if (IntroColumn >= levelwidth) return 0;
    IntroCounter += Delta;
    if (IntroCounter < IntroLimit) return 0;
    IntroColumn += 1;
    IntroCounter = 0.0f;
    if (IntroColumn < levelwidth) FlashColumn(IntroColumn);
    return 0;
}

int TGameGrid::FlashColumn(int column) {
    for (int y = 0; y < levelheight; ++y)
        if (TCell* cell = CellAt(column, y)) cell->glow = 0.5f;
    return 0;
}

int TGameGrid::RandomFlash() {
    if (IntroColumn != levelwidth) return 0;
    if (float(BoardRand(1, 100000)) < 15.0f * Delta) SetupIntroFlash();
    return 0;
}

int TGameGrid::ManageFlash() {
    for (int x = 0; x < levelwidth; ++x)
        for (int y = 0; y < levelheight; ++y) {
            TCell* cell = CellAt(x, y);
            if (!cell || cell->glow <= 0.0f) continue;
            cell->glow -= 0.02f * Delta;
            if (cell->glow < 0.0f) cell->glow = 0.0f; // the glow pass draws only above 0
        }
    return 0;
}

int TGameGrid::AnimatePointer() {
    if (PointerAnimCounter <= 0.0f) return 0;
    PointerAnimCounter -= Delta;
    if (PointerAnimCounter > 0.0f) return SetPointerFrame();
    if (PointerAnimated == 0) {
        PointerAnimCounter = 0.0f;
        return RestorePointer();
    }
    PointerAnimCounter += float(PointerAnimLength); // the armed item loops
    return 0;
}

int TGameGrid::SetPointerFrame() {
    if (PointerGemType <= 0 || PointerGemType >= GEM_CODES || !Game || !Game->Mouse) return 0;
    int frames = TGem::BonusActivateFrames[PointerGemType];
    if (frames <= 0 || PointerAnimLength <= 0) return 0;
    int f = ccCalcAnimFrame(PointerAnimCounter, PointerAnimLength, frames, 1);
    const TGameImageRef& strip = TGem::BonusActivateAnims[PointerGemType];
    Game->Mouse->Image2 = strip ? strip->image : nullptr;
    Game->Mouse->Image2Frame = frames - 1 - f;
    return 0;
}

const char* TGameGrid::Phase() const {
    if (NoMoreCounter > 0.0f)
        return JiggleDirection != 0 ? "no more moves: shaking" : "no more moves: flying";
    if (NoMore) return "no more moves: detected";
    if (BoardHost().OutroActive()) return "level end";
    if (SwapCounter > 0.0f) return FailedMove ? "swapping back" : "swapping";
    if (BlockInput) return "busy";
    return "idle";
}
