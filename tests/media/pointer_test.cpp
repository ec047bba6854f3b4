// The mouse pointer: hits read once, switching off, the trail, what is drawn in which order, and
// the position taken from the system cursor.
#include "media_fixture.h"
#include "trail_fixture.h"

#include "media/TMousePointer.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/testing.h"

using namespace mediatest;

namespace {

class PointerTest : public MediaTest {
protected:
    void SetUp() override {
        MediaTest::SetUp();
        images = std::make_shared<TImageBank>();
        images->Insert("SNOWFLAKE", TGameImage::CreateFromImage(platform::CreateImage(8, 8), "SNOWFLAKE", 1));
        mouse = Game->Mouse;
        mouse->Image = platform::CreateImage(24, 24);
        mouse->CalcSize();
        mouse->Image2 = platform::CreateImage(50, 50, 7);
        mouse->Image2Frame = 3;
        mouse->x = 200;
        mouse->y = 150;
    }
    void TearDown() override {
        platform::SetFakeDesktop(0, 0);
        MediaTest::TearDown();
    }
    TMousePointerRef mouse;
};

TEST_F(PointerTest, AHitIsTakenByItsFirstReaderOnly) {
    mouse->b1 = 1;
    mouse->h1 = 1;
    mouse->CalcButtonTotals();
    EXPECT_EQ(mouse->GetMb(), 1);
    EXPECT_EQ(mouse->GetMh(0), 1);
    EXPECT_EQ(mouse->GetMh(1), 1);
    EXPECT_EQ(mouse->GetMh(1), 0);
    EXPECT_EQ(mouse->GetMb(), 1);
    mouse->ClearButtons();
    EXPECT_EQ(mouse->GetMb(), 0);
}

TEST_F(PointerTest, ManageRunsTheParticleFunctionThenTheTrail) {
    std::vector<std::string> log;
    TParticleRef old = FixtureSparkleMake(100.0f, 100.0f, images->Find("snowflake"));
    old->UserMove = [&log](TParticle&) {
        log.push_back("trail");
        return 0;
    };
    mouse->ParticleFunc = [&log] {
        log.push_back("function");
        return FixtureSparkleTrail();
    };
    EXPECT_EQ(mouse->Manage(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"function", "trail"}));
    EXPECT_EQ(mouse->ParticleList->Count(), 2); // the first sparkle comes on the first tick
    for (int i = 0; i < 15; ++i)
        mouse->Manage();
    EXPECT_EQ(mouse->ParticleList->Count(), 3);
}

TEST_F(PointerTest, SwitchedOffItEmptiesItsTrailAndDrawsNothing) {
    FixtureSparkleMake(100.0f, 100.0f, images->Find("snowflake"));
    int made = 0;
    mouse->ParticleFunc = [&made] { return ++made; };
    mouse->Off();
    EXPECT_TRUE(mouse->ParticleList->IsEmpty());
    EXPECT_EQ(mouse->Manage(), 0);
    EXPECT_EQ(made, 0);
    mouse->Draw();
    EXPECT_TRUE(recorder->calls.empty());
    mouse->On();
    EXPECT_EQ(mouse->Manage(), 1);
}

