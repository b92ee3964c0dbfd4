#include <gtest/gtest.h>

#include <functional>

#include "SessionTestSupport.h"
#include "brae/Brae_AD_AccountDelete.h"
#include "brae/Brae_AL_BulkLinkAccount.h"
#include "brae/Brae_AM_NonReportableAccountEntry.h"
#include "brae/Brae_AN_AccountEntry.h"
#include "brae/Brae_AR_HistoricalCommandHistoryAuditRequest.h"
#include "brae/Brae_HV_HistoricalAccountRequest.h"
#include "brae/Brae_IU_BroadcastDelimiterL2.h"
#include "brae/Brae_MC_MonitoringAccount.h"
#include "brae/Brae_OR_HistoricalPositionSubmissionOutcomeRequest.h"
#include "brae/Brae_PD_PositionDelete.h"
#include "brae/Brae_PN_PositionEntry.h"
#include "brae/Brae_PQ_HistoricalPositionRequest.h"
#include "brae/Brae_PU_PositionDelimiter.h"
#include "guisupport/ScriptedUi.h"
#include "session/KVNEventManager.h"
#include "testserver/TestServer.h"
#include "toolkit/Timer.h"

using namespace std::chrono_literals;
using Status = EnumActionStatusType;

namespace {

std::string Padded(const std::string& text, std::size_t width) {
    return (text + std::string(width, ' ')).substr(0, width);
}

// Server answers, written byte by byte: the 24-byte server header names the answered command's
// sequence number at 8.
std::string Standard(const std::string& sequence) {
    return "KO" + std::string(6, ' ') + sequence + std::string(8, ' ');
}
std::string ErrorNotice(const std::string& sequence, const std::string& text) {
    return "ER" + std::string(6, ' ') + sequence + std::string(12, ' ') + Padded(text, 100);
}
std::string Delimiter(const std::string& sequence, const std::string& code) {
    return "IU" + std::string(6, ' ') + sequence + std::string(8, ' ') + "   " + code;
}

// A scripted user interface that notes, for every box, whether the process timer ran.
class TimerWatchingUi : public ScriptedUi {
public:
    explicit TimerWatchingUi(const Timer& timer) : timer_(timer) {}
    int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, BoxIcon icon,
                   BoxButtons buttons) override {
        timerRanAtBox.push_back(timer_.Enabled());
        return ScriptedUi::MessageBox(owner, text, caption, icon, buttons);
    }
    std::vector<bool> timerRanAtBox;

private:
    const Timer& timer_;
};

// A logged-in session whose socket never connects: what it sends stays in its queue. The
// connection acknowledgment seeded the sequence counter with 1000; the process timer is stopped,
// as its handler stops it while the pump runs.
struct CommandFixture : ::testing::Test {
    CommandFixture() {
        settings.Write("[Config]\nHostNameList=127.0.0.1\nPortList=1\n");
        session = std::make_unique<KVNEventManager>();
        session->SequenceCounter = 1000;
        session->LoggedIn = true;
        session->ProcessTimer = &timer;
    }
    std::string Queued(uint32_t index) const {
        int length = 0;
        const char* bytes = session->MessageQueue.GetStorage().Get(index, &length);
        return std::string(bytes, std::size_t(length));
    }
    const CommandHistory& Entry(int32_t sequence) const {
        const CommandHistory* entry = session->CommandHistories.Find(BaseKey(0, sequence));
        EXPECT_NE(entry, nullptr) << sequence;
        static const CommandHistory none;
        return entry ? *entry : none;
    }
    Status StatusOf(int32_t sequence) const { return Entry(sequence).CommandStatus.ToEnum(); }
    void Receive(const std::string& message) {
        const int32_t length = int32_t(message.size());
        switch (GetIncomingMsgType(message.data(), length)) {
            case EnumBraeMsgType::KO:
                return session->OnStandardAcknowledgment(message.data(), length);
            case EnumBraeMsgType::ER:
                return session->OnErrorNotice(message.data(), length);
            case EnumBraeMsgType::IU:
                return session->OnBroadcastDelimiter(message.data(), length);
            default:
                FAIL() << message;
        }
    }
    // A historical accounts request as the query action sends it.
    void SendAccountQuery() {
        Brae_HV_HistoricalAccountRequest request;
        session->SendCommand(request, {EnumActionType::Query, EnumBusinessItemType::HistoricalAccount,
                                       "Historical accounts", true});
    }
    void SendPositionEntry(const std::string& account) {
        Brae_PN_PositionEntry entry;
        entry.ReportDate.SetText("20210315", 8);
        entry.Instrument.SetText("AB");
        entry.AccountNumber.SetText(account.c_str());
        session->SendCommand(entry,
                             {EnumActionType::Add, EnumBusinessItemType::Position, "New position", false});
    }

