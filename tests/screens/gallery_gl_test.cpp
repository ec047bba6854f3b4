// The gallery, the picture view and the outro on the real GL side, kept for a person to look at:
// the gallery with three pictures unlocked and one lit under the pointer, picture 3 full screen,
// and the outro's prompt at the two ends of its pulse.
#include "GLScene.h"
#include "GLWindow.h"
#include "gallery_fixture.h"

#include "platform/graphics.h"
#include "screens/TOutroScreen.h"

namespace screentest {
namespace {

using testsupport::Brightness;

// Summed brightness of a rectangle.
long AreaBrightness(const platform::PixmapRef& frame, int x0, int y0, int w, int h) {
    long sum = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            sum += Brightness(platform::ReadPixel(frame, x, y));
    return sum;
}

class GalleryScene : public testsupport::GLScene<FrontEndTest> {
protected:
    // The current screen's frame as the player sees it, without the pointer.
    static platform::PixmapRef Scene() {
        return testsupport::DrawScene([] { Game->CurrentTScreen->Draw(); });
    }
    // Whether the frame shows the source picture's pixel at (sx, sy) at screen point (x, y).
    static ::testing::AssertionResult Shows(const platform::PixmapRef& frame, int x, int y,
                                            const std::string& file, int sx, int sy) {
        platform::PixmapRef source = platform::LoadPixmap(Game->ImagePath + file);
        if (!source) return ::testing::AssertionFailure() << file << " does not load";
        uint32_t p = platform::ReadPixel(source, sx, sy);
        return testsupport::PixelNear(frame, x, y, int((p >> 16) & 255), int((p >> 8) & 255), int(p & 255),
                                      8);
    }
};

TEST_F(GalleryScene, ThreeUnlockedThumbnailsAmongLockedSlotsAndTheLitOne) {
    for (int picture : {1, 3, 11})
        SetPictureFlag(picture, 1);
    GalleryScreen->Destination = start;
    Enter(GalleryScreen);
    MoveTo(330, 180); // picture 3
    platform::PixmapRef frame = Scene();
    testsupport::SaveTestOutput(frame, "screens-gallery.png");
    EXPECT_TRUE(Shows(frame, 112 + 50, 154 + 40, "thumb1.png", 50, 40));
    EXPECT_TRUE(Shows(frame, 320 + 50, 322 + 40, "thumb11.png", 50, 40));
    EXPECT_TRUE(Shows(frame, 216 + 50, 154 + 40, "lockedpicture.png", 50, 40));
    EXPECT_TRUE(Shows(frame, 528 + 50, 238 + 40, "lockedpicture.png", 50, 40));
    // The lit thumbnail is brighter than the picture itself.
    platform::PixmapRef thumb3 = platform::LoadPixmap(Game->ImagePath + "thumb3.png");
    ASSERT_TRUE(thumb3);
    EXPECT_GT(AreaBrightness(frame, 330, 170, 80, 50), AreaBrightness(thumb3, 10, 16, 80, 50) * 11 / 10)
        << "slot " << GalleryScreen->MOIndex << " lit at " << GalleryScreen->glow->ratio << ", pointer "
        << Game->Mouse->x << ", " << Game->Mouse->y;
}

TEST_F(GalleryScene, PictureThreeFillsTheScreenUnderItsOkButton) {
    PictureScreen->PicIndex = 3;
    PictureScreen->Destination = GalleryScreen;
    Enter(PictureScreen);
    platform::PixmapRef frame = Scene();
    testsupport::SaveTestOutput(frame, "screens-picture.png");
    for (auto [x, y] : {std::pair{10, 10}, std::pair{400, 300}, std::pair{790, 500}})
        EXPECT_TRUE(Shows(frame, x, y, "pic3.jpg", x, y)) << x << ", " << y;
    TButtonRef ok = PictureScreen->Menu->FindButton("OK");
    ASSERT_TRUE(ok);
    EXPECT_FALSE(Shows(frame, int(ok->x + ok->w / 2), int(ok->y + ok->h / 2), "pic3.jpg",
                       int(ok->x + ok->w / 2), int(ok->y + ok->h / 2)))
        << "the OK button covers the picture";
}

TEST_F(GalleryScene, TheOutroPromptPulsesAtTheBottom) {
    auto outro = std::make_shared<TOutroScreen>();
    outro->PreStart();
    outro->glow->SetCounter(90); // no light pass
    platform::PixmapRef plain = Scene();
    outro->glow->SetCounter(0); // the light pass at its strongest
    platform::PixmapRef lit = Scene();
    testsupport::SaveTestOutput(plain, "screens-outro.png");
    testsupport::SaveTestOutput(lit, "screens-outro-lit.png");
    EXPECT_TRUE(Shows(plain, 100, 100, "outropic.jpg", 100, 100));
    const long dark = AreaBrightness(plain, 300, 545, 200, 50);
    EXPECT_GT(AreaBrightness(lit, 300, 545, 200, 50), dark * 11 / 10);
    EXPECT_EQ(AreaBrightness(lit, 0, 0, 800, 540), AreaBrightness(plain, 0, 0, 800, 540))
        << "only the prompt pulses";
}

} // namespace
} // namespace screentest
