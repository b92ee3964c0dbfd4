#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

#include "StateTablesFixture.h"
#include "core/MError.h"
#include "net/BaseGateway.h"
#include "net/MGatewayService.h"
#include "net/MLastMessageSource.h"
#include "net/MMasterSlaveLinkMgr.h"
#include "support/LogRecorder.h"
#include "support/TimeTestSupport.h"

namespace {

class CountingGateway : public BaseGateway {
public:
    void OnNextPeriodic() override { ++periodics; }
    int periodics = 0;
};

class CountingService : public MGatewayService {
public:
    void OnPeriodic() override { ++calls; }
    int calls = 0;
};

class FixedSource : public MLastMessageSource {
public:
    int32_t GetLastProcessedNumber() const override { return 42; }
};

class GatewayTest : public StateTablesFixture {
protected:
    void TearDown() override {
        SetPendingLogNotice(nullptr);
        StateTablesFixture::TearDown();
    }
    // The texts logged by one log call of this thread: its own line and a pending notice.
    static std::vector<LoggedMessage> NextLogCall() {
        LogRecorder log;
        MLOG(LOG_INFO, "tick");
        return log.messages;
    }
    static std::string PendingNotice() {
        const auto messages = NextLogCall();
        if (messages.size() != 2) return "";
        EXPECT_EQ(messages[1].level, LOG_INFO);
        return messages[1].text;
    }
};

TEST_F(GatewayTest, ConsoleControlRequestsTheKillOnceForTypes0To2) {
    for (unsigned type : {0u, 1u, 2u}) {
        SCOPED_TRACE(type);
        BaseGateway gateway;
        ASSERT_EQ(GetCurrentGateway(), &gateway);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(ConsoleControlHandler(type), 1);
            EXPECT_TRUE(gateway.IsKillRequested());
            EXPECT_TRUE(gateway.GetMediator().IsStopped());
            EXPECT_EQ(PendingNotice(), "Receive Signal to kill application");
        }
    }
    EXPECT_EQ(GetCurrentGateway(), nullptr);
}

TEST_F(GatewayTest, ConsoleControlUnhandledCases) {
    const struct {
        unsigned type;
        bool withGateway;
    } cases[] = {{0, false}, {2, false}, {3, true}, {4, true}, {5, true}, {7, true}, {100, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        std::unique_ptr<BaseGateway> gateway = c.withGateway ? std::make_unique<BaseGateway>() : nullptr;
        EXPECT_EQ(ConsoleControlHandler(c.type), 1);
        EXPECT_EQ(PendingNotice(), "Receive unhandled Signal ");
        if (gateway) {
            EXPECT_FALSE(gateway->IsKillRequested());
            EXPECT_FALSE(gateway->GetMediator().IsStopped());
        }
    }
}

TEST_F(GatewayTest, ConsoleControlFromAnotherThreadIsLoggedByTheNextLogCall) {
    BaseGateway gateway;
    std::thread handler([] { ConsoleControlHandler(1); });
    handler.join();
    EXPECT_TRUE(gateway.GetMediator().IsStopped());
    const auto messages = NextLogCall();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "tick");
    EXPECT_EQ(messages[1].level, LOG_INFO);
    EXPECT_EQ(messages[1].text, "Receive Signal to kill application");
    EXPECT_EQ(NextLogCall().size(), 1u);  // taken and cleared
}

TEST(GatewayDeathTest, ShutdownEndsTheProcessWithExitCode1) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    BaseGateway gateway;
    EXPECT_EXIT(ConsoleControlHandler(6), ::testing::ExitedWithCode(1), "");
}

