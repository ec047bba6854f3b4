// The loading screen and its bar: the 92 steps, what each state draws, what a click or a key does
// on the finished screen, and the caption of the screens that load later.
#include "effects_fixture.h"

#include "core/TScreen.h"
#include "media/TGameFade.h"
#include "media/TLoadingScreen.h"
#include "platform/testing.h"

#include <algorithm>

namespace {

using mediatest::EffectsTest;
using mediatest::WritePicture;
using mediatest::WriteSound;

class LoadingScreenTest : public EffectsTest {
protected:
    TLoadingScreen& screen() { return *Game->LoadingScreen; }
    TLoadingBar& bar() { return *Game->LoadingScreen->LoadingBar; }
    std::shared_ptr<TScreen> title = std::make_shared<TScreen>();

    void SetUp() override {
        EffectsTest::SetUp();
        Game->ImagePath = dir.Path();
        Game->SoundPath = dir.Path();
        WritePicture(dir, "loadingscreen.png", 800, 600);
        WritePicture(dir, "LoadingBar.png", 300, 16, 0xFF00FF00u);
        WritePicture(dir, "loading.png", 120, 20);
        WritePicture(dir, "clickhere.png", 200, 40);
        WritePicture(dir, "clickhereMO.png", 200, 40);
        WriteSound(dir, "buttonMO.wav");
        WriteSound(dir, "buttonClick.wav");
        Game->ChannelsCreate(16);
    }

    // The screen as the core sets it up.
    void SetUpAsTheCoreDoes(bool withEmptyAndFinal = true) {
        if (withEmptyAndFinal) {
            WritePicture(dir, "LoadingBarempty.png", 300, 16, 0xFF000000u);
            WritePicture(dir, "LoadingBarfinal.png", 300, 16, 0xFFFFFF00u);
        }
        screen().SpecialLoad("loadingscreen.png", "LoadingBar.png", "loading.png");
        bar().Centre(490);
        bar().Mode = 1;
        bar().DrawEmptyUnderFinal = 1;
        screen().LoadingY = 460;
        screen().SetSteps(92);
        screen().SetClickHereButton("clickhere", "clickhereMO", "buttonMO", "buttonClick", 507);
        screen().Destination = title;
    }

    void Steps(int n) {
        for (int i = 0; i < n; ++i)
            screen().Progress();
    }

    // Width of the part of the bar picture drawn by the bar's Draw.
    float DrawnBarWidth() {
        recorder->calls.clear();
        bar().Draw();
        for (const auto& d : ImageDraws())
            if (d.image == bar().Image) return d.w;
        return 0;
    }

