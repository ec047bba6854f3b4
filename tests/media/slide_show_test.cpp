// The slide show's effects and timing, its letterbox, and the lines of text that slide between
// points.
#include "effects_fixture.h"

#include "media/TSlideLine.h"
#include "media/TSlideShow.h"

namespace {

using mediatest::EffectsTest;
using mediatest::WritePicture;
using Effect = TTransitionEffect;

class SlideShowTest : public EffectsTest {
protected:
    std::string first, second;
    TSlideShowRef show = TSlideShow::Create();

    void SetUp() override {
        EffectsTest::SetUp();
        first = WritePicture(dir, "first.png", 40, 30);
        second = WritePicture(dir, "second.png", 50, 30);
    }

    static TTransitionEffectRef Make(int type, int ms, float scrollX = 0, float zoom = 0) {
        TTransitionEffectRef effect = Effect::Create(type, ms);
        effect->ScrollSpeedX = scrollX;
        effect->ZoomSpeed = zoom;
        return effect;
    }

    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            show->Manage();
    }
};

TEST_F(SlideShowTest, AHoldOf1000MsRuns200TicksThenTheNextSlideTakesOver) {
    auto a = show->AddSlide(first, 0, 1, nullptr, Make(Effect::PLAIN, 1000), nullptr, "a");
    auto b = show->AddSlide(second, 0, 1, nullptr, Make(Effect::PLAIN, 1000), nullptr, "b");
    EXPECT_EQ(std::make_tuple(a->x, a->y), std::make_tuple(400.0f, 300.0f)) << "centred";
    for (int tick = 1; tick < 200; ++tick)
        ASSERT_EQ(show->Manage(), 0) << tick;
    EXPECT_EQ(show->Manage(), 2);
    EXPECT_EQ(show->GetCurrentSlide(), b);
    EXPECT_EQ(b->LastSlide, a);
    Ticks(199);
    EXPECT_EQ(show->Manage(), 1);
    EXPECT_EQ(show->Finished, 1);
    EXPECT_EQ(show->GetCurrentSlide(), b) << "the last slide stays current";
    EXPECT_EQ(show->Manage(), 0);
    recorder->calls.clear();
    EXPECT_EQ(show->Draw(), 0);
    EXPECT_TRUE(recorder->calls.empty()) << "a finished show draws nothing";
}

TEST_F(SlideShowTest, TheOvershootOfATickCountsInTheNextEffect) {
    auto hold = Make(Effect::PLAIN, 1000);
    auto slide = show->AddSlide(first, 0, 1, Make(Effect::IN_FROM_BLACK, 10), hold, nullptr, "");
    Delta = 1.5f;
    Ticks(2); // 3.0 ticks against a length of 2
    EXPECT_EQ(slide->CurrentEffect, hold);
    EXPECT_FLOAT_EQ(slide->Counter, 1.0f);
}

TEST_F(SlideShowTest, AUserHookReturning0FreezesMotionButNotTime) {
    auto slide = show->AddSlide(first, 0, 1, nullptr, Make(Effect::PLAIN, 1000, 2.0f, 0.01f), nullptr, "");
    slide->UserManage = [](TSlide&) { return 0; };
    Ticks(10);
    EXPECT_EQ(std::make_tuple(slide->x, slide->scale), std::make_tuple(400.0f, 1.0f));
    EXPECT_FLOAT_EQ(slide->Counter, 10);
    slide->UserManage = nullptr;
    Ticks(10);
    EXPECT_FLOAT_EQ(slide->x, 400 - 20);
    EXPECT_FLOAT_EQ(slide->scale, 1.1f);
}

TEST_F(SlideShowTest, ACrossFadeDrawsThePreviousSlideSolidAndItselfRisingBothMoving) {
    auto a = show->AddSlide(first, 0, 1, nullptr, Make(Effect::PLAIN, 100, 1.0f), nullptr, "a");
    auto b = show->AddSlide(second, 0, 1, Make(Effect::CROSS_FADE, 1000, 2.0f), nullptr, nullptr, "b");
    Ticks(20);
    ASSERT_EQ(show->GetCurrentSlide(), b);
    float aX = a->x;
    Ticks(50);
    EXPECT_FLOAT_EQ(a->x, aX - 50) << "the previous slide keeps moving";
    EXPECT_FLOAT_EQ(b->x, 400 - 100);
    show->Draw();
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].image, a->Image->image);
    EXPECT_EQ(draws[0].state.blend, platform::BLEND_SOLID);
    EXPECT_EQ(draws[1].image, b->Image->image);
    EXPECT_EQ(draws[1].state.blend, platform::BLEND_ALPHA);
    EXPECT_FLOAT_EQ(draws[1].state.alpha, 0.25f);
}

