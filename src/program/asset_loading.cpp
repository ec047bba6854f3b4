#include "program/asset_loading.h"

#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/board_particles.h"
#include "board/gem_codes.h"
#include "core/TGame.h"
#include "framework/cc_draw.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "media/TImageBank.h"
#include "media/TLoadingScreen.h"
#include "media/TSoundBank.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/system.h"
#include "profiles/THighScoreList.h"
#include "screens/TIntroScreen.h"
#include "screens/TTitleScreen.h"

#include <string>

namespace {

struct TSoundRow {
    const char* name;
    float pitch;
};

constexpr TSoundRow SOUND_ROWS[] = {
    {"click", 1.0f},        {"clickrev", 1.0f},   {"invalid", 1.0f},      {"swap", 1.0f},
    {"failed", 1.0f},       {"matchbrick", 1.0f}, {"matchnobrick", 1.0f}, {"lockedclick", 1.0f},
    {"unlock", 1.0f},       {"land", 1.0f},       {"hint", 1.0f},         {"levelstart", 1.0f},
    {"levelend.ogg", 1.0f}, {"alarm", 0.7f},      {"echopop", 1.0f},      {"wind", 1.0f},
    {"scroll", 1.2f},       {"explode", 1.0f},    {"star", 1.0f},         {"brush", 1.0f},
    {"paintpot", 1.0f},     {"cracker", 1.5f},    {"gaugefull", 1.0f},    {"magic", 1.0f},
    {"buttonMO", 1.0f},
};

// A single image with a centre handle, found again and set to the top-left.
void LoadReset(const std::string& name) {
    images->Load(name, "", -1, 1);
    images->Find(platform::StripExt(name))->MidHandle(0);
    Game->MoveBar();
}

void LoadCentred(const std::string& file, const std::string& key = "") {
    images->Load(file, key, -1, 1);
    Game->MoveBar();
}

void LoadTopLeft(const std::string& name) {
    images->LoadNoMid(name, "", -1);
    Game->MoveBar();
}

void LoadStrip(const std::string& name, int cell, int count, int mid) {
    images->LoadAnim(name, cell, cell, 0, count, -1, mid);
    Game->MoveBar();
}

void LoadPointerAndBoard() {
    Game->Mouse->Load("pointer");
    Game->MoveBar();
    LoadTopLeft("pointer");
    LoadTopLeft("pointersmall");
    LoadCentred("paused");
    Game->SpritePausedCreate(images->Find("paused"));
    images->LoadAnim("gems", 50, 50, 0, 7, -1, 1);
    images->Find("gems")->MidHandle(0);
    Game->MoveBar();
    LoadTopLeft("lock");
    for (const char* name : {"cell", "cellrightside", "cellbottom", "cellcorner", "cellpane", "brick"})
        LoadReset(name);
    LoadCentred("brickparticle", "brickmid");
    LoadReset("armour");
    LoadCentred("armourparticle", "armourmid");
    for (const char* name : {"cursor", "bonushighlightmid", "magichighlight"})
        LoadReset(name);
    LoadCentred("diagonalmask");
}

void LoadGemStrips() {
    for (int n = FIRST_SHAPE; n <= LAST_SHAPE; ++n)
        LoadStrip("gem" + std::to_string(n) + "anim", 50, 50, 0);
    for (int code = FIRST_ITEM; code <= LAST_ITEM; ++code) {
        std::string idle = "bonus" + std::to_string(code) + "idle";
        LoadStrip(idle, 50, TGem::BonusIdleFrames[code], 0);
        if (IsAimedItem(code)) LoadStrip(idle, 50, TGem::BonusActivateFrames[code], 0);
        if (code == ITEM_HORIZONTAL_CRACKER)
            LoadStrip("bonus9activate", 50, TGem::BonusActivateFrames[ITEM_HORIZONTAL_CRACKER], 0);
    }
    images->Find("bonus9activate")->MidHandle(1);
}

void LoadEffects() {
    LoadReset("panel.png");
    for (const char* name : {"gaugeempty.png", "gaugefull.png", "gaugemax.png"})
        LoadCentred(name);
    for (const char* name : {"particlering", "snowflake", "snowflakesmall", "snowflakelarge", "sparkle"})
        LoadCentred(name);
    LoadCentred("particle7", "fireball");
    LoadCentred("particle8", "golddust");
    LoadCentred("sparklegold");
    for (const char* name :
         {"score10", "score20", "score30", "score40", "score50", "score60", "score70", "score80", "score100"})
        LoadCentred(name);
    LoadStrip("iceshard", 32, 50, 1);
    LoadStrip("iceshard2", 30, 50, 1);
    for (const char* name : {"starinactive", "staractive", "starinactiveMO"})
        LoadCentred(name);
    // The outro's prompt shares the last star's step, so the bar keeps its 92 steps.
    images->Load("click", "", -1, 1);
    LoadCentred("staractiveMO");
}

} // namespace

int LoadData() {
    platform::AutoMidHandle(true);
    ccClsVSync(0, 0, 0);
    Game->LoadingScreen->SpecialLoad("loadingscreen.jpg", "LoadingBar.png", "loading.png");
    Game->LoadingScreen->HeaderLoad("mainlogo", float(ScreenWidth / 2), 125.0f, 1);
    sounds->Load("buttonclick", 1.0f, 1.0f, "", 0);
    Game->CurrentTScreen = IntroScreen;
    IntroScreen->Destination = Game->LoadingScreen;
    IntroScreen->PreStart();
    return 0;
}

int LoadData2() {
    TLoadingScreen& loading = *Game->LoadingScreen;
    loading.LoadingBar->Centre(ScreenHeight - 110);
    loading.LoadingBar->Mode = 1;
    loading.LoadingBar->DrawEmptyUnderFinal = 1;
    loading.LoadingY = ScreenHeight - 140;
    loading.SetSteps(LOADING_STEPS);
    loading.SetClickHereButton("clickhere", "clickhereMO", "buttonMO", "buttonClick", ScreenHeight - 93);
    loading.Destination = TitleScreen;
    TGem::InitArrays();
    LoadSounds();
    LoadImages();
    Game->HighScores->Create(Game->SubPath + "sw", 10);
    Game->HighScores->Load();
    Game->MoveBar();
    TitleScreen->SpecialLoad(1, 0);
    Game->MoveBar();
    platform::TraceMilestone("loading-finished");
    TGem::Load();
    TCell::Load();
    TGameGrid::CreateChannels();
    Game->Mouse->ParticleFunc = PointerParticles;
    PointerParticle = images->Find("snowflake");
    Game->Mouse->UpdateCoords();
    Game->Mouse->On();
    // Nothing typed or clicked while loading reaches the loading screen or the title; a quit stays.
    ccFlushAll();
    ccDropQueuedInput();
    Game->FixedRateLogic->Init();
    return 0;
}

int LoadSounds() {
    for (const TSoundRow& row : SOUND_ROWS) {
        sounds->Load(row.name, row.pitch, 1.0f, "", 0);
        Game->MoveBar();
    }
    return 0;
}

int LoadImages() {
    platform::SetMaskColor(0, 0, 0);
    Game->Mouse->offsetx = 4;
    LoadPointerAndBoard();
    LoadGemStrips();
    LoadEffects();
    return 0;
}
