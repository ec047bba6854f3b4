// Text helpers: separators, padding, string arrays, splitting into lines and the greedy word wrap
// that every wrapped text of the game goes through. Texts are 8-bit strings; positions 1-based.
#pragma once

#include <string>
#include <vector>

using TStringArray = std::vector<std::string>;

// Anything that measures a line of text in pixels at scale 1: the bitmap fonts, or a fake in tests.
class TTextMeasure {
public:
    virtual ~TTextMeasure() = default;
    virtual float StringWidth(const std::string& text) const = 0;
};

std::string ccFirstString(const std::string& text);
std::string ccFirstStringToSub(const std::string& text, const std::string& separator);
std::string ccLastStringToSub(const std::string& text, const std::string& separator);
// Returns the text before the separator and leaves in text what follows the separator's first
// character ("" when it is absent).
std::string ccFirstStringToSubChop(std::string& text, const std::string& separator);
std::string ccMid(const std::string& text, int position, int count);
std::string ccAddQuotes(const std::string& text);

std::string ccPadWithZeros(const std::string& text, int length);
std::string ccPadRightWithChar(const std::string& text, int length, const std::string& pad);
std::string ccPadWithChar(const std::string& text, int length, const std::string& pad);
std::string ccIntToStringWithSign(int value);

// 0-based position of the first entry that is that very object (nulls skipped, not counted).
template <class List, class Object> int ccListIndex(const List& list, const Object& object) {
    int index = 0;
    for (const auto& entry : list) {
        if (!entry) continue;
        if (entry == object) return index;
        ++index;
    }
    return -1;
}
int ccListStringIndex(const TStringArray& list, const std::string& text);
// last -1: the source's last index. Entries before first are "".
int ccCopyStringArray(const TStringArray& source, TStringArray& target, int first, int last);
TStringArray ccRemoveStringArraySlots(const TStringArray& array, int first, int last);
int ccSortIntArray(std::vector<int>& array, int ascending);

TStringArray ccSplitStringIntoLines(const std::string& text);
// Greedy wrap to width pixels, measured with font (null: the current image font) times scale.
TStringArray ccWordWrapArray(const TStringArray& lines, int width, const TTextMeasure* font, float scale);
// The same, wrapping output lines from the lineNumber-th on to laterWidth.
TStringArray ccWordWrapArraySpecial(const TStringArray& lines, int width, int laterWidth, int lineNumber,
                                    const TTextMeasure* font, float scale);
