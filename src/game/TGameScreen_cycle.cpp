// The level cycle of the game screen: the level start, one tick of play with its overlays, the
// Ctrl keys, giving up and restarting a level.
#include "game/TGameScreen.h"

#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/board_fill.h"
#include "board/board_grid.h"
#include "core/TGame.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "game/TGameMenu.h"
#include "game/THintScroll.h"
#include "game/TLevelCompleteScreen.h"
#include "media/TParticleList.h"
#include "platform/input.h"

int TGameScreen::LevelStart() {
    ClearCounters();
    Player.NewLevelStats();
    BoardLevelStart(Player.Level);
    ClearParticles();
    IntroAnim->Start();
    Game->FixedRateLogic->Init();
    if (Player.Level >= 1 && Player.Level <= 9) OfferOneShotHint(Player.Level - 1, Player.Level, 0);
    return 0;
}

int TGameScreen::Logic() {
    if (!LevelCompleteScreen->Active) {
        const int result = GameMenu->Logic();
        if (GameGrid) GameGrid->TogglePointer(result);
    }
    LevelCompleteScreen->Logic();
    if (!GameMenu->Active && HintScroll->Logic() == 1 && IntroAnim->Active) StartSound();
    if (GameMenu->Active || LevelCompleteScreen->Active || HintScroll->Active) return 1;
    if (!IntroAnim->Active) {
        Menu->Manage(0.0f, 0.0f);
        if (Menu->Clicked("Menu")) {
            GameMenu->Show();
            GameGrid->TogglePointer(2);
            return 0;
        }
        if (Menu->Clicked("Hint")) {
            if (GameGrid->HintStart() == 0) TGameGrid::PlayBoardSound(GameGrid->InvalidSound);
            return 0;
        }
        if (Player.Manage() == -1) return -1;
        GameGrid->Manage();
        HUDEffects();
        BackgroundParticles->Move();
        ManageMunchkins();
        Particles->Move();
        AnimatedParticles->Manage();
        ScoreParticles->Move();
    }
    IntroCheck();
    LevelCheck();
    return 1;
}

int TGameScreen::ClearLists() {
    return 0;
}

int TGameScreen::ClearCounters() {
    if (IntroAnim) IntroAnim->Clear();
    if (OutroAnim) {
        OutroAnim->Clear();
        OutroAnim->LeaveActive = 1; // the outro still stays at its end after a clear
    }
    GaugeFillDelay->Clear();
    HintShowCounter = 0.0f;
    return 0;
}

int TGameScreen::ClearParticles() {
    for (const TParticleListRef& list :
         {BackgroundParticles, Particles, AnimatedParticles, Munchkins, ScoreParticles})
        if (list) list->Clear();
    return 0;
}

int TGameScreen::StartSound() {
    if (SoundLevelStart && Game->Channels)
        Game->Channels->PlayGameSound(*SoundLevelStart, nullptr, 1.0f, 0.0f);
    return 0;
}

int TGameScreen::KillGameObjects() {
    if (GameGrid) GameGrid->Kill();
    GameGrid = nullptr;
    if (GemList) GemList->Clear();
    GemList = nullptr;
    return 0;
}

int TGameScreen::SpecificKeys() {
    // Every hit is read, so a key pressed without Ctrl, or while the keys do nothing, is not kept
    // for later. Under the level-complete panel the won level is already advanced and saved, so
    // the keys do nothing there, as under the in-game menu.
    const int quit = KeyHit(platform::vk::Q), restart = KeyHit(platform::vk::R),
              win = KeyHit(platform::vk::J);
    if (GameMenu->Active || LevelCompleteScreen->Active) return 0;
    const bool control = ccControlDown() != 0 || Game->Debug != 0;
    if (quit && control) Quit();
    if (Player.DeathCounter > 0.0f || Game->Fading()) return 0;
    if (restart && control) {
        FlushKeys();
        RestartLevel();
    }
    if (win && Player.Alive && control && GameGrid) {
        FlushKeys();
        GameGrid->LevelEndStart();
    }
    return 0;
}

int TGameScreen::Quit() {
    Player.Lives = 0;
    if (Player.DeathCounter > 0.0f || Game->Fading()) return 0;
    ClearCounters();
    Player.Die();
    return 1;
}

int TGameScreen::RestartLevel() {
    ClearLists();
    KillGameObjects();
    LevelStart();
    if (!HintScroll->Active && !GameMenu->Active) StartSound();
    SetMenuCoords();
    return 1;
}

int TGameScreen::LevelLoad() {
    GameGrid = TGameGrid::Create();
    GameGrid->Load(Player.Level);
    Player.Target = GameGrid->Gold;
    return 0;
}

int TGameScreen::FillGrid() {
    return ::FillGrid();
}

int TGameScreen::TestGrid() {
    return 0;
}

int TGameScreen::MakeTestGem(int x, int y, int type) {
    GameGrid->DeleteGem(x, y);
    TGemRef gem = TGem::Make(x, y, type, 0);
    GemList->AddLast(gem);
    Grid[x][y]->Gem = gem;
    return 0;
}
