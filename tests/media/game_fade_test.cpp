// The screen fade: its length in ticks, how keys and clicks cut it short, the channels it fades,
// its end (the cleared frame, the screens' hooks) and its cover.
#include "effects_fixture.h"

#include "core/TScreen.h"
#include "media/TGameFade.h"
#include "platform/audio.h"

namespace {

using mediatest::EffectsTest;

struct HookScreen : TScreen {
    int fadedIn = 0, fadedOut = 0;
    int PostFadeIn() override { return ++fadedIn; }
    int PostFadeOut() override { return ++fadedOut; }
};

class GameFadeTest : public EffectsTest {
protected:
    std::shared_ptr<HookScreen> screen = std::make_shared<HookScreen>();
    TGameFade& fade() { return *Game->GameFade; }

    void SetUp() override {
        EffectsTest::SetUp();
        Game->CurrentTScreen = screen;
        Game->ClsColor = TColor::Create(10, 20, 30, 1);
    }

    // The volumes a channel was given, in order.
    std::vector<float> Volumes(const platform::ChannelRef& channel) const {
        std::vector<float> volumes;
        for (const auto& e : audio->Events())
            if (e.channel == channel->Id() && e.what == "volume") volumes.push_back(e.value);
        return volumes;
    }
};

TEST_F(GameFadeTest, FadeOutRunsItsTicksThenClearsFlipsAndCallsTheHook) {
    EXPECT_EQ(fade().Init(500, 1, nullptr, 1, 0, nullptr), 1);
    EXPECT_EQ(fade().Length, 100);
    EXPECT_FLOAT_EQ(fade().Ratio, 1.0f);
    EXPECT_EQ(Game->FadeMusic, 1);
    long flips = Flips();
    for (int tick = 1; tick <= 50; ++tick)
        EXPECT_EQ(fade().Manage(), 0);
    EXPECT_FLOAT_EQ(fade().Ratio, 0.5f);
    for (int tick = 51; tick <= 99; ++tick)
        EXPECT_EQ(fade().Manage(), 0);
    EXPECT_EQ(Flips(), flips) << "nothing is shown while the fade runs";
    EXPECT_EQ(fade().Manage(), 1);
    EXPECT_FLOAT_EQ(fade().Ratio, 0.0f);
    EXPECT_EQ(fade().Active, 0);
    EXPECT_EQ(fade().Done, 1);
    EXPECT_EQ(Flips(), flips + 1);
    auto clears = Calls(platform::DrawKind::Clear);
    ASSERT_EQ(clears.size(), 1u);
    EXPECT_EQ(clears[0].clsR, 10);
    EXPECT_EQ(clears[0].clsB, 30);
    EXPECT_EQ(screen->fadedOut, 1);
    EXPECT_EQ(screen->fadedIn, 0);
    EXPECT_EQ(fade().GetDone(), 1);
    EXPECT_EQ(fade().GetDone(), 0);
    EXPECT_EQ(fade().Manage(), 0) << "an idle fade does nothing";
}

TEST_F(GameFadeTest, WithFadesOffInitFinishesAtOnceWithoutDrawing) {
    Game->Fade = 0;
    for (int out : {1, 0}) {
        long flips = Flips();
        EXPECT_EQ(fade().Init(500, out, nullptr, 0, 0, nullptr), 1);
        EXPECT_EQ(fade().Active, 0);
        EXPECT_EQ(Flips(), flips);
        EXPECT_EQ(fade().GetDone(), 1);
        EXPECT_EQ(fade().GetDone(), 0);
    }
    EXPECT_TRUE(Calls(platform::DrawKind::Clear).empty());
    EXPECT_EQ(screen->fadedOut, 1);
    EXPECT_EQ(screen->fadedIn, 1);
}

TEST_F(GameFadeTest, NoFadeSkipsExactlyOneFade) {
    Game->NoFade = 1;
    fade().Init(500, 1, nullptr, 1, 0, nullptr);
    EXPECT_EQ(fade().Active, 0);
    EXPECT_EQ(Game->NoFade, 0);
    EXPECT_TRUE(Calls(platform::DrawKind::Clear).empty()) << "a skipped fade shows no cleared frame";
    fade().Init(500, 1, nullptr, 1, 0, nullptr);
    EXPECT_EQ(fade().Active, 1);
}

TEST_F(GameFadeTest, AKeyOrAnyClickCutsAFadeShort) {
    struct Case {
        const char* what;
        int out;
        int key;    // -1: none
        int button; // 0: none
        int abortKey;
        float ratio;
    } cases[] = {
        {"left click, fading in", 0, -1, 1, -1, 1.0f}, {"right click, fading in", 0, -1, 2, -1, 1.0f},
        {"key, fading in", 0, 65, 0, 65, 1.0f},        {"key, fading out", 1, 65, 0, -1, 0.0f},
        {"click, fading out", 1, -1, 3, -1, 0.0f},
    };
    for (const Case& c : cases) {
        fade().Init(500, c.out, nullptr, 0, 0, nullptr);
        for (int tick = 0; tick < 10; ++tick)
            fade().Manage();
        if (c.key >= 0) keys[size_t(c.key)] = 1;
        if (c.button) Click(c.button);
        EXPECT_EQ(fade().Manage(), -1) << c.what;
        EXPECT_EQ(fade().Active, 0) << c.what;
        EXPECT_FLOAT_EQ(fade().Ratio, c.ratio) << c.what;
        EXPECT_EQ(fade().AbortKey, c.abortKey) << c.what;
        EXPECT_EQ(fade().FadeInAborted, c.out == 0 ? 1 : 0) << c.what;
        EXPECT_FLOAT_EQ(fade().FadeCounterBeforeAbort, c.out == 0 ? 10.0f : 0.0f) << c.what;
        EXPECT_EQ(Game->Mouse->mh, 0) << c.what << ": the click is taken";
        EXPECT_EQ(keys[65], 0) << c.what << ": input is flushed at the end";
        EXPECT_EQ(fade().GetDone(), 1) << c.what;
    }
}

TEST_F(GameFadeTest, InputPendingBeforeTheFadeDoesNotCutIt) {
    keys[65] = 1;
    Click();
    fade().Init(500, 0, nullptr, 0, 0, nullptr);
    EXPECT_EQ(fade().Manage(), 0);
}

TEST_F(GameFadeTest, StartCounterAndLengthsAtTheEdges) {
    fade().Init(500, 0, nullptr, 0, 50, nullptr);
    EXPECT_FLOAT_EQ(fade().Ratio, 0.5f);
    fade().Finish();
    fade().Init(500, 1, nullptr, 0, 50, nullptr);
    EXPECT_FLOAT_EQ(fade().Ratio, 0.5f);
    EXPECT_EQ(fade().Init(2000, 0, nullptr, 0, 0, nullptr), 0) << "a second Init while one runs is ignored";
    EXPECT_EQ(fade().Length, 100);
    EXPECT_EQ(fade().Out, 1);
    fade().Finish();
    fade().Init(0, 0, nullptr, 0, 0, nullptr);
    EXPECT_EQ(fade().Length, 0);
    EXPECT_EQ(fade().Manage(), 1) << "a fade of 0 ms ends on its first tick";
    EXPECT_FLOAT_EQ(fade().Ratio, 1.0f);
}

TEST_F(GameFadeTest, MusicAndSpeechFollowTheRatioAndSpeechIsReplacedAfterAFadeOut) {
    Game->MusicVolume = 50;
    Game->CustomMusicVolume = 75;
    Game->SpeechVolume = 80;
    platform::ChannelRef music = platform::AllocChannel();
    platform::SoundRef speech = platform::LoadSound(mediatest::WriteSound(dir, "speech.wav"), 0);
    platform::ChannelRef speaking = platform::PlaySound(speech);
    Game->SpeechChannel = speaking;
    EXPECT_EQ(Game->GetMusicVolume(), 37);
    audio->Clear();
    fade().Init(500, 1, music, 1, 0, nullptr);
    for (int tick = 0; tick < 50; ++tick)
        fade().Manage();
    EXPECT_NEAR(Volumes(music).back(), 0.5f * 0.37f, 1e-5);
    EXPECT_NEAR(Volumes(speaking).back(), 0.5f * 0.8f, 1e-5);
    while (fade().Active)
        fade().Manage();
    EXPECT_FLOAT_EQ(Volumes(music).back(), 0.0f) << "the music keeps playing, silent";
    EXPECT_EQ(audio->Log(speaking->Id()).back(), "stop");
    EXPECT_NE(Game->SpeechChannel, speaking) << "speech gets a fresh channel";
    ASSERT_NE(Game->SpeechChannel, nullptr);
}

TEST_F(GameFadeTest, APooledChannelIsFadedAndTakenOutOfThePoolAfterAFadeOut) {
    Game->ChannelsCreate(2);
    TGameChannelRef pooled = Game->Channels->ChannelByIndex(1);
    Game->SoundVolume = 50;
    audio->Clear();
    fade().Init(500, 1, nullptr, 1, 0, pooled);
    for (int tick = 0; tick < 50; ++tick)
        fade().Manage();
    EXPECT_NEAR(Volumes(pooled->Channel).back(), 0.25f, 1e-5);
    while (fade().Active)
        fade().Manage();
    EXPECT_EQ(fade().Channel2, nullptr);
    EXPECT_FALSE(Game->Channels->Contains(pooled));
    EXPECT_EQ(audio->Log(pooled->Channel->Id()).back(), "stop");
}

TEST_F(GameFadeTest, AnEffectStartedDuringAFadePlaysAtTheFadesVolume) {
    auto sound = TGameSound::Create(mediatest::WriteSound(dir, "click.wav"), 0);
    platform::ChannelRef channel = platform::AllocChannel();
    fade().Init(500, 0, nullptr, 0, 0, nullptr);
    for (int tick = 0; tick < 25; ++tick)
        fade().Manage();
    ASSERT_FLOAT_EQ(fade().Ratio, 0.25f);
    audio->Clear();
    Game->GameSoundPlay(channel, *sound, 0);
    EXPECT_NEAR(Volumes(channel).back(), 0.25f, 1e-5);
    fade().Finish();
    Game->GameSoundPlay(channel, *sound, 0);
    EXPECT_NEAR(Volumes(channel).back(), 1.0f, 1e-5) << "full volume once the fade is over";
}

TEST_F(GameFadeTest, DrawCoversTheScreenInTheClearColourWhileActive) {
    fade().Draw();
    EXPECT_TRUE(recorder->calls.empty()) << "an idle fade covers nothing";
    fade().Init(500, 1, nullptr, 1, 0, nullptr);
    for (int tick = 0; tick < 25; ++tick)
        fade().Manage();
    fade().Draw();
    auto rects = Calls(platform::DrawKind::Rect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].w, 800);
    EXPECT_EQ(rects[0].h, 600);
    EXPECT_FLOAT_EQ(rects[0].state.alpha, 0.25f);
    EXPECT_EQ(rects[0].state.r, 10);
    EXPECT_EQ(rects[0].state.blend, platform::BLEND_ALPHA);
    EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
    int r, g, b;
    platform::GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
}

TEST_F(GameFadeTest, BeforeTheFirstScreenAndTheGraphicsModeAFadeOutEndsInBlack) {
    Game->CurrentTScreen = nullptr;
    Game->ClsColor = nullptr;
    fade().Init(500, 1, nullptr, 1, 0, nullptr);
    fade().Draw();
    while (fade().Active)
        fade().Manage();
    auto clears = Calls(platform::DrawKind::Clear);
    ASSERT_EQ(clears.size(), 1u);
    EXPECT_EQ(clears[0].clsR + clears[0].clsG + clears[0].clsB, 0);
    EXPECT_EQ(Calls(platform::DrawKind::Rect).at(0).state.r, 0);
}

} // namespace
