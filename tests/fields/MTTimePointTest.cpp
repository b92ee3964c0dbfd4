#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/MException.h"
#include "fields/DescribeFields.h"
#include "fields/MCSVReader.h"
#include "fields/MCSVWriter.h"
#include "fields/MDateText.h"
#include "fields/MDescFormat.h"
#include "fields/MMsgFormat.h"
#include "fields/MTObjectFunction.h"
#include "fields/MTTimePoint.h"
#include "fields/MTimeText.h"
#include "support/ScopedTimeLimits.h"
#include "support/TimeTestSupport.h"

namespace {

constexpr const char* kZoneMidnightChange = "<-03>3<-02>,M10.3.0/0,M2.3.0/0";
constexpr const char* kZones[] = {kZoneUtc, kZoneNewYork, kZoneBerlin, kZoneIndia, kZoneLordHowe};

std::string CompactText(const MObjectFunction& binder, bool* terminated = nullptr) {
    int length = -1;
    bool isTerminated = false;
    const char* text = binder.GetText(&length, &isTerminated);
    if (terminated) *terminated = isTerminated;
    return std::string(text, static_cast<std::size_t>(length));
}

TEST(MTTimePoint, DateTimeTextsRoundTripInEveryZone) {
    for (const char* zone : kZones) {
        SCOPED_TRACE(zone);
        ScopedTimeZone tz(zone);
        const MDateTimeTimePoint point("2021/03/04 05:06:07.089");
        EXPECT_TRUE(point.IsValid());
        EXPECT_EQ(point.GetCount(), LocalCount(2021, 3, 4, 5, 6, 7, 89));
        EXPECT_EQ(point.ToString(), "2021/03/04 05:06:07.089");
        EXPECT_EQ(point.ToString('-', '.'), "2021-03-04 05.06.07.089");

        MDateTimeTimePoint copy = point;
        MTObjectFunction<MDateTimeTimePoint> binder(&copy);
        bool terminated = false;
        EXPECT_EQ(CompactText(binder, &terminated), "20210304050607");
        EXPECT_TRUE(terminated);
        // The compact forms read back (without the milliseconds the compact text leaves out).
        const char* compacts[] = {"20210304050607", "20210304 050607", "2021/03/04050607"};
        for (const char* compact : compacts) {
            EXPECT_EQ(MDateTimeTimePoint(compact).GetCount(), point.GetCount() - 89 * kMs) << compact;
        }
        copy.Clear();
        binder.SetText("20210304050607089 and more", 17, false);
        EXPECT_EQ(copy.GetCount(), point.GetCount());
    }
}

TEST(MTTimePoint, DateTimeNullIsTheValidEpoch) {
    ScopedTimeZone tz(kZoneNewYork);
    const char* nulls[] = {"-", "", "-junk"};
    for (const char* text : nulls) {
        SCOPED_TRACE(text);
        MDateTimeTimePoint point("2021/03/04 05:06:07");
        point.SetText(text);
        EXPECT_EQ(point.GetCount(), 0);
        EXPECT_TRUE(point.IsValid());
        EXPECT_TRUE(point.IsNull());
        EXPECT_EQ(point.ToString(), "1969/12/31 19:00:00.000");
        MTObjectFunction<MDateTimeTimePoint> binder(&point);
        EXPECT_EQ(CompactText(binder), "-");
    }
    MDateTimeTimePoint point("2021/03/04 05:06:07");
    MTObjectFunction<MDateTimeTimePoint> binder(&point);
    binder.SetText("-20210304", 9, false);
    EXPECT_TRUE(point.IsNull());
    binder.SetText(nullptr, 0, true);
    EXPECT_TRUE(point.IsNull());

    SetZeroTimeShownBlank(true);
    EXPECT_EQ(point.ToString(), "");
    EXPECT_EQ(CompactText(binder), "");
    SetZeroTimeShownBlank(false);
}

TEST(MTTimePoint, DateTimeBeyondTheMaximumIsStoredButInvalid) {
    ScopedTimeZone tz(kZoneUtc);
    ScopedTimeLimits limits;
    FillTimeLimits();
    EXPECT_EQ(MDateTimeTimePoint::GetMaximum().GetCount(), int64_t{2145952800} * kSecond);
    MDateTimeTimePoint point(GetMaxDateTimeCount(), TIME_UNIT_NANOSECOND);
    EXPECT_TRUE(point.IsValid());
    EXPECT_EQ(point.ToString(), "2038/01/01 10:00:00.000");
    EXPECT_FALSE(point.SetCount(GetMaxDateTimeCount() + 1));
    EXPECT_EQ(point.GetCount(), GetMaxDateTimeCount() + 1);
    EXPECT_EQ(point.ToString(), "");
    MTObjectFunction<MDateTimeTimePoint> binder(&point);
    EXPECT_EQ(CompactText(binder), "20380101100000");
    EXPECT_FALSE(MDateTimeTimePoint(-kSecond, TIME_UNIT_NANOSECOND).IsValid());
    EXPECT_STREQ(MDateTimeTimePoint::CheckText("2038/01/02"), "Invalid date!");
}

TEST(MTTimePoint, DateMaximumIsTheLocalMidnightOfTheLimit) {
    struct Case {
        const char* zone;
        const char* text;
    };
    const Case cases[] = {
        {kZoneNewYork, "2038/01/01"}, {kZoneBerlin, "2038/01/01"}, {"PST8PDT,M3.2.0,M11.1.0", "2037/12/31"}};
    ScopedTimeLimits limits;
    FillTimeLimits();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zone);
        ScopedTimeZone tz(c.zone);
        const MDate maximum = MDate::GetMaximum();
        EXPECT_EQ(maximum.ToString(), c.text);
        EXPECT_TRUE(maximum.IsValid());
    }
}

