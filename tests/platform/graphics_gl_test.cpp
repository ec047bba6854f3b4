// Pixels drawn through the GL renderer into the logical frame, checked with a tolerance.
#include "GLWindow.h"
#include "TempDir.h"

#include "platform/GLRenderer.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/graphics.h"
#include "platform/graphics_internal.h"
#include "platform/image.h"
#include "platform/system.h"
#include "platform/testing.h"

#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

using namespace platform;
using testsupport::PixelNear;

namespace {

class GraphicsGL : public testsupport::GLWindowTest {};

// A solid picture of one colour (with alpha channel).
ImageRef SolidImage(int w, int h, int r, int g, int b, int a = 255, int flags = 0) {
    auto pixmap = CreatePixmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            WritePixel(pixmap, x, y, (uint32_t(a) << 24) | (r << 16) | (g << 8) | b);
    return LoadImageFromPixmap(pixmap, flags);
}

TEST_F(GraphicsGL, BlendModesMixColourAndAlphaWithTheBackground) {
    struct Case {
        int blend;
        int r, g, b;
    };
    // Source (200, 50, 10) at alpha 0.5 over (100, 100, 100).
    const Case cases[] = {
        {BLEND_MASK, 200, 50, 10},    {BLEND_SOLID, 200, 50, 10}, {BLEND_ALPHA, 150, 75, 55},
        {BLEND_LIGHT, 200, 125, 105}, {BLEND_SHADE, 78, 20, 4},
    };
    SetClsColor(100, 100, 100);
    Cls();
    int x = 10;
    for (const Case& c : cases) {
        SetBlend(c.blend);
        SetColor(200, 50, 10);
        SetAlpha(0.5f);
        DrawRect(float(x), 10, 20, 20);
        x += 30;
    }
    auto frame = Grab();
    x = 10;
    for (const Case& c : cases) {
        EXPECT_TRUE(PixelNear(frame, x + 10, 20, c.r, c.g, c.b, 3)) << "blend " << c.blend;
        x += 30;
    }
    EXPECT_TRUE(PixelNear(frame, 5, 5, 100, 100, 100, 0));
}

TEST_F(GraphicsGL, MaskBlendDropsTransparentTexelsAndTintMultiplies) {
    auto pixmap = CreatePixmap(20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            WritePixel(pixmap, x, y, x < 10 ? 0xFFFFFFFFu : 0x00FFFFFFu);
    auto image = LoadImageFromPixmap(pixmap, 0);
    SetClsColor(0, 0, 80);
    Cls();
    SetBlend(BLEND_MASK);
    SetColor(255, 128, 0);
    DrawImage(image, 100, 100);
    auto frame = Grab();
    EXPECT_TRUE(PixelNear(frame, 105, 110, 255, 128, 0, 2));
    EXPECT_TRUE(PixelNear(frame, 115, 110, 0, 0, 80, 0));
}

TEST_F(GraphicsGL, FilteredSpritesShowNoDarkFringe) {
    // Red disc on transparent black, drawn enlarged over white: every blended edge pixel keeps
    // full red; a dark fringe would pull it down.
    auto pixmap = CreatePixmap(16, 16);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            WritePixel(pixmap, x, y, 0xFFFF0000u);
    auto image = LoadImageFromPixmap(pixmap, IMAGE_FILTERED);
    SetClsColor(255, 255, 255);
    Cls();
    SetScale(6, 6);
    DrawImage(image, 300, 300);
    auto frame = Grab();
    int darkest = 255;
    for (int y = 300; y < 396; ++y)
        for (int x = 300; x < 396; ++x)
            darkest = std::min<int>(darkest, (ReadPixel(frame, x, y) >> 16) & 255);
    EXPECT_GE(darkest, 250);
}

TEST_F(GraphicsGL, OpaquePicturesDrawWithoutBlendingToTheSamePixels) {
    // The same pattern twice: once opaque, once with one transparent texel in a far corner,
    // which keeps that picture on the blended path. Both are drawn filtered, scaled and turned
    // over a busy background at full alpha, and must give the same pixels away from that corner.
    auto pattern = [](bool holed) {
        auto pixmap = CreatePixmap(64, 64);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                WritePixel(pixmap, x, y,
                           0xFF000000u | uint32_t(x * 4) << 16 | uint32_t(y * 4) << 8 |
                               uint32_t((x ^ y) * 4));
        if (holed) WritePixel(pixmap, 63, 63, 0);
        return LoadImageFromPixmap(pixmap, IMAGE_FILTERED);
    };
    bool blendAfterPicture = false;
    auto draw = [&](const ImageRef& image) {
        SetClsColor(0, 0, 0);
        Cls();
        for (int i = 0; i < 16; ++i) {
            SetColor(i * 16, 255 - i * 16, 128);
            DrawRect(float(i * 10), 0, 10, 200);
        }
        SetColor(255, 230, 200);
        SetBlend(BLEND_ALPHA);
        SetAlpha(1);
        SetScale(1.7f, 1.3f);
        SetRotation(12);
        DrawImage(image, 20.3f, 30.6f);
        ResetDrawState();
        auto frame = GrabPixmap(0, 0, 160, 160);
        blendAfterPicture = glIsEnabled(GL_BLEND); // before the present, which has its own state
        Flip(0);
        return frame;
    };
    auto solid = draw(pattern(false));
    EXPECT_FALSE(blendAfterPicture) << "the opaque picture is drawn without blending";
    auto blended = draw(pattern(true));
    EXPECT_TRUE(blendAfterPicture);
    ASSERT_TRUE(solid && blended);
    int differing = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            differing += ReadPixel(solid, x, y) != ReadPixel(blended, x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_TRUE(PixelNear(solid, 21, 32, 255, 230, 200, 255)) << "the picture lies there";
    EXPECT_FALSE(PixelNear(solid, 60, 60, 0, 0, 0, 10)) << "the picture covers the background";
    testsupport::SaveTestOutput(solid, "opaque_picture_without_blending.png");
}

TEST_F(GraphicsGL, SpritesLandingTexelForPixelShowTheSamePixelsSampledEitherWay) {
    // A busy, partly transparent picture, filtered (one copy also mip-mapped),
    // drawn in each blend at whole-pixel places, flipped, tinted and faded: the nearest sampling
    // of such quads must give exactly the pixels of the picture's own linear filter. A quad off
    // the texel grid keeps the filter: its edge between a black and a white texel comes out grey.
    auto strip = CreatePixmap(96, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 96; ++x)
            WritePixel(strip, x, y,
                       uint32_t((x * 7 + y * 13) % 256) << 24 | uint32_t(x * 2) << 16 | uint32_t(y * 8) << 8 |
                           uint32_t((x ^ y) * 3 % 256));
    auto filtered = LoadImageFromPixmap(strip, IMAGE_FILTERED);
    MidHandleImage(filtered);
    auto mipmapped = LoadImageFromPixmap(strip, IMAGE_FILTERED | IMAGE_MIPMAPPED);
    auto edge = CreatePixmap(2, 1);
    WritePixel(edge, 0, 0, 0xFF000000u);
    WritePixel(edge, 1, 0, 0xFFFFFFFFu);
    auto edgeImage = LoadImageFromPixmap(edge, IMAGE_FILTERED);
    auto draw = [&](bool nearest) {
        SetTexelExactSampling(nearest);
        SetClsColor(40, 90, 140);
        Cls();
        const int blends[] = {BLEND_MASK, BLEND_SOLID, BLEND_ALPHA, BLEND_LIGHT, BLEND_SHADE};
        for (int i = 0; i < 5; ++i) {
            SetBlend(blends[i]);
            SetAlpha(0.8f);
            SetColor(255, 200 + i * 10, 160);
            DrawImage(filtered, float(10 + i * 100), 10);
            DrawImage(mipmapped, float(10 + i * 100), 50);
            DrawSubImageRect(filtered, float(10 + i * 100), 90, 40, 20, 20, 5, 40, 20, 0, 0);
            SetScale(-1, 1);
            DrawImage(mipmapped, float(110 + i * 100), 130);
            ResetDrawState();
        }
        DrawImage(edgeImage, 600.5f, 200);
        auto frame = GrabPixmap(0, 0, 700, 220);
        SetTexelExactSampling(true);
        return frame;
    };
    auto linear = draw(false);
    auto nearest = draw(true);
    ASSERT_TRUE(linear && nearest);
    int differing = 0;
    for (int y = 0; y < 220; ++y)
        for (int x = 0; x < 700; ++x)
            differing += ReadPixel(linear, x, y) != ReadPixel(nearest, x, y);
    EXPECT_EQ(differing, 0);
    uint32_t between = ReadPixel(nearest, 601, 200) & 0xFF;
    EXPECT_GT(between, 40u) << "a quad off the texel grid is still filtered";
    EXPECT_LT(between, 215u) << "a quad off the texel grid is still filtered";
    testsupport::SaveTestOutput(nearest, "texel_exact_sprites.png");
}

TEST_F(GraphicsGL, MipmappedPicturesDrawnSmallShowTheAverageOfTheirPixels) {
    // Stripes one pixel wide, black and white: drawn at an eighth of their size a mipmapped
    // picture is an even grey, a picture without mipmaps picks stripes.
    auto stripes = CreatePixmap(128, 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            WritePixel(stripes, x, y, x % 2 ? 0xFFFFFFFFu : 0xFF000000u);
    auto mipmapped = LoadImageFromPixmap(stripes, IMAGE_FILTERED | IMAGE_MIPMAPPED);
    auto plain = LoadImageFromPixmap(stripes, IMAGE_FILTERED);
    SetScale(0.125f, 0.125f);
    DrawImage(mipmapped, 10, 10);
    DrawImage(plain, 40.3f, 10.3f);
    ResetDrawState();
    auto frame = Grab();
    for (int y = 11; y < 25; y += 4)
        for (int x = 11; x < 25; x += 4)
            EXPECT_TRUE(PixelNear(frame, x, y, 128, 128, 128, 4)) << x << "," << y;
    int extremes = 0;
    for (int x = 41; x < 55; ++x) {
        uint32_t v = ReadPixel(frame, x, 15) & 0xFF;
        extremes += v < 40 || v > 215;
    }
    EXPECT_GT(extremes, 0) << "without mipmaps the stripes alias";
}

TEST_F(GraphicsGL, ImageHandleScaleAndRotationTurnAboutTheDrawPoint) {
    auto image = SolidImage(20, 10, 255, 0, 0);
    MidHandleImage(image);
    SetScale(2, 2);
    SetRotation(90);
    DrawImage(image, 400, 300);
    auto frame = Grab();
    // 40 x 20 after scaling, turned a quarter clockwise: 20 wide and 40 high about (400, 300).
    EXPECT_TRUE(PixelNear(frame, 400, 283, 255, 0, 0));
    EXPECT_TRUE(PixelNear(frame, 400, 317, 255, 0, 0));
    EXPECT_TRUE(PixelNear(frame, 392, 300, 255, 0, 0));
    EXPECT_TRUE(PixelNear(frame, 415, 300, 0, 0, 0));
    EXPECT_TRUE(PixelNear(frame, 400, 325, 0, 0, 0));
}

TEST_F(GraphicsGL, SubImageDrawsTakeTheirSourceRectangleAndHandle) {
    auto pixmap = CreatePixmap(40, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 40; ++x)
            WritePixel(pixmap, x, y, x < 20 ? 0xFFFF0000u : 0xFF0000FFu);
    auto image = LoadImageFromPixmap(pixmap, 0);
    // The right half, scaled to 40 x 20, with its handle at its centre.
    DrawSubImageRect(image, 200, 200, 40, 20, 20, 0, 20, 10, 20, 10);
    auto frame = Grab();
    EXPECT_TRUE(PixelNear(frame, 182, 192, 0, 0, 255));
    EXPECT_TRUE(PixelNear(frame, 217, 208, 0, 0, 255));
    EXPECT_TRUE(PixelNear(frame, 222, 200, 0, 0, 0));
    EXPECT_TRUE(PixelNear(frame, 200, 212, 0, 0, 0));
}

TEST_F(GraphicsGL, ImagesDroppedRightAfterTheirDrawStillShowAndTheirTexturesAreFreed) {
    // A picture drawn and let go at once (a temporary) must still land in the frame: its texture
    // may not be freed while the draw waits in the batch.
    unsigned name = 0;
    {
        auto image = SolidImage(20, 20, 0, 200, 250);
        DrawImage(image, 50, 50);
        name = image->texture ? image->texture->id : 0;
    }
    ASSERT_NE(name, 0u);
    EXPECT_TRUE(PixelNear(Grab(), 60, 60, 0, 200, 250, 0));
    Flip(0);
    EXPECT_FALSE(glIsTexture(name)) << "the texture is freed once nothing draws with it";
}

// The renderer that draws only what is read: frames drawn over without a clear, a grab used in a
// later frame, a solid picture hiding the whole frame and a picture changed after its draw all
// give the pixels of drawing every frame; until a read, nothing reaches the frame.
TEST_F(GraphicsGL, DrawingOnlyWhatIsReadGivesThePixelsOfDrawingEveryFrame) {
    // In a window and in full screen, where frames go scaled into the window and are drawn into
    // the logical frame from the kept draws when read.
    auto sprite = SolidImage(40, 40, 250, 120, 30, 160, IMAGE_FILTERED);
    auto backdrop = SolidImage(800, 600, 30, 60, 90);
    auto play = [&](bool onRead) {
        // The frame before: what a draw over it without a clear lands on.
        SetClsColor(0, 0, 0);
        Cls();
        Flip(0);
        ActiveGLRenderer()->SetDrawOnRead(onRead);
        auto picture = CopyImage(sprite);
        SetClsColor(20, 40, 60);
        Cls();
        SetBlend(BLEND_ALPHA);
        DrawImage(picture, 100, 100);
        Flip(0);
        SetColor(200, 10, 90);
        DrawRect(110, 110, 300, 20); // over the last frame
        Flip(0);
        auto grab = CreateImage(800, 600);
        GrabImage(grab, 0, 0);
        SetBlend(BLEND_SOLID);
        SetColor(255, 255, 255);
        DrawRect(0, 0, 50, 50); // hidden by the backdrop
        DrawImage(backdrop, 0, 0);
        SetBlend(BLEND_ALPHA);
        SetAlpha(0.5f);
        SetScale(0.5f, 0.5f);
        DrawImage(grab, 400, 300);
        ResetDrawState();
        DrawImage(picture, 600, 100);
        PixmapRef pixels = LockImage(picture);
        for (int y = 0; y < 40; ++y)
            WritePixel(pixels, 20, y, 0xFF00FF00u);
        UnlockImage(picture);
        DrawImage(picture, 650, 100);
        Flip(0);
        auto frame = Grab();
        ActiveGLRenderer()->SetDrawOnRead(false);
        return frame;
    };
    auto everyFrame = play(false);
    ASSERT_TRUE(everyFrame);
    EXPECT_TRUE(PixelNear(everyFrame, 670, 120, 0, 255, 0, 0)) << "the changed column";
    for (int depth : {0, 32}) {
        ASSERT_TRUE(Graphics(800, 600, depth, 60));
        for (bool onRead : {false, true}) {
            auto frame = play(onRead);
            ASSERT_TRUE(frame);
            EXPECT_TRUE(everyFrame->pixels == frame->pixels)
                << (depth ? "full screen" : "window") << (onRead ? ", drawn on read" : ", every frame");
        }
    }
    ASSERT_TRUE(Graphics(800, 600, 0, 60));

    // Kept draws are not in the frame until it is read.
    ActiveGLRenderer()->SetDrawOnRead(true);
    SetClsColor(0, 0, 0);
    Cls();
    SetColor(255, 0, 0);
    DrawRect(0, 0, 800, 600);
    uint8_t raw[4] = {};
    ActiveGLRenderer()->Flush();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glReadBuffer(GL_BACK);
    if (!FrameOffscreen()) glReadPixels(400, 300, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, raw);
    EXPECT_NE(raw[0], 255) << "drawn before a read";
    EXPECT_TRUE(PixelNear(Grab(), 400, 300, 255, 0, 0, 0));
    ActiveGLRenderer()->SetDrawOnRead(false);
    ResetDrawState();
}

TEST_F(GraphicsGL, TextLandsInsideItsBoxBelowAndRightOfThePoint) {
    SetColor(255, 255, 255);
    DrawText("Hello", 100, 100);
    auto frame = Grab();
    int w = TextWidth("Hello"), h = TextHeight("Hello");
    ASSERT_GT(w, 0);
    int minX = 800, minY = 600, maxX = -1, maxY = -1;
    for (int y = 80; y < 140; ++y)
        for (int x = 80; x < 180; ++x)
            if ((ReadPixel(frame, x, y) & 0xFFFFFF) != 0) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    ASSERT_GE(maxX, 0) << "no text drawn";
    EXPECT_GE(minX, 100);
    EXPECT_GE(minY, 100);
    EXPECT_LT(maxX, 100 + w);
    EXPECT_LT(maxY, 100 + h);
    EXPECT_LT(minY, 100 + h / 2) << "the capital H reaches near the top of the line";
}

TEST_F(GraphicsGL, ViewportClipsEveryDraw) {
    // A solid draw over the whole frame, clipped, hides nothing outside its viewport.
    SetClsColor(0, 0, 90);
    Cls();
    SetViewport(100, 120, 50, 40);
    SetBlend(BLEND_SOLID);
    SetColor(0, 255, 0);
    DrawRect(0, 0, 800, 600);
    ResetViewport();
    ResetDrawState();
    auto frame = Grab();
    EXPECT_TRUE(PixelNear(frame, 100, 120, 0, 255, 0, 0));
    EXPECT_TRUE(PixelNear(frame, 149, 159, 0, 255, 0, 0));
    EXPECT_TRUE(PixelNear(frame, 99, 130, 0, 0, 90, 0));
    EXPECT_TRUE(PixelNear(frame, 150, 130, 0, 0, 90, 0));
    EXPECT_TRUE(PixelNear(frame, 120, 160, 0, 0, 90, 0));
}

TEST_F(GraphicsGL, LinesCoverTheirPixelsAndMayLeaveOutTheLast) {
    SetColor(255, 255, 255);
    DrawLine(10, 50, 20, 50, true);
    DrawLine(10, 60, 20, 60, false);
    auto frame = Grab();
    EXPECT_TRUE(PixelNear(frame, 10, 50, 255, 255, 255, 0));
    EXPECT_TRUE(PixelNear(frame, 20, 50, 255, 255, 255, 0));
    EXPECT_TRUE(PixelNear(frame, 19, 60, 255, 255, 255, 0));
    EXPECT_TRUE(PixelNear(frame, 20, 60, 0, 0, 0, 0));
    EXPECT_TRUE(PixelNear(frame, 15, 51, 0, 0, 0, 0));
}

TEST_F(GraphicsGL, VirtualResolutionMapsTheLogicalScreenOntoASmallerWindow) {
    ASSERT_TRUE(Graphics(640, 480, 0, 60));
    SetVirtualResolution(800, 600);
    EXPECT_EQ(LogicalWidth(), 800);
    EXPECT_EQ(LogicalHeight(), 600);
    Cls();
    SetColor(255, 0, 0);
    DrawRect(700, 500, 100, 100);
    auto frame = GrabPixmap(0, 0, 800, 600);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->width, 800);
    EXPECT_EQ(frame->height, 600);
    EXPECT_TRUE(PixelNear(frame, 750, 550, 255, 0, 0, 0));
    EXPECT_TRUE(PixelNear(frame, 650, 450, 0, 0, 0, 0));
    Flip(0);
    ASSERT_TRUE(Graphics(800, 600, 0, 60));
    EXPECT_EQ(LogicalWidth(), 800) << "a new mode starts without the old virtual resolution";
}

TEST_F(GraphicsGL, FlipWithSyncWaitsForTheNextFrameEvenWhereVerticalSyncIsRefused) {
    // Xvfb (and some drivers) refuse a swap interval; flips asked to wait for the vertical blank
    // must still come no faster than the display's refresh rate.
    ASSERT_FALSE(FakeClockActive());
    Flip(1);
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 6; ++i)
        Flip(1);
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(ms, 4 * 1000.0 / DesktopRate());
}

TEST_F(GraphicsGL, FrameCaptureWritesTheFrameAfterTheChosenFlip) {
    testsupport::TempDir dir;
    long target = FlipCount() + 2;
    CaptureFrames(dir.Path() + ":" + std::to_string(target));
    SetClsColor(10, 200, 30);
    Cls();
    Flip(0);
    SetClsColor(200, 10, 30);
    Cls();
    SetColor(255, 255, 255);
    DrawRect(0, 0, 10, 10);
    Flip(0);
    std::string path = dir.Path() + "frame-" + std::to_string(target) + ".png";
    auto frame = LoadPixmap(path);
    ASSERT_TRUE(frame) << path;
    EXPECT_EQ(frame->width, 800);
    EXPECT_EQ(frame->height, 600);
    EXPECT_TRUE(PixelNear(frame, 400, 300, 200, 10, 30, 0));
    EXPECT_TRUE(PixelNear(frame, 5, 5, 255, 255, 255, 0));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "frame-" + std::to_string(target - 1) + ".png"));
    CaptureFrames("");
}

