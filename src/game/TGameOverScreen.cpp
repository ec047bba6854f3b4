#include "game/TGameOverScreen.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "media/TLoadingScreen.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/input.h"
#include "profiles/TProfile.h"
#include "screens/TTitleScreen.h"
#include "widgets/dialog_builders.h"

TGameOverScreenRef GameOverScreen;

int TGameOverScreen::Load() {
    name = "gameover";
    Game->LoadingScreen->DrawLoading(1);
    Game->MusicLoad("gameover.ogg", 1);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    OKButtonCreate(*Menu);
    Game->FadeMusic = 1;
    High = THighScoreEntry::Create(Menu, *Player);
    GameTotals = TGameTotals::Create(*Player);
    if (High->HighScore == 0) GameTotals->CentreVert();
    return 0;
}

int TGameOverScreen::Start() {
    TScreen::Start();
    Game->MusicPlay(1, 0, 0);
    Player->ProfileGameOver(Game->CurrentProfile.get(), 1);
    Game->GameFade->Init(float(FADE_SPEED), 0, nullptr, 0, 0, nullptr);
    Game->FixedRateLogic->Init();
    return 0;
}

int TGameOverScreen::Kill() {
    TScreen::Kill();
    High = nullptr;
    GameTotals = nullptr;
    return 0;
}

void TGameOverScreen::Leave() {
    Game->GameFade->Init(float(FADE_SPEED), 1, Game->MusicChannel, 1, 0, nullptr);
    Game->DestinationTScreen = TitleScreen;
    Game->BlockKeys = 0;
}

int TGameOverScreen::Logic() {
    // While the name is typed, Enter reaches the name through the typed characters, after the
    // characters typed before it; as a key hit it would click "OK" and cut the name short.
    if (High->HighScore == 1 && High->InputName.Active != 0) KeyHit(platform::vk::RETURN);
    TScreen::Logic();
    GameTotals->Manage();
    if (Menu->Clicked("ok") != 0) {
        Leave();
        High->FinishAndAdd();
    }
    if (High->Manage() == 1) Leave();
    return 0;
}

int TGameOverScreen::Draw() {
    platform::Cls();
    platform::SetImageFont(MainFont);
    GameTotals->Draw();
    High->Draw();
    return 0;
}

int TGameOverScreen::SetEscDestination() {
    Game->DestinationTScreen = TitleScreen;
    return 0;
}
