// The dynamic filter dialog, and what a grid window without a link registry (every window of the
// client) does with dynamic filters: the rules with a registry are tested where the session is
// linked.
#include <gtest/gtest.h>

#include <QPushButton>

#include "DialogControls.h"
#include "core/BaseIniFile.h"
#include "grid/GridWindowFixture.h"
#include "grid/TDynamicFilterForm.h"
#include "guisupport/ListClicks.h"
#include "guisupport/RecordingCanvas.h"
#include "guisupport/ScriptedUi.h"
#include "toolkit/Action.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DrawGrid.h"
#include "toolkit/ListBox.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/QtText.h"

namespace {

// The user's pick in a combo box.
void Pick(ComboBox* combo, const std::string& text) {
    const int index = combo->findText(ToQt(text));
    ASSERT_GE(index, 0) << text;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The user's click on a list entry.
void Click(ListBox* list, const std::string& text) {
    for (int i = 0; i < list->Count(); ++i)
        if (list->Item(i) == text) return ClickItem(list, i);
    ADD_FAILURE() << "no entry " << text;
}

// The five texts of an entry, in their order.
std::vector<std::string> Texts(const FilterEntry& e) {
    return {e.FilterColumnTitle, e.SourceGridTitle, e.SourceColumnTitle, e.FilterColumnName,
            e.SourceColumnName};
}

// The texts the entry grid draws in one row.
std::vector<std::string> DrawnRow(TDynamicFilterForm& f, int row) {
    std::vector<std::string> texts;
    for (int col = 0; col < 3; ++col) {
        RecordingCanvas canvas;
        f.OnDrawFilterEntryCell(col, row, CanvasRect{0, 0, 100, 20}, canvas);
        for (const std::string& call : canvas.calls) {
            const size_t open = call.find('"');
            if (call.rfind("text 3,3 ", 0) == 0)
                texts.push_back(call.substr(open + 1, call.find('"', open + 1) - open - 1));
        }
    }
    return texts;
}

class DynamicFilterDialog : public ::testing::Test {
protected:
    DynamicFilterDialog() {
        const Lot lot(1, "N1", 10);
        view.UpdateRow(&lot);  // the view knows its columns from its first row
        grids["Other"] = {{"Acct", "Account", 5}, {"Total", "Total", 6}, {"Count", "Count", 6}};
        grids["Accounts"] = {{"Id", "Id", 5}};
    }
    LotView view;
    // "Amount" has no title in this manager: it is no filter column.
    TitleManager titles{{"Id", "Name"}, "LotTitles"};
    TDynamicFilterForm::SourceGrids grids;
};

TEST_F(DynamicFilterDialog, OffersTitledColumnsAndSourceColumnsOfTheSameKindOnly) {
    ScriptedUi ui;
    TDynamicFilterForm form(nullptr, &titles, &view, "Id");
    form.SetSourceGrids(grids);
    ui.ExpectModal<TDynamicFilterForm>([](TDynamicFilterForm& f) {
        EXPECT_EQ(FromQt(f.windowTitle()), "Dynamic Filter");
        auto* columns = f.Control<ComboBox>("ColumnNameComboBox");
        auto* sources = f.Control<ComboBox>("OtherGridNameComboBox");
        auto* sourceColumns = f.Control<ListBox>("OtherGridColumnListBox");
        EXPECT_EQ(Items(columns), (std::vector<std::string>{"Id", "Name"}));
        EXPECT_EQ(columns->Text(), "Id");
        EXPECT_EQ(Items(sources), (std::vector<std::string>{"Accounts", "Other"}));
        EXPECT_EQ(sources->ItemIndex(), -1);  // no entries: no source grid chosen
        EXPECT_EQ(sourceColumns->Count(), 0);
        // A heading row and one empty row; nothing to add, delete or confirm.
        EXPECT_EQ(f.Control<DrawGrid>("FilterEntryStringGrid")->RowCount(), 2);
        EXPECT_EQ(DrawnRow(f, 0),
                  (std::vector<std::string>{"Filter Column", "Source Grid", "Source Column"}));
        EXPECT_EQ(DrawnRow(f, 1), (std::vector<std::string>{"", "", ""}));
        EXPECT_FALSE(Enabled(f, "AddFilterButton"));
        EXPECT_FALSE(Enabled(f, "DeleteFilterButton"));
        EXPECT_FALSE(Enabled(f, "OKButton"));

        // Id is a number: the number columns of the source, sorted.
        Pick(sources, "Other");
        EXPECT_EQ(Items(sourceColumns), (std::vector<std::string>{"Count", "Total"}));
        // A source without a column of that kind offers nothing.
        Pick(sources, "Accounts");
        EXPECT_EQ(sourceColumns->Count(), 0);
        // Another filter column lists the source's columns of its kind; Add waits for a choice.
        Pick(sources, "Other");
        Click(sourceColumns, "Total");
        EXPECT_TRUE(Enabled(f, "AddFilterButton"));
        Pick(columns, "Name");
        EXPECT_EQ(Items(sourceColumns), (std::vector<std::string>{"Acct"}));
        EXPECT_FALSE(Enabled(f, "AddFilterButton"));
        f.Control<QPushButton>("CancelButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST_F(DynamicFilterDialog, AddsAndDeletesEntriesAndRefusesASecondFilterOnOneColumn) {
    ScriptedUi ui;
    TDynamicFilterForm form(nullptr, &titles, &view, "Id");
    form.SetSourceGrids(grids);
    // An entry handed in shows its first three texts, and its source grid is chosen.
    form.SetEntries({FilterEntry{"Name", "Other", "Acct", "Name", "Account"}});
    ui.ExpectModal<TDynamicFilterForm>([](TDynamicFilterForm& f) {
        auto* sources = f.Control<ComboBox>("OtherGridNameComboBox");
        auto* sourceColumns = f.Control<ListBox>("OtherGridColumnListBox");
        auto* grid = f.Control<DrawGrid>("FilterEntryStringGrid");
        EXPECT_EQ(sources->Text(), "Other");
        EXPECT_EQ(Items(sourceColumns), (std::vector<std::string>{"Count", "Total"}));
        EXPECT_EQ(grid->RowCount(), 2);
        EXPECT_EQ(DrawnRow(f, 1), (std::vector<std::string>{"Name", "Other", "Acct"}));
        EXPECT_TRUE(Enabled(f, "DeleteFilterButton"));
        EXPECT_FALSE(Enabled(f, "OKButton"));

        Click(sourceColumns, "Total");
        f.Control<QPushButton>("AddFilterButton")->click();
        EXPECT_EQ(grid->RowCount(), 3);
        EXPECT_EQ(DrawnRow(f, 2), (std::vector<std::string>{"Id", "Other", "Total"}));
        EXPECT_TRUE(Enabled(f, "OKButton"));
        // Id has its filter now: the box, and the list stays.
        Click(sourceColumns, "Count");
        f.Control<QPushButton>("AddFilterButton")->click();
        EXPECT_EQ(grid->RowCount(), 3);
        EXPECT_EQ(f.GetEntries().size(), 2u);

        // Delete takes the entry of the selected row, the first one at the start.
        EXPECT_EQ(grid->Row(), 1);
        f.Control<QPushButton>("DeleteFilterButton")->click();
        EXPECT_EQ(grid->RowCount(), 2);
        EXPECT_EQ(DrawnRow(f, 1), (std::vector<std::string>{"Id", "Other", "Total"}));
        f.Control<QPushButton>("OKButton")->click();
    });
    ui.ExpectBox("Duplicate Entry", "Id already has a filter enabled on it.", BoxIcon::Error, BoxButtons::Ok,
                 mrOk);
    EXPECT_EQ(form.ShowModal(), mrOk);
    const std::vector<FilterEntry> entries = form.GetEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(Texts(entries[0]), (std::vector<std::string>{"Id", "Other", "Total", "Id", "Total"}));
}

// ---- A window without a registry.

using NoRegistryWindow = MainWindowGridTest;

TEST_F(NoRegistryWindow, AFilterLoadedFromTheSettingsShowsLafActiveAndOnlyRowsWithAnEmptyColumn) {
    {
        BaseIniFile file(Config().SettingsFileName);
        file.WriteInteger("Lots1", "DynamicFilterCount", 1);
        file.WriteString("Lots1", "DynamicFilter1", "Name");
        file.WriteString("Lots1", "DynamicFilterGrid1", "Accounts");
        file.WriteString("Lots1", "DynamicFilterGridColumn1", "Account");
    }
    auto* lots = new LotView;
    Put(*lots, 1, 10);
    const Lot blank(2, "", 20);
    lots->UpdateRow(&blank);
    Put(*lots, 3, 30);
    view = lots;
    window = new TestGridWindow(&area, nullptr, Config(), &titles, lots);
    window->Show();
    EXPECT_EQ(window->Caption(), "Lots - LAF Active");
    // A refresh gives the filter its owner; applied, it holds its one empty value.
    MessageRouter::SendMessage(window->Handle(), TBaseGridForm::kDataChanged, 0, 0);
    EXPECT_EQ(view->GetDynamicFilter()[0].OwnerWindow, static_cast<int32_t>(window->Handle()));
    window->ApplyFilters();
    EXPECT_EQ(window->Caption(), "Lots - LAF Active");
    ASSERT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(IdAt(1), 2);
    EXPECT_FALSE(view->DynamicFilterActive);
}

TEST_F(NoRegistryWindow, TheLinkOperationsDoNothingButOverwriteAFilterTheColumnHas) {
    Open(3);
    EXPECT_EQ(window->GetDynamicLinkRegistry(), nullptr);
    window->DynamicFilterAction->Update();
    EXPECT_FALSE(window->DynamicFilterAction->Enabled());

    // A column without a dynamic filter gets none.
    window->AddDynamicFilter("Name", "Accounts", "Account");
    EXPECT_TRUE(view->GetDynamicFilter().empty());
    // One it has is overwritten, with one empty value.
    ColumnFilter old;
    old.ColumnName = "Name";
    old.LinkWindowTitle = "Old";
    old.Values = StringVector(std::vector<std::string>{"x"});
    view->GetDynamicFilter().push_back(old);
    window->AddDynamicFilter("Name", "Accounts", "Account");
    ASSERT_EQ(view->GetDynamicFilter().size(), 1u);
    const ColumnFilter& now = view->GetDynamicFilter()[0];
    EXPECT_EQ(now.LinkWindowTitle, "Accounts");
    EXPECT_EQ(now.LinkColumnName, "Account");
    EXPECT_EQ(now.Column, view->FindField("Name"));
    EXPECT_EQ(now.OwnerWindow, static_cast<int32_t>(window->Handle()));
    EXPECT_EQ(now.Values, (StringVector{std::vector<std::string>{""}}));

    // The rest leave the filters and send nothing, the close included (only its workspace notice).
    window->calls.clear();
    received.clear();
    window->ApplyDynamicFilterValues();
    window->PublishLinkValues();
    window->PublishRowLinkValues(1);
    window->ClearDynamicFilters();
    window->ForceGridRefreshActionExecute();
    EXPECT_EQ(view->GetDynamicFilter().size(), 1u);
    EXPECT_TRUE(window->calls.empty());
    EXPECT_TRUE(received.empty());
    window->SubWindow()->close();
    EXPECT_EQ(received, (std::vector<uint32_t>{0x8003}));
}

}  // namespace
