#include "profiles/TGameText.h"

#include "core/TGame.h"
#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "framework/cc_ini.h"
#include "platform/text.h"

namespace {

bool IsHeaderLine(const std::string& line) {
    return !line.empty() && line[0] == '[';
}

} // namespace

TGameTextRef TGameText::Create(const std::string& fileName) {
    auto table = std::make_shared<TGameText>();
    table->Read(fileName);
    return table;
}

int TGameText::Read(const std::string& fileName) {
    Clear();
    const std::string path = Game->TextPath + fileName;
    platform::StreamRef stream = ccLoadFile(path);
    const TStringArray lines = ccSplitStringIntoLines(stream->ReadAll());
    stream->Close();
    int index = 0;
    while (index < int(lines.size())) {
        ccTestSectionHeader("TEXT", lines[size_t(index)]);
        ++index;
        if (index >= int(lines.size()) || IsHeaderLine(lines[size_t(index)])) {
            ccRunTimeError("Error loading file " + path + ": a [TEXT] section has no key line", 1);
            return 0;
        }
        const std::string key = platform::Upper(lines[size_t(index)]);
        ++index;
        Insert(key, std::make_shared<TStringArray>(ccLoadSectionArrayFromArray(lines, index)));
    }
    return 0;
}

TStringArray TGameText::Find(const std::string& key) const {
    Value lines = ValueForKey(platform::Upper(key));
    return lines ? *lines : TStringArray{};
}

std::string TGameText::FindString(const std::string& key) const {
    const TStringArray lines = Find(key);
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\r\n") + lines[i];
    return text;
}
