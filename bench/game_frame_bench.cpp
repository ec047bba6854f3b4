// The cost of one frame of the game screen during a cascade: the game made as the program makes
// it (the generated data's banks, fonts, channels, a profile), the screen entered on the full
// 13 x 12 fixture level 3.txt with the particle setting at 100 and its intro run out; a pudding
// fired at power 2 (as a full gauge leaves it) and a cracker, both laid by MakeTestGem and fired
// through the board's click; then 300 ticks timed in frames of four ticks (Delta 1, 1, 1 and
// 0.33, a 16.7 ms frame): the screen's Logic per tick plus its Draw of every layer into the
// logical frame, flushed, without the flip. The main thread's CPU time per frame is measured.
// Then the level is won as Ctrl+J wins it, the outro runs on the fake clock until the level-complete
// panel opens, its 80 snowflakes fall for a second while it unrolls, and 300 more ticks are timed
// the same way with the panel standing at rest over the fallen board.
// With the GL renderer the cascade is timed twice: the second run shows it with the software
// renderer's code for its states compiled. Run under a display; the same figures follow with a
// renderer that discards every draw. With the GL renderer each line also gives the draw calls sent
// to GL per frame.
#include "game_kit.h"

#include "board/TGameGrid.h"
#include "board/board_grid.h"
#include "core/TGame.h"
#include "framework/core_services.h"
#include "game/TGameScreen.h"
#include "game/TLevelCompleteScreen.h"
#include "media/TGameFade.h"
#include "media/TParticleList.h"
#include "platform/GLRenderer.h"
#include "platform/Renderer.h"
#include "platform/audio_testing.h"
#include "platform/draw.h"
#include "platform/graphics.h"
#include "platform/random.h"
#include "platform/system.h"
#include "profiles/TProfile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

class TDiscardRenderer : public platform::TRenderer {
public:
    void Draw(const platform::DrawCall&) override {}
};

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// The game as the program body makes it, the per-user folder in a fresh temporary folder.
void MakeGame() {
    char home[] = "/tmp/sleetwhistle-bench-XXXXXX";
    if (!mkdtemp(home)) std::exit(1);
    setenv("XDG_DATA_HOME", home, 1);
    platform::UseRecordingAudio();
    testkit::TGameOptions game;
    game.dataDir = SLEETWHISTLE_BENCH_DATA_DIR;
    testkit::MakeGame(game);
    testkit::AddAnna();
    Game->DataPrefix = GAME_BENCH_DIR; // the fixture levels
    Game->Particles = 100;
}

// The screen entered on level 3 and run through its fade-in, intro and sweep on the fake clock.
void EnterLevel() {
    Game->CurrentProfile->CurrentLevel = 3;
    GameScreen->GameStart();
    Game->LastTScreen = Game->CurrentTScreen;
    GameScreen->PreStart();
    for (int tick = 0; tick < 800; ++tick) {
        platform::AdvanceClock(5);
        Game->MainLogicLoop();
    }
}

int LiveParticles() {
    int n = 0;
    for (const TParticleListRef& list :
         {BackgroundParticles, Particles, AnimatedParticles, Munchkins, ScoreParticles})
        n += list->Count();
    return n;
}

void DrawFrame() {
    GameScreen->Draw();
    if (platform::TRenderer* renderer = platform::CurrentRenderer()) renderer->Flush();
}

struct TFrameTimes {
    double total = 0, worst = 0, median = 0; // main-thread CPU, ms
    int frames = 0;
    int peak = 0;       // live particles at most
    double batches = 0; // draw calls the GL renderer sent per frame
};

long DrawnBatches() {
    const platform::TGLRenderer* gl = platform::ActiveGLRenderer();
    return gl ? gl->DrawnBatches() : 0;
}

// 300 ticks in frames of four (Delta 1, 1, 1 and 0.33): the screen's Logic per tick, then its Draw.
TFrameTimes TimeFrames() {
    TFrameTimes times;
    std::vector<double> each;
    static const float deltas[4] = {1.0f, 1.0f, 1.0f, 0.33f};
    const long batches = DrawnBatches();
    for (int tick = 0; tick < 300; tick += 3) {
        const double start = ThreadCpuMs();
        for (float d : deltas) {
            Delta = d;
            GameScreen->Logic();
        }
        DrawFrame();
        const double ms = ThreadCpuMs() - start;
        times.total += ms;
        each.push_back(ms);
        times.worst = std::max(times.worst, ms);
        times.peak = std::max(times.peak, LiveParticles());
        ++times.frames;
    }
    times.batches = double(DrawnBatches() - batches) / times.frames;
    // The first frames of a cascade compile the software renderer's code for new states: the
    // median shows a frame once they are done.
    std::nth_element(each.begin(), each.begin() + each.size() / 2, each.end());
    times.median = each[each.size() / 2];
    return times;
}

// One measured run: the level restarted, the two items fired, 300 ticks in frames of four.
void Measure(const char* what) {
    platform::SeedRnd(11);
    GameScreen->RestartLevel();
    for (int tick = 0; tick < 800; ++tick) {
        Delta = 1.0f;
        GameScreen->Logic();
    }
    GameScreen->MakeTestGem(6, 6, 8);
    GameScreen->MakeTestGem(3, 2, 9);
    GameGrid->BonusPower = 2;
    GameGrid->ClickCell(6, 6);
    GameGrid->ClickCell(3, 2);
    const TFrameTimes times = TimeFrames();
    std::printf(
        "%s: %d frames, mean %.3f ms CPU, median %.3f, worst %.3f ms, live particles at most %d, %.1f GL "
        "batches "
        "per frame\n",
        what, times.frames, times.total / times.frames, times.median, times.worst, times.peak, times.batches);
}

// The level won and run through its outro until the panel stands at rest; then frames timed.
void MeasurePanel(const char* what) {
    GameScreen->NextLevel();
    for (int tick = 0; tick < 3000 && LevelCompleteScreen->Active == 0; ++tick) {
        platform::AdvanceClock(5);
        Game->MainLogicLoop();
    }
    if (LevelCompleteScreen->Active != 1) {
        std::fprintf(stderr, "%s: the level-complete panel did not open\n", what);
        std::exit(1);
    }
    for (int tick = 0; tick < 200; ++tick) {
        platform::AdvanceClock(5);
        Game->MainLogicLoop();
    }
    const TFrameTimes times = TimeFrames();
    std::printf("%s, panel at rest: %d frames, mean %.3f ms CPU, median %.3f, worst %.3f ms, %d snowflakes, "
                "%.1f GL batches "
                "per frame\n",
                what, times.frames, times.total / times.frames, times.median, times.worst, Particles->Count(),
                times.batches);
    // The panel put away and the level reset, so the next run plays level 3 again.
    LevelCompleteScreen->Hide();
    GameScreen->Player.Level = 3;
}

} // namespace

int main() {
    platform::ScopedFakeClock clock;
    const bool window = platform::Graphics(800, 600, 0, 60) != nullptr;
    MakeGame();
    EnterLevel();
    if (window) {
        Measure("GL renderer");
        // Again, with the software renderer's code for every state of the cascade compiled.
        Measure("GL renderer, second cascade");
        MeasurePanel("GL renderer");
    }
    platform::SetRenderer(std::make_shared<TDiscardRenderer>());
    Measure("discarding renderer");
    MeasurePanel("discarding renderer");
    return 0;
}
