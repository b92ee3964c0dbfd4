#pragma once
// The titles that the user gave the columns of one window kind, and the colours in which the
// columns' cells are painted. One manager per window kind, shared by every window of that kind;
// it reads and writes its own section of a workspace file. Every listed column has an entry from
// construction on; lookups never add entries. Qt-free; GUI thread only.
//
// Section layout (chunked key lists of at most 1024 characters a line):
//   Titles, Titles1, ...            entries "name(title);" for titles that differ from the name
//   TitlesCount                     how many Titles keys are in use
//   TitlesColors, TitlesColors1 ... entries "name(background,foreground);" for non-default colours
//   TitlesColorsCount               how many TitlesColors keys are in use
// The format has no escape: a title holding ")" or ";" does not read back whole.
#include <string>
#include <vector>

#include "grid/TitleMap.h"
#include "toolkit/ColorValue.h"

class BaseIniFile;

class TitleManager {
public:
    TitleManager(const std::vector<std::string>& columnNames, const std::string& sectionName);

    // The titles section of a window kind (0 accounts ... 7 historical commands); "" for a kind
    // without titles (3, the master-account chooser) or an unknown one.
    static std::string SectionOfKind(int childType);

    // Every listed column's title becomes its name, its colours the defaults.
    void ResetTitles();
    // The column's title; "" for a name that is not a column.
    std::string GetUserTitle(const std::string& columnName) const;
    // The first column in name order whose title equals the text exactly; "" when none does.
    std::string FindColumnByTitle(const std::string& title) const;
    // The column's colour when it has one other than the window default; otherwise defaultColor.
    ColorValue GetBackgroundColor(const std::string& columnName, ColorValue defaultColor) const;
    ColorValue GetForegroundColor(const std::string& columnName, ColorValue defaultColor) const;

    // Whether a column's title differs from its name or a column has colours of its own (what a
    // save writes entries for).
    bool HasUserChanges() const;

    const TitleMap& GetTitleMap() const { return titles_; }
    void SetTitleMap(const TitleMap& titles) { titles_ = titles; }
    const std::vector<std::string>& GetColumnNames() const { return columnNames_; }
    const std::string& GetSectionName() const { return sectionName_; }

    // Resets, then takes the titles and colours of the known columns from the section. Reading a
    // key stops at its first malformed entry; a colour that is not a decimal integer ends its
    // entry. Never writes to the file.
    void LoadFromFile(const BaseIniFile& file);
    // Writes the changed titles and colours in name order and deletes the numbered keys that an
    // earlier, longer save left. Changes nothing in memory.
    void SaveToFile(BaseIniFile& file) const;

private:
    std::vector<std::string> columnNames_;
    std::string sectionName_;
    TitleMap titles_;
};
