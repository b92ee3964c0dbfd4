#include "grid/BaseGridOption.h"

#include "core/BaseIniFile.h"
#include "grid/DecimalText.h"

void BaseGridOption::LoadFromFile(const BaseIniFile& file, const std::string& section) {
    fontManager_.LoadFromFile(file, section);
    gridSelection_ = kSelectByRowNumber;
    ParseDecimalText(file.ReadString(section, "GridSelection", ""), gridSelection_);
    rowHeight_ = file.ReadInteger(section, "RowHeight", kDefaultRowHeight);
    // A height below one pixel would hide every row, and an edited huge one makes a title row
    // taller than any screen: outside the sane range the default applies.
    if (rowHeight_ < 1 || rowHeight_ > kMaxRowHeight) rowHeight_ = kDefaultRowHeight;
    cellLeftOffset_ = file.ReadInteger(section, "CellLeftOffset", kDefaultCellOffset);
    cellTopOffset_ = file.ReadInteger(section, "CellTopOffset", kDefaultCellOffset);
}

void BaseGridOption::SaveToFile(BaseIniFile& file, const std::string& section) const {
    file.WriteString(section, "GridSelection", std::to_string(gridSelection_));
    file.WriteInteger(section, "RowHeight", rowHeight_);
    file.WriteInteger(section, "CellLeftOffset", cellLeftOffset_);
    file.WriteInteger(section, "CellTopOffset", cellTopOffset_);
    fontManager_.SaveToFile(file, section);
}
