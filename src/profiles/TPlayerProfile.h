// What the board needs of a player's saved profile: the progress it copies to and from the running
// record, re-reading and saving, and the one-shot hint flags.
#pragma once

#include <string>

class TPlayerProfile {
public:
    std::string Name; // also the base name of the profile's file
    int CurrentLevel = 1;
    int LockedLevel = 2; // the first level still locked
    int Score = 0;
    int Lives = 3;
    int Kills = 0;
    double TimeTaken = 0.0; // ticks

    virtual ~TPlayerProfile() = default;
    // Re-reads the profile from its file.
    virtual int Load() = 0;
    virtual int Save() = 0;
    // 0 when hint flag index is set already; otherwise sets it (saving when save is not 0), 1.
    virtual int ShowHint(int index, int save) = 0;
};
