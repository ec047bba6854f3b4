// Costs of the dialogs and menus with the game's generated data, all without a display:
// - BM_ErrorDialog: building and starting the red error box (its two sounds and the OK button's
//   two pictures loaded, the caption measured in the small main font).
// - BM_MenuTickAndFrame: one tick (Manage) and one frame (Draw into a recording renderer) of a
//   12-button menu with the pointer over one of them.
// Run: build/bin/bench_widgets
#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/core_services.h"
#include "platform/Renderer.h"
#include "platform/audio_testing.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "widgets/dialog_builders.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

const std::string kData = std::string(SLEETWHISTLE_BENCH_DATA_DIR) + "/";

// The game object, the recording renderer and audio, and the fonts, for every benchmark.
class TBenchGame {
public:
    TBenchGame() {
        platform::UseRecordingAudio();
        recorder = std::make_shared<platform::TRecordingRenderer>();
        platform::SetRenderer(recorder);
        Game = std::make_shared<TGame>();
        Game->ImagePath = kData + "graphics/";
        Game->MenuPath = kData + "menus/";
        Game->SoundPath = kData + "sound/";
        Game->ChannelsCreate(16);
        MainFontSmall = platform::LoadImageFont(kData + "fonts/card.ttf", 25, 6);
    }
    ~TBenchGame() {
        Game = nullptr;
        MainFontSmall = nullptr;
        platform::SetRenderer(nullptr);
    }
    std::shared_ptr<platform::TRecordingRenderer> recorder;
};

void BM_ErrorDialog(benchmark::State& state) {
    TBenchGame game;
    for (auto _ : state) {
        TDialogOKRef dialog = ErrorDialog("Error: a profile with this name already exists!");
        benchmark::DoNotOptimize(dialog->w);
        dialog->Kill();
    }
}
BENCHMARK(BM_ErrorDialog)->Unit(benchmark::kMillisecond);

void BM_MenuTickAndFrame(benchmark::State& state) {
    TBenchGame game;
    TMenuRef menu = TMenu::Create("buttonMO", "buttonclick", 0, 20, 5);
    const char* pictures[] = {"OK", "Yes", "No", "Cancel"};
    for (int i = 0; i < 12; ++i)
        menu->AddQuick(pictures[i % 4], "b" + std::to_string(i))->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    TButtonRef hovered = menu->FindButton("b5");
    Game->Mouse->x = int(hovered->x) + 10;
    Game->Mouse->y = int(hovered->y) + 10;
    size_t draws = 0;
    for (auto _ : state) {
        menu->Manage(0, 0);
        menu->Draw(0, 0);
        draws = game.recorder->calls.size();
        game.recorder->calls.clear();
    }
    state.counters["draws"] = double(draws);
}
BENCHMARK(BM_MenuTickAndFrame)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
