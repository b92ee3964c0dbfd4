#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ClientEventFixture.h"
#include "LoopbackPeer.h"
#include "net/MSocket.h"
#include "support/LogRecorder.h"

namespace {

using namespace std::string_literals;

std::string FiveDigits(uint16_t port) {
    std::string digits = std::to_string(port);
    return std::string(5 - digits.size(), '0') + digits;
}

std::string Record(char kind, uint16_t port) {
    return std::string(1, kind) + (kind == 'C' ? "Connect to address :    " : "Disconnect from address ") +
           "127.0.0.1                       " + FiveDigits(port) + "tcp0000";
}

class ClientConnection : public ClientEventFixture {};

TEST_F(ClientConnection, TheFirstInputStepConnectsAndDeliversTheConnectionRecord) {
    Build();
    EXPECT_EQ(event->GetName(), "Client#2");
    event->SetActive(false);
    EXPECT_EQ(Pump(2).size(), 0u);  // inactive: skipped
    event->SetActive(true);
    const std::vector<HandedEntry> entries = Pump();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].id, 2);
    EXPECT_EQ(entries[0].type, 'T');
    ASSERT_EQ(entries[0].data.size(), 69u);
    EXPECT_EQ(entries[0].data, Record('C', peer.GetPort()));
    EXPECT_EQ(event->hasConnected, 1);
    EXPECT_TRUE(event->IsConnected());
    EXPECT_TRUE(peer.Accept());
    EXPECT_TRUE(vector.IsConnected());
    EXPECT_EQ(mediator.GetWaiter()->GetInputSet()->GetCount(), 1);
    ASSERT_NE(event->FindControl("Desc"), nullptr);
    ASSERT_NE(event->FindControl("com"), nullptr);
    ASSERT_NE(event->FindControl("Disconnect"), nullptr);
}

TEST_F(ClientConnection, QueuedMessagesGoOutFramedAndReceivedFramesComeBackInPlace) {
    Build();
    Queue("TCfirst");
    ASSERT_EQ(PumpFor(1).size(), 1u);  // the 'C' record
    ASSERT_TRUE(peer.Accept());
    Queue("AN1");
    Pump(2);
    EXPECT_EQ(peer.Read(24),
              "\x07\x00\x00\x00"
              "TCfirst\x03"
              "\x03\x00\x00\x00"
              "AN1\x03"s);

    ASSERT_TRUE(
        peer.Write("\x02\x00\x00\x00"
                   "TI\x03 "
                   "\x05\x00\x00\x00"
                   "KB\x03yz\x03  "s));
    const std::vector<HandedEntry> entries = PumpFor(2);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].type, 'I');
    EXPECT_EQ(entries[0].data, "TI");
    EXPECT_EQ(entries[1].data, "KB\x03yz"s);
    EXPECT_EQ(entries[1].pointer, entries[0].pointer + 8);  // both in the input buffer, not copied
}

struct DropCase {
    const char* name;
    void (*drop)(LoopbackServer&);
};

