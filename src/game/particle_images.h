// The shared particle and score-sprite image slots, filled from the image bank.
#pragma once

// Sets every named slot of ParticleImages and ScoreParticleImages to its bank image; slots 0, 7
// and 13 of ParticleImages are left as they are.
void FillParticleImages();
