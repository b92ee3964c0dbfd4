#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/ProcessClock.h"
#include "fields/MInterfaceFormat.h"
#include "fields/MTitleFormat.h"
#include "store/BaseKey.h"
#include "store/CommandHistory.h"

namespace {

using Texts = std::vector<std::string>;

TEST(BaseKey, ClampsBothPartsIntoTheNonNegativeRange) {
    const struct {
        int32_t first, second, wantFirst, wantSecond;
    } cases[] = {
        {-5, 0, 0, 0}, {7, 2147483647, 7, 2147483647}, {-1, -1, 0, 0}, {-2147483647 - 1, 12, 0, 12},
        {3, 4, 3, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << "," << c.second);
        const BaseKey key(c.first, c.second);
        EXPECT_EQ(key.First.GetValue(), c.wantFirst);
        EXPECT_EQ(key.Second.GetValue(), c.wantSecond);
    }
    const BaseKey wide = BaseKey::FromWide(99999999999LL, -99999999999LL);
    EXPECT_EQ(wide, BaseKey(2147483647, 0));
    BaseKey stored;
    stored.Second.SetValue(-3);
    EXPECT_EQ(stored.Second.GetValue(), 0);
}

TEST(BaseKey, OrdersByFirstThenSecondAndClears) {
    EXPECT_TRUE(BaseKey(1, 2) < BaseKey(1, 10));
    EXPECT_FALSE(BaseKey(1, 10) < BaseKey(1, 2));
    EXPECT_TRUE(BaseKey(0, 99) < BaseKey(1, 0));
    EXPECT_FALSE(BaseKey(1, 0) < BaseKey(0, 99));
    EXPECT_FALSE(BaseKey(4, 4) < BaseKey(4, 4));

    std::map<BaseKey, int> map;
    map[BaseKey(1, 10)] = 1;
    map[BaseKey(0, 99)] = 2;
    map[BaseKey(1, 2)] = 3;
    map[BaseKey(1, 2)] = 4;  // the same row
    std::vector<int> order;
    for (const auto& [key, value] : map) order.push_back(value);
    EXPECT_EQ(order, (std::vector<int>{2, 4, 1}));

    BaseKey key(5, 6);
    EXPECT_FALSE(key.IsNull());
    BaseKey copy;
    copy.Assign(key);
    EXPECT_EQ(copy, BaseKey(5, 6));
    key.Clear();
    EXPECT_TRUE(key.IsNull());
    EXPECT_TRUE(BaseKey().IsNull());
    EXPECT_FALSE(BaseKey(0, 1).IsNull());
}

// Freezes the framework clock at a known instant; the next test reads the real clock again.
class CommandHistoryTest : public ::testing::Test {
protected:
    static constexpr int64_t kFrozen = 1000000000LL * 1000000000LL;  // 2001-09-09
    void SetUp() override { UpdateClockCache(kFrozen); }
    void TearDown() override { ResetCurrentTimeCache(); }
};

TEST_F(CommandHistoryTest, NewEntryHoldsTheClocksTimeAndWaits) {
    const CommandHistory entry;
    EXPECT_EQ(entry.ExecutionTime.GetCount(), kFrozen);
    EXPECT_TRUE(entry.ExecutionTime.IsValid());
    EXPECT_EQ(entry.SequenceNumber.GetValue(), 0);
    EXPECT_EQ(entry.CommandAction.ToString(), "Unknown");
    EXPECT_EQ(entry.BusinessItem.ToString(), "BusinessItem_0");
    EXPECT_EQ(entry.CommandStatus.ToString(), "Waiting");
    EXPECT_EQ(entry.Description.GetLength(), 0);
    EXPECT_EQ(entry.GetKey(), BaseKey(0, 0));
}

TEST_F(CommandHistoryTest, InitReadsTheClockAfreshAndResetsTheStatus) {
    CommandHistory entry;
    entry.CommandStatus.Set(EnumActionStatusType::Done);
    entry.Init(42, EnumActionType::Update, EnumBusinessItemType::Account);
    EXPECT_GT(entry.ExecutionTime.GetCount(), kFrozen);  // the real clock, not the frozen instant
    EXPECT_EQ(entry.SequenceNumber.GetValue(), 42);
    EXPECT_EQ(entry.CommandAction.ToString(), "Update");
    EXPECT_EQ(entry.BusinessItem.ToString(), "Account");
    EXPECT_EQ(entry.CommandStatus.ToString(), "Waiting");
    EXPECT_EQ(entry.GetKey(), BaseKey(0, 42));
}

TEST_F(CommandHistoryTest, CopyOwnsItsTexts) {
    CommandHistory entry;
    entry.Init(7, EnumActionType::Delete, EnumBusinessItemType::Position);
    entry.Description.Assign(std::string("Delete - ACC1"));
    CommandHistory copy(entry);
    entry.Description.Assign(std::string("changed"));
    EXPECT_EQ(copy.Description.ToString(), "Delete - ACC1");
    CommandHistory assigned;
    assigned.Assign(copy);
    EXPECT_EQ(assigned.Description.ToString(), "Delete - ACC1");
    EXPECT_EQ(assigned.ExecutionTime.GetCount(), copy.ExecutionTime.GetCount());
    EXPECT_EQ(assigned.GetKey(), BaseKey(0, 7));
}

TEST_F(CommandHistoryTest, TitlesAndColumnTextsOfAnEntry) {
    MTitleFormat titles;
    CommandHistory::DescribeClass(titles);
    EXPECT_EQ(titles.GetTitles(), (Texts{"SequenceNumber", "ExecutionTime", "CommandAction", "BusinessItem",
                                         "CommandStatus", "ErrorCode", "ErrorMessage", "Description"}));
    EXPECT_EQ(CommandHistory::GetFieldTag(0), nullptr);
    EXPECT_STREQ(CommandHistory::GetDisplayName(), "CommandHistory");

    CommandHistory entry;
    entry.SequenceNumber.SetValue(12);
    entry.BusinessItem.Set(static_cast<EnumBusinessItemType>(207));
    entry.CommandAction.Set(static_cast<EnumActionType>(3));
    entry.CommandStatus.Set(static_cast<EnumActionStatusType>(4));
    entry.ErrorMessage.Assign(std::string("Account unknown"));
    MInterfaceFormat columns;
    entry.FormatObject(columns);
    columns.MakeRelative(&entry);
    ASSERT_EQ(columns.GetCount(), 8);
    const struct {
        int column;
        const char* text;
    } cells[] = {{0, "12"}, {2, "Delete"}, {3, "Position"}, {4, "Failed"}, {5, ""}, {6, "Account unknown"}};
    for (const auto& cell : cells) {
        SCOPED_TRACE(cell.column);
        int length = 0;
        const char* text = columns.GetText(&entry, cell.column, &length);
        EXPECT_EQ(std::string(text, static_cast<std::size_t>(length)), cell.text);
    }
    // The action column offers exactly its ten names, in order, as filter values.
    EXPECT_EQ(columns.GetKind(2), MInterface::kEnumeration);
    EXPECT_EQ(columns.GetValues(2), (Texts{"Unknown", "Add", "Update", "Delete", "Cancel", "Transfer",
                                           "Reject", "Execute", "Confirm", "Query"}));
    EXPECT_EQ(columns.GetValues(4),
              (Texts{"Waiting", "Sent", "Sent Rejected", "Done", "Failed", "Unsupported"}));
}

TEST(EnumBusinessItemType, KeepsTheClientsRowsAtTheirPlaces) {
    const std::vector<std::string> names = [] {
        MInterfaceFormat columns;
        CommandHistory entry;
        entry.FormatObject(columns);
        return columns.GetValues(3);
    }();
    ASSERT_EQ(names.size(), 342u);
    const struct {
        uint32_t value;
        const char* name;
    } rows[] = {
        {206, "Account"},           {207, "Position"},           {210, "MasterAccount"},
        {276, "HistoricalAccount"}, {277, "HistoricalPosition"}, {278, "HistoricalPositionSubmission"},
        {279, "HistoricalCommand"}, {0, "BusinessItem_0"},       {208, "BusinessItem_208"},
        {341, "BusinessItem_341"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(names[row.value], row.name);
        BusinessItemType item(static_cast<EnumBusinessItemType>(row.value));
        EXPECT_EQ(item.ToString(), row.name);
        BusinessItemType parsed(std::string(row.name));
        EXPECT_EQ(static_cast<uint32_t>(parsed.ToEnum()), row.value);
    }
    EXPECT_EQ(static_cast<uint32_t>(EnumBusinessItemType::HistoricalCommand), 279u);
    EXPECT_STREQ(BusinessItemType::GetTypeName(), "MEnum<unsigned long,EnumBusinessItemType,342>");
    static_assert(sizeof(BusinessItemType) == 4);
}

}  // namespace
