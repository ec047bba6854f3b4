// The high-score file's bytes: rows of an encoded name, a 0 byte, the score and the level (32-bit
// little-endian), one after another to the end of the file, with no header and no count.
// Pure functions: bytes in, rows and the repairs made out; no file access.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One row of the table: who, how much, how far.
struct THighScore {
    std::string name;
    int score = 0;
    int level = 0;
};

// A name byte is (character code - 17) mod 256, so every printable character is stored as a
// byte from 15 to 109 and never as the 0 that ends a name; reading adds 17 back (mod 256).
constexpr int kHighScoreNameOffset = 17;
// What a sound file holds at most: names of 64 characters, ten rows, 64 KiB.
constexpr size_t kHighScoreMaxNameBytes = 64;
constexpr int kHighScoreMaxRows = 10;
constexpr size_t kHighScoreMaxFileBytes = 65536;

struct THighScoreDecoded {
    std::vector<THighScore> rows; // the rows kept, in file order
    bool useDefaults = false;     // nothing worth keeping: the default table replaces it
    std::string repair;           // "" for a sound file, else what was wrong
};

std::string EncodeHighScoreRows(const std::vector<THighScore>& rows);
// Rows up to the first damaged one (cut short, a name over 64 bytes or a character outside
// 32..126), at most ten; a damaged first row or an oversize file asks for the defaults.
THighScoreDecoded DecodeHighScoreFile(const std::string& bytes);
