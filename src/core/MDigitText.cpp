#include "core/MDigitText.h"

#include <array>
#include <cstring>

namespace {

struct Tables {
    std::array<char, 10000 * 5> groups{};
    std::array<int32_t, 10000> digitCounts{};
};

constexpr Tables MakeTables() {
    Tables t;
    for (int v = 0; v < 10000; ++v) {
        char* e = &t.groups[v * 5];
        e[0] = static_cast<char>('0' + v / 1000);
        e[1] = static_cast<char>('0' + v / 100 % 10);
        e[2] = static_cast<char>('0' + v / 10 % 10);
        e[3] = static_cast<char>('0' + v % 10);
        e[4] = '\0';
        t.digitCounts[v] = v < 10 ? 1 : v < 100 ? 2 : v < 1000 ? 3 : 4;
    }
    return t;
}

constexpr Tables kTables = MakeTables();
constexpr int kBufferSize = 20;
// Results are built backwards from the terminator; one buffer per thread: any thread may format.
thread_local char resultBuffer[kBufferSize + 1];

const char* Entry(uint32_t v) {
    return &kTables.groups[v * 5];
}

// Builds v (>= 10,000, or any value when allowZero is false and v is 0: nothing is built)
// backwards ending at the buffer's terminator; returns the first character and its length.
char* BuildBackwards(uint32_t v, int& length) {
    char* p = resultBuffer + kBufferSize;
    *p = '\0';
    length = 0;
    while (v > 0) {
        const uint32_t g = v % 10000;
        v /= 10000;
        const int n = v > 0 ? 4 : kTables.digitCounts[g];
        p -= n;
        std::memcpy(p, Entry(g) + 4 - n, n);
        length += n;
    }
    return p;
}

}  // namespace

namespace digit_text_detail {

void WriteDigits(char* dest, uint32_t value, int count) {
    if (count <= 4) {
        std::memcpy(dest, Entry(value) + 4 - count, count);
    } else {
        std::memcpy(dest, Entry(value / 10000) + 8 - count, count - 4);
        std::memcpy(dest + count - 4, Entry(value % 10000), 4);
    }
}

}  // namespace digit_text_detail

const char* FormatUInt(uint32_t value, int& length) {
    if (value < 10000) {
        length = kTables.digitCounts[value];
        return Entry(value) + 4 - length;
    }
    return BuildBackwards(value, length);
}

const char* FormatInt(int32_t value, int& length) {
    if (value >= 0) return FormatUInt(static_cast<uint32_t>(value), length);
    if (value == INT32_MIN) {
        length = 11;
        return "-2147483648";
    }
    char* p = BuildBackwards(static_cast<uint32_t>(-value), length);
    *--p = '-';
    ++length;
    return p;
}

const char* FormatUIntMinWidth(uint32_t value, int& width) {
    // The result buffer holds at most kBufferSize characters: wider requests are capped.
    int w = width < 0 ? 0 : width > kBufferSize ? kBufferSize : width;
    if (w <= 4 && value < 10000) {
        const int n = w > kTables.digitCounts[value] ? w : kTables.digitCounts[value];
        width = n;
        return Entry(value) + 4 - n;
    }
    int length = 0;
    char* p = BuildBackwards(value, length);
    while (length < w) {
        *--p = '0';
        ++length;
    }
    width = length;
    return p;
}

char* FormatInt64Fixed(char* dest, int64_t value, int width) {
    if (width <= 0) return dest;
    char* field = dest;
    int remaining = width;
    uint64_t v = static_cast<uint64_t>(value);
    if (value < 0) {
        dest[0] = '-';
        ++field;
        --remaining;
        v = 0 - v;  // the minimum keeps its bit pattern: 2^63
    }
    int groups = v < 10000ULL               ? 1
                 : v < 100000000ULL         ? 2
                 : v < 1000000000000ULL     ? 3
                 : v < 10000000000000000ULL ? 4
                                            : 5;
    // Below 2^64 the fifth (highest) group is at most 1844: every group fits one table entry.
    for (int i = 0; i < groups && remaining > 0; ++i) {
        const uint32_t g = static_cast<uint32_t>(v % 10000);
        v /= 10000;
        const int n = remaining > 4 ? 4 : remaining;
        std::memcpy(field + remaining - n, Entry(g) + 4 - n, n);
        remaining -= n;
    }
    if (remaining > 0) std::memset(field, '0', remaining);
    return dest;
}
