#include "grid/GridTextCopy.h"

#include <algorithm>
#include <vector>

std::string GridTextCopy::AllCells(int colCount, int rowCount, const CellText& text) {
    std::string all;
    for (int row = 0; row < rowCount; ++row) {
        if (row > 0) all += '\n';
        for (int col = 1; col < colCount; ++col) {
            if (col > 1) all += '\t';
            all += text(col, row);
        }
        // The first row's length tells the size of the whole: reserved once, grown geometrically.
        if (row == 0 && rowCount > 1) all.reserve(all.size() * static_cast<std::size_t>(rowCount) * 5 / 4);
    }
    return all;
}

std::string GridTextCopy::Row(int colCount, int row, const CellText& text) {
    std::string line;
    for (int col = 1; col < colCount; ++col) {
        if (col > 1) line += '\t';
        line += text(col, row);
    }
    return line;
}

std::string GridTextCopy::DistinctValues(int col, int rowCount, const CellText& text) {
    std::vector<std::string> values;
    values.reserve(static_cast<std::size_t>(std::max(rowCount - 1, 0)));
    for (int row = 1; row < rowCount; ++row) values.push_back(text(col, row));
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    std::string joined;
    for (const std::string& value : values) {
        if (&value != &values.front()) joined += ';';
        joined += value;
    }
    return joined;
}
