// A small known scene drawn with most of the drawing operations, checked pixel by pixel and kept
// as test-output/platform-scene.png for a look.
#include "GLWindow.h"

#include "platform/draw.h"
#include "platform/files.h"
#include "platform/font.h"
#include "platform/graphics.h"
#include "platform/image.h"

#include <cmath>

using namespace platform;
using testsupport::PixelNear;

namespace {

class SceneGL : public testsupport::GLWindowTest {};

// A 50 x 50 soft ball with a transparent outside, frame i tinted differently.
PixmapRef BallStrip(int frames) {
    auto strip = CreatePixmap(50 * frames, 50);
    for (int f = 0; f < frames; ++f)
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x) {
                double d = std::hypot(x - 24.5, y - 24.5) / 24.0;
                if (d > 1) continue;
                int shade = int(255 * (1.0 - 0.5 * d));
                uint32_t a = d > 0.92 ? uint32_t(255 * (1 - d) / 0.08) : 255;
                uint32_t r = f % 2 ? 60 : shade, g = f % 3 ? shade : 80, b = 255 - shade / 2;
                WritePixel(strip, f * 50 + x, y, (a << 24) | (r << 16) | (g << 8) | b);
            }
    return strip;
}

TEST_F(SceneGL, KnownSceneDrawsAsExpected) {
    SetClsColor(12, 22, 60);
    Cls();
    // Night-sky bands.
    for (int i = 0; i < 6; ++i) {
        SetColor(20 + i * 10, 30 + i * 12, 80 + i * 15);
        DrawRect(0, float(i * 40), 800, 40);
    }
    // Snowy ground with a light glow.
    SetColor(235, 240, 255);
    DrawRect(0, 480, 800, 120);
    SetBlend(BLEND_LIGHT);
    SetAlpha(0.4f);
    SetColor(255, 200, 80);
    DrawOval(560, 60, 120, 120);
    SetBlend(BLEND_ALPHA);
    SetAlpha(1);

    // Sprites from one strip, with a handle at their centre, some turned and scaled.
    std::string strip = "/tmp/sleetwhistle-scene-strip.png";
    ASSERT_TRUE(SavePixmapPNGWithAlpha(BallStrip(7), strip));
    AutoMidHandle(true);
    auto balls = LoadAnimImage(strip, 50, 50, 0, 7, IMAGE_FILTERED);
    AutoMidHandle(false);
    ASSERT_TRUE(balls);
    SetColor(255, 255, 255);
    for (int i = 0; i < 7; ++i)
        DrawImage(balls, 100.0f + i * 80, 420, i);
    SetScale(2, 2);
    SetRotation(45);
    DrawImage(balls, 200, 200, 3);
    SetScale(1, 1);
    SetRotation(0);

    // Shadowed caption and a framed box.
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    DrawText("Sleetwhistle", 302, 42);
    SetAlpha(1);
    SetColor(255, 230, 120);
    DrawText("Sleetwhistle", 300, 40);
    SetColor(255, 255, 255);
    DrawLine(300, 300, 500, 300);
    DrawLine(500, 300, 500, 380);
    DrawLine(500, 380, 300, 380);
    DrawLine(300, 380, 300, 300);
    Plot(400, 340);

    auto frame = Grab();
    testsupport::SaveTestOutput(frame, "platform-scene.png");

    EXPECT_TRUE(PixelNear(frame, 5, 5, 20, 30, 80, 0));        // top band
    EXPECT_TRUE(PixelNear(frame, 5, 590, 235, 240, 255, 0));   // snow
    EXPECT_TRUE(PixelNear(frame, 620, 120, 152, 146, 157, 4)); // band 3 (50,66,125) + 0.4 x (255,200,80)
    EXPECT_TRUE(PixelNear(frame, 100, 420, 251, 80, 130, 8));  // centre of frame 0
    EXPECT_TRUE(PixelNear(frame, 180, 420, 60, 251, 130, 8));  // centre of frame 1
    EXPECT_TRUE(PixelNear(frame, 100, 448, 12, 22, 60, 2));    // outside the ball: the clear colour
    EXPECT_TRUE(PixelNear(frame, 300, 340, 255, 255, 255, 0)); // box edge
    EXPECT_TRUE(PixelNear(frame, 400, 340, 255, 255, 255, 0)); // plotted point
    EXPECT_TRUE(PixelNear(frame, 401, 340, 12, 22, 60, 0));    // the clear colour beside it
    // The turned ball: its centre lies at the draw point, corners of its box stay background.
    EXPECT_TRUE(PixelNear(frame, 200, 200, 60, 80, 130, 8));
    EXPECT_TRUE(PixelNear(frame, 200 - 48, 200 - 48, 50, 66, 125, 0));
}

TEST_F(SceneGL, ControlCharactersDrawNothing) {
    SetClsColor(12, 22, 60);
    Cls();
    SetColor(255, 255, 255);
    DrawText("Snow\tfall\x01\x1f", 20, 20);
    DrawText("Snowfall", 20, 80);
    auto frame = Grab();
    testsupport::SaveTestOutput(frame, "platform-control-characters.png");
    int inked = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 300; ++x) {
            ASSERT_EQ(ReadPixel(frame, x, 20 + y), ReadPixel(frame, x, 80 + y)) << x << "," << y;
            inked += ReadPixel(frame, x, 20 + y) != ReadPixel(frame, 0, 0);
        }
    EXPECT_GT(inked, 100) << "the text itself was drawn";
}

} // namespace
