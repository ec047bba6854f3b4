// The few globals and hooks of the application core that the framework reads. The framework sits
// below the core and cannot include it, so they are defined here with their start-up values; the
// core takes them over at start-up: it writes the globals and installs every hook (the input
// hooks when the game object is made, the tick conversion once the logic clock has its length).
#pragma once

#include <functional>

// Time step of the current logic tick: 1.0 for a whole 5 ms tick, the remainder for the last one.
extern float Delta;
// The logical screen, in pixels.
extern int ScreenWidth;
extern int ScreenHeight;
// Length of a screen fade when a screen asks for none of its own, ms.
extern int FADE_SPEED;

// Logic ticks in a duration of ms milliseconds, not rounded (200.0 for 1000 ms at normal speed).
// The core installs its own (which honours its current speed) through SetCalcAnimLength.
float CalcAnimLength(int ms);
float CalcAnimLengthFromFloat(float ms);
// An empty function puts back the default of 5 ms ticks at speed 1.0.
void SetCalcAnimLength(std::function<float(float ms)> hook);

// The game's event-fed key and mouse tables, which the core keeps. KeyHit, KeyDown, FlushKeys and
// FlushMouse read them while polled input is off, and the platform's polled input while it is on.
struct TCoreInputHooks {
    std::function<int(int key)> keyHit;
    std::function<int(int key)> keyDown;
    // The lowest key code with a pending hit, -1 for none; consumes nothing.
    std::function<int()> keyPressed;
    // The next typed character (8 Backspace, 13 Enter, 27 Escape, else its Latin-1 code), removed
    // from the game's ring; 0 when the ring is empty.
    std::function<int()> getChar;
    std::function<void()> flushKeys;
    std::function<void()> flushMouse;
    // The game object's CustomMousePointer setting; empty while there is no game object.
    std::function<int()> customMousePointer;
};
void SetCoreInputHooks(TCoreInputHooks hooks);
const TCoreInputHooks& CoreInputHooks();

int KeyHit(int key);
int KeyDown(int key);
// The lowest key code 0..255 with a pending hit in the game's table, -1 when none (and without
// the core's hook); the hit stays. It reads the game's table in either input mode.
int KeyPressed();
// The next typed character, 0 when none: the only way widgets read typing.
int GetChar();
void FlushKeys();
void FlushMouse();
