#include "net/MEventSocketSelect.h"

#include <cstdint>
#include <limits>

#include "net/MEventMediator.h"

namespace {
uint8_t pollAgain = 0;
}  // namespace

MEventSocketSelect::MEventSocketSelect(MEventMediator* mediator, bool neverBlock,
                                       int32_t idlePassesBeforeBlocking, int32_t waitMicroseconds)
    : neverBlock_(neverBlock ? 1 : 0),
      idlePassesBeforeBlocking_(idlePassesBeforeBlocking),
      inputSet_(this, 1),
      outputSet_(this, 0) {
    wait_.Seconds = waitMicroseconds / 1000000;
    wait_.Microseconds = waitMicroseconds % 1000000;
    if (mediator) mediator->SetWaiter(this);
}

int32_t MEventSocketSelect::WaitReady() {
    return MSocketSet::Select(&inputSet_, &outputSet_, &wait_);
}

int32_t MEventSocketSelect::PollReady() {
    const MSelectWait none;
    return MSocketSet::Select(&inputSet_, &outputSet_, &none);
}

bool MEventSocketSelect::Wait() {
    int32_t result;
    if (neverBlock_ || pollAgain || idlePasses_ < idlePassesBeforeBlocking_) {
        result = PollReady();
        pollAgain = 0;
    } else {
        result = WaitReady();
    }
    if (result >= 1) {
        idlePasses_ = 0;
        return true;
    }
    if (idlePasses_ < std::numeric_limits<int32_t>::max()) ++idlePasses_;
    return false;
}

bool MEventSocketSelect::IsPollAgain() {
    return pollAgain != 0;
}

void MEventSocketSelect::SetPollAgain(bool on) {
    pollAgain = on ? 1 : 0;
}
