#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "TradeRecord.h"
#include "fields/MInterfaceFormat.h"
#include "store/TInterfaceView.h"

namespace {

using Ids = std::vector<int>;

ColumnFilter Condition(const char* column, int condition, std::string value = "") {
    ColumnFilter filter;
    filter.ColumnName = column;
    filter.Column = -1;  // the view looks the column up by name
    filter.Condition = condition;
    filter.Value = std::move(value);
    return filter;
}

// The ids of the displayed rows, in display order.
Ids DisplayedIds(const TInterfaceView<Trade>& view) {
    Ids ids;
    for (int i = 0; i + 1 < view.GetDisplayedRowCount(); ++i)
        ids.push_back(view.GetDisplayedKey(i).Second.GetValue());
    return ids;
}

// A format of the trade's fields, as a view's rows use.
struct TradeFormat {
    TradeFormat() {
        Trade prototype;
        prototype.FormatObject(format);
        format.MakeRelative(&prototype);
    }
    // The ids of trades (in key order) as a stable sort by the column comparison leaves them.
    Ids Order(std::vector<const Trade*> trades, const ColumnVector& columns) const {
        std::stable_sort(trades.begin(), trades.end(),
                         [&](const Trade* a, const Trade* b) { return format.IsLess(a, b, columns); });
        Ids ids;
        for (const Trade* trade : trades) ids.push_back(trade->Id.GetValue());
        return ids;
    }
    MInterfaceFormat format;
};

class KeyedView : public ::testing::Test {
protected:
    void Update(const Trade& trade) { view.UpdateRow(&trade); }
    void Update(std::initializer_list<Trade> trades) {
        for (const Trade& trade : trades) Update(trade);
    }
    Ids Displayed() const { return DisplayedIds(view); }
    Ids All() {
        Ids ids;
        for (unsigned row = 1; row < static_cast<unsigned>(view.GetAllRowCount()); ++row) {
            unsigned length = 0;
            ids.push_back(std::stoi(view.GetAllCellText(kId, row, &length)));
        }
        return ids;
    }
    std::string Text(int field, unsigned row) {
        unsigned length = 99;
        const std::string text = view.GetDisplayedCellText(field, row, &length);
        if (!text.empty()) {
            EXPECT_EQ(length, text.size());
        }
        return text;
    }

