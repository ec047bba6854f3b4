// The in-game menu over a level in play: its answers tick by tick, the slides and the dimming, the
// keys it reads and when, the bonus pointer put aside while it is open, save-and-exit, leaving
// for a screen that comes back, and the two rows that do.
// The levels are the 9 x 9 fixture 1.txt.
#include "game_fixture.h"

#include "board/TGemList.h"
#include "core/TScreen.h"
#include "framework/TFont.h"
#include "media/TMousePointer.h"
#include "profiles/TProfile.h"
#include "screens/TInstructionsScreen.h"
#include "screens/TOptionsScreen.h"
#include "screens/TTitleScreen.h"

#include <sys/stat.h>

#include <cmath>
#include <memory>

namespace gametest {
namespace {

// The real menu, its answers kept.
class TRecordingMenu : public TGameMenu {
public:
    int Logic() override {
        answers.push_back(TGameMenu::Logic());
        return answers.back();
    }
    std::vector<int> answers;
};

// A screen the menu leaves for, which comes back to its Destination like the options screen.
class TVisitedScreen : public TScreen {
public:
    int Load() override {
        ++loads;
        return 0;
    }
    int Kill() override {
        ++kills;
        return TScreen::Kill();
    }
    int loads = 0, kills = 0;
};

class GameMenuTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        InstructionsScreen = std::make_shared<TInstructionsScreen>();
        OptionsScreen = std::make_shared<TOptionsScreen>();
        GameMenu = menu = std::make_shared<TRecordingMenu>();
        EnterLevel(1);
        RunIntro();
        Ticks(400); // the column sweep ends
        menu->answers.clear();
    }
    void TearDown() override {
        InstructionsScreen = nullptr;
        OptionsScreen = nullptr;
        GameTest::TearDown();
    }
    // The menu's answers over the next n ticks.
    std::vector<int> Answers(int n) {
        menu->answers.clear();
        Ticks(n);
        return menu->answers;
    }
    void ClickRow(const std::string& name) {
        TButtonRef button = GameMenu->Menu->FindButton(name);
        ASSERT_TRUE(button) << name;
        ClickAt(button->x + float(button->w / 2), button->y + float(button->h / 2));
    }
    // The alpha of the menu's dimming in a drawn frame; -1 when nothing dims.
    float DrawnDim() {
        recorder->calls.clear();
        GameMenu->Draw();
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Rect && call.state.r == 0 && call.state.g == 0 &&
                call.state.b == 0 && call.w == 800 && call.h == 600)
                return call.state.alpha;
        return -1.0f;
    }
    std::shared_ptr<TRecordingMenu> menu;
};

std::vector<int> Repeat(int answer, int n) {
    return std::vector<int>(size_t(n), answer);
}

TEST_F(GameMenuTest, AnswersTickByTickThroughOpeningAndClosing) {
    struct TStep {
        const char* what;
        int key;         // pressed before the ticks; 0 none
        const char* row; // clicked before the ticks; null none
        int ticks;
        std::vector<int> answers;
        float topY; // after the ticks
        int active;
    };
    const TStep steps[] = {
        {"Escape opens", vk::ESCAPE, nullptr, 1, {2}, 460, 1},
        {"half-way up", 0, nullptr, 40, Repeat(1, 40), 230, 1},
        {"in place", 0, nullptr, 40, Repeat(1, 40), 0, 1},
        {"open", 0, nullptr, 20, Repeat(1, 20), 0, 1},
        {"Escape closes", vk::ESCAPE, nullptr, 1, {3}, 0, 1},
        {"the closing slide to its last tick", 0, nullptr, 80, Repeat(0, 80), 0, 0},
        {"closed", 0, nullptr, 3, Repeat(1, 3), 0, 0},
        {"Escape opens again", vk::ESCAPE, nullptr, 81,
         [] {
             std::vector<int> a = Repeat(1, 81);
             a[0] = 2;
             return a;
         }(),
         0, 1},
        {"resume closes", 0, "resume", 1, {3}, 0, 1},
        {"closing after resume", 0, nullptr, 80, Repeat(0, 80), 0, 0},
        {"closed again", 0, nullptr, 1, {1}, 0, 0},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.key != 0) PressKey(step.key);
        if (step.row) ClickRow(step.row);
        EXPECT_EQ(Answers(step.ticks), step.answers);
        EXPECT_NEAR(GameMenu->GetTopY(), step.topY, 0.01f);
        EXPECT_EQ(GameMenu->Active, step.active);
    }
}

TEST_F(GameMenuTest, TheButtonsSitInTheirColumnOnceTheScrollIsUp) {
    PressKey(vk::ESCAPE);
    Ticks(81);
    const float tops[] = {204, 253, 302, 351};
    const char* rows[] = {"resume", "options", "help", "saveandexit"};
    for (int i = 0; i < 4; ++i) {
        TButtonRef button = GameMenu->Menu->FindButton(rows[i]);
        ASSERT_TRUE(button) << rows[i];
        EXPECT_EQ(button->x, 310.0f) << rows[i];
        EXPECT_EQ(button->y, tops[i]) << rows[i];
    }
}

