// What the first screen costs to load, for comparing with the time from exec to the first frame
// (bench/screen_cost.sh): the title pictures and the game font made into textures, and the
// title music made ready to play. Run under a display, e.g.:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bin/bench_startup
#include "platform/TImageFont.h"
#include "platform/audio.h"
#include "platform/font.h"
#include "platform/graphics.h"
#include "platform/image.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace platform;

namespace {

const std::string kData = SLEETWHISTLE_BENCH_DATA_DIR "/";

void BM_TitlePicturesAndFont(benchmark::State& state) {
    if (!Graphics(800, 600, 0, 0)) {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state) {
        ImageRef title = LoadImage(kData + "graphics/title.jpg");
        ImageRef logo = LoadImage(kData + "graphics/mainlogo.png");
        ImageFontRef font = LoadImageFont(kData + "fonts/card.ttf", 25, FONT_SMOOTH);
        if (!title || !logo || !font) {
            state.SkipWithError("the data folder is missing");
            return;
        }
        PrecacheFrame(title, 0);
        PrecacheFrame(logo, 0);
        PrecacheFrame(font->atlas, 0);
    }
}
BENCHMARK(BM_TitlePicturesAndFont)->Unit(benchmark::kMillisecond);

void BM_TitleMusic(benchmark::State& state) {
    SetAudioDriver("FreeAudio");
    for (auto _ : state) {
        SoundRef music = LoadSound(kData + "music/title.ogg", SOUND_LOOP);
        if (!music) {
            state.SkipWithError("the data folder is missing");
            return;
        }
        benchmark::DoNotOptimize(music);
    }
    ShutdownAudio();
}
BENCHMARK(BM_TitleMusic)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
