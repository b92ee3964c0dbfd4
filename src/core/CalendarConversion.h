#pragma once
// Conversions between counts of time and local calendar fields, and the description of the zone
// setting. The local zone is the run-time library's (TZ, else the system's); the caches behind
// these functions are process-wide and used on the GUI thread only.
#include <cstdint>
#include <ctime>
#include <string>

#include "core/MTimeParts.h"

// The library's local conversion of seconds since 1970. When it fails for seconds below the zone's
// standard offset (seconds west of UTC), converts a day later and dates the result 1969-12-31.
bool LocalTimeOrFallback(int64_t seconds, std::tm& out);

// Local calendar fields of a count of nanoseconds, with its sub-second fields; the epoch's fields
// when the instant cannot be converted.
MTimeParts BreakDownLocalTime(int64_t count);

// Seconds east of UTC at the instant of a count of nanoseconds; 0 beyond 2,147,483,647 seconds or
// when the instant cannot be converted.
int32_t ComputeLocalOffset(int64_t count);

// The count of the first instant of the local day containing a count: its local midnight, or the
// moment the day began when the zone's offset changed across midnight. A count within two days
// of the 64-bit limits is returned unchanged.
int64_t ComputeLocalMidnight(int64_t count);

// The count of local calendar fields read with the daylight-saving flag -1 (the library decides),
// plus their sub-second fields. A local time at or before the epoch, or one the library cannot
// convert, contributes 0 for its calendar part; a count beyond 64 bits is held at the limit.
int64_t ComputeLocalDateTimeCount(const MTimeParts& t);

// "Environment variable TZ set to '<TZ>', offset <hours west of UTC, truncated>".
std::string DescribeTimeZone();
