#include "program/start_up.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "core/input_state.h"
#include "framework/core_services.h"
#include "media/TImageBank.h"
#include "media/TSoundBank.h"
#include "platform/files.h"
#include "program/program.h"

void CreateGameObject() {
    DebugInt = 1002;
    ScreenWidth = 800;
    ScreenHeight = 600;
    Game = std::make_shared<TGame>();
    InstallInputHooks();
}

void SetGameFolders(const std::string& dataPrefix) {
    DebugInt = 1003;
    if (dataPrefix.empty()) {
        Game->DataInAppBundle = 1;
    } else {
        Game->DataInAppBundle = 0;
        Game->DataPrefix = dataPrefix;
        platform::SetDataRoot(dataPrefix);
    }
    Game->SetSubPathWrapper("Brindlecove/Sleetwhistle", 1);
}

void ReadSettings() {
    DebugInt = 1004;
    Game->CheckGoodExit();
    DebugInt = 10041;
    Game->Init(0, 1);
}

void FixSettings() {
    DebugInt = 1005;
    ForceIniSettings();
    Game->FixedRateLogic->JitterCorrection = 0;
    Game->ChannelsCreate(16);
    Game->DebugDisplayX = 5;
    Game->DebugDisplayY = 95;
}

void SetGameRules() {
    DebugInt = 1006;
    Game->SetEscapeSound("buttonclick");
    Game->MaxLevels = 55;
    Game->IgnoreFrameworkKeys = 1;
    Game->IgnoreDebugKey = 1;
}

void MakeBanks() {
    DebugInt = 1007;
    DebugInt = 1008;
    images = std::make_shared<TImageBank>();
    images->SetPath(Game->ImagePath);
    sounds = std::make_shared<TSoundBank>();
    sounds->SetPath(Game->SoundPath);
}

void LoadFonts() {
    DebugInt = 1009;
    FontsPath = Game->DataPrefix + "Data/fonts/";
    LoadGameFonts(FontsPath);
}
