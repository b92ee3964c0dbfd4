// The main window's session actions against the loopback test server: login from the window,
// both ways out of a logout, password reset, the no-position declaration and the grid tools over
// a ready session; and the demo path of the run command, from F9 on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "ClientTestSupport.h"
#include "MainFormFixture.h"
#include "client/TEncryptionKeyForm.h"
#include "client/TKVNGrid.h"
#include "client/TMainForm.h"
#include "grid/TBoldDateInputForm.h"
#include "grid/TLoginForm.h"
#include "grid/TModifyPasswordForm.h"
#include "grid/TitleManager.h"
#include "guisupport/AutomationTestClient.h"
#include "guisupport/ScriptedUi.h"
#include "store/CommandHistory.h"
#include "store/TInterfaceView.h"
#include "support/TestTempDir.h"
#include "toolkit/Action.h"
#include "toolkit/AutomationChannel.h"
#include "toolkit/Edit.h"
#include "toolkit/FindDialog.h"
#include "toolkit/MonthCalendar.h"

using namespace std::chrono_literals;

namespace {

// A data window that refuses its close and counts its close handling.
class RefusingWindow : public TKVNGrid {
public:
    using TKVNGrid::TKVNGrid;
    bool CanCloseWindow() override {
        ++queries;
        return false;
    }
    void FormClose() override {
        ++closes;
        TKVNGrid::FormClose();
    }
    int queries = 0;
    int closes = 0;
};

struct SessionActions : LoggedInForm {
    template <class W = TKVNGrid>
    W& OpenWindow(int rows = 2) {
        auto* view = new TInterfaceView<CommandHistory>;
        for (int i = 1; i <= rows; ++i) {
            CommandHistory entry;
            entry.SequenceNumber.SetValue(i);
            view->UpdateRow(&entry);
        }
        BaseGridConfig config;
        config.SettingsFileName = environment.File("Windows.ini");
        config.WorkingDirectory = environment.File("");
        config.WindowSection = "Window" + std::to_string(++opened);
        config.TitlesSection = "Titles";
        config.TemplateSection = "Template";
        config.WindowTitle = config.WindowSection;
        auto* window =
            new W(form->MdiArea(), ChildType::CommandHistory, config, &titles, &form->Session(), view);
        window->Show();
        QApplication::processEvents();
        return *window;
    }
    // The login dialog answered with a demo user.
    static std::function<void(TLoginForm&)> TypeLogin(const std::string& user) {
        return [user](TLoginForm& f) {
            EXPECT_EQ(f.Control<Edit>("UserNameEdit")->maxLength(), 8);
            f.Control<Edit>("UserNameEdit")->SetText(user);
            f.Control<Edit>("PasswordEdit")->SetText("secret");
            f.Control<QPushButton>("OKButton")->click();
        };
    }

    // A click on the action's menu item, its update run first as the idle pass would.
    void Run(Action* action) {
        form->Actions().UpdateActions();
        action->trigger();
    }
    // The first message of that type the server received.
    std::string Received(const std::string& type) const {
        for (const testserver::Arrival& arrival : server->GetReceived())
            if (arrival.bytes.rfind(type, 0) == 0) return arrival.bytes;
        return {};
    }

    TitleManager titles{{"SequenceNumber", "ExecutionTime", "CommandAction", "BusinessItem", "CommandStatus",
                         "ErrorMessage", "Description"},
                        "Titles"};
    int opened = 0;
};

}  // namespace

