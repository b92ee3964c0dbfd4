#include <gtest/gtest.h>
#include <netinet/tcp.h>

#include <algorithm>

#include "LoopbackPeer.h"
#include "net/MSocket.h"
#include "support/LogRecorder.h"

namespace {
int IntOption(int fd, int level, int option) {
    int value = -1;
    socklen_t size = sizeof value;
    ::getsockopt(fd, level, option, &value, &size);
    return value;
}

// Receives until data or the end comes (bounded).
int32_t ReceiveSomething(MSocket& socket, char* buffer, int size) {
    for (int i = 0; i < 200; ++i) {
        const int32_t n = socket.Receive(buffer, size, nullptr);
        if (n != 0) return n;
        WaitFor(socket.GetHandle(), POLLIN, 10);
    }
    return 0;
}

std::size_t IndexOf(const LogRecorder& log, int level, const std::string& text) {
    const auto it = std::find_if(log.messages.begin(), log.messages.end(),
                                 [&](const LoggedMessage& m) { return m.level == level && m.text == text; });
    return static_cast<std::size_t>(it - log.messages.begin());
}
}  // namespace

TEST(MSocketTest, ATcpConnectionHasItsOptionsAndMovesBytesBothWays) {
    LogRecorder log;
    LoopbackListener peer;
    ASSERT_TRUE(peer.IsOk());
    MSocketAddress remote = peer.MakeAddress();
    MSocket socket;
    ASSERT_TRUE(socket.Connect(&remote, nullptr));
    EXPECT_TRUE(socket.IsOpen());
    const std::string text = "address: 127.0.0.1/" + peer.GetPortText() + "/tcp";
    EXPECT_TRUE(log.Has(6, "Connected to " + text) || log.Has(6, "Connected with delay to " + text));
    EXPECT_EQ(socket.DescribeAddresses(), text);

    const int fd = socket.GetHandle();
    EXPECT_NE(::fcntl(fd, F_GETFL) & O_NONBLOCK, 0);
    EXPECT_EQ(IntOption(fd, SOL_SOCKET, SO_REUSEADDR), 1);
    linger lingerValue{};
    socklen_t size = sizeof lingerValue;
    ::getsockopt(fd, SOL_SOCKET, SO_LINGER, &lingerValue, &size);
    EXPECT_EQ(lingerValue.l_onoff, 1);
    EXPECT_EQ(lingerValue.l_linger, 0);
    EXPECT_EQ(IntOption(fd, SOL_SOCKET, SO_KEEPALIVE), 1);
    EXPECT_EQ(IntOption(fd, IPPROTO_TCP, TCP_NODELAY), 1);

    const int accepted = peer.Accept();
    ASSERT_GE(accepted, 0);
    char buffer[16] = {};
    EXPECT_EQ(socket.Receive(buffer, sizeof buffer, nullptr), 0);  // nothing waiting
    EXPECT_TRUE(socket.IsOpen());

    EXPECT_EQ(socket.Send("hello", 5, nullptr), 5);
    ASSERT_TRUE(WaitFor(accepted, POLLIN) & POLLIN);
    EXPECT_EQ(::recv(accepted, buffer, sizeof buffer, 0), 5);
    EXPECT_EQ(std::string(buffer, 5), "hello");
    EXPECT_EQ(socket.GetStatistics().BytesSent, 5u);

    ASSERT_EQ(::send(accepted, "abc", 3, 0), 3);
    EXPECT_EQ(ReceiveSomething(socket, buffer, sizeof buffer), 3);
    EXPECT_EQ(socket.GetStatistics().BytesReceived, 3u);

    peer.CloseAccepted();
    const std::size_t before = log.messages.size();
    EXPECT_EQ(ReceiveSomething(socket, buffer, sizeof buffer), -1);
    EXPECT_FALSE(socket.IsOpen());
    EXPECT_FALSE(log.Has(3, "Cannot receive"));
    EXPECT_EQ(log.messages.size(), before + 1);
    EXPECT_TRUE(log.Has(6, "Close connection from " + text));

    char host[32];
    char port[5];
    char protocol[3];
    ASSERT_NE(socket.GetConnectionInfo(host, port, protocol), nullptr);
    EXPECT_EQ(std::string(host, 32), "127.0.0.1" + std::string(23, ' '));
    char expectedPort[6];
    std::snprintf(expectedPort, sizeof expectedPort, "%05u", peer.GetPort());
    EXPECT_EQ(std::string(port, 5), expectedPort);
    EXPECT_EQ(std::string(protocol, 3), "tcp");
}

TEST(MSocketTest, ARefusedConnectionIsLoggedUnderTheReportFlagAndClosesTheSocket) {
    MSocketAddress remote;
    {
        LoopbackListener closed;
        remote = closed.MakeAddress();
    }
    const std::string text = "address: " + remote.ToText();
    for (bool report : {true, false}) {
        SCOPED_TRACE(report);
        LogRecorder log;
        MSocket socket;
        socket.SetReport(report);
        EXPECT_FALSE(socket.Connect(&remote, nullptr));
        EXPECT_FALSE(socket.IsOpen());
        if (report) {
            const std::size_t refused =
                IndexOf(log, 3, "Cannot connect to " + text + ": 10061 - Connection refused");
            const std::size_t closed = IndexOf(log, 6, "Close connection from " + text);
            EXPECT_LT(refused, closed);
            EXPECT_LT(closed, log.messages.size());
        } else {
            EXPECT_TRUE(log.messages.empty());
        }
    }
}

