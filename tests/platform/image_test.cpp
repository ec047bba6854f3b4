// Image loading without a window: PNG and JPEG files, frame strips, masks and handles.
#include "TempDir.h"

#include "platform/collide.h"
#include "platform/image.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

// A strip of `cells` 4 x 3 cells; cell i is filled with colour (i * 10, 0, 0).
std::string WriteStrip(const testsupport::TempDir& dir, const std::string& name, int cells, bool alpha) {
    auto pixmap = CreatePixmap(4 * cells, 3);
    for (int c = 0; c < cells; ++c)
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                WritePixel(pixmap, c * 4 + x, y, 0xFF000000u | uint32_t(c * 10) << 16);
    std::string path = dir / name;
    EXPECT_TRUE(alpha ? SavePixmapPNGWithAlpha(pixmap, path) : SavePixmapPNG(pixmap, path));
    return path;
}

TEST(Images, StripsAreCutIntoFramesFromTheFirstCellAsked) {
    testsupport::TempDir dir;
    std::string path = WriteStrip(dir, "strip.png", 5, true);
    auto image = LoadAnimImage(path, 4, 3, 1, 3, 0);
    ASSERT_TRUE(image);
    EXPECT_EQ(ImageWidth(image), 4);
    EXPECT_EQ(ImageHeight(image), 3);
    ASSERT_EQ(CountFrames(image), 3);
    for (int f = 0; f < 3; ++f)
        EXPECT_EQ(ReadPixel(LockImage(image, f), 2, 1), 0xFF000000u | uint32_t((f + 1) * 10) << 16);

    EXPECT_FALSE(LoadAnimImage(path, 4, 3, 3, 3, 0)) << "asks for more cells than the strip holds";
    EXPECT_FALSE(LoadAnimImage(path, 0, 3, 0, 1, 0));
    EXPECT_FALSE(LoadAnimImage(dir / "missing.png", 4, 3, 0, 1, 0));
}

TEST(Images, TheMaskColourClearsOnlyPicturesWithoutAlpha) {
    testsupport::TempDir dir;
    // Cell 0 is pure black: the mask colour.
    std::string rgb = WriteStrip(dir, "rgb.png", 2, false);
    std::string rgba = WriteStrip(dir, "rgba.png", 2, true);
    SetMaskColor(0, 0, 0);
    auto masked = LoadImage(rgb, IMAGE_MASKED);
    auto unmasked = LoadImage(rgb, 0);
    auto withAlpha = LoadImage(rgba, IMAGE_DEFAULT);
    ASSERT_TRUE(masked && unmasked && withAlpha);
    EXPECT_EQ(ReadPixel(LockImage(masked), 0, 0) >> 24, 0u);
    EXPECT_EQ(ReadPixel(LockImage(masked), 5, 0) >> 24, 255u);
    EXPECT_EQ(ReadPixel(LockImage(unmasked), 0, 0) >> 24, 255u);
    EXPECT_EQ(ReadPixel(LockImage(withAlpha), 0, 0) >> 24, 255u) << "opaque black outlines survive in RGBA";
}

TEST(Images, AutoMidHandleCentresImagesLoadedWhileOn) {
    testsupport::TempDir dir;
    std::string path = WriteStrip(dir, "s.png", 5, true);
    AutoMidHandle(true);
    auto centred = LoadImage(path, 0);
    AutoMidHandle(false);
    auto plain = LoadImage(path, 0);
    EXPECT_FLOAT_EQ(centred->handleX, 10.0f);
    EXPECT_FLOAT_EQ(centred->handleY, 1.5f);
    EXPECT_FLOAT_EQ(plain->handleX, 0.0f);
    MidHandleImage(plain);
    EXPECT_FLOAT_EQ(plain->handleY, 1.5f);
}

TEST(Images, CorruptOrForeignFilesLoadAsNull) {
    testsupport::TempDir dir;
    std::string png = WriteStrip(dir, "ok.png", 1, true);
    std::string bytes = dir.Read("ok.png");
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"text", "hello, not a picture"},
        {"truncated png", bytes.substr(0, bytes.size() / 2)},
        {"png header only", bytes.substr(0, 8)},
        {"jpeg header only", std::string("\xFF\xD8\xFF\xE0", 4)},
    };
    for (const auto& [name, content] : cases) {
        std::string path = dir.Write(std::string(name) + ".png", content);
        EXPECT_FALSE(LoadPixmap(path)) << name;
        EXPECT_FALSE(LoadImage(path)) << name;
    }
}

