#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "MonitorTestSupport.h"
#include "net/ManagerNotice.h"
#include "net/MonitorControl.h"
#include "net/MonitorFunnel.h"
#include "net/MonitorLetterEnumerations.h"
#include "net/MonitorMsgSender.h"

namespace {
class RecordingControl : public MonitorControl {
public:
    explicit RecordingControl(std::vector<const MonitorControl*>* calls) : calls_(calls) {}
    void ReportToMonitor(bool force) override {
        calls_->push_back(this);
        lastForce = force;
    }
    bool lastForce = false;

private:
    std::vector<const MonitorControl*>* calls_;
};

// Restores the current sender that was installed when the test began.
class SenderScope {
public:
    ~SenderScope() { SetCurrentMonitorSender(saved_); }

private:
    MonitorMsgSenderBase* saved_ = GetCurrentMonitorSender();
};
}  // namespace

TEST(MonitorControlFreshProcess, IdentifiersStartAtOneAndAreNeverReused) {
    std::vector<const MonitorControl*> calls;
    auto first = std::make_unique<RecordingControl>(&calls);
    EXPECT_EQ(first->GetIdentifier(), 1);
    EXPECT_EQ(first->GetReferenceId(), 1);
    RecordingControl second(&calls);
    EXPECT_EQ(second.GetIdentifier(), 2);
    first.reset();
    RecordingControl third(&calls);
    EXPECT_EQ(third.GetIdentifier(), 3);
    EXPECT_EQ(third.GetReferenceId(), 3);
}

TEST(MonitorControlTest, EachNewControlTakesTheNextIdentifierAndLeavesTheRegistryWhenDestroyed) {
    std::vector<const MonitorControl*> calls;
    const int32_t last = MonitorControl::GetLastIdentifier();
    {
        RecordingControl control(&calls);
        EXPECT_EQ(control.GetIdentifier(), last + 1);
        EXPECT_EQ(MonitorControl::GetRegistry().count(reinterpret_cast<uintptr_t>(&control)), 1u);
    }
    RecordingControl next(&calls);
    EXPECT_EQ(next.GetIdentifier(), last + 2);
}

TEST(MonitorControlTest, ReportAllCallsEveryRegisteredControlOnceInAscendingAddressOrder) {
    std::vector<const MonitorControl*> calls;
    MonitorControl::ReportAll(false);  // nothing registered by this test yet
    EXPECT_TRUE(calls.empty());
    std::vector<std::unique_ptr<RecordingControl>> controls;
    for (int i = 0; i < 3; ++i) controls.push_back(std::make_unique<RecordingControl>(&calls));
    std::vector<const MonitorControl*> expected;
    for (const auto& control : controls) expected.push_back(control.get());
    std::sort(expected.begin(), expected.end());
    MonitorControl::ReportAll(true);
    EXPECT_EQ(calls, expected);
    EXPECT_TRUE(controls[1]->lastForce);
}

TEST(MonitorChannelTest, AMessageIsQueuedBehindTheNoticeHeaderAsOneMessage) {
    MonitorTestScope scope;
    ASSERT_NE(GetCurrentMonitorSender(), nullptr);
    SendToMonitor("Gxyz", 4);
    ASSERT_EQ(GetMonitorVector().GetCount(), 1u);
    int length = 0;
    const char* data = GetMonitorVector().GetMessage(&length, 0);
    EXPECT_EQ(std::string(data, static_cast<std::size_t>(length)), "N" + std::string(40, ' ') + "Gxyz");
    EXPECT_EQ(sizeof(ManagerNotice), 3042u);
}

TEST(MonitorChannelTest, WithoutACurrentSenderNothingIsQueued) {
    MonitorTestScope scope;
    SenderScope restore;
    ClearCurrentMonitorSender();
    SendToMonitor("Gxyz", 4);
    GetErrorSender()->SendError("f.cpp", 1, "g", "s", "t1", "i1", "t2", "i2", 3, "m");
    EXPECT_EQ(GetMonitorVector().GetCount(), 0u);
}

