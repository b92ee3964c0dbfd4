#include "grid/BusinessObjectGrid.h"

#include <QAbstractItemDelegate>
#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

#include "toolkit/QtCanvas.h"
#include "toolkit/QtPaint.h"
#include "toolkit/QtText.h"

// The model only reports the grid's counts and asks the grid for texts.
class BusinessObjectGrid::Model : public QAbstractTableModel {
public:
    explicit Model(BusinessObjectGrid* grid) : QAbstractTableModel(grid), grid_(grid) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : grid_->rowCount_ - 1;
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : grid_->colCount_ - 1;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return ToQt(grid_->CellText(index.column() + 1, index.row() + 1));
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) return {};
        return orientation == Qt::Horizontal ? ToQt(grid_->CellText(section + 1, 0))
                                             : ToQt(grid_->CellText(0, section + 1));
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void InsertRows(int first, int last) { beginInsertRows({}, first, last); }
    void RemoveRows(int first, int last) { beginRemoveRows({}, first, last); }
    void InsertColumns(int first, int last) { beginInsertColumns({}, first, last); }
    void RemoveColumns(int first, int last) { beginRemoveColumns({}, first, last); }
    void RowsInserted() { endInsertRows(); }
    void RowsRemoved() { endRemoveRows(); }
    void ColumnsInserted() { endInsertColumns(); }
    void ColumnsRemoved() { endRemoveColumns(); }

private:
    BusinessObjectGrid* grid_;
};

// Paints every data cell through the grid; edits nothing.
class BusinessObjectGrid::Delegate : public QAbstractItemDelegate {
public:
    explicit Delegate(BusinessObjectGrid* grid) : QAbstractItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        grid_->PaintCell(*painter, index.column() + 1, index.row() + 1, option.rect);
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
        return QSize(grid_->ColWidth(index.column() + 1), grid_->rowHeight_);
    }

private:
    BusinessObjectGrid* grid_;
};

// The title row (horizontal) or the row-number column (vertical), painted through the grid.
class BusinessObjectGrid::Header : public QHeaderView {
public:
    Header(Qt::Orientation orientation, BusinessObjectGrid* grid)
        : QHeaderView(orientation, grid), grid_(grid) {
        setMinimumSectionSize(1);
        setDefaultSectionSize(orientation == Qt::Horizontal ? kDefaultColWidth : grid->rowHeight_);
        setHighlightSections(false);
        setSectionsClickable(false);
        if (orientation == Qt::Horizontal) {
            setSectionResizeMode(QHeaderView::Interactive);
            setSectionsMovable(true);
        } else {
            setSectionResizeMode(QHeaderView::Fixed);
        }
    }

    QSize sizeHint() const override {
        return orientation() == Qt::Horizontal ? QSize(kDefaultColWidth, grid_->rowHeight_)
                                               : QSize(grid_->ColWidth(0), grid_->rowHeight_);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        grid_->BeginPaint();
        QHeaderView::paintEvent(event);
    }
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        if (orientation() == Qt::Horizontal)
            grid_->PaintCell(*painter, logicalIndex + 1, 0, rect);
        else
            grid_->PaintCell(*painter, 0, logicalIndex + 1, rect);
        // The fixed cells' lines, right and bottom.
        painter->save();
        painter->setPen(ToQColor(ColorValue::System(16)));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        painter->restore();
    }

private:
    BusinessObjectGrid* grid_;
};

