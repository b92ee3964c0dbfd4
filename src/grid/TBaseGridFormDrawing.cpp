#include <algorithm>

#include "grid/BusinessObjectGrid.h"
#include "grid/DrawSortDirection.h"
#include "grid/TBaseGridForm.h"
#include "grid/TitleManager.h"
#include "store/FilterData.h"
#include "store/InterfaceView.h"
#include "toolkit/Canvas.h"
#include "toolkit/QtText.h"

namespace {

constexpr int kNumberKind = 6;
const char* const kRowHeaderSample = "999999999999";

}  // namespace

// ---- Drawing.

std::string TBaseGridForm::ColumnName(int col) const {
    return view_ ? view_->GetColumnName(col) : std::string();
}

bool TBaseGridForm::HasFilterFor(const FilterData& filters, const std::string& name) {
    return std::any_of(filters.begin(), filters.end(),
                       [&](const ColumnFilter& f) { return f.ColumnName == name; });
}

bool TBaseGridForm::CurrentColumnHasFilter() const {
    if (!view_) return false;
    const std::string name = ColumnName(grid_->Col());
    return !name.empty() && HasFilterFor(view_->GetFilter(), name);
}

bool TBaseGridForm::HasData() {
    return view_ && view_->GetColumnCount() > 1 && view_->GetDisplayedRowCount() > 1;
}

std::string TBaseGridForm::GetCellText(int col, int row) {
    if (!view_) return {};
    unsigned length = 0;
    if (col > 0 && row == 0) {
        const char* name = view_->GetCellText(col, 0, &length);
        return titles_ ? titles_->GetUserTitle(std::string(name, length)) : std::string();
    }
    if (!HasData()) return {};
    const char* text = view_->GetCellText(col, static_cast<unsigned>(row), &length);
    std::string cell(text, length);
    if (col == 0 && row > 0) cell += GetRowHeaderSuffix(row - 1);
    return cell;
}

const TBaseGridForm::ColumnPaint& TBaseGridForm::PaintInfo(int col) {
    static const ColumnPaint kNone;
    if (col < 0) return kNone;
    if (static_cast<int>(columnPaint_.size()) <= col) columnPaint_.resize(static_cast<std::size_t>(col) + 1);
    ColumnPaint& info = columnPaint_[static_cast<std::size_t>(col)];
    if (info.known) return info;
    info.known = true;
    info.name = ColumnName(col);
    info.kind = view_ ? view_->GetColumnKind(view_->GetColumnIndex(col) - 1) : 0;
    // The title manager answers the window colours for a column it has no colours for.
    info.background = titles_ ? titles_->GetBackgroundColor(info.name, clWindow) : clWindow;
    info.foreground = titles_ ? titles_->GetForegroundColor(info.name, clWindowText) : clWindowText;
    return info;
}

void TBaseGridForm::SetSelectedCellColors(int) {
    cellBrush_ = kSelectedRowBrush;
}

void TBaseGridForm::SetColumnColors(int col, int) {
    SetCellColors(col, clWindow, grid_->GridFont().color);
}

void TBaseGridForm::SetCellColors(int col, ColorValue background, ColorValue foreground) {
    cellBrush_ = background;
    cellFont_ = foreground;
    if (!view_ || !titles_) return;
    if (painting_) {
        const ColumnPaint& info = PaintInfo(col);
        if (info.background != clWindow) cellBrush_ = info.background;
        if (info.foreground != clWindowText) cellFont_ = info.foreground;
        return;
    }
    const std::string name = ColumnName(col);
    cellBrush_ = titles_->GetBackgroundColor(name, background);
    cellFont_ = titles_->GetForegroundColor(name, foreground);
}

