#include "fields/MDateTraits.h"

#include <algorithm>

#include "core/BufferTime.h"
#include "core/CalendarConversion.h"
#include "core/HourTable.h"
#include "core/ProcessClock.h"
#include "core/SaturatingArithmetic.h"
#include "core/TimeUnits.h"

int64_t MDateTraits::Normalise(int64_t count) {
    // Every day that begins before the epoch (including the epoch's own local date in zones east
    // of UTC) normalises to 0.
    return count > 0 ? std::max<int64_t>(ComputeLocalMidnight(count), 0) : 0;
}

bool MDateTraits::IsInRange(int64_t count) {
    return count >= 0 && count <= GetMaxDateCount();
}

MTimeParts MDateTraits::BreakDown(int64_t count, bool& valid) {
    const MTimeParts* local =
        BufferTime<FunctionLocalTime>::Instance().Convert(count / kNanosecondsPerSecond);
    MTimeParts t = local ? *local : MTimeParts::Epoch();
    t.tm_hour = t.tm_min = t.tm_sec = 0;
    t.tm_msec = t.tm_usec = t.tm_nsec = 0;
    valid = IsInRange(count) && ComputeLocalMidnight(count) == count;
    return t;
}

int64_t MDateTraits::CountFromTm(const MTimeParts& t) {
    MTimeParts midnight = t;
    midnight.tm_hour = midnight.tm_min = midnight.tm_sec = 0;
    midnight.tm_isdst = -1;
    const int64_t seconds = LocalHourTable::ToSeconds(midnight);
    if (seconds == -1) return -1;
    const MTimeParts* local = BufferTime<FunctionLocalTime>::Instance().Convert(seconds);
    if (!local || (local->tm_hour == 0 && local->tm_min == 0 && local->tm_sec == 0))
        return SaturatingMultiply(seconds, kNanosecondsPerSecond);
    // The clock skipped 00:00 that day (it jumped from the evening before to a time after
    // midnight), and the library placed the missing hour on either side of the jump: the day
    // began at the jump, found back from its noon.
    MTimeParts noon = midnight;
    noon.tm_hour = 12;
    const int64_t noonSeconds = LocalHourTable::ToSeconds(noon);
    return noonSeconds == -1 ? -1
                             : ComputeLocalMidnight(SaturatingMultiply(noonSeconds, kNanosecondsPerSecond));
}

char* MDateTraits::Write(char* dest, const MTimeParts& t, char dateSep, char) {
    return WriteTmDate(dest, t, dateSep);
}
