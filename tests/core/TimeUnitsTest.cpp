#include <gtest/gtest.h>

#include "core/TimeUnits.h"

namespace {

TEST(TimeUnitTable, HoldsTheUnitsFromNanosecondToYear) {
    const struct {
        int64_t length;
        int32_t modulus;
        int32_t base;
    } rows[] = {{1, 1000, 0},
                {1000, 1000, 0},
                {1000000, 1000, 0},
                {1000000000, 60, 0},
                {60000000000, 60, 0},
                {3600000000000, 24, 0},
                {86400000000000, 2147483647, 1},
                {2592000000000000, 12, 0},
                {31104000000000000, 2147483647, 0}};
    for (int i = 0; i < kTimeUnitCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(TimeUnitTable[i].length, rows[i].length);
        EXPECT_EQ(TimeUnitTable[i].modulus, rows[i].modulus);
        EXPECT_EQ(TimeUnitTable[i].base, rows[i].base);
    }
    // A day is the day of month of a point but the day of year of a duration.
    EXPECT_EQ(TimeUnitTable[TIME_UNIT_DAY].pointField, &MTimeParts::tm_mday);
    EXPECT_EQ(TimeUnitTable[TIME_UNIT_DAY].durationField, &MTimeParts::tm_yday);
    EXPECT_EQ(TimeUnitTable[TIME_UNIT_YEAR].pointField, &MTimeParts::tm_year);
    EXPECT_EQ(TimeUnitTable[TIME_UNIT_MILLISECOND].pointField, &MTimeParts::tm_msec);
}

TEST(TimeUnits, ConvertCountsBothWays) {
    EXPECT_EQ(UnitsToCount(2, TIME_UNIT_HOUR), 7200000000000);
    EXPECT_EQ(UnitsToCount(-3, TIME_UNIT_MONTH), -3 * 30 * 86400000000000);
    EXPECT_EQ(CountToUnits(1500000, TIME_UNIT_MILLISECOND), 1);
    EXPECT_EQ(CountToUnits(-1500000000, TIME_UNIT_SECOND), -1);  // toward zero
    EXPECT_EQ(CountToUnits(123, TIME_UNIT_NANOSECOND), 123);
    // A product beyond 64 bits wraps instead of being undefined.
    EXPECT_EQ(UnitsToCount(INT64_MAX, TIME_UNIT_MICROSECOND),
              static_cast<int64_t>(uint64_t{INT64_MAX} * 1000));
    // An unknown unit reads as the nanosecond rather than beyond the table.
    EXPECT_EQ(UnitsToCount(5, 9), 5);
    EXPECT_EQ(CountToUnits(5, -1), 5);
}

}  // namespace