TEST_F(GatewayTest, ScheduledKillStopsTheLoopWithoutTheKillFlag) {
    ScopedTimeZone zone(kZoneUtc);
    ScopedNow now(LocalCount(2021, 3, 4, 9, 30, 5));
    BaseGateway gateway;
    LogRecorder log;
    EXPECT_TRUE(OnScheduledKill(gateway));
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].level, LOG_INFO);
    EXPECT_EQ(log.messages[0].text, "Time Execute Kill 09:30:05");
    EXPECT_TRUE(gateway.GetMediator().IsStopped());
    EXPECT_FALSE(gateway.IsKillRequested());
}

TEST_F(GatewayTest, ManualKillIsOnlyAMessageInReplay) {
    const struct {
        uint32_t state;
        bool killed;
    } cases[] = {{TECHNICAL_STATE_REPLAY, false},
                 {TECHNICAL_STATE_MASTER, true},
                 {TECHNICAL_STATE_INITIALIZING, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        BaseGateway gateway;
        GetCurrentStateRef() = c.state;
        EXPECT_TRUE(OnManualKill(gateway));
        EXPECT_EQ(gateway.IsKillRequested(), c.killed);
        EXPECT_EQ(gateway.GetMediator().IsStopped(), c.killed);
        EXPECT_EQ(PendingNotice(), "Receive Manual Kill application");
    }
}

TEST_F(GatewayTest, TickCallsTheServiceStoresTheNumberAndEndsWithTheGatewayStep) {
    const struct {
        const char* name;
        bool service;
        uint32_t state;
        uint8_t mark;
        bool forwarding;
        int serviceCalls;
        int32_t stored;
    } cases[] = {
        {"running, forwarding", true, TECHNICAL_STATE_MASTER, 0, true, 1, 42},
        {"not running", true, TECHNICAL_STATE_SUSPEND, 0, true, 0, 42},
        {"marked", true, TECHNICAL_STATE_SLAVE, 1, true, 1, 0},
        {"not forwarding", true, TECHNICAL_STATE_STANDALONE, 0, false, 1, 0},
        {"no service", false, TECHNICAL_STATE_MASTER, 0, true, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CountingGateway gateway;
        CountingService service;
        FixedSource source;
        MMasterSlaveLinkMgr link;
        link.SetMessageSource(&source);
        if (c.service) gateway.SetService(&service);
        gateway.SetLinkManager(&link);
        gateway.GetTechnicalState().SetMark(c.mark);
        gateway.SetLinkForwarding(c.forwarding);
        GetCurrentStateRef() = c.state;
        EXPECT_TRUE(OnGatewayTick(gateway));
        EXPECT_EQ(service.calls, c.serviceCalls);
        EXPECT_EQ(link.GetStoredMessageNumber(), c.stored);
        EXPECT_EQ(gateway.periodics, 1);
    }
    CountingGateway alone;  // a service, forwarding, but no link manager
    CountingService service;
    alone.SetService(&service);
    alone.SetLinkForwarding(true);
    EXPECT_TRUE(OnGatewayTick(alone));
    EXPECT_EQ(alone.periodics, 1);
}

TEST_F(GatewayTest, StateChangeSetsTheClockRefreshOnlyWhileRunning) {
    const struct {
        uint32_t state;
        bool before;
        bool after;
    } cases[] = {{TECHNICAL_STATE_MASTER, false, true},        {TECHNICAL_STATE_STANDALONE, false, true},
                 {TECHNICAL_STATE_SLAVE, true, false},         {TECHNICAL_STATE_LINKED_SLAVE, true, false},
                 {TECHNICAL_STATE_SUSPEND, true, true},        {TECHNICAL_STATE_SUSPEND, false, false},
                 {TECHNICAL_STATE_INITIALIZING, false, false}, {TECHNICAL_STATE_REPLAY, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        BaseGateway gateway;
        gateway.GetMediator().SetClockRefresh(c.before);
        GetCurrentStateRef() = c.state;
        EXPECT_TRUE(OnTechnicalStateChanged(gateway));
        EXPECT_EQ(gateway.GetMediator().IsClockRefresh(), c.after);
    }
}

}  // namespace
