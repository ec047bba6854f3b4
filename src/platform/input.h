// Events and polled input. Key codes are Windows virtual-key numbers 0..255 (left and right
// modifiers apart; Super stands for the Command key); typed characters are 8-bit codes.
// Mouse coordinates are pixels of the open mode.
// SLEETWHISTLE_INPUT=FILE replays scripted events on the game clock; real input is then ignored.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

enum : int {
    EVENT_APP_SUSPEND = 0x101,
    EVENT_APP_RESUME = 0x102,
    EVENT_APP_TERMINATE = 0x103,
    EVENT_KEY_DOWN = 0x201,
    EVENT_KEY_UP = 0x202,
    EVENT_KEY_CHAR = 0x203,
    EVENT_KEY_REPEAT = 0x204,
    EVENT_MOUSE_DOWN = 0x401,
    EVENT_MOUSE_UP = 0x402,
    EVENT_MOUSE_MOVE = 0x403,
    EVENT_MOUSE_WHEEL = 0x404,
    EVENT_MOUSE_ENTER = 0x405,
    EVENT_MOUSE_LEAVE = 0x406,
    EVENT_WINDOW_CLOSE = 0x4003,
};

struct TEvent {
    int id = 0, data = 0, x = 0, y = 0;
};

// The oldest queued event without removing it; asks the system first when the queue is empty.
const TEvent* PeekEvent();
// Removes the oldest event and makes it current; its id, or 0 when none.
int PollEvent();
int EventID();
int EventData();
int EventX();
int EventY();

// Polled input: the layer's own key, character and mouse state, kept while switched on.
void EnablePolledInput();
void DisablePolledInput();
bool PolledInputEnabled();
int KeyHit(int key);  // presses since the last call, then 0
int KeyDown(int key); // 1 while held
int GetChar();        // next typed character, 0 when none
void FlushKeys();
void FlushMouse();
int MouseHit(int button); // presses since the last call, then 0
int MouseDown(int button);
int MouseX();
int MouseY();
int MouseZ();

// The most events the queue holds; beyond it the oldest go, except quit, window-close and
// focus events.
constexpr size_t kMaxQueuedEvents = 4096;
// Puts an event at the end of the queue (and into the polled state), as the system would. A mouse
// move right after another queued move replaces it.
void PostEvent(const TEvent& event);
// Drops every queued event for which keep returns false.
void FilterEvents(bool (*keep)(const TEvent&));
// Asks the system for new events, then whether a request to quit (EVENT_APP_TERMINATE or
// EVENT_WINDOW_CLOSE) waits in the queue. Consumes nothing: the game's event pump still sees it.
bool QuitRequested();

// The Windows virtual-key codes the game reads. Typed control characters (GetChar) carry the code
// of their key: BACK, TAB, RETURN and ESCAPE.
namespace vk {
constexpr int BACK = 8, TAB = 9, RETURN = 13, ESCAPE = 27, SPACE = 32, PRIOR = 33, NEXT = 34, END = 35,
              HOME = 36, LEFT = 37, UP = 38, RIGHT = 39, DOWN = 40, INSERT = 45, DEL = 46, LWIN = 91,
              RWIN = 92, F1 = 112, F12 = 123, LSHIFT = 160, RSHIFT = 161, LCONTROL = 162, RCONTROL = 163,
              LMENU = 164, RMENU = 165, OEM_PLUS = 187, OEM_MINUS = 189;
// Letters are their upper-case character codes.
constexpr int A = 'A', B = 'B', C = 'C', D = 'D', E = 'E', F = 'F', G = 'G', H = 'H', I = 'I', J = 'J',
              K = 'K', L = 'L', M = 'M', N = 'N', O = 'O', P = 'P', Q = 'Q', R = 'R', S = 'S', T = 'T',
              U = 'U', V = 'V', W = 'W', X = 'X', Y = 'Y', Z = 'Z';
} // namespace vk

// ---- test seams ----
// Reads a script of timed events ("MS EVENT ARGS" lines, MS counted from the clock's time now);
// events are released when the clock reaches their time. Returns false (with a message in error)
// on a bad file or line. A script from SLEETWHISTLE_INPUT counts from the start of the run.
bool LoadInputScript(const std::string& path, std::string* error = nullptr);
// Drops what is left of a loaded script and takes real input again.
void UnloadInputScript();
// Whether real keyboard, mouse and focus events are dropped (on while a script runs).
void IgnoreOsInput(bool on);
// Parses one script line into an event and its time; false when it is not a valid line.
bool ParseInputScriptLine(const std::string& line, int& ms, TEvent& event, std::string* error = nullptr);

} // namespace platform
