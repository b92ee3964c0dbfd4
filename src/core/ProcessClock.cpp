#include "core/ProcessClock.h"

#include <chrono>
#include <ctime>
#include <thread>

#include "core/BufferTime.h"
#include "core/CalendarConversion.h"
#include "core/HourTable.h"
#include "core/MGlobalTime.h"
#include "core/TimeUnits.h"

namespace {

constexpr bool kFreezeAfterReading = true;
constexpr int64_t kInitialLimit = int64_t{4102290000} * kNanosecondsPerSecond;  // 2099-12-30 05:00 UTC
// Readings this close to the 64-bit limits have no local time of day.
constexpr int64_t kCalendarLimit = INT64_MAX - 2 * kNanosecondsPerDay;

struct ProcessClock {
    bool frozen = false;
    bool zeroTimeShownBlank = false;
    int64_t currentTime = 0;
    int64_t localTimeOfDay = 0;
    int64_t localMidnight = 0;
    // The UTC hour whose offset is known to stay the same throughout, and the instant at which
    // the wall clock showed 00:00 with that offset.
    bool hourCached = false;
    int64_t cachedHour = 0;
    int64_t wallMidnight = 0;
    int64_t eventClockTime = 0;
};
ProcessClock state;

int64_t maxDateTimeCount = kInitialLimit;
int64_t maxDateCount = kInitialLimit;
void (*limitsRebuild)() = nullptr;

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

}  // namespace

int64_t ReadSystemClock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const int64_t ticks = static_cast<int64_t>(now.tv_sec) * 10000000 + now.tv_nsec / 100;  // 100 ns
    return ticks / 10 * 1000;
}

int64_t ReadCurrentTime() {
    if (state.frozen) return state.currentTime;
    int64_t t = ReadSystemClock();
    UpdateProcessClock(t);
    UpdateClockCache(t);
    return state.currentTime;
}

void ResetCurrentTimeCache() {
    state.frozen = false;
}

void UpdateClockCache(int64_t t) {
    state.frozen = kFreezeAfterReading;
    state.currentTime = t;
    if (t > kCalendarLimit || t < -kCalendarLimit) {
        state.hourCached = false;
        state.localTimeOfDay = 0;
        state.localMidnight = t;
        return;
    }
    const int64_t hour = FloorDiv(t, kNanosecondsPerHour);
    if (state.hourCached && hour == state.cachedHour) {
        const int64_t timeOfDay = t - state.wallMidnight;
        if (timeOfDay >= 0 && timeOfDay < kNanosecondsPerDay) {  // still the same local day
            state.localTimeOfDay = timeOfDay;
            return;
        }
    }
    const int64_t offset = ComputeLocalOffset(t) * kNanosecondsPerSecond;
    const int64_t sinceUtcMidnight = t - FloorDiv(t, kNanosecondsPerDay) * kNanosecondsPerDay;
    const int64_t timeOfDay =
        ((sinceUtcMidnight + offset) % kNanosecondsPerDay + kNanosecondsPerDay) % kNanosecondsPerDay;
    state.localTimeOfDay = timeOfDay;
    state.wallMidnight = t - timeOfDay;
    state.localMidnight = ComputeLocalMidnight(t);
    // Within this UTC hour later readings reuse the offset, unless it changes inside the hour.
    const int64_t hourStart = hour * kNanosecondsPerHour;
    state.cachedHour = hour;
    state.hourCached =
        ComputeLocalOffset(hourStart) * kNanosecondsPerSecond == offset &&
        ComputeLocalOffset(hourStart + kNanosecondsPerHour - 1) * kNanosecondsPerSecond == offset;
}

int64_t GetLocalTimeOfDay() {
    return state.localTimeOfDay;
}
int64_t GetLocalMidnight() {
    return state.localMidnight;
}

void RefreshEventClock() {
    int64_t t = ReadSystemClock();
    UpdateProcessClock(t);
    state.eventClockTime = t;
}

int64_t GetEventClockTime() {
    return state.eventClockTime;
}

bool IsZeroTimeShownBlank() {
    return state.zeroTimeShownBlank;
}
void SetZeroTimeShownBlank(bool on) {
    state.zeroTimeShownBlank = on;
}

int64_t GetMaxDateTimeCount() {
    return maxDateTimeCount;
}
int64_t GetMaxDateCount() {
    return maxDateCount;
}

void FillTimeLimits() {
    SetTimeLimits(int64_t{2145952800} * kNanosecondsPerSecond, int64_t{2145934800} * kNanosecondsPerSecond);
}

void SetTimeLimits(int64_t maxDateTime, int64_t maxDate) {
    maxDateTimeCount = maxDateTime;
    maxDateCount = maxDate;
    if (limitsRebuild) limitsRebuild();
}

void SetTimeLimitsRebuild(void (*rebuild)()) {
    limitsRebuild = rebuild;
}

void SleepFor(int64_t count) {
    const int64_t milliseconds = CountToUnits(count, TIME_UNIT_MILLISECOND);
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void ReloadTimeZone() {
    tzset();
    BufferTime<FunctionLocalTime>::Instance().Clear();
    LocalHourTable::Clear();
    UtcHourTable::Clear();
    state.hourCached = false;
    const bool frozen = state.frozen;
    UpdateClockCache(state.currentTime);
    state.frozen = frozen;
}

int64_t MGlobalDateTimeClock::Now(bool refresh) {
    if (refresh) ResetCurrentTimeCache();
    return ReadCurrentTime();
}

int64_t MGlobalTimeClock::Now(bool refresh) {
    if (refresh) ResetCurrentTimeCache();
    ReadCurrentTime();
    return GetLocalTimeOfDay();
}

int64_t MGlobalDateClock::Now(bool refresh) {
    if (refresh) ResetCurrentTimeCache();
    ReadCurrentTime();
    return GetLocalMidnight();
}

int64_t MGlobalEventClock::Now(bool refresh) {
    if (refresh) RefreshEventClock();
    return GetEventClockTime();
}
