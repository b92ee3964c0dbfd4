#pragma once
// The date-time value of the forms: a date (year, month, day) or a time of day (hour, minute,
// second, millisecond), or both. A date leaves the time fields 0, a time of day the date fields 0.
// It becomes a QDate or QTime only inside the toolkit's pickers. A plain value.
#include <cstdint>

struct FormDateTime {
    int32_t year = 0;
    int32_t month = 0;  // 1-12
    int32_t day = 0;    // 1-31
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    int32_t millisecond = 0;

    static constexpr FormDateTime Date(int32_t year, int32_t month, int32_t day) {
        return FormDateTime{year, month, day, 0, 0, 0, 0};
    }
    static constexpr FormDateTime Time(int32_t hour, int32_t minute, int32_t second,
                                       int32_t millisecond = 0) {
        return FormDateTime{0, 0, 0, hour, minute, second, millisecond};
    }
    friend bool operator==(const FormDateTime&, const FormDateTime&) = default;
};

// Whether a is earlier than b: date first, then the time of day.
bool IsDateTimeLess(const FormDateTime& a, const FormDateTime& b);
