// The session level of the protocol against the loopback test server: login, the connection
// acknowledgment and the initial load, heartbeats, notices, logout and the reset of the session.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "SessionFixture.h"
#include "brae/Brae_TC_UserConnection.h"
#include "core/ProcessClock.h"
#include "core/VersionInfo.h"
#include "grid/TModifyPasswordForm.h"
#include "guisupport/HookedUi.h"
#include "session/TStartupScreen.h"
#include "testserver/ServerMessages.h"
#include "toolkit/Edit.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/QtText.h"

using namespace std::chrono_literals;
using K = KVNEventManager;

namespace {

// The 20 subscribed message types as the user connection lists them.
const std::string kSubscribed = "KBKRKFKABIKLERBPJYIUJZTYQRKXPHOHRAPUKONF";

std::string Acknowledgment(const std::string& token, const std::string& seed, const std::string& days,
                           char changeRequired, char userType) {
    return "TK" + token + seed + days + changeRequired + userType;
}

std::string Heartbeat(const std::string& counter) {
    return "TH00000042" + counter + "101112";
}

}  // namespace

TEST(SessionProtocolTest, PasswordProofMatchesAnIndependentDigest) {
    // openssl md5 of the password, its last 8 bytes in Base64, the first 8 characters.
    const struct {
        const char* password;
        const char* proof;
    } cases[] = {{"secret", "jqt2kNKm"}, {"n3w!Pass", "k6sIJffv"}, {"", "6YAJmOz4"}};
    for (const auto& c : cases) EXPECT_EQ(K::ComputePasswordProof(c.password), c.proof) << c.password;
}

