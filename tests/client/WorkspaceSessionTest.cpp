// The workspace over a session logged in to the loopback test server: the default workspace's
// windows at login and after a lost connection, the Business Item and workspace actions under
// their enabling rules, and Logout with a named workspace.
#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ClientTestSupport.h"
#include "MainFormFixture.h"
#include "OpenDataWindows.h"
#include "client/KVNWorkspaceManager.h"
#include "client/THistoricalGridForm.h"
#include "client/THistoricalQueryForm.h"
#include "client/TKVNGrid.h"
#include "client/TMainForm.h"
#include "core/BaseIniFile.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TitleManager.h"
#include "guisupport/ScriptedUi.h"
#include "support/TestTempDir.h"
#include "toolkit/Action.h"
#include "toolkit/DateTimePicker.h"

using namespace std::chrono_literals;

namespace {

using Texts = std::vector<std::string>;

// A default workspace of an accounts window (section "0") and a command-history window ("1").
struct WorkspaceSession : LoggedInForm {
    void StartWithDefault() {
        workspace = environment.File("daily.wrk");
        TestTempDir::Write(workspace,
                           "[Application]\nName=Korvane.exe\n[DataWindow]\n0=0\n1=2\n"
                           "[0]\nWindowTitle=Firm accounts\n[1]\nWindowTitle=Sent\n");
        Start("DefaultWorkspace=" + workspace + "\n");
    }
    std::vector<TKVNGrid*> Windows() { return OpenDataWindows(*form); }
    Texts Titles() { return OpenDataWindowTitles(*form); }
    bool Enabled(Action* action) {
        action->Update();
        return action->Enabled();
    }
    std::string Caption() const { return form->windowTitle().toStdString(); }
    // The server drops the connection; the box is answered and the user logs in again.
    bool LoseTheConnectionAndLogInAgain(ScriptedUi& ui) {
        ui.ExpectBox("Server Connection", "Lost connection. You will be logged out.", BoxIcon::Error,
                     BoxButtons::Ok, mrOk);
        server->DropConnections(false);
        return RunUntil([&] { return ui.Pending() == 0; }) &&
               RunUntil([&] { return !form->Session().IsConnected(); }) && LogInAndWait();
    }

    std::string workspace;
};

}  // namespace

// From login through the default workspace to its windows filled with the server's data.
TEST_F(WorkspaceSession, TheDefaultWorkspaceOpensItsWindowsAtLogin) {
    StartWithDefault();
    ASSERT_TRUE(LogInAndWait());
    EXPECT_EQ(Titles(), (Texts{"Firm accounts", "Sent"}));
    EXPECT_EQ(Caption(), "Korvane - Workspace: daily");
    RunFor(300ms);  // the windows shown and laid out
    EXPECT_FALSE(form->Workspace().IsModified());
    TKVNGrid* accounts = Windows()[0];
    EXPECT_EQ(accounts->GetKind(), ChildType::Accounts);
    EXPECT_FALSE(accounts->UseTemplate());
    EXPECT_TRUE(RunUntil([&] { return accounts->Grid()->RowCount() > 1; }));
}

// After a lost connection and a new login, the default workspace's windows that are still open
// come forward, a window opened from the menu stays beside them, and the windows keep working
// with the title managers they were built with.
TEST_F(WorkspaceSession, AfterALostConnectionTheWindowsStillOpenKeepTheirTitles) {
    StartWithDefault();
    ASSERT_TRUE(LogInAndWait());
    ASSERT_TRUE(form->mPositionsAction->Execute());
    EXPECT_TRUE(form->Workspace().IsModified());
    std::vector<TKVNGrid*> windows = Windows();
    ASSERT_EQ(windows.size(), 3u);
    std::vector<QPointer<TKVNGrid>> alive(windows.begin(), windows.end());
    const TitleManager* oldPositions = windows[2]->Titles();

    ScriptedUi ui;
    ASSERT_TRUE(LoseTheConnectionAndLogInAgain(ui));
    EXPECT_EQ(Titles(), (Texts{"Firm accounts", "Sent", "Positions 3"}));
    for (const QPointer<TKVNGrid>& window : alive) EXPECT_TRUE(window);
    EXPECT_EQ(windows[2]->Titles(), oldPositions);
    EXPECT_NE(form->Workspace().GetTitleManager(ChildType::Positions), oldPositions);
    const std::string column = oldPositions->GetColumnNames().front();
    EXPECT_EQ(oldPositions->GetUserTitle(column), column);
    EXPECT_EQ(Caption(), "Korvane - Workspace: daily");
    EXPECT_TRUE(
        RunUntil([&] { return windows[0]->Grid()->RowCount() > 1 && windows[2]->Grid()->RowCount() > 1; }));
    windows[2]->Grid()->repaint();
}

