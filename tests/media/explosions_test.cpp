// The framework's one-shot explosions and self-removing game objects.
#include "media_fixture.h"

#include "media/TExplosion.h"
#include "media/TGameObject.h"
#include "platform/image.h"

using namespace mediatest;

namespace {

class ExplosionTest : public MediaTest {
protected:
    void SetUp() override {
        MediaTest::SetUp();
        strip = TGameImage::CreateFromImage(platform::CreateImage(50, 50, 10), "BANG", 0);
    }
    int DrawnFrame(TSprite& sprite) {
        recorder->calls.clear();
        sprite.Draw();
        auto draws = ImageDraws();
        return draws.empty() ? -1 : draws.back().frame;
    }
    TGameImageRef strip;
};

TEST_F(ExplosionTest, AnExplosionPlaysItsStripOnceAndLeaves) {
    TExplosionList list;
    TExplosionRef bang = list.AddNew(100, 100, strip);
    bang->StartAnim(500, 10);
    EXPECT_EQ(bang->AnimLength, 100);
    EXPECT_EQ(DrawnFrame(*bang), 0);
    for (int i = 0; i < 99; ++i)
        list.Manage();
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(DrawnFrame(*bang), 9);
    list.Manage();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(bang->Explosions, nullptr);

    TExplosionRef unstarted = list.AddNew(100, 100, strip);
    list.Manage();
    EXPECT_TRUE(list.IsEmpty());
}

TEST_F(ExplosionTest, AGameObjectLeavesItsListOnceWhollyOffTheScreen) {
    TGameObjectList list;
    TGameObjectRef rock = list.AddNew(795, 300, strip);
    rock->dx = 3.0f;
    TGameObjectRef still = list.AddNew(400, 300, strip);
    list.Move();
    EXPECT_EQ(list.Count(), 2); // at 798 it still shows
    list.Move();
    EXPECT_EQ(list.ToArray(), std::vector<TGameObjectRef>{still});

    list.AddNew(100, 100, strip);
    still->active = 1;
    TSpriteRef carried = TSprite::Create(strip, 0.0f, 0.0f);
    still->AttachedSprite = carried;
    list.Kill();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(still->GameObjects, nullptr);
    // Leaving the list is all a kill does: the flag and the attached sprite stay.
    EXPECT_EQ(still->active, 1);
    EXPECT_EQ(still->AttachedSprite.lock(), carried);
}

} // namespace
