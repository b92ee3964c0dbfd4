#pragma once
// Checks a date text against a digit pattern such as "yyyymmdd": 'Y', 'M' and 'D' (either case)
// take a digit of the year, month or day, any other character must appear as it stands. White
// space is removed from both the pattern and the text. Every year divisible by 4 counts as a leap
// year. A plain value; Qt-free.
#include <cstdint>
#include <string>

class DateValidator {
public:
    explicit DateValidator(const std::string& format);

    // False for an empty text or format; otherwise Parse, IsMonthValid and IsDayValid must hold.
    bool Validate(const std::string& text);
    // Splits the text into year, month and day by the format: false when the lengths differ, a
    // literal character differs, or a part holds a non-digit or more digits than 9. An empty part
    // gives 0.
    bool Parse(const std::string& text);
    bool IsMonthValid() const;
    bool IsDayValid() const;

    int32_t GetYear() const { return year_; }
    int32_t GetMonth() const { return month_; }
    int32_t GetDay() const { return day_; }

private:
    std::string format_;
    int32_t year_ = 0;
    int32_t month_ = 0;
    int32_t day_ = 0;
};
