#include <gtest/gtest.h>

#include <optional>

#include "LoopbackPeer.h"
#include "MonitorTestSupport.h"
#include "net/ConnectionStat.h"
#include "net/MSocket.h"
#include "net/MonitorMsgConnectionClose.h"
#include "net/MonitorMsgConnectionNew.h"
#include "net/MonitorMsgConnectionStat.h"
#include "net/MonitorMsgConnectionStateUpdate.h"
#include "net/MonitorTControl.h"
#include "net/SocketLibrary.h"
#include "support/LogRecorder.h"

namespace {
template <class Record>
std::string Written(Record& record) {
    MMsgWriter writer;
    record.Describe(writer);
    return std::string(writer.GetData(), static_cast<std::size_t>(writer.GetOffset()));
}

const std::string kTimeOfDay = "36930" + D + "250" + D;

std::string Id(int32_t id) {
    return std::to_string(id) + D;
}
}  // namespace

TEST(ConnectionStatTest, BytesRollOverIntoWholeMegabytesAtMostOncePerCall) {
    struct Case {
        std::vector<uint32_t> received;
        uint32_t megaBytes;
        uint32_t remainder;
    };
    const Case cases[] = {
        {{1048576}, 0, 1048576},         {{1048576, 1}, 1, 1},          {{1048577}, 1, 1},
        {{3 * 1048576}, 1, 2 * 1048576}, {{600000, 600000}, 1, 151424}, {{0}, 0, 0},
    };
    for (const Case& c : cases) {
        ConnectionStat received;
        ConnectionStat sent;
        for (uint32_t n : c.received) {
            received.AddReceived(n);
            sent.AddSent(n);
        }
        EXPECT_EQ(received.NbReceivedMegaByte.GetValue(), c.megaBytes);
        EXPECT_EQ(received.BytesReceived, c.remainder);
        EXPECT_EQ(sent.NbSentMegaByte.GetValue(), c.megaBytes);
        EXPECT_EQ(sent.BytesSent, c.remainder);
        EXPECT_EQ(received.NbSentMegaByte.GetValue(), 0u);
    }
}

TEST(ConnectionRecordTest, RecordsAreWrittenInTheirLayout) {
    MonitorTestScope scope;
    MonitorMsgConnectionNew created;
    created.Application.SetText("App");
    created.ApplicationVersion.SetText("2.1");
    created.ApplicationHost.SetText("hostA");
    created.ConnectionId.SetValue(7);
    created.Status.Set(EnumMonitorConnectionState::New);
    EXPECT_EQ(Written(created), "E" + Pad("App", 40) + Pad("2.1", 10) + Pad("hostA", 50) +
                                    std::string(40, ' ') + "0" + D + "7" + D + "N" + kTimeOfDay);

    MonitorMsgConnectionStateUpdate state;
    state.ConnectionId.SetValue(7);
    state.ConnectionType.Set(EnumMonitorConnectionType::Client);
    state.ClientHost.SetText("me");
    state.ClientService.SetText("40000");
    state.ServerHost.SetText("server1");
    state.ServerService.SetText("7001");
    state.Status.Set(EnumMonitorConnectionState::Open);
    EXPECT_EQ(Written(state), "F0" + D + "7" + D + "C" + Pad("me", 50) + Pad("40000", 20) +
                                  Pad("server1", 50) + Pad("7001", 20) + std::string(20, ' ') + "O" +
                                  kTimeOfDay);

    MonitorMsgConnectionClose closed;
    closed.ConnectionId.SetValue(-3);
    EXPECT_EQ(Written(closed), "G0" + D + "-3" + D + kTimeOfDay);

    MonitorMsgConnectionStat stat;
    stat.ConnectionId.SetValue(12);
    stat.NbRespTimeMsg.SetValue(1);
    stat.MinRespTime.SetValue(2);
    stat.MaxRespTime.SetValue(3);
    stat.AvgRespTime.SetValue(4);
    stat.NbSentMsg.SetValue(5);
    stat.NbSentMegaByte.SetValue(6);
    stat.NbReceivedMsg.SetValue(4294967295u);
    stat.NbReceivedMegaByte.SetValue(8);
    EXPECT_EQ(Written(stat), "U0" + D + "12" + D + "1704190530" + D + "250" + D + std::string(24, ' ') + "1" +
                                 D + "2" + D + "3" + D + "4" + D + "5" + D + "6" + D + "4294967295" + D +
                                 "8" + D);
}

