#include "grid/TDynamicFilterForm.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "grid/ControlTools.h"
#include "grid/TitleManager.h"
#include "store/InterfaceView.h"
#include "toolkit/Action.h"
#include "toolkit/Canvas.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DrawGrid.h"
#include "toolkit/ListBox.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

namespace {

const char* const kHeadings[3] = {"Filter Column", "Source Grid", "Source Column"};
constexpr ColorValue kHeadingBrush = ColorValue::FromRgb(255, 255, 0);
constexpr int kTextOffset = 3;
constexpr int kColumnPadding = 15;

const std::string& EntryText(const FilterEntry& entry, int col) {
    return col == 0 ? entry.FilterColumnTitle : col == 1 ? entry.SourceGridTitle : entry.SourceColumnTitle;
}

QLabel* MakeLabel(QWidget* parent, const char* text, const char* name) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

TDynamicFilterForm::TDynamicFilterForm(QWidget* owner, TitleManager* titles, InterfaceView* view,
                                       const std::string& column)
    : Form(owner), titles_(titles), view_(view), column_(column), buttons_(*this, [] { return true; }) {
    setObjectName("DynamicFilterForm");
    setWindowTitle(QStringLiteral("Dynamic Filter"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    SetCentreOnOwner(true);
    QFont tahoma = font();
    tahoma.setFamily(QStringLiteral("Tahoma"));
    setFont(tahoma);

    columnNameComboBox_ = new ComboBox(this, "ColumnNameComboBox");
    otherGridNameComboBox_ = new ComboBox(this, "OtherGridNameComboBox");
    otherGridColumnListBox_ = new ListBox(this, "OtherGridColumnListBox", true);
    entryGrid_ = new DrawGrid(this, "FilterEntryStringGrid");
    entryGrid_->SetColCount(3);
    entryGrid_->SetFixedRows(1);
    entryGrid_->SetFixedCols(0);
    entryGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    entryGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    entryGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    entryGrid_->onDrawCell = [this](int col, int row, const CanvasRect& rect, Canvas& canvas) {
        OnDrawFilterEntryCell(col, row, rect, canvas);
    };
    QPushButton* addButton =
        MakeActionButton(actions_, this, "&Add", "AddEntryAction", "AddFilterButton", &addEntry_);
    QPushButton* deleteButton =
        MakeActionButton(actions_, this, "&Delete", "DeleteEntryAction", "DeleteFilterButton", &deleteEntry_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(MakeLabel(this, "Filter Column ", "FilteredColumnLabel"), 0, 0);
    layout->addWidget(columnNameComboBox_, 1, 0);
    layout->addWidget(MakeLabel(this, "From Source Grid", "SrcGridLabel"), 0, 1);
    layout->addWidget(otherGridNameComboBox_, 1, 1);
    layout->addWidget(MakeLabel(this, "And Source Column", "SrcGridColumnLabel"), 0, 2);
    layout->addWidget(otherGridColumnListBox_, 1, 2, 3, 1);
    layout->addWidget(addButton, 2, 0);
    layout->addWidget(deleteButton, 2, 1);
    layout->addWidget(entryGrid_, 4, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(buttons_.OkButton());
    buttons->addWidget(buttons_.CancelButton());
    layout->addLayout(buttons, 5, 0, 1, 3);
    layout->setRowStretch(4, 1);
    resize(680, 551);

    addEntry_->onUpdate = [this](Action& a) { a.SetEnabled(selectedSourceColumn_ >= 0); };
    addEntry_->onExecute = [this](Action&) { AddEntryActionExecute(); };
    deleteEntry_->onUpdate = [this](Action& a) { a.SetEnabled(!entries_.empty()); };
    deleteEntry_->onExecute = [this](Action&) { DeleteEntryActionExecute(); };
    columnNameComboBox_->onChange = [this] { OnChangeFilteredColumn(); };
    otherGridNameComboBox_->onChange = [this] { OnChangeSourceGrid(); };
    otherGridColumnListBox_->onClick = [this] { OnGridColumnSelection(); };
    onShow = [this] { FormShow(); };
}

void TDynamicFilterForm::FormShow() {
    filterColumns_.clear();
    columnNameComboBox_->Clear();
    if (view_) {
        for (const std::string& name : view_->GetTitleList()) {
            const std::string title = titles_ ? titles_->GetUserTitle(name) : name;
            if (title.empty()) continue;
            filterColumns_.push_back(name);
            const int at = columnNameComboBox_->AddItem(title);
            if (name == column_) {
                columnNameComboBox_->SetItemIndex(at);
                OnChangeFilteredColumn();
            }
        }
    }
    otherGridNameComboBox_->Clear();
    for (const auto& [title, columns] : sourceGrids_) otherGridNameComboBox_->AddItem(title);
    if (!entries_.empty()) {
        otherGridNameComboBox_->SetText(entries_.front().SourceGridTitle);
        OnChangeSourceGrid();
    }
    RefreshEntryGrid();
    buttons_.SetChanged(modified_);
    actions_.UpdateActions();
}

void TDynamicFilterForm::OnChangeFilteredColumn() {
    const int index = columnNameComboBox_->ItemIndex();
    if (!view_ || index < 0 || index >= static_cast<int>(filterColumns_.size())) return;
    const int field = view_->FindField(filterColumns_[index]);
    if (field < 0) return;
    filterKind_ = view_->GetColumnKind(field);
    otherGridColumnListBox_->Clear();
    OnChangeSourceGrid();
}

void TDynamicFilterForm::OnChangeSourceGrid() {
    otherGridColumnListBox_->Clear();
    sourceColumns_.clear();
    selectedSourceColumn_ = -1;
    const auto grid = sourceGrids_.find(otherGridNameComboBox_->Text());
    if (grid != sourceGrids_.end()) {
        const std::vector<GridColumns>& columns = grid->second;
        std::vector<std::string> titles;
        for (int place = 0; place < static_cast<int>(columns.size()); ++place) {
            if (columns[place].Kind != filterKind_) continue;
            sourceColumns_.emplace_back(columns[place].Title, place);
            titles.push_back(columns[place].Title);
        }
        otherGridColumnListBox_->AddItems(titles);
    }
    actions_.UpdateActions();
}

void TDynamicFilterForm::OnGridColumnSelection() {
    selectedSourceColumn_ = -1;
    const int index = otherGridColumnListBox_->ItemIndex();
    if (index >= 0) {
        // The list is sorted: its item is found again by its text.
        const std::string title = otherGridColumnListBox_->Item(index);
        const auto found = std::find_if(sourceColumns_.begin(), sourceColumns_.end(),
                                        [&](const auto& column) { return column.first == title; });
        if (found != sourceColumns_.end()) selectedSourceColumn_ = found->second;
    }
    actions_.UpdateActions();
}

void TDynamicFilterForm::AddEntryActionExecute() {
    const auto grid = sourceGrids_.find(otherGridNameComboBox_->Text());
    const int index = columnNameComboBox_->ItemIndex();
    if (grid == sourceGrids_.end() || selectedSourceColumn_ < 0 ||
        selectedSourceColumn_ >= static_cast<int>(grid->second.size()) || index < 0 ||
        index >= static_cast<int>(filterColumns_.size()))
        return;
    const GridColumns& source = grid->second[selectedSourceColumn_];
    FilterEntry entry{columnNameComboBox_->Text(), grid->first, source.Title, filterColumns_[index],
                      source.Name};
    const bool duplicate = std::any_of(entries_.begin(), entries_.end(), [&](const FilterEntry& known) {
        return known.FilterColumnTitle == entry.FilterColumnTitle;
    });
    if (duplicate) {
        Ui().MessageBox(this, entry.FilterColumnTitle + " already has a filter enabled on it.",
                        "Duplicate Entry", BoxIcon::Error, BoxButtons::Ok);
        return;
    }
    entries_.push_back(std::move(entry));
    SetModified();
    RefreshEntryGrid();
}

void TDynamicFilterForm::DeleteEntryActionExecute() {
    const int entry = entryGrid_->Row() - 1;
    if (entry < 0 || entry >= static_cast<int>(entries_.size())) return;
    entries_.erase(entries_.begin() + entry);
    SetModified();
    RefreshEntryGrid();
}

void TDynamicFilterForm::RefreshEntryGrid() {
    entryGrid_->SetColCount(3);
    entryGrid_->SetRowCount(std::max(static_cast<int>(entries_.size()) + 1, 2));
    const QFontMetrics metrics(entryGrid_->font());
    for (int col = 0; col < 3; ++col) {
        int widest = metrics.horizontalAdvance(ToQt(kHeadings[col]));
        for (const FilterEntry& entry : entries_)
            widest = std::max(widest, metrics.horizontalAdvance(ToQt(EntryText(entry, col))));
        entryGrid_->setColumnWidth(col, widest + kColumnPadding);
    }
    // Some data row stays selected, as Delete takes the selected row's entry.
    if (entryGrid_->Row() < 1 || entryGrid_->Row() >= entryGrid_->RowCount())
        entryGrid_->setCurrentCell(std::min(std::max(entryGrid_->Row(), 1), entryGrid_->RowCount() - 1), 0);
    entryGrid_->viewport()->update();
    actions_.UpdateActions();
}

void TDynamicFilterForm::OnDrawFilterEntryCell(int col, int row, const CanvasRect& rect, Canvas& canvas) {
    canvas.SetBrushColor(row == 0 ? kHeadingBrush : clWindow);
    canvas.FillRect(rect);
    canvas.SetFontColor(clWindowText);
    std::string text;
    if (col >= 0 && col < 3) {
        if (row == 0)
            text = kHeadings[col];
        else if (row - 1 < static_cast<int>(entries_.size()))
            text = EntryText(entries_[row - 1], col);
    }
    canvas.TextRect(rect, rect.left + kTextOffset, rect.top + kTextOffset, text);
}

void TDynamicFilterForm::SetModified() {
    modified_ = true;
    buttons_.SetChanged(true);
}
