// The game screen's display: the gauge's pictures, its filling and sparkles, the stuck-hint clock,
// the captions, the particle image slots and the layers of a frame, on the recording renderer.
#include "game_fixture.h"

#include "board/board_particles.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "media/TImageBank.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/random.h"

#include <algorithm>

namespace gametest {
namespace {

using platform::DrawCall;
using platform::DrawKind;

class HudTest : public GameTest {
protected:
    // In play on level 1, the intro over, nothing drawn yet.
    void Play() {
        EnterLevel(1);
        RunIntro();
        recorder->calls.clear();
        audio->Clear();
    }
    std::vector<DrawCall> ImageCalls(const TGameImageRef& image) const {
        std::vector<DrawCall> found;
        for (const DrawCall& call : recorder->calls)
            if (call.kind == DrawKind::Image && image && call.image == image->image) found.push_back(call);
        return found;
    }
    std::vector<DrawCall> TextCalls(const std::string& text) const {
        std::vector<DrawCall> found;
        for (const DrawCall& call : recorder->calls)
            if (call.kind == DrawKind::Text && call.text == text) found.push_back(call);
        return found;
    }
    // Index of the first call drawing the image, -1 for none.
    int FirstDraw(const platform::ImageRef& image) const {
        for (size_t i = 0; i < recorder->calls.size(); ++i)
            if (recorder->calls[i].kind == DrawKind::Image && recorder->calls[i].image == image)
                return int(i);
        return -1;
    }
    int FirstText(const std::string& text) const {
        for (size_t i = 0; i < recorder->calls.size(); ++i)
            if (recorder->calls[i].kind == DrawKind::Text && recorder->calls[i].text == text) return int(i);
        return -1;
    }
    static int Sparkles() {
        int n = 0;
        for (const TParticleRef& particle : *Particles)
            n += particle->image == ParticleImages[5];
        return n;
    }
};

TEST_F(HudTest, TheGaugeShowsItsCountAsEmptyRowsOverFilledRows) {
    Play();
    // Count, then the source rows of "gaugeempty" (from the top) and of "gaugefull" (to the
    // bottom) as area draws; -1 for a whole picture. The 92-row pictures hold 60 fill rows.
    struct TCase {
        int count;
        int emptyRows, fullFrom;
        bool whole, max;
    } cases[] = {{0, 92, -1, true, false},  {-1, 92, -1, true, false}, {10, 0, -1, true, true},
                 {5, 46, 46, false, false}, {1, 70, 70, false, false}, {9, 22, 22, false, false}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.count);
        GameGrid->DiagonalGauge = c.count;
        recorder->calls.clear();
        GameScreen->XDraw(0.0f);
        const auto empty = ImageCalls(GameScreen->XInactiveImage);
        const auto full = ImageCalls(GameScreen->XActive1Image);
        const auto max = ImageCalls(GameScreen->XActive2Image);
        ASSERT_EQ(recorder->calls.size(), c.whole ? 1u : 2u);
        if (c.max) {
            ASSERT_EQ(max.size(), 1u);
            EXPECT_EQ(max[0].srcH, 92.0f);
            continue;
        }
        ASSERT_EQ(empty.size(), 1u);
        EXPECT_EQ(empty[0].srcY, 0.0f);
        EXPECT_EQ(empty[0].srcH, float(c.emptyRows));
        EXPECT_EQ(empty[0].x, 59.0f);
        EXPECT_EQ(empty[0].y, 422.0f);
        if (c.whole) continue;
        ASSERT_EQ(full.size(), 1u);
        EXPECT_EQ(full[0].srcY, float(c.fullFrom));
        EXPECT_EQ(full[0].srcH, float(92 - c.fullFrom));
        EXPECT_EQ(full[0].y, 422.0f + float(c.fullFrom)) << "both strips keep the centre handle";
    }
}

TEST_F(HudTest, DustThatFillsTheGaugeDoublesThePowerOnceAndLaterDustIsLost) {
    Play();
    GameGrid->DiagonalGauge = 9;
    GameScreen->GaugeFillDelay->AddNew(1000);
    GameScreen->GaugeFillDelay->AddNew(1000);
    Ticks(199);
    EXPECT_EQ(GameGrid->DiagonalGauge, 9);
    Tick();
    EXPECT_EQ(GameGrid->DiagonalGauge, 10);
    EXPECT_EQ(GameGrid->BonusPower, 2);
    EXPECT_EQ(GameGrid->DiagonalTextCounter, float(GameGrid->DiagonalTextLength));
    EXPECT_EQ(CountCues("gaugefull"), 1);
    EXPECT_EQ(GameScreen->GaugeFillDelay->Count(), 0);
    // More dust on a full gauge adds nothing.
    GameScreen->GaugeFillDelay->AddNew(1000);
    Ticks(200);
    EXPECT_EQ(GameGrid->DiagonalGauge, 10);
    EXPECT_EQ(CountCues("gaugefull"), 1);
    EXPECT_EQ(GameScreen->GaugeFillDelay->Count(), 0);
}

TEST_F(HudTest, AFullGaugeSparklesEveryTwentyTicksExceptDuringTheOutro) {
    Play();
    GameGrid->DiagonalGauge = 9;
    GameScreen->GaugeFillDelay->AddNew(5); // ends on the next tick
    Tick();
    ASSERT_EQ(GameGrid->DiagonalGauge, 10);
    Ticks(19);
    EXPECT_EQ(Sparkles(), 0);
    Tick();
    EXPECT_EQ(Sparkles(), 1);
    Ticks(40);
    EXPECT_EQ(Sparkles(), 3);
    ASSERT_EQ(GameScreen->NextLevel(), 1);
    Particles->Clear();
    Ticks(100);
    EXPECT_EQ(Sparkles(), 0);
}

TEST_F(HudTest, ASparkleStandsAtTheGaugeOffsetByTheSeededDrawsYFirst) {
    Play();
    GameGrid->DiagonalGauge = 10;
    GameScreen->DiagonalGaugeParticleCounter = 0.5f;
    Particles->Clear();
    platform::SeedRnd(4242);
    const double dy = platform::Rnd(-46.0, 46.0);
    const double dx = platform::Rnd(-23.0, 23.0);
    platform::SeedRnd(4242);
    GameScreen->HUDEffects();
    ASSERT_EQ(Sparkles(), 1);
    const TParticleRef sparkle = *Particles->begin();
    EXPECT_EQ(sparkle->x, float(int(59.0 + dx)));
    EXPECT_EQ(sparkle->y, float(int(422.0 + dy)));
    EXPECT_EQ(GameScreen->DiagonalGaugeParticleCounter, 19.5f) << "0.5 - 1 + 20";
}

TEST_F(HudTest, TheStuckClockRunsTwentySecondsAndStartsAgain) {
    Play();
    GameScreen->HintShowCounter = 3998.0f;
    GameScreen->HUDEffects();
    EXPECT_EQ(GameScreen->HintShowCounter, 3999.0f);
    GameScreen->HUDEffects();
    EXPECT_EQ(GameScreen->HintShowCounter, 0.0f) << "reset whatever the hint's answer";
}

TEST_F(HudTest, TheDoubleBonusCaptionShrinksThenFadesAndLeavesTheTextStateAsItWas) {
    Play();
    // d is the caption's time left over its length.
    struct TCase {
        float d, scale, alpha;
    } cases[] = {{1.0f, 1.5f, 1.0f}, {0.75f, 1.0f, 1.0f}, {0.5f, 1.0f, 1.0f}, {0.125f, 1.0f, 0.5f}};
    const std::string caption = "Double Bonus Power!";
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.d);
        GameGrid->DiagonalTextCounter = c.d * float(GameGrid->DiagonalTextLength);
        recorder->calls.clear();
        GameScreen->DiagonalTextDraw();
        platform::DrawRect(0, 0, 1, 1); // shows the state left behind
        const auto texts = TextCalls(caption);
        ASSERT_EQ(texts.size(), 3u) << "white, then the gold copy's shadow and the gold copy";
        const DrawCall& white = texts.front();
        const DrawCall& gold = texts.back();
        EXPECT_EQ(white.font, MapFont);
        EXPECT_EQ(std::tie(white.state.r, white.state.g, white.state.b), std::make_tuple(255, 255, 255));
        EXPECT_EQ(std::tie(gold.state.r, gold.state.g, gold.state.b), std::make_tuple(255, 214, 112));
        for (const DrawCall* call : {&white, &gold}) {
            EXPECT_FLOAT_EQ(call->state.scaleX, c.scale);
            EXPECT_FLOAT_EQ(call->state.alpha, c.alpha);
        }
        EXPECT_FLOAT_EQ(gold.x - white.x, 1.0f) << "centred on 460 and 459";
        EXPECT_FLOAT_EQ(gold.y - white.y, 1.0f);
        const float width = float(platform::TextWidth(caption)) * c.scale;
        EXPECT_NEAR(gold.x + width / 2.0f, 460.0f, 1.0f);
        const DrawCall& after = recorder->calls.back();
        EXPECT_EQ(after.state.scaleX, 1.0f);
        EXPECT_EQ(after.state.alpha, 1.0f);
        EXPECT_EQ(std::tie(after.state.r, after.state.g, after.state.b), std::make_tuple(255, 255, 255));
        EXPECT_EQ(ccTextAlpha, 1.0f);
    }
}

