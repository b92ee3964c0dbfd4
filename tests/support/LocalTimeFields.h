#pragma once
// Test helpers: calendar fields of a local date and time, and their count in the pinned zone.
#include <cstdint>

#include "core/CalendarConversion.h"
#include "core/MTimeParts.h"
#include "core/TimeUnits.h"
#include "support/ScopedTimeZone.h"  // kSecond

inline constexpr int64_t kMs = 1000000;
inline constexpr int64_t kMinute = 60 * kSecond;
inline constexpr int64_t kHour = 60 * kMinute;
inline constexpr int64_t kDay = 24 * kHour;

inline MTimeParts LocalFields(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                              int ms = 0, int us = 0) {
    MTimeParts t = MTimeParts::Cleared();
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_msec = ms;
    t.tm_usec = us;
    return t;
}

inline int64_t LocalCount(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                          int ms = 0, int us = 0) {
    return ComputeLocalDateTimeCount(LocalFields(year, month, day, hour, minute, second, ms, us));
}
