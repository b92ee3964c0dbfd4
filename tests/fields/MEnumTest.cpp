#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fields/CommandEnumerations.h"
#include "fields/MDescFormat.h"
#include "fields/MEnum.h"
#include "support/EnumTestSupport.h"

namespace {
// A catalogue kept in four bytes, as the business items are.
enum class TestItemType : uint32_t { Order, Trade, Account, MasterAccount, HistoricalCommand };
}  // namespace

template <>
struct MEnumTable<TestItemType> {
    static constexpr char kTypeName[] = "TestItemType";
    static constexpr const char* kNames[] = {"Order", "Trade", "Account", "MasterAccount",
                                             "HistoricalCommand"};
};

namespace {

using TestItem = MEnum<uint32_t, TestItemType, 5>;

TEST(MEnum, SetTextTakesANameElseZero) {
    const struct {
        const char* text;
        int length;
        int value;
    } cases[] = {{"Delete", 6, 3}, {"Query", 5, 9},   {"delete", 6, 0}, {"Delete ", 7, 0}, {"3", 1, 0},
                 {"", 0, 0},       {"Delete", -1, 0}, {nullptr, 6, 0},  {"Deleted", 6, 3}, {"Unknown", 7, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        ActionType action(EnumActionType::Delete);
        action.SetText(c.text, c.length);
        EXPECT_EQ(static_cast<int>(action.ToEnum()), c.value);
    }
    ActionType action;
    action.SetText("Update");
    EXPECT_EQ(action.ToEnum(), EnumActionType::Update);
    action.SetText(nullptr);
    EXPECT_EQ(action.ToEnum(), EnumActionType::Unknown);
    action.SetString(std::string("Transfer"));
    EXPECT_EQ(action.ToEnum(), EnumActionType::Transfer);
    EXPECT_EQ(ActionType(std::string("Confirm")).ToEnum(), EnumActionType::Confirm);

    ActionStatusType status;
    EXPECT_EQ(status.ToEnum(), EnumActionStatusType::Waiting);
    status.SetText("Sent Rejected");
    EXPECT_EQ(status.ToEnum(), EnumActionStatusType::SentRejected);
}

TEST(MEnum, CheckTextTakesExactNames) {
    EXPECT_EQ(ActionStatusType::CheckText("Sent Rejected"), nullptr);
    EXPECT_EQ(ActionStatusType::CheckText("Sent"), nullptr);
    EXPECT_STREQ(ActionStatusType::CheckText("Rejected"), "Invalid enum [Rejected]");
    EXPECT_STREQ(ActionStatusType::CheckText(nullptr), "Invalid enum []");
    const std::string longText(5000, 'y');
    const std::string message = ActionType::CheckText(longText.c_str());
    EXPECT_EQ(message.size(), 4096u);
    EXPECT_EQ(message, "Invalid enum [" + longText.substr(0, 4082));
}

TEST(MEnum, NamesOfEveryValueAndNoneOutOfRange) {
    const std::vector<std::string> actions = {"Unknown",  "Add",    "Update",  "Delete",  "Cancel",
                                              "Transfer", "Reject", "Execute", "Confirm", "Query"};
    for (std::size_t i = 0; i < actions.size(); ++i) {
        ActionType action(static_cast<EnumActionType>(i));
        EXPECT_EQ(action.ToString(), actions[i]);
    }
    const std::vector<std::string> statuses = {"Waiting", "Sent",   "Sent Rejected",
                                               "Done",    "Failed", "Unsupported"};
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        ActionStatusType status(static_cast<EnumActionStatusType>(i));
        int length = 0;
        bool terminated = false;
        EXPECT_EQ(std::string(status.GetText(&length, &terminated)), statuses[i]);
        EXPECT_EQ(length, static_cast<int>(statuses[i].size()));
        EXPECT_TRUE(terminated);
    }
    // '<' is 48 + 12: an action out of range, kept and written back unchanged.
    ActionType action;
    EXPECT_EQ(ReadFixedFrom(action, "<"), 1);
    EXPECT_EQ(static_cast<int>(action.ToEnum()), 12);
    EXPECT_EQ(action.ToString(), "");
    int length = -1;
    bool terminated = false;
    EXPECT_STREQ(action.GetText(&length, &terminated), "");
    EXPECT_EQ(length, 0);
    EXPECT_TRUE(terminated);
    EXPECT_EQ(FixedBytes(action), "<");
}

TEST(MEnum, FixedFormIsOneDigitByte) {
    EXPECT_EQ(FixedBytes(ActionStatusType(EnumActionStatusType::Failed)), "4");
    EXPECT_EQ(FixedBytes(ActionType(EnumActionType::Query)), "9");
    ActionType action;
    EXPECT_EQ(ReadFixedFrom(action, "2x"), 1);
    EXPECT_EQ(action.ToEnum(), EnumActionType::Update);
    ActionStatusType status;
    ReadFixedFrom(status, "2");
    EXPECT_EQ(status.ToString(), "Sent Rejected");
    EXPECT_EQ(ExceptionText([&] { ReadFixedFrom(status, ""); }), "Message is too short");
    EXPECT_EQ(status.ToEnum(), EnumActionStatusType::SentRejected);

    // One byte below '0': modulo 256 in one byte, a 32-bit pattern in four.
    ReadFixedFrom(action, "/");
    EXPECT_EQ(static_cast<int>(action.ToEnum()), 255);
    TestItem item;
    ReadFixedFrom(item, "/");
    EXPECT_EQ(static_cast<uint32_t>(item.ToEnum()), 0xFFFFFFFFu);
    EXPECT_EQ(item.ToString(), "");
    EXPECT_EQ(FixedBytes(item), "/");
    ReadFixedFrom(item, "\xFF");
    EXPECT_EQ(static_cast<uint32_t>(item.ToEnum()), 207u);
}

TEST(MEnum, DescriptionShowsTheNameAndRawAlsoTheValue) {
    EXPECT_EQ(DescriptionOf(ActionType(EnumActionType::Delete), true), "3]-->[Delete");
    EXPECT_EQ(DescriptionOf(ActionType(EnumActionType::Delete), false), "Delete");
    EXPECT_EQ(DescriptionOf(TestItem(TestItemType::MasterAccount), true), "3]-->[MasterAccount");
    TestItem item(TestItemType::Trade);
    SetFromDescription(item, "3]-->[MasterAccount");
    EXPECT_EQ(item.ToEnum(), TestItemType::Order);
    SetFromDescription(item, "MasterAccount");
    EXPECT_EQ(item.ToEnum(), TestItemType::MasterAccount);
}

TEST(MEnum, ValueOrderIsTheIntegers) {
    ActionType add(EnumActionType::Add);
    ActionType query(EnumActionType::Query);
    EXPECT_TRUE(add.IsLess(query));
    EXPECT_TRUE(add.IsLessOrEqual(add));
    EXPECT_TRUE(query.IsGreater(add));
    EXPECT_TRUE(query.IsGreaterOrEqual(add));
    EXPECT_FALSE(add.IsEqual(query));
    query.Assign(add);
    EXPECT_TRUE(query.IsEqual(add));
    query.Clear();
    EXPECT_EQ(query.ToEnum(), EnumActionType::Unknown);
    static_assert(sizeof(ActionType) == 1 && sizeof(TestItem) == 4);
}

struct CommandRow {
    ActionType CommandAction;
    ActionStatusType CommandStatus;
    TestItem BusinessItem;

