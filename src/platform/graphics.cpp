// The window, the GL context and graphics modes, Flip and the frame-capture seam, and the
// native window queries.
#include "platform/graphics.h"

#include "platform/GLRenderer.h"
#include "platform/draw.h"
#include "platform/graphics_internal.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/text.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <set>
#include <sstream>
#include <thread>

namespace platform {
namespace {

struct Display {
    bool sdlStarted = false;
    bool sdlFailed = false;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    std::unique_ptr<TGLRenderer> renderer;
    GraphicsRef mode;
    bool fullScreen = false;
    float virtualW = 0, virtualH = 0;
    long flips = 0;
    int lastFlipSync = -1; // as asked, for tests of the callers that choose it
    int lastMouseX = 0, lastMouseY = 0;
    int lastSync = -2;
    bool vsyncRefused = false;
    std::chrono::steady_clock::time_point lastFlip = std::chrono::steady_clock::now();
    // Test seams.
    int fakeDesktopW = 0, fakeDesktopH = 0;
    bool framesConfigured = false;
    bool offscreenForced = false;
    std::string framesDir;
    std::set<long> frameNumbers;
};

Display& DisplayState() {
    static Display d;
    return d;
}

TGraphicsDriver glDriver{"OpenGL"};
TGraphicsDriver* currentDriver = nullptr;

bool StartVideo() {
    Display& d = DisplayState();
    if (d.sdlStarted) return true;
    if (d.sdlFailed) return false;
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::cerr << "Cannot start the video system: " << SDL_GetError() << std::endl;
        d.sdlFailed = true;
        return false;
    }
    d.sdlStarted = true;
    return true;
}

// Draws only the frames something reads (see TGLRenderer::SetDrawOnRead): only on the fake clock,
// where the run's course never depends on how long a frame takes.
bool DrawOnReadRequested() {
    const char* env = std::getenv("SLEETWHISTLE_DRAW_ON_READ");
    return env && *env && std::string(env) != "0" && FakeClockActive();
}

// The one window and GL context of the run, made hidden on first need.
bool StartContext() {
    Display& d = DisplayState();
    if (d.context) return true;
    if (!StartVideo()) return false;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    d.window = SDL_CreateWindow(Latin1ToUtf8(AppTitle()).c_str(), SDL_WINDOWPOS_CENTERED,
                                SDL_WINDOWPOS_CENTERED, 800, 600, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!d.window) {
        std::cerr << "Cannot create a window: " << SDL_GetError() << std::endl;
        return false;
    }
    d.context = SDL_GL_CreateContext(d.window);
    if (!d.context) {
        std::cerr << "Cannot create an OpenGL 3.3 context: " << SDL_GetError() << std::endl;
        SDL_DestroyWindow(d.window);
        d.window = nullptr;
        return false;
    }
    SetGLContextAlive(true);
    d.renderer = std::make_unique<TGLRenderer>();
    d.renderer->SetDrawOnRead(DrawOnReadRequested());
    return true;
}

void ConfigureFrames() {
    Display& d = DisplayState();
    if (d.framesConfigured) return;
    d.framesConfigured = true;
    if (const char* env = std::getenv("SLEETWHISTLE_FRAMES"); env && *env) CaptureFrames(env);
}

bool OffscreenRequested() {
    static const bool requested = [] {
        const char* env = std::getenv("SLEETWHISTLE_OFFSCREEN_FRAME");
        return env && *env && std::string(env) != "0";
    }();
    return requested || DisplayState().offscreenForced;
}

// Where a logical frame of lw x lh lands in a drawable of drawW x drawH: in full screen scaled to
// fit, centred, aspect kept; in a window over the whole drawable.
void Letterbox(int lw, int lh, int drawW, int drawH, int& x, int& y, int& w, int& h) {
    if (!DisplayState().fullScreen || lw <= 0 || lh <= 0) {
        x = y = 0;
        w = drawW;
        h = drawH;
        return;
    }
    double scale = std::min(double(drawW) / lw, double(drawH) / lh);
    w = int(std::lround(lw * scale));
    h = int(std::lround(lh * scale));
    x = (drawW - w) / 2;
    y = (drawH - h) / 2;
}

// Where the renderer's logical frame lands.
void Letterbox(int drawW, int drawH, int& x, int& y, int& w, int& h) {
    Display& d = DisplayState();
    Letterbox(d.renderer ? d.renderer->TargetWidth() : drawW, d.renderer ? d.renderer->TargetHeight() : drawH,
              drawW, drawH, x, y, w, h);
}

// Frames are drawn straight into the window's back buffer, at the window's scale where it
// differs from the logical frame's size. SLEETWHISTLE_OFFSCREEN_FRAME=1 draws every frame off
// screen first and then scaled into the window, a second full-screen pass at every flip.
void ChooseFrameTarget() {
    Display& d = DisplayState();
    if (!d.mode || !d.renderer) return;
    int lw = d.virtualW > 0 ? int(std::lround(d.virtualW)) : d.mode->width;
    int lh = d.virtualH > 0 ? int(std::lround(d.virtualH)) : d.mode->height;
    TGLRenderer::Placement place;
    SDL_GL_GetDrawableSize(d.window, &place.drawableW, &place.drawableH);
    Letterbox(lw, lh, place.drawableW, place.drawableH, place.x, place.y, place.w, place.h);
    d.renderer->SetTarget(lw, lh, OffscreenRequested(), place);
}

void RealDesktop(int& w, int& h, int& rate) {
    w = 1024;
    h = 768;
    rate = 60;
    if (!StartVideo()) return;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        w = mode.w;
        h = mode.h;
        if (mode.refresh_rate > 0) rate = mode.refresh_rate;
    }
}

