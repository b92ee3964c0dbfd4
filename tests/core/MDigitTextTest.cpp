#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "core/MDigitText.h"

namespace {

std::string Int(int32_t v) {
    int n = 0;
    const char* p = FormatInt(v, n);
    return std::string(p, n);
}

std::string MinWidth(uint32_t v, int width) {
    const char* p = FormatUIntMinWidth(v, width);
    return std::string(p, width);
}

std::string Fixed(int64_t v, int width) {
    std::string s(width, '#');
    FormatInt64Fixed(s.data(), v, width);
    return s;
}

template <int N>
std::string Digits(int v, bool clamped) {
    std::string s(N, '#');
    clamped ? MDigitText<N>::FormatClamped(s.data(), v) : MDigitText<N>::Format(s.data(), v);
    return s;
}

TEST(FormatInt, WritesSignedValues) {
    const struct {
        int32_t value;
        const char* text;
    } cases[] = {{0, "0"},
                 {7, "7"},
                 {9999, "9999"},
                 {10000, "10000"},
                 {-5, "-5"},
                 {-10000, "-10000"},
                 {INT32_MIN, "-2147483648"},
                 {INT32_MAX, "2147483647"},
                 {100020003, "100020003"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Int(c.value), c.text);
    }
}

TEST(FormatUInt, WritesTheLargestValue) {
    int n = 0;
    const char* p = FormatUInt(4294967295u, n);
    EXPECT_EQ(std::string(p, n), "4294967295");
    EXPECT_EQ(n, 10);
    EXPECT_EQ(p[n], '\0');
}

TEST(FormatUInt, LongResultsShareOneBuffer) {
    int n1 = 0, n2 = 0;
    const char* first = FormatUInt(123456, n1);
    const char* second = FormatUInt(654321, n2);
    EXPECT_EQ(std::string(second, n2), "654321");
    EXPECT_EQ(std::string(first, n1), "654321");  // overwritten by the second conversion
}

TEST(FormatUIntMinWidth, PadsButNeverCuts) {
    EXPECT_EQ(MinWidth(7, 3), "007");
    EXPECT_EQ(MinWidth(12345, 4), "12345");
    EXPECT_EQ(MinWidth(0, 6), "000000");
    EXPECT_EQ(MinWidth(42, 0), "42");
    EXPECT_EQ(MinWidth(123456, 8), "00123456");
}

TEST(FormatUIntMinWidth, CapsAWidthBeyondItsBuffer) {
    int width = 500;
    const char* p = FormatUIntMinWidth(12, width);
    EXPECT_EQ(width, 20);
    EXPECT_EQ(std::string(p, width), "00000000000000000012");
}

TEST(FormatInt64Fixed, KeepsTheLowDigits) {
    EXPECT_EQ(Fixed(42, 4), "0042");
    EXPECT_EQ(Fixed(123456, 4), "3456");
    EXPECT_EQ(Fixed(-7, 4), "-007");
    EXPECT_EQ(Fixed(0, 1), "0");
    EXPECT_EQ(Fixed(1234567890123456789LL, 19), "1234567890123456789");
    EXPECT_EQ(Fixed(INT64_MIN, 20), "-9223372036854775808");
    EXPECT_EQ(Fixed(INT64_MAX, 6), "775807");
}

TEST(MDigitText, ReducesOrClamps) {
    EXPECT_EQ(Digits<2>(7, false), "07");
    EXPECT_EQ(Digits<2>(123, false), "23");
    EXPECT_EQ(Digits<2>(-5, false), "-5");
    EXPECT_EQ(Digits<2>(-123, false), "-3");
    EXPECT_EQ(Digits<4>(2021, false), "2021");
    EXPECT_EQ(Digits<4>(12021, false), "2021");
    EXPECT_EQ(Digits<4>(-42, false), "-042");
    EXPECT_EQ(Digits<4>(12345, true), "9999");
    EXPECT_EQ(Digits<4>(-5, true), "-005");
    EXPECT_EQ(Digits<4>(-5000, true), "-999");
    EXPECT_EQ(Digits<8>(42, true), "00000042");
    EXPECT_EQ(Digits<8>(123456789, true), "99999999");
    EXPECT_EQ(Digits<8>(INT32_MIN, true), "-9999999");
    EXPECT_EQ(Digits<9>(1234567890, false), "234567890");
    EXPECT_EQ(Digits<9>(-123456789, false), "-23456789");
    EXPECT_EQ(Digits<10>(INT32_MAX, true), "2147483647");
    EXPECT_EQ(Digits<10>(INT32_MIN, true), "-999999999");
    EXPECT_EQ(MDigitText<8>::GetMaximum(), 99999999);
    EXPECT_EQ(MDigitText<2>::GetModulus(), 100);
}

}  // namespace

namespace {

// Each thread formats into its own result buffer: texts built at the same time never mix.
TEST(FormatInt, TwoThreadsFormattingAtOnceGetTheirOwnTexts) {
    auto work = [](int32_t base, bool& ok) {
        ok = true;
        for (int32_t i = 0; i < 100000 && ok; ++i) {
            int n = 0;
            const char* p = FormatInt(base + i, n);
            ok = std::string(p, static_cast<std::size_t>(n)) == std::to_string(base + i);
        }
    };
    bool firstOk = false, secondOk = false;
    std::thread first(work, 10000000, std::ref(firstOk));
    std::thread second(work, -20000000, std::ref(secondOk));
    first.join();
    second.join();
    EXPECT_TRUE(firstOk);
    EXPECT_TRUE(secondOk);
}

}  // namespace
