#include "fields/MTimeTraits.h"

#include "core/BufferTime.h"
#include "core/SaturatingArithmetic.h"
#include "core/TimeUnits.h"

namespace {
constexpr int64_t kLastCount = kNanosecondsPerDay - 1;
}

int64_t MTimeTraits::Normalise(int64_t count) {
    if (count <= kNanosecondsPerDay) return count;
    const MTimeParts* local =
        BufferTime<FunctionLocalTime>::Instance().Convert(count / kNanosecondsPerSecond);
    if (!local) return kNullCount;
    const int64_t seconds = int64_t{local->tm_hour} * 3600 + local->tm_min * 60 + local->tm_sec;
    return seconds * kNanosecondsPerSecond + count % kNanosecondsPerSecond;
}

bool MTimeTraits::IsInRange(int64_t count) {
    return count >= 0 && count <= kLastCount;
}

MTimeParts MTimeTraits::BreakDown(int64_t count, bool& valid) {
    valid = IsInRange(count);
    MTimeParts t = MTimeParts::Cleared();
    const int64_t seconds = count / kNanosecondsPerSecond;
    const int64_t rest = count % kNanosecondsPerSecond;
    t.tm_hour = static_cast<int32_t>(seconds / 3600);
    t.tm_min = static_cast<int32_t>(seconds / 60 % 60);
    t.tm_sec = static_cast<int32_t>(seconds % 60);
    t.tm_msec = static_cast<int32_t>(rest / 1000000);
    t.tm_usec = static_cast<int32_t>(rest / 1000 % 1000);
    t.tm_nsec = static_cast<int32_t>(rest % 1000);
    return t;
}

int64_t MTimeTraits::CountFromTm(const MTimeParts& t) {
    const int64_t seconds = int64_t{t.tm_hour} * 3600 + int64_t{t.tm_min} * 60 + t.tm_sec;
    const int64_t subSeconds = int64_t{t.tm_msec} * 1000000 + int64_t{t.tm_usec} * 1000 + t.tm_nsec;
    return SaturatingAdd(SaturatingMultiply(seconds, kNanosecondsPerSecond), subSeconds);
}

char* MTimeTraits::Write(char* dest, const MTimeParts& t, char, char timeSep) {
    return WriteTmTimeMsText(dest, t, timeSep);
}

std::string MTimeTraits::Compact(const MTimeParts& t) {
    return FormatTmTimeMs(t, 0);
}
