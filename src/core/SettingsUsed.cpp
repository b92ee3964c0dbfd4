#include "core/SettingsUsed.h"

namespace {
std::vector<std::string> settingsUsed;
std::string settingsUsedText;
}  // namespace

void RecordSettingUsed(const char* name, const char* value) {
    std::string entry = name ? name : "";
    entry += '[';
    entry += value ? value : "";
    entry += ']';
    settingsUsedText += entry;
    settingsUsedText += ',';
    settingsUsed.push_back(std::move(entry));
}

const std::vector<std::string>& GetSettingsUsed() {
    return settingsUsed;
}
const std::string& GetSettingsUsedText() {
    return settingsUsedText;
}

void ClearSettingsUsed() {
    settingsUsed.clear();
    settingsUsedText.clear();
}
