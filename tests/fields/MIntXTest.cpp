#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "RaisedException.h"
#include "core/MException.h"
#include "fields/MDescFormat.h"
#include "fields/MIntX.h"
#include "fields/MMsgFormat.h"
#include "fields/MTInterface.h"
#include "fields/MTObjectFunction.h"
#include "support/FieldTestRecords.h"

namespace {

static_assert(sizeof(MInt) == 4 && sizeof(MLong) == 4 && sizeof(MULong) == 4 && sizeof(HostRetryCount) == 4);
static_assert(sizeof(MInt64) == 8);
static_assert(std::is_trivially_copyable_v<MLong> && std::is_standard_layout_v<MLong>);
static_assert(!std::is_same_v<MInt, MLong>);
static_assert(MValueType<MInt> && MValueType<MLong> && MValueType<MULong>);

TEST(MIntX, TypeNamesAndColumnProperties) {
    EXPECT_STREQ(MInt::GetTypeName(), "MIntX<int,2147483647,-2147483648,0>");
    EXPECT_STREQ(MLong::GetTypeName(), "MIntX<long,2147483647,-2147483648,0>");
    EXPECT_STREQ(MULong::GetTypeName(), "MIntX<unsigned long,-1,0,0>");
    EXPECT_STREQ(HostRetryCount::GetTypeName(), "MIntX<unsigned int,99,0,0>");
    EXPECT_STREQ(RowKeyPart::GetTypeName(), "MIntX<int,2147483647,0,0>");
    EXPECT_STREQ(HeartbeatTimeout::GetTypeName(), "MIntX<unsigned int,-1,0,0>");
    MLong field;
    MTInterface<MLong> column(&field);
    EXPECT_EQ(column.GetKind(), MInterface::kNumber);
    EXPECT_EQ(column.GetWidth(), 10);
    EXPECT_STREQ(column.GetTypeName(), "MIntX<long,2147483647,-2147483648,0>");
}

TEST(MIntX, StoresAreClamped) {
    EXPECT_EQ(MInt().GetValue(), 0);
    EXPECT_EQ(MInt(-7).GetValue(), -7);
    HostRetryCount retries;
    EXPECT_EQ(retries.SetValue(150), 99u);
    EXPECT_EQ(retries.GetValue(), 99u);
    EXPECT_TRUE(retries.Is(99));
    EXPECT_EQ(HostRetryCount(98).GetValue(), 98u);
    EXPECT_EQ(RowKeyPart(-5).GetValue(), 0);
    EXPECT_EQ(MInt64(INT64_MIN).GetValue(), -9223372036854775807LL);
    EXPECT_EQ(MInt64(INT64_MAX).GetValue(), INT64_MAX);
    MULong big(4294967295u);
    big.Clear();
    EXPECT_EQ(big.GetValue(), 0u);
    MLong copy;
    copy.Assign(MLong(12));
    EXPECT_EQ(copy, MLong(12));
}

TEST(MIntX, IncrementsWrapInTheirTypeThenClamp) {
    HostRetryCount retries(99);
    EXPECT_EQ(retries.PostIncrement().GetValue(), 99u);
    EXPECT_EQ(retries.GetValue(), 99u);
    retries.SetValue(5);
    EXPECT_EQ(retries.PreIncrement().GetValue(), 6u);
    EXPECT_EQ(retries.PostDecrement().GetValue(), 6u);
    EXPECT_EQ(retries.GetValue(), 5u);
    retries.SetValue(0);
    retries.PostDecrement();  // wraps to 4294967295, which clamps to the maximum
    EXPECT_EQ(retries.GetValue(), 99u);

    MInt counter(2147483647);
    EXPECT_EQ(counter.PreIncrement().GetValue(), INT32_MIN);
    MLong sequence(2147483647);
    EXPECT_EQ(sequence.PostIncrement().GetValue(), 2147483647);
    EXPECT_EQ(sequence.GetValue(), INT32_MIN);
    EXPECT_EQ(sequence.PostDecrement().GetValue(), INT32_MIN);
    EXPECT_EQ(sequence.GetValue(), 2147483647);
    MULong count;
    count.PostDecrement();
    EXPECT_EQ(count.GetValue(), 4294967295u);
    count.PreIncrement();
    EXPECT_EQ(count.GetValue(), 0u);
    RowKeyPart key(2147483647);
    key.PreIncrement();  // INT32_MIN clamps to the minimum 0
    EXPECT_EQ(key.GetValue(), 0);
    MInt64 big(INT64_MAX);
    big.PreIncrement();
    EXPECT_EQ(big.GetValue(), -9223372036854775807LL);

    HeartbeatTimeout timeout;
    timeout.SetText("60");
    EXPECT_EQ(timeout.MultiplyBy(5), 300u);
    EXPECT_EQ(timeout.GetValue(), 300u);
    MInt product(-3);
    EXPECT_EQ(product.MultiplyBy(-4), 12);
    product.SetValue(1 << 30);
    EXPECT_EQ(product.MultiplyBy(4), 0);  // 2^32 wraps to 0
}

TEST(MIntX, SetTextReadsWithoutValidating) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"123", 123},
        {"-123", -123},
        {"+7", 7},
        {"12a", 120},
        {"abc", 0},
        {"", 0},
        {" 5", 0},
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"000000000000000000042", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        MInt value(99);
        value.SetText(c.text);
        EXPECT_EQ(value.GetValue(), c.value);
        EXPECT_EQ(MInt(std::string(c.text)).GetValue(), c.value);
    }
    MInt value(5);
    value.SetText(nullptr);
    EXPECT_EQ(value.GetValue(), 0);
    value.SetText("77", 1);
    EXPECT_EQ(value.GetValue(), 7);
    value.SetText("77", -3);
    EXPECT_EQ(value.GetValue(), 0);

    MULong unsignedValue;
    unsignedValue.SetText("-1");
    EXPECT_EQ(unsignedValue.GetValue(), 4294967295u);
    HostRetryCount retries;
    retries.SetText("-1");
    EXPECT_EQ(retries.GetValue(), 99u);
    retries.SetText("42");
    EXPECT_EQ(retries.GetValue(), 42u);

    MInt64 big(5);
    big.SetText(nullptr);
    EXPECT_EQ(big.GetValue(), 5);
    big.SetText("-9223372036854775808");
    EXPECT_EQ(big.GetValue(), -9223372036854775807LL);
    EXPECT_EQ(MInt64(std::string("+12345678901")).GetValue(), 12345678901LL);
    EXPECT_EQ(MInt64(std::string("x1")).GetValue(), 0);
}

