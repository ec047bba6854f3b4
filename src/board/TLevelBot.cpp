#include "board/TLevelBot.h"

#include "board/TCell.h"
#include "board/TGameGrid.h"
#include "board/TGem.h"
#include "board/board_grid.h"
#include "board/gem_codes.h"
#include "board/line_scan.h"

#include <algorithm>
#include <cmath>

namespace {

// What the bot knows of a cell: nothing random, nothing drawn.
struct TSimCell {
    int active = 0;
    int layers = 0; // the pane and the thick ice over it
    int code = 0;   // the gem's code, 0 when the cell is empty
    int locked = 0; // the gem is in an ice cube
};

// A copy of the board on which the bot tries its moves.
struct TSim {
    int w = 0, h = 0;
    TSimCell cells[GRID_W][GRID_H];

    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    bool Shape(int x, int y) const { return Inside(x, y) && IsShape(cells[x][y].code); }
};

TSim CopyBoard() {
    TSim sim;
    sim.w = GameGrid->levelwidth;
    sim.h = GameGrid->levelheight;
    for (int x = 0; x < sim.w; ++x)
        for (int y = 0; y < sim.h; ++y) {
            TCell* cell = CellAt(x, y);
            if (!cell || !cell->active) continue;
            TSimCell& s = sim.cells[x][y];
            s.active = 1;
            s.layers = cell->gold + cell->armour;
            if (cell->Gem) {
                s.code = cell->Gem->GemType;
                s.locked = cell->Gem->locked;
            }
        }
    return sim;
}

// Marks every line of three or more equal shapes, as the board finds them (a shape in an ice cube
// takes part); 0 when there is none.
int FindLines(const TSim& sim, TLineMarks marks) {
    TLineCodes codes;
    for (int x = 0; x < sim.w; ++x)
        for (int y = 0; y < sim.h; ++y)
            codes[x][y] = sim.cells[x][y].code;
    return MarkLines(codes, sim.w, sim.h, marks);
}

struct TResolved {
    float score = 0.0f;
    int ice = 0; // layers broken plus cubes opened
    int lowestRow = -1;
};

// The marked cells resolve as the board resolves them: a cube opens and its shape stays, any
// other shape bursts and its cell loses one ice layer.
TResolved Resolve(TSim& sim, TLineMarks marks, const TBotWeights& weights) {
    TResolved r;
    for (int x = 0; x < sim.w; ++x)
        for (int y = 0; y < sim.h; ++y) {
            if (!marks[x][y]) continue;
            TSimCell& cell = sim.cells[x][y];
            r.score += weights.Cell;
            r.lowestRow = std::max(r.lowestRow, y);
            if (cell.locked) {
                cell.locked = 0;
                r.score += weights.Cube;
                ++r.ice;
                continue;
            }
            if (cell.layers > 0) {
                --cell.layers;
                r.score += weights.Layer;
                ++r.ice;
            }
            cell.code = 0;
        }
    return r;
}

// Gems fall into the empty cells below them; holes and gems in ice cubes hold what is above.
// No new gems: the refill is unknown.
void Fall(TSim& sim) {
    for (int x = 0; x < sim.w; ++x) {
        int write = sim.h - 1;
        for (int y = sim.h - 1; y >= -1; --y) {
            bool stop = y < 0 || !sim.cells[x][y].active || sim.cells[x][y].locked;
            if (stop) {
                for (int e = write; e > y; --e)
                    sim.cells[x][e].code = 0;
                write = y - 1;
                continue;
            }
            if (sim.cells[x][y].code == 0) continue;
            int code = sim.cells[x][y].code;
            sim.cells[x][y].code = 0;
            sim.cells[x][write--].code = code;
        }
    }
}

// Some three consecutive active cells of the row or the column through (x, y) hold it and at
// most one gem in an ice cube.
bool LineCanReach(const TSim& sim, int x, int y) {
    for (int horizontal = 0; horizontal < 2; ++horizontal)
        for (int start = -2; start <= 0; ++start) {
            int cubes = 0;
            bool whole = true;
            for (int k = 0; k < 3; ++k) {
                int cx = horizontal ? x + start + k : x, cy = horizontal ? y : y + start + k;
                if (!sim.Inside(cx, cy) || !sim.cells[cx][cy].active) {
                    whole = false;
                    break;
                }
                cubes += sim.cells[cx][cy].locked;
            }
            if (whole && cubes <= 1) return true;
        }
    return false;
}

// The score of an aimed item on a target, or a negative value when the target cannot take it.
float AimScore(const TSim& sim, int code, int fromX, int fromY, int x, int y, const TBotWeights& weights) {
    const TSimCell& cell = sim.cells[x][y];
    if (!cell.active || (x == fromX && y == fromY)) return -1.0f;
    if (code == ITEM_SNOWBALL) {
        if (cell.locked) return -1.0f; // the board refuses a snowball on an ice cube
        if (cell.layers == 0) return 0.0f;
        return weights.Layer * float(cell.layers) + (LineCanReach(sim, x, y) ? 0.0f : weights.Unreached);
    }
    if (code == ITEM_STAR) {
        if (cell.code == 0 || cell.code == GEM_GONE) return -1.0f;
        if (cell.locked) return weights.Cube;
        return cell.code <= LAST_SHAPE ? 1.0f + float(cell.layers) : 0.0f;
    }
    return cell.locked ? weights.Cube : 0.0f; // the matchstick
}

// Cubes hit and gems on ice destroyed by a pudding or a cracker over the cells.
template <typename Cells>
float DestroyScore(const TSim& sim, const TBotWeights& weights, int& cubes, Cells cells) {
    float score = 0.0f;
    cells([&](int x, int y) {
        if (!sim.Inside(x, y)) return;
        const TSimCell& cell = sim.cells[x][y];
        if (cell.locked) {
            score += weights.Cube;
            ++cubes;
        } else if (IsShape(cell.code) && cell.layers > 0) {
            score += weights.GemOnIce;
        }
    });
    return score;
}

TBotAction ScoreClickItem(const TSim& sim, int x, int y, int code, const TBotWeights& weights) {
    TBotAction a;
    a.Kind = TBotAction::FIRE;
    a.X1 = x;
    a.Y1 = y;
    a.Code = code;
    auto square = [&](auto visit) {
        for (int ax = x - 1; ax <= x + 1; ++ax)
            for (int ay = y - 1; ay <= y + 1; ++ay)
                visit(ax, ay);
    };
    if (code == ITEM_PUDDING) {
        a.Score = DestroyScore(sim, weights, a.IceScore, square);
    } else if (code == ITEM_HORIZONTAL_CRACKER) {
        a.Score = DestroyScore(sim, weights, a.IceScore, [&](auto visit) {
            for (int ax = 0; ax < sim.w; ++ax)
                visit(ax, y);
        });
    } else if (code == ITEM_VERTICAL_CRACKER) {
        a.Score = DestroyScore(sim, weights, a.IceScore, [&](auto visit) {
            for (int ay = 0; ay < sim.h; ++ay)
                visit(x, ay);
        });
    } else if (code == ITEM_SNOWMAN) {
        square([&](int ax, int ay) {
            if (!sim.Inside(ax, ay)) return;
            const TSimCell& cell = sim.cells[ax][ay];
            if (cell.active && !cell.locked && cell.layers > 0) {
                a.Score += weights.Layer * float(cell.layers);
                ++a.IceScore;
            }
        });
    } else {
        a.Score = weights.Sack;
    }
    return a;
}

// The aimed item at (x, y) with its best target, ties to the first in the scan.
TBotAction ScoreAimedItem(const TSim& sim, int x, int y, int code, const TBotWeights& weights) {
    TBotAction a;
    a.Kind = TBotAction::AIM;
    a.X1 = x;
    a.Y1 = y;
    a.Code = code;
    a.Score = -1.0f;
    for (int ty = 0; ty < sim.h; ++ty)
        for (int tx = 0; tx < sim.w; ++tx) {
            float score = AimScore(sim, code, x, y, tx, ty, weights);
            if (score > a.Score) {
                a.Score = score;
                a.X2 = tx;
                a.Y2 = ty;
            }
        }
    a.IceScore = a.Score > 0.0f && (code == ITEM_SNOWBALL || sim.cells[a.X2][a.Y2].locked) ? 1 : 0;
    if (a.X2 < 0) a.Kind = TBotAction::NONE;
    return a;
}

// The score of a swap of (x1, y1) with (x2, y2), or a negative value when the board refuses it.
TBotAction ScoreSwap(const TSim& board, int x1, int y1, int x2, int y2, const TBotWeights& weights) {
    TBotAction a;
    a.Kind = TBotAction::SWAP;
    a.X1 = x1;
    a.Y1 = y1;
    a.X2 = x2;
    a.Y2 = y2;
    TSim sim = board;
    std::swap(sim.cells[x1][y1].code, sim.cells[x2][y2].code);
    TLineMarks marks;
    FindLines(sim, marks);
    if (!marks[x1][y1] && !marks[x2][y2]) {
        a.Kind = TBotAction::NONE;
        return a;
    }
    TResolved first = Resolve(sim, marks, weights);
    a.Score = first.score + weights.LowRow * float(first.lowestRow + 1) / float(sim.h);
    a.IceScore = first.ice;
    for (int round = 0; weights.Lookahead && round < 20; ++round) {
        Fall(sim);
        if (FindLines(sim, marks) == 0) break;
        a.Score += weights.Cascade * Resolve(sim, marks, weights).score;
    }
    return a;
}

// A cell whose gem can take part in a swap: active, not in an ice cube, not bursting.
bool SwapPartner(const TSimCell& cell) {
    return cell.active && !cell.locked && cell.code != GEM_GONE;
}

} // namespace

