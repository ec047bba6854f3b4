// Keyboard and mouse helpers: any key or button hit, modifier keys, switching between the game's
// event-fed tables and the platform's polled input, emptying pending input, and blocking waits.
// Key codes are Windows virtual-key numbers; mouse buttons are 1 to 3.
#pragma once

extern int ccPolledInputState; // 1 while the platform's polled input stands in for the game's tables
extern int MouseVisible;       // 1 after the pointer left the window, 0 after it entered

// Hit tests consume the hit they report.
int ccAnyKeyPressed();
int ccAnyInput();
int ccControlDown();
int ccShiftDown();
int ccMouseHit();
int ccMouseButtons();
int ccMouseDown();
int ccMouseDownTotal();
int ccFlushAll();
int ccEnablePolledInput();
// Back to the game's tables; pending events are thrown away, except a request to quit.
int ccDisablePolledInput();
// Asks the system for new events, then drops every queued key, character, mouse-button and wheel
// event, so input made meanwhile reaches nobody. Pointer moves, quit and close requests, focus
// changes and the pointer entering or leaving the window stay queued.
int ccDropQueuedInput();
int ccMouseShowHide();
// Waits for a new key press or click, in either input mode, and swallows it.
int ccWaitForKeyOrMouse();
// 0 when ms milliseconds ran out, -1 when a key or button cut the wait short.
int ccWaitForTime(float ms);