// Without a key: the box, the key dialog, then the login dialog and the session's login; the
// server receives the connection with its length and sequence number.
TEST_F(SessionActions, LoginAsksForTheMissingKeyThenLogsIn) {
    Start("", 200ms, "");
    ScriptedUi ui;
    ui.ExpectBox("Missing Encryption Key",
                 "Contact QZK to get your\xA0"
                 "encryption key.",
                 BoxIcon::Error, BoxButtons::Ok, mrOk)
        .ExpectModal<TEncryptionKeyForm>([](TEncryptionKeyForm& f) {
            f.Control<Edit>("EncryptionKeyEdit")->SetText("0123456789abcdef");
            f.Control<QPushButton>("OkButton")->click();
        })
        .ExpectModal<TLoginForm>(TypeLogin("part"));
    Run(form->LoginAction);
    EXPECT_EQ(ui.Pending(), 0u);
    ASSERT_TRUE(WaitReady());
    const std::string connection = Received("TC");
    ASSERT_GE(connection.size(), 40u);
    EXPECT_NE(connection.find("    part"), std::string::npos);
    form->Actions().UpdateActions();
    EXPECT_FALSE(form->LoginAction->Enabled());
    EXPECT_TRUE(form->LogoutAction->Enabled());
    EXPECT_TRUE(form->mpNoPositionsAction->isVisible());
}

// A login the server refuses is reported by the session and leaves Login enabled; a cancelled
// login dialog sends nothing.
TEST_F(SessionActions, ACancelledOrRefusedLoginLeavesLoginEnabled) {
    Start("");
    ScriptedUi ui;
    ui.ExpectModal<TLoginForm>([](TLoginForm& f) { f.Control<QPushButton>("CancelButton")->click(); });
    Run(form->LoginAction);
    RunFor(200ms);
    EXPECT_EQ(server->GetReceived().size(), 0u);
    ui.ExpectModal<TLoginForm>([](TLoginForm& f) {
          f.Control<Edit>("UserNameEdit")->SetText("nobody");
          f.Control<Edit>("PasswordEdit")->SetText("secret");
          f.Control<QPushButton>("OKButton")->click();
      })
        .ExpectBox("Connection Status", "Login refused: unknown user or wrong password", BoxIcon::Error,
                   BoxButtons::Ok, mrOk);
    Run(form->LoginAction);
    ASSERT_TRUE(RunUntil([&] { return ui.Pending() == 0; }));
    RunFor(200ms);
    EXPECT_FALSE(form->Session().LoggedIn);
    form->Actions().UpdateActions();
    EXPECT_TRUE(form->LoginAction->Enabled());
}

// The automation channel opens with the main window, in the runtime directory: an outside client
// reads a logged-in data window by its title; the socket goes when the window closes.
TEST_F(SessionActions, AnAutomationClientReadsADataWindowThroughTheMainWindowsChannel) {
    Start("");
    ASSERT_TRUE(LogInAndWait());
    OpenWindow(3);
    const std::string path = environment.RuntimeDir() + "/korvane-automation";
    ASSERT_EQ(form->Automation().Path(), path);
    AutomationTestClient client(path);
    ASSERT_TRUE(client.connected);
    client.Ask(0x804C, AutomationTestClient::Cell(1, 2), "Window1");
    EXPECT_EQ(client.Receive(12), std::string("\x01\0\0\0\x04\0\0\0"
                                              "2\0\0\0",
                                              12));
    client.Ask(0x804B, 0, "Window1");
    const std::string names =
        "SequenceNumber;ExecutionTime;CommandAction;BusinessItem;CommandStatus;ErrorCode;"
        "ErrorMessage;Description;";
    const std::string reply = client.Receive(8 + 2 * (names.size() + 1));
    ASSERT_EQ(reply.size(), 8 + 2 * (names.size() + 1));
    EXPECT_EQ(reply.substr(8, 6), std::string("S\0e\0q\0", 6));
    form->close();
    EXPECT_FALSE(std::filesystem::exists(path));
}

