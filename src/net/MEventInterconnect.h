#pragma once
// The event of a shared-memory link between a master and a slave gateway: an event with a
// one-byte flag of its own, set while the link carries the slave's messages.
#include <cstdint>

#include "net/MEvent.h"

class MEventInterconnect : public MEvent {
public:
    using MEvent::MEvent;

    bool IsInUse() const { return inUse_ != 0; }
    void SetInUse(bool inUse) { inUse_ = inUse ? 1 : 0; }

private:
    uint8_t inUse_ = 0;
};
