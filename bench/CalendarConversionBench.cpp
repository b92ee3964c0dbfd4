// Cost of turning a count of time into local calendar fields once the caches are warm, and of the
// reverse conversion and the display text.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "core/CalendarConversion.h"
#include "core/DateTimeText.h"
#include "core/HourTable.h"
#include "core/ProcessClock.h"

namespace {

constexpr int64_t kSecond = 1000000000;
constexpr int64_t kStart = 1614834367 * kSecond;  // 2021-03-04 05:06:07 UTC

void UseSummerTimeZone() {
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    ReloadTimeZone();
}

// Conversions inside one hour: the cached hour's record with minute and second looked up.
void BM_BreakDownLocalTime_SameHour(benchmark::State& state) {
    UseSummerTimeZone();
    int64_t t = kStart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BreakDownLocalTime(t));
        t += kSecond + 1234567;
        if (t > kStart + 3000 * kSecond) t = kStart;
    }
}
BENCHMARK(BM_BreakDownLocalTime_SameHour);

// Conversions that jump between hours of 500 known days (a grid of time stamps sorted by
// something else): each computes its fields from the day's cached offset.
void BM_BreakDownLocalTime_ScatteredDays(benchmark::State& state) {
    UseSummerTimeZone();
    int64_t i = 0;
    for (auto _ : state) {
        const int64_t t = kStart + (i * 7919 % 500) * 86400 * kSecond + (i * 104729 % 86400) * kSecond;
        benchmark::DoNotOptimize(BreakDownLocalTime(t));
        ++i;
    }
}
BENCHMARK(BM_BreakDownLocalTime_ScatteredDays);

// Local fields back to seconds for hours of 100 days.
void BM_LocalHourTable_ToSeconds(benchmark::State& state) {
    UseSummerTimeZone();
    MTimeParts t = BreakDownLocalTime(kStart);
    t.tm_isdst = -1;
    int i = 0;
    for (auto _ : state) {
        MTimeParts u = t;
        u.tm_yday = 0;
        u.tm_mday = 1 + i % 28;
        u.tm_mon = i / 28 % 4;
        u.tm_hour = i % 24;
        benchmark::DoNotOptimize(LocalHourTable::ToSeconds(u));
        i = (i + 1) % (28 * 4 * 24);
    }
}
BENCHMARK(BM_LocalHourTable_ToSeconds);

void BM_FormatTmDateTime(benchmark::State& state) {
    UseSummerTimeZone();
    const MTimeParts t = BreakDownLocalTime(kStart + 89000000);
    for (auto _ : state) benchmark::DoNotOptimize(FormatTmDateTime(t, '/', ':'));
}
BENCHMARK(BM_FormatTmDateTime);

}  // namespace
