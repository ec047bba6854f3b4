// The title screen: its buttons' places, the first player chosen or asked for, the name prompt,
// the player manager over the title, the exit, the music it keeps from the loading screen, the
// fire and the fireflies.
#include "intro_title_fixture.h"

#include "framework/cc_input.h"
#include "platform/random.h"
#include "profiles/TProfile.h"
#include "screens/TInstructionsScreen.h"

#include <sys/stat.h>
#include <unistd.h>

namespace screenstest {
namespace {

class TitleTest : public IntroTitleTest {
protected:
    std::string ProfileDir() const { return UserFolder() + "profiles/"; }
    void AddProfile(const std::string& file) {
        dir.Write("home/Brindlecove/Sleetwhistle/profiles/" + file, "");
    }
    void AddFolder(const std::string& name) { platform::CreateDir(ProfileDir() + name, true); }

    // The second loading stage (which loads the title), then the title entered from the finished
    // loading screen, its 500 ms fade-in run out.
    void EnterTitle() {
        Game->CurrentTScreen = IntroScreen;
        LoadData2();
        Game->CurrentTScreen = Game->LoadingScreen;
        TitleScreen->PreStart();
        TicksUntil([] { return Game->GameFade->Active == 0; }, 200);
        ASSERT_EQ(Game->CurrentTScreen, TitleScreen);
    }
    std::string Greeting() const { return TitleScreen->Welcome ? TitleScreen->Welcome->Text : "(none)"; }
    // The texts of one drawn frame of the title, joined by blanks.
    std::string DrawnText() {
        recorder->calls.clear();
        TitleScreen->Draw();
        std::string text;
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Text) text += call.text + " ";
        return text;
    }
    std::vector<platform::ImageRef> DrawnImages() {
        recorder->calls.clear();
        TitleScreen->Draw();
        std::vector<platform::ImageRef> drawn;
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Image) drawn.push_back(call.image);
        return drawn;
    }
    void ClickButton(const std::string& name) {
        TButtonRef button = TitleScreen->Menu->FindButton(name);
        ASSERT_TRUE(button) << name;
        const int x = int(button->x) + button->w / 2, y = int(button->y) + button->h / 2;
        Post(platform::EVENT_MOUSE_MOVE, 0, x, y);
        Tick();
        Post(platform::EVENT_MOUSE_DOWN, 1, x, y);
        Tick();
        Post(platform::EVENT_MOUSE_UP, 1, x, y);
        Tick();
    }
    void TypeName(const std::string& name) {
        for (char c : name) {
            Post(platform::EVENT_KEY_CHAR, c);
            Tick();
        }
        KeyTap(platform::vk::RETURN, '\r');
        Tick();
    }
};

TEST_F(TitleTest, ButtonsStandWhereTheirPicturesPutThem) {
    AddProfile("Anna.dat");
    EnterTitle();
    struct Place {
        const char* name;
        float x, y;
    };
    for (Place p : {Place{"play", 300, 510}, Place{"changeplayer", 16, 530}, Place{"mygallery", 146, 530},
                    Place{"titleoptions", 534, 530}, Place{"exit", 664, 530}}) {
        TButtonRef button = TitleScreen->Menu->FindButton(p.name);
        ASSERT_TRUE(button) << p.name;
        EXPECT_FLOAT_EQ(button->x, p.x) << p.name;
        EXPECT_FLOAT_EQ(button->y, p.y) << p.name;
    }
}

struct StartRow {
    const char* label;
    std::vector<std::string> files; // in profiles/; a name ending in "/" is a folder
    std::string settingsName;
    std::string greeting; // "" for the name prompt
    std::vector<std::string> after;
};

