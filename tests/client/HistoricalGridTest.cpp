// The four historical windows against the loopback test server: Select Date opens the query
// dialog, empties the window, records the criteria, sends the kind's request and titles the
// window; the answer's rows show after the next refresh; an empty answer and a refused query show
// their boxes; closing throws the rows away; no record action is ever enabled.
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>

#include "ClientGridFixture.h"
#include "client/THistoricalAccountGridForm.h"
#include "client/THistoricalCommandGridForm.h"
#include "client/THistoricalPositionGridForm.h"
#include "client/THistoricalQueryForm.h"
#include "client/THistoricalSubmissionGridForm.h"
#include "grid/BusinessObjectGrid.h"
#include "toolkit/Action.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"

namespace {

std::string Padded(const std::string& text, std::size_t width) {
    std::string padded = text.substr(0, width);
    padded.resize(width, ' ');
    return padded;
}

}  // namespace

class HistoricalGridTest : public ClientGridFixture {
protected:
    template <class W, class Row>
    W& OpenKind(ChildType kind) {
        auto* view = new TInterfaceView<Row>;
        std::vector<std::string> names;
        for (const auto& [name, visible] : view->GetTitleVisibility()) names.push_back(name);
        kindTitles.push_back(std::make_unique<TitleManager>(names, "Titles"));
        const HistoricalGridKind& row = *HistoricalGridKind::Of(kind);
        BaseGridConfig config = Config("Historical" + std::to_string(windows.size() + 1));
        config.WindowTitle = row.BaseCaption;
        ++session->OpenHistoricalWindows[row.Slot];  // as the main window counts it
        return Track(new W(&area, config, kindTitles.back().get(), session.get(), view));
    }
    THistoricalGridForm& Open(ChildType kind) {
        switch (kind) {
            case ChildType::HistoricalAccounts:
                return OpenKind<THistoricalAccountGridForm, HistoricalAccountData>(kind);
            case ChildType::HistoricalPositions:
                return OpenKind<THistoricalPositionGridForm, HistoricalPositionData>(kind);
            case ChildType::HistoricalSubmissions:
                return OpenKind<THistoricalSubmissionGridForm, HistoricalSubmissionData>(kind);
            default:
                return OpenKind<THistoricalCommandGridForm, HistoricalCommandData>(kind);
        }
    }
    static bool SelectDateEnabled(THistoricalGridForm& window) {
        window.SelectDateAction->Update();
        return window.SelectDateAction->Enabled();
    }
    // Select Date with the dialog driven by drive (by default: OK as preset).
    void SelectDate(THistoricalGridForm& window, std::function<void(THistoricalQueryForm&)> drive = nullptr) {
        if (!drive) drive = [](THistoricalQueryForm& f) { Click(f, "mpOkButton"); };
        ui.ExpectModal<THistoricalQueryForm>(std::move(drive));
        window.SelectDateAction->Execute();
    }
    static void Click(THistoricalQueryForm& f, const char* button) {
        f.Control<QPushButton>(button)->click();
    }
    static void Pick(THistoricalQueryForm& f, const std::string& firm) {
        ComboBox* box = f.Control<ComboBox>("FirmIdComboBox");
        const int index = box->findText(QString::fromStdString(firm));
        ASSERT_GE(index, 0) << firm;
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // The request of that sequence number as the server received it; pumps until it arrived.
    std::string Received(const std::string& code, uint32_t sequence) {
        std::string found;
        EXPECT_TRUE(PumpUntil([&] {
            found = Find(code, Sequence(sequence));
            return !found.empty();
        }));
        return found;
    }
    std::string Find(const std::string& code, const std::string& sequence) const {
        for (const testserver::Arrival& arrival : server->GetReceived())
            if (arrival.bytes.compare(0, 2, code) == 0 && arrival.bytes.compare(16, 8, sequence) == 0)
                return arrival.bytes;
        return {};
    }
    static std::string Sequence(uint32_t number) {
        char text[16];
        std::snprintf(text, sizeof text, "%08u", number);
        return text;
    }
    const CommandHistory& Command(uint32_t sequence) const {
        return *session->CommandHistories.Find(BaseKey(0, int32_t(sequence)));
    }
    static int Rows(THistoricalGridForm& window) { return window.View()->GetDisplayedRowCount() - 1; }
    static std::vector<BaseKey> Keys(THistoricalGridForm& window) {
        std::vector<BaseKey> keys;
        for (int i = 0; i < Rows(window); ++i) keys.push_back(window.View()->GetDisplayedKey(i));
        std::sort(keys.begin(), keys.end());
        return keys;
    }
    static std::vector<BaseKey> Numbered(int32_t count) {
        std::vector<BaseKey> keys;
        for (int32_t i = 1; i <= count; ++i) keys.emplace_back(i, i);
        return keys;
    }
    std::set<std::string> Column(THistoricalGridForm& window, const std::string& name) {
        std::set<std::string> texts;
        const int col = window.View()->FindColumn(name);
        for (int row = 1; row <= Rows(window); ++row) texts.insert(window.GetCellText(col, row));
        return texts;
    }
    bool Answered() {
        return PumpUntil([&] { return session->PendingCommands.empty(); });
    }
    std::string Yesterday() const { return session->QuerySlots[0].StartDate; }

    std::vector<std::unique_ptr<TitleManager>> kindTitles;
};

// Each kind, for a participant: the request of the last criteria with the user and no firm, the
// title and description of one day, the hourglass and Select Date disabled in that window only
// until the answer; the rows, numbered from 1, after the next refresh. The audit has no rows
// before any command: the session's warning box.
TEST_F(HistoricalGridTest, EachKindSendsItsRequestAndShowsTheAnswerNumberedFromOne) {
    ASSERT_TRUE(LogInNow("part"));
    const struct {
        ChildType kind;
        const char* code;
        EnumBusinessItemType item;
        const char* description;
        int rows;
    } cases[] = {
        {ChildType::HistoricalAccounts, "HV", EnumBusinessItemType::HistoricalAccount,
         "Select Historical Accounts for ", 5},
        {ChildType::HistoricalPositions, "PQ", EnumBusinessItemType::HistoricalPosition,
         "Select Historical Position for ", 2},
        {ChildType::HistoricalSubmissions, "OR", EnumBusinessItemType::HistoricalPositionSubmission,
         "Select Historical Submission for ", 2},
        {ChildType::HistoricalCommands, "AR", EnumBusinessItemType::HistoricalCommand,
         "Select Historical Command for ", 0},
    };
    std::vector<THistoricalGridForm*> all;
    for (const auto& c : cases) all.push_back(&Open(c.kind));
    Refresh();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        THistoricalGridForm& window = *all[i];
        SCOPED_TRACE(c.code);
        ASSERT_TRUE(SelectDateEnabled(window));
        SelectDate(window);
        const uint32_t sequence = window.Slot().PendingSequence;
        ASSERT_EQ(sequence, session->SequenceCounter);
        EXPECT_EQ(ui.busyDepth, 1);
        for (THistoricalGridForm* other : all) EXPECT_EQ(SelectDateEnabled(*other), other != &window);
        const std::string day = Yesterday();
        const CommandHistory& command = Command(sequence);
        EXPECT_EQ(command.CommandAction.ToEnum(), EnumActionType::Query);
        EXPECT_EQ(command.BusinessItem.ToEnum(), c.item);
        EXPECT_EQ(command.Description.ToString(), c.description + day);
        EXPECT_EQ(window.WindowTitle(), window.KindRow().BaseCaption + (" " + day));
        EXPECT_EQ(window.Caption(), window.WindowTitle() + " - No data found");
        EXPECT_EQ(Received(c.code, sequence), std::string(c.code) + Padded("", 14) + Sequence(sequence) +
                                                  Padded("part", 25) + day + day + "    ");

        if (c.rows == 0)
            ui.ExpectBox("Historical Command Data", "No records found", BoxIcon::Warning, BoxButtons::Ok,
                         mrOk);
        ASSERT_TRUE(Answered());
        Refresh();
        EXPECT_EQ(ui.Pending(), 0u);
        EXPECT_EQ(Keys(window), Numbered(c.rows));
        EXPECT_EQ(ui.busyDepth, 0);
        EXPECT_TRUE(SelectDateEnabled(window));
    }
}

