#include "session/ClientEvent.h"

#include "net/MEventMediatorLegacy.h"

ClientEvent::ClientEvent(int32_t id, MEventMediatorLegacy& mediator, MSocketBufferingIn* input,
                         MSocketBufferingOut* output, const MSocketAddressList& addresses)
    : MEventActiveTcpSocketWithTime(id, &mediator, input, output, mediator.GetWaiter(), &addresses, true,
                                    true, nullptr, false) {}

bool ClientEvent::Connect(bool block) {
    const bool result = MEventActiveTcpSocketWithTime::Connect(block);
    if (IsConnected()) {
        hasConnected_ = true;
        ++connectionCount_;
    }
    return result;
}
