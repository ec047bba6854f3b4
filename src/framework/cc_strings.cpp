#include "framework/cc_strings.h"

#include "platform/font.h"

#include <algorithm>

std::string ccFirstString(const std::string& text) {
    return ccFirstStringToSub(text, ",");
}

std::string ccFirstStringToSub(const std::string& text, const std::string& separator) {
    size_t p = text.find(separator);
    return p == std::string::npos ? text : text.substr(0, p);
}

std::string ccLastStringToSub(const std::string& text, const std::string& separator) {
    size_t p = text.find(separator);
    return p == std::string::npos ? "" : text.substr(p + separator.size());
}

std::string ccFirstStringToSubChop(std::string& text, const std::string& separator) {
    size_t p = text.find(separator);
    if (p == std::string::npos) {
        std::string whole = text;
        text = "";
        return whole;
    }
    std::string first = text.substr(0, p);
    text = text.substr(std::min(p + 1, text.size())); // an empty separator matches even in ""
    return first;
}

std::string ccMid(const std::string& text, int position, int count) {
    if (count < 0) return "";
    int start = std::max(0, position - 1);
    if (start >= int(text.size())) return "";
    return text.substr(size_t(start), size_t(count));
}

std::string ccAddQuotes(const std::string& text) {
    return "\"" + text + "\"";
}

std::string ccPadWithZeros(const std::string& text, int length) {
    return ccPadRightWithChar(text, length, "0");
}

std::string ccPadRightWithChar(const std::string& text, int length, const std::string& pad) {
    std::string s = text;
    while (!pad.empty() && int(s.size()) < length)
        s = pad + s;
    return s;
}

std::string ccPadWithChar(const std::string& text, int length, const std::string& pad) {
    std::string s = text;
    while (!pad.empty() && int(s.size()) < length)
        s += pad;
    return s;
}

std::string ccIntToStringWithSign(int value) {
    return (value > 0 ? "+" : "") + std::to_string(value);
}

int ccListStringIndex(const TStringArray& list, const std::string& text) {
    auto it = std::find(list.begin(), list.end(), text);
    return it == list.end() ? -1 : int(it - list.begin());
}

int ccCopyStringArray(const TStringArray& source, TStringArray& target, int first, int last) {
    if (last == -1) last = int(source.size()) - 1;
    target.clear();
    for (int i = std::max(0, first); i <= last && i < int(source.size()); ++i) {
        target.resize(size_t(i) + 1);
        target[size_t(i)] = source[size_t(i)];
    }
    return 0;
}

TStringArray ccRemoveStringArraySlots(const TStringArray& array, int first, int last) {
    TStringArray out;
    for (int i = 0; i < int(array.size()); ++i)
        if (i < first || i > last) out.push_back(array[size_t(i)]);
    return out;
}

int ccSortIntArray(std::vector<int>& array, int ascending) {
    if (ascending) {
        std::sort(array.begin(), array.end());
    } else {
        std::sort(array.begin(), array.end(), std::greater<int>());
    }
    return 0;
}

TStringArray ccSplitStringIntoLines(const std::string& text) {
    TStringArray lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        size_t end = (lf > start && text[lf - 1] == '\r') ? lf - 1 : lf;
        lines.push_back(text.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

namespace {

float MeasureText(const std::string& text, const TTextMeasure* font) {
    return font ? font->StringWidth(text) : float(platform::TextWidth(text));
}

// One pass turning each pair of blanks into one, left to right.
std::string HalveBlankPairs(const std::string& line) {
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        out += line[i];
        if (line[i] == ' ' && i + 1 < line.size() && line[i + 1] == ' ') ++i;
    }
    return out;
}

// The text before the next blank, removed from rest together with that blank.
std::string TakeWord(std::string& rest) {
    size_t blank = rest.find(' ');
    std::string word = rest.substr(0, blank);
    rest = blank == std::string::npos ? "" : rest.substr(blank + 1);
    return word;
}

struct TWrapWidth {
    float width;
    float laterWidth;
    int lineNumber;
};

void AppendLine(TStringArray& out, const std::string& line, TWrapWidth& w) {
    out.push_back(line);
    if (int(out.size()) == w.lineNumber - 1) w.width = w.laterWidth;
}

void WrapLine(const std::string& input, TStringArray& out, TWrapWidth& w, const TTextMeasure* font,
              float scale) {
    if (input.empty()) {
        AppendLine(out, "", w);
        return;
    }
    std::string rest = HalveBlankPairs(input);
    std::string current = TakeWord(rest);
    while (!rest.empty()) {
        std::string word = TakeWord(rest);
        // NOTE: a run of three or more blanks leaves an empty word; skip it rather than drop the
        // rest of the line.
        if (word.empty()) continue;
        std::string candidate = current + " " + word;
        if (MeasureText(candidate, font) * scale > w.width) {
            AppendLine(out, current, w);
            current = word;
        } else {
            current = candidate;
        }
    }
    AppendLine(out, current, w);
}

} // namespace

TStringArray ccWordWrapArray(const TStringArray& lines, int width, const TTextMeasure* font, float scale) {
    return ccWordWrapArraySpecial(lines, width, width, 0, font, scale);
}

TStringArray ccWordWrapArraySpecial(const TStringArray& lines, int width, int laterWidth, int lineNumber,
                                    const TTextMeasure* font, float scale) {
    TWrapWidth w{float(width), float(laterWidth), lineNumber};
    TStringArray out;
    for (const std::string& line : lines)
        WrapLine(line, out, w, font, scale);
    return out;
}
