#pragma once
// The session's TCP client event: the framework's timed client connection, which also notes that
// it has connected, so that the pump can tell a reconnection inside a running session. The flag
// is cleared only by the session, when the server acknowledges the new connection.
#include "net/MEventActiveTcpSocketWithTime.h"

class MEventMediatorLegacy;

class ClientEvent : public MEventActiveTcpSocketWithTime {
public:
    ClientEvent(int32_t id, MEventMediatorLegacy& mediator, MSocketBufferingIn* input,
                MSocketBufferingOut* output, const MSocketAddressList& addresses);

    bool Connect(bool block) override;
    bool HasConnected() const { return hasConnected_; }
    void ClearHasConnected() { hasConnected_ = false; }
    // How many connections the event has made: a new number is a new connection.
    uint32_t GetConnectionCount() const { return connectionCount_; }

private:
    bool hasConnected_ = false;
    uint32_t connectionCount_ = 0;
};
