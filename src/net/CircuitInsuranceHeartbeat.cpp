#include "net/CircuitInsuranceHeartbeat.h"

#include "net/MSchedulerXRule.h"

bool CircuitInsuranceHeartbeat::OnTimer(int) {
    if (IsTimedOut()) {
        OnTimeout();
        EndTimer();
    } else {
        OnTick();
    }
    return true;
}

bool CircuitInsuranceHeartbeat::IsTimedOut() {
    if (!enabled_) return false;
    return tickCount_++ >= limit_;
}

void CircuitInsuranceHeartbeat::EndTimer() {
    if (!timer_) return;
    timer_->SetFinished(true);
    timer_ = nullptr;
}
