// The main loop: the ticks of a frame with their Delta, pausing, the instant exit, the screen
// switch at the end of a fade-out, and the layers of one drawn frame.
#include "loop_fixture.h"

#include "media/TGameImage.h"
#include "platform/graphics.h"
#include "platform/image.h"

#include <algorithm>

namespace coretest {
namespace {

TEST_F(LoopTest, AFrameRunsItsWholeTicksThenOneForTheRemainder) {
    struct TCase {
        int ms;
        std::vector<float> deltas;
    };
    const TCase cases[] = {{16, {1, 1, 1, 0.2f}}, {20, {1, 1, 1, 1}}, {3, {0.6f}}, {0, {}}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.ms);
        screen->deltas.clear();
        EXPECT_EQ(Frame(c.ms), 1);
        ASSERT_EQ(screen->deltas.size(), c.deltas.size());
        for (size_t i = 0; i < c.deltas.size(); ++i)
            EXPECT_NEAR(screen->deltas[i], c.deltas[i], 1e-5);
    }
}

TEST_F(LoopTest, AFrameWithoutTicksIsStillDrawnAndFlippedOnce) {
    long flips = platform::FlipCount();
    Frame(0);
    Game->ScreenDraw();
    EXPECT_TRUE(screen->deltas.empty());
    EXPECT_EQ(platform::FlipCount(), flips + 1);
    ASSERT_FALSE(recorder->calls.empty());
    EXPECT_EQ(recorder->calls.front().kind, platform::DrawKind::Clear);
}

TEST_F(LoopTest, WithoutTimingEveryFrameRunsThreeWholeTicks) {
    Game->NoTiming = 1;
    Game->NoTimingTicks = 3;
    Frame(1);
    Frame(45);
    EXPECT_EQ(screen->deltas, std::vector<float>(6, 1.0f));
}

TEST_F(LoopTest, APausedTickRunsNoLogicAndNoFadeButStillDrainsEvents) {
    Game->Paused = 1;
    Game->GameFade->Init(500, 0, nullptr, 0, 0, nullptr);
    Post(platform::EVENT_KEY_DOWN, platform::vk::A);
    EXPECT_EQ(Frame(16), 1);
    EXPECT_TRUE(screen->deltas.empty());
    EXPECT_EQ(Game->GameFade->Counter, 0.0f);
    EXPECT_EQ(Keys[65], 1);
}

TEST_F(LoopTest, AnInstantExitEndsTheFrameAtOnce) {
    Frame(5);
    screen->deltas.clear();
    Game->InstantExit = 1;
    EXPECT_EQ(Frame(16), -1);
    EXPECT_TRUE(screen->deltas.empty());
}

TEST_F(LoopTest, AFinishedFadeOutKillsTheScreenRecordsItAndStartsTheDestination) {
    struct TCase {
        const char* what;
        int stopKill, stopInit;
        std::vector<std::string> left, entered;
    };
    const TCase cases[] = {
        {"plain", 0, 0, {"Kill"}, {"Load", "Start", "CoreStart"}},
        {"kept loaded", 1, 1, {}, {"CoreStart"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        Game->CurrentTScreen = screen;
        screen->calls.clear();
        next->calls.clear();
        screen->StopKill = c.stopKill;
        next->StopInit = c.stopInit;
        FinishedFadeOut(next);
        Post(platform::EVENT_KEY_DOWN, platform::vk::A);
        Game->DoPeekEvent();
        Game->ScreenChange();
        EXPECT_EQ(screen->calls, c.left);
        EXPECT_EQ(next->calls, c.entered);
        EXPECT_EQ(Game->LastTScreen, screen);
        EXPECT_EQ(Game->CurrentTScreen, next);
        EXPECT_EQ(Game->DestinationTScreen, next); // a switch does not clear the destination
        EXPECT_EQ(Keys[65], 0);                    // input flushed
    }
}

TEST_F(LoopTest, ASwitchHandsWhatTheLeavingScreenFreedBackToTheSystem) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps freed memory in its own quarantine";
#endif
    // The leaving screen's blocks lie between blocks that stay, as a level's lie between what
    // outlives the level: freeing them leaves holes the heap would keep resident for good.
    constexpr size_t kBlock = 64 * 1024, kBlocks = 256; // 16 MiB in blocks the heap holds itself
    struct TFreeing : TRecordingScreen {
        std::vector<std::unique_ptr<char[]>> blocks;
        TFreeing() : TRecordingScreen("freeing") {}
        int Kill() override {
            blocks.clear();
            return TRecordingScreen::Kill();
        }
    };
    auto freeing = std::make_shared<TFreeing>();
    std::vector<std::unique_ptr<char[]>> staying;
    for (size_t i = 0; i < kBlocks; ++i) {
        freeing->blocks.emplace_back(new char[kBlock]);
        std::fill_n(freeing->blocks.back().get(), kBlock, char(i)); // resident, not just reserved
        staying.emplace_back(new char[kBlock]);
    }
    Game->CurrentTScreen = freeing;
    FinishedFadeOut(next);
    const long long before = platform::GCMemAlloced();
    Game->ScreenChange();
    EXPECT_EQ(Game->CurrentTScreen, next);
    EXPECT_LT(platform::GCMemAlloced(), before - 12 * 1024 * 1024);
}

TEST_F(LoopTest, TheExitScreenBecomesCurrentUnstartedAndTheNextTickEnds) {
    FinishedFadeOut(Game->ExitScreen);
    EXPECT_EQ(Frame(5), 1);   // one tick: the switch
    EXPECT_EQ(Frame(10), -1); // the next tick ends the program
    EXPECT_TRUE(screen->deltas.empty());
    EXPECT_EQ(Game->CurrentTScreen, Game->ExitScreen);
    EXPECT_EQ(Game->InstantExit, 1);
    EXPECT_EQ(screen->calls, std::vector<std::string>{"Kill"});
}

TEST_F(LoopTest, AFadeOutWithoutADestinationIsFatalNamingTheScreen) {
    FinishedFadeOut(nullptr);
    EXPECT_THROW(Game->ScreenChange(), TReportedError);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Screen 'first' does not have a destination screen set!");
}

TEST_F(LoopTest, AFinishedFadeInNeverSwitches) {
    Game->DestinationTScreen = next;
    Game->GameFade->Init(500, 0, nullptr, 0, 0, nullptr);
    Game->GameFade->Finish();
    Game->ScreenChange();
    EXPECT_EQ(Game->CurrentTScreen, screen);
    EXPECT_EQ(Game->GameFade->GetDone(), 0); // consumed
}

TEST_F(LoopTest, WithFadesOffALeavingScreenSwitchesInTheSameTick) {
    Game->Fade = 0;
    struct TLeaving : TRecordingScreen {
        std::shared_ptr<TScreen> to;
        TLeaving() : TRecordingScreen("leaving") {}
        int Logic() override {
            Game->DestinationTScreen = to;
            Game->GameFade->Init(500, 1, nullptr, 0, 0, nullptr);
            return TRecordingScreen::Logic();
        }
    };
    auto leaving = std::make_shared<TLeaving>();
    leaving->to = next;
    Game->CurrentTScreen = leaving;
    Frame(3); // one tick
    EXPECT_EQ(Game->CurrentTScreen, next);
    EXPECT_EQ(leaving->calls, std::vector<std::string>{"Kill"});
}

TEST_F(LoopTest, ADestinationEqualToTheCurrentScreenRestartsIt) {
    FinishedFadeOut(screen);
    Game->ScreenChange();
    EXPECT_EQ(screen->calls, (std::vector<std::string>{"Kill", "Load", "Start", "CoreStart"}));
    EXPECT_EQ(Game->CurrentTScreen, screen);
}

TEST_F(LoopTest, ADrawnFrameLaysThePauseOverlayAboveTheVeilOnlyDuringAFade) {
    platform::ImageRef picture = platform::CreateImage(10, 10);
    Game->SpritePausedCreate(TGameImage::CreateFromImage(picture, "paused", 1));
    Game->Paused = 1;
    using K = platform::DrawKind;
    auto kinds = [this] {
        std::vector<K> result;
        for (const auto& call : recorder->calls)
            result.push_back(call.kind);
        recorder->calls.clear();
        return result;
    };
    long flips = platform::FlipCount();
    Game->ScreenDraw();
    // Screen, pause dim and picture, pointer.
    EXPECT_EQ(kinds(), (std::vector<K>{K::Clear, K::Rect, K::Image, K::Plot}));
    Game->GameFade->Init(500, 0, nullptr, 0, 0, nullptr);
    Game->ScreenDraw();
    // Screen, veil, pause dim and picture, pointer.
    EXPECT_EQ(kinds(), (std::vector<K>{K::Clear, K::Rect, K::Rect, K::Image, K::Plot}));
    EXPECT_EQ(platform::FlipCount(), flips + 2);
}

} // namespace
} // namespace coretest
