#pragma once
// The template of one window kind held in memory: the key=value lines of the kind's template
// section of a workspace file, in file order. There is one template per kind and it has no name
// of its own; it travels with the workspace (filled when one is loaded, written into every one
// saved, emptied when it is closed). Qt-free; GUI thread only.
#include <string>
#include <vector>

class BaseIniFile;

class TemplateManager {
public:
    explicit TemplateManager(const std::string& sectionName) : sectionName_(sectionName) {}

    // The template section of a window kind (0 accounts ... 7 historical commands); "" for a kind
    // without a template (3, the master-account chooser) or an unknown one.
    static std::string SectionOfKind(int childType);

    void Clear() { lines_.clear(); }
    // Replaces the lines with the section's key=value lines in file order; none when the file
    // lacks the section.
    void LoadFromFile(const BaseIniFile& file);
    // Writes each line's key and value (split at its first '=', a line without one is skipped)
    // into the section. The section is not erased first: keys the lines lack stay in the file.
    void SaveToFile(BaseIniFile& file) const;

    const std::vector<std::string>& GetLines() const { return lines_; }
    const std::string& GetSectionName() const { return sectionName_; }

private:
    std::vector<std::string> lines_;
    std::string sectionName_;
};
