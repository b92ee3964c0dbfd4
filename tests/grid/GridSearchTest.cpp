// The grid window's selection, mouse and search: the remembered row key, presses, the wheel, hover
// hints, double-clicks, Edit Row, the find and column find dialogs and going to a row by value.
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

#include "GridWindowFixture.h"
#include "guisupport/ScriptedUi.h"
#include "toolkit/Action.h"
#include "toolkit/FindDialog.h"
#include "toolkit/QtPaint.h"
#include "toolkit/QtText.h"

namespace {

// A window that edits rows when allowed and records which.
class EditingWindow : public TestGridWindow {
public:
    using TestGridWindow::TestGridWindow;
    bool CanEditRow(int index) override { return editable; }
    bool EditRow(int index) override {
        edited.push_back(index);
        return true;
    }
    bool editable = true;
    std::vector<int> edited;
};

class GridSearchTest : public GridWindowTest {
protected:
    static void Rename(LotView& lots, int id, const char* name) {
        const Lot lot(id, name, id * 10);
        lots.UpdateRow(&lot);
    }
    FindDialog& Find() { return *window->GetFindDialog(); }
    FindDialog& ColumnFind() { return *window->GetColumnFindDialog(); }
    // Sets the find dialog's text and options, as the user would between two finds.
    void Ask(FindDialog& dialog, const std::string& text, bool down = true, bool matchCase = false,
             bool wholeWord = false) {
        dialog.SetFindText(text);
        dialog.SetDown(down);
        dialog.SetMatchCase(matchCase);
        dialog.SetWholeWord(wholeWord);
    }
    void SortByIdDescending() {
        window->SortCriteria = {SortSelectionData("Id", false)};
        view->SetSortCriteria(window->SortCriteria);
        window->SortActive = true;
        window->SortRows();
    }
    void Wheel(QWidget* target, int angle) {
        const QPoint at(target->width() / 2, target->height() / 2);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
    int NameCol() { return view->FindColumn("Name"); }
};

TEST_F(GridSearchTest, TheRememberedKeyFollowsTheSelectionAndReturnsAfterSortFilterAndRefresh) {
    Open(6);
    window->GridOptions().SetGridSelection(0);
    Grid().SetRow(3);
    EXPECT_EQ(window->RememberedRowKey, BaseKey(0, 3));

    SortByIdDescending();
    EXPECT_EQ(IdAt(Selected()), 3);
    view->GetFilter().push_back(ColumnFilter());
    view->GetFilter().back().ColumnName = "Id";
    view->GetFilter().back().Condition = 3;  // >=
    view->GetFilter().back().Value = "2";
    window->ApplyFilters();
    EXPECT_EQ(IdAt(Selected()), 3);
    window->reload = [&] { Put(*view, 7, 70); };
    window->HandleDataChanged(0);
    EXPECT_EQ(IdAt(Selected()), 3);

    // Selection by row number keeps the row and remembers nothing.
    window->GridOptions().SetGridSelection(1);
    Grid().SetRow(1);
    EXPECT_EQ(window->RememberedRowKey, BaseKey(0, 3));
}

TEST_F(GridSearchTest, ARightPressSelectsADataCellOnlyWhileTheLeftPressSelectsAsUsual) {
    Open(5);
    Grid().SelectCell(1, 2);
    const QPoint title = Grid().horizontalHeader()->viewport()->rect().center();
    QTest::mousePress(Grid().horizontalHeader()->viewport(), Qt::RightButton, {}, title);
    QTest::mouseRelease(Grid().horizontalHeader()->viewport(), Qt::RightButton, {}, title);
    const QPoint number(5, Grid().verticalHeader()->sectionViewportPosition(3) + 3);
    QTest::mousePress(Grid().verticalHeader()->viewport(), Qt::RightButton, {}, number);
    QTest::mouseRelease(Grid().verticalHeader()->viewport(), Qt::RightButton, {}, number);
    EXPECT_EQ(Grid().Col(), 1);
    EXPECT_EQ(Selected(), 2);

    const QPoint cell = Grid().visualRect(Grid().model()->index(3, 2)).center();
    QTest::mousePress(Grid().viewport(), Qt::RightButton, {}, cell);
    QTest::mouseRelease(Grid().viewport(), Qt::RightButton, {}, cell);
    EXPECT_EQ(Grid().Col(), 3);
    EXPECT_EQ(Selected(), 4);
    QTest::mouseClick(Grid().viewport(), Qt::MiddleButton, {},
                      Grid().visualRect(Grid().model()->index(0, 0)).center());
    EXPECT_EQ(Selected(), 4);
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                      Grid().visualRect(Grid().model()->index(0, 0)).center());
    EXPECT_EQ(Grid().Col(), 1);
    EXPECT_EQ(Selected(), 1);