TEST(MIntX, TextForms) {
    EXPECT_EQ(MInt(-42).ToString(), "-42");
    EXPECT_EQ(MInt(0).ToString(), "0");
    EXPECT_EQ(MInt(INT32_MIN).ToString(), "-2147483648");
    EXPECT_EQ(MULong(4294967295u).ToString(), "4294967295");
    EXPECT_EQ(MInt64(-9223372036854775807LL).ToString(), "-9223372036854775807");

    MLong field(-123456);
    MTObjectFunction<MLong> binder(&field);
    int length = 0;
    bool terminated = false;
    const char* text = binder.GetText(&length, &terminated);
    EXPECT_EQ(std::string(text, length), "-123456");
    EXPECT_TRUE(terminated);
    EXPECT_EQ(text[length], '\0');
}

const char* const kOutOfRange = "Value outside of the range!";
const char* const kInvalidNumber = "Invalid numeric value!";
const char* const kNull = "Invalid null value!";

struct CheckCase {
    const char* text;
    const char* message;
};

template <class T>
void ExpectChecks(const std::vector<CheckCase>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        const char* message = T::CheckText(c.text);
        if (c.message) {
            EXPECT_STREQ(message, c.message);
        } else {
            EXPECT_EQ(message, nullptr) << message;
        }
    }
}

TEST(MIntX, CheckTextOfSignedInstances) {
    const std::vector<CheckCase> cases = {
        {"2147483647", nullptr},
        {"-2147483648", nullptr},
        {"+2147483647", nullptr},
        {"0", nullptr},
        {"+", nullptr},
        {"-", nullptr},
        {"2147483648", kOutOfRange},
        {"-2147483649", kOutOfRange},
        {"00000000001", kOutOfRange},
        {"abcdefghijk", kOutOfRange},
        {"12a", kInvalidNumber},
        {" 12", kInvalidNumber},
        {"1 2", kInvalidNumber},
        {"--1", kInvalidNumber},
        {"", kNull},
        {nullptr, kNull},
    };
    ExpectChecks<MInt>(cases);
    ExpectChecks<MLong>(cases);
    ExpectChecks<RowKeyPart>({{"-1", kOutOfRange}, {"0", nullptr}, {"2147483647", nullptr}});
}

