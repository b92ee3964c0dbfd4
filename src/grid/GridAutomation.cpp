#include "grid/GridAutomation.h"

GridAutomation::Cell GridAutomation::SplitCellRequest(int32_t lParam) {
    Cell cell;
    cell.row = lParam & 0x3FFFFF;
    cell.column = lParam >> 22;  // arithmetic: the sign is kept
    return cell;
}

bool GridAutomation::IsInside(Cell cell, int cols, int rows) {
    return cell.column >= 0 && cell.column < cols && cell.row >= 0 && cell.row < rows;
}

std::string GridAutomation::ColumnNamesText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += name;
        text += ';';
    }
    return text;
}
