#include "fields/MDateTimeTraits.h"

#include "core/CalendarConversion.h"
#include "core/ProcessClock.h"

bool MDateTimeTraits::IsInRange(int64_t count) {
    return count >= 0 && count <= GetMaxDateTimeCount();
}

MTimeParts MDateTimeTraits::BreakDown(int64_t count, bool& valid) {
    valid = IsInRange(count);
    return BreakDownLocalTime(count);
}

int64_t MDateTimeTraits::CountFromTm(const MTimeParts& t) {
    return ComputeLocalDateTimeCount(t);
}

char* MDateTimeTraits::Write(char* dest, const MTimeParts& t, char dateSep, char timeSep) {
    return WriteTmDateTime(dest, t, dateSep, timeSep);
}

std::string MDateTimeTraits::Compact(const MTimeParts& t) {
    return FormatTmCompactDateTime(t);
}
