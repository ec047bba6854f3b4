#include "media/TExplosion.h"

#include "framework/cc_numbers.h"
#include "framework/core_services.h"

TExplosionRef TExplosion::Create(const TGameImageRef& image, float atX, float atY) {
    auto e = std::make_shared<TExplosion>();
    e->SetImage(image);
    e->SetPosition(atX, atY);
    return e;
}

int TExplosion::StartAnim(int ms, int frames) {
    AnimLength = TruncToInt(CalcAnimLength(ms));
    AnimCounter = float(AnimLength);
    FramesTotal = frames;
    return 0;
}

int TExplosion::Move() {
    return TSprite::Move();
}

int TExplosion::Manage() {
    Move();
    ManageScale();
    ManageRotation();
    AnimCounter -= Delta;
    if (AnimCounter <= 0.0f) Kill();
    return 0;
}

int TExplosion::Kill() {
    if (!Explosions) return 0;
    auto keep = weak_from_this().lock(); // outlives its removal from the list
    Explosions->RemoveLink(link);
    Explosions = nullptr;
    link = nullptr;
    return 0;
}

TExplosionList::~TExplosionList() {
    for (Link* l = FirstLink(); l; l = l->NextLink())
        l->Value()->Explosions = nullptr;
}

TExplosionRef TExplosionList::AddNew(int x, int y, const TGameImageRef& image) {
    TExplosionRef e = TExplosion::Create(image, float(x), float(y));
    e->Explosions = this;
    e->link = AddLast(e);
    return e;
}

int TExplosionList::Draw() {
    for (const TExplosionRef& e : *this)
        e->Draw();
    return 0;
}

int TExplosionList::Manage() {
    for (const TExplosionRef& e : *this)
        e->Manage();
    return 0;
}
