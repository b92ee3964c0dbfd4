// The client grid window base: record actions and their enabling rules, registration with the
// session, workspace entries, the working directory and the import logs.
#include <QMenu>
#include <QRegularExpression>
#include <cstdio>
#include <filesystem>

#include "ClientGridFixture.h"
#include "client/TWaitProgressForm.h"
#include "core/BaseIniFile.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TExportDataToCSV.h"
#include "support/TestTempDir.h"
#include "toolkit/Action.h"
#include "toolkit/QtText.h"

class ClientGridWindowTest : public ClientGridFixture {};

TEST_F(ClientGridWindowTest, RecordActionsCarryTheirTextsAndFollowTheRecordItemsOfThePopupMenu) {
    ASSERT_TRUE(LogInNow());
    TKVNGrid& window = Open(ChildType::Accounts);
    struct Expected {
        Action* action;
        const char* name;
        const char* caption;
        const char* keys;
        const char* tip;
    };
    const Expected expected[] = {
        {window.NewRowAction, "NewRowAction", "&New...", "Ins",
         "Open the form to provide data for a new record"},
        {window.CopyAction, "CopyAction", "&Copy...", "Ctrl+C",
         "Create new business item as a copy of currently selected"},
        {window.DeleteAction, "DeleteAction", "&Delete...", "Ctrl+Del", "Delete currently selected row"},
        {window.DeleteAllDisplayedAction, "DeleteAllDisplayedAction", "Delete All Displa&yed...", "",
         "Delete All"},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(FromQt(e.action->objectName()), e.name);
        EXPECT_EQ(e.action->Caption(), e.caption);
        EXPECT_EQ(FromQt(e.action->shortcut().toString(QKeySequence::PortableText)), e.keys);
        EXPECT_EQ(FromQt(e.action->toolTip()), e.tip);
    }
    EXPECT_EQ(FromQt(window.DeleteAllDisplayedAction->statusTip()),
              "Delete all displayed records in currently open data window");

    // The popup menu ends: New, Copy, Delete, -, Delete All Displayed, -, Import.
    std::vector<std::string> tail;
    for (QAction* a : window.PopupMenu()->actions())
        tail.push_back(a->isSeparator() ? "-" : FromQt(a->objectName()));
    ASSERT_GE(tail.size(), 7u);
    tail.erase(tail.begin(), tail.end() - 7);
    EXPECT_EQ(tail, (std::vector<std::string>{"NewRowAction", "CopyAction", "DeleteAction", "-",
                                              "DeleteAllDisplayedAction", "-", "ImportAction"}));
}

