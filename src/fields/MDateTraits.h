#pragma once
// Rules of the date class of time points (MDate): the count is the first instant of a local day
// (its local midnight), valid from 0 to the maximum date count; null is 0. Any other count is cut
// back to the start of its local day, so that adding hours to a date gives the same date. Shown
// as YYYY/MM/DD. Stateless.
#include <cstdint>
#include <string>

#include "core/DateTimeText.h"
#include "core/MTimeParts.h"

struct MDateTraits {
    static constexpr char kTypeName[] = "MDateTraits";
    // The name the class goes by in type names of the types built on it.
    static constexpr char kClassName[] = "MDate";
    static constexpr int64_t kNullCount = 0;
    static constexpr int kTextKind = TIME_TEXT_DATE;
    static constexpr const char* kInvalidText = "Invalid date!";
    // Whole days are added through the calendar in both directions: a count going back 24 hours
    // across a 23-hour day would otherwise land two dates back.
    static constexpr bool kKeepsWholeDays = true;

    // A count above 0 becomes the start of its local day (never below 0); any other count 0.
    static int64_t Normalise(int64_t count);
    static bool IsInRange(int64_t count);
    // Local calendar fields at 00:00:00 (the epoch's when the instant cannot be converted);
    // valid = in range and the count is the start of its local day.
    static MTimeParts BreakDown(int64_t count, bool& valid);
    // The start of the local day of the calendar date (time fields ignored).
    static int64_t CountFromTm(const MTimeParts& t);
    // The display text into dest (at most 23 characters, no terminator); returns its end.
    static char* Write(char* dest, const MTimeParts& t, char dateSep, char timeSep);
};
