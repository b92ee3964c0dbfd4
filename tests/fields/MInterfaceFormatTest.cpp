#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestValueTypes.h"
#include "fields/MInterfaceFormat.h"
#include "support/FieldTestRecords.h"

namespace {

struct Row {
    MatchNumber Name;
    TestNumber Amount;
    TestMetal Metal;
    MChar Flag;

    static constexpr auto Fields() {
        return MFields(MField("Name", &Row::Name), MField("Amount", &Row::Amount),
                       MField("Metal", &Row::Metal), MField("Flag", &Row::Flag));
    }
};

enum Column { kName, kAmount, kMetal, kFlag };

Row MakeRow(const char* name, int amount, const char* metal) {
    Row row;
    row.Name.SetText(name);
    row.Amount = TestNumber(amount);
    row.Metal.SetText(metal);
    row.Flag.SetText("Y", 1);
    return row;
}

// The columns of Row, collected over a prototype on the stack of another frame and made relative.
class InterfaceFormatTest : public ::testing::Test {
protected:
    InterfaceFormatTest() {
        Row prototype;
        DescribeFields(prototype, format);
        format.MakeRelative(&prototype);
    }

    MInterfaceFormat format;
};

TEST_F(InterfaceFormatTest, CollectsOneColumnPerFieldWithItsProperties) {
    ASSERT_EQ(format.GetCount(), 4);
    EXPECT_EQ(format.GetKind(kName), MInterface::kString);
    EXPECT_EQ(format.GetWidth(kName), 8);
    EXPECT_STREQ(format.GetTypeName(kName), "MRPString<8,32,MValAccept>");
    EXPECT_EQ(format.GetKind(kAmount), MInterface::kNumber);
    EXPECT_EQ(format.GetWidth(kAmount), 10);
    EXPECT_EQ(format.GetKind(kMetal), MInterface::kEnumeration);
    EXPECT_EQ(format.GetValues(kMetal), (std::vector<std::string>{"Zinc", "Amber", "Mint"}));
    EXPECT_TRUE(format.GetValues(kName).empty());
    EXPECT_STREQ(format.GetEditMask(kName), "");
    EXPECT_STREQ(format.GetAllText(kMetal), "");
    EXPECT_STREQ(format.GetNoneText(kMetal), "");
    EXPECT_STREQ(format.GetTypeName(kFlag), "MChar");
    EXPECT_STREQ(format.CheckText(kAmount, "x1"), "Invalid numeric value!");
    EXPECT_EQ(format.CheckText(kAmount, "12"), nullptr);

    // The columns work on any record once made relative.
    Row row = MakeRow("AB", 42, "C");
    int length = 0;
    EXPECT_STREQ(format.GetText(&row, kAmount, &length), "42");
    EXPECT_EQ(length, 2);
    EXPECT_STREQ(format.GetText(&row, kMetal, &length), "Mint");
    format.SetText(&row, kName, "XYZ");
    format.SetText(&row, kAmount, "-7");
    EXPECT_EQ(row.Name.ToString(), "XYZ");
    EXPECT_EQ(row.Amount.Get(), -7);
    EXPECT_TRUE(format.IsEqual(&row, &row, kName));
}

TEST(MInterfaceFormatBase, SkipsRepeatedPartsAndAnswersNothingByItself) {
    MInterfaceFormatBase base;
    TestHeader header;
    EXPECT_TRUE(base.NextField());
    MTObjectClassFunction<TestHeader> names(&header);
    base.BeginArray(names);
    EXPECT_FALSE(base.NextField());
    EXPECT_FALSE(base.NextArrayItem());
    base.EndArray();
    EXPECT_TRUE(base.NextField());
    DescribeFields(header, base);
    EXPECT_EQ(base.GetCount(), 2);
    EXPECT_TRUE(base.IsWriting());

    int length = 99;
    EXPECT_STREQ(base.GetText(&header, 0, &length), "");
    EXPECT_EQ(length, 99);
    const ColumnVector keys{{0, true}};
    EXPECT_FALSE(base.IsLess(&header, &header, keys));
    EXPECT_FALSE(base.IsLessText(&header, 0, "zz"));
    EXPECT_FALSE(base.ContainsText(&header, 0, "", true, true));
    EXPECT_FALSE(base.IsInRange(&header, 0, "", "zz", true, true));
}

TEST_F(InterfaceFormatTest, OrdersRowsOnSeveralKeysWithTheirDirections) {
    std::vector<Row> rows = {MakeRow("r1", 10, "A"), MakeRow("r2", 9, "B"), MakeRow("r3", 10, "B"),
                             MakeRow("r4", 9, "C"), MakeRow("r5", 10, "A")};
    const auto sortedNames = [&](const ColumnVector& keys) {
        std::vector<Row> sorted = rows;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [&](const Row& a, const Row& b) { return format.IsLess(&a, &b, keys); });
        std::string names;
        for (const Row& row : sorted) names += row.Name.ToString() + " ";
        return names;
    };
    // Numbers by value (9 before 10), the enumeration by name (Amber, Mint, Zinc), not by letter.
    EXPECT_EQ(sortedNames({{kAmount, true}, {kName, false}}), "r4 r2 r5 r3 r1 ");
    EXPECT_EQ(sortedNames({{kMetal, true}, {kName, false}}), "r3 r2 r4 r5 r1 ");
    EXPECT_EQ(sortedNames({{kMetal, false}, {kAmount, true}, {kName, true}}), "r1 r5 r4 r2 r3 ");

