// A player that needs no pointer: at each rest of the board it lists what a player could do (the
// swaps the board accepts, the items fired by a click, the aimed items with their best target),
// scores each on a copy of the board and answers the best one as the cells to click. It reads
// only the board (Grid, GameGrid, GemList) and breaks ties with a generator of its own, so the
// game's random sequence stays the board's own.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

struct TBotAction {
    enum TKind { NONE, SWAP, FIRE, AIM, TARGET };
    TKind Kind = NONE;
    int X1 = -1, Y1 = -1; // the cell clicked first: a swap's shape, the item fired or picked up
    int X2 = -1, Y2 = -1; // the second click: a swap's partner or an item's target (-1: none)
    int Code = 0;         // the item used (8..15), 0 for a swap
    float Score = 0.0f;
    int IceScore = 0; // the ice layers broken and cubes opened that the score counts

    // The cells to click in order: both cells of a swap or an aimed item, the item fired, or the
    // target of an item picked up earlier.
    std::vector<std::pair<int, int>> Clicks() const;
    // "swap 3,4-4,4", "fire 8 at 2,2", "aim 13 from 1,1 at 5,0", "target 11 at 5,0".
    std::string Text() const;
};

// The weights of the bot's scores.
struct TBotWeights {
    float Layer = 10.0f;     // per ice layer a line or the snowman breaks
    float Cube = 7.0f;       // per ice cube a line frees or an item hits
    float Cell = 1.0f;       // per matched cell
    float LowRow = 0.5f;     // times (lowest matched row + 1) / height
    float Cascade = 0.5f;    // the weight of lines that stand after the fall in the copy
    float Unreached = 15.0f; // a snowball's target no line can reach
    float GemOnIce = 1.0f;   // per gem on ice a pudding or cracker destroys
    float Sack = 5.0f;       // a sack, whatever it becomes
    int Lookahead = 1;       // follow the fall in the copy
};

class TLevelBot {
public:
    explicit TLevelBot(uint32_t seed) : rng(seed) {}

    TBotWeights Weights;

    // The best action on the board at rest; Kind NONE when there is none. With an aimed item
    // picked up (the board's selection on it) the answer is its target.
    TBotAction Choose();
    // Every swap the board would accept now, each pair once, with its score.
    std::vector<TBotAction> Swaps() const;
    // Every item that can be used now, with its best target, and its score.
    std::vector<TBotAction> Items() const;

private:
    std::mt19937 rng;

    TBotAction PickBest(const std::vector<TBotAction>& actions);
};