TEST(MTTimePoint, TimeOfDayNormalisesCountsBeyondOneDay) {
    struct Case {
        const char* zone;
        int64_t count;  // of 25:00:00, taken as 1970-01-02 01:00 UTC
    };
    const Case cases[] = {
        {kZoneUtc, 1 * kHour}, {kZoneNewYork, 20 * kHour}, {kZoneIndia, 6 * kHour + 30 * kMinute}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zone);
        ScopedTimeZone tz(c.zone);
        const MTimeTimePoint point("25:00:00");
        EXPECT_EQ(point.GetCount(), c.count);
        EXPECT_TRUE(point.IsValid());
        EXPECT_EQ(MTimeTimePoint::CheckText("25:00:00"), nullptr);
    }
    // Up to one day a count is kept; one day itself is invalid.
    const MTimeTimePoint midnight("24:00:00");
    EXPECT_EQ(midnight.GetCount(), kDay);
    EXPECT_FALSE(midnight.IsValid());
    EXPECT_EQ(midnight.ToString(), "");
    EXPECT_STREQ(MTimeTimePoint::CheckText("24:00:00"), "Invalid time!");
    MTimeTimePoint copy = midnight;
    MTObjectFunction<MTimeTimePoint> binder(&copy);
    EXPECT_EQ(CompactText(binder), "240000000");
    EXPECT_EQ(MTimeTimePoint(-5 * kSecond, TIME_UNIT_NANOSECOND).GetCount(), -5 * kSecond);
}

TEST(MTTimePoint, TimeOfDayTexts) {
    MTimeTimePoint point("05:06:07.089");
    EXPECT_EQ(point.GetCount(), (5 * 3600 + 6 * 60 + 7) * kSecond + 89 * kMs);
    EXPECT_EQ(point.ToString(), "05:06:07.089");
    EXPECT_EQ(point.FormatText(':', false), "05:06:07");
    EXPECT_EQ(point.FormatText('-', true), "05-06-07.089");
    EXPECT_EQ(MTimeTimePoint("050607089").GetCount(), point.GetCount());
    EXPECT_EQ(MTimeTimePoint("12:30").GetCount(), (12 * 3600 + 30 * 60) * kSecond);
    MTObjectFunction<MTimeTimePoint> binder(&point);
    EXPECT_EQ(CompactText(binder), "050607089");

    point.Clear();
    EXPECT_EQ(point.GetCount(), -kSecond);
    EXPECT_FALSE(point.IsValid());
    EXPECT_TRUE(point.IsNull());
    EXPECT_EQ(point.ToString(), "00:00:00.000");
    EXPECT_EQ(point.FormatText(':', true), "");
    EXPECT_EQ(CompactText(binder), "-");
    EXPECT_EQ(MTimeTimePoint::GetNull().GetCount(), -kSecond);
    EXPECT_EQ(MTimeTimePoint::GetMaximum().GetCount(), kDay);
}