TEST_F(GraphicsGL, LargePicturesDrawTheSameWhileTheTextureAloneHoldsTheirPixels) {
    // A 512 x 256 gradient saved as a file: loaded, it lets its pixels go; the same pixels
    // made into an image in memory keep theirs. Both must draw alike, before and after a change.
    testsupport::TempDir dir;
    auto pixmap = CreatePixmap(512, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 512; ++x)
            WritePixel(pixmap, x, y, 0xFF000000u | uint32_t(x / 2) << 16 | uint32_t(y) << 8 | 40u);
    ASSERT_TRUE(SavePixmapPNG(pixmap, dir / "large.png"));
    auto fromFile = LoadImage(dir / "large.png", 0);
    auto inMemory = LoadImageFromPixmap(pixmap, 0);
    ASSERT_TRUE(fromFile && inMemory);
    auto draw = [&](const ImageRef& image) {
        Cls();
        DrawImage(image, 100, 50);
        auto frame = GrabPixmap(0, 0, 800, 600);
        Flip(0);
        return frame;
    };
    auto same = [](const PixmapRef& a, const PixmapRef& b) { return a && b && a->pixels == b->pixels; };
    EXPECT_TRUE(same(draw(fromFile), draw(inMemory)));
    EXPECT_FALSE(FrameResident(fromFile)) << "the texture holds them";
    EXPECT_TRUE(same(draw(fromFile), draw(inMemory))) << "drawn again from the texture alone";

    for (const ImageRef& image : {fromFile, inMemory}) {
        WritePixel(LockImage(image), 10, 10, 0xFFFF0000u);
        UnlockImage(image);
    }
    auto changed = draw(fromFile);
    EXPECT_TRUE(same(changed, draw(inMemory)));
    EXPECT_TRUE(PixelNear(changed, 110, 60, 255, 0, 0, 0)) << "the change reaches the screen";
    EXPECT_TRUE(FrameResident(fromFile)) << "a changed picture keeps its pixels";
}

