// Colour packing, image copies, compositing onto pixmaps and BMP files.
#include "framework/TDateTime.h"
#include "framework/cc_images.h"
#include "framework/cc_pixels.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A one-frame image whose pixel (x, y) has red x and green y, opaque.
platform::ImageRef Numbered(int w, int h) {
    platform::ImageRef image = platform::CreateImage(w, h, 1, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            platform::WritePixel(image->frames[0], x, y, ARGB_Color(255, x, y, 0));
    return image;
}

int RedAt(const platform::ImageRef& image, int x, int y) {
    return ARGB_Red(platform::ReadPixel(image->frames[0], x, y));
}

TEST(Pixels, ArgbPacking) {
    uint32_t c = ARGB_Color(255, 1, 2, 3);
    EXPECT_EQ(c, 0xFF010203u);
    EXPECT_EQ(ARGB_Alpha(c), 255);
    EXPECT_EQ((std::vector<int>{ARGB_Red(c), ARGB_Green(c), ARGB_Blue(c)}), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ARGB_Color(0, 0, 256, 0), ARGB_Color(0, 1, 0, 0)); // channels carry
}

TEST(Pixels, MirroredCopies) {
    platform::ImageRef src = Numbered(3, 2);
    for (int mode : {0, 1, 2, 3}) {
        platform::ImageRef dst = platform::CreateImage(3, 2, 1, 0);
        ccCopyImageToImage(src, 0, 0, 3, 2, dst, 0, 0, mode);
        bool mx = mode & 1, my = mode & 2;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                uint32_t p = platform::ReadPixel(dst->frames[0], x, y);
                EXPECT_EQ(ARGB_Red(p), mx ? 2 - x : x) << mode;
                EXPECT_EQ(ARGB_Green(p), my ? 1 - y : y) << mode;
            }
    }
}

TEST(Pixels, CopiesAreClippedAndBadRectanglesCopyNothing) {
    platform::ImageRef src = Numbered(4, 4);
    platform::ImageRef dst = platform::CreateImage(4, 4, 1, 0);
    ccCopyImageRect(src, 0, 0, 4, 4, dst, 2, 0); // reaches past the right edge: shortened
    EXPECT_EQ(RedAt(dst, 3, 0), 1);
    EXPECT_EQ(ARGB_Alpha(platform::ReadPixel(dst->frames[0], 1, 0)), 0);
    struct Case {
        int sx, sy, w, h, dx, dy;
    } nothing[] = {{4, 0, 2, 2, 0, 0},  {0, 0, 2, 2, 4, 0}, {-1, 0, 2, 2, 0, 0},
                   {0, 0, 2, 2, -2, 0}, {0, 0, 0, 2, 0, 0}, {0, 0, 2, -3, 0, 0}};
    for (auto c : nothing) {
        platform::ImageRef empty = platform::CreateImage(4, 4, 1, 0);
        ccCopyImageRect(src, c.sx, c.sy, c.w, c.h, empty, c.dx, c.dy);
        ccCopyImageToImage(src, c.sx, c.sy, c.w, c.h, empty, c.dx, c.dy, 0);
        for (uint8_t byte : empty->frames[0]->pixels)
            ASSERT_EQ(byte, 0) << c.sx << "," << c.dx << "," << c.w;
    }
}

TEST(Pixels, CopyImageCopiesFramesHandleAndMask) {
    platform::ImageRef src = Numbered(2, 2);
    src->handleX = 1;
    src->maskG = 9;
    platform::ImageRef copy = ccCopyImage(src);
    EXPECT_EQ(copy->handleX, 1);
    EXPECT_EQ(copy->maskG, 9);
    EXPECT_EQ(copy->frames[0]->pixels, src->frames[0]->pixels);
    EXPECT_NE(copy->frames[0], src->frames[0]);
}

