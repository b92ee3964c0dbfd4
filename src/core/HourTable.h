#pragma once
// Calendar fields back to seconds since 1970, through a cache of hour starts: the conversion
// function runs once per (date, hour, daylight-saving flag) seen, and a field set is then its
// hour's start plus minute x 60 + second. A direct-mapped table of 4,096 hours (128 KB) plus a
// memo for fields outside the table's range; one instance per conversion, alive until process
// exit; GUI thread only.
#include <array>
#include <cstdint>

#include "core/MTimeParts.h"

// mktime of a copy: the fields read as local time.
struct FunctionLocalHour {
    static int64_t Convert(const MTimeParts& t);
};
// timegm of a copy: the fields read as UTC.
struct FunctionUTCHour {
    static int64_t Convert(const MTimeParts& t);
};

template <class Function>
class HourTable {
public:
    // Seconds since 1970 of the fields, or -1 when they cannot be converted (a negative year
    // never can). Years since 1900 of 0-199, months 0-11, days 0-31 and hours 0-23 go through
    // the table; other fields are converted through the memo of the last hour.
    static int64_t ToSeconds(const MTimeParts& t);
    // Forgets everything cached (after the zone setting changed).
    static void Clear();

private:
    struct Slot {
        int32_t year = 0, mon = 0, mday = 0, hour = 0, isdst = 0;
        bool filled = false;
        int64_t seconds = 0;
    };
    static constexpr int kSlots = 4096;

    static HourTable& Instance();
    static bool Matches(const Slot& s, const MTimeParts& t);
    // Start of the hour of t (minute and second taken as 0), through the memo.
    int64_t HourStart(const MTimeParts& t);

    std::array<Slot, kSlots> slots_;
    Slot memo_;
};

using LocalHourTable = HourTable<FunctionLocalHour>;
using UtcHourTable = HourTable<FunctionUTCHour>;