namespace {

// Sets the flag for its lifetime, restoring what it found.
class Quiet {
public:
    explicit Quiet(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~Quiet() { flag_ = old_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    bool& flag_;
    bool old_;
};

}  // namespace

BusinessObjectGrid::BusinessObjectGrid(QWidget* parent) : QTableView(parent), widths_(2, kDefaultColWidth) {
    Quiet quiet(quiet_);
    model_ = new Model(this);
    top_ = new Header(Qt::Horizontal, this);
    left_ = new Header(Qt::Vertical, this);
    setHorizontalHeader(top_);
    setVerticalHeader(left_);
    // Sizing to contents would read every row.
    disconnect(top_, &QHeaderView::sectionHandleDoubleClicked, this, nullptr);
    disconnect(left_, &QHeaderView::sectionHandleDoubleClicked, this, nullptr);
    setModel(model_);
    setItemDelegate(new Delegate(this));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setTabKeyNavigation(false);
    connect(top_, &QHeaderView::sectionMoved, this, &BusinessObjectGrid::SectionMoved);
    connect(top_, &QHeaderView::sectionResized, this, &BusinessObjectGrid::SectionResized);
    SetGridFont(font_);
    ApplyWidth(1);
    setCurrentIndex(model_->index(0, 0));
    WatchMouse();
}

BusinessObjectGrid::~BusinessObjectGrid() = default;

void BusinessObjectGrid::SetRowCount(int count) {
    count = std::max(count, 1);
    if (count == rowCount_) return;
    Quiet quiet(quiet_);
    if (count > rowCount_) {
        model_->InsertRows(rowCount_ - 1, count - 2);
        rowCount_ = count;
        model_->RowsInserted();
    } else {
        model_->RemoveRows(count - 1, rowCount_ - 2);
        rowCount_ = count;
        model_->RowsRemoved();
    }
}

void BusinessObjectGrid::SetColCount(int count) {
    count = std::max(count, 1);
    if (count == colCount_) return;
    Quiet quiet(quiet_);
    if (static_cast<int>(widths_.size()) < count)
        widths_.resize(static_cast<std::size_t>(count), kDefaultColWidth);
    if (count > colCount_) {
        const int old = colCount_;
        model_->InsertColumns(colCount_ - 1, count - 2);
        colCount_ = count;
        model_->ColumnsInserted();
        for (int c = old; c < count; ++c) ApplyWidth(c);
    } else {
        model_->RemoveColumns(count - 1, colCount_ - 2);
        colCount_ = count;
        model_->ColumnsRemoved();
    }
}

int BusinessObjectGrid::Col() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.column() + 1 : 1;
}

int BusinessObjectGrid::Row() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() + 1 : 1;
}

void BusinessObjectGrid::SelectCell(int col, int row) {
    if (col < 1 || col >= colCount_ || row < 1 || row >= rowCount_) return;
    const QModelIndex index = model_->index(row - 1, col - 1);
    setCurrentIndex(index);
    scrollTo(index);
}

void BusinessObjectGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (quiet_ || !current.isValid()) return;
    if (onSelectCell) onSelectCell(current.column() + 1, current.row() + 1);
}

int BusinessObjectGrid::ColWidth(int col) const {
    if (col < 0 || col >= static_cast<int>(widths_.size())) return kDefaultColWidth;
    return widths_[static_cast<std::size_t>(col)];
}

void BusinessObjectGrid::SetColWidth(int col, int width) {
    if (col < 0) return;
    if (col >= static_cast<int>(widths_.size()))
        widths_.resize(static_cast<std::size_t>(col) + 1, kDefaultColWidth);
    widths_[static_cast<std::size_t>(col)] = width;
    ApplyWidth(col);
}

void BusinessObjectGrid::MoveColWidth(int from, int to) {
    const int count = static_cast<int>(widths_.size());
    if (from == to || from < 0 || to < 0 || from >= count || to >= count) return;
    const int width = widths_[static_cast<std::size_t>(from)];
    widths_.erase(widths_.begin() + from);
    widths_.insert(widths_.begin() + to, width);
    for (int c = std::min(from, to); c <= std::max(from, to); ++c) ApplyWidth(c);
}

void BusinessObjectGrid::ApplyWidth(int col) {
    if (col == 0) {
        updateGeometries();
        return;
    }
    if (col < colCount_) top_->resizeSection(col - 1, widths_[static_cast<std::size_t>(col)]);
}

void BusinessObjectGrid::SectionResized(int logical, int, int newSize) {
    const std::size_t col = static_cast<std::size_t>(logical) + 1;
    if (col < widths_.size()) widths_[col] = newSize;
}

void BusinessObjectGrid::SectionMoved(int, int oldVisual, int newVisual) {
    {
        // Display columns stay model columns: the view moves its column order instead.
        const QSignalBlocker blocker(top_);
        top_->moveSection(newVisual, oldVisual);
    }
    const int from = oldVisual + 1;
    const int to = newVisual + 1;
    MoveColWidth(from, to);
    if (onColumnMoved) onColumnMoved(from, to);
    Invalidate();
}

