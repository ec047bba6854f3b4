// The screen base: entering with and without its own start, killing, drawing without a
// background, loading under a virtual resolution, and the Escape destination.
#include "loop_fixture.h"

#include "media/TMousePointer.h"
#include "platform/image.h"

namespace coretest {
namespace {

using ScreenTest = LoopTest;

TEST_F(ScreenTest, AnEntryMarkedStopInitOnlyMakesTheScreenCurrentFlushesAndRestartsTheClock) {
    next->StopInit = 1;
    Game->Mouse->Active = 0;
    Game->IgnoreEscapeKey = 1;
    Keys[65] = 1;
    platform::AdvanceClock(100);
    next->PreStart();
    EXPECT_EQ(next->calls, std::vector<std::string>{"CoreStart"});
    EXPECT_EQ(Game->CurrentTScreen, next);
    EXPECT_EQ(Game->Mouse->Active, 0);
    EXPECT_EQ(Game->IgnoreEscapeKey, 1);
    EXPECT_EQ(Keys[65], 0);
    EXPECT_EQ(Game->FixedRateLogic->LastTime, double(platform::MilliSecs()));
}

TEST_F(ScreenTest, KillTwiceIsHarmlessAndDrawWithoutABackgroundClears) {
    screen->Kill();
    screen->Kill();
    EXPECT_FALSE(screen->Image);
    screen->Draw();
    ASSERT_EQ(recorder->calls.size(), 1u);
    EXPECT_EQ(recorder->calls[0].kind, platform::DrawKind::Clear);
}

TEST_F(ScreenTest, TheBaseEscapeDestinationIsTheExitScreen) {
    EXPECT_EQ(screen->SetEscDestination(), 0); // 0: the standard fade length
    EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen);
}

TEST_F(ScreenTest, UnderAVirtualResolutionImageLoadUsesTheDefaultFlags) {
    SetPaths();
    Game->UsingVirtualResolution = 1;
    screen->ImageLoad("bg1.jpg", platform::IMAGE_MIPMAPPED, 0);
    ASSERT_TRUE(screen->Image);
    platform::ImageRef byDefault = platform::LoadImage(Game->ImagePath + "bg1.jpg", platform::IMAGE_DEFAULT);
    EXPECT_EQ(screen->Image->flags, byDefault->flags);
    EXPECT_EQ(screen->Image->flags & platform::IMAGE_MIPMAPPED, 0);
}

} // namespace
} // namespace coretest
