#include "framework/TCounter.h"

#include "framework/cc_numbers.h"
#include "framework/core_services.h"

TCounterRef TCounter::Create(int ms, int activate) {
    auto counter = std::make_shared<TCounter>();
    counter->CounterLength = TruncToInt(CalcAnimLength(ms));
    if (activate) counter->Activate();
    return counter;
}

int TCounter::Activate() {
    Counter = float(CounterLength);
    Active = 1;
    return 0;
}

float TCounter::GetRatio() const {
    // NOTE: a counter of 0 ticks has no ratio; 0 rather than a division by zero.
    if (CounterLength == 0) return 0.0f;
    return Counter / float(CounterLength);
}

int TCounter::Manage() {
    if (!(Counter > 0.0f)) return 0;
    Counter -= Delta;
    if (Counter > 0.0f) return 0;
    Stop(1);
    return 1;
}

int TCounter::Stop(int clear) {
    if (clear) Counter = 0.0f;
    Active = 0;
    return 0;
}

TCounterRef TCounterList::AddNew(int ms) {
    TCounterRef counter = TCounter::Create(ms, 1);
    AddLast(counter);
    return counter;
}

int TCounterList::Manage(int remove) {
    Walk walk(*this); // the link being visited stays valid when it is removed
    for (Link* link = FirstLink(); link; link = link->NextLink())
        if (link->Value()->Manage() == 1 && remove) RemoveLink(link);
    return 0;
}
