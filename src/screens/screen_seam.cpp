#include "screens/screen_seam.h"

#include "core/TGame.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "screens/THighScoresScreen.h"
#include "screens/TOutroScreen.h"
#include "screens/TTitleScreen.h"

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

struct TSeamRow {
    const char* name;
    std::function<TScreenRef()> screen;
};

// The screen the seam sent the run to; one made for it (the outro) is kept for the rest of the run.
TScreenRef MadeScreen;

const TSeamRow SEAM_ROWS[] = {
    {"highscores", [] { return TScreenRef(HighScoresScreen); }},
    {"outro", [] { return TScreenRef(std::make_shared<TOutroScreen>()); }},
};

std::string Wanted; // "" when the seam is off or has acted

bool TitleReady() {
    return TitleScreen && Game->CurrentTScreen == TitleScreen && Game->Fading() == 0 &&
           !TitleScreen->DialogOpen();
}

} // namespace

TScreenRef ScreenSeamTarget(const std::string& name) {
    for (const TSeamRow& row : SEAM_ROWS)
        if (name == row.name) return row.screen();
    return nullptr;
}

void ScreenSeamInstall() {
    Wanted.clear();
    const char* env = std::getenv("SLEETWHISTLE_SCREEN");
    if (env == nullptr || *env == 0) return;
    bool known = false;
    for (const TSeamRow& row : SEAM_ROWS)
        known = known || std::string(env) == row.name;
    if (!known) {
        std::fprintf(stderr, "SLEETWHISTLE_SCREEN: unknown screen '%s'\n", env);
        return;
    }
    Wanted = env;
    Game->BeforeTickHook = [] { ScreenSeamTick(); };
}

int ScreenSeamTick() {
    if (Wanted.empty() || !TitleReady()) return 0;
    TScreenRef target = ScreenSeamTarget(Wanted);
    Wanted.clear();
    if (!target) return 0;
    MadeScreen = target;
    Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
    Game->DestinationTScreen = target;
    return 1;
}
