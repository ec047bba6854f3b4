// The game's input state, fed by the event pump (TGame::DoPeekEvent) once per logic tick: a hit
// counter and a down state per key code 0..255 and a ring of typed characters. The framework's
// KeyHit, KeyDown, KeyPressed, GetChar, FlushKeys and FlushMouse read them through the hooks that
// InstallInputHooks puts in place. A key code outside 0..255 touches nothing and answers 0.
#pragma once

#include <array>

extern std::array<int, 256> Keys;      // key-down events not yet consumed, per key code
extern std::array<int, 256> KeyStates; // 1 from a key's down event to its up event
extern std::array<int, 256> charQueue; // ring of typed characters
extern int charGet;                    // read counter; the slot is charGet AND 255
extern int charPut;                    // write counter; charPut - charGet are waiting

// Points the framework's input functions at these tables (and at Game's pointer and setting).
void InstallInputHooks();

// 1 when some key has exactly one pending hit; consumes nothing.
int AnyKeyPressed();
// Clears one key's hits and down state, in either input mode.
int FlushKey(int key);

// The tables' side of the framework's functions, used while polled input is off.
int TableKeyHit(int key);
int TableKeyDown(int key);
// The lowest key with exactly one pending hit, -1 when none.
int TableKeyPressed();
int TableGetChar();
void TableFlushKeys();
// Records one event of the platform's queue.
void RecordKeyDown(int key);
void RecordKeyUp(int key);
void RecordChar(int code);
