#pragma once
// The heartbeat check of a circuit: a scheduler timer calls OnTimer on every tick; each tick is
// counted, and once the count taken at a tick has reached the limit the circuit counts as dead:
// OnTimeout is called once and the timer ends. Whoever receives the circuit's answers sets the
// count back to 0. A disabled check never times out. The timer belongs to the scheduler; the
// check only marks it finished. Event thread only.
#include <cstdint>

class MSchedulerXRule;

class CircuitInsuranceHeartbeat {
public:
    virtual ~CircuitInsuranceHeartbeat() = default;

    // What a tick that is not a time-out does (send a heartbeat); nothing here.
    virtual void OnTick() {}
    // What the time-out does; nothing here.
    virtual void OnTimeout() {}

    // The timer's action: OnTimeout and EndTimer on a time-out, else OnTick. Always true.
    bool OnTimer(int unused);
    // False when disabled; else counts the tick and answers whether the count before it had
    // reached the limit.
    bool IsTimedOut();
    // Marks the timer finished and forgets it.
    void EndTimer();

    uint32_t GetTickCount() const { return tickCount_; }
    void SetTickCount(uint32_t count) { tickCount_ = count; }
    uint32_t GetLimit() const { return limit_; }
    void SetLimit(uint32_t limit) { limit_ = limit; }
    MSchedulerXRule* GetTimer() const { return timer_; }
    void SetTimer(MSchedulerXRule* timer) { timer_ = timer; }
    bool IsEnabled() const { return enabled_ != 0; }
    void SetEnabled(bool enabled) { enabled_ = enabled ? 1 : 0; }

private:
    uint32_t tickCount_ = 0;
    uint32_t limit_ = 0;
    MSchedulerXRule* timer_ = nullptr;
    uint8_t enabled_ = 0;
};