// A "Save Workspace As" that fails (a directory in the chosen file's place) leaves the windows on
// the open workspace: after a lost connection and a new login they come forward instead of
// opening a second time.
TEST_F(WorkspaceSession, AFailedSaveAsLeavesTheWindowsOnTheOpenWorkspace) {
    StartWithDefault();
    ASSERT_TRUE(LogInAndWait());
    std::vector<TKVNGrid*> windows = Windows();
    ASSERT_EQ(windows.size(), 2u);
    std::vector<QPointer<TKVNGrid>> alive(windows.begin(), windows.end());

    const std::string directory = environment.File("taken.wrk");
    std::filesystem::create_directory(directory);
    ScriptedUi ui;
    ui.ExpectSaveFile(directory);
    ui.ExpectBox("Error - Saving Workspace", "Unable to overwrite the workspace file!\n", BoxIcon::Error,
                 BoxButtons::Ok, mrOk);
    form->SaveWorkspaceAsActionExecute();
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(directory));
    EXPECT_EQ(form->Workspace().GetFileName(), workspace);
    EXPECT_EQ(Caption(), "Korvane - Workspace: daily");
    for (TKVNGrid* window : windows) EXPECT_EQ(window->GetConfigFileName(), workspace);

    ASSERT_TRUE(LoseTheConnectionAndLogInAgain(ui));
    EXPECT_EQ(Titles(), (Texts{"Firm accounts", "Sent"}));
    for (const QPointer<TKVNGrid>& window : alive) EXPECT_TRUE(window);
}

// Accounts and Positions are hidden from a user of type 'A'; a historical action is greyed while
// its window is open; the workspace actions follow the open windows and the workspace.
TEST_F(WorkspaceSession, ActionsFollowTheRightsTheWindowsAndTheWorkspace) {
    Start("");
    const struct {
        const char* user;
        bool accounts;
    } users[] = {{"part", true}, {"psup", false}, {"jek", true}};
    for (const auto& u : users) {
        SCOPED_TRACE(u.user);
        ASSERT_TRUE(LogInAndWait(u.user));
        for (Action* action : {form->mAccountsAction, form->mPositionsAction}) {
            EXPECT_EQ(Enabled(action), u.accounts);
            EXPECT_EQ(action->isVisible(), u.accounts);
        }
        EXPECT_TRUE(Enabled(form->CommandHistoryAction));
        form->LogoutActionExecute();
        ASSERT_TRUE(RunUntil([&] { return !form->Session().IsConnected(); }));
    }

    ASSERT_TRUE(LogInAndWait());
    EXPECT_TRUE(Enabled(form->OpenWindowAction));
    EXPECT_TRUE(Enabled(form->OpenWorkspaceAction));
    EXPECT_TRUE(Enabled(form->SaveWorkspaceAsAction));
    for (Action* action : {form->SaveWindowAsAction, form->SaveWindowAsTemplateAction,
                           form->SaveWorkspaceAction, form->SaveWorkspaceAsDefaultAction})
        EXPECT_FALSE(Enabled(action)) << action->Caption();

    for (Action* action : {form->HistoricalAccountAction, form->HistoricalPositionAction,
                           form->HistoricalSubmissionAction, form->HistoricalCommandAction}) {
        SCOPED_TRACE(action->Caption());
        EXPECT_TRUE(Enabled(action));
        EXPECT_TRUE(action->isVisible());
        ASSERT_TRUE(action->Execute());
        EXPECT_FALSE(Enabled(action));
        EXPECT_FALSE(action->Execute());
        Windows().back()->SubWindow()->close();
        EXPECT_TRUE(Enabled(action));
    }
    EXPECT_TRUE(Windows().empty());

    ASSERT_TRUE(form->CommandHistoryAction->Execute());
    EXPECT_TRUE(Enabled(form->SaveWindowAsAction));
    EXPECT_FALSE(Enabled(form->SaveWindowAsTemplateAction));
    ScriptedUi ui;
    ui.ExpectSaveFile(environment.File("daily.wrk"));
    ASSERT_TRUE(form->SaveWorkspaceAsAction->Execute());
    EXPECT_TRUE(Enabled(form->SaveWindowAsTemplateAction));
    EXPECT_TRUE(Enabled(form->SaveWorkspaceAsDefaultAction));
    EXPECT_FALSE(Enabled(form->SaveWorkspaceAction));
    ASSERT_TRUE(form->CommandHistoryAction->Execute());
    EXPECT_TRUE(Enabled(form->SaveWorkspaceAction));
    ASSERT_TRUE(form->SaveWorkspaceAction->Execute());
    EXPECT_FALSE(form->Workspace().IsModified());
    EXPECT_EQ(BaseIniFile(environment.File("daily.wrk")).ReadString("DataWindow", "1", ""), "2");
}

