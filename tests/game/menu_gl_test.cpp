// The in-game menu on the real GL side, kept for a person to look at: the scroll with its four
// buttons in place over the dimmed board of a full level.
#include "GLWindow.h"
#include "game_fixture.h"

#include "platform/TPixmap.h"
#include "platform/draw.h"
#include "platform/graphics.h"

namespace gametest {
namespace {

int Brightness(uint32_t p) {
    return int((p >> 16) & 255) + int((p >> 8) & 255) + int(p & 255);
}

class GameMenuSceneTest : public GameTest {
protected:
    static void SetUpTestSuite() {
        if (!platform::CurrentGraphics() || platform::CurrentGraphics()->width != 800)
            platform::Graphics(800, 600, 0, 60);
    }
    void SetUp() override {
        ASSERT_TRUE(platform::CurrentGraphics()) << "no window: is a display (Xvfb) running?";
        GameTest::SetUp();
        platform::SetRenderer(nullptr);
        platform::ResetDrawState();
        platform::ResetViewport();
    }
    static platform::PixmapRef Scene() {
        platform::ResetDrawState();
        GameScreen->Draw();
        if (platform::CurrentRenderer()) platform::CurrentRenderer()->Flush();
        return platform::GrabPixmap(0, 0, 800, 600);
    }
    // Mean brightness of an area.
    static double Mean(const platform::PixmapRef& frame, int x0, int y0, int x1, int y1) {
        double sum = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                sum += Brightness(platform::ReadPixel(frame, x, y));
        return sum / double((x1 - x0) * (y1 - y0));
    }
};

TEST_F(GameMenuSceneTest, TheOpenMenuOverTheDimmedBoard) {
    EnterLevel(3);
    RunIntro();
    Ticks(400); // the sweep is over
    const platform::PixmapRef before = Scene();
    PressKey(VK_ESCAPE);
    Ticks(81);
    ASSERT_EQ(GameMenu->Active, 1);
    const platform::PixmapRef frame = Scene();
    testsupport::SaveTestOutput(frame, "game-menu.png");
    // The board's corner beside the scroll is dimmed to half its brightness.
    const double ratio = Mean(frame, 620, 20, 680, 80) / Mean(before, 620, 20, 680, 80);
    EXPECT_GT(ratio, 0.4);
    EXPECT_LT(ratio, 0.6);
    // The scroll, 420 x 360, stands centred on the screen over the board, undimmed and bright.
    EXPECT_GT(Mean(frame, 240, 400, 300, 440), 550.0) << "the parchment below the buttons";
}

} // namespace
} // namespace gametest
