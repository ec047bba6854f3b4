// The bonus items firing: the click bonuses by code, power and place, the aimed items, the sack,
// and the bonus pointer with the power gauge.
#include "board_play.h"

#include "board/gem_codes.h"
#include "media/TParticleList.h"

namespace boardtest {
namespace {

class BonusTest : public BoardPlayTest {};

// A 7 x 7 board of plain shapes, every cell on an ice pane when ice is set, with code at (x, y).
TGameGrid& BoardWith(int code, int x, int y, bool ice) {
    std::vector<std::string> rows = PlainRows(7, 7);
    for (int row = 0; row < 7; ++row) {
        std::istringstream in(rows[size_t(row)]);
        std::string out;
        int column = 0;
        for (std::string t; in >> t; ++column)
            out += (column == x && row == y ? std::to_string(code) : t) + (ice ? "i " : " ");
        rows[size_t(row)] = out;
    }
    return BuildBoard(rows);
}

struct Place {
    const char* name;
    int x, y;
};
const Place kPlaces[] = {{"middle", 3, 3}, {"edge", 3, 0}, {"corner", 0, 0}};

TEST_F(BonusTest, ClickBonusesHitTheirAreaByPowerAndPlace) {
    struct Case {
        int code, power;
        int hits[3];      // gems hit (middle, edge, corner), the item itself included
        int iceBroken[3]; // ice panes broken
        int crackers[3];  // cracker particles
        std::vector<std::string> cues;
    } cases[] = {
        {ITEM_PUDDING, 1, {9, 6, 4}, {0, 0, 0}, {0, 0, 0}, {"explode"}},
        {ITEM_PUDDING, 2, {21, 13, 8}, {0, 0, 0}, {0, 0, 0}, {"explode"}},
        {ITEM_HORIZONTAL_CRACKER, 1, {7, 7, 7}, {0, 0, 0}, {2, 2, 2}, {"cracker"}},
        {ITEM_HORIZONTAL_CRACKER, 2, {21, 14, 14}, {0, 0, 0}, {8, 6, 6}, {"cracker"}},
        {ITEM_VERTICAL_CRACKER, 1, {7, 7, 7}, {0, 0, 0}, {2, 2, 2}, {"cracker"}},
        {ITEM_VERTICAL_CRACKER, 2, {21, 21, 14}, {0, 0, 0}, {8, 8, 6}, {"cracker"}},
        {ITEM_SNOWMAN, 1, {1, 1, 1}, {9, 6, 4}, {0, 0, 0}, {"paintpot", "matchbrick"}},
        {ITEM_SNOWMAN, 2, {1, 1, 1}, {21, 13, 8}, {0, 0, 0}, {"paintpot", "matchbrick"}},
    };
    for (const Case& c : cases)
        for (int p = 0; p < 3; ++p) {
            SCOPED_TRACE("code " + std::to_string(c.code) + " power " + std::to_string(c.power) + " " +
                         kPlaces[p].name);
            TGameGrid::CreateChannels();
            TGameGrid& grid = BoardWith(c.code, kPlaces[p].x, kPlaces[p].y, c.code == ITEM_SNOWMAN);
            grid.BonusPower = c.power;
            grid.DiagonalGauge = 7;
            grid.MunchkinPlaying = 1;
            grid.HintCounter = 30.0f;
            host.HintShowCounter = 99.0f;
            int gold = grid.Gold;
            audio->Clear();
            grid.ClickCell(kPlaces[p].x, kPlaces[p].y);
            EXPECT_EQ(HitCount(), c.hits[p]);
            EXPECT_TRUE(Hit(kPlaces[p].x, kPlaces[p].y)) << "the item is used up";
            EXPECT_EQ(gold - grid.Gold, c.iceBroken[p]);
            EXPECT_EQ(AnimatedParticles->Count(), c.crackers[p]);
            EXPECT_EQ(Cues(), c.cues);
            EXPECT_EQ(grid.MunchkinPlaying, c.code == ITEM_SNOWMAN ? 1 : 0);
            EXPECT_EQ(grid.BonusPower, 1);
            EXPECT_EQ(grid.DiagonalGauge, c.power == 2 ? 0 : 7);
            EXPECT_EQ(grid.HintCounter, 0.0f);
            EXPECT_EQ(host.HintShowCounter, 0.0f);
            EXPECT_EQ(grid.Mode, 0);
            BoardResetGlobals();
        }
}

TEST_F(BonusTest, CrackerParticlesFlyApartAlongTheLineFromTheCellCentre) {
    TGameGrid& grid = BoardWith(ITEM_VERTICAL_CRACKER, 2, 4, false);
    grid.ClickCell(2, 4);
    ASSERT_EQ(AnimatedParticles->Count(), 2);
    auto first = AnimatedParticles->First(), last = AnimatedParticles->Last();
    EXPECT_EQ(first->x, float(CalcSX(2) + 25));
    EXPECT_EQ(first->y, float(CalcSY(4) + 25));
    EXPECT_EQ(first->dx, 0.0f);
    EXPECT_EQ(first->dy, -4.0f);
    EXPECT_EQ(last->dy, 4.0f);
    EXPECT_EQ(first->ScaleX, -1.0f);
    EXPECT_EQ(last->ScaleX, 1.0f);
    EXPECT_LT(first->DoRotate * first->RotationSpeed, 0.0f);
    EXPECT_GT(last->DoRotate * last->RotationSpeed, 0.0f);
}

TEST_F(BonusTest, IceCubesHitByABonusUnlockWithTheirOwnSoundOrder) {
    // The horizontal cracker plays "cracker" before "unlock", the vertical one after it.
    for (int code : {ITEM_HORIZONTAL_CRACKER, ITEM_VERTICAL_CRACKER, ITEM_PUDDING}) {
        SCOPED_TRACE(code);
        TGameGrid::CreateChannels();
        TGameGrid& grid = BuildBoard({"1 2 1", "3 " + std::to_string(code) + " 2c", "1 2c 1"});
        audio->Clear();
        grid.ClickCell(1, 1);
        std::vector<std::string> expected =
            code == ITEM_HORIZONTAL_CRACKER ? std::vector<std::string>{"cracker", "unlock"}
            : code == ITEM_VERTICAL_CRACKER ? std::vector<std::string>{"unlock", "cracker"}
                                            : std::vector<std::string>{"explode", "unlock"};
        EXPECT_EQ(Cues(), expected);
        EXPECT_EQ(grid.Locked, code == ITEM_PUDDING ? 0 : 1);
        BoardResetGlobals();
    }
}

TEST_F(BonusTest, TheSnowmanSkipsCubesBreaksEmptyCellsAndDestroysItself) {
    TGameGrid& grid = BuildBoard({"1i 2ic .i", "3i 12i 2t", "1i 2ic 1"});
    int gold = grid.Gold; // 9 panes and one thick layer
    grid.ClickCell(1, 1);
    EXPECT_EQ(gold - grid.Gold, 6) << "two cubes and a bare cell skipped, the thick ice loses one layer";
    EXPECT_EQ(Grid[2][0]->gold, 0);
    EXPECT_EQ(Grid[1][0]->gold, 1);
    EXPECT_EQ(Grid[2][1]->armour, 0);
    EXPECT_EQ(Grid[2][1]->gold, 1);
    EXPECT_TRUE(Hit(1, 1));
    EXPECT_EQ(HitCount(), 1);
}

TEST_F(BonusTest, AGlowingGemInTheRowsOfACrackerAtDoublePowerScoresOnce) {
    TGameGrid& grid = BuildBoard({"1 2 3 4 1", "3 1g 9 2 3", "2 3 4 1 2"});
    grid.BonusPower = 2;
    grid.ClickCell(2, 1);
    EXPECT_EQ(host.Player().Score, 100);
}

struct AimCase {
    const char* name;
    std::vector<std::string> rows;
    int item[2], target[2], power;
    int acted;
    std::vector<std::string> cues;
    int goldBroken, cubesOpened, hits; // hits: gems hit besides the item
};

TEST_F(BonusTest, AimedItemsActOnTheTargetOrRefuse) {
    const std::vector<std::string> plain = {"11 2 3 4", "3 4 1 2", "2 1 4 3", "4 3 2 1"};
    const std::vector<std::string> holes = {"11 2 3 4 1", "3 4 1 2 3", "2 1 . . .", "4 3 . . .", "1 2 . . ."};
    const std::vector<std::string> ice = {"13 2 3 4", "3 4i 1i 2", "2 1t 4ic 3i", "4 3 2i 1"};
    const std::vector<std::string> cubes = {"14 2 3 4", "3 4c 1 2", "2 1c 4c 3c", "4 3 2c 1"};
    const AimCase cases[] = {
        {"star", plain, {0, 0}, {2, 2}, 1, 1, {"star", "matchnobrick"}, 0, 0, 1},
        {"star at double power", plain, {0, 0}, {2, 2}, 2, 1, {"star", "matchnobrick"}, 0, 0, 9},
        {"star reaching its own cell", plain, {0, 0}, {1, 1}, 2, 1, {"star", "matchnobrick"}, 0, 0, 8},
        {"star with nothing in reach", holes, {0, 0}, {3, 3}, 2, 0, {"invalid"}, 0, 0, 0},
        {"snowball breaking ice", ice, {0, 0}, {1, 1}, 1, 1, {"brush", "matchbrick"}, 1, 0, 0},
        {"snowball on the plus", ice, {0, 0}, {1, 2}, 2, 1, {"brush", "matchbrick"}, 2, 0, 0},
        {"snowball breaking nothing", ice, {0, 0}, {3, 3}, 1, 0, {"invalid"}, 0, 0, 0},
        {"matchstick opening a cube", cubes, {0, 0}, {1, 1}, 1, 1, {"unlock"}, 0, 1, 0},
        {"matchstick on the plus", cubes, {0, 0}, {2, 2}, 2, 1, {"unlock"}, 0, 4, 0},
        {"matchstick with nothing to open", cubes, {0, 0}, {3, 3}, 1, 0, {"invalid"}, 0, 0, 0},
    };
    for (const AimCase& c : cases) {
        SCOPED_TRACE(c.name);
        TGameGrid::CreateChannels();
        TGameGrid& grid = BuildBoard(c.rows);
        grid.BonusPower = c.power;
        grid.DiagonalGauge = 10;
        ASSERT_EQ(grid.ClickCell(c.item[0], c.item[1]), 1);
        EXPECT_EQ(grid.PointerGemType, Grid[0][0]->Gem->GemType);
        int gold = grid.Gold, locked = grid.Locked;
        host.HintShowCounter = 5.0f;
        audio->Clear();
        grid.ClickCell(c.target[0], c.target[1]);
        EXPECT_EQ(Cues(), c.cues);
        EXPECT_EQ(gold - grid.Gold, c.goldBroken);
        EXPECT_EQ(locked - grid.Locked, c.cubesOpened);
        EXPECT_EQ(HitCount() - 1, c.hits);
        EXPECT_TRUE(Hit(c.item[0], c.item[1])) << "used up";
        EXPECT_EQ(grid.PointerGemType, 0) << "pointer restored";
        EXPECT_EQ(grid.Mode, 0);
        EXPECT_EQ(host.HintShowCounter, 0.0f);
        EXPECT_EQ(grid.BonusPower, c.acted && c.power == 2 ? 1 : c.power) << "power spent only when it acted";
        BoardResetGlobals();
    }
}

TEST_F(BonusTest, ASnowballOnACubeIsRefusedAndStaysArmed) {
    TGameGrid& grid = BuildBoard({"13 2 3", "3 4c 1", "2 1 4"});
    grid.ClickCell(0, 0);
    audio->Clear();
    grid.ClickCell(1, 1);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"lockedclick"}));
    EXPECT_EQ(grid.Mode, 1);
    EXPECT_EQ(grid.cx, 0);
    EXPECT_EQ(grid.PointerGemType, ITEM_SNOWBALL);
    EXPECT_FALSE(Hit(0, 0));
}