TEST(Pixels, DrawOnPixmap) {
    platform::ImageRef img = platform::CreateImage(2, 1, 1, 0);
    platform::WritePixel(img->frames[0], 0, 0, ARGB_Color(255, 100, 50, 200));
    platform::WritePixel(img->frames[0], 1, 0, ARGB_Color(0, 9, 9, 9));
    platform::PixmapRef dst = platform::CreatePixmap(3, 1);
    for (int x = 0; x < 3; ++x)
        platform::WritePixel(dst, x, 0, ARGB_Color(255, 1, 1, 1));
    ccDrawOnPixmap(img, 0, dst, 0, 0, 1.0f, 0.5f);
    EXPECT_EQ(platform::ReadPixel(dst, 0, 0), ARGB_Color(255, 50, 25, 100)); // destination ignored
    EXPECT_EQ(platform::ReadPixel(dst, 1, 0), ARGB_Color(255, 1, 1, 1));     // transparent: untouched

    ccDrawOnPixmap(img, 0, dst, 0, 0, 1.0f, 2.0f);
    EXPECT_EQ(ARGB_Red(platform::ReadPixel(dst, 0, 0)), 200);
    EXPECT_EQ(ARGB_Blue(platform::ReadPixel(dst, 0, 0)), 255); // clamped, no carry into green
    EXPECT_EQ(ARGB_Green(platform::ReadPixel(dst, 0, 0)), 100);

    // Half a source over an opaque pixel: the channels are weighed by the unlimited alpha total
    // (128 + 255), and only then is the written alpha limited to 255.
    platform::WritePixel(img->frames[0], 0, 0, ARGB_Color(128, 200, 0, 0));
    platform::WritePixel(dst, 0, 0, ARGB_Color(255, 0, 0, 100));
    ccDrawOnPixmap(img, 0, dst, 0, 0, 1.0f, 1.0f);
    EXPECT_EQ(platform::ReadPixel(dst, 0, 0),
              ARGB_Color(255, 66, 0, 44)); // 200*128/383, (255/383)*(100*255/383)

    platform::PixmapRef clear = platform::CreatePixmap(2, 1);
    ccDrawOnPixmap(img, 0, clear, 0, 0, 0.001f, 1.0f); // faint over nothing: skipped, not NaN
    EXPECT_EQ(platform::ReadPixel(clear, 0, 0), 0u);
    ccDrawOnPixmap(img, 0, clear, -1, 0, 1.0f, 1.0f); // clipped at the left edge
    EXPECT_EQ(platform::ReadPixel(clear, 0, 0), 0u);
    EXPECT_THROW(ccDrawOnPixmap(nullptr, 0, clear, 0, 0, 1, 1), std::runtime_error);
}

std::string Bmp(const platform::TPixmap& pixmap) {
    platform::TMemoryStream stream;
    ccWriteBMP(stream, pixmap);
    return stream.Bytes();
}

uint32_t Le32(const std::string& b, size_t at) {
    return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8 | uint8_t(b[at + 2]) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}

TEST(Pixels, BmpSizesAndPadding) {
    struct Case {
        int w, h;
        size_t size;
    } cases[] = {{1, 1, 58}, {2, 1, 62}, {3, 1, 66}, {2, 2, 70}};
    for (auto c : cases) {
        std::string b = Bmp(platform::TPixmap(c.w, c.h));
        EXPECT_EQ(b.size(), c.size) << c.w << "x" << c.h;
        EXPECT_EQ(Le32(b, 2), c.size);
        EXPECT_EQ(Le32(b, 34), c.size - 54);
    }
    std::string header = Bmp(platform::TPixmap(1, 1)).substr(0, 54);
    EXPECT_EQ(header.substr(0, 2), "BM");
    EXPECT_EQ((std::vector<uint32_t>{Le32(header, 10), Le32(header, 14), Le32(header, 18), Le32(header, 22),
                                     Le32(header, 38), Le32(header, 42)}),
              (std::vector<uint32_t>{54, 40, 1, 1, 2834, 2834}));
    EXPECT_EQ(header.substr(26, 4), std::string("\x01\x00\x18\x00", 4));
    // The widest picture whose rows the 16-bit row length holds, and one pixel more.
    EXPECT_EQ(Bmp(platform::TPixmap(21844, 1)).size(), 65532u + 54u);
    EXPECT_EQ(Bmp(platform::TPixmap(21845, 1)), "");
}

TEST(Pixels, BmpRowsBottomUpInBlueGreenRed) {
    auto p = platform::CreatePixmap(2, 2);
    platform::WritePixel(p, 0, 0, ARGB_Color(255, 1, 2, 3));
    platform::WritePixel(p, 1, 0, ARGB_Color(255, 4, 5, 6));
    platform::WritePixel(p, 0, 1, ARGB_Color(255, 7, 8, 9));
    platform::WritePixel(p, 1, 1, ARGB_Color(255, 10, 11, 12));
    std::string rows = Bmp(*p).substr(54);
    EXPECT_EQ(rows, std::string("\x09\x08\x07\x0c\x0b\x0a\x00\x00"
                                "\x03\x02\x01\x06\x05\x04\x00\x00",
                                16));
}

TEST(Pixels, SaveImageWritesFrameZeroAndFailuresTouchNothing) {
    testsupport::TempDir dir;
    platform::ImageRef img = Numbered(1, 1);
    ccSaveImage(img, dir / "one.bmp");
    EXPECT_EQ(dir.Read("one.bmp"), Bmp(*img->frames[0]));
    ccSaveImage(img, dir / "missing/one.bmp"); // unwritable: nothing written, nothing reported
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    std::string kept = dir.Write("kept.bmp", "old");
    ccSaveImage(nullptr, kept);
    ccSaveImage(platform::CreateImage(21845, 1, 1, 0), kept);
    EXPECT_EQ(dir.Read("kept.bmp"), "old");
    std::string dest = dir.Write("keep.bmp", "old");
    ccConvertJPGToBMP(dir / "no such picture.jpg", dest);
    EXPECT_EQ(dir.Read("keep.bmp"), "old");
}

TEST(Pixels, ScreenshotName) {
    TDateTime t;
    t.Set_DateTimeSerial(2026, 12, 9, 14, 5, 9);
    EXPECT_EQ(ccScreenShotName(t), "2026-12-09 140509 screenshot.png");
}

} // namespace
