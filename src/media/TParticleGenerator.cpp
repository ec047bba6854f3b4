#include "media/TParticleGenerator.h"

#include "framework/core_services.h"

TParticleGeneratorRef TParticleGenerator::Create(float atX, float atY, int qty, float interval,
                                                 TMakeParticleFunction make, int data1, int data2,
                                                 int makeNow) {
    auto g = std::make_shared<TParticleGenerator>();
    g->x = atX;
    g->y = atY;
    g->Qty = qty - 1;
    g->Interval = CalcAnimLengthFromFloat(interval);
    g->IntervalCounter = g->Interval;
    g->MakeParticleFunction = std::move(make);
    g->Data1 = data1;
    g->Data2 = data2;
    if (makeNow && g->MakeParticleFunction) g->MakeParticleFunction(*g);
    return g;
}

int TParticleGenerator::Manage() {
    if (Active == 0) return -1;
    // Nothing left to make (a generator made for one particle or none): finished, not endless.
    if (Qty <= 0) {
        Active = 0;
        return 1;
    }
    x += dx * Delta;
    y += dy * Delta;
    if (IntervalCounter <= 0.0f) return 0;
    IntervalCounter -= Delta;
    while (IntervalCounter <= 0.0f) {
        IntervalCounter += Interval;
        Qty -= 1;
        if (MakeParticleFunction) MakeParticleFunction(*this);
        if (Qty == 0) {
            Active = 0;
            return 1;
        }
    }
    return 0;
}

TParticleGeneratorRef TParticleGeneratorList::Add(float atX, float atY, int qty, float interval,
                                                  TMakeParticleFunction make) {
    TParticleGeneratorRef g = TParticleGenerator::Create(atX, atY, qty, interval, std::move(make), 0, 0, 1);
    if (g->Qty > 0) AddLast(g);
    return g;
}

int TParticleGeneratorList::Manage() {
    Walk walk(*this);
    for (Link* l = FirstLink(); l; l = l->NextLink())
        if (l->Value()->Manage() == 1) RemoveLink(l);
    return 0;
}
