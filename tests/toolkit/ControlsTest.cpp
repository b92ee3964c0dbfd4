// The controls' event rules, both ways: events that fire on a programmatic change, and events
// that stay silent on one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include "guisupport/Keyboard.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/Edit.h"
#include "toolkit/ListBox.h"
#include "toolkit/Memo.h"
#include "toolkit/MonthCalendar.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/SortCollation.h"
#include "toolkit/StatusPanels.h"
#include "toolkit/UpDownEdit.h"

namespace {

TEST(Edit, ChangeFiresWhenTheUserTypesAndWhenTheProgramSetsTheText) {
    Edit edit(nullptr, "NameEdit");
    int changes = 0;
    edit.onChange = [&] { ++changes; };
    edit.SetText("abc");
    EXPECT_EQ(changes, 1);
    QTest::keyClicks(&edit, "d");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(edit.Text(), "abcd");
    EXPECT_EQ(edit.objectName(), "NameEdit");
}

TEST(Edit, MaximumLengthAndPasswordEcho) {
    Edit edit;
    edit.SetMaxLength(3);
    QTest::keyClicks(&edit, "abcdef");
    EXPECT_EQ(edit.Text(), "abc");
    edit.SetPassword(true);
    EXPECT_EQ(edit.echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit.Text(), "abc");
}

TEST(Memo, RefusesTypedAndDropsPastedCharactersOutsideTheCodePage) {
    Memo memo;
    TypeText(&memo, QString::fromUtf8("a\u0142b\u20AC"));
    EXPECT_EQ(memo.Text(), "ab\x80");
    QGuiApplication::clipboard()->setText(QString::fromUtf8("c\u0142d"));
    memo.paste();
    EXPECT_EQ(memo.Text(),
              "ab\x80"
              "cd");
    memo.SetText("x");
    memo.AddLine("y");
    EXPECT_EQ(memo.Text(), "x\ny");
}

TEST(CheckBox, ClickFiresOnTheUsersClickAndOnAProgrammaticChange) {
    CheckBox box(nullptr, "ActiveCheck", "&Active");
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box.SetChecked(true);  // no change, no click
    EXPECT_EQ(clicks, 1);
    box.click();
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box.Checked());
}

TEST(RadioGroup, IndexMinusOneForNoneClickOnEveryChangeItemsEnabledOneByOne) {
    RadioGroup group(nullptr, "ModeGroup", "Mode");
    group.SetItems({"&One", "&Two", "T&hree"});
    int clicks = 0;
    group.onClick = [&] { ++clicks; };
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(1);
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_FALSE(group.Button(1)->isChecked());
    EXPECT_EQ(clicks, 2);
    group.SetItemIndex(-1);
    EXPECT_EQ(clicks, 2);
    group.Button(2)->click();  // the user's click
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_EQ(clicks, 3);
    group.SetItemEnabled(0, false);
    EXPECT_FALSE(group.Button(0)->isEnabled());
    EXPECT_TRUE(group.Button(1)->isEnabled());
}

TEST(SortCollation, CaseInsensitiveOnAsciiTiesInByteOrder) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {{"abc", "ABD", -1}, {"ABC", "abc", -1}, {"abc", "abc", 0},   {"Zeta", "alpha", 1},
                 {"ab", "ABC", -1},  {"_x", "ax", 1},    {"\xE9", "\xC9", 1}, {"b", "\xE9", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(CompareSortText(c.a, c.b), c.expected);
        EXPECT_EQ(CompareSortText(c.b, c.a), -c.expected);
    }
}

TEST(SortedLists, ListAndComboKeepTheSharedOrder) {
    ListBox list(nullptr, "Titles", true);
    ComboBox combo(nullptr, "TitleCombo", ComboBox::Style::DropDownList, true);
    for (const char* item : {"beta", "Alpha", "alpha", "ALPHA", "Gamma", "_under"}) {
        list.AddItem(item);
        combo.AddItem(item);
    }
    std::vector<std::string> expected = {"ALPHA", "Alpha", "alpha", "beta", "Gamma", "_under"};
    for (int i = 0; i < int(expected.size()); ++i) {
        EXPECT_EQ(list.Item(i), expected[i]);
        EXPECT_EQ(combo.Item(i), expected[i]);
    }
}

int SelectFirst(ComboBox& box, const std::string& text) {
    box.SetText(text);
    return box.ItemIndex();
}