// A supervisor asks for all firms, then for one: the window empties at once (a repaint then reads
// only the view's own rows), and the second answer's fewer rows are all it shows. Reopening the
// dialog selects the firm again; Cancel keeps rows and caption. No record action is enabled.
TEST_F(HistoricalGridTest, ASecondQueryShowsOnlyItsOwnRowsAndTheDialogSelectsTheFirmAgain) {
    ASSERT_TRUE(LogInNow("jsup"));
    THistoricalGridForm& window = Open(ChildType::HistoricalAccounts);
    Refresh();
    SelectDate(window, [](THistoricalQueryForm& f) {
        EXPECT_EQ(f.Control<ComboBox>("FirmIdComboBox")->Text(), "0000 - All Firms");
        f.Control<DateTimePicker>("StartDateTimePicker")->setDate(QDate::currentDate().addDays(-3));
        f.Control<DateTimePicker>("EndDateTimePicker")->setDate(QDate::currentDate().addDays(-1));
        Click(f, "mpOkButton");
    });
    const KVNEventManager::QuerySlot& slot = window.Slot();
    uint32_t sequence = slot.PendingSequence;
    EXPECT_NE(slot.StartDate, slot.EndDate);
    EXPECT_EQ(
        Command(sequence).Description.ToString(),
        "Select Historical Accounts between " + slot.StartDate + " and " + slot.EndDate + " for ALL firms");
    EXPECT_EQ(window.WindowTitle(), "Historical Accounts " + slot.StartDate + "-" + slot.EndDate);
    EXPECT_EQ(Received("HV", sequence).substr(24),
              Padded("jsup", 25) + slot.StartDate + slot.EndDate + "    ");
    ASSERT_TRUE(Answered());
    Refresh();
    ASSERT_EQ(Rows(window), 5);
    window.Grid()->SetRow(1);

    SelectDate(window, [](THistoricalQueryForm& f) {
        Pick(f, "NORTHWND");
        Click(f, "mpOkButton");
    });
    EXPECT_TRUE(session->HistoricalAccounts.Records.empty());
    EXPECT_EQ(Rows(window), 0);
    window.Grid()->repaint();
    EXPECT_EQ(slot.Firm, "NORT");
    sequence = slot.PendingSequence;
    EXPECT_EQ(
        Command(sequence).Description.ToString(),
        "Select Historical Accounts between " + slot.StartDate + " and " + slot.EndDate + " for firm NORT");
    EXPECT_EQ(Received("HV", sequence).substr(65), "NORT");
    ASSERT_TRUE(Answered());
    window.Grid()->repaint();
    Refresh();
    EXPECT_EQ(Keys(window), Numbered(3));
    EXPECT_EQ(Column(window, "AccountNumber"), (std::set<std::string>{"NW-100", "NW-101", "NW-M1"}));

    const std::string caption = window.Caption();
    SelectDate(window, [&](THistoricalQueryForm& f) {
        EXPECT_EQ(f.Control<ComboBox>("FirmIdComboBox")->Text(), "NORTHWND");
        EXPECT_EQ(f.Control<DateTimePicker>("StartDateTimePicker")->Date(), QDate::currentDate().addDays(-3));
        Click(f, "mpCancelButton");
    });
    EXPECT_EQ(Rows(window), 3);
    EXPECT_EQ(window.Caption(), caption);
    EXPECT_EQ(session->HistoricalAccounts.Records.size(), 3u);

    window.Grid()->SetRow(1);
    for (Action* action :
         {window.NewRowAction, window.CopyAction, window.DeleteAction, window.DeleteAllDisplayedAction}) {
        action->Update();
        EXPECT_FALSE(action->Enabled()) << action->objectName().toStdString();
    }
}

