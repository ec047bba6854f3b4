// Screens for the main-loop tests: each records what the loop and the switch call on it.
#pragma once

#include "core_fixture.h"

#include "media/TGameFade.h"

namespace coretest {

class TRecordingScreen : public TScreen {
public:
    std::vector<float> deltas; // Delta of every Logic
    std::vector<std::string> calls;
    explicit TRecordingScreen(std::string screenName) { name = std::move(screenName); }
    int Load() override {
        calls.push_back("Load");
        return 0;
    }
    int Start() override {
        calls.push_back("Start");
        return TScreen::Start();
    }
    int CoreStart() override {
        calls.push_back("CoreStart");
        return TScreen::CoreStart();
    }
    int Kill() override {
        calls.push_back("Kill");
        return TScreen::Kill();
    }
    int Logic() override {
        deltas.push_back(Delta);
        return TScreen::Logic();
    }
};

class LoopTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        Game->FixedRateLogic->Create();
        Game->FixedRateLogic->JitterCorrection = 0;
        Game->CurrentTScreen = screen;
        Game->FixedRateLogic->Init();
    }
    // One frame of ms milliseconds through the loop.
    int Frame(int ms) {
        platform::AdvanceClock(ms);
        return Game->MainLogicLoop();
    }
    // A fade-out towards the destination, already finished.
    void FinishedFadeOut(const std::shared_ptr<TScreen>& destination) {
        Game->DestinationTScreen = destination;
        Game->GameFade->Init(500, 1, nullptr, 0, 0, nullptr);
        Game->GameFade->Finish();
    }

    std::shared_ptr<TRecordingScreen> screen = std::make_shared<TRecordingScreen>("first");
    std::shared_ptr<TRecordingScreen> next = std::make_shared<TRecordingScreen>("next");
};

} // namespace coretest
