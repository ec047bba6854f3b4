// A falling bonus: a particle that destroys every gem of its column it touches while it lives.
// The particle moves and draws in a particle list of its own; TBonusList drops each bonus whose
// particle is gone. The game makes none of them.
#pragma once

#include "media/TParticle.h"
#include "platform/TList.h"

#include <memory>

class TBonus;
using TBonusRef = std::shared_ptr<TBonus>;

class TBonus {
public:
    TParticleRef p;

    static TBonusRef Create(const TParticleRef& particle);
    // 1 once the particle is gone; else destroys the free gems it touches in its column, 0.
    int Manage();
};

class TBonusList : public platform::TList<TBonus> {
public:
    TBonusRef AddNew(const TParticleRef& particle);
    // Each bonus's tick; a finished one leaves the list in the same tick.
    int Manage();
};
