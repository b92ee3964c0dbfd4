#pragma once
// Fixed-point decimal held as integers: value = mantissa / 10^decimals, with a signed 64-bit
// mantissa and a signed count of decimals kept to at most D. Construction brings the value into
// one normal form (at most D decimals, rounded half away from zero; at most 18 digits; no
// trailing zero digit, so a whole number may have negative decimals: 1200 is (12, -2)), so values
// compare by their fields. Zero is (0, D), null (0, D + 1). A plain value: no column, binder or
// wire form; nothing allocates.
#include <cstdint>

#include "fields/NumericTextParsing.h"

template <int D>
class MDecimal {
    static_assert(D >= 0 && D <= 17);

public:
    constexpr MDecimal(int64_t mantissa, int16_t decimals) : mantissa_(mantissa), decimals_(decimals) {
        Normalise();
    }

    constexpr int64_t GetMantissa() const { return mantissa_; }
    constexpr int32_t GetDecimals() const { return decimals_; }

    constexpr bool IsNull() const { return mantissa_ == 0 && decimals_ == D + 1; }
    // True for null, and for a zero mantissa, which then gets D decimals.
    constexpr bool IsZeroOrNull() {
        if (IsNull()) return true;
        if (mantissa_ != 0) return false;
        decimals_ = D;
        return true;
    }
    constexpr void SetZero() {
        mantissa_ = 0;
        decimals_ = D;
    }
    constexpr void SetNull() {
        mantissa_ = 0;
        decimals_ = D + 1;
    }

    constexpr void Normalise() {
        if (IsZeroOrNull()) return;
        if (decimals_ > D) {
            if (decimals_ - D >= 18) {
                SetZero();
                return;
            }
            mantissa_ = RoundDiv(mantissa_, decimals_ - D);
            decimals_ = D;
        }
        if (mantissa_ >= kPowers[18] || mantissa_ <= -kPowers[18]) {
            mantissa_ = RoundDiv(mantissa_, 1);
            --decimals_;
        }
        if (IsZeroOrNull()) return;
        while (mantissa_ % 10 == 0) {
            mantissa_ /= 10;
            --decimals_;
        }
    }

    // m / 10^k (k = 1..17) rounded half away from zero.
    static constexpr int64_t RoundDiv(int64_t m, int k) {
        const int64_t divisor = kPowers[k];
        int64_t quotient = m / divisor;
        const int64_t remainder = m % divisor;
        if ((remainder < 0 ? -remainder : remainder) >= divisor / 2) quotient += m > 0 ? 1 : -1;
        return quotient;
    }

    // Leading blanks, then any number of '-' (one or more make it negative), then digits with at
    // most one '.'; anything else, a null text or no characters give null. Digits beyond the
    // 18th are dropped without rounding; trailing zeros are not kept; a zero gets D decimals.
    void SetText(const char* text, int length) {
        if (!text || length <= 0) {
            SetNull();
            return;
        }
        const char* p = text;
        const char* const end = text + length;
        while (p < end && *p == ' ') ++p;
        bool negative = false;
        for (; p < end && *p == '-'; ++p) negative = true;
        while (p < end && *p == '0') ++p;
        char digits[18] = {};
        int count = 0;          // digits seen, numbered from 1
        int integerDigits = 0;  // digits before the point
        int lastNonZero = 0;    // number of the last non-zero digit among the first 18
        bool point = false;
        for (; p < end; ++p) {
            if (*p == '.' && !point) {
                point = true;
                continue;
            }
            if (*p < '0' || *p > '9') {
                SetNull();
                return;
            }
            ++count;
            if (!point) ++integerDigits;
            if (count <= 18) {
                digits[count - 1] = *p;
                if (*p != '0') lastNonZero = count;
            }
        }
        const int64_t magnitude = static_cast<int64_t>(ParseDecimalDigits64(digits, lastNonZero));
        mantissa_ = negative ? -magnitude : magnitude;
        decimals_ = lastNonZero - integerDigits;
        IsZeroOrNull();
    }

    // Equal mantissas, and equal decimals unless the mantissa is 0.
    friend constexpr bool operator==(const MDecimal& a, const MDecimal& b) {
        return a.mantissa_ == b.mantissa_ && (a.decimals_ == b.decimals_ || a.mantissa_ == 0);
    }

private:
    static constexpr int64_t kPowers[19] = {1,
                                            10,
                                            100,
                                            1000,
                                            10000,
                                            100000,
                                            1000000,
                                            10000000,
                                            100000000,
                                            1000000000,
                                            10000000000,
                                            100000000000,
                                            1000000000000,
                                            10000000000000,
                                            100000000000000,
                                            1000000000000000,
                                            10000000000000000,
                                            100000000000000000,
                                            1000000000000000000};

    int64_t mantissa_;
    int32_t decimals_;
};

// The framework's decimal limits.
inline constexpr MDecimal<5> kLargestDecimal(9223372036854775805, 4);
inline constexpr MDecimal<5> kSmallestDecimal(-9223372036854775806, 4);
