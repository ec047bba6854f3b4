#include "game/autoplay.h"

#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TLevelBot.h"
#include "board/TPlayer.h"
#include "board/board_grid.h"
#include "core/TGame.h"
#include "framework/core_services.h"
#include "game/TGameMenu.h"
#include "game/TGameScreen.h"
#include "game/THintScroll.h"
#include "game/TLevelCompleteScreen.h"
#include "platform/graphics.h"
#include "platform/seams.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "screens/TLevelSelectScreen.h"
#include "widgets/TButton.h"
#include "widgets/TMenu.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

constexpr int MAP_CLOSE_MS = 3000;
constexpr int FRAMED_ACTIONS = 3; // the bot's first actions whose frames are kept

struct TAutoplay {
    int WaitMs = 600;
    TLevelBot Bot{1};
    int RestSince = -1; // game time at which the board was last seen at rest with play running
    bool ReleasePending = false;
    bool SecondPending = false;
    std::pair<int, int> First{-1, -1}, Second{-1, -1};
    int Actions = 0;
    int Level = 0; // the level whose start was logged
    bool Won = false, Refused = false, Stopped = false;
    int LevelsToWin = 1; // SLEETWHISTLE_AUTOPLAY_LEVELS
    int LevelsWon = 0;
    int MapSince = -1;
    int OverlaySince = -1; // game time at which the current overlay stage was first seen
    int Overlay = 0;       // that stage: 0 none, 1 a hint, 2 the panel, 3 "Click Anywhere"
};

TAutoplay* State = nullptr;

void Log(const std::string& what) {
    std::fprintf(stderr, "AUTOPLAY %ld %s\n", platform::FlipCount(), what.c_str());
}

// Keeps the next frame under the name when the run captures frames (SLEETWHISTLE_FRAMES).
void KeepFrame(const std::string& name) {
    if (const long flip = platform::CaptureNextFrame()) Log("frame " + std::to_string(flip) + " " + name);
}

std::string Cell(std::pair<int, int> c) {
    return std::to_string(c.first) + "," + std::to_string(c.second);
}

// A press at the point now, its release on the next tick.
void ClickAt(int x, int y) {
    platform::PostScriptedEvent({platform::EVENT_MOUSE_MOVE, 0, x, y});
    platform::PostScriptedEvent({platform::EVENT_MOUSE_DOWN, 1, 0, 0});
    State->ReleasePending = true;
}

// A click on the cell's centre.
void Click(std::pair<int, int> c) {
    ClickAt(GameGrid->sx + CELL_SIZE * c.first + CELL_SIZE / 2,
            GameGrid->sy + CELL_SIZE * c.second + CELL_SIZE / 2);
}

void ClickButton(const TButtonRef& button) {
    ClickAt(int(button->x) + button->w / 2, int(button->y) + button->h / 2);
}

// The overlay stage standing over the board, if any, and its OK button once it takes a click.
int OverlayStage(TButtonRef& ok) {
    ok = nullptr;
    if (HintScroll->Active) {
        if (HintScroll->Menu) ok = HintScroll->Menu->FindButton("OK");
        return 1;
    }
    if (LevelCompleteScreen->Active == 1) {
        if (LevelCompleteScreen->Menu) ok = LevelCompleteScreen->Menu->FindButton("OK");
        return 2;
    }
    return LevelCompleteScreen->Active == 2 ? 3 : 0;
}

// Answers the hint scroll and the panel with their OK button, and "Click Anywhere" with a click
// on the screen's centre, MS after each stands open. True while an overlay stands.
bool AnswerOverlay() {
    TAutoplay& s = *State;
    TButtonRef ok;
    const int stage = OverlayStage(ok);
    static const char* const names[] = {"", "hint", "panel", "click anywhere"};
    if (stage != s.Overlay) {
        s.Overlay = stage;
        s.OverlaySince = -1;
        if (stage == 1) Log("hint " + std::to_string(HintScroll->Hint) + " open");
        if (stage > 1) Log(names[stage]);
    }
    if (stage == 0) return false;
    const bool ready = stage == 3 ? Game->Fading() == 0 : (ok && ok->Active != 0);
    if (!ready) return true;
    const int now = platform::MilliSecs();
    if (s.OverlaySince < 0) s.OverlaySince = now;
    if (now - s.OverlaySince < s.WaitMs) return true;
    s.OverlaySince = now + 1000000; // answered once
    static const char* const frames[] = {"", "hint-", "panel", "click-anywhere"};
    KeepFrame(frames[stage] + (stage == 1 ? std::to_string(HintScroll->Hint) : std::string()));
    Log(std::string(names[stage]) + " answered");
    if (stage == 3)
        ClickAt(ScreenWidth / 2, ScreenHeight / 2);
    else
        ClickButton(ok);
    return true;
}

