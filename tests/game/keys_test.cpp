// The game screen's Ctrl keys, giving up a board without moves, and the "Hint" button.
#include "game_fixture.h"

#include "board/TPlayer.h"
#include "platform/files.h"
#include "platform/input.h"
#include "profiles/TProfile.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

namespace gametest {
namespace {

class KeysTest : public GameTest {
protected:
    // A key hit in one tick, Ctrl held through it when asked.
    void Hit(int key, bool control) {
        if (control) Post(platform::EVENT_KEY_DOWN, vk::LCONTROL);
        PressKey(key);
        Tick();
        if (control) Post(platform::EVENT_KEY_UP, vk::LCONTROL);
    }
};

TEST_F(KeysTest, CtrlKeysActOnlyInPlayAndEveryHitIsTakenEvenWithoutCtrl) {
    enum State { PLAY, MENU, SEQUENCE, FADE };
    const char* stateNames[] = {"play", "menu open", "no-more-moves sequence", "fade"};
    // What each hit did: the player given up (not alive), the lives taken, a new board, the
    // outro started.
    struct TResult {
        bool gaveUp, livesTaken, newBoard, outro;
    };
    struct TCase {
        State state;
        int key;
        bool control;
        TResult result;
    } cases[] = {
        {PLAY, vk::Q, true, {true, true, false, false}},
        {PLAY, vk::Q, false, {}},
        {PLAY, vk::R, true, {false, false, true, false}},
        {PLAY, vk::R, false, {}},
        {PLAY, vk::J, true, {false, false, false, true}},
        {PLAY, vk::J, false, {}},
        {MENU, vk::Q, true, {}},
        {MENU, vk::R, true, {}},
        {MENU, vk::J, true, {}},
        {SEQUENCE, vk::Q, true, {false, true, false, false}},
        {SEQUENCE, vk::R, true, {}},
        {SEQUENCE, vk::J, true, {}},
        {FADE, vk::Q, true, {false, true, false, false}},
        {FADE, vk::Q, false, {}},
        {FADE, vk::R, true, {}},
        {FADE, vk::J, true, {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(stateNames[c.state]) + (c.control ? " Ctrl+" : " ") + char(c.key));
        EnterLevel(1);
        RunIntro();
        if (c.state == MENU) GameMenu->Active = 1;
        if (c.state == SEQUENCE) {
            ASSERT_EQ(GameScreen->Quit(), 1);
        }
        if (c.state == FADE) Game->GameFade->Init(1000.0f, 0, nullptr, 0, 0, nullptr);
        TPlayer& player = GameScreen->Player;
        player.Lives = 3;
        const int aliveBefore = player.Alive;
        const float deathBefore = player.DeathCounter;
        GameGrid->DynamicDebug = 1; // marks the board
        Hit(c.key, c.control);
        EXPECT_EQ(aliveBefore && !player.Alive, c.result.gaveUp);
        EXPECT_EQ(player.Lives == 0, c.result.livesTaken);
        EXPECT_EQ(GameGrid->DynamicDebug == 0, c.result.newBoard);
        EXPECT_EQ(bool(GameScreen->OutroAnim->Active), c.result.outro);
        if (c.state == SEQUENCE) {
            EXPECT_LT(player.DeathCounter, deathBefore) << "the death is not started again";
        }
        if (c.state != MENU) {
            EXPECT_EQ(KeyHit(c.key), 0) << "the hit is taken";
        }
        GameMenu->Active = 0;
        GameScreen->Kill();
    }
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST_F(KeysTest, GivingUpPlaysTheSequenceThenRestartsTheLevelOnceWithTheScoreKept) {
    EnterLevel(1);
    RunIntro();
    const std::string profilePath = Game->ProfilePath + "Anna.dat";
    const std::string profileBefore = FileBytes(profilePath);
    struct stat statBefore {};
    ASSERT_EQ(stat(profilePath.c_str(), &statBefore), 0);
    GameScreen->Player.Score = 120;
    GameGrid->DynamicDebug = 1; // marks the board given up
    audio->Clear();
    Hit(vk::Q, true);
    EXPECT_EQ(GameScreen->Player.Alive, 0);
    EXPECT_EQ(GameGrid->NoMore, 1);
    Ticks(798); // 4000 ms after the give-up, less one tick
    EXPECT_EQ(GameGrid->DynamicDebug, 1) << "the old board plays its sequence";
    Tick();
    EXPECT_EQ(GameGrid->DynamicDebug, 0) << "a new board";
    EXPECT_EQ(GameScreen->Player.Alive, 1);
    EXPECT_EQ(GameScreen->Player.Level, 1);
    EXPECT_EQ(GameScreen->Player.Score, 120);
    EXPECT_EQ(GameScreen->Player.LevelStartScore, 120);
    EXPECT_TRUE(GameScreen->IntroAnim->Active);
    EXPECT_EQ(GameScreen->Menu->FindButton("hint")->x, 4.0f);
    Ticks(400);
    EXPECT_EQ(GameGrid->DynamicDebug, 0) << "restarted once";
    EXPECT_EQ(CountCues("levelstart"), 1);
    EXPECT_EQ(FileBytes(profilePath), profileBefore);
    struct stat statAfter {};
    ASSERT_EQ(stat(profilePath.c_str(), &statAfter), 0);
    EXPECT_EQ(statAfter.st_mtim.tv_sec, statBefore.st_mtim.tv_sec);
    EXPECT_EQ(statAfter.st_mtim.tv_nsec, statBefore.st_mtim.tv_nsec);
    EXPECT_EQ(statAfter.st_ino, statBefore.st_ino) << "the profile is not rewritten";
}

TEST_F(KeysTest, TheHintButtonClicksOnceThenHintsOrIsRefused) {
    EnterLevel(1);
    RunIntro();
    Post(platform::EVENT_MOUSE_MOVE, 0, 60, 513); // onto "Hint"
    Ticks(300);                                   // the sweep is over
    audio->Clear();
    ClickAt(60, 513);
    Tick();
    EXPECT_EQ(Cues(), (std::vector<std::string>{"buttonclick", "hint"}));
    EXPECT_GT(GameGrid->HintCounter, 0.0f);
    Ticks(50); // the button's pressed look is over
    audio->Clear();
    ClickAt(60, 513); // refused while a hint shows
    Tick();
    EXPECT_EQ(Cues(), (std::vector<std::string>{"buttonclick", "invalid"}));
}

} // namespace
} // namespace gametest
