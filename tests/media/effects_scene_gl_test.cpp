// The maker's splash, a letter-boxed slide show and the loading screen on the real GL side, with
// the generated data folder. A few pixels are checked against the source pictures; the frames are
// kept for a person to look at.
#include "GLWindow.h"
#include "TempDir.h"

#include "core/TGame.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "media/TLoadingScreen.h"
#include "media/TSlideShow.h"
#include "media/TSplashScreen.h"
#include "platform/audio_testing.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/testing.h"

#include <gtest/gtest.h>

namespace {

struct Rgb {
    int r, g, b;
};

Rgb At(const platform::PixmapRef& pixmap, int x, int y) {
    uint32_t p = platform::ReadPixel(pixmap, x, y);
    return {int((p >> 16) & 255), int((p >> 8) & 255), int(p & 255)};
}

bool Opaque(const platform::PixmapRef& pixmap, int x, int y) {
    return (platform::ReadPixel(pixmap, x, y) >> 24) == 255;
}

class EffectsSceneTest : public testsupport::GLWindowTest {
protected:
    std::string share, data, graphics;
    bool autoMid = true;

    void SetUp() override {
        GLWindowTest::SetUp();
        platform::ForceOffscreenFrame(true); // the last frame stays readable after its flip
        platform::UseRecordingAudio();
        platform::UseFakeClock(10);
        Delta = 1.0f;
        data = std::string(SLEETWHISTLE_TEST_DATA_DIR) + "/";
        share = data.substr(0, data.size() - std::string("Data/").size());
        graphics = data + "graphics/";
        platform::SetDataRoot(share);
        Game = std::make_shared<TGame>();
        Game->DataPrefix = share;
        Game->ImagePath = graphics;
        Game->SoundPath = data + "sound/";
        Game->ClsColor = TColor::Create(20, 30, 60, 1);
        autoMid = platform::AutoMidHandleOn();
    }

    void TearDown() override {
        platform::AutoMidHandle(autoMid);
        if (ccPolledInputState) ccDisablePolledInput();
        while (platform::PollEvent()) {
        }
        platform::UnloadInputScript();
        Game = nullptr;
        platform::SetDataRoot("");
        platform::UseRealClock();
        platform::ForceOffscreenFrame(false);
    }

