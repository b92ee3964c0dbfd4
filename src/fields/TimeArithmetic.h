#pragma once
// Calendar arithmetic of time points and durations: a point plus or minus a duration, the
// difference of two date-times, months added to calendar fields, and the days of a month.
//
// A plain duration below 23 hours is added as a count (the point's class then normalises it: a
// date snaps back to its local midnight). Anything longer is added in local calendar fields, so a
// whole number of days keeps the local clock time across a change of the zone's offset, and a
// month added to 31 January lands on the last day of February. Months are added before years.
#include <cstdint>

#include "core/MTimeParts.h"
#include "core/SaturatingArithmetic.h"
#include "core/TimeUnits.h"
#include "fields/MTTimePoint.h"
#include "fields/MTimeDuration.h"

// Days in a month (1-12) of a year (full number, e.g. 2024); 0 for a month outside 1-12.
int32_t GetDaysInMonth(int32_t year, int32_t month);
// Moves t by a number of months (either way); the day of the month is cut to the new month's
// last day.
void AddMonthsToTm(MTimeParts& t, int32_t months);
// The local calendar fields of a point's fields b moved by a duration's parts (the calendar path
// of AddToPoint); the day of the month may come out 0 or below, for the library to resolve.
MTimeParts AddDurationToTm(const MTimeParts& b, const MTimeDuration& duration);

template <class Clock, class Traits>
void AddToPoint(MTTimePoint<Clock, Traits>& point, const MTimeDuration& duration) {
    constexpr int64_t kCountLimit = 23 * kNanosecondsPerHour;
    const int64_t count = duration.GetCount();
    if (duration.IsPlainCount() && count < kCountLimit &&
        !(Traits::kKeepsWholeDays && count <= -kCountLimit)) {
        point.SetCount(SaturatingAdd(point.GetCount(), count));
        return;
    }
    point.SetTm(AddDurationToTm(point.GetTm(), duration));
}

template <class Clock, class Traits>
MTTimePoint<Clock, Traits> operator+(MTTimePoint<Clock, Traits> point, const MTimeDuration& duration) {
    AddToPoint(point, duration);
    return point;
}

template <class Clock, class Traits>
MTTimePoint<Clock, Traits> operator-(MTTimePoint<Clock, Traits> point, const MTimeDuration& duration) {
    AddToPoint(point, -duration);
    return point;
}

// The difference of two date-times in nanoseconds (held at the 64-bit limits).
template <class Clock>
MTimeDuration operator-(const MTTimePoint<Clock, MDateTimeTraits>& a,
                        const MTTimePoint<Clock, MDateTimeTraits>& b) {
    return MTimeDuration(SaturatingSubtract(a.GetCount(), b.GetCount()), TIME_UNIT_NANOSECOND);
}

// Sleeps for a duration's whole milliseconds (no sleep for zero or a negative duration).
void SleepFor(const MTimeDuration& duration);
