#include "board/TBonus.h"

#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/board_grid.h"
#include "framework/cc_geometry.h"

namespace {

bool Hits(const TParticle& particle, const TGem& gem) {
    return gem.x == particle.x && gem.GemType > 0 && gem.Swapping == 0 &&
           ccRectsOverlap(int(gem.x), int(gem.y), 50, 50, int(particle.x), int(particle.y), 50, 50);
}

void DestroyHit(TGem& gem) {
    TGameGrid& grid = *GameGrid;
    grid.MunchkinPlaying = 0;
    if (gem.Destroy() == 1) {
        TGameGrid::PlayBoardSound(grid.UnlockSound);
    } else {
        if (grid.MatchNoBrickSound) grid.MatchNoBrickSound->pitch = grid.MatchPitch;
        TGameGrid::PlayBoardSound(grid.MatchNoBrickSound);
    }
    grid.PlayMunchkinSound();
}

} // namespace

TBonusRef TBonus::Create(const TParticleRef& particle) {
    auto bonus = std::make_shared<TBonus>();
    bonus->p = particle;
    return bonus;
}

int TBonus::Manage() {
    if (!p || p->active == 0) return 1;
    if (!GameGrid || !GemList) return 0;
    for (const TGemRef& gem : *GemList)
        if (Hits(*p, *gem)) DestroyHit(*gem);
    return 0;
}

TBonusRef TBonusList::AddNew(const TParticleRef& particle) {
    TBonusRef bonus = TBonus::Create(particle);
    AddLast(bonus);
    return bonus;
}

int TBonusList::Manage() {
    Walk walk(*this); // keeps removed links until the loop is done
    for (Link* l = FirstLink(); l; l = l->NextLink())
        if (l->Value()->Manage() == 1) l->Remove();
    return 0;
}
