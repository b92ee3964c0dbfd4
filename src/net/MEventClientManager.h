#pragma once
// A gateway's connection to its manager server: a TCP client event that sends the manager
// records (refresh, heartbeat, request to be master) as control messages, ahead of the ordinary
// queue, from fields filled on every send: the gateway's name (cut to 40 characters), the letter
// of the current technical state and the name of the current business state. The records are
// process-wide, built at their first send and kept to the end; the heartbeat record keeps the
// gateway name of its first build. Heartbeats that get no answer are counted: the third tick
// without one gives up the connection. Without an output side nothing is sent. The gateway is
// not owned. Event thread only.
#include <cstdint>

#include "net/MEventActiveTcpSocketWithTime.h"

class BaseGateway;
class MSchedulerXRule;

class MEventClientManager : public MEventActiveTcpSocketWithTime {
public:
    MEventClientManager(int32_t id, MEventMediator* mediator, MSocketBufferingIn* input,
                        MSocketBufferingOut* output, MEventSocketSelect* listener,
                        const MSocketAddressList* addresses, bool registerOutput, bool registerInput,
                        const MTimeDuration* period, bool maySleep, BaseGateway* gateway);

    // Fills and sends the refresh record (62 bytes).
    void SendRefresh();
    // The refresh timer's action: SendRefresh; true.
    bool OnRefreshTimer();
    // The heartbeat timer's action. At two unanswered heartbeats, OnHeartbeatAckTimeout;
    // otherwise counts one more, sends the heartbeat (41 bytes) and counts a process-wide tick;
    // every odd tick makes every monitored object report. True.
    bool OnHeartbeatTimer();
    // Gives up: logs at level 2, disconnects, and ends and forgets the heartbeat timer.
    void OnHeartbeatAckTimeout();
    // Fills and sends the request-to-be-master record (252 bytes) with the log's host name.
    void SendRequestToBeMaster();

    BaseGateway* GetGateway() const { return gateway_; }
    MSchedulerXRule* GetHeartbeatTimer() const { return heartbeatTimer_; }
    void SetHeartbeatTimer(MSchedulerXRule* timer) { heartbeatTimer_ = timer; }
    uint32_t GetUnansweredHeartbeats() const { return unansweredHeartbeats_; }
    void SetUnansweredHeartbeats(uint32_t count) { unansweredHeartbeats_ = count; }

    // The heartbeat ticks of all manager clients, 0 at start-up.
    static int32_t& HeartbeatTickCount();

private:
    void Send(const void* record, int length);

    BaseGateway* gateway_;
    MSchedulerXRule* heartbeatTimer_ = nullptr;
    uint32_t unansweredHeartbeats_ = 0;
};

// The reaction to a missed alarm: logs at level 2 and ends the process with exit code 1.
[[noreturn]] void KillOnAlarm();
