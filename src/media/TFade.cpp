#include "media/TFade.h"

#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "platform/draw.h"
#include "platform/input.h"
#include "platform/system.h"

#include <algorithm>

namespace {

// A key, a mouse button or a request to quit ends a blocking fade. Asking pumps the system, so
// the window keeps answering; the quit request stays queued for the game's own event pump.
bool Skipped() {
    return ccMouseButtons() || ccAnyKeyPressed() || platform::QuitRequested();
}

float Now() {
    return float(platform::MilliSecs());
}

} // namespace

int TFade::Init(float ms, const platform::ImageRef& image, const platform::ChannelRef& channel) {
    Image = image;
    Channel = channel;
    Length = ms;
    return Reset();
}

int TFade::Reset() {
    StartTime = Now();
    Elapsed = 0.0f;
    LastTime = StartTime;
    return 0;
}

int TFade::CentreImage() {
    X = (ScreenWidth - platform::ImageWidth(Image)) / 2;
    Y = (ScreenHeight - platform::ImageHeight(Image)) / 2;
    return 0;
}

int TFade::FadeDo(int out) {
    Out = out;
    ccFlushAll();
    while (Elapsed <= Length) {
        if (Skipped()) {
            ccRestoreSolidMode();
            ccFlushAll();
            return -1;
        }
        float now = Now();
        Elapsed = now - StartTime;
        // A fade of no length is over at once.
        Ratio = Length > 0 ? std::clamp(Elapsed / Length, 0.0f, 1.0f) : 1.0f;
        if (out == 1) Ratio = 1.0f - Ratio;
        if (Background) MoveBackground(now, Elapsed);
        Draw();
    }
    ccRestoreSolidMode();
    return 1;
}

int TFade::MoveBackground(float now, float elapsed) {
    float seconds = (now - LastTime) / 1000.0f;
    BackgroundX += BackgroundXSpeed * seconds;
    BackgroundY += BackgroundYSpeed * seconds;
    BackgroundZoom += BackgroundZoomSpeed * seconds;
    switch (Out) {
    case -1:
        BackgroundAlpha = 1.0f;
        break;
    case 0:
        BackgroundAlpha = BackgroundFadeTime > 0 ? std::min(1.0f, elapsed / BackgroundFadeTime) : 1.0f;
        break;
    case 1:
        // Above 1 until the last BackgroundFadeTime ms; the platform clamps the alpha.
        BackgroundAlpha =
            BackgroundFadeTime > 0
                ? std::max(0.0f, 1.0f - (elapsed - (Length - BackgroundFadeTime)) / BackgroundFadeTime)
                : 1.0f;
        break;
    default:
        break;
    }
    LastTime = now;
    return 0;
}

int TFade::WaitForTime(float ms) {
    Out = -1;
    Reset();
    Ratio = 1.0f;
    while (Elapsed <= ms) {
        float now = Now();
        Elapsed = now - StartTime;
        if (Skipped()) return -1;
        if (Background) MoveBackground(now, Elapsed);
        Draw();
    }
    return 0;
}

int TFade::Draw() {
    platform::Cls();
    if (Background) {
        platform::SetBlend(platform::BLEND_ALPHA);
        platform::SetScale(BackgroundZoom, BackgroundZoom);
        platform::SetAlpha(BackgroundAlpha);
        platform::DrawImage(Background, -BackgroundX * BackgroundZoom, -BackgroundY * BackgroundZoom);
        platform::SetScale(1, 1);
    }
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetAlpha(Ratio);
    platform::DrawImage(Image, float(X), float(Y));
    if (Channel && Game) platform::SetChannelVolume(Channel, Ratio * float(Game->SoundVolume) / 100.0f);
    return ccFlip();
}

int TFade::Full() {
    Ratio = 1.0f;
    return Draw();
}

int TFade::Zero() {
    Ratio = 0.0f;
    return Draw();
}

int ccFadeScreen(int ms, int fadeOut, const platform::ChannelRef& channel) {
    int wasPolled = ccPolledInputState;
    if (!wasPolled) {
        ccFlushAll();
        ccEnablePolledInput();
    }
    platform::ImageRef grab = platform::CreateImage(ScreenWidth, ScreenHeight, 1);
    platform::GrabImage(grab, 0, 0);
    platform::SetImageHandle(grab, 0, 0);
    TFade fade;
    fade.Init(float(ms), grab, channel);
    fade.FadeDo(fadeOut);
    if (fadeOut)
        fade.Zero();
    else
        fade.Full();
    ccRestoreSolidMode();
    if (!wasPolled) {
        ccDisablePolledInput();
        ccFlushAll();
    }
    return 0;
}
