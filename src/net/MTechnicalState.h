#pragma once
// The gateway's technical state part: read access to the process-wide current technical state,
// a one-byte mark (0 when built) and the gateway's scheduler, which it does not own.
#include <cstdint>

#include "net/GatewayState.h"

class MSchedulerXRuleList;

class MTechnicalState {
public:
    uint32_t GetState() const { return GetCurrentStateRef(); }
    uint8_t GetMark() const { return mark_; }
    void SetMark(uint8_t mark) { mark_ = mark; }
    MSchedulerXRuleList* GetScheduler() const { return scheduler_; }
    void SetScheduler(MSchedulerXRuleList* scheduler) { scheduler_ = scheduler; }

private:
    uint8_t mark_ = 0;
    MSchedulerXRuleList* scheduler_ = nullptr;
};
