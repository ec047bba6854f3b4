// Images: frames cut from pictures, handles, masks. The GL side lives in the renderer.
#include "platform/image.h"

#include "platform/GLRenderer.h"
#include "platform/files.h"
#include "platform/graphics.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

bool autoMidHandle = false;
int autoImageFlags = IMAGE_DEFAULT_FLAGS;
int maskR = 0, maskG = 0, maskB = 0;

// Pictures whose pixels take at least this much, and whose file is at most half that size, keep
// the file's bytes and let their pixels go while the texture holds them: the intro's slides,
// backgrounds and title pictures, not sprites that are read often.
constexpr size_t kReleasablePixelBytes = size_t(256) << 10;

// Draws the draws that wait for a read before a picture's pixels are handed out to be changed:
// a waiting draw must show the picture as it was when drawn.
void SettleDraws() {
    if (TGLRenderer* renderer = ActiveGLRenderer()) renderer->Realize();
}

int ResolveFlags(int flags) {
    return flags == IMAGE_DEFAULT ? autoImageFlags : flags;
}

// Pixels of the mask colour become transparent; pictures with their own alpha keep it.
void ApplyMask(TPixmap& pixmap, int r, int g, int b) {
    if (pixmap.hasAlpha) return;
    for (int y = 0; y < pixmap.height; ++y) {
        uint8_t* p = pixmap.At(0, y);
        for (int x = 0; x < pixmap.width; ++x, p += 4)
            if (p[0] == r && p[1] == g && p[2] == b) p[3] = 0;
    }
}

ImageRef NewImage(int w, int h, int flags) {
    auto image = std::make_shared<TImage>();
    image->width = w;
    image->height = h;
    image->flags = flags;
    image->maskR = maskR;
    image->maskG = maskG;
    image->maskB = maskB;
    if (autoMidHandle) {
        image->handleX = w / 2.0f;
        image->handleY = h / 2.0f;
    }
    return image;
}

void AddFrame(TImage& image, PixmapRef pixmap) {
    if (image.flags & IMAGE_MASKED) ApplyMask(*pixmap, image.maskR, image.maskG, image.maskB);
    image.frames.push_back(std::move(pixmap));
}

} // namespace

TImage::~TImage() = default;

ImageRef LoadImageFromPixmap(const PixmapRef& pixmap, int flags) {
    if (!pixmap) return nullptr;
    auto image = NewImage(pixmap->width, pixmap->height, ResolveFlags(flags));
    auto copy = std::make_shared<TPixmap>(*pixmap);
    AddFrame(*image, copy);
    return image;
}

ImageRef LoadImage(const std::string& path, int flags) {
    std::optional<std::string> bytes = ReadRegularFile(path, kMaxPictureFileBytes);
    if (!bytes) return nullptr;
    PixmapRef pixmap = LoadPixmapFromMemory(bytes->data(), bytes->size());
    if (!pixmap) return nullptr;
    auto image = NewImage(pixmap->width, pixmap->height, ResolveFlags(flags));
    size_t pixelBytes = pixmap->pixels.size();
    AddFrame(*image, std::move(pixmap));
    if (pixelBytes >= kReleasablePixelBytes && bytes->size() <= pixelBytes / 2) {
        auto file = std::make_shared<const std::string>(std::move(*bytes));
        bool masked = image->flags & IMAGE_MASKED;
        int r = image->maskR, g = image->maskG, b = image->maskB;
        image->remake = [file, masked, r, g, b]() {
            PixmapRef again = LoadPixmapFromMemory(file->data(), file->size());
            if (again && masked) ApplyMask(*again, r, g, b);
            return again;
        };
        ReleaseFramePixels(*image); // decoded once to know the picture is sound; drawn later
    }
    return image;
}

ImageRef LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int first, int count,
                       int flags) {
    if (cellWidth <= 0 || cellHeight <= 0 || first < 0 || count <= 0) return nullptr;
    PixmapRef strip = LoadPixmap(path);
    if (!strip) return nullptr;
    int across = strip->width / cellWidth;
    int down = strip->height / cellHeight;
    if ((long long)across * down < (long long)first + count) return nullptr;
    auto image = NewImage(cellWidth, cellHeight, ResolveFlags(flags));
    for (int i = first; i < first + count; ++i) {
        int cx = (i % across) * cellWidth, cy = (i / across) * cellHeight;
        auto frame = std::make_shared<TPixmap>(cellWidth, cellHeight, strip->hasAlpha);
        for (int row = 0; row < cellHeight; ++row)
            std::memcpy(frame->At(0, row), strip->At(cx, cy + row), size_t(cellWidth) * 4);
        AddFrame(*image, frame);
    }
    return image;
}

