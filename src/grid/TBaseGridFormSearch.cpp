#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <string_view>
#include <utility>

#include "core/Win1252Case.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TBaseGridForm.h"
#include "grid/WidestText.h"
#include "store/InterfaceView.h"
#include "toolkit/Action.h"
#include "toolkit/FindDialog.h"
#include "toolkit/UiHost.h"

namespace {

// Equal texts (whole word) or the cell holding the wanted text, in upper case unless the case
// must match. No copies: the upper case is taken a byte at a time through the table.
bool TextMatches(std::string_view cell, std::string_view wanted, bool matchCase, bool wholeWord) {
    if (wholeWord && cell.size() != wanted.size()) return false;
    if (matchCase) return wholeWord ? cell == wanted : cell.find(wanted) != std::string_view::npos;
    const auto same = [](char a, char b) { return win1252::ToUpper(a) == win1252::ToUpper(b); };
    if (wholeWord) return std::equal(cell.begin(), cell.end(), wanted.begin(), same);
    return std::search(cell.begin(), cell.end(), wanted.begin(), wanted.end(), same) != cell.end();
}

std::string LowerCase(std::string text) {
    for (char& c : text) c = win1252::ToLower(c);
    return text;
}

}  // namespace

// ---- Selection, mouse and search.

bool TBaseGridForm::MatchCellText(int row, int col) {
    if (!view_ || row < 0 || row >= grid_->RowCount() || col < 0 || col >= grid_->ColCount()) return false;
    unsigned length = 0;
    const char* text = view_->GetCellText(col, static_cast<unsigned>(row), &length);
    return TextMatches(std::string_view(text, length), findText_, matchCase_, wholeWord_);
}

void TBaseGridForm::ConnectMouseAndSearch() {
    grid_->onMouseDown = [this](int button, int shift, int x, int y) {
        BusinessObjectGridMouseDown(button, shift, x, y);
    };
    grid_->onMouseMove = [this](int shift, int x, int y) { BusinessObjectGridMouseMove(shift, x, y); };
    grid_->onDblClick = [this](int x, int y) { BusinessObjectGridDblClick(x, y); };
    grid_->onMouseWheel = [this](bool down) {
        if (down)
            BusinessObjectGridMouseWheelDown();
        else
            BusinessObjectGridMouseWheelUp();
    };
    grid_->onScrollMessage = [this](uint32_t message) { GridWindowProc(message); };

    findDialog_ = new ::FindDialog(this);
    findDialog_->setObjectName("FindDialog");
    findDialog_->onShow = [this] { FindDialogShow(); };
    findDialog_->onClose = [this] { FindDialogClose(); };
    findDialog_->onFind = [this] { FindDialogFind(); };
    columnFindDialog_ = new ::FindDialog(this);
    columnFindDialog_->setObjectName("ColumnFindDialog");
    columnFindDialog_->onShow = [this] { ColumnFindDialogShow(); };
    columnFindDialog_->onClose = [this] { ColumnFindDialogClose(); };
    columnFindDialog_->onFind = [this] { ColumnFindDialogFind(); };

    EditRowAction->onExecute = [this](Action&) { EditRowActionExecute(); };
    SearchAction->onExecute = [this](Action&) { SearchActionExecute(); };
    SearchColumnAction->onExecute = [this](Action&) { SearchColumnActionExecute(); };
    ImportAction->onExecute = [this](Action&) { ImportActionExecute(); };
    DumpDataAction->onExecute = [this](Action&) { DumpDataActionExecute(); };
}

void TBaseGridForm::DisconnectMouseAndSearch() {
    grid_->onMouseDown = nullptr;
    grid_->onMouseMove = nullptr;
    grid_->onDblClick = nullptr;
    grid_->onMouseWheel = nullptr;
    grid_->onScrollMessage = nullptr;
    // The dialogs go before the window's members: hiding them on their way reports a close.
    for (::FindDialog** dialog : {&findDialog_, &columnFindDialog_}) {
        (*dialog)->onShow = nullptr;
        (*dialog)->onClose = nullptr;
        (*dialog)->onFind = nullptr;
        delete *dialog;
        *dialog = nullptr;
    }
}

void TBaseGridForm::BusinessObjectGridMouseDown(int button, int shift, int x, int y) {
    QMdiArea* area = SubWindow()->mdiArea();
    if (area && area->activeSubWindow() != SubWindow()) BringToFront();
    if (HasData() && button == BusinessObjectGrid::kRightButton) {
        int col = 0;
        int row = 0;
        grid_->MouseToCell(x, y, col, row);
        // Only a data cell: the popup menu then acts on the clicked cell.
        if (col > 0 && row > 0) grid_->SelectCell(col, row);
    }
    GridMouseDown(button, shift, x, y);
}

void TBaseGridForm::GridWindowProc(uint32_t message) {
    if (message != BusinessObjectGrid::kHScroll && message != BusinessObjectGrid::kVScroll) return;
    QMdiArea* area = SubWindow()->mdiArea();
    if (area && area->activeSubWindow() != SubWindow()) BringToFront();
}

void TBaseGridForm::BusinessObjectGridMouseWheelDown() {
    grid_->ScrollLine(true);
}

void TBaseGridForm::BusinessObjectGridMouseWheelUp() {
    grid_->ScrollLine(false);
}

