#include "screens/TLevelSelectScreen.h"

#include "core/TGame.h"
#include "framework/cc_input.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "game/TGameScreen.h"
#include "media/TChannelArray.h"
#include "media/TGameFade.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TMousePointer.h"
#include "media/TSoundBank.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/system.h"
#include "profiles/TProfile.h"
#include "screens/TInstructionsScreen.h"
#include "screens/TTitleScreen.h"

#include <algorithm>
#include <string>

TLevelSelectScreenRef LevelSelectScreen;

namespace {

// The dot of each level on the map picture, level 1 first.
constexpr TAccuratePoint LEVEL_DOTS[] = {
    {87, 693},  {121, 698}, {152, 712}, {181, 725}, {212, 740}, {241, 755}, {271, 769}, {300, 781},
    {334, 788}, {370, 788}, {404, 781}, {438, 771}, {471, 761}, {503, 750}, {536, 746}, {519, 691},
    {489, 681}, {460, 665}, {432, 648}, {401, 636}, {368, 627}, {333, 626}, {300, 629}, {270, 635},
    {237, 642}, {205, 649}, {174, 652}, {141, 646}, {111, 627}, {87, 601},  {71, 567},  {98, 494},
    {149, 474}, {197, 493}, {244, 520}, {291, 544}, {344, 555}, {397, 542}, {449, 527}, {441, 474},
    {399, 435}, {348, 407}, {286, 408}, {232, 425}, {177, 413}, {150, 366}, {193, 286}, {261, 294},
    {318, 339}, {386, 317}, {364, 256}, {300, 213}, {227, 191}, {277, 139}, {289, 48}};

constexpr int INSTRUCTIONS_FLAG = 19; // the profile's flag for the instructions before the first game

} // namespace

TLevelSelectScreen::TLevelSelectScreen() {
    CreateCoords();
}

TMapGeometry TLevelSelectScreen::Geometry() const {
    TMapGeometry g;
    g.ScreenW = ScreenWidth;
    g.ScreenH = ScreenHeight;
    g.MapW = float(platform::ImageWidth(Image));
    g.MapH = float(platform::ImageHeight(Image));
    g.YOffset = YOffset;
    return g;
}

void TLevelSelectScreen::Play(const TGameSoundRef& sound) {
    if (sound && Game->Channels) Game->Channels->PlayGameSound(*sound, nullptr, 1.0f, 0.0f);
}

int TLevelSelectScreen::Load() {
    name = "levelselect";
    Game->LoadingScreen->DrawLoading(1);
    if (Game->LastTScreen != TitleScreen) Game->MusicLoad("title.ogg", 1);
    ImageLoad("levelselect.png", 2, 1);
    HeaderLoad("selectlevel", 0, 0, 1);
    Header->CentreX(50);
    Background = TGameImage::Create(Game->ImagePath + "mapbackground.jpg", 2, 0);
    LoadMenu();
    FillCoords();
    Locked = images->Find("starinactive");
    Unlocked = images->Find("staractive");
    LockedMO = images->Find("starinactiveMO");
    UnlockedMO = images->Find("staractiveMO");
    ZoomInSound = sounds->Find("wind");
    Invalid = sounds->Find("invalid");
    ZoomOut = sounds->Find("wind");
    Glow->Init(0, 180, 1, 0);
    Glow2->Init(0, 180, 0.5f, 0);
    ScrollX = ScrollY = 0.0f;
    Zoom = TAnimation::Create(500, 0, 0, 0, 0);
    ZoomIn = 1;
    Angle = 0.0f;
    MOIndex = -1;
    Scale = 1.0f;
    Game->FadeMusic = 0;
    return 0;
}

void TLevelSelectScreen::LoadMenu() {
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    TButtonRef back = Menu->AddNew("arrowleft", "arrowleftMO", "back", 0, 0, 1);
    back->x = float(GAP);
    back->y = float(ScreenHeight - back->h - 60);
    TButtonRef start = Menu->AddNew("arrowright", "arrowrightMO", "start", 0, 0, 1);
    start->x = float(ScreenWidth - GAP - start->w);
    start->y = float(ScreenHeight - start->h - 60);
    back->Active = 0;
    start->Active = 0;
    back->SetFixedGlowOnMO(0.5f, 0.005f, 0);
    start->SetAutoGlow(0, 0.3f, 1, 1);
}

int TLevelSelectScreen::Start() {
    TScreen::Start();
    if (Game->LastTScreen != TitleScreen) Game->MusicPlay(1, 0, 0);
    Game->Mouse->Off();
    // Held within the dot table, whatever road set the player's level.
    Level = std::clamp(GameScreen->Player.Level, 1, int(Coords.size()));
    LastMOIndex = Level - 1;
    Zoom->Start();
    Logic();
    Draw();
    Game->GameFade->Init(float(FADE_SPEED), 0, nullptr, 0, 0, nullptr);
    Game->FixedRateLogic->Init();
    return 0;
}

int TLevelSelectScreen::PostFadeIn() {
    Play(ZoomInSound);
    return 0;
}

int TLevelSelectScreen::Kill() {
    TScreen::Kill();
    KillCoords();
    Background = nullptr;
    Locked = Unlocked = LockedMO = UnlockedMO = nullptr;
    ZoomInSound = Invalid = ZoomOut = nullptr;
    Zoom = nullptr;
    return 0;
}

