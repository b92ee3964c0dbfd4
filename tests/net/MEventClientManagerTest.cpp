#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "StateTablesFixture.h"
#include "StderrLogReceiver.h"
#include "TimerRule.h"
#include "core/MError.h"
#include "net/BaseGateway.h"
#include "net/MComVectorMessageMaster.h"
#include "net/MEventClientManager.h"
#include "net/MEventSocketSelect.h"
#include "net/MSocketBufferOut.h"
#include "net/MonitorControl.h"
#include "support/LogRecorder.h"

namespace {

using namespace std::string_literals;

// The heartbeat record is built once per process, with the gateway name of the first tick: the
// test that reads the record runs in a process of its own (ManagerClientFreshProcess), and every
// test that ticks starts with this name.
const std::string kHeartbeatName = "GW-HEARTBEAT";

std::string Blanks(std::size_t n) {
    return std::string(n, ' ');
}

// Counts the reports asked of monitored objects.
class CountingMonitor : public MonitorControl {
public:
    void ReportToMonitor(bool) override { ++reports; }
    int reports = 0;
};

class ManagerClientTest : public StateTablesFixture {
protected:
    void SetUp() override {
        StateTablesFixture::SetUp();
        savedTicks_ = MEventClientManager::HeartbeatTickCount();
        MEventClientManager::HeartbeatTickCount() = 0;
        MEventSocketSelect::SetPollAgain(false);
    }
    void TearDown() override {
        client.reset();
        MEventClientManager::HeartbeatTickCount() = savedTicks_;
        MEventSocketSelect::SetPollAgain(false);
        StateTablesFixture::TearDown();
    }

    // A manager client with a Brae output side over the ordinary vector, to the peer.
    std::unique_ptr<MEventClientManager> Build(const MSocketAddressList* addresses = nullptr) {
        return std::make_unique<MEventClientManager>(
            5, nullptr, nullptr, new MSocketBufferOut(&vector, nullptr, 0, 65536), nullptr, addresses, false,
            false, nullptr, false, &gateway);
    }
    // The records waiting in the client's control queue.
    std::vector<std::string> ControlQueue() const {
        std::vector<std::string> records;
        MComVectorMessageMaster& control = client->GetOutputBuffering()->GetControlVector();
        for (uint32_t i = 0; i < control.GetCount(); ++i) {
            int length = 0;
            const char* data = control.GetMessage(&length, i);
            records.emplace_back(data, static_cast<std::size_t>(length));
        }
        return records;
    }
    std::string LastRecord() const {
        const auto records = ControlQueue();
        return records.empty() ? "" : records.back();
    }

    BaseGateway gateway;
    MComVectorMessageMaster vector{1024, 1024, 10000, 0};
    std::unique_ptr<MEventClientManager> client;

private:
    int32_t savedTicks_ = 0;
};

TEST_F(ManagerClientTest, RefreshCarriesNameTechnicalStateAndBusinessState) {
    const std::string name43 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefg";
    const struct {
        const char* name;
        std::string gatewayName;
        uint32_t technical;
        std::vector<const char*> business;
        uint32_t businessIndex;
        std::string expected;
    } cases[] = {
        {"long name, StandAlone, no business table",
         name43 + "hi",  // 45 characters
         4,
         {},
         0,
         "RABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd"
         "A" +
             Blanks(20)},
        {"short name, index 7, named business state",
         "GW1",
         7,
         {"Opening"},
         0,
         "RGW1" + Blanks(37) + "\0"s + "Opening" + Blanks(13)},
        {"Master, long business name",
         "GW1",
         2,
         {"Pre", "TwentyFiveCharactersLongXX"},
         1,
         "RGW1" + Blanks(37) + "MTwentyFiveCharacters"},
    };
    client = Build();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        gateway.SetGatewayName(c.gatewayName);
        GetCurrentStateRef() = c.technical;
        GetBusinessStateDefs().clear();
        for (const char* business : c.business) GetBusinessStateDefs().push_back(MStateDef(business));
        GetCurrentBusinessStateRef() = c.businessIndex;
        client->SendRefresh();
        EXPECT_EQ(LastRecord(), c.expected);
    }
    EXPECT_TRUE(client->OnRefreshTimer());
    EXPECT_EQ(ControlQueue().size(), 4u);
}

TEST_F(ManagerClientTest, RequestToBeMasterThroughTheHolder) {
    ManagerClientMgr holder;
    {
        LogRecorder log;
        holder.RequestToBeMaster();
        ASSERT_EQ(log.messages.size(), 1u);
        EXPECT_EQ(log.messages[0].level, 3);
        EXPECT_EQ(log.messages[0].text,
                  "Request To be Master and no Manager Server Service has been defined");
    }

    client = Build();
    holder.SetClient(client.get());
    gateway.SetGatewayName("Gateway-7");
    GetCurrentStateRef() = TECHNICAL_STATE_SLAVE;
    DefineBusinessStates({"Closed", "Opening"});
    GetCurrentBusinessStateRef() = 1;
    holder.RequestToBeMaster();
    std::string host = std::string(GetHostName()).substr(0, 50);
    host += Blanks(50 - host.size());
    EXPECT_EQ(LastRecord(), "MGateway-7" + Blanks(31) + host + "S" + "Opening" + Blanks(13) + Blanks(140));
}

