#include "board/TPlayer.h"

int TPlayer::InitStats() {
    Name = "";
    Level = 1;
    Unlocked = 1;
    Score = 0;
    Lives = 3;
    TotalKills = 0;
    Target = 0;
    TotalTimeTaken = 0.0;
    TotalMunchkinsFreed = 0;
    Alive = 1;
    return 0;
}

int TPlayer::ReadProfile(TPlayerProfile* profile, int load) {
    if (!profile) return 0;
    if (load) profile->Load();
    Name = profile->Name;
    Level = profile->CurrentLevel;
    Score = profile->Score;
    Lives = profile->Lives;
    TotalKills = profile->Kills;
    TotalTimeTaken = profile->TimeTaken;
    Unlocked = profile->LockedLevel - 1;
    return 1;
}

int TPlayer::WriteProfile(TPlayerProfile* profile) {
    if (!profile) return 0;
    profile->Name = Name;
    profile->CurrentLevel = Level;
    profile->Score = Score;
    profile->Lives = Lives;
    profile->Kills = TotalKills;
    profile->TimeTaken = TotalTimeTaken;
    profile->LockedLevel = Unlocked + 1;
    profile->Save();
    return 1;
}

int TPlayer::ProfileGameOver(TPlayerProfile* profile, int save) {
    if (!profile) return 0;
    profile->Score = 0;
    profile->CurrentLevel = 1;
    profile->Lives = 3;
    profile->Kills = 0;
    profile->TimeTaken = 0.0;
    if (save) profile->Save();
    return 1;
}

int TPlayer::NewLevelStats() {
    ClearCounters();
    NoChecks = 0;
    Alive = 1;
    Kills = 0;
    MunchkinsFreed = 0;
    LevelStartScore = Score;
    TimeTaken = 0.0f;
    return 0;
}

int TPlayer::ClearCounters() {
    DeathCounter = 0.0f;
    return 0;
}

int TPlayer::Load() {
    return 0;
}

int TPlayer::UpdateTotals() {
    TotalTimeTaken += double(TimeTaken);
    TotalKills += Kills;
    return 0;
}

int TPlayer::KillsAdd(int n) {
    Kills += n;
    return 0;
}