// Whether the video drivers asked for (a comma-separated list; none: the system's choice) all
// draw on a desktop's display server, so that failing to start them means no display is there.
bool DriversNeedADisplay(const std::string& asked) {
    std::stringstream list(asked);
    std::string name;
    while (std::getline(list, name, ','))
        if (name != "x11" && name != "wayland") return false;
    return true;
}

} // namespace

// ---- modes ---------------------------------------------------------------------------------

bool VideoWithoutDisplay() {
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (!StartVideo()) return DriversNeedADisplay(asked ? asked : "");
    if (asked && *asked) return false;
    const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    return driver == "offscreen" || driver == "dummy";
}

TGraphicsDriver* OpenGL2DDriver() {
    return StartContext() ? &glDriver : nullptr;
}
void SetGraphicsDriver(TGraphicsDriver* driver, int) {
    currentDriver = driver;
}

int CountGraphicsModes() {
    Display& d = DisplayState();
    if (d.fakeDesktopW > 0) return 1;
    if (!StartVideo()) return 0;
    return std::max(0, SDL_GetNumDisplayModes(0));
}

bool GetGraphicsMode(int index, int& width, int& height, int& depth, int& hertz) {
    Display& d = DisplayState();
    if (d.fakeDesktopW > 0) {
        if (index != 0) return false;
        width = d.fakeDesktopW;
        height = d.fakeDesktopH;
        depth = 32;
        hertz = 60;
        return true;
    }
    SDL_DisplayMode mode;
    if (!StartVideo() || SDL_GetDisplayMode(0, index, &mode) != 0) return false;
    width = mode.w;
    height = mode.h;
    depth = SDL_BITSPERPIXEL(mode.format) >= 24 ? 32 : 16;
    hertz = mode.refresh_rate;
    return true;
}

bool GraphicsModeExists(int width, int height, int depth, int hertz) {
    int dw, dh;
    DesktopSize(dw, dh);
    if (width <= 0 || height <= 0 || width > dw || height > dh) return false;
    if (depth != 0 && depth != 16 && depth != 24 && depth != 32) return false;
    if (FakeModeDepthMissing(depth)) return false;
    return hertz == 0 || hertz == 60 || hertz == DesktopRate();
}

