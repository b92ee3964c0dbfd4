#include "fields/MTTimePoint.h"

#include <cstdio>

#include "core/MException.h"

namespace time_point_detail {

void WriteNumber(MMsgFormat& format, int64_t value) {
    char text[24];
    const int length = std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
    format.Write(text, length);
    format.WriteDelimiter();
}

int64_t ReadNumber(MMsgFormat& format) {
    int remaining = 0;
    const char* p = format.GetRemaining(&remaining);
    if (remaining <= 0) ThrowMException(1, "Message is too short");
    int i = 0;
    const bool negative = p[0] == '-';
    if (p[0] == '+' || p[0] == '-') ++i;
    const int firstDigit = i;
    int64_t value = 0;
    for (; i < remaining && p[i] >= '0' && p[i] <= '9'; ++i) {
        const int digit = p[i] - '0';
        value = SaturatingAdd(SaturatingMultiply(value, 10), negative ? -digit : digit);
    }
    if (i == firstDigit) ThrowMException(1, "Invalid integer value, no digits found");
    format.SkipAndDelimiter(i);
    return value;
}

}  // namespace time_point_detail
