#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "SessionFixture.h"
#include "core/CalendarConversion.h"
#include "core/DateTimeText.h"
#include "core/ProcessClock.h"
#include "session/KVNEventManager.h"
#include "support/LogRecorder.h"

using namespace std::chrono_literals;
using K = KVNEventManager;

namespace {

std::string Yesterday() {
    char text[8];
    WriteTmCompactDate(text, BreakDownLocalTime(GetLocalMidnight() - 1));
    return std::string(text, 8);
}

std::vector<std::string> Texts(const GUIErrorDetailsVector& log, std::size_t from = 0) {
    std::vector<std::string> texts;
    for (std::size_t i = from; i < log.size(); ++i) texts.push_back(log[i].GetText());
    return texts;
}

std::size_t CountHolding(const std::vector<std::string>& texts, const std::string& part) {
    std::size_t count = 0;
    for (const std::string& text : texts) count += text.find(part) != std::string::npos;
    return count;
}

}  // namespace

TEST(KVNEventManagerTest, DispatchTableIsTheSessionsTable) {
    struct Row {
        const char* code;
        int index;
        K::Handler handler;
        bool skipped;
        int length;  // up to the end of the last field its handler reads
    } const expected[] = {
        {"TH", 4, &K::OnHeartbeatQuestion, false, 22},
        {"TE", 7, &K::OnTechnicalErrorNotice, false, 120},
        {"TK", 8, &K::OnConnectionAcknowledgmentStep, false, 20},
        {"TL", 9, &K::OnDisconnectionAcknowledgment, false, 2},
        {"ER", 90, &K::OnErrorNotice, false, 128},
        {"KO", 99, &K::OnStandardAcknowledgment, false, 16},
        {"IU", 107, &K::OnBroadcastDelimiter, true, 29},
        {"KA", 225, &K::OnAccountDeleteAcknowledgment, false, 56},
        {"KF", 226, &K::OnPositionDeleteAcknowledgment, false, 90},
        {"KR", 230, &K::OnAccountAcknowledgment, false, 387},
        {"KB", 231, &K::OnPositionAcknowledgment, false, 122},
        {"JY", 232, &K::OnAccountSummary, false, 388},
        {"KL", 234, &K::OnBulkLinkAccountAcknowledgment, false, 45},
        {"BI", 235, &K::OnBulkInstrument, false, 28},
        {"BP", 236, &K::OnBulkParticipant, false, 28},
        {"JZ", 257, &K::OnHistoricalAccountAcknowledgment, true, 433},
        {"TY", 262, &K::OnPasswordResetAcknowledgment, true, 2},
        {"QR", 268, &K::OnNonReportableAccountAcknowledgment, false, 386},
        {"KX", 270, &K::OnMonitoringAccountAcknowledgment, false, 63},
        {"NF", 279, &K::OnBulkDate, false, 28},
        {"PH", 282, &K::OnHistoricalPositionAcknowledgment, true, 199},
        {"OH", 284, &K::OnHistoricalSubmissionOutcomeAcknowledgment, true, 81},
        {"RA", 286, &K::OnHistoricalCommandAcknowledgment, true, 360},
    };
    const auto& table = K::GetDispatchTable();
    ASSERT_EQ(table.size(), std::size(expected));
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_STREQ(table[i].Code, expected[i].code);
        EXPECT_EQ(static_cast<int>(table[i].Type), expected[i].index) << expected[i].code;
        EXPECT_TRUE(table[i].Handle == expected[i].handler) << expected[i].code;
        EXPECT_EQ(table[i].SkippedWhileLoading, expected[i].skipped) << expected[i].code;
        EXPECT_EQ(table[i].Length, expected[i].length) << expected[i].code;
        EXPECT_EQ(GetIncomingMsgType(expected[i].code, 2), table[i].Type) << expected[i].code;
        EXPECT_EQ(K::FindDispatchEntry(table[i].Type), &table[i]);
    }
    EXPECT_EQ(K::FindDispatchEntry(EnumBraeMsgType::TC), nullptr);
    EXPECT_EQ(K::FindDispatchEntry(EnumBraeMsgType::Unknown), nullptr);
}

