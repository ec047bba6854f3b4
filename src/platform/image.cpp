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

// Every picture file smaller than its pixels keeps the file's bytes and lets its pixels go once
// its texture holds them (most are never read again). Those whose pixels take at least this much,
// with a file at most half that size, let them go as soon as the load has checked them: the
// intro's slides and the backgrounds are loaded long before they are drawn.
constexpr size_t kReleasedAtLoadPixelBytes = size_t(256) << 10;

// Draws the kept draws before a picture's pixels are handed out to be changed: a kept draw must
// show the picture as it was when drawn.
void SettleDraws() {
    if (TGLRenderer* renderer = ActiveGLRenderer()) renderer->DrawKept();
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

namespace {

// Which frames a picture holds: cells of cellWidth x cellHeight from cell `first` on, left to right
// and then down; a cell width of 0 means the whole picture as one frame.
struct TCells {
    int cellWidth = 0, cellHeight = 0, first = 0, count = 1;
};

// The cells cut from a picture (the picture itself for a whole-picture frame); empty when the
// picture holds fewer cells than asked.
std::vector<PixmapRef> CutCells(PixmapRef picture, const TCells& cells) {
    if (cells.cellWidth == 0) return {std::move(picture)};
    int across = picture->width / cells.cellWidth;
    int down = picture->height / cells.cellHeight;
    if ((long long)across * down < (long long)cells.first + cells.count) return {};
    std::vector<PixmapRef> frames;
    for (int i = cells.first; i < cells.first + cells.count; ++i) {
        int cx = (i % across) * cells.cellWidth, cy = (i / across) * cells.cellHeight;
        auto frame = std::make_shared<TPixmap>(cells.cellWidth, cells.cellHeight, picture->hasAlpha);
        for (int row = 0; row < cells.cellHeight; ++row)
            std::memcpy(frame->At(0, row), picture->At(cx, cy + row), size_t(cells.cellWidth) * 4);
        frames.push_back(std::move(frame));
    }
    return frames;
}

// The frames a picture file's bytes make, masked as the image's were; empty when they make none.
std::vector<PixmapRef> DecodeCells(const std::string& bytes, const TCells& cells, bool masked, int r, int g,
                                   int b) {
    PixmapRef picture = LoadPixmapFromMemory(bytes.data(), bytes.size());
    if (!picture) return {};
    std::vector<PixmapRef> frames = CutCells(std::move(picture), cells);
    if (masked)
        for (PixmapRef& frame : frames)
            ApplyMask(*frame, r, g, b);
    return frames;
}

ImageRef LoadCells(const std::string& path, const TCells& cells, int flags) {
    std::optional<std::string> bytes = ReadRegularFile(path, kMaxPictureFileBytes);
    if (!bytes) return nullptr;
    PixmapRef picture = LoadPixmapFromMemory(bytes->data(), bytes->size());
    if (!picture) return nullptr;
    int width = cells.cellWidth ? cells.cellWidth : picture->width;
    int height = cells.cellWidth ? cells.cellHeight : picture->height;
    std::vector<PixmapRef> frames = CutCells(std::move(picture), cells);
    if (frames.empty()) return nullptr;
    auto image = NewImage(width, height, ResolveFlags(flags));
    size_t pixelBytes = 0;
    for (PixmapRef& frame : frames) {
        pixelBytes += frame->pixels.size();
        AddFrame(*image, std::move(frame));
    }
    if (bytes->size() >= pixelBytes) return image; // the pixels are the smaller copy to keep
    auto file = std::make_shared<const std::string>(std::move(*bytes));
    bool masked = image->flags & IMAGE_MASKED;
    int r = image->maskR, g = image->maskG, b = image->maskB;
    image->remake = [file, cells, masked, r, g, b]() { return DecodeCells(*file, cells, masked, r, g, b); };
    // Decoded once to know the picture is sound; drawn later.
    if (pixelBytes >= kReleasedAtLoadPixelBytes && file->size() <= pixelBytes / 2) ReleaseFramePixels(*image);
    return image;
}

} // namespace

ImageRef LoadImage(const std::string& path, int flags) {
    return LoadCells(path, TCells{}, flags);
}

ImageRef LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int first, int count,
                       int flags) {
    if (cellWidth <= 0 || cellHeight <= 0 || first < 0 || count <= 0) return nullptr;
    return LoadCells(path, TCells{cellWidth, cellHeight, first, count}, flags);
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
    // Every frame let go comes back from one decode: whatever reads one frame (a texture) reads
    // them all.
    std::vector<PixmapRef> again = image.remake();
    for (size_t f = 0; f < image.frames.size(); ++f) {
        TPixmap& p = *image.frames[f];
        if (!p.pixels.empty()) continue;
        // Made from what made them the first time, so this holds; a blank frame is the safe
        // answer should memory run out halfway.
        if (f < again.size() && again[f] && again[f]->width == p.width && again[f]->height == p.height)
            p.pixels = std::move(again[f]->pixels);
        else
            p.pixels.assign(size_t(p.pitch) * size_t(p.height), 0);
    }
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
