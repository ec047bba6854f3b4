#include "widgets/TSlider.h"

#include "core/TGame.h"
#include "framework/cc_numbers.h"
#include "platform/draw.h"

#include <algorithm>

TSliderRef TSlider::CreateSpecial(const std::string& bar, const std::string& dot, int x, int y, int border,
                                  const std::string& name, int slackY) {
    TSliderRef slider = std::make_shared<TSlider>();
    slider->Load(bar, dot, name);
    slider->x = float(x);
    slider->y = float(y);
    slider->Border = border;
    slider->BorderY = slackY;
    slider->SetValue(50);
    slider->DotY = TruncToInt(slider->y);
    slider->active = 1;
    return slider;
}

int TSlider::Load(const std::string& bar, const std::string& dot, const std::string& newName) {
    SetName(newName);
    LoadImages(bar, dot);
    return Init();
}

int TSlider::LoadImages(const std::string& bar, const std::string& dot) {
    image = std::make_shared<TGameImage>();
    image->Load(Game->ImagePath + bar + Ext, -1, 0);
    image->MidHandle(0);
    DotImage = std::make_shared<TGameImage>();
    DotImage->Load(Game->ImagePath + dot + Ext, -1, 0);
    DotImage->MidHandle(0);
    return 0;
}

int TSlider::Init() {
    TSprite::Init();
    return GetSize();
}

int TSlider::SetValue(int value) {
    Value = std::clamp(value, 0, 100);
    const float dotHalf = DotImage ? float(DotImage->w) / 2.0f : 0.0f;
    DotX = TruncToInt(x + float(Border) + float(w - 2 * Border) * float(Value) / 100.0f - dotHalf);
    return 0;
}

int TSlider::Manage() {
    if (active == 0) return 0;
    const int mx = Game->Mouse->x, my = Game->Mouse->y;
    const bool over = float(mx) >= x - 10.0f && float(mx) < x + float(w) + 10.0f &&
                      float(my) >= y - float(BorderY) && float(my) < y + float(h) + float(BorderY);
    MouseOver = over ? 1 : 0;
    if (!over || Game->Mouse->GetMb() == 0) return 0;
    if (float(mx) <= x + float(Border)) {
        SetValue(0);
    } else if (float(mx) >= x + float(w - Border)) {
        SetValue(100);
    } else {
        SetValue(ccRound((float(mx) - x - float(Border)) / float(w - 2 * Border) * 100.0f));
    }
    return 1;
}

int TSlider::Draw() {
    if (active == 0) return 0;
    platform::SetBlend(platform::BLEND_ALPHA);
    if (image) platform::DrawImage(image->image, x, y, 0);
    if (DotImage) platform::DrawImage(DotImage->image, float(DotX), float(DotY), 0);
    return 0;
}
