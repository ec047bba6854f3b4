// Two plain shapes that remember where they are and their colour: an axis-aligned box (a
// button's hit area, a list box's frame) and a filled circle.
#pragma once

#include "framework/TColor.h"

#include <memory>

class TBox;
using TBoxRef = std::shared_ptr<TBox>;

class TBox {
public:
    int Active = 1;
    TColorRef Color; // null: never drawn
    float X = 0, Y = 0, W = 0, H = 0;

    static TBoxRef Create(float x, float y, float w, float h, const TColorRef& color);
    // Leaves the drawing state white at alpha 1.
    int Draw() const;
    int Init(float x, float y, float w, float h, const TColorRef& color);
    int Kill();
};

class TCircle;
using TCircleRef = std::shared_ptr<TCircle>;

class TCircle {
public:
    TColorRef Color; // null: drawn in the current colour
    float r = 0, x = 0, y = 0;

    static TCircleRef Create(int x, int y, int radius, const TColorRef& color);
    int Draw() const;
};
