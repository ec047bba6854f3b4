// Entering and leaving the game screen: the level's pictures, music and sounds, the start of play
// with its fade-in, the return from the options or instructions screen, and the release.
#include "game/TGameScreen.h"

#include "board/TGameGrid.h"
#include "board/TGemList.h"
#include "board/board_grid.h"
#include "core/TGame.h"
#include "framework/core_services.h"
#include "game/TGameMenu.h"
#include "game/THintScroll.h"
#include "game/TLevelCompleteScreen.h"
#include "media/TGameFade.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TSoundBank.h"
#include "platform/system.h"
#include "profiles/TProfile.h"
#include "screens/TTitleScreen.h"

#include <string>

std::shared_ptr<TGameScreen> GameScreen;

int TGameScreen::Load() {
    name = "game";
    Game->LoadingScreen->LoadingY = ScreenHeight / 2;
    Game->LoadingScreen->DrawLoading(1);
    const int level = Player.Level;
    Chapter = (level - 1) / 5 + 1;
    ImageLoad("bg" + std::to_string((level - 1) % MAX_SKY + 1) + ".jpg", 0, 1);
    Game->MusicLoad("level" + std::to_string((level - 1) % MAX_MUSIC + 1) + ".ogg", 1);
    Game->FadeMusic = 1;
    IntroAnim = TAnimation::Create(1000, 0, 0, 0, 0);
    OutroAnim = TAnimation::Create(4500, 1, 0, 0, 0);
    Go = TSprite::CreateFromFile("go", 0.0f, 0.0f, 1, 0);
    WellDone = TSprite::CreateFromFile("welldone", 0.0f, 0.0f, 1, 0);
    Go->image->Precache();
    WellDone->image->Precache();
    SoundLevelStart = sounds->Find("levelstart");
    SoundLevelEnd = sounds->Find("levelend");
    SoundGaugeFull = sounds->Find("gaugefull");
    Menu = TMenu::Create("buttonMO", "buttonclick", 0.0f, 0.0f, 10);
    Menu->AddPair("Hint", "Menu", 50, "");
    for (const char* button : {"Hint", "Menu"})
        if (TButtonRef found = Menu->FindButton(button)) found->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    SetMenuCoords();
    Menu->Precache();
    GameMenu->Load();
    LevelCompleteScreen->Load();
    LoadParticles();
    XActive1Image = images->Find("gaugefull");
    XActive2Image = images->Find("gaugemax");
    XInactiveImage = images->Find("gaugeempty");
    PanelImage = images->Find("Panel");
    for (const TGameImageRef& image : {XActive1Image, XActive2Image, XInactiveImage, PanelImage})
        if (image) image->Precache();
    images->Precache();
    return 0;
}

int TGameScreen::Start() {
    TScreen::Start();
    Game->MusicPlay(1, 0, 0);
    LevelStart();
    Game->GameFade->Init(float(FADE_SPEED), 0, nullptr, 0, 0, nullptr);
    platform::TraceMilestone("level-started");
    return 0;
}

int TGameScreen::CoreStart() {
    TScreen::CoreStart();
    Game->IgnoreEscapeKey = 1;
    ResetStops();
    if (GameMenu->Menu) GameMenu->Menu->ClearGlow();
    if (GameMenu->Active) {
        Game->GameFade->Init(float(FADE_SPEED), 0, nullptr, 0, 0, nullptr);
        if (GemList) GemList->SetShadow();
    }
    Game->FixedRateLogic->Init();
    return 0;
}

int TGameScreen::PostFadeIn() {
    if (!HintScroll->Active && !GameMenu->Active) StartSound();
    if (HintScroll->Active == 1 && !GameMenu->Active) HintScroll->PlayActivateSound();
    return 0;
}

int TGameScreen::Kill() {
    // A win is kept for the program's end only when the screen closes because the program ends.
    if (Game->DestinationTScreen != Game->ExitScreen) WonLevelUnsaved = 0;
    TScreen::Kill();
    ClearLists();
    IntroAnim = nullptr;
    OutroAnim = nullptr;
    Go = nullptr;
    WellDone = nullptr;
    SoundLevelStart = nullptr;
    SoundLevelEnd = nullptr;
    SoundGaugeFull = nullptr;
    GameMenu->Kill();
    LevelCompleteScreen->Kill();
    HintScroll->Kill();
    KillGameObjects();
    ClearParticles();
    return 0;
}

int TGameScreen::SetEscDestination() {
    Game->DestinationTScreen = TitleScreen;
    return 0;
}

int TGameScreen::SetMenuCoords() {
    if (TButtonRef hint = Menu->FindButton("hint")) {
        hint->x = 4.0f;
        hint->y = float(ScreenHeight - 110);
    }
    if (TButtonRef menu = Menu->FindButton("menu")) {
        menu->x = 4.0f;
        menu->y = float(ScreenHeight - 59);
    }
    return 0;
}

int TGameScreen::GameStart() {
    Player.Load();
    Player.InitStats();
    Player.ReadProfile(Game->CurrentProfile.get(), 0);
    return 0;
}

int TGameScreen::GetChapter() {
    return (GameScreen->Player.Level - 1) / 5 + 1;
}

int TGameScreen::GetSubLevel() {
    return (GameScreen->Player.Level - 1) % 5 + 1;
}

int TGameScreen::OfferOneShotHint(int flag, int hint, int withSound) {
    // One hint at a time: a second offer while the scroll is open would set its flag for a hint
    // never seen, so it is left for the next time its cause arises.
    if (HintScroll->Active != 0 || !Game->CurrentProfile) return 0;
    if (Game->CurrentProfile->ShowHint(flag, 1) != 1) return 0;
    HintScroll->LoadSpecial(hint);
    HintScroll->Show(withSound);
    return 1;
}
