// A one-line text entry: each logic tick it takes at most one typed character, applies its
// character rules and limits, and reports Enter (1) or Escape (-1); each frame it draws the text,
// a flashing underscore and optional dots for the free places. Characters are only appended at
// the end and removed from the end; there is no box and no mouse handling.
#pragma once

#include "framework/TColor.h"
#include "framework/TFont.h"
#include "media/TBitmapFont.h"
#include "media/TGameSound.h"
#include "platform/font.h"

#include <memory>
#include <string>

class TTextInput;
using TTextInputRef = std::shared_ptr<TTextInput>;

class TTextInput {
public:
    std::string Text;
    int MaxLength = 10;    // most characters
    int MaxPixelWidth = 0; // most pixels in the input's font; 0: no limit
    int CurrentChar = 0;   // 1-based place of the next character: Text's length + 1
    int Active = 0;        // 1 while it takes characters
    int Done = 0;          // 1 after Finish
    int ForceDraw = 0;     // 1: drawn while not active too
    int X = 0, Y = 0;      // top-left of the text
    TColorRef TextCol = std::make_shared<TColor>();
    TShadowRef TextShadow = TShadow::Create(1.0f, 1.0f, 0.5f); // null: no shadow
    TColorRef DotCol = std::make_shared<TColor>();
    TColorRef CursorCol = std::make_shared<TColor>();
    int CursorYOffset = 0;
    platform::ImageFontRef Font;
    TBitmapFontPtr BitmapFont; // used instead of Font when set
    int DrawDots = 0;          // 1: dots mark the free places up to MaxLength
    int DrawUnderscore = 1;
    float CursorFlashCounter = 0.0f; // ticks in the current phase
    int CursorFlashSpeed = 0;        // ticks per phase
    int CursorOn = 1;
    int AllowEscToAbort = 1;
    int AllowNull = 1; // 1: Enter accepted with a blank text
    std::string BannedChars;
    int AllowExtendedChars = 0; // 1: codes above 126 accepted
    int NumbersOnly = 0;
    TGameSoundRef TypingSound; // null: silent
    int PlayTypingSoundOnEnter = 1;
    float OffsetX = 0.0f, OffsetY = 0.0f; // added when drawing (an owner's slide)
    int ClearTextOnEscape = 0;
    int UppercaseFirstCharAsTyped = 0;

    // Sets the font, text and place, the default colours and cursor speed, then Reset.
    int Init(const platform::ImageFontRef& font, const std::string& text, int x, int y,
             const TBitmapFontPtr& bitmapFont);
    // Arms the input (typing blocks the game's own keys) and flushes what was typed before.
    int Reset();
    int SetCursorFlashSpeed(int ms);
    // One tick: 1 confirmed, -1 aborted, else 0.
    int Manage();
    int PlayTypingSound();
    // Bans the characters that are unsafe in file names (replacing BannedChars).
    int MakeCharsFileNameSafe();
    // Disarms the input, unblocks the game's keys and drops all pending input.
    int Finish();
    // Width of Text followed by more, in the input's font.
    int GetWidth(const std::string& more);
    int Draw();

private:
    // CurrentChar follows Text, whoever changed it.
    void SyncCurrentChar() { CurrentChar = int(Text.size()) + 1; }
    bool Accepts(int c) const;
    void TypeChar(int c);
    int Confirm();
    void FlashCursor();
    void DrawPart(const std::string& text, float x, float y, const TColor& color);
};
