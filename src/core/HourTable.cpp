#include "core/HourTable.h"

#include <ctime>

int64_t FunctionLocalHour::Convert(const MTimeParts& t) {
    std::tm copy = t.ToTm();
    return mktime(&copy);
}

int64_t FunctionUTCHour::Convert(const MTimeParts& t) {
    std::tm copy = t.ToTm();
    return timegm(&copy);
}

template <class Function>
HourTable<Function>& HourTable<Function>::Instance() {
    static HourTable instance;
    return instance;
}

template <class Function>
void HourTable<Function>::Clear() {
    HourTable& table = Instance();
    table.slots_.fill(Slot{});
    table.memo_ = Slot{};
}

template <class Function>
bool HourTable<Function>::Matches(const Slot& s, const MTimeParts& t) {
    return s.filled && s.hour == t.tm_hour && s.mday == t.tm_mday && s.mon == t.tm_mon &&
           s.year == t.tm_year && s.isdst == t.tm_isdst;
}

template <class Function>
int64_t HourTable<Function>::HourStart(const MTimeParts& t) {
    if (!Matches(memo_, t)) {
        MTimeParts hour = t;
        hour.tm_min = 0;
        hour.tm_sec = 0;
        memo_ = Slot{t.tm_year, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_isdst, true, Function::Convert(hour)};
    }
    return memo_.seconds;
}

template <class Function>
int64_t HourTable<Function>::ToSeconds(const MTimeParts& t) {
    HourTable& table = Instance();
    const int64_t minutesAndSeconds = int64_t{t.tm_min} * 60 + t.tm_sec;
    if (t.tm_year >= 0 && t.tm_year < 200 && t.tm_mon >= 0 && t.tm_mon < 12 && t.tm_mday >= 0 &&
        t.tm_mday < 32 && t.tm_hour >= 0 && t.tm_hour < 24) {
        const int index = (((t.tm_year * 12 + t.tm_mon) * 32 + t.tm_mday) * 24 + t.tm_hour) % kSlots;
        Slot& slot = table.slots_[index];
        if (!Matches(slot, t)) {
            table.HourStart(t);
            slot = table.memo_;
        }
        return slot.seconds == -1 ? -1 : slot.seconds + minutesAndSeconds;
    }
    if (t.tm_year < 0) return -1;
    const int64_t start = table.HourStart(t);
    return start == -1 ? -1 : start + minutesAndSeconds;
}

template class HourTable<FunctionLocalHour>;
template class HourTable<FunctionUTCHour>;
