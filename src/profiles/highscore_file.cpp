#include "profiles/highscore_file.h"

#include <cstdint>

namespace {

void PutInt(std::string& out, int value) {
    const uint32_t v = uint32_t(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(char((v >> shift) & 0xFF));
}

int GetInt(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | uint8_t(bytes[at + size_t(i)]);
    return int32_t(v);
}

// Reads the row starting at pos into row; "" and pos moved past it, or what is wrong with it.
std::string ReadRow(const std::string& bytes, size_t& pos, THighScore& row) {
    size_t end = bytes.find('\0', pos);
    if (end == std::string::npos) return "the file ends inside a name";
    if (end - pos > kHighScoreMaxNameBytes) return "a name of " + std::to_string(end - pos) + " bytes";
    row.name.clear();
    for (size_t i = pos; i < end; ++i) {
        const int code = (uint8_t(bytes[i]) + kHighScoreNameOffset) % 256;
        if (code < 32 || code > 126) return "a character of code " + std::to_string(code) + " in a name";
        row.name.push_back(char(code));
    }
    if (bytes.size() - (end + 1) < 8) return "the file ends inside a score";
    row.score = GetInt(bytes, end + 1);
    row.level = GetInt(bytes, end + 5);
    pos = end + 9;
    return "";
}

} // namespace

std::string EncodeHighScoreRows(const std::vector<THighScore>& rows) {
    std::string out;
    for (const THighScore& row : rows) {
        for (char c : row.name)
            out.push_back(char((uint8_t(c) - kHighScoreNameOffset + 256) % 256));
        out.push_back('\0');
        PutInt(out, row.score);
        PutInt(out, row.level);
    }
    return out;
}

THighScoreDecoded DecodeHighScoreFile(const std::string& bytes) {
    THighScoreDecoded result;
    if (bytes.size() > kHighScoreMaxFileBytes) {
        result.useDefaults = true;
        result.repair = std::to_string(bytes.size()) + " bytes, more than 64 KiB";
        return result;
    }
    size_t pos = 0;
    while (pos < bytes.size()) {
        if (int(result.rows.size()) == kHighScoreMaxRows) {
            result.repair = "more than " + std::to_string(kHighScoreMaxRows) + " rows";
            return result;
        }
        THighScore row;
        std::string problem = ReadRow(bytes, pos, row);
        if (!problem.empty()) {
            result.repair = "row " + std::to_string(result.rows.size() + 1) + ": " + problem;
            result.useDefaults = result.rows.empty();
            return result;
        }
        result.rows.push_back(row);
    }
    return result;
}
