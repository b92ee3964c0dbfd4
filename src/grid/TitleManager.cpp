#include "grid/TitleManager.h"

#include "core/BaseIniFile.h"
#include "grid/DecimalText.h"

namespace {

constexpr size_t kMaxLine = 1024;      // key, '=' and value of one line
constexpr int32_t kMinStaleKeys = 20;  // a missing count reads as 20, so at least these go

// Writes the entries as a chunked key list: baseKey, baseKey1, ... and countKey, then deletes
// the numbered keys beyond the new count that an earlier save may have written.
void WriteChunked(BaseIniFile& file, const std::string& section, const std::string& baseKey,
                  const std::string& countKey, const std::vector<std::string>& entries) {
    const int32_t oldCount = file.ReadCount(section, countKey);
    std::string key = baseKey;
    std::string value;
    int32_t counter = 0;
    for (const std::string& entry : entries) {
        if (key.size() + 1 + value.size() + entry.size() > kMaxLine) {
            file.WriteString(section, key, value);
            ++counter;
            key = baseKey + std::to_string(counter);
            value = entry;
        } else {
            value += entry;
        }
    }
    file.WriteString(section, key, value);
    file.WriteInteger(section, countKey, counter + 1);
    for (int32_t n = counter + 1; n < oldCount || n < kMinStaleKeys; ++n)
        file.DeleteKey(section, baseKey + std::to_string(n));
}

std::string NumberedKey(const char* base, int32_t n) {
    return n == 0 ? std::string(base) : base + std::to_string(n);
}

}  // namespace

TitleManager::TitleManager(const std::vector<std::string>& columnNames, const std::string& sectionName)
    : columnNames_(columnNames), sectionName_(sectionName) {
    ResetTitles();
}

std::string TitleManager::SectionOfKind(int childType) {
    switch (childType) {
        case 0:
            return "AccountTitles";
        case 1:
            return "PositionTitles";
        case 2:
            return "CommandHistoryTitles";
        case 4:
            return "HistoricalAccountTitles";
        case 5:
            return "HistoricalPositionTitles";
        case 6:
            return "HistoricalSubmissionTitles";
        case 7:
            return "HistoricalCommandTitles";
        default:
            return "";
    }
}

void TitleManager::ResetTitles() {
    for (const std::string& name : columnNames_) {
        TitleProperty& entry = titles_[name];
        entry = TitleProperty();
        entry.Title = name;
    }
}

std::string TitleManager::GetUserTitle(const std::string& columnName) const {
    const auto it = titles_.find(columnName);
    return it == titles_.end() ? std::string() : it->second.Title;
}

std::string TitleManager::FindColumnByTitle(const std::string& title) const {
    for (const auto& [name, entry] : titles_)
        if (entry.Title == title) return name;
    return "";
}

ColorValue TitleManager::GetBackgroundColor(const std::string& columnName, ColorValue defaultColor) const {
    const auto it = titles_.find(columnName);
    if (it == titles_.end() || it->second.BackgroundColor == TitleProperty::kWindowColor) return defaultColor;
    return ColorValue(it->second.BackgroundColor);
}

ColorValue TitleManager::GetForegroundColor(const std::string& columnName, ColorValue defaultColor) const {
    const auto it = titles_.find(columnName);
    if (it == titles_.end() || it->second.ForegroundColor == TitleProperty::kWindowTextColor)
        return defaultColor;
    return ColorValue(it->second.ForegroundColor);
}

void TitleManager::LoadFromFile(const BaseIniFile& file) {
    ResetTitles();
    const int32_t titleKeys = file.ReadCount(sectionName_, "TitlesCount");
    Key1ValueDataVector titles;
    for (int32_t j = 0; j < titleKeys; ++j) {
        file.ReadKey1ValueList(sectionName_, NumberedKey("Titles", j), titles, ";", "(", ")");
        for (const Key1ValueData& pair : titles) {
            const auto it = titles_.find(pair.Key);
            if (it != titles_.end()) it->second.Title = pair.Value;
        }
    }
    const int32_t colorKeys = file.ReadCount(sectionName_, "TitlesColorsCount");
    Key2ValueDataVector colors;
    for (int32_t j = 0; j < colorKeys; ++j) {
        file.ReadKey2ValueList(sectionName_, NumberedKey("TitlesColors", j), colors, ";", "(", ",", ")");
        for (const Key2ValueData& entry : colors) {
            const auto it = titles_.find(entry.Key);
            if (it == titles_.end()) continue;
            int32_t value = 0;
            if (!ParseDecimalText(entry.Value, value)) continue;
            it->second.BackgroundColor = value;
            if (!ParseDecimalText(entry.SecondValue, value)) continue;
            it->second.ForegroundColor = value;
        }
    }
}

void TitleManager::SaveToFile(BaseIniFile& file) const {
    std::vector<std::string> titles, colors;
    for (const auto& [name, entry] : titles_) {
        if (entry.Title != name) titles.push_back(name + "(" + entry.Title + ");");
        if (entry.BackgroundColor != TitleProperty::kWindowColor ||
            entry.ForegroundColor != TitleProperty::kWindowTextColor)
            colors.push_back(name + "(" + std::to_string(entry.BackgroundColor) + "," +
                             std::to_string(entry.ForegroundColor) + ");");
    }
    WriteChunked(file, sectionName_, "Titles", "TitlesCount", titles);
    WriteChunked(file, sectionName_, "TitlesColors", "TitlesColorsCount", colors);
}
