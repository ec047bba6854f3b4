// The level intro and the outro of a won level, tick by tick: the intro's hold on play and its
// flash sweep, the outro's music fade, standstill and fall, the display and buttons sliding off,
// "welldone" settling, and the hand-over to the level-complete panel.
#include "game_fixture.h"

#include "board/TPlayer.h"
#include "platform/audio.h"
#include "platform/input.h"
#include "screens/TTitleScreen.h"

#include <cmath>

namespace gametest {
namespace {

// The last volume given to the music channel, -1 when none was given.
float LastMusicVolume(const platform::TRecordingAudioBackend& audio) {
    float volume = -1.0f;
    for (const auto& e : audio.Events())
        if (e.what == "volume" && Game->MusicChannel && e.channel == Game->MusicChannel->Id())
            volume = e.value;
    return volume;
}

using IntroTest = GameTest;

TEST_F(IntroTest, TheIntroHoldsPlayForItsSecondThenStartsTheColumnSweep) {
    EnterLevel(1);
    RunFadeIn();
    audio->Clear();
    // The buttons, the board and Ctrl+J are tried during the intro: nothing answers.
    ClickAt(60, 513); // "Hint"
    Ticks(2);
    ClickAt(60, 564); // "Menu"
    Ticks(2);
    ClickAt(260, 300); // a cell of the board
    Ticks(2);
    Post(platform::EVENT_KEY_DOWN, vk::LCONTROL);
    PressKey(vk::J);
    Ticks(2);
    Post(platform::EVENT_KEY_UP, vk::LCONTROL);
    EXPECT_TRUE(Cues().empty());
    EXPECT_EQ(GameMenu->Active, 0);
    EXPECT_EQ(GameGrid->Mode, 0);
    EXPECT_EQ(GameGrid->HintCounter, 0.0f);
    EXPECT_FALSE(GameScreen->OutroAnim->Active);
    Ticks(200 - 1 - 8 - 1); // the fade-in's last tick was the intro's first
    EXPECT_TRUE(GameScreen->IntroAnim->Active);
    EXPECT_EQ(Grid[0][0]->glow, 0.0f);
    Tick();
    EXPECT_FALSE(GameScreen->IntroAnim->Active);
    EXPECT_EQ(Grid[0][0]->glow, 0.5f) << "the sweep starts at column 0";
    EXPECT_EQ(Grid[1][0]->glow, 0.0f);
}

TEST_F(IntroTest, EscapeDuringTheIntroOpensTheMenuWhichHoldsTheIntro) {
    EnterLevel(1);
    RunFadeIn();
    PressKey(vk::ESCAPE);
    Tick();
    EXPECT_EQ(GameMenu->Active, 1);
    const float left = GameScreen->IntroAnim->Counter;
    Ticks(150);
    EXPECT_EQ(GameScreen->IntroAnim->Counter, left);
    EXPECT_EQ(Game->CurrentTScreen, GameScreen) << "Escape does not leave the game screen";
}

TEST_F(IntroTest, TheGoSpriteShrinksFromTwiceItsSizeAndFadesHalfWay) {
    EnterLevel(1);
    GameScreen->StatusTextDraw();
    EXPECT_FLOAT_EQ(GameScreen->Go->ScaleX, 2.0f);
    EXPECT_FLOAT_EQ(GameScreen->Go->ScaleY, 2.0f);
    EXPECT_GE(GameScreen->Go->Alpha, 1.0f);
    RunFadeIn(); // its last tick is the intro's first
    Ticks(99);
    GameScreen->StatusTextDraw();
    EXPECT_FLOAT_EQ(GameScreen->Go->ScaleX, 1.5f);
    EXPECT_FLOAT_EQ(GameScreen->Go->Alpha, 0.75f);
}

using OutroTest = GameTest;

TEST_F(OutroTest, TheWonLevelIsAcceptedOnceAndOnlyFromPlay) {
    EnterLevel(1);
    RunFadeIn();
    EXPECT_EQ(GameScreen->NextLevel(), 0) << "during the intro";
    RunIntro();
    GameScreen->Player.Alive = 0;
    EXPECT_EQ(GameScreen->NextLevel(), 0) << "with the player not alive";
    GameScreen->Player.Alive = 1;
    EXPECT_EQ(GameScreen->NextLevel(), 1);
    EXPECT_EQ(GameScreen->NextLevel(), 0) << "during the outro";
    EXPECT_EQ(CountCues("levelend"), 1);
}

TEST_F(OutroTest, MusicFallsOverTheFirstSecondFromTheSettingsVolume) {
    struct TCase {
        int setting;
        float after100, after199;
    } cases[] = {{100, 0.5f, 0.005f}, {50, 0.25f, 0.0025f}, {0, 0.0f, 0.0f}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.setting);
        Game->MusicVolume = c.setting;
        EnterLevel(1);
        RunIntro();
        ASSERT_TRUE(Game->MusicChannel);
        ASSERT_EQ(GameScreen->NextLevel(), 1);
        Ticks(100);
        EXPECT_NEAR(LastMusicVolume(*audio), c.after100, 1e-4f);
        Ticks(99);
        EXPECT_NEAR(LastMusicVolume(*audio), c.after199, 1e-4f);
        Ticks(300);
        EXPECT_NEAR(LastMusicVolume(*audio), c.after199, 1e-4f) << "and stays there";
        GameScreen->Kill();
    }
}

TEST_F(OutroTest, TheBoardStandsThenFallsAndTheDisplaySlidesOffBeforeThePanel) {
    EnterLevel(1);
    RunIntro();
    const float timeTaken = GameScreen->Player.TimeTaken;
    ASSERT_EQ(GameScreen->NextLevel(), 1);
    const float restY = Grid[4][4]->sy;
    TButtonRef hint = GameScreen->Menu->FindButton("hint");
    TButtonRef menu = GameScreen->Menu->FindButton("menu");
    // Ticks into the outro (900 in all): the cell's fall so far (0.02 n (n + 1) after n ticks of
    // falling), the display's x, the buttons' x and the vertical scale of "welldone" (0 where it
    // is not shown yet; 3.38 at the very start of the slide, 1 from c = 0.65 on).
    struct TStep {
        int tick;
        float fall, hudx, buttonX, wellDone;
    } steps[] = {{1, 0, 0, 4, 0},
                 {400, 0, 0, 4, 0},
                 {401, 0.04f, 0, 4, 0},
                 {402, 0.12f, 0, 4, 0},
                 {600, 804.0f, 0, 4, 0},
                 {601, 812.04f, -0.5f, 3.5f, 3.356f},
                 {705, 1866.6f, -52.5f, -48.5f, 1},
                 {750, 2457.0f, -75, -71, 1},
                 {899, 4990.0f, -149.5f, -145.5f, 1}};
    int tick = 0;
    for (const TStep& s : steps) {
        SCOPED_TRACE(s.tick);
        Ticks(s.tick - tick);
        tick = s.tick;
        EXPECT_NEAR(Grid[4][4]->sy - restY, s.fall, 0.01f + s.fall * 1e-4f);
        GameScreen->WellDone->ScaleY = 0.0f;
        GameScreen->StatusTextDraw();
        EXPECT_NEAR(GameScreen->WellDone->ScaleY, s.wellDone, 0.01f);
        EXPECT_NEAR(GameScreen->GetHUDX(), s.hudx, 1e-3f);
        EXPECT_NEAR(hint->x, s.buttonX, 1e-3f);
        EXPECT_NEAR(menu->x, s.buttonX, 1e-3f);
        EXPECT_FALSE(LevelCompleteScreen->Active);
    }
    Tick(); // the outro's last tick
    EXPECT_EQ(GameScreen->GetHUDX(), -150.0f);
    EXPECT_EQ(hint->x, -146.0f);
    EXPECT_TRUE(LevelCompleteScreen->Active);
    EXPECT_EQ(GameScreen->Player.TotalTimeTaken, double(timeTaken)) << "the totals take the level";
    EXPECT_FALSE(Game->GameFade->Active) << "the panel opens over the screen";
    const float fallen = Grid[4][4]->sy;
    Ticks(20);
    EXPECT_EQ(Grid[4][4]->sy, fallen) << "the screen stands still under the panel";
    EXPECT_EQ(GameScreen->OutroAnim->Counter, 0.0f);
    GameScreen->RestartLevel();
    EXPECT_EQ(hint->x, 4.0f);
}

} // namespace
} // namespace gametest