void TBaseGridForm::BusinessObjectGridDrawCell(int col, int row, const CanvasRect& cellRect, Canvas& canvas) {
    if (!view_) return;
    CanvasRect rect = cellRect;
    bool numeric = false;
    if (col > 0 && row == 0) {
        const std::string name = painting_ ? PaintInfo(col).name : ColumnName(col);
        const auto fill = [&](ColorValue brush) {
            canvas.SetBrushColor(brush);
            canvas.SetFontColor(clWhite);
            canvas.FillRect(rect);
        };
        if (HasFilterFor(view_->GetFilter(), name)) fill(kFilteredTitleBrush);
        if (HasFilterFor(view_->GetDynamicFilter(), name)) fill(kDynamicFilteredTitleBrush);
        if (GetDynamicLinkRegistry() && Links().Supplies(name)) fill(kLinkedTitleBrush);
        if (SortActive) {
            const auto criterion = std::find_if(SortCriteria.begin(), SortCriteria.end(),
                                                [&](const SortSelectionData& c) { return c.Column == name; });
            if (criterion != SortCriteria.end()) DrawSortDirection(canvas, rect, criterion->Ascending);
        }
    } else if (col > 0 && row > 0 && HasData()) {
        numeric = (painting_ ? PaintInfo(col).kind : view_->GetColumnKind(view_->GetColumnIndex(col) - 1)) ==
                  kNumberKind;
        if (row == grid_->Row()) {
            if (col == grid_->Col()) {
                cellBrush_ = kSelectedCellBrush;
                cellFont_ = clWhite;
            } else {
                cellFont_ = grid_->GridFont().color;
                SetSelectedCellColors(row);
                if (cellBrush_ == kSelectedRowBrush) cellFont_ = clWhite;
            }
            PublishRowLinkValues(row);
        } else {
            SetColumnColors(col, row);
        }
        canvas.SetBrushColor(cellBrush_);
        canvas.SetFontColor(cellFont_);
        canvas.FillRect(rect);
    }
    const std::string text = GetCellText(col, row);
    if (text.empty()) return;
    const int y = rect.top + options_.GetCellTopOffset();
    const int x = numeric ? rect.right - options_.GetCellLeftOffset() - canvas.TextWidth(text)
                          : rect.left + options_.GetCellLeftOffset();
    canvas.TextRect(rect, x, y, text);
}

void TBaseGridForm::SetRowHeaderWidth() {
    grid_->SetColWidth(0, grid_->TextWidth(kRowHeaderSample));
}

std::string TBaseGridForm::GetFilterCaptionSuffix() {
    std::string suffix;
    if (!view_) return suffix;
    if (!view_->GetFilter().empty()) suffix += " - Filter applied";
    if (!view_->GetDynamicFilter().empty()) suffix += " - LAF Active";
    return suffix;
}

void TBaseGridForm::UpdateCaption() {
    std::string caption = windowTitle_ + GetFilterCaptionSuffix() + GetCaptionSuffix();
    if (!view_ || view_->GetDisplayedRowCount() < 2) caption += " - No data found";
    setWindowTitle(ToQt(caption));
}

void TBaseGridForm::SetWindowTitle(const std::string& title) {
    windowTitle_ = title;
    UpdateCaption();
}

void TBaseGridForm::FormClose() {
    // The links go with the window, and every window shows what is left of them.
    if (GetDynamicLinkRegistry()) {
        ClearDynamicFilters();
        ForceGridRefreshActionExecute();
    }
    NotifyWorkspaceChanged();
}

std::string TBaseGridForm::Caption() const {
    return FromQt(windowTitle());
}

void TBaseGridForm::ApplyColumnVisibility(const TitleVisibilityMap& visibility) {
    if (!view_) return;
    const int full = view_->GetColumnCount();
    grid_->SetColCount(full);
    const int last = full - 1;
    int hidden = 0;
    for (const auto& [name, visible] : visibility) {
        if (visible) continue;
        ++hidden;
        const int col = view_->FindColumn(name);
        if (col < 1 || col == last) continue;
        view_->MoveColumn(col, last);
        grid_->MoveColWidth(col, last);
    }
    grid_->SetColCount(std::max(full - hidden, 2));
    grid_->Invalidate();
    ColumnOrderRestored();
}

void TBaseGridForm::BusinessObjectGridColumnMoved(int from, int to) {
    if (!view_) return;
    const int row = grid_->Row();
    view_->MoveColumn(from, to);
    NotifyWorkspaceChanged();
    grid_->Invalidate();
    grid_->SetRow(row);
    ColumnMoved();
}

void TBaseGridForm::BusinessObjectGridSelectCell(int, int row) {
    if (SelectsByData()) RememberRowKey(row - 1);
    PublishRowLinkValues(row);
    RowSelected(row);
    RepaintGrid();
}
