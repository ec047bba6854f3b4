#include "framework/cc_ini.h"

#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "platform/text.h"

std::string ccIniFirstString(const std::string& line) {
    return line.substr(0, line.find('='));
}

std::string ccIniLastString(const std::string& line) {
    size_t p = line.find('=');
    return p == std::string::npos ? "" : line.substr(p + 1);
}

std::string ccIniValueForLine(const std::string& value) {
    std::string out = value;
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

bool ccReadTextLines(const std::string& path, TStringArray& lines) {
    std::string text;
    lines.clear();
    if (!platform::LoadText(path, text)) return false;
    size_t start = 0;
    while (start < text.size()) {
        size_t lf = text.find('\n', start);
        size_t end = lf == std::string::npos ? text.size() : lf;
        std::string line = text.substr(start, end - start);
        // The end of the file ends a line as LF does: one CR before either is dropped.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return true;
}

std::string ccReadIniLine(const std::string& path, const std::string& key) {
    std::string wanted = platform::Upper(key);
    TStringArray lines;
    // NOTE: read-only, so a settings file the user cannot write still gives its values.
    if (!ccReadTextLines(path, lines)) return "";
    for (const std::string& line : lines)
        if (platform::Upper(ccIniFirstString(line)) == wanted) return ccIniLastString(line);
    return "";
}

int ccWriteIniLine(const std::string& sourcePath, const std::string& destPath, const std::string& key,
                   const std::string& value) {
    std::string wanted = platform::Upper(key);
    TStringArray lines;
    // The source is read whole before the destination is written, so both may be one file; and
    // it is only read, so the packaged read-only defaults work as a source.
    if (!ccReadTextLines(sourcePath, lines)) return 0;
    std::string bytes;
    for (const std::string& line : lines) {
        bool match = platform::Upper(ccIniFirstString(line)) == wanted;
        bytes += (match ? wanted + "=" + ccIniValueForLine(value) : line) + "\r\n";
    }
    if (!platform::SaveTextAtomic(destPath, bytes)) return 0;
    ccShareFileOSX(destPath);
    return 1;
}

int ccWriteIniNumber(platform::TStream& stream, const std::string& key, int number) {
    stream.WriteLine(platform::Upper(key) + "=" + std::to_string(number));
    return 0;
}

int ccWriteIniString(platform::TStream& stream, const std::string& key, const std::string& text) {
    stream.WriteLine(platform::Upper(key) + "=" + ccIniValueForLine(text));
    return 0;
}

int ccTestSectionHeader(const std::string& name, const std::string& line) {
    // NOTE: the message says "hot found": that is the game's error text, word for word.
    if (platform::Upper(line) != "[" + name + "]") ccRunTimeError("[" + name + "] header hot found", 1);
    return 0;
}

TStringArray ccLoadSectionArrayFromArray(const TStringArray& lines, int& index) {
    TStringArray section;
    // A negative index has no lines to collect (and must not read before the array).
    while (index >= 0 && index < int(lines.size()) &&
           (lines[size_t(index)].empty() || lines[size_t(index)][0] != '[')) {
        section.push_back(lines[size_t(index)]);
        ++index;
    }
    return section;
}

TStringArray ccLoadSectionArrayFromFile(platform::TStream& stream, std::string& lastLine) {
    TStringArray section;
    std::string line = stream.Eof() ? "" : stream.ReadLine();
    while ((line.empty() || line[0] != '[') && !stream.Eof()) {
        section.push_back(line);
        line = stream.ReadLine();
    }
    lastLine = line;
    // The stream's last line belongs to the section.
    if (!line.empty() && line[0] != '[') section.push_back(line);
    return section;
}

std::string ccLoadSectionStringFromArray(const TStringArray& lines, int& index) {
    std::string line = index >= 0 && index < int(lines.size()) ? lines[size_t(index)] : "";
    ++index;
    return line;
}

std::string ccLoadSectionStringFromFile(platform::TStream& stream, std::string& nextLine) {
    std::string first = stream.Eof() ? "" : stream.ReadLine();
    nextLine = stream.Eof() ? "" : stream.ReadLine();
    return first;
}
