#pragma once
// Broken-down time: the run-time library's nine calendar fields in their usual order, then
// milliseconds, microseconds and nanoseconds. Every time text is written from one and read into
// one. A plain value type, copied freely.
#include <cstdint>
#include <ctime>

struct MTimeParts {
    int32_t tm_sec = 0;     // 0-59
    int32_t tm_min = 0;     // 0-59
    int32_t tm_hour = 0;    // 0-23
    int32_t tm_mday = 0;    // 1-31
    int32_t tm_mon = 0;     // 0-11
    int32_t tm_year = 0;    // years since 1900
    int32_t tm_wday = 0;    // 0-6 from Sunday
    int32_t tm_yday = 0;    // 0-365
    int32_t tm_isdst = -1;  // positive, 0, or -1 to let the library decide
    int32_t tm_msec = 0;    // 0-999
    int32_t tm_usec = 0;    // 0-999
    int32_t tm_nsec = 0;    // 0-999

    // 1970-01-01 00:00:00, a Thursday, daylight-saving flag 0, sub-second fields 0.
    static constexpr MTimeParts Epoch() {
        MTimeParts t;
        t.tm_mday = 1;
        t.tm_year = 70;
        t.tm_wday = 4;
        t.tm_isdst = 0;
        return t;
    }
    // All calendar fields 0, the daylight-saving flag -1, sub-second fields 0.
    static constexpr MTimeParts Cleared() { return MTimeParts{}; }

    // The calendar fields of a library record; sub-second fields 0.
    static MTimeParts FromTm(const std::tm& t);
    // The calendar fields as a library record (no zone information).
    std::tm ToTm() const;
};
