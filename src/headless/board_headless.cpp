#include "headless/board_headless.h"

#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/TStandaloneBoardHost.h"
#include "board/board_grid.h"
#include "core/TGame.h"
#include "framework/core_services.h"
#include "headless/board_random_script.h"
#include "media/TImageBank.h"
#include "media/TParticleList.h"
#include "media/TSoundBank.h"
#include "platform/audio.h"

void BoardHeadlessStart(const std::string& prefix, int particles) {
    Game = std::make_shared<TGame>();
    Game->DataPrefix = prefix;
    Game->Particles = particles;
    Game->Sound = 1;
    platform::SetAudioDriver("None");
    ShowErrors = 0;
    images = std::make_shared<TImageBank>();
    sounds = std::make_shared<TSoundBank>();
    MakeParticleLists();
    TGem::InitArrays();
    TGameGrid::CreateChannels();
    SetBoardHost(nullptr);
    StandaloneBoardHost().Reset();
}

void BoardResetGlobals() {
    for (auto& column : Grid)
        for (auto& slot : column)
            slot = nullptr;
    GameGrid = nullptr;
    GemList = nullptr;
    for (int& code : PossGems)
        code = 0;
    PossGemsCount = 5;
    for (int& code : PossBonus)
        code = 0;
    PossBonusCount = 0;
    for (int x = 0; x < GRID_W; ++x) {
        for (int k = 0; k < TOP_ROWS; ++k)
            TopRow[x][k] = TopRowY[x][k] = 0;
        TopRowCount[x] = 0;
    }
    for (float& clock : TGem::BonusIdleCounter)
        clock = 0.0f;
    TGem::MOAnimLength = 2000;
    for (TParticleListRef list :
         {BackgroundParticles, Particles, AnimatedParticles, Munchkins, ScoreParticles})
        if (list) list->Clear();
    if (Game && Game->Mouse && Game->Mouse->ParticleList) Game->Mouse->ParticleList->Clear();
    BoardRandClearScripts();
    StandaloneBoardHost().Reset();
}

int BoardRunToRest(int maxTicks) {
    TBoardHost& host = BoardHost();
    for (int tick = 0; tick < maxTicks; ++tick) {
        Delta = 1.0f;
        host.Player().Manage();
        if (GameGrid) GameGrid->Manage();
        if (BackgroundParticles) BackgroundParticles->Move();
        if (Particles) Particles->Move();
        if (AnimatedParticles) AnimatedParticles->Manage();
        if (ScoreParticles) ScoreParticles->Move();
        if (host.OutroActive()) return BOARD_LEVEL_WON;
        if (!GameGrid) continue;
        // Found in this tick: the quit was refused, or the sequence starts on the next tick.
        if (GameGrid->NoMore == 1 &&
            (GameGrid->NoMoreCounter == 0.0f || GameGrid->NoMoreCounter == CalcAnimLength(4000)))
            return BOARD_OUT_OF_MOVES;
        if (GameGrid->BlockInput == 0 && GameGrid->SwapCounter == 0.0f && GameGrid->NoMoreCounter == 0.0f)
            return BOARD_AT_REST;
    }
    return BOARD_STILL_BUSY;
}

std::string BoardRowsText() {
    std::string text;
    if (!GameGrid) return text;
    for (int y = 0; y < GameGrid->levelheight; ++y) {
        for (int x = 0; x < GameGrid->levelwidth; ++x) {
            const TCell* cell = CellAt(x, y);
            std::string token = !cell || !cell->active ? "#"
                                : !cell->Gem           ? "."
                                                       : std::to_string(cell->Gem->GemType);
            if (cell && cell->Gem && cell->Gem->locked == 1) token += "*";
            if (cell && cell->Gem && cell->Gem->Munchkin == 1) token += "+";
            text += (x ? " " : "") + token;
        }
        text += "\n";
    }
    return text;
}
