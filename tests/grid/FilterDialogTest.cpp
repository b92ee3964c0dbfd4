// The filter dialog, its condition editors and the working copy's rules, on windows over real
// views.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <stdexcept>

#include "DialogControls.h"
#include "GridWindowFixture.h"
#include "core/BaseIniFile.h"
#include "fields/MInterface.h"
#include "grid/FilterEditor.h"
#include "grid/TFilterForm.h"
#include "grid/TFilterToolsForm.h"
#include "guisupport/ListClicks.h"
#include "guisupport/ScriptedUi.h"
#include "store/FilterData.h"
#include "toolkit/Action.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/Edit.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/RadioGroup.h"

namespace {

ColumnFilter Condition(const char* name, int condition, const char* value = "") {
    ColumnFilter f;
    f.ColumnName = name;
    f.Condition = condition;
    f.Value = value;
    return f;
}

TEST(FilterEditorTest, MaskSpecifiers) {
    const std::pair<const char*, const char*> cases[] = {
        {"abc\\", ""},
        {"\\0\\9\\A\\a\\Z\\z\\.\\*\\\\", ""},
        {"a\\x", "'\\x' is not a valid mask specifier."},
        {"\\\\\\x", "'\\x' is not a valid mask specifier."},
        {"\\\\q\\b", "'\\b' is not a valid mask specifier."},
    };
    for (const auto& [pattern, message] : cases)
        EXPECT_EQ(TFilterToolsForm::CheckMaskText(pattern), message) << pattern;
}

TEST(FilterEditorTest, HavingValuesAreNormalised) {
    const std::pair<const char*, const char*> cases[] = {
        {"a;b", "a;b;"}, {"word;", "word"}, {";", ""}, {"plain", "plain"}, {"a;b;", "a;b;"}, {";a", ";a;"},
    };
    for (const auto& [value, normal] : cases)
        EXPECT_EQ(FilterEditor::NormaliseHaving(value), normal) << value;
}

class FilterEditorViewTest : public ::testing::Test {
protected:
    FilterEditorViewTest() {
        for (int id = 1; id <= 3; ++id) {
            const Lot lot(id, ("N" + std::to_string(id)).c_str(), id * 10);
            lots.UpdateRow(&lot);
        }
    }
    FilterEditor::Fault Check(const ColumnFilter& condition, const FilterEditor::AlertInput& alerts = {}) {
        lots.GetFilter().clear();
        lots.GetFilter().push_back(condition);
        FilterEditor editor(lots);
        return editor.ValidateFilters(alerts);
    }
    LotView lots;
};

TEST_F(FilterEditorViewTest, EachFaultHasItsMessageAndItsControl) {
    using Focus = FilterEditor::Focus;
    ColumnFilter compareNone = Condition("Amount", 0);
    compareNone.CompareColumn = true;
    ColumnFilter compareUnknown = compareNone;  // a name that an edited file left behind
    compareUnknown.CompareColumnName = "Nope";
    ColumnFilter compareRange = compareNone;
    compareRange.CompareColumnName = "Id";
    compareRange.Condition = 5;
    ColumnFilter noMin = Condition("Amount", 5);
    noMin.MaxValue = "5";
    ColumnFilter badMin = noMin;
    badMin.MinValue = "1";
    badMin.MaxValue = "x";
    ColumnFilter nullNumber = Condition("Amount", 0);
    nullNumber.MatchEmpty = true;
    const std::string numberFault = lots.CheckColumnText(2, "x");
    const char* emptyFault = lots.CheckColumnText(2, "");
    ASSERT_NE(emptyFault, nullptr);
    struct Case {
        ColumnFilter condition;
        std::string message;
        Focus focus;
    };
    const Case cases[] = {
        {compareNone, "You have to select the column title to compare.", Focus::CompareList},
        {compareUnknown, "You have to select the column title to compare.", Focus::CompareList},
        {compareRange, "You cannot select 'between' operator to define filter using columns comparison.",
         Focus::Condition},
        {noMin, "You have to provide valid filer data for a minimum and maximum value in the range.",
         Focus::MinValue},
        {badMin, numberFault, Focus::MinValue},
        {Condition("Amount", 4), "You have to provide valid filer value.", Focus::Value},
        {Condition("Name", 7), "You have to provide valid filer value.", Focus::Pattern},
        {Condition("Name", 6, ";"), "You have to provide valid filer value.", Focus::Value},
        {Condition("Amount", 1, "x"), numberFault, Focus::Value},
        {nullNumber, emptyFault, Focus::Value},
        {Condition("Name", 7, "N\\q"), "'\\q' is not a valid mask specifier.", Focus::Pattern},
        {Condition("Name", 8, "x"), "", Focus::None},
    };
    for (const Case& c : cases) {
        const FilterEditor::Fault fault = Check(c.condition);
        SCOPED_TRACE(c.message);
        EXPECT_TRUE(fault.failed);
        EXPECT_EQ(fault.message, c.message);
        EXPECT_EQ(fault.focus, c.focus);
        EXPECT_EQ(fault.columnName, c.condition.ColumnName);
    }
    ColumnFilter compareKnown = compareNone;
    compareKnown.CompareColumnName = "Id";
    EXPECT_FALSE(Check(compareKnown).failed);
    // A lone ';' with null values accepted is the empty value it stands for.
    ColumnFilter havingNull = Condition("Name", 6, ";");
    havingNull.MatchEmpty = true;
    EXPECT_FALSE(Check(havingNull).failed);
}

TEST_F(FilterEditorViewTest, AlertFaults) {
    using Focus = FilterEditor::Focus;
    EXPECT_EQ(Check(Condition("Amount", 1, "5"), {true, "", false, ""}).message,
              "You have to provide valid alert's warning message");
    EXPECT_EQ(Check(Condition("Amount", 1, "5"), {false, "", true, ""}).focus, Focus::SoundFile);
    lots.GetFilter().clear();
    FilterEditor editor(lots);
    const FilterEditor::Fault fault = editor.ValidateFilters({true, "Look", false, ""});
    EXPECT_EQ(fault.message, "You have to provide valid filter definition to set an alert");
    EXPECT_EQ(fault.focus, Focus::ColumnList);
    EXPECT_FALSE(Check(Condition("Amount", 1, "5"), {true, "Look", true, "a.wav"}).failed);
}

TEST_F(FilterEditorViewTest, AnEmptyListIsDroppedAndTheWalkStartsAgain) {
    FilterData& filters = lots.GetFilter();
    filters.push_back(Condition("Amount", 2));
    filters.push_back(Condition("Name", 6, ";"));
    FilterEditor editor(lots);
    // The "=" without values goes; the restart then refuses the lone ';' as typed, not emptied.
    const FilterEditor::Fault fault = editor.ValidateFilters({});
    EXPECT_EQ(fault.message, "You have to provide valid filer value.");
    EXPECT_EQ(fault.columnName, "Name");
    ASSERT_EQ(editor.Copy().size(), 1u);
    EXPECT_EQ(editor.Copy()[0].Value, ";");

    filters.clear();
    ColumnFilter list = Condition("Amount", 2, "stale");
    list.Values = {"10"};
    list.MinValue = "1";
    list.MinIncluded = true;
    filters.push_back(list);
    filters.push_back(Condition("Name", 6, "N1;N2"));
    ColumnFilter lower = Condition("Id", 1, "2");
    lower.Values = {"x"};
    filters.push_back(lower);
    FilterEditor passing(lots);
    EXPECT_FALSE(passing.ValidateFilters({}).failed);
    const FilterData& copy = passing.Copy();
    EXPECT_TRUE(copy[0].Value.empty() && copy[0].MinValue.empty() && !copy[0].MinIncluded);
    EXPECT_EQ(copy[1].Value, "N1;N2;");
    EXPECT_TRUE(copy[2].Values.empty());
    EXPECT_EQ(copy[2].Column, 0);
    EXPECT_TRUE(lots.GetFilter()[1].Value == "N1;N2");  // the view's set is untouched
}

TEST_F(FilterEditorViewTest, EditsGoToTheFirstConditionOfTheColumn) {
    lots.GetFilter().push_back(Condition("Amount", 2));
    FilterEditor editor(lots);
    using E = FilterEditor;
    EXPECT_FALSE(editor.ApplyEdit("Id", E::kValueChanged, {"x"}));
    EXPECT_TRUE(editor.ApplyEdit("Amount", E::kValueChecked, {"10", true}));
    EXPECT_TRUE(editor.ApplyEdit("Amount", E::kValueChecked, {"20", true}));
    EXPECT_TRUE(editor.ApplyEdit("Amount", E::kValueChecked, {"10", false}));
    EXPECT_TRUE(editor.ApplyEdit("Amount", E::kMinValueChanged, {"1"}));
    EXPECT_TRUE(editor.ApplyEdit("Amount", E::kMaxIncludedChanged, {"", true}));
    EXPECT_TRUE(editor.ApplyEdit("Amount", E::kAcceptNullChanged, {"", true}));
    EXPECT_TRUE(editor.ApplyEdit("Amount", E::kSearchOperatorChanged, {"", false, 1}));
    EXPECT_TRUE(editor.ApplyEdit("Amount", E::kCompareColumnChosen, {"Id"}));
    const ColumnFilter& f = editor.Copy()[0];
    EXPECT_EQ(f.Values, (StringVector{{"20"}}));
    EXPECT_EQ(f.MinValue, "1");
    EXPECT_TRUE(f.MaxIncluded && f.MatchEmpty && !f.MatchAny);
    EXPECT_EQ(f.CompareColumnName, "Id");

    editor.Copy()[0].Values = {"5", "20", "7"};
    editor.DropMissingValues("Amount", {{"10", "20", "30"}});
    EXPECT_EQ(editor.Copy()[0].Values, (StringVector{{"20"}}));
}

class FilterDialogTest : public GridWindowTest {
protected:
    FilterDialogTest() {
        main.onMessage = [this](uint32_t message, int32_t, int32_t) {
            changes += message == 0x8003;
            return 0;
        };
        MessageRouter::SetMainWindow(main.Handle());
    }
    ~FilterDialogTest() override { MessageRouter::SetMainWindow(0); }
    static int Entry(const TFilterForm& dialog, const std::string& text) {
        for (int i = 0; i < dialog.ColumnCheckListBox->Count(); ++i)
            if (dialog.ColumnCheckListBox->Item(i) == text) return i;
        return -1;
    }
    static void Click(TFilterForm& dialog, const std::string& text) {
        ClickItem(dialog.ColumnCheckListBox, Entry(dialog, text));
    }
    static void Check(TFilterForm& dialog, const std::string& text, bool checked = true) {
        ClickCheck(dialog.ColumnCheckListBox, Entry(dialog, text), checked);
    }
    Form main;
    int changes = 0;
};

TEST_F(FilterDialogTest, OpeningListsUserTitlesChecksFilteredColumnsAndHidesTheAlerts) {
    auto map = titles.GetTitleMap();
    map["Amount"].Title = "Sum";
    map.erase("Name");
    titles.SetTitleMap(map);
    Open(4);
    ColumnFilter sum = Condition("Amount", 3, "20");
    sum.DialogColumnItem = 1;
    view->GetFilter().push_back(sum);
    view->GetFilter().push_back(Condition("Name", 0, "N2"));
    ScriptedUi ui;
    ui.ExpectModal<TFilterForm>([&](TFilterForm& dialog) {
        EXPECT_EQ(window->AlertState, TBaseGridForm::kAlertBusy);
        EXPECT_EQ(Items(dialog.ColumnCheckListBox), (std::vector<std::string>{"Id", "Sum"}));
        EXPECT_TRUE(dialog.ColumnCheckListBox->IsChecked(1));
        EXPECT_FALSE(dialog.ColumnCheckListBox->IsChecked(0));
        EXPECT_EQ(dialog.ColumnCheckListBox->ItemIndex(), 1);  // selected when it last closed
        EXPECT_EQ(dialog.BoolOperatorsRadioGroup->ItemIndex(), 3);
        EXPECT_EQ(dialog.ToolsForm()->ValueEdit->Text(), "20");
        EXPECT_TRUE(dialog.ToolsForm()->ValuePanel->isVisibleTo(&dialog));
        EXPECT_TRUE(dialog.AlertsGroupBox->isHidden());
        EXPECT_TRUE(dialog.DeltaNowMinusTimeValueCheckBox->isHidden());
        TFilterForm alerting(nullptr, true, titles, *view);
        alerting.show();
        QApplication::processEvents();
        EXPECT_LT(dialog.height(), alerting.height());
        alerting.hide();
        EXPECT_FALSE(dialog.Modified());
        Click(dialog, "Id");
        dialog.buttons().CancelButton()->click();
    });
    window->FilterAction->Execute();
    EXPECT_EQ(window->AlertState, TBaseGridForm::kAlertIdle);
    EXPECT_EQ(view->GetFilter().front().DialogColumnItem, 0);  // the close query keeps the selection
    EXPECT_EQ(changes, 0);
}

// An exception that leaves the dialog while an editor panel is placed in it: the dialog goes
// before the editors it borrowed the panel from (the sanitizer sees any use of freed panels).
TEST_F(FilterDialogTest, AnExceptionLeavingTheDialogFreesItBeforeItsEditors) {
    Open(3);
    ScriptedUi ui;
    ui.ExpectModal<TFilterForm>([](TFilterForm& dialog) {
        Check(dialog, "Name");
        ASSERT_TRUE(dialog.ToolsForm()->ValueCheckListBox->isVisibleTo(&dialog));
        throw std::runtime_error("left the dialog");
    });
    EXPECT_THROW(window->FilterAction->Execute(), std::runtime_error);
}

TEST_F(FilterDialogTest, CheckingAColumnListsItsValuesOnceAndTheEditorsChangeTheCopy) {
    Open(4);
    ColumnFilter own = Condition("Amount", 2);
    own.Values = {"99", "20"};
    view->GetFilter().push_back(own);
    ScriptedUi ui;
    ui.ExpectModal<TFilterForm>([&](TFilterForm& dialog) {
        TFilterToolsForm& tools = *dialog.ToolsForm();
        Check(dialog, "Id");
        const ColumnFilter* id = nullptr;
        for (const ColumnFilter& f : dialog.WorkingCopy())
            if (f.ColumnName == "Id") id = &f;
        ASSERT_NE(id, nullptr);
        EXPECT_EQ(id->Condition, 2);
        EXPECT_EQ(Items(tools.ValueCheckListBox), (std::vector<std::string>{"1", "2", "3", "4"}));
        EXPECT_TRUE(tools.ValueCheckListBox->isVisibleTo(&dialog));
        EXPECT_TRUE(dialog.Modified());
        const int collected = ui.busyCalls;  // Amount's at the opening, Id's now
        EXPECT_EQ(collected, 2);
        Click(dialog, "Amount");
        EXPECT_EQ(Items(tools.ValueCheckListBox), (std::vector<std::string>{"10", "20", "30", "40", "99"}));
        EXPECT_TRUE(tools.ValueCheckListBox->IsChecked(1));
        EXPECT_TRUE(tools.ValueCheckListBox->IsChecked(4));
        Click(dialog, "Id");
        EXPECT_EQ(ui.busyCalls, collected);  // the values were kept

        ClickCheck(tools.ValueCheckListBox, 2);
        EXPECT_EQ(id->Values, (StringVector{{"3"}}));
        dialog.BoolOperatorsRadioGroup->Button(1)->click();
        EXPECT_EQ(id->Condition, 1);
        EXPECT_TRUE(tools.ValuePanel->isVisibleTo(&dialog));
        // "<=" offers Accept Null Value but not the search operators, which only "Having" shows.
        EXPECT_TRUE(tools.AcceptNullValueCheckBox->isVisibleTo(&dialog));
        EXPECT_FALSE(tools.mpSearchOperatorRadioGroup->isVisibleTo(&dialog));
        dialog.BoolOperatorsRadioGroup->Button(6)->click();
        EXPECT_TRUE(tools.AcceptNullValueCheckBox->isVisibleTo(&dialog));
        EXPECT_TRUE(tools.mpSearchOperatorRadioGroup->isVisibleTo(&dialog));
        dialog.BoolOperatorsRadioGroup->Button(1)->click();
        EXPECT_EQ(id->Condition, 1);
        EXPECT_TRUE(tools.AcceptNullValueCheckBox->isVisibleTo(&dialog));
        EXPECT_FALSE(tools.mpSearchOperatorRadioGroup->isVisibleTo(&dialog));
        tools.ValueEdit->SetText("3");
        EXPECT_EQ(id->Value, "3");
        tools.SuspendNotifications();
        tools.ValueEdit->SetText("x");
        EXPECT_EQ(id->Value, "3");
        tools.ResumeNotifications();
        dialog.NegationCheckBox->click();
        EXPECT_TRUE(id->Negation);
        dialog.FilterNegationCheckBox->click();
        dialog.buttons().OkButton()->click();
    });
    window->FilterAction->Execute();
    ASSERT_EQ(view->GetFilter().size(), 2u);
    EXPECT_EQ(view->GetFilter()[1].Value, "3");
    EXPECT_TRUE(view->GetFilter()[1].Values.empty());
    EXPECT_TRUE(view->GetFilterNegation());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(window->AlertState, TBaseGridForm::kAlertIdle);
}

namespace {

// Lots whose amount column reports the kind a test chooses.
class KindedLotView : public LotView {
public:
    int GetColumnKind(int field) const override {
        return field == 2 ? amountKind : LotView::GetColumnKind(field);
    }
    int amountKind = MInterface::kNumber;
};

// A window whose filter dialog offers the alerts and the delta box.
class AlertingWindow : public TestGridWindow {
public:
    using TestGridWindow::TestGridWindow;
    bool SupportsFilterAlerts() override { return true; }
};

}  // namespace

// The delta box is offered on time and date-time columns only; checking it starts the offset at one
// minute and takes away the conditions and the column comparison that an offset cannot use.
TEST_F(FilterDialogTest, TheDeltaBoxIsOfferedOnTimeColumnsAndStartsAtOneMinute) {
    const std::pair<int, bool> cases[] = {
        {MInterface::kTime, true},    {MInterface::kDateTime, true}, {MInterface::kNumber, false},
        {MInterface::kString, false}, {MInterface::kOther, false},
    };
    for (const auto& [kind, offered] : cases) {
        SCOPED_TRACE(kind);
        auto* lots = new KindedLotView;
        lots->amountKind = kind;
        for (int id = 1; id <= 3; ++id) Put(*lots, id, id * 10);
        view = lots;
        window = new AlertingWindow(&area, nullptr, Config(), &titles, lots);
        window->Show();
        ScriptedUi ui;
        ui.ExpectModal<TFilterForm>([&, offered = offered](TFilterForm& dialog) {
            TFilterToolsForm& tools = *dialog.ToolsForm();
            CheckBox* delta = dialog.DeltaNowMinusTimeValueCheckBox;
            EXPECT_TRUE(delta->isVisibleTo(&dialog));
            Check(dialog, "Amount");
            EXPECT_EQ(delta->isEnabled(), offered);
            EXPECT_TRUE(dialog.CompareWithColumnValueCheckBox->isEnabled());
            if (offered) {
                delta->click();
                const ColumnFilter& amount = dialog.WorkingCopy().front();
                EXPECT_TRUE(amount.UseDeltaTime);
                EXPECT_EQ(amount.Value, "00:01:00");
                EXPECT_TRUE(tools.ValuePanel->isVisibleTo(&dialog));
                EXPECT_EQ(tools.ValueEdit->Text(), "00:01:00");
                EXPECT_FALSE(dialog.BoolOperatorsRadioGroup->Button(6)->isEnabled());  // Having
                EXPECT_FALSE(dialog.BoolOperatorsRadioGroup->Button(7)->isEnabled());  // Is Like
                EXPECT_TRUE(dialog.BoolOperatorsRadioGroup->Button(1)->isEnabled());
                EXPECT_FALSE(dialog.CompareWithColumnValueCheckBox->isEnabled());
                EXPECT_FALSE(dialog.CompareWithColumnValueCheckBox->Checked());
            }
            dialog.buttons().CancelButton()->click();
        });
        window->FilterAction->Execute();
        EXPECT_EQ(ui.Pending(), 0u);
        delete window->SubWindow();
    }
}

TEST_F(FilterDialogTest, AnInvalidConditionKeepsTheDialogOpenOnItAndOkThenWritesTheCopy) {
    Open(5);
    ScriptedUi ui;
    ui.ExpectModal<TFilterForm>([&](TFilterForm& dialog) {
        TFilterToolsForm& tools = *dialog.ToolsForm();
        Check(dialog, "Name");
        Check(dialog, "Amount");
        dialog.BoolOperatorsRadioGroup->Button(5)->click();  // Between
        tools.MinValueEdit->SetText("1");
        tools.MaxValueEdit->SetText("x");
        Click(dialog, "Name");
        ui.ExpectBox("Invalid Filter Data", "Invalid numeric value!", BoxIcon::Error, BoxButtons::Ok, mrOk);
        dialog.buttons().OkButton()->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.ColumnCheckListBox->Item(dialog.ColumnCheckListBox->ItemIndex()), "Amount");
        EXPECT_EQ(dialog.WorkingCopy().size(), 1u);  // the "=" on Name without values went first
        EXPECT_TRUE(view->GetFilter().empty());
        tools.MaxValueEdit->SetText("30");
        tools.MinValueIncludedCheckBox->click();
        dialog.buttons().OkButton()->click();
    });
    window->FilterAction->Execute();
    ASSERT_EQ(view->GetFilter().size(), 1u);
    EXPECT_EQ(view->GetFilter()[0].Condition, 5);
    EXPECT_TRUE(view->GetFilter()[0].MinIncluded);
    EXPECT_EQ(view->GetDisplayedRowCount(), 3);  // 10 and 20
}

