#pragma once
// Cache in front of the run-time library's seconds-to-calendar conversion. It keeps the calendar
// fields of the current hour (a conversion inside it only looks up minute and second) and a small
// table of day records: the zone's offset for each UTC day that keeps one offset throughout, from
// which the fields of any other hour of that day are computed without calling the library. Days
// on which the offset changes are converted in full every time. One instance per conversion
// function (Instance), about 40 KB, alive until process exit; GUI thread only.
#include <array>
#include <cstdint>
#include <ctime>

#include "core/MTimeParts.h"

// Local calendar fields through LocalTimeOrFallback.
struct FunctionLocalTime {
    static bool Convert(int64_t seconds, std::tm& out);
};

template <class Function>
class BufferTime {
public:
    BufferTime();
    BufferTime(const BufferTime&) = delete;
    BufferTime& operator=(const BufferTime&) = delete;

    // The calendar fields of a count of seconds since 1970 (sub-second fields 0), or null when
    // the library cannot convert it. The record stays valid until the next call.
    const MTimeParts* Convert(int64_t seconds);
    // Seconds east of UTC of the last successful conversion.
    int32_t GetLastOffset() const { return lastOffset_; }
    // Forgets everything cached (after the zone setting changed).
    void Clear();

    static BufferTime& Instance();

private:
    enum DayState : int32_t { DAY_EMPTY, DAY_UNIFORM, DAY_CHANGING, DAY_FAILED };
    struct DayRecord {
        int64_t day = 0;  // days since 1970-01-01
        int32_t offset = 0;
        int32_t isdst = 0;
        DayState state = DAY_EMPTY;
    };
    static constexpr int kDayRecords = 1024;

    const MTimeParts* LoadHour(int64_t seconds);
    const DayRecord& GetDayRecord(int64_t day);
    const MTimeParts* ConvertInFull(int64_t seconds, MTimeParts& out);

    std::array<DayRecord, kDayRecords> days_;
    MTimeParts current_;     // fields of the cached hour
    MTimeParts own_;         // fields of the last full conversion
    int64_t hourStart_ = 0;  // instant at which the cached local hour begins
    int64_t windowLow_ = 1;  // current_ serves [windowLow_, windowHigh_]; empty when low > high
    int64_t windowHigh_ = 0;
    int32_t windowOffset_ = 0;
    int32_t lastOffset_ = 0;
};
