#pragma once
// Signed 64-bit sums and products held at the type's limits instead of overflowing, for time
// counts built from untrusted fields (texts, environment settings).
#include <cstdint>
#include <limits>

// a + b, held at INT64_MIN / INT64_MAX.
inline int64_t SaturatingAdd(int64_t a, int64_t b) {
    int64_t sum = 0;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

// a - b, held at INT64_MIN / INT64_MAX.
inline int64_t SaturatingSubtract(int64_t a, int64_t b) {
    int64_t difference = 0;
    if (!__builtin_sub_overflow(a, b, &difference)) return difference;
    return b < 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

// a x b, held at INT64_MIN / INT64_MAX.
inline int64_t SaturatingMultiply(int64_t a, int64_t b) {
    int64_t product = 0;
    if (!__builtin_mul_overflow(a, b, &product)) return product;
    return (a < 0) != (b < 0) ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
}
