// The move search on full boards, headless: a board with no move at all (the whole search runs),
// the same board with one move late in the order, and a seeded fill of the 13 x 12 test level,
// finding the first move and counting every move. Also the level-start fill with a move, and one
// board tick at rest (the no-more-moves watch searches every idle tick) and during a cascade.
#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/TGemList.h"
#include "board/TStandaloneBoardHost.h"
#include "board/board_fill.h"
#include "board/board_grid.h"
#include "headless/board_headless.h"
#include "platform/random.h"

#include <benchmark/benchmark.h>

namespace {

// A full 13 x 12 board whose shape at (x, y) is (x + y) mod 5 + 1: no move anywhere.
void DiagonalBoard() {
    BoardResetGlobals();
    GameGrid = TGameGrid::Create();
    GameGrid->levelwidth = GRID_W;
    GameGrid->levelheight = GRID_H;
    GameGrid->Clear();
    GameGrid->Centre();
    GameGrid->CreateCells();
    GemList = std::make_shared<TGemList>();
    for (int x = 0; x < GRID_W; ++x)
        for (int y = 0; y < GRID_H; ++y) {
            Grid[x][y]->active = 1;
            TGemRef gem = TGem::Make(x, y, (x + y) % 5 + 1, 0);
            Grid[x][y]->Gem = gem;
            GemList->AddLast(gem);
        }
}

void FilledFixture() {
    BoardResetGlobals();
    platform::SeedRnd(2024);
    GameGrid = TGameGrid::Create();
    GameGrid->Load(2);
    FillGridWithMove(1000);
}

void Search(benchmark::State& state, int n, int expected) {
    for (auto _ : state) {
        int result = GameGrid->NoMoreMoves(n);
        benchmark::DoNotOptimize(result);
        if (result != expected) state.SkipWithError("unexpected search result");
    }
}

void BM_NoMoveAtAll(benchmark::State& state) {
    DiagonalBoard();
    Search(state, 0, 1);
}

void BM_OneMoveLate(benchmark::State& state) {
    DiagonalBoard();
    Grid[11][11]->Gem->GemType = 2;
    Search(state, 0, 0);
}

void BM_FilledFirstMove(benchmark::State& state) {
    FilledFixture();
    Search(state, 0, 0);
}

void BM_FilledCountEveryMove(benchmark::State& state) {
    FilledFixture();
    Search(state, 1000, 1);
}

void BM_FillGridWithMove(benchmark::State& state) {
    FilledFixture();
    for (auto _ : state) {
        int fills = FillGridWithMove(1000);
        benchmark::DoNotOptimize(fills);
    }
}

void BM_IdleTick(benchmark::State& state) {
    FilledFixture();
    GameGrid->Gold = 1; // the level does not end on this board
    for (auto _ : state) {
        GameGrid->Manage();
        if (GameGrid->BlockInput != 0 || GameGrid->NoMore != 0)
            state.SkipWithError("the board left its rest");
    }
}

// A tick while gems burst and fall; whenever the board comes to rest a 3 x 3 block is destroyed
// again (not timed).
void BM_CascadeTick(benchmark::State& state) {
    FilledFixture();
    for (auto _ : state) {
        if (GameGrid->BlockInput == 0) {
            state.PauseTiming();
            StandaloneBoardHost().Reset();
            GameGrid->Gold = 1;
            if (GameGrid->NoMore) FilledFixture();
            for (int x = 5; x <= 7; ++x)
                for (int y = 5; y <= 7; ++y)
                    GameGrid->DestroySquare(x, y);
            GameGrid->BlockInput = 1;
            state.ResumeTiming();
        }
        GameGrid->Manage();
    }
}

} // namespace

BENCHMARK(BM_NoMoveAtAll);
BENCHMARK(BM_OneMoveLate);
BENCHMARK(BM_FilledFirstMove);
BENCHMARK(BM_FilledCountEveryMove);
BENCHMARK(BM_FillGridWithMove);
BENCHMARK(BM_IdleTick);
BENCHMARK(BM_CascadeTick);

int main(int argc, char** argv) {
    BoardHeadlessStart(BOARD_BENCH_DIR, 80);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
