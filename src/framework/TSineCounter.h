// An angle in degrees that advances every tick and yields its sine: the glows and highlights
// pulse by it.
#pragma once

#include <memory>

class TSineCounter;
using TSineCounterRef = std::shared_ptr<TSineCounter>;

class TSineCounter {
public:
    int Active = 1;
    float Counter = 0.0f; // degrees
    float Speed = 1.0f;   // degrees per whole tick
    float StartPoint = 0.0f;
    float EndPoint = 360.0f;
    float ratio = 0.0f; // sine of Counter, -1..1
    int RunOnce = 0;    // non-zero: stop at either end of the range instead of wrapping

    static TSineCounterRef Create(float start = 0.0f, float end = 360.0f, float speed = 1.0f,
                                  int runOnce = 0);
    int Init(float start, float end, float speed, int runOnce);
    // One tick; 0 (and nothing changes) while not Active.
    int Manage();
    int SetCounter(float value);
};
