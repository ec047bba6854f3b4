#include "program/program.h"

#include "core/TGame.h"
#include "core/TScreen.h"
#include "framework/cc_errors.h"
#include "framework/cc_input.h"
#include "framework/cc_system.h"
#include "framework/core_services.h"
#include "game/TGameScreen.h"
#include "game/autoplay.h"
#include "media/TGameFade.h"
#include "media/TParticleList.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/program_cache.h"
#include "platform/random.h"
#include "platform/system.h"
#include "program/asset_loading.h"
#include "program/screens.h"
#include "program/start_up.h"
#include "screens/screen_seam.h"

#include <cstdio>

std::string FontsPath;

std::string GeneralErrorMessage(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const platform::TRuntimeError& e) {
        if (DebugInt == 0) return e.what();
        return "(" + std::to_string(DebugInt) + ") " + e.what();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

int HandleGeneralError(std::exception_ptr error) {
    platform::EndGraphics();
    platform::ShowMouse();
    std::string message = GeneralErrorMessage(error);
    platform::Notify(message, false);
    ccErrorLog(message);
    return 0;
}

int CleanUp() {
    return Game->Kill();
}

int Shutdown(bool clean) {
    // A run that failed leaves no marker, so the next start does not trust its settings.
    if (clean) TGame::MakeGoodExit();
    platform::ShowMouse();
    return CleanUp();
}

int ForceIniSettings() {
    Game->PortalSplash = 0;
    Game->IniFill();
    Game->Ini->Save();
    return 0;
}

namespace {

// Stages 1001 to 1010: the game object, its folders and settings, the banks and the fonts.
void StartUp() {
    DebugInt = 1001;
    ccCreateMutex("Sleetwhistle");
    VERSION_NO = "1.06";
    VERSION = "V" + VERSION_NO;
    FULLNAME = "Sleetwhistle " + VERSION;

    DebugInt = 1002;
    platform::SetAppTitle(FULLNAME);
    ccGraphicalErrors = 0;
    CreateGameObject();
    SetGameFolders();
    // Drawing programs linked on an earlier run are kept in the user's cache folder.
    platform::SetProgramCacheFolder(platform::UserCacheHome() + "/Brindlecove/Sleetwhistle/");
    ReadSettings();
    platform::TraceMilestone("settings read");
    FixSettings();
    SetGameRules();
    MakeBanks();
    LoadFonts();
    platform::TraceMilestone("fonts loaded");

    DebugInt = 1010;
    MakeScreens();
    ScreenSeamInstall();
    AutoplayInstall();
}

// Stages 1011 to 1014, inside the protected region: the graphics mode and the first screen.
void OpenAndBegin() {
    ccGraphicalErrors = 1;
    DebugInt = 1011;
    Game->GraphicsCreate(0);
    platform::TraceMilestone("graphics open");
    DebugInt = 1012;
    platform::SeedRnd(platform::MilliSecs());
    platform::HideMouse();

    DebugInt = 1013;
    LoadData();
    DebugInt = 1014;
    ccFlushAll();
    Game->DebugReset();
    Game->FixedRateLogic->Init();
    Game->NoTimingTicks = 3;
}

void MainLoop() {
    while (Game->MainLogicLoop() != -1)
        Game->ScreenDraw();
}

} // namespace

int RunProgram() {
    platform::TraceMilestone("start");
    MakeParticleLists();
    try {
        StartUp();
    } catch (const std::exception& e) {
        // Before the graphics mode: no marker; the report itself showed the box. The log keeps
        // the error once the per-user folder is known (it exists then).
        std::fprintf(stderr, "%s\n", e.what());
        if (!ccErrorPath.empty()) ccErrorLog(e.what());
        return 255;
    } catch (...) {
        std::fprintf(stderr, "Unknown error\n");
        return 255;
    }
    try {
        OpenAndBegin();
        MainLoop();
        if (GameScreen) GameScreen->SaveWonLevelAtExit();
    } catch (...) {
        HandleGeneralError(std::current_exception());
        Shutdown(false);
        return 1;
    }
    Shutdown(true);
    return 0;
}
