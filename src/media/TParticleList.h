// Particles run as a group: made from one call, moved once per tick, animated, drawn in list
// order (later members on top). Passes tolerate members that die during them. The five lists of
// the game are globals made once at start-up.
#pragma once

#include "media/TParticle.h"
#include "platform/TList.h"

#include <memory>

using TParticleListRef = std::shared_ptr<class TParticleList>;

class TParticleList : public platform::TList<TParticle> {
public:
    TParticleList() = default;
    TParticleList(const TParticleList&) = delete;
    TParticleList& operator=(const TParticleList&) = delete;
    ~TParticleList();

    // A particle made by TParticle::CreateSpecial, owned by this list; at the front (drawn under
    // the others) when addFirst is not 0.
    TParticleRef AddNew(int x, int y, const TGameImageRef& image, float dx, float dy, float ygravity,
                        float fade, int lightBlend, int rotate, float rotationSpeed, float scale,
                        float scaleSpeed, int life, int addFirst);
    // Drops every particle without killing it; a dropped particle no longer refers to the list.
    void Clear();
    int Draw();
    int Move();
    int Animate();
    // Move, then the frame animation once the delay is over; KillAfterAnim ends it at the end.
    int Manage();
    int FadeAll(int ms);
    int SetUseAlpha(int flag);
    int SetBaseScale(float sx, float sy);
    int EnableUpdateOriginalCoords();
    int ScaleCoords();
    int AddOffsets(float offsetX, float offsetY);
    int ProcessScale(float sx, float sy, float offsetX, float offsetY);
    // Every particle's image into collision layer 1, the particle as its identifier.
    int Collide();

private:
    template <class F> void ForEach(F step) {
        Walk walk(*this); // a member killed during the pass only leaves its link marked
        for (Link* l = FirstLink(); l; l = l->NextLink()) {
            TParticleRef p = l->Value();
            step(*p);
        }
    }
};

extern TParticleListRef BackgroundParticles;
extern TParticleListRef Particles;
extern TParticleListRef AnimatedParticles;
extern TParticleListRef Munchkins;
extern TParticleListRef ScoreParticles;

// Makes the five lists in that order; a list that exists already is kept.
void MakeParticleLists();
