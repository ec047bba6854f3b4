#include "media/TLoadingBar.h"

#include "framework/cc_draw.h"
#include "framework/cc_images.h"
#include "framework/core_services.h"
#include "platform/draw.h"

#include <algorithm>

int TLoadingBar::Init(const platform::ImageRef& image, const platform::ImageRef& emptyImage,
                      const platform::ImageRef& finalImage) {
    Image = image;
    EmptyImage = emptyImage;
    FinalImage = finalImage;
    for (const auto& picture : {Image, EmptyImage, FinalImage})
        if (picture) platform::SetImageHandle(picture, 0, 0);
    x = y = 0;
    w = platform::ImageWidth(Image);
    h = platform::ImageHeight(Image);
    Position = Steps = StepSize = 0.0f;
    CurrentStep = 0;
    Finished = 0;
    return 0;
}

int TLoadingBar::Centre(int atY) {
    x = (ScreenWidth - w) / 2;
    y = atY;
    return 0;
}

int TLoadingBar::SetSteps(int steps) {
    Steps = float(steps);
    StepSize = float(w) / Steps;
    return 0;
}

int TLoadingBar::SetBackgroundColour(int r, int g, int b) {
    BgR = r;
    BgG = g;
    BgB = b;
    return 0;
}

int TLoadingBar::SetBorderColour(int r, int g, int b) {
    BorderR = r;
    BorderG = g;
    BorderB = b;
    return 0;
}

int TLoadingBar::Progress() {
    ++CurrentStep;
    Position = float(CurrentStep) * StepSize;
    if (float(CurrentStep) == Steps) Finished = 1;
    return 0;
}

int TLoadingBar::Draw() {
    if (Mode == 1 && !Image) return 0;
    if (Finished && FinalImage) {
        platform::SetBlend(platform::BLEND_ALPHA);
        if (DrawEmptyUnderFinal) platform::DrawImage(EmptyImage, float(x), float(y));
        platform::DrawImage(FinalImage, float(x), float(y));
        return 1;
    }
    if (Mode == 0) {
        platform::SetBlend(platform::BLEND_SOLID);
        platform::SetColor(BgR, BgG, BgB);
        platform::DrawRect(float(x), float(y), float(w), float(h));
        platform::SetColor(BorderR, BorderG, BorderB);
        ccDrawRectOutline(x, y, w, h);
        platform::SetColor(255, 255, 255);
    } else if (Mode == 1) {
        platform::SetBlend(platform::BLEND_ALPHA);
        platform::DrawImage(EmptyImage, float(x), float(y));
    } else if (Mode == 2) {
        platform::SetBlend(platform::BLEND_ALPHA);
    }
    // More steps than asked for must not read past the picture's right edge.
    float drawn = std::min(Position, float(w));
    if (Image && drawn > 0) ccDrawImageArea(Image, float(x), float(y), 0, 0, drawn, float(h), 0);
    platform::SetBlend(platform::BLEND_SOLID);
    return 1;
}