    SettingsDirectory settings;
    Timer timer;
    TimerWatchingUi ui{timer};
    std::unique_ptr<KVNEventManager> session;
};

// The 13 commands and requests, each sent with one detail of its own.
struct CommandCase {
    const char* code;
    std::function<void(KVNEventManager&, CommandDescription)> send;
    std::size_t length;
    std::string detail;  // appended to the text
    bool pending;
    int slot;  // -1: none
};
const CommandCase kCommandCases[] = {
    {"AN",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_AN_AccountEntry m;
         m.AccountNumber.SetText("ACC-1");
         s.SendCommand(m, d);
     },
     351, " - ACC-1", true, -1},
    {"AM",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_AN_AccountEntry entry;
         entry.AccountNumber.SetText("ACC-2");
         Brae_AM_NonReportableAccountEntry m(entry);
         s.SendCommand(m, d);
     },
     382, " - ACC-2", true, -1},
    {"AL",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_AL_BulkLinkAccount m;
         m.MasterAccountId.SetText("MASTER-1");
         m.AccountIds.Add(BraeBulkAccountId(std::string("ID-1")));
         m.AccountIds.Add(BraeBulkAccountId(std::string("ID-2")));
         s.SendCommand(m, d);
     },
     45 + 2 * 16, " - MASTER-1", true, -1},
    {"AD",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_AD_AccountDelete m;
         m.AccountNumber.SetText("ACC-3");
         s.SendCommand(m, d);
     },
     56, " - ACC-3", true, -1},
    {"MC",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_MC_MonitoringAccount m;
         m.AccountNumber.SetText("ACC-4");
         s.SendCommand(m, d);
     },
     93, " - ACC-4", true, -1},
    {"IU",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_IU_BroadcastDelimiterL2 m;
         s.SendCommand(m, d);
     },
     29, "", false, -1},
    {"PN",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_PN_PositionEntry m;
         m.ReportDate.SetText("20210315", 8);
         m.Instrument.SetText("AB");
         m.AccountNumber.SetText("X1");
         s.SendCommand(m, d);
     },
     71, " - 20210315 - AB - X1", true, -1},
    {"PD",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_PD_PositionDelete m;
         m.AccountNumber.SetText("ACC-5");
         s.SendCommand(m, d);
     },
     54, " - ACC-5", true, -1},
    {"PU",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_PU_PositionDelimiter m;
         m.ReportDate.SetText("20210316", 8);
         s.SendCommand(m, d);
     },
     34, " - 20210316", true, -1},
    {"HV",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_HV_HistoricalAccountRequest m;
         s.SendCommand(m, d);
     },
     69, "", true, 0},
    {"PQ",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_PQ_HistoricalPositionRequest m;
         s.SendCommand(m, d);
     },
     69, "", true, 1},
    {"OR",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_OR_HistoricalPositionSubmissionOutcomeRequest m;
         s.SendCommand(m, d);
     },
     69, "", true, 2},
    {"AR",
     [](KVNEventManager& s, CommandDescription d) {
         Brae_AR_HistoricalCommandHistoryAuditRequest m;
         s.SendCommand(m, d);
     },
     69, "", true, 3},
};

}  // namespace

