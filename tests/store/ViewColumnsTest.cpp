#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "brae/BraeKTSAccountFlags.h"
#include "fields/CommandEnumerations.h"
#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "fields/MRPString.h"
#include "store/TInterfaceView.h"

namespace {

// A record with an enumeration and a flag set beside plain fields; key (0, Id).
struct Order {
    MLong Id;
    MRPString<16, 32, MValAccept> Name;
    ActionStatusType Status;
    BraeKTSAccountFlagsSet Flags;
    MLong Amount;

    Order() = default;
    Order(int id, const char* name, int amount = 0) {
        Id.SetValue(id);
        Name.SetText(name);
        Amount.SetValue(amount);
    }

    BaseKey GetKey() const { return BaseKey(0, Id.GetValue()); }
    static const char* GetDisplayName() { return "Orders"; }
    static constexpr auto Fields() {
        return MFields(MField("Id", &Order::Id), MField("Name", &Order::Name),
                       MField("Status", &Order::Status), MField("Flags", &Order::Flags),
                       MField("Amount", &Order::Amount));
    }
    static void DescribeClass(MStaticFormat& format) { DescribeFieldTypes<Order>(format); }
    void FormatObject(MObjectFormat& format) { DescribeFields(*this, format); }
};

enum OrderColumn { kId = 0, kName = 1, kStatus = 2, kFlags = 3, kAmount = 4 };

using Texts = std::vector<std::string>;
using Columns = std::vector<int32_t>;
using Criteria = std::vector<SortSelectionData>;

ColumnFilter InList(const char* column, Texts values) {
    ColumnFilter filter;
    filter.ColumnName = column;
    filter.Condition = 2;
    filter.Values = StringVector(values);
    return filter;
}

class ViewColumns : public ::testing::Test {
protected:
    void Update(std::initializer_list<Order> orders) {
        for (const Order& order : orders) view.UpdateRow(&order);
    }
    std::string Cell(int screenColumn, unsigned row) {
        unsigned length = 99;
        const char* text = view.GetCellText(screenColumn, row, &length);
        const std::string cell(text, length);
        EXPECT_EQ(cell, text) << "column " << screenColumn << " row " << row;
        return cell;
    }
    // The column-value cache as (column name, values) pairs, oldest first.
    std::vector<std::pair<std::string, Texts>> Cache() const {
        std::vector<std::pair<std::string, Texts>> cache;
        for (const ColumnFilter& entry : view.WorkFilter) cache.emplace_back(entry.ColumnName, entry.Values);
        return cache;
    }
    std::vector<std::pair<int, bool>> SortColumns() const {
        std::vector<std::pair<int, bool>> columns;
        for (const MInterfaceSortingData& column : view.SortColumns)
            columns.emplace_back(column.column, column.ascending);
        return columns;
    }

