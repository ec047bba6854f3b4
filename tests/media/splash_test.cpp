// The splash screens on the fake clock: the maker's splash with its sound, what cuts a splash
// short and what is left of the input afterwards, the folder of numbered pictures, the
// distributor's logo, and the end of the program when the splash folder is missing.
#include "effects_fixture.h"

#include "framework/cc_errors.h"
#include "framework/cc_input.h"
#include "media/TSplashScreen.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

using mediatest::EffectsTest;
using mediatest::WritePicture;
using mediatest::WriteSound;

class SplashTest : public EffectsTest {
protected:
    void SetUp() override {
        EffectsTest::SetUp();
        Game->DataPrefix = dir.Path();
        platform::AutoMidHandle(false); // as the intro runs the splashes
        std::filesystem::create_directories(dir / "data/branding");
        WritePicture(dir, "data/Brindlecove.png", 400, 300);
        WriteSound(dir, "data/SplashSound.wav");
    }

    // The channel on which a sound was cued; -1 when none was.
    int ChannelOf(const std::string& sound) const {
        for (const auto& e : audio->Events())
            if (e.what == "cue" && e.sound == sound) return e.channel;
        return -1;
    }

    // The pictures shown, told apart by their sizes, in order of first appearance.
    std::vector<std::pair<int, int>> Shown() const {
        std::vector<std::pair<int, int>> sizes;
        std::set<platform::TImage*> seen;
        for (const auto& d : ImageDraws())
            if (seen.insert(d.image.get()).second) sizes.emplace_back(d.image->width, d.image->height);
        return sizes;
    }

    std::vector<int> DrainEventIds() {
        std::vector<int> ids;
        while (int id = platform::PollEvent())
            ids.push_back(id);
        return ids;
    }
};

TEST_F(SplashTest, MakersSplashRunsItsTimesWithASoundThatSwellsAndDies) {
    Game->SoundVolume = 80;
    int start = platform::MilliSecs();
    EXPECT_EQ(BrindlecoveSplash(1, 0), 0);
    int took = platform::MilliSecs() - start;
    EXPECT_GE(took, 1750 + 750 + 1500);
    EXPECT_LT(took, 1750 + 750 + 1500 + 100);
    int channel = ChannelOf("SplashSound.wav");
    ASSERT_GE(channel, 0);
    auto log = audio->Log(channel);
    ASSERT_GE(log.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 4),
              (std::vector<std::string>{"cue SplashSound.wav", "rate 0.9", "volume 0", "resume"}));
    EXPECT_EQ(log.back(), "stop");
    std::vector<float> volumes;
    for (const auto& e : audio->Events())
        if (e.channel == channel && e.what == "volume") volumes.push_back(e.value);
    auto loudest = std::max_element(volumes.begin(), volumes.end());
    EXPECT_FLOAT_EQ(*loudest, 0.8f);
    EXPECT_TRUE(std::is_sorted(volumes.begin(), loudest + 1)) << "rising";
    EXPECT_TRUE(std::is_sorted(loudest, volumes.end(), std::greater<float>())) << "falling";
    EXPECT_FLOAT_EQ(volumes.back(), 0.0f);
    EXPECT_EQ(ccPolledInputState, 0) << "the input mode is put back";
    EXPECT_EQ(platform::GetBlend(), platform::BLEND_SOLID);
}

TEST_F(SplashTest, MakersSplashWithoutSoundPlaysNothing) {
    EXPECT_EQ(BrindlecoveSplash(0, 0), 0);
    EXPECT_TRUE(audio->Events().empty());
    ASSERT_EQ(Shown().size(), 1u);
    auto draws = ImageDraws();
    EXPECT_EQ(std::make_tuple(draws[0].x, draws[0].y), std::make_tuple(200.0f, 150.0f)) << "centred";
}