TEST(MTTimePoint, DateCutsToTheLocalDayAcrossDaylightSavingChanges) {
    struct Case {
        const char* zone;
        const char* text;
    };
    const Case cases[] = {{kZoneNewYork, "20210304"},
                          {kZoneNewYork, "20210314"},
                          {kZoneNewYork, "20211107"},
                          {kZoneBerlin, "20210328"},
                          {kZoneLordHowe, "20211003"},
                          {kZoneUtc, "19700101"},
                          // Summer time begins at midnight: the day begins at 01:00.
                          {kZoneMidnightChange, "20211017"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + c.text);
        ScopedTimeZone tz(c.zone);
        MDate date(c.text);
        EXPECT_TRUE(date.IsValid());
        EXPECT_EQ(date.GetCount(), ComputeLocalMidnight(date.GetCount()));
        const std::string shown = date.ToString();
        EXPECT_EQ(shown, std::string(c.text).substr(0, 4) + "/" + std::string(c.text).substr(4, 2) + "/" +
                             std::string(c.text).substr(6, 2));
        EXPECT_EQ(date.ToString(0, 0), c.text);
        // Any instant of the day gives the same date: 5 hours on, and the last minute.
        const int64_t midnight = date.GetCount();
        date.SetCount(midnight + 5 * kHour);
        EXPECT_EQ(date.GetCount(), midnight);
        date.SetCount(midnight + 22 * kHour + 59 * kMinute);
        EXPECT_EQ(date.GetCount(), midnight);
        EXPECT_TRUE(date.IsValid());
    }
}

TEST(MTTimePoint, ADayWithoutLocalMidnightReadsBackAsThatDay) {
    struct Case {
        const char* zone;
        const char* text;
        const char* digits;
        int64_t start;  // seconds since 1970 of the day's first instant
    };
    const Case cases[] = {
        {"Australia/Lord_Howe", "1981/03/01", "19810301", 352216800},  // 23:59:59 +10:00, then 00:30 +10:30
        {"America/Sao_Paulo", "2018/11/04", "20181104", 1541300400},   // 23:59:59, then 01:00
        {"Asia/Tehran", "2022/03/22", "20220322", 1647894600},
        {"America/Havana", "2015/03/08", "20150308", 1425790800},
        {"America/Santiago", "2011/05/08", "20110508", 1304827200},  // 23:59:59 goes back to 23:00
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + c.text);
        ScopedTimeZone tz(c.zone);
        const MDate date(c.text);
        EXPECT_TRUE(date.IsValid());
        EXPECT_EQ(date.GetCount(), c.start * kSecond);
        EXPECT_EQ(date.ToString(), c.text);
        EXPECT_EQ(MDate(c.digits).ToString(), c.text);
        const MDateYYYYMMDD field{std::string(c.digits)};
        EXPECT_EQ(field.ToString(), c.digits);
        EXPECT_EQ(field.GetDate().ToString(), c.text);
        EXPECT_EQ(MDateYYYYMMDD(date).ToString(), c.digits);
    }
}

