// The game screen on the real GL side, kept for a person to look at: a full board in play with the
// largest six-digit score, ten minutes played, level 55, a half-full gauge, the "Double Bonus
// Power!" caption and the two buttons; and the in-game menu open over the dimmed board.
#include "GLScene.h"
#include "GLWindow.h"
#include "game_fixture.h"

#include "board/TPlayer.h"
#include "media/TImageBank.h"
#include "platform/TPixmap.h"
#include "platform/draw.h"
#include "platform/graphics.h"
#include "platform/image.h"

namespace gametest {
namespace {

using testsupport::Brightness;

class GameSceneTest : public testsupport::GLScene<GameTest> {
protected:
    // The screen's frame as the player sees it, without the pointer.
    static platform::PixmapRef Scene() {
        return testsupport::DrawScene([] { GameScreen->Draw(); });
    }
    // The brightest pixel of the area.
    static int Brightest(const platform::PixmapRef& frame, int x0, int y0, int x1, int y1) {
        int most = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                most = std::max(most, Brightness(platform::ReadPixel(frame, x, y)));
        return most;
    }
};

TEST_F(GameSceneTest, TheDisplayWithLongNumbersAHalfFullGaugeAndTheCaption) {
    EnterLevel(3);
    RunIntro();
    Ticks(400); // the sweep is over
    TPlayer& player = GameScreen->Player;
    player.Score = player.LevelStartScore + 999999;
    player.TimeTaken = 600000.0f / 5.0f; // 10: 00
    player.Level = 55;
    GameGrid->DiagonalGauge = 5;
    GameGrid->DiagonalTextCounter = 0.9f * float(GameGrid->DiagonalTextLength);
    const platform::PixmapRef frame = Scene();
    testsupport::SaveTestOutput(frame, "game-hud.png");

    // The wells of the score and the time end at x 108: the rim and the panel after it hold no
    // text. The well itself does.
    for (int top : {134, 307}) {
        EXPECT_GT(Brightest(frame, 20, top + 4, 100, top + 36), 600) << "text in the well at y " << top;
        EXPECT_LT(Brightest(frame, 109, top + 4, 116, top + 36), 600)
            << "nothing bright past x 108 at y " << top;
    }
    // Rows 46-91 of the gauge come from "gaugefull" and rows 0-45 from "gaugeempty": the gauge
    // looks the same below row 46 as with nine steps (filled from row 22) and above it as when
    // empty, and differs below it from the empty gauge.
    GameGrid->DiagonalGauge = 9;
    const platform::PixmapRef nine = Scene();
    GameGrid->DiagonalGauge = 0;
    const platform::PixmapRef none = Scene();
    int differFromEmpty = 0;
    for (int row = 0; row < 92; ++row)
        for (int x = 36; x < 82; ++x) {
            const uint32_t shown = platform::ReadPixel(frame, x, 376 + row);
            if (row >= 46) {
                EXPECT_EQ(shown, platform::ReadPixel(nine, x, 376 + row)) << x << ", row " << row;
                differFromEmpty += shown != platform::ReadPixel(none, x, 376 + row);
            } else {
                EXPECT_EQ(shown, platform::ReadPixel(none, x, 376 + row)) << x << ", row " << row;
            }
        }
    EXPECT_GT(differFromEmpty, 200);
}

// Mean brightness of an area.
double Mean(const platform::PixmapRef& frame, int x0, int y0, int x1, int y1) {
    double sum = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            sum += Brightness(platform::ReadPixel(frame, x, y));
    return sum / double((x1 - x0) * (y1 - y0));
}

TEST_F(GameSceneTest, TheInGameMenuOpenOverTheDimmedBoard) {
    EnterLevel(3);
    RunIntro();
    Ticks(400); // the sweep is over
    const platform::PixmapRef before = Scene();
    PressKey(vk::ESCAPE);
    Ticks(81);
    ASSERT_EQ(GameMenu->Active, 1);
    const platform::PixmapRef frame = Scene();
    testsupport::SaveTestOutput(frame, "game-menu.png");
    // The board's corner beside the scroll is dimmed to half its brightness.
    const double ratio = Mean(frame, 620, 20, 680, 80) / Mean(before, 620, 20, 680, 80);
    EXPECT_GT(ratio, 0.4);
    EXPECT_LT(ratio, 0.6);
    // Below the buttons the scroll shows its picture's own pixels: it is drawn over the dimming.
    const platform::ImageRef body = platform::LoadImage(Game->ImagePath + "scrollbody.png", 0);
    ASSERT_TRUE(body);
    const platform::PixmapRef sheet = platform::FramePixmap(body);
    double sheetSum = 0;
    for (int y = 280; y < 320; ++y)
        for (int x = 50; x < 110; ++x)
            sheetSum += Brightness(platform::ReadPixel(sheet, x, y));
    EXPECT_NEAR(Mean(frame, 240, 400, 300, 440), sheetSum / (60 * 40), 8.0)
        << "the scroll's sheet, undimmed, below the buttons";
}

} // namespace
} // namespace gametest
