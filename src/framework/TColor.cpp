#include "framework/TColor.h"

#include "platform/draw.h"

TColorRef TColor::Create(int r, int g, int b, float alpha) {
    auto color = std::make_shared<TColor>();
    color->Set(r, g, b, alpha);
    return color;
}

int TColor::Apply() const {
    platform::SetColor(R, G, B);
    platform::SetAlpha(Alpha);
    return 0;
}

int TColor::ApplyNoAlpha() const {
    platform::SetColor(R, G, B);
    return 0;
}

int TColor::Copy(const TColor& from) {
    R = from.R;
    G = from.G;
    B = from.B;
    Alpha = from.Alpha;
    return 0;
}

int TColor::Get(int& r, int& g, int& b) const {
    r = R;
    g = G;
    b = B;
    return 0;
}

int TColor::GetFull(int& r, int& g, int& b, float& alpha) const {
    Get(r, g, b);
    alpha = Alpha;
    return 0;
}

int TColor::Restore() {
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(1.0f);
    return 0;
}

int TColor::Set(int r, int g, int b, float alpha) {
    R = r;
    G = g;
    B = b;
    Alpha = alpha;
    return 0;
}