// Logout without a named workspace: the TD goes out; every data window goes through its own
// close, a window with an open find dialog included, and one that keeps refusing is freed after
// its close handling; no grid client is left; the next login starts the workspace again.
TEST_F(SessionActions, LogoutClosesEveryDataWindowThroughItsOwnClose) {
    Start("");
    ASSERT_TRUE(LogInAndWait());
    form->show();
    TKVNGrid& searched = OpenWindow();
    searched.SearchAction->trigger();
    ASSERT_TRUE(searched.GetFindDialog()->isVisible());
    const QPointer<TKVNGrid> searchedAlive(&searched);
    RefusingWindow& refusing = OpenWindow<RefusingWindow>();
    int closes = 0;
    int queries = 0;
    const uint32_t refusingHandle = refusing.Handle();
    refusing.onClose = [&, &w = refusing] {
        closes = ++w.closes;
        queries = w.queries;
    };
    OpenWindow();
    ASSERT_EQ(form->Session().GridClients.size(), 3u);
    const std::size_t sent = server->GetReceived().size();

    Run(form->LogoutAction);
    EXPECT_TRUE(form->MdiArea()->subWindowList().isEmpty());
    EXPECT_FALSE(searchedAlive);
    EXPECT_EQ(queries, 1);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(form->Session().GridClients.empty());
    EXPECT_EQ(form->Session().GridClients.count(refusingHandle), 0u);
    EXPECT_FALSE(form->Session().Loading);
    EXPECT_TRUE(form->ReloadWorkspace());
    ASSERT_TRUE(RunUntil([&] { return CountArrived(*server, "TD") == 1; }));
    // The logout is the first message after the windows closed; heartbeat answers may come between.
    std::string first;
    const auto received = server->GetReceived();
    for (std::size_t i = sent; i < received.size() && first.empty(); ++i)
        if (received[i].bytes.substr(0, 2) != "TI") first = received[i].bytes.substr(0, 2);
    EXPECT_EQ(first, "TD");

    ASSERT_TRUE(RunUntil([&] { return !form->Session().IsConnected(); }));
    ScriptedUi ui;
    ui.ExpectModal<TLoginForm>(TypeLogin("part"));
    Run(form->LoginAction);
    ASSERT_TRUE(WaitReady());
    EXPECT_EQ(form->Workspace().RetiredTitleManagers(), 7u);  // the managers were built anew
}

