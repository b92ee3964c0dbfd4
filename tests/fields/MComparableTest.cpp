#include <gtest/gtest.h>

#include <compare>
#include <string>

#include "fields/MComparable.h"
#include "fields/MIntX.h"
#include "fields/MLPString.h"
#include "fields/MRPString.h"
#include "fields/MStringFloat.h"
#include "fields/MTTimePoint.h"

namespace {

// Every comparison of a pair agrees with the expected order of a and b (-1, 0 or 1).
template <class T>
void ExpectOrder(const T& a, const T& b, int order) {
    EXPECT_EQ(a.IsEqual(b), order == 0);
    EXPECT_EQ(a.IsLess(b), order < 0);
    EXPECT_EQ(a.IsLessOrEqual(b), order <= 0);
    EXPECT_EQ(a.IsGreater(b), order > 0);
    EXPECT_EQ(a.IsGreaterOrEqual(b), order >= 0);
    EXPECT_EQ(a == b, order == 0);
    EXPECT_EQ(a != b, order != 0);
    EXPECT_EQ(a < b, order < 0);
    EXPECT_EQ(a >= b, order >= 0);
    EXPECT_EQ((a <=> b) == 0, order == 0);
}

TEST(MComparable, OperatorsFollowEachTypesOwnOrder) {
    // Signed values below zero, and the extremes, where a subtraction would overflow.
    ExpectOrder(MInt(-5), MInt(3), -1);
    ExpectOrder(MInt(2147483647), MInt(-2147483647 - 1), 1);
    ExpectOrder(MULong(4294967295u), MULong(1), 1);
    ExpectOrder(MInt64(7), MInt64(7), 0);
    // Padded texts compare all their bytes, pads included: on the left, " 9" is below "10".
    ExpectOrder(MLPString<2>("9"), MLPString<2>("10"), -1);
    ExpectOrder(MRPString<2>("9"), MRPString<2>("10"), 1);
    ExpectOrder(MRPString<3>("ab"), MRPString<3>("ab "), 0);
    // Numeric order of prices held as text: 1.5 equals 1.50.
    using Price = MStringFloat<MStringFractionData<9, 32>, 100, 0, 0>;
    Price a, b;
    a.SetText("1.5");
    b.SetText("1.50");
    ExpectOrder(a, b, 0);
    b.SetText("-2");
    ExpectOrder(a, b, 1);
    // Time points by their nanosecond counts, negative counts below the minimum.
    const auto earliest = MDateTimeTimePoint::GetMinimum();
    const auto latest = MDateTimeTimePoint::GetMaximum();
    ExpectOrder(earliest, latest, -1);
    ExpectOrder(MDateTimeTimePoint(-1, TIME_UNIT_NANOSECOND), earliest, -1);
    ExpectOrder(latest, MDateTimeTimePoint(latest), 0);
}

}  // namespace
