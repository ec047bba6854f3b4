#include "widgets/TTextInput.h"

#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "framework/cc_input.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "platform/draw.h"
#include "platform/input.h"
#include "platform/text.h"
#include "profiles/player_names.h"

int TTextInput::Init(const platform::ImageFontRef& font, const std::string& text, int x, int y,
                     const TBitmapFontPtr& bitmapFont) {
    Font = font;
    BitmapFont = bitmapFont;
    Text = text;
    SyncCurrentChar();
    X = x;
    Y = y;
    TextCol->Set(255, 255, 255, 1.0f);
    DotCol->Set(150, 150, 150, 1.0f);
    CursorCol->Set(0, 255, 255, 1.0f);
    SetCursorFlashSpeed(250);
    return Reset();
}

int TTextInput::Reset() {
    Active = 1;
    Done = 0;
    SyncCurrentChar();
    if (Game) Game->BlockKeys = 1;
    FlushKeys();
    return 0;
}

int TTextInput::SetCursorFlashSpeed(int ms) {
    CursorFlashSpeed = TruncToInt(CalcAnimLength(ms));
    CursorFlashCounter = 0.0f;
    CursorOn = 1;
    return 0;
}

bool TTextInput::Accepts(int c) const {
    return c >= 32 && (c <= 126 || AllowExtendedChars == 1) && CurrentChar <= MaxLength;
}

void TTextInput::TypeChar(int c) {
    std::string ch(1, char(c));
    if (MaxPixelWidth != 0 && GetWidth(ch) > MaxPixelWidth) return;
    if (UppercaseFirstCharAsTyped == 1 && CurrentChar == 1) ch = platform::Upper(ch);
    Text += ch;
    CurrentChar++;
    PlayTypingSound();
}

int TTextInput::Confirm() {
    if (PlayTypingSoundOnEnter == 1) PlayTypingSound();
    if (AllowNull == 1 || !platform::Trim(Text).empty()) {
        Finish();
        return 1;
    }
    ccFlushAll();
    return 0;
}

void TTextInput::FlashCursor() {
    CursorFlashCounter += 1.0f * Delta;
    if (CursorFlashCounter >= float(CursorFlashSpeed)) {
        CursorOn = 1 - CursorOn;
        CursorFlashCounter = 0.0f;
    }
}

int TTextInput::Manage() {
    if (Active == 0) return 0;
    SyncCurrentChar();
    int c = GetChar();
    if (c != 0 && BannedChars.find(char(c)) != std::string::npos) c = 0;
    if (c == platform::vk::BACK) {
        if (CurrentChar > 1) {
            CurrentChar--;
            PlayTypingSound();
        }
        Text = Text.substr(0, size_t(CurrentChar - 1));
    }
    if (NumbersOnly == 1 && c != platform::vk::RETURN && (c < '0' || c > '9')) c = 0;
    if (Accepts(c)) TypeChar(c);
    if (c == platform::vk::RETURN && Confirm() == 1) return 1;
    if (c == platform::vk::ESCAPE && AllowEscToAbort == 1) {
        if (ClearTextOnEscape == 1) Text = "";
        SyncCurrentChar();
        Finish();
        return -1;
    }
    FlashCursor();
    return 0;
}

int TTextInput::PlayTypingSound() {
    if (TypingSound && Game && Game->Channels)
        Game->Channels->PlayGameSound(*TypingSound, nullptr, 1.0f, 0.0f);
    return 0;
}

int TTextInput::MakeCharsFileNameSafe() {
    BannedChars = kFileNameUnsafeChars;
    return 0;
}

int TTextInput::Finish() {
    Active = 0;
    Done = 1;
    if (Game) Game->BlockKeys = 0;
    ccFlushAll();
    return 0;
}

int TTextInput::GetWidth(const std::string& more) {
    if (BitmapFont) return TruncToInt(BitmapFont->StringWidth(Text + more));
    platform::SetImageFont(Font);
    return platform::TextWidth(Text + more);
}

void TTextInput::DrawPart(const std::string& text, float x, float y, const TColor& color) {
    color.Apply();
    if (TextShadow) {
        TextShadow->ApplyToText();
        ccTextAlpha = color.Alpha;
        if (BitmapFont) {
            BitmapFont->DrawAlignedWithShadow(text, x, y, 0, 0, 0);
        } else {
            ccDrawText(text, x, y, 1, 0);
        }
    } else if (BitmapFont) {
        BitmapFont->DrawAligned(text, x, y, 0, 0, 0, 0);
    } else {
        ccDrawText(text, x, y, 0, 0);
    }
}

int TTextInput::Draw() {
    if (Active == 0 && ForceDraw == 0) return 0;
    if (!BitmapFont) platform::SetImageFont(Font);
    const float x = float(X) + OffsetX;
    const float y = float(Y) + OffsetY;
    DrawPart(Text, x, y, *TextCol);
    float place = x + float(GetWidth(""));
    int counted = int(Text.size());
    if (DrawUnderscore == 1 && counted < MaxLength) {
        if (CursorOn == 1) DrawPart("_", place, y + float(CursorYOffset), *CursorCol);
        counted++;
        place += float(BitmapFont ? TruncToInt(BitmapFont->StringWidth("_")) : platform::TextWidth("_"));
    }
    if (DrawDots == 1 && MaxLength - counted > 0)
        DrawPart(std::string(size_t(MaxLength - counted), '.'), place, y, *DotCol);
    TColor::Restore();
    ccTextAlpha = 1.0f;
    return 0;
}
