// The quick filter and quick sort tools and the sort dialog, on a window over a real view.
#include <gtest/gtest.h>

#include <QPushButton>

#include "GridWindowFixture.h"
#include "grid/GridQuickTools.h"
#include "grid/SortSelectionLists.h"
#include "grid/TSortSelectionForm.h"
#include "guisupport/ListClicks.h"
#include "guisupport/ScriptedUi.h"
#include "store/FilterData.h"
#include "toolkit/Action.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/MessageRouter.h"

namespace {

class QuickToolsTest : public GridWindowTest {
protected:
    QuickToolsTest() {
        main.onMessage = [this](uint32_t message, int32_t, int32_t) {
            changes += message == 0x8003;
            return 0;
        };
        MessageRouter::SetMainWindow(main.Handle());
    }
    ~QuickToolsTest() override { MessageRouter::SetMainWindow(0); }

    // Selects the cell of the column showing the field in the row of the lot.
    void Select(const char* field, int id) {
        for (int row = 1; row < Grid().RowCount(); ++row) {
            if (IdAt(row) == id) {
                Grid().SelectCell(view->FindColumn(field), row);
                return;
            }
        }
        FAIL() << "lot " << id << " not shown";
    }
    std::vector<int> ShownIds() {
        std::vector<int> ids;
        for (int row = 1; row < view->GetDisplayedRowCount(); ++row) ids.push_back(IdAt(row));
        return ids;
    }
    // A window that re-selects the remembered lot after a change.
    void OpenLots(int rows) {
        Open(rows);
        window->GridOptions().SetGridSelection(BaseGridOption::kSelectByData);
    }
    const ColumnFilter& Only() {
        EXPECT_EQ(view->GetFilter().size(), 1u);
        return view->GetFilter().front();
    }

