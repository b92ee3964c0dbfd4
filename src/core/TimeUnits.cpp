#include "core/TimeUnits.h"

const MTimeUnit& GetTimeUnit(int unit) {
    return TimeUnitTable[unit >= 0 && unit < kTimeUnitCount ? unit : TIME_UNIT_NANOSECOND];
}

int64_t UnitsToCount(int64_t count, int unit) {
    return static_cast<int64_t>(static_cast<uint64_t>(count) *
                                static_cast<uint64_t>(GetTimeUnit(unit).length));
}

int64_t CountToUnits(int64_t count, int unit) {
    return count / GetTimeUnit(unit).length;
}
