// Drawing state and primitives. Coordinates are logical pixels (the virtual resolution).
// Every draw takes the current state: colour (0..255, clamped), alpha (0..1, clamped), blend,
// scale, rotation (degrees, clockwise on the y-down screen), origin and handle, viewport and font.
// Draws are handed to the current renderer: the GL one of the open mode, or one set by tests.
#pragma once

#include "platform/image.h"

#include <string>

namespace platform {

enum : int { BLEND_MASK = 1, BLEND_SOLID = 2, BLEND_ALPHA = 3, BLEND_LIGHT = 4, BLEND_SHADE = 5 };

void SetClsColor(int r, int g, int b);
// Clears the whole logical frame (not only the viewport) to the clear colour.
void Cls();

void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int blend);
int GetBlend();
void SetScale(float x, float y);
void GetScale(float& x, float& y);
void SetRotation(float degrees);
float GetRotation();
// Subtracted (scaled and rotated) from the draw point of rectangles, ovals and text.
void SetHandle(float x, float y);
// Drawing outside this rectangle is clipped.
void SetViewport(int x, int y, int width, int height);
void GetViewport(int& x, int& y, int& width, int& height);
// Puts back colour white, alpha 1, alpha blend, scale 1, rotation 0, origin and handle 0.
void ResetDrawState();
// Lets the viewport follow the whole logical frame again (done by every mode opening).
void ResetViewport();

void DrawRect(float x, float y, float width, float height);
void DrawOval(float x, float y, float width, float height);
// A one-pixel line; lastPixel false leaves out the end point.
void DrawLine(float x1, float y1, float x2, float y2, bool lastPixel = true);
void Plot(float x, float y);
// The frame's handle point lands on (x, y).
void DrawImage(const ImageRef& image, float x, float y, int frame = 0);
// The image scaled to width x height (handle scaled with it).
void DrawImageRect(const ImageRef& image, float x, float y, float width, float height, int frame = 0);
// The source rectangle (sx, sy, sw, sh) of the frame into (x, y, w, h); the point (hx, hy) of the
// destination rectangle, in unscaled destination pixels, lands on (x, y).
void DrawSubImageRect(const ImageRef& image, float x, float y, float w, float h, float sx, float sy, float sw,
                      float sh, float hx = 0, float hy = 0, int frame = 0);
// Top-left of the text at (x, y), in the current image font.
void DrawText(const std::string& text, float x, float y);

} // namespace platform
