#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fields/MIntX.h"
#include "fields/MTInterface.h"
#include "fields/MTTimePoint.h"
#include "support/FieldTestRecords.h"
#include "support/TimeTestSupport.h"

namespace {

enum Column { kGroup, kFlag, kAccount, kTrader, kMaster, kName };

// Descriptors collected over a prototype and made relative, then used on other records.
class MTInterfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto prototype = std::make_unique<TestEntry>();
        DescribeFields(*prototype, collector);
        for (auto& column : collector.columns) column->MakeRelative(prototype.get());
        rows.push_back(std::make_unique<TestEntry>(MakeEntry("AB", "ACC1", "T1", "Smith  ")));
        rows.push_back(std::make_unique<TestEntry>(MakeEntry("AB!", "ACC2", "T2", "")));
    }
    MInterface& At(Column c) { return *collector.columns[c]; }
    std::string Text(Column c, int row) {
        int length = -1;
        const char* text = At(c).GetText(rows[row].get(), &length);
        return std::string(text, static_cast<std::size_t>(length));
    }

    ColumnCollector collector;
    std::vector<std::unique_ptr<TestEntry>> rows;
};

TEST_F(MTInterfaceTest, ColumnPropertiesOfTheType) {
    ASSERT_EQ(collector.columns.size(), 6u);
    EXPECT_EQ(At(kAccount).GetKind(), MInterface::kString);
    EXPECT_EQ(At(kAccount).GetWidth(), 16);
    EXPECT_STREQ(At(kAccount).GetTypeName(), "MRPString<16,32,MValAccept>");
    EXPECT_STREQ(At(kName).GetTypeName(), "MRPString<24,32,MValAccept>");
    EXPECT_STREQ(At(kFlag).GetTypeName(), "MChar");
    EXPECT_EQ(At(kFlag).GetWidth(), 1);
    EXPECT_TRUE(At(kAccount).GetValues().empty());
    EXPECT_EQ(At(kAccount).GetEditMask(), "");
    EXPECT_EQ(At(kAccount).GetSeparator(), 0);
}

TEST_F(MTInterfaceTest, MadeRelativeReadsAndWritesAnyRecord) {
    EXPECT_EQ(Text(kAccount, 0), "ACC1");
    EXPECT_EQ(Text(kAccount, 1), "ACC2");
    EXPECT_EQ(Text(kName, 0), "Smith");
    At(kTrader).SetText(rows[1].get(), "TRADER-LONG");
    EXPECT_EQ(rows[1]->Trader.ToPaddedString(), "TRADER-L");
    At(kTrader).SetText(rows[1].get(), nullptr);
    EXPECT_EQ(Text(kTrader, 1), "TRADER-L");
    EXPECT_EQ(rows[0]->Trader.ToString(), "T1");
}

TEST_F(MTInterfaceTest, ColumnsOfOneTypeShareTheirTextBuffer) {
    const char* account = At(kAccount).GetText(rows[0].get(), nullptr);
    EXPECT_STREQ(account, "ACC1");
    At(kMaster).GetText(rows[0].get(), nullptr);
    EXPECT_STREQ(account, "M1");
}

TEST_F(MTInterfaceTest, CheckTextFollowsTheValueType) {
    EXPECT_EQ(At(kAccount).CheckText("any text at all, longer than sixteen"), nullptr);
    EXPECT_STREQ(At(kAccount).CheckText(nullptr), "No argument specified!");
    EXPECT_STREQ(At(kFlag).CheckText("\x01"), "Invalid char!");
    EXPECT_EQ(At(kFlag).CheckText("P"), nullptr);
}

// A string column orders by the stored bytes, pads included; a text-kind column by trimmed text.
TEST_F(MTInterfaceTest, ValueKindsCompareBytesTextKindsCompareTexts) {
    const TestEntry* ab = rows[0].get();
    const TestEntry* abBang = rows[1].get();
    EXPECT_TRUE(At(kGroup).IsLess(ab, abBang));
    EXPECT_FALSE(At(kGroup).IsLess(abBang, ab));
    EXPECT_FALSE(At(kGroup).IsEqual(ab, abBang));

    rows[1]->Group.SetText("AB\t");
    EXPECT_TRUE(At(kGroup).IsLess(abBang, ab));
    At(kGroup).SetKind(MInterface::kEnumeration);
    EXPECT_TRUE(At(kGroup).IsLess(ab, abBang));
    EXPECT_TRUE(At(kGroup).IsLessText(ab, "AB\t"));
    At(kGroup).SetKind(MInterface::kString);
    EXPECT_FALSE(At(kGroup).IsLessText(ab, "AB\t"));
}

TEST_F(MTInterfaceTest, OperandTextsAreCutToTheFieldWidth) {
    rows[0]->Group.SetText("ABCD");
    const TestEntry* row = rows[0].get();
    EXPECT_FALSE(At(kGroup).IsLessText(row, "ABCDE"));
    EXPECT_TRUE(At(kGroup).IsLessOrEqualText(row, "ABCDE"));
    EXPECT_TRUE(At(kGroup).IsGreaterOrEqualText(row, "ABCD"));
    EXPECT_TRUE(At(kGroup).IsGreaterText(row, "ABC"));
    EXPECT_FALSE(At(kGroup).IsGreaterText(row, "ABCDZ"));
}

