// Commands and historical queries sent as the screens send them, after a real login against the
// loopback reporting server: the rows of each query in the session's historical store, the box at
// its end, the command history settled by the server's answers, and refusals on request.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "SessionFixture.h"
#include "brae/Brae_AN_AccountEntry.h"
#include "brae/Brae_AR_HistoricalCommandHistoryAuditRequest.h"
#include "brae/Brae_HV_HistoricalAccountRequest.h"
#include "brae/Brae_OR_HistoricalPositionSubmissionOutcomeRequest.h"
#include "brae/Brae_PN_PositionEntry.h"
#include "brae/Brae_PQ_HistoricalPositionRequest.h"

using Status = EnumActionStatusType;

namespace {

template <class T>
std::vector<BaseKey> KeysOf(const DataHandler<T>& store) {
    std::vector<BaseKey> keys;
    for (const auto& [key, row] : store.Records) {
        EXPECT_EQ(row.RecordId.GetValue(), key.First.GetValue());
        keys.push_back(key);
    }
    return keys;
}

// One historical query: how it is sent for a firm, its caption and the rows it stored.
struct QueryCase {
    const char* code;
    std::function<void(KVNEventManager&, const std::string& firm)> send;
    std::string caption;
    std::function<std::vector<BaseKey>(const KVNEventManager&)> rows;
};

template <class M>
std::function<void(KVNEventManager&, const std::string&)> Sender(EnumBusinessItemType item,
                                                                 const char* text) {
    return [item, text](KVNEventManager& session, const std::string& firm) {
        M request;
        request.Firm.SetText(firm.c_str());
        session.SendCommand(request, {EnumActionType::Query, item, text, true});
    };
}

const QueryCase kQueries[] = {
    {"HV", Sender<Brae_HV_HistoricalAccountRequest>(EnumBusinessItemType::HistoricalAccount, "Accounts"),
     "Historical Account Data", [](const KVNEventManager& s) { return KeysOf(s.HistoricalAccounts); }},
    {"PQ", Sender<Brae_PQ_HistoricalPositionRequest>(EnumBusinessItemType::HistoricalPosition, "Positions"),
     "Historical Position Data", [](const KVNEventManager& s) { return KeysOf(s.HistoricalPositions); }},
    {"OR",
     Sender<Brae_OR_HistoricalPositionSubmissionOutcomeRequest>(
         EnumBusinessItemType::HistoricalPositionSubmission, "Outcomes"),
     "Historical Submission Outcome Data",
     [](const KVNEventManager& s) { return KeysOf(s.HistoricalSubmissions); }},
    {"AR",
     Sender<Brae_AR_HistoricalCommandHistoryAuditRequest>(EnumBusinessItemType::HistoricalCommand, "Audit"),
     "Historical Command Data", [](const KVNEventManager& s) { return KeysOf(s.HistoricalCommands); }},
};

std::vector<BaseKey> Numbered(int32_t count) {
    std::vector<BaseKey> keys;
    for (int32_t i = 1; i <= count; ++i) keys.emplace_back(i, i);
    return keys;
}

class HistoricalQueryServer : public SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        ASSERT_TRUE(LogInNow());
    }
    const CommandHistory* Entry(uint32_t sequence) const {
        return session->CommandHistories.Find(BaseKey(0, int32_t(sequence)));
    }
    // Pumps until the last command sent is settled; its entry.
    const CommandHistory& Settled() {
        const uint32_t sequence = session->SequenceCounter;
        const CommandHistory* entry = Entry(sequence);
        EXPECT_NE(entry, nullptr);
        static const CommandHistory none;
        if (!entry) return none;
        EXPECT_TRUE(PumpUntil([&] { return entry->CommandStatus.ToEnum() != Status::Sent; })) << sequence;
        return *entry;
    }
    void SendPosition(const std::string& account) {
        Brae_PN_PositionEntry entry;
        entry.ReportDate = session->ReportableDates[0];
        entry.AccountNumber.SetText(account.c_str());
        entry.Group.SetText("OP");
        entry.Instrument.SetText("ABP1");
        entry.LongQuantity.SetText("00000005", 8);
        session->SendCommand(entry,
                             {EnumActionType::Add, EnumBusinessItemType::Position, "New position", false});
    }
    void SendAccount(const std::string& number) {
        Brae_AN_AccountEntry entry;
        entry.AccountNumber.SetText(number.c_str());
        entry.ApprovedParticipantId.SetText("NWT1");
        session->SendCommand(entry,
                             {EnumActionType::Add, EnumBusinessItemType::Account, "New account", false});
    }
    void ExpectQuiet() {
        EXPECT_TRUE(session->PendingCommands.empty());
        EXPECT_EQ(session->HourglassCount, 0);
        EXPECT_EQ(ui.busyDepth, 0);
        for (const KVNEventManager::QuerySlot& slot : session->QuerySlots) {
            EXPECT_EQ(slot.RowCounter, -1);
            EXPECT_EQ(slot.PendingSequence, 0u);
        }
    }
};