TEST_F(SlideShowTest, InFromBlackAndOutToBlackDimTheScreen) {
    struct Case {
        int type;
        float dim; // after a quarter of the effect
    } cases[] = {{Effect::IN_FROM_BLACK, 0.75f}, {Effect::OUT_TO_BLACK, 0.25f}, {Effect::PLAIN, -1}};
    for (const Case& c : cases) {
        show = TSlideShow::Create();
        show->AddSlide(first, 0, 1, Make(c.type, 1000), nullptr, nullptr, "");
        Ticks(50);
        recorder->calls.clear();
        show->Draw();
        auto rects = Calls(platform::DrawKind::Rect);
        if (c.dim < 0) {
            EXPECT_TRUE(rects.empty());
            continue;
        }
        ASSERT_EQ(rects.size(), 1u) << c.type;
        EXPECT_FLOAT_EQ(rects[0].state.alpha, c.dim) << c.type;
        EXPECT_EQ(rects[0].state.r, 0);
    }
}

TEST_F(SlideShowTest, ALetterboxFramesTheBandWithTwoBlackBars) {
    show->AddSlide(first, 0, 1, nullptr, Make(Effect::PLAIN, 1000), nullptr, "");
    for (int height : {400, 700, 600, 0}) {
        show->LetterBoxHeight = height;
        recorder->calls.clear();
        EXPECT_EQ(show->Draw(), 1);
        auto rects = Calls(platform::DrawKind::Rect);
        if (height != 400) {
            EXPECT_TRUE(rects.empty()) << height << ": no bar of no height";
            continue;
        }
        ASSERT_EQ(rects.size(), 2u);
        EXPECT_EQ(std::make_tuple(rects[0].x, rects[0].y, rects[0].w, rects[0].h),
                  std::make_tuple(0.0f, 0.0f, 800.0f, 100.0f));
        EXPECT_EQ(std::make_tuple(rects[1].x, rects[1].y, rects[1].w, rects[1].h),
                  std::make_tuple(0.0f, 500.0f, 800.0f, 100.0f));
        EXPECT_EQ(rects[0].state.r + rects[0].state.g + rects[0].state.b, 0);
        int r, g, b;
        platform::GetColor(r, g, b);
        EXPECT_EQ(r, 255);
    }
}

TEST_F(SlideShowTest, ACopyOfAnEffectDoesNotZoom) {
    auto effect = Make(Effect::OUT_TO_BLACK, 500, 3.0f, 0.5f);
    effect->ScrollSpeedY = 4;
    effect->MaskStartSize = 2;
    effect->MaskEndSize = 3;
    effect->MaskAndFade = 1;
    auto copy = effect->CreateCopy();
    EXPECT_EQ(std::make_tuple(copy->EffectType, copy->Length, copy->ScrollSpeedX, copy->ScrollSpeedY),
              std::make_tuple(Effect::OUT_TO_BLACK, 100, 3.0f, 4.0f));
    EXPECT_EQ(std::make_tuple(copy->MaskStartSize, copy->MaskEndSize), std::make_tuple(2.0f, 3.0f));
    EXPECT_EQ(copy->ZoomSpeed, 0.0f);
    EXPECT_EQ(copy->MaskAndFade, 0);
}

