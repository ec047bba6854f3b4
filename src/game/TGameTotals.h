// The three totals of a finished run on the game-over screen: "Total Score", "Total Kills" and
// "Total Time", each sliding in from the left one after another, arriving white and fading back to
// yellow labels and cyan values. The values are read from the run's player at every frame.
#pragma once

#include "board/TPlayer.h"
#include "media/TSlideLine.h"

#include <memory>
#include <string>

class TGameTotals;
using TGameTotalsRef = std::shared_ptr<TGameTotals>;

class TGameTotals : public TSlideLineList {
public:
    int gap = 40;     // pixels between lines
    int lines = 3;    // number of lines
    int h = 0;        // block height: lines x gap
    int StartY = 150; // y of the first line
    int w = 0;        // width of the score row: label, column gap and the score's digits
    int col1 = 0;     // x of the labels
    int col2 = 0;     // x of the values
    int colgap = 50;  // between the label and the value columns
    const TPlayer* Player = nullptr;

    // A block for the player's run, its lines laid out and started.
    static TGameTotalsRef Create(const TPlayer& player);
    int SetSlideLines();
    // The block stands centred vertically on the screen.
    int CentreVert();
    int Draw();

    // The label and the value text of line i (0 to 2).
    std::string Label(int i) const;
    std::string Value(int i) const;
};