ImageRef CreateImage(int width, int height, int frames, int flags) {
    if (width <= 0 || height <= 0 || frames <= 0) return nullptr;
    auto image = NewImage(width, height, ResolveFlags(flags));
    for (int i = 0; i < frames; ++i) {
        image->frames.push_back(std::make_shared<TPixmap>(width, height, true));
    }
    return image;
}

ImageRef CopyImage(const ImageRef& image) {
    if (!image) return nullptr;
    auto copy = std::make_shared<TImage>();
    copy->width = image->width;
    copy->height = image->height;
    copy->flags = image->flags;
    copy->handleX = image->handleX;
    copy->handleY = image->handleY;
    copy->maskR = image->maskR;
    copy->maskG = image->maskG;
    copy->maskB = image->maskB;
    for (int f = 0; f < (int)image->frames.size(); ++f)
        copy->frames.push_back(std::make_shared<TPixmap>(ResidentFrame(*image, f)));
    return copy;
}

int ImageWidth(const ImageRef& image) {
    return image ? image->width : 0;
}
int ImageHeight(const ImageRef& image) {
    return image ? image->height : 0;
}
int CountFrames(const ImageRef& image) {
    return image ? (int)image->frames.size() : 0;
}
float ImageHandleX(const ImageRef& image) {
    return image ? image->handleX : 0;
}
float ImageHandleY(const ImageRef& image) {
    return image ? image->handleY : 0;
}

PixmapRef FramePixmap(const ImageRef& image, int frame) {
    if (!image || frame < 0 || frame >= (int)image->frames.size()) return nullptr;
    ResidentFrame(*image, frame);
    return image->frames[size_t(frame)];
}

TPixmap& ResidentFrame(TImage& image, int frame) {
    TPixmap& pixmap = *image.frames[size_t(frame)];
    if (!pixmap.pixels.empty() || !image.remake) return pixmap;
    PixmapRef again = image.remake();
    // Made from what made them the first time, so this holds; a blank frame is the safe answer
    // should memory run out halfway.
    if (again && again->width == pixmap.width && again->height == pixmap.height)
        pixmap.pixels = std::move(again->pixels);
    else
        pixmap.pixels.assign(size_t(pixmap.pitch) * size_t(pixmap.height), 0);
    return pixmap;
}

void ReleaseFramePixels(TImage& image) {
    if (!image.remake) return;
    // A frame someone else holds, or one changed since it was loaded, keeps its pixels.
    for (PixmapRef& frame : image.frames)
        if (frame.use_count() == 1 && frame->version == 0) std::vector<uint8_t>().swap(frame->pixels);
}

bool FrameResident(const ImageRef& image, int frame) {
    if (!image || frame < 0 || frame >= (int)image->frames.size()) return false;
    return !image->frames[size_t(frame)]->pixels.empty();
}

void MidHandleImage(const ImageRef& image) {
    if (!image) return;
    image->handleX = image->width / 2.0f;
    image->handleY = image->height / 2.0f;
}

void SetImageHandle(const ImageRef& image, float x, float y) {
    if (!image) return;
    image->handleX = x;
    image->handleY = y;
}

void AutoMidHandle(bool on) {
    autoMidHandle = on;
}
bool AutoMidHandleOn() {
    return autoMidHandle;
}

void SetMaskColor(int r, int g, int b) {
    maskR = r & 255;
    maskG = g & 255;
    maskB = b & 255;
}

PixmapRef LockImage(const ImageRef& image, int frame) {
    if (!image || frame < 0 || frame >= (int)image->frames.size()) return nullptr;
    SettleDraws();
    ResidentFrame(*image, frame);
    return image->frames[frame];
}

void UnlockImage(const ImageRef& image, int frame) {
    if (!image || frame < 0 || frame >= (int)image->frames.size()) return;
    image->frames[frame]->Changed();
}

void GrabImage(const ImageRef& image, int x, int y, int frame) {
    if (!image || frame < 0 || frame >= (int)image->frames.size()) return;
    PixmapRef grabbed = GrabPixmap(x, y, image->width, image->height);
    TPixmap& dst = ResidentFrame(*image, frame);
    std::fill(dst.pixels.begin(), dst.pixels.end(), 0);
    if (grabbed) {
        // The grab is clipped to the screen: place it where it came from.
        int ox = std::max(0, -x), oy = std::max(0, -y);
        for (int row = 0; row < grabbed->height && oy + row < dst.height; ++row)
            std::memcpy(dst.At(ox, oy + row), grabbed->At(0, row),
                        size_t(std::min(grabbed->width, dst.width - ox)) * 4);
    }
    dst.Changed();
}

} // namespace platform
