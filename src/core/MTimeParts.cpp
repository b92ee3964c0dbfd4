#include "core/MTimeParts.h"

MTimeParts MTimeParts::FromTm(const std::tm& t) {
    MTimeParts p;
    p.tm_sec = t.tm_sec;
    p.tm_min = t.tm_min;
    p.tm_hour = t.tm_hour;
    p.tm_mday = t.tm_mday;
    p.tm_mon = t.tm_mon;
    p.tm_year = t.tm_year;
    p.tm_wday = t.tm_wday;
    p.tm_yday = t.tm_yday;
    p.tm_isdst = t.tm_isdst;
    return p;
}

std::tm MTimeParts::ToTm() const {
    std::tm t{};
    t.tm_sec = tm_sec;
    t.tm_min = tm_min;
    t.tm_hour = tm_hour;
    t.tm_mday = tm_mday;
    t.tm_mon = tm_mon;
    t.tm_year = tm_year;
    t.tm_wday = tm_wday;
    t.tm_yday = tm_yday;
    t.tm_isdst = tm_isdst;
    return t;
}
