#include <gtest/gtest.h>

#include <QPointer>
#include <functional>
#include <memory>

#include "ClientTestSupport.h"
#include "client/TMainForm.h"
#include "grid/TitleManager.h"
#include "guisupport/HookedUi.h"
#include "guisupport/ScriptedUi.h"
#include "testserver/TestServer.h"

using namespace std::chrono_literals;

namespace {

const char kLostText[] = "Lost connection. You will be logged out.";

// A main window whose session is connected to a test server, its timers stopped so that the test
// runs the ticks.
struct ConnectedForm : ::testing::Test {
    ConnectedForm() {
        testserver::TestServer::Options options;
        options.heartbeatInterval = 3600s;
        server = std::make_unique<testserver::TestServer>(options);
        server->AddDemoUsers();
        EXPECT_TRUE(server->Start());
        environment.WriteSettings(
            "[Config]\nHostNameList=127.0.0.1\nPortList=" + std::to_string(server->GetPort()) + "\n");
        form = std::make_unique<TMainForm>();
        form->ProcessTimer().SetEnabled(false);
        form->ProcessMessagesTimer().SetEnabled(false);
        form->Session().ClientSocketEvent->SetActive(true);
        EXPECT_TRUE(
            TickUntil([&] { return form->Session().IsConnected() && server->GetOpenSessionCount() == 1; }));
    }
    ~ConnectedForm() override {
        form.reset();
        server->Stop();
    }
    // Runs process timer ticks until done answers true or the wait ended; whether it did.
    bool TickUntil(const std::function<bool()>& done, std::chrono::milliseconds wait = 3000ms) {
        const auto end = std::chrono::steady_clock::now() + wait;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end || !form) return false;
            form->ProcessTimerTimer();
        }
        return true;
    }
    // The state the session has after a login with the user type letter's flags (the server's
    // acknowledgment also cleared the socket's has-connected flag).
    void MarkReady(bool participant, bool supervisor) {
        KVNEventManager& session = form->Session();
        session.ClientSocketEvent->ClearHasConnected();
        session.LoggedIn = true;
        session.Loading = false;
        session.UserTypeP = participant;
        session.UserTypeM = supervisor;
    }

    ClientEnvironment environment;
    std::unique_ptr<testserver::TestServer> server;
    std::unique_ptr<TMainForm> form;
};

}  // namespace

// The check follows every tick, the pump's turn too: the load ends inside a pump turn, and the
// workspace starts right after it.
TEST_F(ConnectedForm, WorkspaceIsStartedOnceAtTheFirstTickOfAReadySession) {
    form->ProcessTimerTimer();
    EXPECT_EQ(form->Workspace().GetTitleManager(ChildType::Accounts), nullptr);
    MarkReady(true, false);
    EXPECT_TRUE(form->ReloadWorkspace());
    form->ProcessTimerTimer();
    // Built for a participant who is no supervisor.
    const TitleManager* accounts = form->Workspace().GetTitleManager(ChildType::Accounts);
    ASSERT_NE(accounts, nullptr);
    EXPECT_EQ(accounts->GetTitleMap().count("FirmUnitMember"), 0u);
    EXPECT_EQ(accounts->GetTitleMap().count("AccountId"), 0u);
    EXPECT_FALSE(form->ReloadWorkspace());
    EXPECT_EQ(form->windowTitle().toStdString(), "Korvane - Workspace: Not defined");
    for (int i = 0; i < 4; ++i) form->ProcessTimerTimer();
    EXPECT_EQ(form->Workspace().GetTitleManager(ChildType::Accounts), accounts);
    EXPECT_EQ(form->Workspace().RetiredTitleManagers(), 0u);
}

TEST_F(ConnectedForm, WorkspaceGetsTheSupervisorsRights) {
    MarkReady(false, true);
    form->ProcessTimerTimer();
    const TitleManager* accounts = form->Workspace().GetTitleManager(ChildType::Accounts);
    ASSERT_NE(accounts, nullptr);
    EXPECT_NE(accounts->GetTitleMap().count("FirmUnitMember"), 0u);
    EXPECT_NE(accounts->GetTitleMap().count("AccountId"), 0u);
}