TEST_F(TitleTest, TheFirstLoadGreetsAListedPlayerOrAsksForAName) {
    const StartRow rows[] = {
        {"empty folder", {}, "", "", {}},
        {"only .dat and a capital extension", {".dat", "Anna.DAT"}, "", "", {".dat", "Anna.DAT"}},
        {"the settings name", {"Anna.dat"}, "Anna", "Anna", {"Anna.dat"}},
        {"no name: the first listed", {"Anna.dat", "Bob.dat"}, "", "Anna", {"Anna.dat", "Bob.dat"}},
        {"refused name: the first listed", {"Bob.dat", "Zed.dat"}, "../x", "Bob", {"Bob.dat", "Zed.dat"}},
        {"invalid names skipped", {"..dat", "a b .dat"}, "", "", {"..dat", "a b .dat"}},
        {"the listed spelling", {"Bob.dat"}, "bob", "Bob", {"Bob.dat"}},
        {"an unlisted name is created", {"Anna.dat"}, "Carol", "Carol", {"Anna.dat", "Carol.dat"}},
        {"a folder and a capital extension", {"Dir.dat/", "x.DAT"}, "", "", {"Dir.dat", "x.DAT"}},
    };
    for (const StartRow& row : rows) {
        SCOPED_TRACE(row.label);
        platform::DeleteDir(ProfileDir(), true);
        platform::CreateDir(ProfileDir(), true);
        for (const std::string& file : row.files)
            file.back() == '/' ? AddFolder(file.substr(0, file.size() - 1)) : AddProfile(file);
        Game->ProfileName = row.settingsName;
        Game->CurrentProfile = nullptr;
        TitleScreen = std::make_shared<TTitleScreen>();
        EnterTitle();
        if (row.greeting.empty()) {
            EXPECT_TRUE(TitleScreen->EnterName);
            EXPECT_EQ(Greeting(), "(none)");
        } else {
            EXPECT_FALSE(TitleScreen->EnterName);
            EXPECT_EQ(Greeting(), "Season's Greetings, " + row.greeting);
            EXPECT_EQ(Game->ProfileName, row.greeting);
        }
        EXPECT_EQ(Entries(ProfileDir()), row.after);
        TitleScreen->Kill();
    }
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(TitleTest, AnUnreadableProfilesFolderEndsTheRunNamingIt) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every folder";
    ::chmod(ProfileDir().c_str(), 0);
    EXPECT_THROW(EnterTitle(), coretest::TReportedError);
    ::chmod(ProfileDir().c_str(), 0755);
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.back(), "Failed to read directory '" + ProfileDir() + "'");
}

TEST_F(TitleTest, TheNameGivenBecomesThePlayerAndIsGreetedInTheSameTick) {
    EnterTitle();
    ASSERT_TRUE(TitleScreen->EnterName);
    KeyTap(platform::vk::ESCAPE, '\x1b'); // the first-run prompt has no way back
    Tick();
    EXPECT_EQ(Game->GameFade->Active, 0);
    EXPECT_TRUE(TitleScreen->EnterName);
    for (char c : std::string("anna")) {
        Post(platform::EVENT_KEY_CHAR, c);
        Tick();
    }
    KeyTap(platform::vk::RETURN, '\r');
    Tick();
    EXPECT_FALSE(TitleScreen->EnterName);
    EXPECT_EQ(Greeting(), "Season's Greetings, Anna");
    EXPECT_EQ(Game->ProfileName, "Anna");
    EXPECT_EQ(platform::FileType(ProfileDir() + "Anna.dat"), 1);
    EXPECT_EQ(platform::FileType(UserFolder() + "inichanged.dat"), 1);
    std::string settings = dir.Read("home/Brindlecove/Sleetwhistle/Sleetwhistle.ini");
    EXPECT_NE(settings.find("PROFILE NAME=Anna\r\n"), std::string::npos);
    EXPECT_EQ(Game->CurrentTScreen, TitleScreen);
}

