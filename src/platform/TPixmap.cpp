// Pixmaps and the PNG/JPEG codecs.
#include "platform/TPixmap.h"

#include "platform/files.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

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

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void JpegFail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}
void JpegSilence(j_common_ptr, int) {}

PixmapRef DecodeJPEG(const void* bytes, size_t size) {
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.mgr);
    error.mgr.error_exit = JpegFail;
    error.mgr.emit_message = JpegSilence;
    PixmapRef pixmap;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, static_cast<const unsigned char*>(bytes), (unsigned long)size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > kMaxSide ||
        info.output_height > kMaxSide) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    pixmap = std::make_shared<TPixmap>((int)info.output_width, (int)info.output_height, false);
    std::vector<unsigned char> row(info.output_width * 3);
    while (info.output_scanline < info.output_height) {
        int y = (int)info.output_scanline;
        unsigned char* rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        uint8_t* out = pixmap->At(0, y);
        for (unsigned x = 0; x < info.output_width; ++x) {
            out[x * 4 + 0] = row[x * 3 + 0];
            out[x * 4 + 1] = row[x * 3 + 1];
            out[x * 4 + 2] = row[x * 3 + 2];
            out[x * 4 + 3] = 255;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
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
    std::ifstream in(ResolvePath(path), std::ios::binary);
    if (!in) return nullptr;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return LoadPixmapFromMemory(bytes.data(), bytes.size());
}

uint32_t ReadPixel(const PixmapRef& pixmap, int x, int y) {
    if (!pixmap || x < 0 || y < 0 || x >= pixmap->width || y >= pixmap->height) return 0;
    const uint8_t* p = pixmap->At(x, y);
    return (uint32_t(p[3]) << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | uint32_t(p[2]);
}

void WritePixel(const PixmapRef& pixmap, int x, int y, uint32_t argb) {
    if (!pixmap || x < 0 || y < 0 || x >= pixmap->width || y >= pixmap->height) return;
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

bool WritePNG(const PixmapRef& pixmap, const std::string& path, int level, bool withAlpha) {
    if (!pixmap) return false;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    std::vector<uint8_t> row(size_t(pixmap->width) * 4);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        std::remove(path.c_str());
        return false;
    }
    png_init_io(png, file);
    png_set_compression_level(png, std::clamp(level, 0, 9));
    png_set_IHDR(png, info, pixmap->width, pixmap->height, 8,
                 withAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < pixmap->height; ++y) {
        const uint8_t* src = pixmap->At(0, y);
        if (withAlpha) {
            std::memcpy(row.data(), src, row.size());
        } else {
            for (int x = 0; x < pixmap->width; ++x)
                std::memcpy(&row[size_t(x) * 3], src + x * 4, 3);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    bool ok = std::fflush(file) == 0;
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