TEST(KVNEventManagerTest, CountsBeyondTheElementsPresentAreClampedForTheHandler) {
    const std::string header = std::string(22, ' ');
    const std::string instrument(75, 'i');
    const std::string id(16, 'a');
    const struct {
        const char* name;
        std::string message;
        bool clamped;
        std::string expected;  // the message the handler gets when clamped
    } cases[] = {
        {"BI short of one", "BI" + header + "0003" + instrument + instrument + "0123456789", true,
         "BI" + header + "0002" + instrument + instrument + "0123456789"},
        {"BI whole", "BI" + header + "0002" + instrument + instrument, false, ""},
        {"BP without elements", "BP" + header + "0001", true, "BP" + header + "0000"},
        {"NF count after a blank", "NF" + header + " 005" + "2026120920261210", true,
         "NF" + header + " 002" + "2026120920261210"},
        {"KL count after master and action", "KL" + header + std::string(16, 'M') + "A" + "0003" + id, true,
         "KL" + header + std::string(16, 'M') + "A" + "0001" + id},
        {"KL without its count", "KL" + header + std::string(16, 'M') + "A" + "00", false, ""},
        {"KO is not counted", "KO" + header + "0009", false, ""},
    };
    for (const auto& c : cases) {
        LogRecorder log;
        const K::DispatchEntry* entry = K::FindDispatchEntry(GetIncomingMsgType(c.message.data(), 2));
        ASSERT_NE(entry, nullptr) << c.name;
        std::string clamped;
        EXPECT_EQ(K::ClampCount(*entry, c.message.data(), int32_t(c.message.size()), clamped), c.clamped)
            << c.name;
        if (c.clamped) {
            EXPECT_EQ(clamped, c.expected) << c.name;
        }
        EXPECT_EQ(log.messages.size(), c.clamped ? 1u : 0u) << c.name;
    }
    // Only these four types are counted.
    std::size_t counted = 0;
    for (const K::DispatchEntry& entry : K::GetDispatchTable()) counted += entry.CountWidth != 0;
    EXPECT_EQ(counted, 4u);
}

TEST(KVNEventManagerTest, WithoutAddressListsTheSessionHasNoEvents) {
    SettingsDirectory settings;
    settings.Write("[Config]\nPortList=7001\n");
    KVNEventManager session;
    EXPECT_FALSE(session.IsSetUp());
    EXPECT_EQ(session.ClientSocketEvent, nullptr);
    EXPECT_FALSE(session.IsConnected());
    EXPECT_EQ(
        CountHolding(Texts(session.GetErrorDetails()),
                     "[ERROR]The valid list of host names (HostNameList) and/or a list of its comm ports "
                     "(PortList) are not provided"),
        1u);
    const std::size_t before = session.GetErrorDetails().size();
    session.ProcessEvents();  // returns at once
    EXPECT_EQ(session.GetErrorDetails().size(), before);
}

TEST_F(SessionFixture, StartsWithItsStartValuesAndAnInactiveSocket) {
    EXPECT_TRUE(session->IsSetUp());
    EXPECT_FALSE(session->LoggedIn || session->Loading || session->PasswordChangeRequired);
    EXPECT_EQ(session->DaysToPasswordExpiry, "0000");
    EXPECT_EQ(session->EncryptionKey, std::string(16, ' '));
    EXPECT_EQ(session->DisconnectToken, "    ");
    EXPECT_EQ(session->SequenceCounter, 0u);
    EXPECT_EQ(session->HeartbeatTimeout, 0u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&session->HeartbeatResponse), 2), "TI");
    EXPECT_FALSE(session->UserTypeM || session->UserTypeS || session->UserTypeP || session->UserTypeA);
    for (const K::QuerySlot& slot : session->QuerySlots) {
        EXPECT_EQ(slot.RowCounter, -1);
        EXPECT_EQ(slot.PendingSequence, 0u);
        EXPECT_EQ(slot.Firm, "    ");
        EXPECT_EQ(slot.StartDate, Yesterday());
        EXPECT_EQ(slot.EndDate, Yesterday());
    }
    EXPECT_TRUE(session->CanLogin());
    EXPECT_FALSE(session->IsReady());
    session->PasswordChangeRequired = true;
    EXPECT_FALSE(session->CanLogin());

    for (int i = 0; i < 50; ++i) session->ProcessEvents();
    EXPECT_FALSE(session->IsConnected());
    EXPECT_EQ(server->GetConnectionCount(), 0);
}

