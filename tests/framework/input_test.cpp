// Any-key and button helpers, the polled/event-fed switch and the waits, on injected events.
#include "framework/cc_input.h"
#include "framework/core_services.h"

#include "Scoped.h"
#include "TempDir.h"

#include "platform/input.h"
#include "platform/system.h"

#include <gtest/gtest.h>

namespace {

void Post(int id, int data) {
    platform::TEvent e;
    e.id = id;
    e.data = data;
    platform::PostEvent(e);
}

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ccEnablePolledInput();
        ccFlushAll();
        while (platform::PollEvent()) {
        }
    }
    void TearDown() override {
        ccDisablePolledInput();
        while (platform::PollEvent()) {
        }
        SetCoreInputHooks({});
    }
};

TEST_F(InputTest, AnyKeyConsumesOneKeyAtATime) {
    Post(platform::EVENT_KEY_DOWN, platform::vk::A);
    Post(platform::EVENT_KEY_DOWN, platform::vk::B);
    EXPECT_EQ(ccAnyKeyPressed(), 1);
    EXPECT_EQ(ccAnyKeyPressed(), 1);
    EXPECT_EQ(ccAnyKeyPressed(), 0);
}

TEST_F(InputTest, MouseHitLeavesLaterButtonsPending) {
    Post(platform::EVENT_MOUSE_DOWN, 1);
    Post(platform::EVENT_MOUSE_DOWN, 2);
    EXPECT_EQ(ccMouseHit(), 1);
    EXPECT_EQ(platform::MouseHit(2), 1);
    Post(platform::EVENT_MOUSE_DOWN, 1);
    Post(platform::EVENT_MOUSE_DOWN, 3);
    EXPECT_EQ(ccMouseButtons(), 2);
    EXPECT_EQ(ccMouseButtons(), 0);
    Post(platform::EVENT_MOUSE_UP, 2);
    EXPECT_EQ(ccMouseDownTotal(), 2); // buttons 1 and 3 still held
    EXPECT_EQ(ccMouseDown(), 1);
}

TEST_F(InputTest, ModifiersReadBothSides) {
    Post(platform::EVENT_KEY_DOWN, platform::vk::RCONTROL);
    EXPECT_NE(ccControlDown(), 0);
    EXPECT_EQ(ccShiftDown(), 0);
}

TEST_F(InputTest, DisablingThrowsInputAwayButKeepsQuitRequests) {
    Post(platform::EVENT_KEY_DOWN, platform::vk::A);
    Post(platform::EVENT_WINDOW_CLOSE, 0);
    Post(platform::EVENT_MOUSE_DOWN, 1);
    Post(platform::EVENT_APP_TERMINATE, 0);
    ccDisablePolledInput();
    EXPECT_EQ(ccPolledInputState, 0);
    EXPECT_EQ(platform::PollEvent(), platform::EVENT_WINDOW_CLOSE);
    EXPECT_EQ(platform::PollEvent(), platform::EVENT_APP_TERMINATE);
    EXPECT_EQ(platform::PollEvent(), 0);
}

TEST_F(InputTest, EventFedTablesAreAskedWhilePolledInputIsOff) {
    ccDisablePolledInput();
    int flushed = 0;
    TCoreInputHooks hooks;
    hooks.keyHit = [](int key) { return key == 70 ? 1 : 0; };
    hooks.keyDown = [](int key) { return key == 162 ? 5 : 0; };
    hooks.flushKeys = [&] { ++flushed; };
    hooks.flushMouse = [&] { ++flushed; };
    SetCoreInputHooks(hooks);
    EXPECT_EQ(ccAnyKeyPressed(), 1);
    EXPECT_EQ(ccControlDown(), 5); // the down value as it stands, not forced to 1
    ccFlushAll();
    EXPECT_EQ(flushed, 2);
    EXPECT_EQ(KeyHit(-1), 0);
}

