#include "fields/TimeArithmetic.h"

#include <algorithm>

#include "core/ProcessClock.h"

namespace {

constexpr int64_t kDaysIn400Years = 146097;

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}
int32_t ToField(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

int32_t GetDaysInMonth(int32_t year, int32_t month) {
    static constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month != 2) return kDays[month - 1];
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return leap ? 29 : 28;
}

void AddMonthsToTm(MTimeParts& t, int32_t months) {
    const int64_t total = int64_t{months} + t.tm_mon;
    int64_t year = t.tm_year + total / 12;
    int64_t month = total % 12;
    if (month < 0) {
        month += 12;
        year -= 1;
    }
    t.tm_mon = static_cast<int32_t>(month);
    t.tm_year = ToField(year);
    t.tm_mday = std::min(t.tm_mday, GetDaysInMonth(ToField(year + 1900), t.tm_mon + 1));
}

MTimeParts AddDurationToTm(const MTimeParts& b, const MTimeDuration& duration) {
    const MTimeParts& parts = duration.GetParts();
    MTimeParts r = MTimeParts::Cleared();
    int64_t carry = 0;
    for (int i = TIME_UNIT_NANOSECOND; i <= TIME_UNIT_HOUR; ++i) {
        const MTimeUnit& unit = TimeUnitTable[i];
        const int64_t x = int64_t{b.*unit.pointField} + parts.*unit.durationField + carry;
        carry = FloorDiv(x, unit.modulus);
        r.*unit.pointField = static_cast<int32_t>(x - carry * unit.modulus);
    }
    int64_t day = carry + b.tm_mday + parts.tm_yday;
    int64_t month = b.tm_mon;
    int64_t year = b.tm_year;
    // Whole 400-year cycles first (each has the same days), then month by month.
    if (day > kDaysIn400Years) {
        const int64_t cycles = (day - 1) / kDaysIn400Years;
        day -= cycles * kDaysIn400Years;
        year += cycles * 400;
    }
    for (;;) {
        const int64_t days = GetDaysInMonth(ToField(year + 1900), static_cast<int32_t>(month + 1));
        if (days == 0 || days >= day) break;
        day -= days;
        if (++month > 11) {
            month = 0;
            ++year;
        }
    }
    r.tm_mday = ToField(day);
    r.tm_mon = static_cast<int32_t>(month);
    r.tm_year = ToField(year);
    // Negative months go back just as positive ones go forward.
    if (parts.tm_mon != 0) AddMonthsToTm(r, parts.tm_mon);
    r.tm_year = ToField(int64_t{r.tm_year} + parts.tm_year);
    const int32_t last = GetDaysInMonth(ToField(int64_t{r.tm_year} + 1900), r.tm_mon + 1);
    if (last > 0 && r.tm_mday > last) r.tm_mday = last;
    r.tm_isdst = -1;
    return r;
}

void SleepFor(const MTimeDuration& duration) {
    if (duration.GetCount() != 0) SleepFor(duration.GetCount());
}
