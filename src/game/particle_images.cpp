#include "game/particle_images.h"

#include "board/board_particles.h"
#include "media/TImageBank.h"

void FillParticleImages() {
    static const char* const slots[PARTICLE_IMAGES] = {
        nullptr,        "armourmid", "brickmid",       "fireball",       "snowflake",  "sparkle",
        "iceshard",     nullptr,     "bonus9activate", "iceshard2",      "lock",       "golddust",
        "particlering", nullptr,     "snowflakesmall", "snowflakelarge", "sparklegold"};
    static const char* const scores[SCORE_PARTICLE_IMAGES] = {
        "score10", "score20", "score30", "score40", "score50", "score60", "score70", "score80", "score100"};
    for (int i = 0; i < PARTICLE_IMAGES; ++i)
        if (slots[i]) ParticleImages[i] = images->Find(slots[i]);
    for (int i = 0; i < SCORE_PARTICLE_IMAGES; ++i)
        ScoreParticleImages[i] = images->Find(scores[i]);
}