    Form main;
    int changes = 0;
};

TEST_F(QuickToolsTest, LowerThenGreaterOnOneColumnMakesARangeWithBothBoundsIncluded) {
    OpenLots(8);
    EXPECT_EQ(window->Caption(), "Lots");
    Select("Amount", 5);
    window->SetLowerQuickFilterAction->Execute();
    EXPECT_EQ(ShownIds(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(IdAt(Selected()), 5);  // the remembered row stays selected
    Select("Amount", 2);
    window->SetGreaterQuickFilterAction->Execute();
    const ColumnFilter& range = Only();
    EXPECT_EQ(range.Condition, 5);
    EXPECT_EQ(range.MinValue, "20");
    EXPECT_EQ(range.MaxValue, "50");
    EXPECT_TRUE(range.MinIncluded && range.MaxIncluded);
    EXPECT_EQ(ShownIds(), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(IdAt(Selected()), 2);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(window->Caption(), "Lots - Filter applied");
}

TEST_F(QuickToolsTest, QuickFilterRulesOverAnExistingColumnFilter) {
    struct Case {
        int existing;  // -1: none
        int condition;
        int expected;  // -1: the column's filter is gone
        const char* min;
        const char* max;
    };
    const Case cases[] = {
        {-1, 2, 2, "", ""},    {1, 1, -1, "", ""}, {3, 3, -1, "", ""}, {1, 2, 5, "30", "60"},
        {3, 2, 5, "60", "30"}, {5, 2, 2, "", ""},  {2, 1, 1, "", ""},  {1, 3, 5, "30", "60"},
    };
    for (const Case& c : cases) {
        FilterData filters;
        if (c.existing >= 0) {
            GridQuickTools::SetQuickFilter(filters, "Amount", 2, "60", c.existing);
            filters.front().Condition = c.existing;
        }
        GridQuickTools::SetQuickFilter(filters, "Amount", 2, "30", c.condition);
        SCOPED_TRACE(std::to_string(c.existing) + " then " + std::to_string(c.condition));
        if (c.expected < 0) {
            EXPECT_TRUE(filters.empty());
            continue;
        }
        ASSERT_EQ(filters.size(), 1u);
        EXPECT_EQ(filters[0].Condition, c.expected);
        EXPECT_EQ(filters[0].Value, "30");
        EXPECT_EQ(filters[0].MinValue, c.min);
        EXPECT_EQ(filters[0].MaxValue, c.max);
        EXPECT_EQ(filters[0].Values, (StringVector{{"30"}}));
    }
}

TEST_F(QuickToolsTest, TheSameBoundTwiceSwitchesTheFilterOffAndNegationAndRemovalWork) {
    OpenLots(6);
    Select("Name", 3);
    window->SetQuickFilterAction->Execute();
    EXPECT_EQ(ShownIds(), (std::vector<int>{3}));
    window->NegateColumnFilterAction->Execute();
    EXPECT_TRUE(Only().Negation);
    EXPECT_EQ(ShownIds(), (std::vector<int>{1, 2, 4, 5, 6}));
    Select("Name", 5);
    window->RemoveColumnFilterAction->Execute();
    EXPECT_TRUE(view->GetFilter().empty());
    EXPECT_EQ(ShownIds().size(), 6u);
    EXPECT_EQ(IdAt(Selected()), 5);

    Select("Amount", 4);
    window->SetLowerQuickFilterAction->Execute();
    window->SetLowerQuickFilterAction->Execute();
    EXPECT_TRUE(view->GetFilter().empty());
    EXPECT_EQ(ShownIds().size(), 6u);
    EXPECT_EQ(changes, 5);
}

TEST_F(QuickToolsTest, QuickSortAppendsOrChangesDirectionInPlaceAndRemovalResorts) {
    OpenLots(5);
    Select("Amount", 2);
    window->SetQuickSortDescAction->Execute();
    EXPECT_EQ(ShownIds(), (std::vector<int>{5, 4, 3, 2, 1}));
    EXPECT_EQ(IdAt(Selected()), 2);
    Select("Name", 2);
    window->SetQuickSortAscAction->Execute();
    Select("Amount", 2);
    window->SetQuickSortAscAction->Execute();
    ASSERT_EQ(window->SortCriteria.size(), 2u);
    EXPECT_EQ(window->SortCriteria[0].Column, "Amount");
    EXPECT_TRUE(window->SortCriteria[0].Ascending);
    EXPECT_EQ(window->SortCriteria[1].Column, "Name");
    EXPECT_TRUE(window->SortActive);
    EXPECT_EQ(ShownIds(), (std::vector<int>{1, 2, 3, 4, 5}));

    window->RemoveColumnSortAction->Execute();
    ASSERT_EQ(window->SortCriteria.size(), 1u);
    EXPECT_EQ(window->SortCriteria[0].Column, "Name");
    EXPECT_EQ(changes, 4);

    // A column that is not sorted: only re-selected and repainted.
    Select("Id", 3);
    window->calls.clear();
    window->RemoveColumnSortActionExecute();
    EXPECT_EQ(window->calls, (std::vector<std::string>{"RowSelected " + std::to_string(Selected())}));
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(window->SortCriteria.size(), 1u);
}

TEST(SortSelectionListsTest, MovesBetweenTheListsAndWithinTheCriteria) {
    SortSelectionLists lists;
    lists.Fill({{"Gone", true}, {"beta", true}}, {"Gamma", "beta", "Alpha", "delta"});
    EXPECT_EQ(lists.Fields(), (std::vector<std::string>{"Alpha", "delta", "Gamma"}));
    ASSERT_EQ(lists.SortBy().size(), 2u);  // a criterion that is no title stays
    lists.Include({true, false, true});
    std::vector<std::string> order;
    for (const SortSelectionData& c : lists.SortBy()) order.push_back(c.Column + (c.Ascending ? "+" : "-"));
    EXPECT_EQ(order, (std::vector<std::string>{"Gone+", "beta+", "Gamma-", "Alpha-"}));
    EXPECT_EQ(lists.Fields(), (std::vector<std::string>{"delta"}));
    EXPECT_EQ(lists.Move(0, -1), 0);
    EXPECT_EQ(lists.Move(0, +1), 1);
    EXPECT_EQ(lists.SortBy()[1].Column, "Gone");
    EXPECT_EQ(lists.Move(-1, +1), -1);
    lists.Exclude({false, true, false, true});
    EXPECT_EQ(lists.Fields(), (std::vector<std::string>{"Alpha", "delta", "Gone"}));
    lists.ExcludeAll();
    EXPECT_EQ(lists.Fields().size(), 5u);
    lists.IncludeAll();
    EXPECT_EQ(lists.SortBy().front().Column, "Alpha");
    EXPECT_TRUE(lists.Fields().empty());
}

TEST_F(QuickToolsTest, TheSortDialogEditsTheCriteriaByTitle) {
    auto map = titles.GetTitleMap();
    map["Amount"].Title = "Sum";
    titles.SetTitleMap(map);
    OpenLots(4);
    window->SortCriteria = {{"Name", true}};
    ScriptedUi ui;
    ui.ExpectModal<TSortSelectionForm>([](TSortSelectionForm& dialog) {
        ListBox* src = dialog.SrcList();
        CheckListBox* dst = dialog.DstCheckList();
        ASSERT_EQ(src->Count(), 2);
        EXPECT_EQ(src->Item(0), "Id");
        EXPECT_EQ(src->Item(1), "Sum");
        EXPECT_TRUE(dst->IsChecked(0));
        EXPECT_FALSE(dialog.buttons().OkButton()->isEnabled());
        AddToSelection(src, 0);
        AddToSelection(src, 1);
        dialog.findChild<Action*>("IncludeBtnAction")->Execute();
        ASSERT_EQ(dst->Count(), 3);
        EXPECT_EQ(dst->Item(1), "Sum");  // bottom-up
        EXPECT_EQ(dst->Item(2), "Id");
        EXPECT_FALSE(dst->IsChecked(1));
        dst->SetItemIndex(1);
        dialog.findChild<Action*>("UpButtonAction")->Execute();
        ClickCheck(dst, 0);  // the user's check: ascending
        dialog.buttons().OkButton()->click();
    });
    window->SortAction->Execute();
    ASSERT_EQ(window->SortCriteria.size(), 3u);
    EXPECT_EQ(window->SortCriteria[0].Column, "Amount");
    EXPECT_TRUE(window->SortCriteria[0].Ascending);
    EXPECT_EQ(window->SortCriteria[1].Column, "Name");
    EXPECT_EQ(window->SortCriteria[2].Column, "Id");
    EXPECT_FALSE(window->SortCriteria[2].Ascending);
    EXPECT_EQ(changes, 1);

    ui.ExpectModal<TSortSelectionForm>([](TSortSelectionForm& dialog) {
        dialog.findChild<Action*>("ExAllBtnAction")->Execute();
        dialog.buttons().CancelButton()->click();
    });
    window->SortAction->Execute();
    EXPECT_EQ(window->SortCriteria.size(), 3u);
    EXPECT_EQ(changes, 1);
}

TEST_F(QuickToolsTest, UpAndDownWithoutACurrentItemMoveNothingButEnableOk) {
    std::vector<SortSelectionData> criteria{{"A", true}, {"B", false}};
    ScriptedUi ui;
    ui.ExpectModal<TSortSelectionForm>([](TSortSelectionForm& dialog) {
        auto* up = dialog.findChild<Action*>("UpButtonAction");
        dialog.DstCheckList()->SetItemIndex(-1);
        up->Update();
        EXPECT_TRUE(up->Enabled());
        up->Execute();
        EXPECT_EQ(dialog.DstCheckList()->Item(0), "A");
        EXPECT_TRUE(dialog.buttons().OkButton()->isEnabled());
        dialog.DstCheckList()->SetItemIndex(0);
        up->Update();
        EXPECT_FALSE(up->Enabled());
        dialog.buttons().OkButton()->click();
    });
    TSortSelectionForm dialog(nullptr, criteria, {"A", "B", "C"});
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    ASSERT_EQ(criteria.size(), 2u);
    EXPECT_EQ(criteria[1].Column, "B");
    EXPECT_FALSE(criteria[1].Ascending);
}

}  // namespace