TEST(SessionProtocolTest, LoadCounterIsTheBase62NumberAfterItsFirstCharacter) {
    const struct {
        const char* counter;
        int32_t value;
    } cases[] = {
        {"000001", 1},  {"0000Az", 10 * 62 + 61}, {"0zzzzz", 916132831},  // 62^5 - 1
        {"Z00010", 62},  // the first character does not count
        {"000 10", 62},  // a blank inside counts 0
        {"0-+!.a", 36},  // so does every other character
        {" 0001Z", 1},   // one leading blank: the first 4 after the first character
        {"  0012", 0},   // two: the 3 after the first, " 00"
        {"   zzz", 0},   // three or more leading blanks always give 0
        {"     7", 0},   // n - 1 = 0 characters
        {"      ", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(K::DecodeLoadCounter(c.counter), c.value) << c.counter;
}

TEST(SessionProtocolTest, WithoutEventsLoginQueuesNothing) {
    SettingsDirectory settings;
    settings.Write("[Config]\nPortList=7001\n");
    K session;
    session.Login("part", "secret");
    EXPECT_EQ(session.UserName, "part");
    EXPECT_EQ(session.Password, "secret");
    EXPECT_EQ(session.MessageQueue.GetCount(), 0u);
}

// The user connection is queued at once and leaves once the socket connects; the server checks
// the proof and accepts it.
TEST_F(SessionFixture, LoginQueuesTheUserConnectionThatLeavesOnceConnected) {
    session->HeartbeatTimeout = 7;
    EXPECT_EQ(session->ClientSocketEvent->GetActivity(), 0);
    session->Login("part", "secret");
    EXPECT_NE(session->ClientSocketEvent->GetActivity(), 0);
    ASSERT_EQ(Queued().size(), 1u);
    const std::string tc = Queued()[0];
    ASSERT_EQ(tc.size(), 80u);
    const std::string time = tc.substr(24, 6);
    for (char c : time) EXPECT_TRUE(c >= '0' && c <= '9') << time;
    // The proof over this very time is checked against literal digests where it is computed.
    EXPECT_EQ(tc, "TCL2    part" + Brae_TC_UserConnection::ComputePasswordDigest(time, "secret") + "    " +
                      time +
                      "     0"
                      "07"
                      "20" +
                      kSubscribed);
    ASSERT_TRUE(PumpUntil([&] { return session->LoggedIn && !session->Loading; }));
    ASSERT_FALSE(Received("TC").empty());
    EXPECT_EQ(Received("TC")[0], tc);
}

TEST_F(SessionFixture, UserNameAndHeartbeatTimeOutKeepToTheirFields) {
    const struct {
        const char* user;
        uint32_t timeout;
        const char* sent;  // bytes 4 to 11 and 36 to 37
    } cases[] = {
        {"abc", 300, "     abc99"},
        {"verylongname", 7, "verylong07"},
        {"abcdefgh", 4000000000u, "abcdefgh99"},
    };
    for (const auto& c : cases) {
        session->HeartbeatTimeout = c.timeout;
        session->Login(c.user, "pw");
        const std::string tc = Queued().back();
        EXPECT_EQ(tc.substr(4, 8) + tc.substr(36, 2), c.sent) << c.user;
    }
}

TEST_F(SessionFixture, AWrongPasswordGetsTheServersNoticeAndItsDisconnection) {
    ui.ExpectBox("Connection Status", "Login refused: unknown user or wrong password", BoxIcon::Error,
                 BoxButtons::Ok, mrOk);
    session->Login("part", "wrong");
    ASSERT_TRUE(
        PumpUntil([&] { return ui.Pending() == 0 && session->ClientSocketEvent->GetActivity() == 0; }));
    EXPECT_FALSE(session->LoggedIn);
    EXPECT_TRUE(session->CanLogin());
}

// The acknowledgment keeps the token, seeds the counter, sets the flags, sends the component
// notice and starts the load behind the startup screen, which the end of the load frees.
TEST_F(SessionFixture, AcknowledgmentStartsTheLoadBehindTheStartupScreen) {
    VersionInfo::InstallVersionBlock({"", "1.2.3.4", "", std::string(70, 'K')});
    QWidget main;
    main.setGeometry(100, 100, 800, 600);
    const uint32_t mainHandle = MessageRouter::Register(&main, [](uint32_t, int32_t, int32_t) { return 0; });
    MessageRouter::SetMainWindow(mainHandle);
    struct Restore {
        uint32_t handle;
        ~Restore() {
            VersionInfo::RestoreVersionBlock();
            MessageRouter::SetMainWindow(0);
            MessageRouter::Unregister(handle);
        }
    } restore{mainHandle};
    HookedUi hooked;
    QPointer<TStartupScreen> screen;
    bool loading = false, loggedIn = true;
    hooked.onProcessMessages = [&] {
        screen = session->StartupScreen;
        loading = session->Loading;
        loggedIn = session->LoggedIn;
        ASSERT_NE(session->StartupScreen, nullptr);
        TStartupScreen& s = *session->StartupScreen;
        EXPECT_TRUE(s.isVisible());
        EXPECT_TRUE(s.windowTitle().isEmpty());
        const Qt::WindowFlags flags = s.windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::Tool));
        EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
        EXPECT_EQ(s.size(), QSize(367, 75));
        // Centred, within the rounding of the two halves.
        EXPECT_LE((s.geometry().center() - main.geometry().center()).manhattanLength(), 4);
        EXPECT_EQ(FromQt(s.Control<QLabel>("MsgStaticText")->text()),
                  "Please wait! Application is processing all messages ...");
        EXPECT_EQ(FromQt(s.Control<QLabel>("ProgressStaticText")->text()), "Progress");
        EXPECT_EQ(s.Control<QLabel>("MsgStaticText")->geometry(), QRect(29, 18, 310, 19));
    };
    // The change that the acknowledgment requires comes at the end of the load: cancelled here.
    hooked.ExpectModal<TModifyPasswordForm>(
        [](TModifyPasswordForm& form) { form.Control<QPushButton>("CancelButton")->click(); });
    ConnectNow();
    server->SendRaw(Acknowledgment("AB12", "00001234", "0042", 'Y', 'S'));
    server->SendRaw(Heartbeat("000005"));
    server->SendRaw(Heartbeat("000005"));
    ASSERT_TRUE(PumpUntil([&] { return !Received("TF").empty(); }));

    EXPECT_TRUE(loading);
    EXPECT_FALSE(loggedIn);
    EXPECT_TRUE(screen.isNull());
    EXPECT_EQ(session->StartupScreen, nullptr);
    EXPECT_FALSE(session->Loading);
    EXPECT_EQ(session->DisconnectToken, "AB12");
    EXPECT_EQ(session->SequenceCounter, 1235u);
    EXPECT_EQ(session->DaysToPasswordExpiry, "0042");
    EXPECT_TRUE(session->PasswordChangeRequired);
    EXPECT_EQ(session->LastLoadCounter, 5);
    EXPECT_EQ(Received("TF")[0], "TF" + std::string(14, ' ') + "00001235" + std::string(64, 'K') + "1.2.3.4" +
                                     std::string(9, ' '));
    EXPECT_EQ(Received("TF")[0].size(), 104u);
}

