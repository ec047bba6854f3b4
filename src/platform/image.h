// Images: one or more frames of equal size, each a pixmap, drawn through GL textures that are
// made on first use and survive every change of graphics mode.
#pragma once

#include "platform/TPixmap.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

enum : int {
    IMAGE_MASKED = 1,    // pixels of the mask colour become transparent (pictures without alpha only)
    IMAGE_FILTERED = 2,  // linear filtering when scaled
    IMAGE_MIPMAPPED = 4, // mip-mapped when drawn smaller
    IMAGE_DYNAMIC = 8,   // pixels change often (kept for callers; no effect here)
    IMAGE_DEFAULT = -1,  // the layer's default flags: masked and filtered
};
constexpr int IMAGE_DEFAULT_FLAGS = IMAGE_MASKED | IMAGE_FILTERED;

class TTexture; // the GL side of one frame, owned by the renderer

class TImage {
public:
    int width = 0, height = 0; // of one frame
    int flags = 0;
    float handleX = 0, handleY = 0;
    int maskR = 0, maskG = 0, maskB = 0;
    std::vector<PixmapRef> frames;
    // How an image makes every frame's pixels again (from the picture file's bytes, or a font's
    // atlas from the font file): such pixels are let go while no one but the image holds them and
    // made again, all frames at once, when read. Empty: the frames always hold their pixels.
    std::function<std::vector<PixmapRef>()> remake;
    // One texture holding every frame side by side (null until first drawn or precached), so
    // draws of different frames batch together.
    std::shared_ptr<TTexture> texture;
    ~TImage();
};

using ImageRef = std::shared_ptr<TImage>;

// Null when the file cannot be loaded.
ImageRef LoadImage(const std::string& path, int flags = IMAGE_DEFAULT);
// Frames of cellWidth x cellHeight cut from a strip (left to right, then rows), starting with
// cell `first`; null when the file cannot be loaded or holds fewer cells than asked.
ImageRef LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int first, int count,
                       int flags = IMAGE_DEFAULT);
// An image made from a pixmap already in memory.
ImageRef LoadImageFromPixmap(const PixmapRef& pixmap, int flags = IMAGE_DEFAULT);
// A blank (transparent) image.
ImageRef CreateImage(int width, int height, int frames = 1, int flags = IMAGE_DEFAULT);

// A copy with pixels of its own: every frame, the handle, the flags and the mask colour; its
// texture is made on its first draw. Null for null.
ImageRef CopyImage(const ImageRef& image);

int ImageWidth(const ImageRef& image);
int ImageHeight(const ImageRef& image);
int CountFrames(const ImageRef& image);
// The handle's position (0 for null).
float ImageHandleX(const ImageRef& image);
float ImageHandleY(const ImageRef& image);
// The frame's pixels for reading, null when there is no such frame (LockImage to change them).
PixmapRef FramePixmap(const ImageRef& image, int frame = 0);

// The frame's pixels, made again if they were let go. Every reader of an image's frames goes
// through this (or an API that does).
TPixmap& ResidentFrame(TImage& image, int frame);
// Lets go of the pixels of frames that the image can make again, that nothing but the image
// holds and that are unchanged since they were made: the texture holds them meanwhile.
void ReleaseFramePixels(TImage& image);
// Whether the frame's pixels are in memory now (tests).
bool FrameResident(const ImageRef& image, int frame = 0);

void MidHandleImage(const ImageRef& image);
void SetImageHandle(const ImageRef& image, float x, float y);
// When on, images loaded afterwards get their handle at the centre.
void AutoMidHandle(bool on);
bool AutoMidHandleOn();
// The mask colour of images loaded afterwards (black at start).
void SetMaskColor(int r, int g, int b);

// Makes the frame's texture now instead of at its first draw (needs an open graphics mode).
void PrecacheFrame(const ImageRef& image, int frame);
// The frame's pixels for reading and writing; UnlockImage makes the texture follow the change.
PixmapRef LockImage(const ImageRef& image, int frame = 0);
void UnlockImage(const ImageRef& image, int frame = 0);
// Copies the logical screen area at (x, y) of the frame's size into the frame.
void GrabImage(const ImageRef& image, int x, int y, int frame = 0);

} // namespace platform