TEST_F(FilterDialogTest, OkWithNothingCheckedEmptiesTheSetAndCancelWritesOnlyTheNegation) {
    Open(3);
    view->GetFilter().push_back(Condition("Amount", 1, "20"));
    view->SetFilterNegation(true);
    ScriptedUi ui;
    ui.ExpectModal<TFilterForm>([&](TFilterForm& dialog) {
        dialog.findChild<Action*>("ClearAllFiltersAction")->Execute();
        EXPECT_TRUE(dialog.WorkingCopy().empty());
        EXPECT_FALSE(dialog.ColumnCheckListBox->IsChecked(Entry(dialog, "Amount")));
        dialog.buttons().CancelButton()->click();
    });
    window->FilterAction->Execute();
    EXPECT_EQ(view->GetFilter().size(), 1u);  // Cancel: the conditions stay
    EXPECT_FALSE(view->GetFilterNegation());  // the box was cleared

    ui.ExpectModal<TFilterForm>([&](TFilterForm& dialog) {
        dialog.FilterNegationCheckBox->click();
        Check(dialog, "Amount", false);
        dialog.buttons().OkButton()->click();
    });
    window->FilterAction->Execute();
    EXPECT_TRUE(view->GetFilter().empty());
    EXPECT_FALSE(view->GetFilterNegation());
    EXPECT_EQ(view->GetDisplayedRowCount(), 4);
}

