#include "core/CalendarConversion.h"

#include <cstdlib>

#include "core/BufferTime.h"
#include "core/HourTable.h"
#include "core/MDigitText.h"
#include "core/SaturatingArithmetic.h"
#include "core/TimeUnits.h"

static_assert(sizeof(time_t) == 8, "times are converted with a 64-bit time_t");

bool LocalTimeOrFallback(int64_t seconds, std::tm& out) {
    const time_t t = seconds;
    if (localtime_r(&t, &out)) return true;
    if (seconds >= timezone) return false;
    const time_t next = seconds + 86400;
    if (!localtime_r(&next, &out)) return false;
    out.tm_year = 69;
    out.tm_mon = 11;
    out.tm_mday = 31;
    out.tm_wday = 3;
    out.tm_yday = 364;
    return true;
}

MTimeParts BreakDownLocalTime(int64_t count) {
    const MTimeParts* fields =
        BufferTime<FunctionLocalTime>::Instance().Convert(count / kNanosecondsPerSecond);
    if (!fields) return MTimeParts::Epoch();
    MTimeParts t = *fields;
    const int64_t r = count % kNanosecondsPerSecond;
    t.tm_nsec = static_cast<int32_t>(r % 1000);
    t.tm_usec = static_cast<int32_t>(r / 1000 % 1000);
    t.tm_msec = static_cast<int32_t>(r / 1000000);
    return t;
}

int32_t ComputeLocalOffset(int64_t count) {
    const int64_t s = count / kNanosecondsPerSecond;
    if (s > INT32_MAX) return 0;
    BufferTime<FunctionLocalTime>& buffer = BufferTime<FunctionLocalTime>::Instance();
    return buffer.Convert(s) ? buffer.GetLastOffset() : 0;
}

int64_t ComputeLocalMidnight(int64_t count) {
    constexpr int64_t kLimit = INT64_MAX - 2 * kNanosecondsPerDay;
    if (count > kLimit || count < -kLimit) return count;
    const int64_t offset = ComputeLocalOffset(count) * kNanosecondsPerSecond;
    const int64_t sinceMidnight =
        ((count + offset) % kNanosecondsPerDay + kNanosecondsPerDay) % kNanosecondsPerDay;
    // The instant at which the wall clock would have shown 00:00 with today's offset; when the
    // offset was different then, midnight came that much earlier or later.
    const int64_t candidate = count - sinceMidnight;
    const int64_t offsetThen = ComputeLocalOffset(candidate) * kNanosecondsPerSecond;
    return candidate + offset - offsetThen;
}

int64_t ComputeLocalDateTimeCount(const MTimeParts& t) {
    MTimeParts calendar = t;
    calendar.tm_isdst = -1;
    const int64_t seconds = LocalHourTable::ToSeconds(calendar);
    const int64_t subSeconds = int64_t{t.tm_msec} * 1000000 + int64_t{t.tm_usec} * 1000 + t.tm_nsec;
    return SaturatingAdd(seconds > 0 ? SaturatingMultiply(seconds, kNanosecondsPerSecond) : 0, subSeconds);
}

std::string DescribeTimeZone() {
    tzset();
    const char* tz = std::getenv("TZ");
    int length = 0;
    const char* hours = FormatInt(static_cast<int32_t>(timezone / 3600), length);
    std::string text = "Environment variable TZ set to '";
    text += tz ? tz : "";
    text += "', offset ";
    text.append(hours, length);
    return text;
}