TEST_F(BonusTest, TheSackTurnsIntoAnotherItemInTheSameClick) {
    // Without a cube on the board a drawn matchstick is drawn again: the pudding fires.
    TGameGrid* grid = &BuildBoard({"1 2 3", "3 15 1", "2 1 4"});
    BoardRandScript(FIRST_ITEM, ITEM_MATCHSTICK, {ITEM_MATCHSTICK, ITEM_PUDDING});
    grid->ClickCell(1, 1);
    EXPECT_EQ(HitCount(), 9);
    EXPECT_EQ(Grid[1][1]->Gem->OrigGemType, ITEM_SACK);
    BoardResetGlobals();
    struct Case {
        int draw;
        const char* cubeCell;
    } picked[] = {{ITEM_MATCHSTICK, "2c"}, {ITEM_STAR, "2"}, {ITEM_SNOWBALL, "2"}};
    for (const Case& c : picked) {
        SCOPED_TRACE(c.draw);
        grid = &BuildBoard({std::string("1 ") + c.cubeCell + " 3", "3 15 1", "2 1 4"});
        BoardRandScript(FIRST_ITEM, ITEM_MATCHSTICK, {c.draw});
        EXPECT_EQ(grid->ClickCell(1, 1), 1);
        EXPECT_EQ(Grid[1][1]->Gem->GemType, c.draw);
        EXPECT_EQ(grid->Mode, 1);
        EXPECT_EQ(grid->PointerGemType, c.draw);
        EXPECT_EQ(HitCount(), 0);
        BoardResetGlobals();
    }
}