TEST_F(CommandFixture, EachCommandClassIsNumberedRecordedAndQueuedWithItsLength) {
    uint32_t index = 0;
    for (const CommandCase& c : kCommandCases) {
        SCOPED_TRACE(c.code);
        const int32_t sequence = int32_t(1001 + index);
        const auto pendingBefore = session->PendingCommands;
        session->CommandHistories.ChangedKeys.clear();
        const CommandDescription description{EnumActionType::Update, EnumBusinessItemType::Account, "T",
                                             false};
        c.send(*session, description);

        EXPECT_EQ(session->SequenceCounter, uint32_t(sequence));
        ASSERT_EQ(session->MessageQueue.GetCount(), index + 1);
        const std::string sent = Queued(index);
        EXPECT_EQ(sent.size(), c.length);
        EXPECT_EQ(sent.substr(0, 24), c.code + std::string(14, ' ') + "0000" + std::to_string(sequence));
        auto pendingAfter = pendingBefore;
        if (c.pending) pendingAfter.insert(uint32_t(sequence));
        EXPECT_EQ(session->PendingCommands, pendingAfter);
        if (c.slot >= 0) {
            EXPECT_EQ(session->QuerySlots[std::size_t(c.slot)].PendingSequence, uint32_t(sequence));
        }

        const CommandHistory& entry = Entry(sequence);
        EXPECT_EQ(entry.SequenceNumber.GetValue(), sequence);
        EXPECT_EQ(entry.CommandStatus.ToEnum(), Status::Sent);
        EXPECT_EQ(entry.CommandAction.ToEnum(), EnumActionType::Update);
        EXPECT_EQ(entry.BusinessItem.ToEnum(), EnumBusinessItemType::Account);
        EXPECT_EQ(entry.Description.ToString(), "T" + c.detail);
        EXPECT_EQ(entry.ErrorMessage.ToString(), "");
        EXPECT_EQ(session->CommandHistories.ChangedKeys, (InterfaceKeyVector{{BaseKey(0, sequence)}}));
        ++index;
    }
    EXPECT_EQ(ui.busyCalls, 0);  // no query action among them
}

TEST_F(CommandFixture, ACompleteTextAndTheInitialLoadAreKeptTo) {
    Brae_PN_PositionEntry entry;
    entry.AccountNumber.SetText("X1");
    session->SendCommand(entry, {EnumActionType::Add, EnumBusinessItemType::Position, "Whole text", true});
    EXPECT_EQ(Entry(1001).Description.ToString(), "Whole text");

    session->Loading = true;
    session->CommandHistories.ChangedKeys.clear();
    session->SendCommand(entry, {EnumActionType::Add, EnumBusinessItemType::Position, "During load", false});
    EXPECT_EQ(Entry(1002).Description.ToString(), "During load -          -  - X1");
    EXPECT_TRUE(session->CommandHistories.ChangedKeys.empty());
    EXPECT_EQ(session->PendingCommands, (std::set<uint32_t>{1001, 1002}));

    // The same sequence number again (a counter seeded lower by a new login) replaces the entry.
    session->SequenceCounter = 1000;
    session->Loading = false;
    session->SendCommand(entry, {EnumActionType::Delete, EnumBusinessItemType::Position, "Again", true});
    EXPECT_EQ(Entry(1001).Description.ToString(), "Again");
    EXPECT_EQ(session->CommandHistories.Records.size(), 2u);
}

