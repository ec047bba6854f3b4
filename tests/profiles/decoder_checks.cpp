#include "decoder_checks.h"

#include "profiles/highscore_file.h"
#include "profiles/profile_file.h"

#include <cmath>

namespace profilestest {

std::string FuzzProfileFile(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TProfileDecoded d = DecodeProfileFile(bytes);
    const TProfileFields& f = d.fields;
    if (f.LockedLevel < 2 || f.LockedLevel > 56) return "LockedLevel " + std::to_string(f.LockedLevel);
    if (f.CurrentLevel < 1 || f.CurrentLevel >= f.LockedLevel)
        return "CurrentLevel " + std::to_string(f.CurrentLevel);
    if (f.Lives < 0) return "Lives " + std::to_string(f.Lives);
    if (!std::isfinite(f.TimeTaken) || f.TimeTaken < 0.0 || f.TimeTaken > 1e12)
        return "TimeTaken out of range";
    const TProfileDecoded again = DecodeProfileFile(EncodeProfileFields(f));
    if (!again.repairs.empty()) return "the encoded result needs a repair";
    if (EncodeProfileFields(again.fields) != EncodeProfileFields(f))
        return "the encoded result decodes otherwise";
    return "";
}

std::string FuzzHighScoreFile(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const THighScoreDecoded d = DecodeHighScoreFile(bytes);
    if (d.rows.size() > 10) return std::to_string(d.rows.size()) + " rows";
    for (const THighScore& row : d.rows) {
        if (row.name.size() > 64) return "a name of " + std::to_string(row.name.size()) + " characters";
        for (char c : row.name)
            if (c < 32 || c > 126)
                return "a name character " + std::to_string(int(static_cast<unsigned char>(c)));
    }
    if (d.useDefaults != (d.rows.empty() && !d.repair.empty())) return "the defaults taken without a damage";
    const THighScoreDecoded again = DecodeHighScoreFile(EncodeHighScoreRows(d.rows));
    if (!again.repair.empty()) return "the encoded result needs a repair";
    if (EncodeHighScoreRows(again.rows) != EncodeHighScoreRows(d.rows))
        return "the encoded result decodes otherwise";
    return "";
}

} // namespace profilestest
