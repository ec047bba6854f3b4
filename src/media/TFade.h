// The image fader: one picture faded in, held or faded out on a cleared screen, optionally over a
// background that drifts, zooms and fades on its own, with a channel whose volume follows the
// picture. It runs its own loop on the millisecond clock and flips the display itself, until
// the time is up or a key, a mouse button or a request to quit cuts it short.
#pragma once

#include "platform/audio.h"
#include "platform/image.h"

class TFade {
public:
    platform::ChannelRef Channel;
    platform::ImageRef Image;
    int X = 0, Y = 0;
    float Length = 0.0f; // ms of a fade in or out
    float StartTime = 0.0f;
    float Elapsed = 0.0f;
    float Ratio = 0.0f; // the picture's alpha
    float LastTime = 0.0f;
    platform::ImageRef Background;
    float BackgroundX = 0.0f, BackgroundY = 0.0f;
    float BackgroundZoom = 1.0f;
    float BackgroundXSpeed = 0.0f, BackgroundYSpeed = 0.0f; // pixels per second
    float BackgroundZoomSpeed = 0.0f;                       // per second
    float BackgroundFadeTime = 0.0f;                        // ms
    float BackgroundAlpha = 0.0f;
    int Out = 0; // 0 fade in, 1 fade out, -1 hold

    int Init(float ms, const platform::ImageRef& image, const platform::ChannelRef& channel);
    // Restarts the clock.
    int Reset();
    int CentreImage();
    // Runs the fade from the clock's last Reset: 1 when it ran to its end, -1 when cut short.
    int FadeDo(int out);
    int MoveBackground(float now, float elapsed);
    // Holds the picture: 0 when ms passed, -1 when cut short.
    int WaitForTime(float ms);
    // Clears, draws the background and the picture, sets the channel's volume, flips.
    int Draw();
    int Full();
    int Zero();
};

// Fades a grab of the frame drawn so far out (fadeOut 1) or in, with polled input switched on for
// its run; a key or button cuts it short, and the end state is drawn either way.
int ccFadeScreen(int ms, int fadeOut, const platform::ChannelRef& channel);