TEST_F(InputTest, DropQueuedInputKeepsOnlyWhatIsNotPlayerInput) {
    for (int polled : {1, 0}) {
        if (!polled) ccDisablePolledInput();
        const int dropped[] = {platform::EVENT_KEY_DOWN,   platform::EVENT_KEY_UP,
                               platform::EVENT_KEY_CHAR,   platform::EVENT_KEY_REPEAT,
                               platform::EVENT_MOUSE_DOWN, platform::EVENT_MOUSE_UP,
                               platform::EVENT_MOUSE_WHEEL};
        const int kept[] = {platform::EVENT_MOUSE_MOVE,   platform::EVENT_APP_TERMINATE,
                            platform::EVENT_WINDOW_CLOSE, platform::EVENT_APP_SUSPEND,
                            platform::EVENT_APP_RESUME,   platform::EVENT_MOUSE_ENTER,
                            platform::EVENT_MOUSE_LEAVE};
        for (size_t i = 0; i < std::size(kept); ++i) {
            Post(dropped[i], 1);
            Post(kept[i], 0);
        }
        EXPECT_EQ(ccDropQueuedInput(), 0);
        for (int id : kept)
            EXPECT_EQ(platform::PollEvent(), id) << "polled " << polled;
        EXPECT_EQ(platform::PollEvent(), 0);
    }
}

TEST_F(InputTest, KeyPressedAsksTheGameTableInEitherInputMode) {
    SetCoreInputHooks({});
    Post(platform::EVENT_KEY_DOWN, platform::vk::A);
    EXPECT_EQ(KeyPressed(), -1) << "no game table yet";
    int pending = 70;
    TCoreInputHooks hooks;
    hooks.keyPressed = [&] { return pending; };
    SetCoreInputHooks(hooks);
    EXPECT_EQ(KeyPressed(), 70) << "polled mode still reads the game's table";
    EXPECT_EQ(KeyPressed(), 70) << "nothing consumed";
    ccDisablePolledInput();
    pending = -1;
    EXPECT_EQ(KeyPressed(), -1);
}

TEST_F(InputTest, TypedCharactersComeFromThePlatformWhenPolledElseFromTheGameRing) {
    Post(platform::EVENT_KEY_CHAR, 97);
    TCoreInputHooks hooks;
    hooks.getChar = [] { return 98; };
    SetCoreInputHooks(hooks);
    EXPECT_EQ(GetChar(), 97) << "polled input reads the platform's characters";
    EXPECT_EQ(GetChar(), 0);
    ccDisablePolledInput();
    EXPECT_EQ(GetChar(), 98) << "event-fed input reads the game's ring";
    SetCoreInputHooks({});
    EXPECT_EQ(GetChar(), 0) << "no ring yet";
}

TEST_F(InputTest, MouseShowHideWithoutAGameOnlySetsTheFlag) {
    Post(platform::EVENT_MOUSE_LEAVE, 0);
    ccMouseShowHide();
    EXPECT_EQ(MouseVisible, 1);
    Post(platform::EVENT_MOUSE_ENTER, 0);
    ccMouseShowHide();
    EXPECT_EQ(MouseVisible, 0);
}

TEST_F(InputTest, WaitForTime) {
    platform::ScopedFakeClock clock; // Delay advances the clock instead of sleeping
    Post(platform::EVENT_KEY_DOWN, platform::vk::A);
    EXPECT_EQ(ccWaitForTime(-1), 0);  // no input asked for
    EXPECT_EQ(ccWaitForTime(50), -1); // the pending key cuts it short
    int start = platform::MilliSecs();
    EXPECT_EQ(ccWaitForTime(20), 0);
    EXPECT_GE(platform::MilliSecs() - start, 20);
    start = platform::MilliSecs();
    EXPECT_EQ(ccWaitForTime(0), 0); // polls until the clock has moved on
    EXPECT_GE(platform::MilliSecs() - start, 1);
}

TEST_F(InputTest, WaitForKeyOrMouseEndsOnANewClickInEitherModeAndSwallowsIt) {
    testsupport::TempDir dir;
    std::string clicks = dir.Write("clicks.txt", "30 mouse_down 1\n");
    for (int polled : {1, 0}) {
        SCOPED_TRACE(polled ? "polled input on" : "polled input off");
        polled ? ccEnablePolledInput() : ccDisablePolledInput();
        platform::ScopedFakeClock clock;
        Post(platform::EVENT_KEY_DOWN, platform::vk::A); // pending before the wait: does not end it
        testsupport::ScopedInputScript script(clicks);
        ASSERT_TRUE(script.loaded) << script.error;
        ccWaitForKeyOrMouse();
        EXPECT_EQ(platform::MilliSecs(), 30);
        EXPECT_EQ(ccPolledInputState, polled); // the caller's mode is back
        EXPECT_EQ(platform::PolledInputEnabled(), polled == 1);
        ccEnablePolledInput();
        EXPECT_EQ(platform::MouseHit(1), 0); // the click that ended it reaches nobody else
        EXPECT_EQ(platform::KeyHit(platform::vk::A), 0);
    }
}

} // namespace
