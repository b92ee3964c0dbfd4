#pragma once
// The TCP client event whose connection attempts are spaced by its time part: at most one per
// period (2 seconds unless given), the first at once.
#include "net/MEventActiveTcpSocket.h"
#include "net/MEventTimePart.h"

class MEventActiveTcpSocketWithTime : public MEventActiveTcpSocket, public MEventTimePart {
public:
    MEventActiveTcpSocketWithTime(int32_t id, MEventMediator* mediator, MSocketBufferingIn* input,
                                  MSocketBufferingOut* output, MEventSocketSelect* listener,
                                  const MSocketAddressList* addresses, bool registerOutput,
                                  bool registerInput, const MTimeDuration* period, bool maySleep)
        : MEventActiveTcpSocket(id, mediator, input, output, listener, addresses, registerOutput,
                                registerInput),
          MEventTimePart(period, maySleep) {}

    // The attempt runs only when the timer allows one.
    bool Connect(bool block) override {
        return WaitForTimer(block) ? MEventActiveTcpSocket::Connect(block) : false;
    }
};
