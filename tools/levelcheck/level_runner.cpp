#include "level_runner.h"

#include "board/TBoardHost.h"
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TPlayer.h"
#include "board/board_fill.h"
#include "board/board_grid.h"
#include "board/gem_codes.h"
#include "headless/board_headless.h"
#include "platform/random.h"

#include <stdexcept>

namespace levelcheck {

namespace {

// Held as a reference, so a gem that burst cannot leave its address to a new one.
TGemRef GemAt(int x, int y) {
    TCell* cell = CellAt(x, y);
    return cell ? cell->Gem : nullptr;
}

void Click(const TBotAction& action) {
    for (auto [x, y] : action.Clicks())
        GameGrid->ClickCell(x, y);
}

// A selection the bot did not make for an aimed item is let go before it chooses.
void DropStraySelection() {
    if (GameGrid->Mode != 1) return;
    TGemRef gem = GemAt(GameGrid->cx, GameGrid->cy);
    int code = gem ? gem->GemType : 0;
    if (!IsAimedItem(code)) GameGrid->ClickCell(GameGrid->cx, GameGrid->cy);
}

bool SwapRefused(const TBotAction& action, const TGemRef& before1, const TGemRef& before2) {
    return action.Kind == TBotAction::SWAP && GemAt(action.X1, action.Y1) == before1 &&
           GemAt(action.X2, action.Y2) == before2;
}

} // namespace

std::string BoardAsText() {
    if (!GameGrid) return "";
    return BoardRowsText() + "Gold " + std::to_string(GameGrid->Gold) + "\nLocked " +
           std::to_string(GameGrid->Locked) + "\n";
}

TRunResult PlayLevel(int level, int seconds, int seed, const TRunOptions& options) {
    TRunResult result;
    BoardResetGlobals();
    platform::SeedRnd(seed);
    TPlayer& player = BoardHost().Player();
    player.Level = level;
    player.NewLevelStats();
    TLevelBot bot{uint32_t(seed)};
    bot.Weights.Lookahead = options.Lookahead;
    try {
        BoardLevelStart(level);
        GameGrid->SetupIntroFlash();
        int status = BoardRunToRest(REST_TICKS);
        for (;;) {
            result.Ticks = int(player.TimeTaken);
            if (options.Trace) *options.Trace << BoardAsText();
            if (status == BOARD_LEVEL_WON) return result.Outcome = TRunResult::WON, result;
            if (status == BOARD_OUT_OF_MOVES) return result.Outcome = TRunResult::STUCK, result;
            if (status == BOARD_STILL_BUSY) throw std::runtime_error("the board never came to rest");
            if (result.Actions >= MAX_ACTIONS || result.TimeMs(options.ThinkMs) > 2000.0 * seconds)
                return result.Outcome = TRunResult::STOPPED, result;
            DropStraySelection();
            TBotAction action = bot.Choose();
            if (action.Kind == TBotAction::NONE)
                throw std::runtime_error("the bot found no action on a board with moves");
            if (options.Trace)
                *options.Trace << "action " << result.Actions + 1 << ": " << action.Text() << "\n";
            TGemRef before1 = GemAt(action.X1, action.Y1);
            TGemRef before2 = GemAt(action.X2, action.Y2);
            Click(action);
            ++result.Actions;
            if (action.Code > 0) ++result.Fired[size_t(action.Code)];
            status = BoardRunToRest(REST_TICKS);
            if (SwapRefused(action, before1, before2)) {
                ++result.Refused;
                if (options.Trace) *options.Trace << "the board sent the swap back\n";
            }
        }
    } catch (const std::exception& error) {
        result.Outcome = TRunResult::FAILED;
        result.Error = error.what();
        result.Ticks = int(player.TimeTaken);
    }
    return result;
}

} // namespace levelcheck
