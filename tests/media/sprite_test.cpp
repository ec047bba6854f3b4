// Sprites: motion, the frame animation and its ends, scale, glow, bounds, and what DoDraw and
// Draw hand to the renderer.
#include "media_fixture.h"

#include "media/TSprite.h"
#include "platform/image.h"

#include <algorithm>
#include <cmath>
#include <tuple>

using namespace mediatest;

namespace {

class SpriteTest : public MediaTest {
protected:
    void SetUp() override {
        MediaTest::SetUp();
        strip = TGameImage::CreateFromImage(platform::CreateImage(50, 50, 10), "STRIP", 1);
        sprite = TSprite::Create(strip, 100.0f, 200.0f);
    }
    // The frame the sprite draws now.
    int DrawnFrame() {
        recorder->calls.clear();
        sprite->DoDraw();
        auto draws = ImageDraws();
        return draws.empty() ? -1 : draws.back().frame;
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            sprite->ManageAnim();
    }

    TGameImageRef strip;
    TSpriteRef sprite;
};

TEST_F(SpriteTest, MoveAddsTheOldVelocityBeforeGravity) {
    sprite->x = 0.0f;
    sprite->dx = 2.0f;
    sprite->xgravity = 1.0f;
    std::vector<float> xs;
    for (int i = 0; i < 3; ++i) {
        sprite->Move();
        xs.push_back(sprite->x);
    }
    EXPECT_EQ(xs, (std::vector<float>{2.0f, 5.0f, 9.0f}));
    EXPECT_EQ(sprite->dx, 5.0f);
}

TEST_F(SpriteTest, AnimationStartsByDirectionAndReverseAndDrawsFramesFromTheClock) {
    struct Case {
        int dir, reverse;
        float start;
        std::vector<int> frames; // at the start, then after 1, 3 and 5 ticks
    };
    const Case cases[] = {
        {0, 0, 20.0f, {0, 0, 1, 2}},
        {0, 1, 0.01f, {9, 9, 8, 7}},
        {1, 0, 0.0f, {4, 0, 1, 2}}, // at 0 the image frame (4) shows
        {1, 1, 20.0f, {9, 9, 8, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "dir " << c.dir << " reverse " << c.reverse);
        sprite->ImageFrame = 4;
        sprite->SetupAnim(10, 100, c.dir, c.reverse, 0, 0, 1); // 20 ticks
        EXPECT_EQ(sprite->AnimLength, 20);
        EXPECT_EQ(sprite->FrameLength, 2.0f);
        EXPECT_FLOAT_EQ(sprite->AnimCounter, c.start);
        std::vector<int> frames{DrawnFrame()};
        for (int ticks : {1, 2, 2}) {
            Ticks(ticks);
            frames.push_back(DrawnFrame());
        }
        EXPECT_EQ(frames, c.frames);
    }
}

TEST_F(SpriteTest, LoopingAnimationWrapsWithOneCallbackPerWrap) {
    std::vector<int> calls;
    int tick = 0;
    sprite->AnimStoppedFunction = [&](TSprite&) {
        calls.push_back(tick);
        return 0;
    };
    sprite->SetupAnim(10, 50, 0, 0, 0, 0, 1); // 10 ticks
    for (tick = 1; tick <= 25; ++tick)
        sprite->ManageAnim();
    EXPECT_EQ(calls, (std::vector<int>{10, 20}));
    EXPECT_FLOAT_EQ(sprite->AnimCounter, 5.0f);
}

TEST_F(SpriteTest, LoopCountStopsTheAnimationWhichThenCallsBackEveryTick) {
    std::vector<int> calls;
    int tick = 0;
    sprite->AnimStoppedFunction = [&](TSprite&) {
        calls.push_back(tick);
        return 0;
    };
    sprite->SetupAnim(10, 50, 0, 0, 0, 0, 1);
    sprite->LoopCount = 2;
    std::vector<int> results;
    for (tick = 1; tick <= 22; ++tick)
        results.push_back(sprite->ManageAnim());
    EXPECT_EQ(calls, (std::vector<int>{10, 21, 22})); // the stop itself (tick 20) calls nothing
    EXPECT_EQ(results[19], 1);
    EXPECT_EQ(sprite->Loop, 0);
    EXPECT_FLOAT_EQ(sprite->AnimCounter, 0.01f);
    EXPECT_EQ(DrawnFrame(), 9); // the last frame stays
}

TEST_F(SpriteTest, StopAnimShowsTheImageFrameAndHaltsTheClock) {
    sprite->SetupAnim(10, 50, 0, 0, 0, 0, 1);
    Ticks(3);
    sprite->ImageFrame = 6;
    sprite->StopAnim();
    EXPECT_EQ(sprite->ManageAnim(), 0);
    EXPECT_EQ(sprite->AnimCounter, 0.0f);
    EXPECT_EQ(DrawnFrame(), 6);
}

TEST_F(SpriteTest, AnimationOfNoFramesNeitherDividesNorRuns) {
    sprite->SetupAnim(0, 100, 0, 0, 0, 0, 1);
    EXPECT_EQ(sprite->FrameLength, 0.0f);
    EXPECT_EQ(sprite->ManageAnim(), 0);
    EXPECT_EQ(DrawnFrame(), sprite->ImageFrame);
}

TEST_F(SpriteTest, ScaleXYWithZeroYScalesBothAxes) {
    sprite->SetScaleXY(2.0f, 0.0f);
    EXPECT_EQ(sprite->ScaleX, 2.0f);
    EXPECT_EQ(sprite->ScaleY, 2.0f);
}

TEST_F(SpriteTest, PulsingGlowRunsBetweenItsBoundsEvery90Ticks) {
    sprite->SetGlow(3, 0.0f, 2.0f, 0.2f, 1.0f);
    std::vector<float> glow{sprite->Glow};
    for (int tick = 1; tick <= 180; ++tick) {
        sprite->ManageGlow();
        glow.push_back(sprite->Glow);
    }
    for (int tick : {45, 135})
        EXPECT_NEAR(glow[tick], 1.0f, 1e-4) << tick;
    for (int tick : {90, 180})
        EXPECT_NEAR(glow[tick], 0.2f, 1e-4) << tick;
    for (float g : glow)
        EXPECT_LE(g, 1.0f + 1e-4);
    EXPECT_GE(*std::min_element(glow.begin() + 1, glow.end()), 0.2f - 1e-4);
}

TEST_F(SpriteTest, DecayingGlowStopsAtZeroAndItsPassIsStillDrawn) {
    sprite->SetGlow(2, 0.5f, 0.2f, 0.0f, 1.0f);
    for (int i = 0; i < 5; ++i)
        sprite->ManageGlow();
    EXPECT_EQ(sprite->Glow, 0.0f);
    sprite->Draw();
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[1].state.blend, platform::BLEND_LIGHT);
    EXPECT_EQ(draws[1].state.r, 0);
}

TEST_F(SpriteTest, OutOfBoundsOnlyPastTheLimits) {
    struct Case {
        int mid;
        float x, y;
        int out;
    };
    const Case cases[] = {
        {1, -25.0f, 300.0f, 0}, {1, -25.5f, 300.0f, 1}, {1, 825.0f, 300.0f, 0}, {1, 825.5f, 300.0f, 1},
        {1, 400.0f, -25.5f, 1}, {1, 400.0f, 625.0f, 0}, {0, -50.0f, 300.0f, 0}, {0, -50.5f, 300.0f, 1},
        {0, 800.0f, 300.0f, 0}, {0, 800.5f, 300.0f, 1}, {0, 400.0f, 600.5f, 1},
    };
    for (const Case& c : cases) {
        strip->MidHandle(c.mid);
        sprite->SetPosition(c.x, c.y);
        EXPECT_EQ(sprite->OutOfBounds(), c.out) << "mid " << c.mid << " at " << c.x << ", " << c.y;
    }
}

TEST_F(SpriteTest, DoDrawPutsTheShadowUnderTheImageAndLeavesNeutralState) {
    sprite->SetShadow(1, 3.0f, 3.0f, 0.5f);
    sprite->SetScaleXY(1.5f, 0.0f);
    sprite->Rotation = 30.0f;
    sprite->Alpha = 0.8f;
    sprite->Color = TColor::Create(255, 128, 0, 0.1f);
    sprite->DoDraw();
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 2u);
    const auto& shadow = draws[0].state;
    EXPECT_EQ(draws[0].x, 103.0f);
    EXPECT_EQ(draws[0].y, 203.0f);
    EXPECT_EQ(std::tie(shadow.r, shadow.g, shadow.b), std::make_tuple(0, 0, 0));
    EXPECT_FLOAT_EQ(shadow.alpha, 0.4f);
    EXPECT_EQ(shadow.scaleX, 1.5f);
    EXPECT_EQ(shadow.rotation, 30.0f);
    const auto& body = draws[1].state;
    EXPECT_EQ(draws[1].x, 100.0f);
    EXPECT_EQ(std::tie(body.r, body.g, body.b), std::make_tuple(255, 128, 0)); // the tint, not its alpha
    EXPECT_FLOAT_EQ(body.alpha, 0.8f);
    EXPECT_EQ(body.scaleY, 1.5f);

