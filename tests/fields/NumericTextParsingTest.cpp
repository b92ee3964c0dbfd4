#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "RaisedException.h"
#include "core/MException.h"
#include "fields/NumericTextParsing.h"

namespace {

uint32_t Decimal(const char* text) {
    return ParseDecimalDigits(text, static_cast<int>(std::strlen(text)));
}

TEST(NumericTextParsing, CharacterClasses) {
    for (int c = 0; c < 256; ++c) {
        SCOPED_TRACE(c);
        const char ch = static_cast<char>(c);
        EXPECT_EQ(IsDigitCharacter(ch), c >= '0' && c <= '9');
        EXPECT_EQ(IsLetterCharacter(ch), (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
        EXPECT_EQ(DigitValue(ch), c >= '0' && c <= '9' ? static_cast<uint32_t>(c - '0') : 0u);
    }
}

TEST(NumericTextParsing, DecimalDigitsCountNonDigitsAsZero) {
    const struct {
        const char* text;
        uint32_t value;
    } cases[] = {
        {"0042", 42},
        {" 42", 42},
        {"4A", 40},
        {"+17", 17},
        {"-17", 17},
        {"7", 7},
        {"12345", 12345},
        {"123456789", 123456789},
        {"00001234", 1234},
        {"4294967295", 4294967295u},
        {"4294967296", 0},                      // modulo 2^32
        {"12345678901234567890", 3944680146u},  // modulo 2^32
        {"\xb9\xff"
         "5",
         5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Decimal(c.text), c.value);
    }
    // Every length from 1 to 20 weighs each place correctly.
    const char* nines = "99999999999999999999";
    uint64_t expected = 0;
    for (int n = 1; n <= 20; ++n) {
        SCOPED_TRACE(n);
        expected = expected * 10 + 9;
        EXPECT_EQ(ParseDecimalDigits64(nines, n), expected);
        EXPECT_EQ(ParseDecimalDigits(nines, n), static_cast<uint32_t>(expected));
        EXPECT_EQ(ParseDigitText(nines, n), static_cast<uint32_t>(expected));
    }
}

TEST(NumericTextParsing, LengthsOutsideOneToTwentyGiveZero) {
    const char* digits = "123456789012345678901";
    for (int n : {0, -1, 21, 100}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(ParseDecimalDigits(digits, n), 0u);
        EXPECT_EQ(ParseDecimalDigits64(digits, n), 0u);
        EXPECT_EQ(ParseBase62Digits(digits, n), 0u);
    }
    EXPECT_EQ(ParseDecimalDigits64("4294967296", 10), 4294967296u);
    EXPECT_EQ(ParseDecimalDigits64("12345678901234567890", 20), 12345678901234567890u);
}

TEST(NumericTextParsing, FixedGroups) {
    EXPECT_EQ(ParseTwoDigits("42"), 42u);
    EXPECT_EQ(ParseThreeDigits("042"), 42u);
    EXPECT_EQ(ParseFourDigits("2021"), 2021u);
    EXPECT_EQ(ParseEightDigits("20210315"), 20210315u);
    EXPECT_EQ(ParseEightDigits("  1 2 3 "), 10203u * 10);
}

TEST(NumericTextParsing, Base62) {
    const struct {
        const char* text;
        uint32_t value;
    } cases[] = {
        {"z", 61}, {"10", 62}, {"zz", 3843},          {"Az", 681},          {"Z", 35},
        {"a", 36}, {"-1", 1},  {"100000", 916132832}, {"zzzzz", 916132831},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseBase62Digits(c.text, static_cast<int>(std::strlen(c.text))), c.value);
    }
}

TEST(NumericTextParsing, SignedFrontEnds) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"-17", -17}, {"+17", 17}, {"x17", 0}, {"17", 17}, {" 17", 0}, {"-", 0}, {"-2147483648", INT32_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const int n = static_cast<int>(std::strlen(c.text));
        EXPECT_EQ(ParseSignedDigits(c.text, n), c.value);
        EXPECT_EQ(ParseSignedDigits64(c.text, n), c.value == INT32_MIN ? -2147483648LL : c.value);
    }
    EXPECT_EQ(ParseSignedDigits("", 0), 0);
    EXPECT_EQ(ParseSignedDigits64("-9223372036854775807", 20), -9223372036854775807LL);
    EXPECT_EQ(ParseSignedDigits64("-9223372036854775808", 20), INT64_MIN);
}

TEST(NumericTextParsing, IntegerTextCountsTheSignAsADigit) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"+5", 5},
        {"-5", -5},
        {" 5", 0},
        {"12a", 120},
        {"abc", 0},
        {"+42", 42},
        {"", 0},
        {"-2147483648", INT32_MIN},
        {"+0000000000000000042", 42},  // 20 characters
        {"+00000000000000000042", 0},  // 21 characters: the sign makes it too long
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(static_cast<int32_t>(ParseIntegerText(c.text, static_cast<int>(std::strlen(c.text)))),
                  c.value);
    }
}

