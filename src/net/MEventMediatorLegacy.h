#pragma once
// The client's event loop: limits of 10,000 entries and 262,144 bytes per input pass with the
// full answer 0, its own select waiter (never block off, no idle polls, 1,000 microseconds), and
// GetNextMessage, which runs output passes, input passes and waits until it can hand out the next
// queued entry.
#include <cstdint>
#include <memory>

#include "net/MEventMediator.h"
#include "net/MEventSocketSelect.h"

class MEventMediatorLegacy : public MEventMediator {
public:
    MEventMediatorLegacy();
    ~MEventMediatorLegacy() override;

    // The data of the next entry with its length, event id and type; null once stopped. The
    // data stays valid until the queue is exhausted and the next input pass runs.
    const char* GetNextMessage(int32_t& length, int32_t& eventId, int32_t& type);
    MEventSocketSelect* GetWaiter() { return waiter_.get(); }

private:
    MEventMediatorSettings ownSettings_;
    std::unique_ptr<MEventSocketSelect> waiter_;
    int32_t nextEntry_ = -1;
};
