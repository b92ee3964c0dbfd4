#include <gtest/gtest.h>

#include <chrono>

#include "core/ProcessClock.h"
#include "core/TimeUnits.h"
#include "net/MEventTimePart.h"

namespace {

TEST(MEventTimePart, TheFirstAttemptIsDueAtOnceThenOnePerPeriod) {
    const MTimeDuration period(20, TIME_UNIT_MILLISECOND);
    MEventTimePart refusing(&period, false);
    MEventTimePart sleeping(&period, true);
    ResetCurrentTimeCache();
    EXPECT_TRUE(refusing.WaitForTimer(true));
    EXPECT_TRUE(sleeping.WaitForTimer(true));
    EXPECT_FALSE(refusing.WaitForTimer(true));   // may not sleep
    EXPECT_FALSE(sleeping.WaitForTimer(false));  // the caller does not block
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(sleeping.WaitForTimer(true));  // sleeps out the rest of the period
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(10));
    ResetCurrentTimeCache();
}

}  // namespace
