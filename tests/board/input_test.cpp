// The mouse on the board: where the pointer is, clicks and drags, and presses that start and end
// within one tick of the core's event drain.
#include "board_play.h"

namespace boardtest {
namespace {

class BoardInputTest : public BoardPlayTest {};

// A 5 x 5 board: an ice cube at (2, 1), an empty cell under it at (2, 2), a hole at (1, 3) and
// a star at (4, 0).
const std::vector<std::string> kBoard = {
    "1 2 3 4 11", //
    "3 4 1c 2 3", //
    "2 1 . 3 2",  //
    "4 # 2 1 4",  //
    "1 2 3 4 1",  //
};

TEST_F(BoardInputTest, PointerOffsetsAndEdgesGiveTheHoveredCell) {
    TGameGrid& grid = BuildBoard(kBoard);
    struct Case {
        int px, py; // pixels from the board's corner
        int mx, my, result;
    } cases[] = {
        {0, 0, 0, 0, 1},      {49, 49, 0, 0, 1},    {50, 0, 1, 0, 1},
        {-1, 10, -1, -1, 1},  {10, -1, -1, -1, 1},  {249, 249, 4, 4, 1},
        {250, 10, -1, -1, 0}, {10, 250, -1, -1, 0}, {75, 175, 1, 3, 0}, // the hole: kept on it
    };
    for (const Case& c : cases) {
        Mouse().x = grid.sx + c.px;
        Mouse().y = grid.sy + c.py;
        EXPECT_EQ(grid.CheckMouse(), c.result) << c.px << "," << c.py;
        EXPECT_EQ(grid.mx, c.mx) << c.px << "," << c.py;
        EXPECT_EQ(grid.my, c.my) << c.px << "," << c.py;
    }
    EXPECT_EQ(grid.Mode, 0);
    EXPECT_TRUE(Cues().empty());
}

TEST_F(BoardInputTest, AHoleAndAHoverDoNothing) {
    TGameGrid& grid = BuildBoard(kBoard);
    PointAt(1, 3);
    Press();
    Tick();
    EXPECT_EQ(grid.mx, 1);
    EXPECT_EQ(grid.my, 3);
    Release();
    Tick();
    PointAt(0, 0);
    Tick();
    EXPECT_EQ(grid.mx, 0);
    EXPECT_EQ(grid.Mode, 0);
    EXPECT_TRUE(Cues().empty());
}

TEST_F(BoardInputTest, ASwapTheOutroAndTheSequenceBlockTheMouse) {
    TGameGrid& grid = BuildBoard(kBoard);
    PointAt(0, 0);
    Press();
    for (int which = 0; which < 3; ++which) {
        grid.mx = grid.my = 3;
        grid.SwapCounter = which == 0 ? 5.0f : 0.0f;
        host.LevelWon = which == 1;
        grid.NoMoreCounter = which == 2 ? 5.0f : 0.0f;
        EXPECT_EQ(grid.CheckMouse(), 0) << which;
        EXPECT_EQ(grid.mx, 3) << which;
        EXPECT_EQ(grid.my, 3) << which;
        EXPECT_EQ(grid.Mode, 0) << which;
    }
    EXPECT_TRUE(Cues().empty());
}

// One tick of input: the pointer over a cell and the button pressed (new this tick), held,
// released or up.
struct Step {
    int x, y;
    char button; // 'p' press, 'h' held, 'r' release, 'u' up
};

struct ClickCase {
    const char* name;
    std::vector<Step> steps;
    int mode, cx, cy;
    std::vector<std::string> cues;
    bool swapping;
};

TEST_F(BoardInputTest, ClicksAndDragsSelectSwapOrRefuse) {
    const ClickCase cases[] = {
        {"select", {{0, 0, 'p'}}, 1, 0, 0, {"click"}, false},
        {"click the selection again",
         {{0, 0, 'p'}, {0, 0, 'r'}, {0, 0, 'p'}},
         0,
         -1,
         -1,
         {"click", "clickrev"},
         false},
        {"empty cell", {{2, 2, 'p'}}, 0, -1, -1, {"invalid"}, false},
        {"gem in an ice cube", {{2, 1, 'p'}}, 0, -1, -1, {"lockedclick"}, false},
        {"locked neighbour as target",
         {{1, 1, 'p'}, {1, 1, 'r'}, {2, 1, 'p'}},
         0,
         -1,
         -1,
         {"click", "lockedclick"},
         false},
        {"neighbour clicked", {{0, 0, 'p'}, {0, 0, 'r'}, {1, 0, 'p'}}, 1, 0, 0, {"click", "swap"}, true},
        {"press and drag to a neighbour", {{0, 0, 'p'}, {0, 1, 'h'}}, 1, 0, 0, {"click", "swap"}, true},
        {"drag two cells away", {{0, 0, 'p'}, {2, 0, 'h'}}, 0, -1, -1, {"click"}, false},
        {"release and click a far cell",
         {{0, 0, 'p'}, {0, 0, 'r'}, {4, 4, 'p'}},
         1,
         4,
         4,
         {"click", "click"},
         false},
        {"a held-over star does not fire",
         {{4, 0, 'p'}, {4, 2, 'h'}, {3, 3, 'h'}},
         1,
         4,
         0,
         {"click"},
         false},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.name);
        TGameGrid::CreateChannels(); // a fresh pool: recorded sounds never end
        BuildBoard(kBoard);
        GameGrid->HintCounter = 50.0f;
        audio->Clear();
        for (const Step& s : c.steps) {
            NewTick();
            PointAt(s.x, s.y);
            if (s.button == 'p') Press();
            if (s.button == 'r' || s.button == 'u') Release();
            GameGrid->Manage();
        }
        TGameGrid& grid = *GameGrid;
        EXPECT_EQ(grid.Mode, c.mode);
        EXPECT_EQ(grid.cx, c.cx);
        EXPECT_EQ(grid.cy, c.cy);
        EXPECT_EQ(Cues(), c.cues);
        EXPECT_EQ(grid.SwapCounter > 0.0f, c.swapping);
        EXPECT_EQ(grid.HintCounter, c.cues.front() == "click" ? 0.0f : 49.0f);
        Release();
        BoardResetGlobals();
    }
}

TEST_F(BoardInputTest, AGoneNeighbourKeepsTheSelection) {
    TGameGrid& grid = BuildBoard(kBoard);
    PointAt(0, 0);
    Press();
    Tick();
    Release();
    Tick();
    Grid[1][0]->Gem->GemType = -1;
    PointAt(1, 0);
    Press();
    Tick();
    EXPECT_EQ(grid.Mode, 1);
    EXPECT_EQ(grid.cx, 0);
    EXPECT_EQ(grid.SwapCounter, 0.0f);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"click"}));
}

