#include "media/TGameObject.h"

#include "framework/cc_numbers.h"
#include "platform/collide.h"

TGameObjectRef TGameObject::Create(const TGameImageRef& image, float atX, float atY) {
    auto o = std::make_shared<TGameObject>();
    o->SetImage(image);
    o->SetPosition(atX, atY);
    return o;
}

int TGameObject::Move() {
    TSprite::Move();
    if (OutOfBounds()) Kill();
    return 0;
}

int TGameObject::Kill() {
    if (!GameObjects) return 0;
    auto keep = weak_from_this().lock(); // outlives its removal from the list
    GameObjects->RemoveLink(link);
    GameObjects = nullptr;
    link = nullptr;
    return 0;
}

TGameObjectList::~TGameObjectList() {
    for (Link* l = FirstLink(); l; l = l->NextLink())
        l->Value()->GameObjects = nullptr;
}

TGameObjectRef TGameObjectList::AddNew(int x, int y, const TGameImageRef& image) {
    TGameObjectRef o = TGameObject::Create(image, float(x), float(y));
    o->GameObjects = this;
    o->link = AddLast(o);
    return o;
}

int TGameObjectList::Draw() {
    for (const TGameObjectRef& o : *this)
        o->Draw();
    return 0;
}

int TGameObjectList::Move() {
    for (const TGameObjectRef& o : *this)
        o->Move();
    return 0;
}

int TGameObjectList::Collide() {
    for (const TGameObjectRef& o : *this)
        if (o->image && o->image->image)
            platform::CollideImage(o->image->image, TruncToInt(o->x), TruncToInt(o->y), 0, 0, 1, o.get());
    return 0;
}

int TGameObjectList::Kill() {
    for (const TGameObjectRef& o : *this)
        o->Kill();
    return 0;
}
