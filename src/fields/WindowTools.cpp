#include "fields/WindowTools.h"

#include <array>

#include "core/TimeUnits.h"
#include "fields/MTimeDuration.h"
#include "fields/TimeArithmetic.h"

namespace {

FormDateTime DateOf(const MTimeParts& t) {
    return FormDateTime::Date(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
}

int32_t PartOf(const MTimeParts& t, int32_t code) {
    switch (code) {
        case DATE_PART_YEAR:
            return t.tm_year + 1900;
        case DATE_PART_MONTH:
            return t.tm_mon + 1;
        case DATE_PART_DAY:
            return t.tm_mday;
        case DATE_PART_WEEKDAY:
            return t.tm_wday;
        case DATE_PART_DAY_OF_YEAR:
            return t.tm_yday;
        case DATE_PART_HOUR:
            return t.tm_hour;
        case DATE_PART_MINUTE:
            return t.tm_min;
        case DATE_PART_SECOND:
            return t.tm_sec;
        case DATE_PART_MILLISECOND:
            return t.tm_msec;
        case DATE_PART_MICROSECOND:
            return t.tm_usec;
        case DATE_PART_NANOSECOND:
            return t.tm_nsec;
        default:
            return 0;
    }
}

// One column of the report: up to `lines` lines from `first`; false when a step failed.
bool DSTColumn(MDate date, int lines, std::array<std::string, 31>& column,
               const std::function<MDate(const MDate&)>& nextDay) {
    auto line = [](const MDate& d, int32_t& weekday) {
        std::string name;
        weekday = GetWeekdayName(d, name);
        std::string text = d.ToString('/') + " is " + name + "\t";
        if (name != "Wednesday") text += '\t';
        return text;
    };
    int32_t previous = 0;
    column[0] = line(date, previous);
    for (int k = 1; k < lines; ++k) {
        date = nextDay(date);
        int32_t weekday = 0;
        column[k] = line(date, weekday);
        if (weekday != previous + 1 && !(previous == 6 && weekday == 0)) return false;
        previous = weekday;
    }
    return true;
}

bool IsForbiddenCharacter(char character) {
    const auto c = static_cast<unsigned char>(character);
    return c == '=' || c == ';' || c >= 127;
}

}  // namespace

bool CheckForbiddenCharacters(const char* text, std::string* forbidden) {
    if (!text) return true;
    for (const char* p = text; *p; ++p) {
        if (IsForbiddenCharacter(*p)) {
            if (forbidden) forbidden->assign(1, *p);
            return false;
        }
    }
    return true;
}

bool CheckForbiddenCharacters(const std::string& text, std::string* forbidden) {
    for (const char c : text) {
        if (c == '\0' || IsForbiddenCharacter(c)) {
            if (forbidden) forbidden->assign(1, c);
            return false;
        }
    }
    return true;
}

MDateTimeTimePoint CurrentDateTimePoint() {
    MDateTimeTimePoint point;
    point.SetNow(true);
    return point;
}

MDate CurrentDate() {
    MDate date;
    date.SetNow(true);
    return date;
}

// Made on each call: the local day of the instant depends on the zone, which tests change.
MDate GetEarliestDate() {
    return MDate(315532800, TIME_UNIT_SECOND);
}

MDate GetLatestDate() {
    return MDate::GetMaximum();
}

int32_t GetDatePart(MDate date, int32_t code) {
    return PartOf(date.GetTm(), code);
}

int32_t GetDateTimePart(MDateTimeTimePoint point, int32_t code) {
    return PartOf(point.GetTm(), code);
}

FormDateTime TodayAsDateTime() {
    return DateToDateTime(CurrentDate());
}

FormDateTime NowAsTimeOfDay() {
    return DateTimePointToTime(CurrentDateTimePoint());
}

FormDateTime DateToDateTime(MDate date) {
    return DateOf(date.GetTm());
}

FormDateTime DateTimePointToDate(MDateTimeTimePoint point) {
    return DateOf(point.GetTm());
}

FormDateTime DateTimePointToTime(MDateTimeTimePoint point) {
    const MTimeParts t = point.GetTm();
    return FormDateTime::Time(t.tm_hour, t.tm_min, t.tm_sec, t.tm_msec);
}

const char* WeekdayName(int32_t weekday) {
    static constexpr const char* kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
    return weekday >= 0 && weekday <= 6 ? kNames[weekday] : "Unknown";
}

int32_t GetWeekdayName(MDate date, std::string& name) {
    const int32_t weekday = GetDatePart(date, DATE_PART_WEEKDAY);
    name = WeekdayName(weekday);
    return weekday;
}

void DSTSupportReport(std::string& text) {
    DSTSupportReport(text, [](const MDate& date) { return date + MTimeDuration(1, TIME_UNIT_DAY); });
}

void DSTSupportReport(std::string& text, const std::function<MDate(const MDate&)>& nextDay) {
    const std::string year = std::to_string(GetDatePart(CurrentDate(), DATE_PART_YEAR));
    std::array<std::string, 31> march;
    std::array<std::string, 31> november;
    const bool marchOk = DSTColumn(MDate(year + "0301"), 31, march, nextDay);
    const bool novemberOk = DSTColumn(MDate(year + "1101"), 30, november, nextDay);
    for (int k = 0; k < 30; ++k) text += march[k] + november[k] + "\n";
    text += march[30] + "\n";
    text +=
        marchOk && novemberOk ? "\nDST is configured properly\n" : "\nError: there is a problem with DST\n";
}
