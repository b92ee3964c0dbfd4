#include "net/MSchedulerXRule.h"

#include <cstdio>

#include "fields/MDescFormat.h"

bool MSchedulerXRule::Fire(const MDateTimeTimePoint& now) {
    if (nextDate_ > now) return false;
    lastDate_ = now;
    return true;
}

bool MSchedulerXRule::AfterFire() {
    if (oneShot_) open_ = false;
    return true;
}

void MSchedulerXRule::Describe(MDescFormat& describer) const {
    char name[24];
    std::snprintf(name, sizeof(name), "%-20.20s", name_.c_str());
    std::string line = name;
    line += open_ ? " O" : " C";
    line += " Next Date ";
    line += nextDate_.ToString('/', ':');
    line += " Last ";
    line += lastDate_.ToString('/', ':');
    line += ' ';
    line += GetText();
    describer.WriteText(line, "");
}