TEST(MTTimePoint, DateNullShowsTheEpochDate) {
    const char* zones[] = {kZoneUtc, kZoneNewYork, kZoneBerlin};
    for (const char* zone : zones) {
        SCOPED_TRACE(zone);
        ScopedTimeZone tz(zone);
        MDate date("20210304");
        date.Clear();
        EXPECT_EQ(date.GetCount(), 0);
        EXPECT_EQ(date.ToString(), "1970/01/01");
        EXPECT_EQ(date.ToString(0, 0), "19700101");
        // Dates before the zone's first local day normalise to 0.
        EXPECT_EQ(MDate("19690101").GetCount(), 0);
        EXPECT_EQ(MDate(-kDay, TIME_UNIT_NANOSECOND).GetCount(), 0);
    }
    // Comparison looks at counts only: the null before and after its valid flag was refreshed.
    ScopedTimeZone tz(kZoneNewYork);
    MDate fresh(int64_t{0}, TIME_UNIT_NANOSECOND);
    MDate shown = fresh;
    shown.GetTm();
    EXPECT_TRUE(fresh.IsValid());
    EXPECT_FALSE(shown.IsValid());
    EXPECT_TRUE(fresh.IsEqual(shown));
}

TEST(MTTimePoint, ConversionsGoThroughTheLocalCalendar) {
    ScopedTimeZone tz(kZoneNewYork);
    const MDateTimeTimePoint instant("2021/03/14 23:30:00");
    const MDate date(instant);
    EXPECT_EQ(date.ToString(), "2021/03/14");
    EXPECT_EQ(MDateTimeTimePoint(date).ToString(), "2021/03/14 00:00:00.000");
    EXPECT_EQ(MTimeTimePoint(instant).ToString(), "23:30:00.000");
    const MEventTimePoint event(instant);
    EXPECT_EQ(event.GetCount(), instant.GetCount());
}

TEST(MTTimePoint, NowAndRelativeTexts) {
    ScopedTimeZone tz(kZoneNewYork);
    const int64_t now = LocalCount(2021, 3, 4, 10, 0, 0, 250);
    ScopedNow frozen(now);
    EXPECT_EQ(MDateTimeTimePoint().GetCount(), now);
    EXPECT_EQ(MDateTimeTimePoint("n").GetCount(), now);
    EXPECT_EQ(MDate("N").GetCount(), LocalCount(2021, 3, 4));
    EXPECT_EQ(MDate().GetCount(), LocalCount(2021, 3, 4));
    EXPECT_EQ(MTimeTimePoint("n").GetCount(), 10 * kHour + 250 * kMs);
    // The '+' reads as a leading zero digit of the added value.
    EXPECT_EQ(MTimeTimePoint("n+1:30:00").GetCount(), 11 * kHour + 30 * kMinute + 250 * kMs);
    EXPECT_EQ(MTimeTimePoint("n+01:30:00").GetCount(), 10 * kHour + 30 * kMinute + 250 * kMs);
    EXPECT_EQ(MTimeTimePoint::CheckText("n+1:30:00"), nullptr);
    EXPECT_STREQ(MTimeTimePoint::CheckText("n+1"), "Invalid time!");

    MEventTimePoint event(int64_t{0}, TIME_UNIT_NANOSECOND);
    event.SetNow(true);
    EXPECT_EQ(event.GetCount(), GetEventClockTime());
    EXPECT_EQ(MDateTimeTimePoint().GetCount(), now);  // the event clock leaves the process clock frozen
}

// A text the parse reports malformed fails its check even where the partial parse left a count
// in range.
TEST(MTTimePoint, CheckTextRefusesMalformedTexts) {
    ScopedTimeZone tz(kZoneNewYork);
    struct Case {
        const char* text;
        bool accepted;
    };
    const Case dateTimes[] = {{nullptr, true},     {"", true},
                              {"-", true},         {"n", true},
                              {"20210304", true},  {"2021/03/04 05:06:07.089", true},
                              {"21000101", false}, {"2021/03/04 1230", false},
                              {"20210", false}};
    for (const Case& c : dateTimes) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        const char* message = MDateTimeTimePoint::CheckText(c.text);
        if (c.accepted) {
            EXPECT_EQ(message, nullptr);
        } else {
            EXPECT_STREQ(message, "Invalid date!");
        }
    }
    const Case times[] = {{"", true},      {"12:30", true}, {"123000", true},
                          {"1230", false}, {"-", false},    {"23:59:59.999", true}};
    for (const Case& c : times) {
        SCOPED_TRACE(c.text);
        const char* message = MTimeTimePoint::CheckText(c.text);
        if (c.accepted) {
            EXPECT_EQ(message, nullptr);
        } else {
            EXPECT_STREQ(message, "Invalid time!");
        }
    }
    EXPECT_STREQ(MDate::CheckText("2021031"), "Invalid date!");
    EXPECT_EQ(MDate::CheckText("2021/03/04"), nullptr);
}

