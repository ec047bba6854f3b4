#include "widgets/TListBox.h"

#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "media/TBitmapFont.h"
#include "platform/draw.h"
#include "platform/input.h"
#include "widgets/TScrollBar.h"

#include <cmath>

TListBoxRef TListBox::Create(int first, int gap, int centred, int drawBox, int doubleClickMs) {
    TListBoxRef list = std::make_shared<TListBox>();
    list->Init(first, gap, centred, drawBox);
    list->Font =
        TFont::Create(nullptr, TColor::Create(255, 255, 255, 1.0f), nullptr, 0, nullptr, nullptr, "");
    list->Box = TBox::Create(0, 0, 0, 0, TColor::Create(0, 0, 0, 1.0f));
    list->HighlightCol = TColor::Create(0, 0, 150, 1.0f);
    list->Strings.clear();
    list->DoubleClickTime = CalcAnimLength(doubleClickMs);
    list->UpKeyRepeat = TKeyRepeat::Create(400, 100);
    list->DownKeyRepeat = TKeyRepeat::Create(400, 100);
    if (!Game || !Game->Channels) list->ClickChannel = platform::AllocChannel();
    return list;
}

int TListBox::Init(int, int gap, int centred, int drawBox) {
    Gap = gap;
    Centred = centred;
    DrawBox = drawBox;
    return 0;
}

int TListBox::CalcLineHeight() {
    LineHeight = ccRound(Font->H) + 2 * Gap;
    // A row of no height would divide by zero: the box keeps its height and shows no whole row.
    if (LineHeight <= 0) {
        DisplayLines = 0;
        return 0;
    }
    if (RoundHeight != 0) Box->H = std::floor(Box->H / float(LineHeight)) * float(LineHeight);
    DisplayLines = TruncToInt(Box->H / float(LineHeight));
    return 0;
}

int TListBox::ClearIndex() {
    Index = -1;
    Value = "";
    return 0;
}

std::string TListBox::RowText(int i) const {
    return (i >= 0 && i < Count()) ? Strings[size_t(i)] : std::string();
}

float TListBox::RowTop(int i) const {
    return Box->Y + float(i - TopIndex) * float(LineHeight) * Scale;
}

bool TListBox::Locked(int i) const {
    // A locked row without a locked colour is drawn like any other.
    return LockedColor && i >= 0 && i < int(LockedArray.size()) && LockedArray[size_t(i)] != 0;
}

int TListBox::GetTempLimit() const {
    if (Limit == 0 || TopIndex + Limit > Count()) return Count();
    return TopIndex + Limit;
}

int TListBox::GetDoubleClicked() {
    const int clicked = DoubleClicked;
    DoubleClicked = -1;
    return clicked;
}

int TListBox::GetIndexY() const {
    if (Index == -1) return 0;
    return TruncToInt(RowTop(Index));
}

int TListBox::SetIndex(int i) {
    Index = i;
    if (i == -1) {
        Value = "";
        return 0;
    }
    Value = RowText(i);
    if (Index < TopIndex) TopIndex = Index;
    if (Limit > 0 && TopIndex < Index - (Limit - 1)) TopIndex = Index - (Limit - 1);
    if (ScrollBar) {
        ScrollBar->SliderSetPosition(TopIndex);
        ScrollBar->ValueCalc();
        ScrollBar->DisableButtons();
    }
    return 0;
}

int TListBox::SetTopIndex(int i) {
    TopIndex = i;
    if (TopIndex < 0) TopIndex = 0;
    if (TopIndex + Limit > Count() - 1) TopIndex = Count() - Limit;
    if (TopIndex < 0) TopIndex = 0;
    return 0;
}

int TListBox::SetCoords(float x, float y, float w, float h) {
    Box->X = x;
    Box->Y = y;
    Box->W = w;
    Box->H = h;
    return 0;
}

int TListBox::SetupBox(const TColorRef& color) {
    Box->Color = color;
    return 0;
}

int TListBox::SetupFont(const platform::ImageFontRef& imageFont, const TColorRef& color,
                        const TShadowRef& shadow, const TBitmapFontRef& bitmapFont,
                        const TColorRef& inverseColor) {
    Font->Init(imageFont, color, shadow, 0, bitmapFont, inverseColor, "");
    CalcLineHeight();
    if (bitmapFont) OldScale = bitmapFont->ScaleFactor;
    return 0;
}

int TListBox::SetClickSound(const TGameSoundRef& sound) {
    ClickSound = sound;
    if (ScrollBar && ScrollBar->Menu) {
        if (TButtonRef up = ScrollBar->Menu->FindButton(ScrollBar->UpName)) up->SoundClick2 = sound;
        if (TButtonRef down = ScrollBar->Menu->FindButton(ScrollBar->DownName)) down->SoundClick2 = sound;
    }
    return 0;
}

int TListBox::PlayClick() {
    if (!ClickSound) return 0;
    if (Game && Game->Channels) {
        Game->Channels->PlayGameSound(*ClickSound, nullptr, 1.0f, 0.0f);
    } else {
        ClickSound->PlayInChannel(ClickChannel, 0.0f);
    }
    return 0;
}