TEST(MIntX, CheckTextOfUnsignedInstances) {
    ExpectChecks<MULong>({
        {"-1", "Negative value!"},
        {"-", "Negative value!"},
        {"4294967295", nullptr},
        {"+4294967295", nullptr},
        {"4294967296", kOutOfRange},
        {"12x", kInvalidNumber},
        {"", kNull},
    });
    ExpectChecks<HostRetryCount>(
        {{"99", nullptr}, {"100", kOutOfRange}, {"150", kOutOfRange}, {"0", nullptr}});
}

TEST(MIntX, MonitorFormIsDecimalTextAndTheDelimiter) {
    char buffer[64];
    MMsgFormat writer(buffer, sizeof buffer, true);
    MInt(-42).WriteFixed(writer);
    MULong(4294967295u).WriteFixed(writer);
    MInt64(-9223372036854775807LL).WriteFixed(writer);
    MInt(0).WriteFixed(writer);
    const std::string expected =
        "-42\xfe"
        "4294967295\xfe"
        "-9223372036854775807\xfe"
        "0\xfe";
    ASSERT_EQ(writer.GetOffset(), static_cast<int>(expected.size()));
    EXPECT_EQ(std::string(buffer, expected.size()), expected);

    MMsgFormat reader(buffer, writer.GetOffset(), false);
    MInt small(7);
    MULong large;
    MInt64 big;
    small.ReadFixed(reader);
    EXPECT_EQ(small.GetValue(), -42);
    EXPECT_EQ(reader.GetOffset(), 4);
    large.ReadFixed(reader);
    EXPECT_EQ(large.GetValue(), 4294967295u);
    big.ReadFixed(reader);
    EXPECT_EQ(big.GetValue(), -9223372036854775807LL);
    small.ReadFixed(reader);
    EXPECT_EQ(small.GetValue(), 0);
    EXPECT_EQ(reader.GetOffset(), static_cast<int>(expected.size()));
}

TEST(MIntX, MonitorFormReadingEdges) {
    {
        char bytes[] =
            "\xfe"
            "5\xfe";
        MMsgFormat reader(bytes, 3, false);
        MLong value(9);
        value.ReadFixed(reader);  // an empty field clears
        EXPECT_EQ(value.GetValue(), 0);
        EXPECT_EQ(reader.GetOffset(), 1);
        value.ReadFixed(reader);
        EXPECT_EQ(value.GetValue(), 5);
    }
    {
        char bytes[] = "+17\xfe";
        MMsgFormat reader(bytes, 4, false);
        MInt value;
        value.ReadFixed(reader);
        EXPECT_EQ(value.GetValue(), 17);
        EXPECT_EQ(reader.GetOffset(), 4);  // the sign is passed over with the delimiter
    }
    {
        char bytes[] = "x\xfe";
        MMsgFormat reader(bytes, 2, false);
        MInt value;
        EXPECT_EQ(Raised([&] { value.ReadFixed(reader); }),
                  std::make_pair(1, std::string("Invalid integer value, no digits found")));
    }
    {
        char bytes[] = "-1\xfe";
        MMsgFormat reader(bytes, 3, false);
        MULong value;
        EXPECT_EQ(Raised([&] { value.ReadFixed(reader); }).first, 1);
    }
    {
        char bytes[] = "123";
        MMsgFormat reader(bytes, 3, false);
        MInt value;
        EXPECT_EQ(Raised([&] { value.ReadFixed(reader); }),
                  std::make_pair(1, std::string("Message is too short")));
        EXPECT_EQ(value.GetValue(), 123);
    }
    {
        char bytes[] =
            "150\xfe"
            "99999999999\xfe";
        MMsgFormat reader(bytes, 16, false);
        HostRetryCount retries;
        retries.ReadFixed(reader);
        EXPECT_EQ(retries.GetValue(), 99u);
        MLong value;
        EXPECT_EQ(Raised([&] { value.ReadFixed(reader); }),
                  std::make_pair(2, std::string("Out of bounds integer value(-2147483648 <= 99999999999 <= "
                                                "2147483647)")));
    }
}