    int ClickSounds() const {
        return int(
            std::count_if(audio->Events().begin(), audio->Events().end(),
                          [](const platform::TAudioEvent& e) { return e.Text() == "cue buttonClick.wav"; }));
    }
};

TEST_F(LoadingScreenTest, SpecialLoadFindsTheBarsOptionalPicturesAndClearsTheMusic) {
    Game->MusicName = "title";
    SetUpAsTheCoreDoes();
    EXPECT_EQ(screen().name, "loading");
    EXPECT_NE(bar().EmptyImage, nullptr);
    EXPECT_NE(bar().FinalImage, nullptr);
    EXPECT_EQ(std::make_tuple(bar().x, bar().y, bar().w, bar().h), std::make_tuple(250, 490, 300, 16));
    EXPECT_EQ(std::make_tuple(screen().LoadingX, screen().LoadingY), std::make_tuple(400, 460));
    EXPECT_EQ(Game->MusicName, "none");
    EXPECT_EQ(screen().ClickHereButton->x, 300);
    EXPECT_EQ(screen().ClickHereButton->OKButton, 1);

    WritePicture(dir, "OtherBar.png", 300, 16);
    WritePicture(dir, "OtherBarEmpty.png", 300, 16); // the names must match exactly
    Game->LoadingScreen = std::make_shared<TLoadingScreen>();
    screen().SpecialLoad("loadingscreen.png", "OtherBar.png", "loading.png");
    EXPECT_NE(bar().Image, nullptr);
    EXPECT_EQ(bar().EmptyImage, nullptr);
    EXPECT_EQ(bar().FinalImage, nullptr);
}

TEST_F(LoadingScreenTest, TheBarGrowsAStepAtATimeAndFinishesOnTheExactCount) {
    SetUpAsTheCoreDoes(false);
    bar().Mode = 2;
    int done = 0;
    for (int n : {1, 46, 91}) {
        Steps(n - done);
        done = n;
        EXPECT_NEAR(DrawnBarWidth(), n * 300.0f / 92, 1e-3) << n;
        EXPECT_EQ(screen().Finished, 0) << n;
    }
    platform::PostEvent({platform::EVENT_KEY_DOWN, platform::vk::A, 0, 0});
    platform::PostEvent({platform::EVENT_APP_TERMINATE, 0, 0, 0});
    platform::PostEvent({platform::EVENT_MOUSE_DOWN, 1, 0, 0});
    platform::PostEvent({platform::EVENT_KEY_CHAR, 97, 0, 0});
    keys[65] = 1;
    Steps(1);
    EXPECT_EQ(screen().Finished, 1);
    EXPECT_EQ(keys[65], 0) << "the game's key table is flushed";
    EXPECT_TRUE(platform::QuitRequested()) << "a quit made during loading waits for the core";
    EXPECT_EQ(platform::PollEvent(), platform::EVENT_APP_TERMINATE);
    EXPECT_EQ(platform::PollEvent(), 0) << "keys, characters and clicks made during loading are gone";
    EXPECT_FLOAT_EQ(DrawnBarWidth(), 300);

    Steps(1); // one step too many
    EXPECT_EQ(bar().Finished, 1);
    EXPECT_FLOAT_EQ(DrawnBarWidth(), 300) << "never wider than the picture";
}

TEST_F(LoadingScreenTest, TheLastStepReadsThePointerFromTheSystem) {
    SetUpAsTheCoreDoes();
    platform::SetFakeDesktop(1024, 768);
    Game->FullScreen = 0;
    Game->DesktopHeight = Game->WindowHeight = 768;
    platform::MoveMouse(40, 60);
    Steps(91);
    EXPECT_EQ(Game->Mouse->x, 0);
    Steps(1);
    EXPECT_EQ(std::make_tuple(Game->Mouse->x, Game->Mouse->y), std::make_tuple(40, 60));
    platform::SetFakeDesktop(0, 0);
}

TEST_F(LoadingScreenTest, EachBarStateDrawsItsOwnPictures) {
    SetUpAsTheCoreDoes();
    auto barImage = bar().Image, empty = bar().EmptyImage, final = bar().FinalImage;
    struct Case {
        const char* what;
        int mode;
        int steps;
        int emptyUnderFinal;
        bool keepFinal;
        const char* images; // b bar, e empty, f final, in drawing order
        bool box;
    } cases[] = {
        {"mode 0", 0, 46, 1, true, "b", true},
        {"mode 1", 1, 46, 1, true, "eb", false},
        {"mode 2", 2, 46, 1, true, "b", false},
        {"finished, empty under final", 1, 92, 1, true, "ef", false},
        {"finished, final alone", 1, 92, 0, true, "f", false},
        {"finished without a final picture", 2, 92, 1, false, "b", false},
    };
    for (const Case& c : cases) {
        bar().Init(barImage, empty, c.keepFinal ? final : nullptr);
        bar().SetSteps(92);
        bar().Mode = c.mode;
        bar().DrawEmptyUnderFinal = c.emptyUnderFinal;
        for (int i = 0; i < c.steps; ++i)
            bar().Progress();
        recorder->calls.clear();
        EXPECT_EQ(bar().Draw(), 1) << c.what;
        std::string drawn;
        for (const auto& d : ImageDraws())
            drawn += d.image == barImage ? 'b' : d.image == empty ? 'e' : d.image == final ? 'f' : '?';
        EXPECT_EQ(drawn, c.images) << c.what;
        auto rects = Calls(platform::DrawKind::Rect);
        EXPECT_EQ(!rects.empty(), c.box) << c.what;
        if (c.box) {
            EXPECT_EQ(std::make_tuple(rects[0].state.r, rects[0].state.g, rects[0].state.b, rects[0].w),
                      std::make_tuple(50, 50, 50, 300.0f));
            auto lines = Calls(platform::DrawKind::Line);
            ASSERT_EQ(lines.size(), 4u);
            EXPECT_EQ(lines[0].state.r + lines[0].state.g + lines[0].state.b, 0) << "black outline";
            EXPECT_EQ(ImageDraws().back().state.r, 255) << "the bar in white";
        }
    }
    bar().Init(nullptr, empty, final);
    bar().Mode = 1;
    EXPECT_EQ(bar().Draw(), 0) << "mode 1 without the bar picture draws nothing";
}

TEST_F(LoadingScreenTest, TheScreenShowsTheCaptionWhileLoadingAndTheButtonWhenDone) {
    SetUpAsTheCoreDoes(false);
    Steps(46);
    recorder->calls.clear();
    screen().Draw();
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].image, screen().Image);
    EXPECT_EQ(draws[1].image, bar().Image);
    EXPECT_EQ(draws[2].image, screen().LoadingTextImage);
    EXPECT_EQ(std::make_tuple(draws[2].x, draws[2].y), std::make_tuple(400.0f, 460.0f));

    Steps(46);
    recorder->calls.clear();
    screen().Draw();
    draws = ImageDraws();
    ASSERT_EQ(draws.size(), 2u) << "without a final picture the bar is gone; no caption";
    EXPECT_EQ(draws[1].image, screen().ClickHereButton->image->image);
    EXPECT_EQ(std::make_tuple(draws[1].x, draws[1].y), std::make_tuple(300.0f, 507.0f));
}

