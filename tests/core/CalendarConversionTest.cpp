#include <gtest/gtest.h>

#include <ctime>

#include "core/BufferTime.h"
#include "core/CalendarConversion.h"
#include "core/HourTable.h"
#include "support/ScopedTimeZone.h"

namespace {

using LocalBuffer = BufferTime<FunctionLocalTime>;

const char* const kZones[] = {kZoneUtc,   "EST5",     kZoneNewYork, kZoneBerlin,
                              kZoneIndia, kZoneNepal, kZoneLordHowe};

void ExpectSameFields(const MTimeParts& got, const std::tm& want) {
    EXPECT_EQ(got.tm_year, want.tm_year);
    EXPECT_EQ(got.tm_mon, want.tm_mon);
    EXPECT_EQ(got.tm_mday, want.tm_mday);
    EXPECT_EQ(got.tm_hour, want.tm_hour);
    EXPECT_EQ(got.tm_min, want.tm_min);
    EXPECT_EQ(got.tm_sec, want.tm_sec);
    EXPECT_EQ(got.tm_wday, want.tm_wday);
    EXPECT_EQ(got.tm_yday, want.tm_yday);
    EXPECT_EQ(got.tm_isdst, want.tm_isdst);
}

// Every cached path (same hour, other hour of a known day, days on which the offset changes,
// local dates ahead of or behind the UTC date) agrees with the library, in whole-hour zones and
// in zones offset by 30 or 45 minutes.
TEST(BufferTime, AgreesWithTheLibraryInEveryZone) {
    const int64_t from = 1609372800;  // 2020-12-31 00:00 UTC
    const int64_t to = 1641081600;    // 2022-01-02 00:00 UTC
    for (const char* zone : kZones) {
        SCOPED_TRACE(zone);
        ScopedTimeZone tz(zone);
        int failures = 0;
        // 3,607 s walks through every minute of the hour; the short steps revisit known days.
        for (int64_t s = from; s < to && failures < 5; s += 3607) {
            for (int64_t step : {int64_t{0}, int64_t{1}, int64_t{1799}, int64_t{-86400}}) {
                const int64_t at = s + step;
                std::tm want{};
                const time_t t = at;
                ASSERT_TRUE(localtime_r(&t, &want));
                const MTimeParts* got = LocalBuffer::Instance().Convert(at);
                ASSERT_NE(got, nullptr);
                SCOPED_TRACE(at);
                ExpectSameFields(*got, want);
                EXPECT_EQ(ComputeLocalOffset(at * kSecond), want.tm_gmtoff);
                failures += ::testing::Test::HasFailure();
            }
        }
    }
}

// A half-hour zone whose summer time starts at 00:00 UTC, so that a local hour that begins on the
// day before runs into the new offset.
constexpr const char* kZoneMidnightChange = "<+0530>-5:30<+0630>-6:30,M3.2.0/5:30,M11.1.0/6:30";

TEST(BufferTime, AgreesWithTheLibraryOnTheDaysTheOffsetChanges) {
    const struct {
        const char* zone;
        int64_t day;  // UTC day start
    } cases[] = {{kZoneNewYork, 1615680000},       {kZoneNewYork, 1636243200},  {kZoneBerlin, 1616889600},
                 {kZoneBerlin, 1635638400},        {kZoneLordHowe, 1617494400}, {kZoneLordHowe, 1633219200},
                 {kZoneMidnightChange, 1615680000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        ScopedTimeZone tz(c.zone);
        for (int64_t s = c.day - 43200; s < c.day + 2 * 86400; s += 59) {
            std::tm want{};
            const time_t t = s;
            ASSERT_TRUE(localtime_r(&t, &want));
            const MTimeParts* got = LocalBuffer::Instance().Convert(s);
            ASSERT_NE(got, nullptr);
            SCOPED_TRACE(s);
            ExpectSameFields(*got, want);
            if (::testing::Test::HasFailure()) return;
        }
    }
}

TEST(BufferTime, NextSecondOfTheHourAdvancesTheSameRecord) {
    ScopedTimeZone tz(kZoneIndia);
    const int64_t s = 1614834367;  // 2021-03-04 05:06:07 UTC, 10:36:07 local
    const MTimeParts* first = LocalBuffer::Instance().Convert(s);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->tm_sec, 7);
    const MTimeParts* second = LocalBuffer::Instance().Convert(s + 1);
    EXPECT_EQ(second, first);
    EXPECT_EQ(second->tm_hour, 10);
    EXPECT_EQ(second->tm_min, 36);
    EXPECT_EQ(second->tm_sec, 8);
}

TEST(BufferTime, EpochWestOfUtcIsTheEveningBefore) {
    ScopedTimeZone tz("EST5");
    const MTimeParts* t = LocalBuffer::Instance().Convert(0);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->tm_year, 69);
    EXPECT_EQ(t->tm_mon, 11);
    EXPECT_EQ(t->tm_mday, 31);
    EXPECT_EQ(t->tm_hour, 19);
    EXPECT_EQ(t->tm_wday, 3);
    EXPECT_EQ(t->tm_yday, 364);
}

TEST(BufferTime, LocalHourPastMidnightIsOnTheNextDay) {
    ScopedTimeZone tz(kZoneBerlin);
    LocalBuffer::Instance().Convert(1614808800);                        // 2021-03-03 22:00 UTC
    const MTimeParts* t = LocalBuffer::Instance().Convert(1614814200);  // 23:30 UTC, 00:30 local
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->tm_mday, 4);
    EXPECT_EQ(t->tm_hour, 0);
    EXPECT_EQ(t->tm_min, 30);
    EXPECT_EQ(t->tm_wday, 4);
    EXPECT_EQ(t->tm_yday, 62);
}

