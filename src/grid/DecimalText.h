#pragma once
// Reading the decimal numbers of settings values that the windows convert strictly.
#include <charconv>
#include <cstdint>
#include <string_view>

// The whole text as a decimal integer with an optional leading '-', within 32 bits: no blanks,
// no '+', no hexadecimal. False and value unchanged otherwise.
inline bool ParseDecimalText(std::string_view text, int32_t& value) {
    const char* end = text.data() + text.size();
    int32_t parsed = 0;
    const auto result = std::from_chars(text.data(), end, parsed);
    if (result.ec != std::errc() || result.ptr != end) return false;
    value = parsed;
    return true;
}
