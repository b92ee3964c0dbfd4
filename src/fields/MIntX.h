#pragma once
// Clamped integer field: one integer of type T (int32_t, uint32_t or int64_t, nothing else stored)
// forced back into [Min, Max] after every store: v >= Max gives Max, else v <= Min gives Min. An
// operation that wraps in T's own arithmetic (increments, multiplication; done in unsigned
// arithmetic, so defined) is clamped after wrapping. D is the value of a new or cleared field.
// Its text is plain decimal, its monitor-message form decimal text and the delimiter 254, its
// column kind 6 (number). Spelling gives the type name's spelling of T ("int", "long", ...), which
// is how instances over the same T get names of their own. Nothing allocates.
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#include "core/MDigitText.h"
#include "fields/MComparable.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTypeName.h"
#include "fields/NumericTextParsing.h"

template <class T>
struct MIntSpelling;
template <>
struct MIntSpelling<int32_t> {
    static constexpr MTypeName kTypeName = MTypeName("int");
};
template <>
struct MIntSpelling<uint32_t> {
    static constexpr MTypeName kTypeName = MTypeName("unsigned int");
};
template <>
struct MIntSpelling<int64_t> {
    static constexpr MTypeName kTypeName = MTypeName("long long");
};
// The 32-bit long of the record definitions.
struct MLongSpelling {
    static constexpr MTypeName kTypeName = MTypeName("long");
};
struct MULongSpelling {
    static constexpr MTypeName kTypeName = MTypeName("unsigned long");
};

template <class T, T Max, T Min, T D, class Spelling = MIntSpelling<T>>
class MIntX : public MComparable<MIntX<T, Max, Min, D, Spelling>> {
    friend class MComparable<MIntX<T, Max, Min, D, Spelling>>;
    // Three-way order of the values, for MComparable.
    int Compare(const MIntX& other) const { return (value_ > other.value_) - (value_ < other.value_); }

public:
    // The bytes whose memcmp order is the values' order: big-endian, the sign bit inverted.
    static constexpr int kSortKeyWidth = sizeof(T);
    void WriteSortKey(unsigned char* key) const {
        U bits = static_cast<U>(value_);
        if constexpr (std::is_signed_v<T>) bits ^= U(1) << (sizeof(T) * 8 - 1);
        for (int i = kSortKeyWidth - 1; i >= 0; --i, bits >>= 8)
            key[i] = static_cast<unsigned char>(bits & 0xFF);
    }

private:
    static_assert(std::is_same_v<T, int32_t> || std::is_same_v<T, uint32_t> || std::is_same_v<T, int64_t>);
    static_assert(Min <= Max);
    using U = std::make_unsigned_t<T>;
    static constexpr bool kIs64 = sizeof(T) == 8;

    // A type-name argument: unsigned 32-bit limits are spelled as the signed value of their bits
    // (4294967295 is written -1).
    template <T V>
    static constexpr auto Argument() {
        if constexpr (std::is_same_v<T, uint32_t>) {
            return MTypeNumber<static_cast<int32_t>(V)>();
        } else {
            return MTypeNumber<V>();
        }
    }

public:
    static constexpr MTypeName kTypeName = MTypeName("MIntX<") + Spelling::kTypeName + MTypeName(",") +
                                           Argument<Max>() + MTypeName(",") + Argument<Min>() +
                                           MTypeName(",") + Argument<D>() + MTypeName(">");

    MIntX() : value_(Clamp(D)) {}
    explicit MIntX(T value) : value_(Clamp(value)) {}
    // The operand's characters, read as SetText(text, length) does.
    explicit MIntX(const std::string& operand) : MIntX() {
        SetText(operand.data(), static_cast<int>(operand.size()));
    }

    T SetValue(T value) { return value_ = Clamp(value); }
    T GetValue() const { return value_; }
    bool Is(T value) const { return value_ == value; }
    void Assign(const MIntX& other) { value_ = other.value_; }
    void Clear() { value_ = Clamp(D); }

    MIntX& PreIncrement() {
        SetValue(static_cast<T>(static_cast<U>(value_) + 1u));
        return *this;
    }
    MIntX PostIncrement() {
        const MIntX old = *this;
        PreIncrement();
        return old;
    }
    MIntX PostDecrement() {
        const MIntX old = *this;
        SetValue(static_cast<T>(static_cast<U>(value_) - 1u));
        return old;
    }
    // Adds n in T's own (wrapping) arithmetic, then forces the sum back into the range.
    T Add(T n) {
        value_ = static_cast<T>(static_cast<U>(value_) + static_cast<U>(n));
        return ClampToRange();
    }
    T ClampToRange() { return value_ = Clamp(value_); }
    // The digits of text after an optional sign, read as SetText does.
    void SetString(const std::string& text) { SetText(text.data(), static_cast<int>(text.size())); }
    T MultiplyBy(int n) { return SetValue(static_cast<T>(static_cast<U>(value_) * static_cast<U>(n))); }

