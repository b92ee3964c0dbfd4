#include "net/MEventTimePart.h"

#include <ostream>

#include "core/MTrace.h"
#include "core/ProcessClock.h"
#include "core/TimeUnits.h"

MEventTimePart::MEventTimePart(const MTimeDuration* period, bool maySleep)
    : period_(std::make_unique<MTimeDuration>(period ? *period : MTimeDuration(2, TIME_UNIT_SECOND))),
      maySleep_(maySleep ? 1 : 0) {}

bool MEventTimePart::WaitForTimer(bool block) {
    const int64_t period = period_->GetCount();
    const int64_t now = ReadCurrentTime();
    if (now - lastAttempt_ > period) {
        lastAttempt_ = now;
        return true;
    }
    if (!maySleep_ || !block) return false;
    const int64_t rest = period - (now - lastAttempt_);
    if (period > 5 * int64_t{1000000000} && GetTraceLevel() > 0) {
        GetTraceStream() << "\n Wait Delay = " << rest / 1000000000;
    }
    SleepFor(rest);
    ResetCurrentTimeCache();
    lastAttempt_ = ReadCurrentTime();
    return true;
}
