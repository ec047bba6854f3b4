#include "game_fixture.h"
#include "game_kit.h"

#include "board/TGemList.h"
#include "media/TImageBank.h"
#include "media/TSoundBank.h"
#include "platform/audio_testing.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/input.h"
#include "profiles/TProfile.h"

#include <algorithm>

namespace gametest {

std::vector<TGemSnapshot> BoardSnapshot() {
    std::vector<TGemSnapshot> cells;
    for (auto& column : Grid)
        for (auto& cell : column) {
            TGemSnapshot snap;
            if (cell && cell->Gem) snap = {cell->Gem.get(), cell->Gem->GemType, cell->Gem->x, cell->Gem->y};
            cells.push_back(snap);
        }
    return cells;
}

void GameTest::SetUp() {
    audio = &platform::UseRecordingAudio();
    platform::ResetDrawState();
    platform::IgnoreOsInput(true);
    Delta = 1.0f;
    InstallRecorder();
    CatchEnd();
    platform::SetNotifyHandler([](const std::string&, bool) {});
    testkit::TGameOptions game;
    game.dataDir = SLEETWHISTLE_TEST_DATA_DIR;
    testkit::MakeGame(game);
    testkit::AddAnna();
    Game->CurrentProfile->Save();
    Game->DataPrefix = GAME_TEST_DIR; // the fixture levels
    audio->Clear();
    recorder->calls.clear();
}

void GameTest::TearDown() {
    testkit::ResetGlobals();
}

void GameTest::EnterLevel(int level) {
    Game->CurrentProfile->CurrentLevel = level;
    GameScreen->GameStart();
    Game->LastTScreen = Game->CurrentTScreen;
    GameScreen->PreStart();
}

void GameTest::Tick() {
    testkit::Step(5);
}

void GameTest::Ticks(int n) {
    for (int i = 0; i < n; ++i)
        Tick();
}

void GameTest::RunFadeIn() {
    for (int i = 0; i < 1000 && Game->GameFade->Active; ++i)
        Tick();
}

void GameTest::RunIntro() {
    RunFadeIn();
    for (int i = 0; i < 1000 && GameScreen->IntroAnim->Active; ++i)
        Tick();
}

void GameTest::Post(int id, int data, int x, int y) {
    platform::PostEvent({id, data, x, y});
}

void GameTest::PressKey(int key) {
    Post(platform::EVENT_KEY_DOWN, key);
    Post(platform::EVENT_KEY_UP, key);
}

void GameTest::ClickAt(float x, float y) {
    Post(platform::EVENT_MOUSE_MOVE, 0, int(x), int(y));
    Post(platform::EVENT_MOUSE_DOWN, 1, int(x), int(y));
    Post(platform::EVENT_MOUSE_UP, 1, int(x), int(y));
}

std::vector<std::string> GameTest::Cues() const {
    return testkit::CuedSounds(*audio);
}

int GameTest::CountCues(const std::string& name) const {
    const std::vector<std::string> cues = Cues();
    return int(std::count(cues.begin(), cues.end(), name));
}

} // namespace gametest

namespace gametest {

void AddMovingParticles() {
    const TGameImageRef image = images->Find("sparkle");
    for (const TParticleListRef& list :
         {BackgroundParticles, Particles, AnimatedParticles, Munchkins, ScoreParticles})
        list->AddNew(300, 300, image, 0.5f, 0.5f, 0.0f, 10000.0f, 0, 0, 0.0f, 1.0f, 0.0f, 0, 0);
}

std::vector<std::pair<float, float>> ParticlePlaces() {
    std::vector<std::pair<float, float>> places;
    for (const TParticleListRef& list :
         {BackgroundParticles, Particles, AnimatedParticles, Munchkins, ScoreParticles})
        for (const TParticleRef& particle : *list)
            places.emplace_back(particle->x, particle->y);
    return places;
}

} // namespace gametest
