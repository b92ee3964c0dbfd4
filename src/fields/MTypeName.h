#pragma once
// A type name spelled at compile time ("MRPString<16,32,MValAccept>"): a fixed array of characters
// built by joining literal pieces and decimal numbers with '+'. Value types keep theirs in a static
// constexpr member, so a name costs no storage per object and no work at run time.
#include <cstddef>

template <std::size_t N>
struct MTypeName {
    char text[N + 1] = {};

    constexpr MTypeName() = default;
    constexpr MTypeName(const char (&literal)[N + 1]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = literal[i];
    }
    constexpr const char* c_str() const { return text; }
    static constexpr std::size_t size() { return N; }
};

template <std::size_t K>
MTypeName(const char (&)[K]) -> MTypeName<K - 1>;

template <std::size_t A, std::size_t B>
constexpr MTypeName<A + B> operator+(const MTypeName<A>& a, const MTypeName<B>& b) {
    MTypeName<A + B> joined;
    for (std::size_t i = 0; i < A; ++i) joined.text[i] = a.text[i];
    for (std::size_t i = 0; i < B; ++i) joined.text[A + i] = b.text[i];
    return joined;
}

namespace type_name_detail {
constexpr std::size_t CountDigits(long long value) {
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
    std::size_t count = value < 0 ? 2 : 1;
    while (magnitude >= 10) {
        magnitude /= 10;
        ++count;
    }
    return count;
}
}  // namespace type_name_detail

// The decimal text of V, with a leading '-' for a negative value.
template <long long V>
constexpr auto MTypeNumber() {
    constexpr std::size_t count = type_name_detail::CountDigits(V);
    MTypeName<count> name;
    unsigned long long magnitude = V < 0 ? 0ULL - static_cast<unsigned long long>(V) : V;
    for (std::size_t i = count; i-- > (V < 0 ? 1 : 0);) {
        name.text[i] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    if (V < 0) name.text[0] = '-';
    return name;
}
