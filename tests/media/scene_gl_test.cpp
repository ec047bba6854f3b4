// One scene of the media classes on the real GL side, with the generated data folder: a row of
// gems (plain, shadowed, glowing, scaled and turned), ice shards at different points of their
// animation, a burst of light-blended sparkles and the custom pointer with its second image and
// trail. A few pixels are checked; the frame is kept for a person to look at.
#include "GLWindow.h"
#include "trail_fixture.h"

#include "core/TGame.h"
#include "framework/TColor.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "media/TImageBank.h"
#include "media/TParticleList.h"
#include "media/TSprite.h"
#include "platform/TPixmap.h"
#include "platform/draw.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace mediatest;

namespace {

const int kBgR = 40, kBgG = 70, kBgB = 110;

int Brightness(const platform::PixmapRef& frame, int x, int y) {
    uint32_t p = platform::ReadPixel(frame, x, y);
    return int((p >> 16) & 255) + int((p >> 8) & 255) + int(p & 255);
}

class MediaSceneTest : public testsupport::GLWindowTest {
protected:
    void SetUp() override {
        GLWindowTest::SetUp();
        Delta = 1.0f;
        platform::SeedRnd(2026);
        graphics = std::string(SLEETWHISTLE_TEST_DATA_DIR) + "/graphics/";
        images = std::make_shared<TImageBank>();
        images->SetPath(graphics);
        images->LoadAnim("gems", 50, 50, 0, 7, -1, 1);
        images->LoadAnim("iceshard", 32, 32, 0, 50, -1, 1);
        images->Load("sparkle", "", -1, 1);
        images->Load("snowflake", "", -1, 1);
        images->Precache();
        Game = std::make_shared<TGame>();
        Game->ImagePath = graphics;
    }
    void TearDown() override {
        Game = nullptr;
        images = nullptr;
    }

    TSpriteRef Gem(float x, float y) {
        TSpriteRef gem = TSprite::Create(images->Find("gems"), x, y);
        gem->ImageFrame = 2;
        return gem;
    }

