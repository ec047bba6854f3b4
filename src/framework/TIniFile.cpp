#include "framework/TIniFile.h"

#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "framework/cc_ini.h"
#include "platform/TStream.h"
#include "platform/text.h"

int TIniFile::Add(const std::string& name, const std::string& value) {
    auto line = std::make_shared<TIniLine>();
    line->Name = platform::Upper(name);
    line->Value = value;
    AddLast(line);
    return 0;
}

int TIniFile::Save() {
    std::string path = Path();
    std::string bytes;
    for (const auto& line : *this)
        if (line) bytes += line->Name + "=" + ccIniValueForLine(line->Value) + "\r\n";
    if (!platform::SaveTextAtomic(path, bytes)) {
        ccRunTimeError("Failed to save file " + path, 1);
        return 0;
    }
    ccShareFileOSX(path);
    return 0;
}

int TIniFile::Load() {
    TStringArray lines;
    // An unreadable file counts as empty: the defaults stand and are written out.
    ccReadTextLines(Path(), lines);
    for (const std::string& text : lines) {
        std::string key = platform::Upper(ccIniFirstString(text));
        std::string value = ccIniLastString(text);
        for (const auto& line : *this)
            if (line && line->Name == key) line->Value = value;
    }
    return Save();
}
