// The tool tip: the rest before it comes up, its fade in and out, where it stands beside the
// pointer, its sound, and its text drawn with the image font.
#include "WidgetHarness.h"

#include "platform/draw.h"
#include "platform/input.h"
#include "platform/system.h"

#include "audio_fixtures.h"

#include "framework/cc_draw.h"
#include "widgets/TToolTip.h"

namespace {

using widgettest::WidgetTest;

class ToolTipTest : public WidgetTest {
protected:
    TToolTip tip;

    void SetUp() override {
        WidgetTest::SetUp();
        tip.image = TGameImage::Create(WritePicture("tip.png", 200, 100, 0xFFFFFFFFu), -1, 0);
        const std::string wav = dir.Write("tip.wav", audiotest::Wav16(audiotest::Tone(80, 1, 8000), 1, 8000));
        tip.ToolTipSound = TGameSound::Create(wav, 0);
        tip.Font =
            TFont::Create(nullptr, TColor::Create(255, 255, 255, 1.0f), nullptr, 0, nullptr, nullptr, "");
        Game->Mouse->h = 32;
    }
    void Over(int ticks, int x = 100, int y = 100, int over = 1) {
        for (int i = 0; i < ticks; ++i) {
            Game->Mouse->x = x;
            Game->Mouse->y = y;
            Tick([&] { tip.Collide(over); });
            platform::AdvanceClock(20);
        }
    }
};

TEST_F(ToolTipTest, ComesUpAfterItsRestAndFadesOutOverTwentyFiveTicksAfterALeave) {
    Over(50);
    EXPECT_EQ(tip.Visible, 0) << "50 ticks of rest are not yet more than 50";
    Over(1);
    EXPECT_EQ(tip.Visible, 1);
    EXPECT_FLOAT_EQ(tip.FadeLevel, 0.02f);
    Over(60);
    EXPECT_FLOAT_EQ(tip.FadeLevel, 1.0f);
    Over(1, 100, 100, 0);
    EXPECT_EQ(tip.CollideCounter, 0.0f) << "the rest starts again";
    EXPECT_EQ(tip.Visible, 1);
    Over(20); // back over, but resting again: still fading out
    EXPECT_EQ(tip.Visible, 1);
    Over(4);
    EXPECT_EQ(tip.Visible, 0) << "gone after 25 ticks";
    EXPECT_EQ(tip.FadeLevel, 0.0f);
    EXPECT_EQ(Cues("tip.wav"), 1);
    Over(30);
    EXPECT_EQ(tip.Visible, 1) << "the rest of 50 ticks had passed again";
    EXPECT_EQ(Cues("tip.wav"), 2) << "one sound per appearance";
}

TEST_F(ToolTipTest, PlacedOnceItStaysWhereItCameUp) {
    Over(51, 100, 100);
    EXPECT_EQ(tip.x, 100.0f);
    EXPECT_EQ(tip.y, 100.0f + 32.0f + 5.0f);
    Over(10, 140, 120);
    EXPECT_EQ(tip.x, 100.0f);
    tip.SetCoordsOnceOnly = 0;
    Over(1, 140, 120);
    EXPECT_EQ(tip.x, 140.0f);
}

TEST_F(ToolTipTest, FlipsAboveNearTheBottomAndEndsAtTheRightEdge) {
    Over(51, 100, 470);
    EXPECT_EQ(tip.y, 470.0f - 5.0f - 100.0f) << "470 + 32 + 5 + 100 reaches 600";
    tip.Visible = 0;
    tip.FadeLevel = 0;
    tip.CollideCounter = 0;
    Over(51, 650, 100);
    EXPECT_EQ(tip.x, 600.0f);
    EXPECT_EQ(tip.y, 137.0f);
}

TEST_F(ToolTipTest, SetTextIsRefusedDuringAFade) {
    EXPECT_EQ(tip.SetText("one"), 1);
    Over(60);
    Over(1, 0, 0, 0);
    EXPECT_GT(tip.FadeLevel, 0.0f);
    EXPECT_EQ(tip.SetText("two"), 0);
    EXPECT_EQ(tip.Text, "one");
}

TEST_F(ToolTipTest, DrawsWrappedTextWithTheImageFontCentredOnThePicture) {
    platform::SetImageFont(nullptr);
    const std::string text = "A tip long enough to wrap over two lines";
    ASSERT_GT(platform::TextWidth(text), 200);
    ASSERT_EQ(tip.SetText(text), 1);
    ASSERT_EQ(tip.TextWrapped.size(), 2u);
    EXPECT_EQ(tip.Draw(), 0) << "not visible yet";
    Over(60, 50, 50);
    recorder->calls.clear();
    EXPECT_EQ(tip.Draw(), 1);
    std::vector<platform::DrawCall> texts;
    for (const auto& call : recorder->calls)
        if (call.kind == platform::DrawKind::Text) texts.push_back(call);
    ASSERT_EQ(texts.size(), 2u);
    const float lineHeight = float(platform::TextHeight(""));
    const float top = tip.y + 50.0f - lineHeight;
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(texts[i].text, tip.TextWrapped[i]);
        EXPECT_FLOAT_EQ(texts[i].x, tip.x + 100.0f - float(platform::TextWidth(tip.TextWrapped[i])) / 2.0f);
        EXPECT_FLOAT_EQ(texts[i].y, top + lineHeight * float(i));
        EXPECT_NEAR(texts[i].state.alpha, tip.FadeLevel, 1e-4);
    }
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
    EXPECT_FLOAT_EQ(tip.Font->Color->Alpha, 1.0f) << "the font's colour keeps its own alpha";

    tip.Font->Shadow = TShadow::Create(1, 1, 0.5f);
    recorder->calls.clear();
    tip.Draw();
    int shadowed = 0;
    for (const auto& call : recorder->calls)
        shadowed += call.kind == platform::DrawKind::Text;
    EXPECT_EQ(shadowed, 4) << "a shadow pass and the text for each line";
}

} // namespace