TEST_F(ClientConnection, APeerThatClosesOrSendsABadFrameGivesOneDisconnectionRecord) {
    const DropCase cases[] = {
        {"close", [](LoopbackServer& peer) { peer.CloseConnection(); }},
        {"reset", [](LoopbackServer& peer) { peer.ResetConnection(); }},
        {"bad frame", [](LoopbackServer& peer) { peer.Write("\x00\x00\x01\x00"s); }},
        {"no end byte",
         [](LoopbackServer& peer) {
             peer.Write(
                 "\x01\x00\x00\x00"
                 "AB  "s);
         }},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer server;
        MEventMediatorLegacy loop;
        MEventProcessWinMsg windows(3, &loop);
        loop.AddInputEvent(&windows);
        MComVectorMessageMaster queue(1024, 1024, 100, 0);
        TestClientEvent client(loop, queue, MakeList({server.GetService()}));
        const auto pump = [&] {
            std::vector<std::string> handed;
            for (int i = 0; i < 500 && handed.empty(); ++i) {
                int32_t length = 0, id = 0, type = 0;
                const char* data = loop.GetNextMessage(length, id, type);
                if (id == 2)
                    handed.push_back(std::string(1, char(type)) + std::string(data, std::size_t(length)));
            }
            return handed;
        };
        ASSERT_EQ(pump().size(), 1u);
        ASSERT_TRUE(server.Accept());
        c.drop(server);
        const std::vector<std::string> handed = pump();
        ASSERT_EQ(handed.size(), 1u);
        EXPECT_EQ(handed[0], "T" + Record('D', server.GetPort()));
        EXPECT_FALSE(client.IsConnected());
        EXPECT_FALSE(queue.IsConnected());
        EXPECT_EQ(loop.GetWaiter()->GetInputSet()->GetCount(), 0);
    }
}

TEST_F(ClientConnection, MessagesQueuedWhileDisconnectedGoOutAfterTheNextConnection) {
    Build();
    ASSERT_EQ(PumpFor(1).size(), 1u);
    ASSERT_TRUE(peer.Accept());
    peer.CloseConnection();
    ASSERT_EQ(PumpFor(1).size(), 1u);  // the 'D' record
    Queue("AM1");
    Queue("AM2");
    Pump(3);
    EXPECT_EQ(vector.GetNextToSend(), 0u);  // nothing taken while not connected
    EXPECT_TRUE(vector.HasMessagesToSend());
    MoveClock(3);
    const std::vector<HandedEntry> entries = Pump();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].data[0], 'C');
    ASSERT_TRUE(peer.Accept());
    Pump(2);
    EXPECT_EQ(peer.Read(16),
              "\x03\x00\x00\x00"
              "AM1\x03"
              "\x03\x00\x00\x00"
              "AM2\x03"s);
}

TEST_F(ClientConnection, RefusedAttemptsComeAtMostEveryTwoSecondsOnTheChosenAddresses) {
    LoopbackServer second;
    LoopbackServer third;
    const std::string home = peer.GetService();
    const std::string other = second.GetService();
    peer.CloseListener();
    second.CloseListener();
    Build(MakeList({home, other, third.GetService()}));
    LogRecorder log;
    const auto failures = [&](const std::string& port) {
        return std::count_if(log.messages.begin(), log.messages.end(), [&](const LoggedMessage& m) {
            return m.text.find("10061") != std::string::npos &&
                   m.text.find("/" + port + "/") != std::string::npos;
        });
    };
    // Attempts go A0, A1, A1, A0, A0, then A2, which answers; each one more than 2 s after the last.
    EXPECT_EQ(Pump(5).size(), 0u);
    EXPECT_EQ(failures(home), 1);
    for (uint32_t address : {1u, 1u, 0u, 0u}) {
        const int64_t last = event->GetLastAttempt();
        MoveClock(1);
        EXPECT_EQ(Pump(3).size(), 0u);
        EXPECT_EQ(event->GetLastAttempt(), last);  // not yet two seconds: no attempt
        MoveClock(2);
        EXPECT_EQ(Pump().size(), 0u);
        EXPECT_GT(event->GetLastAttempt(), last);
        EXPECT_EQ(event->GetAddressList()->GetCurrentIndex(), address);
    }
    EXPECT_EQ(failures(home), 1);  // one line per address, however often it is tried
    EXPECT_EQ(failures(other), 1);
    EXPECT_FALSE(third.Accept(LoopbackServer::Wait(0)));
    MoveClock(3);
    const std::vector<HandedEntry> entries = Pump();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].data, Record('C', third.GetPort()));
    EXPECT_TRUE(third.Accept());
}