TEST_F(SplashTest, AKeyAClickOrAQuitCutsTheSplashShortAndLeavesNoInputBehind) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::string>> script;
        int at; // ms
        bool quit;
    } cases[] = {
        {"key in the fade-in", {{500, "key_down 65"}, {500, "char 97"}}, 500, false},
        {"key in the hold", {{2000, "key_down 32"}}, 2000, false},
        {"key in the fade-out", {{3000, "key_down 13"}}, 3000, false},
        {"right click", {{800, "mouse_down 2"}, {800, "mouse_up 2"}, {800, "wheel 1"}}, 800, false},
        {"quit request", {{900, "terminate"}}, 900, true},
        {"window closed", {{900, "close"}}, 900, true},
    };
    for (const Case& c : cases) {
        audio->Clear();
        TSplashScreen splash;
        splash.Init(dir / "data/Brindlecove.png", dir / "data/SplashSound.wav", 1, 1, 0, 0, 0);
        splash.InitTimes(1750, 750, 1500);
        int start = platform::MilliSecs();
        Script(c.script);
        EXPECT_EQ(splash.DoSplash(), -1) << c.what;
        EXPECT_LE(platform::MilliSecs() - start, c.at + 30) << c.what << ": at once";
        ASSERT_NE(splash.Channel, nullptr);
        EXPECT_EQ(audio->Log(splash.Channel->Id()).back(), "stop") << c.what;
        EXPECT_EQ(ccPolledInputState, 0) << c.what;
        EXPECT_EQ(platform::GetBlend(), platform::BLEND_SOLID) << c.what;
        std::vector<int> left = DrainEventIds();
        std::vector<int> quits;
        for (int id : left) {
            EXPECT_TRUE(id == platform::EVENT_APP_TERMINATE || id == platform::EVENT_WINDOW_CLOSE)
                << c.what << ": event " << id << " left";
            quits.push_back(id);
        }
        EXPECT_EQ(quits.size(), c.quit ? 1u : 0u) << c.what << ": a quit stays queued for the core";
        platform::UnloadInputScript();
    }
}

TEST_F(SplashTest, AWaitingQuitStartsNoSplashAtAll) {
    platform::PostEvent({platform::EVENT_APP_TERMINATE, 0, 0, 0});
    long flips = Flips();
    EXPECT_EQ(BrindlecoveSplash(1, 0), 0);
    EXPECT_EQ(Flips(), flips) << "not even the first cleared frame";
    EXPECT_EQ(ChannelOf("SplashSound.wav"), -1);
    EXPECT_EQ(ccPolledInputState, 0);
    EXPECT_TRUE(platform::QuitRequested());
}

TEST_F(SplashTest, TheFolderShowsItsNumberedPicturesByTheirExactNames) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, int>> files; // name, width
        std::vector<int> shown;                         // widths in order
    } cases[] = {
        {"a gap ends the sequence",
         {{"splash1.png", 11}, {"splash2.jpg", 12}, {"splash4.png", 14}},
         {11, 12}},
        {"empty folder", {}, {}},
        {"both spellings: the first listed", {{"splash1.png", 21}, {"splash1.jpg", 22}}, {22}},
        {"the case must match", {{"Splash1.png", 31}}, {}},
        {"no first picture", {{"splash2.png", 41}}, {}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir / "data/branding");
        std::filesystem::create_directories(dir / "data/branding");
        for (const auto& [name, width] : c.files)
            WritePicture(dir, "data/branding/" + name, width, 8);
        recorder->calls.clear();
        EXPECT_EQ(ShowSplashSequence("branding", 30, 30, 30), 0) << c.what;
        std::vector<int> widths;
        for (const auto& [w, h] : Shown())
            widths.push_back(w);
        EXPECT_EQ(widths, c.shown) << c.what;
    }
}

TEST_F(SplashTest, AQuitDuringTheSequenceStopsItsWalk) {
    WritePicture(dir, "data/branding/splash1.png", 11, 8);
    WritePicture(dir, "data/branding/splash2.png", 12, 8);
    Script({{100, "terminate"}});
    ShowSplashSequence("branding", 750, 750, 750);
    EXPECT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(platform::QuitRequested());
}

