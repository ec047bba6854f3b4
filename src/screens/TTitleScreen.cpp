#include "screens/TTitleScreen.h"

#include "core/TGame.h"
#include "core/fonts.h"
#include "core/program_state.h"
#include "framework/TColor.h"
#include "framework/TFont.h"
#include "framework/cc_draw.h"
#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "framework/core_services.h"
#include "game/TGameFinishedScreen.h"
#include "game/TGameOverScreen.h"
#include "game/TGameScreen.h"
#include "media/TGameFade.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TParticleList.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/random.h"
#include "platform/system.h"
#include "profiles/TProfile.h"
#include "profiles/player_names.h"
#include "profiles/title_players.h"
#include "screens/TGalleryScreen.h"
#include "screens/THighScoresScreen.h"
#include "screens/TInstructionsScreen.h"
#include "screens/TLevelSelectScreen.h"
#include "screens/TOptionsScreen.h"
#include "widgets/dialog_builders.h"

#include <algorithm>
#include <vector>

TTitleScreenRef TitleScreen;

namespace {

constexpr TTitleScreen::TPoint FIREFLY_SPOTS[TTitleScreen::MAX_COORDS] = {
    {131, 136}, {112, 141}, {124, 157}, {134, 26},  {38, 122},  {170, 26},  {431, 65},  {480, 82},
    {490, 118}, {756, 66},  {727, 117}, {554, 34},  {217, 69},  {386, 151}, {549, 340}, {717, 391},
    {717, 427}, {256, 354}, {256, 411}, {311, 240}, {477, 243}, {107, 179}, {142, 211}, {143, 280},
    {77, 271},  {159, 229}, {192, 323}, {107, 324}, {151, 363}, {87, 339},  {24, 431},  {211, 431},
    {125, 401}, {38, 366},  {217, 483}, {190, 489}, {189, 456}, {121, 485}, {167, 537}, {337, 570},
    {413, 535}, {463, 537}, {633, 569}};

} // namespace

int TTitleScreen::SpecialLoad(int firstLoad, int fromPlay) {
    name = "title";
    if (firstLoad == 0) Game->LoadingScreen->DrawLoading(1);
    // Coming back from the map, the title music never stopped.
    if (fromPlay != 0 && Game->LastTScreen != LevelSelectScreen) Game->MusicLoad("title.ogg", 1);
    ImageLoad("title.jpg", 0, 1);
    HeaderLoad("mainlogo", float(ScreenWidth / 2), 90.0f, 1);
    Copyright = ccLoadBitmap(Game->ImagePath + "copyright.png", -1);
    platform::SetImageHandle(Copyright, 0, 0);
    FireAnim = ccLoadAnimBitmap(Game->ImagePath + "fireanim.png", 137, 128, 0, 17, -1);
    platform::SetImageHandle(FireAnim, 0, 0);
    FireCounter = TAnimation::Create(2000, 0, 1, 1, 0);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->AddQuick("changeplayer", "");
    Menu->AddNew("play", "playMO", "", 0, 0, 1)->OKButton = 1;
    Menu->AddQuick("titleoptions", "");
    Menu->AddQuick("mygallery", "");
    Menu->AddQuick("exit", "");
    Menu->Centre();
    PlaceButtons();
    FillCoords();
    Game->FadeMusic = 1;
    if (firstLoad != 0) PromptForName();
    return 0;
}

void TTitleScreen::PlaceButtons() {
    constexpr int gap = 10, margin = 6;
    TButtonRef play = Menu->FindButton("play");
    TButtonRef changePlayer = Menu->FindButton("changeplayer");
    TButtonRef gallery = Menu->FindButton("mygallery");
    TButtonRef options = Menu->FindButton("titleoptions");
    TButtonRef exit = Menu->FindButton("exit");
    play->SetAutoGlow(0, 0.3f, 1.0f, 1);
    play->y = 510;
    for (const TButtonRef& button : {changePlayer, gallery, options, exit}) {
        button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
        button->y = 530;
    }
    changePlayer->x = 16;
    gallery->x = float(16 + changePlayer->w + gap);
    // The right-hand pair is placed as if both its buttons were as wide as the gallery button.
    options->x = float(ScreenWidth - 2 * gap - 2 * gallery->w - margin);
    exit->x = options->x + float(options->w + gap);
}