TEST_F(PointerTest, DrawsTrailSecondImageWithShadowPointerThenUserDraw) {
    FixtureSparkleMake(100.0f, 100.0f, images->Find("snowflake"));
    mouse->Image2Shadow = TShadow::Create(4.0f, 5.0f, 0.3f);
    mouse->Image2Scale = 0.5f;
    mouse->Image2xoff = 20;
    mouse->Image2yoff = 10;
    mouse->Rotation = 15;
    mouse->UserDraw = [](int x, int y) {
        platform::DrawRect(float(x), float(y), 2.0f, 2.0f);
        return 0;
    };
    mouse->Draw();
    const auto& calls = recorder->calls;
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].image, images->Find("snowflake")->image);
    EXPECT_EQ(calls[0].state.blend, platform::BLEND_LIGHT);
    // The shadow of the second image: black, its alpha, its offset, scaled and turned.
    EXPECT_EQ(calls[1].image, mouse->Image2);
    EXPECT_EQ(std::make_tuple(calls[1].x, calls[1].y, calls[1].state.r, calls[1].frame),
              std::make_tuple(224.0f, 165.0f, 0, 3));
    EXPECT_FLOAT_EQ(calls[1].state.alpha, 0.3f);
    EXPECT_EQ(calls[1].state.scaleX, 0.5f);
    EXPECT_EQ(calls[1].state.rotation, 15.0f);
    EXPECT_EQ(std::make_tuple(calls[2].x, calls[2].y, calls[2].state.r, calls[2].state.alpha),
              std::make_tuple(220.0f, 160.0f, 255, 1.0f));
    EXPECT_EQ(calls[3].image, mouse->Image);
    EXPECT_EQ(std::make_tuple(calls[3].x, calls[3].y, calls[3].state.scaleX, calls[3].state.rotation),
              std::make_tuple(200.0f, 150.0f, 1.0f, 15.0f));
    EXPECT_EQ(calls[4].kind, platform::DrawKind::Rect);
    EXPECT_EQ(calls[4].state.rotation, 0.0f);
}

TEST_F(PointerTest, WithoutTheCustomPointerOnlyItsCompanionsAreDrawn) {
    FixtureSparkleMake(100.0f, 100.0f, images->Find("snowflake"));
    int userDraws = 0;
    mouse->UserDraw = [&userDraws](int, int) { return ++userDraws; };
    Game->CustomMousePointer = 0;
    mouse->Draw();
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].image, images->Find("snowflake")->image);
    EXPECT_EQ(draws[1].image, mouse->Image2);
    EXPECT_EQ(userDraws, 1);
}

TEST_F(PointerTest, WithoutAnImageOnePixelIsPlotted) {
    mouse->Image = nullptr;
    mouse->Image2 = nullptr;
    mouse->Draw();
    ASSERT_EQ(recorder->calls.size(), 1u);
    EXPECT_EQ(recorder->calls[0].kind, platform::DrawKind::Plot);
    EXPECT_EQ(std::make_tuple(recorder->calls[0].x, recorder->calls[0].y), std::make_tuple(200.0f, 150.0f));
}

TEST_F(PointerTest, LoadPlacesTheHandleAtTheGivenOffset) {
    WritePicture(dir, "pointer.png", 24, 32);
    Game->ImagePath = dir.Path();
    mouse->offsetx = 4;
    mouse->Load("pointer");
    EXPECT_EQ(std::make_tuple(mouse->w, mouse->h), std::make_tuple(24, 32));
    EXPECT_EQ(std::make_tuple(mouse->Image->handleX, mouse->Image->handleY), std::make_tuple(4.0f, 0.0f));
    EXPECT_THROW(mouse->Load("nosuch"), TReportedError);
    EXPECT_EQ(errors.back(), "Error loading bitmap " + dir.Path() + "nosuch.png");
}

TEST_F(PointerTest, TheSystemPositionIsScaledByTheVirtualRatioAndRounded) {
    platform::SetFakeDesktop(1024, 768);
    platform::MoveMouse(301, 199);
    Game->DesktopHeight = 768;
    Game->UsingVirtualResolution = 1;
    Game->VirtualRatioX = Game->VirtualRatioY = 0.5f;
    mouse->UpdateCoords();
    EXPECT_EQ(std::make_tuple(mouse->x, mouse->y), std::make_tuple(151, 100));

    // Windowed, the drawn pointer follows the cursor at every Draw.
    Game->FullScreen = 0;
    Game->WindowHeight = 768; // a window filling the desktop, its drawing area at the top
    Game->UsingVirtualResolution = 0;
    platform::MoveMouse(40, 60);
    mouse->Draw();
    EXPECT_EQ(std::make_tuple(mouse->x, mouse->y), std::make_tuple(40, 60));
}

} // namespace
