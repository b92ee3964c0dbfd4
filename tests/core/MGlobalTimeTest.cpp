#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/CalendarConversion.h"
#include "core/MGlobalTime.h"
#include "core/ProcessClock.h"
#include "core/TimeUnits.h"
#include "support/LocalTimeFields.h"
#include "support/PlainTestClock.h"
#include "support/ScopedEnvironment.h"
#include "support/ScopedTimeZone.h"

namespace {

constexpr const char* kVariables[] = {"VARN_EXEC_MODE",          "VARN_TIME_OVERWRITE_DATE",
                                      "VARN_DELTA_TIME_SECONDS", "VARN_DELTA_TIME_DAYS",
                                      "VARN_TIME_SPEED",         "VARN_TIME_SPEED_REFERENCE"};

// Every test starts from an environment without test-clock settings and leaves the test clock as
// the process's own environment has it.
class MGlobalTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kVariables) env_.Set(name, nullptr);
    }

    void Set(const char* name, const char* value) { env_.Set(name, value); }
    MGlobalTime& Clock() { return MGlobalTime::Instance(); }
    int64_t Shifted(int64_t reading) {
        Clock().ShiftTime(reading);
        return reading;
    }

    // Members are destroyed in reverse order: the variables, then the zone are restored, then
    // the settings are read again.
    struct Restorer {
        ~Restorer() { MGlobalTime::Instance().Init(); }
    };
    Restorer restorer_;
    ScopedTimeZone tz_{kZoneNewYork};
    ScopedEnvironment env_;
};

TEST_F(MGlobalTimeTest, AnythingButTestModeRefusesEveryAdjustment) {
    const char* modes[] = {nullptr, "test", "TEST ", "Test", "PROD", ""};
    for (const char* mode : modes) {
        SCOPED_TRACE(mode ? mode : "(unset)");
        Set("VARN_EXEC_MODE", mode);
        Set("VARN_DELTA_TIME_DAYS", "1");
        Clock().ReadSettings(LocalCount(2024, 7, 15, 14, 0, 0));
        EXPECT_FALSE(Clock().IsTestMode());
        EXPECT_TRUE(Clock().IsRefused());
        EXPECT_TRUE(Clock().IsPlain());
        EXPECT_EQ(Clock().GetOffset(), 0);
        int64_t reading = 123456789000;
        Clock().UpdateProcessClock(reading);
        EXPECT_EQ(reading, 123456789000);
        EXPECT_EQ(Clock().GetRealTime(), 123456789000);
    }
    // Production without any setting is plain and not refused.
    Set("VARN_DELTA_TIME_DAYS", nullptr);
    Clock().ReadSettings(LocalCount(2024, 7, 15, 14, 0, 0));
    EXPECT_FALSE(Clock().IsRefused());
    EXPECT_TRUE(Clock().IsPlain());
}

TEST_F(MGlobalTimeTest, DayAndSecondDeltasShiftEveryReading) {
    Set("VARN_EXEC_MODE", "TEST");
    Set("VARN_DELTA_TIME_DAYS", "1");
    Set("VARN_DELTA_TIME_SECONDS", "-60");
    Clock().Init();
    EXPECT_TRUE(Clock().IsTestMode());
    EXPECT_FALSE(Clock().IsRefused());
    EXPECT_FALSE(Clock().IsPlain());
    EXPECT_EQ(Clock().GetOffset(), kDay - 60 * kSecond);
    // Init took the first reading: the process clock runs a day less a minute ahead.
    EXPECT_EQ(ReadCurrentTime() - Clock().GetRealTime(), kDay - 60 * kSecond);
    ResetCurrentTimeCache();
    EXPECT_EQ(ReadCurrentTime() - Clock().GetRealTime(), kDay - 60 * kSecond);
    RefreshEventClock();
    EXPECT_EQ(GetEventClockTime() - Clock().GetRealTime(), kDay - 60 * kSecond);
}