// The password change that the acknowledgment requires comes up at the end of the load; the
// user cancels.
TEST_F(SessionFixture, ARequiredPasswordChangeOpensTheDialogAtTheEndOfTheLoad) {
    ConnectNow();
    server->SendRaw(Acknowledgment("AB12", "00000010", "0000", 'Y', 'A'));
    bool timerEnabled = false;
    ui.ExpectModal<TModifyPasswordForm>([&](TModifyPasswordForm& form) {
        timerEnabled = processTimer.Enabled();
        form.Control<QPushButton>("CancelButton")->click();
    });
    server->SendRaw(Heartbeat("     0"));
    ASSERT_TRUE(PumpUntil([&] { return ui.Pending() == 0 && !session->Loading; }));
    EXPECT_TRUE(timerEnabled);
    EXPECT_FALSE(session->LoggedIn);
    EXPECT_FALSE(session->UserTypeA || session->UserTypeS);
    EXPECT_TRUE(session->PasswordChangeRequired);
    EXPECT_FALSE(session->CanLogin());
}

TEST_F(SessionFixture, EachUserTypeLetterSetsItsOwnFlagOnly) {
    ConnectNow();
    const struct {
        char letter;
        bool m, s, a, p;
    } cases[] = {{'M', true, false, false, false},  {'S', false, true, false, false},
                 {'A', false, false, true, false},  {'P', false, false, false, true},
                 {' ', false, false, false, false}, {'m', false, false, false, false}};
    std::size_t notices = 0;
    for (const auto& c : cases) {
        server->SendRaw(Acknowledgment("TOK1", "00000100", "0030", 'N', c.letter));
        server->SendRaw(Heartbeat("     0"));  // decodes to the stored 0: the load ends at once
        ++notices;
        ASSERT_TRUE(PumpUntil([&] { return Received("TF").size() == notices && !session->Loading; }));
        EXPECT_EQ(std::vector<bool>(
                      {session->UserTypeM, session->UserTypeS, session->UserTypeA, session->UserTypeP}),
                  std::vector<bool>({c.m, c.s, c.a, c.p}))
            << c.letter;
        EXPECT_TRUE(session->LoggedIn);
        EXPECT_FALSE(session->PasswordChangeRequired);
    }
}

// Notices during the load show whether it still runs: the load ends at the first heartbeat
// whose counter repeats the value stored before it.
TEST_F(SessionFixture, LoadEndsAtTheFirstCounterThatRepeatsTheStoredValue) {
    const struct {
        const char* name;
        int32_t stored;
        std::vector<std::string> counters;
        std::size_t ending;  // index of the heartbeat that ends the load
    } cases[] = {
        {"changes then repeats", 0, {"000001", "000002", "000002"}, 2},
        {"first decodes to the stored 0", 0, {"     7", "000003"}, 0},
        {"first repeats the stored value", 5, {"000005", "000006"}, 0},
        {"first character not counted", 0, {"000001", "Z00001"}, 1},
    };
    ConnectNow();
    HookedUi hooked;
    std::vector<bool> loading;
    hooked.inBox = [&](const std::string&) { loading.push_back(session->Loading); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        loading.clear();
        session->LastLoadCounter = c.stored;
        const std::size_t answered = Received("TI").size();
        server->SendRaw(Acknowledgment("TOK1", "00000100", "0030", 'N', 'P'));
        std::vector<bool> expected;
        for (std::size_t i = 0; i < c.counters.size(); ++i) {
            server->SendRaw(Heartbeat(c.counters[i]));
            server->SendTechnicalError("probe");
            hooked.ExpectBox("Connection Status", "probe", BoxIcon::Error, BoxButtons::Ok, mrOk);
            expected.push_back(i < c.ending);
        }
        ASSERT_TRUE(PumpUntil([&] { return hooked.Pending() == 0; }));
        EXPECT_EQ(loading, expected);
        ASSERT_TRUE(PumpUntil([&] { return Received("TI").size() == answered + c.counters.size(); }));
    }
}

