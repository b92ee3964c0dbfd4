#pragma once
// A length of time to add to or subtract from time points. Short durations (up to 28 days, the
// shortest month, either way: "plain") are a count of nanoseconds; longer ones also carry
// calendar parts (days, months, years and the clock fields), so that a month added to a date
// moves to the same day of the next month rather than 30 days on. In counts a month is 30 days
// and a year 360. A plain value, copied freely.
//
// The parts are an MTimeParts read through the duration columns of the unit table: nanoseconds to
// hours in their usual fields, days in tm_yday, months in tm_mon, years in tm_year; tm_mday and
// tm_wday hold -1 once the parts have been distributed.
#include <cstdint>

#include "core/MTimeParts.h"
#include "core/TimeUnits.h"

class MTimeDuration {
public:
    // The zero duration.
    MTimeDuration() : MTimeDuration(0, TIME_UNIT_NANOSECOND) {}
    MTimeDuration(int64_t count, int unit);
    // From calendar parts, normalised (see SetParts).
    explicit MTimeDuration(const MTimeParts& parts);
    // From a time text H:MM:SS[.mmm] or HHMMSS[mmm] (hours may exceed 23); the invalid duration
    // (-1 s) when the text cannot be read.
    explicit MTimeDuration(const char* text);

    // The constants: null (the invalid duration, -1 s), minimum (zero) and maximum (2^63 - 1 ns).
    static MTimeDuration GetNull() { return MTimeDuration(-1, TIME_UNIT_SECOND); }
    static MTimeDuration GetMinimum() { return MTimeDuration(); }
    static MTimeDuration GetMaximum() { return MTimeDuration(INT64_MAX, TIME_UNIT_NANOSECOND); }

    // count x unit length. Beyond 28 days the count is spread over the parts from that unit up
    // (13 months give 1 year and 1 month; hours carry into days, days never further) and the
    // count becomes their sum.
    void SetUnits(int64_t count, int unit);
    // Takes the parts, carries the clock fields (floor division, so negative fields borrow) into
    // days and months into years; the count becomes their sum.
    void SetParts(const MTimeParts& parts);
    // count / unit length (toward zero).
    int64_t GetUnits(int unit) const { return CountToUnits(count_, unit); }
    int64_t GetCount() const { return count_; }
    // The parts, spread from the count when the duration has only a count.
    const MTimeParts& GetParts() const;
    // Within 28 days either way.
    bool IsPlainCount() const;

    // The same length backwards: every part and the count negated (one month back stays a
    // calendar month).
    MTimeDuration operator-() const;
    // a - b: the plain difference of the counts when both are plain and it stays within 28 days,
    // otherwise the part-by-part difference, normalised.
    friend MTimeDuration operator-(const MTimeDuration& a, const MTimeDuration& b);
    friend bool operator==(const MTimeDuration& a, const MTimeDuration& b) { return a.count_ == b.count_; }

private:
    int64_t count_ = 0;
    // Valid unless stale_ is set: then they are recomputed from the count when asked for.
    mutable MTimeParts parts_ = MTimeParts::Cleared();
    mutable bool stale_ = true;
};