TEST_F(GameMenuTest, TurningBackHalfWaySlidesFromTheHeightReachedAndDimsAtMostHalf) {
    PressKey(vk::ESCAPE);
    std::vector<float> heights, dims;
    std::vector<int> actives;
    for (int tick = 0; tick < 160; ++tick) {
        if (tick == 41) PressKey(vk::ESCAPE);
        Tick();
        heights.push_back(GameMenu->GetTopY());
        actives.push_back(GameMenu->Active);
        dims.push_back(DrawnDim());
    }
    EXPECT_NEAR(heights[40], 230.0f, 0.01f);
    EXPECT_EQ(menu->answers[41], 3);
    for (size_t i = 1; i < heights.size() && actives[i] != 0; ++i)
        EXPECT_LE(std::fabs(heights[i] - heights[i - 1]), 460.0f / 80.0f + 0.01f) << "a jump at tick " << i;
    EXPECT_EQ(GameMenu->Active, 0) << "the way back takes as long as the way up had gone";
    float most = 0.0f;
    for (float dim : dims)
        most = std::max(most, dim);
    EXPECT_GT(most, 0.3f);
    EXPECT_LE(most, 0.5f);
    PressKey(vk::ESCAPE);
    Ticks(81);
    EXPECT_FLOAT_EQ(DrawnDim(), 0.5f);
}

TEST_F(GameMenuTest, AnEscapeDuringTheClosingSlideOpensTheMenuRightAfterIt) {
    PressKey(vk::ESCAPE);
    Ticks(81);
    PressKey(vk::ESCAPE);
    Ticks(1);
    Ticks(20);
    PressKey(vk::ESCAPE);
    EXPECT_EQ(Answers(60), Repeat(0, 60)) << "not read while the menu slides closed";
    EXPECT_EQ(GameMenu->Active, 0);
    EXPECT_EQ(Answers(1), std::vector<int>{2});
    EXPECT_EQ(GameMenu->Active, 1);
}

TEST_F(GameMenuTest, EnterAndSpacePressResumeOnlyOnceTheOpeningSlideHasEnded) {
    for (int key : {vk::RETURN, vk::SPACE}) {
        SCOPED_TRACE(key);
        PressKey(vk::ESCAPE);
        Ticks(10); // the tick that opens the menu, then 9 of the 80-tick slide
        PressKey(key);
        EXPECT_EQ(Answers(70), Repeat(1, 70));
        // The slide's last tick lets the buttons work, and the waiting press reaches "resume".
        EXPECT_EQ(Answers(1), std::vector<int>{3});
        Ticks(81);
        ASSERT_EQ(GameMenu->Active, 0);
        PressKey(vk::ESCAPE);
        Ticks(81);
        PressKey(key);
        EXPECT_EQ(Answers(1), std::vector<int>{3}) << "open: the key presses resume at once";
        Ticks(81);
    }
}

TEST_F(GameMenuTest, AnArmedStarIsThePlainPointerWhileOpenAndArmedAgainAfter) {
    GameGrid->SetBonusPointer(11, 0);
    Ticks(7);
    const float counter = GameGrid->PointerAnimCounter;
    ASSERT_GT(counter, 0.0f);
    PressKey(vk::ESCAPE);
    Ticks(1);
    EXPECT_EQ(GameGrid->PointerGemType, 0);
    EXPECT_FALSE(Game->Mouse->Image2);
    Ticks(100);
    EXPECT_EQ(GameGrid->PointerGemType, 0);
    PressKey(vk::ESCAPE);
    Ticks(1);
    EXPECT_EQ(GameGrid->PointerGemType, 11);
    EXPECT_TRUE(Game->Mouse->Image2);
    EXPECT_FLOAT_EQ(GameGrid->PointerAnimCounter, counter);
}

TEST_F(GameMenuTest, APointerSwitchedOffBeforeOpeningIsOffAfterClosing) {
    Game->Mouse->Off();
    PressKey(vk::ESCAPE);
    Ticks(81);
    Game->Mouse->On(); // as the options or instructions screen does before the menu is closed
    PressKey(vk::ESCAPE);
    Ticks(81);
    EXPECT_EQ(GameMenu->Active, 0);
    EXPECT_EQ(Game->Mouse->Active, 0);
}

