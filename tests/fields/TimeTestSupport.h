#pragma once
// Helpers of the time-field tests: local counts from calendar fields, and a frozen "now".
#include <cstdint>

#include "../core/PlainTestClock.h"
#include "../core/ScopedTimeZone.h"
#include "core/CalendarConversion.h"
#include "core/MTimeParts.h"
#include "core/ProcessClock.h"

inline constexpr int64_t kMs = 1000000;
inline constexpr int64_t kMinute = 60 * kSecond;
inline constexpr int64_t kHour = 60 * kMinute;
inline constexpr int64_t kDay = 24 * kHour;

inline MTimeParts LocalFields(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0) {
    MTimeParts t = MTimeParts::Cleared();
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_msec = ms;
    return t;
}

// The count of a local date and time in the pinned zone.
inline int64_t LocalCount(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0) {
    return ComputeLocalDateTimeCount(LocalFields(year, month, day, hour, minute, second, ms));
}

// Freezes the framework's current time at a count for one test; the next reading afterwards is
// a fresh one.
class ScopedNow {
public:
    explicit ScopedNow(int64_t now) { UpdateClockCache(now); }
    ~ScopedNow() { ResetCurrentTimeCache(); }
    ScopedNow(const ScopedNow&) = delete;
    ScopedNow& operator=(const ScopedNow&) = delete;
};
