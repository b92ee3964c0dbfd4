#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStatusTipEvent>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "ClientTestSupport.h"
#include "client/TMainForm.h"
#include "core/BaseIniFile.h"
#include "guisupport/ScriptedUi.h"
#include "support/ScopedLocale.h"
#include "support/TestTempDir.h"
#include "testserver/TestServer.h"
#include "toolkit/MdiForm.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/StatusPanels.h"

using namespace std::chrono_literals;

namespace {

constexpr int64_t kSecond = 1'000'000'000;

bool LogHolds(KVNEventManager& session, int level, const std::string& part) {
    session.CollectErrors();
    for (const GUIErrorDetails& line : session.GetErrorDetails())
        if (line.GetLevel() == level && std::string(line.GetText()).find(part) != std::string::npos)
            return true;
    return false;
}

// A main window whose timers are stopped, so that a test runs its ticks itself.
std::unique_ptr<TMainForm> QuietForm() {
    auto form = std::make_unique<TMainForm>();
    form->ProcessTimer().SetEnabled(false);
    form->ProcessMessagesTimer().SetEnabled(false);
    return form;
}

// A grid window stand-in that counts its paints and close queries.
class CountingChild : public MdiForm {
public:
    explicit CountingChild(QMdiArea* area) : MdiForm(area) {
        setMinimumSize(120, 80);
        onCloseQuery = [this] {
            ++closeQueries;
            return true;
        };
    }
    int paints = 0;
    int closeQueries = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

}  // namespace

TEST(MainFormTest, MissingSettingsFileGivesTheDefaultsAndIsLogged) {
    ClientEnvironment environment;
    const auto form = QuietForm();
    KVNEventManager& session = form->Session();
    EXPECT_TRUE(LogHolds(session, 3, "Unable to get the path of application IniFile Korvane.ini"));
    EXPECT_TRUE(LogHolds(session, 3,
                         "The valid list of host names (HostNameList) and/or a list of its comm ports "
                         "(PortList) are not provided"));
    EXPECT_EQ(session.HeartbeatTimeout, 300u);
    EXPECT_EQ(form->EncryptionKey(), "");
    EXPECT_EQ(session.EncryptionKey, std::string(16, ' '));
    EXPECT_EQ(session.ClientSocketEvent, nullptr);
    ASSERT_NE(form->SettingsFile(), nullptr);
    EXPECT_EQ(form->SettingsFilePath(), environment.SettingsPath());  // where it was looked for
}

TEST(MainFormTest, SessionIsBuiltWithoutAConnection) {
    ClientEnvironment environment;
    testserver::TestServer server;
    ASSERT_TRUE(server.Start());
    environment.WriteSettings(
        "[Config]\nHostNameList=127.0.0.1\nPortList=" + std::to_string(server.GetPort()) + "\n");
    const auto form = QuietForm();
    EXPECT_EQ(form->SettingsFilePath(), environment.SettingsPath());
    ASSERT_NE(form->Session().ClientSocketEvent, nullptr);
    EXPECT_EQ(form->Session().ClientSocketEvent->GetActivity(), 0);
    RunFor(50ms);
    EXPECT_FALSE(form->Session().IsConnected());
    EXPECT_EQ(server.GetConnectionCount(), 0);
    EXPECT_EQ(form->Session().OpenHistoricalWindows, (std::array<int32_t, 4>{0, 0, 0, 0}));
}

TEST(MainFormTest, EncryptionKeyAndInactivityIntervalFromTheSettings) {
    const struct {
        const char* settings;
        std::string sessionKey;
        uint32_t timeout;
    } cases[] = {
        {"EncryptionKey=0123456789abcdef\nInactivityInterval=60\n", "0123456789abcdef", 300},
        {"EncryptionKey=short\nInactivityInterval=7\n", "short           ", 35},
        {"EncryptionKey=0123456789abcdefXYZ\nInactivityInterval=0\n", "0123456789abcdef", 0},
        // The product is clamped to the unsigned 32-bit range.
        {"InactivityInterval=1000000000\n", std::string(16, ' '), 4294967295u},
        {"InactivityInterval=858993459\n", std::string(16, ' '), 4294967295u},
    };
    for (const auto& c : cases) {
        ClientEnvironment environment;
        environment.WriteSettings(std::string("[Config]\n") + c.settings);
        const auto form = QuietForm();
        EXPECT_EQ(form->Session().EncryptionKey, c.sessionKey) << c.settings;
        EXPECT_EQ(form->Session().HeartbeatTimeout, c.timeout) << c.settings;
    }
    ClientEnvironment environment;
    environment.WriteSettings("[Config]\nEncryptionKey=0123456789abcdefXYZ\n");
    EXPECT_EQ(QuietForm()->EncryptionKey(), "0123456789abcdefXYZ");
}

TEST(MainFormTest, CaptionAndStatusPanelsAtStart) {
    ClientEnvironment environment;
    const auto form = QuietForm();
    EXPECT_EQ(form->windowTitle().toStdString(), "Korvane - Workspace: Not defined");
    ASSERT_EQ(form->StatusBar()->PanelCount(), 2);
    EXPECT_EQ(form->StatusBar()->PanelText(1), "");
    EXPECT_NE(form->MdiArea(), nullptr);
    EXPECT_EQ(form->ProcessTimer().Interval(), 25);
    EXPECT_EQ(form->ProcessMessagesTimer().Interval(), 25);
    EXPECT_TRUE(form->ReloadWorkspace());
    EXPECT_TRUE(form->PumpNext());
    EXPECT_FALSE(form->IsClosing());
    EXPECT_EQ(MessageRouter::MainWindow(), form->Handle());
}

TEST(MainFormTest, TimersAreEnabledFromConstruction) {
    ClientEnvironment environment;
    TMainForm form;
    EXPECT_TRUE(form.ProcessTimer().Enabled());
    EXPECT_TRUE(form.ProcessMessagesTimer().Enabled());
    // The real loop runs the ticks: pump and refresh alternate.
    form.Session().DaysToPasswordExpiry = "0012";
    ASSERT_TRUE(
        RunUntil([&] { return form.StatusBar()->PanelText(1) == "12 days before password expiration."; }));
}

TEST(MainFormTest, DecimalSeparatorIsAPointUnderACommaLocale) {
    ScopedLocale numeric(LC_NUMERIC);
    TestTempDir locales;
    ScopedEnvironment environmentOfLocales;
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        // Compiled for this test when none is installed.
        const std::string command =
            "localedef -i de_DE -f UTF-8 " + locales.File("de_DE.UTF-8") + " 2>/dev/null";
        if (std::system(command.c_str()) == 0) environmentOfLocales.Set("LOCPATH", locales.Path().c_str());
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no locale with a decimal comma";
    }
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 1.5);
    ASSERT_STREQ(text, "1,5");
    ClientEnvironment environment;
    const auto form = QuietForm();
    std::snprintf(text, sizeof text, "%.1f", 1.5);
    EXPECT_STREQ(text, "1.5");
}

