#pragma once
// Integer to decimal text, table-driven: whole four-digit groups are looked up in a constant
// table. FormatInt, FormatUInt and FormatUIntMinWidth return a pointer into the table or into the
// calling thread's result buffer, valid until its next conversion; the caller copies the characters.
#include <cstdint>

const char* FormatInt(int32_t value, int& length);
const char* FormatUInt(uint32_t value, int& length);
// width in: minimum number of characters (zero-filled, never cut); out: the text's length.
const char* FormatUIntMinWidth(uint32_t value, int& width);
// Writes exactly width characters (no terminator): the value modulo 10^width, right-aligned and
// zero-filled, with a leading '-' for negative values.
char* FormatInt64Fixed(char* dest, int64_t value, int width);

namespace digit_text_detail {
void WriteDigits(char* dest, uint32_t value, int count);  // count <= 8, value < 10^count
}  // namespace digit_text_detail

// Writes an integer as exactly N characters into a field (no terminator).
template <int N>
struct MDigitText {
    static_assert(N >= 1 && N <= 10);
    static constexpr int64_t GetMaximum() {
        int64_t m = 1;
        for (int i = 0; i < N; ++i) m *= 10;
        return m - 1;
    }
    static constexpr int64_t GetModulus() { return GetMaximum() + 1; }

    // value mod 10^N, or mod 10^(N-1) for negative values.
    static char* Format(char* dest, int value) {
        int64_t v = value;
        v = v >= 0 ? v % GetModulus() : v % (GetModulus() / 10);
        return Write(dest, v);
    }
    // Limited to [-(10^(N-1) - 1), 10^N - 1].
    static char* FormatClamped(char* dest, int value) {
        int64_t v = value;
        const int64_t low = -(GetModulus() / 10 - 1);
        if (v > GetMaximum()) v = GetMaximum();
        if (v < low) v = low;
        return Write(dest, v);
    }

private:
    static char* Write(char* dest, int64_t v) {
        if (v < 0) {
            dest[0] = '-';
            WriteDigits(dest + 1, static_cast<uint64_t>(-v), N - 1);
        } else {
            WriteDigits(dest, static_cast<uint64_t>(v), N);
        }
        return dest;
    }
    // More than eight digits go as the leading ones, then a group of eight.
    static void WriteDigits(char* dest, uint64_t v, int count) {
        if (count > 8) {
            digit_text_detail::WriteDigits(dest, static_cast<uint32_t>(v / 100000000), count - 8);
            dest += count - 8;
            v %= 100000000;
            count = 8;
        }
        digit_text_detail::WriteDigits(dest, static_cast<uint32_t>(v), count);
    }
};
