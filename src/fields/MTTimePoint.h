#pragma once
// A time point: one instant or one time of day as a signed 64-bit count of nanoseconds and a valid
// flag. Clock says where the current time comes from, Traits how a count is normalised, which
// counts are valid, what null is and how the value is broken down, read and shown. Three classes
// are used (typedefs at the end): date-times and times of day are record fields with column
// descriptors and field binders; dates serve the date texts and calendar arithmetic. A plain
// value (16 bytes), copied freely; nothing allocates except the texts it builds.
//
// Texts: "-" or an empty text is the null, "n" (or "N") is now, optionally followed by '+' and a
// value of the same class to add; anything else is read as a date, a time or both, by class.
#include <compare>
#include <concepts>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/DateTimeText.h"
#include "core/MTimeParts.h"
#include "core/ProcessClock.h"
#include "core/SaturatingArithmetic.h"
#include "core/TimeUnits.h"
#include "fields/MComparable.h"
#include "fields/MDateTimeTraits.h"
#include "fields/MDateTraits.h"
#include "fields/MIntX.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTimeTraits.h"
#include "fields/MTypeName.h"

namespace time_point_detail {
template <class Clock, class Traits>
constexpr auto TimePointTypeName() {
    if constexpr (requires { Traits::kClassName; }) {
        return MTypeName(Traits::kClassName);
    } else {
        return MTypeName("MTTimePoint<") + MTypeName(Clock::kTypeName) + MTypeName(",") +
               MTypeName(Traits::kTypeName) + MTypeName(">");
    }
}
}  // namespace time_point_detail

template <class Clock, class Traits>
class MTTimePoint : public MComparable<MTTimePoint<Clock, Traits>> {
public:
    static constexpr auto kTypeName = time_point_detail::TimePointTypeName<Clock, Traits>();

    // Now, as the clock has it (no fresh reading).
    MTTimePoint() { SetNow(false); }
    explicit MTTimePoint(const char* text) { SetText(text); }
    explicit MTTimePoint(const std::string& text) { SetText(text.c_str()); }
    MTTimePoint(int64_t count, int unit) { SetUnits(count, unit); }
    // From another class, through the broken-down time: a date from a date-time is its local
    // date, a date-time from a date its local midnight, a time of day that of the instant.
    template <class C, class T>
    explicit MTTimePoint(const MTTimePoint<C, T>& other) {
        if constexpr (std::same_as<T, Traits>) {
            SetCount(other.GetCount());
        } else {
            SetTm(other.GetTm());
        }
    }

    // The class's constants; the maxima follow the far-future limits of the clock.
    static MTTimePoint GetNull() { return MTTimePoint(Traits::kNullCount, TIME_UNIT_NANOSECOND); }
    static MTTimePoint GetMinimum() { return MTTimePoint(0, TIME_UNIT_NANOSECOND); }
    static MTTimePoint GetMaximum() requires std::same_as<Traits, MDateTimeTraits> {
        return MTTimePoint(GetMaxDateTimeCount(), TIME_UNIT_NANOSECOND);
    }
    static MTTimePoint GetMaximum() requires std::same_as<Traits, MDateTraits> {
        return MTTimePoint(GetMaxDateCount(), TIME_UNIT_NANOSECOND);
    }
    static MTTimePoint GetMaximum() requires std::same_as<Traits, MTimeTraits> {
        return MTTimePoint(kNanosecondsPerDay, TIME_UNIT_NANOSECOND);
    }

    // Normalises and stores the count; returns the valid flag.
    bool SetCount(int64_t count) {
        count_ = Traits::Normalise(count);
        valid_ = Traits::IsInRange(count_);
        return valid_;
    }
    bool SetUnits(int64_t count, int unit) { return SetCount(UnitsToCount(count, unit)); }
    // count / unit length (toward zero); unit 0 gives the count.
    int64_t GetUnits(int unit) const { return CountToUnits(count_, unit); }
    int64_t GetCount() const { return count_; }
    // Refreshed whenever the point is broken down (GetTm, ToString).
    bool IsValid() const { return valid_; }
    bool IsNull() const { return count_ == Traits::kNullCount; }
    void Clear() { SetCount(Traits::kNullCount); }
    // The clock's current count of the class, after a fresh reading when refresh is set.
    bool SetNow(bool refresh) { return SetCount(Clock::Now(refresh)); }