TEST(ComboBox, BatchFillGivesTheOrderOfOneByOneAndKeepsTheChoice) {
    const std::vector<std::string> first = {"beta", "Alpha", "_under"};
    const std::vector<std::string> batch = {"alpha", "ALPHA", "Gamma", "beta", "", "\xE9t\xE9"};
    for (bool sorted : {true, false}) {
        SCOPED_TRACE(sorted ? "sorted" : "unsorted");
        ComboBox oneByOne(nullptr, "OneByOne", ComboBox::Style::DropDownList, sorted);
        ComboBox batched(nullptr, "Batched", ComboBox::Style::DropDownList, sorted);
        for (const std::string& item : first) {
            oneByOne.AddItem(item);
            batched.AddItem(item);
        }
        batched.SetText("beta");
        for (const std::string& item : batch) oneByOne.AddItem(item);
        batched.AddItems(batch);
        ASSERT_EQ(batched.Count(), oneByOne.Count());
        for (int i = 0; i < oneByOne.Count(); ++i) EXPECT_EQ(batched.Item(i), oneByOne.Item(i)) << i;
        // The earlier "beta" stays chosen, before the equal one added later.
        EXPECT_EQ(batched.Text(), "beta");
        EXPECT_EQ(batched.ItemIndex(), SelectFirst(oneByOne, "beta"));
    }
    ComboBox none(nullptr, "NoChoice", ComboBox::Style::DropDownList, true);
    none.AddItems(batch);
    EXPECT_EQ(none.ItemIndex(), -1);  // a batch chooses nothing either
    ComboBox typed(nullptr, "Typed", ComboBox::Style::DropDown, true);
    typed.SetText("my text");
    typed.AddItems(batch);
    EXPECT_EQ(typed.ItemIndex(), -1);
    EXPECT_EQ(typed.Text(), "my text");
}

TEST(ComboBox, DropDownTakesTypedTextDropDownListOnlyItemsIndexMinusOneForNone) {
    ComboBox list(nullptr, "KindCombo");
    list.AddItem("One");
    list.AddItem("Two");
    EXPECT_EQ(list.ItemIndex(), -1);  // the program chooses, never the first item by itself
    list.SetText("Two");
    EXPECT_EQ(list.ItemIndex(), 1);
    list.SetText("Three");
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Text(), "");
    list.SetItemIndex(0);
    EXPECT_EQ(list.Text(), "One");
    list.SetItemIndex(7);
    EXPECT_EQ(list.ItemIndex(), -1);

    ComboBox typed(nullptr, "HostCombo", ComboBox::Style::DropDown);
    typed.AddItem("alpha");
    int changes = 0;
    typed.onChange = [&] { ++changes; };
    typed.SetText("free text");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(typed.Text(), "free text");
    EXPECT_EQ(typed.ItemIndex(), -1);
    TypeText(typed.lineEdit(), QString::fromUtf8("!\u4E2D"));
    EXPECT_EQ(typed.Text(), "free text!");
    EXPECT_EQ(changes, 1);
    QTest::keyClick(typed.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(typed.Count(), 1);  // typed text is not added to the items
}

