// Frame times of the platform's renderer beside SDL2's own renderer (its opengl driver) in the same
// run, so every run gives the ratio on one machine at one moment:
// - BM_AlphaSprites / BM_SDLAlphaSprites: N alpha-blended 50 x 50 sprites from one 350 x 50 strip
//   (N = 0 is the empty frame: clear and present);
// - BM_Screen: a model of one game screen, an opaque 800 x 600 picture, 200 alpha sprites and 20
//   lines of text.
// Run under a display, e.g.:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bin/bench_sprites
#include "platform/draw.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/random.h"
#include "platform/text.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cmath>
#include <string>
#include <vector>

using namespace platform;

namespace {

constexpr int kFrames = 7;
constexpr int kCell = 50;

// ARGB of one strip pixel: a round sprite whose alpha falls off to its rim, tinted per frame.
uint32_t StripPixel(int x, int y) {
    int f = x / kCell, cx = x % kCell;
    double d = std::hypot(cx - 24.5, y - 24.5) / 25.0;
    uint32_t a = d < 1 ? uint32_t(255 * (1 - d * d)) : 0;
    return (a << 24) | uint32_t(f * 36) << 16 | 0x80FF;
}

ImageRef MakeStrip() {
    auto strip = CreatePixmap(kFrames * kCell, kCell);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kFrames * kCell; ++x)
            WritePixel(strip, x, y, StripPixel(x, y));
    const std::string path = "/tmp/sleetwhistle-bench-strip.png";
    SavePixmapPNGWithAlpha(strip, path);
    AutoMidHandle(true);
    auto frames = LoadAnimImage(path, kCell, kCell, 0, kFrames, IMAGE_FILTERED);
    AutoMidHandle(false);
    return frames;
}

// An opaque 800 x 600 picture loaded as the game loads its backgrounds.
ImageRef MakeBackground() {
    auto picture = CreatePixmap(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            WritePixel(picture, x, y,
                       0xFF000000u | uint32_t(x * 255 / 800) << 16 | uint32_t(y * 255 / 600) << 8 | 0x60);
    const std::string path = "/tmp/sleetwhistle-bench-background.png";
    SavePixmapPNG(picture, path, 1);
    return LoadImage(path, IMAGE_FILTERED);
}

// CPU time of the whole process (every thread: ours, llvmpipe's, SDL's), in milliseconds. On a
// shared machine it varies far less than the wall time, as waiting for a core is not counted.
double ProcessCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Reports the process's CPU per frame beside the wall and main-thread times.
class ProcessCpu {
public:
    explicit ProcessCpu(benchmark::State& s) : state(s), start(ProcessCpuMs()) {}
    ~ProcessCpu() {
        if (state.iterations() > 0)
            state.counters["process_cpu_ms"] = (ProcessCpuMs() - start) / double(state.iterations());
    }

private:
    benchmark::State& state;
    double start;
};

struct Sprite {
    float x, y;
    int frame;
};

std::vector<Sprite> Scatter(size_t count) {
    SeedRnd(1);
    std::vector<Sprite> sprites(count);
    for (auto& s : sprites)
        s = {float(Rand(0, 800)), float(Rand(0, 600)), Rand(0, kFrames - 1)};
    return sprites;
}

void BM_AlphaSprites(benchmark::State& state) {
    if (!Graphics(800, 600, 0, 0)) {
        state.SkipWithError("no display");
        return;
    }
    ImageRef strip = MakeStrip();
    std::vector<Sprite> sprites = Scatter(size_t(state.range(0)));
    SetBlend(BLEND_ALPHA);
    SetAlpha(0.8f);
    ProcessCpu cpu(state);
    for (auto _ : state) {
        Cls();
        for (const auto& s : sprites)
            DrawImage(strip, s.x, s.y, s.frame);
        Flip(0);
    }
    ResetDrawState();
    state.SetLabel(std::to_string(sprites.size()) + " sprites per frame");
}

void BM_Screen(benchmark::State& state) {
    if (!Graphics(800, 600, 0, 0)) {
        state.SkipWithError("no display");
        return;
    }
    ImageRef background = MakeBackground();
    ImageRef strip = MakeStrip();
    std::vector<Sprite> sprites = Scatter(200);
    ProcessCpu cpu(state);
    for (auto _ : state) {
        Cls();
        SetBlend(BLEND_ALPHA);
        SetAlpha(1);
        DrawImage(background, 0, 0);
        SetAlpha(0.8f);
        for (const auto& s : sprites)
            DrawImage(strip, s.x, s.y, s.frame);
        SetAlpha(1);
        for (int line = 0; line < 20; ++line)
            DrawText("Level 12  Score 004210  Gems left 37", 20, 20 + line * 28.0f);
        Flip(0);
    }
    ResetDrawState();
}

// The same sprites through SDL's renderer, in a window of its own. The platform's GL context is
// made current again afterwards, as the platform expects it to stay current for the whole run.
void BM_SDLAlphaSprites(benchmark::State& state) {
    if (!Graphics(800, 600, 0, 0)) { // starts the video system and the platform's context
        state.SkipWithError("no display");
        return;
    }
    SDL_Window* platformWindow = SDL_GL_GetCurrentWindow();
    SDL_GLContext platformContext = SDL_GL_GetCurrentContext();
    EndGraphics();
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
    SDL_Window* window = SDL_CreateWindow("SDL reference", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          800, 600, SDL_WINDOW_OPENGL);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED) : nullptr;
    if (!renderer) {
        state.SkipWithError("no SDL renderer");
    } else {
        SDL_Surface* surface =
            SDL_CreateRGBSurfaceWithFormat(0, kFrames * kCell, kCell, 32, SDL_PIXELFORMAT_ARGB8888);
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kFrames * kCell; ++x)
                static_cast<uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x] = StripPixel(x, y);
        SDL_Texture* strip = SDL_CreateTextureFromSurface(renderer, surface);
        SDL_FreeSurface(surface);
        SDL_SetTextureBlendMode(strip, SDL_BLENDMODE_BLEND);
        SDL_SetTextureAlphaMod(strip, 204);
        std::vector<Sprite> sprites = Scatter(size_t(state.range(0)));
        ProcessCpu cpu(state);
        for (auto _ : state) {
            SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
            SDL_RenderClear(renderer);
            for (const auto& s : sprites) {
                SDL_Rect src{s.frame * kCell, 0, kCell, kCell};
                SDL_FRect dst{s.x - 25, s.y - 25, kCell, kCell};
                SDL_RenderCopyF(renderer, strip, &src, &dst);
            }
            SDL_RenderPresent(renderer);
        }
        SDL_DestroyTexture(strip);
        state.SetLabel(std::to_string(sprites.size()) + " sprites per frame");
    }
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    if (platformContext) SDL_GL_MakeCurrent(platformWindow, platformContext);
}

BENCHMARK(BM_AlphaSprites)->Arg(0)->Arg(2000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_SDLAlphaSprites)->Arg(0)->Arg(2000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Screen)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

BENCHMARK_MAIN();
