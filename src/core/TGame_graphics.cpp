// The graphics mode with its fall-backs, the virtual resolution, the run-time switches (full
// screen, vertical sync, driver), the window's coordinates and the system pointer's placing.
#include "core/TGame.h"

#include "core/graphics_mode.h"
#include "core/program_state.h"
#include "framework/cc_draw.h"
#include "framework/cc_input.h"
#include "framework/cc_system.h"
#include "framework/core_services.h"
#include "platform/draw.h"
#include "platform/graphics.h"
#include "platform/system.h"

#include <algorithm>

std::optional<TModeSize> ChooseModeSize(int desktopHeight, int fullScreen) {
    static const TModeSize kCandidates[] = {{800, 600}, {1024, 768}, {800, 600}, {640, 480}};
    int available = fullScreen != 0 ? desktopHeight : desktopHeight - 70;
    for (const TModeSize& size : kCandidates)
        if (size.height <= available) return size;
    return std::nullopt;
}

std::string NoSuitableResolutionMessage(int desktopWidth, int desktopHeight) {
    return "Cannot find a suitable resolution. Desktop Resolution= " + std::to_string(desktopWidth) + "x" +
           std::to_string(desktopHeight);
}

namespace {

// Full screen at the deepest depth that exists: 32, 24, then 16.
bool OpenFullScreen(TGame& game) {
    static const int kDepths[] = {32, 24, 16};
    int stage = 114;
    for (int depth : kDepths) {
        DebugInt = stage++;
        if (!platform::GraphicsModeExists(game.WindowWidth, game.WindowHeight, depth, 0)) continue;
        if (platform::Graphics(game.WindowWidth, game.WindowHeight, depth, game.Hertz, 0)) {
            game.Depth = depth;
            return true;
        }
    }
    return false;
}

} // namespace

int TGame::GraphicsCreate(int) {
    DebugInt = 100;
    // Without a display the game would run unseen for ever.
    if (platform::VideoWithoutDisplay())
        platform::RuntimeError("No display found: Sleetwhistle needs a graphical desktop session.");
    if (platform::CountGraphicsModes() <= 0)
        platform::RuntimeError("No 3D Hardware Found (could not count graphics modes.)");
    DriverDX7 = 0;
    DriverDX9 = 0;
    DebugInt = 10901;
    platform::TGraphicsDriver* driver = platform::OpenGL2DDriver();
    DebugInt = 10902;
    if (driver) {
        platform::SetGraphicsDriver(driver, platform::GFX_BACKBUFFER);
        Driver = 1;
        DebugInt = 110;
        IniUpdate(0);
    }
    DebugInt = 111;
    if (!driver) platform::RuntimeError("No DirectX or OpenGL 3D Drivers Found!");
    DebugInt = 112;
    if (FirstTime != 0) {
        // Only measures: a 10 x 10 window opened and closed would just flash on this desktop.
        FirstTime = 0;
        DesktopRefreshRate = 60;
        ccGetDesktopSize(DesktopWidth, DesktopHeight);
    }
    DebugInt = 11301;
    std::optional<TModeSize> size = ChooseModeSize(DesktopHeight, FullScreen);
    DebugInt = 11304;
    if (!size) platform::RuntimeError(NoSuitableResolutionMessage(DesktopWidth, DesktopHeight));
    DebugInt = 11303;
    WindowWidth = size->width;
    WindowHeight = size->height;
    if (FullScreen != 0) {
        if (!OpenFullScreen(*this)) {
            DebugInt = 117;
            ForceWindowedMode = 1;
            FullScreen = 0;
        } else {
            DebugInt = 117;
            DoSetVirtualResolution();
        }
    }
    if (FullScreen == 0) {
        DebugInt = 118;
        bool opened = platform::Graphics(WindowWidth, WindowHeight, 0, DesktopRefreshRate, 0) != nullptr;
        Depth = 0;
        DebugInt = 11801;
        if (!opened)
            platform::RuntimeError("Cannot create Windowed Mode at " + std::to_string(ScreenWidth) + "x" +
                                   std::to_string(ScreenHeight) + " " + std::to_string(DesktopRefreshRate) +
                                   "Hz");
        DoSetVirtualResolution();
        DebugInt = 119;
        WindowHandle = ccGetActiveWindowOSX();
        DebugInt = 130;
        ccCentreWindowHandle(WindowHandle);
        DebugInt = 131;
        SetWindowCoords();
        SetClientCoords();
        DebugInt = 132;
        ccEnableMinimize();
    } else {
        DebugInt = 133;
        WindowHandle = 0;
    }
    DebugInt = 134;
    ccDisablePolledInput();
    DebugInt = 135;
    SetPriority();
    DebugInt = 138;
    ccSetIcon();
    DebugInt = 139;
    if (!ClsColor) ClsColor = TColor::Create(0, 0, 0, 1.0f);
    platform::SetClsColor(ClsColor->R, ClsColor->G, ClsColor->B);
    return 0;
}

