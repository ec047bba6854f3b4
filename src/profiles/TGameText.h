// Keyed blocks of text from a file in the texts folder: sections of a "[TEXT]" header, a key
// line and the text's lines up to the next line starting with "[". Keys are kept upper-cased,
// so lookups ignore letter case. The game registers the class but keeps its texts elsewhere.
#pragma once

#include "framework/cc_strings.h"
#include "platform/TMap.h"

#include <memory>
#include <string>

class TGameText;
using TGameTextRef = std::shared_ptr<TGameText>;

class TGameText : public platform::TMap<TStringArray> {
public:
    // A new table with Read(fileName) done.
    static TGameTextRef Create(const std::string& fileName);
    // Empties the table and loads Game.TextPath + fileName; a missing file, a wrong header or a
    // section without a key line ends the program. A later section with the same key wins.
    int Read(const std::string& fileName);
    // The lines under the upper-cased key; none when it is missing.
    TStringArray Find(const std::string& key) const;
    // Those lines joined with CR LF between them; "" when the key is missing.
    std::string FindString(const std::string& key) const;
};