TEST(MSocketTest, APeerThatNeitherAcceptsNorRefusesTimesOutAfterHalfASecond) {
    LoopbackListener peer("127.0.0.1", 0);
    ASSERT_TRUE(peer.IsOk());
    // One connection that is never accepted fills the queue; later requests are dropped.
    const int filler = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in target = peer.MakeAddress().GetSocketAddress();
    ASSERT_EQ(::connect(filler, reinterpret_cast<const sockaddr*>(&target), sizeof target), 0);
    LogRecorder log;
    MSocketAddress remote = peer.MakeAddress();
    MSocket socket;
    EXPECT_FALSE(socket.Connect(&remote, nullptr));
    EXPECT_FALSE(socket.IsOpen());
    EXPECT_TRUE(log.Has(3, "Cannot connect to address: " + remote.ToText() + ": 0 - Connection Timeout"));
    ::close(filler);
}

TEST(MSocketTest, ASendToAResetPeerFailsWithoutSignalAndLeavesTheStatistics) {
    LoopbackListener peer;
    MSocketAddress remote = peer.MakeAddress();
    MSocket socket;
    ASSERT_TRUE(socket.Connect(&remote, nullptr));
    ASSERT_GE(peer.Accept(), 0);
    peer.CloseAccepted(true);
    ASSERT_NE(WaitFor(socket.GetHandle(), POLLIN), 0);  // the reset has arrived
    LogRecorder log;
    EXPECT_EQ(socket.Send("data", 4, nullptr), -1);
    EXPECT_TRUE(log.Has(
        3, "Cannot send with socket address: " + remote.ToText() + " : 10054 - Connection reset by peer"))
        << (log.messages.empty() ? "" : log.messages[0].text);
    EXPECT_FALSE(socket.IsOpen());
    EXPECT_EQ(socket.GetStatistics().BytesSent, 0u);
    EXPECT_EQ(socket.GetStatistics().NbSentMegaByte.GetValue(), 0u);
}

TEST(MSocketTest, ClosingTwiceLogsAndCountsOnce) {
    LoopbackListener peer;
    MSocketAddress remote = peer.MakeAddress();
    MSocket socket;
    ASSERT_TRUE(socket.Connect(&remote, nullptr));
    LogRecorder log;
    const int32_t counter = socket.GetStateCounter();
    socket.Close();
    const int32_t afterFirst = socket.GetStateCounter();
    EXPECT_GT(afterFirst, counter);
    socket.Close();
    EXPECT_EQ(socket.GetStateCounter(), afterFirst);
    // The closed handle is left alone, even when its number was given to another file since.
    char byte = 0;
    EXPECT_EQ(socket.Receive(&byte, 1, nullptr), -1);
    EXPECT_EQ(socket.Send("x", 1, nullptr), -1);
    EXPECT_EQ(socket.GetStateCounter(), afterFirst);
    EXPECT_EQ(log.messages.size(), 1u);
    EXPECT_TRUE(log.Has(6, "Close connection from address: " + remote.ToText()));
}

TEST(MSocketTest, AnAddressThatLooksLikeABroadcastIsAnOrdinaryTcpHost) {
    LoopbackListener peer("127.0.3.255");
    ASSERT_TRUE(peer.IsOk());
    MSocketAddress remote = peer.MakeAddress();
    ASSERT_TRUE(remote.IsBroadcast());
    MSocket socket;
    EXPECT_TRUE(socket.Connect(&remote, nullptr));
    EXPECT_TRUE(socket.IsOpen());
    EXPECT_GE(peer.Accept(), 0);
}

TEST(MSocketTest, ListensOnALoopbackAddressAndFailsWhenThePortIsTaken) {
    LogRecorder log;
    MSocketAddress local;
    uint16_t port = 0;
    {
        LoopbackListener probe;  // a port the system chose, free again once the probe closes
        port = probe.GetPort();
        local = probe.MakeAddress();
    }
    MSocket listener;
    ASSERT_TRUE(listener.Listen(&local, 5, nullptr));
    EXPECT_TRUE(listener.IsBound());
    EXPECT_EQ(listener.GetBacklog(), 5);
    EXPECT_TRUE(log.Has(6, "Bind to address: " + local.ToText()));
    const int client = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in target = local.GetSocketAddress();
    EXPECT_EQ(::connect(client, reinterpret_cast<const sockaddr*>(&target), sizeof target), 0);
    EXPECT_TRUE(WaitFor(listener.GetHandle(), POLLIN) & POLLIN);
    ::close(client);

    LoopbackListener taken;
    MSocketAddress busy = taken.MakeAddress();
    MSocket second;
    EXPECT_FALSE(second.Listen(&busy, 5, nullptr));
    EXPECT_FALSE(second.IsOpen());
    EXPECT_TRUE(log.Has(2, "Cannot bind socket to " + busy.ToText() + " : 10048 - Address already in use"));
    EXPECT_NE(port, 0);
}