TEST_F(GraphicsGL, StripsDrawTheSameOnceTheirTextureAloneHoldsTheirFrames) {
    // Three 64 x 64 gradient cells saved as a file: drawn once, the strip lets its frames go; a
    // change to one frame then remakes the texture from the others decoded again. A copy that
    // always holds its pixels must draw alike every time.
    testsupport::TempDir dir;
    auto pixmap = CreatePixmap(3 * 64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 3 * 64; ++x)
            WritePixel(pixmap, x, y,
                       0xFF000000u | uint32_t(x) << 16 | uint32_t(y * 4) << 8 | uint32_t(x / 64 * 90));
    ASSERT_TRUE(SavePixmapPNG(pixmap, dir / "strip.png"));
    auto strip = LoadAnimImage(dir / "strip.png", 64, 64, 0, 3, 0);
    auto copy = CopyImage(strip);
    ASSERT_TRUE(strip && copy);
    auto draw = [&](const ImageRef& image) {
        Cls();
        for (int f = 0; f < 3; ++f)
            DrawImage(image, 100.0f + 70.0f * f, 50.0f, f);
        auto frame = GrabPixmap(0, 0, 800, 600);
        Flip(0);
        return frame;
    };
    auto same = [](const PixmapRef& a, const PixmapRef& b) { return a && b && a->pixels == b->pixels; };
    EXPECT_TRUE(same(draw(strip), draw(copy)));
    EXPECT_FALSE(FrameResident(strip, 2)) << "the texture holds them";
    for (const ImageRef& image : {strip, copy}) {
        WritePixel(LockImage(image, 1), 3, 3, 0xFFFF0000u);
        UnlockImage(image, 1);
    }
    auto changed = draw(strip);
    EXPECT_TRUE(same(changed, draw(copy)));
    EXPECT_TRUE(PixelNear(changed, 173, 53, 255, 0, 0, 0)) << "the change reaches the screen";
}

