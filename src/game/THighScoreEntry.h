// The name entry of the game-over screen: when the run's score reaches the high-score table, two
// prompts and a one-line name input above the screen's "OK" button; Enter or "OK" puts the name
// into the table once and saves it.
#pragma once

#include "board/TPlayer.h"
#include "widgets/TMenu.h"
#include "widgets/TTextInput.h"

#include <memory>

class THighScoreEntry;
using THighScoreEntryRef = std::shared_ptr<THighScoreEntry>;

class THighScoreEntry {
public:
    TTextInput InputName;
    int HighScore = 0; // 1 when the run's score qualifies for the table
    TMenuRef Menu;     // the owning screen's menu, holding "OK"
    int TopY = 330;    // y of the first prompt line
    const TPlayer* Player = nullptr;

    // Decides whether the player's score qualifies and, when it does, arms the name input.
    static THighScoreEntryRef Create(const TMenuRef& menu, const TPlayer& player);
    // One tick of the name input: 1 in the tick that Enter finished the name and added the entry.
    int Manage();
    int Finish();
    // Adds the entry and finishes the name, once, while a qualifying name is still being typed.
    int FinishAndAdd();
    // The row goes into the table (the lowest row of a full table makes room) and the table is saved.
    int AddToHighScores();
    int Draw();
    int Active() const;

    // A score qualifies while the table has free rows, or when it reaches the lowest row's score.
    static bool Qualifies(int score);
};
