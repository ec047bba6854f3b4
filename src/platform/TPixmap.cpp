// Pixmaps and the PNG/JPEG codecs.
#include "platform/TPixmap.h"

#include "platform/files.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <optional>

#include <jpeglib.h>
#include <png.h>

namespace platform {

TPixmap::TPixmap(int w, int h, bool alpha)
    : width(w), height(h), pitch(w * 4), hasAlpha(alpha), pixels((size_t)w * h * 4, 0) {}

PixmapRef CreatePixmap(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    return std::make_shared<TPixmap>(width, height);
}

namespace {

// Pictures larger than this on a side are refused before any pixels are allocated.
constexpr unsigned kMaxSide = 8192;

PixmapRef DecodePNG(const void* bytes, size_t size) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes, size)) return nullptr;
    bool alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_RGBA;
    // Refuse absurd sizes before allocating.
    if (image.width == 0 || image.height == 0 || image.width > kMaxSide || image.height > kMaxSide) {
        png_image_free(&image);
        return nullptr;
    }
    auto pixmap = std::make_shared<TPixmap>((int)image.width, (int)image.height, alpha);
    if (!png_image_finish_read(&image, nullptr, pixmap->pixels.data(), pixmap->pitch, nullptr)) {
        png_image_free(&image);
        return nullptr;
    }
    return pixmap;
}

// libjpeg reports fatal errors by a long jump back to the caller. The two functions that can be
// jumped back into hold no C++ objects, so nothing is skipped on the way out; the pixmap is made
// between them.
struct JpegJob {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    std::jmp_buf jump;
};

void JpegFail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegJob*>(info->client_data)->jump, 1);
}
void JpegSilence(j_common_ptr, int) {}

// Reads the header and starts decompressing to RGB; false on a damaged or refused picture.
bool JpegStart(JpegJob& job, const void* bytes, size_t size) {
    job.info.err = jpeg_std_error(&job.errors);
    job.errors.error_exit = JpegFail;
    job.errors.emit_message = JpegSilence;
    job.info.client_data = &job;
    if (setjmp(job.jump)) return false;
    jpeg_create_decompress(&job.info);
    jpeg_mem_src(&job.info, static_cast<const unsigned char*>(bytes), (unsigned long)size);
    jpeg_read_header(&job.info, TRUE);
    job.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&job.info);
    return true;
}

// Decodes every row into `out` (RGBA rows of `pitch` bytes); false on damage part-way.
bool JpegRows(JpegJob& job, uint8_t* out, int pitch) {
    if (setjmp(job.jump)) return false;
    JDIMENSION width = job.info.output_width;
    // Freed by libjpeg with the decompressor, also after a long jump.
    JSAMPARRAY row =
        (*job.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&job.info), JPOOL_IMAGE, width * 3, 1);
    while (job.info.output_scanline < job.info.output_height) {
        uint8_t* line = out + size_t(job.info.output_scanline) * pitch;
        jpeg_read_scanlines(&job.info, row, 1);
        for (JDIMENSION x = 0; x < width; ++x) {
            line[x * 4 + 0] = row[0][x * 3 + 0];
            line[x * 4 + 1] = row[0][x * 3 + 1];
            line[x * 4 + 2] = row[0][x * 3 + 2];
            line[x * 4 + 3] = 255;
        }
    }
    jpeg_finish_decompress(&job.info);
    return true;
}

PixmapRef DecodeJPEG(const void* bytes, size_t size) {
    JpegJob job;
    PixmapRef pixmap;
    if (JpegStart(job, bytes, size) && job.info.output_width > 0 && job.info.output_height > 0 &&
        job.info.output_width <= kMaxSide && job.info.output_height <= kMaxSide) {
        pixmap = std::make_shared<TPixmap>((int)job.info.output_width, (int)job.info.output_height, false);
        if (!JpegRows(job, pixmap->pixels.data(), pixmap->pitch)) pixmap = nullptr;
    }
    jpeg_destroy_decompress(&job.info);
    return pixmap;
}

} // namespace