TEST_F(CommandFixture, AnswersSettleTheirCommandsOutcome) {
    SendPositionEntry("ACC-1");  // 1001
    SendPositionEntry("ACC-2");  // 1002
    SendPositionEntry("ACC-3");  // 1003
    session->CommandHistories.ChangedKeys.clear();

    Receive(Standard("00001001"));
    EXPECT_EQ(StatusOf(1001), Status::Done);
    EXPECT_EQ(Entry(1001).ErrorMessage.ToString(), "");
    EXPECT_EQ(session->CommandHistories.ChangedKeys, (InterfaceKeyVector{{BaseKey(0, 1001)}}));
    EXPECT_TRUE(session->ErrorLines.empty());
    EXPECT_FALSE(session->CommandFailed);

    Receive(ErrorNotice("00001003", "Unknown account   "));
    EXPECT_EQ(StatusOf(1003), Status::Failed);
    EXPECT_EQ(Entry(1003).ErrorMessage.ToString(), "Unknown account");
    EXPECT_EQ(session->ErrorLines,
              (std::vector<std::string>{"1003;Unknown account;New position - 20210315 - AB - ACC-3;"}));
    EXPECT_TRUE(session->CommandFailed);
    EXPECT_EQ(session->CommandHistories.ChangedKeys,
              (InterfaceKeyVector{{BaseKey(0, 1001), BaseKey(0, 1003)}}));
    EXPECT_EQ(session->PendingCommands, (std::set<uint32_t>{1002}));

    // An answer to a number without an entry only takes it off the pending set.
    session->PendingCommands.insert(77);
    Receive(ErrorNotice("00000077", "Who?"));
    EXPECT_EQ(session->PendingCommands, (std::set<uint32_t>{1002}));
    EXPECT_EQ(session->ErrorLines.size(), 1u);

    // A notice of blanks gives the empty text.
    Receive(ErrorNotice("00001002", ""));
    EXPECT_EQ(StatusOf(1002), Status::Failed);
    EXPECT_EQ(session->ErrorLines.back(), "1002;;New position - 20210315 - AB - ACC-2;");

    // Completing by a message takes the first length characters of the text; no text keeps the
    // error message.
    session->CompleteCommand(Standard("00001003").data(), Status::Failed, "Account closed", 7);
    EXPECT_EQ(Entry(1003).ErrorMessage.ToString(), "Account");
    session->CompleteCommand(Standard("00001003").data(), Status::Done);
    EXPECT_EQ(StatusOf(1003), Status::Done);
    EXPECT_EQ(Entry(1003).ErrorMessage.ToString(), "Account");
    // A KO cut short of its number answers 0.
    session->PendingCommands.insert(0);
    Receive("KO      0000");
    EXPECT_EQ(session->PendingCommands, (std::set<uint32_t>{}));
}

TEST_F(CommandFixture, WhileLoadingAnswersChangeNothing) {
    SendPositionEntry("ACC-1");
    SendAccountQuery();
    session->Loading = true;
    session->CommandHistories.ChangedKeys.clear();
    Receive(Standard("00001001"));
    Receive(ErrorNotice("00001002", "Refused"));
    session->CompleteCommand(1001u, Status::Failed, "Refused", 7);
    EXPECT_EQ(StatusOf(1001), Status::Sent);
    EXPECT_EQ(StatusOf(1002), Status::Sent);
    EXPECT_EQ(session->PendingCommands, (std::set<uint32_t>{1001, 1002}));
    EXPECT_TRUE(session->CommandHistories.ChangedKeys.empty());
    EXPECT_TRUE(session->ErrorLines.empty());
    EXPECT_FALSE(session->CommandFailed);
    EXPECT_EQ(session->QuerySlots[0].ErrorText, "");
}

TEST_F(CommandFixture, PendingCommandsFailInAscendingOrderKeepingTheirStatus) {
    for (int i = 0; i < 3; ++i) SendPositionEntry("ACC-" + std::to_string(i));
    session->PendingCommands.insert(5);  // no entry
    session->CommandHistories.ChangedKeys.clear();
    std::vector<std::string> lines{"earlier"};
    session->FailPendingCommands(lines);
    EXPECT_EQ(
        lines,
        (std::vector<std::string>{
            "earlier", "1001;Failure with the connection to the server;New position - 20210315 - AB - ACC-0;",
            "1002;Failure with the connection to the server;New position - 20210315 - AB - ACC-1;",
            "1003;Failure with the connection to the server;New position - 20210315 - AB - ACC-2;"}));
    EXPECT_TRUE(session->PendingCommands.empty());
    for (int32_t sequence : {1001, 1002, 1003}) EXPECT_EQ(StatusOf(sequence), Status::Sent);
    EXPECT_TRUE(session->CommandHistories.ChangedKeys.empty());
    EXPECT_TRUE(session->ErrorLines.empty());
    EXPECT_FALSE(session->CommandFailed);
}

