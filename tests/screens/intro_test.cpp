// The intro: its fourteen phases on the fake clock with the cross-fade each one starts, the tick
// and the title music, the ways out of it (all landing on the loading screen within the tick),
// the run without slides, and what it draws.
#include "intro_title_fixture.h"

#include "platform/image.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace screenstest {
namespace {

class IntroTest : public IntroTitleTest {
protected:
    // The intro made current and started as the first loading stage does (splashes included).
    void StartIntro(int introShow = 1) {
        Game->IntroShow = introShow;
        Game->CurrentTScreen = IntroScreen;
        IntroScreen->Destination = Game->LoadingScreen;
        audio->Clear();
        // The splashes run loops of their own that end on the clock, moved on by their flips.
        platform::UseFakeClock(16);
        IntroScreen->PreStart();
        platform::UseFakeClock(0);
        recorder->calls.clear();
    }
    // Runs the 2000 ms fade-in to its end, where the slide show's clock starts.
    void FinishFadeIn() {
        TicksUntil([] { return Game->GameFade->Active == 0; }, 1000);
        ASSERT_EQ(Game->GameFade->Active, 0);
        ASSERT_TRUE(IntroScreen->Anim);
        ASSERT_EQ(IntroScreen->Anim->Active, 1);
    }
    bool OnLoadingScreen() const { return Game->CurrentTScreen == Game->LoadingScreen; }
    int ClickCues() const {
        int n = 0;
        for (const platform::TAudioEvent& e : audio->Events()) {
            std::string sound = e.sound;
            std::transform(sound.begin(), sound.end(), sound.begin(),
                           [](unsigned char c) { return std::tolower(c); });
            if (e.what == "cue" && sound.find("buttonclick") != std::string::npos) ++n;
        }
        return n;
    }
    bool ChannelStopped(int id) const {
        return std::any_of(
            audio->Events().begin(), audio->Events().end(),
            [id](const platform::TAudioEvent& e) { return e.channel == id && e.what == "stop"; });
    }
    static int Ticks(int ms) { return int(std::lround(ms / Game->FixedRateLogic->MS)); }
};

struct PhaseRow {
    int phase, ms;
    int from, to; // the slides the phase cross-fades between; -1 for none
};

TEST_F(IntroTest, EachPhaseStartsItsCrossFadeForItsLengthAndTheLastEndsOnTheLoadingScreen) {
    const PhaseRow rows[] = {{1, 1000, 0, 1}, {2, 2500, -1, -1}, {3, 2500, 1, 2},   {4, 3000, -1, -1},
                             {5, 4000, 2, 3}, {6, 1000, -1, -1}, {7, 1000, 3, 4},   {8, 1000, 4, 5},
                             {9, 1000, 5, 6}, {10, 1000, 6, 7},  {11, 500, -1, -1}, {12, 3000, 7, 8},
                             {13, 2000, 8, 9}};
    StartIntro();
    const int tickChannel = IntroScreen->TickChannel->Id();
    FinishFadeIn();
    // Phase 0 lasts 2000 ms and shows the first slide without a cross-fade.
    EXPECT_FALSE(IntroScreen->crossfade);
    int spent = TicksUntil([] { return IntroScreen->Anim->CurrentPhase == 1; }, 1000);
    EXPECT_NEAR(spent, Ticks(2000), 1);
    for (const PhaseRow& row : rows) {
        SCOPED_TRACE("phase " + std::to_string(row.phase));
        ASSERT_EQ(IntroScreen->Anim->CurrentPhase, row.phase);
        ASSERT_TRUE(IntroScreen->crossfade);
        if (row.from >= 0) {
            for (int i = 0; i < row.from; ++i)
                EXPECT_FALSE(IntroScreen->Intro[size_t(i)]) << "slide " << i << " is never shown again";
            EXPECT_EQ(IntroScreen->crossfade->Image1, IntroScreen->Intro[size_t(row.from)]);
            EXPECT_EQ(IntroScreen->crossfade->Image2, IntroScreen->Intro[size_t(row.to)]);
            EXPECT_NEAR(IntroScreen->crossfade->Anim->Length[0], float(Ticks(row.ms)), 1.0f);
        }
        if (row.phase == 1) {
            EXPECT_TRUE(ChannelStopped(tickChannel)) << "the looping tick stops";
            EXPECT_GT(Game->MusicFadeInCounter, 0.0f) << "the title music fades in";
            EXPECT_EQ(MusicCues(), 1);
        }
        if (row.phase == 13) {
            EXPECT_FLOAT_EQ(IntroScreen->crossfade->X2, 400.0f);
            EXPECT_FLOAT_EQ(IntroScreen->crossfade->Y2, 125.0f);
        }
        const int next = row.phase + 1;
        spent = TicksUntil([&] { return OnLoadingScreen() || IntroScreen->Anim->CurrentPhase == next; },
                           Ticks(row.ms) + 10);
        EXPECT_NEAR(spent, Ticks(row.ms), 1);
    }
    EXPECT_TRUE(OnLoadingScreen()) << "the end of the last phase leads straight to the loading screen";
    EXPECT_EQ(Game->LoadingScreen->Finished, 1);
    EXPECT_EQ(MusicCues(), 1) << "the music is not restarted";
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(IntroTest, TheLoopingTickIsHeard) {
    StartIntro();
    const int id = IntroScreen->TickChannel->Id();
    float loudest = 0.0f;
    bool cued = false;
    for (const platform::TAudioEvent& e : audio->Events()) {
        if (e.channel != id) continue;
        cued = cued || e.what == "cue";
        if (e.what == "volume") loudest = std::max(loudest, e.value);
    }
    EXPECT_TRUE(cued);
    EXPECT_GT(loudest, 0.0f);
}

enum class When { FadeIn, PhaseZero, PhaseThree };
enum class Input { Key, Click, Enter, Space, Escape };

struct WayOut {
    const char* label;
    When when;
    Input input;
    int clicks;    // button clicks heard
    bool musicNow; // the music starts at full level in that tick
    bool tickGone; // the looping tick stopped
};

// Whether the intro held any picture when the second loading stage began.
bool heldSlidesAtLoad = false;
int (*realLoadRest)() = nullptr;

TEST_F(IntroTest, EveryWayOutReachesTheLoadingScreenInTheSameTick) {
    realLoadRest = IntroScreen->LoadRest;
    IntroScreen->LoadRest = [] {
        heldSlidesAtLoad = IntroScreen->crossfade ||
                           std::any_of(IntroScreen->Intro.begin(), IntroScreen->Intro.end(),
                                       [](const platform::ImageRef& image) { return bool(image); });
        return realLoadRest ? realLoadRest() : 0;
    };
    const WayOut rows[] = {
        {"a key in the fade-in", When::FadeIn, Input::Key, 1, true, true},
        {"a click in the fade-in", When::FadeIn, Input::Click, 1, true, true},
        {"Enter in phase 0", When::PhaseZero, Input::Enter, 1, true, true},
        {"Space in phase 0", When::PhaseZero, Input::Space, 1, true, true},
        {"a click in phase 0", When::PhaseZero, Input::Click, 1, true, true},
        {"Enter in a later phase", When::PhaseThree, Input::Enter, 1, false, true},
        // The core's escape click, none of the intro's own.
        {"Escape after the fade-in", When::PhaseZero, Input::Escape, 1, true, true},
    };
    for (const WayOut& row : rows) {
        SCOPED_TRACE(row.label);
        StartIntro();
        const int tickChannel = IntroScreen->TickChannel->Id();
        if (row.when != When::FadeIn) FinishFadeIn();
        if (row.when == When::PhaseThree)
            TicksUntil([] { return IntroScreen->Anim->CurrentPhase == 3; }, 2000);
        else
            Ticks(10);
        const int cuesBefore = MusicCues();
        const bool stoppedBefore = ChannelStopped(tickChannel);
        audio->Clear();
        switch (row.input) {
        case Input::Key:
            KeyTap(platform::vk::A, 'a');
            break;
        case Input::Click:
            ClickAt(400, 300);
            break;
        case Input::Enter:
            KeyTap(platform::vk::RETURN, '\r');
            break;
        case Input::Space:
            KeyTap(platform::vk::SPACE, ' ');
            break;
        case Input::Escape:
            KeyTap(platform::vk::ESCAPE, '\x1b');
            break;
        }
        Tick();
        EXPECT_TRUE(OnLoadingScreen());
        EXPECT_EQ(Game->LoadingScreen->Finished, 1) << "the second loading stage ran";
        EXPECT_EQ(ClickCues(), row.clicks);
        if (row.musicNow) {
            EXPECT_EQ(MusicCues(), 1);
            EXPECT_EQ(Game->MusicFadeInCounter, 0.0f) << "no fade-in";
        } else {
            EXPECT_EQ(cuesBefore, 1);
            EXPECT_EQ(MusicCues(), 0) << "the music playing since phase 1 is not restarted";
        }
        EXPECT_EQ(stoppedBefore || ChannelStopped(tickChannel), row.tickGone);
        // Escape fades the intro out over its pictures; the other ways leave it at once.
        EXPECT_EQ(heldSlidesAtLoad, row.input == Input::Escape) << "the rest loads beside the slides";
        IntroScreen->Kill();
        Game->LoadingScreen->Finished = 0;
    }
    IntroScreen->LoadRest = realLoadRest;
}

TEST_F(IntroTest, WithoutTheSlideShowNothingIsLoadedAndTheMusicStartsAtOnce) {
    StartIntro(0);
    EXPECT_TRUE(std::all_of(IntroScreen->Intro.begin(), IntroScreen->Intro.end(),
                            [](const platform::ImageRef& image) { return !image; }));
    EXPECT_FALSE(IntroScreen->Anim);
    EXPECT_TRUE(OnLoadingScreen());
    EXPECT_EQ(MusicCues(), 1);
    EXPECT_EQ(Game->MusicFadeInCounter, 0.0f);
}

TEST_F(IntroTest, DrawsTheFirstSlideThenTheLastCrossFadesSecondPicture) {
    StartIntro();
    FinishFadeIn();
    // The pictures drawn visibly (alpha above 0), in order.
    auto drawn = [this] {
        recorder->calls.clear();
        IntroScreen->Draw();
        std::vector<platform::ImageRef> images;
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Image && call.state.alpha > 0.0f)
                images.push_back(call.image);
        return images;
    };
    EXPECT_EQ(drawn(), std::vector<platform::ImageRef>{IntroScreen->Intro[0]});
    // Phase 2 starts no cross-fade: the one of phase 1 has ended on the second slide.
    TicksUntil([] { return IntroScreen->Anim->CurrentPhase == 2; }, 2000);
    Ticks(20);
    recorder->calls.clear();
    IntroScreen->Draw();
    ASSERT_FALSE(recorder->calls.empty());
    EXPECT_EQ(recorder->calls.back().image, IntroScreen->Intro[1]);
    EXPECT_FLOAT_EQ(recorder->calls.back().state.alpha, 1.0f);
}

TEST_F(IntroTest, ShownASecondTimeItDrawsTheSameSlidesAgain) {
    // The slides go as the show moves on and when it ends; the next showing loads them again.
    struct Drawn {
        int width, height;
        float x, y, alpha;
        std::vector<uint8_t> pixels;
        bool operator==(const Drawn&) const = default;
    };
    auto showing = [this] {
        StartIntro();
        FinishFadeIn();
        std::vector<Drawn> drawn;
        for (int phase : {0, 1, 5, 13}) {
            TicksUntil([phase] { return IntroScreen->Anim->CurrentPhase == phase; }, 3000);
            Ticks(10);
            recorder->calls.clear();
            IntroScreen->Draw();
            for (const platform::DrawCall& call : recorder->calls) {
                if (call.kind != platform::DrawKind::Image) continue;
                platform::PixmapRef pixels = platform::FramePixmap(call.image, call.frame);
                drawn.push_back({call.image->width, call.image->height, call.x, call.y, call.state.alpha,
                                 pixels ? pixels->pixels : std::vector<uint8_t>()});
            }
        }
        TicksUntil([this] { return OnLoadingScreen(); }, 5000);
        EXPECT_TRUE(OnLoadingScreen());
        IntroScreen->Kill();
        Game->LoadingScreen->Finished = 0;
        return drawn;
    };
    std::vector<Drawn> first = showing();
    ASSERT_GE(first.size(), 4u);
    EXPECT_TRUE(first == showing());
}

} // namespace
} // namespace screenstest