TEST_F(MTInterfaceTest, IsInRangeHonoursEachBound) {
    const TestEntry* row = rows[0].get();  // account ACC1
    const struct {
        const char* low;
        const char* high;
        bool lowIncluded;
        bool highIncluded;
        bool expected;
    } cases[] = {
        {"ACC1", "ACC1", true, true, true},   {"ACC1", "ACC1", false, false, false},
        {"ACC1", "ACC1", true, false, false}, {"ACC0", "ACC2", false, false, true},
        {"ACC1", "ACC2", false, true, false}, {"ACC0", "ACC1", false, true, true},
        {"ACC2", "ACC9", true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.low) + ".." + c.high);
        EXPECT_EQ(At(kAccount).IsInRange(row, c.low, c.high, c.lowIncluded, c.highIncluded), c.expected);
        At(kAccount).SetKind(MInterface::kSet);
        EXPECT_EQ(At(kAccount).IsInRange(row, c.low, c.high, c.lowIncluded, c.highIncluded), c.expected);
        At(kAccount).SetKind(MInterface::kString);
    }
}

TEST_F(MTInterfaceTest, TextFilters) {
    const TestEntry* smith = rows[0].get();
    const TestEntry* empty = rows[1].get();
    EXPECT_TRUE(At(kName).ContainsText(smith, "mit", false));
    EXPECT_FALSE(At(kName).ContainsText(smith, "Smith ", false));
    EXPECT_FALSE(At(kName).ContainsText(smith, "", true));
    EXPECT_TRUE(At(kName).ContainsText(empty, "xyz", true));
    EXPECT_FALSE(At(kName).ContainsText(empty, "", false));

    EXPECT_TRUE(At(kName).MatchesPattern(smith, "S\\*h"));
    EXPECT_FALSE(At(kName).MatchesPattern(smith, "S\\*h\\."));

    const std::vector<std::string> list{"AB", "XY"};
    rows[0]->Group.SetText("XY");
    EXPECT_TRUE(At(kGroup).IsInList(smith, list));
    rows[0]->Group.SetText("X");
    EXPECT_FALSE(At(kGroup).IsInList(smith, list));
    rows[0]->Group.SetText("XYZ");
    EXPECT_FALSE(At(kGroup).IsInList(smith, list));
}

struct TimedRow {
    MDateTimeTimePoint Time;
    MInt Quantity;
    static constexpr auto Fields() {
        return MFields(MField("Time", &TimedRow::Time), MField("Quantity", &TimedRow::Quantity));
    }
};

// A filter reads a constant operand once and reuses it while the same text comes back; a new text
// is read anew, and a time relative to now is read again for every record.
TEST(MTInterfaceOperands, ChangingAndRelativeOperandsAreReadAfresh) {
    ScopedTimeZone tz(kZoneUtc);
    TimedRow prototype;
    ColumnCollector collector;
    DescribeFields(prototype, collector);
    for (auto& column : collector.columns) column->MakeRelative(&prototype);
    MInterface& time = *collector.columns[0];
    MInterface& quantity = *collector.columns[1];
    TimedRow row;
    row.Time.SetCount(LocalCount(2021, 3, 4, 12, 0, 0));
    row.Quantity.SetValue(50);

    const struct {
        const char* operand;
        bool greater;
    } cases[] = {{"2021/03/04 11:00:00", true},  {"2021/03/04 11:00:00", true},
                 {"2021/03/04 13:00:00", false}, {"2021/03/04 11:00:00", true},
                 {"2021/03/04 12:00:00", false}, {"-", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.operand);
        EXPECT_EQ(time.IsGreaterText(&row, c.operand), c.greater);
    }
    EXPECT_TRUE(time.IsInRange(&row, "2021/03/04 11:00:00", "2021/03/04 13:00:00", false, false));
    EXPECT_FALSE(time.IsInRange(&row, "2021/03/04 11:00:00", "2021/03/04 11:30:00", false, false));
    EXPECT_TRUE(time.IsInRange(&row, "2021/03/04 12:00:00", "2021/03/04 12:00:00", true, true));
    EXPECT_TRUE(quantity.IsGreaterText(&row, "49"));
    EXPECT_FALSE(quantity.IsGreaterText(&row, "50"));
    EXPECT_TRUE(quantity.IsInRange(&row, "50", "51", true, false));

    {
        ScopedNow now(LocalCount(2021, 3, 4, 11, 0, 0));
        EXPECT_TRUE(time.IsGreaterText(&row, "n"));
    }
    {
        ScopedNow now(LocalCount(2021, 3, 4, 13, 0, 0));
        EXPECT_FALSE(time.IsGreaterText(&row, "n"));
    }
}

TEST(MInterface, AddValuesAndTextProperties) {
    TestHeader header;
    MTInterface<MChar> column(&header.Flag);
    const char* const names[] = {"Client", "Firm"};
    EXPECT_EQ(column.AddValues(names, 2), 2u);
    column.SetEditMask("00:00");
    column.SetAllText("All");
    column.SetNoneText(nullptr);
    column.SetSeparator(',');
    EXPECT_EQ(column.GetValues(), (std::vector<std::string>{"Client", "Firm"}));
    EXPECT_EQ(column.GetEditMask(), "00:00");
    EXPECT_EQ(column.GetAllText(), "All");
    EXPECT_EQ(column.GetNoneText(), "");
    EXPECT_EQ(column.GetSeparator(), ',');
}

}  // namespace
