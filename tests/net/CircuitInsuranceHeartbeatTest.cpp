#include <gtest/gtest.h>

#include <string>

#include "TimerRule.h"
#include "net/CircuitInsuranceHeartbeat.h"

namespace {

// Records its calls as 'K' (tick) and 'T' (time-out).
class RecordingCheck : public CircuitInsuranceHeartbeat {
public:
    void OnTick() override { calls += 'K'; }
    void OnTimeout() override { calls += 'T'; }
    std::string calls;
};

TEST(CircuitInsuranceHeartbeat, TicksUntilTheLimitThenTimesOutOnce) {
    const struct {
        uint32_t limit;
        bool enabled;
        const char* calls;  // of four timer calls
        uint32_t ticksAfter;
    } cases[] = {
        {0, true, "T", 1},      // the first tick times out
        {2, true, "KKT", 3},    // two ticks, then the time-out ends the timer
        {3, true, "KKKT", 4},   // ticks 1 to 3 answer false, tick 4 true
        {2, false, "KKKK", 0},  // disabled: ticks forever, count untouched
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        SCOPED_TRACE(c.enabled);
        TimerRule timer;
        RecordingCheck check;
        check.SetLimit(c.limit);
        check.SetEnabled(c.enabled);
        check.SetTimer(&timer);
        // The timer stops calling once finished.
        for (int i = 0; i < 4 && !timer.IsFinished(); ++i) EXPECT_TRUE(check.OnTimer(0));
        EXPECT_EQ(check.calls, c.calls);
        EXPECT_EQ(check.GetTickCount(), c.ticksAfter);
        const bool timedOut = std::string(c.calls).back() == 'T';
        EXPECT_EQ(timer.IsFinished(), timedOut);
        EXPECT_EQ(check.GetTimer(), timedOut ? nullptr : &timer);
    }
}

TEST(CircuitInsuranceHeartbeat, AResetCountStartsOverAndNoTimerIsFine) {
    RecordingCheck check;
    check.SetLimit(1);
    check.SetEnabled(true);
    EXPECT_FALSE(check.IsTimedOut());
    check.SetTickCount(0);  // an answer arrived
    EXPECT_FALSE(check.IsTimedOut());
    EXPECT_TRUE(check.OnTimer(0));
    EXPECT_EQ(check.calls, "T");
    check.EndTimer();  // no timer: nothing to end
    EXPECT_EQ(check.GetTimer(), nullptr);
}

}  // namespace
