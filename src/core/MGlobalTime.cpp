#include "core/MGlobalTime.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "core/CalendarConversion.h"
#include "core/DateTimeText.h"
#include "core/ProcessClock.h"
#include "core/SaturatingArithmetic.h"
#include "core/TimeUnits.h"

namespace {

// An environment number as the library's atol reads it (leading blanks, a sign, digits up to the
// first other character; 0 when unset or not a number), held within 32 bits.
int32_t ReadNumber(const char* name) {
    const char* text = std::getenv(name);
    if (!text) return 0;
    const long long value = std::strtoll(text, nullptr, 10);
    return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

MGlobalTime MGlobalTime::instance_;

MGlobalTime::MGlobalTime()
    : plain_(false),
      realTime_(0),
      speedReference_(0),
      offset_(0),
      testMode_(false),
      speed_(0),
      refused_(false) {
    Init();
}

MGlobalTime& MGlobalTime::Instance() {
    return instance_;
}

void MGlobalTime::Init() {
    tzset();
    ReadSettings(ReadSystemClock());
    ResetCurrentTimeCache();
    ReadCurrentTime();
}

void MGlobalTime::ReadSettings(int64_t now) {
    offset_ = 0;
    speed_ = 0;
    speedReference_ = 0;
    refused_ = false;
    const char* mode = std::getenv("VARN_EXEC_MODE");
    testMode_ = mode && std::strcmp(mode, "TEST") == 0;

    if (const char* date = std::getenv("VARN_TIME_OVERWRITE_DATE")) {
        MTimeParts t;
        if (std::strlen(date) < 9) {
            // A date alone keeps the current local time of day.
            ParseTmDateTime(date, TIME_TEXT_DATE, t);
            const MTimeParts local = BreakDownLocalTime(now);
            t.tm_hour = local.tm_hour;
            t.tm_min = local.tm_min;
            t.tm_sec = local.tm_sec;
            t.tm_msec = local.tm_msec;
            t.tm_usec = local.tm_usec;
            t.tm_nsec = 0;
        } else {
            ParseTmDateTime(date, TIME_TEXT_DATE_TIME, t);
        }
        offset_ = SaturatingAdd(offset_, SaturatingSubtract(ComputeLocalDateTimeCount(t), now));
    }
    const int64_t seconds =
        int64_t{ReadNumber("VARN_DELTA_TIME_SECONDS")} + int64_t{ReadNumber("VARN_DELTA_TIME_DAYS")} * 86400;
    offset_ = SaturatingAdd(offset_, SaturatingMultiply(seconds, kNanosecondsPerSecond));

    speed_ = ReadNumber("VARN_TIME_SPEED");
    if (speed_ > 1) {
        if (const char* reference = std::getenv("VARN_TIME_SPEED_REFERENCE")) {
            const int64_t shiftedNow = SaturatingAdd(now, offset_);
            ReadTimePointText(
                reference, TIME_TEXT_DATE_TIME, 0, [&] { return shiftedNow; }, ComputeLocalDateTimeCount,
                speedReference_);
        } else {
            speed_ = 0;
        }
    }
    if ((offset_ != 0 || speed_ > 1) && !testMode_) {
        offset_ = 0;
        speed_ = 0;
        speedReference_ = 0;
        refused_ = true;
    }
    plain_ = offset_ == 0 && speed_ == 0;
}

void MGlobalTime::UpdateProcessClock(int64_t& reading) {
    realTime_ = reading;
    if (!plain_) ShiftTime(reading);
}

void MGlobalTime::ShiftTime(int64_t& reading) {
    int64_t t = SaturatingAdd(reading, offset_);
    if (speed_ > 1 && t > speedReference_) {
        int64_t sped = 0;
        if (__builtin_sub_overflow(t, speedReference_, &sped) ||
            __builtin_mul_overflow(sped, int64_t{speed_}, &sped) ||
            __builtin_add_overflow(sped, speedReference_, &sped) || sped < 0) {
            sped = 0;
            refused_ = true;
        }
        t = sped;
    }
    reading = t;
}

void UpdateProcessClock(int64_t& reading) {
    MGlobalTime::Instance().UpdateProcessClock(reading);
}