TEST_F(GraphicsGL, ImagesSurviveSwitchesBetweenWindowAndFullScreen) {
    auto image = SolidImage(30, 30, 250, 200, 0);
    auto check = [&](const char* when) {
        Cls();
        DrawImage(image, 100, 100);
        EXPECT_TRUE(PixelNear(GrabPixmap(0, 0, 800, 600), 115, 115, 250, 200, 0, 0)) << when;
        Flip(0);
    };
    check("in a window");
    ASSERT_TRUE(GraphicsModeExists(800, 600, 32, 0));
    ASSERT_TRUE(Graphics(800, 600, 32, 60));
    EXPECT_EQ(ActiveWindow(), 0) << "full screen has no window handle";
    check("in full screen");
    ASSERT_TRUE(Graphics(800, 600, 0, 60));
    EXPECT_NE(ActiveWindow(), 0);
    check("back in a window");
}

TEST_F(GraphicsGL, FramesGoStraightToTheWindowEvenWhereTheyAreScaled) {
    if (std::getenv("SLEETWHISTLE_OFFSCREEN_FRAME")) GTEST_SKIP() << "every frame is forced off screen";
    TGLRenderer* renderer = ActiveGLRenderer();
    ASSERT_TRUE(renderer);
    EXPECT_FALSE(FrameOffscreen() || renderer->Scaled()) << "a window of the mode's size";
    SetVirtualResolution(400, 300);
    EXPECT_FALSE(FrameOffscreen()) << "a virtual resolution scaled into the window";
    EXPECT_TRUE(renderer->Scaled());
    SetVirtualResolution(800, 600);
    EXPECT_FALSE(renderer->Scaled()) << "a virtual resolution of the window's size";
    int dw, dh;
    DesktopSize(dw, dh);
    ASSERT_TRUE(dw > 800 || dh > 600) << "the display must be larger than 800 x 600";
    ASSERT_TRUE(Graphics(800, 600, 32, 60));
    EXPECT_FALSE(FrameOffscreen()) << "full screen letterboxed on a larger desktop";
    EXPECT_TRUE(renderer->Scaled());
    ForceOffscreenFrame(true);
    EXPECT_TRUE(FrameOffscreen());
    EXPECT_FALSE(renderer->Scaled());
    ForceOffscreenFrame(false);
    ASSERT_TRUE(Graphics(800, 600, 0, 60));
    EXPECT_FALSE(FrameOffscreen() || renderer->Scaled());
}

