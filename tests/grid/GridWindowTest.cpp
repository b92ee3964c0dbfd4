// The grid window base: construction, actions and popup menu, messages, refresh, selection
// restore and the new-row alert.
#include <QFontMetrics>
#include <QHeaderView>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <set>

#include "GridWindowFixture.h"
#include "core/BaseIniFile.h"
#include "guisupport/ScriptedUi.h"
#include "toolkit/Action.h"
#include "toolkit/Form.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/QtPaint.h"
#include "toolkit/QtText.h"

namespace {

using Calls = std::vector<std::string>;

std::set<std::string> EnabledActions(TBaseGridForm& window) {
    window.Actions().UpdateActions();
    std::set<std::string> enabled;
    for (Action* action : window.Actions().Actions())
        if (action->Enabled()) enabled.insert(action->objectName().toStdString());
    return enabled;
}

ColumnFilter Filter(const char* column, int condition, const char* value) {
    ColumnFilter filter;
    filter.ColumnName = column;
    filter.Column = -1;
    filter.Condition = condition;
    filter.Value = value;
    return filter;
}

TEST_F(GridWindowTest, AWindowWithoutAViewShowsATwoByTwoGridWithOnlyItsViewlessToolsEnabled) {
    window = new TestGridWindow(&area, nullptr, Config(), &titles, nullptr);
    window->Show();
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Grid().ColCount(), 2);
    EXPECT_EQ(Grid().model()->rowCount(), 1);
    EXPECT_EQ(Grid().model()->columnCount(), 1);
    EXPECT_EQ(window->Caption(), "Lots - No data found");
    EXPECT_EQ(window->GetCellText(1, 0), "");
    EXPECT_EQ(window->GetCellText(0, 1), "");

    for (bool prior : {true, false}) {
        window->ModifyColumnsAction->SetEnabled(prior);
        const std::set<std::string> expected = {"EditWindowTitleAction", "GridOptionsAction",
                                                "ScheduleCSVExportAction", "SearchColumnAction"};
        std::set<std::string> enabled = EnabledActions(*window);
        EXPECT_EQ(enabled.erase("ModifyColumnsAction") == 1, prior);
        EXPECT_EQ(enabled, expected);
    }
    EXPECT_EQ(window->Actions().Actions().size(), 30u);
}

TEST_F(GridWindowTest, AWindowWithDataEnablesItsDataToolsButNotThoseThatWaitForARegistryOrAnImporter) {
    Open(3);
    std::set<std::string> enabled = EnabledActions(*window);
    for (const char* off :
         {"ImportAction", "ModifyColumnsAction", "DynamicFilterAction", "RemoveDynamicFilterAction",
          "RemoveColumnFilterAction", "RemoveColumnSortAction", "NegateColumnFilterAction"}) {
        SCOPED_TRACE(off);
        EXPECT_EQ(enabled.count(off), 0u);
    }
    EXPECT_EQ(enabled.size(), 23u);

    view->GetFilter().push_back(Filter("Id", 3, "1"));
    window->SortCriteria = {SortSelectionData("Id", true)};
    enabled = EnabledActions(*window);
    EXPECT_EQ(enabled.count("RemoveColumnFilterAction"), 1u);
    EXPECT_EQ(enabled.count("NegateColumnFilterAction"), 1u);
    EXPECT_EQ(enabled.count("RemoveColumnSortAction"), 1u);
}

TEST_F(GridWindowTest, ConstructionFitsTheGridToTheViewThenLoadsTheDisplayOptions) {
    TestTempDir::Write(dir.File("Korvane.ini"), "[Lots1]\nRowHeight=30\nFontHeight=-15\nCellLeftOffset=5\n");
    Open(3);
    EXPECT_EQ(Grid().RowCount(), 4);
    EXPECT_EQ(Grid().ColCount(), 4);
    EXPECT_EQ(Grid().DefaultRowHeight(), 30);
    EXPECT_EQ(Grid().verticalHeader()->defaultSectionSize(), 30);
    EXPECT_EQ(Grid().GridFont().height, -15);
    EXPECT_EQ(window->GridOptions().GetCellLeftOffset(), 5);
    // The row-number column was measured before the options came in, in the grid's own font.
    FontSpec designed;
    designed.height = -12;
    EXPECT_EQ(Grid().ColWidth(0), QFontMetrics(ToQFont(designed)).horizontalAdvance("999999999999"));
    EXPECT_EQ(window->Caption(), "Lots");
    EXPECT_EQ(Grid().Col(), 1);
    EXPECT_EQ(Grid().Row(), 1);
    EXPECT_EQ(window->ReportAuthor(), "Unknown");
    EXPECT_EQ(window->ExportDirectory(), dir.Path());
    EXPECT_EQ(window->InvalidFileNameChars(), (std::set<char>{'\\', '/', ':', '*', '?', '"', '<', '>', '|'}));
    EXPECT_EQ(window->AlertState, 0);
    EXPECT_TRUE(window->RememberedRowKey.IsNull());
    EXPECT_FALSE(window->SortActive);
}