TEST_F(GameMenuTest, SaveAndExitWritesTheProfileOnTheClickThenFadesWithTheMusicToTheTitle) {
    const std::string file = Game->ProfilePath + "Anna.dat";
    struct stat before {};
    ASSERT_EQ(stat(file.c_str(), &before), 0);
    PressKey(vk::ESCAPE);
    Ticks(81);
    ClickRow("saveandexit");
    Tick();
    struct stat after {};
    ASSERT_EQ(stat(file.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "written afresh through the atomic save";
    EXPECT_TRUE(after.st_mtim.tv_sec != before.st_mtim.tv_sec ||
                after.st_mtim.tv_nsec != before.st_mtim.tv_nsec);
    ASSERT_EQ(Game->GameFade->Active, 1);
    EXPECT_EQ(Game->GameFade->Out, 1);
    EXPECT_EQ(Game->GameFade->Channel, Game->MusicChannel) << "the music fades with the picture";
    EXPECT_EQ(Game->DestinationTScreen, TitleScreen);
    for (int i = 0; i < 400 && Game->CurrentTScreen != TitleScreen; ++i)
        Tick();
    EXPECT_EQ(Game->CurrentTScreen, TitleScreen);
}

TEST_F(GameMenuTest, LeavingForAScreenThatComesBackKeepsTheLevelAsItWas) {
    for (int particles : {50, 49}) {
        SCOPED_TRACE(particles);
        Game->Particles = particles;
        auto visited = std::make_shared<TVisitedScreen>();
        PressKey(vk::ESCAPE);
        Ticks(81);
        const TGameGrid* grid = GameGrid.get();
        const std::vector<TGemSnapshot> board = BoardSnapshot();
        const int score = GameScreen->Player.Score;
        const float timeTaken = float(GameScreen->Player.TimeTaken);
        const float hintCounter = GameScreen->HintShowCounter;
        for (const TGemRef& gem : *GemList)
            gem->Shadow = 1 - (particles >= 50 ? 1 : 0); // the return must set them again
        GameMenu->LeaveFor(visited);
        EXPECT_EQ(Game->GameFade->Channel, nullptr) << "the music plays on";
        EXPECT_EQ(visited->Destination, GameScreen);
        for (int i = 0; i < 400 && Game->CurrentTScreen != visited; ++i)
            Tick();
        ASSERT_EQ(Game->CurrentTScreen, visited);
        EXPECT_EQ(visited->loads, 1);
        EXPECT_TRUE(GameScreen->Image) << "the game screen was not killed";
        EXPECT_EQ(Game->IgnoreEscapeKey, 0);
        // The visited screen leaves the way the options screen does.
        Game->GameFade->Init(float(FADE_SPEED), 1, nullptr, 1, 0, nullptr);
        Game->DestinationTScreen = visited->Destination;
        for (int i = 0; i < 400 && Game->CurrentTScreen != GameScreen; ++i)
            Tick();
        ASSERT_EQ(Game->CurrentTScreen, GameScreen);
        EXPECT_EQ(visited->kills, 1);
        EXPECT_EQ(Game->GameFade->Active, 1);
        EXPECT_EQ(Game->GameFade->Out, 0) << "the game screen fades in";
        EXPECT_EQ(Game->IgnoreEscapeKey, 1);
        EXPECT_EQ(GameScreen->StopKill, 0);
        EXPECT_EQ(GameScreen->StopInit, 0);
        EXPECT_EQ(GameGrid.get(), grid);
        EXPECT_EQ(BoardSnapshot(), board);
        EXPECT_EQ(GameScreen->Player.Score, score);
        EXPECT_FLOAT_EQ(float(GameScreen->Player.TimeTaken), timeTaken);
        EXPECT_FLOAT_EQ(GameScreen->HintShowCounter, hintCounter);
        EXPECT_EQ(GameMenu->Active, 1) << "the menu is still open";
        for (const TGemRef& gem : *GemList)
            EXPECT_EQ(gem->Shadow, particles >= 50 ? 1 : 0);
        RunFadeIn();
        PressKey(vk::ESCAPE);
        Ticks(81);
        ASSERT_EQ(GameMenu->Active, 0);
    }
}

TEST_F(GameMenuTest, OptionsAndHelpLeaveTheGameLoadedForScreensThatComeBack) {
    const struct {
        const char* row;
        TScreenRef target;
    } rows[] = {{"options", OptionsScreen}, {"help", InstructionsScreen}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.row);
        PressKey(vk::ESCAPE);
        Ticks(81);
        ClickRow(r.row);
        Tick();
        ASSERT_EQ(Game->GameFade->Active, 1);
        EXPECT_EQ(Game->GameFade->Out, 1);
        EXPECT_EQ(Game->GameFade->AllowAnim, 1);
        EXPECT_EQ(Game->GameFade->Channel, nullptr) << "the music plays on";
        EXPECT_EQ(Game->DestinationTScreen, r.target);
        EXPECT_EQ(r.target->Destination, GameScreen);
        EXPECT_EQ(GameScreen->StopKill, 1);
        EXPECT_EQ(GameScreen->StopInit, 1);
        // Called off before the screens change, as a test can.
        Game->GameFade->Active = 0;
        Game->DestinationTScreen = nullptr;
        GameScreen->ResetStops();
        PressKey(vk::ESCAPE);
        Ticks(81);
        ASSERT_EQ(GameMenu->Active, 0);
    }
}

} // namespace
} // namespace gametest