    // Equal on every key: neither is less; no keys at all: never less.
    const Row& a = rows[0];
    const Row& b = rows[4];
    const ColumnVector keys{{kAmount, true}, {kMetal, false}};
    EXPECT_FALSE(format.IsLess(&a, &b, keys));
    EXPECT_FALSE(format.IsLess(&b, &a, keys));
    EXPECT_FALSE(format.IsLess(&rows[1], &rows[0], {}));
}

// A filter as the views hold it: a condition code 0 to 7, its operands and the negation flag.
struct Filter {
    int condition;
    int column;
    std::string value;
    bool negate = false;
    std::vector<std::string> list = {};
    std::string low = {};
    std::string high = {};
    bool lowIncluded = true;
    bool highIncluded = true;
    bool matchEmpty = false;
    bool matchAny = true;
};

bool Passes(const MInterfaceFormat& format, const Row& row, const Filter& f) {
    bool result = false;
    switch (f.condition) {
        case 0:
            result = format.IsLessText(&row, f.column, f.value);
            break;
        case 1:
            result = format.IsLessOrEqualText(&row, f.column, f.value);
            break;
        case 2:
            result = format.IsInList(&row, f.column, f.list);
            break;
        case 3:
            result = format.IsGreaterOrEqualText(&row, f.column, f.value);
            break;
        case 4:
            result = format.IsGreaterText(&row, f.column, f.value);
            break;
        case 5:
            result = format.IsInRange(&row, f.column, f.low, f.high, f.lowIncluded, f.highIncluded);
            break;
        case 6:
            result = format.ContainsText(&row, f.column, f.value, f.matchEmpty, f.matchAny);
            break;
        case 7:
            result = format.MatchesPattern(&row, f.column, f.value);
            break;
    }
    return result != f.negate;
}

