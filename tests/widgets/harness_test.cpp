// The test pump itself: it must feed keys and the pointer exactly as the game's tick does, or the
// widget tests prove nothing.
#include "WidgetHarness.h"

#include "core/TGame.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "media/TMousePointer.h"
#include "platform/input.h"
#include "platform/system.h"

using namespace widgettest;

TEST_F(WidgetTest, PumpFeedsKeysAsTheGameTickDoes) {
    KeyHold(platform::vk::RETURN);
    platform::PostEvent({platform::EVENT_KEY_REPEAT, platform::vk::RETURN, 0, 0});
    platform::PostEvent({platform::EVENT_KEY_REPEAT, platform::vk::RETURN, 0, 0});
    Tick();
    EXPECT_EQ(KeyDown(platform::vk::RETURN), 1);
    EXPECT_EQ(KeyHit(platform::vk::RETURN), 1) << "a held key gives one hit";
    EXPECT_EQ(KeyHit(platform::vk::RETURN), 0) << "reading the hit clears it";
    Tick();
    EXPECT_EQ(KeyDown(platform::vk::RETURN), 1) << "still held";
    KeyRelease(platform::vk::RETURN);
    Tick();
    EXPECT_EQ(KeyDown(platform::vk::RETURN), 0);
}

TEST_F(WidgetTest, PumpKeepsOnePressPerDrainAndClearsHitsEachTick) {
    for (int i = 0; i < 5; ++i) {
        Press(1);
        Release(1);
    }
    Click(30, 40, 3);
    Wheel(3);
    Wheel(-1);
    Tick();
    auto& mouse = *Game->Mouse;
    EXPECT_EQ(mouse.x, 30);
    EXPECT_EQ(mouse.y, 40);
    EXPECT_EQ(mouse.h1, 0) << "a later press clears the earlier ones";
    EXPECT_EQ(mouse.h3, 1);
    EXPECT_EQ(mouse.GetMh(0), 1);
    EXPECT_EQ(mouse.z, 2);
    Press(2);
    Tick();
    EXPECT_EQ(mouse.GetMb(), 1);
    Tick();
    EXPECT_EQ(mouse.GetMh(0), 0) << "hits last one tick";
    EXPECT_EQ(mouse.b2, 1) << "the button stays down";
}

TEST_F(WidgetTest, FlushAllClearsTheTablesAndThePointer) {
    KeyHold('Y');
    Press(1);
    Tick();
    EXPECT_TRUE(InputPending());
    ccFlushAll();
    EXPECT_FALSE(InputPending());
    EXPECT_EQ(KeyDown('Y'), 0);
    EXPECT_EQ(Game->Mouse->GetMb(), 0);
}

TEST_F(WidgetTest, ScriptedEventsArriveOnTheirTick) {
    Script({{10, "key_down 78"}, {12, "key_up 78"}, {20, "mouse_move 5 6"}});
    std::vector<int> hitTicks;
    for (int tick = 1; tick <= 5; ++tick)
        Tick([&] {
            if (KeyHit('N')) hitTicks.push_back(tick);
        });
    EXPECT_EQ(hitTicks, std::vector<int>({2}));
    EXPECT_EQ(Game->Mouse->x, 5);
    EXPECT_EQ(Game->Mouse->y, 6);
}