TEST_F(FilterDialogTest, TheComparisonListIsBuiltByKindAndOnlyAChosenColumnEnablesOk) {
    Open(3);
    view->GetFilter().push_back(Condition("Amount", 1, "20"));
    ScriptedUi ui;
    ui.ExpectModal<TFilterForm>([&](TFilterForm& dialog) {
        TFilterToolsForm& tools = *dialog.ToolsForm();
        Click(dialog, "Amount");
        dialog.CompareWithColumnValueCheckBox->click();
        EXPECT_FALSE(dialog.Modified());
        EXPECT_TRUE(tools.ColumnListBox->isVisibleTo(&dialog));
        EXPECT_EQ(Items(tools.ColumnListBox), (std::vector<std::string>{"Amount", "Id"}));
        ClickItem(tools.ColumnListBox, 1);
        EXPECT_TRUE(dialog.Modified());
        dialog.buttons().OkButton()->click();
    });
    window->FilterAction->Execute();
    ASSERT_EQ(view->GetFilter().size(), 1u);
    EXPECT_TRUE(view->GetFilter()[0].CompareColumn);
    EXPECT_EQ(view->GetFilter()[0].CompareColumnIndex, 0);
    EXPECT_EQ(view->GetDisplayedRowCount(), 1);  // no amount is below its id
}