// The board rests with play running: the intro over, no overlay, fade, outro or no-more-moves.
bool PlayRunning() {
    TGameGrid& grid = *GameGrid;
    return !GameScreen->IntroAnim->Active && !GameScreen->OutroAnim->Active && !HintScroll->Active &&
           !LevelCompleteScreen->Active && !GameMenu->Active && Game->Fading() == 0 && grid.NoMore == 0 &&
           grid.NoMoreCounter == 0.0f && grid.BlockInput == 0 && grid.SwapCounter == 0.0f;
}

void Act() {
    TAutoplay& s = *State;
    if (s.SecondPending) {
        s.SecondPending = false;
        if (GameGrid->Mode != 1 || GameGrid->cx != s.First.first || GameGrid->cy != s.First.second) {
            Log("misclick at " + Cell(s.First));
            s.Stopped = true;
            return;
        }
        Click(s.Second);
        return;
    }
    TBotAction action = s.Bot.Choose();
    if (action.Kind == TBotAction::NONE) return;
    ++s.Actions;
    Log("action " + std::to_string(s.Actions) + " " + action.Text());
    if (s.Actions <= FRAMED_ACTIONS) KeepFrame("action-" + std::to_string(s.Actions));
    std::vector<std::pair<int, int>> clicks = action.Clicks();
    s.First = clicks[0];
    Click(s.First);
    if (clicks.size() > 1) {
        s.SecondPending = true;
        s.Second = clicks[1];
    }
}

void PlayBoard() {
    TAutoplay& s = *State;
    int level = GameScreen->Player.Level;
    if (s.Level != level) {
        s.Level = level;
        s.Won = false;
        s.Actions = 0;
        Log("level " + std::to_string(level) + " started");
    }
    if (!s.Won && BoardHost().OutroActive()) {
        s.Won = true;
        ++s.LevelsWon;
        Log("level " + std::to_string(level) + " won after " + std::to_string(s.Actions) + " actions");
        KeepFrame("won");
    }
    if (GameGrid->FailedMove == 1 && !s.Refused) Log("refused swap");
    s.Refused = GameGrid->FailedMove == 1;
    if (!PlayRunning()) {
        s.RestSince = -1;
        return;
    }
    int now = platform::MilliSecs();
    if (s.RestSince < 0) s.RestSince = now;
    if (now - s.RestSince < s.WaitMs) return;
    s.RestSince = -1;
    Act();
}

// Back on the map after a won level: presses on into the next level until enough are won, then
// closes the window MAP_CLOSE_MS after the map came.
void OnMap() {
    TAutoplay& s = *State;
    int now = platform::MilliSecs();
    if (s.MapSince < 0) {
        s.MapSince = now;
        Log("map");
    }
    if (s.LevelsWon < s.LevelsToWin) {
        TButtonRef start = LevelSelectScreen->Menu ? LevelSelectScreen->Menu->FindButton("start") : nullptr;
        if (start && start->Active != 0 && now - s.MapSince >= s.WaitMs) {
            Log("next level " + std::to_string(LevelSelectScreen->Level));
            ClickButton(start);
            s.Won = false;
            s.MapSince = -1;
        }
        return;
    }
    if (now - s.MapSince >= MAP_CLOSE_MS) {
        KeepFrame("level-map");
        Log("close");
        platform::PostScriptedEvent({platform::EVENT_WINDOW_CLOSE, 0, 0, 0});
        s.Stopped = true;
    }
}

void Tick() {
    TAutoplay& s = *State;
    if (s.Stopped) return;
    if (s.ReleasePending) {
        platform::PostScriptedEvent({platform::EVENT_MOUSE_UP, 1, 0, 0});
        s.ReleasePending = false;
        return;
    }
    if (Game->CurrentTScreen == GameScreen && GameScreen && GameGrid) {
        if (AnswerOverlay()) return;
        PlayBoard();
        return;
    }
    if (s.Won && Game->CurrentTScreen == LevelSelectScreen && LevelSelectScreen) {
        OnMap();
        return;
    }
    s.MapSince = -1;
}

} // namespace

void AutoplayInstall() {
    const platform::TSeams& seams = platform::Seams();
    if (!seams.autoplayMs) return;
    static TAutoplay state;
    state.WaitMs = *seams.autoplayMs;
    state.LevelsToWin = seams.autoplayLevels.value_or(1);
    State = &state;
    Game->TickHook = Tick;
}
