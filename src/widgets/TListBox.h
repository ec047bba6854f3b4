// A list of strings shown as rows inside a rectangle: the player selects a row with any mouse
// button or with Up and Down (with repeat), a second press on the selected row within the
// double-click time reports a double click, and the selected row carries a highlight bar. Polled:
// the owner calls Manage every tick and Draw every frame, and reads Index, Value and DoubleClicked.
#pragma once

#include "framework/TBox.h"
#include "framework/TColor.h"
#include "framework/TFont.h"
#include "framework/cc_strings.h"
#include "media/TGameImage.h"
#include "media/TGameSound.h"
#include "platform/audio.h"
#include "widgets/TKeyRepeat.h"

#include <memory>
#include <string>
#include <vector>

class TScrollBar;
using TScrollBarRef = std::shared_ptr<TScrollBar>;
class TListBox;
using TListBoxRef = std::shared_ptr<TListBox>;

class TListBox {
public:
    TFontRef Font; // row style: H, Color, InverseColor (the selected row's text), Shadow
    int DrawBox = 1;
    TBoxRef Box; // the list's rectangle and its fill colour
    TGameImageRef Background;
    int BackgroundOffsetX = 0, BackgroundOffsetY = 0;
    int TextBorder = 10; // left margin of left-aligned text
    int Gap = 5;         // above and below the text in each row
    int LineYOffset = 0;
    int LineHeight = 0;
    int Centred = 0;
    TStringArray Strings; // the rows; the owner fills and clears it
    int Index = -1;       // the selected row, -1 for none
    int TopIndex = 0;     // the first visible row
    std::string Value;    // the selected row's text
    TColorRef HighlightCol;
    int HighlightUnder = 1; // 1: the bar under the text, 0: over it
    int HighlightTopBorder = 0, HighlightBottomBorder = 0;
    int DoubleClicked = -1;
    float DoubleClickTime = 0.0f; // ticks
    float DoubleClickCounter = 0.0f;
    int Limit = 0; // most rows shown from TopIndex; 0: all
    int RoundHeight = 1;
    int DisplayLines = 0;
    TGameSoundRef ClickSound;
    platform::ChannelRef ClickChannel; // only without the game's channel pool
    int NoShadowOnHighlighted = 0;
    int ArrowKeysMoveHighlight = 1;
    std::vector<int> LockedArray; // non-zero: the row is drawn in LockedColor
    TColorRef LockedColor;
    TScrollBarRef ScrollBar;
    float Scale = 1.0f;
    float FontScale = 1.0f;
    double OldScale = 0.0;
    TKeyRepeatRef UpKeyRepeat, DownKeyRepeat;
    int RoundTextX = 1, RoundTextY = 1;

    // The first argument is not used (the default text border stands).
    static TListBoxRef Create(int first, int gap, int centred, int drawBox, int doubleClickMs);
    int CalcLineHeight();
    int ClearIndex();
    int Draw();
    int DrawHighlight();
    int GetDoubleClicked();
    int GetIndexY() const;
    // One past the last visible row.
    int GetTempLimit() const;
    int Init(int first, int gap, int centred, int drawBox);
    int Kill();
    // Always 0; the owner reads Index, Value and DoubleClicked.
    int Manage();
    int PlayClick();
    int SetClickSound(const TGameSoundRef& sound);
    int SetCoords(float x, float y, float w, float h);
    // Selects row i (-1 for none) and scrolls it into view.
    int SetIndex(int i);
    int SetTopIndex(int i);
    int SetupBox(const TColorRef& color);
    int SetupFont(const platform::ImageFontRef& imageFont, const TColorRef& color, const TShadowRef& shadow,
                  const TBitmapFontRef& bitmapFont, const TColorRef& inverseColor);

private:
    int Count() const { return int(Strings.size()); }
    // The row's text; "" for a row that does not exist.
    std::string RowText(int i) const;
    float RowTop(int i) const;
    bool Locked(int i) const;
    void ManageMouse();
    void ManageKeys();
    void DrawRow(int i, float x, float y);
};
