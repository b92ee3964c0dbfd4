#pragma once
// The link manager of a gateway that runs as master or slave: it holds the link's events and
// watches two time-outs on the process clock, the linked-slave client's and the shared-memory
// slave's. Each check, called by its timer, first compares now with the last activity plus the
// time-out: before that deadline it only moves its timer to the deadline and has the gateway's
// scheduler re-sort; past it, it acts. A linked-slave client time-out disconnects the link's
// events in LinkedSlave and otherwise asks the manager to become master; a slave time-out falls
// back from the shared memory to the TCP link and sends the master an acknowledgment of the last
// processed message. Events, gateway, timers and message source are not owned. Event thread only.
#include <cstdint>

#include "fields/MIntX.h"
#include "fields/MTTimePoint.h"
#include "fields/MTimeDuration.h"

class BaseGateway;
class MEventActiveTcpSocket;
class MEventInterconnect;
class MLastMessageSource;
class MSchedulerXRule;

class MMasterSlaveLinkMgr {
public:
    // The linked-slave client timer's action. True.
    bool OnLinkedSlaveClientTimeout();
    // The slave timer's action; what is missing of the interconnect event, the link event and
    // the message source is logged at level 3 and skipped. True.
    bool OnSlaveTimeout();
    // The stored number becomes the message source's last processed number, 0 without a source.
    void StoreLastMessageNumber();

    MEventActiveTcpSocket* GetLinkEvent() const { return linkEvent_; }
    void SetLinkEvent(MEventActiveTcpSocket* event) { linkEvent_ = event; }
    MEventInterconnect* GetInterconnectEvent() const { return interconnectEvent_; }
    void SetInterconnectEvent(MEventInterconnect* event) { interconnectEvent_ = event; }
    BaseGateway* GetGateway() const { return gateway_; }
    void SetGateway(BaseGateway* gateway) { gateway_ = gateway; }
    MSchedulerXRule* GetLinkedSlaveClientTimer() const { return linkedSlaveClientTimer_; }
    void SetLinkedSlaveClientTimer(MSchedulerXRule* timer) { linkedSlaveClientTimer_ = timer; }
    MSchedulerXRule* GetSlaveTimer() const { return slaveTimer_; }
    void SetSlaveTimer(MSchedulerXRule* timer) { slaveTimer_ = timer; }
    void SetLastLinkedSlaveClientActivity(const MDateTimeTimePoint& time) {
        lastLinkedSlaveClientActivity_ = time;
    }
    void SetLastSlaveActivity(const MDateTimeTimePoint& time) { lastSlaveActivity_ = time; }
    MLastMessageSource* GetMessageSource() const { return messageSource_; }
    void SetMessageSource(MLastMessageSource* source) { messageSource_ = source; }
    int32_t GetStoredMessageNumber() const { return storedMessageNumber_.GetValue(); }
    void SetLinkedSlaveClientTimeout(const MTimeDuration& timeout) { linkedSlaveClientTimeout_ = timeout; }
    void SetSlaveTimeout(const MTimeDuration& timeout) { slaveTimeout_ = timeout; }
    const char* GetLinkMedium() const { return linkMedium_; }
    void SetLinkMedium(char medium) { linkMedium_[0] = medium; }

private:
    // Before the deadline (last + timeout) moves the timer there and re-sorts the scheduler:
    // true. False once the deadline has come.
    bool WaitForDeadline(const MTimeDuration& timeout, const MDateTimeTimePoint& last,
                         MSchedulerXRule* timer);
    static void EndTimer(MSchedulerXRule*& timer);

    MEventActiveTcpSocket* linkEvent_ = nullptr;
    MEventInterconnect* interconnectEvent_ = nullptr;
    BaseGateway* gateway_ = nullptr;
    MSchedulerXRule* linkedSlaveClientTimer_ = nullptr;
    MSchedulerXRule* slaveTimer_ = nullptr;
    MDateTimeTimePoint lastLinkedSlaveClientActivity_;
    MDateTimeTimePoint lastSlaveActivity_;
    MLastMessageSource* messageSource_ = nullptr;
    MLong storedMessageNumber_;
    MTimeDuration linkedSlaveClientTimeout_;
    MTimeDuration slaveTimeout_;
    char linkMedium_[2] = {};
};