TEST_F(LoadingScreenTest, AClickAKeyOrEscapeOnTheFinishedScreenFadesOutToTheDestination) {
    struct Case {
        const char* what;
        int x, y;  // pointer
        int click; // button, 0 none
        int key;   // -1 none
        int escapeCloses;
        int sounds;
        bool fades;
    } cases[] = {
        {"click anywhere", 10, 10, 1, -1, 1, 1, true},
        {"right click anywhere", 10, 10, 2, -1, 1, 1, true},
        {"click on the button", 350, 520, 1, -1, 1, 1, true},
        {"Enter", 10, 10, 0, 13, 1, 1, true},
        {"Escape, EscapeCloses 0", 10, 10, 0, 27, 0, 0, true},
        {"Escape, EscapeCloses 1", 10, 10, 0, 27, 1, 0, false},
        {"nothing", 10, 10, 0, -1, 1, 0, false},
    };
    SetUpAsTheCoreDoes();
    Steps(92);
    for (const Case& c : cases) {
        Game->GameFade = std::make_shared<TGameFade>();
        Game->DestinationTScreen = nullptr;
        screen().EscapeCloses = c.escapeCloses;
        screen().ClickHereButton->ClearClick();
        audio->Clear();
        Game->Mouse->x = c.x;
        Game->Mouse->y = c.y;
        if (c.click) Click(c.click);
        if (c.key >= 0) keys[size_t(c.key)] = 1;
        screen().Logic();
        EXPECT_EQ(ClickSounds(), c.sounds) << c.what;
        EXPECT_EQ(Game->GameFade->Active, c.fades ? 1 : 0) << c.what;
        EXPECT_EQ(Game->DestinationTScreen, c.fades ? title : nullptr) << c.what;
        if (c.fades) {
            EXPECT_EQ(Game->GameFade->Out, 1) << c.what;
            EXPECT_EQ(Game->GameFade->Length, 100) << c.what;
            EXPECT_EQ(Game->GameFade->AllowAnim, 0) << c.what;
            EXPECT_EQ(Game->GameFade->Channel, nullptr) << c.what;
        }
        keys.fill(0);
        Game->Mouse->ClearButtons();
    }
}

TEST_F(LoadingScreenTest, ASecondClickDuringTheFadeEndsItAtOnceWithoutASecondSound) {
    SetUpAsTheCoreDoes();
    Steps(92);
    Click();
    screen().Logic();
    ASSERT_EQ(Game->GameFade->Active, 1);
    EXPECT_EQ(Game->GameFade->Manage(), 0);
    Click();
    EXPECT_EQ(Game->GameFade->Manage(), -1) << "the core runs the fade before the screen's logic";
    EXPECT_EQ(Game->GameFade->GetDone(), 1);
    EXPECT_EQ(ClickSounds(), 1);
}

TEST_F(LoadingScreenTest, StartIgnoresEscapeOnlyWhenEscapeActsLikeAClick) {
    SetUpAsTheCoreDoes();
    for (int closes : {1, 0}) {
        Game->IgnoreEscapeKey = 1 - closes;
        screen().EscapeCloses = closes;
        screen().Start();
        EXPECT_EQ(Game->IgnoreEscapeKey, 1 - closes);
        EXPECT_EQ(Game->CurrentTScreen, Game->LoadingScreen);
    }
}

TEST_F(LoadingScreenTest, DrawLoadingShowsACaptionOnlyWithMusicOn) {
    SetUpAsTheCoreDoes();
    WritePicture(dir, "pointer.png", 16, 16);
    Game->Mouse->Load("pointer");
    for (int music : {0, 1}) {
        Game->Music = music;
        recorder->calls.clear();
        long flips = Flips();
        screen().DrawLoading(1);
        EXPECT_EQ(Flips(), flips + 1);
        EXPECT_EQ(Calls(platform::DrawKind::Clear).size(), 1u);
        std::string drawn;
        for (const auto& d : ImageDraws())
            drawn += d.image == Game->Mouse->Image ? 'p' : d.image == screen().LoadingTextImage ? 'c' : '?';
        EXPECT_EQ(drawn, music ? "cp" : "p") << "the caption only with music";
    }
}

TEST_F(LoadingScreenTest, MoveBarStepsDrawsAndShowsAFrame) {
    SetUpAsTheCoreDoes();
    long flips = Flips();
    Game->MoveBar();
    EXPECT_EQ(bar().CurrentStep, 1);
    EXPECT_EQ(Flips(), flips + 1);
    EXPECT_EQ(ImageDraws().front().image, screen().Image);
}

} // namespace
