#include "media/TCrossFade.h"

#include "platform/draw.h"

TCrossFadeRef TCrossFade::Create(const platform::ImageRef& image1, const platform::ImageRef& image2, int ms) {
    auto fade = std::make_shared<TCrossFade>();
    fade->Init(image1, image2, ms);
    return fade;
}

int TCrossFade::Init(const platform::ImageRef& image1, const platform::ImageRef& image2, int ms) {
    Image1 = image1;
    Image2 = image2;
    Anim = TAnimation::Create(ms, 0, 0, 0, 0);
    Anim->Start();
    return 0;
}

int TCrossFade::Manage() {
    if (Anim) Anim->Manage();
    return 0;
}

int TCrossFade::Draw() {
    platform::SetBlend(platform::BLEND_SOLID);
    platform::DrawImage(Image1, X1, Y1);
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetAlpha(Anim ? Anim->GetRatioInv() : 1.0f);
    platform::DrawImage(Image2, X2, Y2);
    platform::SetAlpha(1.0f);
    return 0;
}

int TCrossFade::SetImage1Coords(float x, float y) {
    X1 = x;
    Y1 = y;
    return 0;
}

int TCrossFade::SetImage2Coords(float x, float y) {
    X2 = x;
    Y2 = y;
    return 0;
}