// Closing lowers the kind's counter and deletes its records; the window opened next starts empty
// and its dialog shows the last criteria.
TEST_F(HistoricalGridTest, ClosingThrowsTheRowsAwayAndTheNextWindowStartsEmptyWithTheLastCriteria) {
    ASSERT_TRUE(LogInNow("part"));
    QPointer<THistoricalGridForm> window = &Open(ChildType::HistoricalSubmissions);
    Refresh();
    const QDate start = QDate::currentDate().addDays(-2);
    SelectDate(*window, [&](THistoricalQueryForm& f) {
        f.Control<DateTimePicker>("StartDateTimePicker")->setDate(start);
        Click(f, "mpOkButton");
    });
    ASSERT_TRUE(Answered());
    Refresh();
    ASSERT_EQ(Rows(*window), 2);
    EXPECT_EQ(session->OpenHistoricalWindows[2], 1);

    window->SubWindow()->close();
    QApplication::processEvents();
    EXPECT_EQ(session->OpenHistoricalWindows[2], 0);
    EXPECT_TRUE(session->HistoricalSubmissions.Records.empty());

    THistoricalGridForm& reopened = Open(ChildType::HistoricalSubmissions);
    Refresh();
    EXPECT_EQ(Rows(reopened), 0);
    SelectDate(reopened, [&](THistoricalQueryForm& f) {
        EXPECT_EQ(f.Control<DateTimePicker>("StartDateTimePicker")->Date(), start);
        EXPECT_EQ(f.Control<DateTimePicker>("EndDateTimePicker")->Date(), start);
        Click(f, "mpCancelButton");
    });
}

