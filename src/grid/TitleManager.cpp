#include "grid/TitleManager.h"

#include "core/BaseIniFile.h"
#include "grid/ChunkedKeyList.h"
#include "grid/DecimalText.h"

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
    // The key lists only read from the file.
    auto& source = const_cast<BaseIniFile&>(file);
    for (const Key1ValueData& pair :
         ChunkedKeyList(source, sectionName_, "Titles").ReadKey1ValueList(";", "(", ")")) {
        const auto it = titles_.find(pair.Key);
        if (it != titles_.end()) it->second.Title = pair.Value;
    }
    for (const Key2ValueData& entry :
         ChunkedKeyList(source, sectionName_, "TitlesColors").ReadKey2ValueList(";", "(", ",", ")")) {
        const auto it = titles_.find(entry.Key);
        if (it == titles_.end()) continue;
        int32_t value = 0;
        if (!ParseDecimalText(entry.Value, value)) continue;
        it->second.BackgroundColor = value;
        if (!ParseDecimalText(entry.SecondValue, value)) continue;
        it->second.ForegroundColor = value;
    }
}

namespace {

bool HasOwnColors(const TitleProperty& entry) {
    return entry.BackgroundColor != TitleProperty::kWindowColor ||
           entry.ForegroundColor != TitleProperty::kWindowTextColor;
}

}  // namespace

bool TitleManager::HasUserChanges() const {
    for (const auto& [name, entry] : titles_)
        if (entry.Title != name || HasOwnColors(entry)) return true;
    return false;
}

void TitleManager::SaveToFile(BaseIniFile& file) const {
    std::vector<std::string> titles, colors;
    for (const auto& [name, entry] : titles_) {
        if (entry.Title != name) titles.push_back(name + "(" + entry.Title + ");");
        if (HasOwnColors(entry))
            colors.push_back(name + "(" + std::to_string(entry.BackgroundColor) + "," +
                             std::to_string(entry.ForegroundColor) + ");");
    }
    ChunkedKeyList titleList(file, sectionName_, "Titles");
    for (const std::string& entry : titles) titleList.Add(entry);
    titleList.Save();
    ChunkedKeyList colorList(file, sectionName_, "TitlesColors");
    for (const std::string& entry : colors) colorList.Add(entry);
    colorList.Save();
}
