#pragma once
// Now minus a time offset: the framework clock is refreshed, then the duration that text gives
// as a time of day (hours, minutes, seconds and fractions) is subtracted. A text that does not
// read gives the invalid duration of minus one second, so the answer is one second after now.
// The grid filters use it for conditions relative to the current time.
#include <string>

#include "fields/MTTimePoint.h"

MDateTimeTimePoint TextToDateTime(const std::string& text);