TEST(Images, JpegPicturesLoadWithoutAlpha) {
    // A 1x1 baseline JPEG, made once with a standard encoder and kept as bytes.
    static const unsigned char kJpeg[] = {
        0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x00,
        0x01, 0x00, 0x00, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x08, 0x06, 0x06, 0x07, 0x06, 0x05, 0x08, 0x07, 0x07,
        0x07, 0x09, 0x09, 0x08, 0x0A, 0x0C, 0x14, 0x0D, 0x0C, 0x0B, 0x0B, 0x0C, 0x19, 0x12, 0x13, 0x0F, 0x14,
        0x1D, 0x1A, 0x1F, 0x1E, 0x1D, 0x1A, 0x1C, 0x1C, 0x20, 0x24, 0x2E, 0x27, 0x20, 0x22, 0x2C, 0x23, 0x1C,
        0x1C, 0x28, 0x37, 0x29, 0x2C, 0x30, 0x31, 0x34, 0x34, 0x34, 0x1F, 0x27, 0x39, 0x3D, 0x38, 0x32, 0x3C,
        0x2E, 0x33, 0x34, 0x32, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x01, 0x00, 0x01, 0x01, 0x01, 0x11, 0x00,
        0xFF, 0xC4, 0x00, 0x1F, 0x00, 0x00, 0x01, 0x05, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0xFF,
        0xC4, 0x00, 0xB5, 0x10, 0x00, 0x02, 0x01, 0x03, 0x03, 0x02, 0x04, 0x03, 0x05, 0x05, 0x04, 0x04, 0x00,
        0x00, 0x01, 0x7D, 0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51,
        0x61, 0x07, 0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xA1, 0x08, 0x23, 0x42, 0xB1, 0xC1, 0x15, 0x52, 0xD1,
        0xF0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0A, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x25, 0x26, 0x27, 0x28,
        0x29, 0x2A, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A,
        0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x73,
        0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x92, 0x93,
        0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xB2,
        0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA,
        0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8,
        0xE9, 0xEA, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFF, 0xDA, 0x00, 0x08, 0x01,
        0x01, 0x00, 0x00, 0x3F, 0x00, 0xFB, 0xD3, 0xFF, 0xD9};
    auto pixmap = LoadPixmapFromMemory(kJpeg, sizeof kJpeg);
    ASSERT_TRUE(pixmap);
    EXPECT_EQ(pixmap->width, 1);
    EXPECT_FALSE(pixmap->hasAlpha);
    EXPECT_EQ(ReadPixel(pixmap, 0, 0) >> 24, 255u);
}

} // namespace

namespace {

// A 512 x 256 picture without alpha: a gradient whose top-left pixel is black (the mask colour).
// Its pixels take 512 KiB, its PNG file far less, so it may let its pixels go.
std::string WriteLargePicture(const testsupport::TempDir& dir) {
    auto pixmap = CreatePixmap(512, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 512; ++x)
            WritePixel(pixmap, x, y, 0xFF000000u | uint32_t(x / 2) << 16 | uint32_t(y) << 8 | 77u);
    WritePixel(pixmap, 0, 0, 0xFF000000u);
    std::string path = dir / "large.png";
    EXPECT_TRUE(SavePixmapPNG(pixmap, path));
    return path;
}

} // namespace

