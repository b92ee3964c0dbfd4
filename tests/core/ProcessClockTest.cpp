#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <vector>

#include "core/CalendarConversion.h"
#include "core/ProcessClock.h"
#include "support/ScopedTimeLimits.h"
#include "support/ScopedTimeZone.h"

namespace {

constexpr int64_t kMinute = 60 * kSecond;
constexpr int64_t kHour = 60 * kMinute;

int64_t LibraryNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<int64_t>(now.tv_sec) * kSecond + now.tv_nsec;
}

// Waits until the system clock has moved past t (it moves every microsecond).
void WaitPast(int64_t t) {
    while (ReadSystemClock() <= t) {
    }
}

TEST(ProcessClock, SystemTimeIsTruncatedToMicroseconds) {
    for (int i = 0; i < 20; ++i) {
        const int64_t before = LibraryNow();
        const int64_t reading = ReadSystemClock();
        const int64_t after = LibraryNow();
        EXPECT_EQ(reading % 1000, 0);
        EXPECT_GE(reading, before / 1000 * 1000);
        EXPECT_LE(reading, after);
    }
}

TEST(ProcessClock, ReadingIsFrozenUntilReset) {
    ResetCurrentTimeCache();
    const int64_t first = ReadCurrentTime();
    WaitPast(first);
    EXPECT_EQ(ReadCurrentTime(), first);
    EXPECT_EQ(MGlobalDateTimeClock::Now(false), first);
    ResetCurrentTimeCache();
    const int64_t second = ReadCurrentTime();
    EXPECT_GT(second, first);
    EXPECT_EQ(second % 1000, 0);
    WaitPast(second);
    EXPECT_GT(MGlobalDateTimeClock::Now(true), second);
}

TEST(ProcessClock, TimeClockGivesTheLocalTimeOfDay) {
    ScopedTimeZone tz(kZoneIndia);
    const int64_t t = MGlobalDateTimeClock::Now(true);
    EXPECT_EQ(MGlobalTimeClock::Now(false), GetLocalTimeOfDay());
    const MTimeParts parts = BreakDownLocalTime(t);
    EXPECT_EQ(GetLocalTimeOfDay(), (parts.tm_hour * 3600 + parts.tm_min * 60 + parts.tm_sec) * kSecond +
                                       parts.tm_msec * 1000000 + parts.tm_usec * 1000);
    EXPECT_EQ(GetLocalMidnight(), ComputeLocalMidnight(t));
}

TEST(ProcessClock, EventClockIsReadOnlyWhenRefreshed) {
    ResetCurrentTimeCache();
    const int64_t frozen = ReadCurrentTime();
    RefreshEventClock();
    const int64_t event = GetEventClockTime();
    EXPECT_GE(event, frozen);
    WaitPast(event);
    EXPECT_EQ(GetEventClockTime(), event);
    RefreshEventClock();
    EXPECT_GT(GetEventClockTime(), event);
    EXPECT_EQ(ReadCurrentTime(), frozen);
}

struct Reading {
    int64_t t;
    int64_t timeOfDay;
    int64_t midnight;
};

struct ZoneReadings {
    const char* zone;
    std::vector<Reading> readings;  // taken in this order: later ones may reuse the cached hour
};