TEST_F(ClientGridWindowTest, RecordActionsAreEnabledByKindRightsDataAndReadiness) {
    ASSERT_TRUE(LogInNow());
    struct Case {
        ChildType kind;
        bool supervisor;
        bool enabled;
    };
    const Case cases[] = {
        {ChildType::Accounts, false, true},
        {ChildType::Accounts, true, true},
        {ChildType::MasterAccounts, true, true},
        {ChildType::Positions, false, true},
        {ChildType::Positions, true, false},
        {ChildType::CommandHistory, false, false},
        {ChildType::HistoricalAccounts, false, false},
        {ChildType::HistoricalPositions, false, false},
        {ChildType::HistoricalSubmissions, false, false},
        {ChildType::HistoricalCommands, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        SCOPED_TRACE(c.supervisor);
        session->UserTypeM = c.supervisor;
        TKVNGrid& window = Open(c.kind);
        window.Grid()->SetRow(1);
        const std::vector<Action*> actions = {window.NewRowAction, window.CopyAction, window.DeleteAction,
                                              window.DeleteAllDisplayedAction, window.EditRowAction};
        for (Action* action : actions) {
            action->Update();
            EXPECT_EQ(action->Enabled(), c.enabled) << FromQt(action->objectName());
        }
        EXPECT_EQ(window.IsRecordEditable(), c.enabled);
        EXPECT_EQ(window.IsRecordDeletable(), c.enabled);

        // Not ready (still loading): every record action is disabled.
        session->Loading = true;
        for (Action* action : actions) {
            action->Update();
            EXPECT_FALSE(action->Enabled()) << FromQt(action->objectName());
        }
        session->Loading = false;
    }
    session->UserTypeM = false;

    // Without rows, New and Edit Row follow the view alone; Copy, Delete and Delete All need data.
    TKVNGrid& empty = Open(ChildType::Accounts, 0);
    for (Action* action : {empty.NewRowAction, empty.EditRowAction}) {
        action->Update();
        EXPECT_TRUE(action->Enabled());
    }
    for (Action* action : {empty.CopyAction, empty.DeleteAction, empty.DeleteAllDisplayedAction}) {
        action->Update();
        EXPECT_FALSE(action->Enabled());
    }
}

// A window that counts what its record actions ask of it.
class RecordingGrid : public TKVNGrid {
public:
    using TKVNGrid::TKVNGrid;
    bool CanCopyRecord(int row) override { return row != 1 && TKVNGrid::CanCopyRecord(row); }
    void NewRecord(int row) override { calls.push_back("New " + std::to_string(row)); }
    void DeleteRecord(int row) override { calls.push_back("Delete " + std::to_string(row)); }
    void DeleteAllDisplayed() override { calls.push_back("DeleteAll"); }
    std::vector<std::string> calls;
};

TEST_F(ClientGridWindowTest, RecordActionsRunTheVirtualOperationsWithTheDataRow) {
    ASSERT_TRUE(LogInNow());
    auto* view = new HistoryView;
    for (int i = 1; i <= 3; ++i) {
        CommandHistory entry;
        entry.SequenceNumber.SetValue(i);
        view->UpdateRow(&entry);
    }
    auto& window = Track(
        new RecordingGrid(&area, ChildType::Accounts, Config("Accounts1"), &titles, session.get(), view));
    window.Grid()->SetRow(3);
    EXPECT_TRUE(window.NewRowAction->Execute());
    EXPECT_TRUE(window.CopyAction->Execute());
    EXPECT_TRUE(window.DeleteAction->Execute());
    EXPECT_TRUE(window.DeleteAllDisplayedAction->Execute());
    EXPECT_EQ(window.calls, (std::vector<std::string>{"New -1", "New 2", "Delete 2", "DeleteAll"}));
    // The window's own rule refuses the copy of data row 1.
    window.Grid()->SetRow(2);
    window.CopyAction->Update();
    EXPECT_FALSE(window.CopyAction->Enabled());
}

TEST_F(ClientGridWindowTest, AWindowRegistersAtOnceFlaggedNewAndLeavesWhenItCloses) {
    TKVNGrid& window = Open(ChildType::Positions);
    const uint32_t handle = window.Handle();
    const auto& registered = session->GetGridWindows();
    EXPECT_NE(std::find(registered.begin(), registered.end(), handle), registered.end());
    ASSERT_EQ(session->GridClients.count(handle), 1u);
    const GridClientData& client = session->GridClients.at(handle);
    EXPECT_EQ(client.Kind, ChildType::Positions);
    EXPECT_EQ(client.View, window.View());
    EXPECT_TRUE(client.IsNew);
    EXPECT_EQ(window.GetKind(), ChildType::Positions);

    // Columns the title manager lacks are hidden.
    const TitleVisibilityMap& visibility = window.View()->GetTitleVisibility();
    EXPECT_FALSE(visibility.at("ErrorCode"));
    EXPECT_TRUE(visibility.at("ErrorMessage"));
    EXPECT_TRUE(visibility.at("SequenceNumber"));

    window.SubWindow()->close();
    QApplication::processEvents();
    EXPECT_EQ(session->GridClients.count(handle), 0u);
    EXPECT_EQ(std::find(registered.begin(), registered.end(), handle), registered.end());
}

TEST_F(ClientGridWindowTest, WorkspaceEntriesNameTheKindAndTheApplication) {
    TKVNGrid& window = Open(ChildType::Accounts);
    const std::string path = dir.File("Workspace.ini");
    {
        BaseIniFile file(path);
        window.WriteWindowEntry(file);
        window.WriteApplicationName(file);
    }
    BaseIniFile file(path);
    EXPECT_EQ(file.ReadString("DataWindow", window.GetChildSection(), "?"), "0");
    EXPECT_EQ(file.ReadString("Application", "Name", "?"), "Korvane.exe");
    TKVNGrid& history = Open(ChildType::HistoricalCommands);
    history.WriteWindowEntry(file);
    EXPECT_EQ(file.ReadString("DataWindow", history.GetChildSection(), "?"), "7");
}

TEST_F(ClientGridWindowTest, TheWorkingDirectoryIsReturnedAsReadOrRefused) {
    TKVNGrid& window = Open(ChildType::Accounts);
    WriteSettings(dir.Path());
    EXPECT_EQ(window.GetWorkingDir(), dir.Path());
    EXPECT_FALSE(window.SettingsFilePath().empty());

    struct Case {
        std::string value;
        bool withKey;
    };
    const Case cases[] = {{dir.File("missing"), true}, {"", true}, {"", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        WriteSettings(c.value, c.withKey);
        const std::string message = "The working directory: '" + c.value + "' doesn't exists!";
        ui.ExpectBox("Setup Error", message, BoxIcon::Error, BoxButtons::Ok, mrOk);
        const std::size_t before = session->GetErrorDetails().size();
        EXPECT_EQ(window.GetWorkingDir(), "");
        session->CollectErrors();
        const auto& log = session->GetErrorDetails();
        ASSERT_GT(log.size(), before);
        EXPECT_EQ(log.back().GetLevel(), LOG_ERROR);
        EXPECT_NE(std::string(log.back().GetText()).find(message), std::string::npos);

        // No log name without a directory: the name stays as it was.
        ui.ExpectBox("Setup Error", message, BoxIcon::Error, BoxButtons::Ok, mrOk);
        EXPECT_FALSE(window.MakeImportLogFileName("/data/positions.csv"));
        EXPECT_EQ(window.ImportLogFileName(), "");
    }
}

TEST_F(ClientGridWindowTest, ImportLogNamesJoinDirectoryBaseNameDateAndTime) {
    TKVNGrid& window = Open(ChildType::Positions);
    const std::string logs = dir.File("logs");
    std::filesystem::create_directories(logs);
    struct Case {
        std::string workingDir;
        std::string importFile;
        std::string prefix;
    };
    const Case cases[] = {
        {logs, "/data/positions.csv", logs + "/positions_"},
        {logs + "/", "/data/positions.csv", logs + "/positions_"},
        {logs, "/data/a.csv.csv", logs + "/a_"},
        {logs, "/data/noext", logs + "/_"},
        {logs, "relative.txt", logs + "/relative_"},
    };
    const QRegularExpression stamp(QStringLiteral("^\\d{8}_\\d{6}\\.log$"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.workingDir + " " + c.importFile);
        WriteSettings(c.workingDir);
        ASSERT_TRUE(window.MakeImportLogFileName(c.importFile));
        const std::string& name = window.ImportLogFileName();
        ASSERT_EQ(name.compare(0, c.prefix.size(), c.prefix), 0) << name;
        EXPECT_TRUE(stamp.match(ToQt(name.substr(c.prefix.size()))).hasMatch()) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(window.ImportLogFileName()));  // named, not written
}

TEST_F(ClientGridWindowTest, ImportLogLinesAreWrittenOnlyToAFile) {
    const std::string path = dir.File("import.log");
    std::FILE* file = std::fopen(path.c_str(), "w");
    ASSERT_NE(file, nullptr);
    TKVNGrid::WriteImportLogLine(file, "Position", 12, "Bad quantity");
    TKVNGrid::WriteImportLogLine(file, "Account", 0, "Missing id");
    EXPECT_EQ(TKVNGrid::WriteGeneralErrorLine(file, "No rows", 3), 0);
    EXPECT_EQ(TKVNGrid::WriteGeneralErrorLine(file, "Empty file", 0), 0);
    std::fclose(file);
    EXPECT_EQ(TestTempDir::Read(path),
              "12;Position;Bad quantity;\n"
              ";Account;Missing id;\n"
              "3;GeneralError;No rows;\n"
              ";GeneralError;Empty file;\n");
    // Without a file nothing is written, and nothing fails.
    TKVNGrid::WriteImportLogLine(nullptr, "Position", 1, "x");
    EXPECT_EQ(TKVNGrid::WriteGeneralErrorLine(nullptr, "x", 1), 0);
}

TEST_F(ClientGridWindowTest, TheGridToolsWorkUnchangedOnAClientWindow) {
    ASSERT_TRUE(LogInNow());
    TKVNGrid& window = Open(ChildType::Accounts, 2);
    window.Grid()->SelectCell(1, 2);
    window.CopyRowAction->Execute();
    EXPECT_EQ(ui.clipboard.substr(0, 2), "2\t");
    window.ExportToCSVAction->Execute();
    TExportDataToCSV::JoinAll();
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        if (entry.path().extension() == ".csv") files.push_back(entry.path().string());
    ASSERT_EQ(files.size(), 1u);
    const std::string csv = TestTempDir::Read(files[0]);
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "SequenceNumber;ExecutionTime;CommandAction;BusinessItem;CommandStatus;"
              "ErrorMessage;Description;");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3);

    // No link registry and no column access manager: with two windows and data, the dynamic
    // filter and the column-value tools stay disabled.
    Open(ChildType::Accounts, 2);
    for (Action* action : {window.DynamicFilterAction, window.ModifyColumnsAction}) {
        action->Update();
        EXPECT_FALSE(action->Enabled()) << action->Caption();
    }
    EXPECT_EQ(window.GetDynamicLinkRegistry(), nullptr);
}

