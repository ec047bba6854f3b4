#include "board/TBoardHost.h"
#include "board/TPlayer.h"
#include "core/TGame.h"
#include "core/fonts.h"
#include "framework/cc_draw.h"
#include "framework/cc_strings.h"
#include "framework/cc_timing.h"
#include "platform/draw.h"
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

// The text's width with every digit as wide as the font's widest one, so the fitting scale
// changes only when the number of digits does.
float WidestDigitsWidth(std::string text) {
    char widest = '0';
    for (char digit = '1'; digit <= '9'; ++digit)
        if (platform::TextWidth(std::string(1, digit)) > platform::TextWidth(std::string(1, widest)))
            widest = digit;
    for (char& c : text)
        if (c >= '0' && c <= '9') c = widest;
    return float(platform::TextWidth(text));
}

// Draws with the horizontal scale that fits the text into room pixels (0: no limit), keeping its
// height and baseline, and scale 1 afterwards.
template <typename Draw> void DrawInRoom(const std::string& text, float room, Draw draw) {
    const float width = WidestDigitsWidth(text);
    const bool squeeze = room > 0.0f && width > room;
    if (squeeze) platform::SetScale(room / width, 1.0f);
    draw(text);
    if (squeeze) platform::SetScale(1.0f, 1.0f);
}

} // namespace

int TPlayer::ScoreDraw(float textX, float textY, float room) {
    SetHeadsUpText();
    DrawInRoom(ccPadWithZeros(std::to_string(Score - LevelStartScore), 6), room,
               [&](const std::string& text) { ccDrawText(text, textX, textY + 40.0f, 1, 0); });
    return 0;
}

int TPlayer::LevelDraw(float textX, float textY, float room) {
    SetHeadsUpText();
    DrawInRoom(std::to_string(BoardHost().Player().Level), room,
               [&](const std::string& text) { ccDrawTextCentred(text, textX, textY + 40.0f, 1, 0); });
    return 0;
}

int TPlayer::TimeDraw(float textX, float textY, float room) {
    SetHeadsUpText();
    int minutes = 0, seconds = 0;
    ccMillisecsToMinutes(TimeTaken * MillisecondsPerTick(), minutes, seconds);
    DrawInRoom(std::to_string(minutes) + ": " + ccPadWithZeros(std::to_string(seconds), 2), room,
               [&](const std::string& text) { ccDrawText(text, textX, textY + 40.0f, 1, 0); });
    return 0;
}