// The start of the scenes drawn both ways: a cleared frame, a turned sprite at alpha 0.7.
void ClearAndDrawTurnedSprite(const ImageRef& sprite) {
    SetClsColor(20, 40, 60);
    Cls();
    SetBlend(BLEND_ALPHA);
    SetAlpha(0.7f);
    SetRotation(30);
    DrawImage(sprite, 100, 100);
}

TEST_F(GraphicsGL, BothWaysOfPresentingGiveTheSamePixels) {
    auto sprite = SolidImage(40, 40, 250, 120, 30, 160, IMAGE_FILTERED);
    auto draw = [&] {
        ClearAndDrawTurnedSprite(sprite);
        SetRotation(0);
        SetAlpha(1);
        SetBlend(BLEND_LIGHT);
        SetColor(90, 10, 200);
        DrawOval(300, 200, 120, 80);
        SetBlend(BLEND_SOLID);
        DrawLine(10, 590, 790, 400);
        DrawText("Both ways", 500, 50);
        ResetDrawState();
        return Grab();
    };
    ForceOffscreenFrame(false);
    auto direct = draw();
    Flip(0);
    ForceOffscreenFrame(true);
    EXPECT_TRUE(FrameOffscreen());
    auto offscreen = draw();
    Flip(0);
    ForceOffscreenFrame(false);
    ASSERT_TRUE(direct && offscreen);
    EXPECT_TRUE(direct->pixels == offscreen->pixels);
    testsupport::SaveTestOutput(direct, "both_ways_of_presenting.png");
}