    static constexpr bool kTextIsDisplayText = true;  // GetText gives the ToString text
    std::string ToString() const {
        int length = 0;
        const char* text = GetText(&length, nullptr);
        return std::string(text, static_cast<std::size_t>(length));
    }
    // Decimal text, zero-terminated, in the integer-text buffer (or a buffer of the type for the
    // 64-bit instances): valid on the calling thread until its next conversion.
    const char* GetText(int* length, bool* terminated) const {
        int count = 0;
        const char* text;
        if constexpr (kIs64) {
            thread_local char buffer[24];  // one per thread: any thread may format
            count = static_cast<int>(std::to_chars(buffer, buffer + 23, value_).ptr - buffer);
            buffer[count] = '\0';
            text = buffer;
        } else if constexpr (std::is_signed_v<T>) {
            text = FormatInt(value_, count);
        } else {
            text = FormatUInt(value_, count);
        }
        if (length) *length = count;
        if (terminated) *terminated = true;
        return text;
    }

    // Unvalidated: an empty text clears; otherwise a first character other than a digit or sign
    // gives 0, other non-digits read as zero digits, more than 20 characters give 0; then the
    // clamp. The 64-bit instances read a sign only in front (the signed digit parse).
    void SetText(const char* text, int length) {
        if (!text || length <= 0) {
            Clear();
        } else if constexpr (kIs64) {
            SetValue(ParseSignedDigits64(text, length));
        } else {
            SetValue(static_cast<T>(ParseIntegerText(text, length)));
        }
    }
    // A null text clears the 32-bit instances and leaves the 64-bit ones unchanged.
    void SetText(const char* text) {
        if (text) {
            SetText(text, static_cast<int>(std::strlen(text)));
        } else if constexpr (!kIs64) {
            Clear();
        }
    }

    // Null when the text is a number of the range; the lengths are tested before the characters.
    static const char* CheckText(const char* text) {
        static_assert(!kIs64, "the 64-bit instances do not check texts");
        if (!text || !*text) return "Invalid null value!";
        const std::size_t length = std::strlen(text);
        std::size_t start = 0;
        const char* limit = std::is_signed_v<T> ? "2147483647" : "4294967295";
        if (text[0] == '-') {
            if constexpr (!std::is_signed_v<T>) return "Negative value!";
            limit = "2147483648";
            start = 1;
        } else if (text[0] == '+') {
            start = 1;
        }
        const std::size_t digits = length - start;
        if (digits > 10) return "Value outside of the range!";
        if (digits == 10 && std::memcmp(text + start, limit, 10) > 0) return "Value outside of the range!";
        for (std::size_t i = start; i < length; ++i) {
            if (!IsDigitCharacter(text[i])) return "Invalid numeric value!";
        }
        const T value = static_cast<T>(ParseIntegerText(text, static_cast<int>(length)));
        if (value < Min || value > Max) return "Value outside of the range!";
        return nullptr;
    }

    // Monitor message: the decimal text, then the delimiter.
    void WriteFixed(MMsgFormat& format) const {
        int length = 0;
        const char* text = GetText(&length, nullptr);
        format.Write(text, length);
        format.WriteDelimiter();
    }
    // An empty field (the delimiter at once) clears; otherwise the bounded parse over the bytes
    // left, at the full range of T (code 1 without digits, code 2 beyond T), then past the
    // delimiter ("Message is too short" when the field runs to the end).
    void ReadFixed(MMsgFormat& format) {
        int remaining = 0;
        const char* bytes = format.GetRemaining(&remaining);
        int consumed = 0;
        if (remaining <= 0 || bytes[0] == format.GetDelimiter()) {
            Clear();
        } else if constexpr (kIs64) {
            int64_t value = 0;
            consumed = ParseBoundedInteger(bytes, remaining, int64_t{0}, value, -INT64_MAX, INT64_MAX);
            SetValue(value);
        } else if constexpr (std::is_signed_v<T>) {
            int32_t value = 0;
            consumed = ParseBoundedInteger(bytes, remaining, 0, value, INT32_MIN, INT32_MAX);
            SetValue(value);
        } else {
            uint32_t value = 0;
            consumed = ParseBoundedInteger(bytes, remaining, 0u, value, 0u, UINT32_MAX);
            SetValue(value);
        }
        format.SkipAndDelimiter(consumed);
    }

    static void SetupInterface(MInterface& column) {
        column.SetKind(MInterface::kNumber);
        column.SetWidth(10);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }

private:
    static constexpr T Clamp(T value) {
        if (value >= Max) return Max;
        if (value <= Min) return Min;
        return value;
    }

    T value_;
};

using MInt = MIntX<int32_t, 2147483647, -2147483647 - 1, 0>;
using MLong = MIntX<int32_t, 2147483647, -2147483647 - 1, 0, MLongSpelling>;
using MULong = MIntX<uint32_t, 4294967295u, 0, 0, MULongSpelling>;
using HostRetryCount = MIntX<uint32_t, 99, 0, 0>;
// One of the two parts of a row key (never negative).
using RowKeyPart = MIntX<int32_t, 2147483647, 0, 0>;
// The heartbeat time-out in seconds of the main window and the session (the limits of MULong).
using HeartbeatTimeout = MIntX<uint32_t, 4294967295u, 0, 0>;
using MInt64 = MIntX<int64_t, 9223372036854775807LL, -9223372036854775807LL, 0>;
