#pragma once
// Helpers of the time-field tests: local counts from calendar fields (LocalTimeFields.h), and a
// frozen "now".
#include <cstdint>

#include "core/CalendarConversion.h"
#include "core/MTimeParts.h"
#include "core/ProcessClock.h"
#include "support/LocalTimeFields.h"
#include "support/PlainTestClock.h"
#include "support/ScopedTimeZone.h"

// Freezes the framework's current time at a count for one test; the next reading afterwards is
// a fresh one.
class ScopedNow {
public:
    explicit ScopedNow(int64_t now) { UpdateClockCache(now); }
    ~ScopedNow() { ResetCurrentTimeCache(); }
    ScopedNow(const ScopedNow&) = delete;
    ScopedNow& operator=(const ScopedNow&) = delete;
};
