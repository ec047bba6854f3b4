#include "board/TLevelFile.h"
#include "board/gem_codes.h"

#include "core/TGame.h"
#include "framework/cc_strings.h"
#include "platform/files.h"
#include "platform/text.h"

namespace {

// The comma-separated values of a line: each the text before the next comma; a trailing comma
// adds nothing.
std::vector<int> Values(std::string rest) {
    std::vector<int> values;
    while (!rest.empty()) {
        values.push_back(platform::ToInt(ccFirstStringToSub(rest, ",")));
        rest = ccLastStringToSub(rest, ",");
    }
    return values;
}

// The shape or item a cell code presets (0 for none): 8..20 as they are, 21 and above less 20.
int PresetOf(int code) {
    if (code <= 7) return 0;
    return code > 20 ? code - 20 : code;
}

class TReader {
public:
    TReader(const std::vector<std::string>& l, TLevelFile::TError& e) : lines(l), error(e) {}

    // The next line, or a refusal naming what was expected there.
    bool Next(const char* what, std::string& line) {
        if (index >= lines.size())
            return Refuse(int(index) + 1, std::string("the file ends before its ") + what);
        line = lines[index++];
        return true;
    }
    bool Refuse(int line, const std::string& reason) {
        error.Line = line;
        error.Reason = reason;
        return false;
    }
    int LineNumber() const { return int(index); } // of the line read last
    bool AtEnd() const { return index >= lines.size(); }

private:
    const std::vector<std::string>& lines;
    TLevelFile::TError& error;
    size_t index = 0;
};

bool ReadHeader(TReader& in, TLevelFile& out) {
    std::string line;
    if (!in.Next("time line", line)) return false;
    if (platform::Upper(ccFirstStringToSub(line, ",")) == "REM") {
        out.Name = ccLastStringToSub(line, ",");
        if (!in.Next("time line", line)) return false;
    }
    out.TimeSeconds = platform::ToInt(line);
    if (!in.Next("bonus line", line)) return false;
    if (line != "0") {
        for (int code : Values(line)) {
            if (!IsItem(code))
                return in.Refuse(in.LineNumber(), "bonus code " + std::to_string(code) + " is not 8 to 15");
            out.Bonus.push_back(code);
        }
        if (int(out.Bonus.size()) > LEVEL_BONUS_MAX)
            return in.Refuse(in.LineNumber(),
                             "more than " + std::to_string(LEVEL_BONUS_MAX) + " bonus codes");
    }
    if (!in.Next("size line", line)) return false;
    out.Width = platform::ToInt(ccFirstStringToSub(line, ","));
    out.Height = platform::ToInt(ccLastStringToSub(line, ","));
    if (out.Width < 1 || out.Width > GRID_W || out.Height < 1 || out.Height > GRID_H)
        return in.Refuse(in.LineNumber(), "the size " + std::to_string(out.Width) + " x " +
                                              std::to_string(out.Height) +
                                              " is not 1 to 13 columns and 1 to 12 rows");
    if (!in.Next("offset line", line)) return false;
    out.OffsetX = platform::ToInt(ccFirstStringToSub(line, ","));
    out.OffsetY = platform::ToInt(ccLastStringToSub(line, ","));
    return true;
}

bool ReadRows(TReader& in, TLevelFile& out) {
    std::string line;
    for (int y = 0; !in.AtEnd(); ++y) {
        in.Next("row", line);
        std::vector<int> codes = Values(line);
        // A row of holes, or an empty line after the last row; a line of blanks is empty too.
        if (codes.empty() || line.find_first_not_of(" \t") == std::string::npos) continue;
        if (y >= out.Height)
            return in.Refuse(in.LineNumber(),
                             "more row lines than the " + std::to_string(out.Height) + " rows");
        if (int(codes.size()) > out.Width)
            return in.Refuse(in.LineNumber(), "a row of " + std::to_string(codes.size()) + " values on " +
                                                  std::to_string(out.Width) + " columns");
        for (int x = 0; x < int(codes.size()); ++x) {
            int preset = PresetOf(codes[x]);
            if (codes[x] > 7 && (preset < FIRST_SHAPE || preset > LAST_ITEM))
                return in.Refuse(in.LineNumber(), "cell code " + std::to_string(codes[x]) +
                                                      " presets no shape or item 1 to 15");
            out.Codes[x][y] = codes[x];
        }
    }
    return true;
}

} // namespace

std::string TLevelFile::TError::Message(const std::string& path) const {
    std::string where = Line > 0 ? ", line " + std::to_string(Line) : "";
    return "Error loading file " + platform::ShownPath(path) + where + ": " + Reason;
}

std::vector<std::string> TLevelFile::SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
            continue;
        }
        line += c;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

int TLevelFile::Parse(const std::string& text, TLevelFile& out, TError& error) {
    out = TLevelFile();
    error = TError();
    if (text.size() > size_t(LEVEL_FILE_MAX_BYTES)) {
        error.Reason = "the file is larger than 64 KiB";
        return 0;
    }
    // A byte-order mark that an editor put before the first line is no part of it.
    const std::string bom = "\xEF\xBB\xBF";
    std::vector<std::string> lines =
        SplitLines(text.compare(0, bom.size(), bom) == 0 ? text.substr(bom.size()) : text);
    TReader in(lines, error);
    if (!ReadHeader(in, out) || !ReadRows(in, out)) {
        out = TLevelFile();
        return 0;
    }
    return 1;
}

std::string LevelFilePath(int level) {
    std::string prefix = Game ? Game->DataPrefix : "";
    return prefix + "data/levels/" + std::to_string(level) + ".txt";
}