    std::string graphics;
};

TEST_F(MediaSceneTest, SpritesParticlesAndThePointerDrawTogether) {
    TSpriteRef plain = Gem(100, 120);
    TSpriteRef shadowed = Gem(250, 120);
    shadowed->SetShadow(1, 8.0f, 8.0f, 0.6f);
    TSpriteRef glowing = Gem(400, 120);
    glowing->SetGlow(1, 0.6f, 0.0f, 0.0f, 1.0f);
    TSpriteRef turned = Gem(560, 120);
    turned->SetScaleXY(1.5f, 0.0f);
    turned->Rotation = 30.0f;
    turned->Shadow = 1;

    std::vector<TSpriteRef> shards;
    for (int i = 0; i < 6; ++i) {
        TSpriteRef shard = TSprite::Create(images->Find("iceshard"), 100.0f + 60.0f * float(i), 260.0f);
        shard->SetupAnim(50, 1000, 0, 0, 0, 0, 1);
        for (int tick = 0; tick < 30 * i + 5; ++tick)
            shard->ManageAnim();
        shards.push_back(shard);
    }

    TParticleList burst;
    for (int i = 0; i < 60; ++i) {
        float angle = float(platform::Rnd(0.0, 360.0)), speed = float(platform::Rnd(0.5, 2.5));
        burst.AddNew(300, 430, images->Find("sparkle"), speed * SinDeg(angle), -speed * CosDeg(angle), 0.01f,
                     1000.0f, 1, platform::Rand(0, 1) * 2 - 1, float(platform::Rnd(1.0, 4.0)),
                     float(platform::Rnd(0.5, 1.0)), 0.0f, 0, 0);
    }
    for (int tick = 0; tick < 30; ++tick)
        burst.Move();

    TMousePointer& mouse = *Game->Mouse;
    mouse.offsetx = 4;
    mouse.Load("pointer");
    mouse.Image2 = images->Find("gems")->image;
    mouse.Image2Frame = 4;
    mouse.Image2Scale = 0.6f;
    mouse.Image2xoff = 24;
    mouse.Image2yoff = 30;
    mouse.Image2Shadow = TShadow::Create(4.0f, 4.0f, 0.5f);
    mouse.ParticleFunc = FixtureSparkleTrail;
    for (int tick = 0; tick < 60; ++tick) {
        mouse.x = 520 + tick * 3;
        mouse.y = 470 + tick;
        mouse.Manage();
    }
    EXPECT_GE(mouse.ParticleList->Count(), 3);

    platform::SetClsColor(kBgR, kBgG, kBgB);
    platform::Cls();
    for (const TSpriteRef& s : {plain, shadowed, glowing, turned})
        s->Draw();
    for (const TSpriteRef& s : shards)
        s->Draw();
    burst.Draw();
    mouse.Draw();
    platform::PixmapRef frame = Grab();
    testsupport::SaveTestOutput(frame, "media-sprites-particles-pointer.png");

    // The shadow lies beside the gem, darker than the background; the plain gem has none.
    int darkest = 3 * 255, plainDarkest = 3 * 255;
    for (int y = 130; y < 150; ++y)
        for (int x = 276; x < 283; ++x) {
            darkest = std::min(darkest, Brightness(frame, x, y));
            plainDarkest = std::min(plainDarkest, Brightness(frame, x - 150, y));
        }
    EXPECT_LT(darkest, kBgR + kBgG + kBgB - 40);
    EXPECT_EQ(plainDarkest, kBgR + kBgG + kBgB);
    EXPECT_TRUE(testsupport::PixelNear(frame, 5, 5, kBgR, kBgG, kBgB, 0));

    // Wherever the plain gem shows, the glowing one is brighter at the same point, clearly so on average.
    const int background = kBgR + kBgG + kBgB;
    int gemPixels = 0, notBrighter = 0, extra = 0;
    for (int y = 95; y < 145; ++y)
        for (int x = -25; x < 25; ++x) {
            int plainPixel = Brightness(frame, 100 + x, y), glowPixel = Brightness(frame, 400 + x, y);
            if (platform::ReadPixel(frame, 100 + x, y) == platform::ReadPixel(frame, 5, 5)) continue;
            ++gemPixels;
            if (glowPixel <= plainPixel) ++notBrighter;
            extra += glowPixel - plainPixel;
        }
    EXPECT_GT(gemPixels, 500);
    EXPECT_EQ(notBrighter, 0);
    EXPECT_GT(extra / std::max(gemPixels, 1), 60);
    EXPECT_EQ(Brightness(frame, 400, 20), background);

    // The pointer's own opaque pixels land with its handle (4, 0) on the last position.
    platform::PixmapRef pointer = platform::LoadPixmap(graphics + "pointer.png");
    int checked = 0;
    for (int y = 0; y < pointer->height; ++y)
        for (int x = 0; x < pointer->width; ++x) {
            uint32_t p = platform::ReadPixel(pointer, x, y);
            if ((p >> 24) != 255) continue;
            EXPECT_TRUE(testsupport::PixelNear(frame, mouse.x - 4 + x, mouse.y + y, (p >> 16) & 255,
                                               (p >> 8) & 255, p & 255, 2));
            ++checked;
        }
    EXPECT_GT(checked, 20);
}

// Particles that only add light are drawn grouped by picture, so that each picture batches: over a
// gem, with tints, glows and enough overlap to clamp at full brightness, the frame must be the one
// the list's own order gives.
TEST_F(MediaSceneTest, LightParticlesGroupedByPictureGiveThePixelsOfListOrder) {
    TSpriteRef gem = Gem(300, 300);
    gem->SetScaleXY(3.0f, 0.0f);
    TParticleList burst;
    for (int i = 0; i < 150; ++i) {
        float angle = float(platform::Rnd(0.0, 360.0)), speed = float(platform::Rnd(0.0, 1.5));
        TParticleRef p =
            burst.AddNew(300, 300, images->Find(i % 3 ? "sparkle" : "snowflake"), speed * SinDeg(angle),
                         -speed * CosDeg(angle), 0.0f, 1000.0f, 1, 1, float(platform::Rnd(1.0, 4.0)),
                         float(platform::Rnd(0.5, 2.0)), 0.0f, 0, 0);
        if (i % 5 == 0)
            p->Color = TColor::Create(platform::Rand(100, 255), 120, platform::Rand(100, 255), 1.0f);
        if (i % 7 == 0) p->SetGlow(1, 0.5f, 0.0f, 0.0f, 1.0f);
    }
    for (int tick = 0; tick < 20; ++tick)
        burst.Move();
    auto scene = [&](bool grouped) {
        platform::SetClsColor(kBgR, kBgG, kBgB);
        platform::Cls();
        gem->Draw();
        if (grouped)
            burst.Draw();
        else
            for (const TParticleRef& p : burst.ToArray())
                p->Draw();
        return Grab();
    };
    const platform::PixmapRef grouped = scene(true), listOrder = scene(false);
    int clamped = 0;
    for (int y = 250; y < 350; ++y)
        for (int x = 250; x < 350; ++x)
            clamped += (platform::ReadPixel(grouped, x, y) & 0xFF) == 0xFF;
    EXPECT_GT(clamped, 0) << "no pixel reaches full brightness";
    EXPECT_TRUE(grouped->pixels == listOrder->pixels);
}

} // namespace