TEST(Images, LargePicturesLetTheirPixelsGoAndDecodeThemAgainOnEveryRoadToThem) {
    testsupport::TempDir dir;
    std::string path = WriteLargePicture(dir);
    PixmapRef expected = LoadPixmap(path);
    ASSERT_TRUE(expected);
    WritePixel(expected, 0, 0, 0); // the mask makes the black corner transparent
    SetMaskColor(0, 0, 0);
    const std::pair<const char*, PixmapRef (*)(const ImageRef&)> roads[] = {
        {"FramePixmap", [](const ImageRef& i) { return FramePixmap(i); }},
        {"LockImage", [](const ImageRef& i) { return LockImage(i); }},
        {"CopyImage", [](const ImageRef& i) { return FramePixmap(CopyImage(i)); }},
    };
    for (const auto& [name, road] : roads) {
        auto image = LoadImage(path, IMAGE_MASKED);
        ASSERT_TRUE(image);
        EXPECT_FALSE(FrameResident(image)) << "let go once the load has checked them";
        PixmapRef pixels = road(image);
        ASSERT_TRUE(pixels) << name;
        EXPECT_TRUE(pixels->pixels == expected->pixels) << name;
    }

    auto image = LoadImage(path, IMAGE_MASKED);
    EXPECT_EQ(ReadPixel(FramePixmap(image), 0, 0), 0u) << "the mask applies again";
    ASSERT_EQ(CollideImage(image, 0, 0, 0, 0, 1, image.get()).size(), 0u);
    EXPECT_EQ(CollideRect(1, 0, 1, 1, 1, 0).size(), 1u) << "collisions see the decoded pixels";
    EXPECT_EQ(CollideRect(0, 0, 1, 1, 1, 0).size(), 0u) << "and the masked corner";
    ResetCollisions(1);

    auto small = LoadImage(WriteStrip(dir, "small.png", 2, true), 0);
    EXPECT_TRUE(FrameResident(small)) << "small pictures keep their pixels";
}

TEST(Images, StripsLetTheirFramesGoAndCutThemAllAgainFromOneDecode) {
    // Five 64 x 64 cells of flat colours without alpha (a small file for large pixels); cell 0 is
    // black, the mask colour.
    testsupport::TempDir dir;
    auto pixmap = CreatePixmap(5 * 64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 5 * 64; ++x)
            WritePixel(pixmap, x, y, 0xFF000000u | uint32_t(x / 64 * 40) << 16 | uint32_t(y) << 8);
    std::string path = dir / "strip.png";
    ASSERT_TRUE(SavePixmapPNG(pixmap, path));
    SetMaskColor(0, 0, 0);
    for (const auto& [first, count] : {std::pair{0, 5}, std::pair{3, 2}}) {
        SCOPED_TRACE("from cell " + std::to_string(first));
        auto image = LoadAnimImage(path, 64, 64, first, count, IMAGE_MASKED);
        ASSERT_TRUE(image);
        EXPECT_TRUE(FrameResident(image, 0)) << "kept until a texture takes them";
        std::vector<std::vector<uint8_t>> expected;
        for (int f = 0; f < count; ++f)
            expected.push_back(FramePixmap(image, f)->pixels);
        ReleaseFramePixels(*image);
        for (int f = 0; f < count; ++f)
            EXPECT_FALSE(FrameResident(image, f));
        PixmapRef last = FramePixmap(image, count - 1);
        for (int f = 0; f < count; ++f) {
            EXPECT_TRUE(FrameResident(image, f)) << "one read brings every frame back";
            EXPECT_TRUE(FramePixmap(image, f)->pixels == expected[size_t(f)]) << "frame " << f;
        }
        EXPECT_EQ(ReadPixel(last, 5, 7), 0xFF000000u | uint32_t((first + count - 1) * 40) << 16 | 7u << 8);
    }
    auto masked = LoadAnimImage(path, 64, 64, 0, 2, IMAGE_MASKED);
    ReleaseFramePixels(*masked);
    EXPECT_EQ(ReadPixel(FramePixmap(masked, 0), 0, 0), 0u) << "the mask applies again";
}

TEST(Images, FramesHeldElsewhereOrChangedKeepTheirPixels) {
    testsupport::TempDir dir;
    auto image = LoadImage(WriteLargePicture(dir), 0);
    PixmapRef held = FramePixmap(image);
    ReleaseFramePixels(*image);
    EXPECT_TRUE(FrameResident(image)) << "someone still reads them";
    held.reset();
    ReleaseFramePixels(*image);
    EXPECT_FALSE(FrameResident(image));

    WritePixel(LockImage(image), 5, 5, 0xFF112233u);
    UnlockImage(image);
    ReleaseFramePixels(*image);
    ASSERT_TRUE(FrameResident(image)) << "the file no longer holds what the frame shows";
    EXPECT_EQ(ReadPixel(FramePixmap(image), 5, 5), 0xFF112233u);
}
