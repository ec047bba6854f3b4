// The hint scroll on its own: its slides tick by tick, the ways to close it, U, what Hide gives
// back, the place of its text, the picture hint's thumbnail, and when "scroll" sounds.
#include "game_fixture.h"

#include "core/fonts.h"
#include "media/TMousePointer.h"
#include "platform/draw.h"
#include "platform/image.h"

namespace gametest {
namespace {

class HintScrollTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        EnterLevel(10); // no item hint from level 10 on
        RunIntro();
        audio->Clear();
    }
    void Open(int hint, int withSound) {
        HintScroll->LoadSpecial(hint);
        HintScroll->Show(withSound);
    }
    // One tick of the scroll alone, with the core's input of a tick.
    int ScrollTick() {
        platform::AdvanceClock(5);
        Delta = 1.0f;
        Game->Mouse->ClearMouseHit();
        Game->Mouse->Manage();
        Game->DoPeekEvent();
        return HintScroll->Logic();
    }
    void ScrollTicks(int n) {
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(ScrollTick(), 0) << "still open at tick " << i;
    }
    void DrawScroll() {
        recorder->calls.clear();
        HintScroll->Draw();
    }
    // Where the body was drawn; -1 when it was not.
    float BodyY() {
        DrawScroll();
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Image && call.image == HintScroll->Image) return call.y;
        return -1.0f;
    }
    bool Drawn(const platform::ImageRef& image) const {
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Image && call.image == image) return true;
        return false;
    }
    bool OKDrawn() {
        DrawScroll();
        TButtonRef ok = HintScroll->Menu->FindButton("OK");
        return Drawn(ok->image->image) || (ok->ImageMouseOver && Drawn(ok->ImageMouseOver->image));
    }
    TButtonRef OK() const { return HintScroll->Menu->FindButton("OK"); }
    // The texts drawn, in order, without their shadows.
    std::vector<platform::DrawCall> Lines() {
        DrawScroll();
        std::vector<platform::DrawCall> lines;
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Text && call.state.r == 255 && call.text != "Hint")
                lines.push_back(call);
        return lines;
    }
};

TEST_F(HintScrollTest, SlidesUpInFourHundredMillisecondsAndAClickAnywhereRollsItAway) {
    Game->Mouse->Off();
    Open(15, 1);
    EXPECT_EQ(CountCues("scroll"), 1) << "a hint during play sounds as it opens";
    EXPECT_FLOAT_EQ(BodyY(), 300.0f + 510.0f);
    EXPECT_EQ(Game->Mouse->Active, 1) << "the pointer shows while the scroll is open";
    EXPECT_FALSE(OKDrawn());

    ScrollTicks(39);
    ClickAt(100, 100);
    ScrollTicks(1);
    EXPECT_NEAR(BodyY(), 300.0f + 255.0f, 0.5f);
    EXPECT_EQ(HintScroll->Unroll->Reverse, 0) << "a click during the opening slide does nothing";
    EXPECT_EQ(CountCues("buttonclick"), 0);
    EXPECT_FALSE(OKDrawn());
    EXPECT_EQ(OK()->Active, 0);

    ScrollTicks(39);
    EXPECT_EQ(OK()->Active, 0) << "tick 79";
    ScrollTicks(1);
    EXPECT_EQ(OK()->Active, 1) << "open after 80 ticks";
    EXPECT_FLOAT_EQ(BodyY(), 300.0f);
    EXPECT_TRUE(OKDrawn());

    ClickAt(100, 100);
    ScrollTicks(1);
    EXPECT_EQ(CountCues("buttonclick"), 1) << "OK's click for a click anywhere";
    EXPECT_EQ(CountCues("scroll"), 2) << "and the sound of the roll-up";
    EXPECT_EQ(HintScroll->Unroll->Reverse, 1);
    EXPECT_FALSE(OKDrawn());
    // A timer counting up ends once it has passed its length: the 81st tick.
    ScrollTicks(80);
    EXPECT_EQ(HintScroll->Active, 1);
    // The last tick of the roll-up comes after a long wait: closing restarts the logic clock, so
    // the wait is not caught up.
    platform::AdvanceClock(1000);
    EXPECT_EQ(ScrollTick(), 1);
    EXPECT_EQ(HintScroll->Active, 0);
    EXPECT_FALSE(HintScroll->Image);
    EXPECT_FALSE(HintScroll->Menu);
    EXPECT_EQ(Game->Mouse->Active, 0) << "hidden again, as before";
    platform::AdvanceClock(5);
    Game->FixedRateLogic->Calc();
    EXPECT_NEAR(Game->FixedRateLogic->NumTicks, 1.0, 1e-6);
}

