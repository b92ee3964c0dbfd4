#pragma once
// The texts that the grid window's clipboard tools copy, built from a cell-text source (the
// window's GetCellText): display columns 1 to the last, never the row-number column. Plain
// functions of their inputs; the text of all cells is reserved once from a sample of its rows,
// so a million rows cost one pass over the cells and no copy of the text as it grows.
#include <cstddef>
#include <functional>
#include <string>

class GridTextCopy {
public:
    using CellText = std::function<std::string(int col, int row)>;

    // Every grid row from 0 (the title row) to rowCount - 1: cells separated by tabs, rows by
    // line feeds, nothing after the last cell or row.
    static std::string AllCells(int colCount, int rowCount, const CellText& text);
    // What AllCells reserves, once, before it writes: the title row's length and, for every data
    // row, that of the longest of up to kCapacitySamples rows spread over the grid, with an eighth
    // to spare.
    static std::size_t AllCellsCapacity(int colCount, int rowCount, const CellText& text);
    static constexpr std::size_t kCapacitySamples = 64;
    // One grid row's cells separated by tabs.
    static std::string Row(int colCount, int row, const CellText& text);
    // The distinct texts of a column's data rows 1 to rowCount - 1, in byte order, joined by ";".
    static std::string DistinctValues(int col, int rowCount, const CellText& text);
};