GraphicsRef Graphics(int width, int height, int depth, int hertz, int flags) {
    Display& d = DisplayState();
    EndGraphics();
    if (width <= 0 || height <= 0 || !StartContext()) return nullptr;
    if (depth > 0 && !GraphicsModeExists(width, height, depth, 0)) return nullptr;
    d.fullScreen = depth > 0;
    SDL_SetWindowTitle(d.window, Latin1ToUtf8(AppTitle()).c_str());
    if (d.fullScreen) {
        int dw, dh, rate;
        RealDesktop(dw, dh, rate);
        SDL_SetWindowBordered(d.window, SDL_FALSE);
        SDL_SetWindowSize(d.window, dw, dh);
        SDL_SetWindowPosition(d.window, 0, 0);
    } else {
        SDL_SetWindowBordered(d.window, SDL_TRUE);
        SDL_SetWindowSize(d.window, width, height);
        SDL_SetWindowPosition(d.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    SDL_ShowWindow(d.window);
    SDL_RaiseWindow(d.window);
    d.mode = std::make_shared<TGraphics>(TGraphics{width, height, depth, hertz, flags});
    d.virtualW = d.virtualH = 0;
    ChooseFrameTarget();
    SetActiveGLRenderer(d.renderer.get());
    ResetViewport();
    EnablePolledInput();
    if (d.fullScreen) MoveMouse(width / 2, height / 2);
    return d.mode;
}

void EndGraphics() {
    Display& d = DisplayState();
    if (!d.mode) return;
    if (d.renderer) d.renderer->Flush();
    SetActiveGLRenderer(nullptr);
    if (d.window) SDL_HideWindow(d.window);
    d.mode = nullptr;
}

GraphicsRef CurrentGraphics() {
    return DisplayState().mode;
}

void SetVirtualResolution(float width, float height) {
    Display& d = DisplayState();
    if (width <= 0 || height <= 0) return;
    d.virtualW = width;
    d.virtualH = height;
    ChooseFrameTarget();
}

// Without an open mode (recording tests), the logical screen is the game's 800 x 600.
int LogicalWidth() {
    Display& d = DisplayState();
    if (d.mode && d.renderer) return d.renderer->TargetWidth();
    return d.virtualW > 0 ? int(std::lround(d.virtualW)) : 800;
}

int LogicalHeight() {
    Display& d = DisplayState();
    if (d.mode && d.renderer) return d.renderer->TargetHeight();
    return d.virtualH > 0 ? int(std::lround(d.virtualH)) : 600;
}

// ---- the frame -------------------------------------------------------------------------------

namespace {

// Shows the frame: scaled into the window, then swapped in, at the swap interval the sync asks.
void PresentAndSwap(Display& d, int sync) {
    int dw = 0, dh = 0;
    SDL_GL_GetDrawableSize(d.window, &dw, &dh);
    int x, y, w, h;
    Letterbox(dw, dh, x, y, w, h);
    d.renderer->Present(dw, dh, x, y, w, h);
    int interval = sync > 0 ? 1 : 0;
    if (interval != d.lastSync) {
        SDL_GL_SetSwapInterval(interval);
        // Refused under Xvfb and by some drivers: such flips are paced below instead.
        d.vsyncRefused = interval == 1 && SDL_GL_GetSwapInterval() != 1;
        d.lastSync = interval;
    }
    SDL_GL_SwapWindow(d.window);
}

} // namespace

void Flip(int sync) {
    Display& d = DisplayState();
    ConfigureFrames();
    ++d.flips;
    d.lastFlipSync = sync;
    if (d.mode && d.renderer) {
        d.renderer->Flush();
        if (d.frameNumbers.count(d.flips)) {
            PixmapRef frame = d.renderer->Read(0, 0, d.renderer->TargetWidth(), d.renderer->TargetHeight());
            std::string path = d.framesDir + "/frame-" + std::to_string(d.flips) + ".png";
            if (!SavePixmapPNG(frame, path, 6)) std::cerr << "Cannot write " << path << std::endl;
        }
        if (!d.renderer->DrawsOnRead()) PresentAndSwap(d, sync);
        ChooseFrameTarget(); // the window may have been resized under us
    }
    // A window opened with a refresh rate paces flips of sync -1 at that rate; flips that should
    // wait for a vertical blank the driver does not give are paced at the desktop's rate.
    int hertz = 0;
    if (d.mode && sync < 0) hertz = d.mode->hertz;
    if (d.mode && sync > 0 && d.vsyncRefused) hertz = DesktopRate();
    if (hertz > 0 && !FakeClockActive()) {
        auto period = std::chrono::microseconds(1000000 / hertz);
        auto next = d.lastFlip + period;
        auto now = std::chrono::steady_clock::now();
        if (next > now) std::this_thread::sleep_until(next);
        d.lastFlip = std::max(next, now);
    } else {
        d.lastFlip = std::chrono::steady_clock::now();
    }
    if (d.flips == 1 || d.flips % 60 == 0) TraceMilestone("flip " + std::to_string(d.flips));
    ClockFlipped();
}

long FlipCount() {
    return DisplayState().flips;
}
int LastFlipSync() {
    return DisplayState().lastFlipSync;
}

PixmapRef GrabPixmap(int x, int y, int width, int height) {
    Display& d = DisplayState();
    if (!d.mode || !d.renderer) return nullptr;
    return d.renderer->Read(x, y, width, height);
}

// ---- native glue: bottom-up desktop coordinates -------------------------------------------

void DesktopSize(int& width, int& height) {
    Display& d = DisplayState();
    if (d.fakeDesktopW > 0) {
        width = d.fakeDesktopW;
        height = d.fakeDesktopH;
        return;
    }
    int rate;
    RealDesktop(width, height, rate);
}

int DesktopRate() {
    if (DisplayState().fakeDesktopW > 0) return 60;
    int w, h, rate;
    RealDesktop(w, h, rate);
    return rate;
}

long ActiveWindow() {
    Display& d = DisplayState();
    return (d.mode && !d.fullScreen && d.window) ? long(SDL_GetWindowID(d.window)) : 0;
}

void WindowOrigin(long window, int& x, int& y) {
    Display& d = DisplayState();
    x = y = 0;
    if (window == 0 || !d.mode || d.fullScreen || !d.window) return;
    int wx = 0, wy = 0, dw, dh;
    SDL_GetWindowPosition(d.window, &wx, &wy);
    DesktopSize(dw, dh);
    x = wx;
    y = dh - (wy + d.mode->height);
}

void CursorPos(int& x, int& y) {
    Display& d = DisplayState();
    int dw, dh;
    DesktopSize(dw, dh);
    if (d.mode && !d.fullScreen && d.window) {
        int wx = 0, wy = 0;
        SDL_GetWindowPosition(d.window, &wx, &wy);
        x = wx + d.lastMouseX;
        y = dh - (wy + d.lastMouseY);
    } else {
        x = d.lastMouseX;
        y = dh - d.lastMouseY;
    }
}

void ShowMouse() {
    if (StartVideo()) SDL_ShowCursor(SDL_ENABLE);
}

void HideMouse() {
    if (StartVideo()) SDL_ShowCursor(SDL_DISABLE);
}

bool MouseShown() {
    return StartVideo() && SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE;
}

void MoveMouse(int x, int y) {
    Display& d = DisplayState();
    d.lastMouseX = x;
    d.lastMouseY = y;
    if (!d.mode || !d.window) return;
    int dw = 0, dh = 0;
    SDL_GL_GetDrawableSize(d.window, &dw, &dh);
    int lx, ly, lw, lh;
    Letterbox(dw, dh, lx, ly, lw, lh);
    // The centre of the mode pixel, so that reading the pointer back gives the same pixel.
    int px = lx + int((x + 0.5) * lw / d.mode->width), py = ly + int((y + 0.5) * lh / d.mode->height);
    SDL_WarpMouseInWindow(d.window, px, py);
}

// ---- internal ---------------------------------------------------------------------------------

void WindowToMode(int px, int py, int& mx, int& my) {
    Display& d = DisplayState();
    mx = px;
    my = py;
    if (!d.mode || !d.window) return;
    int ww = 0, wh = 0;
    SDL_GetWindowSize(d.window, &ww, &wh);
    int lx, ly, lw, lh;
    Letterbox(ww, wh, lx, ly, lw, lh);
    if (lw <= 0 || lh <= 0) return;
    // The mode pixel under the window pixel's centre.
    mx = int(std::floor((px + 0.5 - lx) * d.mode->width / lw));
    my = int(std::floor((py + 0.5 - ly) * d.mode->height / lh));
}

void LogicalToMode(float lx, float ly, int& mx, int& my) {
    Display& d = DisplayState();
    if (!d.mode) {
        mx = int(lx);
        my = int(ly);
        return;
    }
    mx = int(std::floor(lx * d.mode->width / float(LogicalWidth())));
    my = int(std::floor(ly * d.mode->height / float(LogicalHeight())));
}

void NoteMousePosition(int mx, int my) {
    DisplayState().lastMouseX = mx;
    DisplayState().lastMouseY = my;
}

bool VideoStarted() {
    return DisplayState().sdlStarted;
}

// ---- test seams -------------------------------------------------------------------------------

void CaptureFrames(const std::string& spec) {
    Display& d = DisplayState();
    d.framesConfigured = true;
    d.framesDir.clear();
    d.frameNumbers.clear();
    if (spec.empty()) return;
    size_t colon = spec.rfind(':');
    if (colon == std::string::npos) {
        std::cerr << "SLEETWHISTLE_FRAMES: expected DIR:N1,N2,..." << std::endl;
        return;
    }
    d.framesDir = spec.substr(0, colon);
    for (const std::string& n : Split(spec.substr(colon + 1), ','))
        if (!Trim(n).empty()) d.frameNumbers.insert(ToInt(n));
}

long CaptureNextFrame() {
    Display& d = DisplayState();
    ConfigureFrames();
    if (d.framesDir.empty()) return 0;
    d.frameNumbers.insert(d.flips + 1);
    return d.flips + 1;
}

void ForceOffscreenFrame(bool on) {
    DisplayState().offscreenForced = on;
    ChooseFrameTarget();
}

bool FrameOffscreen() {
    Display& d = DisplayState();
    return d.mode && d.renderer && d.renderer->Offscreen();
}

void SetFakeDesktop(int width, int height) {
    DisplayState().fakeDesktopW = width;
    DisplayState().fakeDesktopH = height;
}

} // namespace platform

namespace platform {
namespace {
std::set<int> missingDepths;
}

void SetFakeMissingDepth(int depth) {
    if (depth == 0)
        missingDepths.clear();
    else
        missingDepths.insert(depth);
}

bool FakeModeDepthMissing(int depth) {
    return missingDepths.count(depth) > 0;
}

} // namespace platform
