#include "widgets/TScrollBar.h"

#include "core/TGame.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "platform/draw.h"

#include <algorithm>

TScrollBarRef TScrollBar::Create(const TGameImageRef& slider, int size, double valueMax, float x, float y,
                                 int vertical) {
    TScrollBarRef bar = std::make_shared<TScrollBar>();
    bar->Slider = slider;
    bar->Size = size;
    bar->ValueMax = std::max(0.0, valueMax);
    bar->X = x;
    bar->Y = y;
    bar->Vertical = vertical;
    return bar;
}

int TScrollBar::TrackLength() const {
    if (!Slider) return Size;
    return Size - (Vertical != 0 ? Slider->h : Slider->w);
}

int TScrollBar::SliderSetPosition(double value) {
    // Without a range or without room to move, the slider stays at the start.
    const int length = TrackLength();
    SliderPosition = (ValueMax == 0.0 || length <= 0) ? 0 : ccRound(float(value * length / ValueMax));
    return 0;
}

int TScrollBar::ValueCalc() {
    const int length = TrackLength();
    ValuePrecise =
        (ValueMax == 0.0 || length <= 0) ? 0.0 : double(SliderPosition) / (double(length) / ValueMax);
    return ValueRound();
}

int TScrollBar::ValueRound() {
    Value = ccRound(float(ValuePrecise));
    return 0;
}

int TScrollBar::DisableButtons() {
    if (!Menu) return 0;
    TButtonRef up = Menu->FindButton(UpName);
    if (up && up->ImageDisabled) up->Disabled = ValuePrecise == 0.0 ? 1 : 0;
    TButtonRef down = Menu->FindButton(DownName);
    if (down && down->ImageDisabled) down->Disabled = ValuePrecise == ValueMax ? 1 : 0;
    return 0;
}

int TScrollBar::SetArrows(const std::string& upName, const std::string& downName, int clickMs) {
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    TButtonRef up = Menu->AddQuickAuto(upName, "");
    TButtonRef down = Menu->AddQuickAuto(downName, "");
    UpName = upName;
    DownName = downName;
    for (const TButtonRef& button : {up, down}) {
        button->ClickDisabled = 0;
        button->MouseClickDuration = float(TruncToInt(CalcAnimLength(clickMs)));
        button->ClickWhenDown = 1;
        button->SetupMouseRepeat(400, 100);
    }
    const int sw = Slider ? Slider->w : 0, sh = Slider ? Slider->h : 0;
    if (Vertical != 0) {
        up->MoveTo(X + float((sw - up->w) / 2), Y - float(up->h));
        down->MoveTo(X + float((sw - down->w) / 2), Y + float(Size));
    } else {
        up->MoveTo(X - float(up->w), Y + float((sh - up->h) / 2));
        down->MoveTo(X + float(Size), Y + float((sh - down->h) / 2));
    }
    Menu->StoreOriginalCoords();
    Menu->CalcCoords();
    return DisableButtons();
}

int TScrollBar::SetBackground(const TGameImageRef& image, float x, float y) {
    Background = image;
    BackgroundX = x;
    BackgroundY = y;
    return 0;
}

int TScrollBar::SetCoords(float x, float y) {
    const float dx = x - X, dy = y - Y;
    X = x;
    Y = y;
    BackgroundX += dx;
    BackgroundY += dy;
    if (Menu)
        for (const TButtonRef& button : *Menu)
            button->MoveBy(dx, dy);
    return 0;
}

void TScrollBar::StepValue(double by) {
    ValuePrecise = std::clamp(ValuePrecise + by, 0.0, ValueMax);
    ValueRound();
    SliderSetPosition(ValuePrecise);
    DisableButtons();
}

bool TScrollBar::PointerOverSlider(int mx, int my) const {
    if (!Slider) return false;
    const float along = float(SliderPosition);
    if (Vertical != 0)
        return X <= float(mx) && float(mx) < X + float(Slider->w) && Y + along <= float(my) &&
               float(my) < Y + along + float(Slider->h);
    return X + along <= float(mx) && float(mx) < X + along + float(Slider->w) && Y <= float(my) &&
           float(my) < Y + float(Slider->h);
}

int TScrollBar::Manage() {
    if (Menu) {
        Menu->Manage(0, 0);
        if (Menu->Clicked(UpName) && ValuePrecise > 0.0) StepValue(-ValueStep);
        if (Menu->Clicked(DownName) && ValuePrecise < ValueMax) StepValue(ValueStep);
    }
    if (SliderGlow > 0.0f) SliderGlow = std::max(0.0f, SliderGlow - GlowSpeed * Delta);
    const int mx = Game->Mouse->x, my = Game->Mouse->y;
    const bool over = PointerOverSlider(mx, my);
    if (FixedGlowOnMO != 0 && over) SliderGlow = GlowMax;
    if (SliderSelected != 0) SliderGlow = GlowMax;
    if (Game->Mouse->GetMb() == 0) {
        SliderSelected = 0;
    } else if (SliderSelected != 0) {
        const float along = Vertical != 0 ? float(my) - Y : float(mx) - X;
        // Without a range the slider has nowhere to go.
        const int last = ValueMax == 0.0 ? 0 : std::max(0, TrackLength());
        SliderPosition = std::clamp(TruncToInt(along - float(SliderOffset)), 0, last);
        ValueCalc();
        DisableButtons();
    } else if (over) {
        SliderSelected = 1;
        const float start = (Vertical != 0 ? Y : X) + float(SliderPosition);
        SliderOffset = TruncToInt(float(Vertical != 0 ? my : mx) - start);
    }
    return 0;
}

int TScrollBar::Draw() {
    if (Background) Background->Draw(BackgroundX, BackgroundY, 0, nullptr);
    if (Menu) Menu->Draw(0, 0);
    if (!Slider) return 0;
    const float along = float(SliderPosition) * Scale;
    const float sx = Vertical != 0 ? X : X + along, sy = Vertical != 0 ? Y + along : Y;
    platform::SetScale(Scale, Scale);
    platform::DrawImage(Slider->image, sx, sy, 0);
    if (SliderGlow > 0.0f) {
        platform::SetBlend(platform::BLEND_LIGHT);
        platform::SetAlpha(SliderGlow);
        platform::DrawImage(Slider->image, sx, sy, 0);
        platform::SetAlpha(1.0f);
        platform::SetBlend(platform::BLEND_ALPHA);
    }
    platform::SetScale(1.0f, 1.0f);
    return 0;
}

int TScrollBar::Kill() {
    Background = nullptr;
    Slider = nullptr;
    if (Menu) Menu->Kill();
    return 0;
}
