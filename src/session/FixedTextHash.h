#pragma once
// Hash of a fixed-width key of N bytes (a padded text taken as it stands, or several such texts
// side by side), for the session's lookup tables: a key is an array of its bytes, compared and
// hashed over all of them, pads included. A plain function object; nothing allocates.
#include <array>
#include <cstddef>
#include <functional>
#include <string_view>

template <std::size_t N>
using FixedTextKey = std::array<char, N>;

struct FixedTextHash {
    template <std::size_t N>
    std::size_t operator()(const FixedTextKey<N>& key) const noexcept {
        return std::hash<std::string_view>{}(std::string_view(key.data(), N));
    }
};