struct Counters {
    MInt Signed;
    MULong Unsigned;
    MLong Sequence;

    static constexpr auto Fields() {
        using S = Counters;
        return MFields(MField("Signed", &S::Signed), MField("Unsigned", &S::Unsigned),
                       MField("Sequence", &S::Sequence));
    }
};

TEST(MIntX, ColumnsSortNumerically) {
    Counters prototype;
    ColumnCollector collector;
    DescribeFields(prototype, collector);
    ASSERT_EQ(collector.columns.size(), 3u);
    for (auto& column : collector.columns) column->MakeRelative(&prototype);

    std::vector<Counters> rows(4);
    const int32_t signedValues[] = {20, -5, 3, 100};
    const uint32_t unsignedValues[] = {4294967295u, 7, 10, 2147483648u};
    for (int i = 0; i < 4; ++i) {
        rows[i].Signed.SetValue(signedValues[i]);
        rows[i].Unsigned.SetValue(unsignedValues[i]);
    }
    auto sortedBy = [&](int field) {
        std::vector<const Counters*> order;
        for (const auto& row : rows) order.push_back(&row);
        std::stable_sort(order.begin(), order.end(), [&](const Counters* a, const Counters* b) {
            return collector.columns[field]->IsLess(a, b);
        });
        std::vector<std::string> texts;
        for (const Counters* row : order) texts.push_back(collector.columns[field]->GetText(row, nullptr));
        return texts;
    };
    EXPECT_EQ(sortedBy(0), (std::vector<std::string>{"-5", "3", "20", "100"}));
    EXPECT_EQ(sortedBy(1), (std::vector<std::string>{"7", "10", "2147483648", "4294967295"}));

    EXPECT_TRUE(collector.columns[0]->IsInRange(&rows[2], "-5", "3", false, true));
    EXPECT_TRUE(collector.columns[0]->IsGreaterText(&rows[0], "9"));
    EXPECT_STREQ(collector.columns[0]->CheckText("1x"), kInvalidNumber);
    collector.columns[2]->SetText(&rows[1], "-77");
    EXPECT_EQ(rows[1].Sequence.GetValue(), -77);
}

TEST(MIntX, DescriptionReadsBackAsText) {
    Counters counters;
    counters.Signed.SetValue(-12);
    counters.Unsigned.SetValue(4000000000u);
    counters.Sequence.SetValue(3);
    std::string text;
    MDescFormat format(";", 0, true);
    format.SetOutput(&text);
    format.Start("c", 1);
    DescribeFields(counters, format);
    EXPECT_EQ(text, "c.Signed [-12];c.Unsigned [4000000000];c.Sequence [3]");

    Counters copy;
    copy.Sequence.SetValue(9);
    text.erase(text.find(";c.Sequence"));
    format.StartPath("c", false);
    DescribeFields(copy, format);
    EXPECT_EQ(copy.Signed.GetValue(), -12);
    EXPECT_EQ(copy.Unsigned.GetValue(), 4000000000u);
    EXPECT_EQ(copy.Sequence.GetValue(), 0);  // an absent name reads as the empty text
}

}  // namespace

TEST(MIntX, AdditionWrapsInItsTypeThenClampsAndTextsSetTheDigits) {
    MULong count(4294967290u);
    EXPECT_EQ(count.Add(5), 4294967295u);
    EXPECT_EQ(count.Add(2), 1u);  // wraps in 32 bits
    HostRetryCount retries(90);
    EXPECT_EQ(retries.Add(20), 99u);  // clamped back into the range
    MLong sum(5);
    EXPECT_EQ(sum.Add(-7), -2);
    EXPECT_EQ(sum.ClampToRange(), -2);

    const std::pair<const char*, uint32_t> texts[] = {
        {"123", 123u}, {"+42", 42u}, {"", 0u}, {"x12", 0u}, {"4294967295", 4294967295u}};
    for (const auto& [text, value] : texts) {
        MULong parsed(7u);
        parsed.SetString(text);
        EXPECT_EQ(parsed.GetValue(), value) << text;
    }
}
