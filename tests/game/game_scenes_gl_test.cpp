// The hint scroll and the level-complete panel on the real GL side, kept for a person to look at:
// the first level's hint, the panel at rest after the last level with a six-digit score and snow,
// the picture hint that follows it, and "Click Anywhere" over the fallen board. The hint scenes
// check that no text pixel lies inside the OK button.
#include "Contrast.h"
#include "GLScene.h"
#include "GLWindow.h"
#include "game_fixture.h"

#include "platform/draw.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "profiles/TProfile.h"

namespace gametest {
namespace {

class GameScenesTest : public testsupport::GLScene<GameTest> {
protected:
    static platform::PixmapRef Scene() {
        return testsupport::DrawScene([] { GameScreen->Draw(); });
    }
    // The scene again with the hint's text left out: the OK button's rectangle must not change.
    void ExpectNoTextOverOK(const platform::PixmapRef& scene) {
        TButtonRef ok = HintScroll->Menu->FindButton("OK");
        ASSERT_TRUE(ok);
        const TStringArray text = HintScroll->Text;
        HintScroll->Text.clear();
        platform::PixmapRef bare = Scene();
        HintScroll->Text = text;
        int differing = 0;
        for (int y = int(ok->y); y < int(ok->y) + ok->h; ++y)
            for (int x = int(ok->x); x < int(ok->x) + ok->w; ++x)
                differing += platform::ReadPixel(scene, x, y) != platform::ReadPixel(bare, x, y) ? 1 : 0;
        EXPECT_EQ(differing, 0) << "text pixels inside the OK button";
    }
    void CtrlJ() {
        Post(platform::EVENT_KEY_DOWN, vk::LCONTROL);
        Post(platform::EVENT_KEY_DOWN, vk::J);
        Tick();
        Post(platform::EVENT_KEY_UP, vk::J);
        Post(platform::EVENT_KEY_UP, vk::LCONTROL);
    }
};

TEST_F(GameScenesTest, TheFirstLevelsHintStandsOpenWithItsTextAboveOK) {
    Game->CurrentProfile->ClearHints();
    EnterLevel(1);
    RunFadeIn();
    Ticks(100);
    ASSERT_EQ(HintScroll->Active, 1);
    EXPECT_FLOAT_EQ(HintScroll->TextScale, 0.85f);
    platform::PixmapRef frame = Scene();
    testsupport::SaveTestOutput(frame, "game-hint-1.png");
    ExpectNoTextOverOK(frame);
}

TEST_F(GameScenesTest, TheLastLevelsPanelThePictureHintAndClickAnywhere) {
    TProfile& profile = *Game->CurrentProfile;
    profile.LockedLevel = 56;
    profile.Save();
    EnterLevel(55);
    RunIntro();
    GameScreen->Player.Score = GameScreen->Player.LevelStartScore + 999999;
    CtrlJ();
    for (int i = 0; i < 3000 && LevelCompleteScreen->Active == 0; ++i)
        Tick();
    ASSERT_EQ(LevelCompleteScreen->Active, 1);
    Ticks(100);
    testsupport::SaveTestOutput(Scene(), "game-panel.png");

    PressKey(vk::ESCAPE);
    for (int i = 0; i < 200 && HintScroll->Active == 0; ++i)
        Tick();
    ASSERT_EQ(HintScroll->Active, 1);
    Ticks(100);
    platform::PixmapRef hint = Scene();
    testsupport::SaveTestOutput(hint, "game-hint-21.png");
    EXPECT_EQ(HintScroll->Icon->name, "THUMB11");
    ExpectNoTextOverOK(hint);

    PressKey(vk::RETURN);
    for (int i = 0; i < 200 && HintScroll->Active != 0; ++i)
        Tick();
    Ticks(60);
    EXPECT_EQ(LevelCompleteScreen->Active, 2);
    EXPECT_EQ(Game->GameFade->Active, 0) << "Click Anywhere waits for a click";
    const platform::PixmapRef prompt = Scene();
    testsupport::SaveTestOutput(prompt, "game-panel-click-anywhere.png");
    // The tan prompt keeps its colour and reads on the pale snow through its dark outline.
    const auto calls = testsupport::RecordScene(recorder, [] { GameScreen->Draw(); });
    const auto copies = testsupport::CallsOfText(calls, "Click Anywhere");
    ASSERT_FALSE(copies.empty());
    EXPECT_GE(testsupport::ReadingContrast(prompt, {copies.back()}), 4.5);
}

} // namespace
} // namespace gametest