void TBaseGridForm::BusinessObjectGridMouseMove(int, int x, int y) {
    int col = 0;
    int row = 0;
    grid_->MouseToCell(x, y, col, row);
    if (col < 1 || row == -1)
        grid_->SetHint({});
    else if (row == 0)
        grid_->SetHint(GetCellText(col, 0));
    else
        grid_->SetHint("|" + GetCellText(col, 0) + " [" + GetCellText(col, row) + "]");
}

void TBaseGridForm::BusinessObjectGridDblClick(int x, int y) {
    int col = 0;
    int row = 0;
    grid_->MouseToCell(x, y, col, row);
    if (row == -1) return;
    if (row > 0) {
        EditRowAction->Execute();
        return;
    }
    FitColumnWidth(col);
}

void TBaseGridForm::FitColumnWidth(int col) {
    if (col < 0) return;
    WidestText widest(grid_->GridFont(), "   ");
    const int rows = grid_->RowCount();
    for (int row = 0; row < rows; ++row) widest.Add(GetCellText(col, row));
    grid_->SetColWidth(col, widest.Width());
}

void TBaseGridForm::EditRowActionExecute() {
    EditRow(grid_->Row() - 1);
    grid_->Invalidate();
}

void TBaseGridForm::SearchActionExecute() {
    newSearch_ = true;
    found_ = false;
    startRow_ = grid_->Row();
    searchRow_ = startRow_;
    findText_ = findDialog_->FindText();
    matchCase_ = findDialog_->MatchCase();
    wholeWord_ = findDialog_->WholeWord();
    findDialog_->Execute();
}

void TBaseGridForm::FindDialogFind() {
    if (!view_) return;
    const bool down = findDialog_->Down();
    int start = 0;
    if (newSearch_) {
        start = startRow_;
        newSearch_ = false;
    } else {
        if (grid_->Row() != searchRow_) searchRow_ = grid_->Row();
        start = down ? searchRow_ + 1 : searchRow_ - 1;
    }
    const std::string text = findDialog_->FindText();
    const bool matchCase = findDialog_->MatchCase();
    const bool wholeWord = findDialog_->WholeWord();
    if (text != findText_ || matchCase != matchCase_ || wholeWord != wholeWord_) {
        found_ = false;
        findText_ = text;
        matchCase_ = matchCase;
        wholeWord_ = wholeWord;
    }
    const int col = grid_->Col();
    const int rows = grid_->RowCount();
    // The rows MatchCellText would test, the view walking the column itself: down from the start to
    // the last row; up from the start to row 1, the title row never.
    const int first = down ? std::max(start, 0) : std::min(start, rows - 1);
    const int last = down ? rows - 1 : 1;
    int row = -1;
    if (col >= 0 && col < grid_->ColCount() && (down ? first <= last : first >= last)) {
        row = view_->FindCellText(
            col, static_cast<unsigned>(first), static_cast<unsigned>(last),
            [this](std::string_view text) { return TextMatches(text, findText_, matchCase_, wholeWord_); });
    }
    if (row > 0 && row < rows) {
        grid_->SetRow(row);
        found_ = true;
        searchRow_ = row;
        return;
    }
    unsigned length = 0;
    const char* name = view_->GetCellText(col, 0, &length);
    Ui().MessageBox(findDialog_, findText_ + " - not found.", "Search " + std::string(name, length),
                    BoxIcon::Information, BoxButtons::Ok);
}

void TBaseGridForm::SearchColumnActionExecute() {
    columnSearchStart_ = true;
    columnFindDialog_->Execute();
}

void TBaseGridForm::ColumnFindDialogFind() {
    const bool matchCase = columnFindDialog_->MatchCase();
    const bool wholeWord = columnFindDialog_->WholeWord();
    std::string text = columnFindDialog_->FindText();
    if (!matchCase) text = LowerCase(std::move(text));
    const int step = columnFindDialog_->Down() ? 1 : -1;
    int col = columnSearchStart_ ? grid_->Col() : grid_->Col() + step;
    columnSearchStart_ = false;
    for (; col > 0 && col < grid_->ColCount(); col += step) {
        std::string title = GetCellText(col, 0);
        if (!matchCase) title = LowerCase(std::move(title));
        if (wholeWord ? title == text : title.find(text) != std::string::npos) {
            grid_->SetCol(col);
            return;
        }
    }
    Ui().MessageBox(columnFindDialog_, "Column " + text + " not found", "Search Column", BoxIcon::Information,
                    BoxButtons::Ok);
}

void TBaseGridForm::GotoRow(const std::string& fieldName, const std::string& value) {
    if (!view_) return;
    const int col = view_->FindColumn(fieldName);
    if (col < 1 || col >= grid_->ColCount()) return;
    // Data rows only: the title row holds the field's name, not a value.
    for (int row = 1; row < grid_->RowCount(); ++row) {
        unsigned length = 0;
        const char* text = view_->GetCellText(col, static_cast<unsigned>(row), &length);
        if (std::string_view(text, length) == value) {
            grid_->SetRow(row);
            return;
        }
    }
    Ui().MessageBox(this, "Selected item is not visible in grid. Remove filters and try again.", "Goto error",
                    BoxIcon::Information, BoxButtons::Ok);
}