// The window's back buffer (its first w x h pixels) as a pixmap, top row first.
PixmapRef WindowPixels(int w = 800, int h = 600) {
    auto pixmap = CreatePixmap(w, h);
    std::vector<uint8_t> rows(size_t(w) * h * 4);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = &rows[(size_t(h - 1 - y) * w + x) * 4];
            WritePixel(pixmap, x, y, 0xFF000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
        }
    return pixmap;
}

TEST_F(GraphicsGL, AScaledFrameReadsAsTheFrameDrawnOffScreen) {
    // Full screen on a larger desktop: the frame is drawn once, at the window's scale. Whatever
    // reads the logical frame, with the scene half drawn or whole, gets the pixels of the frame
    // drawn off screen, and the window shows it in its letterbox.
    if (std::getenv("SLEETWHISTLE_OFFSCREEN_FRAME")) GTEST_SKIP() << "every frame is forced off screen";
    auto sprite = SolidImage(40, 40, 250, 120, 30, 160, IMAGE_FILTERED);
    auto opaque = SolidImage(64, 48, 10, 200, 90, 255);
    auto firstHalf = [&] {
        ClearAndDrawTurnedSprite(sprite);
        ResetDrawState();
        DrawImage(opaque, 0, 0);
        SetViewport(300, 150, 200, 100);
        SetBlend(BLEND_LIGHT);
        SetColor(90, 10, 200);
        DrawOval(300, 200, 120, 80);
        SetViewport(0, 0, 800, 600);
        ResetDrawState();
    };
    auto secondHalf = [&] {
        SetBlend(BLEND_SOLID);
        DrawLine(10, 590, 790, 400);
        DrawText("Both ways", 500, 50);
        ResetDrawState();
    };
    std::vector<PixmapRef> grabs[2];
    for (bool offscreen : {true, false}) {
        ASSERT_TRUE(Graphics(800, 600, 32, 60));
        ForceOffscreenFrame(offscreen);
        EXPECT_EQ(ActiveGLRenderer()->Scaled(), !offscreen);
        auto& g = grabs[offscreen ? 0 : 1];
        firstHalf();
        g.push_back(Grab());
        secondHalf();
        g.push_back(Grab());
        if (!offscreen) {
            Flip(0);
            firstHalf(); // this frame read only once it is whole
            secondHalf();
            g.push_back(Grab());
        }
        Flip(0);
    }
    ForceOffscreenFrame(false);
    ASSERT_EQ(grabs[1].size(), 3u);
    EXPECT_TRUE(grabs[0][0]->pixels == grabs[1][0]->pixels) << "read with the scene half drawn";
    EXPECT_TRUE(grabs[0][1]->pixels == grabs[1][1]->pixels) << "the rest drawn after the read";
    EXPECT_TRUE(grabs[0][1]->pixels == grabs[1][2]->pixels) << "read at the end";

    // The window: the frame scaled into its letterbox, black bands around it (a mode of
    // another shape than the desktop's).
    ASSERT_TRUE(Graphics(800, 500, 32, 60));
    SetClsColor(30, 60, 90);
    Cls();
    SetColor(255, 0, 0);
    DrawRect(0, 0, 100, 100);
    int dw = 0, dh = 0;
    SDL_GL_GetDrawableSize(SDL_GL_GetCurrentWindow(), &dw, &dh);
    TGLRenderer* renderer = ActiveGLRenderer();
    ASSERT_TRUE(renderer);
    double scale = std::min(dw / 800.0, dh / 500.0);
    int w = int(std::lround(800 * scale)), h = int(std::lround(500 * scale));
    int x = (dw - w) / 2, y = (dh - h) / 2;
    ASSERT_TRUE(x > 0 || y > 0) << "the desktop must be of another shape than 800 x 500";
    renderer->Present(dw, dh, x, y, w, h);
    auto window = WindowPixels(dw, dh);
    EXPECT_TRUE(PixelNear(window, std::max(0, x - 1), std::max(0, y - 1), 0, 0, 0, 0)) << "band";
    EXPECT_TRUE(PixelNear(window, std::min(dw - 1, x + w), std::min(dh - 1, y + h), 0, 0, 0, 0)) << "band";
    EXPECT_TRUE(PixelNear(window, x + 2, y + 2, 255, 0, 0, 0)) << "the square, top left";
    EXPECT_TRUE(PixelNear(window, x + int(98 * scale), y + int(98 * scale), 255, 0, 0, 0))
        << "its far corner";
    EXPECT_TRUE(PixelNear(window, x + int(102 * scale) + 1, y + int(50 * scale), 30, 60, 90, 0))
        << "beside it";
    EXPECT_TRUE(PixelNear(window, x + w - 1, y + h - 1, 30, 60, 90, 0)) << "the background, bottom right";
    testsupport::SaveTestOutput(window, "scaled_frame_in_window.png");
    Flip(0);
    ASSERT_TRUE(Graphics(800, 600, 0, 60));
}