// An error notice before the start delimiter: the server's text in the kind's box, no rows, and
// the window ready for the next query, which gets its rows.
TEST_F(HistoricalGridTest, ARefusedQueryShowsTheServersTextAndLeavesTheWindowUsable) {
    ASSERT_TRUE(LogInNow("part"));
    THistoricalGridForm& window = Open(ChildType::HistoricalPositions);
    Refresh();
    server->AnswerSequenceWithError(Sequence(session->SequenceCounter + 1), "Too busy");
    SelectDate(window);
    ui.ExpectBox("Historical Position Data", "Too busy", BoxIcon::Error, BoxButtons::Ok, mrOk);
    ASSERT_TRUE(Answered());
    Refresh();
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(Rows(window), 0);
    EXPECT_EQ(ui.busyDepth, 0);
    ASSERT_TRUE(SelectDateEnabled(window));
    SelectDate(window);
    ASSERT_TRUE(Answered());
    Refresh();
    EXPECT_EQ(Keys(window), Numbered(2));
}

// Ctrl+Alt+D opens the query dialog; Ctrl+Alt+H stays the window's Hide Columns. The popup item
// carries Ctrl+Alt+D and the kind's caption; the separator sits before it for accounts only.
TEST_F(HistoricalGridTest, CtrlAltDSelectsTheDateAndCtrlAltHHidesColumns) {
    ASSERT_TRUE(LogInNow("part"));
    THistoricalGridForm& accounts = Open(ChildType::HistoricalAccounts);
    THistoricalGridForm& submissions = Open(ChildType::HistoricalSubmissions);
    Refresh();
    for (THistoricalGridForm* window : {&accounts, &submissions}) {
        const QList<QAction*> items = window->PopupMenu()->actions();
        const int at = int(items.indexOf(window->SelectDateMenuItem));
        ASSERT_GE(at, 1);
        const bool before = window == &accounts;
        EXPECT_TRUE(items[at + (before ? -1 : 1)]->isSeparator());
        EXPECT_EQ(window->SelectDateMenuItem->text().toStdString(),
                  std::string(before ? "Select Date ..." : "Select Date...") + "\tCtrl+Alt+D");
    }

    THistoricalGridForm& window = accounts;
    int hides = 0;
    window.HideColumnsAction->onUpdate = [](Action& a) { a.SetEnabled(true); };
    window.HideColumnsAction->onExecute = [&](Action&) { ++hides; };
    window.SubWindow()->setFocus();
    QApplication::setActiveWindow(area.window());
    area.setActiveSubWindow(window.SubWindow());
    window.Grid()->setFocus();

    ui.ExpectModal<THistoricalQueryForm>([](THistoricalQueryForm& f) { Click(f, "mpCancelButton"); });
    QTest::keyClick(window.Grid(), Qt::Key_D, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(ui.Pending(), 0u);
    QTest::keyClick(window.Grid(), Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(hides, 1);
    EXPECT_EQ(ui.Pending(), 0u);
}
