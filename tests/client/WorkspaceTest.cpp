// The client's workspace on the real main window without a server: the data windows opened from
// the menu and from files, the columns left out by the user's rights, workspace and
// window-configuration files written and read back (against the expected files in data/), the
// templates, and the default workspace of a session start.
#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ClientTestSupport.h"
#include "OpenDataWindows.h"
#include "client/HistoricalGridKind.h"
#include "client/KVNWorkspaceManager.h"
#include "client/TKVNGrid.h"
#include "client/TMainForm.h"
#include "core/BaseIniFile.h"
#include "core/MError.h"
#include "grid/TemplateManager.h"
#include "grid/TitleManager.h"
#include "guisupport/ScriptedUi.h"
#include "store/InterfaceView.h"
#include "support/TestTempDir.h"

namespace {

using Texts = std::vector<std::string>;

// The expected file with every "@SECTION@" replaced by the section name a save made.
std::string Expected(const std::string& name, const std::string& section = "") {
    std::string text = TestTempDir::Read(DataFile(name));
    for (std::size_t at = text.find("@SECTION@"); at != std::string::npos; at = text.find("@SECTION@", at))
        text.replace(at, 9, section);
    return text;
}

// The main window on settings of the test's own, its timers stopped, a session started for a
// participant who is no supervisor (no server: the session is never ready, so the actions are
// run through their handlers).
struct WorkspaceForm : ::testing::Test {
    void SetUp() override { Start("EncryptionKey=0123456789abcdef\n"); }
    void Start(const std::string& settings) {
        form.reset();
        environment.WriteSettings("[Config]\n" + settings);
        form = std::make_unique<TMainForm>();
        form->ProcessTimer().SetEnabled(false);
        form->ProcessMessagesTimer().SetEnabled(false);
        form->resize(1000, 700);
        form->show();
        StartSession(true, false);
    }
    void TearDown() override { form.reset(); }

    KVNWorkspaceManager& Workspace() { return form->Workspace(); }
    void StartSession(bool participant, bool supervisor) {
        Workspace().Participant = participant;
        Workspace().Supervisor = supervisor;
        Workspace().StartSession();
    }
    std::vector<TKVNGrid*> Windows() { return OpenDataWindows(*form); }
    Texts Titles() { return OpenDataWindowTitles(*form); }
    // Frame geometry fixed, so that the saved positions are known.
    void Place(TKVNGrid* window, int left, int top) {
        window->SubWindow()->showNormal();
        window->SubWindow()->setGeometry(left, top, 400, 250);
    }
    std::string Caption() const { return form->windowTitle().toStdString(); }

    ClientEnvironment environment;
    std::unique_ptr<TMainForm> form;
    ScriptedUi ui;
};

}  // namespace

// From the menu: numbered titles from the counter that accounts, positions and command history
// share (the command history's without a blank), fixed titles for the historical kinds, the
// template flag set, a section of its own each; with no workspace open the file name is empty and
// nothing is marked modified. A historical window counts as open until it closes.
TEST_F(WorkspaceForm, DataWindowsOpenedFromTheMenu) {
    form->AccountsActionExecute();
    form->CommandHistoryActionExecute();
    form->PositionsActionExecute();
    form->HistoricalAccountActionExecute();
    form->HistoricalCommandActionExecute();
    EXPECT_EQ(Titles(), (Texts{"Accounts 1", "CommandHistory2", "Positions 3", "Historical Accounts",
                               "Historical Commands History"}));
    EXPECT_EQ(form->WindowCounter(), 3);
    const Texts templates{"AccountTemplate", "CommandHistoryTemplate", "PositionTemplate",
                          "HistoricalAccountTemplate", "HistoricalCommandTemplate"};
    std::set<std::string> sections;
    const std::vector<TKVNGrid*> windows = Windows();
    for (std::size_t i = 0; i < windows.size(); ++i) {
        TKVNGrid* window = windows[i];
        SCOPED_TRACE(window->WindowTitle());
        EXPECT_TRUE(window->UseTemplate());
        EXPECT_EQ(window->GetConfigFileName(), "");
        EXPECT_EQ(window->TemplateSection(), templates[i]);
        EXPECT_EQ(window->Titles(), Workspace().GetTitleManager(window->GetKind()));
        EXPECT_FALSE(window->GetChildSection().empty());
        sections.insert(window->GetChildSection());
    }
    EXPECT_EQ(sections.size(), windows.size());
    EXPECT_FALSE(Workspace().IsModified());
    EXPECT_EQ(Caption(), "Korvane - Workspace: Not defined");

    const std::size_t slot = HistoricalGridKind::Of(ChildType::HistoricalAccounts)->Slot;
    EXPECT_EQ(form->Session().OpenHistoricalWindows[slot], 1);
    windows[3]->SubWindow()->close();
    EXPECT_EQ(form->Session().OpenHistoricalWindows[slot], 0);
    // Kind 3 and numbers that are no kind open nothing and still count as done.
    EXPECT_TRUE(form->OpenDataWindow("", "x", false, ChildType::MasterAccounts));
    EXPECT_TRUE(form->OpenDataWindow("", "y", false, ChildType(12)));
    EXPECT_EQ(Windows().size(), 4u);
}

