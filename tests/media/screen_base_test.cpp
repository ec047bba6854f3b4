// The screen base that the loading screen stands on: loading its pictures, entering, drawing.
#include "effects_fixture.h"

#include "core/TScreen.h"

namespace {

using mediatest::EffectsTest;
using mediatest::WritePicture;

struct CountingScreen : TScreen {
    int loads = 0, starts = 0;
    int Load() override { return ++loads; }
    int Start() override {
        ++starts;
        return TScreen::Start();
    }
};

class ScreenBaseTest : public EffectsTest {
protected:
    std::shared_ptr<CountingScreen> screen = std::make_shared<CountingScreen>();

    void SetUp() override {
        EffectsTest::SetUp();
        Game->ImagePath = dir.Path();
        WritePicture(dir, "back.png", 800, 600);
        WritePicture(dir, "title.png", 200, 80);
    }
};

TEST_F(ScreenBaseTest, PicturesLoadFromTheImageFolder) {
    screen->ImageLoad("back.png", 0, 1);
    EXPECT_EQ(std::make_tuple(screen->Image->handleX, screen->Image->handleY), std::make_tuple(0.0f, 0.0f));
    EXPECT_EQ(screen->Image->flags, 0);
    Game->UsingVirtualResolution = 1;
    screen->ImageLoad("back.png", 0, 0);
    EXPECT_NE(screen->Image->flags, 0) << "the default flags under a virtual resolution";

    screen->HeaderLoad("title", 400, 80, 1);
    ASSERT_NE(screen->Header, nullptr);
    EXPECT_EQ(std::make_tuple(screen->Header->x, screen->Header->y), std::make_tuple(400.0f, 80.0f));
    EXPECT_EQ(screen->Header->image->midhandled, 1) << "centred on its point";
    EXPECT_THROW(screen->HeaderLoad("missing", 0, 0, 0), mediatest::TReportedError);
    EXPECT_EQ(errors.back(), "Error loading bitmap " + dir.Path() + "missing.png");
}

TEST_F(ScreenBaseTest, EnteringMakesTheScreenCurrentAndDropsPendingInput) {
    Game->IgnoreEscapeKey = 1;
    Game->Mouse->Active = 0;
    keys[65] = 1;
    Click();
    screen->PreStart();
    EXPECT_EQ(std::make_tuple(screen->loads, screen->starts), std::make_tuple(1, 1));
    EXPECT_EQ(Game->CurrentTScreen, screen);
    EXPECT_EQ(Game->IgnoreEscapeKey, 0);
    EXPECT_EQ(Game->Mouse->Active, 1);
    EXPECT_EQ(keys[65], 0);
    EXPECT_EQ(Game->Mouse->mh, 0);

    // Coming back to a screen kept as it was: only made current again.
    Game->CurrentTScreen = nullptr;
    Game->IgnoreEscapeKey = 1;
    screen->StopInit = screen->StopKill = 1;
    screen->PreStart();
    EXPECT_EQ(std::make_tuple(screen->loads, screen->starts), std::make_tuple(1, 1));
    EXPECT_EQ(Game->CurrentTScreen, screen);
    EXPECT_EQ(Game->IgnoreEscapeKey, 1);
    screen->ResetStops();
    EXPECT_EQ(screen->StopInit + screen->StopKill, 0);
}

TEST_F(ScreenBaseTest, DrawShowsTheBackgroundSolidOrAClearedFrameThenTheHeader) {
    screen->HeaderLoad("title", 400, 80, 0);
    screen->Draw();
    ASSERT_EQ(recorder->calls.size(), 2u);
    EXPECT_EQ(recorder->calls[0].kind, platform::DrawKind::Clear);
    EXPECT_EQ(recorder->calls[1].state.blend, platform::BLEND_ALPHA);

    recorder->calls.clear();
    screen->ImageLoad("back.png", 0, 0);
    screen->Draw();
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].image, screen->Image);
    EXPECT_EQ(draws[0].state.blend, platform::BLEND_SOLID);
    EXPECT_EQ(draws[1].image, screen->Header->image->image);

    screen->Kill();
    screen->Kill();
    EXPECT_EQ(screen->Image, nullptr);
    EXPECT_EQ(screen->Header, nullptr);
}

} // namespace