TEST_F(GraphicsGL, BatchesPastAFullVertexBufferAreDrawnRight) {
    // Batches are appended in one vertex buffer, orphaned when full and grown for a batch larger
    // than it: every quad of every batch lands with its own colour. One-pixel squares, a batch
    // of each size, blends alternating so each is a batch of its own.
    const int sizes[] = {6000, 6000, 6000, 20000, 7, 30000, 3};
    SetClsColor(0, 0, 0);
    Cls();
    int pixel = 0;
    for (size_t b = 0; b < std::size(sizes); ++b) {
        SetBlend(b % 2 ? BLEND_SOLID : BLEND_ALPHA);
        for (int i = 0; i < sizes[b]; ++i, ++pixel) {
            SetColor(int(b + 1) * 30, i % 256, (i / 256) % 256);
            DrawRect(float(pixel % 800), float(pixel / 800), 1, 1);
        }
    }
    ResetDrawState();
    auto frame = Grab();
    ASSERT_TRUE(frame);
    int wrong = 0;
    pixel = 0;
    for (size_t b = 0; b < std::size(sizes); ++b)
        for (int i = 0; i < sizes[b]; ++i, ++pixel) {
            uint32_t want =
                0xFF000000u | uint32_t((b + 1) * 30) << 16 | uint32_t(i % 256) << 8 | (i / 256) % 256;
            wrong += ReadPixel(frame, pixel % 800, pixel / 800) != want;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(ReadPixel(frame, pixel % 800, pixel / 800), 0xFF000000u) << "nothing past the last";
    Flip(0);
}

TEST_F(GraphicsGL, AnOffscreenFrameIsPresentedExactlyOrScaledIntoItsLetterbox) {
    ForceOffscreenFrame(true);
    SetClsColor(30, 60, 90);
    Cls();
    for (int i = 0; i < 40; ++i) {
        SetColor(i * 6, 255 - i * 6, (i * 37) % 256);
        DrawRect(float(i * 20), float(i * 15), 20, 15);
    }
    auto frame = Grab();
    TGLRenderer* renderer = ActiveGLRenderer();
    ASSERT_TRUE(renderer);
    renderer->Present(800, 600, 0, 0, 800, 600);
    auto same = WindowPixels();
    EXPECT_TRUE(frame->pixels == same->pixels) << "a frame of the window's size is copied pixel for pixel";
    renderer->Present(800, 600, 200, 150, 400, 300); // half size, centred
    auto half = WindowPixels();
    EXPECT_TRUE(PixelNear(half, 100, 300, 0, 0, 0, 0)) << "letterbox";
    EXPECT_TRUE(PixelNear(half, 400, 75, 0, 0, 0, 0)) << "letterbox";
    EXPECT_TRUE(PixelNear(half, 205, 154, 0, 255, 0, 2)) << "the first square, top left";
    EXPECT_TRUE(PixelNear(half, 590, 290, 30, 60, 90, 2)) << "the background, bottom right";
    testsupport::SaveTestOutput(half, "offscreen_frame_letterboxed.png");
    Flip(0);
    ForceOffscreenFrame(false);
}

TEST_F(GraphicsGL, AnOffscreenFrameFillsItsLetterboxToThePixel) {
    // Placed whole, halved and at odd places and sizes: the frame's colour exactly inside the
    // letterbox, black around it, and a single drawn pixel still shows.
    ForceOffscreenFrame(true);
    TGLRenderer* renderer = ActiveGLRenderer();
    ASSERT_TRUE(renderer);
    struct Case {
        int x, y, w, h;
    };
    for (const Case& c : {Case{0, 0, 800, 600}, Case{200, 150, 400, 300}, Case{13, 7, 501, 333}}) {
        SetClsColor(30, 60, 91);
        Cls();
        renderer->Present(800, 600, c.x, c.y, c.w, c.h);
        auto window = WindowPixels();
        int wrong = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                bool inside = x >= c.x && x < c.x + c.w && y >= c.y && y < c.y + c.h;
                wrong += ReadPixel(window, x, y) != (inside ? 0xFF1E3C5Bu : 0xFF000000u);
            }
        EXPECT_EQ(wrong, 0) << "letterbox at " << c.x << "," << c.y;
    }
    SetColor(255, 255, 255);
    Plot(400, 300);
    renderer->Present(800, 600, 0, 0, 800, 600);
    EXPECT_TRUE(PixelNear(WindowPixels(), 400, 300, 255, 255, 255, 0)) << "a drawn pixel is presented";
    Flip(0);
    ForceOffscreenFrame(false);
}

