// Drawing helpers on the real GL side, checked on the grabbed logical frame with a tolerance:
// shadowed text in the three alignments, an image with a drop shadow, a dimmed area, and a
// screenshot file.
#include "framework/cc_draw.h"
#include "framework/cc_errors.h"
#include "framework/cc_images.h"
#include "framework/cc_input.h"
#include "framework/cc_screenshots.h"
#include "framework/core_services.h"

#include "GLWindow.h"
#include "Scoped.h"
#include "TempDir.h"

#include "platform/draw.h"
#include "platform/files.h"
#include "platform/font.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

struct TRgb {
    int r, g, b;
};

TRgb Pixel(const platform::PixmapRef& frame, int x, int y) {
    uint32_t p = platform::ReadPixel(frame, x, y);
    return {ARGB_Red(p), ARGB_Green(p), ARGB_Blue(p)};
}

::testing::AssertionResult Near(TRgb got, TRgb want, int tolerance = 6) {
    if (std::abs(got.r - want.r) <= tolerance && std::abs(got.g - want.g) <= tolerance &&
        std::abs(got.b - want.b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << got.r << "," << got.g << "," << got.b << " want "
                                         << want.r << "," << want.g << "," << want.b;
}

class GlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::Graphics(800, 600, 0, 60); }
    static void TearDownTestSuite() { platform::EndGraphics(); }
    void SetUp() override {
        ASSERT_TRUE(platform::CurrentGraphics());
        platform::ResetDrawState();
        platform::SetImageFont(nullptr);
        ccShadowTextSet(1, 1, 0.5f);
        ccTextAlpha = 1.0f;
        platform::SetClsColor(255, 255, 255);
        platform::Cls();
    }
    platform::PixmapRef Frame() { return platform::GrabPixmap(0, 0, 800, 600); }
};

TEST_F(GlTest, DimmedAreaHalvesWhatIsUnderIt) {
    ccDimArea(0.5f, 100, 100, 200, 100);
    platform::PixmapRef frame = Frame();
    EXPECT_TRUE(Near(Pixel(frame, 150, 150), {128, 128, 128}));
    EXPECT_TRUE(Near(Pixel(frame, 299, 199), {128, 128, 128}));
    EXPECT_TRUE(Near(Pixel(frame, 300, 150), {255, 255, 255}));
    EXPECT_TRUE(Near(Pixel(frame, 99, 150), {255, 255, 255}));
}

TEST_F(GlTest, ImageWithADropShadow) {
    platform::ImageRef img = platform::CreateImage(20, 20, 1, 0);
    platform::PixmapRef pixels = platform::LockImage(img, 0);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            platform::WritePixel(pixels, x, y, ARGB_Color(255, 255, 0, 0));
    platform::UnlockImage(img, 0);
    platform::SetImageHandle(img, 0, 0);
    TShadowRef shadow = TShadow::Create(5, 5, 0.5f);
    ccDrawImage(img, 100, 100, shadow.get());
    platform::PixmapRef frame = Frame();
    EXPECT_TRUE(Near(Pixel(frame, 110, 110), {255, 0, 0}));     // the image itself
    EXPECT_TRUE(Near(Pixel(frame, 122, 122), {128, 128, 128})); // only the shadow
    EXPECT_TRUE(Near(Pixel(frame, 102, 122), {255, 255, 255})); // shadow starts 5 lower and right
    EXPECT_TRUE(Near(Pixel(frame, 130, 130), {255, 255, 255}));
}

// The leftmost and rightmost columns holding anything but white, in rows y0..y1.
std::pair<int, int> InkColumns(const platform::PixmapRef& frame, int y0, int y1, bool& greySeen,
                               bool& redSeen) {
    int minX = 800, maxX = -1;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < 800; ++x) {
            TRgb p = Pixel(frame, x, y);
            if (p.r > 245 && p.g > 245 && p.b > 245) continue;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            if (std::abs(p.r - p.g) < 12 && p.r < 200) greySeen = true; // the shadow alone
            if (p.r > 200 && p.g < 80) redSeen = true;                  // the text itself
        }
    return {minX, maxX};
}

