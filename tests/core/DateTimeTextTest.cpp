#include <gtest/gtest.h>

#include <string>

#include "core/DateTimeText.h"

namespace {

// 2021-03-04 05:06:07.089123
MTimeParts Sample() {
    MTimeParts t = MTimeParts::Cleared();
    t.tm_year = 121;
    t.tm_mon = 2;
    t.tm_mday = 4;
    t.tm_hour = 5;
    t.tm_min = 6;
    t.tm_sec = 7;
    t.tm_msec = 89;
    t.tm_usec = 123;
    return t;
}

TEST(DateTimeText, WritesTheDisplayAndCompactLayouts) {
    const MTimeParts t = Sample();
    EXPECT_EQ(FormatTmDateTime(t, '/', ':'), "2021/03/04 05:06:07.089");
    EXPECT_EQ(FormatTmDateTime(t, 0, 0), "20210304 050607089");
    EXPECT_EQ(FormatTmDate(t, '/'), "2021/03/04");
    EXPECT_EQ(FormatTmDate(t, '-'), "2021-03-04");
    EXPECT_EQ(FormatTmDate(t, 0), "20210304");
    EXPECT_EQ(FormatTmTime(t, ':'), "05:06:07");
    EXPECT_EQ(FormatTmTime(t, 0), "050607");
    EXPECT_EQ(FormatTmTimeMs(t, ':'), "05:06:07.089");
    EXPECT_EQ(FormatTmTimeMs(t, 0), "050607089");
    EXPECT_STREQ(FormatTmCompactDateTime(t), "20210304050607");
}

TEST(DateTimeText, WritesIntoBuffersAtFixedPlaces) {
    const MTimeParts t = Sample();
    std::string buffer(14, '#');
    EXPECT_EQ(std::string(WriteTmCompactDate(buffer.data(), t), 14), "20210304######");
    buffer.assign(14, '#');
    EXPECT_EQ(std::string(WriteTmCompactTime(buffer.data(), t), 14), "050607########");
    buffer.assign(14, '#');
    EXPECT_EQ(std::string(WriteTmTimeMs(buffer.data(), t), 14), "050607089#####");
    buffer.assign(14, '#');
    EXPECT_EQ(std::string(WriteTmTimeFields(buffer.data(), t), 14), "050607089123##");
}

TEST(DateTimeText, WritesValuesOutsideTheUsualRanges) {
    MTimeParts t = Sample();
    t.tm_year = 200;  // 2100: the compact date has no two-digit-year table to overrun
    EXPECT_EQ(FormatTmDate(t, 0), "21000304");
    t.tm_year = -1;  // 1899
    EXPECT_EQ(FormatTmDate(t, 0), "18990304");
    EXPECT_STREQ(FormatTmCompactDateTime(t), "18990304050607");
    t.tm_year = 8200;  // 10100 keeps its last four digits
    EXPECT_EQ(FormatTmDate(t, '/'), "0100/03/04");
    t.tm_hour = 25;
    t.tm_min = 123;  // two digits: modulo 100
    t.tm_sec = -5;   // '-' and one digit
    t.tm_msec = 1234;
    EXPECT_EQ(FormatTmTimeMs(t, ':'), "25:23:-5.234");
}

struct ParseCase {
    const char* text;
    int kind;
    bool wellFormed;
    int year, mon, mday, hour, min, sec, msec, usec;
};

// Fields that a case does not read keep the epoch's: 1970-01-01 00:00:00.000000.
TEST(ParseTmDateTime, ReadsTimesDatesAndBoth) {
    const ParseCase cases[] = {
        // Kind 3 splits at the blank, else after 8 characters, or after 10 with a '/'.
        {"20210304 050607", 3, true, 121, 2, 4, 5, 6, 7, 0, 0},
        {"20210304050607", 3, true, 121, 2, 4, 5, 6, 7, 0, 0},
        {"2021/03/04050607", 3, true, 121, 2, 4, 5, 6, 7, 0, 0},
        {"2021/03/04 05:06:07.089", 3, true, 121, 2, 4, 5, 6, 7, 89, 0},
        {"20210304", 3, true, 121, 2, 4, 0, 0, 0, 0, 0},
        {"20210304 ", 3, false, 121, 2, 4, 0, 0, 0, 0, 0},         // empty time part
        {"21000101 120000", 3, false, 199, 0, 1, 12, 0, 0, 0, 0},  // the time is still read
        {"2021030 1200", 3, false, 70, 0, 1, 0, 0, 0, 0, 0},
        // Dates.
        {"2021/3/4", 2, true, 121, 2, 4, 0, 0, 0, 0, 0},
        {"2021/03", 2, true, 121, 2, 1, 0, 0, 0, 0, 0},
        {" 2021/ +3/4x", 2, true, 121, 2, 4, 0, 0, 0, 0, 0},  // pieces read as by atol
        {"210304", 2, true, 21, 2, 4, 0, 0, 0, 0, 0},         // two-digit year 21 is 1921
        {"1900/01/02", 2, true, 1900, 0, 2, 0, 0, 0, 0, 0},   // 1900 or less is kept as it is
        {"21000101", 2, false, 199, 0, 1, 0, 0, 0, 0, 0},     // year 2099
        {"20210x04", 2, true, 121, -1, 4, 0, 0, 0, 0, 0},     // a non-digit counts as 0
        {"2021030", 2, false, 70, 0, 1, 0, 0, 0, 0, 0},       // seven characters
        {"21034", 2, false, 70, 0, 1, 0, 0, 0, 0, 0},         // too short
        // Times.
        {"12:30", 1, true, 70, 0, 1, 12, 30, 0, 0, 0},
        {"1230", 1, false, 70, 0, 1, 0, 0, 0, 0, 0},
        {"05:06:07.089123", 1, true, 70, 0, 1, 5, 6, 7, 89, 123},
        {"05:06:07.89", 1, true, 70, 0, 1, 5, 6, 7, 0, 0},
        {"05:06:07.0891", 1, true, 70, 0, 1, 5, 6, 7, 89, 0},
        {"05:06:07.12.345", 1, true, 70, 0, 1, 5, 6, 7, 12, 345},
        {"5:6:7", 1, true, 70, 0, 1, 5, 6, 7, 0, 0},
        {"123:456:789", 1, true, 70, 0, 1, 12, 45, 78, 0, 0},
        {"25:61:00", 1, true, 70, 0, 1, 25, 61, 0, 0, 0},
        {"::", 1, false, 70, 0, 1, 0, 0, 0, 0, 0},
        {"050607", 1, true, 70, 0, 1, 5, 6, 7, 0, 0},
        {"05060708", 1, true, 70, 0, 1, 5, 6, 7, 0, 0},
        {"050607089", 1, true, 70, 0, 1, 5, 6, 7, 89, 0},
        {"050607089123", 1, true, 70, 0, 1, 5, 6, 7, 89, 123},
        // Other kinds and empty texts fail.
        {"20210304 050607", 4, false, 70, 0, 1, 0, 0, 0, 0, 0},
        {"", 3, false, 70, 0, 1, 0, 0, 0, 0, 0},
        {"", 1, false, 70, 0, 1, 0, 0, 0, 0, 0},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" kind " + std::to_string(c.kind));
        MTimeParts t = Sample();
        EXPECT_EQ(ParseTmDateTime(c.text, c.kind, t), c.wellFormed);
        EXPECT_EQ(t.tm_year, c.year);
        EXPECT_EQ(t.tm_mon, c.mon);
        EXPECT_EQ(t.tm_mday, c.mday);
        EXPECT_EQ(t.tm_hour, c.hour);
        EXPECT_EQ(t.tm_min, c.min);
        EXPECT_EQ(t.tm_sec, c.sec);
        EXPECT_EQ(t.tm_msec, c.msec);
        EXPECT_EQ(t.tm_usec, c.usec);
    }
}

TEST(ParseTmDateTime, MarksAReadDateForTheLibraryToDecideSummerTime) {
    MTimeParts t;
    EXPECT_TRUE(ParseTmDateTime("20210704", 2, t));
    EXPECT_EQ(t.tm_isdst, -1);
    EXPECT_TRUE(ParseTmDateTime("12:00", 1, t));
    EXPECT_EQ(t.tm_isdst, 0);  // the epoch's
    EXPECT_FALSE(ParseTmDateTime(nullptr, 3, t));
}

}  // namespace
