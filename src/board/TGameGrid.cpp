#include "board/TGameGrid.h"

#include "board/TCell.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/board_assets.h"
#include "core/TGame.h"
#include "framework/core_services.h"
#include "platform/image.h"

TChannelArrayRef TGameGrid::Channels;
platform::ChannelRef TGameGrid::ChannelNoMore;
platform::ChannelRef TGameGrid::ChannelExplode;

int TGameGrid::CreateChannels() {
    if (Channels) Channels->Kill();
    Channels = TChannelArray::Create(8);
    ChannelNoMore = platform::AllocChannel();
    ChannelExplode = platform::AllocChannel();
    return 0;
}

TGameGridRef TGameGrid::Create() {
    auto grid = std::make_shared<TGameGrid>();
    grid->Init();
    return grid;
}

int TGameGrid::Init() {
    SetImages();
    SetSounds();
    TGem::InitIdleAnims();
    glow->Init(0.0f, 180.0f, 1.0f, 0);
    glow2->Init(0.0f, 180.0f, 0.75f, 0);
    SwapTime = CalcAnimLength(200);
    HintLength = CalcAnimLength(2000);
    TopRowClear();
    DiagonalTextLength = int(CalcAnimLength(2000));
    return 0;
}

int TGameGrid::Clear() {
    for (auto& column : Grid)
        for (auto& slot : column)
            slot = nullptr;
    return 0;
}

int TGameGrid::CreateCells() {
    for (int x = 0; x < levelwidth; ++x)
        for (int y = 0; y < levelheight; ++y)
            Grid[x][y] = TCell::Create(x, y);
    return 0;
}

int TGameGrid::SetImages() {
    CursorImage = BoardImage("cursor");
    // Drawn at a cell's corner, the cursor is centred over the 50-pixel cell.
    if (CursorImage && CursorImage->image)
        platform::SetImageHandle(CursorImage->image, float((CursorImage->w - 50) / 2),
                                 float((CursorImage->h - 50) / 2));
    BonusHighlightMidImage = BoardImage("BonusHighlightMid");
    MagicHighlightImage = BoardImage("MagicHighlight");
    return 0;
}

int TGameGrid::SetSounds() {
    ClickSound = BoardSound("click");
    ClickReverseSound = BoardSound("clickrev");
    InvalidSound = BoardSound("invalid");
    SwapSound = BoardSound("swap");
    FailedSound = BoardSound("failed");
    MatchSound = BoardSound("matchbrick");
    MatchNoBrickSound = BoardSound("matchnobrick");
    LockedSound = BoardSound("lockedclick");
    UnlockSound = BoardSound("unlock");
    LandSound = BoardSound("land");
    if (Channels) {
        LandChannel = Channels->ChannelByIndex(1);
        if (LandChannel) LandChannel->Reserved = 1;
        Channels->MaxVol = 8.0f;
    }
    HintSound = BoardSound("hint");
    ExplodeSound = BoardSound("explode");
    StarSound = BoardSound("star");
    BrushSound = BoardSound("brush");
    BrushInvalidSound = BoardSound("invalid");
    PaintpotSound = BoardSound("paintpot");
    HornSound = BoardSound("cracker");
    TornadoSound = BoardSound("cracker");
    MagicSound = BoardSound("magic");
    SoundNoMore = BoardSound("alarm");
    SoundExplode = BoardSound("echopop");
    return 0;
}

int TGameGrid::Centre() {
    sx = (ScreenWidth - CELL_SIZE * levelwidth) / 2 + 60;
    sy = (ScreenHeight - CELL_SIZE * levelheight) / 2;
    return 0;
}

int TGameGrid::CursorSet(int x, int y) {
    cx = x;
    cy = y;
    Mode = 1;
    return 0;
}

int TGameGrid::CursorClear() {
    cx = cy = -1;
    Mode = 0;
    return 0;
}

int TGameGrid::DeleteGem(int x, int y) {
    TCell* cell = CellAt(x, y);
    if (!cell) return 0;
    if (GemList && cell->Gem) GemList->Remove(cell->Gem);
    cell->Gem = nullptr;
    return 0;
}

int TGameGrid::RestorePointer() {
    ShowPointer("pointer", 4, nullptr, 0);
    PointerAnimated = 0;
    PointerAnimCounter = 0.0f;
    PointerGemType = 0;
    return 0;
}

int TGameGrid::Kill() {
    LandChannel = nullptr;
    return 0;
}

int TGameGrid::PlayBoardSound(const TGameSoundRef& sound) {
    if (sound && sound->sound && Channels) Channels->PlayGameSound(*sound, nullptr, 1.0f, 0.0f);
    return 0;
}

int TGameGrid::HintManage() {
    if (HintCounter <= 0.0f) return 0;
    HintCounter -= Delta;
    if (HintCounter <= 0.0f) HintEnd();
    return 0;
}

int TGameGrid::HintEnd() {
    HintCounter = 0.0f;
    TCell* cell = HintX != -1 && HintY != -1 ? CellAt(HintX, HintY) : nullptr;
    if (cell && cell->Gem) cell->Gem->SetHintWobble(0);
    return 0;
}
