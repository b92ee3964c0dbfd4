#pragma once
// The rules of the historical query dialog, without a window: the range check (whole days between
// the two dates against a limit chosen by the firm list's text), the firm code read from the list's
// text, the list item that a preset firm code selects, and the dates as YYYYMMDD text. Plain
// functions of their arguments.
#include <cstdint>
#include <string>
#include <vector>

#include "fields/FormDateTime.h"

class HistoricalQuery {
public:
    // The first item of a supervisor's firm list.
    static constexpr const char* kAllFirms = "0000 - All Firms";
    static constexpr int32_t kAllFirmsLimit = 5;
    static constexpr int32_t kOneFirmLimit = 10;

    // 5 days when the list's text asks for all firms, else 10 (also without a firm list).
    static int32_t RangeLimit(const std::string& firmText);
    // Whole days from start to end (negative when the end comes first).
    static int64_t DaysBetween(const FormDateTime& start, const FormDateTime& end);
    static bool IsRangeTooLong(const FormDateTime& start, const FormDateTime& end,
                               const std::string& firmText);

    // The 4-character firm code of the list's text: blanks for all firms (and for no text), else
    // its first 4 characters, blank-padded.
    static std::string FirmCode(const std::string& firmText);
    // The item a preset code selects: the first item for a blank code; else the item whose text
    // equals the code (trailing blanks cut), failing that the first whose first 4 characters equal
    // it; -1 for none.
    static int FindFirmItem(const std::vector<std::string>& items, const std::string& code);

    static std::string DateText(const FormDateTime& date);
    // A YYYYMMDD text as a date; a text that is not one gives the empty value.
    static FormDateTime ParseDateText(const std::string& text);
};