std::string TBotAction::Text() const {
    auto cell = [](int x, int y) { return std::to_string(x) + "," + std::to_string(y); };
    switch (Kind) {
    case SWAP:
        return "swap " + cell(X1, Y1) + "-" + cell(X2, Y2);
    case FIRE:
        return "fire " + std::to_string(Code) + " at " + cell(X1, Y1);
    case AIM:
        return "aim " + std::to_string(Code) + " from " + cell(X1, Y1) + " at " + cell(X2, Y2);
    case TARGET:
        return "target " + std::to_string(Code) + " at " + cell(X2, Y2);
    default:
        return "none";
    }
}

std::vector<std::pair<int, int>> TBotAction::Clicks() const {
    switch (Kind) {
    case SWAP:
    case AIM:
        return {{X1, Y1}, {X2, Y2}};
    case FIRE:
        return {{X1, Y1}};
    case TARGET:
        return {{X2, Y2}};
    default:
        return {};
    }
}

std::vector<TBotAction> TLevelBot::Swaps() const {
    std::vector<TBotAction> swaps;
    if (!GameGrid) return swaps;
    TSim sim = CopyBoard();
    for (int y = 0; y < sim.h; ++y)
        for (int x = 0; x < sim.w; ++x)
            for (auto [nx, ny] : {std::pair{x + 1, y}, std::pair{x, y + 1}}) {
                if (!sim.Inside(nx, ny) || !SwapPartner(sim.cells[x][y]) || !SwapPartner(sim.cells[nx][ny]))
                    continue;
                // The first click goes to a shape; an item or an empty cell can only be its partner.
                bool first = sim.Shape(x, y), second = sim.Shape(nx, ny);
                if (!first && !second) continue;
                TBotAction a =
                    first ? ScoreSwap(sim, x, y, nx, ny, Weights) : ScoreSwap(sim, nx, ny, x, y, Weights);
                if (a.Kind != TBotAction::NONE) swaps.push_back(a);
            }
    return swaps;
}

