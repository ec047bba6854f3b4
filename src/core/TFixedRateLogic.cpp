#include "core/TFixedRateLogic.h"

#include "framework/core_services.h"
#include "platform/system.h"

int TFixedRateLogic::Init() {
    LastTime = platform::MilliSecs();
    NumTicks = 0;
    LastNumTicks = 1.0f;
    Delta = 1.0f;
    return 0;
}