    TInterfaceView<Trade> view;
};

TEST_F(KeyedView, AnEmptyViewHasTheTitleRowOnly) {
    EXPECT_EQ(view.GetDisplayedRowCount(), 1);
    EXPECT_EQ(view.GetAllRowCount(), 1);
    unsigned length = 99;
    EXPECT_STREQ(view.GetDisplayedCellText(kId, 1, &length), "");
    EXPECT_STREQ(view.GetAllCellText(kId, 1, &length), "");
    EXPECT_EQ(length, 99u);
    EXPECT_EQ(view.GetTitleList(), (std::vector<std::string>{"Id", "Name", "Amount", "Price"}));
    EXPECT_EQ(view.GetColumnCount(), 5);
    for (int screen : {0, 1, 4}) EXPECT_EQ(view.GetColumnIndex(screen), screen);
    EXPECT_EQ(view.GetColumnIndex(5), 0);
    EXPECT_EQ(view.GetColumnIndex(-1), 0);
    EXPECT_EQ(view.DumpFileName, "Trades.dump");
    // No row has filled the formatter yet.
    EXPECT_EQ(view.GetColumnKind(kAmount), 0);
    EXPECT_EQ(view.GetRowData(0, true), nullptr);
    view.FilterNegation = true;
    EXPECT_TRUE(view.ApplyFilter());
    EXPECT_FALSE(view.FilterNegation);
}

TEST_F(KeyedView, RowsArriveInOrderAndAKeyStoredTwiceGivesOneRow) {
    Update({Trade(3, "c", 30), Trade(1, "a", 10), Trade(2, "b", 20), Trade(1, "a2", 11)});
    EXPECT_EQ(All(), (Ids{3, 1, 2}));
    EXPECT_EQ(Displayed(), (Ids{3, 1, 2}));
    EXPECT_EQ(view.GetAllRowCount(), 4);
    EXPECT_EQ(Text(kName, 2), "a2");
    EXPECT_EQ(Text(kAmount, 2), "11");
    EXPECT_EQ(view.GetColumnKind(kAmount), MInterface::kNumber);
    EXPECT_TRUE(view.ContainsRow(BaseKey(0, 2)));
    EXPECT_FALSE(view.ContainsRow(BaseKey(0, 4)));
    int index = -1;
    EXPECT_TRUE(view.FindDisplayedRow(BaseKey(0, 2), &index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(view.FindDisplayedRow(BaseKey(0, 4), &index));
    EXPECT_EQ(index, 2);
    std::set<BaseKey> keys{BaseKey(9, 9)};
    view.GetDisplayedKeys(keys);
    EXPECT_EQ(keys, (std::set<BaseKey>{BaseKey(0, 1), BaseKey(0, 2), BaseKey(0, 3)}));
}

TEST_F(KeyedView, EditingACellChangesOnlyTheCopyUntilTheNextUpdate) {
    const Trade stored(1, "a", 10);
    Update(stored);
    view.SetDisplayedCellText(kName, 0, "edited");
    EXPECT_EQ(Text(kName, 1), "edited");
    EXPECT_EQ(stored.Name.ToString(), "a");
    Update(stored);
    EXPECT_EQ(Text(kName, 1), "a");

    // States 1 to 3 keep the copy; 4 takes the new record.
    for (int state : {1, 2, 3, 4}) {
        SCOPED_TRACE(state);
        view.SetRowState(state, 0, false);
        Update(Trade(1, "new", 10));
        EXPECT_EQ(Text(kName, 1), state == 4 ? "new" : "a");
        Update(stored);
        view.SetRowState(0, 0, false);
        Update(stored);
    }
}

TEST_F(KeyedView, ARowThatKeepsItsCopyIsStillTestedAgainstTheFilters) {
    Update(Trade(1, "a", 10));
    view.Filter.push_back(Condition("Amount", 4, "5"));
    view.SetRowState(1, 0, false);
    Update(Trade(1, "a", 1));
    EXPECT_EQ(Displayed(), Ids{1});  // the old copy still passes
    view.Filter[0].Value = "50";
    Update(Trade(1, "a", 100));  // the copy is kept and now fails
    EXPECT_EQ(Displayed(), Ids{});
    EXPECT_EQ(All(), Ids{1});
}

TEST_F(KeyedView, ApplyFilterShowsThePassingRowsInKeyOrder) {
    Update({Trade(4, "d", 40), Trade(2, "b", 20), Trade(3, "c", 30), Trade(1, "a", 10)});
    view.Filter.push_back(Condition("Amount", 3, "20"));
    EXPECT_TRUE(view.ApplyFilter());
    EXPECT_EQ(Displayed(), (Ids{2, 3, 4}));
    EXPECT_EQ(All(), (Ids{4, 2, 3, 1}));

    view.FilterNegation = true;  // exactly the rows that fail a condition
    view.Filter.push_back(Condition("Name", 6, "c;d"));
    EXPECT_TRUE(view.ApplyFilter());
    EXPECT_EQ(Displayed(), (Ids{1, 2}));

    view.FilterNegation = false;
    view.Filter[1].Value = "zz";
    EXPECT_FALSE(view.ApplyFilter());
    EXPECT_EQ(view.GetDisplayedRowCount(), 1);

    // An unsorted list is sorted first; a name that is no title fails every row.
    view.Filter.clear();
    ColumnFilter list = Condition("Name", 2);
    list.Values = {"d", "a", "c"};
    view.Filter.push_back(list);
    EXPECT_TRUE(view.ApplyFilter());
    EXPECT_EQ(Displayed(), (Ids{1, 3, 4}));
    EXPECT_EQ(view.Filter[0].Values, (StringVector{"a", "c", "d"}));
    EXPECT_EQ(view.Filter[0].Column, kName);
    view.Filter[0].ColumnName = "Nonsense";
    view.Filter[0].Negation = true;
    EXPECT_FALSE(view.ApplyFilter());
    EXPECT_EQ(view.Filter[0].Column, -1);

    // No condition: every row in key order, negation cleared.
    view.Filter.clear();
    view.FilterNegation = true;
    EXPECT_TRUE(view.ApplyFilter());
    EXPECT_EQ(Displayed(), (Ids{1, 2, 3, 4}));
    EXPECT_FALSE(view.FilterNegation);
}

TEST_F(KeyedView, FiltersLoadedIntoAnEmptyViewArePreparedBeforeTheFirstRow) {
    ColumnFilter list = Condition("Name", 2);
    list.Values = {"z", "b", "a"};
    view.Filter.push_back(list);
    Update({Trade(1, "a", 1), Trade(2, "q", 2), Trade(3, "z", 3)});
    EXPECT_EQ(Displayed(), (Ids{1, 3}));
}

TEST_F(KeyedView, TheDynamicFilterCountsForSingleRowsOnlyWhileActive) {
    view.DynamicFilter.push_back(Condition("Amount", 0, "15"));
    view.DynamicFilter[0].Column = kAmount;  // used as it stands
    view.FilterNegation = true;
    Update({Trade(1, "a", 10), Trade(2, "b", 20)});
    EXPECT_EQ(Displayed(), Ids{});  // every row passes, negated
    view.FilterNegation = false;
    EXPECT_TRUE(view.ApplyFilter());
    EXPECT_EQ(Displayed(), Ids{1});
    view.SetDynamicFilterActive(true);
    Update(Trade(3, "c", 5));
    Update(Trade(4, "d", 50));
    EXPECT_EQ(Displayed(), (Ids{1, 3}));
    view.SetDynamicFilterActive(false);
    Update(Trade(4, "d", 50));
    EXPECT_EQ(Displayed(), (Ids{1, 3, 4}));
}

TEST_F(KeyedView, UpdatesKeepPlacesAppendNewPassersAndDropFailures) {
    view.Filter.push_back(Condition("Amount", 4, "0"));
    Update({Trade(5, "e", 5), Trade(1, "a", 0), Trade(3, "c", 3), Trade(2, "b", 2)});
    EXPECT_EQ(Displayed(), (Ids{5, 3, 2}));
    EXPECT_EQ(view.GetAllRowCount(), 5);
    Update(Trade(3, "c", 30));  // still passes: keeps its place
    EXPECT_EQ(Displayed(), (Ids{5, 3, 2}));
    Update(Trade(1, "a", 1));  // starts to pass: at the end
    EXPECT_EQ(Displayed(), (Ids{5, 3, 2, 1}));
    Update(Trade(5, "e", 0));  // stops passing: leaves the display, not the view
    EXPECT_EQ(Displayed(), (Ids{3, 2, 1}));
    EXPECT_EQ(All(), (Ids{5, 1, 3, 2}));
    view.RemoveRow(BaseKey(0, 5));  // not displayed
    EXPECT_EQ(All(), (Ids{1, 3, 2}));
    view.RemoveRow(BaseKey(0, 9));
    view.RemoveDisplayedRow(1);  // key 2
    EXPECT_EQ(Displayed(), (Ids{3, 1}));
    EXPECT_EQ(All(), (Ids{1, 3}));
    EXPECT_FALSE(view.ContainsRow(BaseKey(0, 2)));
}

TEST_F(KeyedView, SortRowsIsStableOnSeveralColumns) {
    Update({Trade(6, "b", 1), Trade(2, "a", 1), Trade(5, "a", 2), Trade(1, "b", 1), Trade(4, "a", 1),
            Trade(3, "c", 0)});
    view.SortColumns = {{kName, true}, {kAmount, false}};
    view.SortRows();
    EXPECT_EQ(Displayed(), (Ids{5, 2, 4, 1, 6, 3}));
    view.SortColumns = {{kName, false}};
    view.SortRows();
    EXPECT_EQ(Displayed(), (Ids{3, 1, 6, 2, 4, 5}));
    view.SortColumns.clear();
    view.SortRows();
    EXPECT_EQ(Displayed(), (Ids{1, 2, 3, 4, 5, 6}));
    // A row that starts to show after a sort stands at the end until the next one.
    view.SortColumns = {{kAmount, true}};
    view.SortRows();
    EXPECT_EQ(Displayed(), (Ids{3, 1, 2, 4, 6, 5}));
    Update(Trade(0, "z", 0));
    EXPECT_EQ(Displayed(), (Ids{3, 1, 2, 4, 6, 5, 0}));
    view.SortRows();
    EXPECT_EQ(Displayed(), (Ids{0, 3, 1, 2, 4, 6, 5}));
}

// Many small rounds of changes, each followed by a sort, must give the same order as sorting the
// displayed rows from scratch: (sort columns, key).
TEST_F(KeyedView, SortingAfterFewChangesGivesTheFullOrder) {
    std::mt19937 random(11);
    std::vector<Trade> trades;
    for (int id = 0; id < 2000; ++id) {
        trades.emplace_back(id, std::string(1, static_cast<char>('a' + random() % 5)).c_str(),
                            static_cast<int>(random() % 50));
    }
    for (const Trade& trade : trades) Update(trade);
    view.Filter.push_back(Condition("Amount", 0, "40"));
    view.ApplyFilter();
    view.SortColumns = {{kName, true}, {kAmount, false}};
    view.SortRows();
    for (int round = 0; round < 30; ++round) {
        const int changes = round % 3 == 0 ? 400 : 20;  // some rounds sort in full, most place the rows
        for (int change = 0; change < changes; ++change) {
            Trade& trade = trades[random() % trades.size()];
            trade.Name.SetText(std::string(1, static_cast<char>('a' + random() % 5)).c_str());
            trade.Amount.SetValue(static_cast<int>(random() % 50));
            Update(trade);
        }
        if (round == 10) view.SetDisplayedCellText(kAmount, 3, "1");
        view.SortRows();
        Ids shown = Displayed();
        Ids expected = shown;
        std::map<int, Trade> copies;
        for (std::size_t i = 0; i < shown.size(); ++i)
            copies[shown[i]] = *view.GetRowData(static_cast<int>(i), false);
        std::sort(expected.begin(), expected.end(), [&](int a, int b) {
            const Trade& x = copies[a];
            const Trade& y = copies[b];
            const std::string xn = x.Name.ToString();
            const std::string yn = y.Name.ToString();
            if (xn != yn) return xn < yn;
            if (x.Amount.GetValue() != y.Amount.GetValue()) return x.Amount.GetValue() > y.Amount.GetValue();
            return a < b;
        });
        ASSERT_EQ(shown, expected) << "round " << round;
        for (std::size_t i = 0; i < shown.size(); i += 97) {
            int index = -1;
            ASSERT_TRUE(view.FindDisplayedRow(BaseKey(0, shown[i]), &index));
            EXPECT_EQ(index, static_cast<int>(i));
        }
    }
}

TEST_F(KeyedView, StatesMarksAndTags) {
    Update({Trade(3, "c", 3), Trade(1, "a", 1), Trade(2, "b", 2)});
    EXPECT_FALSE(view.HasPendingRows());
    EXPECT_FALSE(view.HasFailedRows());
    view.SetRowState(2, 0, true);  // key 3
    view.SetRowMark(0, 7, 0, true);
    view.SetRowState(1, 1, false);  // key 1
    view.SetRowMark(0, 7, 1, false);
    EXPECT_TRUE(view.HasPendingRows());
    EXPECT_FALSE(view.HasFailedRows());
    view.SetMarkByTag(3, 9);  // no such tag
    EXPECT_EQ(view.GetRowMark(0, true) + view.GetRowMark(1, true), 0);
    view.SetMarkByTag(2, 7);  // the first in key order is key 1, in state 1
    EXPECT_EQ(view.GetRowMark(1, true), 2);
    EXPECT_EQ(view.GetRowState(1, true), 1);
    view.SetRowMark(0, 8, 1, true);
    view.SetMarkByTag(2, 7);  // now key 3, in state 2: both go to 0
    EXPECT_EQ(view.GetRowMark(0, true), 0);
    EXPECT_EQ(view.GetRowState(0, true), 0);
    EXPECT_EQ(view.GetRowTag(0, true), 7);
    view.SetRowMark(3, 8, 1, true);
    EXPECT_TRUE(view.HasFailedRows());
    EXPECT_TRUE(view.HasPendingRows());
    EXPECT_TRUE(view.IsRowMarked(1));
    EXPECT_FALSE(view.IsRowMarked(0));
    EXPECT_FALSE(view.IsRowMarked(3));
    view.SetRowState(4, 2, true);
    view.ResetNewRowStates();
    EXPECT_EQ(view.GetRowState(2, true), 0);
    EXPECT_EQ(view.GetRowState(1, true), 1);

    // Purge: displayed rows in state 0, or marked 2; hidden rows stay.
    view.Filter.push_back(Condition("Amount", 4, "1"));
    view.ApplyFilter();              // shows 2 and 3
    view.SetRowMark(2, 0, 0, true);  // key 3, state 0 anyway
    view.PurgeRows();
    EXPECT_EQ(All(), Ids{1});
    view.ClearRows();
    EXPECT_EQ(view.GetAllRowCount(), 1);
    EXPECT_EQ(view.Filter.size(), 1u);
    EXPECT_EQ(view.GetColumnKind(kAmount), MInterface::kNumber);  // the formatter stays
}

TEST_F(KeyedView, IndicesOutOfRangeAreAnsweredEmpty) {
    Update({Trade(1, "a", 1), Trade(2, "b", 2)});
    unsigned length = 99;
    for (unsigned row : {0u, 3u, 1000u}) {
        EXPECT_STREQ(view.GetDisplayedCellText(kId, row, &length), "");
        EXPECT_STREQ(view.GetAllCellText(kId, row, &length), "");
    }
    EXPECT_STREQ(view.GetDisplayedCellText(4, 1, &length), "");
    EXPECT_STREQ(view.GetDisplayedCellText(-1, 1, &length), "");
    EXPECT_EQ(length, 99u);
    for (int index : {-1, 2, 100}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(view.GetRowData(index, false), nullptr);
        EXPECT_TRUE(view.GetDisplayedKey(index).IsNull());
        view.SetRowState(5, index, true);
        view.SetRowMark(5, 5, index, false);
        view.SetDisplayedCellText(kName, index, "x");
        view.RemoveDisplayedRow(index);
        EXPECT_EQ(view.GetRowState(index, true), 0);
        EXPECT_FALSE(view.IsRowMarked(static_cast<unsigned>(index)));
    }
    EXPECT_EQ(All(), (Ids{1, 2}));
    EXPECT_FALSE(view.HasPendingRows());
    EXPECT_EQ(view.GetColumnKind(99), 0);
    EXPECT_EQ(view.CheckColumnText(-1, "x"), nullptr);
}

TEST_F(KeyedView, SetColumnOrderTakesOnlyAPermutationOfTheRightLength) {
    const int32_t moved[] = {0, 2, 1, 4, 3};
    EXPECT_EQ(view.SetColumnOrder(moved, 5), 5);
    EXPECT_EQ(view.GetColumnIndex(1), 2);
    const int32_t repeated[] = {0, 1, 1, 4, 3};
    const int32_t outside[] = {0, 1, 2, 3, 5};
    const int32_t longer[] = {0, 1, 2, 3, 4, 5};
    view.SetColumnOrder(repeated, 5);
    view.SetColumnOrder(outside, 5);
    view.SetColumnOrder(longer, 6);
    view.SetColumnOrder(moved, 4);
    view.SetColumnOrder(nullptr, 5);
    EXPECT_EQ(view.ColumnOrder, (std::vector<int32_t>{0, 2, 1, 4, 3}));
}

// A full sort orders the rows by the sort columns' keys copied into one array; over many random
// tables (high bytes, blanks, negative numbers, several columns in either direction) it must give
// exactly the order of the column comparison, stable over the key order.
TEST(KeyedViewSort, KeyedSortGivesTheOrderOfTheColumnComparison) {
    const TradeFormat format;
    const char letters[] = {' ', 'a', 'b', 'Z', '\x7F', '\x80', '\xE9', '\xFF'};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        std::vector<Trade> trades;
        const int count = static_cast<int>(random() % 600);
        for (int i = 0; i < count; ++i) {
            std::string name(random() % 4, ' ');
            for (char& c : name) c = letters[random() % sizeof letters];
            Trade trade(static_cast<int>(random() % 100000), name.c_str(), static_cast<int>(random() % 7) - 3,
                        static_cast<int>(random()));
            trade.Name.SetChars(name.data(), static_cast<int>(name.size()));
            trades.push_back(trade);
        }
        TInterfaceView<Trade> view;
        for (const Trade& trade : trades) view.UpdateRow(&trade);
        ColumnVector columns;
        const int columnCount = 1 + static_cast<int>(random() % 3);
        for (int c = 0; c < columnCount; ++c)
            columns.push_back({static_cast<int>(random() % 4), random() % 2 == 0});
        view.SortColumns = columns;
        view.SortRows();

        std::map<BaseKey, Trade> byKey;
        for (const Trade& trade : trades) byKey[trade.GetKey()] = trade;
        std::vector<const Trade*> expected;
        for (const auto& [key, trade] : byKey) expected.push_back(&trade);
        ASSERT_EQ(DisplayedIds(view), format.Order(expected, columns)) << "seed " << seed;
    }
}

// Rows changed, added and removed a few at a time and put back in place after each round must
// stand exactly where the column comparison puts them, stable over the key order, over many
// random tables and sort columns (none, one or several, either direction); every row is found
// at its place by key.
TEST(KeyedViewSort, PlacingChangedRowsGivesTheOrderOfTheColumnComparison) {
    const TradeFormat format;
    const char letters[] = {' ', 'a', 'b', 'Z', '\x7F', '\x80', '\xE9', '\xFF'};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        const auto randomTrade = [&](int id) {
            std::string name(random() % 3, ' ');
            for (char& c : name) c = letters[random() % sizeof letters];
            Trade trade(id, "", static_cast<int>(random() % 7) - 3, static_cast<int>(random() % 5) - 2);
            trade.Name.SetChars(name.data(), static_cast<int>(name.size()));
            return trade;
        };
        std::map<BaseKey, Trade> stored;
        TInterfaceView<Trade> view;
        for (int i = 0; i < 1500; ++i) {
            const Trade trade = randomTrade(static_cast<int>(random() % 3000));
            stored[trade.GetKey()] = trade;
            view.UpdateRow(&trade);
        }
        view.Filter.push_back(Condition("Amount", 0, "2"));
        view.ApplyFilter();
        ColumnVector columns;
        const int columnCount = static_cast<int>(random() % 4);
        for (int c = 0; c < columnCount; ++c)
            columns.push_back({static_cast<int>(random() % 4), random() % 2 == 0});
        view.SortColumns = columns;
        view.SortRows();
        for (int round = 0; round < 12; ++round) {
            const int changes = 1 + static_cast<int>(random() % 60);
            for (int change = 0; change < changes; ++change) {
                const int id = static_cast<int>(random() % 3000);
                if (random() % 8 == 0) {
                    view.RemoveRow(BaseKey(0, id));
                    stored.erase(BaseKey(0, id));
                    continue;
                }
                const Trade trade = randomTrade(id);
                stored[trade.GetKey()] = trade;
                view.UpdateRow(&trade);
            }
            view.SortRows();

            std::vector<const Trade*> expected;
            for (const auto& [key, trade] : stored) {
                if (trade.Amount.GetValue() < 2) expected.push_back(&trade);
            }
            const Ids shown = DisplayedIds(view);
            ASSERT_EQ(shown, format.Order(expected, columns)) << "seed " << seed << ", round " << round;
            for (std::size_t i = 0; i < shown.size(); i += 3) {
                int index = -1;
                ASSERT_TRUE(view.FindDisplayedRow(BaseKey(0, shown[i]), &index));
                ASSERT_EQ(index, static_cast<int>(i));
            }
            ASSERT_EQ(view.GetAllRowCount(), static_cast<int>(stored.size()) + 1);
            for (int id = 0; id < 3000; id += 7) {
                ASSERT_EQ(view.ContainsRow(BaseKey(0, id)), stored.count(BaseKey(0, id)) == 1);
            }
        }
    }
}

}  // namespace
