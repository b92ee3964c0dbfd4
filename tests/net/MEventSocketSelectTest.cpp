#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <limits>

#include "LoopbackServer.h"
#include "net/MEventMediatorLegacy.h"
#include "net/MEventSocketSelect.h"
#include "net/MSocket.h"
#include "support/LogRecorder.h"

namespace {

using Clock = std::chrono::steady_clock;

class PollAgainGuard {
public:
    PollAgainGuard() { MEventSocketSelect::SetPollAgain(false); }
    ~PollAgainGuard() { MEventSocketSelect::SetPollAgain(false); }
};

TEST(MSocketSet, AddRemoveKeepCountAndHighestHandle) {
    MSocketSet set(nullptr, 1);
    set.Add(7);
    set.Add(7);
    set.Add(3);
    set.Add(12);
    EXPECT_EQ(set.GetCount(), 3);
    EXPECT_EQ(set.GetHighestHandle(), 12);
    set.Remove(12);
    EXPECT_EQ(set.GetHighestHandle(), 7);
    set.Remove(5);
    EXPECT_EQ(set.GetCount(), 2);
    set.Remove(7);
    EXPECT_EQ(set.GetHighestHandle(), 3);
    EXPECT_EQ(set.GetHandle(0), 3);
    for (int h = 100; h < 200; ++h) set.Add(h);
    EXPECT_EQ(set.GetCount(), MSocketSet::kMaxHandles);
    EXPECT_EQ(set.GetHighestHandle(), 100 + MSocketSet::kMaxHandles - 2);
}

TEST(MSocketSet, WithoutWatchedSocketsItSleepsTheWaitAndLeavesThePassCounter) {
    MSocketSet set(nullptr, 1);
    const MSelectWait none;
    const MSelectWait millisecond{0, 1000};
    auto start = Clock::now();
    EXPECT_EQ(MSocketSet::Select(&set, nullptr, &none), 0);
    const auto quick = Clock::now() - start;
    start = Clock::now();
    EXPECT_EQ(MSocketSet::Select(&set, nullptr, &millisecond), 0);
    EXPECT_GE(Clock::now() - start, std::chrono::microseconds(900));
    EXPECT_LT(quick, std::chrono::microseconds(900));
    EXPECT_EQ(set.GetPassCounter(), 0u);
}

TEST(MSocketSet, AReadySocketIsReportedOncePerPass) {
    LoopbackPair pair;
    ASSERT_TRUE(pair.peer.IsConnected());
    MSocketSet set(nullptr, 1);
    set.Add(pair.client);
    const MSelectWait wait{0, 1000};
    EXPECT_EQ(MSocketSet::Select(&set, nullptr, &wait), 0);
    EXPECT_FALSE(set.IsReady(pair.client));
    ASSERT_TRUE(pair.peer.Write("x"));
    const MSelectWait longer{2, 0};
    EXPECT_EQ(MSocketSet::Select(&set, nullptr, &longer), 1);
    EXPECT_TRUE(set.IsReady(pair.client));
    EXPECT_EQ(set.GetPassCounter(), 2u);
}

TEST(MSocketSet, TakeReadyAnswersOncePerSelectPass) {
    LoopbackServer peer;
    MIpHost host("127.0.0.1");
    MSocketAddress remote;
    remote.InitFromHostService(MIpService(peer.GetService().c_str()), MSocketAddress::kTcp, &host);
    MSocket socket;
    ASSERT_TRUE(socket.Connect(&remote, nullptr));
    ASSERT_TRUE(peer.Accept());
    MSocketSet set(nullptr, 1);
    EXPECT_TRUE(set.AddSocket(&socket));
    ASSERT_TRUE(peer.Write("x"));
    const MSelectWait wait{2, 0};
    uint32_t generation = ~0u;
    ASSERT_EQ(MSocketSet::Select(&set, nullptr, &wait), 1);
    EXPECT_TRUE(set.TakeReady(&socket, generation));
    EXPECT_FALSE(set.TakeReady(&socket, generation));  // this pass's report was taken
    ASSERT_EQ(MSocketSet::Select(&set, nullptr, &wait), 1);
    EXPECT_TRUE(set.TakeReady(&socket, generation));
    socket.Close();
    EXPECT_FALSE(set.IsSocketReady(&socket));
}

TEST(MSocketSet, AFailingWaitIsLogged) {
    MSocketSet set(nullptr, 1);
    const int closed = dup(0);
    close(closed);
    set.Add(closed);
    LogRecorder log;
    const MSelectWait none;
    EXPECT_EQ(MSocketSet::Select(&set, nullptr, &none), -1);
    EXPECT_TRUE(log.Has(2, "Cannot select with sockets 10009 - Bad file descriptor"));
}

TEST(MEventSocketSelect, PollAgainMakesOneWaitAPollAndIsCleared) {
    PollAgainGuard guard;
    LoopbackPair pair;
    MEventMediatorLegacy mediator;
    MEventSocketSelect& waiter = *mediator.GetWaiter();
    waiter.GetInputSet()->Add(pair.client);

    MEventSocketSelect::SetPollAgain(true);
    auto start = Clock::now();
    EXPECT_FALSE(waiter.Wait());
    const auto polled = Clock::now() - start;
    EXPECT_FALSE(MEventSocketSelect::IsPollAgain());
    start = Clock::now();
    EXPECT_FALSE(waiter.Wait());
    EXPECT_GE(Clock::now() - start, std::chrono::microseconds(900));
    EXPECT_LT(polled, std::chrono::microseconds(900));
    EXPECT_EQ(waiter.GetIdlePasses(), 2);
    ASSERT_TRUE(pair.peer.Write("x"));
    start = Clock::now();
    while (!waiter.Wait() && Clock::now() - start < std::chrono::seconds(2)) {
    }
    EXPECT_EQ(waiter.GetIdlePasses(), 0);
}

TEST(MEventSocketSelect, IdlePassesStopAtTheirMaximumAndTheWaiterStillWaits) {
    PollAgainGuard guard;
    MEventMediatorLegacy mediator;
    MEventSocketSelect& waiter = *mediator.GetWaiter();
    waiter.SetIdlePasses(std::numeric_limits<int32_t>::max());
    EXPECT_FALSE(waiter.Wait());
    EXPECT_EQ(waiter.GetIdlePasses(), std::numeric_limits<int32_t>::max());
    // Nothing watched: a real wait sleeps a millisecond; a poll would return at once.
    const auto start = Clock::now();
    EXPECT_FALSE(waiter.Wait());
    EXPECT_GE(Clock::now() - start, std::chrono::microseconds(900));
    EXPECT_EQ(waiter.GetInputSet()->GetPassCounter(), 0u);
}

TEST(MEventSocketSelect, IdlePollsBeforeBlockingAndNeverBlock) {
    PollAgainGuard guard;
    MEventSocketSelect polling(nullptr, false, 2, 1000000);
    MEventSocketSelect never(nullptr, true, 0, 1000000);
    const auto start = Clock::now();
    EXPECT_FALSE(polling.Wait());
    EXPECT_FALSE(polling.Wait());
    EXPECT_FALSE(never.Wait());
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(polling.GetIdlePasses(), 2);
}

}  // namespace
