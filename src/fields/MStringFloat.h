#pragma once
// Decimal number held as text, stored, sent and compared as its characters: a sign-and-scale
// character (a blank for the null value, '0' + d for a positive or zero value with d decimals,
// 'A' + d for a negative one) followed by the digit text F (the value's digits right-aligned
// with '0' fill), so the value is (sign) x digits / 10^d. K is the number of places of the text
// form, 100 standing for the stored places; X and Y are 0. A new or cleared value is all blanks
// (null). Plain bytes, no terminator: copies, compares and the wire form work in place; only
// ToString builds a std::string. Its column is a number column of width 32.
#include <algorithm>
#include <cstring>
#include <string>

#include "fields/MComparable.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MStringFractionData.h"
#include "fields/MTypeName.h"
#include "fields/NumericTextParsing.h"

template <class F, int K, int X, int Y>
class MStringFloat : public MComparable<MStringFloat<F, K, X, Y>> {
    friend class MComparable<MStringFloat<F, K, X, Y>>;
    // Three-way order of the values, for MComparable.
    int Compare(const MStringFloat& other) const { return Compare(*this, other); }

    static constexpr int kDigits = F::kWidth;
    static_assert(kDigits >= 1 && kDigits <= 9);
    static_assert(K == 100 || (K >= 0 && K <= 20));

public:
    static constexpr MTypeName kTypeName = MTypeName("MStringFloat<") + F::kTypeName + MTypeName(",") +
                                           MTypeNumber<K>() + MTypeName(",") + MTypeNumber<X>() +
                                           MTypeName(",") + MTypeNumber<Y>() + MTypeName(">");
    static constexpr int kSize = 1 + kDigits;

    MStringFloat() { Clear(); }
    explicit MStringFloat(const char* text) {
        Clear();
        SetText(text);
    }
    explicit MStringFloat(const std::string& text) {
        Clear();
        SetText(text.data(), static_cast<int>(std::min<std::size_t>(text.size(), 0x7fffffff)));
    }

    void Clear() {
        sign_ = ' ';
        std::memset(fraction_.digits, F::kPad, kDigits);
    }
    void Assign(const MStringFloat& other) { *this = other; }
    bool IsNull() const { return sign_ == ' '; }
    bool IsNegative() const { return IsLetterCharacter(sign_); }
    // d, from the sign-and-scale character; 0 when it is no scale character.
    int GetDecimals() const {
        const int d = sign_ - (IsNegative() ? 'A' : '0');
        return d >= 0 && d <= 9 ? d : 0;
    }
    // The stored characters.
    const char* GetData() const { return reinterpret_cast<const char*>(this); }

    // The value with its point always shown: "123.45", "7.", "0.0012345", "-1.5"; empty for null.
    static constexpr bool kTextIsDisplayText = true;  // GetText gives the ToString text
    std::string ToString() const {
        char text[kTextSize];
        return std::string(text, static_cast<std::size_t>(Format(text)));
    }
    // The same text, zero-terminated in a buffer of the type valid on the calling thread until its
    // next GetText there.
    const char* GetText(int* length, bool* terminated) const {
        thread_local char buffer[kTextSize + 1];  // one per thread: any thread may format
        const int count = Format(buffer);
        buffer[count] = '\0';
        if (length) *length = count;
        if (terminated) *terminated = false;
        return buffer;
    }

    // The price parse: leading blanks and '0's skipped, then a '-' (and the skip again); the
    // digits around the first '.' (or, without one, ',') kept, at most kDigits characters of
    // them, right-aligned; nothing at all gives the null value. Unvalidated: CheckText is the
    // callers' guard.
    void SetText(const char* text, int length) {
        int n = text ? std::max(length, 0) : 0;
        const char* p = text;
        SkipBlanksAndZeros(p, n);
        if (n == 0) {
            Clear();
            return;
        }
        bool negative = false;
        if (*p == '-') {
            negative = true;
            ++p;
            --n;
            SkipBlanksAndZeros(p, n);
        }
        const char* separator = static_cast<const char*>(std::memchr(p, '.', static_cast<std::size_t>(n)));
        if (!separator)
            separator = static_cast<const char*>(std::memchr(p, ',', static_cast<std::size_t>(n)));
        char digits[kDigits];
        int count = 0;
        int decimals = 0;
        if (separator) {
            count = std::min(n - 1, kDigits);
            const int before = static_cast<int>(separator - p);
            if (before < count) {
                decimals = count - before;
                std::memcpy(digits, p, static_cast<std::size_t>(before));
                std::memcpy(digits + before, separator + 1, static_cast<std::size_t>(decimals));
            } else {
                std::memcpy(digits, p, static_cast<std::size_t>(count));
            }
        } else {
            count = std::min(n, kDigits);
            std::memcpy(digits, p, static_cast<std::size_t>(count));
        }
        std::memset(fraction_.digits, '0', static_cast<std::size_t>(kDigits - count));
        std::memcpy(fraction_.digits + kDigits - count, digits, static_cast<std::size_t>(count));
        sign_ = static_cast<char>((negative ? 'A' : '0') + decimals);
    }
    // A null text gives the null value.
    void SetText(const char* text) { SetText(text, text ? static_cast<int>(std::strlen(text)) : 0); }