TEST_F(InterfaceFormatTest, EvaluatesTheEightFilterConditions) {
    const Row row = MakeRow("AB-7", 9, "B");  // Name "AB-7", Amount 9, Metal "Amber"
    const Row empty = MakeRow("", 0, "A");
    struct Case {
        const char* label;
        Filter filter;
        bool onRow;
    };
    const Case cases[] = {
        // 0 and 1: numbers compare as values (9 < 10), texts as texts ("AB-7" > "AB-10").
        {"9 < 10", {0, kAmount, "10"}, true},
        {"not 9 < 10", {0, kAmount, "10", true}, false},
        {"9 < 9", {0, kAmount, "9"}, false},
        {"AB-7 < AB-10", {0, kName, "AB-10"}, false},
        {"9 <= 9", {1, kAmount, "9"}, true},
        {"not 9 <= 9", {1, kAmount, "9", true}, false},
        {"AB-7 <= AB-7", {1, kName, "AB-7"}, true},
        {"Amber <= Mint (by name)", {1, kMetal, "Mint"}, true},
        // 2: the field's text in a sorted list, exactly.
        {"9 in [10 9]", {2, kAmount, "", false, {"10", "9"}}, true},
        {"9 in [10 90]", {2, kAmount, "", false, {"10", "90"}}, false},
        {"not 9 in [10 90]", {2, kAmount, "", true, {"10", "90"}}, true},
        {"AB-7 in [AB AB-7x]", {2, kName, "", false, {"AB", "AB-7x"}}, false},
        {"Amber in [Amber Zinc]", {2, kMetal, "", false, {"Amber", "Zinc"}}, true},
        // 3 and 4.
        {"9 >= 10", {3, kAmount, "10"}, false},
        {"not 9 >= 10", {3, kAmount, "10", true}, true},
        {"9 >= 9", {3, kAmount, "9"}, true},
        {"9 > 8", {4, kAmount, "8"}, true},
        {"9 > 9", {4, kAmount, "9"}, false},
        {"AB-7 > AB-10", {4, kName, "AB-10"}, true},
        {"Amber > Zinc (by name)", {4, kMetal, "Zinc"}, false},
        // 5: each bound included or excluded.
        {"9 in [9, 10]", {5, kAmount, "", false, {}, "9", "10", true, true}, true},
        {"9 in (9, 10]", {5, kAmount, "", false, {}, "9", "10", false, true}, false},
        {"not 9 in (9, 10]", {5, kAmount, "", true, {}, "9", "10", false, true}, true},
        {"9 in [8, 9]", {5, kAmount, "", false, {}, "8", "9", true, true}, true},
        {"9 in [8, 9)", {5, kAmount, "", false, {}, "8", "9", true, false}, false},
        {"9 in (9, 9)", {5, kAmount, "", false, {}, "9", "9", false, false}, false},
        {"9 in [-5, 100)", {5, kAmount, "", false, {}, "-5", "100", true, false}, true},
        {"AB-7 in [AB, AC)", {5, kName, "", false, {}, "AB", "AC", true, false}, true},
        // 6: alternatives separated by ';', any or all of them.
        {"contains B-", {6, kName, "B-"}, true},
        {"contains XX;YY any", {6, kName, "XX;YY"}, false},
        {"not contains XX;YY any", {6, kName, "XX;YY", true}, true},
        {"contains XX; all (trailing ; adds nothing)",
         {6, kName, "XX;", false, {}, "", "", true, true, false, false},
         false},
        {"contains ;AB any (empty alternative)", {6, kName, ";AB"}, true},
        {"contains ;AB all (empty alternative fails)",
         {6, kName, ";AB", false, {}, "", "", true, true, false, false},
         false},
        {"contains the empty pattern", {6, kName, ""}, false},
        {"number contains 9", {6, kAmount, "9"}, true},
        {"enumeration contains mb", {6, kMetal, "mb"}, true},
        // 7: wildcard patterns.
        {"matches \\A\\A-\\0", {7, kName, "\\A\\A-\\0"}, true},
        {"matches AB\\*", {7, kName, "AB\\*"}, true},
        {"matches AB", {7, kName, "AB"}, false},
        {"not matches AB", {7, kName, "AB", true}, true},
        {"matches \\0", {7, kAmount, "\\0"}, true},
        {"matches Am\\.er", {7, kMetal, "Am\\.er"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Passes(format, row, c.filter), c.onRow);
    }

    // The match-empty flag lets an empty field pass a contains filter, whatever the alternatives.
    Filter matchEmpty{6, kName, "AB;CD", false, {}, "", "", true, true, true, false};
    EXPECT_TRUE(Passes(format, empty, matchEmpty));
    matchEmpty.matchEmpty = false;
    EXPECT_FALSE(Passes(format, empty, matchEmpty));
    EXPECT_TRUE(Passes(format, empty, {6, kName, ";", false, {}, "", "", true, true, true, true}));
}

TEST_F(InterfaceFormatTest, ContainsAlternativesAnyOrAll) {
    const Row both = MakeRow("ABxCD", 0, "A");
    const Row one = MakeRow("xCDx", 0, "A");
    const Row neither = MakeRow("xyz", 0, "A");
    const struct {
        const Row* row;
        bool any;
        bool all;
    } cases[] = {{&both, true, true}, {&one, true, false}, {&neither, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row->Name.ToString());
        EXPECT_EQ(format.ContainsText(c.row, kName, "AB;CD", false, true), c.any);
        EXPECT_EQ(format.ContainsText(c.row, kName, "AB;CD", false, false), c.all);
        EXPECT_EQ(format.ContainsText(c.row, kName, "AB;", false, true),
                  format.ContainsText(c.row, kName, "AB", false, true));
        EXPECT_EQ(format.ContainsText(c.row, kName, "AB;", false, false),
                  format.ContainsText(c.row, kName, "AB", false, false));
    }
}

}  // namespace
