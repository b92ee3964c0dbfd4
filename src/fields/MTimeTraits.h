#pragma once
// Rules of the time-of-day class of time points (MTTimePoint): the count is nanoseconds since
// local midnight, valid from 0 to one day less a nanosecond; null is -1 s (invalid). A count above
// one day is taken as an instant and replaced by its local time of day. Shown as HH:MM:SS.mmm,
// compact HHMMSSmmm. Stateless.
#include <cstdint>
#include <string>

#include "core/DateTimeText.h"
#include "core/MTimeParts.h"
#include "fields/MInterface.h"

struct MTimeTraits {
    static constexpr char kTypeName[] = "MTimeTraits";
    static constexpr int64_t kNullCount = -1000000000;
    static constexpr int kTextKind = TIME_TEXT_TIME;
    static constexpr const char* kInvalidText = "Invalid time!";
    static constexpr int kColumnKind = MInterface::kTime;
    static constexpr const char* kEditMask = "00:00:00\\.000;1;_";
    static constexpr bool kKeepsWholeDays = false;

    // Counts up to one day (included) stay, negative ones too; a larger count becomes the local
    // time of day of that instant, or the null count when the instant cannot be converted.
    static int64_t Normalise(int64_t count);
    static bool IsInRange(int64_t count);
    // Hour = seconds / 3,600 (24 for one day), minute, second and sub-seconds, all by division
    // toward zero (the null gives second -1); date fields 0, daylight-saving flag -1.
    static MTimeParts BreakDown(int64_t count, bool& valid);
    // (hour x 3,600 + minute x 60 + second) x 10^9 + sub-seconds; the date fields are ignored.
    static int64_t CountFromTm(const MTimeParts& t);
    // The display text into dest (at most 23 characters, no terminator); returns its end.
    static char* Write(char* dest, const MTimeParts& t, char dateSep, char timeSep);
    static std::string Compact(const MTimeParts& t);
};
