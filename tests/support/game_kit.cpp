#include "game_kit.h"

#include "core/TGame.h"
#include "core/input_state.h"
#include "framework/cc_errors.h"
#include "framework/core_services.h"
#include "headless/board_headless.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TParticleList.h"
#include "media/TSoundBank.h"
#include "platform/TRecordingAudioBackend.h"
#include "platform/audio_testing.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/system.h"
#include "profiles/TProfile.h"
#include "program/asset_loading.h"
#include "program/screens.h"
#include "program/start_up.h"
#include "screens/TTitleScreen.h"

#include <cctype>
#include <memory>

namespace testkit {

namespace {

// Every screen, the loading screen and the second loading step; a player named is created first,
// as a returning player's run finds the profile.
void LoadScreens(const std::string& player) {
    MakeScreens();
    if (!player.empty()) CreateProfile(player);
    Game->LoadingScreen->SpecialLoad("loadingscreen.jpg", "LoadingBar.png", "loading.png");
    Game->CurrentTScreen = TitleScreen;
    sounds->Load("buttonclick", 1.0f, 1.0f, "", 0); // as the program's first loading step does
    LoadData2();
}

} // namespace

void MakeGameObject() {
    MakeParticleLists();
    CreateGameObject();
}

void OpenGameData(const std::string& dataDir) {
    SetGameFolders(dataDir.empty() ? "" : dataDir + "/../");
    ReadSettings();
    FixSettings();
    SetGameRules();
}

void MakeGame(const TGameOptions& options) {
    MakeGameObject();
    TableFlushKeys();
    while (platform::PollEvent()) {
    }
    OpenGameData(options.dataDir);
    MakeBanks();
    LoadFonts();
    if (options.screens) LoadScreens(options.player);
    Game->FixedRateLogic->Init();
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

std::vector<std::string> CuedSounds(const platform::TRecordingAudioBackend& audio) {
    std::vector<std::string> names;
    for (const platform::TAudioEvent& e : audio.Events())
        if (e.what == "cue") {
            std::string name = e.sound;
            const size_t slash = name.find_last_of('/');
            if (slash != std::string::npos) name = name.substr(slash + 1);
            const size_t dot = name.find_last_of('.');
            if (dot != std::string::npos) name = name.substr(0, dot);
            for (char& c : name)
                c = char(std::tolower(static_cast<unsigned char>(c)));
            names.push_back(name);
        }
    return names;
}

} // namespace testkit
