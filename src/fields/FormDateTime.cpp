#include "fields/FormDateTime.h"

#include <tuple>

bool IsDateTimeLess(const FormDateTime& a, const FormDateTime& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second, a.millisecond) <
           std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second, b.millisecond);
}
