// The event queue, polled input, the key map and the input-script parser (no window needed).
#include "Scoped.h"
#include "TempDir.h"

#include "platform/input.h"
#include "platform/keymap.h"
#include "platform/system.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

void Drain() {
    while (PollEvent()) {
    }
}

TEST(KeyMap, SdlKeysBecomeWindowsVirtualKeys) {
    struct Case {
        const char *key, *scancode;
        int vk;
    };
    const Case cases[] = {
        {"A", "A", 'A'},
        {"Q", "A", 'Q'}, // a French layout: the letter the key types
        {"7", "7", '7'},
        {"Escape", "Escape", 27},
        {"Return", "Return", 13},
        {"Keypad Enter", "Keypad Enter", 13},
        {"Backspace", "Backspace", 8},
        {"Space", "Space", 32},
        {"Left", "Left", 37},
        {"Down", "Down", 40},
        {"Delete", "Delete", 46},
        {"F12", "F12", 123},
        {"Left Shift", "Left Shift", 160},
        {"Right Shift", "Right Shift", 161},
        {"Left Ctrl", "Left Ctrl", 162},
        {"Right Alt", "Right Alt", 165},
        {"Left GUI", "Left GUI", 91},
        {"Right GUI", "Right GUI", 92},
        {"=", "=", 187},
        {"-", "-", 189},
        {"VolumeUp", "VolumeUp", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VirtualKeyFromSDLNames(c.key, c.scancode), c.vk) << c.key;
    EXPECT_EQ(ControlCharForVirtualKey(27), 27);
    EXPECT_EQ(ControlCharForVirtualKey('A'), 0);
}

TEST(EventQueue, EventsComeOutInOrderAndBecomeCurrent) {
    Drain();
    PostEvent({EVENT_KEY_DOWN, 65, 0, 0});
    PostEvent({EVENT_MOUSE_MOVE, 0, 12, 34});
    ASSERT_NE(PeekEvent(), nullptr);
    EXPECT_EQ(PeekEvent()->id, EVENT_KEY_DOWN) << "peeking removes nothing";
    EXPECT_EQ(PollEvent(), EVENT_KEY_DOWN);
    EXPECT_EQ(EventData(), 65);
    EXPECT_EQ(PollEvent(), EVENT_MOUSE_MOVE);
    EXPECT_EQ(EventX(), 12);
    EXPECT_EQ(EventY(), 34);
    EXPECT_EQ(PollEvent(), 0);
    EXPECT_EQ(PeekEvent(), nullptr);
}

TEST(EventQueue, FilterKeepsOnlyWhatIsAsked) {
    Drain();
    PostEvent({EVENT_KEY_DOWN, 1, 0, 0});
    PostEvent({EVENT_APP_TERMINATE, 0, 0, 0});
    PostEvent({EVENT_WINDOW_CLOSE, 0, 0, 0});
    FilterEvents([](const TEvent& e) { return e.id == EVENT_APP_TERMINATE || e.id == EVENT_WINDOW_CLOSE; });
    EXPECT_EQ(PollEvent(), EVENT_APP_TERMINATE);
    EXPECT_EQ(PollEvent(), EVENT_WINDOW_CLOSE);
    EXPECT_EQ(PollEvent(), 0);
}

TEST(EventQueue, QuitRequestedSeesAQueuedQuitOrCloseAndLeavesItThere) {
    for (int quit : {int(EVENT_APP_TERMINATE), int(EVENT_WINDOW_CLOSE)}) {
        Drain();
        PostEvent({EVENT_KEY_DOWN, 65, 0, 0});
        EXPECT_FALSE(QuitRequested());
        PostEvent({EVENT_APP_SUSPEND, 0, 0, 0});
        PostEvent({EVENT_MOUSE_LEAVE, 0, 0, 0});
        EXPECT_FALSE(QuitRequested()) << "focus and the pointer leaving are no quit";
        PostEvent({quit, 0, 0, 0});
        EXPECT_TRUE(QuitRequested());
        EXPECT_TRUE(QuitRequested()) << "asking twice still finds it";
        EXPECT_EQ(PollEvent(), EVENT_KEY_DOWN) << "nothing was taken from the queue";
        EXPECT_EQ(PollEvent(), EVENT_APP_SUSPEND);
        EXPECT_EQ(PollEvent(), EVENT_MOUSE_LEAVE);
        EXPECT_EQ(PollEvent(), quit);
        EXPECT_FALSE(QuitRequested());
    }
}

TEST(EventQueue, MouseMovesInARowKeepOnlyTheLastPosition) {
    Drain();
    PostEvent({EVENT_MOUSE_MOVE, 0, 1, 1});
    PostEvent({EVENT_MOUSE_MOVE, 0, 2, 2});
    PostEvent({EVENT_KEY_DOWN, 65, 0, 0});
    PostEvent({EVENT_MOUSE_MOVE, 0, 3, 3});
    PostEvent({EVENT_MOUSE_MOVE, 0, 4, 5});
    EXPECT_EQ(PollEvent(), EVENT_MOUSE_MOVE);
    EXPECT_EQ(EventX(), 2);
    EXPECT_EQ(PollEvent(), EVENT_KEY_DOWN) << "a move after another event is queued apart";
    EXPECT_EQ(PollEvent(), EVENT_MOUSE_MOVE);
    EXPECT_EQ(EventX(), 4);
    EXPECT_EQ(EventY(), 5);
    EXPECT_EQ(PollEvent(), 0);
}

TEST(EventQueue, AFullQueueDropsTheOldestButNeverQuitCloseOrFocus) {
    Drain();
    const int protectedIds[] = {EVENT_APP_SUSPEND, EVENT_APP_TERMINATE, EVENT_WINDOW_CLOSE, EVENT_APP_RESUME};
    for (int id : protectedIds)
        PostEvent({id, 0, 0, 0});
    const int keys = int(kMaxQueuedEvents) + 10;
    for (int i = 0; i < keys; i++)
        PostEvent({EVENT_KEY_DOWN, 65, i, 0});
    for (int id : protectedIds)
        EXPECT_EQ(PollEvent(), id);
    int first = -1, count = 0;
    for (; PollEvent() == EVENT_KEY_DOWN; count++)
        if (first < 0) first = EventX();
    EXPECT_EQ(count + 4, int(kMaxQueuedEvents));
    EXPECT_EQ(first, keys - count) << "the oldest keys went, the newest stayed";
    EXPECT_EQ(EventID(), 0) << "nothing after the last key";
}

TEST(PolledInput, CountsHitsWhileOnAndForgetsThemWhenOff) {
    Drain();
    EnablePolledInput();
    FlushKeys();
    FlushMouse();
    for (int i = 0; i < 3; ++i)
        PostEvent({EVENT_KEY_DOWN, 'B', 0, 0});
    PostEvent({EVENT_KEY_CHAR, 'b', 0, 0});
    PostEvent({EVENT_MOUSE_DOWN, 2, 0, 0});
    PostEvent({EVENT_MOUSE_MOVE, 0, 7, 9});
    EXPECT_EQ(KeyHit('B'), 3);
    EXPECT_EQ(KeyHit('B'), 0);
    EXPECT_EQ(KeyDown('B'), 1);
    EXPECT_EQ(GetChar(), 'b');
    EXPECT_EQ(GetChar(), 0);
    EXPECT_EQ(MouseHit(1), 0);
    EXPECT_EQ(MouseHit(2), 1);
    EXPECT_EQ(MouseDown(2), 1);
    EXPECT_EQ(MouseX(), 7);
    EXPECT_EQ(KeyHit(-1), 0);
    EXPECT_EQ(KeyHit(300), 0);

    DisablePolledInput();
    PostEvent({EVENT_KEY_DOWN, 'C', 0, 0});
    EXPECT_EQ(KeyHit('C'), 0);
    EXPECT_EQ(KeyDown('B'), 0);
    EXPECT_EQ(PollEvent(), EVENT_KEY_DOWN) << "the queue keeps filling either way";
    Drain();
}

TEST(InputScript, LinesParseIntoTimedEvents) {
    struct Case {
        const char* line;
        bool ok;
        int ms, id, data, x, y;
    };
    const Case cases[] = {
        {"100 key_down 27", true, 100, EVENT_KEY_DOWN, 27, 0, 0},
        {"0 key_up 13  # enter", true, 0, EVENT_KEY_UP, 13, 0, 0},
        {"5 char 65", true, 5, EVENT_KEY_CHAR, 65, 0, 0},
        {"250 mouse_move 400 300", true, 250, EVENT_MOUSE_MOVE, 0, 400, 300},
        {"9 mouse_down 1", true, 9, EVENT_MOUSE_DOWN, 1, 0, 0},
        {"9 mouse_up 2", true, 9, EVENT_MOUSE_UP, 2, 0, 0},
        {"9 wheel -3", true, 9, EVENT_MOUSE_WHEEL, -3, 0, 0},
        {"1 suspend", true, 1, EVENT_APP_SUSPEND, 0, 0, 0},
        {"1 resume", true, 1, EVENT_APP_RESUME, 0, 0, 0},
        {"1 terminate", true, 1, EVENT_APP_TERMINATE, 0, 0, 0},
        {"1 close", true, 1, EVENT_WINDOW_CLOSE, 0, 0, 0},
        {"key_down 27", false, 0, 0, 0, 0, 0},
        {"10 jump", false, 0, 0, 0, 0, 0},
        {"10 key_down", false, 0, 0, 0, 0, 0},
        {"10 key_down 256", false, 0, 0, 0, 0, 0},
        {"10 char 0", false, 0, 0, 0, 0, 0},
        {"10 mouse_move 5", false, 0, 0, 0, 0, 0},
        {"10 close now", false, 0, 0, 0, 0, 0},
        {"-5 close", false, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        int ms = -1;
        TEvent e;
        std::string error;
        EXPECT_EQ(ParseInputScriptLine(c.line, ms, e, &error), c.ok) << c.line;
        if (!c.ok) {
            EXPECT_FALSE(error.empty()) << c.line;
            continue;
        }
        EXPECT_EQ(ms, c.ms) << c.line;
        EXPECT_EQ(e.id, c.id) << c.line;
        EXPECT_EQ(e.data, c.data) << c.line;
        EXPECT_EQ(e.x, c.x) << c.line;
        EXPECT_EQ(e.y, c.y) << c.line;
    }
}

TEST(InputScript, PointerQueriesLetPendingEventsInFirst) {
    // Like every other polled query, the pointer's position and wheel first let the system (here
    // the script) deliver what is due.
    testsupport::TempDir dir;
    ScopedFakeClock clock;
    AdvanceClock(500); // the script counts from its loading, not from the clock's zero
    Drain();
    EnablePolledInput();
    PostEvent({EVENT_MOUSE_MOVE, 0, 1, 1});
    testsupport::ScopedInputScript script(
        dir.Write("pointer.txt", "30000 mouse_move 120 80\n30000 wheel 2\n"));
    ASSERT_TRUE(script.loaded) << script.error;
    int z = MouseZ();
    AdvanceClock(29999);
    EXPECT_NE(MouseX(), 120);
    EXPECT_EQ(MouseZ(), z);
    AdvanceClock(1);
    EXPECT_EQ(MouseX(), 120);
    EXPECT_EQ(MouseY(), 80);
    EXPECT_EQ(MouseZ(), z + 2);
    Drain();
    DisablePolledInput();
}

TEST(InputScript, EventsArriveWhenTheClockReachesThem) {
    testsupport::TempDir dir;
    ScopedFakeClock clock;
    AdvanceClock(700); // the script counts from its loading, not from the clock's zero
    Drain();
    {
        testsupport::ScopedInputScript script(dir.Write(
            "script.txt", "# a comment\n\n20100 key_down 66\r\n20000 key_down 65\n30000 key_down 67\n"));
        ASSERT_TRUE(script.loaded) << script.error;
        AdvanceClock(19999);
        EXPECT_EQ(PollEvent(), 0);
        AdvanceClock(1);
        EXPECT_EQ(PollEvent(), EVENT_KEY_DOWN);
        EXPECT_EQ(EventData(), 65);
        EXPECT_EQ(PollEvent(), 0);
        AdvanceClock(100);
        EXPECT_EQ(PollEvent(), EVENT_KEY_DOWN);
        EXPECT_EQ(EventData(), 66);
    }
    AdvanceClock(10000); // an unloaded script sends the rest of its events nowhere
    EXPECT_EQ(PollEvent(), 0);

    std::string error;
    EXPECT_FALSE(LoadInputScript(dir.Write("bad.txt", "10 key_down 27\nnonsense\n"), &error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    EXPECT_FALSE(LoadInputScript(dir / "missing.txt", &error));
}

} // namespace
