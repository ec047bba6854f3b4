// The debug overlay, its counters' reset, and the screenshot. The overlay never shows in this
// game (its key is off), but the stopwatches run every frame.
#include "core/TGame.h"

#include "core/TScreen.h"
#include "framework/cc_draw.h"
#include "framework/cc_screenshots.h"
#include "framework/cc_system.h"
#include "framework/core_services.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/system.h"
#include "platform/text.h"
#include "widgets/TTextCursor.h"

#include <vector>

int TGame::DebugReset() {
    FixedRateLogic->maximum = 0;
    LogicTime->Init();
    DrawTime->Init();
    CodeTime->Init();
    FPS->Init();
    return 0;
}

int TGame::SetGP(int x, int y) {
    gpX = x;
    gpY = y;
    return 0;
}

int TGame::TakeScreenshot() {
    ccScreenShot(UseCorrectPath != 0 ? SubPath : "");
    FlushKeys();
    FixedRateLogic->Init();
    return 0;
}

namespace {

std::string OnOff(int on) {
    return on != 0 ? "on" : "off";
}

// "Win Mem" line: used and total MB and the load; a total of 0 (no memory figures on this
// platform) shows a load of 0.
std::string MemoryLine() {
    std::shared_ptr<TMemoryStatus> status = ccGetMemoryStatus();
    int total = status->dwTotalPhys / 1024 / 1024;
    int used = (status->dwTotalPhys - status->dwAvailPhys) / 1024 / 1024;
    std::string load = "0";
    if (total > 0) {
        load = std::to_string(float(used) / float(total) * 100.0f);
        load = load.substr(0, load.find('.'));
    }
    return "Win Mem " + std::to_string(used) + "MB Used/" + std::to_string(total) + "MB Total = " + load +
           "% Load";
}

std::string GraphicsDriverLine(const TGame& game) {
    if (game.Driver != 0) return "Gfx Drv OpenGL";
    std::string line = "Gfx Drv DirectX " + game.DirectXVersion + " (using DX";
    if (game.DriverDX7 != 0) line += "7)";
    if (game.DriverDX9 != 0) line += "9)";
    return line;
}

std::string MouseLine(const char* label, int value, int stored, int storedX) {
    std::string line = std::string(label) + std::to_string(value);
    if (storedX != -1) line += " (Diff = " + std::to_string(value - stored) + ")";
    return line;
}

// Every line of the full overlay, in order.
std::vector<std::string> OverlayLines(TGame& game) {
    const std::string screen = game.CurrentTScreen ? game.CurrentTScreen->name : "";
    std::vector<std::string> lines = {
        game.LogicTime->GetDisplay(),
        game.DrawTime->GetDisplay(),
        game.FPS->GetDisplay(),
        "Desk Hz " + std::to_string(game.DesktopRefreshRate),
        "Game Hz " + std::to_string(game.GameRefreshRate),
        game.FixedRateLogic->GetDisplay(),
        "Flip    " + std::to_string(ccFlipSync),
        "Fast    " + std::to_string(game.Fast),
        "Slow    " + std::to_string(game.SlowMotion),
        "VSync   " + std::to_string(game.VSync),
        "Timing  " + std::to_string(game.NoTiming == 0 ? 1 : 0),
        GraphicsDriverLine(game),
        "Snd Drv " + game.SoundDriver,
        "Os Ver  " + game.OSVersion,
        "GC Mem  " + std::to_string(platform::GCMemAlloced()),
        MemoryLine(),
        "M. Vol. " + std::to_string(game.MusicVolume) + " (" + OnOff(game.Music) + ")",
        "S. Vol. " + std::to_string(game.SoundVolume) + " (" + OnOff(game.Sound) + ")",
        "Sp. Vol." + std::to_string(game.SpeechVolume) + " (" + OnOff(game.Speech) + ")",
        MouseLine("Mouse X ", game.Mouse->x, game.storedX, game.storedX),
        MouseLine("Mouse Y ", game.Mouse->y, game.storedY, game.storedX),
        "Screen  " + screen,
        "Handle  " + std::to_string(game.WindowHandle),
        "Debug1  " + std::to_string(game.Debug1),
        "Debug2  " + std::to_string(game.Debug2),
        "Debug3  " + platform::FloatToText(game.Debug3),
        "Debug4  " + platform::FloatToText(game.Debug4),
        "Stored X " + std::to_string(game.storedX),
        "Stored Y " + std::to_string(game.storedY),
    };
    if (game.GraphicPlacement != 0) {
        lines.push_back("GP X    " + std::to_string(game.gpX));
        lines.push_back("GP Y    " + std::to_string(game.gpY));
    }
    return lines;
}

} // namespace

int TGame::DebugPrint() {
    if (Debug == 0) return 0;
    int lineCount = GraphicPlacement != 0 ? 31 : 29;
    if (DebugShowFPSOnly != 0) lineCount = 1;
    if (DebugPanel > 0) {
        platform::SetAlpha(DebugPanel);
        platform::SetColor(0, 0, 0);
        platform::DrawRect(float(DebugDisplayX - 5), float(DebugDisplayY - 5), 350,
                           float(lineCount * 12 + 10));
        platform::SetColor(255, 255, 255);
        platform::SetAlpha(1.0f);
    }
    platform::SetImageFont(DebugImageFont);
    FPS->Calc();
    TTextCursor cursor;
    cursor.Init(DebugDisplayX, DebugDisplayY, DebugImageFontGap);
    if (DebugShadow != 0) {
        cursor.Shadow = 1;
        ccShadowTextSet(1.0f, 1.0f, 1.0f);
    }
    if (DebugShowFPSOnly != 0) {
        cursor.OutputNL(FPS->GetDisplay());
        return 1;
    }
    for (const std::string& line : OverlayLines(*this))
        cursor.OutputNL(line);
    return 0;
}