TEST_F(SlideShowTest, ShowsAndSlidesMissingPartsNeitherCrashNorHang) {
    // An empty show ends on its first tick.
    EXPECT_EQ(show->Manage(), 1);
    EXPECT_EQ(show->Finished, 1);
    EXPECT_EQ(show->Draw(), 0);

    // A slide without effects ends at once and draws nothing.
    auto bare = TSlide::Create(first, 0, 1, nullptr, nullptr, nullptr, "");
    EXPECT_EQ(bare->Manage(), 1);
    recorder->calls.clear();
    bare->Draw();
    EXPECT_TRUE(recorder->calls.empty());

    // A cross-fade on the first slide rises from black.
    show = TSlideShow::Create();
    auto lone = show->AddSlide(first, 0, 1, Make(Effect::CROSS_FADE, 1000, 1.0f), nullptr, nullptr, "");
    Ticks(100);
    recorder->calls.clear();
    show->Draw();
    auto rects = Calls(platform::DrawKind::Rect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].w, 800);
    EXPECT_EQ(rects[0].state.r, 0);
    ASSERT_EQ(ImageDraws().size(), 1u);
    EXPECT_FLOAT_EQ(ImageDraws()[0].state.alpha, 0.5f);

    // An effect of no length is complete.
    show = TSlideShow::Create();
    show->AddSlide(first, 0, 1, Make(Effect::IN_FROM_BLACK, 0), Make(Effect::PLAIN, 1000), nullptr, "");
    recorder->calls.clear();
    show->Draw();
    rects = Calls(platform::DrawKind::Rect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_FLOAT_EQ(rects[0].state.alpha, 0.0f);
    EXPECT_EQ(show->Manage(), 0);
    EXPECT_EQ(show->GetCurrentSlide()->CurrentEffect->Length, 200) << "past the empty effect at once";
}

class SlideLineTest : public EffectsTest {};

TEST_F(SlideLineTest, ALineSlidesFromItsStartToItsEnd) {
    TSlideLineList list;
    auto line = list.Add("Hello", 100, 700, 100, 300, 1000);
    EXPECT_FLOAT_EQ(line->GetY(), 300) << "not started: at its end";
    list.Start();
    EXPECT_FLOAT_EQ(line->GetY(), 700);
    for (int tick = 0; tick < 100; ++tick)
        list.Manage();
    EXPECT_FLOAT_EQ(line->GetY(), 500);
    EXPECT_FLOAT_EQ(line->GetX(), 100);
    for (int tick = 0; tick < 100; ++tick)
        list.Manage();
    EXPECT_EQ(line->Active, 0);
    EXPECT_FLOAT_EQ(line->GetY(), 300);
}

TEST_F(SlideLineTest, ASecondPhaseStartsAtItsOwnStart) {
    TSlideLine line;
    line.InitLine("two", 0, 0, 100, 0, 100);
    line.AddPhaseSpecial(500, 500, 600, 500, 100);
    line.Start();
    for (int tick = 0; tick < 10; ++tick)
        line.Manage();
    EXPECT_FLOAT_EQ(line.GetX(), 50);
    for (int tick = 0; tick < 10; ++tick)
        line.Manage();
    EXPECT_EQ(line.CurrentPhase, 1);
    EXPECT_FLOAT_EQ(line.GetX(), 500);
    EXPECT_FLOAT_EQ(line.GetY(), 500);
}

TEST_F(SlideLineTest, PhasesBeyondTheFiftiethAreIgnored) {
    TSlideLine line;
    line.InitLine("many", 0, 0, 1, 1, 100);
    for (int phase = 1; phase < TAnimation::MAX_PHASES; ++phase)
        line.AddPhaseSpecial(phase, phase, phase + 1, phase + 1, 100);
    ASSERT_EQ(line.TotalPhases, 50);
    line.AddPhaseSpecial(999, 999, 999, 999, 100);
    EXPECT_EQ(line.TotalPhases, 50);
    EXPECT_FLOAT_EQ(line.GetX(), 50) << "still ends where the fiftieth phase ends";
}

TEST_F(SlideLineTest, ANewListColourRecoloursEveryLine) {
    TSlideLineList list;
    list.Add("one", 0, 0, 10, 10, 100);
    list.Add("two", 0, 20, 10, 30, 100);
    list.Color->Set(10, 20, 30, 1);
    list.Draw();
    auto texts = Calls(platform::DrawKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    for (const auto& t : texts)
        EXPECT_EQ(std::make_tuple(t.state.r, t.state.g, t.state.b), std::make_tuple(10, 20, 30));
    EXPECT_EQ(std::make_tuple(texts[1].x, texts[1].y), std::make_tuple(10.0f, 30.0f));
    int r, g, b;
    platform::GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
}

} // namespace