    TInterfaceView<Order> view;
};

TEST_F(ViewColumns, CellTextsShowTitlesRowNumbersAndDisplayedCellsInScreenOrder) {
    Update({Order(1, "a", 10), Order(2, "b", 20), Order(3, "c", 30)});
    EXPECT_EQ(Cell(0, 0), "");
    EXPECT_EQ(Cell(0, 1), "1");
    EXPECT_EQ(Cell(0, 2), "2");
    EXPECT_EQ(Cell(0, 3), "3");
    EXPECT_EQ(Cell(0, 4294967295u), "4294967295");  // row numbers need no row behind them
    EXPECT_EQ(Cell(2, 0), "Name");
    EXPECT_EQ(Cell(2, 2), "b");
    EXPECT_EQ(Cell(5, 3), "30");
    EXPECT_EQ(Cell(5, 4), "");  // beyond the displayed rows
    view.MoveColumn(5, 1);
    EXPECT_EQ(Cell(1, 0), "Amount");
    EXPECT_EQ(Cell(1, 1), "10");
    EXPECT_EQ(Cell(2, 0), "Id");
    EXPECT_EQ(Cell(2, 3), "3");
    // Automation may pass any column: one outside the column order shows nothing.
    for (int column : {-1, 6, 1000}) {
        EXPECT_EQ(Cell(column, 0), "");
        EXPECT_EQ(Cell(column, 1), "");
    }
    EXPECT_STREQ(view.GetCellText(0, 7, nullptr), "7");
}

// Finding down or up a column answers the first row whose cell text is accepted, as testing each
// row's GetCellText would: the title row, the displayed rows, rows beyond them, the row-number
// column and columns outside the order.
TEST_F(ViewColumns, FindingACellTextAgreesWithTestingEveryCell) {
    Update({Order(1, "ab", 10), Order(2, "b", 20), Order(3, "abc", 30), Order(4, "", 40), Order(5, "b", 50)});
    view.GetFilter().push_back(InList("Id", {"1", "3", "4", "5"}));
    ASSERT_TRUE(view.ApplyFilter());
    ASSERT_EQ(view.GetDisplayedRowCount(), 5);
    const auto expected = [&](int column, unsigned first, unsigned last, const std::string& wanted) {
        for (unsigned row = first;; first <= last ? ++row : --row) {
            if (Cell(column, row).find(wanted) != std::string::npos) return static_cast<int>(row);
            if (row == last) return -1;
        }
    };
    const std::vector<std::pair<unsigned, unsigned>> ranges = {{0, 6}, {6, 0}, {1, 4}, {4, 1}, {2, 2},
                                                               {3, 6}, {6, 3}, {5, 7}, {0, 0}};
    for (int column : {-1, 0, 1, 2, 5, 9}) {
        for (const std::string wanted : {"b", "c", "x", "", "3", "Name", "Amount", "0"}) {
            const auto match = [&](std::string_view text) {
                return text.find(wanted) != std::string_view::npos;
            };
            for (const auto& [first, last] : ranges) {
                EXPECT_EQ(view.FindCellText(column, first, last, match),
                          expected(column, first, last, wanted))
                    << "column " << column << " rows " << first << " to " << last << " '" << wanted << "'";
            }
        }
    }
}

TEST_F(ViewColumns, MovingAColumnShiftsTheColumnsBetweenTowardsItsOldPlace) {
    struct Case {
        int from, to;
        Columns expected;
    };
    for (const Case& move : {
             Case{5, 2, {0, 1, 5, 2, 3, 4}},
             Case{2, 5, {0, 1, 3, 4, 5, 2}},
             Case{1, 0, {1, 0, 2, 3, 4, 5}},
             Case{3, 3, {0, 1, 2, 3, 4, 5}},
             Case{6, 1, {0, 1, 2, 3, 4, 5}},  // outside the order: nothing moves
             Case{1, -1, {0, 1, 2, 3, 4, 5}},
         }) {
        view.ColumnOrder = {0, 1, 2, 3, 4, 5};
        view.MoveColumn(move.from, move.to);
        EXPECT_EQ(view.ColumnOrder, move.expected) << move.from << " -> " << move.to;
    }
}

TEST_F(ViewColumns, ColumnsAreFoundAndNamedThroughTheColumnOrder) {
    view.MoveColumn(5, 2);  // 0 Id Amount Name Status Flags
    EXPECT_EQ(view.FindColumn("Amount"), 2);
    EXPECT_EQ(view.FindColumn("Name"), 3);
    EXPECT_EQ(view.FindColumn("name"), -1);  // case counts
    EXPECT_EQ(view.FindColumn(""), -1);
    EXPECT_EQ(view.GetColumnName(2), "Amount");
    EXPECT_EQ(view.GetColumnName(5), "Flags");
    for (int column : {0, -1, 6}) EXPECT_EQ(view.GetColumnName(column), "") << column;
    // A field that has no screen column.
    view.ColumnOrder[2] = 0;
    EXPECT_EQ(view.FindColumn("Amount"), -1);
}

TEST_F(ViewColumns, HiddenAndVisibleColumnsComeFromTheVisibilityMap) {
    EXPECT_EQ(view.CountHiddenColumns(), 0);
    EXPECT_EQ(view.CountVisibleColumns(), 5);
    view.GetTitleVisibility()["Name"] = false;
    view.GetTitleVisibility()["Flags"] = false;
    EXPECT_EQ(view.CountHiddenColumns(), 2);
    EXPECT_EQ(view.CountVisibleColumns(), 3);
}

TEST_F(ViewColumns, SortCriteriaKeepOnlyTheViewsFieldsInTheCallersList) {
    view.AddSortCriterion(kId, true);
    Criteria criteria{{"Gone", true}, {"Amount", false}, {"Old", true}, {"Name", true}, {"Gone", false}};
    view.SetSortCriteria(criteria);
    EXPECT_EQ(SortColumns(), (std::vector<std::pair<int, bool>>{{kAmount, false}, {kName, true}}));
    ASSERT_EQ(criteria.size(), 2u);
    EXPECT_EQ(criteria[0].Column, "Amount");
    EXPECT_FALSE(criteria[0].Ascending);
    EXPECT_EQ(criteria[1].Column, "Name");

    // Only unknown names: the list comes back empty and the view unsorted.
    Criteria unknown{{"Gone", true}, {"amount", false}};
    view.SetSortCriteria(unknown);
    EXPECT_TRUE(unknown.empty());
    EXPECT_TRUE(view.SortColumns.empty());

    view.AddSortCriterion(kStatus, false);
    view.AddSortCriterion(kId, true);
    EXPECT_EQ(SortColumns(), (std::vector<std::pair<int, bool>>{{kStatus, false}, {kId, true}}));
    view.ClearSortCriteria();
    EXPECT_TRUE(view.SortColumns.empty());
}

TEST_F(ViewColumns, SortCriteriaSetThroughTheListSortTheRows) {
    Update({Order(1, "b", 10), Order(2, "a", 20), Order(3, "b", 30)});
    Criteria criteria{{"Name", true}, {"Amount", false}};
    view.SetSortCriteria(criteria);
    view.SortRows();
    EXPECT_EQ(Cell(1, 1), "2");
    EXPECT_EQ(Cell(1, 2), "3");
    EXPECT_EQ(Cell(1, 3), "1");
}

TEST_F(ViewColumns, CachedValuesOfAnEnumerationAreItsNames) {
    Update({Order(1, "a")});
    view.CacheColumnValues("Status");
    EXPECT_EQ(Cache(),
              (std::vector<std::pair<std::string, Texts>>{
                  {"Status", {"Done", "Failed", "Sent", "Sent Rejected", "Unsupported", "Waiting"}}}));
}

TEST_F(ViewColumns, CachedValuesOfASetAreItsFlagNamesWithTheAllAndNoneTextsSortedIn) {
    Update({Order(1, "a")});
    view.CacheColumnValues("Flags");
    EXPECT_EQ(Cache(), (std::vector<std::pair<std::string, Texts>>{
                           {"Flags", {"ActiveForReporting", "All", "None", "OnceReportable"}}}));
}

TEST_F(ViewColumns, CachedValuesOfOtherColumnsAreEveryRowAndTheEqualsConditionsValues) {
    Update({Order(1, "b"), Order(2, "\xE9t\xE9"), Order(3, "a"), Order(4, "b"), Order(5, "B"), Order(6, "")});
    // Rows that the filters hide are collected too.
    view.GetFilter().push_back(InList("Name", {"zz", "b"}));
    view.GetFilter().push_back(InList("Amount", {"not a name"}));
    ColumnFilter other = InList("Name", {"ignored"});
    other.Condition = 6;
    other.Value = "x";
    view.GetFilter().push_back(other);
    view.ApplyFilter();
    ASSERT_LT(view.GetDisplayedRowCount(), view.GetAllRowCount());

    view.CacheColumnValues("Name");
    EXPECT_EQ(Cache(),
              (std::vector<std::pair<std::string, Texts>>{{"Name", {"", "B", "a", "b", "zz", "\xE9t\xE9"}}}));
}

TEST_F(ViewColumns, TheCacheGrowsByOneEntryPerCallUntilCleared) {
    Update({Order(1, "a", 7), Order(2, "b", 7)});
    view.CacheColumnValues("Amount");
    view.CacheColumnValues("NoSuchField");  // nothing
    Update({Order(3, "c", 8)});
    view.CacheColumnValues("Amount");
    EXPECT_EQ(Cache(),
              (std::vector<std::pair<std::string, Texts>>{{"Amount", {"7"}}, {"Amount", {"7", "8"}}}));
    view.ClearColumnValueCache();
    EXPECT_TRUE(view.WorkFilter.empty());
    view.CacheColumnValues("Name");
    EXPECT_EQ(Cache(), (std::vector<std::pair<std::string, Texts>>{{"Name", {"a", "b", "c"}}}));
}

// Past the first 65,536 rows a column found mostly distinct there is collected whole and sorted,
// one with few texts is collected through its distinct texts: both give every distinct text in
// byte order, the equals condition's values included. The prefixes make texts that tie on their
// first eight bytes, end within them, or hold bytes above 127.
TEST_F(ViewColumns, CachedValuesOfManyRowsAreTheSameWhetherFewOrMostAreDistinct) {
    const std::pair<int, std::string> cases[] = {
        {7, ""}, {100000, ""}, {100000, "ACCOUNT-"}, {100000, "ACC\xC3\xA9"}, {50000, "X"}};
    for (const auto& [kinds, prefix] : cases) {
        SCOPED_TRACE(prefix + std::to_string(kinds));
        TInterfaceView<Order> many;
        std::set<std::string> expected{"zz"};
        for (int id = 1; id <= 100000; ++id) {
            const int value = (id * 7919) % kinds;
            const std::string name = (value % 3 ? prefix : std::string()) + std::to_string(value);
            const Order order(id, name.c_str());
            many.UpdateRow(&order);
            expected.insert(name);
        }
        many.GetFilter().push_back(InList("Name", {"zz"}));
        many.CacheColumnValues("Name");
        ASSERT_EQ(many.WorkFilter.size(), 1u);
        EXPECT_EQ(many.WorkFilter[0].Values, Texts(expected.begin(), expected.end()));
    }
}

TEST_F(ViewColumns, AnEmptyViewCachesOnlyTheEqualsConditionsValues) {
    view.GetFilter().push_back(InList("Id", {"9", "10", "9"}));
    view.CacheColumnValues("Id");
    EXPECT_EQ(Cache(), (std::vector<std::pair<std::string, Texts>>{{"Id", {"10", "9"}}}));
}

}  // namespace