TEST_F(GlTest, ShadowedTextInThreeAlignments) {
    const std::string text = "MMMM";
    int w = platform::TextWidth(text), h = platform::TextHeight(text);
    ASSERT_GT(w, 8);
    for (int align : {0, 1, 2}) {
        platform::SetColor(255, 0, 0);
        ccDrawTextAligned(text, 400, float(100 + align * 100), 1, align, 1);
    }
    platform::PixmapRef frame = Frame();
    testsupport::SaveTestOutput(frame, "framework-shadowed-text.png");
    for (int align : {0, 1, 2}) {
        bool grey = false, red = false;
        auto [minX, maxX] = InkColumns(frame, 100 + align * 100, 100 + align * 100 + h + 2, grey, red);
        EXPECT_TRUE(grey) << "align " << align;
        EXPECT_TRUE(red) << "align " << align;
        if (align == 0) {
            EXPECT_GE(minX, 399);
            EXPECT_GT(maxX, 400 + w / 2);
        } else if (align == 1) {
            EXPECT_LT(minX, 400 - w / 4);
            EXPECT_GT(maxX, 400 + w / 4);
        } else {
            EXPECT_LE(maxX, 402); // the shadow reaches one pixel further
            EXPECT_LT(minX, 400 - w / 2);
        }
    }
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
}

TEST_F(GlTest, ScreenshotIsAnRgbPngNamedAfterTheTime) {
    platform::SetColor(255, 0, 0);
    platform::DrawRect(0, 0, 400, 600);
    platform::SetColor(0, 0, 255);
    platform::DrawRect(400, 0, 400, 600);
    testsupport::TempDir dir;
    ccScreenShot(dir.Path());
    std::vector<std::string> names;
    for (const auto& name : platform::ListDir(dir.Path()))
        if (name != "." && name != "..") names.push_back(name);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(std::regex_match(names[0], std::regex(R"(\d{4}-\d{2}-\d{2} \d{6} screenshot\.png)")))
        << names[0];
    std::string png = dir.Read(names[0]);
    ASSERT_GT(png.size(), 26u);
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(int(uint8_t(png[24])), 8); // bit depth
    EXPECT_EQ(int(uint8_t(png[25])), 2); // colour type: RGB, no alpha
    platform::PixmapRef shot = platform::LoadPixmap(dir / names[0]);
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot->width, 800);
    EXPECT_EQ(shot->height, 600);
    EXPECT_TRUE(Near(Pixel(shot, 10, 300), {255, 0, 0}, 0));
    EXPECT_TRUE(Near(Pixel(shot, 790, 300), {0, 0, 255}, 0));
}

TEST_F(GlTest, ErrorBoxOnScreenClosedByAScriptedKey) {
    testsupport::TempDir dir;
    ccErrorPath = dir.Path();
    ccGraphicalErrors = 1;
    {
        // The key arrives on the fake clock after the first frame of the box.
        platform::ScopedFakeClock clock(16);
        testsupport::ScopedInputScript script(dir.Write("keys.txt", "16 key_down 32\n"));
        ASSERT_TRUE(script.loaded) << script.error;
        ccRunTimeError("Line one\n\nLine three", 0);
    }
    ccErrorPath = "";

    platform::PixmapRef frame = Frame(); // the box stays in the frame it was drawn into
    testsupport::SaveTestOutput(frame, "framework-error-box.png");
    EXPECT_TRUE(Near(Pixel(frame, 110, 340), {150, 150, 150})); // the box
    EXPECT_TRUE(Near(Pixel(frame, 702, 352), {0, 0, 0}));       // its shadow, 4 pixels out
    EXPECT_TRUE(Near(Pixel(frame, 50, 50), {255, 255, 255}));   // the screen around it
    EXPECT_TRUE(Near(Pixel(frame, 100, 300), {220, 220, 200})); // the outline
    EXPECT_NE(dir.Read("ErrorLog.txt").find("\r\nLine one\n\nLine three\r\n"), std::string::npos);
}

TEST_F(GlTest, MouseShowHideShowsTheSystemPointerOutsideTheWindowOnlyWithTheCustomPointer) {
    for (int custom : {1, 0}) {
        SCOPED_TRACE(custom ? "custom pointer" : "system pointer");
        TCoreInputHooks hooks;
        hooks.customMousePointer = [custom] { return custom; };
        SetCoreInputHooks(hooks);
        platform::HideMouse();
        while (platform::PollEvent()) { // only the pointer's own events below
        }
        platform::PostEvent({platform::EVENT_MOUSE_LEAVE, 0, 0, 0});
        ccMouseShowHide();
        EXPECT_EQ(MouseVisible, 1);
        EXPECT_EQ(platform::MouseShown(), custom == 1); // the game's pointer is not there to see
        platform::ShowMouse();
        platform::PostEvent({platform::EVENT_MOUSE_ENTER, 0, 0, 0});
        ccMouseShowHide();
        EXPECT_EQ(MouseVisible, 0);
        EXPECT_EQ(platform::MouseShown(), custom == 0); // the game draws its own again
    }
    SetCoreInputHooks({});
    platform::ShowMouse();
}

} // namespace