TEST(MonitorChannelTest, DestroyingEitherSenderLeavesNoCurrentSender) {
    SenderScope restore;
    for (bool destroyFirst : {true, false}) {
        std::optional<MonitorMsgSender> first(std::in_place);
        std::optional<MonitorMsgSender> second(std::in_place);
        EXPECT_EQ(GetCurrentMonitorSender(), &*second);
        (destroyFirst ? first : second).reset();
        EXPECT_EQ(GetCurrentMonitorSender(), nullptr) << destroyFirst;
    }
}

TEST(MonitorFunnelTest, TheFunnelIsTheErrorSender) {
    EXPECT_NE(dynamic_cast<MonitorFunnel*>(GetErrorSender()), nullptr);
}

TEST(MonitorFunnelTest, SendErrorBuildsTheNoticeByteForByte) {
    MonitorTestScope scope;
    const std::string head = "A" + Pad("Korvane", 40) + Pad("1.0.0.0", 10) + Pad("host1", 50) +
                             std::string(40, ' ') + "0" + D + "36930" + D + "250" + D;
    struct Case {
        int level;
        char severity;
    };
    for (const Case& c : {Case{0, '?'}, Case{1, '?'}, Case{2, 'C'}, Case{3, 'E'}, Case{4, 'W'}, Case{5, '?'},
                          Case{6, 'I'}, Case{7, '?'}, Case{9, '?'}}) {
        GetMonitorVector().Clear();
        GetErrorSender()->SendError("Unit.cpp", 42, "grp", "sys", "t1", "info1", "t2", "info2", c.level,
                                    "text");
        ASSERT_EQ(MonitorTestScope::Queued().size(), 1u);
        EXPECT_EQ(MonitorTestScope::Queued()[0], head + "grp" + D + "sys" + D + "Unit.cpp" + D + "42" + D +
                                                     c.severity + "text" + D + "t1" + D + "info1" + D + "t2" +
                                                     D + "info2" + D)
            << c.level;
    }
}

TEST(MonitorFunnelTest, TextsAreCutToTheirWidthsAndNullTextsLeaveEmptyFields) {
    MonitorTestScope scope;
    const std::string longText(300, 'x');
    const std::string group(100, 'g');
    GetErrorSender()->SendError(longText.c_str(), -7, group.c_str(), nullptr, group.c_str(), longText.c_str(),
                                nullptr, nullptr, 2, nullptr);
    const std::string head = "A" + Pad("Korvane", 40) + Pad("1.0.0.0", 10) + Pad("host1", 50) +
                             std::string(40, ' ') + "0" + D + "36930" + D + "250" + D;
    ASSERT_EQ(MonitorTestScope::Queued().size(), 1u);
    EXPECT_EQ(MonitorTestScope::Queued()[0], head + std::string(64, 'g') + D + D + std::string(256, 'x') + D +
                                                 "-7" + D + "C" + D + std::string(64, 'g') + D +
                                                 std::string(256, 'x') + D + D + D);
}

TEST(MonitorLetterEnumerationsTest, TheNewTablesHaveTheirLettersAndDefaults) {
    EXPECT_EQ(MonitorItemStatus().ToString(), "Undefined");
    EXPECT_EQ(MonitorItemStatus(EnumMonitorItemStatus::Normal).ToString(), "Normal");
    EXPECT_EQ(static_cast<char>(EnumMonitorGatewayRole::Standalone), 'A');
    EXPECT_EQ(MonitorManagerState(EnumMonitorManagerState::LogonPending).ToString(), "LogonPending");
    EXPECT_NE(static_cast<char>(EnumMonitorManagerState::LogonPending),
              static_cast<char>(EnumMonitorManagerState::Logon));
    EXPECT_EQ(MonitorTechnicalState(EnumMonitorTechnicalState::Resync).ToString(), "Resync");
    EXPECT_EQ(static_cast<char>(EnumMonitorTechnicalState::Resync), 'Y');
    EXPECT_EQ(MonitorManagerMsgType(EnumMonitorManagerMsgType::LogonAck).ToString(), "LogonAck");
    EXPECT_EQ(static_cast<char>(EnumMonitorManagerMsgType::LogonAck), 'l');
}
