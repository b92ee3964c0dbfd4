#include "grid/TemplateManager.h"

#include <iterator>

#include "core/BaseIniFile.h"

std::string TemplateManager::SectionOfKind(int childType) {
    static const char* const kSections[] = {"AccountTemplate",
                                            "PositionTemplate",
                                            "CommandHistoryTemplate",
                                            "",
                                            "HistoricalAccountTemplate",
                                            "HistoricalPositionTemplate",
                                            "HistoricalSubmissionTemplate",
                                            "HistoricalCommandTemplate"};
    return childType >= 0 && childType < int(std::size(kSections)) ? kSections[childType] : "";
}

void TemplateManager::LoadFromFile(const BaseIniFile& file) {
    file.ReadSectionValues(sectionName_, lines_);
}

void TemplateManager::SaveToFile(BaseIniFile& file) const {
    for (const std::string& line : lines_) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        file.WriteString(sectionName_, line.substr(0, equals), line.substr(equals + 1));
    }
}
