#include "media/TMousePointer.h"

#include "core/TGame.h"
#include "framework/cc_files.h"
#include "framework/cc_numbers.h"
#include "framework/cc_system.h"
#include "platform/draw.h"
#include "platform/input.h"

int TMousePointer::On() {
    Active = 1;
    return 0;
}

int TMousePointer::Off() {
    Active = 0;
    ParticleList->Clear();
    return 0;
}

int TMousePointer::Load(const std::string& name) {
    std::string folder = Game ? Game->ImagePath : "";
    Image = ccLoadBitmap(folder + name + Ext, -1);
    if (Image) platform::SetImageHandle(Image, float(offsetx), float(offsety));
    return CalcSize();
}

int TMousePointer::CalcSize() {
    w = platform::ImageWidth(Image);
    h = platform::ImageHeight(Image);
    return 0;
}

int TMousePointer::Update() {
    x = platform::MouseX();
    y = platform::MouseY();
    b1 = platform::MouseDown(1);
    b2 = platform::MouseDown(2);
    b3 = platform::MouseDown(3);
    h1 = platform::MouseHit(1);
    h2 = platform::MouseHit(2);
    h3 = platform::MouseHit(3);
    return CalcButtonTotals();
}

int TMousePointer::Manage() {
    if (Active != 1) return 0;
    if (ParticleFunc) {
        ParticleFunc();
        ParticleList->Manage();
    }
    return 1;
}

int TMousePointer::UpdateCoords() {
    std::shared_ptr<TPoint> cursor = ccGetCursorPosOSX();
    if (!cursor || !Game) return 0;
    Game->SetClientCoords();
    x = cursor->X - Game->ClientX;
    y = Game->DesktopHeight - cursor->Y - Game->ClientY;
    if (Game->UsingVirtualResolution) {
        x = ccRound(float(x) * Game->VirtualRatioX);
        y = ccRound(float(y) * Game->VirtualRatioY);
    }
    return 0;
}

int TMousePointer::ClearButtons() {
    b1 = b2 = b3 = mb = 0;
    return ClearMouseHit();
}

int TMousePointer::ClearMouseHit() {
    h1 = h2 = h3 = mh = 0;
    return 0;
}

int TMousePointer::GetMb() const {
    return mb;
}

int TMousePointer::GetMh(int clear) {
    int hits = mh;
    if (clear) ClearMouseHit();
    return hits;
}

int TMousePointer::CalcButtonTotals() {
    mb = b1 + b2 + b3;
    mh = h1 + h2 + h3;
    return 0;
}

void TMousePointer::DrawCarriedImage() const {
    float ix = float(x + Image2xoff), iy = float(y + Image2yoff);
    platform::SetScale(Image2Scale, Image2Scale);
    if (Image2Shadow) {
        Image2Shadow->Apply();
        platform::DrawImage(Image2, ix + Image2Shadow->X, iy + Image2Shadow->Y, Image2Frame);
        TShadow::Restore();
    }
    platform::DrawImage(Image2, ix, iy, Image2Frame);
    platform::SetScale(1.0f, 1.0f);
}

int TMousePointer::Draw() {
    // In a window the drawn pointer follows the system cursor even between events.
    if (Game && Game->FullScreen == 0) UpdateCoords();
    if (Active == 0) return 0;
    ParticleList->Draw();
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetRotation(float(Rotation));
    if (Image2) DrawCarriedImage();
    if (!Image) {
        platform::Plot(float(x), float(y));
    } else if (!Game || Game->CustomMousePointer) {
        platform::DrawImage(Image, float(x), float(y), ImageFrame);
    }
    platform::SetRotation(0.0f);
    if (UserDraw) UserDraw(x, y);
    return 0;
}