TEST(ConnectionMonitorTest, ASocketSendsNewOnceStateWhenItMovedOrWhenForcedAndCloseFromItsDestructor) {
    MonitorTestScope scope;
    LoopbackListener peer;
    MSocketAddress remote = peer.MakeAddress();
    std::optional<MSocket> socket(std::in_place);
    const int32_t id = socket->GetReferenceId();
    ASSERT_TRUE(socket->Connect(&remote, nullptr));
    sockaddr_in own{};
    socklen_t size = sizeof own;
    ::getsockname(socket->GetHandle(), reinterpret_cast<sockaddr*>(&own), &size);
    const std::string ownPort = std::to_string(ntohs(own.sin_port));
    const std::string localHost = GetLocalHostName().substr(0, 50);

    socket->ReportToMonitor(false);
    socket->ReportToMonitor(false);
    socket->ReportToMonitor(true);
    socket->Close();
    socket->ReportToMonitor(false);
    socket.reset();

    const std::string created = "E" + Pad("Korvane", 40) + Pad("1.0.0.0", 10) + Pad("host1", 50) +
                                std::string(40, ' ') + "0" + D + Id(id) + "N" + kTimeOfDay;
    const std::string open = "F0" + D + Id(id) + "C" + Pad(localHost, 50) + Pad(ownPort, 20) +
                             Pad("127.0.0.1", 50) + Pad(peer.GetPortText(), 20) + std::string(20, ' ') + "O" +
                             kTimeOfDay;
    const std::string closed = "F0" + D + Id(id) + "C" + Pad(localHost, 50) + std::string(20, ' ') +
                               Pad("127.0.0.1", 50) + Pad(peer.GetPortText(), 20) + std::string(20, ' ') +
                               "C" + kTimeOfDay;
    const std::string gone = "G0" + D + Id(id) + kTimeOfDay;
    EXPECT_EQ(MonitorTestScope::Queued(), (std::vector<std::string>{created, open, open, closed, gone}));
}

TEST(ConnectionMonitorTest, ASocketWhoseRemoteAddressIsQuietReportsOnlyItsClose) {
    MonitorTestScope scope;
    LoopbackListener peer;
    MSocketAddress remote = peer.MakeAddress();
    std::optional<MSocket> socket(std::in_place);
    const int32_t id = socket->GetReferenceId();
    ASSERT_TRUE(socket->Connect(&remote, nullptr));
    remote.SetReport(false);
    socket->ReportToMonitor(true);
    socket.reset();
    EXPECT_EQ(MonitorTestScope::Queued(), std::vector<std::string>{"G0" + D + Id(id) + kTimeOfDay});
}

TEST(ConnectionMonitorTest, ASocketWithoutAddressesReportsDefaultLettersAndBlankTexts) {
    MonitorTestScope scope;
    MSocket socket;
    const int32_t id = socket.GetReferenceId();
    socket.ReportToMonitor(false);  // nothing moved yet: the new record only
    socket.ReportToMonitor(true);
    const std::vector<std::string> queued = MonitorTestScope::Queued();
    ASSERT_EQ(queued.size(), 2u);
    EXPECT_EQ(queued[0].substr(0, 1), "E");
    EXPECT_EQ(queued[1], "F0" + D + Id(id) + "?" + std::string(160, ' ') + "?" + kTimeOfDay);
}

TEST(ConnectionMonitorTest, TheStatisticsControlSendsOnlyWhenACountedValueChanged) {
    MonitorTestScope scope;
    MSocket socket;
    const int32_t id = socket.GetReferenceId();
    auto& control = socket.GetStatisticsControl();
    EXPECT_EQ(control.GetReferenceId(), id);
    control.ReportToMonitor(false);
    socket.GetStatistics().AddReceived(1000);  // below a whole megabyte: not counted
    control.ReportToMonitor(false);
    EXPECT_TRUE(MonitorTestScope::Queued().empty());

    socket.GetStatistics().NbReceivedMsg.Add(1);
    socket.GetStatistics().AddSent(1048577);
    control.ReportToMonitor(false);
    control.ReportToMonitor(false);
    EXPECT_EQ(MonitorTestScope::Queued(),
              std::vector<std::string>{"U0" + D + Id(id) + "1704190530" + D + "250" + D +
                                       std::string(24, ' ') + "0" + D + "0" + D + "0" + D + "0" + D + "0" +
                                       D + "1" + D + "1" + D + "0" + D});
}

TEST(ConnectionMonitorTest, TheAverageResponseTimeIsComputedAndTheIntervalRestarts) {
    MonitorTestScope scope;
    ConnectionStat stat;
    MonitorTControl<MonitorMsgConnectionStat, ConnectionStat> control(&stat, 9);
    stat.NbRespTimeMsg.SetValue(4);
    stat.MinRespTime.SetValue(1);
    stat.MaxRespTime.SetValue(9);
    stat.RespTimeSum = 18;
    control.ReportToMonitor(false);
    EXPECT_EQ(MonitorTestScope::Queued(),
              std::vector<std::string>{"U0" + D + "9" + D + "1704190530" + D + "250" + D +
                                       std::string(24, ' ') + "4" + D + "1" + D + "9" + D + "4" + D + "0" +
                                       D + "0" + D + "0" + D + "0" + D});
    EXPECT_EQ(stat.RespTimeSum, 0u);
    EXPECT_EQ(stat.NbRespTimeMsg.GetValue(), 0u);
    EXPECT_EQ(stat.MaxRespTime.GetValue(), 0u);

    LogRecorder log;
    MonitorTControl<MonitorMsgConnectionStat, ConnectionStat> invalid(&stat, 0);
    stat.NbSentMsg.SetValue(2);
    invalid.ReportToMonitor(false);
    EXPECT_TRUE(log.Has(3, " 0 is not a valid connection id for a Reference Id"));
    EXPECT_EQ(MonitorTestScope::Queued().size(), 2u);
}
