// The image fader's blocking loops on the fake clock, its background's own fade, what cuts it
// short, the cross-fade of two pictures and the screen-grab fade.
#include "effects_fixture.h"

#include "framework/cc_input.h"
#include "media/TCrossFade.h"
#include "media/TFade.h"
#include "platform/audio.h"

namespace {

using mediatest::EffectsTest;

class FadeTest : public EffectsTest {
protected:
    platform::ImageRef picture, backdrop;
    TFade fade;

    void SetUp() override {
        EffectsTest::SetUp();
        picture = platform::LoadImage(mediatest::WritePicture(dir, "picture.png", 100, 50), 0);
        backdrop = platform::LoadImage(mediatest::WritePicture(dir, "backdrop.png", 80, 60), 0);
        ccEnablePolledInput(); // as a splash runs it
    }

    struct Frame {
        float picture = -1, background = -1; // alphas
    };
    // One entry per frame drawn: the alphas of the background and of the picture.
    std::vector<Frame> Frames() const {
        std::vector<Frame> frames;
        for (const auto& d : ImageDraws()) {
            if (d.image == backdrop) frames.push_back(Frame{-1, d.state.alpha});
            if (d.image != picture) continue;
            if (frames.empty() || frames.back().picture >= 0) frames.push_back(Frame{});
            frames.back().picture = d.state.alpha;
        }
        return frames;
    }
};

TEST_F(FadeTest, TheBackgroundFadesInFirstAndOutLast) {
    fade.Background = backdrop;
    fade.BackgroundFadeTime = 250;
    fade.Init(1000, picture, nullptr);
    EXPECT_EQ(fade.FadeDo(0), 1);
    bool seen = false;
    for (const Frame& f : Frames()) {
        if (std::abs(f.picture - 0.25f) > 1e-4) continue;
        EXPECT_FLOAT_EQ(f.background, 1.0f);
        seen = true;
    }
    EXPECT_TRUE(seen) << "a frame at 250 ms";
    EXPECT_FLOAT_EQ(Frames().back().picture, 1.0f) << "the last frame is the first past the length";

    recorder->calls.clear();
    fade.Reset();
    platform::AdvanceClock(5); // frames at 5, 15, ... ms, so one falls on 875
    EXPECT_EQ(fade.FadeDo(1), 1);
    int checked = 0;
    for (const Frame& f : Frames()) {
        float elapsed = (1 - f.picture) * 1000;
        if (elapsed <= 750) {
            EXPECT_FLOAT_EQ(f.background, 1.0f) << elapsed;
        }
        if (std::abs(elapsed - 875) < 0.1f) {
            EXPECT_NEAR(f.background, 0.5f, 1e-4);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 1);
    EXPECT_FLOAT_EQ(Frames().back().picture, 0.0f);
    EXPECT_FLOAT_EQ(Frames().back().background, 0.0f);
}

TEST_F(FadeTest, ABackgroundWithoutAFadeTimeIsFullyThereThroughout) {
    fade.Background = backdrop;
    fade.BackgroundFadeTime = 0;
    fade.BackgroundXSpeed = 100; // pixels per second
    fade.Init(200, picture, nullptr);
    fade.FadeDo(0);
    fade.Reset();
    fade.FadeDo(1);
    auto frames = Frames();
    ASSERT_GT(frames.size(), 40u);
    for (const Frame& f : frames)
        EXPECT_FLOAT_EQ(f.background, 1.0f);
    EXPECT_NEAR(fade.BackgroundX, 100 * 0.42f, 0.5f) << "drifted for the time of both fades";
}

TEST_F(FadeTest, AKeyEndsFadeDoOnTheNextFrameInSolidWhite) {
    fade.Init(1000, picture, nullptr);
    int start = platform::MilliSecs();
    Script({{300, "key_down 65"}});
    EXPECT_EQ(fade.FadeDo(0), -1);
    EXPECT_LE(platform::MilliSecs() - start, 310);
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_SOLID);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
    int r, g, b;
    platform::GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
}

TEST_F(FadeTest, AKeyEndsTheHoldLeavingTheDrawingStateAsItWas) {
    fade.Init(1000, picture, nullptr);
    Script({{300, "mouse_down 2"}});
    EXPECT_EQ(fade.WaitForTime(1000), -1);
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA) << "no solid mode restored";
    EXPECT_FLOAT_EQ(fade.Ratio, 1.0f);
}