TEST_F(ManagerClientTest, WithoutOutputSideNothingIsSent) {
    MEventClientManager bare(6, nullptr, nullptr, nullptr, nullptr, nullptr, false, false, nullptr, false,
                             &gateway);
    bare.SendRefresh();
    bare.SendRequestToBeMaster();
    EXPECT_EQ(bare.GetOutputBuffering(), nullptr);
}

// Reads the heartbeat record, which only the first tick of the process builds.
class ManagerClientFreshProcess : public ManagerClientTest {};

TEST_F(ManagerClientFreshProcess, HeartbeatsWithoutAnswerGiveUpAtTheThirdTick) {
    LoopbackServer peer;
    MIpHostList hosts;
    hosts.push_back(MIpHost("127.0.0.1"));
    MIpServiceList services;
    services.push_back(MIpService(peer.GetService().c_str()));
    const MSocketAddressList addresses(hosts, services, nullptr);
    client = Build(&addresses);
    ASSERT_TRUE(client->Connect(true));
    ASSERT_TRUE(peer.Accept());
    TimerRule timer("Heartbeat");
    client->SetHeartbeatTimer(&timer);
    gateway.SetGatewayName(kHeartbeatName);
    CountingMonitor monitored;
    const std::string ordinary = "KO-ordinary";
    vector.AddMessage(ordinary.data(), static_cast<int>(ordinary.size()));
    const std::string heartbeat = "H" + kHeartbeatName + Blanks(40 - kHeartbeatName.size());

    EXPECT_TRUE(client->OnHeartbeatTimer());  // tick 1: sent, every monitored object reports
    EXPECT_EQ(client->GetUnansweredHeartbeats(), 1u);
    EXPECT_EQ(monitored.reports, 1);
    gateway.SetGatewayName("RENAMED");        // the record keeps the name of its first build
    EXPECT_TRUE(client->OnHeartbeatTimer());  // tick 2: sent, no reports
    EXPECT_EQ(client->GetUnansweredHeartbeats(), 2u);
    EXPECT_EQ(monitored.reports, 1);
    EXPECT_EQ(ControlQueue(), (std::vector<std::string>{heartbeat, heartbeat}));
    EXPECT_EQ(MEventClientManager::HeartbeatTickCount(), 2);

    // On the wire the control records go ahead of the ordinary queue, each in a Brae frame.
    EXPECT_EQ(client->ProcessOutput(nullptr), 2);
    const std::string frame = "\x29\x00\x00\x00"s + heartbeat + "\x03  ";
    const std::string ordinaryFrame = "\x0B\x00\x00\x00"s + ordinary + "\x03";
    EXPECT_EQ(peer.Read(2 * frame.size() + ordinaryFrame.size()), frame + frame + ordinaryFrame);

    const std::size_t queued = ControlQueue().size();
    LogRecorder log;
    EXPECT_TRUE(client->OnHeartbeatTimer());  // tick 3: gives up, sends nothing
    EXPECT_TRUE(log.Has(2, "HBAck TimeOut reached !"));
    EXPECT_FALSE(client->IsConnected());
    EXPECT_TRUE(timer.IsFinished());
    EXPECT_EQ(client->GetHeartbeatTimer(), nullptr);
    EXPECT_EQ(ControlQueue().size(), queued);
    EXPECT_EQ(MEventClientManager::HeartbeatTickCount(), 2);
    EXPECT_EQ(monitored.reports, 1);
    EXPECT_TRUE(peer.WaitForClose());
    EXPECT_EQ(peer.ReadAvailable(), "");
}

TEST_F(ManagerClientTest, TheTickCountIsSharedByAllManagerClients) {
    gateway.SetGatewayName(kHeartbeatName);
    client = Build();
    auto second = Build();
    CountingMonitor monitored;
    client->OnHeartbeatTimer();  // tick 1: odd, reports
    second->OnHeartbeatTimer();  // tick 2: even, although the second client's first
    client->OnHeartbeatTimer();  // tick 3: odd, reports
    EXPECT_EQ(monitored.reports, 2);
    EXPECT_EQ(second->GetUnansweredHeartbeats(), 1u);
    EXPECT_EQ(MEventClientManager::HeartbeatTickCount(), 3);
}

TEST(ManagerClientDeathTest, KillOnAlarmEndsTheProcessWithExitCode1) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            StderrLogReceiver log;
            KillOnAlarm();
        },
        ::testing::ExitedWithCode(1), "\\[2\\] Kill application, not responding to Alarm");
}

}  // namespace
