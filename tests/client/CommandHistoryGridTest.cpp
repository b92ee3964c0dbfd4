// The command-history window against the test server: a command appears as Sent and turns Done or
// Failed in place; a later window gets every entry; a reset empties it; no record action.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "ClientGridFixture.h"
#include "grid/BusinessObjectGrid.h"
#include "toolkit/Action.h"

class CommandHistoryGridTest : public ClientGridFixture {
protected:
    void SetUp() override {
        ClientGridFixture::SetUp();
        ASSERT_TRUE(LogInNow());
    }
    // The status and error text shown for a sequence number ("" for no row).
    static std::pair<std::string, std::string> Shown(TCommandHistoryGridForm& window, uint32_t sequence) {
        InterfaceView& view = *window.View();
        for (int row = 1; row < view.GetDisplayedRowCount(); ++row) {
            if (view.GetDisplayedKey(row - 1) != BaseKey::FromWide(0, sequence)) continue;
            return {window.GetCellText(view.FindColumn("CommandStatus"), row),
                    window.GetCellText(view.FindColumn("ErrorMessage"), row)};
        }
        return {};
    }
    // The data rows (the count includes the title row).
    static int Rows(TCommandHistoryGridForm& window) { return window.View()->GetDisplayedRowCount() - 1; }
};

TEST_F(CommandHistoryGridTest, ACommandShowsSentThenItsOutcomeInTheSameRow) {
    TCommandHistoryGridForm& window = OpenHistory();
    Refresh();
    EXPECT_EQ(Rows(window), 0);

    // The version notice took 1001.
    server->AnswerSequenceWithError("00001003", "Unknown account");
    SendPositionEntry("ACC-1");
    SendPositionEntry("ACC-2");
    Refresh();
    ASSERT_EQ(Rows(window), 2);
    EXPECT_EQ(Shown(window, 1002).first, "Sent");
    EXPECT_EQ(Shown(window, 1003).first, "Sent");

    ASSERT_TRUE(AllAnswered());
    Refresh();
    ASSERT_EQ(Rows(window), 2);
    EXPECT_EQ(Shown(window, 1002), (std::pair<std::string, std::string>{"Done", ""}));
    EXPECT_EQ(Shown(window, 1003).first, "Failed");
    EXPECT_NE(Shown(window, 1003).second.find("Unknown"), std::string::npos) << Shown(window, 1003).second;

    // A window opened later gets every entry at its first refresh.
    TCommandHistoryGridForm& later = OpenHistory();
    SendPositionEntry("ACC-3");
    Refresh();
    EXPECT_EQ(Rows(later), 3);
    EXPECT_EQ(Rows(window), 3);
    EXPECT_EQ(Shown(later, 1004).first, "Sent");

    // A reset empties both.
    session->ResetSession();
    Refresh();
    EXPECT_EQ(Rows(window), 0);
    EXPECT_EQ(Rows(later), 0);
}

TEST_F(CommandHistoryGridTest, RecordActionsAreNeverEnabled) {
    SendPositionEntry("ACC-1");
    TCommandHistoryGridForm& window = OpenHistory();
    Refresh();
    ASSERT_EQ(Rows(window), 1);
    window.Grid()->SetRow(1);
    for (bool supervisor : {false, true}) {
        session->UserTypeS = supervisor;
        for (Action* action : {window.NewRowAction, window.CopyAction, window.DeleteAction,
                               window.DeleteAllDisplayedAction, window.EditRowAction}) {
            action->Update();
            EXPECT_FALSE(action->Enabled()) << supervisor;
        }
    }
    EXPECT_FALSE(window.CanEditRecord(0));
    EXPECT_FALSE(window.CanDeleteAllDisplayed());
}

TEST_F(CommandHistoryGridTest, CtrlCOfTheDisabledCopyDoesNotReachTheGridsOwnCopy) {
    SendPositionEntry("ACC-1");
    TCommandHistoryGridForm& window = OpenHistory();
    Refresh();
    window.Grid()->SetRow(1);
    window.CopyAction->Update();
    ASSERT_FALSE(window.CopyAction->Enabled());
    QApplication::setActiveWindow(area.window());
    window.Grid()->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(window.Grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}
