#pragma once
// The time units of the framework: every unit argument is an index into TimeUnitTable. A month
// counts as 30 days and a year as 360 days wherever a count of units becomes nanoseconds.
#include <cstdint>

#include "core/MTimeParts.h"

enum MTimeUnitIndex : int {
    TIME_UNIT_NANOSECOND = 0,
    TIME_UNIT_MICROSECOND = 1,
    TIME_UNIT_MILLISECOND = 2,
    TIME_UNIT_SECOND = 3,
    TIME_UNIT_MINUTE = 4,
    TIME_UNIT_HOUR = 5,
    TIME_UNIT_DAY = 6,
    TIME_UNIT_MONTH = 7,
    TIME_UNIT_YEAR = 8,
};

struct MTimeUnit {
    int64_t length;                      // nanoseconds
    int32_t modulus;                     // how many of this unit make one of the next
    int32_t base;                        // first value of the unit's calendar field
    int32_t MTimeParts::*pointField;     // field holding the unit when a point is broken down
    int32_t MTimeParts::*durationField;  // field holding the unit when a duration is broken down
};

inline constexpr int kTimeUnitCount = 9;

inline constexpr MTimeUnit TimeUnitTable[kTimeUnitCount] = {
    {1, 1000, 0, &MTimeParts::tm_nsec, &MTimeParts::tm_nsec},
    {1000, 1000, 0, &MTimeParts::tm_usec, &MTimeParts::tm_usec},
    {1000000, 1000, 0, &MTimeParts::tm_msec, &MTimeParts::tm_msec},
    {1000000000, 60, 0, &MTimeParts::tm_sec, &MTimeParts::tm_sec},
    {60000000000, 60, 0, &MTimeParts::tm_min, &MTimeParts::tm_min},
    {3600000000000, 24, 0, &MTimeParts::tm_hour, &MTimeParts::tm_hour},
    {86400000000000, 2147483647, 1, &MTimeParts::tm_mday, &MTimeParts::tm_yday},
    {2592000000000000, 12, 0, &MTimeParts::tm_mon, &MTimeParts::tm_mon},
    {31104000000000000, 2147483647, 0, &MTimeParts::tm_year, &MTimeParts::tm_year},
};

inline constexpr int64_t kNanosecondsPerSecond = 1000000000;
inline constexpr int64_t kNanosecondsPerHour = 3600000000000;
inline constexpr int64_t kNanosecondsPerDay = 86400000000000;

// The row of a unit; an index outside 0-8 reads as the nanosecond.
const MTimeUnit& GetTimeUnit(int unit);
// count x unit length; a product beyond 64 bits wraps (two's complement), it is not checked.
int64_t UnitsToCount(int64_t count, int unit);
// count / unit length, rounded toward zero.
int64_t CountToUnits(int64_t count, int unit);
