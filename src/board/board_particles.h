// The board's particle effects: sparkles and flames of bursting gems, snowflakes and shards of
// broken ice cubes, the star's flash, the magic dust that flies to the bonus gauge, the sparkles
// of a full gauge and the pointer's trail. Counted bursts make n x the particle setting / 100
// particles (truncated).
#pragma once

#include "media/TGameImage.h"
#include "media/TParticle.h"

constexpr int PARTICLE_IMAGES = 17;
constexpr int SCORE_PARTICLE_IMAGES = 9;

// Filled from the image bank by the game screen: 1 "armourmid", 2 "brickmid", 3 "fireball",
// 4 "snowflake", 5 "sparkle", 6 "iceshard", 8 "bonus9activate", 9 "iceshard2", 10 "lock",
// 11 "golddust", 12 "particlering", 14 "snowflakesmall", 15 "snowflakelarge", 16 "sparklegold".
extern TGameImageRef ParticleImages[PARTICLE_IMAGES];
// "score10" .. "score80" at 0..7, "score100" at 8.
extern TGameImageRef ScoreParticleImages[SCORE_PARTICLE_IMAGES];
// The pointer trail's image, "snowflake".
extern TGameImageRef PointerParticle;

// Where the magic dust lands: the bonus gauge.
constexpr float GAUGE_X = 59.0f;
constexpr float GAUGE_Y = 452.0f;

// The number of particles a burst of n makes at the current particle setting.
int ParticleCount(int n);

int GaugeParticleMake(float x, float y);
int UnlockParticlesMake(float x, float y, int n);
int SparkleParticlesMake(float x, float y, int n);
int FireParticlesMake(float x, float y, int n);
int IceShardParticlesMake(float x, float y, int n);
int StarParticlesMake(float x, float y, int n, int small);
// The dust of a glowing gem, and one gauge-fill delay of 1000 ms even when no particle is made.
int MunchkinParticles(float x, float y, int n);
int ShardParticlesMake(float x, float y);
TParticleRef PointerParticleMake(float x, float y, const TGameImageRef& image);
// The pointer's trail: one particle every SparkleLength ticks.
int PointerParticles();