// Logout with a named workspace: a settled one closes with its windows, each asked through its own
// close, and is unnamed; the next login loads the default workspace again. A modified one whose
// prompt is cancelled still logs out and closes every data window, and stays named.
TEST_F(SessionActions, LogoutWithANamedWorkspace) {
    const std::string daily = environment.File("daily.wrk");
    TestTempDir::Write(daily, "[Application]\nName=Korvane.exe\n[DataWindow]\n0=2\n");
    Start("DefaultWorkspace=" + daily + "\n");
    ASSERT_TRUE(LogInAndWait());
    form->show();
    ASSERT_EQ(form->MdiArea()->subWindowList().size(), 1);
    int queries = 0;
    const auto watch = [&] {
        for (QMdiSubWindow* child : form->MdiArea()->subWindowList()) {
            auto* window = static_cast<TKVNGrid*>(child->widget());
            window->onCloseQuery = [&queries, query = window->onCloseQuery] {
                ++queries;
                return query();
            };
        }
    };
    watch();

    Run(form->LogoutAction);
    EXPECT_EQ(queries, 1);
    EXPECT_TRUE(RunUntil([&] { return form->MdiArea()->subWindowList().isEmpty(); }));
    EXPECT_TRUE(form->Workspace().IsUnnamed());
    EXPECT_EQ(form->windowTitle().toStdString(), "Korvane - Workspace: Not defined");
    EXPECT_TRUE(form->Session().GridClients.empty());
    ASSERT_TRUE(RunUntil([&] { return !form->Session().IsConnected(); }));
    ScriptedUi ui;
    ui.ExpectModal<TLoginForm>(TypeLogin("part"));
    Run(form->LoginAction);
    ASSERT_TRUE(WaitReady());
    EXPECT_EQ(form->Workspace().GetFileName(), daily);
    EXPECT_EQ(form->MdiArea()->subWindowList().size(), 1);

    Run(form->CommandHistoryAction);
    ASSERT_TRUE(form->Workspace().IsModified());
    ui.ExpectBox("Saving Workspace Data",
                 "The configuration of currently open workspace has been changed.\nDo you want to save it?",
                 BoxIcon::Question, BoxButtons::YesNoCancel, mrCancel);
    Run(form->LogoutAction);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_TRUE(form->MdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(form->Workspace().GetFileName(), daily);
    EXPECT_TRUE(RunUntil([&] { return CountArrived(*server, "TD") == 2; }));
    EXPECT_EQ(TestTempDir::Read(daily), "[Application]\nName=Korvane.exe\n[DataWindow]\n0=2\n");
}

// Reset Password sends the TR through the session's dialog.
TEST_F(SessionActions, ResetPasswordSendsTheReset) {
    Start("");
    ASSERT_TRUE(LogInAndWait());
    ScriptedUi ui;
    ui.ExpectModal<TModifyPasswordForm>([](TModifyPasswordForm& f) {
          f.Control<Edit>("OldPasswordEdit")->SetText("secret");
          f.Control<Edit>("NewPasswordEdit")->SetText("n3w!Pass");
          f.Control<Edit>("ConfirmPasswordEdit")->SetText("n3w!Pass");
          f.Control<QPushButton>("OKButton")->click();
      })
        .ExpectBox(
            TModifyPasswordForm::kCaption,
            "You are about to modify your password.\n\nPress OK button to proceed with the modification.",
            BoxIcon::Information, BoxButtons::OkCancel, mrOk)
        .ExpectBox("Password Change", "Password was successfully changed.", BoxIcon::Information,
                   BoxButtons::Ok, mrOk);
    Run(form->ResetPasswordAction);
    ASSERT_TRUE(RunUntil([&] { return ui.Pending() == 0; }));
    const std::string reset = Received("TR");
    ASSERT_EQ(reset.size(), 80u);
    // The reset is the last message the session numbered (its acknowledgment has cleared the
    // pending reset's own record).
    EXPECT_EQ(form->Session().PasswordResetSequence, 0u);
    char number[9];
    std::snprintf(number, sizeof number, "%08u", form->Session().SequenceCounter);
    EXPECT_EQ(reset.substr(16, 8), number);
}

// No Position to report: the chooser offers the first reportable date to the end of the last
// one's month, only the reportable dates selectable; OK sends the 34-byte PU; Cancel nothing.
TEST_F(SessionActions, NoPositionToReportSendsTheDelimiterForTheChosenDate) {
    Start("");
    ASSERT_TRUE(LogInAndWait());
    form->Session().ReportableDates = {MDateYYYYMMDD(), MDateYYYYMMDD()};
    form->Session().ReportableDates[0].SetText("20240102", 8);
    form->Session().ReportableDates[1].SetText("20240315", 8);
    ScriptedUi ui;
    ui.ExpectModal<TBoldDateInputForm>([](TBoldDateInputForm& f) {
        EXPECT_EQ(f.windowTitle().toStdString(), "End of positions");
        auto* calendar = f.Control<MonthCalendar>("BoldMonthCalendar");
        EXPECT_EQ(calendar->minimumDate(), QDate(2024, 1, 2));
        EXPECT_EQ(calendar->maximumDate(), QDate(2024, 3, 31));
        f.Control<QPushButton>("CancelButton")->click();
    });
    Run(form->mpNoPositionsAction);
    ui.ExpectModal<TBoldDateInputForm>([](TBoldDateInputForm& f) {
        auto* calendar = f.Control<MonthCalendar>("BoldMonthCalendar");
        calendar->SetDate(QDate(2024, 3, 14));
        emit calendar->clicked(QDate(2024, 3, 14));
        EXPECT_FALSE(f.Control<QPushButton>("OKButton")->isEnabled());
        calendar->SetDate(QDate(2024, 3, 15));
        emit calendar->clicked(QDate(2024, 3, 15));
        f.Control<QPushButton>("OKButton")->click();
    });
    const uint32_t sequence = form->Session().SequenceCounter + 1;
    Run(form->mpNoPositionsAction);
    ASSERT_TRUE(RunUntil([&] { return !Received("PU").empty(); }));
    const std::string pu = Received("PU");
    char number[9];
    std::snprintf(number, sizeof number, "%08u", sequence);
    EXPECT_EQ(pu, "PU" + std::string(14, ' ') + number + "EP" + "20240315");
    EXPECT_EQ(pu.size(), 34u);
    const CommandHistory* entry = form->Session().CommandHistories.Find(BaseKey(0, sequence));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Description.ToString(), "EndOfPositionDeclaration - 20240315");
}

