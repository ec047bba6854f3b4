// The graphics mode on a real window under a pretended desktop: the depth ladder, the fall-back
// to a window, the virtual resolution and its reset, the pointer's placing, the switches, and an
// image that survives a switch.
#include "GLWindow.h"
#include "core_fixture.h"

#include "framework/cc_draw.h"
#include "media/TMousePointer.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/testing.h"

namespace coretest {
namespace {

using namespace platform;

class GraphicsModeGL : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        SetRenderer(nullptr); // the real GL renderer of the mode
        InitGame();
    }
    void TearDown() override {
        SetFakeMissingDepth(0);
        SetFakeDesktop(0, 0);
        CoreTest::TearDown();
    }
    // Where the system pointer stands, in pixels of the open mode.
    static void PointerInMode(int& x, int& y) {
        int dw, dh, ox, oy, cx, cy;
        DesktopSize(dw, dh);
        WindowOrigin(ActiveWindow(), ox, oy);
        CursorPos(cx, cy);
        int height = CurrentGraphics()->height;
        x = cx - ox;
        y = (dh - cy) - (ActiveWindow() ? dh - oy - height : 0);
    }
};

TEST_F(GraphicsModeGL, AMissingDepthOpensTheNextOneDown) {
    SetFakeDesktop(1024, 768);
    SetFakeMissingDepth(32);
    Game->GraphicsCreate(0);
    EXPECT_EQ(Game->Depth, 24);
    EXPECT_EQ(Game->FullScreen, 1);
    EXPECT_EQ(Game->WindowWidth, 800);
    EXPECT_EQ(Game->Driver, 1);
    EXPECT_EQ(Game->UsingVirtualResolution, 0);
}

TEST_F(GraphicsModeGL, NoFullScreenDepthFallsBackToAWindowForGood) {
    SetFakeDesktop(1024, 768);
    for (int depth : {32, 24, 16})
        SetFakeMissingDepth(depth);
    Game->GraphicsCreate(0);
    EXPECT_EQ(Game->FullScreen, 0);
    EXPECT_EQ(Game->ForceWindowedMode, 1);
    EXPECT_EQ(Game->Depth, 0);
    ASSERT_TRUE(CurrentGraphics());
    EXPECT_EQ(CurrentGraphics()->depth, 0);
    EXPECT_EQ(Game->ToggleFullScreen(), 0);
    EXPECT_EQ(Game->FullScreen, 0);
}

TEST_F(GraphicsModeGL, ASmallDesktopScalesAWindowAndFullScreenResetsTheScaling) {
    SetFakeDesktop(1024, 600);
    Game->FullScreen = 0;
    Game->GraphicsCreate(0);
    EXPECT_EQ(Game->WindowWidth, 640);
    EXPECT_EQ(Game->WindowHeight, 480);
    EXPECT_EQ(Game->UsingVirtualResolution, 1);
    EXPECT_FLOAT_EQ(Game->VirtualRatioX, 1.25f);
    EXPECT_FLOAT_EQ(Game->VirtualRatioY, 1.25f);
    int x = 0, y = 0;
    Game->DoMoveMouse(799, 599);
    PointerInMode(x, y);
    EXPECT_EQ(x, 639);
    EXPECT_EQ(y, 479);

    Game->ToggleFullScreen();
    EXPECT_EQ(Game->FullScreen, 1);
    EXPECT_EQ(Game->WindowHeight, 600);
    EXPECT_EQ(Game->UsingVirtualResolution, 0);
    EXPECT_FLOAT_EQ(Game->VirtualRatioX, 1.0f);
    IgnoreOsInput(true); // the desktop's own pointer moves stay out
    Post(EVENT_MOUSE_MOVE, 0, 2, 2);
    Game->DoPeekEvent();
    IgnoreOsInput(false);
    EXPECT_EQ(Game->Mouse->x, 2);
    EXPECT_NE(dir.Read("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini").find("FULL SCREEN=1\r\n"),
              std::string::npos);
}

TEST_F(GraphicsModeGL, ThePointerIsPutBackClampedOnlyInFullScreen) {
    SetFakeDesktop(1024, 768);
    Game->GraphicsCreate(0);
    Game->Mouse->x = -5;
    Game->Mouse->y = 650;
    Game->RestoreMouseCoords();
    EXPECT_EQ(Game->Mouse->x, 0);
    EXPECT_EQ(Game->Mouse->y, 599);

    Game->FullScreen = 0;
    Game->GraphicsCreate(0);
    Game->Mouse->x = -5;
    Game->Mouse->y = 650;
    Game->RestoreMouseCoords();
    EXPECT_EQ(Game->Mouse->x, -5);
    EXPECT_EQ(Game->Mouse->y, 650);
}

TEST_F(GraphicsModeGL, VSyncAndDriverSwitches) {
    SetFakeDesktop(1024, 768);
    Game->GraphicsCreate(0);
    Game->ToggleVSync();
    EXPECT_EQ(Game->VSync, 0);
    EXPECT_EQ(ccFlipSync, 0);
    Game->ToggleVSync();
    EXPECT_EQ(Game->VSync, 1);
    EXPECT_EQ(ccFlipSync, 1);
    EXPECT_EQ(Game->SetDriver(1), 0);
    EXPECT_EQ(Game->SetDriver(0), 1); // the mode opens again, still with OpenGL
    EXPECT_EQ(Game->Driver, 1);
    EXPECT_TRUE(CurrentGraphics());
}

TEST_F(GraphicsModeGL, AnImageLoadedBeforeASwitchStillDrawsAfterIt) {
    SetFakeDesktop(1024, 768);
    Game->FullScreen = 0;
    Game->GraphicsCreate(0);
    ImageRef picture = LoadImage(Game->ImagePath + "bg1.jpg", IMAGE_DEFAULT);
    ASSERT_TRUE(picture);
    Cls();
    DrawImage(picture, 0, 0);
    Flip(0);
    Game->ToggleFullScreen();
    ASSERT_EQ(Game->FullScreen, 1);
    SetColor(255, 255, 255);
    Cls();
    DrawImage(picture, 0, 0);
    PixmapRef frame = GrabPixmap(0, 0, 800, 600);
    ASSERT_TRUE(frame);
    testsupport::SaveTestOutput(frame, "core_image_after_full_screen_switch.png");
    PixmapRef source = FramePixmap(picture);
    for (auto [x, y] : {std::pair{10, 10}, {400, 300}, {790, 590}})
        EXPECT_TRUE(testsupport::PixelNear(frame, x, y, int((ReadPixel(source, x, y) >> 16) & 255),
                                           int((ReadPixel(source, x, y) >> 8) & 255),
                                           int(ReadPixel(source, x, y) & 255), 8))
            << x << "," << y;
    Flip(0);
}

TEST_F(GraphicsModeGL, ADesktopTooLowForAWindowIsFatalWithItsSize) {
    SetFakeDesktop(640, 480);
    Game->FullScreen = 0;
    try {
        Game->GraphicsCreate(0);
        FAIL() << "no error";
    } catch (const TRuntimeError& e) {
        EXPECT_STREQ(e.what(), "Cannot find a suitable resolution. Desktop Resolution= 640x480");
    }
}

} // namespace
} // namespace coretest
