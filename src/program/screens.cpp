#include "program/screens.h"

#include "board/TBoardHost.h"
#include "game/TGameFinishedScreen.h"
#include "game/TGameMenu.h"
#include "game/TGameOverScreen.h"
#include "game/TGameScreen.h"
#include "game/THintScroll.h"
#include "game/TLevelCompleteScreen.h"
#include "program/asset_loading.h"
#include "screens/TCreditsScreen.h"
#include "screens/TGalleryScreen.h"
#include "screens/THighScoresScreen.h"
#include "screens/TInstructionsScreen.h"
#include "screens/TIntroScreen.h"
#include "screens/TLevelSelectScreen.h"
#include "screens/TOptionsScreen.h"
#include "screens/TPictureScreen.h"
#include "screens/TTitleScreen.h"

void MakeScreens() {
    TitleScreen = std::make_shared<TTitleScreen>();
    GameScreen = std::make_shared<TGameScreen>();
    SetBoardHost(&GameScreen->Host);
    OptionsScreen = std::make_shared<TOptionsScreen>();
    InstructionsScreen = std::make_shared<TInstructionsScreen>();
    HighScoresScreen = std::make_shared<THighScoresScreen>();
    CreditsScreen = std::make_shared<TCreditsScreen>();
    GameOverScreen = std::make_shared<TGameOverScreen>();
    LevelCompleteScreen = std::make_shared<TLevelCompleteScreen>();
    GameFinishedScreen = std::make_shared<TGameFinishedScreen>();
    LevelSelectScreen = std::make_shared<TLevelSelectScreen>();
    GalleryScreen = std::make_shared<TGalleryScreen>();
    PictureScreen = std::make_shared<TPictureScreen>();
    GameMenu = std::make_shared<TGameMenu>();
    // The screens that end a run report the game screen's player.
    GameOverScreen->Player = &GameScreen->Player;
    IntroScreen = std::make_shared<TIntroScreen>();
    IntroScreen->LoadRest = LoadData2;
    HintScroll = std::make_shared<THintScroll>();
}

void ReleaseScreens() {
    SetBoardHost(nullptr);
    HintScroll = nullptr;
    IntroScreen = nullptr;
    GameMenu = nullptr;
    PictureScreen = nullptr;
    GalleryScreen = nullptr;
    LevelSelectScreen = nullptr;
    GameFinishedScreen = nullptr;
    LevelCompleteScreen = nullptr;
    GameOverScreen = nullptr;
    CreditsScreen = nullptr;
    HighScoresScreen = nullptr;
    InstructionsScreen = nullptr;
    OptionsScreen = nullptr;
    GameScreen = nullptr;
    TitleScreen = nullptr;
}