// Against the demo server's dates as the load brings them (yesterday and today): the chooser's
// range starts at yesterday, both days are bold and either can be chosen; yesterday is sent.
TEST_F(SessionActions, EitherOfTheDemoReportableDatesCanBeChosen) {
    Start("");
    ASSERT_TRUE(LogInAndWait());
    const QDate today = QDate::currentDate();
    const QDate yesterday = today.addDays(-1);
    ScriptedUi ui;
    ui.ExpectModal<TBoldDateInputForm>([&](TBoldDateInputForm& f) {
        auto* calendar = f.Control<MonthCalendar>("BoldMonthCalendar");
        EXPECT_EQ(calendar->minimumDate(), yesterday);
        EXPECT_EQ(calendar->maximumDate(), QDate(today.year(), today.month(), today.daysInMonth()));
        for (const QDate& day : {today, yesterday}) {
            SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
            calendar->SetDate(day);
            EXPECT_EQ(calendar->Date(), day);
            EXPECT_EQ(calendar->dateTextFormat(day).fontWeight(), QFont::Bold);
            emit calendar->clicked(day);
            EXPECT_TRUE(f.Control<QPushButton>("OKButton")->isEnabled());
        }
        f.Control<QPushButton>("OKButton")->click();
    });
    Run(form->mpNoPositionsAction);
    EXPECT_EQ(ui.Pending(), 0u);
    ASSERT_TRUE(RunUntil([&] { return !Received("PU").empty(); }));
    EXPECT_EQ(Received("PU").substr(24), "EP" + yesterday.toString("yyyyMMdd").toStdString());
}

// Without reportable dates "No Position to report..." from the Business Item menu offers no
// chooser: the configuration error box comes and nothing is sent.
TEST_F(SessionActions, NoPositionToReportWithoutReportableDatesShowsTheConfigurationError) {
    Start("");
    ASSERT_TRUE(LogInAndWait());
    form->Session().ReportableDates.clear();
    form->Actions().UpdateActions();
    ASSERT_EQ(form->NoPositionsItem->text().toStdString(), "No Position to report...");
    ASSERT_TRUE(form->NoPositionsItem->isEnabled());
    ASSERT_TRUE(form->NoPositionsItem->isVisible());
    ScriptedUi ui;
    ui.ExpectBox("Configuration Error",
                 "  No reportable dates were configured\nContact QZK to get this issue resolved.",
                 BoxIcon::Error, BoxButtons::Ok, mrOk);
    form->NoPositionsItem->trigger();
    EXPECT_EQ(ui.Pending(), 0u);
    RunFor(200ms);
    EXPECT_EQ(CountArrived(*server, "PU"), 0u);
    EXPECT_TRUE(form->Session().IsReady());
}