TEST(MainFormTest, PasswordExpiryText) {
    const struct {
        const char* days;
        const char* text;
    } cases[] = {
        {"0000", ""},
        {"0001", "1 day before password expiration."},
        {"0030", "30 days before password expiration."},
        {"0012", "12 days before password expiration."},
        {"0100", "100 days before password expiration."},
        {"1000", "1000 days before password expiration."},
    };
    ClientEnvironment environment;
    const auto form = QuietForm();
    for (const auto& c : cases) {
        EXPECT_EQ(TMainForm::PasswordExpiryText(c.days), c.text) << c.days;
        form->Session().DaysToPasswordExpiry = c.days;
        form->ProcessTimerTimer();
        EXPECT_EQ(form->StatusBar()->PanelText(1), c.text) << c.days;
    }
}

TEST(MainFormTest, SilenceCountsOnlyAfterAFirstHeartbeatAndMustExceedTheTimeout) {
    const int64_t last = 1'765'000'000 * kSecond;
    const struct {
        int64_t lastHeartbeat;
        int64_t now;
        uint32_t timeout;
        bool silent;
    } cases[] = {
        {0, last + 100000 * kSecond, 300, false},  // no heartbeat question yet
        {last, last + 300 * kSecond, 300, false},
        {last, last + 301 * kSecond - 1, 300, false},  // 300 whole seconds
        {last, last + 301 * kSecond, 300, true},
        {last, last, 0, false},
        {last, last + kSecond - 1, 0, false},
        {last, last + kSecond, 0, true},
        {last, last - 10 * kSecond, 0, false},  // clock set back
        {last, last + 5000000000LL * kSecond, 4294967295u, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TMainForm::IsSilent(c.lastHeartbeat, c.now, c.timeout), c.silent)
            << c.lastHeartbeat << " " << c.now << " " << c.timeout;
}

TEST(MainFormTest, PumpAndRefreshAlternateAndARefreshTurnIsSpentWhenNotReady) {
    ClientEnvironment environment;
    environment.WriteSettings("[Config]\nHostNameList=127.0.0.1\nPortList=1\n");
    const auto form = QuietForm();
    KVNEventManager& session = form->Session();
    session.CollectErrors();
    // A pump turn takes the logged lines into the communication log; a refresh turn does not.
    auto pumped = [&] {
        const std::size_t before = session.GetErrorDetails().size();
        MLOG(LOG_INFO, "tick");
        form->ProcessTimerTimer();
        const bool taken = session.GetErrorDetails().size() > before;
        session.CollectErrors();
        return taken;
    };
    EXPECT_TRUE(pumped());
    EXPECT_FALSE(form->PumpNext());
    EXPECT_FALSE(pumped());  // the refresh turn, spent: the session is not ready
    EXPECT_TRUE(form->PumpNext());
    EXPECT_TRUE(pumped());
    EXPECT_FALSE(pumped());
    EXPECT_TRUE(form->ProcessTimer().Enabled());  // enabled again after each tick
}

TEST(MainFormTest, ClosingFlagStopsBothTimersWork) {
    ClientEnvironment environment;
    const auto form = QuietForm();
    form->FormClose();
    form->ProcessTimerTimer();
    EXPECT_TRUE(form->PumpNext());
    EXPECT_FALSE(form->ProcessTimer().Enabled());
    form->ProcessMessages();
    EXPECT_FALSE(form->ProcessMessagesTimer().Enabled());
}

TEST(MainFormTest, ProcessMessagesDisablesItsTimerWhileItRuns) {
    ClientEnvironment environment;
    const auto form = QuietForm();
    form->ProcessMessagesTimer().SetEnabled(true);
    bool enabledInside = true;
    QTimer::singleShot(0, [&] { enabledInside = form->ProcessMessagesTimer().Enabled(); });
    form->ProcessMessages();
    EXPECT_FALSE(enabledInside);
    EXPECT_TRUE(form->ProcessMessagesTimer().Enabled());
}

// Both messages mark an open workspace modified (nothing while none is open); 0x8006 also repaints
// every child.
TEST(MainFormTest, WorkspaceMessages) {
    ClientEnvironment environment;
    const std::string workspace = environment.File("daily.wrk");
    TestTempDir::Write(workspace, "[Application]\nName=Korvane.exe\n");
    environment.WriteSettings("[Config]\nDefaultWorkspace=" + workspace + "\n");
    const auto form = QuietForm();
    KVNWorkspaceManager& manager = form->Workspace();
    MessageRouter::SendMessage(form->Handle(), TMainForm::kWorkspaceChanged, 0, 0);
    EXPECT_FALSE(manager.IsModified());
    manager.StartSession();
    ASSERT_EQ(manager.GetFileName(), workspace);
    form->show();
    auto* first = new CountingChild(form->MdiArea());
    auto* second = new CountingChild(form->MdiArea());
    first->Show();
    second->Show();
    form->MdiArea()->tileSubWindows();
    RunFor(20ms);
    const int firstPaints = first->paints, secondPaints = second->paints;
    EXPECT_EQ(MessageRouter::SendMessage(form->Handle(), TMainForm::kWorkspaceChanged, 0, 0), 0);
    EXPECT_TRUE(manager.IsModified());
    EXPECT_EQ(first->paints, firstPaints);
    manager.Reload();
    ASSERT_FALSE(manager.IsModified());
    MessageRouter::SendMessage(form->Handle(), TMainForm::kRepaintAllGrids, 0, 0);
    EXPECT_TRUE(manager.IsModified());
    EXPECT_GT(first->paints, firstPaints);
    EXPECT_GT(second->paints, secondPaints);
    manager.Reload();
    MessageRouter::SendMessage(form->Handle(), 0x8001, 0, 0);
    EXPECT_FALSE(manager.IsModified());
}

TEST(MainFormTest, StatusPanelsShareTheBarAndPanelZeroShowsTheHint) {
    ClientEnvironment environment;
    const auto form = QuietForm();
    form->show();
    for (const int width : {807, 600, 1001}) {
        form->resize(width, 400);
        RunFor(10ms);
        EXPECT_EQ(form->StatusBar()->PanelWidth(0), form->StatusBar()->width() / 2) << width;
    }
    QStatusTipEvent tip(QStringLiteral("Log in to the reporting server"));
    QCoreApplication::sendEvent(form.get(), &tip);
    EXPECT_EQ(form->StatusBar()->PanelText(0), "Log in to the reporting server");
}

TEST(MainFormTest, ClosingFreesTheChildrenWithoutAskingAndOnlyOnce) {
    ClientEnvironment environment;
    const auto form = QuietForm();
    form->show();
    QPointer<CountingChild> first = new CountingChild(form->MdiArea());
    QPointer<CountingChild> second = new CountingChild(form->MdiArea());
    first->Show();
    second->Show();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(form->IsClosing());
    EXPECT_TRUE(form->Session().IsClosing());
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(form->SettingsFile(), nullptr);
    // A second close request during closing does nothing.
    form->show();
    EXPECT_FALSE(form->close());
    form->FormClose();
    EXPECT_TRUE(form->IsClosing());
}

TEST(MainFormTest, SettingsFileIsWrittenBackOnlyWhenModified) {
    ClientEnvironment environment;
    const std::string original = "[Config]\r\nEncryptionKey = 0123456789abcdef\r\n; kept as it is\r\n";
    environment.WriteSettings(original);
    {
        const auto form = QuietForm();
        form->FormClose();
    }
    EXPECT_EQ(environment.ReadSettings(), original);
    {
        const auto form = QuietForm();
        form->SettingsFile()->WriteString("Config", "LoggingDir", "/tmp/logs");
        form->FormClose();
        EXPECT_EQ(BaseIniFile(environment.SettingsPath()).ReadString("Config", "LoggingDir", ""),
                  "/tmp/logs");
    }
    {
        ClientEnvironment bare;  // no file at all: none is made
        QuietForm()->FormClose();
        EXPECT_FALSE(std::filesystem::exists(bare.SettingsPath()));
    }
}

// The main window keeps its settings object open for its whole life; its write-back keeps what
// another object wrote meanwhile.
TEST(MainFormTest, WriteBackKeepsAKeyAnotherSettingsObjectWrote) {
    ClientEnvironment environment;
    environment.WriteSettings("[Config]\nEncryptionKey=0123456789abcdef\n");
    const auto form = QuietForm();
    {
        BaseIniFile other(environment.SettingsPath());
        other.WriteString("Config", "DefaultWorkspace", "/home/user/daily.wrk");
    }
    form->SettingsFile()->WriteString("Config", "EncryptionKey", "fedcba9876543210");
    form->FormClose();
    const BaseIniFile settings(environment.SettingsPath());
    EXPECT_EQ(settings.ReadString("Config", "DefaultWorkspace", ""), "/home/user/daily.wrk");
    EXPECT_EQ(settings.ReadString("Config", "EncryptionKey", ""), "fedcba9876543210");
}
