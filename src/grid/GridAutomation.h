#pragma once
// The plain parts of a grid window's answers to an automation client (no Qt): the cell a
// cell-text request's lParam names and the text that lists a view's field names.
#include <cstdint>
#include <string>
#include <vector>

class GridAutomation {
public:
    // A grid cell: display column and grid row (row 0 is the title row, column 0 the row numbers).
    struct Cell {
        int32_t column = 0;
        int32_t row = 0;
    };

    // The row in the low 22 bits, the display column in the high 10 bits (signed: -512 to 511).
    static Cell SplitCellRequest(int32_t lParam);
    // Whether the cell lies within a grid of cols columns and rows rows (title row included).
    static bool IsInside(Cell cell, int cols, int rows);
    // Every name followed by ";".
    static std::string ColumnNamesText(const std::vector<std::string>& names);
};
