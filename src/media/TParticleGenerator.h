// Calls a maker function at a fixed interval until it has made a given number of particles; a
// TParticleGeneratorList runs many and drops each when it finishes.
#pragma once

#include "platform/TList.h"

#include <functional>
#include <memory>

class TParticleGenerator;
using TParticleGeneratorRef = std::shared_ptr<TParticleGenerator>;
using TMakeParticleFunction = std::function<int(TParticleGenerator&)>;

class TParticleGenerator {
public:
    int Active = 1;
    float x = 0.0f, y = 0.0f; // read by the maker function
    float dx = 0.0f, dy = 0.0f;
    int Qty = 0; // particles still to make
    float Interval = 0.0f;
    float IntervalCounter = 0.0f;
    TMakeParticleFunction MakeParticleFunction;
    int Data1 = 0, Data2 = 0;

    // Qty = qty - 1; with makeNow the first particle is made at once.
    static TParticleGeneratorRef Create(float x, float y, int qty, float interval, TMakeParticleFunction make,
                                        int data1, int data2, int makeNow);
    // 1 on the tick it finishes, -1 while inactive, 0 otherwise.
    int Manage();
};

class TParticleGeneratorList : public platform::TList<TParticleGenerator> {
public:
    // Makes the first particle at once; kept only while more are to come.
    TParticleGeneratorRef Add(float x, float y, int qty, float interval, TMakeParticleFunction make);
    int Manage();
};
