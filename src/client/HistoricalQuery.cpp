#include "client/HistoricalQuery.h"

#include <chrono>
#include <cstdio>

namespace {

std::chrono::sys_days DaysOf(const FormDateTime& date) {
    return std::chrono::sys_days(std::chrono::year(date.year) / std::chrono::month(unsigned(date.month)) /
                                 std::chrono::day(unsigned(date.day)));
}

std::string CutTrailingBlanks(const std::string& text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

}  // namespace

int32_t HistoricalQuery::RangeLimit(const std::string& firmText) {
    return firmText == kAllFirms ? kAllFirmsLimit : kOneFirmLimit;
}

int64_t HistoricalQuery::DaysBetween(const FormDateTime& start, const FormDateTime& end) {
    return (DaysOf(end) - DaysOf(start)).count();
}

bool HistoricalQuery::IsRangeTooLong(const FormDateTime& start, const FormDateTime& end,
                                     const std::string& firmText) {
    return DaysBetween(start, end) > RangeLimit(firmText);
}

std::string HistoricalQuery::FirmCode(const std::string& firmText) {
    std::string code = firmText == kAllFirms ? std::string() : firmText.substr(0, 4);
    code.resize(4, ' ');
    return code;
}

int HistoricalQuery::FindFirmItem(const std::vector<std::string>& items, const std::string& code) {
    const std::string wanted = CutTrailingBlanks(code);
    if (wanted.empty()) return items.empty() ? -1 : 0;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == wanted) return int(i);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].size() >= 4 && items[i].compare(0, 4, wanted) == 0) return int(i);
    return -1;
}

std::string HistoricalQuery::DateText(const FormDateTime& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", int(date.year % 10000), int(date.month % 100),
                  int(date.day % 100));
    return text;
}

FormDateTime HistoricalQuery::ParseDateText(const std::string& text) {
    if (text.size() != 8) return {};
    int32_t value[3] = {};
    const std::size_t widths[3] = {4, 2, 2};
    std::size_t at = 0;
    for (int part = 0; part < 3; ++part) {
        for (std::size_t i = 0; i < widths[part]; ++i, ++at) {
            const char c = text[at];
            if (c < '0' || c > '9') return {};
            value[part] = value[part] * 10 + (c - '0');
        }
    }
    const FormDateTime date = FormDateTime::Date(value[0], value[1], value[2]);
    const std::chrono::year_month_day ymd{std::chrono::year(date.year),
                                          std::chrono::month(unsigned(date.month)),
                                          std::chrono::day(unsigned(date.day))};
    return ymd.ok() ? date : FormDateTime{};
}