PixmapRef LoadPixmapFromMemory(const void* bytes, size_t size) {
    const auto* b = static_cast<const unsigned char*>(bytes);
    if (size >= 8 && png_sig_cmp(b, 0, 8) == 0) return DecodePNG(bytes, size);
    if (size >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return DecodeJPEG(bytes, size);
    return nullptr;
}

PixmapRef LoadPixmap(const std::string& path) {
    std::optional<std::string> bytes = ReadRegularFile(path, kMaxPictureFileBytes);
    if (!bytes) return nullptr;
    return LoadPixmapFromMemory(bytes->data(), bytes->size());
}

uint32_t ReadPixel(const PixmapRef& pixmap, int x, int y) {
    if (!pixmap || x < 0 || y < 0 || x >= pixmap->width || y >= pixmap->height) return 0;
    if (pixmap->pixels.empty()) return 0; // an image's frame let go, reached around FramePixmap
    const uint8_t* p = pixmap->At(x, y);
    return (uint32_t(p[3]) << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | uint32_t(p[2]);
}

void WritePixel(const PixmapRef& pixmap, int x, int y, uint32_t argb) {
    if (!pixmap || x < 0 || y < 0 || x >= pixmap->width || y >= pixmap->height) return;
    if (pixmap->pixels.empty()) return;
    uint8_t* p = pixmap->At(x, y);
    p[0] = uint8_t(argb >> 16);
    p[1] = uint8_t(argb >> 8);
    p[2] = uint8_t(argb);
    p[3] = uint8_t(argb >> 24);
    pixmap->Changed();
}

PixmapRef PixmapWindow(const PixmapRef& pixmap, int x, int y, int w, int h) {
    if (!pixmap) return nullptr;
    int x0 = std::max(0, x), y0 = std::max(0, y);
    int x1 = std::min(pixmap->width, x + w), y1 = std::min(pixmap->height, y + h);
    if (x1 <= x0 || y1 <= y0) return nullptr;
    auto out = std::make_shared<TPixmap>(x1 - x0, y1 - y0, pixmap->hasAlpha);
    for (int row = y0; row < y1; ++row)
        std::memcpy(out->At(0, row - y0), pixmap->At(x0, row), size_t(x1 - x0) * 4);
    return out;
}

namespace {

// Encodes the pixmap into an open file; libpng's error jump lands here, where no C++ object
// lives. `row` is a caller's buffer of width * 4 bytes.
bool PngEncode(png_structp png, png_infop info, FILE* file, const TPixmap& pixmap, uint8_t* row, int level,
               bool withAlpha) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file);
    png_set_compression_level(png, level < 0 ? 0 : level > 9 ? 9 : level);
    png_set_IHDR(png, info, pixmap.width, pixmap.height, 8,
                 withAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < pixmap.height; ++y) {
        const uint8_t* src = pixmap.At(0, y);
        if (withAlpha) {
            std::memcpy(row, src, size_t(pixmap.width) * 4);
        } else {
            for (int x = 0; x < pixmap.width; ++x)
                std::memcpy(row + size_t(x) * 3, src + x * 4, 3);
        }
        png_write_row(png, row);
    }
    png_write_end(png, info);
    return true;
}

bool WritePNG(const PixmapRef& pixmap, const std::string& path, int level, bool withAlpha) {
    if (!pixmap) return false;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<uint8_t> row(size_t(pixmap->width) * 4);
    bool ok = png && info && PngEncode(png, info, file, *pixmap, row.data(), level, withAlpha);
    png_destroy_write_struct(&png, &info);
    ok = std::fflush(file) == 0 && ok;
    ok = (std::fclose(file) == 0) && ok;
    if (!ok) std::remove(path.c_str());
    return ok;
}

} // namespace

bool SavePixmapPNG(const PixmapRef& pixmap, const std::string& path, int level) {
    return WritePNG(pixmap, path, level, false);
}

bool SavePixmapPNGWithAlpha(const PixmapRef& pixmap, const std::string& path) {
    return WritePNG(pixmap, path, 6, true);
}

} // namespace platform
