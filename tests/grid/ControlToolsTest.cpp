#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "EntryForm.h"
#include "fields/WindowTools.h"
#include "grid/ControlTools.h"
#include "support/ScopedTimeZone.h"
#include "toolkit/Action.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/ListBox.h"

namespace {

TEST(ControlTools, RevealControlActivatesAHiddenTabPageAndStopsAtADisabledControl) {
    EntryForm form;
    EXPECT_FALSE(form.SecondPageShown());
    EXPECT_TRUE(RevealControl(form.cityEdit));
    EXPECT_TRUE(form.SecondPageShown());

    form.ShowFirstPage();
    form.second->setEnabled(false);
    EXPECT_FALSE(RevealControl(form.cityEdit));
    FocusIfReachable(form.cityEdit);
    EXPECT_EQ(form.Focused(), form.firstEdit);

    form.second->setEnabled(true);
    form.cityEdit->setEnabled(false);
    EXPECT_FALSE(RevealControl(form.cityEdit));
    form.cityEdit->setEnabled(true);
    form.cityEdit->hide();  // hidden, and no tab page: passed through to its visible parent
    form.ShowFirstPage();
    EXPECT_TRUE(RevealControl(form.cityEdit));
    EXPECT_TRUE(form.SecondPageShown());
    form.hide();
    EXPECT_FALSE(RevealControl(form.firstEdit));

    form.ShowModeless();
    form.ShowFirstPage();
    form.cityEdit->show();
    FocusIfReachable(form.cityEdit);
    EXPECT_EQ(form.Focused(), form.cityEdit);
}

TEST(ControlTools, ReadControlTextGivesItsThreeResults) {
    struct Case {
        const char* text;
        bool mandatory;
        int result;
        const char* read;
        const char* message;
    };
    const Case cases[] = {
        {"  Lyon\t", true, 0, "Lyon", ""},
        {" a b ", false, 0, "a b", ""},
        {"   ", false, 1, "", ""},
        {"", false, 1, "", ""},
        {" \t  ", true, 2, "", "No value specified for field City"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EntryForm form;
        form.cityEdit->setText(c.text);
        std::string text = "stale";
        std::string message = "stale";
        EXPECT_EQ(ReadControlText(text, form.cityEdit, form.cityLabel, message, c.mandatory), c.result);
        EXPECT_EQ(text, c.read);
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(form.Focused() == form.cityEdit, c.result == 2);
        EXPECT_EQ(form.SecondPageShown(), c.result == 2);
    }
}

TEST(ControlTools, SelectComboBoxItemTakesTheFirstExactMatch) {
    ComboBox box(nullptr, "Box");
    for (const char* item : {"alpha", "Beta", "beta", "Beta"}) box.AddItem(item);
    box.SetItemIndex(2);
    EXPECT_EQ(SelectComboBoxItem(&box, "BETA"), -1);
    EXPECT_EQ(box.ItemIndex(), 2);
    EXPECT_EQ(SelectComboBoxItem(&box, "Bet"), -1);
    EXPECT_EQ(SelectComboBoxItem(&box, "Beta"), 1);
    EXPECT_EQ(box.ItemIndex(), 1);
    EXPECT_EQ(SelectComboBoxItem(&box, "alpha"), 0);
    EXPECT_EQ(box.ItemIndex(), 0);
}

std::vector<std::string> Texts(const ListBox& box) {
    std::vector<std::string> texts;
    for (int i = 0; i < box.Count(); ++i) texts.push_back(box.Item(i));
    return texts;
}

TEST(ControlTools, MoveCheckListItemMovesTextsAndCheckStatesAndClampsTheTarget) {
    struct Case {
        int current;
        int delta;
        bool result;
        std::vector<std::string> texts;
        std::vector<bool> checks;
        int after;
    };
    const Case cases[] = {
        {1, -1, true, {"b", "a", "c"}, {false, true, false}, 0},
        {1, +1, true, {"a", "c", "b"}, {true, false, false}, 2},
        {0, -1, true, {"a", "b", "c"}, {true, false, false}, 0},
        {2, +5, true, {"a", "b", "c"}, {true, false, false}, 2},
        {2, -7, true, {"c", "b", "a"}, {false, false, true}, 0},
        {-1, +1, false, {"a", "b", "c"}, {true, false, false}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.current << " by " << c.delta);
        CheckListBox box(nullptr, "Columns");
        for (const char* item : {"a", "b", "c"}) box.AddItem(item);
        box.SetChecked(0, true);
        box.SetItemIndex(c.current);
        EXPECT_EQ(MoveCheckListItem(&box, c.delta), c.result);
        EXPECT_EQ(Texts(box), c.texts);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(box.IsChecked(i), c.checks[i]) << i;
        EXPECT_EQ(box.ItemIndex(), c.after);
    }
    ListBox single(nullptr, "Single");
    single.AddItem("only");
    single.SetItemIndex(0);
    EXPECT_FALSE(MoveCheckListItem(&single, 1));
    ListBox plain(nullptr, "Plain");
    plain.AddItem("x");
    plain.AddItem("y");
    plain.SetItemIndex(0);
    EXPECT_TRUE(MoveCheckListItem(&plain, 1));
    EXPECT_EQ(Texts(plain), (std::vector<std::string>{"y", "x"}));
    EXPECT_EQ(plain.ItemIndex(), 1);
}

TEST(ControlTools, ShowControlWithLabelAndDisableMenuItemDisableEitherWay) {
    for (bool visible : {true, false}) {
        EntryForm form;
        form.tabs->setCurrentWidget(form.second);
        ShowControlWithLabel(form.cityEdit, form.cityLabel, visible);
        EXPECT_FALSE(form.cityEdit->isEnabled());
        EXPECT_FALSE(form.cityLabel->isEnabled());
        EXPECT_EQ(form.cityEdit->isVisible(), visible);
        EXPECT_EQ(form.cityLabel->isVisible(), visible);
        ShowControlWithLabel(form.riskCombo, nullptr, visible);
        EXPECT_FALSE(form.riskCombo->isEnabled());

        QAction item("Import", nullptr);
        DisableMenuItem(&item, visible);
        EXPECT_FALSE(item.isEnabled());
        EXPECT_EQ(item.isVisible(), visible);
        Action action(nullptr, "Export");
        DisableMenuItem(&action, visible);
        EXPECT_FALSE(action.Enabled());
        EXPECT_EQ(action.isVisible(), visible);
    }
}

TEST(ControlTools, AppendFieldErrorFocusesAndAppendsWithoutSeparator) {
    EntryForm form;
    std::string error = "kept";
    EXPECT_FALSE(AppendFieldError(form.cityEdit, form.cityLabel, error, ""));
    EXPECT_FALSE(AppendFieldError(form.cityEdit, form.cityLabel, error, nullptr));
    EXPECT_EQ(error, "kept");
    EXPECT_EQ(form.Focused(), form.firstEdit);
    EXPECT_FALSE(form.SecondPageShown());
    error.clear();
    EXPECT_TRUE(AppendFieldError(form.cityEdit, form.cityLabel, error, "Invalid value!"));
    EXPECT_EQ(form.Focused(), form.cityEdit);
    EXPECT_TRUE(AppendFieldError(form.riskCombo, form.riskLabel, error, "Invalid enum [x]"));
    EXPECT_EQ(error, "City - Invalid value!Risk: - Invalid enum [x]");
    EXPECT_EQ(form.Focused(), form.riskCombo);
}

FormDateTime PickerDate(const DateTimePicker& picker) {
    return FromQDate(picker.Date());
}

TEST(ControlTools, DatePickerSetUpsKeepWithinTheSupportedDates) {
    struct Zone {
        const char* zone;
        FormDateTime earliest;
    };
    const Zone zones[] = {{kZoneUtc, FormDateTime::Date(1980, 1, 1)},
                          {kZoneBerlin, FormDateTime::Date(1980, 1, 1)},
                          {kZoneNewYork, FormDateTime::Date(1979, 12, 31)}};
    for (const Zone& z : zones) {
        SCOPED_TRACE(z.zone);
        ScopedTimeZone tz(z.zone);
        const FormDateTime latest = DateToDateTime(GetLatestDate());
        DateTimePicker picker(nullptr, "Picker");

        SetDatePickerRange(&picker, MDate("19700101"), MDate("20300101"), FormDateTime::Date(1975, 5, 5));
        EXPECT_EQ(FromQDate(picker.minimumDate()), z.earliest);
        EXPECT_EQ(FromQDate(picker.maximumDate()), FormDateTime::Date(2030, 1, 1));
        EXPECT_EQ(PickerDate(picker), z.earliest);
        EXPECT_EQ(picker.time(), QTime(0, 0));

        SetDatePickerRange(&picker, MDate("20200101"), GetLatestDate(), FormDateTime::Date(2021, 2, 3));
        EXPECT_EQ(FromQDate(picker.minimumDate()), FormDateTime::Date(2020, 1, 1));
        EXPECT_EQ(FromQDate(picker.maximumDate()), latest);
        EXPECT_EQ(PickerDate(picker), FormDateTime::Date(2021, 2, 3));

        // A date after the maximum is not lowered by the set-up; the picker holds it at its maximum.
        SetDatePickerMaximum(&picker, MDate("20210101"), FormDateTime::Date(1960, 1, 1),
                             FormDateTime::Date(2025, 1, 1));
        EXPECT_EQ(FromQDate(picker.minimumDate()), z.earliest);
        EXPECT_EQ(FromQDate(picker.maximumDate()), FormDateTime::Date(2021, 1, 1));
        EXPECT_EQ(PickerDate(picker), FormDateTime::Date(2021, 1, 1));

        SetDatePickerFromPoint(&picker, MDate("20100101"), MDate("20200101"),
                               MDateTimeTimePoint("2015/06/07 08:09:10"));
        EXPECT_EQ(FromQDate(picker.minimumDate()), FormDateTime::Date(2010, 1, 1));
        EXPECT_EQ(PickerDate(picker), FormDateTime::Date(2015, 6, 7));
        EXPECT_EQ(picker.time(), QTime(0, 0));
        EXPECT_EQ(FromQDate(picker.maximumDate()), FormDateTime::Date(2020, 1, 1));

        // A point before the minimum leaves the picker's minimum as it was.
        SetDatePickerFromPoint(&picker, MDate("20120101"), MDate("20200101"),
                               MDateTimeTimePoint("2011/01/01 00:00:00"));
        EXPECT_EQ(FromQDate(picker.minimumDate()), FormDateTime::Date(2010, 1, 1));
        EXPECT_EQ(PickerDate(picker), FormDateTime::Date(2011, 1, 1));
        // The picker's own minimum holds the raised date up to it.
        SetDatePickerFromPoint(&picker, MDate("19700101"), MDate("20200101"),
                               MDateTimeTimePoint("1975/01/01 00:00:00"));
        EXPECT_EQ(PickerDate(picker), FormDateTime::Date(2010, 1, 1));
        DateTimePicker fresh(nullptr, "Fresh");
        fresh.SetMinDate(QDate(1900, 1, 1));
        SetDatePickerFromPoint(&fresh, MDate("19700101"), MDate("20200101"),
                               MDateTimeTimePoint("1975/01/01 00:00:00"));
        EXPECT_EQ(FromQDate(fresh.minimumDate()), FormDateTime::Date(1900, 1, 1));
        EXPECT_EQ(PickerDate(fresh), z.earliest);

        DateTimePicker timePicker(nullptr, "TimePicker", DateTimePicker::Kind::Time);
        SetDatePickerFromPoint(&timePicker, MDate("20100101"), MDate("20200101"),
                               MDateTimeTimePoint("2015/06/07 08:09:10.250"));
        EXPECT_EQ(timePicker.time(), QTime(8, 9, 10, 250));
    }
}

}  // namespace