TEST(ListBox, ClickFiresForTheUserOnly) {
    ListBox list(nullptr, "Fields");
    list.AddItem("a");
    list.AddItem("b");
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.SetItemIndex(1);
    EXPECT_EQ(list.ItemIndex(), 1);
    list.SetItemIndex(-1);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(clicks, 0);
    list.setFocus();
    list.SetItemIndex(0);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST(CheckListBox, UserTogglesCycleThreeStatesAndFireProgrammaticChecksStaySilent) {
    CheckListBox list(nullptr, "Columns");
    list.SetAllowGrayed(true);
    list.AddItem("first");
    list.AddItem("second");
    std::vector<int> toggled;
    list.onClickCheck = [&](int index) { toggled.push_back(index); };

    list.SetItemState(0, CheckListBox::Checked);
    list.SetItemState(1, CheckListBox::Grayed);
    list.SetChecked(1, false);
    EXPECT_TRUE(toggled.empty());
    EXPECT_EQ(list.ItemState(0), CheckListBox::Checked);
    EXPECT_EQ(list.ItemState(1), CheckListBox::Unchecked);

    list.SetItemIndex(1);
    CheckListBox::State cycle[] = {CheckListBox::Grayed, CheckListBox::Checked, CheckListBox::Unchecked};
    for (CheckListBox::State expected : cycle) {
        QTest::keyClick(&list, Qt::Key_Space);
        EXPECT_EQ(list.ItemState(1), expected);
    }
    EXPECT_EQ(toggled, (std::vector<int>{1, 1, 1}));
    list.SetItemText(1, "renamed");  // not a toggle
    EXPECT_EQ(toggled.size(), 3u);

    CheckListBox twoStates;
    twoStates.AddItem("only");
    twoStates.SetItemIndex(0);
    QTest::keyClick(&twoStates, Qt::Key_Space);
    EXPECT_EQ(twoStates.ItemState(0), CheckListBox::Checked);
    QTest::keyClick(&twoStates, Qt::Key_Space);
    EXPECT_EQ(twoStates.ItemState(0), CheckListBox::Unchecked);
}

TEST(CheckListBox, AMouseClickInTheCheckBoxTogglesWithoutMovingTheCurrentItem) {
    CheckListBox list(nullptr, "Values", true);
    list.AddItems({"b", "a", "c"});
    list.show();
    QApplication::processEvents();
    list.SetItemIndex(0);
    int clicks = 0;
    std::vector<int> toggled;
    list.onClick = [&] { ++clicks; };
    list.onClickCheck = [&](int index) { toggled.push_back(index); };
    const auto clickBox = [&](int index) {
        QStyleOptionViewItem option;
        option.initFrom(list.viewport());
        option.rect = list.visualRect(list.model()->index(index, 0));
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        const QRect box = list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, box.center());
    };
    clickBox(1);
    EXPECT_TRUE(list.IsChecked(1));
    EXPECT_EQ(list.Item(1), "b");
    clickBox(1);
    EXPECT_FALSE(list.IsChecked(1));
    EXPECT_EQ(toggled, (std::vector<int>{1, 1}));
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(clicks, 0);
    // A click on the text beside the box makes the item current without toggling it.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(list.model()->index(2, 0)).topRight() + QPoint(-2, 2));
    EXPECT_EQ(list.ItemIndex(), 2);
    EXPECT_FALSE(list.IsChecked(2));
    EXPECT_EQ(toggled.size(), 2u);
    EXPECT_EQ(clicks, 1);
}

TEST(CheckListBox, FillsInAnyOrderGiveTheOrderOfOneByOneAndStatesStayWithTheirItems) {
    const std::vector<std::string> first = {"beta", "Alpha", "_under"};
    const std::vector<std::string> batch = {"alpha", "ALPHA", "Gamma", "beta", "", "\xE9t\xE9"};
    for (bool sorted : {true, false}) {
        SCOPED_TRACE(sorted ? "sorted" : "unsorted");
        CheckListBox oneByOne(nullptr, "OneByOne", sorted);
        CheckListBox batched(nullptr, "Batched", sorted);
        for (const std::string& item : first) oneByOne.AddItem(item);
        batched.AddItems(first);
        const int beta = sorted ? 1 : 0;
        ASSERT_EQ(batched.Item(beta), "beta");
        batched.SetChecked(beta, true);
        batched.SetItemIndex(beta);
        for (const std::string& item : batch) oneByOne.AddItem(item);
        batched.AddItems(batch);
        ASSERT_EQ(batched.Count(), oneByOne.Count());
        int checked = -1;
        for (int i = 0; i < oneByOne.Count(); ++i) {
            EXPECT_EQ(batched.Item(i), oneByOne.Item(i)) << i;
            if (batched.IsChecked(i)) checked = checked < 0 ? i : -2;
        }
        // The earlier "beta" keeps its check and stays current, before the equal one added later.
        EXPECT_EQ(batched.Item(checked), "beta");
        EXPECT_FALSE(batched.IsChecked(checked + 1));
        EXPECT_EQ(batched.ItemIndex(), checked);
        batched.Clear();
        EXPECT_EQ(batched.Count(), 0);
        EXPECT_EQ(batched.ItemIndex(), -1);
        EXPECT_EQ(batched.Item(0), "");
        EXPECT_EQ(batched.ItemState(0), CheckListBox::Unchecked);
        batched.AddItems(batch);
        for (int i = 0; i < batched.Count(); ++i) EXPECT_FALSE(batched.IsChecked(i)) << i;
    }
}

TEST(ListBox, TheCurrentItemIsTheSelectionOfASingleSelectionList) {
    ListBox list(nullptr, "Fields");
    list.AddItems({"a", "b", "c"});
    list.SetItemIndex(0);
    list.SetItemIndex(2);
    EXPECT_FALSE(list.IsSelected(0));
    EXPECT_TRUE(list.IsSelected(2));
    EXPECT_FALSE(list.IsSelected(3));
    list.SetItemIndex(-1);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_FALSE(list.IsSelected(2));
}