    // Without data the right press leaves the cell where it is.
    view->GetFilter().push_back(ColumnFilter());
    view->GetFilter().back().ColumnName = "Id";
    view->GetFilter().back().Condition = 4;  // >
    view->GetFilter().back().Value = "99";
    window->ApplyFilters();
    ASSERT_FALSE(window->HasData());
    const QPoint at = Grid().CellCentre(2, 1);
    window->BusinessObjectGridMouseDown(BusinessObjectGrid::kRightButton, 0, at.x(), at.y());
    EXPECT_EQ(Grid().Col(), 1);
}

TEST_F(GridSearchTest, APressOrAScrollBarBringsTheWindowToTheFront) {
    Open(100);
    TestGridWindow* first = window;
    auto* other = new TestGridWindow(&area, nullptr, Config(), &titles, new LotView);
    other->Show();
    ASSERT_EQ(area.activeSubWindow(), other->SubWindow());

    first->Grid()->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(area.activeSubWindow(), first->SubWindow());
    other->BringToFront();
    const QPoint title = first->Grid()->CellCentre(1, 0);
    first->BusinessObjectGridMouseDown(BusinessObjectGrid::kLeftButton, 0, title.x(), title.y());
    EXPECT_EQ(area.activeSubWindow(), first->SubWindow());
    other->BringToFront();
    Wheel(first->Grid()->viewport(), -120);
    EXPECT_EQ(area.activeSubWindow(), first->SubWindow());
    delete other->SubWindow();
}

TEST_F(GridSearchTest, TheWheelScrollsOneRowPerNotchWithoutMovingTheSelection) {
    Open(100);
    Grid().SelectCell(2, 2);
    ASSERT_EQ(Grid().TopRow(), 1);
    Wheel(Grid().viewport(), -120);
    EXPECT_EQ(Grid().TopRow(), 2);
    Wheel(Grid().viewport(), -240);
    EXPECT_EQ(Grid().TopRow(), 4);
    Wheel(Grid().viewport(), 60);
    EXPECT_EQ(Grid().TopRow(), 4);
    Wheel(Grid().horizontalHeader()->viewport(), 60);  // over the titles, the half notches add up
    EXPECT_EQ(Grid().TopRow(), 3);
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(Grid().Col(), 2);
}

TEST_F(GridSearchTest, HoverHintsGiveTheTitleOrTheTitleAndTheCellTextToTheStatusTip) {
    Open(3);
    // A move to where the pointer already is (an earlier test may have left it there) sends no
    // event, so start from another point before watching.
    QTest::mouseMove(Grid().viewport(), QPoint(1, 1));
    QStringList tips;
    struct TipWatch : QObject {
        QStringList* tips;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::StatusTip) tips->append(static_cast<QStatusTipEvent*>(event)->tip());
            return false;
        }
    } watch;
    watch.tips = &tips;
    area.installEventFilter(&watch);

    QTest::mouseMove(Grid().viewport(), Grid().visualRect(Grid().model()->index(1, NameCol() - 1)).center());
    EXPECT_EQ(Grid().Hint(), "|Name [N2]");
    EXPECT_EQ(Grid().statusTip(), "Name [N2]");
    EXPECT_EQ(Grid().toolTip(), "");

    const QPoint title = Grid().CellCentre(NameCol(), 0);
    window->BusinessObjectGridMouseMove(0, title.x(), title.y());
    EXPECT_EQ(Grid().Hint(), "Name");
    EXPECT_EQ(Grid().toolTip(), "Name");
    EXPECT_EQ(Grid().statusTip(), "Name");

    const QPoint number = Grid().CellCentre(0, 2);
    window->BusinessObjectGridMouseMove(0, number.x(), number.y());
    EXPECT_EQ(Grid().Hint(), "");
    const QPoint below = Grid().viewport()->mapTo(&Grid(), QPoint(10, Grid().viewport()->height() - 2));
    window->BusinessObjectGridMouseMove(0, title.x(), title.y());
    window->BusinessObjectGridMouseMove(0, below.x(), below.y());
    EXPECT_EQ(Grid().Hint(), "");
    EXPECT_EQ(tips, (QStringList{"Name [N2]", "Name", "", "Name", ""}));
    area.removeEventFilter(&watch);
}