// A full disk (the device that answers every write with "no space"): the first lost line is
// logged once, and closing the log reports the failure so that the import fails.
TEST_F(ClientGridWindowTest, ImportLogOnAFullDiskReportsFailure) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    std::FILE* file = std::fopen("/dev/full", "w");
    ASSERT_NE(file, nullptr);
    std::setvbuf(file, nullptr, _IONBF, 0);  // each line reaches the device at once
    for (int line = 1; line <= 300; ++line)
        TKVNGrid::WriteImportLogLine(file, "Position", line, "Bad quantity");
    EXPECT_FALSE(TKVNGrid::CloseImportLog(file, "/dev/full"));
    session->CollectErrors();
    std::size_t lost = 0;
    std::size_t failed = 0;
    for (const auto& entry : session->GetErrorDetails()) {
        const std::string text = entry.GetText();
        lost += text.find("Import log line not written") != std::string::npos;
        failed +=
            entry.GetLevel() == LOG_ERROR &&
            text.find("Import log '/dev/full' not written completely: the import fails") != std::string::npos;
    }
    EXPECT_EQ(lost, 1u);
    EXPECT_EQ(failed, 1u);

    // A log written whole closes as such.
    const std::string path = dir.File("import.log");
    std::FILE* good = std::fopen(path.c_str(), "w");
    TKVNGrid::WriteImportLogLine(good, "Position", 1, "Bad quantity");
    EXPECT_TRUE(TKVNGrid::CloseImportLog(good, path));

    // The execution report on a full disk is reported as not written.
    TWaitProgressForm form(nullptr, session.get());
    form.SetResultLogFileName("/dev/full");
    EXPECT_FALSE(form.AppendToResultLog({"1003;Unknown account;New position;"}));
    form.SetResultLogFileName(path);
    EXPECT_TRUE(form.AppendToResultLog({"1003;Unknown account;New position;"}));
}