int TTitleScreen::FillCoords() {
    std::copy(std::begin(FIREFLY_SPOTS), std::end(FIREFLY_SPOTS), Coords.begin());
    return 0;
}

int TTitleScreen::PromptForName() {
    if (ChooseStartProfile() == 0) return SetupPrompt();
    return 0;
}

int TTitleScreen::SetupPrompt() {
    EnterName = EnterNamePrompt(0);
    return 0;
}

int TTitleScreen::SetupWelcome() {
    if (!Game->CurrentProfile) return 0;
    if (Welcome) {
        Welcome->Kill();
        Welcome = nullptr;
    }
    Welcome = TLabel::CreateSpecial("Season's Greetings, " + Game->CurrentProfile->Name,
                                    float(ScreenWidth / 2 + 15), 448, 1, 0, 0);
    Welcome->Init(MapFont, TColor::Create(255, 255, 255, 1.0f), TShadow::Create(1.0f, 1.0f, 0.6f), 0, nullptr,
                  nullptr, "");
    Welcome->CalcSize();
    return 1;
}

int TTitleScreen::PreStart() {
    const TScreenRef& leaving = Game->CurrentTScreen;
    // The game screen, the screens that end a run and the level map come back from play.
    int fromPlay = (leaving && (leaving == GameScreen || leaving == GameOverScreen ||
                                leaving == GameFinishedScreen || leaving == LevelSelectScreen))
                       ? 1
                       : 0;
    if (leaving != Game->LoadingScreen) SpecialLoad(0, fromPlay);
    return SpecialStart(fromPlay);
}

int TTitleScreen::SpecialStart(int fromPlay) {
    TScreen::Start();
    if (fromPlay != 0 && Game->LastTScreen != LevelSelectScreen) Game->MusicPlay(1, 0, 0);
    if (EnterName) {
        EnterName->Start();
        EnterName->y += 20;
    } else {
        SetupWelcome();
    }
    Game->LoadingScreen->LoadingY = ScreenHeight / 2;
    FireCounter->Start();
    Game->GameFade->Init(float(FADE_SPEED), 0, nullptr, 0, 0, nullptr);
    Game->FixedRateLogic->Init();
    platform::TraceMilestone("title-started");
    return 0;
}

bool TTitleScreen::RunDialogs() {
    if (EnterName) {
        int r = EnterName->Manage();
        if (r == 1) {
            CreateProfile(EnterName->TextInput->Text);
            SetupWelcome();
            EnterName->Kill();
            EnterName = nullptr;
        }
        if (r != 0) Menu->ManageNoSound(0, 0);
        if (EnterName && EnterName->Active != 0) return true;
    }
    if (PlayerManager) {
        if (PlayerManager->Manage() != 0) {
            PlayerManager->Kill();
            PlayerManager = nullptr;
            SetupWelcome();
            Menu->ManageNoSound(0, 0);
            // Keys pressed while the manager owned the keyboard were meant for it: none of them
            // reaches the title's own keys (H would open the instructions).
            FlushKeys();
        }
        if (PlayerManager && PlayerManager->Active != 0) return true;
    }
    return false;
}

int TTitleScreen::ShowPlayerManager() {
    PlayerManager = MakeTitlePlayerManager();
    PlayerManager->Start();
    Game->FixedRateLogic->Init();
    return 0;
}

void TTitleScreen::FadeTo(const TScreenRef& screen) {
    Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
    Game->DestinationTScreen = screen;
}

