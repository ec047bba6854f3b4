#include "game/TLevelCompleteScreen.h"

#include "core/TGame.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "screens/TTitleScreen.h"

std::shared_ptr<TLevelCompleteScreen> LevelCompleteScreen;

int TLevelCompleteScreen::Load() {
    return 0;
}

int TLevelCompleteScreen::Show() {
    Active = 1;
    Game->GameFade->Init(float(FADE_SPEED), 1, Game->MusicChannel, 1, 0, nullptr);
    Game->DestinationTScreen = TitleScreen;
    return 0;
}

int TLevelCompleteScreen::Logic() {
    return 0;
}

int TLevelCompleteScreen::Draw() {
    return 0;
}

int TLevelCompleteScreen::Kill() {
    Active = 0;
    return 0;
}
