#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/MGlobalTime.h"
#include "fields/MTimeDuration.h"
#include "fields/TimeArithmetic.h"
#include "fields/WindowTools.h"
#include "support/ScopedEnvironment.h"
#include "support/TimeTestSupport.h"

namespace {

// Starts the framework clock on a local date for one test (fresh readings included); the plain
// clock comes back afterwards.
class ScopedClockDate {
public:
    explicit ScopedClockDate(const char* dateTime) {
        environment_.Set("VARN_EXEC_MODE", "TEST");
        environment_.Set("VARN_TIME_OVERWRITE_DATE", dateTime);
        MGlobalTime::Instance().Init();
        ResetCurrentTimeCache();
    }
    ~ScopedClockDate() {
        environment_.Set("VARN_EXEC_MODE", nullptr);
        environment_.Set("VARN_TIME_OVERWRITE_DATE", nullptr);
        MGlobalTime::Instance().Init();
        ResetCurrentTimeCache();
    }

private:
    ScopedEnvironment environment_;
};

TEST(CheckForbiddenCharacters, RefusesSeparatorsDeleteAndHighBytesButPassesControlBytes) {
    struct Case {
        std::string text;
        bool allowed;
        std::string forbidden;
    };
    const std::vector<Case> cases = {
        {"abc", true, ""},
        {"", true, ""},
        {"a=b", false, "="},
        {"a;b=c", false, ";"},
        {"x\x7Fy", false, "\x7F"},
        {"caf\xE9", false, "\xE9"},
        {"\x80", false, "\x80"},
        {"tab\there\x01\x1F", true, ""},
        {"~ !\"#$%&'()*+,-./:<>?@[\\]^_`{|}", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string out = "untouched";
        EXPECT_EQ(CheckForbiddenCharacters(c.text.c_str(), &out), c.allowed);
        EXPECT_EQ(out, c.allowed ? "untouched" : c.forbidden);
        EXPECT_EQ(CheckForbiddenCharacters(c.text.c_str()), c.allowed);
        // The whole text gives the same answer when it holds no zero byte.
        out = "untouched";
        EXPECT_EQ(CheckForbiddenCharacters(c.text, &out), c.allowed);
        EXPECT_EQ(out, c.allowed ? "untouched" : c.forbidden);
    }
}

// A text read from a file is tested whole: a zero byte is refused itself, so that what follows
// it cannot pass unseen, while the terminated form still ends there.
TEST(CheckForbiddenCharacters, TheWholeTextRefusesAZeroByteAndWhatItHid) {
    using namespace std::string_literals;
    for (const std::string& text : {"Name\0=x"s, "Name\0\xE9"s, "Name\0"s, "\0"s}) {
        SCOPED_TRACE(text.size());
        EXPECT_TRUE(CheckForbiddenCharacters(text.c_str()));
        std::string out;
        EXPECT_FALSE(CheckForbiddenCharacters(text, &out));
        EXPECT_EQ(out, "\0"s);
    }
}

TEST(WindowToolsDates, PartCodesOfADateAndOfADateTime) {
    ScopedTimeZone tz(kZoneBerlin);
    const MDateTimeTimePoint point("2021/07/04 05:06:07.089");
    const MDate date("20210704");
    struct Case {
        int32_t code;
        int32_t pointPart;
        int32_t datePart;
    };
    const Case cases[] = {{0, 2021, 2021}, {1, 7, 7},  {2, 4, 4}, {3, 0, 0},  {4, 184, 184},
                          {5, 5, 0},       {6, 6, 0},  {7, 7, 0}, {8, 89, 0}, {9, 0, 0},
                          {10, 0, 0},      {11, 0, 0}, {-1, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(GetDateTimePart(point, c.code), c.pointPart);
        EXPECT_EQ(GetDatePart(date, c.code), c.datePart);
    }
    EXPECT_EQ(DateTimePointToDate(point), FormDateTime::Date(2021, 7, 4));
    EXPECT_EQ(DateTimePointToTime(point), FormDateTime::Time(5, 6, 7, 89));
    EXPECT_EQ(DateToDateTime(date), FormDateTime::Date(2021, 7, 4));
}

TEST(WindowToolsDates, WeekdayNames) {
    ScopedTimeZone tz(kZoneNewYork);
    const char* names[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    MDate date("20210704");  // a Sunday
    for (int32_t k = 0; k < 7; ++k) {
        std::string name;
        EXPECT_EQ(GetWeekdayName(date, name), k);
        EXPECT_EQ(name, names[k]);
        date = date + MTimeDuration(1, TIME_UNIT_DAY);
    }
    EXPECT_STREQ(WeekdayName(7), "Unknown");
    EXPECT_STREQ(WeekdayName(-1), "Unknown");
}

TEST(WindowToolsDates, EarliestDateIsTheLocalDayOf1980StartingInUtc) {
    struct Case {
        const char* zone;
        FormDateTime date;
    };
    const Case cases[] = {
        {kZoneUtc, FormDateTime::Date(1980, 1, 1)},
        {kZoneBerlin, FormDateTime::Date(1980, 1, 1)},
        {kZoneIndia, FormDateTime::Date(1980, 1, 1)},
        {kZoneLordHowe, FormDateTime::Date(1980, 1, 1)},
        {kZoneNewYork, FormDateTime::Date(1979, 12, 31)},
        {"PST8PDT,M3.2.0,M11.1.0", FormDateTime::Date(1979, 12, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zone);
        ScopedTimeZone tz(c.zone);
        EXPECT_EQ(DateToDateTime(GetEarliestDate()), c.date);
        EXPECT_EQ(GetEarliestDate().ToString('/'), c.date.year == 1980 ? "1980/01/01" : "1979/12/31");
    }
}

TEST(WindowToolsDates, CurrentDateAndTimeFollowTheFrameworkClock) {
    ScopedTimeZone tz(kZoneBerlin);
    ScopedClockDate clock("20260614 101112");
    EXPECT_EQ(TodayAsDateTime(), FormDateTime::Date(2026, 6, 14));
    EXPECT_EQ(DateToDateTime(CurrentDate()), FormDateTime::Date(2026, 6, 14));
    EXPECT_EQ(DateTimePointToDate(CurrentDateTimePoint()), FormDateTime::Date(2026, 6, 14));
    const FormDateTime now = NowAsTimeOfDay();
    EXPECT_EQ(now.year, 0);
    EXPECT_EQ(now.hour, 10);
    EXPECT_EQ(now.minute, 11);
}

TEST(IsDateTimeLess, ComparesDatesThenTimesOfDay) {
    struct Case {
        FormDateTime a, b;
        bool less;
    };
    const Case cases[] = {
        {FormDateTime::Date(1979, 12, 31), FormDateTime::Date(1980, 1, 1), true},
        {FormDateTime::Date(1980, 1, 1), FormDateTime::Date(1980, 1, 1), false},
        {FormDateTime::Date(1980, 2, 1), FormDateTime::Date(1980, 1, 31), false},
        {FormDateTime{1980, 1, 1, 23, 59, 59, 999}, FormDateTime::Date(1980, 1, 2), true},
        {FormDateTime{1980, 1, 1, 10, 0, 0, 1}, FormDateTime{1980, 1, 1, 10, 0, 0, 0}, false},
        {FormDateTime::Time(9, 59, 59, 999), FormDateTime::Time(10, 0, 0), true},
        {FormDateTime::Time(10, 0, 0), FormDateTime::Time(10, 0, 0), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsDateTimeLess(c.a, c.b), c.less);
        if (c.less) {
            EXPECT_FALSE(IsDateTimeLess(c.b, c.a));
        }
    }
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(DSTSupportReport, ListsBothColumnsAndSaysDSTIsConfiguredInEveryZone) {
    for (const char* zone : {kZoneUtc, kZoneNewYork, kZoneBerlin, kZoneLordHowe}) {
        SCOPED_TRACE(zone);
        ScopedTimeZone tz(zone);
        ScopedClockDate clock("20260614");
        std::string text = "before|";
        DSTSupportReport(text);
        const std::vector<std::string> lines = Lines(text);
        ASSERT_EQ(lines.size(), 33u);
        EXPECT_EQ(lines[0], "before|2026/03/01 is Sunday\t\t2026/11/01 is Sunday\t\t");
        EXPECT_EQ(lines[3], "2026/03/04 is Wednesday\t2026/11/04 is Wednesday\t");
        EXPECT_EQ(lines[7], "2026/03/08 is Sunday\t\t2026/11/08 is Sunday\t\t");
        EXPECT_EQ(lines[28], "2026/03/29 is Sunday\t\t2026/11/29 is Sunday\t\t");
        EXPECT_EQ(lines[29], "2026/03/30 is Monday\t\t2026/11/30 is Monday\t\t");
        EXPECT_EQ(lines[30], "2026/03/31 is Tuesday\t\t");
        EXPECT_EQ(lines[31], "");
        EXPECT_EQ(lines[32], "DST is configured properly");
    }
}

TEST(DSTSupportReport, AStepThatSkipsOrRepeatsADayEndsItsColumnWithTheErrorLine) {
    ScopedTimeZone tz(kZoneBerlin);
    ScopedClockDate clock("20250101");
    const MDate skipAt("20250330");
    const MDate repeatAt("20251105");
    auto faulty = [&](const MDate& date) {
        if (date == skipAt) return date + MTimeDuration(2, TIME_UNIT_DAY);
        if (date == repeatAt) return date;
        return date + MTimeDuration(1, TIME_UNIT_DAY);
    };
    std::string text;
    DSTSupportReport(text, faulty);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 33u);
    EXPECT_EQ(lines[0], "2025/03/01 is Saturday\t\t2025/11/01 is Saturday\t\t");
    EXPECT_EQ(lines[4], "2025/03/05 is Wednesday\t2025/11/05 is Wednesday\t");
    EXPECT_EQ(lines[5], "2025/03/06 is Thursday\t\t2025/11/05 is Wednesday\t");
    EXPECT_EQ(lines[6], "2025/03/07 is Friday\t\t");
    EXPECT_EQ(lines[29], "2025/03/30 is Sunday\t\t");
    EXPECT_EQ(lines[30], "2025/04/01 is Tuesday\t\t");
    EXPECT_EQ(lines[32], "Error: there is a problem with DST");
}

}  // namespace
