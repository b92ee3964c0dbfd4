#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <type_traits>
#include <vector>

#include "RaisedException.h"
#include "core/MException.h"
#include "fields/MMsgFormat.h"
#include "fields/MStringFloat.h"
#include "fields/MTInterface.h"
#include "fields/MTObjectFunction.h"
#include "support/FieldTestRecords.h"

namespace {

using Price9 = MStringFloat<MStringFractionData<9, 32>, 100, 0, 0>;

std::string Stored(const Price9& price) {
    return std::string(price.GetData(), 10);
}

Price9 PriceOf(const char* text) {
    Price9 price;
    price.SetText(text);
    return price;
}

static_assert(sizeof(Price9) == 10);
static_assert(std::is_trivially_copyable_v<Price9> && std::is_standard_layout_v<Price9>);
static_assert(MValueType<Price9>);

TEST(MStringFloat, NewValuesAreNull) {
    Price9 price;
    EXPECT_EQ(Stored(price), "          ");
    EXPECT_TRUE(price.IsNull());
    EXPECT_EQ(price.ToString(), "");
    EXPECT_STREQ(Price9::GetTypeName(), "MStringFloat<MStringFractionData<9,32>,100,0,0>");
    MTInterface<Price9> column(&price);
    column.MakeRelative(&price);
    EXPECT_EQ(column.GetKind(), MInterface::kNumber);
    EXPECT_EQ(column.GetWidth(), 32);
    EXPECT_STREQ(column.GetText(&price, nullptr), "");
    price.SetText("1");
    price.Clear();
    EXPECT_TRUE(price.IsNull());
}

TEST(MStringFloat, ParseCodesSignAndScaleInTheFirstCharacter) {
    const struct {
        const char* text;
        const char* stored;
        const char* shown;
    } cases[] = {
        {"12.5", "1000000125", "12.5"},
        {"-0,75", "C000000075", "-0.75"},
        {"7", "0000000007", "7."},
        {"0", "0000000000", "0."},
        {"-", "A000000000", "-0."},
        {"", "          ", ""},
        {"   ", "          ", ""},
        {"  007.50", "2000000750", "7.50"},
        {"- 3", "A000000003", "-3."},
        {"123.45", "2000012345", "123.45"},
        {"0.0012345", "7000012345", "0.0012345"},
        {"12345", "0000012345", "12345."},
        {"0.00", "2000000000", "0.00"},
        {"-1.5", "B000000015", "-1.5"},
        {".", "0000000000", "0."},
        {"12.", "0000000012", "12."},
        {"1,5", "1000000015", "1.5"},
        {"123456789", "0123456789", "123456789."},
        {"0.123456789", "9123456789", "0.123456789"},
        // Unchecked texts keep their first nine digit characters.
        {"1234567890", "0123456789", "123456789."},
        {"1.23456789012", "8123456789", "1.23456789"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Price9 price = PriceOf(c.text);
        EXPECT_EQ(Stored(price), c.stored);
        EXPECT_EQ(price.ToString(), c.shown);
        EXPECT_EQ(Stored(Price9(std::string(c.text))), c.stored);
    }
    Price9 price = PriceOf("1");
    price.SetText(nullptr);
    EXPECT_TRUE(price.IsNull());
    price.SetText("12", -1);
    EXPECT_TRUE(price.IsNull());
    price.SetText("12.5", 2);
    EXPECT_EQ(price.ToString(), "12.");
}

TEST(MStringFloat, DecimalsAndSignOfStoredCharacters) {
    EXPECT_TRUE(PriceOf("-1").IsNegative());
    EXPECT_FALSE(PriceOf("1").IsNegative());
    EXPECT_EQ(PriceOf("-1.25").GetDecimals(), 2);
    EXPECT_EQ(PriceOf("1.250").GetDecimals(), 3);
    // A sign-and-scale character outside both ranges gives 0 decimals.
    char bytes[] = "z000000015";
    MMsgFormat reader(bytes, 10, false);
    Price9 odd;
    odd.ReadFixed(reader);
    EXPECT_TRUE(odd.IsNegative());
    EXPECT_EQ(odd.GetDecimals(), 0);
    EXPECT_EQ(odd.ToString(), "-15.");
}

TEST(MStringFloat, CheckText) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"12.5", true},
        {"-12,5", true},
        {" 3", true},
        {".", true},
        {"-0", true},
        {"123456789", true},
        {"0.000000001", true},
        {"0001234.5000000000", true},
        {"12.5.1", false},
        {"1-2", false},
        {"12a", false},
        {"", false},
        {"-", false},
        {"  ", false},
        {"1,2.3", false},
        {"--1", false},
        {"12 ", false},
        // More significant digits than the nine the field holds.
        {"1234567890", false},
        {"0.0000000001", false},
        {"123456789.5", false},
        {"1.23456789012", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.valid) {
            EXPECT_EQ(Price9::CheckText(c.text), nullptr);
        } else {
            EXPECT_STREQ(Price9::CheckText(c.text), "Invalid value!");
        }
    }
    EXPECT_STREQ(Price9::CheckText(nullptr), "Invalid value!");
}