TEST_F(ClientConnection, AnUnansweredAddressIsGivenUpAfterHalfASecondAndTheNextOneTried) {
    LoopbackListener silent("127.0.0.1", 0);
    // One connection that is never accepted fills the queue; later requests go unanswered.
    const int filler = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in target = silent.MakeAddress().GetSocketAddress();
    ASSERT_EQ(::connect(filler, reinterpret_cast<const sockaddr*>(&target), sizeof target), 0);
    Build(MakeList({silent.GetPortText(), peer.GetService()}));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Pump(2).size(), 0u);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(450));
    EXPECT_LT(waited, std::chrono::milliseconds(1500));
    EXPECT_FALSE(event->IsConnected());
    MoveClock(3);
    const std::vector<HandedEntry> entries = Pump();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].data, Record('C', peer.GetPort()));
    ::close(filler);
}

TEST_F(ClientConnection, SetActiveFalseWithARecordPendingKeepsTheEventAskedUntilCollected) {
    Build();
    ASSERT_EQ(PumpFor(1).size(), 1u);
    ASSERT_TRUE(peer.Accept());
    event->SetActive(false);  // disconnects: the 'D' record waits
    EXPECT_EQ(event->GetActivity(), 2);
    EXPECT_FALSE(event->IsConnected());
    const std::vector<HandedEntry> entries = PumpFor(1, 3);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].data, Record('D', peer.GetPort()));
    EXPECT_EQ(event->GetActivity(), 0);
    EXPECT_EQ(Pump(2).size(), 0u);
    EXPECT_TRUE(peer.WaitForClose());
}

TEST_F(ClientConnection, TheOutputStepConnectsOnlyAnEventNotRegisteredForInput) {
    Build();
    Queue("AN1");
    EXPECT_EQ(event->ProcessOutput(nullptr), 0);
    EXPECT_FALSE(event->IsConnected());
    EXPECT_FALSE(peer.Accept(LoopbackServer::Wait(100)));

    MEventMediatorLegacy loop;
    MComVectorMessageMaster queue(1024, 1024, 100, 0);
    queue.AddMessage("AN2", 3);
    MEventActiveTcpSocketWithTime outputOnly(
        4, &loop, new MSocketBufferIn(nullptr, 65536), new MSocketBufferOut(&queue, nullptr, 0, 65536),
        loop.GetWaiter(), event->GetAddressList(), true, false, nullptr, false);
    EXPECT_TRUE(loop.GetInputEvents().empty());
    EXPECT_EQ(outputOnly.ProcessOutput(nullptr), 0);  // connects; the record waits for nobody
    EXPECT_TRUE(outputOnly.IsConnected());
    EXPECT_EQ(outputOnly.HasNotification(), 1);
    ASSERT_TRUE(peer.Accept());
    EXPECT_EQ(outputOnly.ProcessOutput(nullptr), 2);  // the pending byte is cleared, the queue flushed
    EXPECT_EQ(outputOnly.HasNotification(), 0);
    EXPECT_EQ(peer.Read(8),
              "\x03\x00\x00\x00"
              "AN2\x03"s);
}

TEST_F(ClientConnection, AnUnusableFirstServiceLeavesTheEventOutOfBothLists) {
    for (const char* service : {"0", "65536", "http", " x1"}) {
        SCOPED_TRACE(service);
        MEventMediatorLegacy loop;
        MComVectorMessageMaster queue(1024, 1024, 100, 0);
        TestClientEvent client(loop, queue, MakeList({service, peer.GetService()}));
        EXPECT_TRUE(loop.GetInputEvents().empty());
        EXPECT_TRUE(loop.GetOutputEvents().empty());
    }
    MEventMediatorLegacy loop;
    MComVectorMessageMaster queue(1024, 1024, 100, 0);
    TestClientEvent usable(loop, queue, MakeList({" 7#x"}));
    EXPECT_EQ(loop.GetInputEvents().size(), 1u);
    EXPECT_EQ(loop.GetOutputEvents().size(), 1u);
}

}  // namespace
