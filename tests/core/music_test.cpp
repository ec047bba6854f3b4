// Music: loading while off, playing, the fade-in's volumes, off and on, the volume rules, stopping,
// the two fades in one tick, and the music that is never loaded.
#include "core_fixture.h"

#include "framework/cc_timing.h"

namespace coretest {
namespace {

class MusicTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        InitGame();
        Game->FixedRateLogic->Init();
        audio->Clear();
    }
    std::vector<std::string> Log() const { return audio->Log(Game->MusicChannel->Id()); }
    // The volumes the music channel was given, in order.
    std::vector<float> Volumes() const {
        std::vector<float> volumes;
        for (const platform::TAudioEvent& e : audio->Events())
            if (e.channel == Game->MusicChannel->Id() && e.what == "volume") volumes.push_back(e.value);
        return volumes;
    }
    bool Marker() const { return platform::FileType(UserFolder() + "inichanged.dat") != 0; }
};

TEST_F(MusicTest, LoadingWhileOffLoadsNothingAndSwitchingOnPlaysTheWishWithAFadeIn) {
    Game->Music = 0;
    Game->MusicLoad("title.ogg", 1);
    Game->MusicPlay(0, 0, 0);
    EXPECT_FALSE(Game->MusicSample);
    EXPECT_EQ(Game->MusicName, "title.ogg");
    EXPECT_EQ(Game->MusicRestart, 1);
    EXPECT_TRUE(audio->Events().empty());

    EXPECT_EQ(Game->MusicOn(), 1);
    ASSERT_TRUE(Game->MusicSample);
    EXPECT_EQ(Game->MusicRestart, 0);
    ASSERT_FALSE(Volumes().empty());
    EXPECT_NEAR(Volumes().front(), 0.02f, 1e-4f); // fading in from its first tick
}

TEST_F(MusicTest, TheFadeInClimbsByATenthATickAndIsFullOnTheTenth) {
    Game->MusicLoad("title.ogg", 1);
    Game->MusicPlay(1, 0, 0);
    for (int tick = 0; tick < 12; ++tick)
        Game->MusicFadeInManage();
    std::vector<float> volumes = Volumes();
    ASSERT_GE(volumes.size(), 11u);
    const float expected[] = {0.02f, 0.12f, 0.22f, 0.32f, 0.42f, 0.52f, 0.62f, 0.72f, 0.82f, 0.92f, 1.0f};
    for (size_t i = 0; i < 11; ++i)
        EXPECT_NEAR(volumes[i], expected[i], 1e-4f) << "volume " << i;
    EXPECT_EQ(volumes.size(), 11u) << "nothing is applied once the fade-in has ended";
}

TEST_F(MusicTest, PlayWithoutFadeIsFullAndStartSilentIsSilentUntilTheNextFadeTick) {
    Game->MusicLoad("title.ogg", 1);
    Game->MusicPlay(0, 0, 0);
    EXPECT_FLOAT_EQ(Volumes().back(), 1.0f);
    audio->Clear();
    Game->MusicPlay(1, 0, 1);
    EXPECT_FLOAT_EQ(Volumes().back(), 0.0f);
    Game->MusicFadeInManage();
    EXPECT_NEAR(Volumes().back(), 0.12f, 1e-4f);
}

TEST_F(MusicTest, OffAndOnResumesWithoutAFadeButAnEndedSinglePieceStaysSilent) {
    Game->MusicLoad("title.ogg", 1);
    Game->MusicPlay(0, 0, 0);
    audio->Clear();
    EXPECT_EQ(Game->MusicOff(), 1);
    EXPECT_EQ(Game->MusicOn(), 1);
    EXPECT_EQ(Log(), (std::vector<std::string>{"pause", "resume"}));

    Game->MusicLooped = 0;
    Game->MusicStopped = 1;
    Game->MusicOff();
    audio->Clear();
    Game->MusicOn();
    EXPECT_TRUE(Log().empty());
}

TEST_F(MusicTest, MusicNoneIsNeverLoadedWhenMusicComesBackOn) {
    Game->Music = 0;
    Game->MusicNone();
    EXPECT_EQ(Game->MusicOn(), 1);
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(Game->MusicSample);
}

TEST_F(MusicTest, VolumesAreClampedAndOnlyTheChangeSaves) {
    Game->MusicVolume = 75;
    Game->CustomMusicVolume = 50;
    EXPECT_EQ(Game->GetMusicVolume(), 37);
    Game->CustomMusicVolume = 0;

    Game->MusicSetVolume(150, 0);
    EXPECT_EQ(Game->MusicVolume, 100);
    EXPECT_FALSE(Marker());

    Game->MusicVolume = 95;
    Game->MusicChangeVolume(+10);
    EXPECT_EQ(Game->MusicVolume, 100);
    EXPECT_TRUE(Marker());
    EXPECT_NE(dir.Read("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini").find("MUSIC VOLUME=100"),
              std::string::npos);
}

TEST_F(MusicTest, StopReplacesOnlyAPlayingChannel) {
    platform::ChannelRef idle = Game->MusicChannel;
    Game->MusicStop();
    EXPECT_EQ(Game->MusicChannel, idle);
    Game->MusicLoad("title.ogg", 1);
    Game->MusicPlay(0, 0, 0);
    platform::ChannelRef playing = Game->MusicChannel;
    Game->MusicStop();
    EXPECT_NE(Game->MusicChannel, playing);
    EXPECT_EQ(Game->MusicRestart, 1);
}

TEST_F(MusicTest, AFadeOutAppliedAfterAFadeInInOneTickWins) {
    Game->MusicLoad("title.ogg", 1);
    Game->MusicPlay(1, 0, 0);
    Game->MusicFadeOutSet(1000);
    audio->Clear();
    Game->MusicFadeInManage();
    Game->MusicFadeOutManage();
    EXPECT_NEAR(Volumes().back(), 1.0f - 1.0f / 200.0f, 1e-4f);
}

TEST_F(MusicTest, FadesShorterThanOneTickAreOverAtOnce) {
    Game->MusicFadeIn = 0.5f; // 0 ms once truncated: 0 ticks
    Game->MusicFadeOut = 0.5f;
    Game->PauseFadeLength = 0.5f;
    EXPECT_FLOAT_EQ(Game->MusicFadeInCalc(), 1.0f);
    EXPECT_FLOAT_EQ(Game->MusicFadeOutCalc(), 1.0f);
    EXPECT_FLOAT_EQ(Game->PauseFadeCalc(), 1.0f);
}

} // namespace
} // namespace coretest
