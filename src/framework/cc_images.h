// Image, pixmap and colour-packing helpers: copies of images and parts of them, drawing an area
// of an image, compositing onto a pixmap, making textures at load time, and ARGB integers
// (alpha in bits 24-31, red 16-23, green 8-15, blue 0-7).
#pragma once

#include "platform/TPixmap.h"
#include "platform/image.h"

#include <cstdint>
#include <string>

int ARGB_Alpha(uint32_t argb);
int ARGB_Red(uint32_t argb);
int ARGB_Green(uint32_t argb);
int ARGB_Blue(uint32_t argb);
// NOTE: plain 32-bit addition without masking, so a channel above 255 carries into the next one.
uint32_t ARGB_Color(int alpha, int red, int green, int blue);

platform::ImageRef ccCopyImage(const platform::ImageRef& image);
// Raw rows of frame 0 (both sides 4-byte pixels), clipped to both images.
int ccCopyImageRect(const platform::ImageRef& source, int sourceX, int sourceY, int width, int height,
                    const platform::ImageRef& dest, int destX, int destY);
// Pixel by pixel: mode 0 straight, 1 mirrored left to right, 2 upside down, 3 both.
int ccCopyImageToImage(const platform::ImageRef& source, int sourceX, int sourceY, int width, int height,
                       const platform::ImageRef& dest, int destX, int destY, int mode);
// Makes every frame's texture now, so loading pays for it and play does not.
int ccCreateFrames(const platform::ImageRef& image);
int ccDrawImageArea(const platform::ImageRef& image, float x, float y, float sourceX, float sourceY,
                    float width, float height, int frame);
int ccDrawImageRect(const platform::ImageRef& image, int x, int y, int sourceX, int sourceY, int width,
                    int height);
// Composites a frame onto the pixmap at (x, y) with an extra alpha and a colour factor.
int ccDrawOnPixmap(const platform::ImageRef& image, int frame, const platform::PixmapRef& pixmap, int x,
                   int y, float alpha, float brightness);
// Text in the current image font with each letter moved right by its index x spacing pixels.
int ccDrawTextSpaced(const std::string& text, float x, float y, int spacing);
int ccDrawTextSpacedRounded(const std::string& text, float x, float y, int spacing);
