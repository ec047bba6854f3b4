// A one-shot animation that plays its image strip once and leaves its list. The list owns its
// explosions.
#pragma once

#include "media/TSprite.h"
#include "platform/TList.h"

#include <memory>

class TExplosion;
class TExplosionList;
using TExplosionRef = std::shared_ptr<TExplosion>;
using TExplosionListRef = std::shared_ptr<TExplosionList>;

class TExplosion : public TSprite {
public:
    TExplosionList* Explosions = nullptr; // the owning list (not owned by the explosion)

    static TExplosionRef Create(const TGameImageRef& image, float x, float y);
    // The strip of frames plays once over ms.
    int StartAnim(int ms, int frames);
    int Move() override;
    // Motion, scale, rotation, then the clock; gone from its list when the clock runs out.
    int Manage();
    // Leaves its list; the attached sprite and `active` are left alone.
    int Kill() override;

private:
    friend class TExplosionList;
    platform::TLink<TExplosion>* link = nullptr;
};

class TExplosionList : public platform::TList<TExplosion> {
public:
    TExplosionList() = default;
    TExplosionList(const TExplosionList&) = delete;
    TExplosionList& operator=(const TExplosionList&) = delete;
    ~TExplosionList();

    // Appended; the caller then calls StartAnim.
    TExplosionRef AddNew(int x, int y, const TGameImageRef& image);
    int Draw();
    int Manage();
};