// Numbers read as the library's atol reads them; days beyond 32-bit seconds stay exact.
TEST_F(MGlobalTimeTest, DeltasAreReadLikeAtolAndKeptExact) {
    struct Case {
        const char* seconds;
        const char* days;
        int64_t offset;
    };
    const Case cases[] = {
        {" +30", nullptr, 30 * kSecond},  {"12abc", "x", 12 * kSecond}, {nullptr, "-2", -2 * kDay},
        {nullptr, "30000", 30000 * kDay}, {"-1", "0", -kSecond},
    };
    Set("VARN_EXEC_MODE", "TEST");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.seconds ? c.seconds : "-") + " / " + (c.days ? c.days : "-"));
        Set("VARN_DELTA_TIME_SECONDS", c.seconds);
        Set("VARN_DELTA_TIME_DAYS", c.days);
        Clock().ReadSettings(LocalCount(2024, 7, 15, 14, 0, 0));
        EXPECT_EQ(Clock().GetOffset(), c.offset);
    }
}

TEST_F(MGlobalTimeTest, OverflowingDeltasAreHeldAtTheLimit) {
    Set("VARN_EXEC_MODE", "TEST");
    Set("VARN_DELTA_TIME_DAYS", "2147483647");
    Clock().ReadSettings(LocalCount(2024, 7, 15, 14, 0, 0));
    EXPECT_EQ(Clock().GetOffset(), INT64_MAX);
    EXPECT_EQ(Shifted(kDay), INT64_MAX);
    Set("VARN_DELTA_TIME_DAYS", "-2147483648");
    Clock().ReadSettings(LocalCount(2024, 7, 15, 14, 0, 0));
    EXPECT_EQ(Clock().GetOffset(), INT64_MIN);
    // The offset alone may make a reading negative; it is returned as it is.
    EXPECT_EQ(Shifted(kDay), INT64_MIN + kDay);
    EXPECT_FALSE(Clock().IsRefused());
}

TEST_F(MGlobalTimeTest, OverwriteDateKeepsTheLocalTimeOfDay) {
    // Summer time now, winter time on the date: the local clock time is kept.
    const int64_t now = LocalCount(2024, 7, 15, 14, 25, 36, 123, 456);
    Set("VARN_EXEC_MODE", "TEST");
    Set("VARN_TIME_OVERWRITE_DATE", "20210301");
    Clock().ReadSettings(now);
    EXPECT_EQ(now + Clock().GetOffset(), LocalCount(2021, 3, 1, 14, 25, 36, 123, 456));

    const char* withTime[] = {"20210301 120000", "20210301120000", "2021/03/01 12:00:00"};
    for (const char* text : withTime) {
        SCOPED_TRACE(text);
        Set("VARN_TIME_OVERWRITE_DATE", text);
        Clock().ReadSettings(now);
        EXPECT_EQ(now + Clock().GetOffset(), LocalCount(2021, 3, 1, 12, 0, 0));
    }

    // The date first, then the day delta.
    Set("VARN_DELTA_TIME_DAYS", "2");
    Clock().ReadSettings(now);
    EXPECT_EQ(now + Clock().GetOffset(), LocalCount(2021, 3, 1, 12, 0, 0) + 2 * kDay);

    // An unreadable date still gives a target from the fields read before the fault: 2099 is
    // where an out-of-range year leaves the parse.
    Set("VARN_DELTA_TIME_DAYS", nullptr);
    Set("VARN_TIME_OVERWRITE_DATE", "21000101");
    Clock().ReadSettings(now);
    MTimeParts shifted = BreakDownLocalTime(now + Clock().GetOffset());
    EXPECT_EQ(shifted.tm_year, 2099 - 1900);
}

TEST_F(MGlobalTimeTest, OverwriteDateOutsideTestModeIsRefused) {
    Set("VARN_TIME_OVERWRITE_DATE", "20210301");
    Clock().ReadSettings(LocalCount(2024, 7, 15, 14, 0, 0));
    EXPECT_TRUE(Clock().IsRefused());
    EXPECT_EQ(Clock().GetOffset(), 0);
}

