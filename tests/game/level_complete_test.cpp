// The level-complete panel: the profile after a win (checked in its file), the panel's ticks from
// opening to "Click Anywhere" and on, what the game screen leaves undrawn under it, the Ctrl keys
// that do nothing under it, the snow, and the time texts.
#include "game_fixture.h"

#include "board/board_particles.h"
#include "game/TGameFinishedScreen.h"
#include "game/particle_images.h"
#include "media/TMousePointer.h"
#include "platform/files.h"
#include "platform/random.h"
#include "profiles/TProfile.h"
#include "profiles/profile_file.h"
#include "screens/TLevelSelectScreen.h"

#include <algorithm>
#include <functional>

namespace gametest {
namespace {

class LevelCompleteTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        FillParticleImages(); // as the game screen's loading fills them
    }
    void Profile(int level, int locked, std::initializer_list<int> flags = {}) {
        TProfile& p = *Game->CurrentProfile;
        p.CurrentLevel = level;
        p.LockedLevel = locked;
        p.ClearHints(); // exactly the flags given
        for (int f : flags)
            p.HintsShown[size_t(f)] = 1;
        p.Save();
    }
    // Ctrl held over a tick in which the key is hit.
    void CtrlKey(int key) {
        Post(platform::EVENT_KEY_DOWN, vk::LCONTROL);
        Post(platform::EVENT_KEY_DOWN, key);
        Tick();
        Post(platform::EVENT_KEY_UP, key);
        Post(platform::EVENT_KEY_UP, vk::LCONTROL);
    }
    // The level is played from the profile, won at once with Ctrl+J, and its outro runs out.
    void WinLevel(int level) {
        EnterLevel(level);
        RunIntro();
        CtrlKey(vk::J);
        for (int i = 0; i < 3000 && LevelCompleteScreen->Active == 0; ++i)
            Tick();
        ASSERT_EQ(LevelCompleteScreen->Active, 1) << "the panel opens at the end of the outro";
    }
    void OpenPanel() {
        for (int i = 0; i < 80; ++i)
            Tick();
        ASSERT_EQ(OK()->Active, 1);
    }
    void RollUp() {
        PressKey(vk::ESCAPE);
        for (int i = 0; i < 200 && LevelCompleteScreen->Active == 1; ++i)
            Tick();
        ASSERT_EQ(LevelCompleteScreen->Active, 2);
    }
    TButtonRef OK() const { return LevelCompleteScreen->Menu->FindButton("OK"); }
    TProfileFields File() const {
        return DecodeProfileFile(
                   platform::ReadRegularFile(Game->ProfilePath + "Anna.dat", 1 << 20, nullptr).value_or(""))
            .fields;
    }
    void Frame() {
        recorder->calls.clear();
        Game->CurrentTScreen->Draw();
    }
    const platform::DrawCall* Text(const std::string& text) const {
        const platform::DrawCall* found = nullptr;
        for (const platform::DrawCall& call : recorder->calls)
            if (call.kind == platform::DrawKind::Text && call.text == text) found = &call;
        return found;
    }
    int Flakes() const {
        int n = 0;
        for (const TParticleRef& p : *Particles)
            n += p->MiscSineCounter ? 1 : 0;
        return n;
    }
};

