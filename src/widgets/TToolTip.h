// A hover tip: a background picture with word-wrapped text that comes up after the pointer has
// rested on a target for a while, sits next to the pointer, fades in and out, and may play a
// sound when it comes up. The owner tells it every tick whether the pointer is over the target.
#pragma once

#include "framework/TFont.h"
#include "framework/cc_strings.h"
#include "media/TGameImage.h"
#include "media/TGameSound.h"

#include <memory>
#include <string>

class TToolTip;
using TToolTipRef = std::shared_ptr<TToolTip>;

class TToolTip {
public:
    int Visible = 0; // 1 while shown, its fade-out included
    float x = 0.0f, y = 0.0f;
    TGameImageRef image; // its size is the tip's size
    TFontRef Font;
    float FontScale = 1.0f;
    int RoundedCoords = 1;
    int TextYOffset = 0;
    std::string Text;
    TStringArray TextWrapped;
    int TextDrawWidth = 200; // wrapping width before scaling
    int DrawUnderMouseCursor = 1;
    int GapFromMouse = 5;
    int XOffset = 0;
    int SetCoordsOnceOnly = 1; // 1: placed once when it comes up; 0: follows the pointer
    float CollideCounter = 0.0f;
    int CollideCounterMax = 50; // ticks of rest before it comes up
    int Fade = 1;
    float FadeInSpeed = 0.02f;
    float FadeOutSpeed = 0.04f;
    float FadeLevel = 0.0f;
    int AlwaysShowAboveMouse = 0;
    TGameSoundRef ToolTipSound;

    // One tick; over is 1 while the pointer is over the target.
    int Collide(int over);
    int Kill();
    // 0 when not visible, else draws and returns 1.
    int Draw();
    int SetCollideCounterMax(int ms);
    // 0 while fading; otherwise stores and wraps the text and returns 1.
    int SetText(const std::string& text);

private:
    void PlaceNearPointer();
    void DrawText();
};