TEST_F(MGlobalTimeTest, SpeedAppliesAfterTheReference) {
    const int64_t start = LocalCount(2021, 3, 1, 12, 0, 0);
    Set("VARN_EXEC_MODE", "TEST");
    Set("VARN_TIME_SPEED", "10");
    Set("VARN_TIME_SPEED_REFERENCE", "2021/03/01 13:00:00");
    Clock().ReadSettings(start);
    const int64_t reference = LocalCount(2021, 3, 1, 13, 0, 0);
    EXPECT_EQ(Clock().GetSpeed(), 10);
    EXPECT_EQ(Clock().GetSpeedReference(), reference);
    EXPECT_FALSE(Clock().IsPlain());
    // The first hour runs normally, after that ten seconds pass per real second.
    EXPECT_EQ(Shifted(start), start);
    EXPECT_EQ(Shifted(start + 30 * 60 * kSecond), start + 30 * 60 * kSecond);
    EXPECT_EQ(Shifted(reference), reference);
    EXPECT_EQ(Shifted(reference + kSecond), reference + 10 * kSecond);
    EXPECT_EQ(Shifted(reference + kHour), reference + 10 * kHour);

    // The reference is measured on the shifted clock: with a day's delta it is reached a day
    // earlier in real time.
    Set("VARN_DELTA_TIME_DAYS", "1");
    Clock().ReadSettings(start);
    EXPECT_EQ(Shifted(reference - kDay + kSecond), reference + 10 * kSecond);
}

TEST_F(MGlobalTimeTest, SpeedReferenceNowIsTheShiftedNow) {
    const int64_t start = LocalCount(2021, 3, 1, 12, 0, 0);
    Set("VARN_EXEC_MODE", "TEST");
    Set("VARN_DELTA_TIME_SECONDS", "60");
    Set("VARN_TIME_SPEED", "2");
    Set("VARN_TIME_SPEED_REFERENCE", "n");
    Clock().ReadSettings(start);
    EXPECT_EQ(Clock().GetSpeedReference(), start + 60 * kSecond);
}

TEST_F(MGlobalTimeTest, SpeedNeedsAFactorAboveOneAReferenceAndTestMode) {
    struct Case {
        const char* mode;
        const char* speed;
        const char* reference;
        int32_t effectiveSpeed;
        bool refused;
    };
    const Case cases[] = {
        {"TEST", "1", "2021/03/01 13:00:00", 1, false},   {"TEST", "0", "2021/03/01 13:00:00", 0, false},
        {"TEST", "-4", "2021/03/01 13:00:00", -4, false}, {"TEST", "5", nullptr, 0, false},
        {nullptr, "5", "2021/03/01 13:00:00", 0, true},
    };
    const int64_t start = LocalCount(2021, 3, 1, 12, 0, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode ? c.mode : "-") + " " + c.speed + " " +
                     (c.reference ? c.reference : "-"));
        Set("VARN_EXEC_MODE", c.mode);
        Set("VARN_TIME_SPEED", c.speed);
        Set("VARN_TIME_SPEED_REFERENCE", c.reference);
        Clock().ReadSettings(start);
        EXPECT_EQ(Clock().GetSpeed(), c.effectiveSpeed);
        EXPECT_EQ(Clock().IsRefused(), c.refused);
        // Never sped up.
        EXPECT_EQ(Shifted(start + 5 * kHour), start + 5 * kHour);
    }
}

TEST_F(MGlobalTimeTest, SpedUpReadingBeyond64BitsIsClampedToZeroAndRefused) {
    ScopedTimeZone utc(kZoneUtc);
    Set("VARN_EXEC_MODE", "TEST");
    Set("VARN_TIME_SPEED", "1000000000");
    Set("VARN_TIME_SPEED_REFERENCE", "1970/01/01 00:00:00");
    Clock().ReadSettings(LocalCount(2021, 3, 1, 12, 0, 0));
    EXPECT_EQ(Clock().GetSpeedReference(), 0);
    EXPECT_EQ(Shifted(9 * kSecond), 9 * kSecond * 1000000000);
    EXPECT_FALSE(Clock().IsRefused());
    EXPECT_EQ(Shifted(10 * kSecond), 0);
    EXPECT_TRUE(Clock().IsRefused());
}

}  // namespace
