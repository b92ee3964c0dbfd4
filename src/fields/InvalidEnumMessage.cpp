#include "fields/InvalidEnumMessage.h"

#include <algorithm>
#include <cstring>

namespace {
std::size_t Append(char* buffer, std::size_t used, const char* text, std::size_t length) {
    const std::size_t count = std::min(length, static_cast<std::size_t>(kEnumMessageCapacity) - used);
    std::memcpy(buffer + used, text, count);
    buffer[used + count] = 0;
    return used + count;
}
}  // namespace

const char* FormatInvalidEnum(char* buffer, const char* text, std::size_t length) {
    static constexpr char kPrefix[] = "Invalid enum [";
    std::size_t used = Append(buffer, 0, kPrefix, sizeof kPrefix - 1);
    if (text) used = Append(buffer, used, text, length);
    Append(buffer, used, "]", 1);
    return buffer;
}
