#pragma once
// Reads the value of a date or time picker into a date or a time of day, as the dialogs validate
// them: the picker's date as "yyyymmdd" or its time as "hhnnss", trimmed. A text that the value's
// type refuses reveals and focuses the picker and sets `error` to the label's caption, " - " and
// "Invalid date!" or "Invalid time!"; an empty text gives `emptyMessage` when a value is required,
// and clears the value otherwise. True when the value was taken (or cleared); `error` is emptied
// first.
#include <string>

#include "fields/MTTimePoint.h"

class DateTimePicker;
class QLabel;

bool ReadPickerValue(MDate& value, DateTimePicker* picker, const QLabel* label,
                     const std::string& emptyMessage, std::string& error, bool required);
bool ReadPickerValue(MTimeTimePoint& value, DateTimePicker* picker, const QLabel* label,
                     const std::string& emptyMessage, std::string& error, bool required);