TEST_F(BoardInputTest, ASelectionWhoseGemIsGoneEndsOnTheNextClick) {
    for (bool removed : {false, true}) {
        SCOPED_TRACE(removed);
        TGameGrid& grid = BuildBoard(kBoard);
        grid.ClickCell(4, 0); // an armed star
        if (removed)
            grid.DeleteGem(4, 0);
        else
            Grid[4][0]->Gem->GemType = -1;
        EXPECT_EQ(grid.ClickCell(3, 0), 0);
        EXPECT_EQ(grid.Mode, 0);
        EXPECT_EQ(grid.PointerGemType, 0);
        EXPECT_EQ(grid.SwapCounter, 0.0f);
        EXPECT_FALSE(Hit(3, 0));
        BoardResetGlobals();
    }
}

TEST_F(BoardInputTest, AButtonHeldOverManyTicksIsOneClick) {
    TGameGrid& grid = BuildBoard(kBoard);
    PointAt(0, 0);
    Press();
    for (int i = 0; i < 10; ++i) {
        Tick();
        EXPECT_EQ(grid.MouseUpFlag, 0);
    }
    EXPECT_EQ(grid.Mode, 1);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"click"}));
}

// The core's drain: a press and a release in one tick leave no button down, only the hit.
TEST_F(BoardInputTest, QuickClicksThroughTheCoreDrainSelectAndSwap) {
    TGameGrid& grid = BuildBoard(kBoard);
    PostMove(0, 0);
    PostDown();
    PostUp();
    PumpTick();
    EXPECT_EQ(Mouse().GetMb(), 0);
    EXPECT_EQ(Mouse().GetMh(0), 1) << "the board reads the hit without taking it";
    EXPECT_EQ(grid.Mode, 1);
    EXPECT_EQ(grid.cx, 0);
    PostMove(1, 0);
    PostDown();
    PostUp();
    PumpTick();
    EXPECT_GT(grid.SwapCounter, 0.0f);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"click", "swap"}));
}

TEST_F(BoardInputTest, AReleaseAndPressInOneTickAfterAHeldButtonIsANewClick) {
    TGameGrid& grid = BuildBoard(kBoard);
    PostMove(0, 0);
    PostDown();
    PumpTick();
    PumpTick();
    PumpTick();
    EXPECT_EQ(grid.Mode, 1);
    PostUp();
    PostDown();
    PumpTick();
    EXPECT_EQ(grid.Mode, 0);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"click", "clickrev"}));
}

TEST_F(BoardInputTest, ClickCellDoesWhatANewPressDoes) {
    TGameGrid& grid = BuildBoard(kBoard);
    EXPECT_EQ(grid.ClickCell(0, 0), 1);
    EXPECT_EQ(grid.ClickCell(1, 0), 1);
    EXPECT_GT(grid.SwapCounter, 0.0f);
    EXPECT_EQ(grid.ClickCell(3, 3), 0) << "blocked during the swap";
    EXPECT_EQ(grid.ClickCell(-1, 0), 0);
    EXPECT_EQ(grid.ClickCell(5, 0), 0);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"click", "swap"}));
    EXPECT_EQ(Mouse().GetMh(0), 0) << "the pointer is not touched";
}

} // namespace
} // namespace boardtest
