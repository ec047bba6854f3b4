// The screens that end a run on the real GL side, kept for a person to look at: the game-finished
// screen with the picture fully faded in, and the game-over screen with and without a name entry.
#include "Contrast.h"
#include "GLScene.h"
#include "GLWindow.h"
#include "InkBox.h"
#include "panels_fixture.h"

#include "board/TPlayer.h"
#include "platform/graphics.h"

namespace gametest {
namespace {

int Brightness(const platform::PixmapRef& frame, int x, int y) {
    return testsupport::Brightness(platform::ReadPixel(frame, x, y));
}

class PanelsSceneTest : public testsupport::GLScene<PanelsTest> {
protected:
    void SetUp() override {
        GLScene::SetUp();
        GameOverScreen->Player = &player;
        player.Score = 48250;
        player.Level = 23;
        player.TotalKills = 1204;
        player.TotalTimeTaken = 200.0 * 1234.0;
    }
    // The current screen's frame as the player sees it, without the pointer.
    static platform::PixmapRef Scene() {
        return testsupport::DrawScene([] { Game->CurrentTScreen->Draw(); });
    }
    void Table(int lowest) {
        THighScoreList& table = *Game->HighScores;
        table.Clear();
        for (int i = 0; i < 10; ++i)
            table.Add("row", lowest + 1000 * (9 - i), 1);
        table.Save();
    }
    void EnterGameOver() {
        Game->GameFade->Init(float(3 * FADE_SPEED), 1, Game->MusicChannel, 1, 0, nullptr);
        Game->DestinationTScreen = GameOverScreen;
        ASSERT_TRUE(TicksUntil(GameOverScreen));
        TicksUntilFaded();
    }

    TPlayer player;
};

TEST_F(PanelsSceneTest, TheGameFinishedScreenWithThePictureFullyFadedIn) {
    Game->GameFade->Init(float(FADE_SPEED), 1, Game->MusicChannel, 1, 0, nullptr);
    Game->DestinationTScreen = GameFinishedScreen;
    ASSERT_TRUE(TicksUntil(GameFinishedScreen));
    TicksUntilFaded();
    Ticks(300);
    platform::PixmapRef frame = Scene();
    testsupport::SaveTestOutput(frame, "game-finished.png");
    TButtonRef ok = GameFinishedScreen->Menu->FindButton("OK");
    ASSERT_TRUE(ok);
    EXPECT_EQ(int(ok->y), 555);
    // The picture covers the title's village in the middle of the screen.
    EXPECT_GT(Brightness(frame, 395, 375), 0);
    // The thanks end 8 px before the window frame of the room behind (its left edge at x 616).
    const auto calls = testsupport::RecordScene(recorder, [] { GameFinishedScreen->Draw(); });
    testsupport::TInkBox thanks;
    for (const platform::DrawCall& c : testsupport::CallsOfText(calls, "Thank you for playing!"))
        thanks = testsupport::Union(thanks, testsupport::InkOfDraw(c));
    ASSERT_FALSE(thanks.Empty());
    EXPECT_LE(thanks.right, 616 - 8);
    EXPECT_GE(thanks.left, 800 - 616 + 8);
}

TEST_F(PanelsSceneTest, TheGameOverScreenWithANameBeingTyped) {
    Table(1000);
    ASSERT_NO_FATAL_FAILURE(EnterGameOver());
    Type("Anna");
    Ticks(400);
    platform::PixmapRef frame = Scene();
    testsupport::SaveTestOutput(frame, "game-over-entry.png");
    // Prompts in their green, the first total at y 150.
    EXPECT_EQ(GameOverScreen->GameTotals->StartY, 150);
    EXPECT_EQ(GameOverScreen->High->InputName.Text, "Anna");
}

TEST_F(PanelsSceneTest, TheGameOverScreenWithoutAnEntryHasItsTotalsCentred) {
    Table(60000);
    ASSERT_NO_FATAL_FAILURE(EnterGameOver());
    Ticks(400);
    platform::PixmapRef frame = Scene();
    testsupport::SaveTestOutput(frame, "game-over-totals.png");
    EXPECT_EQ(GameOverScreen->GameTotals->StartY, 240);
}

} // namespace
} // namespace gametest