void BusinessObjectGrid::SetDefaultRowHeight(int height) {
    rowHeight_ = std::max(height, 1);
    left_->setDefaultSectionSize(rowHeight_);
    updateGeometries();
    Invalidate();
}

void BusinessObjectGrid::SetGridFont(const FontSpec& font) {
    font_ = font;
    setFont(ToQFont(font));
    Invalidate();
}

int BusinessObjectGrid::TextWidth(const std::string& text) const {
    return QFontMetrics(ToQFont(font_)).horizontalAdvance(ToQt(text));
}

CanvasRect BusinessObjectGrid::CellRect(int col, int row) const {
    QRect r;
    if (col > 0 && row > 0) {
        r = visualRect(model_->index(row - 1, col - 1));
    } else if (row == 0 && col > 0) {
        r = QRect(top_->sectionViewportPosition(col - 1), 0, top_->sectionSize(col - 1), top_->height());
    } else if (col == 0 && row > 0) {
        r = QRect(0, left_->sectionViewportPosition(row - 1), left_->width(), left_->sectionSize(row - 1));
    }
    return CanvasRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void BusinessObjectGrid::Invalidate() {
    viewport()->update();
    top_->viewport()->update();
    left_->viewport()->update();
}

void BusinessObjectGrid::paintEvent(QPaintEvent* event) {
    BeginPaint();
    QTableView::paintEvent(event);
}

void BusinessObjectGrid::PaintCell(QPainter& painter, int col, int row, const QRect& r) {
    painter.save();
    QtCanvas canvas(painter, font_);
    const CanvasRect rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    canvas.SetBrushColor(row == 0 || col == 0 ? clBtnFace : clWindow);
    canvas.FillRect(rect);
    if (onDrawCell) onDrawCell(col, row, rect, canvas);
    painter.restore();
}

// ---- The mouse.

void BusinessObjectGrid::WatchMouse() {
    setVerticalScrollMode(ScrollPerItem);  // a line is a row
    setMouseTracking(true);
    for (QWidget* area : {viewport(), top_->viewport(), left_->viewport()}) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        const uint32_t message = bar == verticalScrollBar() ? kVScroll : kHScroll;
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, message] {
            if (onScrollMessage) onScrollMessage(message);
        });
    }
}

int BusinessObjectGrid::ShiftState(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= kShift;
    if (modifiers & Qt::AltModifier) shift |= kAlt;
    if (modifiers & Qt::ControlModifier) shift |= kCtrl;
    return shift;
}

namespace {

int ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return BusinessObjectGrid::kLeftButton;
        case Qt::RightButton:
            return BusinessObjectGrid::kRightButton;
        default:
            return BusinessObjectGrid::kMiddleButton;
    }
}

}  // namespace

void BusinessObjectGrid::MouseToCell(int x, int y, int& col, int& row) const {
    col = -1;
    row = -1;
    const QPoint at(x, y);
    const QRect cells = viewport()->geometry();
    const QRect titles = top_->geometry();
    const QRect numbers = left_->geometry();
    int c = -1;
    int r = -1;
    if (x >= numbers.left() && x <= numbers.right()) {
        c = 0;
    } else if (x >= cells.left() && x <= cells.right()) {
        const int logical = top_->logicalIndexAt(x - cells.left());
        if (logical >= 0) c = logical + 1;
    }
    if (y >= titles.top() && y <= titles.bottom()) {
        r = 0;
    } else if (y >= cells.top() && y <= cells.bottom()) {
        const int logical = left_->logicalIndexAt(y - cells.top());
        if (logical >= 0) r = logical + 1;
    }
    if (c < 0 || r < 0 || c >= colCount_ || r >= rowCount_ || !rect().contains(at)) return;
    col = c;
    row = r;
}