TEST_F(GridSearchTest, ADoubleClickOnADataRowEditsItThroughTheUpdateRule) {
    EditingWindow& editing = OpenAs<EditingWindow>(4);
    Grid().SelectCell(2, 3);
    QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, {},
                       Grid().visualRect(Grid().model()->index(2, 1)).center());
    const QPoint number = Grid().CellCentre(0, 3);
    editing.BusinessObjectGridDblClick(number.x(), number.y());
    EXPECT_EQ(editing.edited, (std::vector<int>{2, 2}));

    editing.editable = false;
    editing.BusinessObjectGridDblClick(number.x(), number.y());
    const QPoint below = Grid().viewport()->mapTo(&Grid(), QPoint(10, Grid().viewport()->height() - 2));
    editing.editable = true;
    editing.BusinessObjectGridDblClick(below.x(), below.y());
    EXPECT_EQ(editing.edited.size(), 2u);
}

TEST_F(GridSearchTest, ADoubleClickOnATitleFitsTheColumnToItsWidestTextPlusThreeBlanks) {
    Open(12);
    Rename(*view, 7, "WWWWWWW");
    Rename(*view, 8, "iiiiiiii");
    const auto widest = [&](int col) {
        int width = 0;
        for (int row = 0; row < Grid().RowCount(); ++row)
            width = std::max(width, Grid().TextWidth(window->GetCellText(col, row) + "   "));
        return width;
    };
    const int name = NameCol();
    Grid().SetColWidth(name, 300);
    const QPoint title = Grid().CellCentre(name, 0);
    QTest::mouseDClick(Grid().horizontalHeader()->viewport(), Qt::LeftButton, {},
                       Grid().horizontalHeader()->viewport()->mapFrom(&Grid(), title));
    EXPECT_EQ(Grid().ColWidth(name), widest(name));
    EXPECT_EQ(Grid().ColWidth(name), Grid().TextWidth("WWWWWWW   "));

    // A narrow column widens; the title counts too.
    const int amount = view->FindColumn("Amount");
    Grid().SetColWidth(amount, 5);
    window->FitColumnWidth(amount);
    EXPECT_EQ(Grid().ColWidth(amount), widest(amount));
    EXPECT_EQ(Grid().ColWidth(amount), Grid().TextWidth("Amount   "));
}

TEST_F(GridSearchTest, FindingDownStartsAtTheSelectedRowAndContinuesFromTheLastMatch) {
    Open(12);
    ScriptedUi ui;
    Grid().SelectCell(NameCol(), 1);
    Ask(Find(), "n1");
    window->SearchAction->Execute();
    ASSERT_TRUE(Find().isVisible());
    for (int expected : {1, 10, 11, 12}) {
        window->FindDialogFind();
        EXPECT_EQ(Selected(), expected);
    }
    ui.ExpectBox("Search Name", "n1 - not found.", BoxIcon::Information, BoxButtons::Ok, mrOk);
    window->FindDialogFind();
    EXPECT_EQ(Selected(), 12);

    // Selecting another row moves the search there; up tests the rows above.
    Grid().SetRow(10);
    Ask(Find(), "n1", false);
    window->FindDialogFind();
    EXPECT_EQ(Selected(), 1);
}

