#include "toolkit/DrawGrid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "toolkit/QtCanvas.h"
#include "toolkit/QtText.h"

namespace {

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(DrawGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QRect r = option.rect;
        CanvasRect rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
        painter->save();
        QtCanvas canvas(*painter);
        grid_->DrawCell(index.column(), index.row(), rect, canvas);
        painter->restore();
    }

private:
    DrawGrid* grid_;
};

}  // namespace

DrawGrid::DrawGrid(QWidget* parent, const char* name) : QTableWidget(parent) {
    if (name) setObjectName(QString::fromLatin1(name));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setItemDelegate(new CellDelegate(this));
    setEditTriggers(NoEditTriggers);
}

std::string DrawGrid::Cell(int col, int row) const {
    const QTableWidgetItem* i = item(row, col);
    return i ? FromQt(i->text()) : std::string();
}

void DrawGrid::SetCell(int col, int row, const std::string& text) {
    if (QTableWidgetItem* i = item(row, col))
        i->setText(ToQt(text));
    else
        setItem(row, col, new QTableWidgetItem(ToQt(text)));
}

void DrawGrid::DrawCell(int col, int row, const CanvasRect& rect, Canvas& canvas) const {
    if (onDrawCell) {
        onDrawCell(col, row, rect, canvas);
        return;
    }
    bool fixed = row < fixedRows_ || col < fixedCols_;
    canvas.SetBrushColor(fixed ? clBtnFace : clWindow);
    canvas.FillRect(rect);
    canvas.SetFontColor(clWindowText);
    canvas.TextRect(rect, rect.left + 2, rect.top + 2, Cell(col, row));
}