TEST_F(CommandFixture, EveryQueryKindRunsBetweenItsDelimiters) {
    const struct {
        std::function<void(KVNEventManager&)> send;
        const char* start;
        const char* end;
        const char* caption;
    } kinds[] = {
        {[](KVNEventManager& s) {
             Brae_HV_HistoricalAccountRequest m;
             s.SendCommand(m, {EnumActionType::Query, EnumBusinessItemType::HistoricalAccount, "Q", true});
         },
         "SH", "EH", "Historical Account Data"},
        {[](KVNEventManager& s) {
             Brae_PQ_HistoricalPositionRequest m;
             s.SendCommand(m, {EnumActionType::Query, EnumBusinessItemType::HistoricalPosition, "Q", true});
         },
         "SO", "EO", "Historical Position Data"},
        {[](KVNEventManager& s) {
             Brae_OR_HistoricalPositionSubmissionOutcomeRequest m;
             s.SendCommand(
                 m, {EnumActionType::Query, EnumBusinessItemType::HistoricalPositionSubmission, "Q", true});
         },
         "SU", "EU", "Historical Submission Outcome Data"},
        {[](KVNEventManager& s) {
             Brae_AR_HistoricalCommandHistoryAuditRequest m;
             s.SendCommand(m, {EnumActionType::Query, EnumBusinessItemType::HistoricalCommand, "Q", true});
         },
         "SC", "EC", "Historical Command Data"},
    };
    for (std::size_t slot = 0; slot < 4; ++slot) {
        SCOPED_TRACE(kinds[slot].caption);
        const auto& kind = kinds[slot];
        const std::string sequence = "0000" + std::to_string(1001 + slot);
        kind.send(*session);
        EXPECT_EQ(ui.busyDepth, 1);  // the hourglass
        Receive(Delimiter(sequence, kind.start));
        EXPECT_EQ(session->HourglassCount, 1);
        EXPECT_EQ(session->QuerySlots[slot].RowCounter, 0);
        for (std::size_t other = 0; other < 4; ++other) {
            if (other != slot) {
                EXPECT_EQ(session->QuerySlots[other].RowCounter, -1);
            }
        }

        ui.ExpectBox(kind.caption, "No records found", BoxIcon::Warning, BoxButtons::Ok, mrOk);
        Receive(Delimiter(sequence, kind.end));
        EXPECT_EQ(ui.Pending(), 0u);
        EXPECT_EQ(ui.timerRanAtBox.back(), true);
        timer.SetEnabled(false);
        EXPECT_EQ(StatusOf(int32_t(1001 + slot)), Status::Done);
        EXPECT_TRUE(session->PendingCommands.empty());
        EXPECT_EQ(session->QuerySlots[slot].RowCounter, -1);
        EXPECT_EQ(session->QuerySlots[slot].PendingSequence, 0u);
        EXPECT_EQ(session->HourglassCount, 0);
        EXPECT_EQ(ui.busyDepth, 0);  // the cursor is back
    }
    EXPECT_TRUE(session->ErrorLines.empty());
}