    // The local calendar fields of the point (refreshes the valid flag), and the point of fields.
    MTimeParts GetTm() const {
        bool valid = false;
        const MTimeParts t = Traits::BreakDown(count_, valid);
        valid_ = valid;
        return t;
    }
    static int64_t CountFromTm(const MTimeParts& t) { return Traits::CountFromTm(t); }
    bool SetTm(const MTimeParts& t) { return SetCount(Traits::CountFromTm(t)); }

    void SetText(const char* text) { ReadText(text); }
    // The first length characters (a negative length reads as none).
    void SetText(const char* text, int length) {
        if (!text || length <= 0) {
            Clear();
            return;
        }
        ReadText(std::string(text, static_cast<std::size_t>(length)).c_str());
    }
    // Null for a null or empty text and for a well-formed text giving a valid point; otherwise
    // "Invalid date!" (date-times, dates) or "Invalid time!" (times of day).
    static const char* CheckText(const char* text) {
        if (!text || !*text) return nullptr;
        MTTimePoint point(0, TIME_UNIT_NANOSECOND);
        const bool wellFormed = point.ReadText(text);
        return wellFormed && point.valid_ ? nullptr : Traits::kInvalidText;
    }

    // A text read relative to now ("n", "n+...") changes with the clock; every other is constant.
    static bool IsConstantOperand(const std::string& text) {
        return text.empty() || (text[0] != 'n' && text[0] != 'N');
    }

    // Order of the nanosecond counts; IsEqual ... IsGreaterOrEqual and the operators come from it,
    // through MComparable.
    int Compare(const MTTimePoint& other) const { return (count_ > other.count_) - (count_ < other.count_); }

    // Rounds to a multiple of n units: mode 0 to the nearest, 1 up, any other down (toward zero
    // below a day). Days, months and years cut the point to its local midnight; days also round
    // the day of the month to a multiple of n. n below 1 leaves the point as it is.
    void RoundToUnits(int32_t n, int unit, int mode) requires std::same_as<Traits, MDateTimeTraits> {
        if (n <= 0) return;
        if (unit < TIME_UNIT_NANOSECOND || unit > TIME_UNIT_YEAR) unit = TIME_UNIT_NANOSECOND;
        if (unit < TIME_UNIT_DAY) {
            const int64_t e = SaturatingMultiply(n, TimeUnitTable[unit].length);
            int64_t c = count_;
            if (mode == 0) {
                c = c >= 0 ? SaturatingAdd(c, e / 2) : SaturatingSubtract(c, e / 2);
            } else if (mode == 1 && c > 0) {
                c = SaturatingAdd(c, e - 1);
            }
            SetCount(c / e * e);
            return;
        }
        MTimeParts t = GetTm();
        t.tm_hour = t.tm_min = t.tm_sec = 0;
        t.tm_msec = t.tm_usec = t.tm_nsec = 0;
        if (unit == TIME_UNIT_DAY) {
            int64_t day = t.tm_mday;
            if (mode == 0) day += n / 2;
            if (mode == 1) day += n - 1;
            t.tm_mday = static_cast<int32_t>(n * (day / n));
        }
        SetTm(t);
    }

