#pragma once
// Rules of the date-time class of time points (MTTimePoint): the count is an instant, stored as
// given; valid from 0 to the maximum date-time count; null is 0 (the local time of the epoch,
// valid). Shown as YYYY/MM/DD HH:MM:SS.mmm, compact YYYYMMDDHHMMSS. Stateless.
#include <cstdint>
#include <string>

#include "core/DateTimeText.h"
#include "core/MTimeParts.h"
#include "fields/MInterface.h"

struct MDateTimeTraits {
    static constexpr char kTypeName[] = "MDateTimeTraits";
    static constexpr int64_t kNullCount = 0;
    static constexpr int kTextKind = TIME_TEXT_DATE_TIME;
    static constexpr const char* kInvalidText = "Invalid date!";
    static constexpr int kColumnKind = MInterface::kDateTime;
    static constexpr const char* kEditMask = "0000/00/00 00:00:00\\.000;1;_";
    // Whole days are added through the calendar when they go backwards as well.
    static constexpr bool kKeepsWholeDays = false;

    static int64_t Normalise(int64_t count) { return count; }
    static bool IsInRange(int64_t count);
    // Local calendar fields with sub-seconds; valid = in range.
    static MTimeParts BreakDown(int64_t count, bool& valid);
    // Local calendar fields (daylight-saving flag -1) and sub-seconds; 0 for the calendar part of
    // a local time at or before the epoch.
    static int64_t CountFromTm(const MTimeParts& t);
    // The display text into dest (at most 23 characters, no terminator); returns its end.
    static char* Write(char* dest, const MTimeParts& t, char dateSep, char timeSep);
    static std::string Compact(const MTimeParts& t);
};