    static constexpr auto Fields() {
        using S = CommandRow;
        return MFields(MField("CommandAction", &S::CommandAction), MField("CommandStatus", &S::CommandStatus),
                       MField("BusinessItem", &S::BusinessItem));
    }
};

TEST(MEnum, ColumnsListTheNamesAndSortByThem) {
    CommandRow prototype;
    ColumnCollector collector;
    DescribeFields(prototype, collector);
    ASSERT_EQ(collector.columns.size(), 3u);
    EXPECT_STREQ(collector.columns[0]->GetTypeName(), "MEnum<unsigned char,EnumActionType,10>");
    EXPECT_STREQ(collector.columns[1]->GetTypeName(), "MEnum<unsigned char,EnumActionStatusType,6>");
    EXPECT_STREQ(collector.columns[2]->GetTypeName(), "MEnum<unsigned long,TestItemType,5>");
    EXPECT_EQ(collector.columns[1]->GetKind(), MInterface::kEnumeration);
    EXPECT_EQ(collector.columns[1]->GetWidth(), 25);
    EXPECT_EQ(collector.columns[1]->GetValues(), (std::vector<std::string>{"Waiting", "Sent", "Sent Rejected",
                                                                           "Done", "Failed", "Unsupported"}));

    std::vector<CommandRow> rows(5);
    rows[0].CommandAction.Set(EnumActionType::Update);
    rows[1].CommandAction.Set(EnumActionType::Query);
    rows[2].CommandAction.Set(EnumActionType::Add);
    rows[3].CommandAction.Set(EnumActionType::Delete);
    ReadFixedFrom(rows[4].CommandAction, "<");
    EXPECT_EQ(SortedColumnTexts(rows), (std::vector<std::string>{"", "Add", "Delete", "Query", "Update"}));
}

struct ItemRow {
    TestItem BusinessItem;
    static constexpr auto Fields() { return MFields(MField("BusinessItem", &ItemRow::BusinessItem)); }
};

TEST(MEnum, FourByteColumnSortsByName) {
    std::vector<ItemRow> rows(3);
    rows[0].BusinessItem.Set(TestItemType::Account);
    rows[1].BusinessItem.Set(TestItemType::MasterAccount);
    rows[2].BusinessItem.Set(TestItemType::HistoricalCommand);
    EXPECT_EQ(SortedColumnTexts(rows),
              (std::vector<std::string>{"Account", "HistoricalCommand", "MasterAccount"}));
}

}  // namespace
