// Random background sounds at a chance per interval, and the blinking flasher with its sound.
#include "effects_fixture.h"

#include "media/TAmbientSounds.h"
#include "media/TFlasher.h"

#include <algorithm>

namespace {

using mediatest::EffectsTest;
using mediatest::WriteSound;

class AmbientTest : public EffectsTest {
protected:
    void SetUp() override {
        EffectsTest::SetUp();
        Game->ChannelsCreate(16);
    }

    int Cues() const {
        return int(std::count_if(audio->Events().begin(), audio->Events().end(),
                                 [](const platform::TAudioEvent& e) { return e.what == "cue"; }));
    }
};

TEST_F(AmbientTest, OneRollPerIntervalDecidesWhetherASoundPlays) {
    for (int chance : {100, 0}) {
        audio->Clear();
        TAmbientSounds ambient;
        ambient.AddSound(TGameSound::Create(WriteSound(dir, "wind.wav"), 0));
        ambient.AddSound(TGameSound::Create(WriteSound(dir, "owl.wav"), 0));
        ambient.Init(2000, chance);
        EXPECT_EQ(ambient.SoundCounterMax, 400);
        for (int tick = 1; tick < 400; ++tick)
            ambient.Manage();
        EXPECT_EQ(Cues(), 0) << chance;
        ambient.Manage();
        EXPECT_EQ(Cues(), chance ? 1 : 0) << chance;
        for (int tick = 0; tick < 800; ++tick)
            ambient.Manage();
        EXPECT_EQ(Cues(), chance ? 3 : 0) << chance;
    }
}

TEST_F(AmbientTest, TheOvershootOfAnIntervalCarries) {
    TAmbientSounds ambient;
    ambient.Init(10, 100); // 2 ticks
    Delta = 1.5f;
    ambient.Manage();
    ambient.Manage(); // 3.0 ticks: one interval and half a tick over
    EXPECT_FLOAT_EQ(ambient.SoundCounter, 1.0f);
}

TEST_F(AmbientTest, NothingToPickPlaysNothing) {
    TAmbientSounds empty;
    empty.Init(10, 100);
    for (int tick = 0; tick < 10; ++tick)
        empty.Manage();
    TAmbientSounds killed;
    killed.AddSound(TGameSound::Create(WriteSound(dir, "wind.wav"), 0));
    killed.Init(10, 100);
    killed.Kill();
    EXPECT_EQ(killed.TotalSounds, 1);
    for (int tick = 0; tick < 10; ++tick)
        killed.Manage();
    EXPECT_EQ(Cues(), 0);
}

TEST_F(AmbientTest, TheSetHoldsTwentySounds) {
    for (int i = 0; i < TAmbientSounds::MAX_SOUNDS; ++i)
        WriteSound(dir, "gust" + std::to_string(i) + ".wav");
    TAmbientSounds ambient;
    ambient.Fill(dir / "gust", 25, ".wav"); // gust20 and on do not exist: Fill stops first
    EXPECT_EQ(ambient.TotalSounds, 20);
    EXPECT_EQ(ambient.Sounds[0]->name, "GUST0");
    EXPECT_TRUE(errors.empty());
#ifdef NDEBUG
    ambient.AddSound(ambient.Sounds[0]);
    EXPECT_EQ(ambient.TotalSounds, 20);
#else
    EXPECT_DEATH(ambient.AddSound(ambient.Sounds[0]), "at most");
#endif
}

TEST_F(AmbientTest, AFlasherWaitsThenBlinksWithASoundAtEachSwitchToOn) {
    auto flasher = TFlasher::Create(3000, 200, 100, 1000);
    flasher->FlashSound = TGameSound::Create(WriteSound(dir, "ping.wav"), 0);
    std::vector<int> switches; // ticks at which the state changed
    std::vector<int> sounds;   // ticks at which the sound started
    int state = flasher->FlashState;
    for (int tick = 1; tick <= 700; ++tick) {
        int cues = Cues();
        int done = flasher->Manage();
        EXPECT_EQ(done, tick >= 600 ? 1 : 0) << tick;
        if (Cues() > cues) sounds.push_back(tick);
        if (flasher->FlashState != state) switches.push_back(tick);
        state = flasher->FlashState;
    }
    ASSERT_GE(switches.size(), 4u);
    EXPECT_EQ(std::vector<int>(switches.begin(), switches.begin() + 4),
              (std::vector<int>{240, 261, 302, 323}))
        << "on for 200 ticks of delay then 41, off 21, on 41, off 21";
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds[0], 261) << "silent for the first on period";
    EXPECT_EQ(sounds.size(), switches.size() / 2) << "a sound at every switch to on";
    EXPECT_LT(switches.back(), 600);
}

} // namespace
