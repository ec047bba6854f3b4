// The bot against the board on four fixture levels and 20 seeds each, checked at every rest: the
// swaps it finds legal are exactly those the board accepts, it has an action exactly when the
// board's move search finds a move, and choosing never draws from the game's generator.
#include "levels_fixture.h"

#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TLevelBot.h"
#include "board/TPlayer.h"
#include "board/board_fill.h"
#include "board/board_grid.h"
#include "platform/random.h"

#include <set>
#include <tuple>

namespace levelstest {
namespace {

using TPair = std::tuple<int, int, int, int>;

bool Movable(const TCell* cell) {
    return cell && cell->active && (!cell->Gem || (!cell->Gem->locked && cell->Gem->GemType != -1));
}

bool IsShape(const TCell* cell) {
    return cell && cell->Gem && !cell->Gem->locked && cell->Gem->GemType >= 1 && cell->Gem->GemType <= 7;
}

// The swap as the board judges it: the two gems exchanged, a line marked through either cell.
bool BoardAccepts(int x1, int y1, int x2, int y2) {
    TCell& a = *Grid[x1][y1];
    TCell& b = *Grid[x2][y2];
    a.Gem.swap(b.Gem);
    bool accepted = GameGrid->DoMatches(1, 1) > 0 && (a.match || b.match);
    GameGrid->ClearMatches();
    a.Gem.swap(b.Gem);
    return accepted;
}

// Every neighbouring pair the player could swap, shape first, that the board accepts.
std::set<TPair> AcceptedSwaps() {
    std::set<TPair> pairs;
    for (int y = 0; y < GameGrid->levelheight; ++y)
        for (int x = 0; x < GameGrid->levelwidth; ++x)
            for (auto [nx, ny] : {std::pair{x + 1, y}, std::pair{x, y + 1}}) {
                TCell *a = CellAt(x, y), *b = CellAt(nx, ny);
                if (!Movable(a) || !Movable(b) || (!IsShape(a) && !IsShape(b))) continue;
                if (BoardAccepts(x, y, nx, ny)) pairs.insert({x, y, nx, ny});
            }
    return pairs;
}

std::set<TPair> BotSwaps(const TLevelBot& bot) {
    std::set<TPair> pairs;
    for (const TBotAction& a : bot.Swaps()) {
        bool forward = a.X1 < a.X2 || a.Y1 < a.Y2; // stored as the board's scan meets the pair
        pairs.insert(forward ? TPair{a.X1, a.Y1, a.X2, a.Y2} : TPair{a.X2, a.Y2, a.X1, a.Y1});
    }
    return pairs;
}

class BotAgainstBoard : public HeadlessLevels {};

TEST_F(BotAgainstBoard, AgreesWithTheBoardAtEveryRestAndNeverDrawsFromTheGamesGenerator) {
    StartBoard(std::string(LEVELS_TEST_DIR) + "bot/");
    int rests = 0, itemsUsed = 0;
    for (int level : {3, 8, 10, 12})
        for (int seed = 1; seed <= 20; ++seed) {
            BoardResetGlobals();
            platform::SeedRnd(seed);
            BoardHost().Player().Level = level;
            BoardHost().Player().NewLevelStats();
            BoardLevelStart(level);
            GameGrid->SetupIntroFlash();
            TLevelBot bot{uint32_t(seed)};
            int status = BoardRunToRest(20000);
            for (int action = 0; action < 25 && status == BOARD_AT_REST; ++action, ++rests) {
                SCOPED_TRACE("level " + std::to_string(level) + " seed " + std::to_string(seed) + " action " +
                             std::to_string(action));
                ASSERT_EQ(BotSwaps(bot), AcceptedSwaps());
                platform::SeedRnd(seed * 1000 + action);
                TBotAction chosen = bot.Choose();
                uint32_t next = platform::RandBits();
                platform::SeedRnd(seed * 1000 + action);
                ASSERT_EQ(next, platform::RandBits()) << "Choose drew from the game's generator";
                ASSERT_EQ(chosen.Kind != TBotAction::NONE, GameGrid->NoMoreMoves(0) == 0);
                itemsUsed += chosen.Code > 0;
                for (auto [x, y] : chosen.Clicks())
                    GameGrid->ClickCell(x, y);
                status = BoardRunToRest(20000);
            }
        }
    EXPECT_GT(rests, 1000);
    EXPECT_GT(itemsUsed, 50); // the items' paths were taken, not only swaps
}

} // namespace
} // namespace levelstest
