// The high-score table on a screen of its own: each row slides in from alternate sides, turns from
// white to green as it settles, and a "clear" button empties the table after a yes/no question.
// No button of the game leads here; a caller that wants it sets it as the destination of a fade.
#pragma once

#include "core/TScreen.h"
#include "media/TSlideLine.h"
#include "widgets/TDialogYesNo.h"

#include <memory>
#include <string>

class THighScoresScreen;
using THighScoresScreenRef = std::shared_ptr<THighScoresScreen>;

class THighScoresScreen : public TScreen {
public:
    std::shared_ptr<TSlideLineList> SlideLines; // one line per row, the row attached
    int StartY = 200;                           // y of the first row
    int col1 = 80;                              // left edge of the names; where the rows come to rest
    int col2 = 600;                             // right edge of the scores
    int col3 = 720;                             // right edge of the levels
    int w = 0;                                  // col3 - col1 once the rows are built
    int height = 0;                             // 20 per row
    TDialogYesNoRef DialogYesNo;                // the open clear question

    static constexpr int ROW_GAP = 20;
    static constexpr int HEADING_SLOT = 30;

    int Load() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;
    int SetSlideLines();
    int ClearHighScores();

    // The scale at which a line of the main font fits a slot of that many pixels (at most 1).
    static float SlotScale(int slot);

private:
    void PlaceClearButton();
    void DrawHeadings();
    void DrawRows();
};

extern THighScoresScreenRef HighScoresScreen;