TEST(NumericTextParsing, DigitRuns) {
    uint32_t value = 99;
    EXPECT_EQ(ParseDigitRun("123", 2, value), 2);
    EXPECT_EQ(value, 12u);
    EXPECT_EQ(ParseDigitRun("12a4", 4, value), 2);
    EXPECT_EQ(value, 12u);
    EXPECT_EQ(ParseDigitRun("42\xfe"
                            "7",
                            4, value),
              2);
    EXPECT_EQ(value, 42u);
    // No overflow detection in the run itself.
    EXPECT_EQ(ParseDigitRun("99999999999", 11, value), 11);
    EXPECT_EQ(value, 1215752191u);
    uint64_t value64 = 0;
    EXPECT_EQ(ParseDigitRun("18446744073709551616", 20, value64), 20);
    EXPECT_EQ(value64, 0u);

    int32_t signedValue = 0;
    EXPECT_EQ(ParseSignedRun("-42x", 4, signedValue), 2);
    EXPECT_EQ(signedValue, -42);
    EXPECT_EQ(ParseSignedRun("+7", 2, signedValue), 1);
    EXPECT_EQ(signedValue, 7);
    int64_t signed64 = 0;
    EXPECT_EQ(ParseSignedRun("-9223372036854775807", 20, signed64), 19);
    EXPECT_EQ(signed64, -9223372036854775807LL);

    const std::pair<int, std::string> noDigits{1, "Invalid integer value, no digits found"};
    EXPECT_EQ(Raised([&] { ParseSignedRun("12", 0, signedValue); }), noDigits);
    EXPECT_EQ(Raised([&] { ParseDigitRun("-1", 2, value); }), noDigits);
    EXPECT_EQ(Raised([&] { ParseSignedRun("+", 1, signedValue); }), noDigits);
    EXPECT_EQ(Raised([&] { ParseSignedRun("-x", 2, signed64); }), noDigits);
    EXPECT_EQ(Raised([&] { ParseDigitRun("", 0, value64); }), noDigits);
}

TEST(NumericTextParsing, BoundedIntegers) {
    int32_t value = 0;
    EXPECT_EQ(Raised([&] { ParseBoundedInteger("7", 1, 0, value, 1, 5); }),
              std::make_pair(2, std::string("Out of bounds integer value(1 <= 7 <= 5)")));
    EXPECT_EQ(value, 7);  // set before the bounds are checked
    EXPECT_EQ(ParseBoundedInteger("7", 1, 7, value, 1, 5), 1);
    EXPECT_EQ(ParseBoundedInteger("0", 1, 0, value, 1, 5), 1);  // the allowed value always passes
    EXPECT_EQ(ParseBoundedInteger("-2147483648\xfe", 12, 0, value, INT32_MIN, INT32_MAX), 10);
    EXPECT_EQ(value, INT32_MIN);
    EXPECT_EQ(Raised([&] { ParseBoundedInteger("-3", 2, 0, value, -2, 9); }),
              std::make_pair(2, std::string("Out of bounds integer value(-2 <= -3 <= 9)")));
    EXPECT_EQ(Raised([&] { ParseBoundedInteger("x", 1, 0, value, 1, 5); }).first, 1);

    uint32_t unsignedValue = 0;
    EXPECT_EQ(ParseBoundedInteger("4294967295", 10, 0u, unsignedValue, 0u, 4294967295u), 10);
    EXPECT_EQ(unsignedValue, 4294967295u);
    EXPECT_EQ(Raised([&] { ParseBoundedInteger("+1", 2, 0u, unsignedValue, 0u, 4294967295u); }).first, 1);

    int64_t value64 = 0;
    EXPECT_EQ(ParseBoundedInteger("-9223372036854775807", 20, int64_t{0}, value64, -9223372036854775807LL,
                                  9223372036854775807LL),
              19);
    EXPECT_EQ(value64, -9223372036854775807LL);
    EXPECT_EQ(Raised([&] {
                  ParseBoundedInteger("-9223372036854775808", 20, int64_t{0}, value64, -9223372036854775807LL,
                                      9223372036854775807LL);
              }),
              std::make_pair(2, std::string("Out of bounds integer value(-9223372036854775807 <= "
                                            "-9223372036854775808 <= 9223372036854775807)")));
}

// A number with more digits than the type holds is out of bounds, not read as another number.
TEST(NumericTextParsing, BoundedIntegersRefuseNumbersTooLargeForTheType) {
    int32_t value = 0;
    EXPECT_EQ(Raised([&] { ParseBoundedInteger("99999999999", 11, 0, value, INT32_MIN, INT32_MAX); }),
              std::make_pair(2, std::string("Out of bounds integer value(-2147483648 <= 99999999999 <= "
                                            "2147483647)")));
    EXPECT_EQ(Raised([&] { ParseBoundedInteger("2147483648", 10, 0, value, INT32_MIN, INT32_MAX); }).first,
              2);
    // 2^32 would wrap to the allowed value 0.
    uint32_t unsignedValue = 0;
    EXPECT_EQ(
        Raised([&] { ParseBoundedInteger("4294967296", 10, 0u, unsignedValue, 0u, 4294967295u); }).first, 2);
    int64_t value64 = 0;
    EXPECT_EQ(Raised([&] {
                  ParseBoundedInteger("-000123456789012345678901234567890", 34, int64_t{0}, value64, -5, 5);
              }),
              std::make_pair(2, std::string("Out of bounds integer value(-5 <= "
                                            "-000123456789012345678901234567890 <= 5)")));
}

TEST(NumericTextParsing, IntegerBoundsCheck) {
    EXPECT_NO_THROW(CheckIntegerBounds(int32_t{0}, 1, 5, 0));
    EXPECT_NO_THROW(CheckIntegerBounds(int32_t{5}, 1, 5, 0));
    EXPECT_EQ(Raised([] { CheckIntegerBounds(int32_t{6}, 1, 5, 0); }).second,
              "Out of bounds integer value(1 <= 6 <= 5)");
    EXPECT_EQ(Raised([] { CheckIntegerBounds(uint32_t{4294967295u}, 0u, 9u, 0u); }).second,
              "Out of bounds integer value(0 <= 4294967295 <= 9)");
    EXPECT_EQ(Raised([] { CheckIntegerBounds(int64_t{-10000000000}, -1, 1, 0); }).second,
              "Out of bounds integer value(-1 <= -10000000000 <= 1)");
}

}  // namespace