// The columns each kind leaves out for each kind of user; the title managers lack them and every
// window of the kind hides them.
TEST_F(WorkspaceForm, ColumnsLeftOutByTheUsersRights) {
    const Texts header{"MsgType", "UserTime", "TraderID", "UserSequenceID", "Filler1"};
    const Texts accountRights{"AccountId", "MasterAccountId", "ApprovedParticipantId", "InternalAccountType",
                              "Flags"};
    const Texts positionRights{"AccountId", "MasterAccountId", "ApprovedParticipantId"};
    const auto join = [](Texts a, const Texts& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const struct {
        ChildType kind;
        bool participant, supervisor;
        Texts leftOut;
        bool allColumns = true;  // every name left out is a column of the kind
    } cases[] = {
        {ChildType::Accounts, true, false, join(accountRights, {"FirmUnitMember"})},
        {ChildType::Accounts, false, false, accountRights},
        {ChildType::Accounts, true, true, {}},
        {ChildType::HistoricalAccounts, true, false, join(accountRights, {"FirmUnitMember"})},
        {ChildType::Positions, false, true, header},
        {ChildType::Positions, false, false, join(header, positionRights)},
        {ChildType::Positions, true, false, join(join(header, positionRights), {"FirmUnitMember"})},
        // The historical positions have no message header.
        {ChildType::HistoricalPositions, true, false, join(join(header, positionRights), {"FirmUnitMember"}),
         false},
        {ChildType::HistoricalCommands, true, false, {"FirmUnitMember"}},
        {ChildType::HistoricalCommands, false, false, {}},
        {ChildType::CommandHistory, true, false, {}},
        {ChildType::HistoricalSubmissions, true, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.kind)) + (c.participant ? " participant" : "") +
                     (c.supervisor ? " supervisor" : ""));
        EXPECT_EQ(KVNWorkspaceManager::ColumnsLeftOut(c.kind, c.participant, c.supervisor), c.leftOut);
        StartSession(c.participant, c.supervisor);
        ASSERT_TRUE(form->OpenDataWindow("", "Window", false, c.kind));
        TKVNGrid* window = Windows().back();
        const TitleMap& titles = Workspace().GetTitleManager(c.kind)->GetTitleMap();
        const TitleVisibilityMap& visibility = window->View()->GetTitleVisibility();
        for (const std::string& name : window->View()->GetTitleList()) {
            const bool leftOut = std::find(c.leftOut.begin(), c.leftOut.end(), name) != c.leftOut.end();
            EXPECT_EQ(titles.count(name), leftOut ? 0u : 1u) << name;
            EXPECT_EQ(visibility.at(name), !leftOut) << name;
        }
        if (c.allColumns) {
            for (const std::string& name : c.leftOut)
                EXPECT_EQ(visibility.count(name), 1u) << name << " is no column";
        }
        delete window->SubWindow();
    }
}