TEST_F(ConnectedForm, DroppedConnectionShowsTheBoxWithTheTimerStoppedAndSetsTheReloadFlag) {
    MarkReady(true, false);
    form->ProcessTimerTimer();
    form->ProcessTimerTimer();
    ASSERT_FALSE(form->ReloadWorkspace());
    HookedUi ui;
    bool boxShown = false;
    bool timerEnabledInBox = true;
    ui.inBox = [&](const std::string&) {
        boxShown = true;
        timerEnabledInBox = form->ProcessTimer().Enabled();
    };
    ui.ExpectBox("Server Connection", kLostText, BoxIcon::Error, BoxButtons::Ok, mrOk);
    server->DropConnections(false);
    ASSERT_TRUE(TickUntil([&] { return boxShown; }));
    EXPECT_FALSE(timerEnabledInBox);
    EXPECT_TRUE(form->ReloadWorkspace());
    EXPECT_TRUE(form->ProcessTimer().Enabled());
}

// A connection that drops part-way through the initial load, before the socket may reconnect:
// the load ends, the lost-connection box shows and the session resets; once the socket is back
// the user logs in again.
TEST_F(ConnectedForm, AConnectionLostDuringTheLoadShowsTheBoxAndTheUserLogsInAgain) {
    HookedUi ui;
    bool boxShown = false;
    ui.inBox = [&](const std::string&) { boxShown = true; };
    ui.ExpectBox("Server Connection", kLostText, BoxIcon::Error, BoxButtons::Ok, mrOk);
    server->DropDuringLoad(3);
    form->Session().Login("part", "secret");
    ASSERT_TRUE(TickUntil([&] { return boxShown; }));
    EXPECT_FALSE(form->Session().LoggedIn);
    EXPECT_FALSE(form->Session().Loading);
    ASSERT_TRUE(TickUntil([&] { return form->Session().IsConnected(); }, 5000ms));
    form->Session().Login("part", "secret");
    ASSERT_TRUE(TickUntil([&] { return form->Session().IsReady(); }));
}

TEST_F(ConnectedForm, NothingIsCheckedBeforeLogin) {
    ScriptedUi ui;  // expects no box
    server->DropConnections(false);
    ASSERT_TRUE(TickUntil([&] { return !form->Session().IsConnected(); }));
    for (int i = 0; i < 4; ++i) form->ProcessTimerTimer();
}

// While a password change is pending the session is connected but not logged in; a lost
// connection must be noticed all the same.
TEST_F(ConnectedForm, LostConnectionIsNoticedWhileAPasswordChangeIsPending) {
    form->Session().PasswordChangeRequired = true;
    HookedUi ui;
    bool boxShown = false;
    ui.inBox = [&](const std::string&) { boxShown = true; };
    ui.ExpectBox("Server Connection", kLostText, BoxIcon::Error, BoxButtons::Ok, mrOk);
    server->DropConnections(false);
    ASSERT_TRUE(TickUntil([&] { return boxShown; }));
    EXPECT_TRUE(form->ReloadWorkspace());
}

// Timers keep running inside modal loops: the window may be gone when the box returns.
TEST_F(ConnectedForm, WindowFreedWhileTheBoxIsUpIsNotTouchedAfterwards) {
    MarkReady(true, false);
    HookedUi ui;
    QPointer<TMainForm> watched = form.get();
    ui.inBox = [&](const std::string&) { form.reset(); };
    ui.ExpectBox("Server Connection", kLostText, BoxIcon::Error, BoxButtons::Ok, mrOk);
    server->DropConnections(false);
    TMainForm* raw = form.get();
    const auto end = std::chrono::steady_clock::now() + 3s;
    while (watched && std::chrono::steady_clock::now() < end) raw->ProcessTimerTimer();
    EXPECT_TRUE(watched.isNull());
}

// What waits in the outgoing queue when the window closes leaves before the session shuts down.
TEST_F(ConnectedForm, ClosingFlushesTheOutgoingQueueBeforeTheSessionShutsDown) {
    const std::string disconnection = "TD    partTOK1";
    form->Session().MessageQueue.AddString(disconnection);
    form->FormClose();
    EXPECT_TRUE(form->Session().IsClosing());
    ASSERT_TRUE(server->WaitForReceived(1, 2000ms));
    bool arrived = false;
    for (const testserver::Arrival& arrival : server->GetReceived())
        arrived |= arrival.bytes == disconnection;
    EXPECT_TRUE(arrived);
}

TEST_F(ConnectedForm, ClosingFlushWaitsNoLongerThanASecond) {
    server->Stop();  // nothing reads: the queue cannot empty when the connection is gone
    form->Session().MessageQueue.AddString(std::string(1000, 'K'));
    const auto start = std::chrono::steady_clock::now();
    form->FormClose();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1500ms);
    EXPECT_TRUE(form->Session().IsClosing());
}