    // Display text with the given separators: empty for an invalid point other than the null;
    // the null shows the epoch's fields (a date-time's null is valid and shows its local time).
    // With the show-zero-as-blank option the null shows as an empty text.
    std::string ToString(char dateSep = '/', char timeSep = ':') const {
        char text[kTextCapacity];
        return std::string(text, static_cast<std::size_t>(WriteText(text, dateSep, timeSep)));
    }
    // The display text (ToString) into dest of kTextCapacity characters, without a terminator;
    // returns its length.
    static constexpr int kTextCapacity = 23;
    int WriteDisplayText(char* dest) const { return WriteText(dest, '/', ':'); }
    // Time of day: HH<sep>MM<sep>SS, then '.' and milliseconds when asked; empty when not valid.
    std::string FormatText(char sep, bool withMilliseconds) const requires std::same_as<Traits, MTimeTraits> {
        const MTimeParts t = GetTm();
        if (!valid_) return std::string();
        return withMilliseconds ? FormatTmTimeMs(t, sep) : FormatTmTime(t, sep);
    }

    // Delimited text: the compact text (of the broken-down time, valid or not), "-" for the null
    // (empty with the show-zero-as-blank option); zero-terminated, in one buffer per class and
    // thread, valid on the calling thread until its next GetText of the class.
    const char* GetText(int* length, bool* terminated) const {
        thread_local std::string buffer;  // one per thread: any thread may format
        if (IsNull()) {
            buffer.assign(IsZeroTimeShownBlank() ? 0 : 1, '-');
        } else {
            buffer = Traits::Compact(GetTm());
        }
        if (length) *length = static_cast<int>(buffer.size());
        if (terminated) *terminated = true;
        return buffer.c_str();
    }

    // Monitor message: seconds and milliseconds, each in the form of an MInt64 (decimal text and
    // the delimiter; reading raises what MInt64 raises for a malformed field). A point
    // below 0 (the null time of day, or any invalid negative count) is the single character '-'
    // without a delimiter, so that the reader stays in step; it reads back as the null.
    void WriteFixed(MMsgFormat& format) const {
        if (count_ < 0) {
            format.Write("-", 1);
            return;
        }
        MInt64(count_ / kNanosecondsPerSecond).WriteFixed(format);
        MInt64(count_ / 1000000 % 1000).WriteFixed(format);
    }
    void ReadFixed(MMsgFormat& format) {
        int remaining = 0;
        const char* bytes = format.GetRemaining(&remaining);
        if (remaining > 0 && bytes[0] == '-') {
            format.Skip(1);
            Clear();
            return;
        }
        MInt64 seconds;
        MInt64 milliseconds;
        seconds.ReadFixed(format);
        milliseconds.ReadFixed(format);
        SetCount(SaturatingAdd(SaturatingMultiply(seconds.GetValue(), kNanosecondsPerSecond),
                               SaturatingMultiply(milliseconds.GetValue(), 1000000)));
    }

    static void SetupInterface(MInterface& column) {
        column.SetKind(Traits::kColumnKind);
        column.SetEditMask(Traits::kEditMask);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }

private:
    int WriteText(char* dest, char dateSep, char timeSep) const {
        if (IsNull() && IsZeroTimeShownBlank()) return 0;
        MTimeParts t = GetTm();
        if (!valid_) {
            if (!IsNull()) return 0;
            t = MTimeParts::Epoch();
        }
        return static_cast<int>(Traits::Write(dest, t, dateSep, timeSep) - dest);
    }
    // SetText; returns false when the text (or the part after its '+') is malformed.
    bool ReadText(const char* text) {
        int64_t count = 0;
        const bool wellFormed = ReadTimePointText(
            text, Traits::kTextKind, Traits::kNullCount, [] { return Traits::Normalise(Clock::Now(false)); },
            [](const MTimeParts& t) { return Traits::Normalise(Traits::CountFromTm(t)); }, count);
        SetCount(count);
        return wellFormed;
    }

    int64_t count_ = 0;
    mutable bool valid_ = false;
};

using MDateTimeTimePoint = MTTimePoint<MGlobalDateTimeClock, MDateTimeTraits>;
using MTimeTimePoint = MTTimePoint<MGlobalTimeClock, MTimeTraits>;
using MDate = MTTimePoint<MGlobalDateClock, MDateTraits>;
// The date-time flavour of the event framework's timers: reads the event clock.
using MEventTimePoint = MTTimePoint<MGlobalEventClock, MDateTimeTraits>;
