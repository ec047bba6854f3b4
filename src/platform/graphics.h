// Graphics modes and the frame: one SDL window and one GL 3.3 context live for the whole run.
// Everything is drawn into an off-screen logical framebuffer (the virtual resolution, else the
// mode size) that Flip presents scaled and letterboxed. Full screen is a desktop-sized borderless
// window; a mode's size is its logical size, mouse events are mapped back into it.
// SLEETWHISTLE_FRAMES=DIR:N1,N2 writes the logical frame after flip Ni to DIR/frame-Ni.png.
#pragma once

#include "platform/TPixmap.h"

#include <memory>
#include <string>

namespace platform {

struct TGraphicsDriver {
    std::string name;
};
struct TGraphics {
    int width = 0, height = 0, depth = 0, hertz = 0, flags = 0;
};
using GraphicsRef = std::shared_ptr<TGraphics>;

enum : int { GFX_BACKBUFFER = 2 };

// The OpenGL 2D driver; null when the system offers no OpenGL.
TGraphicsDriver* OpenGL2DDriver();
void SetGraphicsDriver(TGraphicsDriver* driver, int defaultFlags = GFX_BACKBUFFER);

int CountGraphicsModes();
// True when the video system found no display: it fell back to drawing nowhere (an off-screen or
// dummy driver) without the user asking for one through SDL_VIDEODRIVER, or the desktop driver
// asked for (x11, wayland) could not start.
bool VideoWithoutDisplay();
bool GetGraphicsMode(int index, int& width, int& height, int& depth, int& hertz);
// Whether a full-screen mode of that size exists (hertz 0: any rate).
bool GraphicsModeExists(int width, int height, int depth = 0, int hertz = 0);

// Closes the open mode, then opens a window (depth 0) or full screen (depth > 0); null on failure.
// Every opening switches polled input on; images loaded before stay valid.
GraphicsRef Graphics(int width, int height, int depth = 0, int hertz = 60, int flags = 0);
void EndGraphics();
// The open mode, or null.
GraphicsRef CurrentGraphics();
// Lets the system deliver its pending window events.
void PollSystem();
// Presents the logical frame. sync 1: wait for the vertical blank; 0: at once; -1: paced at the
// mode's refresh rate (windows opened with a rate).
void Flip(int sync = -1);
// Number of flips since start.
long FlipCount();

// Drawing coordinates 0..width and 0..height fill the whole mode.
void SetVirtualResolution(float width, float height);
// Width and height of the logical framebuffer.
int LogicalWidth();
int LogicalHeight();

// The logical frame drawn so far, in logical coordinates (clipped).
PixmapRef GrabPixmap(int x, int y, int width, int height);

// Native glue. Coordinates are bottom-up desktop pixels (y runs up from the desktop's lower edge).
void DesktopSize(int& width, int& height);
int DesktopRate();
// The game's window, or 0 in full screen / without a mode.
long ActiveWindow();
// Lower-left corner of the window's drawing area; (0, 0) for window 0.
void WindowOrigin(long window, int& x, int& y);
// The pointer position.
void CursorPos(int& x, int& y);

void ShowMouse();
void HideMouse();
// Whether the system pointer is shown over the window.
bool MouseShown();
// Moves the system pointer to pixel (x, y) of the mode.
void MoveMouse(int x, int y);

} // namespace platform
