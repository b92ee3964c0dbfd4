// Modifying a column's values through the dialog of the column's kind, on a test window that has a
// column access manager, and the two check-list dialogs it uses for set columns.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "DialogControls.h"
#include "brae/BraeProtocolSets.h"
#include "fields/CommandEnumerations.h"
#include "fields/MTTimePoint.h"
#include "grid/ColumnAccessManager.h"
#include "grid/ColumnSetText.h"
#include "grid/GridWindowFixture.h"
#include "grid/TCheckListSingleSelectionForm.h"
#include "grid/TCheckListTriStateForm.h"
#include "grid/TDateTimeInputForm.h"
#include "grid/TEnumInputForm.h"
#include "grid/TStringInputForm.h"
#include "guisupport/ScriptedUi.h"
#include "toolkit/Action.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"

namespace {

// The sorted check list's order: case-insensitive.
bool InListOrder(const std::string& a, const std::string& b) {
    return QString::compare(ToQt(a), ToQt(b), Qt::CaseInsensitive) < 0;
}

std::vector<std::string> CheckedItems(const CheckListBox* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->Count(); ++i)
        if (list->IsChecked(i)) items.push_back(list->Item(i));
    return items;
}

// ---- The selection dialog.

TEST(CheckListSingleSelectionForm, ChecksTheChosenTextsAndRewritesTheListInListOrderOnOk) {
    ScriptedUi ui;
    const std::vector<std::string> choices = {"beta", "Alpha", "gamma"};
    std::vector<std::string> chosen = {"gamma", "Unknown", "beta"};
    TCheckListSingleSelectionForm form(nullptr, false, "Flags", chosen, choices);
    ui.ExpectModal<TCheckListSingleSelectionForm>([](TCheckListSingleSelectionForm& f) {
        EXPECT_EQ(FromQt(f.windowTitle()), "Flags - Selection Form");
        EXPECT_EQ(FromQt(f.Control<QLabel>("SourceListLabel")->text()), "Flags");
        CheckListBox* list = f.SourceCheckListBox();
        EXPECT_EQ(Items(list), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
        EXPECT_EQ(CheckedItems(list), (std::vector<std::string>{"beta", "gamma"}));
        EXPECT_EQ(f.CheckedCount(), 2);
        EXPECT_TRUE(list->isEnabled());
        EXPECT_FALSE(Enabled(f, "OKButton"));  // nothing changed yet
        EXPECT_TRUE(Enabled(f, "CheckAllButton"));
        EXPECT_TRUE(Enabled(f, "ResetButton"));
        Toggle(list, 2);  // gamma off
        EXPECT_EQ(f.CheckedCount(), 1);
        EXPECT_TRUE(Enabled(f, "OKButton"));
        Toggle(list, 0);  // Alpha on
        EXPECT_EQ(f.CheckedCount(), 2);
        f.Control<QPushButton>("OKButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    // "Unknown" is no choice: dropped.
    EXPECT_EQ(chosen, (std::vector<std::string>{"Alpha", "beta"}));
}

TEST(CheckListSingleSelectionForm, AllAndResetFollowTheCountAndCancelLeavesTheList) {
    ScriptedUi ui;
    const std::vector<std::string> choices = {"A", "B"};
    std::vector<std::string> chosen = {"A"};
    TCheckListSingleSelectionForm form(nullptr, false, "Set", chosen, choices);
    ui.ExpectModal<TCheckListSingleSelectionForm>([](TCheckListSingleSelectionForm& f) {
        f.Control<QPushButton>("CheckAllButton")->click();
        EXPECT_EQ(f.CheckedCount(), 2);
        EXPECT_EQ(CheckedItems(f.SourceCheckListBox()).size(), 2u);
        EXPECT_FALSE(Enabled(f, "CheckAllButton"));  // every item is checked
        EXPECT_TRUE(Enabled(f, "ResetButton"));
        f.Control<QPushButton>("ResetButton")->click();
        EXPECT_EQ(f.CheckedCount(), 0);
        EXPECT_TRUE(CheckedItems(f.SourceCheckListBox()).empty());
        EXPECT_TRUE(Enabled(f, "CheckAllButton"));
        EXPECT_FALSE(Enabled(f, "ResetButton"));  // none is checked
        EXPECT_TRUE(Enabled(f, "OKButton"));
        f.Control<QPushButton>("CancelButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(chosen, (std::vector<std::string>{"A"}));
}

TEST(CheckListSingleSelectionForm, AViewOnlyDialogShowsTheChecksWithItsToolsDisabledAndOkEnabled) {
    ScriptedUi ui;
    const std::vector<std::string> choices = {"A", "B"};
    std::vector<std::string> chosen = {"B", "Gone"};
    TCheckListSingleSelectionForm form(nullptr, true, "Set", chosen, choices);
    ui.ExpectModal<TCheckListSingleSelectionForm>([](TCheckListSingleSelectionForm& f) {
        EXPECT_EQ(FromQt(f.windowTitle()), "Set - View Form");
        EXPECT_FALSE(f.SourceCheckListBox()->isEnabled());
        EXPECT_EQ(CheckedItems(f.SourceCheckListBox()), (std::vector<std::string>{"B"}));
        EXPECT_FALSE(Enabled(f, "CheckAllButton"));
        EXPECT_FALSE(Enabled(f, "ResetButton"));
        EXPECT_TRUE(Enabled(f, "OKButton"));
        f.Control<QPushButton>("OKButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(chosen, (std::vector<std::string>{"B"}));
}

// ---- The tri-state dialog.

TEST(CheckListTriStateForm, StartsGrayedAndFollowsItsAllClearAndDefaultsRules) {
    ScriptedUi ui;
    const std::vector<std::string> flags = {"Zeta", "Alpha", "Mid"};
    TCheckListTriStateForm form(nullptr, flags, "Limits");
    ui.ExpectModal<TCheckListTriStateForm>([](TCheckListTriStateForm& f) {
        EXPECT_EQ(FromQt(f.windowTitle()), "Modify EnumSet");
        EXPECT_EQ(FromQt(f.Control<QLabel>("ColumnTitleLabel")->text()), "Limits");
        CheckListBox* list = f.FlagsCheckListBox();
        EXPECT_EQ(Items(list), (std::vector<std::string>{"Zeta", "Alpha", "Mid"}));  // the given order
        for (int i = 0; i < 3; ++i) EXPECT_EQ(f.FlagState(i), CheckListBox::Grayed);
        EXPECT_FALSE(Enabled(f, "OKButton"));
        f.Control<QPushButton>("mAllButton")->click();
        for (int i = 0; i < 3; ++i) EXPECT_EQ(f.FlagState(i), CheckListBox::Checked);
        EXPECT_TRUE(Enabled(f, "OKButton"));
        f.Control<QPushButton>("mDefaultsButton")->click();
        for (int i = 0; i < 3; ++i) EXPECT_EQ(f.FlagState(i), CheckListBox::Grayed);
        EXPECT_FALSE(Enabled(f, "OKButton"));  // Defaults after All: nothing to apply
        f.Control<QPushButton>("mClearButton")->click();
        for (int i = 0; i < 3; ++i) EXPECT_EQ(f.FlagState(i), CheckListBox::Unchecked);
        EXPECT_TRUE(Enabled(f, "OKButton"));
        f.Control<QPushButton>("mDefaultsButton")->click();
        Toggle(list, 1);  // the user's click changes the flag and enables OK
        EXPECT_NE(f.FlagState(1), CheckListBox::Grayed);
        EXPECT_TRUE(Enabled(f, "OKButton"));
        f.Control<QPushButton>("OKButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
}

// ---- The set texts.

TEST(ColumnSetText, CurrentFlagsComeFromTheNoneAllOrSeparatedText) {
    const std::vector<std::string> offered = {"A", "B", "C"};
    const struct {
        const char* cell;
        std::vector<std::string> flags;
    } cases[] = {
        {"None", {}}, {"All", {"A", "B", "C"}}, {"A,B", {"A", "B"}}, {"A,B,", {"A", "B", ""}}, {"B", {"B"}},
        {"", {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(ColumnSetText::CurrentFlags(c.cell, offered, "None", "All", ','), c.flags);
    }
    EXPECT_EQ(ColumnSetText::Join({"A", "B"}, ','), "A,B,");
    EXPECT_EQ(ColumnSetText::Join({}, ','), "");
}

// ---- Modifying column values on a window.

// A record with a column of each kind the dialogs tell apart.
struct Item {
    MLong Id;
    MRPString<8, 32, MValAccept> Name;
    ActionType Action;
    BraeExceededLimitTypeSet Limits;
    MTimeTimePoint At;
    MDateTimeTimePoint When;

    BaseKey GetKey() const { return BaseKey(0, Id.GetValue()); }
    static const char* GetDisplayName() { return "Items"; }
    static constexpr auto Fields() {
        return MFields(MField("Id", &Item::Id), MField("Name", &Item::Name), MField("Action", &Item::Action),
                       MField("Limits", &Item::Limits), MField("At", &Item::At), MField("When", &Item::When));
    }
    static void DescribeClass(MStaticFormat& format) { DescribeFieldTypes<Item>(format); }
    void FormatObject(MObjectFormat& format) { DescribeFields(*this, format); }
};

// The view, with a kind of the test's choosing for the name column.
class ItemView : public TInterfaceView<Item> {
public:
    int GetColumnKind(int field) const override {
        return field == 1 && nameKind >= 0 ? nameKind : TInterfaceView<Item>::GetColumnKind(field);
    }
    int nameKind = -1;
};

class AllowNames : public ColumnAccessManager {
public:
    bool IsModifiable(const std::string& fieldName) const override { return fieldName != "Id"; }
};

// Records what the hooks are handed, and limits the name's length.
class ModifyingWindow : public TBaseGridForm {
public:
    using TBaseGridForm::TBaseGridForm;
    int GetColumnMaxLength(const std::string& fieldName) override {
        return fieldName == "Name" ? maxLength : -1;
    }
    void ModifyColumnValue(int field, const std::string& value) override {
        calls.push_back("value " + std::to_string(field) + " " + value);
    }
    void ModifyColumnSetValues(int field, const StringVector& set, const StringVector& clear) override {
        std::string call = "set " + std::to_string(field) + " +";
        for (const std::string& flag : set) call += flag + ";";
        call += " -";
        for (const std::string& flag : clear) call += flag + ";";
        calls.push_back(call);
    }
    void FiltersApplied() override { calls.push_back("FiltersApplied"); }

    int maxLength = -1;
    std::vector<std::string> calls;
};

class ModifyColumnValuesTest : public GridWindowTest {
protected:
    ModifyingWindow& OpenItems() {
        auto* items = new ItemView;
        Item item;
        item.Id.SetValue(1);
        item.Name.SetText("First");
        item.Action.Set(static_cast<EnumActionType>(1));
        item.At.SetText("14:05:09");
        item.When.SetText("2023/05/17 08:09:10");
        items->UpdateRow(&item);
        itemView = items;
        typed = new ModifyingWindow(&area, &access, Config(), &itemTitles, items);
        window = nullptr;
        typed->Show();
        QApplication::processEvents();
        return *typed;
    }
    ~ModifyColumnValuesTest() override {
        if (typed) delete typed->SubWindow();
    }
    void Select(const char* field) {
        typed->Grid()->SetCol(itemView->FindColumn(field));
        typed->Grid()->SetRow(1);
    }
    void SetLimits(const std::string& text) {
        itemView->SetDisplayedCellText(itemView->FindField("Limits"), 0, text.c_str());
    }
    std::string Cell(const char* field) { return typed->GetCellText(itemView->FindColumn(field), 1); }

    AllowNames access;
    TitleManager itemTitles{{"Id", "Name", "Action", "Limits", "At", "When"}, "ItemTitles"};
    ItemView* itemView = nullptr;
    QPointer<ModifyingWindow> typed;
};

TEST_F(ModifyColumnValuesTest, TheActionNeedsAnAccessManagerThatAllowsTheColumnAndData) {
    ModifyingWindow& w = OpenItems();
    Select("Name");
    w.ModifyColumnsAction->Update();
    EXPECT_TRUE(w.ModifyColumnsAction->Enabled());
    Select("Id");  // refused by the access manager
    w.ModifyColumnsAction->Update();
    EXPECT_FALSE(w.ModifyColumnsAction->Enabled());
    // A client's window has no access manager: the action stays disabled.
    Open(3);
    window->ModifyColumnsAction->Update();
    EXPECT_FALSE(window->ModifyColumnsAction->Enabled());
}

TEST_F(ModifyColumnValuesTest, TextColumnsTakeTheStringInputWithItsMaximumLength) {
    ScriptedUi ui;
    ModifyingWindow& w = OpenItems();
    w.maxLength = 6;
    Select("Name");
    ui.ExpectModal<TStringInputForm>([](TStringInputForm& f) {
        EXPECT_EQ(FromQt(f.Control<QLabel>("StringInputLabel")->text()), "Name");
        Edit* edit = f.Control<Edit>("StringInputEdit");
        EXPECT_EQ(edit->Text(), "First");
        EXPECT_EQ(edit->maxLength(), 6);
        edit->SetText("Second");
        f.Control<QPushButton>("OkButton")->click();
    });
    w.ModifyColumnsAction->Execute();
    EXPECT_EQ(w.calls, (std::vector<std::string>{"value 1 Second", "FiltersApplied"}));

    // No limit below 1; Cancel calls no hook but the filters are applied again.
    w.calls.clear();
    w.maxLength = 0;
    ui.ExpectModal<TStringInputForm>([](TStringInputForm& f) {
        EXPECT_GT(f.Control<Edit>("StringInputEdit")->maxLength(), 1000);
        f.Control<QPushButton>("CancelButton")->click();
    });
    w.ModifyColumnsAction->Execute();
    EXPECT_EQ(w.calls, (std::vector<std::string>{"FiltersApplied"}));
}

TEST_F(ModifyColumnValuesTest, AnEnumerationTakesTheEnumerationInput) {
    ScriptedUi ui;
    ModifyingWindow& w = OpenItems();
    Select("Action");
    const std::vector<std::string> values = itemView->GetColumnValues(2);
    const std::string current = Cell("Action");
    ui.ExpectModal<TEnumInputForm>([&](TEnumInputForm& f) {
        auto* combo = f.Control<ComboBox>("EnumInputComboBox");
        EXPECT_EQ(static_cast<size_t>(combo->Count()), values.size());
        EXPECT_EQ(combo->Text(), current);
        combo->SetText(values.front());
        f.Control<QPushButton>("OkButton")->click();
    });
    w.ModifyColumnsAction->Execute();
    EXPECT_EQ(w.calls, (std::vector<std::string>{"value 2 " + values.front(), "FiltersApplied"}));
}

TEST_F(ModifyColumnValuesTest, ASetStartsFromTheCellsFlagsAndHandsBackEachFlagFollowedByTheSeparator) {
    ScriptedUi ui;
    ModifyingWindow& w = OpenItems();
    Select("Limits");
    const std::vector<std::string> flags = itemView->GetColumnValues(3);
    ASSERT_GE(flags.size(), 3u);
    const std::string none = itemView->GetColumnNoneText(3);
    const std::string all = itemView->GetColumnAllText(3);
    ASSERT_EQ(itemView->GetColumnSeparator(3), ',');
    const struct {
        std::string cell;
        std::vector<std::string> checked;
    } cases[] = {
        {none, {}},
        {all, flags},
        {flags[0] + "," + flags[2], {flags[0], flags[2]}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        SetLimits(c.cell);
        ASSERT_EQ(Cell("Limits"), c.cell);
        std::vector<std::string> expected = c.checked;
        std::sort(expected.begin(), expected.end(), InListOrder);
        ui.ExpectModal<TCheckListSingleSelectionForm>([&](TCheckListSingleSelectionForm& f) {
            EXPECT_EQ(FromQt(f.windowTitle()), "Limits - Selection Form");
            EXPECT_EQ(static_cast<size_t>(f.SourceCheckListBox()->Count()), flags.size());
            EXPECT_EQ(CheckedItems(f.SourceCheckListBox()), expected);
            f.Control<QPushButton>("CancelButton")->click();
        });
        w.ModifyColumnsAction->Execute();
    }

    // Choosing two flags hands "A,B,".
    w.calls.clear();
    SetLimits(none);
    ui.ExpectModal<TCheckListSingleSelectionForm>([&](TCheckListSingleSelectionForm& f) {
        CheckListBox* list = f.SourceCheckListBox();
        for (int i = 0; i < list->Count(); ++i)
            if (list->Item(i) == flags[0] || list->Item(i) == flags[1]) Toggle(list, i);
        f.Control<QPushButton>("OKButton")->click();
    });
    w.ModifyColumnsAction->Execute();
    const std::string first = std::min(flags[0], flags[1], InListOrder);
    const std::string second = first == flags[0] ? flags[1] : flags[0];
    EXPECT_EQ(w.calls, (std::vector<std::string>{"value 3 " + first + "," + second + ",", "FiltersApplied"}));
}

TEST_F(ModifyColumnValuesTest, TheTriStateDialogSetsClearsOrKeepsEachOfferedFlag) {
    ScriptedUi ui;
    ModifyingWindow& w = OpenItems();
    w.SetEditTriState = true;
    w.SetValueList = StringVector(std::vector<std::string>{"X", "Y", "Z"});  // offered instead of the view's
    Select("Limits");
    ui.ExpectModal<TCheckListTriStateForm>([](TCheckListTriStateForm& f) {
        EXPECT_EQ(FromQt(f.Control<QLabel>("ColumnTitleLabel")->text()), "Limits");
        CheckListBox* list = f.FlagsCheckListBox();
        EXPECT_EQ(Items(list), (std::vector<std::string>{"X", "Y", "Z"}));
        f.Control<QPushButton>("mClearButton")->click();
        list->SetItemState(0, CheckListBox::Checked);
        list->SetItemState(2, CheckListBox::Grayed);
        f.Control<QPushButton>("OKButton")->click();
    });
    w.ModifyColumnsAction->Execute();
    EXPECT_EQ(w.calls, (std::vector<std::string>{"set 3 +X; -Y;", "FiltersApplied"}));
}

TEST_F(ModifyColumnValuesTest, TimesTakeTheDateTimeInputAndABareTimeOfDayPrefillsThePicker) {
    ScriptedUi ui;
    ModifyingWindow& w = OpenItems();
    Select("At");
    ui.ExpectModal<TDateTimeInputForm>([](TDateTimeInputForm& f) {
        EXPECT_EQ(FromQt(f.Control<QLabel>("ColumnTitleLabel")->text()), "At");
        auto* time = f.Control<DateTimePicker>("TimePicker");
        EXPECT_EQ(time->time(), QTime(14, 5, 9));
        EXPECT_FALSE(f.Control<DateTimePicker>("DatePicker")->isEnabled());
        time->setTime(QTime(15, 6, 7));
        f.Control<QPushButton>("OKButton")->click();
    });
    w.ModifyColumnsAction->Execute();
    EXPECT_EQ(w.calls, (std::vector<std::string>{"value 4 15:06:07", "FiltersApplied"}));

    w.calls.clear();
    Select("When");
    ui.ExpectModal<TDateTimeInputForm>([](TDateTimeInputForm& f) {
        EXPECT_EQ(f.Control<DateTimePicker>("DatePicker")->date(), QDate(2023, 5, 17));
        EXPECT_EQ(f.Control<DateTimePicker>("TimePicker")->time(), QTime(8, 9, 10));
        f.Control<DateTimePicker>("DatePicker")->setDate(QDate(2023, 5, 18));
        f.Control<QPushButton>("OKButton")->click();
    });
    w.ModifyColumnsAction->Execute();
    EXPECT_EQ(w.calls, (std::vector<std::string>{"value 5 2023/05/18 08:09:10", "FiltersApplied"}));
}

TEST_F(ModifyColumnValuesTest, AKindAboveSetOpensNoDialogButTheFiltersAreAppliedAgain) {
    ScriptedUi ui;  // any dialog would fail the test
    ModifyingWindow& w = OpenItems();
    itemView->nameKind = 9;
    Select("Name");
    w.ModifyColumnsAction->Execute();
    EXPECT_EQ(w.calls, (std::vector<std::string>{"FiltersApplied"}));

    // Kind 1 is a date alone.
    w.calls.clear();
    itemView->nameKind = 1;
    ui.ExpectModal<TDateTimeInputForm>([](TDateTimeInputForm& f) {
        EXPECT_FALSE(f.Control<DateTimePicker>("TimePicker")->isEnabled());
        f.Control<QPushButton>("CancelButton")->click();
    });
    w.ModifyColumnsAction->Execute();
    EXPECT_EQ(w.calls, (std::vector<std::string>{"FiltersApplied"}));
}

}  // namespace
