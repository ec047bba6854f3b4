// The chapter plan: eleven chapters of five levels, each with its ranges of board size, Gold, thick
// share and ice cubes, and its targets for the bot's wins and margins. The checker holds every
// level to its chapter's sides, Gold and thick share and warns on the targets; draft_levels.py
// reads the rows below to say how its drafts stand against the plan, so keep one row a line.
#pragma once

#include <algorithm>

namespace levelcheck {

struct TRange {
    int Low, High;
};

struct TChapterPlan {
    TRange ShortSide, LongSide; // the board's sides, in either order
    TRange Gold;
    TRange Thick;  // percent of the iced cells
    TRange Cubes;  // ice cubes: what the designs aim at, not a rule
    int Wins;      // percent of the seeds won within the time
    TRange Margin; // percent
};

constexpr int CHAPTERS = 11;

// clang-format off
constexpr TChapterPlan CHAPTER_PLAN[CHAPTERS] = {
//   short     long      Gold        thick %     cubes     wins  margin %
    {{7, 8},   {7, 9},   {20, 40},   {0, 0},     {0, 5},   95,   {50, 70}}, // 1: levels 1-5
    {{9, 10},  {9, 10},  {35, 90},   {0, 100},   {2, 6},   90,   {40, 60}}, // 2: levels 6-10
    {{9, 10},  {10, 11}, {60, 100},  {20, 35},   {4, 8},   85,   {35, 50}}, // 3: levels 11-15
    {{10, 11}, {10, 11}, {70, 110},  {25, 40},   {4, 8},   85,   {30, 45}}, // 4: levels 16-20
    {{10, 11}, {12, 12}, {80, 120},  {30, 45},   {6, 10},  80,   {25, 40}}, // 5: levels 21-25
    {{10, 11}, {13, 13}, {90, 135},  {30, 50},   {6, 10},  80,   {20, 35}}, // 6: levels 26-30
    {{10, 11}, {11, 13}, {95, 140},  {25, 40},   {10, 16}, 75,   {20, 30}}, // 7: levels 31-35
    {{11, 11}, {12, 13}, {90, 140},  {35, 50},   {4, 8},   75,   {15, 30}}, // 8: levels 36-40
    {{11, 11}, {11, 13}, {110, 170}, {60, 100},  {6, 12},  70,   {15, 25}}, // 9: levels 41-45
    {{11, 11}, {12, 13}, {120, 180}, {40, 60},   {8, 14},  65,   {10, 25}}, // 10: levels 46-50
    {{11, 11}, {13, 13}, {140, 210}, {50, 70},   {10, 16}, 60,   {10, 20}}, // 11: levels 51-55
};
// clang-format on

// The chapter of a level, 1..CHAPTERS (levels past the last chapter count as its own).
inline int ChapterOf(int level) {
    return std::clamp((level - 1) / 5 + 1, 1, CHAPTERS);
}

inline const TChapterPlan& ChapterPlan(int level) {
    return CHAPTER_PLAN[ChapterOf(level) - 1];
}

} // namespace levelcheck