TEST_F(CommandFixture, RowsEndQuietlyAndAnErrorWaitsForTheEnd) {
    SendAccountQuery();  // 1001
    Receive(Delimiter("00001001", "SH"));
    session->QuerySlots[0].RowCounter = 3;  // three rows came
    Receive(Delimiter("00001001", "EH"));   // no box
    EXPECT_EQ(StatusOf(1001), Status::Done);

    // Rejected after its start: the text waits for the end, where it is shown; the process timer
    // runs under the box also when rows came.
    SendAccountQuery();  // 1002
    Receive(Delimiter("00001002", "SH"));
    Receive(ErrorNotice("00001002", "Too many rows"));
    EXPECT_EQ(session->QuerySlots[0].ErrorText, "Too many rows");
    EXPECT_EQ(session->QuerySlots[0].RowCounter, 0);
    EXPECT_EQ(session->HourglassCount, 1);
    session->QuerySlots[0].RowCounter = 2;
    ui.ExpectBox("Historical Account Data", "Too many rows", BoxIcon::Error, BoxButtons::Ok, mrOk);
    Receive(Delimiter("00001002", "EH"));
    EXPECT_EQ(ui.timerRanAtBox, (std::vector<bool>{true}));
    EXPECT_EQ(StatusOf(1002), Status::Failed);
    EXPECT_EQ(session->ErrorLines, (std::vector<std::string>{"1002;Too many rows;Historical accounts;",
                                                             "1002;Too many rows;Historical accounts;"}));
    EXPECT_EQ(session->QuerySlots[0].ErrorText, "");
    EXPECT_EQ(session->HourglassCount, 0);
    EXPECT_EQ(ui.busyDepth, 0);

    // Rejected after its start with no row: the error box in place of "No records found".
    timer.SetEnabled(false);
    SendAccountQuery();  // 1003
    Receive(Delimiter("00001003", "SH"));
    Receive(ErrorNotice("00001003", "No access"));
    ui.ExpectBox("Historical Account Data", "No access", BoxIcon::Error, BoxButtons::Ok, mrOk);
    Receive(Delimiter("00001003", "EH"));
    EXPECT_EQ(ui.timerRanAtBox, (std::vector<bool>{true, true}));
}