TEST_F(TitleTest, ExitAndEscapeFadeOutWithTheMusicToTheExitScreen) {
    for (bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "exit");
        AddProfile("Anna.dat");
        Game->InstantExit = 0;
        TitleScreen = std::make_shared<TTitleScreen>();
        EnterTitle();
        if (escape) {
            KeyTap(platform::vk::ESCAPE, '\x1b');
            Tick();
        } else {
            ClickButton("exit");
        }
        EXPECT_EQ(Game->GameFade->Active, 1);
        EXPECT_EQ(Game->GameFade->Out, 1);
        EXPECT_EQ(Game->GameFade->Channel, Game->MusicChannel) << "the music fades with the picture";
        EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen);
        EXPECT_NEAR(Game->GameFade->Length, 500.0f / Game->FixedRateLogic->MS, 1.0f);
        TicksUntil([] { return Game->CurrentTScreen == Game->ExitScreen; }, 200);
        EXPECT_EQ(Game->CurrentTScreen, Game->ExitScreen);
        EXPECT_EQ(Game->InstantExit, 1);
    }
}

TEST_F(TitleTest, ComingFromTheLoadingScreenKeepsTheIntrosMusicAndPictures) {
    AddProfile("Anna.dat");
    Game->CurrentTScreen = IntroScreen;
    LoadData2();
    Game->MusicLoad("title.ogg", 1);
    Game->MusicPlay(0, 0, 0);
    const platform::SoundRef music = Game->MusicSample;
    const platform::ImageRef background = TitleScreen->Image;
    const int cues = MusicCues();
    Game->CurrentTScreen = Game->LoadingScreen;
    TitleScreen->PreStart();
    Ticks(150);
    EXPECT_EQ(Game->MusicSample, music);
    EXPECT_EQ(MusicCues(), cues);
    EXPECT_EQ(TitleScreen->Image, background) << "not loaded again";
}

TEST_F(TitleTest, TheFireRunsThroughItsSeventeenFramesOnceEveryTwoSeconds) {
    AddProfile("Anna.dat");
    EnterTitle();
    const int ticks = int(2000 / Game->FixedRateLogic->MS);
    std::vector<int> frames;
    for (int i = 0; i < 2 * ticks; ++i) {
        Tick();
        recorder->calls.clear();
        TitleScreen->Draw();
        for (const platform::DrawCall& call : recorder->calls)
            if (call.image == TitleScreen->FireAnim) {
                EXPECT_FLOAT_EQ(call.x, 335.0f);
                EXPECT_FLOAT_EQ(call.y, 317.0f);
                frames.push_back(call.frame);
            }
    }
    ASSERT_EQ(frames.size(), size_t(2 * ticks));
    int wraps = 0;
    for (size_t i = 1; i < frames.size(); ++i) {
        if (frames[i] < frames[i - 1]) {
            ++wraps;
            EXPECT_EQ(frames[i - 1], 16);
            EXPECT_EQ(frames[i], 0);
        }
    }
    EXPECT_EQ(wraps, 1) << "one pass of 2000 ms";
    EXPECT_EQ(*std::min_element(frames.begin(), frames.end()), 0);
    EXPECT_EQ(*std::max_element(frames.begin(), frames.end()), 16);
}

TEST_F(TitleTest, FirefliesAppearAtTheirSpotsWithDrawsInTheirOrder) {
    AddProfile("Anna.dat");
    EnterTitle();
    Particles->Clear();
    // Replays the draws of a tick that makes one: the chance, the spot, the scale, the spin, then
    // the fade-out, hold and fade-in times.
    int seed = 1;
    for (;; ++seed) {
        platform::SeedRnd(seed);
        if (platform::Rand(1, 10000) < 300) break;
    }
    const int k = platform::Rand(0, TTitleScreen::MAX_COORDS - 1);
    const float scale = float(platform::Rnd(0.4, 1.0));
    const float spin = float(platform::Rnd(0.2, 0.5));
    const int fadeOut = platform::Rand(600, 1000);
    const int hold = platform::Rand(300, 600);
    const int fadeIn = platform::Rand(600, 1000);
    platform::SeedRnd(seed);
    Delta = 1.0f;
    TitleScreen->FirefliesManage();
    ASSERT_EQ(Particles->Count(), 1);
    TParticleRef fly = Particles->First();
    EXPECT_FLOAT_EQ(fly->x, float(TitleScreen->Coords[size_t(k)].X));
    EXPECT_FLOAT_EQ(fly->y, float(TitleScreen->Coords[size_t(k)].Y));
    EXPECT_FLOAT_EQ(fly->ScaleX, scale);
    EXPECT_FLOAT_EQ(fly->RotationSpeed, spin);
    const float ms = Game->FixedRateLogic->MS;
    EXPECT_NEAR(fly->FadeInLength, fadeIn / ms, 1.0f);
    EXPECT_NEAR(fly->FadeSustainCounter, hold / ms, 1.0f);
    EXPECT_NEAR(fly->FadeLength, fadeOut / ms, 1.0f);

    // Over many ticks about 3 in 100 make one, and a shorter tick makes them rarer.
    Particles->Clear();
    int made = 0;
    for (int i = 0; i < 10000; ++i) {
        const int before = Particles->Count();
        TitleScreen->FirefliesManage();
        made += Particles->Count() > before ? 1 : 0;
        Particles->Clear();
    }
    EXPECT_NEAR(made, 300, 60);
    Delta = 0.25f;
    made = 0;
    for (int i = 0; i < 10000; ++i) {
        TitleScreen->FirefliesManage();
        made += Particles->Count();
        Particles->Clear();
    }
    EXPECT_NEAR(made, 75, 30);
}

