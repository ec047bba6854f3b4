// The codes a gem's GemType takes: -1 gone or bursting, 1 to 7 the ordinary shapes that make
// lines, 8 to 15 the bonus items. Level files name preset gems and bonus lists by these codes.
#pragma once

constexpr int GEM_GONE = -1;
constexpr int FIRST_SHAPE = 1, LAST_SHAPE = 7;

constexpr int ITEM_PUDDING = 8;
constexpr int ITEM_HORIZONTAL_CRACKER = 9;
constexpr int ITEM_VERTICAL_CRACKER = 10;
constexpr int ITEM_STAR = 11;
constexpr int ITEM_SNOWMAN = 12;
constexpr int ITEM_SNOWBALL = 13;
constexpr int ITEM_MATCHSTICK = 14;
constexpr int ITEM_SACK = 15; // becomes another item when clicked
constexpr int FIRST_ITEM = ITEM_PUDDING, LAST_ITEM = ITEM_SACK;

// An ordinary shape, one that makes lines.
constexpr bool IsShape(int code) {
    return code >= FIRST_SHAPE && code <= LAST_SHAPE;
}
constexpr bool IsItem(int code) {
    return code >= FIRST_ITEM && code <= LAST_ITEM;
}
// Picked up first, then applied to a cell of the player's choice.
constexpr bool IsAimedItem(int code) {
    return code == ITEM_STAR || code == ITEM_SNOWBALL || code == ITEM_MATCHSTICK;
}
// Fired where it stands by a click.
constexpr bool IsClickItem(int code) {
    return code == ITEM_PUDDING || code == ITEM_HORIZONTAL_CRACKER || code == ITEM_VERTICAL_CRACKER ||
           code == ITEM_SNOWMAN;
}