TEST_F(HudTest, NoMoreMovesShowsOnlyWhileTheBoardIsOutOfMovesAndStill) {
    Play();
    struct TCase {
        int noMore, jiggle;
        bool shown;
    } cases[] = {{1, 0, true}, {1, 1, false}, {0, 0, false}};
    for (const TCase& c : cases) {
        GameGrid->NoMore = c.noMore;
        GameGrid->JiggleDirection = c.jiggle;
        recorder->calls.clear();
        GameScreen->StatusTextDraw();
        const auto texts = TextCalls("No More Moves");
        ASSERT_EQ(!texts.empty(), c.shown) << c.noMore << c.jiggle;
        if (!c.shown) continue;
        const DrawCall& body = texts.back();
        EXPECT_EQ(body.font, MainFont);
        EXPECT_EQ(std::tie(body.state.r, body.state.g, body.state.b), std::make_tuple(255, 50, 50));
        platform::SetImageFont(MainFont);
        EXPECT_NEAR(body.x + float(platform::TextWidth("No More Moves")) / 2.0f, 400.0f, 1.0f);
    }
}

TEST_F(HudTest, TheFrameIsDrawnInLayersAndThePanelHidesTheDisplayButtonsAndParticles) {
    Play();
    // One particle in each list, each with a picture nothing else draws.
    const char* pictures[] = {"score10", "score20", "score30", "score40", "score50"};
    const TParticleListRef lists[] = {BackgroundParticles, Particles, AnimatedParticles, Munchkins,
                                      ScoreParticles};
    for (int i = 0; i < 5; ++i)
        lists[i]->AddNew(300, 300, images->Find(pictures[i]), 0, 0, 0, 10000.0f, 0, 0, 0.0f, 1.0f, 0.0f, 0,
                         0);
    GameGrid->DiagonalTextCounter = 100.0f;
    const auto layer = [&](int i) { return FirstDraw(images->Find(pictures[i])->image); };
    for (int panel : {0, 1}) {
        SCOPED_TRACE(panel);
        LevelCompleteScreen->Active = panel;
        recorder->calls.clear();
        GameScreen->Draw();
        ASSERT_FALSE(recorder->calls.empty());
        EXPECT_EQ(recorder->calls[0].image, GameScreen->Image);
        EXPECT_EQ(recorder->calls[0].state.blend, platform::BLEND_SOLID);
        const int display = FirstDraw(GameScreen->PanelImage->image);
        const int score = FirstText("000000");
        const int gauge = FirstDraw(GameScreen->XInactiveImage->image);
        const int buttons = FirstDraw(GameScreen->Menu->FindButton("hint")->image->image);
        const int caption = FirstText("Double Bonus Power!");
        EXPECT_GT(layer(0), 1) << "the board comes between the background and its particles";
        if (panel) {
            for (int hidden : {display, score, gauge, buttons})
                EXPECT_EQ(hidden, -1);
            EXPECT_LT(layer(0), layer(2));
            EXPECT_GT(layer(1), caption) << "the list is drawn only as the panel's snow, over the screen";
        } else {
            const std::vector<int> order = {layer(0), display, score, gauge, buttons, layer(1), layer(2)};
            EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << ::testing::PrintToString(order);
            EXPECT_NE(display, -1);
        }
        const std::vector<int> top = {layer(2), layer(3), layer(4), caption};
        EXPECT_TRUE(std::is_sorted(top.begin(), top.end())) << ::testing::PrintToString(top);
        EXPECT_NE(layer(2), -1);
    }
}

