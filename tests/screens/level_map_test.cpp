// The level map as the player meets it: entry from the title and from play, the opening zoom and
// its pointer, what counts during the fade-in and the zooms, hover, locked dots, every way of
// choosing a level and where each leads, the ways back, and what a browsing frame draws.
#include "screens_fixture.h"

#include "platform/draw.h"

#include <cmath>

namespace screentest {
namespace {

// Dot 1 on screen after the zoom onto level 1, dot 2 beside it.
constexpr int DOT1_X = 87, DOT1_Y = 363;

class LevelMapTest : public ScreensTest {
protected:
    void SetUp() override {
        ScreensTest::SetUp();
        game = std::make_shared<TStandInScreen>("game");
        SetProgress(1, 2, false);
    }
    // The map entered from the title, browsing when asked.
    void EnterMap(bool untilBrowsing = true) {
        SwitchTo(LevelSelectScreen);
        if (untilBrowsing) UntilBrowsing();
    }

    std::shared_ptr<TStandInScreen> game;
};

TEST_F(LevelMapTest, EntryLoadsTheTitleMusicOnlyWhenNotComingFromTheTitle) {
    struct TCase {
        bool fromTitle;
    };
    for (TCase c : {TCase{true}, TCase{false}}) {
        SCOPED_TRACE(c.fromTitle ? "from the title" : "from play");
        Game->MusicName = "none";
        Game->CurrentTScreen = c.fromTitle ? TScreenRef(TitleScreen) : TScreenRef(game);
        audio->Clear();
        EnterMap(false);
        EXPECT_EQ(Game->MusicName, c.fromTitle ? "none" : "title.ogg");
        EXPECT_EQ(Game->FadeMusic, 0);
        EXPECT_EQ(Game->Mouse->Active, 0);
        EXPECT_EQ(Cues("WIND"), 0);
        while (Game->GameFade->Active != 0)
            Frame();
        Frame();
        EXPECT_EQ(Cues("WIND"), 1);
        EXPECT_EQ(Game->Mouse->Active, 0);
        UntilBrowsing();
        EXPECT_EQ(Game->Mouse->Active, 1);
        EXPECT_EQ(Game->Mouse->x, 700);
        EXPECT_EQ(Game->Mouse->y, 500);
        EXPECT_EQ(LevelSelectScreen->Scale, 0.0f);
        EXPECT_EQ(LevelSelectScreen->Menu->FindButton("back")->Active, 1);
        EXPECT_EQ(Cues("BUTTONMO"), 0);
        EXPECT_EQ(Cues("WIND"), 1);
        SwitchTo(TitleScreen);
    }
}

TEST_F(LevelMapTest, AKeyCuttingTheFadeInShortStillPlaysTheWindOnce) {
    EnterMap(false);
    Frame();
    Key(platform::vk::A);
    Frame();
    Frame();
    EXPECT_EQ(Game->GameFade->Active, 0);
    UntilBrowsing();
    EXPECT_EQ(Cues("WIND"), 1);
}

TEST_F(LevelMapTest, NothingIsChosenDuringTheFadeInOrEitherZoom) {
    const std::string saved = ProfileBytes();
    EnterMap(false);
    // During the fade-in and the opening zoom: a click on dot 1, Space, Enter.
    for (int i = 0; i < 125 && !Browsing(); i++) {
        if (i % 3 == 0) Click(DOT1_X, DOT1_Y);
        if (i % 3 == 1) Key(platform::vk::SPACE);
        if (i % 3 == 2) Key(platform::vk::RETURN);
        Frame();
    }
    ASSERT_TRUE(Browsing());
    EXPECT_EQ(LevelSelectScreen->ZoomIn, 1);
    EXPECT_EQ(ProfileBytes(), saved);
    // During the zoom after a choice: another Enter and a click on the arrow change nothing.
    Key(platform::vk::RETURN);
    Frame();
    ASSERT_EQ(LevelSelectScreen->ZoomIn, 0);
    const int winds = Cues("WIND");
    Key(platform::vk::RETURN);
    Frame();
    Click(740, 506);
    Frame();
    EXPECT_EQ(Cues("WIND"), winds);
    EXPECT_EQ(Cues("BUTTONCLICK"), 1);
}

TEST_F(LevelMapTest, HoverSoundPlaysOnEnteringADotAndTheCaptionKeepsTheLastDot) {
    SetProgress(1, 5, true);
    EnterMap();
    MoveTo(DOT1_X, DOT1_Y);
    Frames(3);
    EXPECT_EQ(Cues("BUTTONMO"), 1);
    EXPECT_EQ(LevelSelectScreen->MOIndex, 0);
    MoveTo(DOT1_X + 3, DOT1_Y + 2);
    Frames(3);
    EXPECT_EQ(Cues("BUTTONMO"), 1);
    MoveTo(700, 100);
    Frames(2);
    EXPECT_EQ(LevelSelectScreen->MOIndex, -1);
    EXPECT_EQ(LevelSelectScreen->LastMOIndex, 0);
    MoveTo(DOT1_X, DOT1_Y);
    Frames(2);
    EXPECT_EQ(Cues("BUTTONMO"), 2);
}

TEST_F(LevelMapTest, ALockedDotAnswersInvalidAndChangesNothing) {
    EnterMap();
    const std::string saved = ProfileBytes();
    const TAccuratePoint dot2 = LevelSelectScreen->Coords[1];
    const int x = int(dot2.X + LevelSelectScreen->ScrollX), y = int(dot2.Y + LevelSelectScreen->ScrollY) + 70;
    Click(x, y);
    Frame();
    EXPECT_EQ(Cues("INVALID"), 1);
    EXPECT_EQ(Cues("BUTTONCLICK"), 0);
    EXPECT_EQ(Cues("WIND"), 1);
    EXPECT_EQ(LevelSelectScreen->MOIndex, 1);
    EXPECT_EQ(LevelSelectScreen->ZoomIn, 1);
    EXPECT_EQ(LevelSelectScreen->Level, 1);
    EXPECT_EQ(ProfileBytes(), saved);
}

TEST_F(LevelMapTest, EveryWayOfChoosingSavesAtOnceWithOneClickSound) {
    enum class TWay { Dot, Arrow, Space, Enter };
    for (TWay way : {TWay::Dot, TWay::Arrow, TWay::Space, TWay::Enter}) {
        SCOPED_TRACE(int(way));
        // The profile on disk holds level 3; the map opens on the player's level 4, which the
        // choice must save.
        SetProgress(3, 5, true);
        GameScreen->Player.Level = 4;
        Game->CurrentTScreen = TitleScreen;
        EnterMap();
        audio->Clear();
        const TAccuratePoint dot = LevelSelectScreen->Coords[3];
        if (way == TWay::Dot)
            Click(int(dot.X + LevelSelectScreen->ScrollX), int(dot.Y + LevelSelectScreen->ScrollY) + 70);
        if (way == TWay::Arrow) Click(740, 506);
        if (way == TWay::Space) Key(platform::vk::SPACE);
        if (way == TWay::Enter) Key(platform::vk::RETURN);
        Frame();
        EXPECT_EQ(Cues("BUTTONCLICK"), 1);
        EXPECT_EQ(Cues("WIND"), 1);
        EXPECT_EQ(LevelSelectScreen->ZoomIn, 0);
        EXPECT_EQ(SavedProfile()->CurrentLevel, 4);
        EXPECT_EQ(LevelSelectScreen->Menu->FindButton("start")->Active, 0);
        EXPECT_EQ(LevelSelectScreen->Menu->FindButton("back")->Active, 0);
        KeyUp(platform::vk::SPACE);
        KeyUp(platform::vk::RETURN);
        Post(platform::EVENT_MOUSE_UP, 1);
        SwitchTo(TitleScreen);
    }
}

TEST_F(LevelMapTest, TheFirstChoiceOfLevelOneShowsTheInstructions) {
    struct TCase {
        bool flagSet;
        int level;
        bool instructions;
    };
    for (TCase c : {TCase{false, 1, true}, {false, 3, false}, {true, 1, false}}) {
        // Without fades the switch comes in the tick of the question, so a second question would
        // show at once; the game screen itself is not entered here.
        for (int fades : {1, 0}) {
            if (fades == 0 && !c.instructions) continue;
            SCOPED_TRACE(testing::Message()
                         << "flag " << c.flagSet << " level " << c.level << " fades " << fades);
            Game->CurrentProfile->HintsShown[19] = 0;
            SetProgress(c.level, 5, c.flagSet);
            Game->Fade = 1;
            Game->CurrentTScreen = TitleScreen;
            EnterMap();
            Game->Fade = fades;
            Key(platform::vk::RETURN);
            Frame();
            KeyUp(platform::vk::RETURN);
            for (int i = 0;
                 i < 40 && Game->CurrentTScreen == LevelSelectScreen && Game->GameFade->Active == 0; i++)
                Frame();
            EXPECT_EQ(SavedProfile()->HintsShown[19], 1);
            const TScreenRef next = Game->DestinationTScreen;
            EXPECT_EQ(next, c.instructions ? TScreenRef(InstructionsScreen) : TScreenRef(GameScreen));
            if (c.instructions) {
                EXPECT_EQ(InstructionsScreen->Destination, TScreenRef(GameScreen));
            }
            if (fades == 1) {
                EXPECT_EQ(Game->GameFade->Channel, c.instructions ? nullptr : Game->MusicChannel);
                Frames(5);
                EXPECT_EQ(Game->DestinationTScreen, next) << "asked once";
            } else {
                EXPECT_EQ(Game->CurrentTScreen, next);
            }
            Game->Fade = 1;
            SwitchTo(TitleScreen);
        }
    }
}

TEST_F(LevelMapTest, EscapeAndTheLeftArrowReturnToTheTitleWithTheMusicPlaying) {
    for (bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "left arrow");
        Game->CurrentTScreen = TitleScreen;
        EnterMap();
        if (escape)
            Key(platform::vk::ESCAPE);
        else
            Click(60, 506);
        Frame();
        EXPECT_EQ(Game->DestinationTScreen, TitleScreen);
        EXPECT_EQ(Game->GameFade->Active, 1);
        EXPECT_EQ(Game->GameFade->Channel, nullptr);
        KeyUp(platform::vk::ESCAPE);
        Post(platform::EVENT_MOUSE_UP, 1);
        SwitchTo(TitleScreen);
    }
}

TEST_F(LevelMapTest, EscapeDuringTheZoomAfterAChoiceKeepsTheChosenLevel) {
    SetProgress(1, 5, true);
    EnterMap();
    Key(platform::vk::RETURN);
    Frame();
    KeyUp(platform::vk::RETURN);
    Key(platform::vk::ESCAPE);
    Frame();
    EXPECT_EQ(Game->DestinationTScreen, TitleScreen);
    EXPECT_EQ(SavedProfile()->CurrentLevel, 1);
}

TEST_F(LevelMapTest, ALevelOutsideTheTableOpensOnTheNearestDot) {
    for (auto [level, expected] : {std::pair{0, 1}, {56, 55}, {-7, 1}}) {
        Game->CurrentTScreen = TitleScreen;
        GameScreen->Player.Level = level;
        EnterMap();
        EXPECT_EQ(LevelSelectScreen->Level, expected) << level;
        EXPECT_EQ(LevelSelectScreen->LastMOIndex, expected - 1) << level;
        SwitchTo(TitleScreen);
    }
}

TEST_F(LevelMapTest, BrowsingFrameDrawsTheLayersInOrder) {
    SetProgress(1, 4, true);
    EnterMap();
    MoveTo(DOT1_X, DOT1_Y);
    Frames(2);
    recorder->calls.clear();
    LevelSelectScreen->Draw();
    const auto& calls = recorder->calls;
    const float sx = LevelSelectScreen->ScrollX, sy = LevelSelectScreen->ScrollY;
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].image, LevelSelectScreen->Background->image);
    EXPECT_EQ(calls[0].state.blend, platform::BLEND_SOLID);
    EXPECT_FLOAT_EQ(calls[0].x, sx / 2 - 50);
    EXPECT_FLOAT_EQ(calls[0].y, sy / 2 - 210);
    EXPECT_EQ(calls[1].image, LevelSelectScreen->Image);
    EXPECT_EQ(calls[1].state.blend, platform::BLEND_ALPHA);
    EXPECT_FLOAT_EQ(calls[1].y, sy + 70);
    int open = 0, locked = 0, hovered = 0, shadows = 0;
    size_t stripAt = 0, firstStar = 0;
    for (size_t i = 2; i < calls.size(); i++) {
        const auto& c = calls[i];
        if (c.kind == platform::DrawKind::Rect && c.y == 466.0f) stripAt = i;
        if (c.kind != platform::DrawKind::Image) continue;
        if (!firstStar) firstStar = i;
        if (c.state.r == 0 && c.state.alpha == 0.7f)
            shadows++;
        else if (c.image == LevelSelectScreen->UnlockedMO->image)
            hovered++;
        else if (c.image == LevelSelectScreen->Unlocked->image && c.state.blend == platform::BLEND_ALPHA)
            open++;
        else if (c.image == LevelSelectScreen->Locked->image && c.state.blend == platform::BLEND_ALPHA)
            locked++;
    }
    EXPECT_EQ(shadows, 55);
    EXPECT_EQ(hovered, 2); // plain and lit
    EXPECT_EQ(open, 2);    // levels 2 and 3
    EXPECT_EQ(locked, 52);
    ASSERT_GT(stripAt, firstStar);
    EXPECT_FLOAT_EQ(calls[stripAt].state.alpha, 0.35f);
    EXPECT_FLOAT_EQ(calls[stripAt].h, 134.0f);
    // The current dot (level 1) pulses at 1.3 + 0.3 sin(2 Angle).
    const float pulse = 1.3f + 0.3f * std::sin(2.0f * LevelSelectScreen->Angle * float(M_PI) / 180.0f);
    EXPECT_NEAR(calls[firstStar].state.scaleX, pulse, 1e-4);
    // The captions: "Level" with the number at least 8 px after the word, then Menu and Play.
    std::vector<std::pair<std::string, float>> texts;
    for (const auto& c : calls)
        if (c.kind == platform::DrawKind::Text && c.state.r == 255) texts.push_back({c.text, c.x});
    ASSERT_FALSE(texts.empty());
    bool sawNumber = false;
    for (const auto& [text, x] : texts)
        if (text == "1") {
            sawNumber = true;
            EXPECT_GE(x, 436.0f);
        }
    EXPECT_TRUE(sawNumber);
}

TEST_F(LevelMapTest, DuringAZoomOnlyBackgroundMapAndHeaderAreDrawn) {
    EnterMap(false);
    recorder->calls.clear();
    LevelSelectScreen->Draw();
    int images = 0;
    for (const auto& c : recorder->calls) {
        EXPECT_NE(c.kind, platform::DrawKind::Text);
        if (c.kind == platform::DrawKind::Image) images++;
    }
    EXPECT_EQ(images, 3);
}

} // namespace
} // namespace screentest
