#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextCharFormat>

#include "DialogControls.h"
#include "grid/ControlTools.h"
#include "grid/TBoldDateInputForm.h"
#include "grid/TConfirmationForm.h"
#include "grid/TEnumInputForm.h"
#include "grid/TFilteredListForm.h"
#include "grid/TGenericBOForm.h"
#include "grid/TStringInputForm.h"
#include "guisupport/Keyboard.h"
#include "guisupport/ScriptedUi.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Memo.h"
#include "toolkit/MonthCalendar.h"
#include "toolkit/QtText.h"

namespace {

using Lines = std::vector<std::string>;

TEST(GenericBOForm, SplitsLinesInOrderOrSortedByByteValue) {
    struct Case {
        std::string text;
        bool sort;
        Lines lines;
    };
    const Case cases[] = {
        {"one\ntwo\nthree", false, {"one", "two", "three"}},
        {"beta\nAlpha\nalpha", true, {"Alpha", "alpha", "beta"}},
        {"beta\nAlpha\nalpha\n", false, {"beta", "Alpha", "alpha"}},
        {"no line feed", false, {"no line feed"}},
        {"", false, {}},
        {"\n", false, {""}},
        {"a\r\nb\r\n", false, {"a\r", "b\r"}},
        {"a\n\nb", true, {"", "a", "b"}},
        {"z\n\xE9\n~", true, {"z", "~", "\xE9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TGenericBOForm::SplitText(c.text, c.sort), c.lines);
        TGenericBOForm form(nullptr, c.sort, c.text);
        EXPECT_EQ(form.Lines(), c.lines);
    }
}

TEST(GenericBOForm, ShowsTheLinesReadOnlyInAFixedPitchMemoAndClosesWithExit) {
    ScriptedUi ui;
    TGenericBOForm form(nullptr, true, "beta\nAlpha\nalpha\n");
    EXPECT_EQ(FromQt(form.windowTitle()), "Generic Business Object Summary");
    ui.ExpectModal<TGenericBOForm>([](TGenericBOForm& f) {
        auto* memo = f.Control<Memo>("SummaryMemo");
        ASSERT_NE(memo, nullptr);
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_TRUE(memo->font().fixedPitch());
        EXPECT_EQ(memo->font().pixelSize(), 12);
        EXPECT_EQ(memo->Text(), "Alpha\nalpha\nbeta");
        QTest::keyClick(&f, Qt::Key_Escape);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);

    TGenericBOForm empty(nullptr, false, "");
    ui.ExpectModal<TGenericBOForm>([](TGenericBOForm& f) {
        EXPECT_EQ(f.Control<Memo>("SummaryMemo")->Text(), "");
        f.Control<QPushButton>("ExitButton")->click();
    });
    EXPECT_EQ(empty.ShowModal(), mrOk);
}

// A text taller than the memo opens at its first line, whether it overflows by one line or by many.
TEST(GenericBOForm, OpensAtTheFirstLine) {
    for (int count : {3, 17, 18, 19, 20, 60}) {
        SCOPED_TRACE(count);
        std::string text;
        for (int i = 1; i <= count; ++i) text += "Field" + std::to_string(i) + "\n";
        ScriptedUi ui;
        TGenericBOForm form(nullptr, false, text);
        ui.ExpectModal<TGenericBOForm>([](TGenericBOForm& f) {
            QTest::qWait(20);
            auto* memo = f.Control<Memo>("SummaryMemo");
            EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
            EXPECT_EQ(memo->cursorForPosition(QPoint(4, 4)).block().text().toStdString(), "Field1");
            f.Control<QPushButton>("ExitButton")->click();
        });
        EXPECT_EQ(form.ShowModal(), mrOk);
    }
}

TEST(ConfirmationForm, AWrongNumberShowsTheValidationBoxAndKeepsTheDialogOpen) {
    ScriptedUi ui;
    TConfirmationForm form(nullptr, 25, true, "Delete Accounts", "Delete the 25 displayed accounts");
    ui.ExpectModal<TConfirmationForm>([](TConfirmationForm& f) {
          EXPECT_EQ(FromQt(f.windowTitle()), "Delete Accounts");
          EXPECT_EQ(FromQt(f.Control<QLabel>("MessageLabel")->text()), "Delete the 25 displayed accounts");
          auto* edit = f.Control<Edit>("ConfirmationEdit");
          auto* ok = f.Control<QPushButton>("OKButton");
          EXPECT_TRUE(edit->isEnabled());
          EXPECT_TRUE(f.Control<QLabel>("ConfirmationLabel")->isEnabled());
          EXPECT_FALSE(ok->isEnabled());
          QTest::keyClicks(edit, "24");
          EXPECT_TRUE(ok->isEnabled());
          f.Control<QPushButton>("CancelButton")->setFocus();
          ok->click();
          EXPECT_TRUE(f.isVisible());
          EXPECT_EQ(f.focusWidget(), edit);
          edit->selectAll();
          QTest::keyClicks(edit, "25");
          ok->click();
      })
        .ExpectBox("Confirmation Validation", "You have to enter exact value to confirm the operation",
                   BoxIcon::Error, BoxButtons::Ok, mrOk);
    EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST(ConfirmationForm, WithoutARequiredNumberOkIsEnabledAndEnterCancels) {
    ScriptedUi ui;
    TConfirmationForm form(nullptr, 3, false, "Link", "Link 3 accounts");
    ui.ExpectModal<TConfirmationForm>([](TConfirmationForm& f) {
        EXPECT_FALSE(f.Control<Edit>("ConfirmationEdit")->isEnabled());
        EXPECT_FALSE(f.Control<QLabel>("ConfirmationLabel")->isEnabled());
        EXPECT_TRUE(f.Control<QPushButton>("OKButton")->isEnabled());
        QTest::keyClick(&f, Qt::Key_Return);
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);

    TConfirmationForm required(nullptr, 2, true, "Delete", "Delete 2 positions");
    ui.ExpectModal<TConfirmationForm>([](TConfirmationForm& f) {
        auto* edit = f.Control<Edit>("ConfirmationEdit");
        QTest::keyClicks(edit, "2");
        QTest::keyClick(edit, Qt::Key_Enter);
    });
    EXPECT_EQ(required.ShowModal(), mrCancel);

    TConfirmationForm free(nullptr, 2, false, "Flag", "Flag 2 accounts");
    ui.ExpectModal<TConfirmationForm>(
        [](TConfirmationForm& f) { f.Control<QPushButton>("OKButton")->click(); });
    EXPECT_EQ(free.ShowModal(), mrOk);
}

TEST(StringInputForm, OpensWithTheTextSelectedCanOnlyBeWidenedAndCopiesBackOnOk) {
    ScriptedUi ui;
    std::string text = "old";
    TStringInputForm form(nullptr, "New value", &text);
    EXPECT_EQ(FromQt(form.windowTitle()), "Default Edit Form");
    EXPECT_EQ(FromQt(form.Control<QLabel>("StringInputLabel")->text()), "New value");
    EXPECT_EQ(form.minimumHeight(), form.maximumHeight());
    EXPECT_EQ(form.minimumHeight(), form.height());
    EXPECT_EQ(form.minimumWidth(), form.width());
    EXPECT_GT(form.maximumWidth(), form.width());
    ui.ExpectModal<TStringInputForm>([](TStringInputForm& f) {
        auto* edit = f.Control<Edit>("StringInputEdit");
        EXPECT_EQ(edit->selectedText(), "old");
        EXPECT_EQ(f.focusWidget(), edit);
        TypeText(edit, QString::fromUtf8("Caf\u00e9 \u20ac"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(text, "Caf\xE9 \x80");

    TStringInputForm cancelled(nullptr, "New value", &text);
    ui.ExpectModal<TStringInputForm>([](TStringInputForm& f) {
        TypeText(f.Control<Edit>("StringInputEdit"), "other");
        f.Control<QPushButton>("CancelButton")->click();
    });
    EXPECT_EQ(cancelled.ShowModal(), mrCancel);
    EXPECT_EQ(text, "Caf\xE9 \x80");
}

TEST(EnumInputForm, ListsTheValuesSortedSelectsThePresetAndHandsBackTheChoice) {
    ScriptedUi ui;
    std::string value = "Put";
    const std::vector<std::string> values = {"Put", "call", "ABd", "abc", "Call", "Put"};
    TEnumInputForm form(nullptr, &value, "CallPutCode", values);
    EXPECT_EQ(FromQt(form.windowTitle()), "Value Selection Form");
    EXPECT_EQ(FromQt(form.Control<QLabel>("EnumInputLabel")->text()), "CallPutCode");
    EXPECT_EQ(form.height(), 159);
    EXPECT_EQ(form.maximumHeight(), 159);
    EXPECT_EQ(form.minimumWidth(), 239);
    ui.ExpectModal<TEnumInputForm>([](TEnumInputForm& f) {
        auto* combo = f.Control<ComboBox>("EnumInputComboBox");
        EXPECT_EQ(Items(combo), (std::vector<std::string>{"abc", "ABd", "Call", "call", "Put", "Put"}));
        EXPECT_EQ(combo->ItemIndex(), 4);
        EXPECT_TRUE(f.Control<QPushButton>("OkButton")->isEnabled());
        combo->SetItemIndex(5);
        f.Control<QPushButton>("OkButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(value, "Put");

    value = "Over";
    TEnumInputForm absent(nullptr, &value, "CallPutCode", values);
    ui.ExpectModal<TEnumInputForm>([](TEnumInputForm& f) {
        auto* combo = f.Control<ComboBox>("EnumInputComboBox");
        auto* ok = f.Control<QPushButton>("OkButton");
        EXPECT_EQ(combo->ItemIndex(), -1);
        EXPECT_FALSE(ok->isEnabled());
        QTest::keyClick(&f, Qt::Key_Return);
        EXPECT_TRUE(f.isVisible());
        combo->setCurrentIndex(2);
        emit combo->activated(2);
        EXPECT_TRUE(ok->isEnabled());
        ok->click();
    });
    EXPECT_EQ(absent.ShowModal(), mrOk);
    EXPECT_EQ(value, "Call");

    TEnumInputForm escaped(nullptr, &value, "CallPutCode", values);
    ui.ExpectModal<TEnumInputForm>([](TEnumInputForm& f) {
        f.Control<ComboBox>("EnumInputComboBox")->SetItemIndex(0);
        QTest::keyClick(&f, Qt::Key_Escape);
    });
    EXPECT_EQ(escaped.ShowModal(), mrCancel);
    EXPECT_EQ(value, "Call");
}

bool IsBold(const MonthCalendar* calendar, int year, int month, int day) {
    return calendar->dateTextFormat(QDate(year, month, day)).fontWeight() == QFont::Bold;
}

void ClickDate(MonthCalendar* calendar, const QDate& date) {
    calendar->SetDate(date);
    emit calendar->clicked(date);
}

TEST(BoldDateInputForm, OnlyAClickOnABoldDateEnablesOk) {
    ScriptedUi ui;
    TBoldDateInputForm form(nullptr, "Report Date", "Choose the report date");
    EXPECT_EQ(FromQt(form.windowTitle()), "Bold Date Selection");
    form.AddBoldDate(FormDateTime::Date(2026, 3, 2));
    form.AddBoldDate(FormDateTime{2026, 3, 4, 10, 30, 0, 0});  // the time of day is dropped
    form.AddBoldDate(FormDateTime::Date(2026, 4, 1));
    form.SetDateRange(FormDateTime::Date(2026, 3, 1), FormDateTime::Date(2026, 4, 30));
    ui.ExpectModal<TBoldDateInputForm>([](TBoldDateInputForm& f) {
        auto* calendar = f.Control<MonthCalendar>("BoldMonthCalendar");
        auto* label = f.Control<QLabel>("SelectedDateLabel");
        auto* ok = f.Control<QPushButton>("OKButton");
        EXPECT_EQ(FromQt(f.windowTitle()), "Report Date");
        EXPECT_EQ(FromQt(f.Control<QLabel>("TitleLabel")->text()), "Choose the report date");
        EXPECT_EQ(calendar->minimumDate(), QDate(2026, 3, 1));
        EXPECT_EQ(calendar->maximumDate(), QDate(2026, 4, 30));

        calendar->SetDate(QDate(2026, 3, 2));
        EXPECT_TRUE(IsBold(calendar, 2026, 3, 2));
        EXPECT_TRUE(IsBold(calendar, 2026, 3, 4));
        EXPECT_FALSE(IsBold(calendar, 2026, 3, 3));
        EXPECT_FALSE(ok->isEnabled());  // no click yet

        ClickDate(calendar, QDate(2026, 3, 3));
        EXPECT_TRUE(FromQt(label->text()).starts_with("Invalid Date: "));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::red));
        EXPECT_FALSE(ok->isEnabled());

        ClickDate(calendar, QDate(2026, 3, 4));
        EXPECT_TRUE(FromQt(label->text()).starts_with("Selected Date: "));
        EXPECT_NE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
        EXPECT_TRUE(ok->isEnabled());

        calendar->SetDate(QDate(2026, 6, 1));  // outside the range: the calendar keeps within it
        EXPECT_LE(calendar->Date(), QDate(2026, 4, 30));
        EXPECT_TRUE(IsBold(calendar, 2026, 4, 1));
        ClickDate(calendar, QDate(2026, 4, 1));
        ok->click();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.GetDate(), FormDateTime::Date(2026, 4, 1));
}

TEST(BoldDateInputForm, AMonthWithoutBoldDatesNeverEnablesOk) {
    ScriptedUi ui;
    TBoldDateInputForm form(nullptr, "No Position", "Declaration date");
    form.AddBoldDate(FormDateTime::Date(2026, 5, 20));
    form.SetDateRange(FormDateTime::Date(2026, 3, 1), FormDateTime::Date(2026, 3, 31));
    EXPECT_EQ(form.GetDate(), FormDateTime());
    ui.ExpectModal<TBoldDateInputForm>([](TBoldDateInputForm& f) {
        auto* calendar = f.Control<MonthCalendar>("BoldMonthCalendar");
        for (int day : {1, 15, 31}) {
            ClickDate(calendar, QDate(2026, 3, day));
            EXPECT_FALSE(f.Control<QPushButton>("OKButton")->isEnabled());
        }
        ClickDate(calendar, QDate(2026, 5, 20));
        EXPECT_FALSE(f.Control<QPushButton>("OKButton")->isEnabled());
        QTest::keyClick(&f, Qt::Key_Escape);
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

Lines Shown(const TFilteredListForm& form) {
    Lines lines;
    for (std::size_t i = 0; i < form.ShownCount(); ++i) lines.push_back(form.Shown(i));
    return lines;
}

const std::set<std::string> kSymbols = {"ABC", "ABD", "AB", "abc", "BAB", "B", "XYZ", "\xE9t\xE9"};

TEST(FilteredListForm, ShowsTheItemsThatBeginWithTheTextCaseSensitively) {
    struct Case {
        std::string filter;
        Lines shown;
    };
    const Case cases[] = {
        {"", {"AB", "ABC", "ABD", "B", "BAB", "XYZ", "abc", "\xE9t\xE9"}},
        {"AB", {"AB", "ABC", "ABD"}},
        {"ABC", {"ABC"}},
        {"ab", {"abc"}},
        {"B", {"B", "BAB"}},
        {"\xE9", {"\xE9t\xE9"}},
        {"Q", {}},
        {"ABCD", {}},
    };
    TFilteredListForm form(nullptr);
    std::string text;
    form.Prepare("External Symbol", &text, kSymbols);
    auto* edit = form.Control<Edit>("ItemFilterEdit");
    auto* grid = form.Control<QTableView>("ItemStringGrid");
    EXPECT_EQ(FromQt(form.windowTitle()), "External Symbol");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        edit->SetText(c.filter);
        EXPECT_EQ(Shown(form), c.shown);
        EXPECT_EQ(grid->model()->rowCount(), std::max<int>(1, static_cast<int>(c.shown.size())));
        EXPECT_EQ(FromQt(grid->model()->index(0, 0).data().toString()), c.shown.empty() ? "" : c.shown[0]);
    }
}

void DoubleClickRow(TFilteredListForm& form, int row) {
    auto* grid = form.Control<QTableView>("ItemStringGrid");
    const QModelIndex index = grid->model()->index(row, 0);
    grid->setCurrentIndex(index);
    emit grid->doubleClicked(index);
}

TEST(FilteredListForm, ADoubleClickPicksTheLineAndEscOrTheCloseBoxCancel) {
    ScriptedUi ui;
    std::set<std::string> items = kSymbols;
    struct Case {
        const char* name;
        std::string initial;
        std::function<void(TFilteredListForm&)> drive;
        int result;
        std::string text;
    };
    const Case cases[] = {
        {"double click", "AB", [](TFilteredListForm& f) { DoubleClickRow(f, 2); }, mrOk, "ABD"},
        {"empty row", "Q", [](TFilteredListForm& f) { DoubleClickRow(f, 0); }, mrOk, "Q"},
        {"esc in the edit", "AB",
         [](TFilteredListForm& f) {
             QTest::keyClick(f.Control<Edit>("ItemFilterEdit"), Qt::Key_Return);
             EXPECT_TRUE(f.isVisible());
             QTest::keyClick(f.Control<Edit>("ItemFilterEdit"), Qt::Key_Escape);
         },
         mrCancel, "AB"},
        {"esc in the list", "",
         [](TFilteredListForm& f) {
             auto* grid = f.Control<QTableView>("ItemStringGrid");
             grid->setCurrentIndex(grid->model()->index(1, 0));
             QTest::keyClick(grid, Qt::Key_Enter);
             EXPECT_TRUE(f.isVisible());
             QTest::keyClick(grid, Qt::Key_Escape);
         },
         mrCancel, ""},
        {"close box", "B", [](TFilteredListForm& f) { f.close(); }, mrCancel, "B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = c.initial;
        TFilteredListForm form(nullptr);
        form.Prepare("External Symbol", &text, items);
        items.insert("ABA");  // the form holds its own copy
        ui.ExpectModal<TFilteredListForm>(c.drive);
        EXPECT_EQ(form.ShowModal(), c.result);
        EXPECT_EQ(text, c.text);
        items.erase("ABA");
    }
}

}  // namespace
