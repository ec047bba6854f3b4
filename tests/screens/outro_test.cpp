// The outro: its loading frame, the prompt and its pulsing light pass, and the ways out of the
// program with their sound and fade.
#include "gallery_fixture.h"

#include "screens/TOutroScreen.h"

#include <cmath>

namespace screentest {
namespace {

class OutroTest : public FrontEndTest {
protected:
    void EnterOutro() {
        outro->PreStart();
        audio->Clear();
        recorder->calls.clear();
    }
    TOutroScreenRef outro = std::make_shared<TOutroScreen>();
};

TEST_F(OutroTest, LoadingShowsOneLoadingFrameAndTakesThePromptFromTheBank) {
    outro->Load();
    int clears = 0, captions = 0;
    for (const platform::DrawCall& call : recorder->calls) {
        clears += call.kind == platform::DrawKind::Clear;
        captions +=
            call.kind == platform::DrawKind::Image && call.image == Game->LoadingScreen->LoadingTextImage;
    }
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(captions, 1);
    EXPECT_EQ(outro->name, "outro");
    EXPECT_TRUE(outro->Image);
    ASSERT_TRUE(outro->ClickImage);
    EXPECT_EQ(outro->ClickImage, images->Find("click"));
    EXPECT_FLOAT_EQ(outro->glow->Speed, 1.5f);
}

TEST_F(OutroTest, ThePromptSitsAtTheBottomWithALightPassThatPulses) {
    EnterOutro();
    EXPECT_EQ(Game->Fading(), 0) << "no fade-in";
    for (int ticks : {0, 40, 60}) {
        Tick(ticks);
        recorder->calls.clear();
        outro->Draw();
        auto draws = DrawsOf(outro->ClickImage->image);
        ASSERT_EQ(draws.size(), 2u);
        for (const platform::DrawCall& draw : draws) {
            EXPECT_FLOAT_EQ(draw.x, 400.0f);
            EXPECT_FLOAT_EQ(draw.y, 570.0f);
        }
        EXPECT_EQ(draws[0].state.blend, platform::BLEND_ALPHA);
        EXPECT_EQ(draws[1].state.blend, platform::BLEND_LIGHT);
        const float intensity = (1.0f - outro->glow->ratio) * 0.25f;
        EXPECT_EQ(draws[1].state.r, int(intensity * 255.0f)) << ticks;
    }
    EXPECT_NEAR(outro->glow->Counter, 150.0f, 0.01f) << "1.5 degrees a tick";
}

TEST_F(OutroTest, AClickEnterOrSpaceLeavesTheProgramWithOneClickAndTheMusicFading) {
    struct TRow {
        const char* way;
        int key; // 0: a click of the right button
    };
    for (TRow row :
         {TRow{"click", 0}, TRow{"Enter", platform::vk::RETURN}, TRow{"Space", platform::vk::SPACE}}) {
        Game->GameFade->Finish();
        Game->GameFade->GetDone();
        Game->DestinationTScreen = nullptr;
        EnterOutro();
        if (row.key == 0) {
            Click(2);
        } else {
            Press(row.key);
        }
        EXPECT_EQ(CountCues("buttonclick"), 1) << row.way;
        EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen) << row.way;
        EXPECT_EQ(Game->GameFade->Out, 1) << row.way;
        EXPECT_EQ(Game->GameFade->Channel, Game->MusicChannel) << row.way;
        EXPECT_FLOAT_EQ(float(Game->GameFade->Length), 100.0f) << row.way << ": 500 ms";
    }
}

TEST_F(OutroTest, EscapeLeavesThroughTheCoreForTheExitScreen) {
    EnterOutro();
    Press(platform::vk::ESCAPE);
    EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen);
    EXPECT_EQ(Game->GameFade->Out, 1);
    Tick(110);
    EXPECT_EQ(Game->InstantExit, 1);
}

} // namespace
} // namespace screentest