// The grid tools over a ready session: disabled without a data window; Edit Window Title and Grid
// Options enabled with one; the others follow the active window's own rule and run its action.
TEST_F(SessionActions, GridToolsFollowAndRunTheActiveWindowsActions) {
    Start("");
    ASSERT_TRUE(LogInAndWait());
    form->show();
    form->Actions().UpdateActions();
    EXPECT_FALSE(form->SortAction->Enabled());
    EXPECT_FALSE(form->GridOptionsAction->Enabled());

    TKVNGrid& window = OpenWindow();
    struct Tool {
        Action* mine;
        Action* theirs;
        bool always;
    };
    const Tool tools[] = {
        {form->SortAction, window.SortAction, false},
        {form->FilterAction, window.FilterAction, false},
        {form->HideColumnsAction, window.HideColumnsAction, false},
        {form->EditColumnPropertiesAction, window.EditColumnPropertiesAction, false},
        {form->EditWindowTitleAction, window.EditWindowTitleAction, true},
        {form->SearchAction, window.SearchAction, false},
        {form->SetQuickFilterAction, window.SetQuickFilterAction, false},
        {form->RemoveColumnFilterAction, window.RemoveColumnFilterAction, false},
        {form->SetQuickSortAscAction, window.SetQuickSortAscAction, false},
        {form->SetQuickSortDescAction, window.SetQuickSortDescAction, false},
        {form->RemoveColumnSortAction, window.RemoveColumnSortAction, false},
        {form->HideOneColumnAction, window.HideOneColumnAction, false},
        {form->ExportAction, window.ExportAction, false},
        {form->PrintAction, window.PrintAction, false},
        {form->GridOptionsAction, window.GridOptionsAction, true},
    };
    // The real action first: Search from the main window opens the active window's find dialog.
    Run(form->SearchAction);
    EXPECT_TRUE(window.GetFindDialog()->isVisible());
    window.GetFindDialog()->CloseDialog();

    // Then recording actions: each follows its window's rule and runs the window's action.
    for (const Tool& tool : tools) {
        SCOPED_TRACE(tool.mine->objectName().toStdString());
        bool allowed = false;
        int runs = 0;
        tool.theirs->onUpdate = [&](Action& a) { a.SetEnabled(allowed); };
        tool.theirs->onExecute = [&](Action&) { ++runs; };
        form->Actions().UpdateActions();
        EXPECT_EQ(tool.mine->Enabled(), tool.always);
        allowed = true;
        form->Actions().UpdateActions();
        EXPECT_TRUE(tool.mine->Enabled());
        tool.mine->trigger();
        EXPECT_EQ(runs, 1);
        // Not ready: every tool disabled.
        form->Session().Loading = true;
        form->Actions().UpdateActions();
        EXPECT_FALSE(tool.mine->Enabled());
        form->Session().Loading = false;
    }
}

// The run command's demo path as a newcomer tries it: the test server writes the settings, F9
// opens the login dialog, a demo user logs in and the session holds the demo data.
TEST(DemoPath, F9LogsInWithTheSettingsTheServerWrote) {
    ClientEnvironment environment;
    QProcess process;
    process.setProgram(QStringLiteral(KORVANE_TEST_SERVER));
    process.setArguments({"--client-settings", QString::fromStdString(environment.File("demo")),
                          "--config-home", QString::fromStdString(environment.ConfigHome())});
    process.start();
    ASSERT_TRUE(process.waitForStarted(5000));
    while (!process.canReadLine() && process.waitForReadyRead(5000)) {
    }
    {
        TMainForm form;
        form.show();
        QApplication::setActiveWindow(&form);
        ScriptedUi ui;
        ui.ExpectModal<TLoginForm>([](TLoginForm& f) {
            f.Control<Edit>("UserNameEdit")->SetText("part");
            f.Control<Edit>("PasswordEdit")->SetText("secret");
            f.Control<QPushButton>("OKButton")->click();
        });
        form.MdiArea()->setFocus();
        QTest::keyClick(form.MdiArea(), Qt::Key_F9);
        EXPECT_EQ(ui.Pending(), 0u);
        EXPECT_TRUE(RunUntil([&] { return form.Session().IsReady() && !form.ReloadWorkspace(); }, 10000ms));
        EXPECT_EQ(form.Session().Accounts.Records.size(), 5u);
        EXPECT_EQ(form.Session().Positions.Records.size(), 2u);
    }
    process.terminate();
    if (!process.waitForFinished(5000)) process.kill();
}
