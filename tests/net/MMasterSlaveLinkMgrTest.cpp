#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "StateTablesFixture.h"
#include "TimerRule.h"
#include "core/ProcessClock.h"
#include "core/TimeUnits.h"
#include "net/BaseGateway.h"
#include "net/MComVectorMessageMaster.h"
#include "net/MEventActiveTcpSocket.h"
#include "net/MEventInterconnect.h"
#include "net/MEventSocketSelect.h"
#include "net/MLastMessageSource.h"
#include "net/MMasterSlaveLinkMgr.h"
#include "net/MSchedulerXRuleList.h"
#include "net/MSocketBufferOut.h"
#include "support/LogRecorder.h"

namespace {

constexpr int64_t kSecond = kNanosecondsPerSecond;

// Counts its disconnections and the states it re-applied.
class RecordingInterconnect : public MEventInterconnect {
public:
    RecordingInterconnect() : MEventInterconnect(41, nullptr) {}
    bool Disconnect() override {
        ++disconnects;
        return true;
    }
    void ApplyTechnicalStatus(int32_t state) override { applied.push_back(state); }
    int disconnects = 0;
    std::vector<int32_t> applied;
};

class FixedSource : public MLastMessageSource {
public:
    int32_t GetLastProcessedNumber() const override { return 1234; }
};

class LinkManagerTest : public StateTablesFixture {
protected:
    void SetUp() override {
        StateTablesFixture::SetUp();
        MEventSocketSelect::SetPollAgain(false);
        gateway.GetTechnicalState().SetScheduler(&scheduler);
        link.SetGateway(&gateway);
        link.SetLinkedSlaveClientTimeout(MTimeDuration(30, TIME_UNIT_SECOND));
        link.SetSlaveTimeout(MTimeDuration(30, TIME_UNIT_SECOND));
        RefreshEventClock();
        now = GetEventClockTime();
        // The timer runs now; another rule a second later.
        auto timerRule = std::make_unique<TimerRule>("Timer");
        timerRule->SetNextDate(At(0));
        timer = timerRule.get();
        scheduler.AddRule(std::move(timerRule));
        auto other = std::make_unique<TimerRule>("Other");
        other->SetNextDate(At(1));
        scheduler.AddRule(std::move(other));
    }
    void TearDown() override {
        MEventSocketSelect::SetPollAgain(false);
        StateTablesFixture::TearDown();
    }

    MDateTimeTimePoint At(int64_t seconds) const {
        return MDateTimeTimePoint(now + seconds * kSecond, TIME_UNIT_NANOSECOND);
    }
    std::vector<std::string> Order() const {
        std::vector<std::string> names;
        for (const auto& rule : scheduler.GetRules()) names.push_back(rule->GetName());
        return names;
    }
    // A link event to the master with a Brae output side, not connected.
    std::unique_ptr<MEventActiveTcpSocket> MakeLinkEvent(const MSocketAddressList* addresses = nullptr) {
        return std::make_unique<MEventActiveTcpSocket>(42, nullptr, nullptr,
                                                       new MSocketBufferOut(&vector, nullptr, 0, 65536),
                                                       nullptr, addresses, false, false);
    }
    static std::vector<std::string> ControlQueue(MEventActiveTcpSocket& event) {
        std::vector<std::string> records;
        MComVectorMessageMaster& control = event.GetOutputBuffering()->GetControlVector();
        for (uint32_t i = 0; i < control.GetCount(); ++i) {
            int length = 0;
            const char* data = control.GetMessage(&length, i);
            records.emplace_back(data, static_cast<std::size_t>(length));
        }
        return records;
    }

    BaseGateway gateway;
    MSchedulerXRuleList scheduler;
    MMasterSlaveLinkMgr link;
    MComVectorMessageMaster vector{1024, 1024, 10000, 0};
    TimerRule* timer = nullptr;
    int64_t now = 0;
};

TEST_F(LinkManagerTest, BeforeTheDeadlineTheTimerOnlyMovesThere) {
    for (const bool slave : {false, true}) {
        SCOPED_TRACE(slave);
        GetCurrentStateRef() = TECHNICAL_STATE_LINKED_SLAVE;
        RecordingInterconnect interconnect;
        link.SetInterconnectEvent(&interconnect);
        link.SetLinkMedium('S');
        // Two seconds before the deadline.
        if (slave) {
            link.SetSlaveTimer(timer);
            link.SetLastSlaveActivity(At(2 - 30));
        } else {
            link.SetLinkedSlaveClientTimer(timer);
            link.SetLastLinkedSlaveClientActivity(At(2 - 30));
        }
        timer->SetNextDate(At(0));
        scheduler.RescheduleRule(*timer);
        ASSERT_EQ(Order(), (std::vector<std::string>{"Timer", "Other"}));

        LogRecorder log;
        EXPECT_TRUE(slave ? link.OnSlaveTimeout() : link.OnLinkedSlaveClientTimeout());
        EXPECT_EQ(timer->GetNextDate().GetCount(), now + 2 * kSecond);
        EXPECT_EQ(Order(), (std::vector<std::string>{"Other", "Timer"}));
        EXPECT_TRUE(log.messages.empty());
        EXPECT_FALSE(timer->IsFinished());
        EXPECT_EQ(slave ? link.GetSlaveTimer() : link.GetLinkedSlaveClientTimer(), timer);
        EXPECT_EQ(interconnect.disconnects, 0);
        EXPECT_STREQ(link.GetLinkMedium(), "S");
        link.SetInterconnectEvent(nullptr);
    }
}

TEST_F(LinkManagerTest, LinkedSlaveClientTimeoutInSlaveAsksToBecomeMaster) {
    GetCurrentStateRef() = TECHNICAL_STATE_SLAVE;
    RecordingInterconnect interconnect;
    link.SetInterconnectEvent(&interconnect);
    link.SetLinkedSlaveClientTimer(timer);
    link.SetLastLinkedSlaveClientActivity(At(-31));
    LogRecorder log;
    EXPECT_TRUE(link.OnLinkedSlaveClientTimeout());
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].level, 3);
    EXPECT_EQ(log.messages[0].text, "Request To be Master and no Manager Server Service has been defined");
    EXPECT_EQ(interconnect.disconnects, 0);
    EXPECT_FALSE(timer->IsFinished());
}

