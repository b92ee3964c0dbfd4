#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "core/ProcessClock.h"
#include "core/TimeUnits.h"
#include "fields/TextToDateTime.h"

namespace {

TEST(TextToDateTime, NowLessTheOffsetReadAsATimeOfDay) {
    struct Case {
        const char* text;
        int64_t offsetSeconds;  // subtracted from now
    };
    const Case cases[] = {{"1:00:00", 3600}, {"26:30:00", 95400}, {"00:00:10.500", 10}, {"nonsense", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const int64_t before = ReadSystemClock();
        const MDateTimeTimePoint point = TextToDateTime(c.text);
        const int64_t after = ReadSystemClock();
        EXPECT_GE(point.GetCount(), before - c.offsetSeconds * kNanosecondsPerSecond - kNanosecondsPerSecond);
        EXPECT_LE(point.GetCount(), after - c.offsetSeconds * kNanosecondsPerSecond);
    }
}

}  // namespace