std::vector<TBotAction> TLevelBot::Items() const {
    std::vector<TBotAction> items;
    if (!GameGrid) return items;
    TSim sim = CopyBoard();
    for (int y = 0; y < sim.h; ++y)
        for (int x = 0; x < sim.w; ++x) {
            const TSimCell& cell = sim.cells[x][y];
            if (!cell.active || cell.locked || !IsItem(cell.code)) continue;
            TBotAction a = IsAimedItem(cell.code) ? ScoreAimedItem(sim, x, y, cell.code, Weights)
                                                  : ScoreClickItem(sim, x, y, cell.code, Weights);
            if (a.Kind != TBotAction::NONE) items.push_back(a);
        }
    return items;
}

TBotAction TLevelBot::PickBest(const std::vector<TBotAction>& actions) {
    if (actions.empty()) return TBotAction();
    float best = actions[0].Score;
    for (const TBotAction& a : actions)
        best = std::max(best, a.Score);
    std::vector<const TBotAction*> tied;
    for (const TBotAction& a : actions)
        if (std::fabs(a.Score - best) < 1e-4f) tied.push_back(&a);
    return *tied[tied.size() == 1 ? 0 : rng() % tied.size()];
}

TBotAction TLevelBot::Choose() {
    if (!GameGrid) return TBotAction();
    if (GameGrid->Mode == 1) {
        TCell* selected = CellAt(GameGrid->cx, GameGrid->cy);
        int code = selected && selected->Gem ? selected->Gem->GemType : 0;
        if (IsAimedItem(code)) {
            TBotAction a = ScoreAimedItem(CopyBoard(), GameGrid->cx, GameGrid->cy, code, Weights);
            if (a.Kind != TBotAction::NONE) a.Kind = TBotAction::TARGET;
            return a;
        }
    }
    std::vector<TBotAction> actions = Swaps(), items = Items();
    actions.insert(actions.end(), items.begin(), items.end());
    TBotAction best = PickBest(actions);
    // A swap that breaks no ice loses to any item: items block lines while they wait.
    if (best.Kind == TBotAction::SWAP && best.IceScore == 0 && !items.empty()) return PickBest(items);
    return best;
}