TEST(MTTimePoint, RoundToUnits) {
    ScopedTimeZone tz(kZoneNewYork);
    struct Case {
        const char* from;
        int32_t n;
        int unit;
        int mode;
        const char* to;
    };
    const Case cases[] = {
        {"2021/03/04 05:06:07.589", 1, TIME_UNIT_SECOND, 0, "2021/03/04 05:06:08.000"},
        {"2021/03/04 05:06:07.089", 1, TIME_UNIT_SECOND, 0, "2021/03/04 05:06:07.000"},
        {"2021/03/04 05:06:07.089", 1, TIME_UNIT_SECOND, 1, "2021/03/04 05:06:08.000"},
        {"2021/03/04 05:06:07.089", 1, TIME_UNIT_SECOND, 2, "2021/03/04 05:06:07.000"},
        {"2021/03/04 05:08:00", 15, TIME_UNIT_MINUTE, 0, "2021/03/04 05:15:00.000"},
        {"2021/03/04 05:07:00", 15, TIME_UNIT_MINUTE, 0, "2021/03/04 05:00:00.000"},
        {"2021/03/04 05:06:07.089", 500000, TIME_UNIT_MICROSECOND, 1, "2021/03/04 05:06:07.500"},
        {"2021/03/04 05:06:07", 1, TIME_UNIT_DAY, 0, "2021/03/04 00:00:00.000"},
        {"2021/03/05 05:06:07", 2, TIME_UNIT_DAY, 2, "2021/03/04 00:00:00.000"},
        {"2021/03/05 05:06:07", 2, TIME_UNIT_DAY, 0, "2021/03/06 00:00:00.000"},
        {"2021/03/05 05:06:07", 7, TIME_UNIT_DAY, 1, "2021/03/07 00:00:00.000"},
        {"2021/03/05 05:06:07", 1, TIME_UNIT_MONTH, 0, "2021/03/05 00:00:00.000"},
        {"2021/03/14 12:00:00", 1, TIME_UNIT_DAY, 2, "2021/03/14 00:00:00.000"},
        {"2021/03/04 05:06:07", 0, TIME_UNIT_SECOND, 0, "2021/03/04 05:06:07.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " n=" + std::to_string(c.n) + " unit=" + std::to_string(c.unit) +
                     " mode=" + std::to_string(c.mode));
        MDateTimeTimePoint point(c.from);
        point.RoundToUnits(c.n, c.unit, c.mode);
        EXPECT_EQ(point.ToString(), c.to);
    }
}

TEST(MTTimePoint, MonitorFormIsSecondsAndMilliseconds) {
    ScopedTimeZone tz(kZoneUtc);
    MDateTimeTimePoint dateTime("2021/03/04 05:06:07.089");
    MTimeTimePoint nullTime;
    nullTime.Clear();
    MTimeTimePoint time("00:00:01.5");
    MDateTimeTimePoint epoch;
    epoch.Clear();

    char buffer[64];
    MMsgFormat writer(buffer, sizeof buffer, true);
    dateTime.WriteFixed(writer);
    nullTime.WriteFixed(writer);
    time.WriteFixed(writer);
    epoch.WriteFixed(writer);
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(writer.GetOffset())),
              "1614834367\xFE"
              "89\xFE"
              "-"
              "1\xFE"
              "0\xFE"
              "0\xFE"
              "0\xFE");

    MDateTimeTimePoint dateTimeBack("n");
    MTimeTimePoint nullBack("12:00:00");
    MTimeTimePoint timeBack("12:00:00");
    MDateTimeTimePoint epochBack("n");
    MMsgFormat reader(buffer, writer.GetOffset(), false);
    dateTimeBack.ReadFixed(reader);
    nullBack.ReadFixed(reader);
    timeBack.ReadFixed(reader);
    epochBack.ReadFixed(reader);
    EXPECT_EQ(reader.GetOffset(), writer.GetOffset());
    EXPECT_EQ(dateTimeBack.GetCount(), dateTime.GetCount());
    EXPECT_TRUE(nullBack.IsNull());
    EXPECT_EQ(timeBack.GetCount(), kSecond);  // tenths of a millisecond are not carried
    EXPECT_EQ(epochBack.GetCount(), 0);
}

