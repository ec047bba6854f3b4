#include "board_fixture.h"

#include "game/particle_images.h"

#include <algorithm>

namespace boardtest {

int TRecordingHost::OfferHint(int index) {
    Offered.push_back(index);
    size_t cues = 0;
    if (Audio)
        for (const auto& e : Audio->Events())
            cues += e.what == "cue";
    CuesBeforeOffer.push_back(cues);
    return Profile.ShowHint(index, 1);
}

int TRecordingHost::NextLevel() {
    Calls.push_back("NextLevel");
    return AcceptNextLevel ? TStandaloneBoardHost::NextLevel() : 0;
}

int TRecordingHost::Quit() {
    Calls.push_back("Quit");
    return AcceptQuit ? TStandaloneBoardHost::Quit() : 0;
}

int TRecordingHost::RestartLevel() {
    Calls.push_back("RestartLevel");
    return TStandaloneBoardHost::RestartLevel();
}

void TRecordingHost::RestartIntro() {
    Calls.push_back("RestartIntro");
    TStandaloneBoardHost::RestartIntro();
}

void TRecordingHost::StartGameOver() {
    Calls.push_back("StartGameOver");
    TStandaloneBoardHost::StartGameOver();
}

int TRecordingHost::CountCalls(const std::string& name) const {
    return int(std::count(Calls.begin(), Calls.end(), name));
}

void BoardTest::LoadBoardImages() {
    LoadBoardBankImages();
}

void LoadBoardBankImages() {
    images->SetPath(std::string(SLEETWHISTLE_TEST_DATA_DIR) + "/graphics/");
    images->Load("pointer", "", -1, 0);
    images->Load("pointersmall", "", -1, 0);
    images->LoadAnim("gems", 50, 50, 0, 7, -1, 0);
    images->Load("lock", "", -1, 0);
    images->Load("brickparticle", "brickmid", -1, 1);
    images->Load("armourparticle", "armourmid", -1, 1);
    for (const char* name : {"cursor", "bonushighlightmid", "magichighlight"})
        images->Load(name, "", -1, 0);
    for (const char* name :
         {"particlering", "snowflake", "snowflakesmall", "snowflakelarge", "sparkle", "sparklegold",
          "score10", "score20", "score30", "score40", "score50", "score60", "score70", "score80", "score100"})
        images->Load(name, "", -1, 1);
    images->Load("particle7", "fireball", -1, 1);
    images->Load("particle8", "golddust", -1, 1);
    images->LoadAnim("iceshard", 32, 32, 0, 50, -1, 1);
    images->LoadAnim("iceshard2", 30, 30, 0, 50, -1, 1);
    images->LoadAnim("bonus9activate", 50, 50, 0, 1, -1, 1);
    FillParticleImages();
    PointerParticle = images->Find("snowflake");
}

std::vector<std::string> BoardTest::Cues() const {
    return testkit::CuedSounds(*audio);
}

std::vector<float> BoardTest::CueRates() const {
    std::vector<float> rates;
    bool afterCue = false;
    for (const auto& e : audio->Events()) {
        if (e.what == "cue") afterCue = true;
        if (afterCue && e.what == "rate") {
            rates.push_back(e.value);
            afterCue = false;
        }
    }
    return rates;
}

TGameGrid& BuildBoard(const std::vector<std::string>& rows) {
    GameGrid = TGameGrid::Create();
    TGameGrid& grid = *GameGrid;
    std::vector<std::vector<std::string>> cells;
    for (const std::string& row : rows) {
        std::istringstream in(row);
        std::vector<std::string> tokens;
        for (std::string t; in >> t;)
            tokens.push_back(t);
        cells.push_back(tokens);
    }
    grid.Clear();
    grid.levelheight = int(cells.size());
    grid.levelwidth = cells.empty() ? 0 : int(cells[0].size());
    grid.Centre();
    grid.CreateCells();
    GemList = std::make_shared<TGemList>();
    for (int y = 0; y < grid.levelheight; ++y)
        for (int x = 0; x < grid.levelwidth && x < int(cells[y].size()); ++x) {
            const std::string& t = cells[y][x];
            TCell& cell = *Grid[x][y];
            if (t[0] == '#') continue;
            cell.active = 1;
            size_t digits = 0;
            while (digits < t.size() && std::isdigit(static_cast<unsigned char>(t[digits])))
                ++digits;
            std::string markers = t.substr(digits);
            if (markers.find('i') != std::string::npos) cell.gold = 1, grid.Gold += 1;
            if (markers.find('t') != std::string::npos) cell.gold = cell.armour = 1, grid.Gold += 2;
            if (digits == 0) continue;
            TGemRef gem = TGem::Make(x, y, std::stoi(t.substr(0, digits)), 0);
            if (markers.find('c') != std::string::npos) gem->locked = 1, grid.Locked += 1;
            if (markers.find('g') != std::string::npos) gem->Munchkin = 1;
            cell.Gem = gem;
            GemList->AddLast(gem);
        }
    grid.TopRowYCalc();
    grid.FindEdges();
    GemList->SortAll();
    return grid;
}

std::string BoardText() {
    std::string text;
    for (int y = 0; y < GameGrid->levelheight; ++y) {
        for (int x = 0; x < GameGrid->levelwidth; ++x) {
            TCell* cell = CellAt(x, y);
            if (x) text += ' ';
            if (!cell || !cell->active)
                text += '#';
            else if (!cell->Gem)
                text += '.';
            else
                text += std::to_string(cell->Gem->GemType);
        }
        text += '\n';
    }
    return text;
}

std::vector<TGem*> CellGems() {
    std::vector<TGem*> gems;
    for (auto& column : Grid)
        for (auto& cell : column)
            gems.push_back(cell ? cell->Gem.get() : nullptr);
    return gems;
}

void RunRuleTick() {
    TGameGrid& grid = *GameGrid;
    grid.SwapManage();
    if (!BoardHost().OutroActive()) grid.BlockInput = GemList->Manage();
    grid.DropGems();
    if (grid.SwapCounter > 0.0f) grid.BlockInput = 1;
    for (TParticleListRef list : {BackgroundParticles, Particles, AnimatedParticles, ScoreParticles})
        if (list) list->Manage();
}

int RunUntilRest(int maxTicks) {
    int ticks = 0;
    do {
        RunRuleTick();
        ++ticks;
    } while ((GameGrid->BlockInput || GameGrid->SwapCounter > 0.0f) && ticks < maxTicks);
    return ticks;
}

} // namespace boardtest
