#pragma once
// The record of the framework settings looked up, with the values found: a list of entries
// "name[value]" and a summary text of every entry followed by ",". Process-wide, empty at
// start-up; written by the settings lookup, never read by this program.
#include <string>
#include <vector>

// Appends name[value] to the list and name[value], to the summary (null texts count as empty).
void RecordSettingUsed(const char* name, const char* value);
const std::vector<std::string>& GetSettingsUsed();
const std::string& GetSettingsUsedText();
// Test hook: empties the record.
void ClearSettingsUsed();