int TLevelSelectScreen::Logic() {
    if (Game->GameFade->Active != 0) return 0;
    TScreen::Logic();
    if (Zoom->Manage() == 1) {
        if (ZoomIn == 1)
            OpeningZoomEnded();
        else
            ChoiceZoomEnded();
    }
    Scale = CalcScale(0);
    if (Zoom->Active == 0) Browse();
    if (Zoom->Active == 0 && (KeyHit(platform::vk::SPACE) != 0 || KeyHit(platform::vk::RETURN) != 0)) {
        Menu->FindButton("start")->PlayClick();
        LevelSelected(Level);
    }
    if (Menu->Clicked("back") != 0) {
        Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
        Game->DestinationTScreen = TitleScreen;
    }
    if (Zoom->Active == 0 && Menu->Clicked("start") != 0) LevelSelected(Level);
    return 0;
}

void TLevelSelectScreen::OpeningZoomEnded() {
    Menu->FindButton("back")->Active = 1;
    Menu->FindButton("start")->Active = 1;
    Scale = 0.0f;
    CalcScrollCoords();
    Game->DoMoveMouse(700, 500);
    Game->Mouse->x = 700;
    Game->Mouse->y = 500;
    Game->Mouse->On();
    Menu->ManageNoSound(0, 0);
    // Keys pressed while the map was still zooming choose nothing.
    ccFlushAll();
    // The flip and the game clock let scripted runs place their input and frames after it.
    platform::TraceMilestone("map-browsing " + std::to_string(platform::FlipCount()) + " " +
                             std::to_string(platform::MilliSecs()));
}

void TLevelSelectScreen::ChoiceZoomEnded() {
    if (Game->GameFade->Active != 0) return;
    const bool firstChoice = Game->CurrentProfile->ShowHint(INSTRUCTIONS_FLAG, 1) == 1;
    if (firstChoice && GameScreen->Player.Level == 1) {
        Game->DestinationTScreen = InstructionsScreen;
        InstructionsScreen->Destination = GameScreen;
        Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
    } else {
        Game->DestinationTScreen = GameScreen;
        Game->GameFade->Init(float(FADE_SPEED), 1, Game->MusicChannel, 1, 0, nullptr);
    }
}

void TLevelSelectScreen::Browse() {
    const TMapScroll scroll =
        EdgeScroll(Geometry(), {ScrollX, ScrollY}, float(Game->Mouse->x), float(Game->Mouse->y), Delta);
    ScrollX = scroll.X;
    ScrollY = scroll.Y;
    Glow->Manage();
    Glow2->Manage();
    Angle += 0.5f * Delta;
    if (Angle >= 360.0f) Angle -= 360.0f;
    HoverAndClick();
}

void TLevelSelectScreen::HoverAndClick() {
    const int prev = MOIndex;
    MOIndex = -1;
    const int i =
        DotUnderPointer(Coords, Geometry(), {ScrollX, ScrollY}, float(Game->Mouse->x), float(Game->Mouse->y));
    if (i < 0) return;
    TButtonRef start = Menu->FindButton("start");
    if (prev == -1) start->PlayMouseOver();
    MOIndex = i;
    LastMOIndex = i;
    if (Game->Mouse->GetMh(1) == 0) return;
    if (i + 1 > GameScreen->Player.Unlocked) {
        Play(Invalid);
        return;
    }
    start->PlayClick();
    LevelSelected(i + 1);
}

int TLevelSelectScreen::SetEscDestination() {
    Game->DestinationTScreen = TitleScreen;
    return 0;
}

int TLevelSelectScreen::FillCoords() {
    CreateCoords();
    const size_t n = std::min(Coords.size(), std::size(LEVEL_DOTS));
    for (size_t i = 0; i < n; i++)
        Coords[i].Set(LEVEL_DOTS[i].X, LEVEL_DOTS[i].Y);
    return 0;
}

int TLevelSelectScreen::CreateCoords() {
    Coords.assign(size_t(std::max(Game->MaxLevels, 0)), TAccuratePoint{});
    return 0;
}

int TLevelSelectScreen::KillCoords() {
    std::fill(Coords.begin(), Coords.end(), TAccuratePoint{});
    return 0;
}

float TLevelSelectScreen::CalcScale(int flag) {
    const float t = flag != 0 ? 0.0f : Zoom->GetRatio();
    return MapZoomAmount(Geometry(), ZoomIn, t);
}

int TLevelSelectScreen::LevelSelected(int levelNo) {
    Play(ZoomOut);
    Zoom = TAnimation::Create(500, 1, 0, 0, 0);
    ZoomIn = 0;
    Zoom->Start();
    LastX = TruncToInt(ScrollX);
    LastY = TruncToInt(ScrollY);
    GameScreen->Player.Level = levelNo;
    GameScreen->Player.WriteProfile(Game->CurrentProfile.get());
    Level = levelNo;
    Menu->FindButton("back")->Active = 0;
    Menu->FindButton("start")->Active = 0;
    return 0;
}

int TLevelSelectScreen::CalcScrollCoords() {
    const TAccuratePoint& dot = Coords[size_t(Level - 1)];
    const float r = Zoom->GetRatio();
    const TMapScroll s = ZoomIn == 1 ? OpeningZoomScroll(Geometry(), dot.X, dot.Y, Scale, r)
                                     : ChoiceZoomScroll(Geometry(), dot.X, dot.Y, LastX, LastY, r);
    ScrollX = s.X;
    ScrollY = s.Y;
    return 0;
}