TEST_F(CommandFixture, AQueryRejectedBeforeItsStartEndsAtOnce) {
    Brae_PQ_HistoricalPositionRequest request;
    session->SendCommand(request, {EnumActionType::Query, EnumBusinessItemType::HistoricalPosition,
                                   "Historical positions", true});
    EXPECT_EQ(ui.busyDepth, 1);
    ui.ExpectBox("Historical Position Data", "Firm unknown", BoxIcon::Error, BoxButtons::Ok, mrOk);
    Receive(ErrorNotice("00001001", "Firm unknown"));
    EXPECT_EQ(ui.timerRanAtBox, (std::vector<bool>{true}));
    EXPECT_EQ(StatusOf(1001), Status::Failed);
    // Completed by the notice and by its end.
    EXPECT_EQ(session->ErrorLines, (std::vector<std::string>{"1001;Firm unknown;Historical positions;",
                                                             "1001;Firm unknown;Historical positions;"}));
    EXPECT_EQ(session->QuerySlots[1].RowCounter, -1);
    EXPECT_EQ(session->QuerySlots[1].PendingSequence, 0u);
    EXPECT_EQ(session->QuerySlots[1].ErrorText, "");
    EXPECT_EQ(session->HourglassCount, 0);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(CommandFixture, OnlyTheQueryDelimitersAndTheirNumbersCount) {
    SendAccountQuery();  // 1001, still waiting for its data
    // Other delimiter codes, among them those around imports and a code of no row.
    for (const char* code : {"SA", "EA", "ST", "EP", "ZZ"}) Receive(Delimiter("00001001", code));
    EXPECT_EQ(session->HourglassCount, 0);
    for (const auto& slot : session->QuerySlots) EXPECT_EQ(slot.RowCounter, -1);
    EXPECT_EQ(StatusOf(1001), Status::Sent);
    // A notice naming 0 answers no idle slot, nor one waiting for another number.
    Receive(ErrorNotice("00000000", "Malformed command"));
    EXPECT_EQ(session->HourglassCount, 0);
    for (const auto& slot : session->QuerySlots) EXPECT_EQ(slot.ErrorText, "");
    EXPECT_EQ(ui.busyDepth, 1);
    EXPECT_EQ(session->PendingCommands, (std::set<uint32_t>{1001}));
}

TEST_F(CommandFixture, AResetFailsTheUnansweredCommandsAndIdlesTheQueries) {
    SendPositionEntry("ACC-1");  // 1001, answered
    SendPositionEntry("ACC-2");  // 1002
    SendAccountQuery();          // 1003
    Receive(Standard("00001001"));
    Receive(Delimiter("00001003", "SH"));
    session->QuerySlots[0].Firm = "NWT1";
    session->QuerySlots[0].StartDate = "20210301";
    EXPECT_EQ(ui.busyDepth, 1);

    session->ResetSession();
    EXPECT_TRUE(session->PendingCommands.empty());
    EXPECT_EQ(session->ErrorLines,
              (std::vector<std::string>{
                  "1002;Failure with the connection to the server;New position - 20210315 - AB - ACC-2;",
                  "1003;Failure with the connection to the server;Historical accounts;"}));
    EXPECT_TRUE(session->CommandFailed);
    for (const auto& slot : session->QuerySlots) {
        EXPECT_EQ(slot.RowCounter, -1);
        EXPECT_EQ(slot.PendingSequence, 0u);
        EXPECT_EQ(slot.ErrorText, "");
    }
    EXPECT_EQ(session->QuerySlots[0].Firm, "NWT1");  // the query dialog prefills from these
    EXPECT_EQ(session->QuerySlots[0].StartDate, "20210301");
    EXPECT_EQ(session->HourglassCount, 0);
    EXPECT_EQ(ui.busyDepth, 0);

    // With nothing pending a reset adds no line and no failure.
    session->ErrorLines.clear();
    session->CommandFailed = false;
    session->ResetSession();
    EXPECT_TRUE(session->ErrorLines.empty());
    EXPECT_FALSE(session->CommandFailed);
}

namespace {

// A session connected to the test server, taken as logged in.
struct ServedCommands : ::testing::Test {
    ServedCommands() {
        testserver::TestServer::Options options;
        options.heartbeatInterval = 10000ms;
        server = std::make_unique<testserver::TestServer>(options);
        EXPECT_TRUE(server->Start());
        settings.Write("[Config]\nHostNameList=127.0.0.1\nPortList=" + std::to_string(server->GetPort()) +
                       "\n");
        session = std::make_unique<KVNEventManager>();
        session->ClientSocketEvent->SetActive(true);
        EXPECT_TRUE(PumpUntil([&] { return session->IsConnected() && server->GetOpenSessionCount() == 1; }));
        // As the connection acknowledgment does.
        session->ClientSocketEvent->ClearHasConnected();
        session->SequenceCounter = 2000;
        session->LoggedIn = true;
    }
    ~ServedCommands() override {
        session.reset();
        server->Stop();
    }
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds wait = 3000ms) {
        const auto end = std::chrono::steady_clock::now() + wait;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            session->ProcessEvents();
        }
        return true;
    }

    SettingsDirectory settings;
    ScriptedUi ui;
    std::unique_ptr<testserver::TestServer> server;
    std::unique_ptr<KVNEventManager> session;
};

}  // namespace

