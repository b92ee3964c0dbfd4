#include "fields/NumericTextParsing.h"

#include <array>
#include <cstdio>

#include "core/MException.h"

namespace {

constexpr int CharacterValue(int c, int radix) {
    if (c >= '0' && c <= '9') return c - '0';
    if (radix == 62 && c >= 'A' && c <= 'Z') return c - 'A' + 10;
    if (radix == 62 && c >= 'a' && c <= 'z') return c - 'a' + 36;
    return -1;
}

// table[k][c]: the value of character c in place k of a group of four (k = 0 units .. 3).
template <class V>
using PositionTables = std::array<std::array<V, 256>, 4>;

template <class V, int R>
constexpr PositionTables<V> MakePositionTables() {
    PositionTables<V> t{};
    V weight = 1;
    for (int k = 0; k < 4; ++k) {
        for (int c = 0; c < 256; ++c) {
            const int v = CharacterValue(c, R);
            t[k][c] = v < 0 ? 0 : static_cast<V>(v) * weight;
        }
        weight *= R;
    }
    return t;
}

constexpr PositionTables<uint32_t> kDecimal32 = MakePositionTables<uint32_t, 10>();
constexpr PositionTables<uint64_t> kDecimal64 = MakePositionTables<uint64_t, 10>();
constexpr PositionTables<uint32_t> kBase62 = MakePositionTables<uint32_t, 62>();

constexpr std::array<bool, 256> MakeClassTable(bool letters) {
    std::array<bool, 256> t{};
    for (int c = 0; c < 256; ++c) {
        t[c] = letters ? (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') : c >= '0' && c <= '9';
    }
    return t;
}

constexpr std::array<bool, 256> kDigits = MakeClassTable(false);
constexpr std::array<bool, 256> kLetters = MakeClassTable(true);

inline unsigned char Byte(const char* p, int i) {
    return static_cast<unsigned char>(p[i]);
}

// Value of n = 1..4 characters: the first from the table of place n-1, the last from the units.
template <class V>
inline V ParseGroup(const PositionTables<V>& t, const char* p, int n) {
    switch (n) {
        case 1:
            return t[0][Byte(p, 0)];
        case 2:
            return t[1][Byte(p, 0)] + t[0][Byte(p, 1)];
        case 3:
            return t[2][Byte(p, 0)] + t[1][Byte(p, 1)] + t[0][Byte(p, 2)];
        default:
            return t[3][Byte(p, 0)] + t[2][Byte(p, 1)] + t[1][Byte(p, 2)] + t[0][Byte(p, 3)];
    }
}

// Whole groups of four first, then the last 1..4 characters; unsigned arithmetic wraps.
template <class V, V R>
V ParseRadix(const PositionTables<V>& t, const char* p, int n) {
    if (n < 1 || n > 20) return 0;
    if (n <= 4) return ParseGroup(t, p, n);
    constexpr V kPowers[5] = {1, R, R * R, R * R * R, R * R * R * R};
    const int q = (n - 1) / 4;
    const int r = n - 4 * q;
    V value = ParseGroup(t, p, 4);
    for (int g = 1; g < q; ++g) value = value * kPowers[4] + ParseGroup(t, p + 4 * g, 4);
    return value * kPowers[r] + ParseGroup(t, p + 4 * q, r);
}

// A digit run read twice over: modulo 2^64 (the routines' result) and exactly, the exact value
// held at 10^20 once it passes every 64-bit number.
struct DigitRun {
    int digits = 0;
    uint64_t value = 0;
    unsigned __int128 exact = 0;
};

DigitRun ReadDigitRun(const char* text, int count) {
    constexpr unsigned __int128 kLimit = static_cast<unsigned __int128>(10000000000ULL) * 10000000000ULL;
    DigitRun run;
    while (run.digits < count && kDigits[Byte(text, run.digits)]) {
        const unsigned digit = static_cast<unsigned>(text[run.digits] - '0');
        run.value = run.value * 10 + digit;
        if (run.exact < kLimit) run.exact = run.exact * 10 + digit;
        ++run.digits;
    }
    if (run.digits == 0) ThrowMException(1, "Invalid integer value, no digits found");
    return run;
}

struct SignedRun {
    DigitRun run;
    bool negative = false;
    int signLength = 0;
};

SignedRun ReadSignedRun(const char* text, int count) {
    if (count <= 0) ThrowMException(1, "Invalid integer value, no digits found");
    SignedRun result;
    if (text[0] == '+' || text[0] == '-') {
        result.negative = text[0] == '-';
        result.signLength = 1;
    }
    result.run = ReadDigitRun(text + result.signLength, count - result.signLength);
    return result;
}

// The run's value modulo the width of S, negated for a '-'.
template <class S, class U>
S SignedValue(const SignedRun& read) {
    const U magnitude = static_cast<U>(read.run.value);
    return static_cast<S>(read.negative ? U{0} - magnitude : magnitude);
}

// Bounds test on the exact number read; a number beyond every 64-bit value is shown as read.
void CheckExactBounds(const char* text, const SignedRun& read, __int128 allowed, __int128 min, __int128 max) {
    const __int128 magnitude = static_cast<__int128>(read.run.exact);
    const __int128 exact = read.negative ? -magnitude : magnitude;
    if (exact == allowed || (exact >= min && exact <= max)) return;
    if (exact >= INT64_MIN && exact <= INT64_MAX) {
        RaiseIntegerOutOfBounds(static_cast<long>(min), static_cast<long>(exact), static_cast<long>(max));
    }
    ThrowMException(2, "Out of bounds integer value(%ld <= %s%.*s <= %ld)", static_cast<long>(min),
                    read.negative ? "-" : "", read.run.digits, text + read.signLength,
                    static_cast<long>(max));
}

static_assert(sizeof(long) == 8, "bounds messages print 64-bit values with %ld");

}  // namespace

void RaiseIntegerOutOfBounds(long min, long value, long max) {
    ThrowMException(2, "Out of bounds integer value(%ld <= %ld <= %ld)", min, value, max);
}

bool IsDigitCharacter(char c) {
    return kDigits[static_cast<unsigned char>(c)];
}

bool IsLetterCharacter(char c) {
    return kLetters[static_cast<unsigned char>(c)];
}

uint32_t DigitValue(char c) {
    return kDecimal32[0][static_cast<unsigned char>(c)];
}

uint32_t ParseTwoDigits(const char* p) {
    return ParseGroup(kDecimal32, p, 2);
}

uint32_t ParseThreeDigits(const char* p) {
    return ParseGroup(kDecimal32, p, 3);
}

uint32_t ParseFourDigits(const char* p) {
    return ParseGroup(kDecimal32, p, 4);
}

uint32_t ParseEightDigits(const char* p) {
    return ParseFourDigits(p) * 10000 + ParseFourDigits(p + 4);
}

uint32_t ParseDecimalDigits(const char* p, int n) {
    return ParseRadix<uint32_t, 10>(kDecimal32, p, n);
}

uint64_t ParseDecimalDigits64(const char* p, int n) {
    return ParseRadix<uint64_t, 10>(kDecimal64, p, n);
}

uint32_t ParseDigitText(const char* p, int n) {
    return ParseDecimalDigits(p, n);
}

uint32_t ParseBase62Digits(const char* p, int n) {
    return ParseRadix<uint32_t, 62>(kBase62, p, n);
}

int32_t ParseSignedDigits(const char* p, int n) {
    if (n <= 0) return 0;
    if (IsDigitCharacter(p[0])) return static_cast<int32_t>(ParseDecimalDigits(p, n));
    if (p[0] == '+') return static_cast<int32_t>(ParseDecimalDigits(p + 1, n - 1));
    if (p[0] == '-') return static_cast<int32_t>(0u - ParseDecimalDigits(p + 1, n - 1));
    return 0;
}

int64_t ParseSignedDigits64(const char* p, int n) {
    if (n <= 0) return 0;
    if (IsDigitCharacter(p[0])) return static_cast<int64_t>(ParseDecimalDigits64(p, n));
    if (p[0] == '+') return static_cast<int64_t>(ParseDecimalDigits64(p + 1, n - 1));
    if (p[0] == '-') return static_cast<int64_t>(0u - ParseDecimalDigits64(p + 1, n - 1));
    return 0;
}

uint32_t ParseIntegerText(const char* p, int n) {
    if (n <= 0) return 0;
    const bool negative = p[0] == '-';
    if (!negative && p[0] != '+' && !IsDigitCharacter(p[0])) return 0;
    const uint32_t value = ParseDecimalDigits(p, n);
    return negative ? 0u - value : value;
}

int ParseDigitRun(const char* text, int count, uint32_t& value) {
    const DigitRun run = ReadDigitRun(text, count);
    value = static_cast<uint32_t>(run.value);
    return run.digits;
}

int ParseDigitRun(const char* text, int count, uint64_t& value) {
    const DigitRun run = ReadDigitRun(text, count);
    value = run.value;
    return run.digits;
}

int ParseSignedRun(const char* text, int count, int32_t& value) {
    const SignedRun read = ReadSignedRun(text, count);
    value = SignedValue<int32_t, uint32_t>(read);
    return read.run.digits;
}

int ParseSignedRun(const char* text, int count, int64_t& value) {
    const SignedRun read = ReadSignedRun(text, count);
    value = SignedValue<int64_t, uint64_t>(read);
    return read.run.digits;
}

int ParseBoundedInteger(const char* text, int count, int32_t allowed, int32_t& value, int32_t min,
                        int32_t max) {
    const SignedRun read = ReadSignedRun(text, count);
    value = SignedValue<int32_t, uint32_t>(read);
    CheckExactBounds(text, read, allowed, min, max);
    return read.run.digits;
}

int ParseBoundedInteger(const char* text, int count, uint32_t allowed, uint32_t& value, uint32_t min,
                        uint32_t max) {
    SignedRun read;
    read.run = ReadDigitRun(text, count);
    value = static_cast<uint32_t>(read.run.value);
    CheckExactBounds(text, read, allowed, min, max);
    return read.run.digits;
}

int ParseBoundedInteger(const char* text, int count, int64_t allowed, int64_t& value, int64_t min,
                        int64_t max) {
    const SignedRun read = ReadSignedRun(text, count);
    value = SignedValue<int64_t, uint64_t>(read);
    CheckExactBounds(text, read, allowed, min, max);
    return read.run.digits;
}
