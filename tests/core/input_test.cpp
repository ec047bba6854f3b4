// The event pump and the key, character and mouse state it feeds, read through the framework's
// functions as every widget reads them.
#include "core_fixture.h"

#include "media/TMousePointer.h"

namespace coretest {
namespace {

using namespace platform;

class InputTest : public CoreTest {
protected:
    TMousePointer& mouse() { return *Game->Mouse; }
};

TEST_F(InputTest, ThreePressesGiveOneHitAndAKeyUpKeepsIt) {
    for (int i = 0; i < 3; ++i)
        Post(EVENT_KEY_DOWN, platform::vk::A);
    Post(EVENT_KEY_UP, platform::vk::A); // pressed and released within the tick
    Game->DoPeekEvent();
    EXPECT_EQ(::KeyDown(platform::vk::A), 0);
    EXPECT_EQ(::KeyHit(platform::vk::A), 1);
    EXPECT_EQ(::KeyHit(platform::vk::A), 0);
}

TEST_F(InputTest, KeyPressedFindsOnlyAKeyWithExactlyOnePendingHit) {
    Post(EVENT_KEY_DOWN, platform::vk::B);
    Post(EVENT_KEY_DOWN, platform::vk::B);
    Game->DoPeekEvent();
    EXPECT_EQ(::KeyPressed(), -1);
    EXPECT_EQ(AnyKeyPressed(), 0);
    Post(EVENT_KEY_DOWN, platform::vk::F);
    Game->DoPeekEvent();
    EXPECT_EQ(::KeyPressed(), 70);
    EXPECT_EQ(::KeyPressed(), 70); // consumes nothing
    EXPECT_EQ(AnyKeyPressed(), 1);
    FlushKey(platform::vk::F);
    EXPECT_EQ(::KeyPressed(), -1);
}

TEST_F(InputTest, KeyRepeatsAndCodesOutsideTheTablesTouchNothing) {
    Post(EVENT_KEY_REPEAT, 65);
    Post(EVENT_KEY_DOWN, 300);
    Post(EVENT_KEY_DOWN, -1);
    Post(EVENT_KEY_UP, 256);
    Game->DoPeekEvent();
    for (int key = 0; key < 256; ++key) {
        ASSERT_EQ(Keys[size_t(key)], 0) << key;
        ASSERT_EQ(KeyStates[size_t(key)], 0) << key;
    }
    for (int key : {-1, 256, 300}) {
        EXPECT_EQ(::KeyHit(key), 0);
        EXPECT_EQ(::KeyDown(key), 0);
        EXPECT_EQ(FlushKey(key), 0);
    }
}

TEST_F(InputTest, OnlyTheLaterOfTwoButtonsInOneTickHasAHitWhileBothAreDown) {
    Post(EVENT_MOUSE_DOWN, 1);
    Post(EVENT_MOUSE_DOWN, 2);
    Post(EVENT_MOUSE_DOWN, 7); // no such button: it only clears the tick's hits
    Post(EVENT_MOUSE_DOWN, 2);
    Game->DoPeekEvent();
    EXPECT_EQ(mouse().b1, 1);
    EXPECT_EQ(mouse().b2, 1);
    EXPECT_EQ(mouse().h1, 0);
    EXPECT_EQ(mouse().h2, 1);
    EXPECT_EQ(mouse().mh, 1);
    Post(EVENT_MOUSE_UP, 2);
    Game->DoPeekEvent();
    EXPECT_EQ(mouse().b2, 0);
    EXPECT_EQ(mouse().h2, 1); // the hit lasts until the next tick clears it
}

TEST_F(InputTest, TheWheelSumsAndMovesScaleUnderAVirtualResolution) {
    for (int i = 0; i < 3; ++i)
        Post(EVENT_MOUSE_WHEEL, 1);
    Post(EVENT_MOUSE_MOVE, 0, 2, 10);
    Game->DoPeekEvent();
    EXPECT_EQ(mouse().z, 3);
    EXPECT_EQ(mouse().x, 2);
    Game->UsingVirtualResolution = 1;
    Game->VirtualRatioX = Game->VirtualRatioY = 1.25f;
    Post(EVENT_MOUSE_MOVE, 0, 2, 10);
    Game->DoPeekEvent();
    EXPECT_EQ(mouse().x, 3); // 2.5 rounds up
    EXPECT_EQ(mouse().y, 13);
}

TEST_F(InputTest, TheRingKeeps256CharactersAndFlushKeysEmptiesIt) {
    for (int i = 0; i < 257; ++i)
        Post(EVENT_KEY_CHAR, 32 + i % 90);
    Game->DoPeekEvent();
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(::GetChar(), 32 + i % 90) << i;
    EXPECT_EQ(::GetChar(), 0);
    Post(EVENT_KEY_CHAR, 'a');
    Post(EVENT_KEY_DOWN, platform::vk::A);
    Game->DoPeekEvent();
    ::FlushKeys();
    EXPECT_EQ(::GetChar(), 0);
    EXPECT_EQ(::KeyHit(platform::vk::A), 0);
}

TEST_F(InputTest, PolledModeRoutesToThePlatformWhileTheScansStayOnTheTables) {
    Post(EVENT_KEY_DOWN, platform::vk::A);
    Game->DoPeekEvent();
    ccEnablePolledInput();
    EXPECT_EQ(::KeyHit(platform::vk::A), 0); // the platform's own state knows nothing of that press
    EXPECT_EQ(::KeyPressed(), 65);
    EXPECT_EQ(AnyKeyPressed(), 1);
    ::FlushKeys(); // the platform's flush
    EXPECT_EQ(Keys[65], 1);
    FlushKey(platform::vk::A);
    EXPECT_EQ(Keys[65], 0);
    ccDisablePolledInput();
}

TEST_F(InputTest, SuspendResumeTerminateAndCloseSetTheirFlags) {
    Post(EVENT_APP_SUSPEND, 0);
    Game->DoPeekEvent();
    EXPECT_EQ(Game->SuspendedEvent, 1);
    Post(EVENT_APP_RESUME, 0);
    Game->DoPeekEvent();
    EXPECT_EQ(Game->SuspendedEvent, 0);
    for (int id : {int(EVENT_APP_TERMINATE), int(EVENT_WINDOW_CLOSE)}) {
        Game->TerminatedEvent = 0;
        Post(id, 0);
        Game->DoPeekEvent();
        EXPECT_EQ(Game->TerminatedEvent, 1) << id;
    }
}

TEST_F(InputTest, FlushMouseClearsThePointersButtonsAndHits) {
    Post(EVENT_MOUSE_DOWN, 1);
    Game->DoPeekEvent();
    ::FlushMouse();
    EXPECT_EQ(mouse().b1, 0);
    EXPECT_EQ(mouse().mh, 0);
}

} // namespace
} // namespace coretest
