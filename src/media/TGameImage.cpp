#include "media/TGameImage.h"

#include "framework/cc_files.h"
#include "framework/cc_images.h"
#include "framework/cc_timing.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/text.h"

int TGameImage::AutoPrecache = 0;

int TGameImage::CalcRAM() const {
    if (!image) return 0;
    return platform::ImageWidth(image) * 4 * platform::ImageHeight(image) * platform::CountFrames(image);
}

int TGameImage::CalcVRAM() const {
    if (!image) return 0;
    return ccPow2Size(platform::ImageWidth(image)) * 4 * ccPow2Size(platform::ImageHeight(image)) *
           platform::CountFrames(image);
}

TGameImageRef TGameImage::Create(const std::string& file, int flags, int mid) {
    auto created = std::make_shared<TGameImage>();
    created->Load(file, flags, mid);
    return created;
}

TGameImageRef TGameImage::CreateAuto(const std::string& file, int cellWidth, int cellHeight, int firstCell,
                                     int cellCount, int flags, int mid) {
    auto created = std::make_shared<TGameImage>();
    if (cellCount > 1) {
        created->LoadAnim(file, cellWidth, cellHeight, firstCell, cellCount, flags, mid);
    } else {
        created->Load(file, flags, mid);
    }
    return created;
}

TGameImageRef TGameImage::CreateFromImage(const platform::ImageRef& image, const std::string& name, int mid) {
    auto created = std::make_shared<TGameImage>();
    created->name = name;
    created->image = image;
    created->GetSize();
    created->MidHandle(mid);
    return created;
}

int TGameImage::Draw(float x, float y, int frame, const TShadowRef& shadow) const {
    if (!image) return 0;
    if (shadow) {
        shadow->Apply();
        platform::DrawImage(image, x + shadow->X, y + shadow->Y, frame);
        TShadow::Restore();
    }
    platform::DrawImage(image, x, y, frame);
    return 0;
}

int TGameImage::GetSize() {
    if (!image) return 0;
    w = platform::ImageWidth(image);
    h = platform::ImageHeight(image);
    w2 = float(w / 2);
    h2 = float(h / 2);
    return 0;
}

int TGameImage::Load(const std::string& file, int flags, int mid) {
    name = platform::Upper(platform::StripAll(file));
    image = ccLoadBitmap(file, flags);
    return Loaded(mid);
}

int TGameImage::LoadAnim(const std::string& file, int cellWidth, int cellHeight, int firstCell, int cellCount,
                         int flags, int mid) {
    name = platform::Upper(platform::StripAll(file));
    image = ccLoadAnimBitmap(file, cellWidth, cellHeight, firstCell, cellCount, flags);
    return Loaded(mid);
}

int TGameImage::Loaded(int mid) {
    GetSize();
    MidHandle(mid);
    if (AutoPrecache) Precache();
    return 0;
}

int TGameImage::MidHandle(int on) {
    if (!image) return 0;
    if (on) {
        platform::MidHandleImage(image);
        midhandled = 1;
    } else {
        platform::SetImageHandle(image, 0, 0);
        midhandled = 0;
    }
    return 0;
}

int TGameImage::Precache() const {
    if (image) ccCreateFrames(image);
    return 0;
}
