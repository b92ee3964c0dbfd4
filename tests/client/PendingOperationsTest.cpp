// The pending-operations dialog against the test server: it waits until every command is answered,
// reports the result and appends the execution report to an import's log.
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "ClientGridFixture.h"
#include "client/TWaitProgressForm.h"
#include "support/TestTempDir.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"

namespace {

const std::string kReportHeading = "\n" + std::string(79, '=') + "\nExecution Report data ...\n\n";

}  // namespace

class PendingOperationsTest : public ClientGridFixture {
protected:
    void SetUp() override {
        ClientGridFixture::SetUp();
        ASSERT_TRUE(LogInNow());
    }

    // An import's log in a temporary working directory, holding its start block.
    std::string StartImportLog(TKVNGrid& window) {
        WriteSettings(dir.Path());
        EXPECT_TRUE(window.MakeImportLogFileName("/data/positions.csv"));
        std::ofstream(window.ImportLogFileName()) << "Start of loading data ...\n\n";
        return window.ImportLogFileName();
    }
};

TEST_F(PendingOperationsTest, AnsweredCommandsShowSuccessInGreen) {
    TKVNGrid& window = Open(ChildType::Positions);
    SendPositionEntry("ACC-1");
    SendPositionEntry("ACC-2");
    const Shown shown = ShowDialog(window, false);
    EXPECT_EQ(shown.caption, "Pending Operations");
    EXPECT_FALSE(shown.titleBarClose);
    EXPECT_FALSE(shown.okBefore);
    EXPECT_FALSE(shown.closedBefore);
    EXPECT_EQ(shown.result, "Success.");
    EXPECT_NE(shown.style.find("green"), std::string::npos);
    EXPECT_TRUE(shown.bold);
    EXPECT_FALSE(shown.logShown);  // no import, no log
    EXPECT_TRUE(session->PendingCommands.empty());
}

TEST_F(PendingOperationsTest, TheDialogsOwnTimerReportsWhileTheSessionPumpsInItsModalLoop) {
    TKVNGrid& window = Open(ChildType::Positions);
    SendPositionEntry("ACC-1");
    ui.ExpectModal<TWaitProgressForm>([&](TWaitProgressForm& form) {
        EXPECT_EQ(form.ProcessTimer->Interval(), 1000);
        processTimer.SetEnabled(true);
        // The real event loop: the session's process timer and the dialog's own timer.
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(3000);
        while (!form.IsFinished() && std::chrono::steady_clock::now() < end)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_TRUE(form.IsFinished());
        processTimer.SetEnabled(false);
        EXPECT_EQ(FromQt(form.ItemLabel->text()), "Success.");
        form.mpOkButton->click();
    });
    window.ShowPendingOperations(false);
}

TEST_F(PendingOperationsTest, AnErrorNoticeShowsFailureAndReportsTheCommandInTheImportLog) {
    TKVNGrid& window = Open(ChildType::Positions);
    const std::string log = StartImportLog(window);
    server->AnswerSequenceWithError("00001003", "Unknown account");
    SendPositionEntry("ACC-1");
    SendPositionEntry("ACC-2");
    const Shown shown = ShowDialog(window, false);
    EXPECT_EQ(shown.result, "Failure.");
    EXPECT_NE(shown.style.find("red"), std::string::npos);
    EXPECT_TRUE(shown.logShown);
    EXPECT_EQ(shown.logEdit, log);
    EXPECT_EQ(TestTempDir::Read(log), "Start of loading data ...\n\n" + kReportHeading +
                                          "1003;Unknown account;New position - 20210315 - AB - ACC-2;\n");
    EXPECT_TRUE(session->ErrorLines.empty());  // emptied at the close
}

TEST_F(PendingOperationsTest, AConnectionDropFailsThePendingCommandsIntoTheLog) {
    TKVNGrid& window = Open(ChildType::Positions);
    const std::string log = StartImportLog(window);
    server->LeaveUnanswered("PN");
    SendPositionEntry("ACC-1");
    SendPositionEntry("ACC-2");
    const Shown shown = ShowDialog(window, false, [&] {
        ASSERT_TRUE(server->WaitForReceived(3));
        server->DropConnections(false);
        PumpUntil([&] { return !session->IsConnected(); });
    });
    EXPECT_EQ(shown.result, "Connection Failure.");
    EXPECT_NE(shown.style.find("red"), std::string::npos);
    EXPECT_TRUE(session->PendingCommands.empty());
    const std::string text = TestTempDir::Read(log);
    ASSERT_NE(text.find(kReportHeading), std::string::npos) << text;
    const std::string report = text.substr(text.find(kReportHeading) + kReportHeading.size());
    std::size_t lines = 0;
    for (std::size_t at = 0;
         (at = report.find("Failure with the connection to the server;", at)) != std::string::npos; ++at)
        ++lines;
    EXPECT_EQ(lines, 2u) << report;
    EXPECT_EQ(report.back(), '\n');
}