void TTitleScreen::TestButtons() {
    if (Menu->Clicked("changeplayer") != 0) ShowPlayerManager();
    if (Menu->Clicked("play") != 0) {
        GameScreen->GameStart();
        FadeTo(LevelSelectScreen);
    }
    if (Menu->Clicked("titleoptions") != 0) {
        FadeTo(OptionsScreen);
        OptionsScreen->Destination = TitleScreen;
    }
    if (Menu->Clicked("help") != 0 || KeyHit(platform::vk::H) != 0) {
        FadeTo(InstructionsScreen);
        InstructionsScreen->Destination = TitleScreen;
    }
    if (Menu->Clicked("highscores") != 0) FadeTo(HighScoresScreen);
    if (Menu->Clicked("mygallery") != 0) {
        FadeTo(GalleryScreen);
        GalleryScreen->Destination = shared_from_this();
    }
    if (Menu->Clicked("exit") != 0) {
        Game->GameFade->Init(float(FADE_SPEED), 1, Game->MusicChannel, 1, 0, nullptr);
        Game->DestinationTScreen = Game->ExitScreen;
    }
}

int TTitleScreen::Logic() {
    if (RunDialogs()) return 0;
    TScreen::Logic();
    FireCounter->Manage();
    FirefliesManage();
    TestButtons();
    return 0;
}

int TTitleScreen::FirefliesManage() {
    int r = platform::Rand(1, 10000);
    if (float(r) < 300.0f * Delta) FireflyCreate();
    Particles->Manage();
    return 0;
}

int TTitleScreen::FireflyCreate() {
    int k = platform::Rand(0, MAX_COORDS - 1);
    float scale = float(platform::Rnd(0.4, 1.0));
    float spin = float(platform::Rnd(0.2, 0.5));
    TParticleRef particle =
        Particles->AddNew(Coords[size_t(k)].X, Coords[size_t(k)].Y, images->Find("sparkle"), 0, 0, 0, 1000, 1,
                          1, spin, scale, 0, 0, 0);
    int fadeOut = platform::Rand(600, 1000);
    int hold = platform::Rand(300, 600);
    int fadeIn = platform::Rand(600, 1000);
    particle->SetFade(fadeIn, hold, fadeOut);
    return 0;
}

bool TTitleScreen::DialogOpen() const {
    return (EnterName && EnterName->Active != 0) || (PlayerManager && PlayerManager->Active != 0);
}

int TTitleScreen::DrawWelcome() {
    if (!Welcome) return 0;
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(1.0f);
    Welcome->Draw(0, 0, 1);
    return 0;
}

int TTitleScreen::Draw() {
    platform::SetBlend(platform::BLEND_SOLID);
    platform::DrawImage(Image, 0, 0);
    platform::SetBlend(platform::BLEND_ALPHA);
    Header->Draw();
    platform::DrawImage(Copyright, 0, float(ScreenHeight - platform::ImageHeight(Copyright)));
    platform::SetImageFont(MainFontSmall);
    ccShadowTextSet(3, 3, 0.4f);
    std::string version = "V " + VERSION_NO;
    ccDrawText(version, float(ScreenWidth - platform::TextWidth(version) - 5), 1, 0, 0);
    if (EnterName) EnterName->Draw();
    if (PlayerManager) PlayerManager->Draw();
    if (DialogOpen()) return 0;
    DrawWelcome();
    Menu->Draw(0, 0);
    Particles->Draw();
    platform::DrawImage(FireAnim, 335, 317, FireCounter->GetAnimFrame(17));
    return 0;
}

int TTitleScreen::Kill() {
    TScreen::Kill();
    Copyright = nullptr;
    if (EnterName) EnterName->Kill();
    EnterName = nullptr;
    if (PlayerManager) PlayerManager->Kill();
    PlayerManager = nullptr;
    Welcome = nullptr;
    FireAnim = nullptr;
    FireCounter = nullptr;
    TGameScreen::ClearParticles(); // the fireflies go with the game's particles
    return 0;
}