TEST_F(SplashTest, AMissingSplashFolderIsReported) {
    std::filesystem::remove_all(dir / "data/branding");
    EXPECT_THROW(ShowSplashSequence("branding", 750, 750, 750), mediatest::TReportedError);
    EXPECT_EQ(errors,
              (std::vector<std::string>{"Failed to read splash folder '" + dir.Path() + "data/branding/'"}));
    EXPECT_EQ(endFlags, (std::vector<int>{1}));
}

TEST_F(SplashTest, PortalSplashShowsALogoOnlyWhenThereIsOne) {
    long flips = Flips();
    EXPECT_EQ(PortalSplash(750, 750, 750, 2, 1), 0);
    EXPECT_EQ(PortalSplash(750, 750, 750, 2, 0), 0) << "without a logo there is nothing to show";
    EXPECT_TRUE(recorder->calls.empty());
    EXPECT_EQ(Flips(), flips);
    EXPECT_EQ(ccPolledInputState, 0);

    WritePicture(dir, "data/portallogo2.jpg", 52, 8);
    WritePicture(dir, "data/portallogo.png", 50, 8);
    EXPECT_EQ(PortalSplash(750, 750, 750, 2, 1), 1);
    EXPECT_EQ(PortalSplash(30, 30, 30, 0, 1), 1) << "number 0: no number in the name";
    std::vector<int> widths;
    for (const auto& [w, h] : Shown())
        widths.push_back(w);
    EXPECT_EQ(widths, (std::vector<int>{52, 50}));
}

TEST_F(SplashTest, TimesOfZeroKeepTheDefaultsButInitTimesStoresThem) {
    std::string picture = dir / "data/Brindlecove.png";
    TSplashScreen splash;
    splash.Init(picture, "", 1, 0, 0, 0, 0);
    EXPECT_EQ(std::make_tuple(splash.TimeIn, splash.TimeFull, splash.TimeOut),
              std::make_tuple(2000.0f, 1000.0f, 2000.0f));
    splash.Init(picture, "", 1, 0, 750, 0, 300);
    EXPECT_EQ(std::make_tuple(splash.TimeIn, splash.TimeFull, splash.TimeOut),
              std::make_tuple(750.0f, 1000.0f, 300.0f));
    splash.InitTimes(0, 0, 0);
    EXPECT_EQ(std::make_tuple(splash.TimeIn, splash.TimeFull, splash.TimeOut),
              std::make_tuple(0.0f, 0.0f, 0.0f));
    splash.CleanUp();

    WritePicture(dir, "data/branding/splash1.png", 11, 8);
    int start = platform::MilliSecs();
    ShowSplashSequence("branding", 0, 0, 0);
    EXPECT_GE(platform::MilliSecs() - start, 2000 + 1000 + 2000);
}

TEST_F(SplashTest, ASoundThatDoesNotFadeIsStoppedByASkipToo) {
    std::string sound = WriteSound(dir, "data/chime.wav");
    Script({{300, "key_down 65"}});
    EXPECT_EQ(ShowSplash(dir / "data/Brindlecove.png", sound, 1, 0, 500, 500, 500), 0);
    int channel = ChannelOf("chime.wav");
    ASSERT_GE(channel, 0);
    EXPECT_EQ(audio->Log(channel), (std::vector<std::string>{"cue chime.wav", "resume", "stop"}))
        << "full volume and rate, stopped by the skip";
}

using SplashDeathTest = SplashTest;

TEST_F(SplashDeathTest, AMissingSplashFolderEndsTheGameAndIsLogged) {
    std::filesystem::remove_all(dir / "data/branding");
    testsupport::TempDir logs;
    EXPECT_EXIT(
        {
            SetRunTimeErrorHandler(nullptr);
            ccErrorPath = logs.Path();
            ShowSplashSequence("branding", 750, 750, 750);
        },
        [](int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 0; }, "");
    EXPECT_NE(
        logs.Read("ErrorLog.txt").find("Failed to read splash folder '" + dir.Path() + "data/branding/'"),
        std::string::npos);
}

} // namespace
