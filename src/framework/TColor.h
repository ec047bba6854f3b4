// A drawing colour with alpha. Values go to the platform as given; the platform clamps them.
#pragma once

#include <memory>

class TColor;
using TColorRef = std::shared_ptr<TColor>;

class TColor {
public:
    int R = 0, G = 0, B = 0; // 0..255
    float Alpha = 1.0f;      // 0..1

    static TColorRef Create(int r, int g, int b, float alpha);

    // Colour and alpha become the platform's drawing state.
    int Apply() const;
    // Colour only; the drawing alpha stays.
    int ApplyNoAlpha() const;
    int Copy(const TColor& from);
    int Get(int& r, int& g, int& b) const;
    int GetFull(int& r, int& g, int& b, float& alpha) const;
    // Puts the drawing state back to white at alpha 1; this colour is not read.
    static int Restore();
    int Set(int r, int g, int b, float alpha);
};
