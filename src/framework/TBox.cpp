#include "framework/TBox.h"

#include "platform/draw.h"

TBoxRef TBox::Create(float x, float y, float w, float h, const TColorRef& color) {
    auto box = std::make_shared<TBox>();
    box->Init(x, y, w, h, color);
    return box;
}

int TBox::Draw() const {
    if (!Color) return 0;
    Color->Apply();
    platform::DrawRect(X, Y, W, H);
    TColor::Restore();
    return 0;
}

int TBox::Init(float x, float y, float w, float h, const TColorRef& color) {
    X = x;
    Y = y;
    W = w;
    H = h;
    Color = color;
    return 0;
}

int TBox::Kill() {
    Color = nullptr;
    return 0;
}

TCircleRef TCircle::Create(int x, int y, int radius, const TColorRef& color) {
    auto circle = std::make_shared<TCircle>();
    circle->x = float(x);
    circle->y = float(y);
    circle->r = float(radius);
    circle->Color = color;
    return circle;
}

int TCircle::Draw() const {
    if (Color) Color->Apply();
    platform::DrawOval(x - r, y - r, 2 * r, 2 * r);
    if (Color) TColor::Restore();
    return 0;
}