// After one position entry the demo data answers every query with rows: five accounts, three
// positions, two participants' outcomes and the one audited command. No box comes at the end.
TEST_F(HistoricalQueryServer, EachQueryStoresItsRowsNumberedFromOneAndEndsDone) {
    SendPosition("NW-101");
    ASSERT_EQ(Settled().CommandStatus.ToEnum(), Status::Done);
    const int32_t counts[] = {5, 3, 2, 1};
    for (std::size_t i = 0; i < std::size(kQueries); ++i) {
        const QueryCase& query = kQueries[i];
        SCOPED_TRACE(query.code);
        query.send(*session, "    ");
        EXPECT_EQ(ui.busyDepth, 1);
        const CommandHistory& entry = Settled();
        EXPECT_EQ(entry.CommandStatus.ToEnum(), Status::Done);
        EXPECT_EQ(entry.ErrorMessage.ToString(), "");
        EXPECT_EQ(query.rows(*session), Numbered(counts[i]));
        ExpectQuiet();
    }
    // The rows are the server's: its accounts, with the firm unit member of their participant.
    std::set<std::string> numbers;
    for (const auto& [key, row] : session->HistoricalAccounts.Records) {
        numbers.insert(row.AccountNumber.ToString());
        EXPECT_EQ(row.FirmUnitMember.ToString(),
                  row.AccountNumber.ToString()[0] == 'N' ? "NWT00001" : "HBS00001");
    }
    EXPECT_EQ(numbers, (std::set<std::string>{"HB-200", "HB-M1", "NW-100", "NW-101", "NW-M1"}));
    EXPECT_FALSE(session->CommandFailed);
    EXPECT_TRUE(session->ErrorLines.empty());
}

