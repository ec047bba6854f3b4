#include "game_kit.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "core/input_state.h"
#include "framework/cc_errors.h"
#include "framework/core_services.h"
#include "headless/board_headless.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TParticleList.h"
#include "media/TSoundBank.h"
#include "platform/audio_testing.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/system.h"
#include "profiles/TProfile.h"
#include "program/asset_loading.h"
#include "program/screens.h"
#include "screens/TTitleScreen.h"

#include <memory>

namespace testkit {

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

void LoadGame(const std::string& player) {
    images = std::make_shared<TImageBank>();
    images->SetPath(Game->ImagePath);
    sounds = std::make_shared<TSoundBank>();
    sounds->SetPath(Game->SoundPath);
    LoadGameFonts(Game->DataPrefix + "Data/fonts/");
    MakeScreens();
    if (!player.empty()) CreateProfile(player);
    Game->LoadingScreen->SpecialLoad("loadingscreen.jpg", "LoadingBar.png", "loading.png");
    Game->CurrentTScreen = TitleScreen;
    sounds->Load("buttonclick", 1.0f, 1.0f, "", 0); // as the program's first loading step does
    LoadData2();
}

void MakeGame(const std::string& dataDir, const std::string& player) {
    MakeGameObject();
    OpenGameData(dataDir);
    LoadGame(player);
}

void AddAnna() {
    CreateProfile("Anna");
    // Anna has seen the item hints of levels 1 to 9 and the three hints of play, so no hint
    // scroll stops a level; the tests of the hints clear them.
    for (int flag : {0, 1, 2, 3, 4, 5, 6, 7, 8, 15, 16, 17})
        Game->CurrentProfile->HintsShown[size_t(flag)] = 1;
}

void ResetGlobals() {
    BoardResetGlobals();
    ReleaseScreens();
    images = nullptr;
    sounds = nullptr;
    if (Game) Game->CurrentTScreen = nullptr;
    Game = nullptr;
    while (platform::PollEvent()) {
    }
    SetCoreInputHooks({});
    SetCalcAnimLength(nullptr);
    SetRunTimeErrorHandler(nullptr);
    platform::SetEndHandler(nullptr);
    platform::SetNotifyHandler(nullptr);
    platform::SetDataRoot("");
    platform::IgnoreOsInput(false);
    platform::UseDeviceAudio();
    ShowErrors = 1;
    ccErrorPath = "";
}

int Step(int ms) {
    platform::AdvanceClock(ms);
    return Game->MainLogicLoop();
}

} // namespace testkit