TEST_F(SessionFixture, QueuedMessagesGoOutFramedOnceTheSocketIsActive) {
    const std::string ti = "TI00000007000001120000";
    session->MessageQueue.AddMessage(ti.data(), int(ti.size()));
    ConnectNow();
    ASSERT_TRUE(PumpUntil([&] { return server->GetReceived().size() == 1; }));
    EXPECT_EQ(server->GetReceived()[0].bytes, ti);
}

TEST_F(SessionFixture, EachPumpCallHandsServerMessagesOnAndPublishesItsLines) {
    ConnectNow();
    // Messages shorter than their handlers read are logged by the dispatch, by type.
    server->SendRaw("KO");
    server->SendRaw("ZZ");  // not a type the session handles
    server->SendRaw("JZ");  // dispatched when not loading
    ASSERT_TRUE(PumpUntil([&] { return CountHolding(Log(), "Received JZ message") == 1; }));
    const auto log = Log();
    EXPECT_EQ(CountHolding(log, "[ERROR]Received KO message of 2 bytes, 16 expected"), 1u);
    EXPECT_EQ(CountHolding(log, "Received"), 2u);
}

TEST_F(SessionFixture, WhileLoadingSkippedTypesAreDroppedUnread) {
    ConnectNow();
    // As the connection acknowledgment leaves it: loading from this connection.
    session->ClientSocketEvent->ClearHasConnected();
    session->LoadConnection = session->ClientSocketEvent->GetConnectionCount();
    session->Loading = true;
    for (const char* type : {"JZ", "PH", "OH", "RA", "TY", "IU", "KO"}) server->SendRaw(type);
    server->DropConnections(false);
    // While loading, one call stays in its loop until the connection is gone.
    session->ProcessEvents();
    EXPECT_FALSE(session->IsConnected());
    EXPECT_EQ(CountHolding(Log(), "Received KO message"), 1u);
    EXPECT_EQ(CountHolding(Log(), "Received"), 1u);
}

TEST_F(SessionFixture, OneCallWhenNotLoadingReturnsAtTheWindowMessageEntry) {
    ConnectNow();
    const std::size_t start = session->GetErrorDetails().size();
    server->SendRaw("KO");
    ASSERT_TRUE(PumpUntil([&] { return session->GetErrorDetails().size() > start; }));
    // Nothing more comes: a call returns by itself.
    const std::size_t after = session->GetErrorDetails().size();
    session->ProcessEvents();
    EXPECT_EQ(session->GetErrorDetails().size(), after);
}

TEST_F(SessionFixture, DisconnectionAcknowledgmentLogsOutAndStaysDisconnected) {
    ASSERT_TRUE(LogInNow("part"));
    ASSERT_TRUE(session->UserTypeP);
    session->UserTypeS = session->UserTypeA = true;
    server->SendDisconnection();
    ASSERT_TRUE(PumpUntil([&] { return !session->LoggedIn; }));
    EXPECT_FALSE(session->IsConnected());
    EXPECT_FALSE(session->UserTypeS || session->UserTypeA);
    EXPECT_TRUE(session->UserTypeP);
    // Well past the 2 seconds between connection attempts: no new one.
    PumpUntil([] { return false; }, 2300ms);
    EXPECT_EQ(server->GetConnectionCount(), 1);
    EXPECT_FALSE(session->IsConnected());
}

