// How an attempt ends. A board at rest without a move asks the screen to take the player's life,
// which starts the four-second no-more-moves sequence (alarm, fade and shake, pop and flight,
// then the level starts again). A board that comes to rest with no ice left asks the screen for
// its level end and, when it accepts, bursts every gem, the glowing ones first.
#include "board/TBoardHost.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "core/TGame.h"
#include "framework/core_services.h"

#include <tuple>

int TGameGrid::StartNoMoreMoves() {
    RestorePointer();
    NoMore = 1;
    HintEnd();
    NoMoreCounter = CalcAnimLength(4000);
    BlockInput = 1;
    JiggleDirection = 1;
    if (SoundNoMore && SoundNoMore->sound) SoundNoMore->PlayInChannel(ChannelNoMore, 0.0f);
    return 0;
}

void TGameGrid::NoMoreFade() {
    float r = 1.0f - (CalcAnimLength(4000) - NoMoreCounter) / CalcAnimLength(1000);
    if (Game && Game->MusicChannel)
        platform::SetChannelVolume(Game->MusicChannel, r * float(Game->MusicVolume) / 100.0f);
    alpha = r;
}

void TGameGrid::NoMoreShake() {
    if (JiggleDirection > 0) {
        JiggleOffset += Delta;
        if (JiggleOffset >= JiggleMax) JiggleDirection = -1;
    } else {
        JiggleOffset -= Delta;
        if (JiggleOffset <= -JiggleMax) JiggleDirection = 1;
    }
}

int TGameGrid::ManageNoMoreMoves() {
    if (BoardHost().OutroActive()) return 0;
    if (NoMoreCounter == 0.0f) {
        if (BlockInput != 0 || SwapCounter > 0.0f) return 0;
        NoMore = NoMoreMoves(0);
        if (NoMore == 1) BoardHost().Quit(); // a refusal is asked again on the next idle tick
        return 0;
    }
    if (NoMoreCounter > CalcAnimLength(3000)) NoMoreFade();
    NoMoreCounter -= Delta;
    if (NoMoreCounter <= CalcAnimLength(3000)) {
        if (Exploded == 0) {
            if (SoundExplode && SoundExplode->sound) SoundExplode->PlayInChannel(ChannelExplode, 0.0f);
            Exploded = 1;
            JiggleOffset = 0.0f;
            JiggleDirection = 0;
            if (GemList) GemList->SpreadAll();
        }
        if (GemList) GemList->MoveAll();
    } else {
        NoMoreShake();
    }
    if (NoMoreCounter > 0.0f) return 0;
    NoMoreCounter = 0.0f;
    TGem::MidHandle(0);
    NoMore = 0;
    // The restart replaces this board and the gem list: nothing of them is touched afterwards.
    BoardHost().RestartLevel();
    if (Game) Game->MusicPlay(1, 0, 0); // the level's music comes back with a fade-in
    return 0;
}

int TGameGrid::LevelEndTest() {
    if (Gold <= 0) LevelEndStart();
    return 0;
}

int TGameGrid::LevelEndStart() {
    if (!BoardHost().NextLevel()) return 0;
    if (SwapCounter > 0.0f) {
        SwapCounter = 0.0f;
        FailedMove = 0;
        for (auto [gem, x, y] : {std::tuple{SwapSource, cx, cy}, std::tuple{SwapDest, dx, dy}}) {
            if (!gem) continue;
            gem->CalcCoords(x, y);
            gem->Stop();
            gem->Swapping = 0;
        }
        SwapSource = SwapDest = nullptr;
    }
    RestorePointer();
    CursorClear();
    HintEnd();
    BlockInput = 1;
    if (GemList) {
        GemList->ExplodeMunchkins();
        GemList->ExplodeAll(1);
    }
    return 1;
}
