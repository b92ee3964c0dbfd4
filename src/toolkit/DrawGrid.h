#pragma once
// String and draw grid: ColCount x RowCount cells, of which the first FixedRows rows and
// FixedCols columns are the fixed (title) cells; each cell may hold a text. With an owner-draw
// handler every cell is painted by it (column, row, rectangle, canvas); otherwise cells show
// their text, fixed cells on the button face. Columns may be moved and sized by the user.
#include <QTableWidget>
#include <functional>
#include <string>

#include "toolkit/Canvas.h"

class DrawGrid : public QTableWidget {
public:
    explicit DrawGrid(QWidget* parent = nullptr, const char* name = nullptr);

    void SetColCount(int count) { setColumnCount(count); }
    int ColCount() const { return columnCount(); }
    void SetRowCount(int count) { setRowCount(count); }
    int RowCount() const { return rowCount(); }
    void SetFixedRows(int rows) { fixedRows_ = rows; }
    int FixedRows() const { return fixedRows_; }
    void SetFixedCols(int cols) { fixedCols_ = cols; }
    int FixedCols() const { return fixedCols_; }

    std::string Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);
    int Col() const { return currentColumn(); }
    int Row() const { return currentRow(); }
    // Draws one cell into the canvas as the grid would.
    void DrawCell(int col, int row, const CanvasRect& rect, Canvas& canvas) const;

    std::function<void(int col, int row, const CanvasRect& rect, Canvas& canvas)> onDrawCell;

private:
    int fixedRows_ = 1;
    int fixedCols_ = 1;
};
