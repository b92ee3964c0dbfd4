#include "fields/TextToDateTime.h"

#include "fields/MTimeDuration.h"
#include "fields/TimeArithmetic.h"

MDateTimeTimePoint TextToDateTime(const std::string& text) {
    const MTimeDuration offset(text.c_str());
    MDateTimeTimePoint now(0, TIME_UNIT_NANOSECOND);
    now.SetNow(true);
    return now - offset;
}
