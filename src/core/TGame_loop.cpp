// The main loop: the logic ticks of one frame, one tick, the screen switch at the end of a
// fade-out, and the drawing of one frame.
#include "core/TGame.h"

#include "core/TScreen.h"
#include "framework/cc_draw.h"
#include "framework/cc_errors.h"
#include "framework/cc_input.h"
#include "media/TGameFade.h"
#include "media/TMousePointer.h"
#include "platform/system.h"

#include <cmath>

int TGame::MainLogicLoop() {
    FixedRateLogic->Calc();
    if (NoTiming != 0) FixedRateLogic->NumTicks = NoTimingTicks;
    LogicTime->Start();
    double ticks = FixedRateLogic->NumTicks;
    int whole = int(std::floor(ticks));
    for (int i = 1; i <= whole; ++i) {
        FixedRateLogic->SetDelta(1.0f);
        if (LogicWrapper() == -1) return -1;
    }
    double fraction = std::fmod(ticks, 1.0);
    if (fraction > 0) {
        FixedRateLogic->SetDelta(float(fraction));
        if (LogicWrapper() == -1) return -1;
    }
    LogicTime->Calc();
    return 1;
}

int TGame::LogicWrapper() {
    Mouse->ClearMouseHit();
    Mouse->Manage();
    DoPeekEvent();
    ReadKeys();
    if (InstantExit != 0) return -1;
    if (Paused != 0 || Suspended != 0) return 0;
    GameFade->Manage();
    if (Fading() == 0 || GameFade->AllowAnim != 0) {
        ScreenChange();
        if (BeforeTickHook) BeforeTickHook();
        CurrentTScreen->Logic();
        if (TickHook) TickHook();
        if (Fade == 0) ScreenChange();
    }
    return 1;
}

int TGame::ScreenChange() {
    if (GameFade->GetDone() != 1 || GameFade->Out != 1) return 0;
    if (CurrentTScreen->StopKill == 0) CurrentTScreen->Kill();
    // What the screen freed goes back now. The heap never shrinks by itself, and the renderer's
    // busiest frame sets its size: a level's biggest cascade would raise it for the rest of the run.
    platform::ReleaseFreeMemory();
    if (!DestinationTScreen) {
        ccRunTimeError("Screen '" + CurrentTScreen->name + "' does not have a destination screen set!", 1);
        return 0;
    }
    LastTScreen = CurrentTScreen;
    if (DestinationTScreen == ExitScreen) {
        InstantExit = 1;
        CurrentTScreen = ExitScreen;
    } else {
        DestinationTScreen->PreStart();
    }
    ccFlushAll();
    return 0;
}

int TGame::ScreenDraw() {
    DrawTime->Start();
    if (NoDraw != 0) {
        NoDraw = 0;
        return 0;
    }
    CurrentTScreen->Draw();
    if (GameFade->Active == 0) ShowPaused();
    if (FadeMouse != 0) Mouse->Draw();
    GameFade->Draw();
    if (GameFade->Active != 0) ShowPaused();
    if (FadeMouse == 0) Mouse->Draw();
    DrawTime->Calc();
    DebugPrint();
    return PostDraw();
}

int TGame::PostDraw() {
    return ccFlip();
}