TEST_F(GridSearchTest, FindingUpFromTheFirstRowTestsOnlyThatRow) {
    Open(5);
    ScriptedUi ui;
    Grid().SelectCell(NameCol(), 1);
    Ask(Find(), "N1", false);
    window->SearchActionExecute();
    window->FindDialogFind();
    EXPECT_EQ(Selected(), 1);

    Ask(Find(), "N2", false);
    window->SearchActionExecute();
    ui.ExpectBox("Search Name", "N2 - not found.", BoxIcon::Information, BoxButtons::Ok, mrOk);
    window->FindDialogFind();
    EXPECT_EQ(Selected(), 1);
}

TEST_F(GridSearchTest, ChangingTheTextOrAnOptionClearsTheFoundState) {
    Open(5);
    ScriptedUi ui;
    Grid().SelectCell(NameCol(), 1);
    Ask(Find(), "N3");
    window->SearchActionExecute();
    window->FindDialogFind();
    EXPECT_EQ(Selected(), 3);
    for (const auto& [text, matchCase, box] :
         {std::tuple{"N4", false, ""}, std::tuple{"n5", true, "n5 - not found."},
          std::tuple{"zz", false, "zz - not found."}}) {
        SCOPED_TRACE(text);
        if (*box) ui.ExpectBox("Search Name", box, BoxIcon::Information, BoxButtons::Ok, mrOk);
        Ask(Find(), text, true, matchCase);
        window->FindDialogFind();
        EXPECT_EQ(ui.Pending(), 0u);
    }
    EXPECT_EQ(Selected(), 4);
}

