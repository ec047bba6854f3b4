// A moving sprite that leaves its list once it lies wholly off the screen. The list owns its
// objects.
#pragma once

#include "media/TSprite.h"
#include "platform/TList.h"

#include <memory>

class TGameObject;
class TGameObjectList;
using TGameObjectRef = std::shared_ptr<TGameObject>;
using TGameObjectListRef = std::shared_ptr<TGameObjectList>;

class TGameObject : public TSprite {
public:
    TGameObjectList* GameObjects = nullptr; // the owning list (not owned by the object)

    static TGameObjectRef Create(const TGameImageRef& image, float x, float y);
    // Moves; off the screen it leaves its list.
    int Move() override;
    // Leaves its list; the attached sprite and `active` are left alone.
    int Kill() override;

private:
    friend class TGameObjectList;
    platform::TLink<TGameObject>* link = nullptr;
};

class TGameObjectList : public platform::TList<TGameObject> {
public:
    TGameObjectList() = default;
    TGameObjectList(const TGameObjectList&) = delete;
    TGameObjectList& operator=(const TGameObjectList&) = delete;
    ~TGameObjectList();

    TGameObjectRef AddNew(int x, int y, const TGameImageRef& image);
    int Draw();
    int Move();
    // Every object's image into collision layer 1, the object as its identifier.
    int Collide();
    // Every object leaves: the list is empty afterwards.
    int Kill();
};