// The server drops a logged-in connection without a TL: the socket reconnects by itself, the
// pump resets the session and logs in again with the same credentials.
TEST_F(SessionFixture, ADroppedConnectionWhileLoggedInLogsInAgain) {
    ASSERT_TRUE(LogInNow("jek"));
    EXPECT_FALSE(session->ClientSocketEvent->HasConnected());
    std::vector<ReceivedWindowMessage> messages;
    GridWindow grid(*session, messages);
    session->FirmNames.insert("NORTHWND");
    server->DropConnections(false);
    ASSERT_TRUE(PumpUntil([&] { return Received("TC").size() == 2; }, 5000ms));
    EXPECT_EQ(server->GetConnectionCount(), 2);
    EXPECT_TRUE(session->FirmNames.empty());
    EXPECT_EQ(grid.view.GetAllRowCount(), 1);  // the title row only
    EXPECT_EQ(messages, (std::vector<ReceivedWindowMessage>{{grid.window.Handle(), 0x8001}}));
    session->GridClients.clear();
    EXPECT_EQ(Received("TC")[1].substr(2, 10), "L2     jek");
    // The new acknowledgment clears the has-connected flag, and the second load ends.
    ASSERT_TRUE(PumpUntil([&] { return session->IsReady(); }));
    EXPECT_FALSE(session->ClientSocketEvent->HasConnected());
    EXPECT_TRUE(session->UserTypeM);
}

TEST_F(SessionFixture, OnlyMessagesShorterThanTheirHandlersReadAreLogged) {
    ConnectNow();
    // A blank acknowledgment and a blank load counter: a session out of its load, and no longer
    // taken for one that reconnected.
    const std::string endOfLoad = "TH" + std::string(20, ' ');
    server->SendRaw("TK" + std::string(18, ' '));
    server->SendRaw(endOfLoad);
    // The two technical error notices show their (empty) texts; the first password reset
    // acknowledgment answers a pending reset and shows its box.
    session->PasswordResetSequence = 1;
    ui.ExpectBox("Connection Status", "", BoxIcon::Error, BoxButtons::Ok, mrOk)
        .ExpectBox("Connection Status", "", BoxIcon::Error, BoxButtons::Ok, mrOk)
        .ExpectBox("Password Change", "Password was successfully changed.", BoxIcon::Information,
                   BoxButtons::Ok, mrOk);
    std::size_t expectedLines = 0;
    for (const K::DispatchEntry& entry : K::GetDispatchTable()) {
        // TL ends the connection; TK starts a load, in which some types are dropped.
        if (entry.Type == EnumBraeMsgType::TL || entry.Type == EnumBraeMsgType::TK) continue;
        server->SendRaw(entry.Code + std::string(std::size_t(entry.Length - 2), ' '));
        if (entry.Length <= 2) continue;  // nothing read beyond the type
        server->SendRaw(entry.Code + std::string(std::size_t(entry.Length - 3), ' '));
        ++expectedLines;
    }
    server->SendRaw("TK" + std::string(17, ' '));
    ++expectedLines;
    server->SendRaw(endOfLoad);
    server->SendRaw("ZZ");  // not a type the session reads
    ASSERT_TRUE(PumpUntil([&] { return CountHolding(Log(), "[ERROR]Received ") == expectedLines; }));
    for (int i = 0; i < 20; ++i) session->ProcessEvents();
    const auto log = Log();
    EXPECT_EQ(CountHolding(log, "[ERROR]Received "), expectedLines);
    EXPECT_EQ(CountHolding(log, "Received KR message of 386 bytes, 387 expected"), 1u);
    EXPECT_EQ(CountHolding(log, "Received TH message of 21 bytes, 22 expected"), 1u);
    EXPECT_EQ(CountHolding(log, "Received TK message of 19 bytes, 20 expected"), 1u);
    EXPECT_FALSE(session->Loading);
}

TEST_F(SessionFixture, ACountedMessageShortOfItsElementsIsLoggedByTheDispatch) {
    ConnectNow();
    server->SendRaw("BP" + std::string(22, ' ') + "0003" + std::string(46 * 2, 'p'));
    ASSERT_TRUE(PumpUntil([&] {
        return CountHolding(Log(), "[ERROR]Received BP message counting 3 elements holds 2 whole") == 1;
    }));
}

TEST_F(SessionFixture, AfterShutDownThePumpDoesNothing) {
    ConnectNow();
    session->ShutDown();
    EXPECT_EQ(session->ClientSocketEvent, nullptr);
    EXPECT_EQ(session->WindowMessageEvent, nullptr);
    EXPECT_FALSE(session->IsConnected());
    const std::size_t lines = session->GetErrorDetails().size();
    session->ProcessEvents();
    EXPECT_EQ(session->GetErrorDetails().size(), lines);
}
