#pragma once
// The test clock. Environment variables can move the framework's current time and make it run
// faster, for tests, without touching the system clock; every reading of the system clock (the
// process clock and the event clock) passes through UpdateProcessClock. The settings are read
// once, when the clock starts at static initialisation, into the one process-wide instance.
// Unless VARN_EXEC_MODE is exactly "TEST", every adjustment is refused and readings pass
// unchanged. Unguarded: GUI thread only. Logs nothing.
//
//   VARN_EXEC_MODE             "TEST" enables the settings below
//   VARN_TIME_OVERWRITE_DATE   YYYYMMDD[[ ]HHMMSS]: the clock starts at that local date (and time;
//                              without one, at the current local time of day on that date)
//   VARN_DELTA_TIME_SECONDS    seconds added to the clock
//   VARN_DELTA_TIME_DAYS       days added to the clock
//   VARN_TIME_SPEED            a factor above 1 makes the clock run that many times faster ...
//   VARN_TIME_SPEED_REFERENCE  ... after this date-time (required with a speed)
#include <cstdint>

class MGlobalTime {
public:
    static MGlobalTime& Instance();

    // Sets up the library's zone, reads the settings against the system clock, then takes the
    // first (shifted) reading of the process clock.
    void Init();
    // Reads the settings from the environment; now is the unshifted system time that the
    // overwrite date is measured against.
    void ReadSettings(int64_t now);
    // Stores a system reading as the real time and, unless the clock is plain, shifts it.
    void UpdateProcessClock(int64_t& reading);
    // Adds the offset; past the reference (on the shifted time) the clock runs speed times
    // faster. A sped-up reading beyond 64 bits gives 0 and sets the refused flag.
    void ShiftTime(int64_t& reading);

    bool IsPlain() const { return plain_; }
    bool IsTestMode() const { return testMode_; }
    // Settings were given outside test mode, or a sped-up reading left the 64-bit range.
    bool IsRefused() const { return refused_; }
    int64_t GetOffset() const { return offset_; }
    int32_t GetSpeed() const { return speed_; }
    int64_t GetSpeedReference() const { return speedReference_; }
    int64_t GetRealTime() const { return realTime_; }

private:
    MGlobalTime();
    MGlobalTime(const MGlobalTime&) = delete;
    MGlobalTime& operator=(const MGlobalTime&) = delete;

    static MGlobalTime instance_;

    bool plain_;
    int64_t realTime_;
    int64_t speedReference_;
    int64_t offset_;
    bool testMode_;
    int32_t speed_;
    bool refused_;
};

// The process clock's entry into the test clock: MGlobalTime::Instance().UpdateProcessClock.
void UpdateProcessClock(int64_t& reading);