TEST_F(ServedCommands, TheServerTakesTheNumberedCommandsAndAnswersThem) {
    Brae_PU_PositionDelimiter delimiter;
    delimiter.DelimiterType.Set(unsigned(EnumBraeDelimiterType::EndOfPositionDeclaration));
    delimiter.ReportDate.SetText("20210316", 8);
    session->SendCommand(delimiter,
                         {EnumActionType::Add, EnumBusinessItemType::Position, "No position", false});
    Brae_IU_BroadcastDelimiterL2 start;
    start.SetDelimiterType(EnumBraeDelimiterType::StartOfAccountImport);
    session->SendCommand(start, {EnumActionType::Add, EnumBusinessItemType::Account, "Import start", true});
    server->AnswerWithError("AR", "Audit not available");
    Brae_AR_HistoricalCommandHistoryAuditRequest audit;
    session->SendCommand(audit,
                         {EnumActionType::Query, EnumBusinessItemType::HistoricalCommand, "Commands", true});
    EXPECT_EQ(session->PendingCommands, (std::set<uint32_t>{2001, 2003}));

    ui.ExpectBox("Historical Command Data", "Audit not available", BoxIcon::Error, BoxButtons::Ok, mrOk);
    ASSERT_TRUE(PumpUntil([&] { return session->PendingCommands.empty() && ui.Pending() == 0; }));
    const auto received = server->GetReceived();
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].bytes, "PU" + std::string(14, ' ') + "00002001" + "EP" + "20210316");
    EXPECT_EQ(received[1].bytes, "IU" + std::string(14, ' ') + "00002002" + "  ?SA");
    EXPECT_EQ(received[2].bytes.substr(0, 24), "AR" + std::string(14, ' ') + "00002003");
    EXPECT_EQ(received[2].bytes.size(), 69u);

    EXPECT_EQ(session->CommandHistories.Find(BaseKey(0, 2001))->CommandStatus.ToEnum(), Status::Done);
    EXPECT_EQ(session->CommandHistories.Find(BaseKey(0, 2002))->CommandStatus.ToEnum(), Status::Sent);
    EXPECT_EQ(session->CommandHistories.Find(BaseKey(0, 2003))->CommandStatus.ToEnum(), Status::Failed);
    EXPECT_EQ(session->ErrorLines, (std::vector<std::string>{"2003;Audit not available;Commands;",
                                                             "2003;Audit not available;Commands;"}));
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(ServedCommands, EveryCommandKindReachesTheServerAndCanBeRefused) {
    for (const CommandCase& c : kCommandCases)
        server->AnswerWithError(c.code, std::string(c.code) + " refused");
    const CommandDescription description{EnumActionType::Update, EnumBusinessItemType::Account, "T", false};
    for (const CommandCase& c : kCommandCases) c.send(*session, description);
    // Refused before their data started, the four queries end at once, each with its box.
    ui.ExpectBox("Historical Account Data", "HV refused", BoxIcon::Error, BoxButtons::Ok, mrOk);
    ui.ExpectBox("Historical Position Data", "PQ refused", BoxIcon::Error, BoxButtons::Ok, mrOk);
    ui.ExpectBox("Historical Submission Outcome Data", "OR refused", BoxIcon::Error, BoxButtons::Ok, mrOk);
    ui.ExpectBox("Historical Command Data", "AR refused", BoxIcon::Error, BoxButtons::Ok, mrOk);
    ASSERT_TRUE(PumpUntil([&] { return session->PendingCommands.empty() && ui.Pending() == 0; }));

    const auto received = server->GetReceived();
    ASSERT_EQ(received.size(), std::size(kCommandCases));
    for (std::size_t i = 0; i < received.size(); ++i) {
        const CommandCase& c = kCommandCases[i];
        SCOPED_TRACE(c.code);
        const int32_t sequence = int32_t(2001 + i);
        EXPECT_EQ(received[i].bytes.size(), c.length);
        EXPECT_EQ(received[i].bytes.substr(0, 24),
                  c.code + std::string(14, ' ') + "0000" + std::to_string(sequence));
        const CommandHistory* entry = session->CommandHistories.Find(BaseKey(0, sequence));
        ASSERT_NE(entry, nullptr);
        // The broadcast delimiter is not answered.
        EXPECT_EQ(entry->CommandStatus.ToEnum(), c.pending ? Status::Failed : Status::Sent);
        EXPECT_EQ(entry->ErrorMessage.ToString(), c.pending ? std::string(c.code) + " refused" : "");
    }
    // One line per refused command; the queries were completed twice.
    EXPECT_EQ(session->ErrorLines.size(), 8u + 2 * 4);
    EXPECT_EQ(session->ErrorLines.front(), "2001;AN refused;T - ACC-1;");
    EXPECT_TRUE(session->CommandFailed);
    EXPECT_EQ(session->HourglassCount, 0);
    EXPECT_EQ(ui.busyDepth, 0);
}
