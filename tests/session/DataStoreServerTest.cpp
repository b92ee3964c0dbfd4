// The data store against the loopback reporting server: the initial load into the stores, the
// record acknowledgments of commands, and grid windows (test windows on the router holding real
// views) refilled and notified by the refresh, also across a reset.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SessionTestSupport.h"
#include "session/KVNEventManager.h"
#include "store/TInterfaceView.h"
#include "testserver/ServerMessages.h"
#include "testserver/TestServer.h"

using namespace std::chrono_literals;
using testserver::Left;

namespace {

// Logging in comes with the session protocol; until the session has it, these tests are skipped.
template <class S>
constexpr bool kHasLogin = requires(S& session, const std::string& text) {
    session.Login(text, text);
    session.Logout();
};

template <class S>
void StartLogin(S& session) {
    if constexpr (kHasLogin<S>) session.Login("part", "secret");
}

template <class S>
void LogOut(S& session) {
    if constexpr (kHasLogin<S>) session.Logout();
}

// A grid window: a test window on the router with a real view of its kind, registered as the
// client grid windows register.
struct GridWindow {
    GridWindow(KVNEventManager& session, InterfaceView* rows, ChildType kind,
               std::vector<ReceivedWindowMessage>& log)
        : recorder("grid", log), view(rows) {
        session.AddGridWindow(recorder.Handle());
        session.SetGridClient(recorder.Handle(), view.get(), kind);
    }
    uint32_t Handle() const { return recorder.Handle(); }
    std::vector<BaseKey> Keys() const {
        std::vector<BaseKey> keys;
        for (int i = 0; i + 1 < view->GetDisplayedRowCount(); ++i) keys.push_back(view->GetDisplayedKey(i));
        return keys;
    }
    RecordingWindow recorder;
    std::unique_ptr<InterfaceView> view;
};

struct ServerStore : ::testing::Test {
    ServerStore() {
        testserver::TestServer::Options options;
        options.heartbeatInterval = 10000ms;
        server = std::make_unique<testserver::TestServer>(options);
        server->AddDemoUsers();
        EXPECT_TRUE(server->Start());
        settings.Write("[Config]\nHostNameList=127.0.0.1\nPortList=" + std::to_string(server->GetPort()) +
                       "\n");
        session = std::make_unique<KVNEventManager>();
    }
    ~ServerStore() override {
        session.reset();
        server->Stop();
    }
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds wait = 5000ms) {
        const auto end = std::chrono::steady_clock::now() + wait;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            session->ProcessEvents();
        }
        return true;
    }
    void LogIn() {
        StartLogin(*session);
        ASSERT_TRUE(PumpUntil([&] { return session->IsReady(); }));
    }
    // A command as the screens send it, numbered after the last one; its sequence number.
    uint32_t Send(const std::string& type, const std::string& body) {
        const uint32_t sequence = ++session->SequenceCounter;
        const std::string message = type + std::string(14, ' ') + testserver::Digits(sequence, 8) + body;
        session->MessageQueue.AddMessage(message.data(), static_cast<int32_t>(message.size()));
        return sequence;
    }
    // The windows that received 0x8001 since the last call.
    std::vector<uint32_t> Notified() {
        std::vector<uint32_t> windows;
        for (const ReceivedWindowMessage& message : received) {
            if (message.message == KVNEventManager::kDataChanged) windows.push_back(message.window);
        }
        received.clear();
        return windows;
    }
    static std::vector<BaseKey> Accounts(std::initializer_list<int32_t> ids) {
        std::vector<BaseKey> keys;
        for (const int32_t id : ids) keys.emplace_back(1, id);
        return keys;
    }

    SettingsDirectory settings;
    std::unique_ptr<testserver::TestServer> server;
    std::unique_ptr<KVNEventManager> session;
    std::vector<ReceivedWindowMessage> received;
};

TEST_F(ServerStore, TheLoadFillsTheStoresAndTheWindowsOfEachKind) {
    if (!kHasLogin<KVNEventManager>) GTEST_SKIP() << "the session has no login yet";
    LogIn();
    // Demo accounts get ids from 1001 in the order the server made them; NW-M1 and HB-M1 are masters.
    std::vector<BaseKey> keys;
    for (const auto& entry : session->Accounts.Records) keys.push_back(entry.first);
    EXPECT_EQ(keys, Accounts({1001, 1002, 1003, 1004, 1005}));
    EXPECT_EQ(session->Accounts.Find(BaseKey(1, 1001))->FirmUnitMember.ToString(), "NWT00001");
    EXPECT_EQ(session->Accounts.Find(BaseKey(1, 1004))->FirmUnitMember.ToString(), "HBS00001");
    EXPECT_EQ(session->Instruments.size(), 2u);
    EXPECT_EQ(session->Participants.size(), 2u);
    EXPECT_EQ(session->ReportableDates.size(), 2u);
    EXPECT_EQ(session->FirmNames, (std::set<std::string>{"HARBOUR", "NORTHWND"}));
    ASSERT_EQ(session->Positions.Records.size(), 2u);
    for (const auto& [key, position] : session->Positions.Records) {
        EXPECT_EQ(position.ExternalSymbol.ToString(), "ABC 20301220 C 125.00");
        EXPECT_EQ(position.CallPutCode.Get(), EnumBraeInstrumentCallPutCode::Call);
    }
    EXPECT_TRUE(session->HasMasterAccount());
    EXPECT_TRUE(session->CheckReportableDates());
    // Nothing was pushed during the load.
    EXPECT_TRUE(session->Accounts.ChangedKeys.empty() && session->Positions.ChangedKeys.empty());

    GridWindow accounts(*session, new TInterfaceView<KR_Account>(), ChildType::Accounts, received);
    GridWindow masters(*session, new TInterfaceView<KR_Account>(), ChildType::MasterAccounts, received);
    GridWindow positions(*session, new TInterfaceView<KB_Position>(), ChildType::Positions, received);
    session->RefreshGrids();
    EXPECT_EQ(accounts.Keys(), Accounts({1001, 1002, 1003, 1004, 1005}));
    EXPECT_EQ(masters.Keys(), Accounts({1003, 1005}));
    EXPECT_EQ(positions.Keys().size(), 2u);
    EXPECT_EQ(Notified(), (std::vector<uint32_t>{accounts.Handle(), masters.Handle(), positions.Handle()}));
    session->RefreshGrids();
    EXPECT_TRUE(Notified().empty());
}

