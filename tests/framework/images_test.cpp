// Colour packing, image copies and compositing onto pixmaps.
#include "framework/cc_images.h"
#include "platform/Renderer.h"

#include "Scoped.h"

#include <gtest/gtest.h>

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

TEST(Images, ArgbPacking) {
    uint32_t c = ARGB_Color(255, 1, 2, 3);
    EXPECT_EQ(c, 0xFF010203u);
    EXPECT_EQ(ARGB_Alpha(c), 255);
    EXPECT_EQ((std::vector<int>{ARGB_Red(c), ARGB_Green(c), ARGB_Blue(c)}), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ARGB_Color(0, 0, 256, 0), ARGB_Color(0, 1, 0, 0)); // channels carry
}

TEST(Images, MirroredCopies) {
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

TEST(Images, CopiesAreClippedAndBadRectanglesCopyNothing) {
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

TEST(Images, CopyImageCopiesFramesHandleAndMask) {
    platform::ImageRef src = Numbered(2, 2);
    src->handleX = 1;
    src->maskG = 9;
    platform::ImageRef copy = ccCopyImage(src);
    EXPECT_EQ(copy->handleX, 1);
    EXPECT_EQ(copy->maskG, 9);
    EXPECT_EQ(copy->frames[0]->pixels, src->frames[0]->pixels);
    EXPECT_NE(copy->frames[0], src->frames[0]);
}

TEST(Images, DrawOnPixmap) {
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

TEST(Images, HelpersDoNothingWithoutAnImageAFrameOrAPixmap) {
    auto recorder = std::make_shared<platform::TRecordingRenderer>();
    testsupport::ScopedRenderer rendering(recorder);
    platform::ImageRef image = Numbered(2, 2), frameless = std::make_shared<platform::TImage>();
    frameless->width = frameless->height = 2;
    std::vector<uint8_t> before = image->frames[0]->pixels;

    EXPECT_EQ(ccCopyImage(nullptr), nullptr);
    EXPECT_EQ(ccCopyImage(frameless)->frames.size(), 0u);
    for (const platform::ImageRef& other : {platform::ImageRef(), frameless}) {
        EXPECT_EQ(ccCopyImageRect(other, 0, 0, 2, 2, image, 0, 0), 0);
        EXPECT_EQ(ccCopyImageRect(image, 0, 0, 2, 2, other, 0, 0), 0);
        EXPECT_EQ(ccCopyImageToImage(other, 0, 0, 2, 2, image, 0, 0, 1), 0);
        EXPECT_EQ(ccCopyImageToImage(image, 0, 0, 2, 2, other, 0, 0, 1), 0);
        EXPECT_EQ(ccDrawImageArea(other, 0, 0, 0, 0, 2, 2, 0), 0);
        EXPECT_EQ(ccDrawImageRect(other, 0, 0, 0, 0, 2, 2), 0);
    }
    EXPECT_EQ(image->frames[0]->pixels, before);
    EXPECT_TRUE(recorder->calls.empty());
    ccDrawImageArea(image, 0, 0, 0, 0, 2, 2, 0); // the same calls with an image do draw
    ccDrawImageRect(image, 0, 0, 0, 0, 2, 2);
    EXPECT_EQ(recorder->calls.size(), 2u);

    EXPECT_EQ(ccDrawOnPixmap(image, 0, nullptr, 0, 0, 1, 1), 0);
    platform::PixmapRef pixmap = platform::CreatePixmap(2, 2);
    EXPECT_EQ(ccDrawOnPixmap(frameless, 0, pixmap, 0, 0, 1, 1), 0);
    EXPECT_EQ(ccDrawOnPixmap(image, 1, pixmap, 0, 0, 1, 1), 0); // no frame 1
    EXPECT_EQ(platform::ReadPixel(pixmap, 0, 0), 0u);
}

} // namespace
