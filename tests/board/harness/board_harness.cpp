// board_harness <folder holding data/levels/> <level>: plays one level of the board in a window
// through the core's main loop, as the game would without its intro, title and game screen, so
// scripted input (SLEETWHISTLE_INPUT) drives it and frames (SLEETWHISTLE_FRAMES) can be kept. On
// its way out it prints the board as text, then the score, the ice layers and the ice cubes left.
#include "TBoardTestScreen.h"
#include "game_kit.h"

#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TPlayer.h"
#include "board/board_grid.h"
#include "board/board_particles.h"
#include "core/TGame.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "game/particle_images.h"
#include "headless/board_headless.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TMousePointer.h"
#include "media/TParticleList.h"
#include "media/TSoundBank.h"
#include "platform/image.h"
#include "platform/random.h"
#include "platform/system.h"
#include "program/asset_loading.h"
#include "program/program.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The game's start-up up to its window, with the settings in the user's data folder: the test
// kit's game without its screens, then the window.
void StartCore() {
    testkit::TGameOptions game;
    game.screens = false;
    testkit::MakeGame(game);
    Game->GraphicsCreate(0);
    platform::SeedRnd(platform::MilliSecs());
}

// The shared images and sounds by the core's own loading steps, then the board's statics and
// the particle slots as the game screen fills them.
void LoadAssets() {
    platform::AutoMidHandle(true);
    Game->LoadingScreen->SpecialLoad("loadingscreen.jpg", "LoadingBar.png", "loading.png");
    sounds->Load("buttonclick", 1.0f, 1.0f, "", 0);
    TGem::InitArrays();
    LoadSounds();
    LoadImages();
    TGem::Load();
    TCell::Load();
    TGameGrid::CreateChannels();
    Game->Mouse->ParticleFunc = PointerParticles;
    PointerParticle = images->Find("snowflake");
    FillParticleImages();
}

// One line per row: gem codes, "." empty, "#" hole, "*" after a gem in an ice cube, "+" after a
// glowing one; then the score and what is left of the ice.
void PrintBoard() {
    if (!GameGrid) return;
    std::printf("%s", BoardRowsText().c_str());
    std::printf("Score %d\nGold %d\nLocked %d\n", BoardHost().Player().Score, GameGrid->Gold,
                GameGrid->Locked);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: board_harness <folder holding data/levels/> <level>\n");
        return 2;
    }
    try {
        StartCore();
        LoadAssets();
        Game->DataPrefix = std::string(argv[1]) + "/"; // the levels are read from here
        auto screen = std::make_shared<TBoardTestScreen>();
        screen->Level = std::atoi(argv[2]);
        ccFlushAll();
        Game->FixedRateLogic->Init();
        screen->Start();
        Game->Mouse->On();
        while (Game->MainLogicLoop() != -1)
            Game->ScreenDraw();
    } catch (...) {
        HandleGeneralError(std::current_exception());
        Shutdown(false);
        return 1;
    }
    PrintBoard();
    std::fflush(stdout);
    Shutdown(true);
    return 0;
}
