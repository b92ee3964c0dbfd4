// The main window's timers against the test server, logged in as the Login action will log in:
// the process timer handed to the session, then the session's login.
#include <gtest/gtest.h>

#include <memory>

#include "ClientTestSupport.h"
#include "MainFormFixture.h"
#include "client/TMainForm.h"
#include "grid/TitleManager.h"
#include "guisupport/ScriptedUi.h"
#include "toolkit/StatusPanels.h"

using namespace std::chrono_literals;

TEST_F(LoggedInForm, ReachesAReadySessionAndStartsTheWorkspace) {
    Start("");
    ASSERT_TRUE(LogInAndWait("jek"));
    // The title managers are built for a supervisor: the account columns that need the rights
    // have titles.
    const TitleManager* accounts = form->Workspace().GetTitleManager(ChildType::Accounts);
    ASSERT_NE(accounts, nullptr);
    EXPECT_NE(accounts->GetTitleMap().count("AccountId"), 0u);
    EXPECT_EQ(form->Workspace().RetiredTitleManagers(), 0u);
    EXPECT_EQ(form->StatusBar()->PanelText(1), "30 days before password expiration.");
}

// Closing while logged in: the user disconnection leaves before the session shuts down.
TEST_F(LoggedInForm, ClosingSendsTheUserDisconnectionBeforeTheConnectionCloses) {
    Start("");
    ASSERT_TRUE(LogInAndWait());
    form->show();
    EXPECT_TRUE(form->close());
    ASSERT_TRUE(server->WaitForReceived(1, 2000ms));
    EXPECT_TRUE(RunUntil([&] { return CountArrived(*server, "TD") == 1; }, 2000ms));
    EXPECT_TRUE(form->Session().IsClosing());
}

// The smallest time-out the settings allow, and a server that falls silent: the box comes once,
// the session is reset, and the next login starts the workspace again.
TEST_F(LoggedInForm, SilentServerGivesTheLostConnectionBoxOnce) {
    Start("InactivityInterval=0\n");
    ASSERT_TRUE(LogInAndWait());
    const TitleManager* first = form->Workspace().GetTitleManager(ChildType::Positions);
    ASSERT_EQ(form->Session().HeartbeatTimeout, 0u);
    ScriptedUi ui;
    ui.ExpectBox("Server Connection", "Lost connection. You will be logged out.", BoxIcon::Error,
                 BoxButtons::Ok, mrOk);
    server->StopHeartbeats(true);
    ASSERT_TRUE(RunUntil([&] { return ui.Pending() == 0; }));
    EXPECT_TRUE(form->ReloadWorkspace());
    EXPECT_FALSE(form->Session().LoggedIn);
    RunFor(1500ms);  // no second box
    server->StopHeartbeats(false);
    ASSERT_TRUE(LogInAndWait());
    // Managers built anew; the first session's are kept for the windows built with them.
    EXPECT_NE(form->Workspace().GetTitleManager(ChildType::Positions), first);
    EXPECT_EQ(form->Workspace().RetiredTitleManagers(), 7u);
}

TEST_F(LoggedInForm, DroppedConnectionAfterLoginGivesTheBoxOnceAndResets) {
    Start("");
    ASSERT_TRUE(LogInAndWait());
    ScriptedUi ui;
    ui.ExpectBox("Server Connection", "Lost connection. You will be logged out.", BoxIcon::Error,
                 BoxButtons::Ok, mrOk);
    server->DropConnections(false);
    ASSERT_TRUE(RunUntil([&] { return ui.Pending() == 0; }));
    RunFor(300ms);
    EXPECT_FALSE(form->Session().LoggedIn);
    EXPECT_FALSE(form->Session().PasswordChangeRequired);
    EXPECT_TRUE(form->ReloadWorkspace());
}

// A box shown from inside the pump re-enables the process timer: heartbeats keep being answered
// while it is up.
TEST_F(LoggedInForm, HeartbeatsFlowWhileABoxFromThePumpIsUp) {
    Start("", 50ms);
    ASSERT_TRUE(LogInAndWait());
    ScriptedUi ui;
    std::size_t answeredBefore = 0;
    ui.ExpectBox("Connection Status", "maintenance at noon", BoxIcon::Error, BoxButtons::Ok, mrOk)
        .PumpBefore(600);
    server->SendTechnicalError("maintenance at noon");
    ASSERT_TRUE(RunUntil([&] {
        if (answeredBefore == 0) answeredBefore = CountArrived(*server, "TI");
        return ui.Pending() == 0;
    }));
    EXPECT_GE(CountArrived(*server, "TI"), answeredBefore + 5);
    EXPECT_TRUE(form->Session().LoggedIn);
}