TEST_F(BonusTest, TheMenuStoresTheArmedPointerAndGivesItBack) {
    LoadBoardImages();
    images->LoadAnim("bonus11idle", 50, 50, 0, 50, -1, 0);
    TGem::Load();
    TGameGrid& grid = BuildBoard({"11 2 3", "3 4 1", "2 1 4"});
    PointAt(0, 0);
    Press();
    Tick();
    ASSERT_EQ(grid.PointerGemType, ITEM_STAR);
    ASSERT_TRUE(TGem::BonusActivateAnims[ITEM_STAR]);
    EXPECT_EQ(Mouse().Image2, TGem::BonusActivateAnims[ITEM_STAR]->image)
        << "the strip replaces the still picture";
    for (int i = 0; i < 4; ++i)
        grid.AnimatePointer();
    float counter = grid.PointerAnimCounter;
    EXPECT_FLOAT_EQ(counter, 395.0f);
    grid.TogglePointer(2);
    EXPECT_EQ(grid.PointerGemType, 0);
    EXPECT_EQ(Mouse().Image2, nullptr);
    for (int i = 0; i < 37; ++i)
        grid.AnimatePointer();
    grid.TogglePointer(3);
    EXPECT_EQ(grid.PointerGemType, ITEM_STAR);
    EXPECT_EQ(grid.PointerAnimCounter, counter);
    EXPECT_EQ(Mouse().Image2, TGem::BonusActivateAnims[ITEM_STAR]->image);
    EXPECT_EQ(Mouse().offsetx, 3);

    grid.RestorePointer();
    grid.PointerGemTypeStored = 0;
    grid.TogglePointer(2);
    grid.TogglePointer(3);
    EXPECT_EQ(grid.PointerGemType, 0);
    EXPECT_EQ(Mouse().offsetx, 4);
    TGem::ResetClassTables(); // the strips belong to this test's bank
    TGem::InitArrays();
}