// Local time of day and local midnight of readings fed to the clock one after the other.
TEST(ProcessClock, KeepsLocalTimeOfDayAndMidnight) {
    const ZoneReadings cases[] = {
        {kZoneUtc,
         {{1614834367 * kSecond + 89000000, 5 * kHour + 6 * kMinute + 7089000000, 1614816000 * kSecond}}},
        {"EST5",
         {{1614834367 * kSecond + 89000000, 6 * kMinute + 7089000000, 1614834000 * kSecond},
          {1614837600 * kSecond - 1, kHour - 1, 1614834000 * kSecond},  // last nanosecond of the UTC hour
          {1614837600 * kSecond, kHour, 1614834000 * kSecond},          // first of the next
          {1614826800 * kSecond, 22 * kHour, 1614747600 * kSecond}}},   // 03:00 UTC, 22:00 the day before
        {kZoneNewYork,  // both changes of 2021, before and after each
         {{1615705200 * kSecond - 1, 2 * kHour - 1, 1615698000 * kSecond},
          {1615705200 * kSecond, 3 * kHour, 1615698000 * kSecond},
          {1615707000 * kSecond, 3 * kHour + 30 * kMinute, 1615698000 * kSecond},
          {1615780800 * kSecond, 0, 1615780800 * kSecond},
          {1636264799 * kSecond, 2 * kHour - kSecond, 1636257600 * kSecond},
          {1636264800 * kSecond, kHour, 1636257600 * kSecond},
          {1636266600 * kSecond, kHour + 30 * kMinute, 1636257600 * kSecond},
          {1636347600 * kSecond, 0, 1636347600 * kSecond}}},
        {"CET-1",  // local midnight east of UTC is 00:00, not 24:00 of the day before
         {{1614810600 * kSecond, 23 * kHour + 30 * kMinute, 1614726000 * kSecond},
          {1614812400 * kSecond - 1000000, 24 * kHour - 1000000, 1614726000 * kSecond},
          {1614812400 * kSecond, 0, 1614812400 * kSecond},
          {1614814200 * kSecond, 30 * kMinute, 1614812400 * kSecond},
          {1614898800 * kSecond, 0, 1614898800 * kSecond}}},
        {kZoneIndia,  // local midnight falls inside a UTC hour
         {{1614834367 * kSecond + 89000000, 10 * kHour + 36 * kMinute + 7089000000, 1614796200 * kSecond},
          {1614881400 * kSecond, 23 * kHour + 40 * kMinute, 1614796200 * kSecond},
          {1614882600 * kSecond, 0, 1614882600 * kSecond},
          {1614883800 * kSecond, 20 * kMinute, 1614882600 * kSecond}}},
        {kZoneNepal, {{1614834367 * kSecond, 10 * kHour + 51 * kMinute + 7 * kSecond, 1614795300 * kSecond}}},
        {kZoneLordHowe,  // summer time starts at 02:00 local, 15:30 UTC, inside a UTC hour
         {{1633187400 * kSecond, kHour + 40 * kMinute, 1633181400 * kSecond},
          {1633189200 * kSecond, 2 * kHour + 40 * kMinute, 1633181400 * kSecond}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        ScopedTimeZone tz(c.zone);
        for (const Reading& r : c.readings) {
            SCOPED_TRACE(r.t);
            UpdateClockCache(r.t);
            EXPECT_EQ(ReadCurrentTime(), r.t);
            EXPECT_EQ(GetLocalTimeOfDay(), r.timeOfDay);
            EXPECT_EQ(GetLocalMidnight(), r.midnight);
        }
    }
    ResetCurrentTimeCache();
}

TEST(ProcessClock, FollowsAChangedZoneSetting) {
    ScopedTimeZone utc(kZoneUtc);
    UpdateClockCache(1614834367 * kSecond);
    EXPECT_EQ(GetLocalTimeOfDay(), 5 * kHour + 6 * kMinute + 7 * kSecond);
    {
        ScopedTimeZone india(kZoneIndia);
        EXPECT_EQ(ReadCurrentTime(), 1614834367 * kSecond);
        EXPECT_EQ(GetLocalTimeOfDay(), 10 * kHour + 36 * kMinute + 7 * kSecond);
    }
    EXPECT_EQ(GetLocalTimeOfDay(), 5 * kHour + 6 * kMinute + 7 * kSecond);
    ResetCurrentTimeCache();
}

TEST(FillTimeLimits, SetsTheFarFutureLimitsOf2038) {
    ScopedTimeLimits limits;
    static int rebuilds;
    rebuilds = 0;
    SetTimeLimitsRebuild([] { ++rebuilds; });
    FillTimeLimits();
    SetTimeLimitsRebuild(nullptr);
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(GetMaxDateTimeCount(), 2145952800 * kSecond);  // 2038-01-01 10:00:00 UTC
    EXPECT_EQ(GetMaxDateCount(), 2145934800 * kSecond);      // 2038-01-01 05:00:00 UTC
    // The maximum date lies on 2038-01-01 at UTC-5 and east of it, on 2037-12-31 further west.
    const struct {
        const char* zone;
        int mday;
        int64_t midnight;
    } cases[] = {{kZoneUtc, 1, 2145916800},
                 {"EST5", 1, 2145934800},
                 {"CET-1", 1, 2145913200},
                 {kZoneIndia, 1, 2145897000},
                 {"PST8", 31, 2145859200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        ScopedTimeZone tz(c.zone);
        EXPECT_EQ(BreakDownLocalTime(GetMaxDateCount()).tm_mday, c.mday);
        EXPECT_EQ(ComputeLocalMidnight(GetMaxDateCount()), c.midnight * kSecond);
    }
}

TEST(SleepFor, SleepsAtLeastTheWholeMilliseconds) {
    using std::chrono::steady_clock;
    const auto start = steady_clock::now();
    SleepFor(1500000);  // 1.5 ms sleeps 1 ms
    EXPECT_GE(steady_clock::now() - start, std::chrono::milliseconds(1));
}

TEST(ProcessClock, ZeroTimeIsNotShownBlankByDefault) {
    EXPECT_FALSE(IsZeroTimeShownBlank());
}

}  // namespace
