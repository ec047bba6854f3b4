// The game screen's level cycle: which background, tune and chapter a level takes, the level
// start, and what stands still under an overlay.
#include "game_fixture.h"

#include "platform/TPixmap.h"
#include "profiles/TProfile.h"

#include "platform/image.h"
#include <functional>

namespace gametest {
namespace {

using LevelCycleTest = GameTest;

// The pixels of a picture file, to tell which background was loaded.
bool SamePixels(const platform::ImageRef& image, const std::string& file) {
    platform::ImageRef expected = platform::LoadImage(Game->ImagePath + file, 0);
    platform::PixmapRef a = platform::FramePixmap(image), b = platform::FramePixmap(expected);
    return a && b && a->pixels == b->pixels;
}

TEST_F(LevelCycleTest, LevelsTakeTheirBackgroundTuneAndChapterInTurn) {
    // Levels 5, 6, 10, 11 and 55 are copies of level 1.
    struct TCase {
        int level;
        const char* background;
        const char* tune;
        int chapter, subLevel;
    } cases[] = {{1, "bg1.jpg", "level1.ogg", 1, 1},  {5, "bg5.jpg", "level5.ogg", 1, 5},
                 {6, "bg6.jpg", "level1.ogg", 2, 1},  {10, "bg10.jpg", "level5.ogg", 2, 5},
                 {11, "bg1.jpg", "level1.ogg", 3, 1}, {55, "bg5.jpg", "level5.ogg", 11, 5}};
    for (const TCase& c : cases) {
        EnterLevel(c.level);
        EXPECT_TRUE(SamePixels(GameScreen->Image, c.background)) << c.level;
        EXPECT_EQ(Game->MusicFileName, c.tune) << c.level;
        EXPECT_EQ(GameScreen->Chapter, c.chapter) << c.level;
        EXPECT_EQ(GameScreen->GetChapter(), c.chapter) << c.level;
        EXPECT_EQ(GameScreen->GetSubLevel(), c.subLevel) << c.level;
        GameScreen->Kill();
    }
}

} // namespace
} // namespace gametest

namespace gametest {
namespace {

using LevelStartTest = GameTest;

TEST_F(LevelStartTest, ARestartClearsTheCountersGaugeAndParticlesAndKeepsTheScore) {
    EnterLevel(10); // no item hint holds the level-start sound back

    RunIntro();
    GameScreen->HintShowCounter = 50.0f;
    GameScreen->GaugeFillDelay->AddNew(1000);
    GameScreen->Player.Score = 480;
    GameGrid->DiagonalGauge = 5;
    GameGrid->BonusPower = 2;
    AddMovingParticles();
    GameGrid->DynamicDebug = 1; // marks the old board
    GameScreen->RestartLevel();
    EXPECT_EQ(GameGrid->DynamicDebug, 0) << "a new board";
    EXPECT_EQ(GameScreen->HintShowCounter, 0.0f);
    EXPECT_EQ(GameScreen->GaugeFillDelay->Count(), 0);
    EXPECT_EQ(GameScreen->Player.Score, 480);
    EXPECT_EQ(GameScreen->Player.LevelStartScore, 480);
    EXPECT_EQ(GameGrid->DiagonalGauge, 0);
    EXPECT_EQ(GameGrid->BonusPower, 1);
    EXPECT_TRUE(ParticlePlaces().empty());
    EXPECT_TRUE(GameScreen->IntroAnim->Active);
    EXPECT_FALSE(GameScreen->OutroAnim->Active);
    EXPECT_EQ(CountCues("levelstart"), 2); // after the first fade-in, and at the restart
}

TEST_F(LevelStartTest, ALevelThatNoFillCanGiveAMoveEndsTheProgramWithTheBoardsMessage) {
    // 90.txt is three cells in a row: no fill of it can hold a move.
    EXPECT_THROW(EnterLevel(90), TReportedError);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Error loading file " + std::string(GAME_TEST_DIR) +
                             "data/levels/90.txt: no fill of this level has a possible move (1000 tries)");
}

// What must not move while an overlay is open or the screen fades in.
struct TStillState {
    float intro = 0.0f, outro = 0.0f, time = 0.0f, hintShow = 0.0f;
    std::vector<TGemSnapshot> board;
    std::vector<std::pair<float, float>> particles;
    std::vector<float> gaugeDelays;
    bool operator==(const TStillState&) const = default;
};

TStillState StillState() {
    TStillState s;
    s.intro = GameScreen->IntroAnim->Counter;
    s.outro = GameScreen->OutroAnim->Counter;
    s.time = GameScreen->Player.TimeTaken;
    s.hintShow = GameScreen->HintShowCounter;
    s.board = BoardSnapshot();
    s.particles = ParticlePlaces();
    for (const TCounterRef& counter : *GameScreen->GaugeFillDelay)
        s.gaugeDelays.push_back(counter->Counter);
    return s;
}

using OverlayTest = GameTest;

TEST_F(OverlayTest, NothingMovesUnderAnOpenOverlayOrTheFadeIn) {
    enum Phase { INTRO, PLAY, OUTRO };
    const char* phaseNames[] = {"intro", "play", "outro"};
    // How each overlay is opened, and the ticks over which it holds the screen.
    struct TOverlay {
        const char* name;
        std::function<void()> open;
        int ticks;
        bool snowFalls = false; // the panel's snow moves every particle of the list
    } overlays[] = {
        {"in-game menu sliding in and open", [] { GameMenu->Show(1); }, 100},
        {"in-game menu sliding out", [this] { GameMenu->Show(1), Ticks(80), GameMenu->Hide(); }, 79},
        {"hint scroll",
         [] {
             HintScroll->LoadSpecial(15);
             HintScroll->Show(0);
         },
         100},
        {"level-complete panel", [] { LevelCompleteScreen->Active = 1; }, 100, true},
        {"fade-in", [] { Game->GameFade->Init(1000.0f, 0, nullptr, 0, 0, nullptr); }, 100},
    };
    for (Phase phase : {INTRO, PLAY, OUTRO})
        for (const TOverlay& overlay : overlays) {
            SCOPED_TRACE(std::string(phaseNames[phase]) + " under the " + overlay.name);
            EnterLevel(10); // no item hint
            RunFadeIn();
            if (phase != INTRO) RunIntro();
            if (phase == OUTRO) {
                ASSERT_EQ(GameScreen->NextLevel(), 1);
            }
            Ticks(phase == OUTRO ? 600 : 20); // the outro's board is falling by now
            GameScreen->GaugeFillDelay->AddNew(1000);
            AddMovingParticles();
            overlay.open();
            TStillState before = StillState();
            Ticks(overlay.ticks);
            TStillState after = StillState();
            if (overlay.snowFalls) before.particles = after.particles = {};
            EXPECT_TRUE(after == before);
            GameMenu->Active = HintScroll->Active = LevelCompleteScreen->Active = 0;
            Game->GameFade->Active = 0;
            Ticks(1);
            TStillState again = StillState();
            if (overlay.snowFalls) again.particles = {};
            EXPECT_FALSE(again == before) << "it moves again once the overlay is gone";
            GameScreen->Kill();
        }
}

} // namespace
} // namespace gametest