TEST_F(SessionFixture, EachHeartbeatIsAnsweredWithItsOwnBytesAndStamped) {
    ASSERT_TRUE(LogInNow());
    const int32_t counter = session->LastLoadCounter;
    // The answers to the load's three questions first.
    ASSERT_TRUE(PumpUntil([&] { return Received("TI").size() == 3; }));
    const std::size_t before = Received("TI").size();
    const int64_t start = MGlobalDateTimeClock::Now(true);
    // A whole question, then short ones: only what they hold is echoed, the rest keeps the
    // response's defaults.
    server->SendRaw("THABCDEFGH zZ9 -12:3:4");
    server->SendRaw("TH0000004200");
    server->SendRaw("TH000");
    ASSERT_TRUE(PumpUntil([&] { return Received("TI").size() == before + 3; }));
    const std::vector<std::string> received = Received("TI");
    const std::vector<std::string> answers(received.begin() + std::ptrdiff_t(before), received.end());
    EXPECT_EQ(answers,
              (std::vector<std::string>{"TIABCDEFGH zZ9 -12:3:4", "TI00000042" + std::string(12, ' '),
                                        "TI00000000" + std::string(12, ' ')}));
    EXPECT_GE(session->LastHeartbeatTime, start);
    // Outside the load nothing else changes.
    EXPECT_EQ(session->LastLoadCounter, counter);
    EXPECT_TRUE(session->IsReady());
    EXPECT_EQ(session->StartupScreen, nullptr);
}

TEST_F(SessionFixture, TechnicalErrorShowsTheServersTextWithTheTimerEnabled) {
    ASSERT_TRUE(LogInNow());
    HookedUi hooked;
    bool timerEnabled = false;
    hooked.inBox = [&](const std::string&) { timerEnabled = processTimer.Enabled(); };
    hooked.ExpectBox("Connection Status", "  maintenance at noon", BoxIcon::Error, BoxButtons::Ok, mrOk);
    server->SendTechnicalError("  maintenance at noon   ");
    ASSERT_TRUE(PumpUntil([&] { return hooked.Pending() == 0; }));
    EXPECT_TRUE(timerEnabled);
    EXPECT_TRUE(session->IsReady());
}

// A disconnection or a reset in the middle of the load, or of a pending password change, ends
// both: the pump returns and Login is possible again.
TEST_F(SessionFixture, DisconnectionDuringTheLoadEndsItAndThePendingPasswordChange) {
    ConnectNow();
    server->SendRaw(Acknowledgment("TOK1", "00000100", "0030", 'Y', 'P'));
    server->SendDisconnection();
    ASSERT_TRUE(PumpUntil([&] { return !Received("TF").empty() && !session->IsConnected(); }));
    EXPECT_FALSE(session->Loading);
    EXPECT_FALSE(session->PasswordChangeRequired);
    EXPECT_EQ(session->StartupScreen, nullptr);
    EXPECT_TRUE(session->CanLogin());
}

TEST_F(SessionFixture, ResetDuringTheLoadEndsItAndThePumpReturns) {
    ConnectNow();
    HookedUi hooked;
    hooked.inBox = [&](const std::string&) { session->ResetSession(); };
    hooked.ExpectBox("Connection Status", "probe", BoxIcon::Error, BoxButtons::Ok, mrOk);
    server->SendRaw(Acknowledgment("TOK1", "00000100", "0030", 'Y', 'P'));
    server->SendTechnicalError("probe");
    ASSERT_TRUE(PumpUntil([&] { return hooked.Pending() == 0; }));
    EXPECT_FALSE(session->Loading);
    EXPECT_FALSE(session->PasswordChangeRequired);
    EXPECT_EQ(session->StartupScreen, nullptr);
    EXPECT_TRUE(session->IsConnected());
    EXPECT_TRUE(session->CanLogin());
}

TEST_F(SessionFixture, LogoutSendsTheDisconnectionAndResetsTheSession) {
    ASSERT_TRUE(LogInNow("jsup"));
    std::vector<ReceivedWindowMessage> messages;
    GridWindow first(*session, messages);
    GridWindow second(*session, messages);
    session->FirmNames = {"NORTHWND", "HARBOUR"};
    session->QuerySlots[1].RowCounter = 3;
    const uint32_t sequence = session->SequenceCounter;
    ASSERT_NE(session->LastHeartbeatTime, 0);
    ASSERT_GT(first.view.GetAllRowCount(), 1);

    session->Logout();
    EXPECT_EQ(Queued().back(), "TD    jsupTOK1");
    EXPECT_EQ(session->LastLoadCounter, 0);
    EXPECT_EQ(session->LastHeartbeatTime, 0);
    EXPECT_NE(session->ClientSocketEvent->GetActivity(), 0);
    EXPECT_EQ(messages, (std::vector<ReceivedWindowMessage>{{first.window.Handle(), 0x8001},
                                                            {second.window.Handle(), 0x8001}}));
    for (const GridWindow* grid : {&first, &second}) {
        EXPECT_EQ(grid->view.GetAllRowCount(), 1);  // the title row only
        EXPECT_TRUE(session->GridClients[grid->window.Handle()].IsNew);
    }
    EXPECT_TRUE(session->FirmNames.empty());
    EXPECT_FALSE(session->Loading || session->LoggedIn);
    EXPECT_FALSE(session->UserTypeM || session->UserTypeS || session->UserTypeA || session->UserTypeP);
    EXPECT_EQ(session->SequenceCounter, sequence);
    EXPECT_EQ(session->QuerySlots[1].RowCounter, -1);  // a query cut short goes idle
    ASSERT_TRUE(PumpUntil([&] { return !Received("TD").empty(); }));
    EXPECT_EQ(Received("TD")[0], "TD    jsupTOK1");
    session->GridClients.clear();
}