QPoint BusinessObjectGrid::CellCentre(int col, int row) const {
    const QRect cells = viewport()->geometry();
    const int x =
        col == 0 ? left_->geometry().center().x()
                 : cells.left() + top_->sectionViewportPosition(col - 1) + top_->sectionSize(col - 1) / 2;
    const int y =
        row == 0 ? top_->geometry().center().y()
                 : cells.top() + left_->sectionViewportPosition(row - 1) + left_->sectionSize(row - 1) / 2;
    return QPoint(x, y);
}

void BusinessObjectGrid::ScrollLine(bool down) {
    verticalScrollBar()->triggerAction(down ? QAbstractSlider::SliderSingleStepAdd
                                            : QAbstractSlider::SliderSingleStepSub);
}

int BusinessObjectGrid::TopRow() const {
    const int logical = left_->logicalIndexAt(0);
    return logical < 0 ? 1 : logical + 1;
}

void BusinessObjectGrid::SetHint(const std::string& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    const size_t bar = hint.find('|');
    const QString shortHint = ToQt(hint.substr(0, bar));
    const QString longHint = ToQt(bar == std::string::npos ? hint : hint.substr(bar + 1));
    setToolTip(shortHint);
    if (shortHint.isEmpty()) QToolTip::hideText();
    if (longHint == statusTip()) return;
    setStatusTip(longHint);
    // The main window's status bar follows the hint while the mouse stays over the grid.
    QStatusTipEvent tip(longHint);
    QCoreApplication::sendEvent(this, &tip);
}

void BusinessObjectGrid::mousePressEvent(QMouseEvent* event) {
    // Only the left button moves the current cell; the window decides for the others.
    if (event->button() == Qt::LeftButton)
        QTableView::mousePressEvent(event);
    else
        event->accept();
    if (!onMouseDown) return;
    const QPoint at = viewport()->mapTo(this, event->position().toPoint());
    onMouseDown(ButtonOf(event->button()), ShiftState(event->modifiers()), at.x(), at.y());
}

void BusinessObjectGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (!onDblClick) return;
    const QPoint at = viewport()->mapTo(this, event->position().toPoint());
    onDblClick(at.x(), at.y());
}

void BusinessObjectGrid::wheelEvent(QWheelEvent* event) {
    const int angle = event->angleDelta().y();
    if (angle == 0) {
        QTableView::wheelEvent(event);
        return;
    }
    event->accept();
    // One step per notch of 120; smaller deltas add up to notches.
    wheelAngle_ += angle;
    while (wheelAngle_ <= -120 || wheelAngle_ >= 120) {
        const bool down = wheelAngle_ < 0;
        wheelAngle_ += down ? 120 : -120;
        if (onMouseWheel)
            onMouseWheel(down);
        else
            ScrollLine(down);
    }
}

bool BusinessObjectGrid::eventFilter(QObject* watched, QEvent* event) {
    auto* area = qobject_cast<QWidget*>(watched);
    if (!area) return QTableView::eventFilter(watched, event);
    const bool header = area != viewport();
    switch (event->type()) {
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = area->mapTo(this, mouse->position().toPoint());
            if (onMouseMove) onMouseMove(ShiftState(mouse->modifiers()), at.x(), at.y());
            break;
        }
        case QEvent::MouseButtonPress:
            if (header) {
                // The headers select nothing; the press is reported as on the cells.
                auto* mouse = static_cast<QMouseEvent*>(event);
                const QPoint at = area->mapTo(this, mouse->position().toPoint());
                if (onMouseDown)
                    onMouseDown(ButtonOf(mouse->button()), ShiftState(mouse->modifiers()), at.x(), at.y());
            }
            break;
        case QEvent::MouseButtonDblClick:
            if (header) {
                auto* mouse = static_cast<QMouseEvent*>(event);
                const QPoint at = area->mapTo(this, mouse->position().toPoint());
                if (onDblClick) onDblClick(at.x(), at.y());
                return true;
            }
            break;
        case QEvent::Wheel:
            if (header) {
                wheelEvent(static_cast<QWheelEvent*>(event));
                return true;
            }
            break;
        case QEvent::ToolTip: {
            const QString shortHint = toolTip();
            auto* help = static_cast<QHelpEvent*>(event);
            if (shortHint.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), shortHint, area);
            return true;
        }
        default:
            break;
    }
    return QTableView::eventFilter(watched, event);
}
