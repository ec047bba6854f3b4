#include "media/TSlideShow.h"

#include "framework/cc_draw.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "platform/draw.h"

#include <algorithm>

TTransitionEffectRef TTransitionEffect::Create(int type, int ms) {
    auto effect = std::make_shared<TTransitionEffect>();
    effect->EffectType = type;
    effect->Length = TruncToInt(CalcAnimLength(ms));
    return effect;
}

TTransitionEffectRef TTransitionEffect::CreateCopy() const {
    auto copy = std::make_shared<TTransitionEffect>();
    copy->EffectType = EffectType;
    copy->Length = Length;
    copy->ScrollSpeedX = ScrollSpeedX;
    copy->ScrollSpeedY = ScrollSpeedY;
    copy->MaskImage = MaskImage;
    copy->MaskStartSize = MaskStartSize;
    copy->MaskEndSize = MaskEndSize;
    return copy;
}

TSlideRef TSlide::Create(const std::string& imageFile, int flags, int centred, const TTransitionEffectRef& in,
                         const TTransitionEffectRef& hold, const TTransitionEffectRef& out,
                         const std::string& /*slideName*/) {
    auto slide = std::make_shared<TSlide>();
    if (!imageFile.empty()) slide->Image = TGameImage::Create(imageFile, flags, centred);
    slide->InEffect = in;
    slide->HoldEffect = hold;
    slide->OutEffect = out;
    slide->Centred = centred;
    if (centred != 0) slide->CentreCoords();
    slide->CurrentEffect = in ? in : hold ? hold : out;
    return slide;
}

int TSlide::CentreCoords() {
    if (!Image) return 0;
    x = float(ScreenWidth / 2);
    y = float(ScreenHeight / 2);
    return 0;
}

int TSlide::Kill() {
    Image = nullptr;
    LastSlide = nullptr;
    return 0;
}

int TSlide::StoreOriginalCoords() {
    ox = x;
    oy = y;
    return 0;
}

void TSlide::Move(float step) {
    x -= CurrentEffect->ScrollSpeedX * step;
    y -= CurrentEffect->ScrollSpeedY * step;
    scale += CurrentEffect->ZoomSpeed * step;
}

bool TSlide::NextEffect() {
    if (CurrentEffect == InEffect && HoldEffect)
        CurrentEffect = HoldEffect;
    else if (CurrentEffect != OutEffect && OutEffect)
        CurrentEffect = OutEffect;
    else
        return false;
    return true;
}

int TSlide::Manage() {
    if (!CurrentEffect) return 1; // a slide without effects ends at once
    int moving = UserManage ? UserManage(*this) : 1;
    if (moving != 0) {
        Move(Delta);
        if (CurrentEffect->EffectType == TTransitionEffect::CROSS_FADE && LastSlide &&
            LastSlide->CurrentEffect)
            LastSlide->Move(Delta);
    }
    Counter += Delta;
    if (Counter < float(CurrentEffect->Length)) return 0;
    Counter -= float(CurrentEffect->Length); // the excess counts in the next effect
    return NextEffect() ? 0 : 1;
}

float TSlide::Progress() const {
    // An effect of no length is already complete.
    return CurrentEffect->Length > 0 ? Counter / float(CurrentEffect->Length) : 1.0f;
}

int TSlide::Draw() {
    if (!CurrentEffect) return 0;
    float r = Progress();
    int type = CurrentEffect->EffectType;
    platform::SetBlend(platform::BLEND_SOLID);
    if (type == TTransitionEffect::CROSS_FADE) {
        // Without a slide before, the cross-fade rises from black.
        if (LastSlide && LastSlide->Image) {
            platform::SetScale(LastSlide->scale, LastSlide->scale);
            platform::DrawImage(LastSlide->Image->image, LastSlide->x, LastSlide->y);
            if (LastSlide->UserDraw) {
                platform::SetBlend(platform::BLEND_ALPHA);
                LastSlide->UserDraw(*LastSlide);
            }
            platform::SetScale(1, 1);
        } else {
            platform::SetColor(0, 0, 0);
            platform::DrawRect(0, 0, float(ScreenWidth), float(ScreenHeight));
            platform::SetColor(255, 255, 255);
        }
        platform::SetBlend(platform::BLEND_ALPHA);
        platform::SetAlpha(r);
    }
    if (Image) {
        platform::SetScale(scale, scale);
        platform::DrawImage(Image->image, x, y);
    }
    platform::SetBlend(platform::BLEND_ALPHA);
    if (UserDraw) UserDraw(*this);
    platform::SetScale(1, 1);
    platform::SetAlpha(1);
    const TTransitionEffect& effect = *CurrentEffect;
    bool mask = effect.MaskImage != nullptr;
    float grown = effect.MaskStartSize + r * (effect.MaskEndSize - effect.MaskStartSize);
    if (mask && (type == TTransitionEffect::PLAIN || type == TTransitionEffect::CROSS_FADE))
        DrawMask(effect.MaskEndSize);
    if (type == TTransitionEffect::IN_FROM_BLACK || type == TTransitionEffect::OUT_TO_BLACK) {
        float dim = type == TTransitionEffect::IN_FROM_BLACK ? 1.0f - r : r;
        if (mask) DrawMask(grown);
        if (!mask || effect.MaskAndFade == 1) ccDimScreen(dim);
    }
    return 0;
}

int TSlide::DrawMask(float size) {
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetScale(size, size);
    platform::DrawImage(CurrentEffect->MaskImage->image, float(ScreenWidth / 2), float(ScreenHeight / 2), 0);
    platform::SetScale(1, 1);
    return 0;
}

TSlideShowRef TSlideShow::Create() {
    return std::make_shared<TSlideShow>();
}

TSlideRef TSlideShow::AddSlide(const std::string& imageFile, int flags, int centred,
                               const TTransitionEffectRef& in, const TTransitionEffectRef& hold,
                               const TTransitionEffectRef& out, const std::string& slideName) {
    TSlideRef slide = TSlide::Create(imageFile, flags, centred, in, hold, out, slideName);
    AddLast(slide);
    return slide;
}

int TSlideShow::Kill() {
    for (const auto& slide : *this)
        slide->Kill();
    Clear();
    return 0;
}

TSlideRef TSlideShow::GetCurrentSlide() const {
    return ValueAtIndex(CurrentSlide);
}

int TSlideShow::PreCache() {
    for (const auto& slide : *this)
        if (slide->Image) slide->Image->Precache();
    return 0;
}

int TSlideShow::Manage() {
    if (Finished == 1) return 0;
    TSlideRef slide = GetCurrentSlide();
    if (slide && slide->Manage() != 1) return 0;
    ++CurrentSlide;
    if (CurrentSlide >= Count()) {
        Finished = 1;
        CurrentSlide = std::max(0, Count() - 1);
        return 1;
    }
    GetCurrentSlide()->LastSlide = slide;
    return 2;
}

int TSlideShow::Draw() {
    if (Finished == 1) return 0;
    TSlideRef slide = GetCurrentSlide();
    if (!slide) return 0; // an empty show draws nothing
    slide->Draw();
    platform::SetBlend(platform::BLEND_SOLID);
    if (LetterBoxHeight > 0) {
        int bar = (ScreenHeight - LetterBoxHeight) / 2;
        if (bar > 0) {
            platform::SetColor(0, 0, 0);
            platform::DrawRect(0, 0, float(ScreenWidth), float(bar));
            platform::DrawRect(0, float(ScreenHeight - bar), float(ScreenWidth), float(bar));
            platform::SetColor(255, 255, 255);
        }
    }
    return 1;
}
