#include "core/BufferTime.h"

#include <algorithm>

#include "core/CalendarConversion.h"

namespace {

constexpr int64_t kSecondsPerDay = 86400;
// Above this (about the year 36800) conversions are not cached.
constexpr int64_t kMaxCachedSeconds = int64_t{1} << 40;

// Entry i (0-3,599) is the second and entry 3,600 + i the minute of the i-th second of an hour.
struct MinuteSecondTable {
    int16_t value[7200];
    constexpr MinuteSecondTable() : value() {
        for (int i = 0; i < 3600; ++i) {
            value[i] = static_cast<int16_t>(i % 60);
            value[3600 + i] = static_cast<int16_t>(i / 60);
        }
    }
};
constexpr MinuteSecondTable kMinuteSecond;

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

// Days since 1970-01-01 of a proleptic Gregorian date (month 1-12).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = FloorDiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// Calendar fields (without the time of day) of a count of days since 1970-01-01.
void SetDateFields(int64_t days, MTimeParts& t) {
    const int64_t z = days + 719468;
    const int64_t era = FloorDiv(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yoe + era * 400 + (month <= 2);
    t.tm_mday = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
    t.tm_mon = static_cast<int32_t>(month - 1);
    t.tm_year = static_cast<int32_t>(year - 1900);
    t.tm_yday = static_cast<int32_t>(days - DaysFromCivil(year, 1, 1));
    t.tm_wday = static_cast<int32_t>((days % 7 + 11) % 7);  // day 0 was a Thursday
}

}  // namespace

bool FunctionLocalTime::Convert(int64_t seconds, std::tm& out) {
    return LocalTimeOrFallback(seconds, out);
}

template <class Function>
BufferTime<Function>::BufferTime() {
    Clear();
}

template <class Function>
void BufferTime<Function>::Clear() {
    days_.fill(DayRecord{});
    windowLow_ = 1;
    windowHigh_ = 0;
    lastOffset_ = 0;
}

template <class Function>
BufferTime<Function>& BufferTime<Function>::Instance() {
    static BufferTime instance;
    return instance;
}

template <class Function>
const MTimeParts* BufferTime<Function>::ConvertInFull(int64_t seconds, MTimeParts& out) {
    std::tm t{};
    if (!Function::Convert(seconds, t)) return nullptr;
    out = MTimeParts::FromTm(t);
    lastOffset_ = static_cast<int32_t>(t.tm_gmtoff);
    return &out;
}

template <class Function>
const MTimeParts* BufferTime<Function>::Convert(int64_t seconds) {
    if (seconds <= 0 || seconds > kMaxCachedSeconds) return ConvertInFull(seconds, own_);
    if (seconds >= windowLow_ && seconds <= windowHigh_) {
        const int64_t d = seconds - hourStart_;
        current_.tm_sec = kMinuteSecond.value[d];
        current_.tm_min = kMinuteSecond.value[3600 + d];
        lastOffset_ = windowOffset_;
        return &current_;
    }
    return LoadHour(seconds);
}

template <class Function>
const MTimeParts* BufferTime<Function>::LoadHour(int64_t seconds) {
    const int64_t day = seconds / kSecondsPerDay;
    const DayRecord& rec = GetDayRecord(day);
    if (rec.state != DAY_UNIFORM) {
        windowLow_ = 1;
        windowHigh_ = 0;
        return ConvertInFull(seconds, own_);
    }
    const int64_t local = seconds + rec.offset;
    const int64_t localDay = FloorDiv(local, kSecondsPerDay);
    const int64_t secondOfDay = local - localDay * kSecondsPerDay;
    SetDateFields(localDay, current_);
    current_.tm_hour = static_cast<int32_t>(secondOfDay / 3600);
    current_.tm_min = static_cast<int32_t>(secondOfDay / 60 % 60);
    current_.tm_sec = static_cast<int32_t>(secondOfDay % 60);
    current_.tm_isdst = rec.isdst;
    // The window is the local hour, kept inside the UTC day whose offset is known.
    const int64_t dayStart = day * kSecondsPerDay;
    hourStart_ = seconds - (current_.tm_min * 60 + current_.tm_sec);
    windowLow_ = std::max(hourStart_, dayStart);
    windowHigh_ = std::min(hourStart_ + 3599, dayStart + kSecondsPerDay - 1);
    windowOffset_ = lastOffset_ = rec.offset;
    return &current_;
}

template <class Function>
const typename BufferTime<Function>::DayRecord& BufferTime<Function>::GetDayRecord(int64_t day) {
    DayRecord& rec = days_[static_cast<size_t>(day % kDayRecords)];
    if (rec.state != DAY_EMPTY && rec.day == day) return rec;
    rec.day = day;
    std::tm first{}, last{};
    const int64_t start = day * kSecondsPerDay;
    if (!Function::Convert(start, first) || !Function::Convert(start + kSecondsPerDay - 1, last)) {
        rec.state = DAY_FAILED;
    } else if (first.tm_gmtoff != last.tm_gmtoff || first.tm_isdst != last.tm_isdst) {
        rec.state = DAY_CHANGING;
    } else {
        rec.state = DAY_UNIFORM;
        rec.offset = static_cast<int32_t>(first.tm_gmtoff);
        rec.isdst = first.tm_isdst;
    }
    return rec;
}

template class BufferTime<FunctionLocalTime>;
