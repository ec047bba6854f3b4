#include "game/TGameBoardHost.h"

#include "core/TGame.h"
#include "framework/core_services.h"
#include "game/TGameOverScreen.h"
#include "game/TGameScreen.h"
#include "game/TLevelCompleteScreen.h"
#include "media/TGameFade.h"

TPlayer& TGameBoardHost::Player() {
    return Screen.Player;
}

int TGameBoardHost::OutroActive() {
    return Screen.OutroAnim && Screen.OutroAnim->Active ? 1 : 0;
}

void TGameBoardHost::ClearHintShowCounter() {
    Screen.HintShowCounter = 0.0f;
}

void TGameBoardHost::AddGaugeFillDelay(int ms) {
    Screen.GaugeFillDelay->AddNew(ms);
}

int TGameBoardHost::OfferHint(int index) {
    return Screen.OfferOneShotHint(index, index, 1);
}

int TGameBoardHost::NextLevel() {
    return Screen.NextLevel();
}

int TGameBoardHost::Quit() {
    return Screen.Quit();
}

int TGameBoardHost::RestartLevel() {
    return Screen.RestartLevel();
}

int TGameBoardHost::LevelCompleteActive() {
    return LevelCompleteScreen && LevelCompleteScreen->Active ? 1 : 0;
}

void TGameBoardHost::RestartIntro() {
    if (Screen.IntroAnim) Screen.IntroAnim->Start();
    Screen.StartSound();
}

void TGameBoardHost::StartGameOver() {
    Game->GameFade->Init(float(3 * FADE_SPEED), 1, Game->MusicChannel, 1, 0, nullptr);
    Game->DestinationTScreen = GameOverScreen;
}