TEST(BreakDownLocalTime, AddsTheSubSecondFields) {
    ScopedTimeZone tz(kZoneNepal);
    const MTimeParts t = BreakDownLocalTime(1614834367 * kSecond + 89123456);
    EXPECT_EQ(t.tm_hour, 10);
    EXPECT_EQ(t.tm_min, 51);
    EXPECT_EQ(t.tm_sec, 7);
    EXPECT_EQ(t.tm_msec, 89);
    EXPECT_EQ(t.tm_usec, 123);
    EXPECT_EQ(t.tm_nsec, 456);
}

TEST(ComputeLocalOffset, GivesSecondsEastOfUtc) {
    const struct {
        const char* zone;
        int64_t seconds;
        int32_t offset;
    } cases[] = {
        {kZoneUtc, 1614834367, 0},          {kZoneNewYork, 1614834367, -18000},
        {kZoneNewYork, 1625097600, -14400}, {kZoneIndia, 1614834367, 19800},
        {kZoneNepal, 1614834367, 20700},    {kZoneLordHowe, 1625097600, 37800},
        {kZoneLordHowe, 1609459200, 39600}, {kZoneBerlin, 2147483648, 0},  // beyond 32-bit seconds
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        ScopedTimeZone tz(c.zone);
        EXPECT_EQ(ComputeLocalOffset(c.seconds * kSecond), c.offset);
    }
}

TEST(ComputeLocalMidnight, IsTheStartOfTheLocalDay) {
    const struct {
        const char* zone;
        int64_t seconds;
        int64_t midnight;
    } cases[] = {
        {kZoneUtc, 1614834367, 1614816000},     {kZoneIndia, 1614834367, 1614796200},  // 2021-03-03 18:30 UTC
        {kZoneNepal, 1614834367, 1614795300},                                          // 2021-03-03 18:15 UTC
        {kZoneNewYork, 1615705200, 1615698000},  // 03:00 EDT on the day summer time starts: 00:00 EST
        {kZoneNewYork, 1636264800, 1636257600},  // 01:00 EST on the day it ends: 00:00 EDT
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        ScopedTimeZone tz(c.zone);
        EXPECT_EQ(ComputeLocalMidnight(c.seconds * kSecond), c.midnight * kSecond);
    }
}

TEST(HourTables, AgreeWithTheLibrary) {
    for (const char* zone : kZones) {
        SCOPED_TRACE(zone);
        ScopedTimeZone tz(zone);
        for (int64_t s = 1609372800; s < 1641081600; s += 86400 * 3 + 3607) {
            const time_t t = s;
            std::tm local{}, utc{};
            localtime_r(&t, &local);
            gmtime_r(&t, &utc);
            MTimeParts parts = MTimeParts::FromTm(local);
            parts.tm_isdst = -1;
            std::tm copy = parts.ToTm();
            SCOPED_TRACE(s);
            EXPECT_EQ(LocalHourTable::ToSeconds(parts), mktime(&copy));
            EXPECT_EQ(LocalHourTable::ToSeconds(parts), LocalHourTable::ToSeconds(parts));  // cached
            EXPECT_EQ(UtcHourTable::ToSeconds(MTimeParts::FromTm(utc)), s);
            if (::testing::Test::HasFailure()) return;
        }
    }
}

TEST(HourTables, FieldsOutsideTheTableStillConvert) {
    ScopedTimeZone tz(kZoneNewYork);
    MTimeParts t = MTimeParts::Cleared();
    t.tm_year = 200;  // 2100-01-01 00:00:00
    t.tm_mday = 1;
    EXPECT_EQ(UtcHourTable::ToSeconds(t), 4102444800);
    EXPECT_EQ(LocalHourTable::ToSeconds(t), 4102444800 + 5 * 3600);
    t.tm_year = 121;
    t.tm_hour = 25;  // the next day at 01:00
    t.tm_min = 61;
    EXPECT_EQ(UtcHourTable::ToSeconds(t), 1609459200 + 25 * 3600 + 61 * 60);
    t.tm_year = -1;
    EXPECT_EQ(UtcHourTable::ToSeconds(t), -1);
    EXPECT_EQ(LocalHourTable::ToSeconds(t), -1);
}

TEST(DescribeTimeZone, NamesTheSettingAndTheHoursWestOfUtc) {
    const struct {
        const char* zone;
        const char* text;
    } cases[] = {
        {kZoneUtc, "Environment variable TZ set to 'UTC0', offset 0"},
        {kZoneNewYork, "Environment variable TZ set to 'EST5EDT,M3.2.0,M11.1.0', offset 5"},
        {kZoneBerlin, "Environment variable TZ set to 'CET-1CEST,M3.5.0,M10.5.0/3', offset -1"},
        {kZoneIndia, "Environment variable TZ set to 'IST-5:30', offset -5"},
    };
    for (const auto& c : cases) {
        ScopedTimeZone tz(c.zone);
        EXPECT_EQ(DescribeTimeZone(), c.text);
    }
    ScopedTimeZone unset(nullptr);
    EXPECT_EQ(DescribeTimeZone().rfind("Environment variable TZ set to '', offset ", 0), 0u);
}

}  // namespace