TEST_F(HintScrollTest, OKEnterAndAClickAnywhereEachRollItUpWithOneClick) {
    struct TCase {
        const char* name;
        std::function<void()> act;
    };
    const TCase cases[] = {
        {"click anywhere", [] { ClickAt(700, 40); }},
        {"right click anywhere",
         [] {
             Post(platform::EVENT_MOUSE_DOWN, 2, 700, 40);
             Post(platform::EVENT_MOUSE_UP, 2, 700, 40);
         }},
        {"OK", [this] { ClickAt(OK()->x + float(OK()->w / 2), OK()->y + float(OK()->h / 2)); }},
        {"Enter", [] { PressKey(vk::RETURN); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        Open(16, 1);
        ScrollTicks(80);
        audio->Clear();
        c.act();
        ScrollTicks(1);
        EXPECT_EQ(HintScroll->Unroll->Reverse, 1);
        EXPECT_EQ(CountCues("buttonclick"), 1);
        EXPECT_EQ(CountCues("scroll"), 1);
        ScrollTicks(80);
        EXPECT_EQ(ScrollTick(), 1);
    }
}

TEST_F(HintScrollTest, UReplaysTheOpeningSlideAndHidesOKMeanwhile) {
    Open(17, 1);
    ScrollTicks(80);
    ASSERT_EQ(OK()->Active, 1);
    PressKey(platform::vk::U);
    ScrollTicks(1);
    EXPECT_EQ(OK()->Active, 0);
    EXPECT_EQ(HintScroll->Unroll->Reverse, 0);
    EXPECT_GT(BodyY(), 800.0f);
    ScrollTicks(79);
    EXPECT_EQ(OK()->Active, 0);
    ScrollTicks(1);
    EXPECT_EQ(OK()->Active, 1);
    EXPECT_FLOAT_EQ(BodyY(), 300.0f);
}

TEST_F(HintScrollTest, AShortMessageStartsTwentyPixelsLowerAndEveryMessageEndsAboveOK) {
    // Hint 8 wraps into three lines, hint 9 into two; the others into four at their scale.
    for (int hint : {1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 17, 21}) {
        SCOPED_TRACE("hint " + std::to_string(hint));
        Open(hint, 0);
        ScrollTicks(80);
        std::vector<platform::DrawCall> lines = Lines();
        ASSERT_EQ(int(lines.size()), HintScroll->TotalLines);
        ASSERT_FALSE(lines.empty());
        const int first = HintScroll->TotalLines < 4 ? 260 : 240; // the body's top is at 70
        platform::SetImageFont(LevelEndFont);
        const float h = float(platform::TextHeight("Ag"));
        const float s = HintScroll->TextScale;
        EXPECT_NEAR(lines.front().y + (h * s - h) / 2.0f, float(first), 1.0f);
        for (size_t i = 0; i < lines.size(); ++i) {
            const float top = lines[i].y + (h * s - h) / 2.0f;
            EXPECT_NEAR(top, float(first + 30 * int(i)), 1.0f) << "line " << i;
            EXPECT_LE(lines[i].y + h * s, OK()->y - 4.0f) << "line " << i << " ends above OK";
            EXPECT_LE(float(platform::TextWidth(lines[i].text)) * s, 300.0f) << "line " << i;
        }
        EXPECT_GE(s, 0.75f);
        // The largest scale that fits: one step up would not.
        if (s < 1.0f) {
            const TStringArray wider = ccWordWrapArray({THintScroll::Message(hint)}, 300, nullptr, s + 0.05f);
            const float lastTop =
                float(THintScroll::FirstLineY(460, int(wider.size())) + 30 * (int(wider.size()) - 1));
            EXPECT_GT(lastTop + h * (1.0f + s + 0.05f) / 2.0f, OK()->y - 4.0f);
        }
        HintScroll->Kill();
    }
}

TEST_F(HintScrollTest, ThePictureHintShowsTheThumbnailOfThePictureJustUnlockedInItsFrame) {
    struct TCase {
        int levelAfterWin;
        const char* thumbnail;
    };
    for (TCase c : {TCase{6, "THUMB1"}, TCase{56, "THUMB11"}}) {
        GameScreen->Player.Level = c.levelAfterWin;
        Open(21, 1);
        ScrollTicks(80);
        ASSERT_TRUE(HintScroll->Icon && HintScroll->Frame);
        EXPECT_EQ(HintScroll->Icon->name, c.thumbnail);
        DrawScroll();
        bool framed = false;
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Image && call.image == HintScroll->Frame->image)
                framed = call.x == 396.0f && call.y == 190.0f + 4.0f;
        EXPECT_TRUE(framed) << c.thumbnail;
        HintScroll->Kill();
    }
}

} // namespace
} // namespace gametest
