#pragma once
// Puts back, when it dies, the far-future limits of dates and date-times that it found:
// FillTimeLimits lowers them for the rest of the process.
#include <cstdint>

#include "core/ProcessClock.h"

class ScopedTimeLimits {
public:
    ScopedTimeLimits() : maxDateTime_(GetMaxDateTimeCount()), maxDate_(GetMaxDateCount()) {}
    ~ScopedTimeLimits() { SetTimeLimits(maxDateTime_, maxDate_); }
    ScopedTimeLimits(const ScopedTimeLimits&) = delete;
    ScopedTimeLimits& operator=(const ScopedTimeLimits&) = delete;

private:
    int64_t maxDateTime_;
    int64_t maxDate_;
};
