// The options screen: where its pieces sit, the sliders under a held button, what each way out
// saves, the round trip through the credits from the in-game menu, the slider's clicks without a
// sound, and the driver buttons it never shows.
#include "options_fixture.h"

namespace screentest {
namespace {

using OptionsTest = OptionsFixture;

TEST_F(OptionsTest, ButtonsSlidersAndDotsSitWhereOurPicturesPlaceThem) {
    Game->MusicVolume = 0;
    Game->SoundVolume = 50;
    Game->Particles = 100;
    EnterOptions();
    struct {
        const char* button;
        float x, y;
    } buttons[] = {{"fullscreen", 276, 419}, {"credits", 170, 471}, {"OK", 173, 545}};
    for (const auto& row : buttons) {
        TButtonRef button = OptionsScreen->Menu->FindButton(row.button);
        ASSERT_TRUE(button) << row.button;
        EXPECT_FLOAT_EQ(button->x, row.x) << row.button;
        EXPECT_FLOAT_EQ(button->y, row.y) << row.button;
    }
    struct {
        TSliderRef slider;
        float y;
        int dotX;
    } sliders[] = {{OptionsScreen->MusicSlider, 220, 109},
                   {OptionsScreen->SoundSlider, 298, 221},
                   {OptionsScreen->DetailSlider, 376, 333}};
    for (const auto& row : sliders) {
        EXPECT_FLOAT_EQ(row.slider->x, 111.0f);
        EXPECT_FLOAT_EQ(row.slider->y, row.y);
        EXPECT_EQ(row.slider->DotX, row.dotX) << row.y;
    }
    EXPECT_EQ(OptionsScreen->name, "options");
    EXPECT_EQ(Game->FadeMusic, 0);
    EXPECT_EQ(OptionsScreen->Menu->FindButton("fullscreen")->image->name, "ON");
}

struct TSliderCase {
    int slider; // 0 music, 1 sound, 2 detail
    int x, y;
    int expected; // -1: untouched
};

TEST_F(OptionsTest, AHeldButtonSetsASliderFromTheBarsSlackAndEndsAndNothingIsWritten) {
    const TSliderCase cases[] = {
        {0, 209, 230, 40},  {1, 287, 308, 75}, {2, 164, 386, 20}, {0, 101, 230, 0},
        {0, 360, 230, 100}, {0, 100, 230, -1}, {0, 361, 230, -1}, {0, 209, 215, 40},
        {0, 209, 244, 40},  {0, 209, 214, -1}, {0, 209, 245, -1},
    };
    EnterOptions();
    const std::string saved = Settings();
    int* values[] = {&Game->MusicVolume, &Game->SoundVolume, &Game->Particles};
    TSliderRef sliders[] = {OptionsScreen->MusicSlider, OptionsScreen->SoundSlider,
                            OptionsScreen->DetailSlider};
    for (const TSliderCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "slider " << c.slider << " at " << c.x << "," << c.y);
        Game->MusicSetVolume(60, 0);
        Game->SoundSetVolume(60, 0);
        Game->ParticlesSet(60, 0);
        for (const TSliderRef& slider : sliders)
            slider->SetValue(60);
        MoveTo(c.x, c.y);
        Post(platform::EVENT_MOUSE_DOWN, 1, c.x, c.y);
        Tick();
        const int expected = c.expected < 0 ? 60 : c.expected;
        EXPECT_EQ(*values[c.slider], expected) << "in the tick of the press";
        EXPECT_EQ(sliders[c.slider]->Value, expected);
        if (c.slider == 0) {
            EXPECT_FLOAT_EQ(Game->MusicChannel->Volume(), float(expected) / 100.0f);
        }
        Tick(3);
        Post(platform::EVENT_MOUSE_UP, 1, c.x, c.y);
        Tick();
        EXPECT_EQ(*values[c.slider], expected);
    }
    EXPECT_EQ(Settings(), saved);
}

TEST_F(OptionsTest, DraggingTheSoundSliderClicksAgainOnlyAfterTheLastClickEndedAtTheVolumeJustSet) {
    EnterOptions();
    const int channel = OptionsScreen->ChannelClick->Id();
    MoveTo(150, 308);
    Post(platform::EVENT_MOUSE_DOWN, 1, 150, 308);
    const platform::SoundRef click = OptionsScreen->Menu->FindButton("OK")->SoundClick->sound;
    const int length = int(1000.0 * double(click->Frames()) / double(click->SampleRate()));
    std::vector<int> cueTimes;
    for (int x = 150; x <= 340; ++x) {
        const size_t before = audio->Events().size();
        MoveTo(x, 308);
        for (size_t i = before; i < audio->Events().size(); ++i) {
            const platform::TAudioEvent& e = audio->Events()[i];
            if (e.channel != channel || e.what != "cue") continue;
            cueTimes.push_back(e.time);
            EXPECT_NE(e.sound.find("buttonclick"), std::string::npos);
            EXPECT_FLOAT_EQ(OptionsScreen->ChannelClick->Volume(), float(Game->SoundVolume) / 100.0f)
                << "at the volume just set, x " << x;
        }
    }
    ASSERT_GT(cueTimes.size(), 2u);
    for (size_t i = 1; i < cueTimes.size(); ++i) {
        EXPECT_GE(cueTimes[i] - cueTimes[i - 1], length) << "no click over the last one";
        EXPECT_LE(cueTimes[i] - cueTimes[i - 1], length + 5) << "the next click follows at once";
    }
}

// How the screen is left, and what the settings file holds afterwards.
TEST_F(OptionsTest, OKAndEscapeSaveEveryChangeWhileCreditsSavesNothing) {
    struct {
        const char* way;
        TScreenRef destination;
        bool saves;
    } ways[] = {{"ok", caller, true}, {"escape", caller, true}, {"credits", CreditsScreen, false}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        Game->MusicSetVolume(100, 1);
        RemoveChangeMarker();
        Game->CurrentTScreen = caller;
        EnterOptions();
        const std::string before = Settings();
        Hold(209, 230, 2);
        if (std::string(way.way) == "escape")
            Press(platform::vk::ESCAPE);
        else
            ClickButton(way.way);
        EXPECT_EQ(Game->DestinationTScreen, way.destination);
        EXPECT_EQ(Game->GameFade->Out, 1);
        EXPECT_FALSE(Game->GameFade->Channel) << "the music never fades with the options";
        if (way.saves) {
            EXPECT_EQ(Setting("MUSIC VOLUME"), "40");
            EXPECT_TRUE(ChangeMarker());
        } else {
            EXPECT_EQ(Settings(), before);
            EXPECT_FALSE(ChangeMarker());
        }
        EXPECT_EQ(Game->MusicVolume, 40) << "the value stays in the game";
        Settle();
        EXPECT_EQ(Game->CurrentTScreen, way.destination);
        if (Game->CurrentTScreen == CreditsScreen) CreditsScreen->Kill();
    }
}

TEST_F(OptionsTest, AToggleRefusedByAForcedWindowLeavesTheButtonAndTheFile) {
    Game->FullScreen = 0;
    Game->ForceWindowedMode = 1;
    Game->IniUpdate(0);
    EnterOptions();
    RemoveChangeMarker();
    const std::string before = Settings();
    ClickButton("fullscreen");
    EXPECT_EQ(Game->FullScreen, 0);
    EXPECT_EQ(OptionsScreen->Menu->FindButton("fullscreen")->image->name, "OFF");
    EXPECT_EQ(Settings(), before);
    EXPECT_FALSE(ChangeMarker());
}

TEST_F(OptionsTest, ASecondClickDuringTheFadeOutEndsTheFadeAndSavesNothingMore) {
    EnterOptions();
    Hold(209, 230, 2);
    ClickButton("OK");
    ASSERT_EQ(Game->GameFade->Active, 1);
    RemoveChangeMarker();
    Click();
    EXPECT_EQ(Game->CurrentTScreen, caller) << "the fade took the click and ended";
    EXPECT_FALSE(ChangeMarker()) << "nothing written again";
    EXPECT_EQ(Setting("MUSIC VOLUME"), "40");
}

TEST_F(OptionsTest, FromTheInGameMenuThroughTheCreditsBackToAGameThatResumesWithoutReloading) {
    caller->StopKill = 1;
    caller->StopInit = 1;
    OptionsScreen->Destination = caller;
    Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
    Game->DestinationTScreen = OptionsScreen;
    Settle();
    ASSERT_EQ(Game->CurrentTScreen, OptionsScreen);
    Hold(209, 230, 2);
    ClickButton("credits");
    Settle();
    ASSERT_EQ(Game->CurrentTScreen, CreditsScreen);
    ClickButton("OK");
    Settle();
    ASSERT_EQ(Game->CurrentTScreen, OptionsScreen);
    EXPECT_EQ(OptionsScreen->MusicSlider->Value, 40) << "read again from the game";
    EXPECT_EQ(OptionsScreen->Destination, caller);
    Hold(164, 386, 2);
    ClickButton("OK");
    Settle();
    EXPECT_EQ(Game->CurrentTScreen, caller);
    EXPECT_EQ(caller->loads, 0);
    EXPECT_EQ(caller->kills, 0);
    EXPECT_EQ(caller->coreStarts, 1);
    EXPECT_EQ(Setting("MUSIC VOLUME"), "40");
    EXPECT_EQ(Setting("PARTICLES"), "20");
    for (const platform::TAudioEvent& e : audio->Events())
        if (e.channel == Game->MusicChannel->Id() && e.what == "volume") {
            EXPECT_FLOAT_EQ(e.value, 0.4f) << "the music only follows the slider";
        }
}

TEST_F(OptionsTest, WithoutSoundOrAClickChannelTheSoundSliderPlaysNothingAndFailsNothing) {
    for (bool soundOff : {true, false}) {
        SCOPED_TRACE(soundOff ? "sound effects off" : "no channel to be had");
        Game->CurrentTScreen = caller;
        Game->Sound = soundOff ? 0 : 1;
        EnterOptions();
        if (!soundOff) OptionsScreen->ChannelClick = nullptr;
        Hold(287, 308, 10);
        EXPECT_EQ(Game->SoundVolume, 75);
        EXPECT_EQ(CountCues("buttonclick"), 0);
        OptionsScreen->Kill();
        EXPECT_FALSE(OptionsScreen->ChannelClick);
    }
}

TEST_F(OptionsTest, KillStopsTheClickChannel) {
    EnterOptions();
    Hold(287, 308, 1);
    const int channel = OptionsScreen->ChannelClick->Id();
    ASSERT_NE(platform::ChannelPlaying(OptionsScreen->ChannelClick), 0);
    OptionsScreen->Kill();
    EXPECT_FALSE(OptionsScreen->ChannelClick);
    std::vector<std::string> log = audio->Log(channel);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "stop");
}

TEST_F(OptionsTest, DriverButtonsDisableTheOneInUseAndAreIgnoredWhenAbsent) {
    EnterOptions();
    OptionsScreen->SetDriverButtons(); // neither button exists
    OptionsScreen->Menu->AddNew("on", "onMO", "DirectX", 0, 0, 1);
    OptionsScreen->Menu->AddNew("off", "offMO", "OpenGL", 0, 0, 1);
    for (int driver : {0, 1}) {
        Game->Driver = driver;
        OptionsScreen->SetDriverButtons();
        EXPECT_EQ(OptionsScreen->Menu->FindButton("DirectX")->Disabled, driver == 0 ? 0 : 1) << driver;
        EXPECT_EQ(OptionsScreen->Menu->FindButton("OpenGL")->Disabled, driver == 0 ? 1 : 0) << driver;
    }
}

} // namespace
} // namespace screentest