void TListBox::ManageMouse() {
    // Every tick, so the list takes the presses of its tick whether or not a row is hit.
    if (Game->Mouse->GetMh(1) == 0) return;
    const int mx = Game->Mouse->x, my = Game->Mouse->y;
    const int end = GetTempLimit();
    for (int i = TopIndex; i < end; ++i) {
        const float top = RowTop(i);
        const bool inX = Box->X <= float(mx) && float(mx) < Box->X + Box->W * Scale;
        const bool inY = float(my) > top && float(my) < top + float(LineHeight) * Scale;
        if (!inX || !inY) continue;
        if (DoubleClickCounter > 0.0f && Index == i) {
            DoubleClicked = i;
        } else {
            PlayClick();
        }
        SetIndex(i);
        DoubleClickCounter = DoubleClicked == -1 ? DoubleClickTime : 0.0f;
        return;
    }
}

void TListBox::ManageKeys() {
    // Both are asked every tick so that their repeat timers run.
    const int up = UpKeyRepeat->GetKey(platform::vk::UP);
    const int down = DownKeyRepeat->GetKey(platform::vk::DOWN);
    if (up && Index > 0) {
        PlayClick();
        SetIndex(Index - 1);
    }
    if (down && Index < Count() - 1) {
        PlayClick();
        SetIndex(Index + 1);
    }
}

int TListBox::Manage() {
    if (ScrollBar) {
        ScrollBar->Manage();
        TopIndex = ScrollBar->Value;
    }
    ManageMouse();
    if (ArrowKeysMoveHighlight != 0) ManageKeys();
    if (DoubleClickCounter > 0.0f) DoubleClickCounter -= 1.0f * Delta;
    return 0;
}

void TListBox::DrawRow(int i, float x, float y) {
    bool locked = false;
    if (i == Index) {
        if (Font->InverseColor) Font->InverseColor->Apply();
    } else if (Locked(i)) {
        LockedColor->Apply();
        locked = true;
    }
    const bool shadow = Font->Shadow && !(NoShadowOnHighlighted == 1 && i == Index);
    const float alpha = locked ? LockedColor->Alpha : Font->Color ? Font->Color->Alpha : 1.0f;
    if (shadow) {
        Font->Shadow->ApplyToText();
        ccTextAlpha = alpha;
    } else {
        platform::SetAlpha(alpha);
    }
    const int align = Centred != 0 ? 1 : 0;
    if (auto* bitmap = dynamic_cast<TBitmapFont*>(Font->BitmapFont.get())) {
        const int roundX = Scale == 1.0f ? RoundTextX : 0, roundY = Scale == 1.0f ? RoundTextY : 0;
        if (shadow) {
            bitmap->DrawAlignedWithShadow(RowText(i), x, y, align, roundX, roundY);
        } else {
            bitmap->DrawAligned(RowText(i), x, y, align, roundX, roundY, 0);
        }
    } else {
        ccDrawTextAligned(RowText(i), x, y, shadow ? 1 : 0, align, 1);
    }
    if ((i == Index || locked) && Font->Color) Font->Color->Apply();
}

int TListBox::Draw() {
    if (Background)
        platform::DrawImage(Background->image, Box->X + float(BackgroundOffsetX),
                            Box->Y + float(BackgroundOffsetY), 0);
    if (DrawBox != 0) Box->Draw();
    const float x = Centred != 0 ? Box->X + (Box->W / 2.0f) * Scale : Box->X + float(TextBorder) * Scale;
    float y = Box->Y + float(Gap + LineYOffset) * Scale;
    if (HighlightUnder != 0) DrawHighlight();
    Font->Apply();
    const int end = GetTempLimit();
    if (Font->BitmapFont) {
        Font->BitmapFont->ScaleFactor = Scale * FontScale;
    } else {
        platform::SetScale(Scale, Scale);
    }
    for (int i = TopIndex; i < end; ++i) {
        DrawRow(i, x, y);
        y += float(LineHeight) * Scale;
    }
    if (Font->BitmapFont) {
        Font->BitmapFont->ScaleFactor = OldScale;
    } else {
        platform::SetScale(1.0f, 1.0f);
    }
    if (Font->Color) TColor::Restore();
    if (HighlightUnder == 0) DrawHighlight();
    if (ScrollBar) ScrollBar->Draw();
    return 0;
}

int TListBox::DrawHighlight() {
    if (Index == -1 || Index < TopIndex || Index >= GetTempLimit()) return 0;
    HighlightCol->Apply();
    platform::DrawRect(Box->X, RowTop(Index) + float(HighlightTopBorder), Box->W * Scale,
                       float(LineHeight) * Scale - float(HighlightTopBorder + HighlightBottomBorder));
    TColor::Restore();
    return 0;
}

int TListBox::Kill() {
    if (Box) Box->Kill();
    if (Font) Font->Kill();
    Strings.clear();
    HighlightCol = nullptr;
    if (!(Game && Game->Channels) && ClickChannel) platform::StopChannel(ClickChannel);
    ClickChannel = nullptr;
    return 0;
}