TEST_F(GridSearchTest, MatchCaseAndWholeWordDecideWhatACellMatches) {
    Open(3);
    Rename(*view, 2, "Caf\xE9 Bar");
    struct Case {
        const char* text;
        bool matchCase;
        bool wholeWord;
        bool matches;
    };
    const Case cases[] = {
        {"caf\xC9", false, false, true},       {"caf\xC9", true, false, false},
        {"Caf\xE9", true, false, true},        {"caf\xC9 bar", false, true, true},
        {"Caf\xE9", false, true, false},       {"Caf\xE9 Bar", true, true, true},
        {"caf\xE9 bar", true, true, false},    {"", false, false, true},
        {"Caf\xE9 Bar ", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Ask(Find(), c.text, true, c.matchCase, c.wholeWord);
        window->SearchActionExecute();  // takes the text and options
        EXPECT_EQ(window->MatchCellText(2, NameCol()), c.matches);
    }
    EXPECT_FALSE(window->MatchCellText(3, NameCol()));  // beyond the rows
    EXPECT_FALSE(window->MatchCellText(1, Grid().ColCount()));
}

TEST_F(GridSearchTest, ColumnSearchFindsTitlesOneWayWithoutWrapping) {
    Open(2);
    ScriptedUi ui;
    // Columns: Id, Name, Amount.
    Grid().SetCol(1);
    Ask(ColumnFind(), "AM");
    window->SearchColumnAction->Execute();
    ASSERT_TRUE(ColumnFind().isVisible());
    window->ColumnFindDialogFind();
    EXPECT_EQ(Grid().Col(), 2);  // "name" holds "am"
    window->ColumnFindDialogFind();
    EXPECT_EQ(Grid().Col(), 3);
    ui.ExpectBox("Search Column", "Column am not found", BoxIcon::Information, BoxButtons::Ok, mrOk);
    window->ColumnFindDialogFind();
    EXPECT_EQ(Grid().Col(), 3);

    Ask(ColumnFind(), "id", false);
    window->ColumnFindDialogFind();
    EXPECT_EQ(Grid().Col(), 1);
    Ask(ColumnFind(), "AM", true, true);
    window->SearchColumnActionExecute();
    ui.ExpectBox("Search Column", "Column AM not found", BoxIcon::Information, BoxButtons::Ok, mrOk);
    window->ColumnFindDialogFind();
    Ask(ColumnFind(), "NAME", true, false, true);
    window->ColumnFindDialogFind();
    EXPECT_EQ(Grid().Col(), 2);
}

TEST_F(GridSearchTest, TheTwoFindDialogsExcludeEachOtherAndKeepTheWindowOpen) {
    Open(3);
    window->SearchAction->Execute();
    ASSERT_TRUE(Find().isVisible());
    window->Actions().UpdateActions();
    EXPECT_TRUE(window->SearchAction->Enabled());
    EXPECT_FALSE(window->SearchColumnAction->Enabled());
    EXPECT_FALSE(window->SubWindow()->close());
    EXPECT_TRUE(Find().isVisible());
    Find().CloseDialog();
    window->Actions().UpdateActions();
    EXPECT_TRUE(window->SearchColumnAction->Enabled());

    window->SearchColumnAction->Execute();
    window->Actions().UpdateActions();
    EXPECT_FALSE(window->SearchAction->Enabled());
    EXPECT_FALSE(window->SubWindow()->close());
    EXPECT_TRUE(ColumnFind().isVisible());
    EXPECT_FALSE(window->IsChildClosed());
    ColumnFind().CloseDialog();
    EXPECT_TRUE(window->SubWindow()->close());
}

// Both find dialogs open with the focus in their edit, also when opened again after the focus
// moved on: what the user types goes there and not to the grid's type-ahead.
TEST_F(GridSearchTest, TheFindDialogsOpenWithTheFocusInTheirEdit) {
    Open(6);
    Grid().SetRow(2);
    Grid().setFocus();
    struct Case {
        Action* action;
        FindDialog* dialog;
    };
    for (const Case& c :
         {Case{window->SearchAction, &Find()}, Case{window->SearchColumnAction, &ColumnFind()}}) {
        SCOPED_TRACE(c.dialog->objectName().toStdString());
        for (int open = 0; open < 2; ++open) {
            c.action->Execute();
            QTest::qWait(20);
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            EXPECT_EQ(focused->objectName().toStdString(), "FindEdit");
            c.dialog->SetFindText("");
            QTest::keyClicks(focused, "N5");
            EXPECT_EQ(c.dialog->FindText(), "N5");
            EXPECT_EQ(Selected(), 2);
            c.dialog->findChild<QWidget*>("MatchCaseCheck")->setFocus();
            c.dialog->CloseDialog();
        }
    }
}

TEST_F(GridSearchTest, GotoRowSelectsTheFirstExactMatchAmongTheDataRows) {
    Open(5);
    ScriptedUi ui;
    SortByIdDescending();
    window->GotoRow("Name", "N2");
    EXPECT_EQ(Selected(), 4);
    window->GotoRow("Id", "5");
    EXPECT_EQ(Selected(), 1);
    window->GotoRow("Nope", "N3");  // no such column: nothing, no box
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(ui.Pending(), 0u);

    view->GetTitleVisibility()["Name"] = false;
    window->ApplyColumnVisibility(view->GetTitleVisibility());
    window->GotoRow("Name", "N3");  // a hidden column shows nothing
    EXPECT_EQ(Selected(), 1);
}

TEST_F(GridSearchTest, GotoRowWithoutAnExactMatchAmongTheDataRowsTellsToRemoveTheFilters) {
    Open(3);
    ScriptedUi ui;
    Grid().SetRow(2);
    // The title row holds the field's name, which is no value to go to.
    for (const char* value : {"N4", "N", "Name"}) {
        SCOPED_TRACE(value);
        ui.ExpectBox("Goto error", "Selected item is not visible in grid. Remove filters and try again.",
                     BoxIcon::Information, BoxButtons::Ok, mrOk);
        window->GotoRow("Name", value);
        EXPECT_EQ(Selected(), 2);
    }
}

}  // namespace