// An empty workspace holds the application name alone. A saved workspace holds the changed
// titles, every kind's template that has lines (a kind without a window too, a value holding "="
// whole), the application name, one DataWindow line per window (number = kind) and one section
// per window; the windows are configured from it from then on. Closed, its windows are asked to
// close, the titles are reset and the templates emptied; loaded again, it gives the same file.
TEST_F(WorkspaceForm, WorkspaceFilesAreWrittenAndReadBack) {
    const std::string empty = environment.File("empty.wrk");
    ui.ExpectSaveFile(empty);
    form->SaveWorkspaceAsActionExecute();
    EXPECT_EQ(TestTempDir::Read(empty), Expected("workspace-empty.wrk"));
    EXPECT_EQ(Caption(), "Korvane - Workspace: empty");

    const std::string templates = environment.File("templates.wrk");
    TestTempDir::Write(templates,
                       "[PositionTemplate]\nSort=Quantity(0);\nFilter=Price(a=b);\nFilterCount=1\n"
                       "[Application]\nName=Korvane.exe\n");
    Workspace().LoadTemplates(templates);
    form->CommandHistoryActionExecute();
    form->AccountsActionExecute();
    EXPECT_TRUE(Workspace().IsModified());
    std::vector<TKVNGrid*> windows = Windows();
    Place(windows[0], 10, 20);
    Place(windows[1], 30, 40);
    windows[1]->SetWindowTitle("My accounts");
    TitleManager& history = *Workspace().GetTitleManager(ChildType::CommandHistory);
    TitleMap titles = history.GetTitleMap();
    titles["Description"].Title = "What";
    history.SetTitleMap(titles);

    const std::string daily = environment.File("daily.wrk");
    ui.ExpectSaveFile(daily);
    form->SaveWorkspaceAsActionExecute();
    EXPECT_EQ(TestTempDir::Read(daily), Expected("workspace-saved.wrk"));
    EXPECT_EQ(Caption(), "Korvane - Workspace: daily");
    EXPECT_FALSE(Workspace().IsModified());
    for (TKVNGrid* window : windows) EXPECT_EQ(window->GetConfigFileName(), daily);

    Workspace().CloseWorkspace();
    EXPECT_TRUE(Windows().empty());
    EXPECT_TRUE(Workspace().IsUnnamed());
    EXPECT_EQ(history.GetUserTitle("Description"), "Description");
    EXPECT_TRUE(Workspace().GetTemplateManager(ChildType::Positions)->GetLines().empty());

    Workspace().LoadWorkspace(daily);
    // Numbered from the counter, then titled as saved.
    EXPECT_EQ(Titles(), (Texts{"CommandHistory1", "My accounts"}));
    EXPECT_EQ(form->WindowCounter(), 4);
    EXPECT_EQ(history.GetUserTitle("Description"), "What");
    EXPECT_EQ(Workspace().GetTemplateManager(ChildType::Positions)->GetLines(),
              (Texts{"Sort=Quantity(0);", "Filter=Price(a=b);", "FilterCount=1"}));
    for (TKVNGrid* window : Windows()) EXPECT_FALSE(window->UseTemplate());
    // Loading it again brings its windows forward instead of opening them twice.
    Workspace().LoadWorkspace(daily);
    EXPECT_EQ(Titles(), (Texts{"CommandHistory1", "My accounts"}));
    EXPECT_EQ(form->WindowCounter(), 4);

    windows = Windows();
    Place(windows[0], 10, 20);
    Place(windows[1], 30, 40);
    ASSERT_TRUE(Workspace().SaveTo(environment.File("again.wrk")));
    EXPECT_EQ(TestTempDir::Read(environment.File("again.wrk")), Expected("workspace-saved.wrk"));
}

