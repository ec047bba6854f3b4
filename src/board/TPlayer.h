// The running record of the person playing: name, level, unlocked levels, score, lives, gems
// matched and time played, per level and in total, copied from and to the player's profile.
#pragma once

#include "media/TSprite.h"
#include "profiles/TPlayerProfile.h"

#include <string>

class TPlayer : public TSprite {
public:
    TGameImageRef ImageLife;
    float DeathCounter = 0.0f;
    int DeathAnimLength = 1000;
    std::string Name;
    int Alive = 1;
    int Level = 1;
    int Unlocked = 1; // the highest level the player may choose
    int Score = 0;
    int LevelStartScore = 0;
    int Lives = 3;
    int Kills = 0; // in the current level
    int TotalKills = 0;
    int MunchkinsFreed = 0;
    int TotalMunchkinsFreed = 0;
    int NoChecks = 0;
    int Target = 0; // ice layers of the level at its start
    float TimeTaken = 0.0f;
    double TotalTimeTaken = 0.0;

    int InitStats();
    // 0 and nothing changed for a null profile; re-reads it first when load is not 0.
    int ReadProfile(TPlayerProfile* profile, int load);
    int WriteProfile(TPlayerProfile* profile);
    // Resets the profile's game (not its name, unlocked levels or flags); saves when asked.
    int ProfileGameOver(TPlayerProfile* profile, int save);
    int NewLevelStats();
    int ClearCounters();
    int Load();
    int UpdateTotals();
    int KillsAdd(int n);

    // One tick of the level: the death countdown and the level's play time. -1 in the tick the
    // death ends the run or resumes it, else 1.
    int Manage();
    // The player gives up the attempt: not alive, a 5000 ms death countdown, and the board's
    // no-more-moves sequence. The profile is left as it is.
    int Die();
    // At the end of the countdown: a life is used; with lives left play resumes on the same
    // board (1), with none the game is over (-1). 0 while the countdown runs.
    int DeathEnd();

    // The heads-up texts, in the interface font with a drop shadow, 40 pixels below textY: the level's
    // score padded to six digits, the level number centred on textX, and the time played as "m: ss".
    // A text wider than room pixels (0: no limit) is narrowed to fit, its height kept.
    int ScoreDraw(float textX, float textY, float room = 0.0f);
    int LevelDraw(float textX, float textY, float room = 0.0f);
    int TimeDraw(float textX, float textY, float room = 0.0f);
};