TEST_F(BonusTest, TheArmedPointerPlaysItsFramesForwardAndLoops) {
    TGameGrid& grid = BuildBoard({"11 2 3", "3 4 1", "2 1 4"});
    grid.ClickCell(0, 0);
    ASSERT_EQ(grid.PointerAnimLength, 400);
    int last = -1;
    for (int tick = 0; tick < 399; ++tick) {
        grid.AnimatePointer();
        EXPECT_GE(Mouse().Image2Frame, last);
        last = Mouse().Image2Frame;
    }
    EXPECT_EQ(last, 49);
    grid.AnimatePointer(); // runs out: wraps
    EXPECT_EQ(grid.PointerAnimCounter, 400.0f);
    EXPECT_EQ(grid.PointerGemType, ITEM_STAR);
    grid.AnimatePointer();
    EXPECT_EQ(Mouse().Image2Frame, 0);

    grid.PointerAnimated = 0; // a pointer that does not loop is restored when it runs out
    grid.PointerAnimCounter = 1.0f;
    grid.AnimatePointer();
    EXPECT_EQ(grid.PointerGemType, 0);
    EXPECT_EQ(grid.PointerAnimCounter, 0.0f);
}

TEST_F(BonusTest, TheGaugeAndTheCaptionCounter) {
    TGameGrid& grid = BuildBoard({"1 2c .", "3 4 1"});
    grid.DiagonalGauge = 4;
    grid.EmptyGauge();
    EXPECT_EQ(grid.DiagonalGauge, 4) << "normal power keeps a partial gauge";
    grid.DiagonalTextCounter = 0.5f;
    grid.DiagonalManage();
    EXPECT_EQ(grid.DiagonalTextCounter, 0.0f);
    grid.DiagonalManage();
    EXPECT_EQ(grid.DiagonalTextCounter, 0.0f);
    EXPECT_EQ(grid.DestroySquare(2, 0), 0);
    EXPECT_EQ(grid.DestroySquare(1, 0), 1);
    EXPECT_EQ(grid.DestroySquare(0, 0), 0);
    EXPECT_EQ(grid.Locked, 0);
}

} // namespace
} // namespace boardtest
