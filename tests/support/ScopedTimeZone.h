#pragma once
// Pins the TZ setting for one test and restores the previous one (set or unset) afterwards, so
// that no test depends on the machine's zone.
#include <cstdlib>
#include <optional>
#include <string>

#include "core/ProcessClock.h"

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* tz) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        Set(tz);
    }
    ~ScopedTimeZone() { Set(saved_ ? saved_->c_str() : nullptr); }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    static void Set(const char* tz) {
        if (tz)
            setenv("TZ", tz, 1);
        else
            unsetenv("TZ");
        ReloadTimeZone();
    }
    std::optional<std::string> saved_;
};

// Zones written as POSIX rules, so that no zone files are needed.
inline constexpr const char* kZoneUtc = "UTC0";
inline constexpr const char* kZoneNewYork = "EST5EDT,M3.2.0,M11.1.0";     // UTC-5, summer UTC-4
inline constexpr const char* kZoneBerlin = "CET-1CEST,M3.5.0,M10.5.0/3";  // UTC+1, summer UTC+2
inline constexpr const char* kZoneIndia = "IST-5:30";
inline constexpr const char* kZoneNepal = "NPT-5:45";
inline constexpr const char* kZoneLordHowe =
    "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0";  // half-hour summer shift

inline constexpr int64_t kSecond = 1000000000;