TEST_F(ServerStore, RecordAcknowledgmentsOfCommandsNotifyTheirKindsOnly) {
    if (!kHasLogin<KVNEventManager>) GTEST_SKIP() << "the session has no login yet";
    LogIn();
    GridWindow accounts(*session, new TInterfaceView<KR_Account>(), ChildType::Accounts, received);
    GridWindow positions(*session, new TInterfaceView<KB_Position>(), ChildType::Positions, received);
    session->RefreshGrids();
    Notified();

    // A position entry: report date, filler, account number, group and instrument, quantities.
    const std::string date = session->ReportableDates[0].ToString();
    Send("PN", date + " " + Left("NW-101", 16) + "OPABP1" + "00000005" + "00000000");
    ASSERT_TRUE(PumpUntil([&] { return session->Positions.Records.size() == 3; }));
    session->RefreshGrids();
    EXPECT_EQ(Notified(), (std::vector<uint32_t>{positions.Handle()}));
    const KB_Position* entered = nullptr;
    for (const auto& [key, position] : session->Positions.Records) {
        if (position.AccountNumber.ToString() == "NW-101") entered = &position;
    }
    ASSERT_NE(entered, nullptr);
    EXPECT_EQ(entered->CallPutCode.Get(), EnumBraeInstrumentCallPutCode::Put);
    EXPECT_EQ(entered->FirmUnitMember.ToString(), "NWT00001");

    // A bulk link: master id, action, count, ids. Accounts and positions change.
    Send("AL", Left("1003", 16) + "A" + "0001" + Left("1002", 16));
    ASSERT_TRUE(PumpUntil([&] { return !session->Accounts.ChangedKeys.empty(); }));
    EXPECT_EQ(session->Accounts.Find(BaseKey(1, 1002))->MasterAccountId.ToString(), "1003");
    EXPECT_EQ(entered->MasterAccountId.ToString(), "1003");
    session->RefreshGrids();
    EXPECT_EQ(Notified(), (std::vector<uint32_t>{accounts.Handle(), positions.Handle()}));

    // An account deletion: account number and id.
    Send("AD", Left("HB-200", 16) + Left("1004", 16));
    ASSERT_TRUE(PumpUntil([&] { return session->Accounts.Find(BaseKey(1, 1004)) == nullptr; }));
    EXPECT_EQ(session->Accounts.RemovedKeys, (InterfaceKeyVector{{BaseKey(1, 1004)}}));
    session->RefreshGrids();
    EXPECT_EQ(Notified(), (std::vector<uint32_t>{accounts.Handle()}));
    EXPECT_TRUE(session->Accounts.RemovedKeys.empty());
}

TEST_F(ServerStore, AfterAResetNoViewHoldsARecordTheResetRemoved) {
    if (!kHasLogin<KVNEventManager>) GTEST_SKIP() << "the session has no login yet";
    LogIn();
    GridWindow accounts(*session, new TInterfaceView<KR_Account>(), ChildType::Accounts, received);
    GridWindow positions(*session, new TInterfaceView<KB_Position>(), ChildType::Positions, received);
    session->RefreshGrids();
    ASSERT_EQ(accounts.Keys().size(), 5u);

    LogOut(*session);
    EXPECT_TRUE(session->Accounts.Records.empty() && session->Positions.Records.empty());
    EXPECT_TRUE(accounts.Keys().empty());
    EXPECT_TRUE(positions.Keys().empty());
    for (const BaseKey& key : Accounts({1001, 1002, 1003, 1004, 1005}))
        EXPECT_FALSE(accounts.view->ContainsRow(key));

    // The next login, once the server has closed the session, refills them.
    ASSERT_TRUE(PumpUntil([&] { return session->ClientSocketEvent->GetActivity() == 0; }));
    Notified();
    LogIn();
    session->RefreshGrids();
    EXPECT_EQ(accounts.Keys(), Accounts({1001, 1002, 1003, 1004, 1005}));
    EXPECT_EQ(positions.Keys().size(), 2u);
    EXPECT_EQ(Notified(), (std::vector<uint32_t>{accounts.Handle(), positions.Handle()}));
}

}  // namespace
