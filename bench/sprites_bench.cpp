// Frame time for 2,000 alpha-blended 50 x 50 sprites from one 350 x 50 strip, drawn into the
// logical frame and presented. Run under a display, e.g.:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bin/bench_sprites
#include "platform/draw.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/random.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

using namespace platform;

namespace {

ImageRef MakeStrip() {
    auto strip = CreatePixmap(350, 50);
    for (int f = 0; f < 7; ++f)
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x) {
                double d = std::hypot(x - 24.5, y - 24.5) / 25.0;
                uint32_t a = d < 1 ? uint32_t(255 * (1 - d * d)) : 0;
                WritePixel(strip, f * 50 + x, y, (a << 24) | uint32_t(f * 36) << 16 | 0x80FF);
            }
    const std::string path = "/tmp/sleetwhistle-bench-strip.png";
    SavePixmapPNGWithAlpha(strip, path);
    AutoMidHandle(true);
    auto frames = LoadAnimImage(path, 50, 50, 0, 7, IMAGE_FILTERED);
    AutoMidHandle(false);
    return frames;
}

void BM_AlphaSprites(benchmark::State& state) {
    if (!Graphics(800, 600, 0, 0)) {
        state.SkipWithError("no display");
        return;
    }
    ImageRef strip = MakeStrip();
    SeedRnd(1);
    struct Sprite {
        float x, y;
        int frame;
    };
    std::vector<Sprite> sprites(state.range(0));
    for (auto& s : sprites)
        s = {float(Rand(0, 800)), float(Rand(0, 600)), Rand(0, 6)};
    SetBlend(BLEND_ALPHA);
    SetAlpha(0.8f);
    for (auto _ : state) {
        Cls();
        for (const auto& s : sprites)
            DrawImage(strip, s.x, s.y, s.frame);
        Flip(0);
    }
    state.SetLabel(std::to_string(sprites.size()) + " sprites per frame");
}
BENCHMARK(BM_AlphaSprites)->Arg(0)->Arg(2000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

BENCHMARK_MAIN();