TEST_F(FadeTest, TheHoldRunsItsTimeAtFullStrength) {
    fade.Init(1000, picture, nullptr);
    int start = platform::MilliSecs();
    EXPECT_EQ(fade.WaitForTime(500), 0);
    EXPECT_GE(platform::MilliSecs() - start, 500);
    for (const Frame& f : Frames())
        EXPECT_FLOAT_EQ(f.picture, 1.0f);
}

TEST_F(FadeTest, ASecondFadeDoWithoutResetEndsAtOnce) {
    fade.Init(100, picture, nullptr);
    fade.FadeDo(0);
    recorder->calls.clear();
    EXPECT_EQ(fade.FadeDo(1), 1);
    EXPECT_TRUE(recorder->calls.empty());
}

TEST_F(FadeTest, AFadeOfNoLengthDrawsOneFinishedFrame) {
    for (int out : {0, 1}) {
        recorder->calls.clear();
        fade.Init(0, picture, nullptr);
        EXPECT_EQ(fade.FadeDo(out), 1);
        ASSERT_FALSE(Frames().empty());
        EXPECT_FLOAT_EQ(Frames().back().picture, out ? 0.0f : 1.0f);
    }
}

TEST_F(FadeTest, TheChannelFollowsThePictureAtTheSoundVolume) {
    Game->SoundVolume = 50;
    platform::ChannelRef channel = platform::AllocChannel();
    fade.Init(200, picture, channel);
    fade.FadeDo(0);
    std::vector<float> volumes;
    for (const auto& e : audio->Events())
        if (e.channel == channel->Id() && e.what == "volume") volumes.push_back(e.value);
    auto frames = Frames();
    ASSERT_EQ(volumes.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_NEAR(volumes[i], frames[i].picture * 0.5f, 1e-5);
}

TEST_F(FadeTest, AQuitRequestEndsBothLoopsAndStaysQueued) {
    platform::PostEvent({platform::EVENT_WINDOW_CLOSE, 0, 0, 0});
    fade.Init(1000, picture, nullptr);
    EXPECT_EQ(fade.FadeDo(0), -1);
    EXPECT_EQ(fade.WaitForTime(1000), -1);
    EXPECT_TRUE(platform::QuitRequested());
}

TEST_F(FadeTest, FocusAndThePointerLeavingDoNotEndAFade) {
    fade.Init(200, picture, nullptr);
    Script({{50, "suspend"}, {60, "resume"}});
    platform::PostEvent({platform::EVENT_MOUSE_LEAVE, 0, 0, 0});
    EXPECT_EQ(fade.FadeDo(0), 1);
}

TEST_F(FadeTest, CrossFadeRaisesTheSecondPictureOverTheFirst) {
    for (int ms : {1000, 0}) {
        auto cross = TCrossFade::Create(picture, backdrop, ms);
        cross->SetImage2Coords(5, 6);
        struct Step {
            int ticks; // Manage calls so far
            float alpha;
        } steps[] = {{0, ms ? 0.0f : 1.0f}, {100, ms ? 0.5f : 1.0f}, {200, 1.0f}, {260, 1.0f}};
        int done = 0;
        for (const Step& s : steps) {
            for (; done < s.ticks; ++done)
                cross->Manage();
            recorder->calls.clear();
            cross->Draw();
            auto draws = ImageDraws();
            ASSERT_EQ(draws.size(), 2u);
            EXPECT_EQ(draws[0].image, picture);
            EXPECT_EQ(draws[0].state.blend, platform::BLEND_SOLID);
            EXPECT_EQ(draws[1].image, backdrop);
            EXPECT_EQ(draws[1].x, 5);
            EXPECT_FLOAT_EQ(draws[1].state.alpha, s.alpha) << ms << " ms after " << s.ticks << " ticks";
        }
        EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
    }
}

TEST_F(FadeTest, ScreenFadeRunsWithPolledInputAndPutsTheModeBack) {
    ccDisablePolledInput();
    Script({{100, "key_down 65"}});
    int start = platform::MilliSecs();
    EXPECT_EQ(ccFadeScreen(500, 1, nullptr), 0);
    EXPECT_LT(platform::MilliSecs() - start, 200) << "cut short by the key";
    EXPECT_EQ(ccPolledInputState, 0);
    auto draws = ImageDraws();
    ASSERT_FALSE(draws.empty());
    EXPECT_FLOAT_EQ(draws.back().state.alpha, 0.0f) << "the end state is drawn";
    EXPECT_EQ(draws.back().w, 800);
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_SOLID);
    EXPECT_EQ(platform::KeyHit(platform::vk::A), 0);
}

} // namespace
