// A sparkle trail for the pointer in tests and scenes, made as the board's own trail is: a
// snowflake near the pointer every SparkleLength ticks, drifting, spinning and fading.
#pragma once

#include "core/TGame.h"
#include "framework/cc_numbers.h"
#include "framework/core_services.h"
#include "media/TImageBank.h"
#include "platform/random.h"

namespace mediatest {

inline TParticleRef FixtureSparkleMake(float x, float y, const TGameImageRef& image) {
    TParticleRef p = Game->Mouse->ParticleList->AddNew(
        TruncToInt(x), TruncToInt(y), image, float(platform::Rnd(-0.05, 0.05)), 0.0f, 0.0016f, 1000.0f, 1,
        platform::Rand(0, 1) * 2 - 1, float(platform::Rnd(0.2, 0.5)), float(platform::Rnd(0.3, 0.7)), 0.0f, 0,
        0);
    p->SetFade(200, 300, 1000);
    return p;
}

// The pointer's particle function.
inline int FixtureSparkleTrail() {
    TMousePointer& mouse = *Game->Mouse;
    mouse.SparkleCounter -= Delta;
    if (mouse.SparkleCounter <= 0.0f) {
        mouse.SparkleCounter += float(mouse.SparkleLength);
        FixtureSparkleMake(float(mouse.x + platform::Rand(mouse.w - 20, 1) - 5),
                           float(mouse.y + platform::Rand(mouse.h - 25, 1) - 5), images->Find("snowflake"));
    }
    return 0;
}

} // namespace mediatest
