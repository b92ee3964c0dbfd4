#pragma once
// Hash of a fixed-width key of N bytes (a padded text taken as it stands, or several such texts
// side by side), for the session's lookup tables: a key is an array of its bytes, compared and
// hashed over all of them, pads included. The bytes are read eight at a time and mixed by
// multiplication, inline. A plain function object; nothing allocates.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

template <std::size_t N>
using FixedTextKey = std::array<char, N>;

// The count (below 8) bytes at bytes as the low bytes of a word, read in pieces of 4, 2 and 1
// bytes that land in registers: a short copy into a word in memory read back whole would stall
// on its store.
inline uint64_t LoadFixedTextTail(const char* bytes, std::size_t count) noexcept {
    uint64_t word = 0;
    std::size_t at = 0;
    if (count & 4) {
        uint32_t piece;
        std::memcpy(&piece, bytes, 4);
        word = piece;
        at = 4;
    }
    if (count & 2) {
        uint16_t piece;
        std::memcpy(&piece, bytes + at, 2);
        word |= uint64_t(piece) << (8 * at);
        at += 2;
    }
    if (count & 1) word |= uint64_t(static_cast<unsigned char>(bytes[at])) << (8 * at);
    return word;
}

// Whether two keys hold the same bytes, compared eight at a time, inline (std::array's == calls
// memcmp, whose call costs more than the comparison of a short key).
template <std::size_t N>
bool SameFixedText(const FixedTextKey<N>& a, const FixedTextKey<N>& b) noexcept {
    std::size_t at = 0;
    for (; at + 8 <= N; at += 8) {
        uint64_t x, y;
        std::memcpy(&x, a.data() + at, 8);
        std::memcpy(&y, b.data() + at, 8);
        if (x != y) return false;
    }
    if constexpr (N % 8 == 0) {
        return true;
    } else {
        return LoadFixedTextTail(a.data() + at, N % 8) == LoadFixedTextTail(b.data() + at, N % 8);
    }
}

struct FixedTextHash {
    template <std::size_t N>
    std::size_t operator()(const FixedTextKey<N>& key) const noexcept {
        uint64_t hash = 0x9E3779B97F4A7C15ull ^ N;
        std::size_t at = 0;
        for (; at + 8 <= N; at += 8) hash = Mix(hash, Load(key.data() + at, 8));
        if (at < N) hash = Mix(hash, Load(key.data() + at, N - at));
        return static_cast<std::size_t>(hash ^ (hash >> 29));
    }

private:
    static uint64_t Load(const char* bytes, std::size_t count) {
        if (count < 8) return LoadFixedTextTail(bytes, count);
        uint64_t word;
        std::memcpy(&word, bytes, 8);
        return word;
    }
    static uint64_t Mix(uint64_t hash, uint64_t word) {
        hash = (hash ^ word) * 0xBF58476D1CE4E5B9ull;
        return hash ^ (hash >> 31);
    }
};