TEST_F(LevelCompleteTest, AWinAdvancesAndSavesTheProfileAndChoosesWhereThePanelLeads) {
    struct TCase {
        const char* name;
        int level, locked;
        std::initializer_list<int> flags;
        int levelAfter, lockedAfter;
        bool pictureHint;
        bool finished;
    };
    const TCase cases[] = {
        {"below the highest unlocked level", 2, 9, {0, 1, 2}, 3, 9, false, false},
        {"the highest unlocked level", 3, 4, {0, 1, 2}, 4, 5, false, false},
        {"level 5 the first time", 5, 6, {0, 1, 2, 3, 4}, 6, 7, true, false},
        {"level 5 again", 5, 9, {0, 1, 2, 3, 4, 89}, 6, 9, false, false},
        {"the last level", 55, 56, {}, 1, 56, true, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        Profile(c.level, c.locked, c.flags);
        WinLevel(c.level);
        TProfileFields file = File();
        EXPECT_EQ(file.CurrentLevel, c.levelAfter);
        EXPECT_EQ(file.LockedLevel, c.lockedAfter);
        EXPECT_EQ(GameScreen->Player.Level, c.level + 1);
        EXPECT_EQ(LevelCompleteScreen->GameFinished, c.finished ? 1 : 0);
        if (c.finished) {
            EXPECT_EQ(file.Score, 0);
            EXPECT_EQ(file.Lives, 3);
            EXPECT_EQ(file.Kills, 0);
            EXPECT_EQ(file.TimeTaken, 0.0);
        }
        OpenPanel();
        RollUp();
        EXPECT_EQ(HintScroll->Active, c.pictureHint ? 1 : 0);
        if (c.pictureHint) {
            EXPECT_EQ(HintScroll->Hint, 21);
            EXPECT_EQ(File().HintsShown[size_t(88 + c.level / 5)], 1);
            for (int i = 0; i < 80; ++i)
                Tick();
            PressKey(vk::RETURN);
            for (int i = 0; i < 100 && HintScroll->Active; ++i)
                Tick();
        }
        LevelCompleteScreen->SetEscDestination();
        EXPECT_EQ(Game->DestinationTScreen,
                  c.finished ? TScreenRef(GameFinishedScreen) : TScreenRef(LevelSelectScreen));
        GameScreen->Kill();
        Game->GameFade->Active = 0;
    }
}

TEST_F(LevelCompleteTest, TheTitleNamesTheLevelJustWonAndTheTotalsGrowOnce) {
    Profile(6, 8, {0, 1, 2, 3, 4, 5});
    GameScreen->Player.TotalKills = 0;
    WinLevel(6);
    const TPlayer& player = GameScreen->Player;
    EXPECT_EQ(player.Level, 7);
    EXPECT_EQ(player.TotalKills, player.Kills);
    EXPECT_DOUBLE_EQ(player.TotalTimeTaken, double(player.TimeTaken));
    EXPECT_DOUBLE_EQ(File().TimeTaken, double(player.TimeTaken));
    OpenPanel();
    Frame();
    EXPECT_TRUE(Text("Level 6"));
}

TEST_F(LevelCompleteTest, ThePanelReadsNoInputWhileSlidingAndAnyConfirmationRollsItUp) {
    struct TCase {
        const char* name;
        std::function<void()> act;
        int clicks; // of OK's click sound
    };
    const TCase cases[] = {
        {"Escape", [] { PressKey(vk::ESCAPE); }, 1},
        {"left click anywhere", [] { ClickAt(60, 60); }, 1},
        {"right click anywhere",
         [] {
             Post(platform::EVENT_MOUSE_DOWN, 3, 60, 60);
             Post(platform::EVENT_MOUSE_UP, 3, 60, 60);
         },
         1},
        {"OK", [this] { ClickAt(OK()->x + float(OK()->w / 2), OK()->y + float(OK()->h / 2)); }, 1},
        {"Enter", [] { PressKey(vk::RETURN); }, 1},
        {"Space", [] { PressKey(vk::SPACE); }, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        Profile(11, 12);
        WinLevel(11);
        EXPECT_EQ(Game->MusicFileName, "levelend.ogg");
        const std::vector<std::string> music = audio->Log(Game->MusicChannel->Id());
        EXPECT_EQ(std::count(music.begin(), music.end(), "cue levelend.ogg"), 1);
        // A click during the opening is not read.
        for (int i = 0; i < 40; ++i)
            Tick();
        ClickAt(60, 60);
        for (int i = 0; i < 40; ++i)
            Tick();
        EXPECT_EQ(OK()->Active, 1);
        EXPECT_EQ(LevelCompleteScreen->Unroll->Reverse, 0);
        audio->Clear();
        c.act();
        Tick();
        EXPECT_EQ(LevelCompleteScreen->Unroll->Reverse, 1);
        EXPECT_EQ(CountCues("buttonclick"), c.clicks);
        EXPECT_EQ(OK()->Active, 0);
        GameScreen->Kill();
    }
}

TEST_F(LevelCompleteTest, ClickAnywhereContinuesOnceWithAnyButtonThroughAFadeWithTheMusic) {
    Profile(1, 2, {0, 1});
    WinLevel(1);
    OpenPanel();
    RollUp();
    Frame();
    const platform::DrawCall* prompt = Text("Click Anywhere");
    ASSERT_TRUE(prompt);
    EXPECT_EQ(prompt->state.r, 255) << "the white highlight drawn last";
    audio->Clear();
    Post(platform::EVENT_MOUSE_DOWN, 3, 60, 60);
    Post(platform::EVENT_MOUSE_UP, 3, 60, 60);
    Tick();
    EXPECT_EQ(CountCues("buttonclick"), 1);
    ASSERT_EQ(Game->GameFade->Active, 1);
    EXPECT_EQ(Game->GameFade->Out, 1);
    EXPECT_EQ(Game->GameFade->Length, 100);
    EXPECT_EQ(Game->GameFade->Channel, Game->MusicChannel);
    EXPECT_EQ(Game->DestinationTScreen, TScreenRef(LevelSelectScreen)) << "back to the map";
    ClickAt(60, 60);
    Tick();
    EXPECT_EQ(Game->GameFade->Length, 100);
    EXPECT_LE(CountCues("buttonclick"), 2);
    for (int i = 0; i < 300 && Game->CurrentTScreen != LevelSelectScreen; ++i)
        Tick();
    ASSERT_EQ(Game->CurrentTScreen, TScreenRef(LevelSelectScreen));
    EXPECT_EQ(LevelCompleteScreen->Active, 0);
    EXPECT_EQ(LevelSelectScreen->Level, 2) << "the map opens on the next level";
    // Once the map has zoomed in, Enter plays that level.
    for (int i = 0; i < 400 && LevelSelectScreen->Menu->FindButton("start")->Active == 0; ++i)
        Tick();
    PressKey(vk::RETURN);
    const auto playing = [] {
        return Game->CurrentTScreen == GameScreen && GameScreen->IntroAnim && GameScreen->IntroAnim->Active;
    };
    for (int i = 0; i < 600 && !playing(); ++i)
        Tick();
    ASSERT_TRUE(playing());
    EXPECT_EQ(GameScreen->Player.Level, 2) << "the next level is played";
}

TEST_F(LevelCompleteTest, AtRestTheHeaderRowsAndOKStandInPlaceAndTheGameScreenDrawsLittleUnderIt) {
    Profile(11, 12);
    WinLevel(11);
    Frame();
    EXPECT_FLOAT_EQ(LevelCompleteScreen->Header->y, -90.0f) << "fully out as it opens";
    OpenPanel();
    Frame();
    EXPECT_FLOAT_EQ(LevelCompleteScreen->Header->y, 90.0f);
    EXPECT_FLOAT_EQ(OK()->y, 399.0f);
    const float rows[] = {289, 321, 353};
    const char* labels[] = {"Score", "Matches", "Time"};
    for (int i = 0; i < 3; ++i) {
        const platform::DrawCall* label = Text(labels[i]);
        ASSERT_TRUE(label) << labels[i];
        EXPECT_FLOAT_EQ(label->y, rows[i]);
    }
    EXPECT_FALSE(Text("Hint")) << "the game screen's buttons are not drawn";
    EXPECT_EQ(GameGrid->mx, -1) << "no hover highlight";
}

TEST_F(LevelCompleteTest, CtrlQRAndJChangeNothingUnderThePanel) {
    Profile(2, 3, {0, 1});
    WinLevel(2);
    OpenPanel();
    const std::vector<TGemSnapshot> board = BoardSnapshot();
    for (int key : {vk::Q, vk::R, vk::J}) {
        CtrlKey(key);
        Tick();
    }
    EXPECT_EQ(BoardSnapshot(), board);
    EXPECT_EQ(GameScreen->Player.Alive, 1);
    EXPECT_EQ(GameScreen->Player.Level, 3);
    EXPECT_EQ(Game->CurrentProfile->HintsShown[2], 0) << "level 3's item hint is not taken";
    EXPECT_EQ(LevelCompleteScreen->Active, 1);
    EXPECT_EQ(CountCues("alarm"), 0);
}

TEST_F(LevelCompleteTest, ParticleDetailSetsTheNumberOfFlakes) {
    const int expected[][2] = {{100, 80}, {80, 64}, {50, 40}, {99, 79}, {0, 0}};
    for (const auto& e : expected) {
        Particles->Clear();
        Game->Particles = e[0];
        LevelCompleteScreen->MakeSnowFlakes();
        EXPECT_EQ(Flakes(), e[1]) << "detail " << e[0];
    }
}

TEST_F(LevelCompleteTest, EachFlakeIsBuiltFromItsDrawsInOrder) {
    Particles->Clear();
    Game->Particles = 5; // four flakes
    platform::SeedRnd(1234);
    LevelCompleteScreen->MakeSnowFlakes();
    platform::SeedRnd(1234);
    std::vector<TParticleRef> flakes;
    for (const TParticleRef& p : *Particles)
        flakes.push_back(p);
    ASSERT_EQ(flakes.size(), 4u);
    const int slots[] = {4, 5, 14, 15};
    const double scales[][2] = {{0.5, 1.1}, {0.3, 0.7}, {0.5, 1.1}, {0.4, 1.1}};
    for (const TParticleRef& flake : flakes) {
        const int direction = platform::Rand(0, 1) == 0 ? -1 : 1;
        const float dx = float(platform::Rnd(-0.2, 0.2));
        const float dy = float(platform::Rnd(0.2, 0.5));
        const int kind = platform::Rand(0, 3);
        const float scale = float(platform::Rnd(scales[kind][0], scales[kind][1]));
        const float spin = float(platform::Rnd(0.5, 1.0));
        const int y = platform::Rand(1, 600);
        const int x = platform::Rand(1, 800);
        const int phase = platform::Rand(0, 360);
        EXPECT_EQ(flake->DoRotate, direction);
        EXPECT_FLOAT_EQ(flake->dx, dx);
        EXPECT_FLOAT_EQ(flake->dy, dy);
        ASSERT_TRUE(flake->image);
        EXPECT_EQ(flake->image, ParticleImages[slots[kind]]);
        EXPECT_FLOAT_EQ(flake->ScaleX, scale);
        EXPECT_FLOAT_EQ(flake->ScaleY, scale);
        EXPECT_FLOAT_EQ(flake->RotationSpeed, spin);
        EXPECT_FLOAT_EQ(flake->x, float(x));
        EXPECT_FLOAT_EQ(flake->y, float(y));
        EXPECT_FLOAT_EQ(flake->cx, float(x));
        ASSERT_TRUE(flake->MiscSineCounter);
        EXPECT_FLOAT_EQ(flake->MiscSineCounter->Counter, float(phase));
        EXPECT_FLOAT_EQ(flake->MiscSineCounter->Speed, 0.4f);
        EXPECT_EQ(flake->NoOutOfBounds, 1);
        EXPECT_EQ(flake->UseAlpha, 0);
    }
}

TEST_F(LevelCompleteTest, FlakesSwayAroundTheirLineReenterAtTheTopAndWrapAtTheSides) {
    Particles->Clear();
    Game->Particles = 2; // one flake
    LevelCompleteScreen->MakeSnowFlakes();
    ASSERT_EQ(Flakes(), 1);
    TParticle& flake = *Particles->First();
    flake.dx = 0.1f;
    flake.dy = 0.4f;
    const float cx = flake.cx;
    LevelCompleteScreen->MoveSnowFlakes();
    EXPECT_FLOAT_EQ(flake.cx, cx + 0.1f);
    EXPECT_FLOAT_EQ(flake.x, flake.cx + 30.0f * 0.4f * flake.MiscSineCounter->ratio);

    const float a = flake.ScaleY * float(flake.image->h) / 2.0f;
    const float b = flake.ScaleX * float(flake.image->w) / 2.0f;
    flake.y = 600.0f + a - 0.1f;
    LevelCompleteScreen->MoveSnowFlakes();
    EXPECT_FLOAT_EQ(flake.y, -a) << "back at the top";
    flake.cx = -b - 1.0f;
    LevelCompleteScreen->MoveSnowFlakes();
    EXPECT_FLOAT_EQ(flake.cx, 800.0f + b) << "the sway line wraps to the right";
    flake.cx = 800.0f + b + 1.0f;
    LevelCompleteScreen->MoveSnowFlakes();
    EXPECT_FLOAT_EQ(flake.cx, -b) << "and to the left";
}

TEST_F(LevelCompleteTest, TheSnowFadesWithTheSlidingScroll) {
    Profile(11, 12);
    Game->Particles = 100;
    WinLevel(11);
    for (int i = 0; i < 20; ++i)
        Tick();
    Frame();
    const float r = LevelCompleteScreen->Unroll->GetRatio();
    bool seen = false;
    for (const platform::DrawCall& call : recorder->calls)
        if (call.kind == platform::DrawKind::Image && call.image == ParticleImages[4]->image) {
            EXPECT_NEAR(call.state.alpha, 1.0f - r, 0.01f);
            seen = true;
        }
    EXPECT_TRUE(seen);
}

TEST_F(LevelCompleteTest, ThePlayTimeReadsInMinutesAndPaddedSeconds) {
    struct TCase {
        float seconds;
        const char* text;
    };
    for (TCase c :
         {TCase{0.0f, "0: 00"}, TCase{59.9f, "0: 59"}, TCase{65.0f, "1: 05"}, TCase{600.0f, "10: 00"}})
        EXPECT_EQ(TLevelCompleteScreen::TimeText(c.seconds * 200.0f), c.text) << c.seconds;
}

} // namespace
} // namespace gametest