TEST_F(LinkManagerTest, LinkedSlaveClientTimeoutInLinkedSlaveDisconnectsBothEvents) {
    LoopbackServer master;
    MIpHostList hosts;
    hosts.push_back(MIpHost("127.0.0.1"));
    MIpServiceList services;
    services.push_back(MIpService(master.GetService().c_str()));
    const MSocketAddressList addresses(hosts, services, nullptr);
    auto linkEvent = MakeLinkEvent(&addresses);
    ASSERT_TRUE(linkEvent->Connect(true));
    ASSERT_TRUE(master.Accept());
    RecordingInterconnect interconnect;
    link.SetInterconnectEvent(&interconnect);
    link.SetLinkEvent(linkEvent.get());
    link.SetLinkedSlaveClientTimer(timer);
    link.SetLastLinkedSlaveClientActivity(At(-30));  // the deadline is now
    GetCurrentStateRef() = TECHNICAL_STATE_LINKED_SLAVE;

    LogRecorder log;
    EXPECT_TRUE(link.OnLinkedSlaveClientTimeout());
    EXPECT_TRUE(log.Has(6, "LinkedSlave client connection timeout. Force disconnection."));
    EXPECT_TRUE(timer->IsFinished());
    EXPECT_EQ(link.GetLinkedSlaveClientTimer(), nullptr);
    EXPECT_EQ(interconnect.disconnects, 1);
    EXPECT_FALSE(linkEvent->IsConnected());
    EXPECT_TRUE(master.WaitForClose());
}

TEST_F(LinkManagerTest, SlaveTimeoutRevertsToTcpAndAcknowledgesTheLastProcessedMessage) {
    GetCurrentStateRef() = TECHNICAL_STATE_SLAVE;
    RecordingInterconnect interconnect;
    interconnect.SetInUse(true);
    FixedSource source;
    auto linkEvent = MakeLinkEvent();
    link.SetInterconnectEvent(&interconnect);
    link.SetLinkEvent(linkEvent.get());
    link.SetMessageSource(&source);
    link.SetSlaveTimer(timer);
    link.SetLastSlaveActivity(At(-45));
    link.SetLinkMedium('S');

    LogRecorder log;
    EXPECT_TRUE(link.OnSlaveTimeout());
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].level, 2);
    EXPECT_EQ(log.messages[0].text, "SISCI Slave timeout, reverting to TCP");
    EXPECT_STREQ(link.GetLinkMedium(), "");
    EXPECT_TRUE(timer->IsFinished());
    EXPECT_EQ(link.GetSlaveTimer(), nullptr);
    EXPECT_EQ(interconnect.disconnects, 1);
    EXPECT_FALSE(interconnect.IsInUse());
    EXPECT_EQ(interconnect.applied, (std::vector<int32_t>{TECHNICAL_STATE_SLAVE}));
    EXPECT_EQ(ControlQueue(*linkEvent), (std::vector<std::string>{"A000001234000000000"}));
}

TEST_F(LinkManagerTest, SlaveTimeoutSkipsWhatIsMissing) {
    const struct {
        const char* name;
        bool interconnect;
        bool linkEvent;
        bool source;
        const char* missing;  // the level-3 line, or null
        bool sent;
    } cases[] = {
        {"no interconnect event", false, true, true, "without interconnect event", true},
        {"no link event", true, false, true, "without link event", false},
        {"no message source", true, true, false, "without message source", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingInterconnect interconnect;
        FixedSource source;
        auto linkEvent = MakeLinkEvent();
        MMasterSlaveLinkMgr bare;
        bare.SetInterconnectEvent(c.interconnect ? &interconnect : nullptr);
        bare.SetLinkEvent(c.linkEvent ? linkEvent.get() : nullptr);
        bare.SetMessageSource(c.source ? &source : nullptr);
        bare.SetLastSlaveActivity(At(-1));  // time-out 0: passed

        LogRecorder log;
        EXPECT_TRUE(bare.OnSlaveTimeout());
        EXPECT_TRUE(log.Has(2, "SISCI Slave timeout, reverting to TCP"));
        EXPECT_TRUE(log.Has(3, c.missing));
        EXPECT_EQ(interconnect.disconnects, c.interconnect ? 1 : 0);
        EXPECT_EQ(ControlQueue(*linkEvent).size(), c.sent ? 1u : 0u);
    }
}

TEST_F(LinkManagerTest, StoresTheLastProcessedNumberOrZero) {
    FixedSource source;
    link.SetMessageSource(&source);
    link.StoreLastMessageNumber();
    EXPECT_EQ(link.GetStoredMessageNumber(), 1234);
    link.SetMessageSource(nullptr);
    link.StoreLastMessageNumber();
    EXPECT_EQ(link.GetStoredMessageNumber(), 0);
}

}  // namespace