TEST_F(SessionFixture, ResetKeepsTheHeartbeatStateAndTheConnection) {
    ASSERT_TRUE(LogInNow());
    const int32_t counter = session->LastLoadCounter;
    const int64_t stamp = session->LastHeartbeatTime;
    ASSERT_NE(counter, 0);
    session->ResetSession();
    EXPECT_EQ(session->LastLoadCounter, counter);
    EXPECT_EQ(session->LastHeartbeatTime, stamp);
    EXPECT_TRUE(session->IsConnected());
    EXPECT_FALSE(session->LoggedIn);
    EXPECT_TRUE(session->CanLogin());
}

namespace {

const char kAboutToModify[] =
    "You are about to modify your password.\n\nPress OK button to proceed with the modification.";

// Types the three passwords into the modify-password dialog and presses OK.
std::function<void(TModifyPasswordForm&)> TypePasswords(const std::string& oldPassword,
                                                        const std::string& newPassword) {
    return [=](TModifyPasswordForm& form) {
        form.Control<Edit>("OldPasswordEdit")->SetText(oldPassword);
        form.Control<Edit>("NewPasswordEdit")->SetText(newPassword);
        form.Control<Edit>("ConfirmPasswordEdit")->SetText(newPassword);
        form.Control<QPushButton>("OKButton")->click();
    };
}

}  // namespace

// The dialog takes the user name and the proof of the current password; the reset goes out
// encrypted, the server decrypts it and acknowledges, and the new password is in force there.
TEST_F(SessionFixture, PasswordChangeGoesThroughTheServer) {
    ASSERT_TRUE(LogInNow("part"));
    session->EncryptionKey = "0123456789abcdef";
    ui.ExpectModal<TModifyPasswordForm>([](TModifyPasswordForm& form) {
          auto* user = form.Control<Edit>("UserNameEdit");
          EXPECT_EQ(user->Text(), "part");
          EXPECT_FALSE(user->isEnabled());
          EXPECT_EQ(form.Control<Edit>("OldPasswordEdit")->maxLength(), 8);
          TypePasswords("secret", "n3w!Pass")(form);
      })
        .ExpectBox(TModifyPasswordForm::kCaption, kAboutToModify, BoxIcon::Information, BoxButtons::OkCancel,
                   mrOk);
    EXPECT_TRUE(session->ChangePassword());
    // Sequence 1000 from the server, 1001 for the component notice; each password encrypted
    // apart with openssl (AES-128-ECB under the key, PKCS #7, Base64).
    EXPECT_EQ(Queued().back(), "TR" + std::string(14, ' ') + "00001002" + "    part" +
                                   "iNo+4RE7nEnpk338CYGhcw==" + "VtjJfsYT1AQWQ7mWcSTvsg==");
    EXPECT_EQ(session->PasswordResetSequence, 1002u);
    EXPECT_EQ(session->SequenceCounter, 1002u);
    EXPECT_EQ(session->NewPassword, "n3w!Pass");
    EXPECT_EQ(session->Password, "secret");

    ui.ExpectBox("Password Change", "Password was successfully changed.", BoxIcon::Information,
                 BoxButtons::Ok, mrOk);
    ASSERT_TRUE(PumpUntil([&] { return ui.Pending() == 0; }));
    EXPECT_EQ(session->Password, "n3w!Pass");
    EXPECT_FALSE(session->PasswordChangeRequired);
    EXPECT_TRUE(session->LoggedIn);

    session->Logout();
    ASSERT_TRUE(PumpUntil([&] { return session->ClientSocketEvent->GetActivity() == 0; }));
    EXPECT_TRUE(LogInNow("part", "n3w!Pass"));
}

