#pragma once
// Window tools without a window: the forbidden-character test of the data screens, the current
// date and time, the earliest and latest dates the date pickers offer, the parts of a date,
// weekday names, conversions between the framework's dates and the forms' date-time values, and
// the daylight-saving support report.
#include <cstdint>
#include <functional>
#include <string>

#include "fields/FormDateTime.h"
#include "fields/MTTimePoint.h"

// True when no character of the terminated text is '=', ';', the byte 127 or a byte of 128 and
// above; otherwise false, and the first such character goes to `forbidden` when one is given.
// The control bytes 1 to 31 pass.
bool CheckForbiddenCharacters(const char* text, std::string* forbidden = nullptr);
// The same test over every byte of the text, where a zero byte is forbidden as well: a text read
// from a file may hold one, and nothing after it may escape the test.
bool CheckForbiddenCharacters(const std::string& text, std::string* forbidden = nullptr);

// The current date-time point and today, after a fresh reading of the framework clock.
MDateTimeTimePoint CurrentDateTimePoint();
MDate CurrentDate();

// The earliest date the pickers offer: the local day of 1980-01-01 00:00:00 UTC (31 December
// 1979 where local time is behind UTC). The latest: the largest valid date.
MDate GetEarliestDate();
MDate GetLatestDate();

// Part codes of GetDatePart and GetDateTimePart: one field of the local broken-down time.
enum DatePartCode : int32_t {
    DATE_PART_YEAR = 0,         // four digits
    DATE_PART_MONTH = 1,        // 1-12
    DATE_PART_DAY = 2,          // day of the month
    DATE_PART_WEEKDAY = 3,      // 0 Sunday to 6 Saturday
    DATE_PART_DAY_OF_YEAR = 4,  // from 0
    DATE_PART_HOUR = 5,
    DATE_PART_MINUTE = 6,
    DATE_PART_SECOND = 7,
    DATE_PART_MILLISECOND = 8,
    DATE_PART_MICROSECOND = 9,
    DATE_PART_NANOSECOND = 10,
};
// Any other code gives 0.
int32_t GetDatePart(MDate date, int32_t code);
int32_t GetDateTimePart(MDateTimeTimePoint point, int32_t code);

FormDateTime TodayAsDateTime();
FormDateTime NowAsTimeOfDay();
FormDateTime DateToDateTime(MDate date);
FormDateTime DateTimePointToDate(MDateTimeTimePoint point);
FormDateTime DateTimePointToTime(MDateTimeTimePoint point);

// "Sunday" to "Saturday" for 0 to 6, "Unknown" for any other number.
const char* WeekdayName(int32_t weekday);
// The date's weekday, 0 (Sunday) to 6 (Saturday); its name goes to `name`.
int32_t GetWeekdayName(MDate date, std::string& name);

// Appends the daylight-saving report: whether stepping a date by whole days from 1 March and from
// 1 November of the current year gives consecutive weekdays.
void DSTSupportReport(std::string& text);
// The same with the step that moves a date on by one day.
void DSTSupportReport(std::string& text, const std::function<MDate(const MDate&)>& nextDay);