TEST(DateTimePicker, ChangeFiresOnUserEditsOnlyWithinTheRange) {
    DateTimePicker picker(nullptr, "FromDate");
    int changes = 0;
    picker.onChange = [&] { ++changes; };
    picker.SetMinDate(QDate(2024, 1, 10));
    picker.SetMaxDate(QDate(2024, 1, 20));
    picker.SetDate(QDate(2024, 1, 15));
    picker.SetDate(QDate(2030, 1, 1));  // clamped to the maximum
    EXPECT_EQ(picker.Date(), QDate(2024, 1, 20));
    EXPECT_EQ(changes, 0);
    picker.setFocus();
    picker.setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(&picker, Qt::Key_Down);
    EXPECT_EQ(picker.Date(), QDate(2024, 1, 19));
    EXPECT_EQ(changes, 1);

    DateTimePicker time(nullptr, "AtTime", DateTimePicker::Kind::Time);
    time.onChange = [&] { ++changes; };
    time.SetTime(QTime(10, 30, 0));
    EXPECT_EQ(time.Time(), QTime(10, 30, 0));
    EXPECT_EQ(changes, 1);
}

TEST(MonthCalendar, AsksForTheBoldDaysOfEveryMonthItShows) {
    MonthCalendar calendar(nullptr, "BoldMonthCalendar");
    std::vector<std::pair<int, int>> asked;
    calendar.onGetMonthBoldInfo = [&](int year, int month) {
        asked.emplace_back(year, month);
        return month == 3 ? std::vector<int>{5, 31, 32} : std::vector<int>{1};
    };
    calendar.SetDate(QDate(2024, 3, 15));
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2024, 2}, {2024, 3}, {2024, 4}}));
    auto bold = [&](QDate d) { return calendar.dateTextFormat(d).fontWeight() == QFont::Bold; };
    EXPECT_TRUE(bold(QDate(2024, 3, 5)));
    EXPECT_TRUE(bold(QDate(2024, 3, 31)));
    EXPECT_FALSE(bold(QDate(2024, 3, 6)));
    EXPECT_TRUE(bold(QDate(2024, 4, 1)));

    asked.clear();
    calendar.setCurrentPage(2024, 5);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2024, 4}, {2024, 5}, {2024, 6}}));
    EXPECT_FALSE(bold(QDate(2024, 3, 5)));  // the months no longer shown lose their marks
    EXPECT_TRUE(bold(QDate(2024, 5, 1)));
}

TEST(MonthCalendar, ClickFiresForTheUsersClickOnly) {
    MonthCalendar calendar;
    int clicks = 0;
    calendar.onClick = [&] { ++clicks; };
    calendar.SetDate(QDate(2024, 3, 15));
    EXPECT_EQ(clicks, 0);
    emit calendar.clicked(QDate(2024, 3, 16));
    EXPECT_EQ(clicks, 1);
}

TEST(UpDownEdit, FreeTextWithAPositionBetweenMinimumAndMaximum) {
    UpDownEdit edit(nullptr, "CountEdit");
    edit.SetRange(1, 3);
    EXPECT_EQ(edit.Position(), 1);
    edit.stepBy(1);
    edit.stepBy(5);
    EXPECT_EQ(edit.Position(), 3);
    EXPECT_EQ(edit.Text(), "3");
    edit.SetText("any text");
    EXPECT_EQ(edit.Text(), "any text");
    EXPECT_EQ(edit.Position(), 3);
    edit.SetText("2");
    EXPECT_EQ(edit.Position(), 2);
    edit.stepBy(-5);
    EXPECT_EQ(edit.Position(), 1);
    EXPECT_EQ(edit.Text(), "1");
}

TEST(StatusPanels, PanelsHoldTheirTexts) {
    StatusPanels bar(nullptr, "StatusBar");
    bar.SetPanels({120, 80, 0});
    EXPECT_EQ(bar.PanelCount(), 3);
    bar.SetPanelText(1, "Connected \x80");
    bar.SetPanelText(5, "ignored");
    EXPECT_EQ(bar.PanelText(1), "Connected \x80");
    EXPECT_EQ(bar.PanelText(0), "");
    EXPECT_EQ(bar.PanelText(-1), "");
    bar.SetPanels({50});
    EXPECT_EQ(bar.PanelCount(), 1);
    EXPECT_EQ(bar.PanelText(0), "");
}

}  // namespace