// A negative count other than the null would otherwise be written as a '-' field that the reader
// takes for the null and then reads the rest of the number as the next field.
TEST(MTTimePoint, NegativeCountsAreWrittenAsTheNullMarker) {
    MDateTimeTimePoint early(-5 * kSecond, TIME_UNIT_NANOSECOND);
    MTimeTimePoint before(-90 * kSecond, TIME_UNIT_NANOSECOND);
    MDateTimeTimePoint after(int64_t{42} * kSecond, TIME_UNIT_NANOSECOND);
    char buffer[32];
    MMsgFormat writer(buffer, sizeof buffer, true);
    early.WriteFixed(writer);
    before.WriteFixed(writer);
    after.WriteFixed(writer);
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(writer.GetOffset())),
              "--42\xFE"
              "0\xFE");
    MMsgFormat reader(buffer, writer.GetOffset(), false);
    early.ReadFixed(reader);
    before.ReadFixed(reader);
    after.SetCount(0);
    after.ReadFixed(reader);
    EXPECT_TRUE(early.IsNull());
    EXPECT_TRUE(before.IsNull());
    EXPECT_EQ(after.GetCount(), 42 * kSecond);
}

TEST(MTTimePoint, MonitorFormErrors) {
    auto codeOf = [](const char* bytes, int size) {
        MDateTimeTimePoint point("n");
        MMsgFormat reader(const_cast<char*>(bytes), size, false);
        try {
            point.ReadFixed(reader);
        } catch (const MException& e) {
            return std::to_string(e.GetCode()) + " " + e.GetText();
        }
        return std::string("none");
    };
    EXPECT_EQ(codeOf("12\xFE", 3), "1 Message is too short");
    EXPECT_EQ(codeOf("x\xFE"
                     "0\xFE",
                     4),
              "1 Invalid integer value, no digits found");
    EXPECT_EQ(codeOf("12\xFE"
                     "7\xFE",
                     5),
              "none");
}

struct TimeRecord {
    MDateTimeTimePoint ExecutionTime{"2021/03/04 05:06:07.089"};
    MTimeTimePoint Stamp{"13:14:15.016"};

    static constexpr auto Fields() {
        using S = TimeRecord;
        return MFields(MField("ExecutionTime", &S::ExecutionTime), MField("Stamp", &S::Stamp));
    }
};

class Columns : public MObjectFormat {
public:
    Columns() : MObjectFormat(true) {}
    void ProcessField(MObjectFunction& field) override { columns.push_back(field.CreateInterface()); }
    std::vector<std::unique_ptr<MInterface>> columns;
};