// A firm is named by the first four characters of its firm name, as the query dialog sends it:
// only that firm's rows come back; its participant id names no firm.
TEST_F(HistoricalQueryServer, AFirmIsChosenByTheFirstFourCharactersOfItsName) {
    const struct {
        std::string firm;
        std::set<std::string> accounts;
    } cases[] = {
        {"NORT", {"NW-100", "NW-101", "NW-M1"}},
        {"HARB", {"HB-200", "HB-M1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firm);
        session->HistoricalAccounts.DeleteAll();
        kQueries[0].send(*session, c.firm);
        EXPECT_EQ(Settled().CommandStatus.ToEnum(), Status::Done);
        std::set<std::string> numbers;
        for (const auto& [key, row] : session->HistoricalAccounts.Records)
            numbers.insert(row.AccountNumber.ToString());
        EXPECT_EQ(numbers, c.accounts);
    }
    ui.ExpectBox(kQueries[0].caption, "No records found", BoxIcon::Warning, BoxButtons::Ok, mrOk);
    session->HistoricalAccounts.DeleteAll();
    kQueries[0].send(*session, "NWT1");
    EXPECT_EQ(Settled().CommandStatus.ToEnum(), Status::Done);
    EXPECT_TRUE(session->HistoricalAccounts.Records.empty());
    EXPECT_EQ(ui.Pending(), 0u);
}

// A firm the server does not know gets no rows, as does the audit before any command: the end
// shows the kind's warning.
TEST_F(HistoricalQueryServer, AQueryWithoutRowsEndsDoneAfterTheWarning) {
    for (const QueryCase& query : kQueries) {
        SCOPED_TRACE(query.code);
        ui.ExpectBox(query.caption, "No records found", BoxIcon::Warning, BoxButtons::Ok, mrOk);
        query.send(*session, "ZZZZ");
        EXPECT_EQ(Settled().CommandStatus.ToEnum(), Status::Done);
        EXPECT_EQ(ui.Pending(), 0u);
        EXPECT_TRUE(query.rows(*session).empty());
        ExpectQuiet();
    }
    EXPECT_FALSE(session->CommandFailed);
}

// Refusals on request. A command takes one failure line; a query refused before its data takes
// two (its notice and its simulated end) and shows the text under the kind's caption.
TEST_F(HistoricalQueryServer, ARefusedCommandFailsWithTheServersText) {
    const struct {
        const char* code;
        std::function<void()> send;
        std::string description;
        std::size_t lines;
    } cases[] = {
        {"AN", [&] { SendAccount("ZZ-1"); }, "New account - ZZ-1", 1},
        {"PN", [&] { SendPosition("NW-100"); },
         "New position - " + session->ReportableDates[0].ToString() + " - ABP1 - NW-100", 1},
        {"HV", [&] { kQueries[0].send(*session, "    "); }, "Accounts", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const std::string text = std::string("Refused: ") + c.code;
        server->AnswerWithError(c.code, text);
        if (c.lines == 2) ui.ExpectBox(kQueries[0].caption, text, BoxIcon::Error, BoxButtons::Ok, mrOk);
        session->ErrorLines.clear();
        session->CommandFailed = false;
        const std::size_t accounts = session->Accounts.Records.size();
        const std::size_t positions = session->Positions.Records.size();
        c.send();
        const CommandHistory& entry = Settled();
        EXPECT_EQ(entry.CommandStatus.ToEnum(), Status::Failed);
        EXPECT_EQ(entry.ErrorMessage.ToString(), text);
        const std::string line =
            std::to_string(session->SequenceCounter) + ";" + text + ";" + c.description + ";";
        EXPECT_EQ(session->ErrorLines, std::vector<std::string>(c.lines, line));
        EXPECT_TRUE(session->CommandFailed);
        EXPECT_EQ(session->Accounts.Records.size(), accounts);
        EXPECT_EQ(session->Positions.Records.size(), positions);
        EXPECT_TRUE(session->HistoricalAccounts.Records.empty());
        EXPECT_EQ(ui.Pending(), 0u);
        ExpectQuiet();
    }
}

// The server's record acknowledgments settle an account and a position entry after storing them.
TEST_F(HistoricalQueryServer, AnsweredEntriesEndDoneWithTheirRecordsStored) {
    SendAccount("NW-102");
    EXPECT_EQ(Settled().CommandStatus.ToEnum(), Status::Done);
    const KR_Account* account = session->Accounts.Find(BaseKey(1, 1006));
    ASSERT_NE(account, nullptr);
    EXPECT_EQ(account->AccountNumber.ToString(), "NW-102");

    SendPosition("NW-102");
    EXPECT_EQ(Settled().CommandStatus.ToEnum(), Status::Done);
    const KB_Position* position = nullptr;
    for (const auto& [key, record] : session->Positions.Records)
        if (record.AccountNumber.ToString() == "NW-102") position = &record;
    ASSERT_NE(position, nullptr);
    EXPECT_EQ(position->CallPutCode.Get(), EnumBraeInstrumentCallPutCode::Put);
    EXPECT_EQ(position->AccountId.ToString(), "1006");
    EXPECT_EQ(session->Positions.Records.size(), 3u);
    ExpectQuiet();
    EXPECT_FALSE(session->CommandFailed);
}

}  // namespace