// A file of another program, or one with a window entry that is not an optional '+' and digits,
// gives the warning box and opens nothing; kind 3 opens nothing and is not reported; the
// application name is compared without regard to case.
TEST_F(WorkspaceForm, LoadingChecksTheApplicationAndTheEntries) {
    const std::string file = environment.File("in.wrk");
    const std::string foreign = "The file: " + file + "\nis not a valid configuration file of  application.";
    const struct {
        const char* text;
        std::string box;  // none when empty
        Texts titles;
    } cases[] = {
        {"[Application]\nName=Other.exe\n[DataWindow]\n0=2\n", foreign, {}},
        {"[DataWindow]\n0=2\n", foreign, {}},
        {"[Application]\nName=Korvane.exe\n[DataWindow]\n0=2\n1=+-3\n", foreign, {}},
        {"[Application]\nName=Korvane.exe\n[DataWindow]\n0=-3\n", foreign, {}},
        {"[Application]\nName=Korvane.exe\n[DataWindow]\n0=+\n", foreign, {}},
        {"[Application]\nName=Korvane.exe\n[DataWindow]\n0=++2\n", foreign, {}},
        {"[Application]\nName=Korvane.exe\n[DataWindow]\n0=2\n1=two\n", foreign, {}},
        {"[Application]\nName=Korvane.exe\n[DataWindow]\n0= 4\n", foreign, {}},
        {"[Application]\nName=Korvane.exe\n[DataWindow]\n0=4 \n", foreign, {}},
        {"[Application]\nName=Korvane.exe\n[DataWindow]\n0=2.5\n", foreign, {}},
        {"[Application]\nName=Korvane.exe\n[DataWindow]\n0=2\n1=\n", foreign, {}},
        {"[Application]\nName=Korvane.exe\n[DataWindow]\n0=99999999999\n", foreign, {}},
        {"[APPLICATION]\nname=korvane.EXE\n[DataWindow]\n1=2\n3=+7\n4=0099\n",
         "",
         {"CommandHistory1", "Historical Commands History"}},
        {"[Application]\nName=Korvane.exe\n[DataWindow]\n0=3\n", "", {}},
        {"[Application]\nName=Korvane.exe\n", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TestTempDir::Write(file, c.text);
        form->WindowCounter() = 0;
        if (!c.box.empty())
            ui.ExpectBox("Loading  configuration file", c.box, BoxIcon::Warning, BoxButtons::Ok, mrOk);
        EXPECT_EQ(Workspace().LoadFile(file), c.box.empty());
        EXPECT_EQ(ui.Pending(), 0u);
        EXPECT_EQ(Titles(), c.titles);
        for (TKVNGrid* window : Windows()) delete window->SubWindow();
    }
}

// The active window saved as a configuration file: the application name, one DataWindow line
// under a new section name, and that section. Opened again, the file's window joins the open
// workspace, which is then modified.
TEST_F(WorkspaceForm, TheActiveWindowIsSavedAsAConfigurationFileAndOpenedFromIt) {
    form->CommandHistoryActionExecute();
    TKVNGrid* window = Windows().back();
    Place(window, 10, 20);
    window->SortCriteria = {{"SequenceNumber", false}};
    const std::string cfg = environment.File("history.cfg");
    ui.ExpectSaveFile(cfg);
    form->SaveWindowAsActionExecute();
    Texts sections;
    BaseIniFile(cfg).ReadSection("DataWindow", sections);
    ASSERT_EQ(sections.size(), 1u);
    EXPECT_NE(sections[0], window->GetChildSection());
    EXPECT_EQ(TestTempDir::Read(cfg), Expected("window.cfg", sections[0]));

    ui.ExpectSaveFile(environment.File("daily.wrk"));
    form->SaveWorkspaceAsActionExecute();
    ASSERT_FALSE(Workspace().IsModified());
    ui.ExpectOpenFile(cfg);
    form->OpenWindowActionExecute();
    ASSERT_EQ(Windows().size(), 2u);
    TKVNGrid* opened = Windows().back();
    EXPECT_EQ(opened->GetChildSection(), sections[0]);
    EXPECT_EQ(opened->GetConfigFileName(), cfg);
    EXPECT_FALSE(opened->UseTemplate());
    EXPECT_EQ(opened->WindowTitle(), "CommandHistory1");
    EXPECT_EQ(form->WindowCounter(), 2);
    ASSERT_EQ(opened->SortCriteria.size(), 1u);
    EXPECT_EQ(opened->SortCriteria[0].Column, "SequenceNumber");
    EXPECT_TRUE(Workspace().IsModified());
}

// Saving the active window as template writes its kind's section into the open workspace file,
// keeps the keys of that section the window does not write, and reloads the kind's template from
// the file; a new window from the menu then takes its configuration from the template.
TEST_F(WorkspaceForm, TheActiveWindowBecomesItsKindsTemplate) {
    const std::string daily = environment.File("daily.wrk");
    TestTempDir::Write(daily,
                       "[CommandHistoryTemplate]\nKept=old key\nSort=Description(1);\n"
                       "[Application]\nName=Korvane.exe\n");
    form->CommandHistoryActionExecute();
    TKVNGrid* window = Windows().back();
    window->SortCriteria = {{"SequenceNumber", false}};
    form->SaveWindowAsTemplateActionExecute();  // no workspace open: nothing
    EXPECT_EQ(TestTempDir::Read(daily).find("SequenceNumber"), std::string::npos);

    ui.ExpectOpenFile(daily);
    form->OpenWorkspaceActionExecute();
    ASSERT_EQ(Workspace().GetFileName(), daily);
    EXPECT_EQ(Workspace().GetTemplateManager(ChildType::CommandHistory)->GetLines(),
              (Texts{"Kept=old key", "Sort=Description(1);"}));
    form->CommandHistoryActionExecute();
    window = Windows().back();
    ASSERT_EQ(window->SortCriteria.size(), 1u);
    EXPECT_EQ(window->SortCriteria[0].Column, "Description");
    window->SortCriteria = {{"SequenceNumber", false}};
    form->SaveWindowAsTemplateActionExecute();
    Texts lines;
    BaseIniFile(daily).ReadSectionValues("CommandHistoryTemplate", lines);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Kept=old key");
    EXPECT_EQ(lines[1], "Sort=SequenceNumber(0);");
    EXPECT_EQ(Workspace().GetTemplateManager(ChildType::CommandHistory)->GetLines(), lines);
    Workspace().CloseWorkspace();
    EXPECT_TRUE(Workspace().GetTemplateManager(ChildType::CommandHistory)->GetLines().empty());
}

// A template that cannot be written into the workspace file gives the failed workspace save's box
// and a log line with the system's reason.
TEST_F(WorkspaceForm, AFailedTemplateSaveIsShownAndLoggedWithItsCause) {
    const std::string daily = environment.File("daily.wrk");
    TestTempDir::Write(daily, "[Application]\nName=Korvane.exe\n");
    ui.ExpectOpenFile(daily);
    form->OpenWorkspaceActionExecute();
    ASSERT_EQ(Workspace().GetFileName(), daily);
    form->CommandHistoryActionExecute();
    std::filesystem::remove(daily);
    std::filesystem::create_directory(daily);  // nothing can replace it, not even for root
    ui.ExpectBox("Error - Saving Workspace", "Unable to overwrite the workspace file!\n", BoxIcon::Error,
                 BoxButtons::Ok, mrOk);
    form->SaveWindowAsTemplateActionExecute();
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_NE(std::string(GetLastLogLine(3))
                  .find("Unable to save the window template into " + daily + ": " + std::strerror(EISDIR)),
              std::string::npos)
        << GetLastLogLine(3);
    EXPECT_TRUE(std::filesystem::is_directory(daily));
}

// A session start names the default workspace; one that no longer exists is forgotten in the
// settings file, with nothing else touched. "Save Workspace As Default" is in the file when the
// action returns and survives the main window's own write-back at a normal close.
TEST_F(WorkspaceForm, TheDefaultWorkspaceOfASessionStart) {
    const std::string daily = environment.File("daily.wrk");
    TestTempDir::Write(daily, "[Application]\nName=Korvane.exe\n");
    Start("EncryptionKey=0123456789abcdef\nDefaultWorkspace=" + daily + "\n");
    EXPECT_EQ(Workspace().GetFileName(), daily);

    const std::string settings =
        "[Config]\nEncryptionKey=0123456789abcdef\nDefaultWorkspace=" + environment.File("gone.wrk") +
        "\nWorkingDir=/tmp\n\n[Other]\nKey=Value\n\n";
    environment.WriteSettings(settings);
    StartSession(true, false);
    EXPECT_TRUE(Workspace().IsUnnamed());
    EXPECT_EQ(environment.ReadSettings(),
              "[Config]\nEncryptionKey=0123456789abcdef\nDefaultWorkspace=\n"
              "WorkingDir=/tmp\n\n[Other]\nKey=Value\n\n");

    ui.ExpectOpenFile(daily);
    form->OpenWorkspaceActionExecute();
    form->SaveWorkspaceAsDefaultActionExecute();
    EXPECT_EQ(environment.ReadSettings(), "[Config]\nEncryptionKey=0123456789abcdef\nDefaultWorkspace=" +
                                              daily + "\nWorkingDir=/tmp\n\n[Other]\nKey=Value\n\n");
    form->SetEncryptionKey("fedcba9876543210");
    form->SettingsFile()->WriteString("Config", "EncryptionKey", "fedcba9876543210");
    EXPECT_TRUE(form->close());
    const BaseIniFile written(environment.SettingsPath());
    EXPECT_EQ(written.ReadString("Config", "DefaultWorkspace", ""), daily);
    EXPECT_EQ(written.ReadString("Config", "EncryptionKey", ""), "fedcba9876543210");
}