// A historical window's title is the kind's title and the last query's dates: a second query
// replaces the dates, and so does a query in the window reopened from a saved workspace, whose
// saved title already ends with the dates of the query before.
TEST_F(WorkspaceSession, AHistoricalTitleHoldsTheLastQuerysDatesOnly) {
    Start("");
    ASSERT_TRUE(LogInAndWait());
    ScriptedUi ui;
    const auto query = [&](THistoricalGridForm& window, int daysBack) {
        ui.ExpectModal<THistoricalQueryForm>([daysBack](THistoricalQueryForm& f) {
            f.Control<DateTimePicker>("StartDateTimePicker")
                ->setDate(QDate::currentDate().addDays(-daysBack));
            f.Control<DateTimePicker>("EndDateTimePicker")->setDate(QDate::currentDate().addDays(-1));
            f.Control<QPushButton>("mpOkButton")->click();
        });
        window.SelectDateAction->Execute();
        EXPECT_EQ(ui.Pending(), 0u);
        const KVNEventManager::QuerySlot& slot = window.Slot();
        EXPECT_NE(slot.StartDate, slot.EndDate);
        EXPECT_TRUE(RunUntil([&] { return slot.PendingSequence == 0; }));
        return "Historical Accounts " + slot.StartDate + "-" + slot.EndDate;
    };
    const auto historical = [&] { return dynamic_cast<THistoricalGridForm*>(Windows().back()); };
    ASSERT_TRUE(form->HistoricalAccountAction->Execute());
    THistoricalGridForm* window = historical();
    ASSERT_NE(window, nullptr);
    std::string title = query(*window, 3);
    EXPECT_EQ(window->WindowTitle(), title);
    title = query(*window, 5);
    EXPECT_EQ(window->WindowTitle(), title);

    const std::string file = environment.File("history.wrk");
    ui.ExpectSaveFile(file);
    form->SaveWorkspaceAsActionExecute();
    EXPECT_EQ(ui.Pending(), 0u);
    window->SubWindow()->close();
    ASSERT_TRUE(Windows().empty());
    ASSERT_TRUE(form->Workspace().LoadFile(file));
    window = historical();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->WindowTitle(), title);  // as saved
    title = query(*window, 2);
    EXPECT_EQ(window->WindowTitle(), title);
    title = query(*window, 4);
    EXPECT_EQ(window->WindowTitle(), title);
}
