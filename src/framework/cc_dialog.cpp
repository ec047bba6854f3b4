// The blocking message box of error reports and the player manager: drawn over whatever the
// frame holds until any key or mouse button is hit, or the window is closed. Every line of the
// message stays inside the box: long words (paths) are broken, and the box grows to hold them.
#include "framework/cc_draw.h"
#include "framework/cc_errors.h"
#include "framework/cc_input.h"
#include "framework/cc_strings.h"
#include "framework/core_services.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/input.h"

#include <algorithm>

namespace {

constexpr int MARGIN = 10; // pixels

// The longest start of text that fits in width pixels, at least one character.
size_t FittingLength(const std::string& text, int width) {
    size_t n = 1;
    while (n < text.size() && platform::TextWidth(text.substr(0, n + 1)) <= width)
        ++n;
    return n;
}

// A line still wider than the box after word wrapping holds one long word, in practice a path:
// it breaks after a "/" where the rest no longer fits, so the file name stays whole, and between
// characters only where a single name is wider than the box.
void BreakWideLine(const std::string& line, int width, TStringArray& out) {
    std::string current;
    for (size_t start = 0; start < line.size();) {
        size_t slash = line.find('/', start);
        size_t end = slash == std::string::npos ? line.size() : slash + 1;
        std::string piece = line.substr(start, end - start);
        start = end;
        if (platform::TextWidth(current + piece) <= width) {
            current += piece;
            continue;
        }
        if (!current.empty()) out.push_back(current);
        current = piece;
        while (platform::TextWidth(current) > width) {
            size_t n = FittingLength(current, width);
            out.push_back(current.substr(0, n));
            current.erase(0, n);
        }
    }
    if (!current.empty()) out.push_back(current);
}

// The message's lines, each inside width pixels of the current font.
TStringArray BoxLines(const std::string& message, int width) {
    TStringArray lines;
    for (const std::string& line : ccWordWrapArray(ccSplitStringIntoLines(message), width, nullptr, 1.0f)) {
        if (platform::TextWidth(line) <= width)
            lines.push_back(line);
        else
            BreakWideLine(line, width, lines);
    }
    return lines;
}

// The box grows, from its given height, to hold every line above the prompt with a gap between.
int BoxHeight(int height, size_t lineCount) {
    const int lineHeight = platform::TextHeight("");
    return std::max(height, 3 * MARGIN + (int(lineCount) + 1) * lineHeight);
}

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
    ccRestoreSolidMode();
    platform::ImageFontRef previousFont = platform::GetImageFont();
    platform::SetImageFont(nullptr); // the built-in font: always there, whatever failed to load
    TStringArray lines = BoxLines(message, width - 2 * MARGIN);
    height = BoxHeight(height, lines.size());
    int x = (ScreenWidth - width) / 2;
    int y = (ScreenHeight - height) / 2;
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