int TGame::DoSetVirtualResolution() {
    if (WindowHeight == ScreenHeight) {
        // The same height as the logical screen: no scaling, whatever the last mode needed.
        UsingVirtualResolution = 0;
        VirtualRatioX = 1.0f;
        VirtualRatioY = 1.0f;
        return 0;
    }
    platform::SetVirtualResolution(float(ScreenWidth), float(ScreenHeight));
    platform::SetViewport(0, 0, ScreenWidth, ScreenHeight);
    VirtualRatioX = float(ScreenWidth) / float(WindowWidth);
    VirtualRatioY = float(ScreenHeight) / float(WindowHeight);
    UsingVirtualResolution = 1;
    return 0;
}

int TGame::SetDXDriver(int) {
    return 0;
}

int TGame::DoMoveMouse(int x, int y) {
    if (UsingVirtualResolution == 1) {
        int windowY = int(float(y) / VirtualRatioY);
        int windowX = int(float(x) / VirtualRatioX);
        platform::MoveMouse(windowX, windowY);
    } else {
        platform::MoveMouse(x, y);
    }
    return 0;
}

int TGame::GetActiveWindowSafe() {
    return 0;
}

int TGame::SetPriority() {
    if (FullScreen != 0) return ccSetPriority(FullScreenProcess, FullScreenThread);
    return ccSetPriority(WindowedProcess, WindowedThread);
}

int TGame::ToggleFullScreen() {
    if (FullScreen != 0) {
        FullScreen = 0;
    } else {
        if (ForceWindowedMode != 0) return 0;
        FullScreen = 1;
        if (CustomMousePointer != 0) platform::HideMouse();
    }
    if (FullScreen == 0) {
        platform::EndGraphics();
        platform::PollSystem();
    }
    Mouse->ClearButtons();
    GraphicsCreate(0);
    RestoreMouseCoords();
    IniUpdate(1);
    FixedRateLogic->Init();
    FixedRateLogic->HistoryClear();
    return 0;
}

int TGame::ToggleVSync() {
    VSync = VSync == 0 ? 1 : 0;
    IniUpdate(1);
    SetFlipSync();
    FixedRateLogic->Init();
    FixedRateLogic->HistoryClear();
    return 0;
}

int TGame::SetDriver(int driver) {
    int wanted = driver == 0 ? 0 : 1;
    if (Driver == wanted) return 0;
    Driver = wanted;
    platform::EndGraphics();
    GraphicsCreate(0);
    DoMoveMouse(Mouse->x, Mouse->y);
    IniUpdate(1);
    FixedRateLogic->Init();
    FixedRateLogic->HistoryClear();
    ccFlushAll();
    return 1;
}

int TGame::SetFlipSync() {
    ccFlipSync = VSync != 0 ? 1 : 0;
    return 0;
}

int TGame::SetWindowCoords() {
    std::shared_ptr<TPoint> origin = ccGetWindowOriginOSX(WindowHandle);
    WindowX = origin->X;
    WindowY = origin->Y;
    if (FullScreen == 0) WindowY = DesktopHeight - WindowY - WindowHeight;
    return 0;
}

int TGame::SetClientCoords() {
    std::shared_ptr<TPoint> origin = ccGetWindowOriginOSX(WindowHandle);
    ClientX = origin->X;
    ClientY = origin->Y;
    if (FullScreen == 0) {
        ClientY = DesktopHeight - ClientY - WindowHeight;
    } else {
        ClientY = ScreenHeight - ClientY - ScreenHeight;
    }
    return 0;
}

int TGame::RestoreMouseCoords() {
    if (FullScreen == 1) {
        Mouse->x = std::clamp(Mouse->x, 0, ScreenWidth - 1);
        Mouse->y = std::clamp(Mouse->y, 0, ScreenHeight - 1);
    }
    return DoMoveMouse(Mouse->x, Mouse->y);
}