TEST_F(TitleTest, ThePlayerManagerOwnsTheTitleWhileOpenAndTheGreetingFollowsItsChoice) {
    AddProfile("Anna.dat");
    AddProfile("Bob.dat");
    Game->ProfileName = "Anna";
    EnterTitle();
    ClickButton("changeplayer");
    ASSERT_TRUE(TitleScreen->PlayerManager);
    EXPECT_EQ(DrawnText().find("in this build yet"), std::string::npos) << "the manager, not a box";
    // Under it only the background, the logo, the copyright and the version draw: no buttons,
    // fire, fireflies or greeting.
    std::vector<platform::ImageRef> drawn = DrawnImages();
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), TitleScreen->FireAnim), 0);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), TitleScreen->Image), 1);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), TitleScreen->Copyright), 1);
    EXPECT_EQ(DrawnText().find("Season's Greetings"), std::string::npos);
    EXPECT_NE(DrawnText().find("V "), std::string::npos);
    // The fireflies and the fire stand still.
    Particles->Clear();
    const float fire = TitleScreen->FireCounter->Counter;
    Ticks(400);
    EXPECT_EQ(Particles->Count(), 0);
    EXPECT_EQ(TitleScreen->FireCounter->Counter, fire);
    // A key the title knows (H: the instructions), pressed while the manager is open, does
    // nothing once it closes.
    KeyTap(platform::vk::H, 'h');
    Tick();
    // Bob chosen with a click on his row and OK: the greeting follows.
    const TListBox& list = *TitleScreen->PlayerManager->ListBox;
    ClickAt(int(list.Box->X) + 20, int(list.Box->Y) + list.LineHeight + list.LineHeight / 2);
    Tick();
    TButtonRef ok = TitleScreen->PlayerManager->Menu->FindButton("OK");
    ClickAt(int(ok->x) + ok->w / 2, int(ok->y) + ok->h / 2);
    Ticks(2);
    EXPECT_FALSE(TitleScreen->PlayerManager);
    EXPECT_EQ(Greeting(), "Season's Greetings, Bob");
    EXPECT_EQ(Game->GameFade->Active, 0) << "no screen change";
    EXPECT_NE(Game->DestinationTScreen, InstructionsScreen);
    // Cancel after Anna's row was chosen keeps Bob, and the greeting is built again.
    ClickButton("changeplayer");
    ASSERT_TRUE(TitleScreen->PlayerManager);
    KeyTap(platform::vk::ESCAPE, '\x1b');
    Ticks(2);
    EXPECT_FALSE(TitleScreen->PlayerManager);
    EXPECT_EQ(Greeting(), "Season's Greetings, Bob");
    EXPECT_EQ(Game->GameFade->Active, 0) << "Escape closed the manager only";
    // Escape quits again once the manager is closed.
    KeyTap(platform::vk::ESCAPE, '\x1b');
    Tick();
    EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen);
}

} // namespace
} // namespace screenstest