TEST_F(FilterDialogTest, AComparisonWithAColumnOutsideTheFieldsMatchesNothing) {
    Open(3);
    ColumnFilter f = Condition("Amount", 3);
    f.CompareColumn = true;
    f.CompareColumnName = "Nope";
    f.CompareColumnIndex = 7;
    view->GetFilter().push_back(f);
    window->ApplyFilters();
    EXPECT_EQ(view->GetDisplayedRowCount(), 1);
    view->GetFilter()[0].Negation = true;
    window->ApplyFilters();
    EXPECT_EQ(view->GetDisplayedRowCount(), 1);
}

TEST_F(FilterDialogTest, AlertsOnAWindowThatSupportsThem) {
    struct Alerting : TestGridWindow {
        using TestGridWindow::TestGridWindow;
        bool SupportsFilterAlerts() override { return true; }
    };
    OpenAs<Alerting>(3);
    ScriptedUi ui;
    ui.ExpectModal<TFilterForm>([&](TFilterForm& dialog) {
        EXPECT_FALSE(dialog.AlertsGroupBox->isHidden());
        EXPECT_FALSE(dialog.SoundAlertFilenameEdit->isEnabled());
        dialog.EnablePopupAlertCheckbox->click();
        EXPECT_TRUE(dialog.PopupAlertMessageEdit->isEnabled());
        ui.ExpectBox("Invalid Filter Data", "You have to provide valid alert's warning message",
                     BoxIcon::Error, BoxButtons::Ok, mrOk);
        dialog.buttons().OkButton()->click();
        dialog.PopupAlertMessageEdit->SetText("Look");
        dialog.EnableSoundAlertCheckBox->click();
        ui.ExpectOpenFile(std::string("/tmp/bell.wav"));
        dialog.ChooseSoundAlertFilenameButton->click();
        EXPECT_TRUE(dialog.WorkingCopy().SoundAlertEnabled);
        EXPECT_EQ(dialog.SoundAlertFilenameEdit->Text(), "/tmp/bell.wav");
        dialog.EnableSoundAlertCheckBox->click();
        EXPECT_TRUE(dialog.SoundAlertFilenameEdit->Text().empty());
        ui.ExpectBox("Invalid Filter Data", "You have to provide valid filter definition to set an alert",
                     BoxIcon::Error, BoxButtons::Ok, mrOk);
        dialog.buttons().OkButton()->click();
        Check(dialog, "Id");
        ClickCheck(dialog.ToolsForm()->ValueCheckListBox, 0);
        dialog.buttons().OkButton()->click();
    });
    window->FilterAction->Execute();
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].title, "Alert Sound File");
    EXPECT_EQ(ui.fileDialogs[0].filter, "Alert Sound Files (*.wav)|*.wav");
    const FilterData& set = view->GetFilter();
    EXPECT_TRUE(set.PopupAlertEnabled);
    EXPECT_EQ(set.PopupAlertMessage, "Look");
    EXPECT_FALSE(set.SoundAlertEnabled);  // the box decides at OK
    EXPECT_EQ(set.size(), 1u);
}

