#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fields/MDecimal.h"

namespace {

using Decimal5 = MDecimal<5>;
using Amount = MDecimal<7>;

static_assert(sizeof(Decimal5) == 16);

template <int D>
std::pair<int64_t, int32_t> Fields(const MDecimal<D>& value) {
    return {value.GetMantissa(), value.GetDecimals()};
}

TEST(MDecimal, ConstructionNormalises) {
    const struct {
        int64_t mantissa;
        int16_t decimals;
        int64_t normalMantissa;
        int32_t normalDecimals;
    } cases[] = {
        {123456789, 9, 12346, 5},
        {5, 6, 1, 5},
        {4, 6, 0, 5},    // rounds to zero
        {-5, 6, -1, 5},  // half away from zero
        {-4, 6, 0, 5},
        {1234500, 2, 12345, 0},
        {0, 3, 0, 5},
        {0, 6, 0, 6},  // null stays null
        {1, 30, 0, 5},
        {1, 22, 0, 5},  // 17 places too many: rounded away
        {1200, 0, 12, -2},
        {7, -3, 7, -3},
        {1000000000000000000, 0, 1, -18},
        {999999999999999999, 0, 999999999999999999, 0},
        {1000000000000000005, 2, 100000000000000001, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.mantissa) + "/" + std::to_string(c.decimals));
        EXPECT_EQ(Fields(Decimal5(c.mantissa, c.decimals)),
                  std::make_pair(c.normalMantissa, c.normalDecimals));
    }
    EXPECT_EQ(Fields(kLargestDecimal), std::make_pair(int64_t{922337203685477581}, 3));
    EXPECT_EQ(Fields(kSmallestDecimal), std::make_pair(int64_t{-922337203685477581}, 3));
    EXPECT_EQ(Fields(Decimal5(INT64_MIN, 0)), std::make_pair(int64_t{-922337203685477581}, -1));
    EXPECT_EQ(Fields(Amount(0, 3)), std::make_pair(int64_t{0}, 7));
    EXPECT_TRUE(Amount(0, 8).IsNull());
}

TEST(MDecimal, RoundDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(Decimal5::RoundDiv(15, 1), 2);
    EXPECT_EQ(Decimal5::RoundDiv(14, 1), 1);
    EXPECT_EQ(Decimal5::RoundDiv(-15, 1), -2);
    EXPECT_EQ(Decimal5::RoundDiv(-14, 1), -1);
    EXPECT_EQ(Decimal5::RoundDiv(123456789, 4), 12346);
    EXPECT_EQ(Decimal5::RoundDiv(49999, 5), 0);
    EXPECT_EQ(Decimal5::RoundDiv(50000, 5), 1);
    EXPECT_EQ(Decimal5::RoundDiv(INT64_MAX, 17), 92);
    EXPECT_EQ(Decimal5::RoundDiv(INT64_MIN, 1), -922337203685477581);
}

TEST(MDecimal, ZeroAndNull) {
    Decimal5 value(12, 1);
    EXPECT_FALSE(value.IsZeroOrNull());
    value.SetNull();
    EXPECT_TRUE(value.IsNull());
    EXPECT_TRUE(value.IsZeroOrNull());
    EXPECT_EQ(Fields(value), std::make_pair(int64_t{0}, 6));
    value.SetZero();
    EXPECT_FALSE(value.IsNull());
    EXPECT_TRUE(value.IsZeroOrNull());
    EXPECT_EQ(Fields(value), std::make_pair(int64_t{0}, 5));
}

TEST(MDecimal, SetTextReadsDecimalNumbers) {
    const struct {
        const char* text;
        int64_t mantissa;
        int32_t decimals;
    } cases[] = {
        {"12.34", 1234, 2},
        {"1200", 12, -2},
        {"1200.5", 12005, 1},
        {"12.30", 123, 1},
        {"0.5", 5, 1},
        {"--3", -3, 0},
        {"-12.5", -125, 1},
        {"  007", 7, 0},
        {".25", 25, 2},
        {"5.", 5, 0},
        {"0", 0, 5},
        {"0.000", 0, 5},
        {"-0", 0, 5},
        {".", 0, 5},
        {"0.1234567", 1234567, 7},  // not rounded to D
        // Digits beyond the 18th are dropped without rounding.
        {"1234567890123456789", 123456789012345678, -1},
        {"12345678901234567.89", 123456789012345678, 1},
        {"1234567890123456789012.5", 123456789012345678, -4},
        {"0.1234567890123456789", 123456789012345678, 18},
        {"1.2.3", 0, 6},
        {"1a", 0, 6},
        {"", 0, 6},
        {"1-", 0, 6},
        {"- 1", 0, 6},
        {"1 ", 0, 6},
        {"+1", 0, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Decimal5 value(77, 0);
        value.SetText(c.text, static_cast<int>(std::strlen(c.text)));
        EXPECT_EQ(Fields(value), std::make_pair(c.mantissa, c.decimals));
    }
    Decimal5 value(1, 0);
    value.SetText(nullptr, 3);
    EXPECT_TRUE(value.IsNull());
    value.SetText("12", 1);
    EXPECT_EQ(Fields(value), std::make_pair(int64_t{1}, 0));
    value.SetText("12", -1);
    EXPECT_TRUE(value.IsNull());
}

TEST(MDecimal, Equality) {
    EXPECT_TRUE(Decimal5(0, 5) == Decimal5(0, 2));
    EXPECT_FALSE(Decimal5(12, 1) == Decimal5(12, 2));
    EXPECT_TRUE(Decimal5(120, 2) == Decimal5(12, 1));
    Decimal5 null(0, 6);
    EXPECT_TRUE(null == Decimal5(0, 5));  // null equals zero

    // The amount typed in the confirmation dialog against the amount shown.
    Amount typed(0, 8);
    typed.SetText("1234.50", 7);
    EXPECT_TRUE(typed == Amount(123450000, 5));
    typed.SetText("1234.5", 6);
    EXPECT_TRUE(typed == Amount(12345, 1));
    typed.SetText("1234.51", 7);
    EXPECT_FALSE(typed == Amount(12345, 1));
}

}  // namespace