TEST_F(GridWindowTest, TheTemplateSectionIsReadOnlyWhenConfiguredAndPresent) {
    struct Case {
        bool useTemplate;
        const char* file;
        const char* section;
        int rowHeight;
    };
    const Case cases[] = {
        {true, "[Lots1]\nRowHeight=30\n[LotTemplate]\nRowHeight=40\n", "LotTemplate", 40},
        {true, "[Lots1]\nRowHeight=30\n", "Lots1", 30},
        {false, "[Lots1]\nRowHeight=30\n[LotTemplate]\nRowHeight=40\n", "Lots1", 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TestTempDir::Write(dir.File("Korvane.ini"), c.file);
        BaseGridConfig config = Config();
        config.UseTemplate = c.useTemplate;
        Open(1, config);
        EXPECT_EQ(window->GetConfigSection(), c.section);
        EXPECT_EQ(Grid().DefaultRowHeight(), c.rowHeight);
        delete window->SubWindow();
    }
}

TEST_F(GridWindowTest, DumpDataAnswersShiftAltDownWithinTheWindow) {
    Open(2);
    int dumps = 0;
    window->DumpDataAction->onExecute = [&](Action&) { ++dumps; };
    window->Actions().UpdateActions();
    QApplication::setActiveWindow(&area);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    Grid().setFocus();
    QTest::keyClick(&Grid(), Qt::Key_Down, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(dumps, 1);
    EXPECT_EQ(window->DumpDataAction->shortcut(), QKeySequence("Shift+Alt+Down"));
}

TEST_F(GridWindowTest, ThePopupMenuHasItsSubmenusToolsAndDefaultItem) {
    Open(2);
    QMenu* popup = window->PopupMenu();
    const auto texts = [](QMenu* menu) {
        std::vector<std::string> items;
        for (QAction* a : menu->actions()) items.push_back(a->isSeparator() ? "-" : FromQt(a->text()));
        return items;
    };
    EXPECT_EQ(texts(popup), (std::vector<std::string>{
                                "Sor&t", "&Filter", "&Hide", "Ed&it Column Properties...",
                                "Edit &Window Title...", "Grid Optio&ns...", "-", "Edit &Row...", "-",
                                "E&xport to Clipboard", "Export to CSV File", "Copy Row", "C&opy Cell",
                                "Copy Column Values", "-", "&Search...", "Search Column...", "&Print..."}));
    EXPECT_EQ(popup->defaultAction(), window->EditRowAction);
    QMenu* sort = popup->actions()[0]->menu();
    QMenu* filter = popup->actions()[1]->menu();
    QMenu* hide = popup->actions()[2]->menu();
    EXPECT_EQ(FromQt(popup->actions()[0]->statusTip()), "Sort criteria related commands");
    EXPECT_EQ(texts(sort), (std::vector<std::string>{"Sor&t Criteria...", "-", "Set Quick Sort &Ascending",
                                                     "Set Quick Sort &Descending", "&Remove Column Sort"}));
    EXPECT_EQ(
        texts(filter),
        (std::vector<std::string>{
            "&Filter Selection...", "-", "Set &Quick Filter", "Set &Lower or Equal Quick Filter\tCtrl+Down",
            "Set &Greater or Equal Quick Filter\tCtrl+Up", "Negate Column Filter\tCtrl+Left",
            "&Remove Column Filter", "-", "Dynamic Filter...\tCtrl+F12"}));
    EXPECT_EQ(texts(hide), (std::vector<std::string>{"&Hide Columns...", "-", "Hide &One Column"}));
    // Ctrl+F12 is shown only: the main window's Save Window As owns the key.
    for (const QAction* a : window->findChildren<QAction*>())
        EXPECT_NE(a->shortcut(), QKeySequence(QStringLiteral("Ctrl+F12"))) << FromQt(a->objectName());
    // Hints: short part as tooltip, long part in the status bar; the export item has its own.
    EXPECT_EQ(FromQt(window->HideColumnsAction->toolTip()), "Hide Columns");
    EXPECT_EQ(FromQt(window->HideColumnsAction->statusTip()), "Select specific columns to hide");
    EXPECT_EQ(FromQt(window->SortAction->statusTip()),
              "Define sorting criteria: by columns and sorting types (ascending or descending)");
    EXPECT_EQ(FromQt(popup->actions()[9]->statusTip()),
              "Copy all data (all columns and rows) to clipboard - fields are separated by tab character");
    EXPECT_EQ(FromQt(window->ExportAction->statusTip()),
              "Copy to clipboard all data (all columns and rows) - fields are separated by tab character");
}

TEST_F(GridWindowTest, WorkspaceChangesGoToTheMainWindow) {
    Form main;
    std::vector<uint32_t> received;
    main.onMessage = [&](uint32_t message, int32_t wParam, int32_t lParam) {
        if (wParam == 0 && lParam == 0) received.push_back(message);
        return 0;
    };
    MessageRouter::SetMainWindow(main.Handle());
    Open(2);
    window->NotifyWorkspaceChanged();
    EXPECT_EQ(received, (std::vector<uint32_t>{0x8003}));
    MessageRouter::SetMainWindow(0);
}

TEST_F(GridWindowTest, AWindowClosesWhenItAgreesAndThenFreesItself) {
    struct Refusing : TestGridWindow {
        using TestGridWindow::TestGridWindow;
        bool CanCloseWindow() override { return allow; }
        bool allow = false;
    };
    auto* refusing = new Refusing(&area, nullptr, Config(), &titles, new LotView);
    window = refusing;
    refusing->Show();
    EXPECT_FALSE(refusing->SubWindow()->close());
    EXPECT_FALSE(refusing->IsChildClosed());
    refusing->allow = true;
    EXPECT_TRUE(refusing->SubWindow()->close());
    EXPECT_TRUE(refusing->IsChildClosed());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(GridWindowTest, DataChangedWithAWParamOnlySetsTheBusyCursor) {
    Open(3);
    window->calls.clear();
    MessageRouter::SendMessage(window->Handle(), 0x8001, 1, 0);
    EXPECT_EQ(Grid().cursor().shape(), Qt::BusyCursor);
    EXPECT_TRUE(window->calls.empty());
    MessageRouter::SendMessage(window->Handle(), 0x8001, 0, 0);
    EXPECT_EQ(Grid().cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(window->calls.empty());
}

TEST_F(GridWindowTest, DataChangedReloadsRefitsResortsAndReselectsTheRememberedRow) {
    Open(5);
    window->SortCriteria = {SortSelectionData("Amount", false)};
    view->SetSortCriteria(window->SortCriteria);
    window->SortActive = true;
    window->GridOptions().SetGridSelection(0);
    window->RefreshGrid();
    Grid().SetRow(2);  // lot 4
    ASSERT_EQ(IdAt(2), 4);
    window->calls.clear();
    window->reload = [&] {
        Put(*view, 6, 35);   // between lots 4 and 3
        Put(*view, 4, 100);  // to the top
        view->RemoveRow(BaseKey(0, 5));
    };
    MessageRouter::SendMessage(window->Handle(), 0x8001, 0, 0);
    EXPECT_EQ(window->calls,
              (Calls{"ReloadData", "CollectAlertKeys", "BeforeSort", "RowSelected 1", "RowSelected 1"}));
    EXPECT_EQ(Grid().RowCount(), 6);
    std::vector<int> ids;
    for (int row = 1; row < Grid().RowCount(); ++row) ids.push_back(IdAt(row));
    EXPECT_EQ(ids, (std::vector<int>{4, 6, 3, 2, 1}));
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(window->RememberedRowKey, BaseKey(0, 4));
}

TEST_F(GridWindowTest, ReloadGridEmptiesTheViewAfterReloadingAndRefits) {
    Open(4);
    window->calls.clear();
    MessageRouter::SendMessage(window->Handle(), 0x8012, 0, 0);
    EXPECT_EQ(window->calls, (Calls{"ReloadData", "DataReloaded"}));
    EXPECT_EQ(view->GetAllRowCount(), 1);
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(window->Caption(), "Lots - No data found");
}

TEST_F(GridWindowTest, RefreshFitsTheColumnsToTheVisibleFieldsKeepingOneDataColumn) {
    Open(2);
    view->GetTitleVisibility()["Name"] = false;
    window->RefreshGrid();
    EXPECT_EQ(Grid().ColCount(), 3);
    for (auto& [name, visible] : view->GetTitleVisibility()) visible = false;
    window->RefreshGrid();
    EXPECT_EQ(Grid().ColCount(), 2);
    EXPECT_EQ(Grid().model()->columnCount(), 1);
}

TEST_F(GridWindowTest, FiltersOnAnEmptyViewLeaveTheRowsAndStillUpdateTheCaption) {
    Open(0);
    Grid().SetRowCount(5);  // whatever the grid shows stays
    view->GetFilter().push_back(Filter("Id", 3, "1"));
    window->calls.clear();
    window->ApplyFilters();
    EXPECT_EQ(Grid().RowCount(), 5);
    EXPECT_EQ(window->Caption(), "Lots - Filter applied - No data found");
    EXPECT_EQ(window->calls, (Calls{"CollectAlertKeys", "FiltersApplied"}));
}

TEST_F(GridWindowTest, FiltersThatLeaveNoRowShowTheTitleRowAndOneEmptyRow) {
    Open(3);
    view->GetFilter().push_back(Filter("Amount", 4, "1000"));
    window->ApplyFilters();
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(window->GetCellText(1, 1), "");
    EXPECT_EQ(window->GetCellText(0, 1), "");
    EXPECT_EQ(window->Caption(), "Lots - Filter applied - No data found");
    EXPECT_FALSE(window->HasData());

    view->GetFilter().clear();
    window->ApplyFilters();
    EXPECT_EQ(Grid().RowCount(), 4);
    EXPECT_EQ(window->Caption(), "Lots");
}

TEST_F(GridWindowTest, ARememberedRowFilteredOutIsForgottenAndTheRowNumberStays) {
    Open(5);
    window->GridOptions().SetGridSelection(0);
    Grid().SetRow(2);
    ASSERT_EQ(window->RememberedRowKey, BaseKey(0, 2));
    view->GetFilter().push_back(Filter("Id", 3, "3"));  // lots 3 to 5
    window->ApplyFilters();
    EXPECT_TRUE(window->RememberedRowKey.IsNull());
    EXPECT_EQ(Selected(), 2);

    view->GetFilter().clear();
    window->ApplyFilters();
    EXPECT_EQ(Selected(), 2);
    Grid().SetRow(4);
    ASSERT_EQ(window->RememberedRowKey, BaseKey(0, 4));
    view->GetFilter().push_back(Filter("Id", 3, "2"));  // lots 2 to 5: lot 4 moves to row 3
    window->ApplyFilters();
    EXPECT_EQ(Selected(), 3);
    EXPECT_EQ(window->RememberedRowKey, BaseKey(0, 4));
}

TEST_F(GridWindowTest, SelectionByRowNumberKeepsTheRowNumber) {
    Open(5);
    window->GridOptions().SetGridSelection(1);
    Grid().SetRow(2);
    EXPECT_TRUE(window->RememberedRowKey.IsNull());  // nothing is remembered in this mode
    window->RememberedRowKey = BaseKey(0, 2);
    view->GetFilter().push_back(Filter("Id", 3, "2"));
    window->ApplyFilters();
    EXPECT_EQ(Selected(), 2);
    MessageRouter::SendMessage(window->Handle(), 0x8001, 0, 0);
    EXPECT_EQ(Selected(), 2);
}

TEST_F(GridWindowTest, UserAndProgramSelectionsRememberTheRowButARowCountChangeDoesNot) {
    Open(5);
    window->GridOptions().SetGridSelection(0);
    window->calls.clear();
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                      Grid().visualRect(Grid().model()->index(3, 1)).center());
    EXPECT_EQ(Selected(), 4);
    EXPECT_EQ(window->RememberedRowKey, BaseKey(0, 4));
    Grid().SetRow(5);
    EXPECT_EQ(window->RememberedRowKey, BaseKey(0, 5));
    EXPECT_EQ(window->calls, (Calls{"RowSelected 4", "RowSelected 5"}));
    Grid().SetRowCount(3);  // the current cell moves up, nothing is remembered
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(window->RememberedRowKey, BaseKey(0, 5));
    EXPECT_EQ(window->calls.size(), 2u);
}

TEST_F(GridWindowTest, HeadersKeepTheirSizesAgainstDoubleClicksAndContents) {
    Open(3);
    Grid().SetColWidth(2, 20);
    emit Grid().horizontalHeader()->sectionHandleDoubleClicked(1);
    EXPECT_EQ(Grid().horizontalHeader()->sectionSize(1), 20);
    EXPECT_EQ(Grid().ColWidth(2), 20);
    EXPECT_FALSE(Grid().horizontalHeader()->sectionsClickable());
    EXPECT_TRUE(Grid().horizontalHeader()->sectionsMovable());
    EXPECT_EQ(Grid().horizontalHeader()->minimumSectionSize(), 1);
    EXPECT_EQ(Grid().verticalHeader()->minimumSectionSize(), 1);
    EXPECT_FALSE(Grid().isCornerButtonEnabled());
    window->GridOptions().SetRowHeight(2);
    window->ApplyGridOptions();
    EXPECT_EQ(Grid().rowHeight(0), 2);
    EXPECT_EQ(Grid().horizontalHeader()->height(), 2);
}

TEST_F(GridWindowTest, TheNewRowAlertFiresOnNewKeysOnlyOnceTheFilterDialogClosed) {
    ScriptedUi ui;
    Open(3);
    FilterData& filter = view->GetFilter();
    filter.push_back(Filter("Id", 3, "2"));
    filter.SoundAlertEnabled = true;
    filter.SoundAlertFilename = "bell.wav";
    filter.PopupAlertEnabled = true;
    filter.PopupAlertMessage = "New lots";
    window->ApplyFilters();
    const auto check = [&] { MessageRouter::SendMessage(window->Handle(), 0x8028, 0, 0); };

    check();  // state 0: the filter dialog never closed
    EXPECT_TRUE(ui.alerts.empty());
    window->AlertState = TBaseGridForm::kAlertIdle;
    ui.ExpectBox("Alert", "New lots", BoxIcon::None, BoxButtons::Ok, mrOk);
    check();  // the first check fires with rows passing, none new
    EXPECT_EQ(ui.alerts, (std::vector<std::string>{"bell.wav"}));
    EXPECT_EQ(window->PreviousAlertKeys, (std::set<BaseKey>{BaseKey(0, 2), BaseKey(0, 3)}));
    check();  // nothing new
    EXPECT_EQ(ui.alerts.size(), 1u);

    filter.PopupAlertEnabled = false;
    Put(*view, 7, 70);
    MessageRouter::SendMessage(window->Handle(), 0x8001, 0, 0);
    check();
    EXPECT_EQ(ui.alerts.size(), 2u);

    filter[0].Value = "100";  // no row passes: the previous keys are forgotten
    window->ApplyFilters();
    check();
    EXPECT_TRUE(window->PreviousAlertKeys.empty());
    filter[0].Value = "7";
    window->ApplyFilters();
    check();
    EXPECT_EQ(ui.alerts.size(), 3u);
    EXPECT_EQ(window->AlertState, TBaseGridForm::kAlertIdle);

    window->AlertState = TBaseGridForm::kAlertBusy;  // a box is open: further checks wait
    Put(*view, 8, 80);
    MessageRouter::SendMessage(window->Handle(), 0x8001, 0, 0);
    check();
    EXPECT_EQ(ui.alerts.size(), 3u);
}

TEST_F(GridWindowTest, LaterMessagesAreDispatchedAndDoNothingYet) {
    Open(2);
    window->calls.clear();
    for (uint32_t message : {0x802Cu, 0x8037u, 0x8038u, 0x8039u, 0x803Au, 0x803Bu, 0x804Bu, 0x804Cu, 0x8002u})
        EXPECT_EQ(MessageRouter::SendMessage(window->Handle(), message, 0, 0), 0);
    EXPECT_TRUE(window->calls.empty());
    EXPECT_EQ(Grid().RowCount(), 3);
}

}  // namespace