    // Null for leading blanks, one optional '-', then digits with at most one '.' or ',', no more
    // than kDigits significant digits in all (leading '0's and trailing fraction '0's aside);
    // anything else, a null text or nothing after the sign: "Invalid value!".
    static const char* CheckText(const char* text) {
        if (!text) return "Invalid value!";
        const char* p = text;
        while (*p == ' ') ++p;
        if (*p == '-') ++p;
        if (!*p) return "Invalid value!";
        bool separator = false;
        bool started = false;
        int integerDigits = 0;
        int fractionDigits = 0;  // up to the last non-zero one
        int fractionPlace = 0;
        for (; *p; ++p) {
            if (*p == '.' || *p == ',') {
                if (separator) return "Invalid value!";
                separator = true;
            } else if (!IsDigitCharacter(*p)) {
                return "Invalid value!";
            } else if (separator) {
                ++fractionPlace;
                if (*p != '0') fractionDigits = fractionPlace;
            } else if (started || *p != '0') {
                started = true;
                ++integerDigits;
            }
        }
        return integerDigits + fractionDigits > kDigits ? "Invalid value!" : nullptr;
    }

    // Numeric order: null first; a negative value (a negative zero too) below a positive one;
    // values of different decimals compared with their digits aligned (1.5 equals 1.50).
    // Negative, 0 or positive.
    static int Compare(const MStringFloat& a, const MStringFloat& b) {
        if (a.IsNull()) return b.IsNull() ? 0 : -1;
        if (b.IsNull()) return 1;
        if (a.IsNegative() != b.IsNegative()) return a.IsNegative() ? -1 : 1;
        const int sign = a.IsNegative() ? -1 : 1;
        const int da = a.GetDecimals();
        const int db = b.GetDecimals();
        if (da == db) return sign * Sign(std::memcmp(a.fraction_.digits, b.fraction_.digits, kDigits));
        if (da < db) return sign * CompareAligned(a.fraction_.digits, b.fraction_.digits, db - da);
        return -sign * CompareAligned(b.fraction_.digits, a.fraction_.digits, da - db);
    }

    // Monitor message: exactly the kSize characters; reading with fewer left raises "Message is
    // too short" and takes nothing.
    void WriteFixed(MMsgFormat& format) const { format.Write(this, kSize); }
    void ReadFixed(MMsgFormat& format) {
        const char* bytes = format.GetCurrent();
        format.Skip(kSize);
        std::memcpy(static_cast<void*>(this), bytes, kSize);
    }

    static void SetupInterface(MInterface& column) {
        column.SetKind(MInterface::kNumber);
        column.SetWidth(32);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }

private:
    static constexpr int kTextSize = 3 + kDigits + 9 + (K == 100 ? 0 : K);  // sign, digits, point, fraction

    static void SkipBlanksAndZeros(const char*& p, int& n) {
        while (n > 0 && *p == ' ') ++p, --n;
        while (n > 1 && *p == '0') ++p, --n;
    }
    static int Sign(int order) { return order < 0 ? -1 : order > 0 ? 1 : 0; }
    // Magnitudes of s (fewer decimals) and l (k more decimals): positive when s is the larger.
    static int CompareAligned(const char* s, const char* l, int k) {
        for (int i = 0; i < k; ++i) {
            if (s[i] != '0') return 1;
        }
        for (int i = 0; i < kDigits - k; ++i) {
            if (s[k + i] != l[i])
                return static_cast<unsigned char>(s[k + i]) < static_cast<unsigned char>(l[i]) ? -1 : 1;
        }
        for (int i = kDigits - k; i < kDigits; ++i) {
            if (l[i] != '0') return -1;
        }
        return 0;
    }

    // Writes the text form (no terminator); returns its length.
    int Format(char* text) const {
        if (IsNull()) return 0;
        char* out = text;
        if (IsNegative()) *out++ = '-';
        int first = 0;
        while (first < kDigits && fraction_.digits[first] == '0') ++first;
        const char* significant = fraction_.digits + first;
        const int n = kDigits - first;
        const int d = GetDecimals();
        if (d < n) {
            std::memcpy(out, significant, static_cast<std::size_t>(n - d));
            out += n - d;
        } else {
            *out++ = '0';
        }
        *out++ = '.';
        if (d > n) {
            std::memset(out, '0', static_cast<std::size_t>(d - n));
            out += d - n;
        }
        const int shown = std::min(d, n);
        std::memcpy(out, significant + n - shown, static_cast<std::size_t>(shown));
        out += shown;
        if (K != 100 && K > d) {
            std::memset(out, '0', static_cast<std::size_t>(K - d));
            out += K - d;
        }
        return static_cast<int>(out - text);
    }

    char sign_;
    F fraction_;
};
