#pragma once
// One entry of the event loop's queue: the entry id of the event that delivered it, the time it
// was queued, its type ('I' a message for the caller, 'J' a message only the event's input
// recorder sees, 'T' a notification) and its bytes, which lie in the event's own buffer or in the
// loop's copy buffer.
#include <cstdint>

#include "fields/MDateTimeTraits.h"
#include "fields/MTTimePoint.h"

struct EventEntry {
    int32_t EventId = 0;
    MTTimePoint<MGlobalDateTimeClock, MDateTimeTraits> TimeStamp;
    int32_t Type = 0;
    int32_t Length = 0;
    const char* Data = nullptr;
};