TEST(MTTimePoint, ColumnsCompareByCountAndReadOperandsAsTexts) {
    ScopedTimeZone tz(kZoneBerlin);
    TimeRecord early;
    TimeRecord late;
    late.ExecutionTime.SetText("2021/03/05");
    late.Stamp.SetText("23:00:00");
    Columns collector;
    DescribeFields(early, collector);
    ASSERT_EQ(collector.columns.size(), 2u);
    for (auto& column : collector.columns) column->MakeRelative(&early);
    MInterface& dateTime = *collector.columns[0];
    MInterface& time = *collector.columns[1];

    EXPECT_EQ(dateTime.GetKind(), MInterface::kDateTime);
    EXPECT_EQ(dateTime.GetEditMask(), "0000/00/00 00:00:00\\.000;1;_");
    EXPECT_EQ(dateTime.GetWidth(), 25);
    EXPECT_STREQ(dateTime.GetTypeName(), "MTTimePoint<MGlobalDateTimeClock,MDateTimeTraits>");
    EXPECT_EQ(time.GetKind(), MInterface::kTime);
    EXPECT_EQ(time.GetEditMask(), "00:00:00\\.000;1;_");
    EXPECT_STREQ(time.GetTypeName(), "MTTimePoint<MGlobalTimeClock,MTimeTraits>");
    EXPECT_STREQ(MDate::GetTypeName(), "MDate");
    EXPECT_STREQ(MEventTimePoint::GetTypeName(), "MTTimePoint<MGlobalEventClock,MDateTimeTraits>");

    EXPECT_STREQ(dateTime.GetText(&late, nullptr), "2021/03/05 00:00:00.000");
    EXPECT_STREQ(time.GetText(&early, nullptr), "13:14:15.016");
    EXPECT_TRUE(dateTime.IsLess(&early, &late));
    EXPECT_TRUE(time.IsLess(&early, &late));
    EXPECT_TRUE(dateTime.IsGreaterText(&late, "20210304"));
    EXPECT_TRUE(dateTime.IsLessText(&early, "2021/03/04 05:06:08"));
    EXPECT_TRUE(dateTime.IsInRange(&early, "20210304", "20210305", true, false));
    EXPECT_FALSE(dateTime.IsInRange(&late, "20210304", "20210305", true, false));
    EXPECT_TRUE(time.IsGreaterOrEqualText(&late, "23:00"));
    EXPECT_TRUE(dateTime.ContainsText(&early, "05:06", false));
    EXPECT_STREQ(dateTime.CheckText("2021/03/04 1230"), "Invalid date!");
    dateTime.SetText(&early, "n");
    EXPECT_EQ(early.ExecutionTime.GetCount(), ReadCurrentTime());
}

TEST(MTTimePoint, DescriptionShowsAndReadsTheDisplayText) {
    ScopedTimeZone tz(kZoneNewYork);
    TimeRecord record;
    std::string text;
    MDescFormat format("|", 0, false);
    format.SetOutput(&text);
    format.Start("r", 1);
    DescribeFields(record, format);
    EXPECT_EQ(text, "r.ExecutionTime [2021/03/04 05:06:07.089]|r.Stamp [13:14:15.016]");

    TimeRecord copy;
    copy.ExecutionTime.Clear();
    copy.Stamp.Clear();
    format.StartPath("r", false);
    DescribeFields(copy, format);
    EXPECT_TRUE(copy.ExecutionTime.IsEqual(record.ExecutionTime));
    EXPECT_TRUE(copy.Stamp.IsEqual(record.Stamp));
}

struct CsvRecord {
    MDateTimeTimePoint When{"2021/03/04 05:06:07.089"};
    MTimeTimePoint Stamp{"13:14:15.016"};
    MDateYYYYMMDD Date;
    MTimeHHMMSS Time;
    MDateTimeTimePoint Never{"-"};

    static constexpr auto Fields() {
        using S = CsvRecord;
        return MFields(MField("When", &S::When), MField("Stamp", &S::Stamp), MField("Date", &S::Date),
                       MField("Time", &S::Time), MField("Never", &S::Never));
    }
};

TEST(MTTimePoint, DelimitedTextUsesTheCompactForms) {
    ScopedTimeZone tz(kZoneLordHowe);
    CsvRecord record;
    record.Date.SetText("20210304");
    record.Time.SetText("0930");
    std::string line;
    MCSVWriter writer(&line, ";");
    DescribeFields(record, writer);
    EXPECT_EQ(line, "20210304050607;131415016;20210304;0930;-;");

    CsvRecord copy;
    copy.Never.SetText("n");
    MCSVReader reader(';');
    reader.SetInput(line.data(), static_cast<int>(line.size()));
    DescribeFields(copy, reader);
    EXPECT_EQ(copy.When.ToString(), "2021/03/04 05:06:07.000");
    EXPECT_TRUE(copy.Stamp.IsEqual(record.Stamp));
    EXPECT_TRUE(copy.Date.IsEqual(record.Date));
    EXPECT_TRUE(copy.Time.IsEqual(record.Time));
    EXPECT_TRUE(copy.Never.IsNull());
}

}  // namespace