TEST_F(SessionFixture, ARefusedPasswordResetShowsTheServersTextAndTheDialogAgain) {
    ASSERT_TRUE(LogInNow("part"));
    session->EncryptionKey = "0123456789abcdef";
    session->Password = "other";  // not the server's: the server refuses the reset
    HookedUi hooked;
    bool timerEnabled = false;
    hooked.inBox = [&](const std::string& text) {
        if (text.rfind("Password reset", 0) == 0) timerEnabled = processTimer.Enabled();
    };
    hooked.ExpectModal<TModifyPasswordForm>(TypePasswords("other", "n3w!Pass"))
        .ExpectBox(TModifyPasswordForm::kCaption, kAboutToModify, BoxIcon::Information, BoxButtons::OkCancel,
                   mrOk);
    EXPECT_TRUE(session->ChangePassword());
    processTimer.SetEnabled(false);
    hooked
        .ExpectBox("Password Reset", "Password reset refused: the current password is wrong", BoxIcon::Error,
                   BoxButtons::Ok, mrOk)
        .ExpectModal<TModifyPasswordForm>(
            [](TModifyPasswordForm& form) { form.Control<QPushButton>("CancelButton")->click(); });
    ASSERT_TRUE(PumpUntil([&] { return hooked.Pending() == 0; }));
    EXPECT_TRUE(timerEnabled);
    EXPECT_EQ(session->Password, "other");
    EXPECT_EQ(Received("TR").size(), 1u);
}

TEST_F(SessionFixture, CancelledPasswordChangeSendsNothing) {
    ASSERT_TRUE(LogInNow("part"));
    const std::size_t queued = Queued().size();
    ui.ExpectModal<TModifyPasswordForm>(
        [](TModifyPasswordForm& form) { form.Control<QPushButton>("CancelButton")->click(); });
    EXPECT_FALSE(session->ChangePassword());
    EXPECT_EQ(Queued().size(), queued);
    EXPECT_EQ(session->PasswordResetSequence, 0u);
    EXPECT_EQ(session->Password, "secret");
}

// No reset is pending while its number is 0: an error notice that names 0 is not its answer.
TEST_F(SessionFixture, ErrorNoticesAnswerAPasswordResetOnlyByItsNumber) {
    ASSERT_TRUE(LogInNow("part"));
    server->SendRaw(testserver::MakeErrorNotice("00000000", "not a reset answer"));
    session->PasswordResetSequence = 1002;
    server->SendRaw(testserver::MakeErrorNotice("00001003", "another command's answer"));
    server->SendRaw(testserver::MakeErrorNotice("00000000", "not a reset answer"));
    server->SendRaw("KO");  // logged once handled
    ASSERT_TRUE(PumpUntil([&] { return CountHolding(Log(), "Received KO message") == 1; }));
}

class FastHeartbeats : public SessionFixture {
protected:
    std::chrono::milliseconds HeartbeatInterval() const override { return 50ms; }
};

// The box's modal loop runs the process timer, which the notice enabled: the server's
// heartbeats are answered while the box is up.
TEST_F(FastHeartbeats, HeartbeatsAreAnsweredWhileANoticeIsUp) {
    ASSERT_TRUE(LogInNow());
    std::size_t before = 0;
    HookedUi hooked;
    hooked.inBox = [&](const std::string&) { before = Received("TI").size(); };
    hooked.ExpectBox("Connection Status", "maintenance at noon", BoxIcon::Error, BoxButtons::Ok, mrOk)
        .PumpBefore(600);
    server->SendTechnicalError("maintenance at noon");
    ASSERT_TRUE(PumpUntil([&] { return hooked.Pending() == 0; }));
    EXPECT_GE(Received("TI").size(), before + 5);
    EXPECT_TRUE(session->IsReady());
}

TEST(StartupScreenTest, ShowingSetsTheMessageAndCentresOnTheScreenWithoutAMainWindow) {
    TStartupScreen screen;
    auto* message = screen.Control<QLabel>("MsgStaticText");
    message->setText("stale");
    screen.ShowCentredOn(nullptr);
    EXPECT_EQ(FromQt(message->text()), TStartupScreen::kMessage);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.Control<QLabel>("ProgressStaticText")->geometry(), QRect(29, 38, 310, 19));
    EXPECT_EQ(screen.Control<QLabel>("MsgStaticText")->font().family(), "Arial");
    EXPECT_TRUE(screen.Control<QLabel>("MsgStaticText")->font().bold());
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((screen.geometry().center() - available.center()).manhattanLength(), 4);
}
