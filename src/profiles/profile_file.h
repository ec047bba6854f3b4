// The profile file's bytes: five masked ints, the time played as a double, three settings words
// and 100 one-shot flags, little-endian, 440 bytes; anything after them belongs to a save hook.
// Pure functions: bytes in; the fields, the flags read and the repairs made out; no file access.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kProfileMaxHints = 100;
constexpr size_t kProfileHeadBytes = 40;
constexpr size_t kProfileFileBytes = 440;
// Files longer than this are not read at all.
constexpr size_t kProfileMaxFileBytes = 65536;
// The highest value a sound file's time played may hold, in ticks (about 158 years of play).
constexpr double kProfileMaxTimeTaken = 1e12;
// Levels are numbered 1..55; LockedLevel 56 means every level is open.
constexpr int kProfileLastLevel = 55;

// A profile's stored values; the defaults are those of a new player.
struct TProfileFields {
    int32_t CurrentLevel = 1;
    int32_t LockedLevel = 2;
    int32_t Score = 0;
    int32_t Lives = 3;
    int32_t Kills = 0;
    double TimeTaken = 0.0;
    int32_t Difficulty = 0;
    int32_t TipsFlag = 1;
    int32_t InstructionsFlag = 1;
    std::array<int32_t, kProfileMaxHints> HintsShown{};
};

struct TProfileDecoded {
    TProfileFields fields;
    int flagsRead = 0;
    std::string extra;                // the bytes after the 440, for a load hook
    std::vector<std::string> repairs; // empty for a sound file with every value in range
};

std::string EncodeProfileFields(const TProfileFields& fields);
// The fields as the bytes hold them, without value checks; a file cut short or too long keeps
// what it can (the head and every whole flag, or the defaults) and says so in repairs.
TProfileDecoded DecodeProfileBytes(const std::string& bytes);
// Brings the levels, lives and time into the ranges the game can use, naming each change.
void CheckProfileValues(TProfileFields& fields, std::vector<std::string>& repairs);
// DecodeProfileBytes, then CheckProfileValues.
TProfileDecoded DecodeProfileFile(const std::string& bytes);