TEST_F(HudTest, EveryLevelLoadFillsTheNamedParticleSlotsAndLeavesTheOthersEmpty) {
    const char* slots[PARTICLE_IMAGES] = {
        nullptr,        "armourmid", "brickmid",       "fireball",       "snowflake",  "sparkle",
        "iceshard",     nullptr,     "bonus9activate", "iceshard2",      "lock",       "golddust",
        "particlering", nullptr,     "snowflakesmall", "snowflakelarge", "sparklegold"};
    const char* scores[SCORE_PARTICLE_IMAGES] = {"score10", "score20", "score30", "score40", "score50",
                                                 "score60", "score70", "score80", "score100"};
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        EnterLevel(level);
        for (int i = 0; i < PARTICLE_IMAGES; ++i) {
            if (slots[i]) {
                ASSERT_TRUE(ParticleImages[i]) << i;
                EXPECT_EQ(ParticleImages[i], images->Find(slots[i])) << i;
            } else {
                EXPECT_FALSE(ParticleImages[i]) << i;
            }
        }
        for (int i = 0; i < SCORE_PARTICLE_IMAGES; ++i)
            EXPECT_EQ(ScoreParticleImages[i], images->Find(scores[i])) << i;
        GameScreen->Kill();
    }
}

} // namespace
} // namespace gametest
