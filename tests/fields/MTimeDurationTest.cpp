#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "fields/MTimeDuration.h"
#include "fields/TimeArithmetic.h"
#include "support/TimeTestSupport.h"

namespace {

MTimeParts Parts(int days, int hours, int minutes, int seconds, int months = 0, int years = 0) {
    MTimeParts t = MTimeParts::Cleared();
    t.tm_yday = days;
    t.tm_hour = hours;
    t.tm_min = minutes;
    t.tm_sec = seconds;
    t.tm_mon = months;
    t.tm_year = years;
    return t;
}

void ExpectParts(const MTimeParts& t, int days, int hours, int minutes, int seconds, int months = 0,
                 int years = 0) {
    EXPECT_EQ(t.tm_yday, days);
    EXPECT_EQ(t.tm_hour, hours);
    EXPECT_EQ(t.tm_min, minutes);
    EXPECT_EQ(t.tm_sec, seconds);
    EXPECT_EQ(t.tm_mon, months);
    EXPECT_EQ(t.tm_year, years);
}

TEST(MTimeDuration, PlainUpToTwentyEightDays) {
    const MTimeDuration day(1, TIME_UNIT_DAY);
    EXPECT_TRUE(day.IsPlainCount());
    EXPECT_EQ(day.GetCount(), kDay);
    EXPECT_EQ(day.GetUnits(TIME_UNIT_HOUR), 24);
    ExpectParts(day.GetParts(), 1, 0, 0, 0);
    EXPECT_EQ(day.GetParts().tm_mday, -1);
    EXPECT_EQ(day.GetParts().tm_wday, -1);
    EXPECT_TRUE(MTimeDuration(28, TIME_UNIT_DAY).IsPlainCount());
    EXPECT_TRUE(MTimeDuration(-28, TIME_UNIT_DAY).IsPlainCount());
    EXPECT_FALSE(MTimeDuration(28 * 86400 + 1, TIME_UNIT_SECOND).IsPlainCount());
    // A count spread from nanoseconds carries hours into days and no further.
    ExpectParts(MTimeDuration(-90, TIME_UNIT_MINUTE).GetParts(), 0, -1, -30, 0);
}

TEST(MTimeDuration, LongDurationsCarryCalendarParts) {
    const MTimeDuration month(1, TIME_UNIT_MONTH);
    EXPECT_FALSE(month.IsPlainCount());
    EXPECT_EQ(month.GetCount(), 30 * kDay);
    ExpectParts(month.GetParts(), 0, 0, 0, 0, 1);

    const MTimeDuration seconds(3000000, TIME_UNIT_SECOND);
    EXPECT_FALSE(seconds.IsPlainCount());
    EXPECT_EQ(seconds.GetCount(), 3000000 * kSecond);
    ExpectParts(seconds.GetParts(), 34, 17, 20, 0);

    const MTimeDuration months(13, TIME_UNIT_MONTH);
    ExpectParts(months.GetParts(), 0, 0, 0, 0, 1, 1);
    EXPECT_EQ(months.GetCount(), 390 * kDay);

    EXPECT_EQ(MTimeDuration::GetMaximum().GetCount(), INT64_MAX);
    EXPECT_EQ(MTimeDuration::GetNull().GetCount(), -kSecond);
    EXPECT_EQ(MTimeDuration::GetMinimum().GetCount(), 0);
}

TEST(MTimeDuration, ReadFromATimeText) {
    EXPECT_EQ(MTimeDuration("48:00:00").GetCount(), 2 * kDay);
    EXPECT_EQ(MTimeDuration("01:30:00.250").GetCount(), 90 * kMinute + 250 * kMs);
    EXPECT_EQ(MTimeDuration("013000").GetCount(), 90 * kMinute);
    EXPECT_EQ(MTimeDuration("1230").GetCount(), -kSecond);
    EXPECT_EQ(MTimeDuration("").GetCount(), -kSecond);
    EXPECT_EQ(MTimeDuration(nullptr).GetCount(), -kSecond);
}

TEST(MTimeDuration, PartsAreNormalisedWithFloorDivision) {
    struct Case {
        MTimeParts in;
        int days, hours, minutes, seconds, months, years;
    };
    const Case cases[] = {
        {Parts(0, 0, 90, 30), 0, 1, 30, 30, 0, 0},    {Parts(0, 0, 0, 3661), 0, 1, 1, 1, 0, 0},
        {Parts(0, 0, 0, -30), -1, 23, 59, 30, 0, 0},  {Parts(2, 49, 0, 0), 4, 1, 0, 0, 0, 0},
        {Parts(0, 0, 0, 0, 14, 1), 0, 0, 0, 0, 2, 2}, {Parts(0, 0, 0, 0, -1, 0), 0, 0, 0, 0, 11, -1},
    };
    for (const Case& c : cases) {
        const int64_t before =
            ((((int64_t{c.in.tm_year} * 12 + c.in.tm_mon) * 30 + c.in.tm_yday) * 24 + c.in.tm_hour) * 60 +
             c.in.tm_min) *
                60 * kSecond +
            c.in.tm_sec * kSecond;
        const MTimeDuration duration(c.in);
        SCOPED_TRACE(before);
        ExpectParts(duration.GetParts(), c.days, c.hours, c.minutes, c.seconds, c.months, c.years);
        EXPECT_EQ(duration.GetCount(), before);
    }
}

TEST(MTimeDuration, NegationAndDifference) {
    const MTimeDuration hour(1, TIME_UNIT_HOUR);
    EXPECT_EQ((-hour).GetCount(), -kHour);
    const MTimeDuration month(1, TIME_UNIT_MONTH);
    const MTimeDuration back = -month;
    EXPECT_EQ(back.GetCount(), -30 * kDay);
    ExpectParts(back.GetParts(), 0, 0, 0, 0, -1);

    const MTimeDuration plain = MTimeDuration(3, TIME_UNIT_DAY) - MTimeDuration(5, TIME_UNIT_HOUR);
    EXPECT_TRUE(plain.IsPlainCount());
    EXPECT_EQ(plain.GetCount(), 3 * kDay - 5 * kHour);
    // Beyond plain counts the difference goes part by part, normalised.
    const MTimeDuration mixed = month - MTimeDuration(1, TIME_UNIT_DAY);
    ExpectParts(mixed.GetParts(), -1, 0, 0, 0, 1);
    EXPECT_EQ(mixed.GetCount(), 29 * kDay);
    const MTimeDuration wide = MTimeDuration(20, TIME_UNIT_DAY) - MTimeDuration(-20, TIME_UNIT_DAY);
    EXPECT_EQ(wide.GetCount(), 40 * kDay);
    EXPECT_FALSE(wide.IsPlainCount());
}

TEST(MTimeDuration, DaysInMonthAndMonthsAddedToFields) {
    struct Days {
        int year, month, days;
    };
    const Days days[] = {{2021, 1, 31}, {2021, 2, 28},  {2024, 2, 29}, {1900, 2, 28}, {2000, 2, 29},
                         {2021, 4, 30}, {2021, 12, 31}, {2021, 0, 0},  {2021, 13, 0}};
    for (const Days& d : days) EXPECT_EQ(GetDaysInMonth(d.year, d.month), d.days) << d.year << "-" << d.month;

    struct Months {
        int year, month, day, add;
        int toYear, toMonth, toDay;
    };
    const Months months[] = {{2021, 1, 31, 1, 2021, 2, 28},    {2020, 1, 31, 1, 2020, 2, 29},
                             {2021, 1, 15, -13, 2019, 12, 15}, {2021, 3, 31, -1, 2021, 2, 28},
                             {2021, 11, 30, 14, 2023, 1, 30},  {2021, 1, 1, -12, 2020, 1, 1}};
    for (const Months& m : months) {
        MTimeParts t = LocalFields(m.year, m.month, m.day);
        AddMonthsToTm(t, m.add);
        EXPECT_EQ(t.tm_year + 1900, m.toYear) << m.add;
        EXPECT_EQ(t.tm_mon + 1, m.toMonth) << m.add;
        EXPECT_EQ(t.tm_mday, m.toDay) << m.add;
    }
}

TEST(MTimeDuration, MonthsAreAddedBeforeYearsWithTheEndOfMonthRule) {
    ScopedTimeZone tz(kZoneNewYork);
    struct Case {
        const char* from;
        MTimeDuration duration;
        const char* to;
    };
    const Case cases[] = {
        {"20210131", MTimeDuration(1, TIME_UNIT_MONTH), "2021/02/28"},
        {"20200131", MTimeDuration(13, TIME_UNIT_MONTH), "2021/02/28"},  // 2020/02/29, then a year on
        {"20200229", MTimeDuration(1, TIME_UNIT_YEAR), "2021/02/28"},
        {"20211231", MTimeDuration(2, TIME_UNIT_MONTH), "2022/02/28"},
        // Negative months go back like positive ones go forward.
        {"20210331", MTimeDuration(-1, TIME_UNIT_MONTH), "2021/02/28"},
        {"20200331", MTimeDuration(-13, TIME_UNIT_MONTH), "2019/02/28"},
        {"20210115", MTimeDuration(-2, TIME_UNIT_MONTH), "2020/11/15"},
        // Beyond 28 days a day count goes through the calendar too.
        {"20210305", MTimeDuration(-40, TIME_UNIT_DAY), "2021/01/24"},
        {"20210305", MTimeDuration(40, TIME_UNIT_DAY), "2021/04/14"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        MDate date(c.from);
        EXPECT_EQ((date + c.duration).ToString(), c.to);
        MDateTimeTimePoint dateTime(std::string(c.from) + " 10:20:30");
        EXPECT_EQ((dateTime + c.duration).ToString(), std::string(c.to) + " 10:20:30.000");
    }
    // A point minus a month is a calendar month back.
    EXPECT_EQ((MDate("20200331") - MTimeDuration(1, TIME_UNIT_MONTH)).ToString(), "2020/02/29");
    EXPECT_EQ((MDateTimeTimePoint("20210331 08:00:00") - MTimeDuration(1, TIME_UNIT_MONTH)).ToString(),
              "2021/02/28 08:00:00.000");
}

TEST(MTimeDuration, DaysAcrossDaylightSavingChanges) {
    ScopedTimeZone tz(kZoneNewYork);
    const MTimeDuration day(1, TIME_UNIT_DAY);
    // A day added goes through the calendar: 23 real hours across the change to summer time,
    // 25 across the change back, at the same local clock time.
    const MDateTimeTimePoint spring("2021/03/13 12:00:00");
    const MDateTimeTimePoint springNext = spring + day;
    EXPECT_EQ(springNext.ToString(), "2021/03/14 12:00:00.000");
    EXPECT_EQ((springNext - spring).GetCount(), 23 * kHour);
    const MDateTimeTimePoint autumn("2021/11/06 12:00:00");
    EXPECT_EQ(((autumn + day) - autumn).GetCount(), 25 * kHour);

    // A day taken away is a count of 24 hours for a date-time ...
    EXPECT_EQ((springNext - day).ToString(), "2021/03/13 11:00:00.000");
    // ... while a date moves by whole calendar days both ways.
    const char* dates[] = {"20210313", "20210314", "20210315", "20211106", "20211107", "20211108"};
    for (const char* text : dates) {
        SCOPED_TRACE(text);
        const MDate date(text);
        const MDate next = date + day;
        EXPECT_EQ((next - day).GetCount(), date.GetCount());
        EXPECT_EQ((date - day + day).GetCount(), date.GetCount());
        EXPECT_EQ((date + MTimeDuration(-1, TIME_UNIT_DAY) + day).GetCount(), date.GetCount());
    }
    EXPECT_EQ((MDate("20210315") - day).ToString(), "2021/03/14");
    EXPECT_EQ((MDate("20210314") + day).ToString(), "2021/03/15");
    // Hours below 23 are a count; a date snaps back to its day.
    EXPECT_EQ((MDate("20210314") + MTimeDuration(22, TIME_UNIT_HOUR)).ToString(), "2021/03/14");
    EXPECT_EQ((MDate("20210314") - MTimeDuration(1, TIME_UNIT_HOUR)).ToString(), "2021/03/13");
}

TEST(MTimeDuration, TimeOfDayAddsWithinTheDay) {
    ScopedTimeZone tz(kZoneUtc);
    const MTimeTimePoint time("10:00:00");
    EXPECT_EQ((time + MTimeDuration(90, TIME_UNIT_MINUTE)).ToString(), "11:30:00.000");
    EXPECT_EQ((time - MTimeDuration(30, TIME_UNIT_SECOND)).ToString(), "09:59:30.000");
    // Through the calendar: the hours wrap and the day is dropped.
    EXPECT_EQ((time + MTimeDuration(23, TIME_UNIT_HOUR)).ToString(), "09:00:00.000");
}

TEST(MTimeDuration, CalendarStepHandlesVeryLongDurations) {
    MTimeParts start = LocalFields(2000, 1, 1, 6);
    const MTimeParts end = AddDurationToTm(start, MTimeDuration(int64_t{146097} * 2 + 5, TIME_UNIT_DAY));
    EXPECT_EQ(end.tm_year + 1900, 2800);
    EXPECT_EQ(end.tm_mon, 0);
    EXPECT_EQ(end.tm_mday, 6);
    EXPECT_EQ(end.tm_hour, 6);
    start = LocalFields(2021, 3, 1);
    const MTimeParts back = AddDurationToTm(start, MTimeDuration(-1, TIME_UNIT_DAY));
    EXPECT_EQ(back.tm_mday, 0);  // resolved by the library as the last day of February
}

TEST(MTimeDuration, SleepForPassesTheDurationOn) {
    const auto start = std::chrono::steady_clock::now();
    SleepFor(MTimeDuration(1500, TIME_UNIT_MICROSECOND));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1));
}

}  // namespace
