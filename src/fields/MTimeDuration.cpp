#include "fields/MTimeDuration.h"

#include <algorithm>

#include "core/DateTimeText.h"
#include "core/SaturatingArithmetic.h"

namespace {

constexpr int64_t kPlainLimit = 28 * kNanosecondsPerDay;

int32_t ToField(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

int32_t& Part(MTimeParts& parts, int unit) {
    return parts.*TimeUnitTable[unit].durationField;
}
int32_t Part(const MTimeParts& parts, int unit) {
    return parts.*TimeUnitTable[unit].durationField;
}

// Spreads value (in units of unit) over the parts from that unit up, each remainder taking the
// sign of value.
void DistributeUnits(MTimeParts& parts, int64_t value, int unit) {
    if (unit < 0 || unit >= kTimeUnitCount) unit = TIME_UNIT_NANOSECOND;
    for (int i = unit; value != 0 && i < kTimeUnitCount; ++i) {
        const int64_t modulus = TimeUnitTable[i].modulus;
        Part(parts, i) = static_cast<int32_t>(value % modulus);
        value /= modulus;
    }
    parts.tm_mday = -1;
    parts.tm_wday = -1;
}

// The parts in nanoseconds (a month as 30 days, a year as 360); wraps at 64 bits.
int64_t SumParts(const MTimeParts& parts) {
    uint64_t sum = 0;
    for (int i = 0; i < kTimeUnitCount; ++i) {
        sum +=
            static_cast<uint64_t>(int64_t{Part(parts, i)}) * static_cast<uint64_t>(TimeUnitTable[i].length);
    }
    return static_cast<int64_t>(sum);
}

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}
int64_t FloorMod(int64_t a, int64_t b) {
    return a - FloorDiv(a, b) * b;
}

void NormaliseParts(MTimeParts& parts) {
    int64_t carry = 0;
    for (int i = TIME_UNIT_NANOSECOND; i <= TIME_UNIT_HOUR; ++i) {
        const int64_t x = Part(parts, i) + carry;
        const int64_t modulus = TimeUnitTable[i].modulus;
        Part(parts, i) = static_cast<int32_t>(FloorMod(x, modulus));
        carry = FloorDiv(x, modulus);
    }
    Part(parts, TIME_UNIT_DAY) = ToField(Part(parts, TIME_UNIT_DAY) + carry);
    const int64_t months = Part(parts, TIME_UNIT_MONTH);
    Part(parts, TIME_UNIT_MONTH) = static_cast<int32_t>(FloorMod(months, 12));
    Part(parts, TIME_UNIT_YEAR) = ToField(Part(parts, TIME_UNIT_YEAR) + FloorDiv(months, 12));
}

}  // namespace

MTimeDuration::MTimeDuration(int64_t count, int unit) {
    SetUnits(count, unit);
}

MTimeDuration::MTimeDuration(const MTimeParts& parts) {
    SetParts(parts);
}

MTimeDuration::MTimeDuration(const char* text) {
    MTimeParts t;
    if (!ParseTmDateTime(text, TIME_TEXT_TIME, t)) {
        *this = GetNull();
        return;
    }
    const int64_t seconds = int64_t{t.tm_hour} * 3600 + int64_t{t.tm_min} * 60 + t.tm_sec;
    const int64_t subSeconds = int64_t{t.tm_msec} * 1000000 + int64_t{t.tm_usec} * 1000 + t.tm_nsec;
    SetUnits(SaturatingAdd(SaturatingMultiply(seconds, kNanosecondsPerSecond), subSeconds),
             TIME_UNIT_NANOSECOND);
}

void MTimeDuration::SetUnits(int64_t count, int unit) {
    const int64_t value = UnitsToCount(count, unit);
    parts_ = MTimeParts::Cleared();
    if (value >= -kPlainLimit && value <= kPlainLimit) {
        count_ = value;
        stale_ = true;
        return;
    }
    DistributeUnits(parts_, count, unit);
    stale_ = false;
    count_ = SumParts(parts_);
}

void MTimeDuration::SetParts(const MTimeParts& parts) {
    parts_ = parts;
    stale_ = false;
    NormaliseParts(parts_);
    count_ = SumParts(parts_);
}

const MTimeParts& MTimeDuration::GetParts() const {
    if (stale_) {
        parts_ = MTimeParts::Cleared();
        DistributeUnits(parts_, count_, TIME_UNIT_NANOSECOND);
        stale_ = false;
    }
    return parts_;
}

bool MTimeDuration::IsPlainCount() const {
    return count_ >= -kPlainLimit && count_ <= kPlainLimit;
}

MTimeDuration MTimeDuration::operator-() const {
    MTimeDuration negated = *this;
    negated.count_ = static_cast<int64_t>(0 - static_cast<uint64_t>(count_));
    if (!stale_) {
        for (int i = 0; i < kTimeUnitCount; ++i) Part(negated.parts_, i) = ToField(-int64_t{Part(parts_, i)});
    }
    return negated;
}

MTimeDuration operator-(const MTimeDuration& a, const MTimeDuration& b) {
    if (a.IsPlainCount() && b.IsPlainCount()) {
        const int64_t difference = a.count_ - b.count_;  // both within 28 days: no overflow
        if (difference >= -kPlainLimit && difference <= kPlainLimit)
            return MTimeDuration(difference, TIME_UNIT_NANOSECOND);
    }
    const MTimeParts& pa = a.GetParts();
    const MTimeParts& pb = b.GetParts();
    MTimeParts difference = MTimeParts::Cleared();
    for (int i = 0; i < kTimeUnitCount; ++i)
        Part(difference, i) = ToField(int64_t{Part(pa, i)} - Part(pb, i));
    return MTimeDuration(difference);
}
