// Rules on a level's design as a whole: its ice must draw a pattern a random scatter would not, no
// two levels share one outline of holes, and each level keeps its chapter's plan of size, ice
// layers and thick-ice share.
#pragma once

#include "level_rules.h"

#include <vector>

namespace levelcheck {

constexpr int DESIGN_SHUFFLES = 200;
constexpr double DESIGN_MIN_Z = 2.0;
constexpr double DESIGN_MIN_SYMMETRY = 0.85;

// How far a level's ice stands from noise.
struct TPatternFigures {
    int Agreeing = 0;         // neighbouring active cells of one class (plain, pane, thick)
    double ShuffleMean = 0.0; // the same count over the seeded shuffles of the level's own cells
    double ShuffleSd = 0.0;
    double Z = 0.0;        // (Agreeing - mean) / sd; 0 when the shuffles cannot differ
    double Symmetry = 0.0; // the best share of active cells whose mirror or turned image matches
};

TPatternFigures PatternFigures(const TLevelFile& file, unsigned seed);
// The design rule: z at least DESIGN_MIN_Z or symmetry at least DESIGN_MIN_SYMMETRY.
TProblems CheckPattern(const TLevelSource& source);
// The chapter's sizes, Gold range and thick share.
TProblems CheckChapterPlan(const TLevelSource& source);
// One problem per level whose outline of active cells another level has, turned or mirrored.
TProblems CheckUniqueOutlines(const std::vector<TLevelSource>& sources);

} // namespace levelcheck
