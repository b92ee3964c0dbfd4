#pragma once
// Spacing of an event's attempts: an attempt may be made when more than the period (2 seconds
// unless given) has passed on the framework clock since the last one; the first is due at once.
// With may-sleep and a blocking caller it sleeps out the rest of the period instead of refusing.
#include <cstdint>
#include <memory>

#include "fields/MTimeDuration.h"

class MEventTimePart {
public:
    // A null period means 2 seconds.
    MEventTimePart(const MTimeDuration* period, bool maySleep);
    virtual ~MEventTimePart() = default;

    // Whether an attempt may be made now (the last attempt then becomes now).
    virtual bool WaitForTimer(bool block);

    int64_t GetLastAttempt() const { return lastAttempt_; }

private:
    std::unique_ptr<MTimeDuration> period_;
    int64_t lastAttempt_ = 0;
    uint8_t maySleep_;
};