TEST_F(PendingOperationsTest, ProblemsOfTheImportShowFailureThoughEveryCommandSucceeded) {
    TKVNGrid& window = Open(ChildType::Accounts);
    SendPositionEntry("ACC-1");
    EXPECT_EQ(ShowDialog(window, true).result, "Failure.");
    // The import's failure report goes through the same dialog.
    ui.ExpectModal<TWaitProgressForm>([&](TWaitProgressForm& form) {
        EXPECT_TRUE(PumpUntil([&] {
            form.ProcessWaitTimer();
            return form.IsFinished();
        }));
        EXPECT_EQ(FromQt(form.ItemLabel->text()), "Failure.");
        form.mpOkButton->click();
    });
    window.ShowImportFailed();
    ui.ExpectModal<TWaitProgressForm>([&](TWaitProgressForm& form) {
        EXPECT_TRUE(PumpUntil([&] {
            form.ProcessWaitTimer();
            return form.IsFinished();
        }));
        EXPECT_EQ(FromQt(form.ItemLabel->text()), "Success.");
        form.mpOkButton->click();
    });
    window.ShowImportSucceeded();
}

TEST_F(PendingOperationsTest, AResetWhileCommandsArePendingEndsInFailureWithTheirLines) {
    TKVNGrid& window = Open(ChildType::Positions);
    const std::string log = StartImportLog(window);
    server->LeaveUnanswered("PN");
    SendPositionEntry("ACC-1");
    SendPositionEntry("ACC-2");
    const Shown shown = ShowDialog(window, false, [&] { session->ResetSession(); });
    EXPECT_EQ(shown.result, "Failure.");
    const std::string text = TestTempDir::Read(log);
    ASSERT_NE(text.find(kReportHeading), std::string::npos) << text;
    std::size_t lines = 0;
    for (std::size_t at = 0;
         (at = text.find("Failure with the connection to the server;", at)) != std::string::npos; ++at)
        ++lines;
    EXPECT_EQ(lines, 2u) << text;
}

// The lost-connection box answered before the dialog's tick: the reset already failed the
// commands, and their lines still reach the log.
TEST_F(PendingOperationsTest, AResetBeforeTheTickOfALostConnectionKeepsTheLines) {
    TKVNGrid& window = Open(ChildType::Positions);
    const std::string log = StartImportLog(window);
    server->LeaveUnanswered("PN");
    SendPositionEntry("ACC-1");
    SendPositionEntry("ACC-2");
    const Shown shown = ShowDialog(window, false, [&] {
        ASSERT_TRUE(server->WaitForReceived(3));
        server->DropConnections(false);
        PumpUntil([&] { return !session->IsConnected(); });
        session->ResetSession();
    });
    EXPECT_EQ(shown.result, "Connection Failure.");
    const std::string text = TestTempDir::Read(log);
    std::size_t lines = 0;
    for (std::size_t at = 0;
         (at = text.find("Failure with the connection to the server;", at)) != std::string::npos; ++at)
        ++lines;
    EXPECT_EQ(lines, 2u) << text;
}

// Commands left unanswered at a logout are not those of a later import: its log stays free of
// their lines.
TEST_F(PendingOperationsTest, FailureLinesOfALogoutStayOutOfALaterImportsLog) {
    TKVNGrid& window = Open(ChildType::Positions);
    server->LeaveUnanswered("PN");
    SendPositionEntry("ACC-1");
    ASSERT_TRUE(server->WaitForReceived(3));
    session->Logout();
    ASSERT_FALSE(session->ErrorLines.empty());
    ASSERT_TRUE(PumpUntil([&] { return !session->IsConnected(); }));
    session->ClientSocketEvent->SetActive(true);
    ASSERT_TRUE(LogInNow());
    const std::string log = StartImportLog(window);
    const Shown shown = ShowDialog(window, true);
    EXPECT_EQ(shown.result, "Failure.");
    EXPECT_EQ(TestTempDir::Read(log), "Start of loading data ...\n\n");
}

TEST_F(PendingOperationsTest, ALogThatCannotBeOpenedIsLoggedAndTheResultStillShows) {
    TWaitProgressForm form(nullptr, session.get());
    form.SetResultLogFileName(dir.File("no/such/dir/import.log"));
    form.AppendToResultLog({"line"});
    session->CollectErrors();
    const auto& log = session->GetErrorDetails();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().GetLevel(), LOG_ERROR);
    EXPECT_NE(std::string(log.back().GetText())
                  .find("log file does not exist: '" + dir.File("no/such/dir/import.log") + "'"),
              std::string::npos);

    // An empty list writes nothing, not even the heading.
    const std::string path = dir.File("kept.log");
    std::ofstream(path) << "start\n";
    form.SetResultLogFileName(path);
    form.AppendToResultLog({});
    EXPECT_EQ(TestTempDir::Read(path), "start\n");
    form.AppendToResultLog({"a", "b"});
    EXPECT_EQ(TestTempDir::Read(path), "start\n" + kReportHeading + "a\nb\n");
}
