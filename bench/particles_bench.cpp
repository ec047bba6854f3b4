// The particle load of a busy board: 5,000 live particles over the five lists, most in Particles;
// fades (some with a fade-in), spin, growth, gravity, two- and three-phase scripts, and ice shards
// playing a 50-frame strip until their animation ends. A particle that dies is replaced at once, so
// every tick runs 5,000. Fixed seed; the game's generated pictures.
// - BM_ParticleTick: one logic tick, Move of four lists and Manage of AnimatedParticles; no
//   display needed.
// - BM_ParticleFrame: the same particles drawn in the game's order and presented with Flip(0);
//   needs a display, e.g.:
//     xvfb-run -a -s "-screen 0 1024x768x24" build/bin/bench_particles
#include "core/TGame.h"
#include "framework/core_services.h"
#include "media/TImageBank.h"
#include "media/TParticleList.h"
#include "platform/draw.h"
#include "platform/graphics.h"
#include "platform/random.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <vector>

using platform::Rand;
using platform::Rnd;

namespace {

struct TPopulation {
    TParticleListRef list;
    int target;
    std::function<void(TParticleList&)> make;
};

float R(double a, double b) {
    return float(Rnd(a, b));
}

void MakeSparkle(TParticleList& list) {
    TParticleRef p =
        list.AddNew(Rand(50, 750), Rand(50, 550), images->Find("sparkle"), R(-1, 1), R(-1.5, 0.5), 0.01f,
                    R(800, 3000), 1, Rand(0, 1) * 2 - 1, R(0.5, 4), R(0.3, 1.0), R(-0.002, 0.002), 0, 0);
    int kind = Rand(0, 9);
    if (kind == 0) {
        p->SetFade(200, 300, 1000);
    } else if (kind == 1) {
        for (int i = 0; i < Rand(2, 3); ++i) {
            TParticlePhaseRef phase = p->AddPhase(Rand(200, 600));
            phase->dx = R(-1, 1);
            phase->dy = R(-1, 1);
            phase->ygravity = 0.005f;
            phase->SetFade(i == 0 ? 100 : 0, 100, 300);
        }
        p->StartPhases();
    }
}

void MakeFlake(TParticleList& list) {
    TParticleRef p =
        list.AddNew(Rand(0, 800), Rand(0, 500), images->Find("snowflake"), R(-0.3, 0.3), R(0.2, 0.8), 0.0f,
                    R(1500, 4000), 0, 1, R(0.2, 1), R(0.4, 1.0), 0.0f, Rand(2000, 5000), 0);
    p->SetFade(300, 500, 1500);
}

void MakeShard(TParticleList& list) {
    TParticleRef p = list.AddNew(Rand(100, 700), Rand(100, 500), images->Find("iceshard"), R(-2, 2), R(-3, 0),
                                 0.05f, 0.0f, 0, 0, 0.0f, 1.0f, 0.0f, 0, 0);
    p->SetupAnim(50, Rand(500, 1000), 0, 0, 0, 0, 0);
    p->KillAfterAnim = 1;
}

void MakeScore(TParticleList& list) {
    list.AddNew(Rand(100, 700), Rand(100, 500), images->Find("gems"), 0.0f, -0.3f, 0.0f, 1500.0f, 0, 0, 0.0f,
                0.8f, 0.001f, 1500, 0);
}

class TParticleWorld {
public:
    TParticleWorld() {
        platform::SeedRnd(42);
        Delta = 1.0f;
        Game = std::make_shared<TGame>();
        images = std::make_shared<TImageBank>();
        images->SetPath(SLEETWHISTLE_BENCH_DATA_DIR "/graphics");
        images->Load("sparkle", "", -1, 1);
        images->Load("snowflake", "", -1, 1);
        images->LoadAnim("iceshard", 32, 32, 0, 50, -1, 1);
        images->LoadAnim("gems", 50, 50, 0, 7, -1, 1);
        MakeParticleLists();
        populations = {{BackgroundParticles, 400, MakeFlake},
                       {Particles, 3600, MakeSparkle},
                       {AnimatedParticles, 500, MakeShard},
                       {Munchkins, 200, MakeSparkle},
                       {ScoreParticles, 300, MakeScore}};
        TopUp();
    }
    ~TParticleWorld() {
        for (TPopulation& p : populations)
            p.list->Clear();
        Game = nullptr;
        images = nullptr;
    }
    void Tick() {
        BackgroundParticles->Move();
        Particles->Move();
        AnimatedParticles->Manage();
        Munchkins->Move();
        ScoreParticles->Move();
        TopUp();
    }
    void Draw() {
        for (TPopulation& p : populations)
            p.list->Draw();
    }
    int Alive() const {
        int alive = 0;
        for (const TPopulation& p : populations)
            alive += p.list->Count();
        return alive;
    }

private:
    void TopUp() {
        for (TPopulation& p : populations)
            while (p.list->Count() < p.target)
                p.make(*p.list);
    }
    std::vector<TPopulation> populations;
};

void BM_ParticleTick(benchmark::State& state) {
    TParticleWorld world;
    for (int i = 0; i < 400; ++i) // past the first fade-ins and deaths
        world.Tick();
    for (auto _ : state)
        world.Tick();
    state.counters["alive"] = world.Alive();
}
BENCHMARK(BM_ParticleTick)->Unit(benchmark::kMillisecond);

void BM_ParticleFrame(benchmark::State& state) {
    if (!platform::Graphics(800, 600, 0, 0)) {
        state.SkipWithError("no display");
        return;
    }
    TParticleWorld world;
    images->Precache();
    for (int i = 0; i < 400; ++i)
        world.Tick();
    for (auto _ : state) {
        platform::Cls();
        world.Draw();
        platform::Flip(0);
    }
    state.counters["alive"] = world.Alive();
}
BENCHMARK(BM_ParticleFrame)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
