#pragma once
// The drawn data grid of a grid window: RowCount x ColCount cells, of which row 0 (the title row)
// and column 0 (the row-number column) are fixed. The title row is the horizontal header and the
// row-number column the vertical header, so both stay put while the cells scroll; model row i is
// grid row i + 1 and model column j grid column j + 1. Every cell, fixed or not, is painted by
// onDrawCell after the grid filled its default background, and every text the model reports
// comes from onCellText: the grid holds no texts of its own.
//
// The counts are stored and change only through SetRowCount and SetColCount, as insertions or
// removals at the end (never a model reset, which would drop the current cell); such a change
// never reports a cell selection. The current cell (Col, Row) starts at (1, 1); selecting a cell,
// by the user or by the program, reports it through onSelectCell.
//
// Widths are kept for every column ever counted, so that a column leaving the count keeps its
// width for its return; column 0's width is the vertical header's. A header drag is undone and
// reported through onColumnMoved (from, to), with the column's width moved along, so that display
// column c is always model column c - 1. Rows have one fixed height; nothing is ever sized to its
// contents. The cost of a paint is that of the visible cells.
//
// The mouse: presses, moves and double-clicks over the cells and both headers are reported in the
// grid widget's coordinates, which MouseToCell turns into a cell. Only the left button moves the
// current cell by itself; the other buttons leave it to the window. The wheel reports one step
// per notch (the window scrolls one row), and any use of a scroll bar reports a scroll message.
// The hint is "short|long": the tooltip shows the short part, the status tip the long one.
#include <QTableView>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Canvas.h"
#include "toolkit/FontSpec.h"

class QPainter;

class BusinessObjectGrid : public QTableView {
public:
    static constexpr int kDefaultColWidth = 64;

    explicit BusinessObjectGrid(QWidget* parent = nullptr);
    ~BusinessObjectGrid() override;

    int RowCount() const { return rowCount_; }
    void SetRowCount(int count);
    int ColCount() const { return colCount_; }
    void SetColCount(int count);

    // The current cell.
    int Col() const;
    int Row() const;
    void SelectCell(int col, int row);
    void SetRow(int row) { SelectCell(Col(), row); }
    void SetCol(int col) { SelectCell(col, Row()); }

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    // Takes column from's width out and puts it back at to, the widths between shifting by one.
    void MoveColWidth(int from, int to);

    int DefaultRowHeight() const { return rowHeight_; }
    void SetDefaultRowHeight(int height);
    const FontSpec& GridFont() const { return font_; }
    void SetGridFont(const FontSpec& font);
    int TextWidth(const std::string& text) const;

    // The cell's rectangle in the coordinates of the widget that paints it (the viewport or a
    // header); empty when the cell is not on screen.
    CanvasRect CellRect(int col, int row) const;
    void Invalidate();

    // Paints one cell: the default background (button face for fixed cells, window colour for
    // the others), then onDrawCell.
    void PaintCell(QPainter& painter, int col, int row, const QRect& rect);

    std::function<void(int col, int row, const CanvasRect& rect, Canvas& canvas)> onDrawCell;
    std::function<std::string(int col, int row)> onCellText;
    std::function<void(int col, int row)> onSelectCell;
    std::function<void(int from, int to)> onColumnMoved;
    // Before each paint of the cells or of a header.
    std::function<void()> onBeginPaint;

    // Mouse buttons and shift states as the window's handlers take them.
    enum : int { kLeftButton = 0, kRightButton = 1, kMiddleButton = 2 };
    enum : int { kShift = 1, kAlt = 2, kCtrl = 4 };
    // Scroll messages of the scroll bars.
    static constexpr uint32_t kHScroll = 0x0114;
    static constexpr uint32_t kVScroll = 0x0115;

    // The cell under a point of the grid widget: (-1, -1) outside every cell.
    void MouseToCell(int x, int y, int& col, int& row) const;
    // The point of the grid widget at the centre of a cell that shows on screen.
    QPoint CellCentre(int col, int row) const;
    // Scrolls the rows by one line, down or up, leaving the current cell where it is.
    void ScrollLine(bool down);
    // The first data row that shows.
    int TopRow() const;
    void SetHint(const std::string& hint);
    const std::string& Hint() const { return hint_; }

    std::function<void(int button, int shift, int x, int y)> onMouseDown;
    std::function<void(int shift, int x, int y)> onMouseMove;
    std::function<void(int x, int y)> onDblClick;
    // A wheel notch, down or up; without a handler the grid scrolls one line.
    std::function<void(bool down)> onMouseWheel;
    std::function<void(uint32_t message)> onScrollMessage;

    std::string CellText(int col, int row) const { return onCellText ? onCellText(col, row) : std::string(); }
    void BeginPaint() const {
        if (onBeginPaint) onBeginPaint();
    }

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Model;
    class Delegate;
    class Header;

    void ApplyWidth(int col);
    void SectionMoved(int logical, int oldVisual, int newVisual);
    void SectionResized(int logical, int oldSize, int newSize);
    void WatchMouse();
    static int ShiftState(Qt::KeyboardModifiers modifiers);

    Model* model_;
    Header* top_;
    Header* left_;
    int rowCount_ = 2;
    int colCount_ = 2;
    int rowHeight_ = 24;
    FontSpec font_;
    std::vector<int> widths_;  // per display column, column 0 included
    bool quiet_ = false;       // no cell selection is reported while set
    std::string hint_;
    int wheelAngle_ = 0;  // the part of a notch not yet reported
};
