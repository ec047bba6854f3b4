// The one fade between screens, in Game.GameFade. A screen that is left fades out into the clear
// colour with the music, one pooled channel and the speech; the screen entered fades in. It runs
// in logic ticks inside the main loop, and any key or click cuts it short.
#pragma once

#include "media/TGameChannel.h"
#include "platform/audio.h"

#include <memory>

class TGameFade;
using TGameFadeRef = std::shared_ptr<TGameFade>;

class TGameFade {
public:
    int Length = 0;               // ticks
    float Counter = 0.0f;         // ticks run so far
    int Active = 0;               // 1 while a fade runs
    int Out = 1;                  // 1 fading out, 0 fading in
    float Ratio = 0.0f;           // how visible the screen is, and the volume factor
    int Done = 0;                 // set at the end, cleared by GetDone
    platform::ChannelRef Channel; // faded against the music volume
    TGameChannelRef Channel2;     // faded against the sound volume, stopped after a fade out
    int Channel2IsGameChannelArray = 1;
    int AllowAnim = 0; // 1: the current screen's logic keeps running
    int FadeInAborted = 0;
    float FadeCounterBeforeAbort = 0.0f;
    int SetToFullOnAbort = 1;
    int AbortKey = 0; // the key that cut a fade in short; -1 a click or none; 0 Escape

    // 1 when started, 0 when a fade already runs.
    int Init(float ms, int out, const platform::ChannelRef& channel, int allowAnim, int startCounter,
             const TGameChannelRef& channel2);
    int Finish();
    // 0 running or idle, 1 ended by its length, -1 cut short.
    int Manage();
    int CalcRatio();
    int FadeChannels();
    int Draw();
    // 1 once after a finish.
    int GetDone();
};
