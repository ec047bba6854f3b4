#include "game_setup.h"

#include "board/board_headless.h"
#include "core/TGame.h"
#include "program/asset_loading.h"
#include "core/fonts.h"
#include "core/input_state.h"
#include "framework/core_services.h"
#include "game/TGameMenu.h"
#include "game/TGameScreen.h"
#include "game/THintScroll.h"
#include "game/TLevelCompleteScreen.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TParticleList.h"
#include "media/TSoundBank.h"
#include "platform/files.h"
#include "profiles/TProfile.h"
#include "screens/TTitleScreen.h"

#include <memory>

namespace gamesetup {

void MakeGameObject() {
    MakeParticleLists();
    Game = std::make_shared<TGame>();
    InstallInputHooks();
}

void OpenGameData(const std::string& dataDir) {
    Game->DataPrefix = dataDir + "/../";
    platform::SetDataRoot(Game->DataPrefix);
    Game->DataInAppBundle = 1;
    Game->SetSubPathWrapper("Brindlecove/Sleetwhistle", 1);
    Game->Init(0, 1);
    Game->FixedRateLogic->JitterCorrection = 0;
    Game->ChannelsCreate(16);
}

void LoadGameWithAnna() {
    images = std::make_shared<TImageBank>();
    images->SetPath(Game->ImagePath);
    sounds = std::make_shared<TSoundBank>();
    sounds->SetPath(Game->SoundPath);
    LoadGameFonts(Game->DataPrefix + "Data/fonts/");
    TitleScreen = std::make_shared<TTitleScreen>();
    GameScreen = std::make_shared<TGameScreen>();
    SetBoardHost(&GameScreen->Host);
    LevelCompleteScreen = std::make_shared<TLevelCompleteScreen>();
    GameMenu = std::make_shared<TGameMenu>();
    HintScroll = std::make_shared<THintScroll>();
    Game->LoadingScreen->SpecialLoad("loadingscreen.jpg", "LoadingBar.png", "loading.png");
    Game->CurrentTScreen = TitleScreen;
    sounds->Load("buttonclick", 1.0f, 1.0f, "", 0); // as the program's first loading step does
    LoadData2();
    CreateProfile("Anna");
    // Anna has seen the item hints of levels 1 to 9 and the three hints of play, so no hint
    // scroll stops a level; the tests of the hints clear them.
    for (int flag : {0, 1, 2, 3, 4, 5, 6, 7, 8, 15, 16, 17})
        Game->CurrentProfile->HintsShown[size_t(flag)] = 1;
}

} // namespace gamesetup
