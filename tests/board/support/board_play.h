// What the tests of the board in play share: the pointer placed over a cell, presses and
// releases as the core's event drain records them, and one tick of the board with the hits of
// the tick cleared first, as the main loop clears them.
#pragma once

#include "board_fixture.h"

#include "media/TMousePointer.h"
#include "platform/input.h"

namespace boardtest {

class BoardPlayTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        DropEvents();
    }
    void TearDown() override {
        DropEvents();
        BoardTest::TearDown();
    }

    static TMousePointer& Mouse() { return *Game->Mouse; }
    // The pointer at pixel offset (ox, oy) from the corner of cell (x, y).
    static void PointAt(int x, int y, int ox = 25, int oy = 25) {
        Mouse().x = CalcSX(x) + ox;
        Mouse().y = CalcSY(y) + oy;
    }
    // A press and a release as the drain records them (the hit stays for the tick).
    static void Press() {
        Mouse().b1 = 1;
        Mouse().h1 += 1;
        Mouse().CalcButtonTotals();
    }
    static void Release() {
        Mouse().b1 = 0;
        Mouse().CalcButtonTotals();
    }
    // The start of a tick: the hits of the last one are gone.
    static void NewTick() { Mouse().ClearMouseHit(); }
    // One whole board tick with the hits cleared first.
    static void Tick() {
        NewTick();
        GameGrid->Manage();
    }
    // One tick through the core's own pump: hits cleared, the pointer's trail, the queued events
    // drained, then the board.
    static void PumpTick() {
        Mouse().ClearMouseHit();
        Mouse().Manage();
        Game->DoPeekEvent();
        GameGrid->Manage();
    }
    static void PostMove(int x, int y) {
        platform::PostEvent({platform::EVENT_MOUSE_MOVE, 0, CalcSX(x) + 25, CalcSY(y) + 25});
    }
    static void PostDown() { platform::PostEvent({platform::EVENT_MOUSE_DOWN, 1, 0, 0}); }
    static void PostUp() { platform::PostEvent({platform::EVENT_MOUSE_UP, 1, 0, 0}); }
    static void DropEvents() {
        while (platform::PollEvent() != 0) {
        }
    }
    // Gems hit since the board was built: gone or exploding.
    static int HitCount() {
        int n = 0;
        for (int x = 0; x < GameGrid->levelwidth; ++x)
            for (int y = 0; y < GameGrid->levelheight; ++y) {
                TCell* cell = CellAt(x, y);
                if (cell && cell->Gem && (cell->Gem->GemType == -1 || cell->Gem->ExplosionCounter > 0.0f))
                    ++n;
            }
        return n;
    }
    static bool Hit(int x, int y) {
        TCell* cell = CellAt(x, y);
        return cell && cell->Gem && (cell->Gem->GemType == -1 || cell->Gem->ExplosionCounter > 0.0f);
    }
};

// A board of w x h cells of four shapes in a Latin square: no line of three anywhere.
inline std::vector<std::string> PlainRows(int w, int h) {
    static const int codes[4][4] = {{1, 2, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}};
    std::vector<std::string> rows;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x)
            row += std::to_string(codes[y % 4][x % 4]) + " ";
        rows.push_back(row);
    }
    return rows;
}

} // namespace boardtest
