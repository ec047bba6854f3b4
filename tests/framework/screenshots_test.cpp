// BMP files of pixmaps and images, and the screenshot's file name.
#include "framework/TDateTime.h"
#include "framework/cc_images.h"
#include "framework/cc_screenshots.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string Bmp(const platform::TPixmap& pixmap) {
    platform::TMemoryStream stream;
    ccWriteBMP(stream, pixmap);
    return stream.Bytes();
}

uint32_t Le32(const std::string& b, size_t at) {
    return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8 | uint8_t(b[at + 2]) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}

TEST(Screenshots, BmpSizesAndPadding) {
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

TEST(Screenshots, BmpRowsBottomUpInBlueGreenRed) {
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

TEST(Screenshots, SaveImageWritesFrameZeroAndFailuresTouchNothing) {
    testsupport::TempDir dir;
    platform::ImageRef img = platform::CreateImage(1, 1, 1, 0);
    platform::WritePixel(img->frames[0], 0, 0, ARGB_Color(255, 1, 2, 3));
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

TEST(Screenshots, ScreenshotName) {
    TDateTime t;
    t.Set_DateTimeSerial(2026, 12, 9, 14, 5, 9);
    EXPECT_EQ(ccScreenShotName(t), "2026-12-09 140509 screenshot.png");
}

} // namespace
