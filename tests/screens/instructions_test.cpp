// The instructions page: its five-phase cycle and the burst at the start of phase 2, the burst's
// counts by particle detail and its repeatability, the three callers and how each way out returns
// to them, and what the panels draw at chosen moments of the cycle.
#include "screens_fixture.h"

#include "media/TParticle.h"
#include "platform/draw.h"
#include "platform/random.h"

namespace screentest {
namespace {

class InstructionsTest : public ScreensTest {
protected:
    void SetUp() override {
        ScreensTest::SetUp();
        game = std::make_shared<TStandInScreen>("game");
    }
    // Enters the page from the screen, which the page then returns to; the fade-in has ended.
    void Enter(const TScreenRef& from, const TScreenRef& destination) {
        Game->CurrentTScreen = from;
        InstructionsScreen->Destination = destination;
        SwitchTo(InstructionsScreen);
        const TAnimation& a = *InstructionsScreen->Anim1;
        const float counter = a.Counter;
        Frames(3);
        ASSERT_EQ(Game->GameFade->Active, 1);
        EXPECT_EQ(a.CurrentPhase, 0); // nothing moves during the fade-in
        EXPECT_FLOAT_EQ(a.Counter, counter);
        while (Game->GameFade->Active != 0)
            Frame();
    }
    // One tick of the page's logic with the cycle at the last moment of a phase.
    void TickIntoPhase(int phase) {
        Delta = 1.0f;
        TAnimation& a = *InstructionsScreen->Anim1;
        a.CurrentPhase = phase == 0 ? a.TotalPhases - 1 : phase - 1;
        a.Counter = 0.5f;
        InstructionsScreen->Logic();
    }
    static float Ticks(int ms) { return Game->CalcAnimLength(ms); }

