#pragma once
// The queue of monitor messages: a round-robin vector with slices of 65,536 entries. A read of a
// dropped message empties it and logs how many messages were lost. The process's one queue is
// GetMonitorVector() (MonitorChannel.h), built with (1024, 10000).
#include "net/MComVectorMessageRndRobbin.h"

class MonitorVector : public MComVectorMessageRndRobbin {
public:
    MonitorVector(uint32_t kib, uint32_t capacity) : MComVectorMessageRndRobbin(kib, capacity, 16) {}

    void OnMessagesDropped(uint32_t index) override;
};
