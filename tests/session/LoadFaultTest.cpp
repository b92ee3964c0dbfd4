// The initial load against a misbehaving server: a connection that drops and comes back inside
// the load, a load that never ends or falls silent, and answers nobody asked for.
#include <gtest/gtest.h>

#include <QPushButton>
#include <chrono>
#include <set>
#include <string>
#include <thread>

#include "SessionFixture.h"
#include "grid/TModifyPasswordForm.h"
#include "toolkit/Edit.h"

using namespace std::chrono_literals;

namespace {

const char kLoadText[] = "The initial load did not end. You will be logged out.";

class FastLoadFaults : public SessionFixture {
protected:
    std::chrono::milliseconds HeartbeatInterval() const override { return 50ms; }

    // Logs in with a one-second load time-out: the box comes, the connection is closed as a lost
    // one, the session is reset, and a login once the server behaves connects anew and loads only
    // its own records.
    void ExpectLoadTimeout() {
        session->LoadTimeout = 1;
        ui.ExpectBox("Server Connection", kLoadText, BoxIcon::Error, BoxButtons::Ok, mrOk);
        const auto start = std::chrono::steady_clock::now();
        session->Login("part", "secret");
        ASSERT_TRUE(PumpUntil([&] { return ui.Pending() == 0; }, 5000ms));
        EXPECT_GE(std::chrono::steady_clock::now() - start, 1s);
        EXPECT_FALSE(session->LoggedIn);
        EXPECT_FALSE(session->Loading);
        EXPECT_TRUE(session->Accounts.Records.empty());
        EXPECT_EQ(CountHolding(Log(), "The initial load did not end within 1 seconds"), 1u);
        EXPECT_FALSE(session->IsConnected());
        EXPECT_TRUE(PumpUntil([&] { return server->GetOpenSessionCount() == 0; }));
        // Whatever the server still had to send stays out of the emptied store.
        PumpUntil([] { return false; }, 200ms);
        EXPECT_TRUE(session->Positions.Records.empty());

        // No heartbeat between the acknowledgment and the load: one would end the load at once.
        server->StopHeartbeats(true);
        server->KeepLoading(false);
        server->HoldEndOfLoad(false);
        ASSERT_TRUE(LogInNow());
        EXPECT_EQ(server->GetConnectionCount(), 2);
        EXPECT_FALSE(session->Accounts.Records.empty());
        std::set<std::string> accounts;
        for (const auto& [key, position] : session->Positions.Records)
            accounts.insert(position.AccountNumber.ToString());
        EXPECT_EQ(accounts, (std::set<std::string>{"HB-200", "NW-100"}));
    }
};

}  // namespace

// More than two seconds after the connection was made the socket reconnects at once when the
// load's connection drops: the pump leaves the load and logs in again on the new connection.
TEST_F(SessionFixture, AConnectionReplacedInsideTheLoadIsLoggedInAgain) {
    ConnectNow();
    // Past the socket's spacing between connection attempts.
    const auto spaced = std::chrono::steady_clock::now() + 2200ms;
    ASSERT_FALSE(PumpUntil([&] { return false; }, 2200ms));
    ASSERT_GE(std::chrono::steady_clock::now(), spaced);
    server->DropDuringLoad(3);
    session->Login("part", "secret");
    ASSERT_TRUE(PumpUntil([&] { return server->GetConnectionCount() == 2 && session->IsReady(); }, 6000ms));
    EXPECT_EQ(Received("TC").size(), 2u);
    EXPECT_FALSE(session->Accounts.Records.empty());
}

// Within the spacing the socket stays down: the pump returns with the load's connection lost,
// which the main window reports as a lost connection.
TEST_F(SessionFixture, AConnectionLostInsideTheLoadEndsThePumpTurn) {
    server->DropDuringLoad(3);
    session->Login("part", "secret");
    ASSERT_TRUE(PumpUntil([&] { return server->GetOpenSessionCount() == 0 && !session->IsConnected(); }));
    // The pump does not hold the GUI while the connection is down.
    session->ProcessEvents();
    EXPECT_FALSE(session->IsLoadConnectionUp());
}

// A load whose counters keep changing while its records keep coming, or that falls silent with
// the connection open, ends after the time-out like a lost connection; the user then logs in
// again.
TEST_F(FastLoadFaults, ALoadOfEverNewCountersTimesOut) {
    server->KeepLoading(true);
    const std::size_t heartbeats = Received("TI").size();
    ExpectLoadTimeout();
    EXPECT_GE(Received("TI").size(), heartbeats + 5);
}

TEST_F(FastLoadFaults, ASilentLoadTimesOut) {
    server->HoldEndOfLoad(true);
    ExpectLoadTimeout();
}

// A time-out of 0 sets no limit: a load held past a second still ends.
TEST_F(SessionFixture, ALoadTimeoutOfZeroWaitsForTheEnd) {
    session->LoadTimeout = 0;
    server->HoldEndOfLoad(true);
    std::thread release([this] {
        std::this_thread::sleep_for(1500ms);
        server->HoldEndOfLoad(false);
    });
    const auto start = std::chrono::steady_clock::now();
    const bool ready = LogInNow();
    release.join();
    ASSERT_TRUE(ready);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 1500ms);
    EXPECT_EQ(session->LoadDeadline, 0);
}

// An acknowledgment of a password reset nobody sent changes nothing and is logged.
TEST_F(SessionFixture, AnUnaskedPasswordAcknowledgmentIsIgnored) {
    ASSERT_TRUE(LogInNow());
    session->NewPassword.clear();
    server->SendUnaskedPasswordAcknowledgment();
    ASSERT_TRUE(PumpUntil([&] {
        return CountHolding(Log(), "Password reset acknowledgment received with no password reset pending") ==
               1;
    }));
    EXPECT_EQ(session->Password, "secret");
    EXPECT_TRUE(session->IsReady());
}

// A reset that cannot be encrypted is not under way: the change reports failure.
TEST_F(SessionFixture, APasswordChangeThatSendsNothingFails) {
    ASSERT_TRUE(LogInNow());
    session->EncryptionKey = "short";
    const std::size_t queued = Queued().size();
    ui.ExpectModal<TModifyPasswordForm>([](TModifyPasswordForm& form) {
          form.Control<Edit>("OldPasswordEdit")->SetText("secret");
          form.Control<Edit>("NewPasswordEdit")->SetText("n3w!Pass");
          form.Control<Edit>("ConfirmPasswordEdit")->SetText("n3w!Pass");
          form.Control<QPushButton>("OKButton")->click();
      })
        .ExpectBox(
            TModifyPasswordForm::kCaption,
            "You are about to modify your password.\n\nPress OK button to proceed with the modification.",
            BoxIcon::Information, BoxButtons::OkCancel, mrOk);
    EXPECT_FALSE(session->ChangePassword());
    session->CollectErrors();
    EXPECT_EQ(Queued().size(), queued);
    EXPECT_EQ(session->PasswordResetSequence, 0u);
    EXPECT_EQ(CountHolding(Log(), "Password reset not sent"), 1u);
}