TEST_F(GraphicsGL, BottomUpWindowAndCursorQueriesGiveBackThePointer) {
    MoveMouse(100, 50);
    int dw, dh, ox, oy, cx, cy;
    DesktopSize(dw, dh);
    WindowOrigin(ActiveWindow(), ox, oy);
    CursorPos(cx, cy);
    // How the game turns them into a position inside its 600-row drawing area.
    int clientY = dh - oy - 600;
    EXPECT_EQ(cx - ox, 100);
    EXPECT_EQ((dh - cy) - clientY, 50);

    ASSERT_TRUE(Graphics(800, 600, 32, 60));
    MoveMouse(30, 40);
    WindowOrigin(ActiveWindow(), ox, oy);
    CursorPos(cx, cy);
    EXPECT_EQ(ox, 0);
    EXPECT_EQ(oy, 0);
    EXPECT_EQ(cx, 30);
    EXPECT_EQ(dh - cy, 40);
    ASSERT_TRUE(Graphics(800, 600, 0, 60));
}

TEST_F(GraphicsGL, MovingThePointerInALetterboxedScreenLandsOnTheAskedModePixel) {
    // Full screen scales the mode onto the whole desktop; the pointer put at a mode pixel must be
    // read back from the system as that same pixel.
    ASSERT_TRUE(Graphics(800, 600, 32, 60));
    for (int x : {0, 3, 101, 402, 799}) {
        int y = 599 - x * 3 / 4;
        MoveMouse(x, y);
        int gx = -1, gy = -1, mx = -1, my = -1;
        SDL_GetGlobalMouseState(&gx, &gy);
        WindowToMode(gx, gy, mx, my);
        EXPECT_EQ(mx, x) << "desktop pixel " << gx;
        EXPECT_EQ(my, y) << "desktop pixel " << gy;
    }
    ASSERT_TRUE(Graphics(800, 600, 0, 60));
}

TEST_F(GraphicsGL, FakeDesktopDecidesWhichFullScreenModesExist) {
    SetFakeDesktop(1024, 600);
    SetFakeMissingDepth(32);
    EXPECT_TRUE(GraphicsModeExists(800, 600, 24, 0));
    EXPECT_FALSE(GraphicsModeExists(800, 600, 32, 0));
    EXPECT_FALSE(GraphicsModeExists(1024, 768, 24, 0));
    EXPECT_FALSE(GraphicsModeExists(800, 600, 24, 75));
    int w = 0, h = 0;
    DesktopSize(w, h);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 600);
    SetFakeMissingDepth(0);
    SetFakeDesktop(0, 0);
}

} // namespace
