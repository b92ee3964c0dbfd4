#pragma once
// The framework clock. Time is a signed 64-bit count of nanoseconds since 1970-01-01 00:00:00
// UTC. The current time is read from the system once and then frozen: every query returns the
// same instant until ResetCurrentTimeCache, so all times taken during one processing step are
// equal. With each reading the clock keeps the local time of day and the local midnight of that
// instant ready. Process-wide, unguarded state: GUI thread only.
#include <cstdint>

// The system clock in nanoseconds since 1970, truncated to whole microseconds.
int64_t ReadSystemClock();
// The frozen current time; when not frozen, a fresh reading (through the test clock) that then
// stays frozen.
int64_t ReadCurrentTime();
// Unfreezes: the next ReadCurrentTime reads the system clock again.
void ResetCurrentTimeCache();
// Makes t the current time (frozen) and computes its local time of day and local midnight.
void UpdateClockCache(int64_t t);
// Of the current time: the local wall-clock time of day in nanoseconds, in [0, one day), and the
// first instant of its local day. Neither takes a reading; call ReadCurrentTime first.
int64_t GetLocalTimeOfDay();
int64_t GetLocalMidnight();

// The event mediator's clock: a second reading, not frozen, refreshed only here.
void RefreshEventClock();
int64_t GetEventClockTime();

// Whether a date or date-time with count 0 and a null time of day show as empty texts. Off; the
// setter is for tests, nothing in the program turns it on.
bool IsZeroTimeShownBlank();
void SetZeroTimeShownBlank(bool on);

// Far-future limits of date-times and dates. Until FillTimeLimits both are 2099-12-30 05:00:00
// UTC; afterwards 2038-01-01 10:00:00 UTC and 2038-01-01 05:00:00 UTC. The program entry calls
// FillTimeLimits before any window exists; it then runs the rebuild function that the time-point
// classes installed, so that their maximum constants follow the limits.
int64_t GetMaxDateTimeCount();
int64_t GetMaxDateCount();
void FillTimeLimits();
// Sets both limits and runs the rebuild function, as FillTimeLimits does; tests put back the
// limits they found with it.
void SetTimeLimits(int64_t maxDateTime, int64_t maxDate);
void SetTimeLimitsRebuild(void (*rebuild)());

// Sleeps count / 1,000,000 whole milliseconds (a duration in nanoseconds); no sleep for a count of
// 0, below one millisecond or negative.
void SleepFor(int64_t count);

// Re-reads the zone setting (TZ) and empties every calendar cache; the local time of day and
// midnight of the current time are recomputed. For tests that pin TZ: the program's zone is set
// once per process.
void ReloadTimeZone();

// Clock parameters of the time-point classes: the current count of their kind, after a fresh
// reading when refresh is set. kTypeName is the name the time-point type names show.
struct MGlobalDateTimeClock {
    static constexpr char kTypeName[] = "MGlobalDateTimeClock";
    static int64_t Now(bool refresh);  // the current time
};
struct MGlobalTimeClock {
    static constexpr char kTypeName[] = "MGlobalTimeClock";
    static int64_t Now(bool refresh);  // the local time of day of the current time
};
struct MGlobalDateClock {
    static constexpr char kTypeName[] = "MGlobalDateClock";
    static int64_t Now(bool refresh);  // the local midnight of the current time
};
// The event mediator's timers: the event clock; refresh takes a new event-clock reading.
struct MGlobalEventClock {
    static constexpr char kTypeName[] = "MGlobalEventClock";
    static int64_t Now(bool refresh);
};
