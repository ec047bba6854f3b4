// One player's progress between runs: the level to play and the levels open, score, lives, the
// totals of shapes matched and time played, three settings words and 100 one-shot flags (hints
// seen, instructions shown, gallery pictures open), kept in Game.ProfilePath + Name + ".dat".
// Every save replaces the file whole and atomically; loading never trusts the file: a damaged
// file or a value out of range is repaired, noted in the error log and saved again.
#pragma once

#include "platform/TStream.h"
#include "profiles/TPlayerProfile.h"
#include "profiles/profile_file.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TProfile;
using TProfileRef = std::shared_ptr<TProfile>;

class TProfile : public TPlayerProfile {
public:
    static constexpr int MAX_HINTS = kProfileMaxHints;

    int Difficulty = 0;       // stored and loaded only
    int TipsFlag = 0;         // stored and loaded only
    int InstructionsFlag = 0; // stored and loaded only
    std::array<int32_t, MAX_HINTS> HintsShown{};
    // Hooks for a game that extends the file: extra bytes after the flags. This game sets none.
    std::function<int(platform::TStream&)> SaveUserFunction;
    std::function<int(platform::TStream&)> LoadUserFunction;
    // Called with every profile Create makes; empty here.
    static std::function<int(TProfile&)> CreateUserFunction;

    // Empty name, every number 0, the flags clear.
    TProfile();

    // A profile of that name with the defaults; touches no file.
    static TProfileRef Create(const std::string& name);
    // Name and the defaults of a new player (levels 1 and 2, 3 lives, settings 0, 1, 1, flags 0).
    int Init(const std::string& name);
    int ClearHints();
    int HintsSet(int value);
    // Writes the file; a file that cannot be written ends the program.
    int Save() override;
    // 0 when there is no file (the values held now are saved as it); 1 once read (and repaired).
    int Load() override;
    // 1 when flag index was clear and is now set (saved when save is not 0); 0 when it was set
    // already or index lies outside 0..99.
    int ShowHint(int index, int save) override;

    TProfileFields Fields() const;
    void SetFields(const TProfileFields& fields);
};

// Makes name the current player: Game.ProfileName, a new Game.CurrentProfile loaded (a new name
// gets its file of defaults at once) and the name stored in the settings file.
int CreateProfile(const std::string& name);
