#include "grid/DateValidator.h"

#include <cctype>

namespace {

std::string WithoutWhiteSpace(const std::string& text) {
    std::string result;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c))) result += c;
    return result;
}

// Decimal digits only, at most 9 of them so that the value fits; "" gives 0.
bool DigitsValue(const std::string& digits, int32_t& value) {
    if (digits.size() > 9) return false;
    value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

}  // namespace

DateValidator::DateValidator(const std::string& format) : format_(WithoutWhiteSpace(format)) {}

bool DateValidator::Validate(const std::string& text) {
    const std::string compact = WithoutWhiteSpace(text);
    if (compact.empty() || format_.empty()) return false;
    return Parse(compact) && IsMonthValid() && IsDayValid();
}

bool DateValidator::Parse(const std::string& text) {
    year_ = month_ = day_ = 0;
    if (text.size() != format_.size()) return false;
    std::string year, month, day;
    for (size_t i = 0; i < text.size(); ++i) {
        switch (std::toupper(static_cast<unsigned char>(format_[i]))) {
            case 'Y':
                year += text[i];
                break;
            case 'M':
                month += text[i];
                break;
            case 'D':
                day += text[i];
                break;
            default:
                if (format_[i] != text[i]) return false;
        }
    }
    int32_t y = 0, m = 0, d = 0;
    if (!DigitsValue(year, y) || !DigitsValue(month, m) || !DigitsValue(day, d)) return false;
    year_ = y;
    month_ = m;
    day_ = d;
    return true;
}

bool DateValidator::IsMonthValid() const {
    return month_ >= 1 && month_ <= 12;
}

bool DateValidator::IsDayValid() const {
    static constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (day_ < 1 || day_ > 31 || !IsMonthValid()) return false;
    const int32_t length = month_ == 2 && year_ % 4 == 0 ? 29 : kDays[month_ - 1];
    return day_ <= length;
}
