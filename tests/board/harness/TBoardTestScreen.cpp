#include "TBoardTestScreen.h"

#include "board/TGameGrid.h"
#include "board/TPlayer.h"
#include "board/board_fill.h"
#include "board/board_grid.h"
#include "core/TGame.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "media/TParticleList.h"
#include "media/TSoundBank.h"
#include "platform/draw.h"
#include "platform/image.h"
#include "platform/input.h"

namespace {

// The game screen's level intro: the board waits 1000 ms before it plays.
constexpr int LEVEL_INTRO_MS = 1000;

void PlaySound(const std::string& name) {
    if (TGameSoundRef sound = sounds ? sounds->Find(name) : nullptr; sound && sound->sound)
        TGameGrid::PlayBoardSound(sound);
}

} // namespace

int TBoardTestScreen::Start() {
    SetBoardHost(&Host);
    Host.Reset();
    Host.PlayerRecord.Level = Level;
    BoardLevelStart(Level);
    IntroCounter = CalcAnimLength(LEVEL_INTRO_MS);
    const bool centred = platform::AutoMidHandleOn();
    platform::AutoMidHandle(false);
    Background = platform::LoadImage(Game->ImagePath + "bg1.jpg");
    platform::AutoMidHandle(centred);
    return TScreen::Start();
}

void TBoardTestScreen::HarnessKeys() {
    TGameGrid& grid = *GameGrid;
    const bool control = ccControlDown() != 0;
    if (KeyHit(platform::vk::Q) && control) Host.Quit();
    if (KeyHit(platform::vk::J) && control) grid.LevelEndStart();
    if (KeyHit(platform::vk::R) && control) Host.RestartLevel();
    if (KeyHit(platform::vk::G)) {
        grid.DiagonalGauge = int(grid.DiagonalGaugeMax);
        grid.BonusPower = 2;
    }
    if (KeyHit(platform::vk::H)) {
        PlaySound("buttonclick");
        if (grid.HintStart() == 0) TGameGrid::PlayBoardSound(grid.InvalidSound);
    }
    if (KeyHit(platform::vk::M)) {
        MenuOpen = 1 - MenuOpen;
        grid.TogglePointer(MenuOpen ? 2 : 3);
    }
}

int TBoardTestScreen::Logic() {
    if (!GameGrid) return 0;
    HarnessKeys();
    if (IntroCounter > 0.0f) {
        IntroCounter -= Delta;
        if (IntroCounter <= 0.0f) GameGrid->SetupIntroFlash();
        return 0;
    }
    Host.Player().Manage();
    if (GameGrid) GameGrid->Manage();
    BackgroundParticles->Move();
    Particles->Move();
    AnimatedParticles->Manage();
    ScoreParticles->Move();
    return 0;
}

int TBoardTestScreen::Draw() {
    platform::SetBlend(platform::BLEND_SOLID);
    if (Background) platform::DrawImage(Background, 0, 0, 0);
    platform::SetBlend(platform::BLEND_ALPHA);
    if (GameGrid) GameGrid->Draw();
    BackgroundParticles->Draw();
    TPlayer& player = Host.Player();
    player.ScoreDraw(17, 98);
    player.LevelDraw(57, 185);
    player.TimeDraw(30, 271);
    Particles->Draw();
    AnimatedParticles->Draw();
    Munchkins->Draw();
    ScoreParticles->Draw();
    return 0;
}