    float sx, sy;
    platform::GetScale(sx, sy);
    int r, g, b;
    platform::GetColor(r, g, b);
    EXPECT_EQ(std::make_tuple(sx, sy, platform::GetRotation(), platform::GetAlpha()),
              std::make_tuple(1.0f, 1.0f, 0.0f, 1.0f));
    EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(255, 255, 255));
}

TEST_F(SpriteTest, GlowAddsALightPassTintedByTheGlowLevel) {
    sprite->SetGlow(1, 0.6f, 0.0f, 0.0f, 1.0f);
    sprite->Draw();
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].state.blend, platform::BLEND_ALPHA);
    EXPECT_EQ(draws[1].state.blend, platform::BLEND_LIGHT);
    EXPECT_EQ(std::make_tuple(draws[1].state.r, draws[1].state.g, draws[1].state.b),
              std::make_tuple(153, 153, 153));
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
}

TEST_F(SpriteTest, InvisibleSpritesDrawNothingButDrawWithOffsetDrawsThemScrolled) {
    sprite->visible = 0;
    sprite->Shadow = 1;
    sprite->SetGlow(1, 1.0f, 0.0f, 0.0f, 1.0f);
    sprite->Draw();
    EXPECT_TRUE(recorder->calls.empty());

    Game->ScrollX = 40.0f;
    Game->ScrollY = 10.0f;
    sprite->DrawWithOffset();
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(std::make_tuple(draws[0].x, draws[0].y), std::make_tuple(63.0f, 193.0f)); // shadow
    EXPECT_EQ(std::make_tuple(draws[1].x, draws[1].y), std::make_tuple(60.0f, 190.0f));
}

TEST_F(SpriteTest, ASpriteWithoutImageDrawsNothing) {
    TSpriteRef bare = std::make_shared<TSprite>();
    bare->Shadow = 1;
    bare->SetGlow(1, 1.0f, 0.0f, 0.0f, 1.0f);
    bare->Draw();
    bare->DrawWithOffset();
    EXPECT_TRUE(ImageDraws().empty());
}

TEST_F(SpriteTest, SpritesAttachedToEachOtherAreKilledOnce) {
    TSpriteRef other = TSprite::Create(strip, 0.0f, 0.0f);
    sprite->AttachedSprite = other;
    other->AttachedSprite = sprite;
    sprite->Kill();
    EXPECT_TRUE(sprite->AttachedSprite.expired());
    EXPECT_TRUE(other->AttachedSprite.expired());
}

} // namespace