TEST(MStringFloat, OrderAcrossExponents) {
    const std::vector<const char*> ascending = {"",      "-200", "-2", "-1.5",       "-0.25", "-0",       "0",
                                                "0.001", "1.5",  "2",  "2.00000001", "10",    "123456789"};
    for (std::size_t i = 0; i < ascending.size(); ++i) {
        for (std::size_t j = 0; j < ascending.size(); ++j) {
            SCOPED_TRACE(std::string(ascending[i]) + " vs " + ascending[j]);
            const Price9 a = PriceOf(ascending[i]);
            const Price9 b = PriceOf(ascending[j]);
            EXPECT_EQ(a.IsLess(b), i < j);
            EXPECT_EQ(a.IsEqual(b), i == j);
            EXPECT_EQ(a.IsGreaterOrEqual(b), i >= j);
        }
    }
    const struct {
        const char* a;
        const char* b;
    } equal[] = {
        {"1.5", "1.50"}, {"-1.5", "-1.500000"}, {"0", "0.000"}, {"100", "100.0000"}, {"-0", "-0.00"}};
    for (const auto& c : equal) {
        SCOPED_TRACE(std::string(c.a) + " = " + c.b);
        EXPECT_TRUE(Price9(c.a).IsEqual(Price9(c.b)));
        EXPECT_TRUE(Price9(c.b).IsEqual(Price9(c.a)));
        EXPECT_TRUE(Price9(c.a).IsLessOrEqual(Price9(c.b)));
        EXPECT_FALSE(Price9(c.a).IsGreater(Price9(c.b)));
    }
    EXPECT_TRUE(PriceOf("-0").IsLess(PriceOf("0")));
    EXPECT_TRUE(PriceOf("12.34").IsGreater(PriceOf("12.3")));
    EXPECT_TRUE(PriceOf("0.5").IsLess(PriceOf("0.50001")));
}

TEST(MStringFloat, BinderTextIsNotTerminated) {
    Price9 price = PriceOf("-0,75");
    MTObjectFunction<Price9> binder(&price);
    int length = 0;
    bool terminated = true;
    const char* text = binder.GetText(&length, &terminated);
    EXPECT_EQ(std::string(text, length), "-0.75");
    EXPECT_FALSE(terminated);
    binder.SetText("3.25", 4, false);
    EXPECT_EQ(Stored(price), "2000000325");
}

TEST(MStringFloat, MonitorFormIsTheTenCharacters) {
    char buffer[20];
    MMsgFormat writer(buffer, sizeof buffer, true);
    PriceOf("12.5").WriteFixed(writer);
    Price9().WriteFixed(writer);
    EXPECT_EQ(std::string(buffer, 20), "1000000125          ");

    char bytes[] = "C000000075B0000";
    MMsgFormat reader(bytes, 15, false);
    Price9 price;
    price.ReadFixed(reader);
    EXPECT_EQ(price.ToString(), "-0.75");
    EXPECT_EQ(Raised([&] { price.ReadFixed(reader); }),
              std::make_pair(1, std::string("Message is too short")));
    EXPECT_EQ(price.ToString(), "-0.75");
    EXPECT_EQ(reader.GetOffset(), 10);
}

struct Strike {
    Price9 StrikePrice;

    static constexpr auto Fields() { return MFields(MField("StrikePrice", &Strike::StrikePrice)); }
};

TEST(MStringFloat, ColumnSortsNumericallyWithNullFirst) {
    Strike prototype;
    ColumnCollector collector;
    DescribeFields(prototype, collector);
    ASSERT_EQ(collector.columns.size(), 1u);
    MInterface& column = *collector.columns[0];
    column.MakeRelative(&prototype);

    std::vector<Strike> rows(5);
    const char* texts[] = {"10", "", "-2", "9.99", "1.5"};
    for (int i = 0; i < 5; ++i) rows[i].StrikePrice.SetText(texts[i]);
    std::vector<const Strike*> order;
    for (const auto& row : rows) order.push_back(&row);
    std::stable_sort(order.begin(), order.end(),
                     [&](const Strike* a, const Strike* b) { return column.IsLess(a, b); });
    std::vector<std::string> shown;
    for (const Strike* row : order) shown.push_back(column.GetText(row, nullptr));
    EXPECT_EQ(shown, (std::vector<std::string>{"", "-2.", "1.5", "9.99", "10."}));
    EXPECT_TRUE(column.IsGreaterOrEqualText(&rows[4], "1.50"));
    EXPECT_TRUE(column.IsInRange(&rows[3], "9", "10", true, false));
    EXPECT_STREQ(column.CheckText("9.9.9"), "Invalid value!");
}

}  // namespace
