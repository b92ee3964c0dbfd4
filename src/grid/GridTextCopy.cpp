#include "grid/GridTextCopy.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/HugePages.h"

std::string GridTextCopy::AllCells(int colCount, int rowCount, const CellText& text) {
    std::string all;
    all.reserve(AllCellsCapacity(colCount, rowCount, text));
    AdviseHugePages(all.data(), all.capacity());
    for (int row = 0; row < rowCount; ++row) {
        if (row > 0) all += '\n';
        for (int col = 1; col < colCount; ++col) {
            if (col > 1) all += '\t';
            all += text(col, row);
        }
    }
    return all;
}

std::size_t GridTextCopy::AllCellsCapacity(int colCount, int rowCount, const CellText& text) {
    if (rowCount <= 0 || colCount <= 1) return 0;
    // The title row, and the longest of a few data rows spread over the grid for every data row,
    // with an eighth to spare: a guess, but one that the rows of a grid rarely outgrow. What is
    // reserved and never written costs no memory.
    const auto length = [&](int row) {
        std::size_t size = static_cast<std::size_t>(colCount - 1);  // the separators and the line feed
        for (int col = 1; col < colCount; ++col) size += text(col, row).size();
        return size;
    };
    const std::size_t dataRows = static_cast<std::size_t>(rowCount - 1);
    std::size_t longest = 0;
    const std::size_t samples = std::min<std::size_t>(dataRows, kCapacitySamples);
    for (std::size_t i = 0; i < samples; ++i)
        longest = std::max(longest, length(static_cast<int>(1 + i * dataRows / samples)));
    return length(0) + dataRows * (longest + longest / 8);
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
