#include "grid/GridTextCopy.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>
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
    // Distinct texts first (a column usually holds far fewer than its rows), then their order.
    std::unordered_set<std::string> distinct;
    for (int row = 1; row < rowCount; ++row) distinct.insert(text(col, row));
    std::vector<std::string_view> values(distinct.begin(), distinct.end());
    std::sort(values.begin(), values.end());
    std::string joined;
    for (std::string_view value : values) {
        if (value.data() != values.front().data()) joined += ';';
        joined += value;
    }
    return joined;
}
