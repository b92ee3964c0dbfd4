// The grid window's import action (open-file dialog, the window's import, the outcome boxes under
// the hourglass, the refit) and its dump action.
#include <QTest>
#include <filesystem>

#include "GridWindowFixture.h"
#include "guisupport/ScriptedUi.h"
#include "support/ScopedWorkingDirectory.h"
#include "toolkit/Action.h"

namespace {

// Records the depth of the busy cursor each box was shown under.
class BusyRecordingUi : public ScriptedUi {
public:
    int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, BoxIcon icon,
                   BoxButtons buttons) override {
        boxBusyDepths.push_back(busyDepth);
        return ScriptedUi::MessageBox(owner, text, caption, icon, buttons);
    }
    std::vector<int> boxBusyDepths;
};

// A window that imports by adding a row per file, succeeding as told.
class ImportingWindow : public TestGridWindow {
public:
    using TestGridWindow::TestGridWindow;
    bool CanImport() override { return true; }
    bool ImportData(const std::string& fileName) override {
        imported.push_back(fileName);
        const Lot lot(static_cast<int>(imported.size()) + 100, "Imp", 1);
        static_cast<LotView*>(View())->UpdateRow(&lot);
        View()->ApplyFilter();
        return succeed;
    }
    std::vector<std::string> imported;
    bool succeed = true;
};

// Enables import without overriding the import itself.
class EnabledImportWindow : public TestGridWindow {
public:
    using TestGridWindow::TestGridWindow;
    bool CanImport() override { return true; }
};

const char* const kFailed =
    "The import has been completed with some problems.\nFor more details please consult Communication Status "
    "Window";

class GridImportDumpTest : public GridWindowTest {
protected:
    // Presses Ctrl+I in the window.
    void PressImportKey() {
        window->Actions().UpdateActions();
        QApplication::setActiveWindow(&area);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
        Grid().setFocus();
        QTest::keyClick(&Grid(), Qt::Key_I, Qt::ControlModifier);
    }
};

TEST_F(GridImportDumpTest, ImportIsDisabledUnlessTheWindowCanImportAlsoThroughItsShortcut) {
    Open(2);
    ScriptedUi ui;  // any dialog would fail the test
    PressImportKey();
    EXPECT_FALSE(window->ImportAction->Enabled());
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_EQ(window->ImportAction->shortcut(), QKeySequence("Ctrl+I"));
}

TEST_F(GridImportDumpTest, TheShortcutAsksForAFileImportsItAndReportsSuccessUnderTheHourglass) {
    ImportingWindow& importing = OpenAs<ImportingWindow>(2);
    BusyRecordingUi ui;
    ui.ExpectOpenFile(dir.File("accounts.CSV"));
    ui.ExpectBox("Import status", "The import has been successfully completed", BoxIcon::Information,
                 BoxButtons::Ok, mrOk);
    PressImportKey();
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    const FileDialogSpec& spec = ui.fileDialogs[0];
    EXPECT_EQ(spec.title, "Import Data");
    EXPECT_EQ(spec.filter, "Import files (*.csv)|*.CSV");
    EXPECT_EQ(spec.defaultExt, "csv");
    EXPECT_EQ(spec.fileName, "");
    EXPECT_TRUE(spec.mustExist);
    EXPECT_TRUE(spec.Matches("accounts.csv"));  // both cases are offered
    EXPECT_EQ(importing.imported, (std::vector<std::string>{dir.File("accounts.CSV")}));
    EXPECT_EQ(ui.boxBusyDepths, (std::vector<int>{1}));
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_EQ(Grid().RowCount(), 4);  // refitted to the imported row

    ui.ExpectOpenFile(dir.File("positions.csv"));
    ui.ExpectBox("Import Status", kFailed, BoxIcon::Warning, BoxButtons::Ok, mrOk);
    importing.succeed = false;
    importing.ImportActionExecute();
    EXPECT_EQ(importing.imported.size(), 2u);
    EXPECT_EQ(ui.boxBusyDepths, (std::vector<int>{1, 1}));
    EXPECT_EQ(Grid().RowCount(), 5);
}

TEST_F(GridImportDumpTest, CancellingTheDialogImportsNothing) {
    ImportingWindow& importing = OpenAs<ImportingWindow>(2);
    ScriptedUi ui;
    ui.ExpectOpenFile(std::nullopt);
    importing.ImportFromDialog();
    EXPECT_TRUE(importing.imported.empty());
    EXPECT_EQ(ui.busyCalls, 0);
}

TEST_F(GridImportDumpTest, TheBaseImportAlwaysSucceeds) {
    OpenAs<EnabledImportWindow>(1);
    ScriptedUi ui;
    ui.ExpectOpenFile(dir.File("x.csv"));
    ui.ExpectBox("Import status", "The import has been successfully completed", BoxIcon::Information,
                 BoxButtons::Ok, mrOk);
    window->ImportAction->Execute();
}

TEST_F(GridImportDumpTest, DumpWritesTheViewsDumpFileUnderTheHourglass) {
    ScopedWorkingDirectory workingDirectory(dir.Path());
    Open(2);
    ScriptedUi ui;
    window->DumpDataAction->Execute();
    EXPECT_EQ(TestTempDir::Read(dir.File("Lots.dump")), "Id;Name;Amount;\n1;N1;10;\n2;N2;20;\n");
    EXPECT_EQ(ui.busyCalls, 1);
    EXPECT_EQ(ui.busyDepth, 0);

    // Without data the action is disabled.
    std::filesystem::remove(dir.File("Lots.dump"));
    view->ClearRows();
    window->RefreshGrid();
    window->DumpDataAction->Execute();
    EXPECT_FALSE(std::filesystem::exists(dir.File("Lots.dump")));
}

}  // namespace