    // Frame pixels against opaque pixels of the picture within columns x0..x1 (all columns when
    // x1 is 0), the picture's top-left at (left, top): the first, middle and last such pixel of a
    // coarse grid.
    void ExpectPictureAt(const platform::PixmapRef& frame, const std::string& picture, int left, int top,
                         int x0 = 0, int x1 = 0) {
        platform::PixmapRef source = platform::LoadPixmap(picture);
        ASSERT_TRUE(source) << picture;
        if (x1 == 0) x1 = source->width - 1;
        std::vector<std::pair<int, int>> opaque;
        for (int y = 1; y < source->height; y += 3)
            for (int x = x0; x <= x1; x += 7)
                if (Opaque(source, x, y)) opaque.emplace_back(x, y);
        ASSERT_GE(opaque.size(), 3u) << picture;
        for (size_t i : {size_t(0), opaque.size() / 2, opaque.size() - 1}) {
            auto [x, y] = opaque[i];
            Rgb want = At(source, x, y);
            EXPECT_TRUE(testsupport::PixelNear(frame, left + x, top + y, want.r, want.g, want.b, 3))
                << picture << " at " << x << "," << y;
        }
    }
};

TEST_F(EffectsSceneTest, MakersSplashCutShortInItsHoldLeavesTheLogoAtFullStrength) {
    platform::AutoMidHandle(false); // as the intro runs it
    testsupport::TempDir dir;
    std::string script = "2000 key_down 32\n"; // 2 s after loading
    ASSERT_TRUE(platform::LoadInputScript(dir.Write("script.txt", script)));
    int start = platform::MilliSecs();
    EXPECT_EQ(BrindlecoveSplash(0, 0), 0);
    EXPECT_LT(platform::MilliSecs() - start, 2100) << "cut short in the hold";
    platform::PixmapRef frame = Grab();
    testsupport::SaveTestOutput(frame, "media-maker-splash.png");

    platform::PixmapRef logo = platform::LoadPixmap(data + "Brindlecove.png");
    ASSERT_TRUE(logo);
    ASSERT_EQ(logo->width, 400);
    ASSERT_EQ(logo->height, 300);
    ExpectPictureAt(frame, data + "Brindlecove.png", 200, 150);
    EXPECT_TRUE(testsupport::PixelNear(frame, 10, 10, 20, 30, 60)) << "the clear colour around it";
    EXPECT_TRUE(testsupport::PixelNear(frame, 790, 590, 20, 30, 60));
}

TEST_F(EffectsSceneTest, LetterBoxedSlideShowHalfwayThroughACrossFade) {
    using Effect = TTransitionEffect;
    auto show = TSlideShow::Create();
    show->AddSlide(graphics + "intro1.jpg", -1, 1, Effect::Create(Effect::IN_FROM_BLACK, 500),
                   Effect::Create(Effect::PLAIN, 500), nullptr, "first");
    auto fade = Effect::Create(Effect::CROSS_FADE, 1000);
    fade->ZoomSpeed = 0.0005f;
    show->AddSlide(graphics + "intro2.jpg", -1, 1, fade, nullptr, nullptr, "second");
    show->LetterBoxHeight = 400;
    show->PreCache();
    for (int tick = 0; tick < 200 + 100; ++tick)
        show->Manage();
    ASSERT_EQ(show->CurrentSlide, 1);
    platform::Cls();
    show->Draw();
    platform::PixmapRef frame = Grab();
    testsupport::SaveTestOutput(frame, "media-slide.png");

    for (int y : {0, 50, 99, 500, 599})
        EXPECT_TRUE(testsupport::PixelNear(frame, 400, y, 0, 0, 0, 0)) << "bar at y " << y;
    platform::PixmapRef first = platform::LoadPixmap(graphics + "intro1.jpg");
    platform::PixmapRef second = platform::LoadPixmap(graphics + "intro2.jpg");
    ASSERT_TRUE(first && second);
    // At the centre the zoom moves nothing: half of each picture.
    int cx = first->width / 2, cy = first->height / 2;
    Rgb a = At(first, cx, cy), b = At(second, cx, cy);
    EXPECT_TRUE(
        testsupport::PixelNear(frame, 400, 300, (a.r + b.r) / 2, (a.g + b.g) / 2, (a.b + b.b) / 2, 8));
}

class LoadingSceneTest : public EffectsSceneTest {
protected:
    void SetUpAsTheCoreWill() {
        TLoadingScreen& screen = *Game->LoadingScreen;
        screen.SpecialLoad("loadingscreen.jpg", "LoadingBar.png", "loading.png");
        screen.HeaderLoad("mainlogo", 400, 125, 1);
        screen.LoadingBar->Centre(ScreenHeight - 110);
        screen.LoadingBar->Mode = 1;
        screen.LoadingBar->DrawEmptyUnderFinal = 1;
        screen.LoadingY = ScreenHeight - 140;
        screen.SetSteps(92);
        screen.SetClickHereButton("clickhere", "clickhereMO", "buttonMO", "buttonClick", ScreenHeight - 93);
    }
};

TEST_F(LoadingSceneTest, HalfwayTheBarIsHalfFullUnderTheCaption) {
    SetUpAsTheCoreWill();
    TLoadingBar& bar = *Game->LoadingScreen->LoadingBar;
    ASSERT_EQ(std::make_tuple(bar.x, bar.y, bar.w), std::make_tuple(250, 490, 300));
    for (int step = 0; step < 46; ++step)
        Game->MoveBar();
    platform::PixmapRef frame = Grab();
    testsupport::SaveTestOutput(frame, "media-loading-halfway.png");
    ExpectPictureAt(frame, graphics + "LoadingBar.png", 250, 490, 0, 148);
    ExpectPictureAt(frame, graphics + "LoadingBarempty.png", 250, 490, 152, 299);
    EXPECT_FALSE(testsupport::PixelNear(frame, 400, 460, 0, 0, 0, 0) &&
                 testsupport::PixelNear(frame, 400, 455, 0, 0, 0, 0))
        << "the caption is drawn";
}

TEST_F(LoadingSceneTest, FinishedTheFinalBarAndTheButtonShowWithoutTheCaption) {
    SetUpAsTheCoreWill();
    for (int step = 0; step < 92; ++step)
        Game->MoveBar();
    ASSERT_EQ(Game->LoadingScreen->Finished, 1);
    platform::PixmapRef frame = Grab();
    testsupport::SaveTestOutput(frame, "media-loading-finished.png");
    ExpectPictureAt(frame, graphics + "LoadingBarfinal.png", 250, 490);
    TButton& button = *Game->LoadingScreen->ClickHereButton;
    EXPECT_EQ(std::make_tuple(button.x, button.y), std::make_tuple(300.0f, 507.0f));
    ExpectPictureAt(frame, graphics + "clickhere.png", 300, 507);
}

} // namespace
