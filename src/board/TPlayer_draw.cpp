#include "board/TBoardHost.h"
#include "board/TPlayer.h"
#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "framework/cc_strings.h"
#include "framework/cc_timing.h"
#include "platform/font.h"

#include <string>

namespace {

// The interface font with the heads-up texts' shadow.
void SetHeadsUpText() {
    platform::SetImageFont(UIFont);
    ccShadowTextSet(1.0f, 1.0f, 0.6f);
}

float MillisecondsPerTick() {
    return Game && Game->FixedRateLogic ? Game->FixedRateLogic->MS : 5.0f;
}

} // namespace

int TPlayer::ScoreDraw(float textX, float textY) {
    SetHeadsUpText();
    ccDrawText(ccPadWithZeros(std::to_string(Score - LevelStartScore), 6), textX, textY + 40.0f, 1, 0);
    return 0;
}

int TPlayer::LevelDraw(float textX, float textY) {
    SetHeadsUpText();
    ccDrawTextCentred(std::to_string(BoardHost().Player().Level), textX, textY + 40.0f, 1, 0);
    return 0;
}

int TPlayer::TimeDraw(float textX, float textY) {
    SetHeadsUpText();
    int minutes = 0, seconds = 0;
    ccMillisecsToMinutes(TimeTaken * MillisecondsPerTick(), minutes, seconds);
    ccDrawText(std::to_string(minutes) + ": " + ccPadWithZeros(std::to_string(seconds), 2), textX,
               textY + 40.0f, 1, 0);
    return 0;
}
