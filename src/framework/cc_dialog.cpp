// The blocking message box of error reports and the player manager: drawn over whatever the
// frame holds until any key or mouse button is hit, or the window is closed.
#include "framework/cc_draw.h"
#include "framework/cc_errors.h"
#include "framework/cc_input.h"
#include "framework/cc_strings.h"
#include "framework/core_services.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/input.h"

namespace {

constexpr int MARGIN = 10; // pixels

void DrawBox(int x, int y, int width, int height, const TStringArray& lines) {
    platform::SetColor(0, 0, 0);
    platform::DrawRect(float(x + 4), float(y + 4), float(width), float(height)); // drop shadow
    platform::SetColor(150, 150, 150);
    platform::DrawRect(float(x), float(y), float(width), float(height));
    platform::SetColor(220, 220, 200);
    ccDrawRectOutline(x, y, width, height);
    platform::SetColor(0, 220, 220);
    ccShadowTextDepthX = 1.0f;
    ccShadowTextDepthY = 1.0f;
    int lineHeight = platform::TextHeight("");
    ccShadowTextWrapped(float(ScreenWidth / 2), float(y + MARGIN), lines, 1, lineHeight);
    platform::SetColor(0, 220, 0);
    ccShadowText(float(ScreenWidth / 2), float(y + height - lineHeight - MARGIN), "<press any key>", 1);
    ccFlip();
}

} // namespace

int ccDialogOK(const std::string& message, int width, int height) {
    int x = (ScreenWidth - width) / 2;
    int y = (ScreenHeight - height) / 2;
    ccRestoreSolidMode();
    platform::ImageFontRef previousFont = platform::GetImageFont();
    platform::SetImageFont(nullptr); // the built-in font: always there, whatever failed to load
    TStringArray lines = ccWordWrapArray(ccSplitStringIntoLines(message), width - 2 * MARGIN, nullptr, 1.0f);
    ccFlushAll(); // a key or click already pending must not close the box
    // A window close or terminate request dismisses the box like a click and stays queued, so
    // the game still quits when the box has not ended the program.
    while (!ccAnyKeyPressed() && !ccMouseHit() && !platform::QuitRequested())
        DrawBox(x, y, width, height, lines);
    platform::SetColor(255, 255, 255);
    ccFlushAll(); // the closing key or click reaches nobody else
    platform::SetImageFont(previousFont);
    return 0;
}
