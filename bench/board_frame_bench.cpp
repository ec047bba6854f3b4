// The cost of one frame of the board during a cascade: the full 13 x 12 fixture with ice
// everywhere, a fifth of the gems glowing and the particle setting at 100; a pudding fired at
// power 2 in the middle and a cracker, then 300 ticks timed in frames of four ticks (Delta 1, 1,
// 1 and 0.33, a 16.7 ms frame): the board's share of the game screen's tick and the pointer, plus
// every layer drawn into the logical frame and flushed, without the flip. Run under a display;
// the same figures follow with a renderer that discards every draw.
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/TPlayer.h"
#include "board/TStandaloneBoardHost.h"
#include "board/board_fill.h"
#include "board/board_grid.h"
#include "board/board_particles.h"
#include "board/gem_codes.h"
#include "core/TGame.h"
#include "framework/core_services.h"
#include "game/particle_images.h"
#include "headless/board_headless.h"
#include "media/TImageBank.h"
#include "media/TMousePointer.h"
#include "media/TParticleList.h"
#include "platform/Renderer.h"
#include "platform/draw.h"
#include "platform/graphics.h"
#include "platform/random.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace {

class TDiscardRenderer : public platform::TRenderer {
public:
    void Draw(const platform::DrawCall&) override {}
};

void LoadImages() {
    images->SetPath(std::string(SLEETWHISTLE_BENCH_DATA_DIR) + "/graphics/");
    images->LoadAnim("gems", 50, 50, 0, 7, -1, 0);
    for (const char* name : {"lock", "cursor", "bonushighlightmid", "magichighlight"})
        images->Load(name, "", -1, 0);
    for (const char* name :
         {"cell", "cellrightside", "cellbottom", "cellcorner", "cellpane", "brick", "armour"}) {
        images->Load(name, "", -1, 1);
        images->Find(name)->MidHandle(0);
    }
    images->Load("brickparticle", "brickmid", -1, 1);
    images->Load("armourparticle", "armourmid", -1, 1);
    for (const char* name :
         {"particlering", "snowflake", "snowflakesmall", "snowflakelarge", "sparkle", "sparklegold",
          "score10", "score20", "score30", "score40", "score50", "score60", "score70", "score80", "score100"})
        images->Load(name, "", -1, 1);
    images->Load("particle7", "fireball", -1, 1);
    images->Load("particle8", "golddust", -1, 1);
    images->LoadAnim("iceshard", 32, 32, 0, 50, -1, 1);
    images->LoadAnim("iceshard2", 30, 30, 0, 50, -1, 1);
    images->LoadAnim("bonus9activate", 50, 50, 0, 1, -1, 1);
    for (int n = FIRST_SHAPE; n <= LAST_SHAPE; ++n)
        images->LoadAnim("gem" + std::to_string(n) + "anim", 50, 50, 0, 50, -1, 0);
    for (int code = FIRST_ITEM; code <= LAST_ITEM; ++code)
        images->LoadAnim("bonus" + std::to_string(code) + "idle", 50, 50, 0, TGem::BonusIdleFrames[code], -1,
                         0);
    FillParticleImages();
    TGem::Load();
    TGem::InitIdleAnims();
    TCell::Load();
    images->Precache();
}

int LiveParticles() {
    int n = 0;
    for (TParticleListRef list :
         {BackgroundParticles, Particles, AnimatedParticles, Munchkins, ScoreParticles})
        n += list->Count();
    return n;
}

void Tick() {
    BoardHost().Player().Manage();
    GameGrid->Manage();
    BackgroundParticles->Move();
    Particles->Move();
    AnimatedParticles->Manage();
    ScoreParticles->Move();
}

void DrawFrame() {
    platform::Cls();
    GameGrid->Draw();
    BackgroundParticles->Draw();
    TPlayer& player = BoardHost().Player();
    player.ScoreDraw(17, 98);
    player.LevelDraw(57, 185);
    player.TimeDraw(30, 271);
    Particles->Draw();
    AnimatedParticles->Draw();
    Munchkins->Draw();
    ScoreParticles->Draw();
    if (platform::TRenderer* renderer = platform::CurrentRenderer()) renderer->Flush();
}

// One measured run: the board started afresh, the two items fired, 300 ticks in frames of four.
void Measure(const char* what) {
    BoardResetGlobals();
    platform::SeedRnd(11);
    BoardLevelStart(32);
    int n = 0;
    for (const TGemRef& gem : *GemList)
        if (++n % 5 == 0) gem->CreateMunchkin();
    GameGrid->BonusPower = 2;
    GameGrid->mx = 6, GameGrid->my = 6;
    GameGrid->FireClickBonus(8);
    GameGrid->mx = 3, GameGrid->my = 2;
    GameGrid->FireClickBonus(9);
    double total = 0, worst = 0;
    int frames = 0, peak = 0;
    static const float deltas[4] = {1.0f, 1.0f, 1.0f, 0.33f};
    for (int tick = 0; tick < 300; tick += 3) {
        const auto start = std::chrono::steady_clock::now();
        for (float d : deltas) {
            Delta = d;
            Tick();
        }
        DrawFrame();
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        total += ms;
        worst = std::max(worst, ms);
        peak = std::max(peak, LiveParticles());
        ++frames;
    }
    std::printf("%s: %d frames, mean %.3f ms, worst %.3f ms, live particles at most %d\n", what, frames,
                total / frames, worst, peak);
}

} // namespace

int main() {
    BoardHeadlessStart(BOARD_BENCH_DIR, 100);
    const bool window = platform::Graphics(800, 600, 0, 60) != nullptr;
    LoadImages();
    if (window) Measure("GL renderer");
    platform::SetRenderer(std::make_shared<TDiscardRenderer>());
    Measure("discarding renderer");
    return 0;
}
