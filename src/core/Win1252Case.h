#pragma once
// Upper and lower case of Windows-1252 bytes, by table, without locale: the ASCII letters, the
// accented letters 0xC0-0xDE and 0xE0-0xFE (but the multiplication and division signs 0xD7 and
// 0xF7), and the pairs Š/š, Œ/œ, Ž/ž, Ÿ/ÿ. Other bytes (ß and µ among them) are their own case.
#include <array>

namespace win1252 {

namespace detail {

constexpr std::array<unsigned char, 256> MakeUpperTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c) table[c] = static_cast<unsigned char>(c - 32);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7) table[c] = static_cast<unsigned char>(c - 32);
    table[0x9A] = 0x8A;
    table[0x9C] = 0x8C;
    table[0x9E] = 0x8E;
    table[0xFF] = 0x9F;
    return table;
}

constexpr std::array<unsigned char, 256> MakeLowerTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c) table[c] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7) table[c] = static_cast<unsigned char>(c + 32);
    table[0x8A] = 0x9A;
    table[0x8C] = 0x9C;
    table[0x8E] = 0x9E;
    table[0x9F] = 0xFF;
    return table;
}

inline constexpr std::array<unsigned char, 256> kUpper = MakeUpperTable();
inline constexpr std::array<unsigned char, 256> kLower = MakeLowerTable();

}  // namespace detail

constexpr char ToUpper(char c) {
    return static_cast<char>(detail::kUpper[static_cast<unsigned char>(c)]);
}
constexpr char ToLower(char c) {
    return static_cast<char>(detail::kLower[static_cast<unsigned char>(c)]);
}

}  // namespace win1252