    std::shared_ptr<TStandInScreen> game;
};

TEST_F(InstructionsTest, CycleRunsFivePhasesAndBurstsOncePerCycleAtPhaseTwo) {
    Enter(TitleScreen, TitleScreen);
    const TAnimation& a = *InstructionsScreen->Anim1;
    ASSERT_EQ(a.TotalPhases, 5);
    const float expected[] = {1000, 1000, 300, 700, 1000};
    for (int i = 0; i < 5; i++)
        EXPECT_FLOAT_EQ(a.Length[size_t(i)], Ticks(int(expected[i]))) << i;
    int bursts = 0, lastPhase = 0;
    for (int ms = 0; ms < 8000; ms += FRAME_MS) {
        const int before = BackgroundParticles->Count();
        Frame();
        if (BackgroundParticles->Count() >= before + 13) bursts++;
        if (a.CurrentPhase == 2 && lastPhase != 2) {
            EXPECT_GE(BackgroundParticles->Count(), 13);
        }
        lastPhase = a.CurrentPhase;
    }
    EXPECT_EQ(bursts, 2);
}

TEST_F(InstructionsTest, BurstCountsFollowTheParticleDetail) {
    Enter(TitleScreen, TitleScreen);
    struct TCase {
        int detail, dust, sparkles;
    };
    for (TCase c : {TCase{100, 30, 90}, {80, 24, 72}, {50, 15, 42}, {0, 0, 0}}) {
        TGameScreen::ClearParticles();
        Game->Particles = c.detail;
        TickIntoPhase(2);
        EXPECT_EQ(Particles->Count(), c.dust + c.sparkles) << c.detail;
        EXPECT_EQ(BackgroundParticles->Count(), 13) << c.detail; // 12 splinters and the flash
    }
}

TEST_F(InstructionsTest, TheSameSeedDrawsTheSameBurst) {
    Enter(TitleScreen, TitleScreen);
    auto burst = [&] {
        TGameScreen::ClearParticles();
        platform::SeedRnd(99);
        TickIntoPhase(2);
        std::vector<float> values;
        for (const TParticleListRef& list : {BackgroundParticles, Particles})
            for (int i = 0; i < list->Count(); i++) {
                TParticleRef p = list->ValueAtIndex(i);
                values.insert(values.end(), {p->x, p->y, p->xspeed, p->yspeed, p->ScaleX});
            }
        return values;
    };
    const std::vector<float> first = burst();
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(burst(), first);
}

TEST_F(InstructionsTest, EveryWayOutReturnsToTheCaller) {
    enum class TFrom { Title, Map, GameMenu };
    enum class TWay { Click, Enter, Escape };
    for (TFrom from : {TFrom::Title, TFrom::Map, TFrom::GameMenu})
        for (TWay way : {TWay::Click, TWay::Enter, TWay::Escape}) {
            SCOPED_TRACE(testing::Message() << "from " << int(from) << " way " << int(way));
            game->StopKill = game->StopInit = from == TFrom::GameMenu ? 1 : 0;
            const TScreenRef caller = from == TFrom::Title ? TScreenRef(TitleScreen)
                                      : from == TFrom::Map ? TScreenRef(LevelSelectScreen)
                                                           : TScreenRef(game);
            const TScreenRef destination = from == TFrom::Title ? TScreenRef(TitleScreen) : TScreenRef(game);
            Particles->AddNew(1, 1, images->Find("sparkle"), 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
            Enter(caller, destination);
            EXPECT_EQ(Particles->Count(), 0);
            Frames(3);
            audio->Clear();
            const int coreStarts = game->coreStarts, loads = game->loads;
            if (way == TWay::Click) Click(50, 50);
            if (way == TWay::Enter) Key(platform::vk::RETURN);
            if (way == TWay::Escape) Key(platform::vk::ESCAPE);
            Frame();
            EXPECT_EQ(Game->DestinationTScreen, destination);
            EXPECT_EQ(Cues("BUTTONCLICK"), 1); // the OK button's, or the core's for Escape
            EXPECT_EQ(Game->GameFade->Channel, from == TFrom::Map ? Game->MusicChannel : nullptr);
            KeyUp(platform::vk::RETURN);
            KeyUp(platform::vk::ESCAPE);
            Post(platform::EVENT_MOUSE_UP, 1);
            while (Game->GameFade->Active != 0)
                Frame();
            Frame();
            EXPECT_EQ(Game->CurrentTScreen, destination);
            EXPECT_EQ(Particles->Count(), 0);
            if (from == TFrom::GameMenu) {
                EXPECT_EQ(game->coreStarts, coreStarts + 1);
                EXPECT_EQ(game->loads, loads);
            }
            if (from != TFrom::Title) SwitchTo(TitleScreen);
        }
}

TEST_F(InstructionsTest, RingsGrowThenFadeInPhaseTwo) {
    Enter(TitleScreen, TitleScreen);
    TAnimation& a = *InstructionsScreen->Anim1;
    a.CurrentPhase = 2;
    struct TCase {
        int msIn;
        float scale, alpha;
    };
    const float L = float(int(Ticks(300)));
    for (TCase c :
         {TCase{0, 0.2f, 1}, {200, 0.2f + 40.0f / 60, 1}, {240, 1, 0.6f}, {250, 1, 0.5f}, {300, 1, 0}}) {
        a.Counter = L - Ticks(c.msIn);
        recorder->calls.clear();
        InstructionsScreen->DrawRing(143, 210);
        ASSERT_EQ(recorder->calls.size(), 1u);
        const platform::DrawCall& ring = recorder->calls[0];
        EXPECT_NEAR(ring.state.scaleX, c.scale, 1e-4) << c.msIn;
        EXPECT_NEAR(ring.state.alpha, c.alpha, 1e-4) << c.msIn;
        EXPECT_FLOAT_EQ(ring.x, 168);
        EXPECT_FLOAT_EQ(ring.y, 235);
    }
}

TEST_F(InstructionsTest, SwappingShapesMoveFiftyTimesTheRatioApart) {
    Enter(TitleScreen, TitleScreen);
    TAnimation& a = *InstructionsScreen->Anim1;
    a.CurrentPhase = 1;
    const platform::ImageRef gems = images->FindTImage("gems");
    for (float r : {0.0f, 0.5f, 1.0f}) {
        a.Counter = a.Length[1] * (1 - r);
        recorder->calls.clear();
        InstructionsScreen->Draw();
        // Panel 1's pair at x 193: shape 2 rising from 210, shape 5 falling from 160.
        float up = -1, down = -1;
        for (const auto& c : recorder->calls)
            if (c.image == gems && c.x == 193.0f && c.y < 300.0f) {
                if (c.frame == 2) up = c.y;
                if (c.frame == 5) down = c.y;
            }
        EXPECT_NEAR(up, 210 - 50 * r, 1e-3) << r;
        EXPECT_NEAR(down, 160 + 50 * r, 1e-3) << r;
    }
}

TEST_F(InstructionsTest, GaugesByPhaseAndTheTenthFilledGauge) {
    Enter(TitleScreen, TitleScreen);
    TAnimation& a = *InstructionsScreen->Anim1;
    const platform::ImageRef empty = images->FindTImage("gaugeempty"), full = images->FindTImage("gaugefull"),
                             max = images->FindTImage("gaugemax");
    struct TCase {
        int phase;
        platform::ImageRef left, right;
    };
    for (const TCase& c : {TCase{0, empty, max}, {1, empty, max}, {2, empty, empty}, {3, empty, empty}}) {
        a.CurrentPhase = c.phase;
        recorder->calls.clear();
        InstructionsScreen->Draw();
        platform::ImageRef left, right;
        for (const auto& call : recorder->calls) {
            if (call.x == 333.0f && call.y == 387.0f) left = call.image;
            if (call.x == 464.0f && call.y == 387.0f) right = call.image;
        }
        EXPECT_EQ(left, c.left) << c.phase;
        EXPECT_EQ(right, c.right) << c.phase;
    }
    recorder->calls.clear();
    InstructionsScreen->DrawGauge(333, 387);
    ASSERT_EQ(recorder->calls.size(), 2u);
    const auto& top = recorder->calls[0];
    const auto& bottom = recorder->calls[1];
    EXPECT_EQ(top.image, empty);
    EXPECT_FLOAT_EQ(top.srcY, 0);
    EXPECT_FLOAT_EQ(top.srcH, 70);
    EXPECT_EQ(bottom.image, full);
    EXPECT_FLOAT_EQ(bottom.srcY, 70);
    EXPECT_FLOAT_EQ(bottom.srcH, 22);
    EXPECT_FLOAT_EQ(bottom.y - top.y, 70);
}

TEST_F(InstructionsTest, PuddingFramesLoopEveryTwoSeconds) {
    Enter(TitleScreen, TitleScreen);
    InstructionsScreen->Anim1->CurrentPhase = 0;
    const platform::ImageRef pudding = images->FindTImage("bonus8idle");
    for (auto [ms, frame] : {std::pair{0, 0}, {1000, 25}, {1999, 49}}) {
        InstructionsScreen->MunchkinCounter = Ticks(ms);
        recorder->calls.clear();
        InstructionsScreen->Draw();
        int drawn = -1;
        for (const auto& c : recorder->calls)
            if (c.image == pudding) drawn = c.frame;
        EXPECT_EQ(drawn, frame) << ms;
    }
}

TEST_F(InstructionsTest, CaptionLinesAreCentredAndTwentySevenApart) {
    Enter(TitleScreen, TitleScreen);
    recorder->calls.clear();
    InstructionsScreen->Draw();
    std::vector<platform::DrawCall> lines;
    for (const auto& c : recorder->calls)
        if (c.kind == platform::DrawKind::Text) lines.push_back(c);
    ASSERT_EQ(lines.size(), 10u); // 2, 2, 3 and 3 lines
    EXPECT_FLOAT_EQ(lines[1].y - lines[0].y, 27);
    EXPECT_FLOAT_EQ(lines[6].y - lines[4].y, 54);
    platform::SetImageFont(MainFontSmall);
    for (const auto& line : lines) {
        const float centre = line.x + float(platform::TextWidth(line.text)) / 2;
        EXPECT_NEAR(centre, line.x < 400 ? 218 : 578, 1.0f) << line.text;
        EXPECT_EQ(line.state.r, 0);
    }
}

} // namespace
} // namespace screentest