TEST_F(FilterDialogTest, AnEditedSetSavedWithTheWindowShowsTheSameConditionsInANewWindow) {
    Open(4);
    ScriptedUi ui;
    ui.ExpectModal<TFilterForm>([&](TFilterForm& dialog) {
        Check(dialog, "Name");
        dialog.BoolOperatorsRadioGroup->Button(6)->click();  // Having
        dialog.ToolsForm()->ValueEdit->SetText("N1;N3");
        dialog.buttons().OkButton()->click();
    });
    window->FilterAction->Execute();
    EXPECT_EQ(view->GetDisplayedRowCount(), 3);
    {
        BaseIniFile file(dir.File("Korvane.ini"));
        window->SaveWindowConfig(file);
    }
    delete window->SubWindow();
    Open(4);
    ui.ExpectModal<TFilterForm>([&](TFilterForm& dialog) {
        EXPECT_TRUE(dialog.ColumnCheckListBox->IsChecked(Entry(dialog, "Name")));
        Click(dialog, "Name");
        EXPECT_EQ(dialog.BoolOperatorsRadioGroup->ItemIndex(), 6);
        EXPECT_EQ(dialog.ToolsForm()->ValueEdit->Text(), "N1;N3;");
        dialog.buttons().CancelButton()->click();
    });
    window->FilterAction->Execute();
}

}  // namespace
