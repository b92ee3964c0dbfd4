#include "grid/TBaseGridForm.h"

#include <cxxabi.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <map>
#include <set>
#include <string_view>
#include <utility>

#include "core/BaseIniFile.h"
#include "core/DateTimeText.h"
#include "core/Win1252Case.h"
#include "fields/MInterface.h"
#include "fields/MTTimePoint.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/CSVExportFile.h"
#include "grid/ChunkedKeyList.h"
#include "grid/ColumnAccessManager.h"
#include "grid/ColumnSetText.h"
#include "grid/DecimalText.h"
#include "grid/DrawSortDirection.h"
#include "grid/DynamicFilterLinks.h"
#include "grid/DynamicLinkRegistry.h"
#include "grid/GridAutomationReply.h"
#include "grid/GridQuickTools.h"
#include "grid/GridTextCopy.h"
#include "grid/PrintGridReport.h"
#include "grid/TBaseGridOptionForm.h"
#include "grid/TCheckListSingleSelectionForm.h"
#include "grid/TCheckListTriStateForm.h"
#include "grid/TColumnsToHideForm.h"
#include "grid/TDateTimeInputForm.h"
#include "grid/TDynamicFilterForm.h"
#include "grid/TEnumInputForm.h"
#include "grid/TExportDataToCSV.h"
#include "grid/TFilterForm.h"
#include "grid/TFilterToolsForm.h"
#include "grid/TScheduleCSVExportForm.h"
#include "grid/TSortSelectionForm.h"
#include "grid/TStringInputForm.h"
#include "grid/TTitleManagerForm.h"
#include "grid/TitleManager.h"
#include "grid/WidestText.h"
#include "store/FilterData.h"
#include "store/InterfaceView.h"
#include "store/ParseRangeBound.h"
#include "toolkit/Action.h"
#include "toolkit/BusyCursor.h"
#include "toolkit/Canvas.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/Edit.h"
#include "toolkit/FindDialog.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/QtPaint.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

namespace {

constexpr int kNumberKind = 6;
const char* const kRowHeaderSample = "999999999999";

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

TBaseGridForm::TBaseGridForm(QMdiArea* owner, ColumnAccessManager* columnAccess, const BaseGridConfig& config,
                             TitleManager* titles, InterfaceView* view)
    : MdiForm(owner), view_(view), titles_(titles), columnAccess_(columnAccess) {
    // The form and its components.
    setObjectName("BaseGridForm");
    setWindowTitle("BaseGridForm");
    setFont(ToQFont(FontSpec{}));
    SubWindow()->resize(592, 370);
    grid_ = new BusinessObjectGrid(this);
    grid_->setObjectName("BusinessObjectGrid");
    FontSpec gridFont;
    gridFont.height = -12;
    grid_->SetGridFont(gridFont);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    CreateActions();
    CreatePopupMenu();
    ConnectSortAndFilterTools();
    ConnectMouseAndSearch();
    ConnectTools();
    grid_->onCellText = [this](int col, int row) { return GetCellText(col, row); };
    grid_->onBeginPaint = [this] { columnPaint_.clear(); };
    grid_->onDrawCell = [this](int col, int row, const CanvasRect& rect, Canvas& canvas) {
        painting_ = true;
        BusinessObjectGridDrawCell(col, row, rect, canvas);
        painting_ = false;
    };
    grid_->onSelectCell = [this](int col, int row) { BusinessObjectGridSelectCell(col, row); };
    grid_->onColumnMoved = [this](int from, int to) { BusinessObjectGridColumnMoved(from, to); };
    onCloseQuery = [this] { return FormCloseQuery(); };
    onClose = [this] { FormClose(); };
    onResize = [this] { FormResize(); };
    onMessage = [this](uint32_t message, int32_t wParam, int32_t lParam) {
        return Dispatch(message, wParam, lParam);
    };

    // The configuration record; the view, the title manager and the access manager are kept.
    settingsFileName_ = config.SettingsFileName;
    exportDirectory_ = config.WorkingDirectory;
    windowSection_ = config.WindowSection;
    titlesSection_ = config.TitlesSection;
    templateSection_ = config.TemplateSection;
    windowTitle_ = config.WindowTitle;
    useTemplate_ = config.UseTemplate;

    InitWindowConfig();

    DumpDataAction->SetShortcut("Shift+Alt+Down");
}

TBaseGridForm::~TBaseGridForm() {
    // The grid goes first: nothing it does on its way may reach the view.
    DisconnectMouseAndSearch();
    grid_->onCellText = nullptr;
    grid_->onDrawCell = nullptr;
    grid_->onSelectCell = nullptr;
    grid_->onColumnMoved = nullptr;
    grid_->onBeginPaint = nullptr;
    delete grid_;
    grid_ = nullptr;
}

void TBaseGridForm::MakeActions(std::span<const ActionEntry> entries) {
    for (const ActionEntry& entry : entries) {
        Action* action = actionList_.Make(this, entry.caption, entry.shortcut, entry.hint);
        action->setObjectName(entry.name);
        action->SetScope(this);
        *entry.action = action;
    }
}

void TBaseGridForm::CreateActions() {
    const ActionEntry entries[] = {
        {&SortAction, "SortAction", "Sor&t Criteria...", "Ctrl+Alt+S",
         "Define sorting criteria: by columns and sorting types (ascending or descending)"},
        {&FilterAction, "FilterAction", "&Filter Selection...", "Ctrl+Alt+F",
         "Define data filter: by columns and values"},
        {&HideColumnsAction, "HideColumnsAction", "&Hide Columns...", "Ctrl+Alt+H",
         "Hide Columns|Select specific columns to hide"},
        {&EditRowAction, "EditRowAction", "Edit &Row...", "Ctrl+Alt+R",
         "Edit data of currently selected row"},
        {&ExportAction, "ExportAction", "E&xport to Clipboard", "Ctrl+Ins",
         "Copy to clipboard all data (all columns and rows) - fields are separated by tab character"},
        {&PrintAction, "PrintAction", "&Print...", "", "Print current business item data"},
        {&SearchAction, "SearchAction", "&Search...", "Ctrl+F",
         "Search for a data in currently selected column"},
        {&EditColumnPropertiesAction, "EditColumnPropertiesAction", "Ed&it Column Properties...",
         "Ctrl+Alt+C", "Display the form to modify columns' properties"},
        {&EditWindowTitleAction, "EditWindowTitleAction", "Edit &Window Title...", "Ctrl+Alt+W",
         "Window Title|Edit currently open window's title"},
        {&SetQuickFilterAction, "SetQuickFilterAction", "Set &Quick Filter", "Ctrl+Q",
         "Set Quick Filter|Modify filter definition with a value of currently selected cell"},
        {&RemoveColumnFilterAction, "RemoveColumnFilterAction", "&Remove Column Filter", "Ctrl+Alt+Q",
         "Remove Column Filter|Remove all filter definition for currently selected column"},
        {&SetQuickSortAscAction, "SetQuickSortAscAction", "Set Quick Sort &Ascending", "Shift+F7",
         "Ascending Quick Sort|Modify sort criteria with currently selected column in ascending mode"},
        {&SetQuickSortDescAction, "SetQuickSortDescAction", "Set Quick Sort &Descending", "Shift+F8",
         "Descending Quick Sort|Modify sort criteria with currently selected column in descending mode"},
        {&RemoveColumnSortAction, "RemoveColumnSortAction", "&Remove Column Sort", "Ctrl+Shift+F7",
         "Remove Column Sort|Remove sort criteria definition for currently selected column"},
        {&HideOneColumnAction, "HideOneColumnAction", "Hide &One Column", "Ctrl+H",
         "Hide Column|Hide currently selected column"},
        {&CopyCellAction, "CopyCellAction", "C&opy Cell", "Ctrl+F7",
         "Copy current cell's value to clipboard"},
        {&CopyRowAction, "CopyRowAction", "Copy Row", "Ctrl+R", "Copy current row's values to clipboard"},
        {&ImportAction, "ImportAction", "I&mport...", "Ctrl+I",
         "Import|Import business item data from a CSV file"},
        {&DumpDataAction, "DumpDataAction", "DumpDataAction", "", ""},
        {&ModifyColumnsAction, "ModifyColumnsAction", "Modify Column &Values...", "Ctrl+Alt+V",
         "Modify Column Values|Display a form in order to modify values of currently selected column"},
        {&GridOptionsAction, "GridOptionsAction", "Grid Optio&ns...", "Ctrl+Alt+N",
         "Grid Options|Modify options of currently open data window's grid"},
        {&CopyColumnValuesAction, "CopyColumnValuesAction", "Copy Column Values", "Ctrl+F8",
         "Copy to clipboard unique values of currently selected column"},
        {&ExportToCSVAction, "ExportToCSVAction", "Export to CSV File", "Ctrl+B",
         "Export to CSV|Export all displayed data into CSV file"},
        {&ScheduleCSVExportAction, "ScheduleCSVExportAction", "Schedule CSV Export", "Ctrl+Alt+B",
         "CSV Schedule|Allows to define the schedule the CSV export of currently open data window"},
        {&SearchColumnAction, "SearchColumnAction", "Search Column...", "Ctrl+F3", ""},
        {&DynamicFilterAction, "DynamicFilterAction", "Dynamic Filter...", "", ""},
        {&RemoveDynamicFilterAction, "RemoveDynamicFilterAction", "Remove Dynamic Filter", "", ""},
        {&SetGreaterQuickFilterAction, "SetGreaterQuickFilterAction", "Set &Greater or Equal Quick Filter",
         "", "Set Quick Filter|Modify filter definition with a value of currently selected cell"},
        {&SetLowerQuickFilterAction, "SetLowerQuickFilterAction", "Set &Lower or Equal Quick Filter", "",
         "Set Quick Filter|Modify filter definition with a value of currently selected cell"},
        {&NegateColumnFilterAction, "NegateColumnFilterAction", "Negate Column Filter", "", ""},
    };
    MakeActions(entries);

    const auto rule = [](Action* action, std::function<bool()> enabled) {
        action->onUpdate = [enabled = std::move(enabled)](Action& a) { a.SetEnabled(enabled()); };
    };
    rule(SortAction, [this] { return CanSort(); });
    rule(FilterAction, [this] { return CanFilter(); });
    rule(HideColumnsAction, [this] { return CanHideColumns(); });
    rule(EditRowAction, [this] { return HasData() && CanEditRow(grid_->Row() - 1); });
    rule(ExportAction, [this] { return HasData(); });
    rule(PrintAction, [this] { return HasData() && grid_->Row() > 0; });
    rule(SearchAction, [this] { return HasData() && !columnFindDialogOpen_; });
    rule(EditColumnPropertiesAction, [this] { return CanEditColumnProperties(); });
    rule(EditWindowTitleAction, [] { return true; });
    rule(SetQuickFilterAction, [this] { return CanQuickFilter(); });
    rule(RemoveColumnFilterAction, [this] { return CanRemoveColumnFilter(); });
    rule(SetQuickSortAscAction, [this] { return CanSort(); });
    rule(SetQuickSortDescAction, [this] { return CanSort(); });
    rule(RemoveColumnSortAction, [this] {
        const std::string name = ColumnName(grid_->Col());
        return std::any_of(SortCriteria.begin(), SortCriteria.end(),
                           [&](const SortSelectionData& c) { return !name.empty() && c.Column == name; });
    });
    rule(HideOneColumnAction, [this] { return CanHideColumns() && view_->CountVisibleColumns() > 1; });
    rule(CopyCellAction, [this] { return HasData(); });
    rule(CopyRowAction, [this] { return HasData(); });
    rule(ImportAction, [this] { return CanImport(); });
    rule(DumpDataAction, [this] { return HasData(); });
    ModifyColumnsAction->onUpdate = [this](Action& a) {
        if (!view_) return;  // without a view the action keeps its state
        const int col = grid_->Col();
        a.SetEnabled(columnAccess_ && columnAccess_->IsModifiable(ColumnName(col)) && HasData() &&
                     CanModifyColumnValues(view_->GetColumnIndex(col) - 1));
    };
    rule(GridOptionsAction, [] { return true; });
    rule(CopyColumnValuesAction, [this] { return HasData(); });
    rule(ExportToCSVAction, [this] { return HasData(); });
    rule(ScheduleCSVExportAction, [] { return true; });
    rule(SearchColumnAction, [this] { return !findDialogOpen_; });
    rule(DynamicFilterAction, [this] {
        auto* area = SubWindow() ? SubWindow()->mdiArea() : nullptr;
        return GetDynamicLinkRegistry() && CanFilter() && area && area->subWindowList().size() > 1;
    });
    // No handler at all: disabled for good.
    RemoveDynamicFilterAction->SetEnabled(false);
    rule(SetGreaterQuickFilterAction, [this] { return CanQuickFilter(); });
    rule(SetLowerQuickFilterAction, [this] { return CanQuickFilter(); });
    rule(NegateColumnFilterAction, [this] { return HasData() && CurrentColumnHasFilter(); });
}

void TBaseGridForm::CreatePopupMenu() {
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName("PopupMenu");
    ActionList::AttachMenu(popupMenu_);

    const auto submenu = [this](const char* title, const char* hint) {
        QMenu* menu = popupMenu_->addMenu(ToQt(title));
        menu->menuAction()->setToolTip(ToQt(hint));
        menu->menuAction()->setStatusTip(ToQt(hint));
        ActionList::AttachMenu(menu);
        return menu;
    };
    QMenu* sort = submenu("Sor&t", "Sort criteria related commands");
    sort->addAction(SortAction);
    sort->addSeparator();
    sort->addAction(SetQuickSortAscAction);
    sort->addAction(SetQuickSortDescAction);
    sort->addAction(RemoveColumnSortAction);

    QMenu* filter = submenu("&Filter", "Filter related commands");
    filter->addAction(FilterAction);
    filter->addSeparator();
    filter->addAction(SetQuickFilterAction);
    AddPopupItem(filter, SetLowerQuickFilterAction, "Ctrl+Down", "");
    AddPopupItem(filter, SetGreaterQuickFilterAction, "Ctrl+Up", "");
    AddPopupItem(filter, NegateColumnFilterAction, "Ctrl+Left", "");
    filter->addAction(RemoveColumnFilterAction);
    filter->addSeparator();
    // Ctrl+F12 is the main window's (Save Window As): shown here, never taken.
    AddPopupItem(filter, DynamicFilterAction, "Ctrl+F12", "", true);

    QMenu* hide = submenu("&Hide", "Hiding column related commands");
    hide->addAction(HideColumnsAction);
    hide->addSeparator();
    hide->addAction(HideOneColumnAction);

    popupMenu_->addAction(EditColumnPropertiesAction);
    popupMenu_->addAction(EditWindowTitleAction);
    popupMenu_->addAction(GridOptionsAction);
    popupMenu_->addSeparator();
    popupMenu_->addAction(EditRowAction);
    popupMenu_->setDefaultAction(EditRowAction);
    popupMenu_->addSeparator();
    AddPopupItem(popupMenu_, ExportAction, "",
                 "Copy all data (all columns and rows) to clipboard - fields are separated by tab character");
    popupMenu_->addAction(ExportToCSVAction);
    popupMenu_->addAction(CopyRowAction);
    popupMenu_->addAction(CopyCellAction);
    popupMenu_->addAction(CopyColumnValuesAction);
    popupMenu_->addSeparator();
    popupMenu_->addAction(SearchAction);
    popupMenu_->addAction(SearchColumnAction);
    popupMenu_->addAction(PrintAction);

    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, popupMenu_,
            [this](const QPoint& at) { popupMenu_->popup(grid_->viewport()->mapToGlobal(at)); });
}

QAction* TBaseGridForm::AddPopupItem(QMenu* menu, Action* action, const char* shortcut, const char* hint,
                                     bool keyTextOnly) {
    auto* entry = new QAction(menu);
    entry->setObjectName(action->objectName() + "Item");
    const QString keys = ToQt(shortcut);
    const auto follow = [entry, action, keys] {
        entry->setText(ToQt(action->Caption()) + (keys.isEmpty() ? QString() : '\t' + keys));
        entry->setEnabled(action->isEnabled());
        entry->setVisible(action->isVisible());
    };
    follow();
    connect(action, &QAction::changed, entry, follow);
    connect(entry, &QAction::triggered, action, [action] { action->Execute(); });
    if (*hint) {
        const std::string text = hint;
        const size_t bar = text.find('|');
        entry->setToolTip(ToQt(text.substr(0, bar)));
        entry->setStatusTip(ToQt(bar == std::string::npos ? text : text.substr(bar + 1)));
    } else {
        entry->setToolTip(action->toolTip());
        entry->setStatusTip(action->statusTip());
    }
    if (!keys.isEmpty() && !keyTextOnly) {
        auto* key = new QAction(this);
        key->setShortcut(QKeySequence(keys, QKeySequence::PortableText));
        key->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(key);
        connect(key, &QAction::triggered, action, [action] { action->Execute(); });
    }
    menu->addAction(entry);
    return entry;
}

bool TBaseGridForm::FormCloseQuery() {
    // An open find dialog comes forward instead.
    if (findDialogOpen_ || columnFindDialogOpen_) {
        (findDialogOpen_ ? findDialog_ : columnFindDialog_)->Execute();
        return false;
    }
    closingAgreed_ = CanCloseWindow();
    return closingAgreed_;
}

// ---- Own virtual operations: the base behaviour.

bool TBaseGridForm::MatchCellText(int row, int col) {
    if (!view_ || row < 0 || row >= grid_->RowCount() || col < 0 || col >= grid_->ColCount()) return false;
    unsigned length = 0;
    const char* text = view_->GetCellText(col, static_cast<unsigned>(row), &length);
    return TextMatches(std::string_view(text, length), findText_, matchCase_, wholeWord_);
}

bool TBaseGridForm::EditRow(int) {
    return false;
}
bool TBaseGridForm::CanEditRow(int) {
    return true;
}
bool TBaseGridForm::CanCloseWindow() {
    return true;
}
bool TBaseGridForm::SpareRowCheck() {
    return true;
}
bool TBaseGridForm::CanModifyColumnValues(int) {
    return true;
}
bool TBaseGridForm::CanImport() {
    return false;
}
bool TBaseGridForm::ImportData(const std::string&) {
    return true;
}
int TBaseGridForm::SpareQueryFirst() {
    return 0;
}
int TBaseGridForm::SpareQuerySecond() {
    return 0;
}
void TBaseGridForm::SaveExtraConfig(BaseIniFile&) {}
void TBaseGridForm::WriteWindowEntry(BaseIniFile&) {}
void TBaseGridForm::WriteApplicationName(BaseIniFile& file) {
    file.WriteString("Application", "Name",
                     FromQt(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
}
void TBaseGridForm::WindowResized() {}
void TBaseGridForm::DataReloaded() {}
void TBaseGridForm::ShowImportSucceeded() {
    Ui().MessageBox(this, "The import has been successfully completed", "Import status", BoxIcon::Information,
                    BoxButtons::Ok);
}
void TBaseGridForm::ShowImportFailed() {
    Ui().MessageBox(this,
                    "The import has been completed with some problems.\nFor more details please consult "
                    "Communication Status Window",
                    "Import Status", BoxIcon::Warning, BoxButtons::Ok);
}
void TBaseGridForm::ColumnOrderRestored() {}
void TBaseGridForm::ColumnMoved() {}
void TBaseGridForm::BeforeSort() {}
void TBaseGridForm::SetQuickFilter(int condition) {
    if (!view_) return;
    const int col = grid_->Col();
    const std::string name = ColumnName(col);
    if (name.empty()) return;
    unsigned length = 0;
    const char* text = view_->GetCellText(col, static_cast<unsigned>(grid_->Row()), &length);
    GridQuickTools::SetQuickFilter(view_->GetFilter(), name, view_->FindField(name),
                                   std::string(text, length), condition);
    FiltersChanged();
}
void TBaseGridForm::FiltersApplied() {}
void TBaseGridForm::SetQuickSort(bool ascending) {
    if (!view_) return;
    const std::string name = ColumnName(grid_->Col());
    if (name.empty()) return;
    GridQuickTools::SetQuickSort(SortCriteria, name, ascending);
    SortCriteriaChanged();
    RowSelected(grid_->Row());
}
void TBaseGridForm::ReloadData() {}
void TBaseGridForm::GridMouseDown(int, int, int, int) {}
std::string TBaseGridForm::GetRowHeaderSuffix(int) {
    return {};
}
std::string TBaseGridForm::GetCaptionSuffix() {
    return {};
}
bool TBaseGridForm::CanSort() {
    return view_ != nullptr;
}
bool TBaseGridForm::CanFilter() {
    return view_ && view_->GetAllRowCount() > 1;
}
bool TBaseGridForm::CanQuickFilter() {
    return HasData();
}
bool TBaseGridForm::CanRemoveColumnFilter() {
    return CurrentColumnHasFilter();
}
bool TBaseGridForm::CanHideColumns() {
    return view_ != nullptr;
}
bool TBaseGridForm::CanEditColumnProperties() {
    return view_ && titles_;
}
int TBaseGridForm::GetColumnMaxLength(const std::string&) {
    return -1;
}
void TBaseGridForm::ModifyColumnValue(int, const std::string&) {}
void TBaseGridForm::ModifyColumnSetValues(int, const StringVector&, const StringVector&) {}
void TBaseGridForm::ModifyColumnValues() {
    if (!view_) return;
    const int col = grid_->Col();
    unsigned length = 0;
    const char* cell = view_->GetCellText(col, static_cast<unsigned>(grid_->Row()), &length);
    std::string text(cell, length);
    const int field = view_->GetColumnIndex(col) - 1;
    const std::string name = ColumnName(col);
    switch (const int kind = view_->GetColumnKind(field)) {
        case MInterface::kOther:
        case MInterface::kString:
        case MInterface::kNumber: {
            TStringInputForm form(this, name, &text);
            if (const int limit = GetColumnMaxLength(name); limit > 0)
                form.Control<Edit>("StringInputEdit")->SetMaxLength(limit);
            if (form.ShowModal() == mrOk) ModifyColumnValue(field, text);
            break;
        }
        case MInterface::kEnumeration: {
            TEnumInputForm form(this, &text, name, view_->GetColumnValues(field));
            if (form.ShowModal() == mrOk) ModifyColumnValue(field, text);
            break;
        }
        case MInterface::kSet:
            ModifySetColumnValues(field, name, text);
            break;
        default:
            if (kind >= 1 && kind <= 3) EditDateTimeColumnValue(text, kind, field);
            break;
    }
    ApplyFilters();
}

void TBaseGridForm::ModifySetColumnValues(int field, const std::string& name, const std::string& text) {
    const std::vector<std::string> offered =
        SetValueList.empty() ? view_->GetColumnValues(field) : SetValueList;
    const char separator = view_->GetColumnSeparator(field);
    if (SetEditTriState) {
        TCheckListTriStateForm form(this, offered, name);
        if (form.ShowModal() != mrOk) return;
        StringVector set;
        StringVector clear;
        for (int i = 0; i < static_cast<int>(offered.size()); ++i) {
            const CheckListBox::State state = form.FlagState(i);
            if (state == CheckListBox::Checked) set.push_back(offered[i]);
            if (state == CheckListBox::Unchecked) clear.push_back(offered[i]);
        }
        ModifyColumnSetValues(field, set, clear);
        return;
    }
    std::vector<std::string> chosen = ColumnSetText::CurrentFlags(
        text, offered, view_->GetColumnNoneText(field), view_->GetColumnAllText(field), separator);
    TCheckListSingleSelectionForm form(this, false, name, chosen, offered);
    if (form.ShowModal() == mrOk) ModifyColumnValue(field, ColumnSetText::Join(chosen, separator));
}

void TBaseGridForm::EditDateTimeColumnValue(std::string& value, int kind, int field) {
    const MDateTimeTimePoint reference;
    // A time of day alone is read against the reference date, as the dialog reads full date-times.
    std::string text = value;
    if (kind == MInterface::kTime && !text.empty()) text = FormatTmDate(reference.GetTm(), '/') + " " + text;
    std::string name;
    if (view_ && field >= 0 && field < static_cast<int>(view_->GetTitleList().size()))
        name = view_->GetTitleList()[field];
    TDateTimeInputForm form(this, reference, name, kind, text);
    if (form.ShowModal() != mrOk) return;
    value = text;
    ModifyColumnValue(field, value);
}
bool TBaseGridForm::SupportsFilterAlerts() {
    return false;
}
void TBaseGridForm::RowSelected(int) {}
void TBaseGridForm::AddDynamicFilter(const std::string& column, const std::string& supplierTitle,
                                     const std::string& supplierColumn) {
    if (!view_) return;
    uint32_t supplier = 0;
    if (Links().Add(column, supplierTitle, supplierColumn, supplier) != DynamicFilterLinks::Added::Linked)
        return;
    if (supplier != 0) MessageRouter::SendMessage(supplier, kPublishLinkValues, 0, 0);
    ApplyDynamicFilterValues();
}
DynamicLinkRegistry* TBaseGridForm::GetDynamicLinkRegistry() {
    return LinkRegistry;
}
void TBaseGridForm::ApplyDynamicFilterValues() {
    if (!view_ || !GetDynamicLinkRegistry()) return;
    Links().TakeValues();
    ApplyFilters();
    RepaintGrid();
    NotifyWorkspaceChanged();
    if (Links().IsSupplier()) PublishLinkValues();
}
void TBaseGridForm::PublishLinkValues() {
    if (!view_ || !GetDynamicLinkRegistry()) return;
    RepaintGrid();
    Links().Publish(static_cast<unsigned>(std::max(grid_->Row(), 0)));
}
void TBaseGridForm::ClearDynamicFilters() {
    if (!view_ || !GetDynamicLinkRegistry()) return;
    if (!Links().Clear()) return;
    ApplyFilters();
    NotifyWorkspaceChanged();
}
void TBaseGridForm::PublishRowLinkValues(int row) {
    // Runs for every cell painted in the selected row: no repaint from here.
    if (!view_ || !GetDynamicLinkRegistry() || row < 1) return;
    Links().Publish(static_cast<unsigned>(row));
}
void TBaseGridForm::ForceGridRefreshActionExecute() {
    if (DynamicLinkRegistry* registry = GetDynamicLinkRegistry()) registry->ForceRefreshAllGrids();
}
void TBaseGridForm::DynamicFilterActionExecute() {
    QMdiArea* area = SubWindow() ? SubWindow()->mdiArea() : nullptr;
    if (!area) return;
    if (view_) {
        // The other windows that hold records, by the caption the registry finds them by.
        TDynamicFilterForm::SourceGrids grids;
        for (QMdiSubWindow* sub : area->subWindowList()) {
            auto* other = dynamic_cast<TBaseGridForm*>(sub->widget());
            if (!other || other == this || !other->View() || other->View()->GetAllRowCount() <= 1) continue;
            std::vector<GridColumns>& columns = grids[other->Caption()];
            const std::vector<std::string>& names = other->View()->GetTitleList();
            for (int field = 0; field < static_cast<int>(names.size()); ++field) {
                const std::string title =
                    other->Titles() ? other->Titles()->GetUserTitle(names[field]) : names[field];
                if (!title.empty())
                    columns.push_back(GridColumns{title, names[field], other->View()->GetColumnKind(field)});
            }
        }
        const auto ownTitle = [this](const std::string& field) {
            const std::string title = titles_ ? titles_->GetUserTitle(field) : std::string();
            return title.empty() ? field : title;
        };
        const auto sourceTitle = [&grids](const std::string& supplier, const std::string& field) {
            const auto grid = grids.find(supplier);
            if (grid == grids.end()) return field;
            for (const GridColumns& column : grid->second)
                if (column.Name == field) return column.Title;
            return field;
        };
        TDynamicFilterForm form(this, titles_, view_.get(), ColumnName(grid_->Col()));
        form.SetSourceGrids(grids);
        form.SetEntries(Links().Entries(ownTitle, sourceTitle));
        if (form.ShowModal() == mrOk) {
            ClearDynamicFilters();
            for (const FilterEntry& entry : form.GetEntries())
                AddDynamicFilter(entry.FilterColumnName, entry.SourceGridTitle, entry.SourceColumnName);
            NotifyWorkspaceChanged();
            ApplyFilters();
            RepaintGrid();
        }
    }
    for (QMdiSubWindow* sub : area->subWindowList()) {
        if (auto* form = dynamic_cast<MdiForm*>(sub->widget()))
            MessageRouter::SendMessage(form->Handle(), kDataChanged, 0, 0);
    }
}
DynamicFilterLinks TBaseGridForm::Links() {
    return DynamicFilterLinks(*view_, GetDynamicLinkRegistry(), Handle());
}
void TBaseGridForm::RefreshDynamicFilters() {
    ApplyDynamicFilterValues();
}
void TBaseGridForm::RepublishLinkValues() {
    PublishRowLinkValues(grid_->Row());
}

// ---- Configuration.

std::string TBaseGridForm::GetConfigSection() {
    if (useTemplate_ && !templateSection_.empty() && settingsFile_->SectionExists(templateSection_))
        return templateSection_;
    return windowSection_;
}

namespace {

// Separators of the listed entries: name(value); for sort, conditions and column options, and
// name(value); with values that may hold ";" for the filter values and delta flags.
const char* const kEntryEnd = ";";
const char* const kValueEntryEnd = ");";
const char* const kOpener = "(";
const char* const kCloser = ")";

std::string Entry(const std::string& name, const std::string& value) {
    return name + kOpener + value + kCloser + kEntryEnd;
}

// The text inside one enclosing pair of double quotes, as the alert texts are written.
std::string Unquoted(std::string text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

// Swaps the window's current section for the time of a save.
class SectionSwitch {
public:
    SectionSwitch(std::string& section, std::string name) : section_(section), saved_(section) {
        section_ = std::move(name);
    }
    ~SectionSwitch() { section_ = saved_; }
    SectionSwitch(const SectionSwitch&) = delete;
    SectionSwitch& operator=(const SectionSwitch&) = delete;

private:
    std::string& section_;
    std::string saved_;
};

}  // namespace

void TBaseGridForm::InitWindowConfig() {
    settingsFile_ = std::make_unique<BaseIniFile>(settingsFileName_);
    RefreshGrid();
    LoadWindowConfig();
    invalidFileNameChars_ = {'\\', '/', ':', '*', '?', '"', '<', '>', '|'};
    exportManager_.ScheduleNext(ExportSchedule);
}

void TBaseGridForm::LoadWindowConfig() {
    SetRowHeaderWidth();
    LoadGridOptions();
    LoadSortConfig();
    LoadColumnOptions();
    LoadHiddenColumns();
    LoadFilterConfig();
    LoadDynamicFilterConfig();
    LoadWindowTitle();
    LoadWindowPosition();
    LoadExportSchedule();
}

void TBaseGridForm::LoadGridOptions() {
    options_.LoadFromFile(*settingsFile_, GetConfigSection());
    ApplyGridOptions();
}

void TBaseGridForm::LoadSortConfig() {
    if (!view_) return;
    SortCriteria.clear();
    const ChunkedKeyList list(*settingsFile_, GetConfigSection(), "Sort");
    for (const Key1ValueData& entry : list.ReadKey1ValueList(kEntryEnd, kOpener, kCloser))
        SortCriteria.emplace_back(entry.Key, entry.Value == "1");
    if (SortCriteria.empty()) return;
    view_->SetSortCriteria(SortCriteria);
    // Only the criteria on columns the view has remain: with none, no sort is active (and none is
    // saved).
    SortActive = !SortCriteria.empty();
}

void TBaseGridForm::LoadColumnOptions() {
    if (!view_) return;
    ColumnOptionMap saved;
    std::vector<std::string> names;
    const ChunkedKeyList list(*settingsFile_, GetConfigSection(), "ColumnOptions");
    for (const Key2ValueData& entry : list.ReadKey2ValueList(kEntryEnd, kOpener, ",", kCloser)) {
        // An edited entry whose numbers are not whole numbers is passed over.
        ColumnOption option;
        if (!ParseDecimalText(entry.Value, option.Position) ||
            !ParseDecimalText(entry.SecondValue, option.Width))
            continue;
        // An edited width out of the sane range loads as the grid's default, which is saved back.
        constexpr int32_t kMaxColumnWidth = 4096;
        if (option.Width < 0 || option.Width > kMaxColumnWidth)
            option.Width = BusinessObjectGrid::kDefaultColWidth;
        saved[entry.Key] = option;
        names.push_back(entry.Key);
    }
    if (saved.empty()) return;
    ApplyColumnOrder(saved, names);
    const TitleVisibilityMap& visibility = view_->GetTitleVisibility();
    for (const std::string& name : view_->GetTitleList()) {
        const auto option = saved.find(name);
        if (option == saved.end()) continue;
        const int col = view_->FindColumn(name);
        if (col < 1) continue;
        const auto flag = visibility.find(name);
        if (flag == visibility.end() || flag->second) {
            if (col < grid_->ColCount()) grid_->SetColWidth(col, option->second.Width);
        } else {
            // Kept with the hidden column, for when it shows again.
            grid_->SetColWidth(col, option->second.Width);
        }
    }
}

void TBaseGridForm::ApplyColumnOrder(const ColumnOptionMap& saved,
                                     const std::vector<std::string>& savedNames) {
    const std::vector<std::string>& titles = view_->GetTitleList();
    const int fields = static_cast<int>(titles.size());
    std::map<std::string, int32_t> current;
    for (const std::string& name : titles) current.emplace(name, 0);
    // Positions held by saved columns that the view no longer has; a position below 1 held none.
    std::vector<int32_t> stale;
    std::set<std::string> staleNames;
    for (const std::string& name : savedNames) {
        const auto option = saved.find(name);
        if (option == saved.end()) continue;
        const auto field = current.find(name);
        if (field != current.end())
            field->second = option->second.Position;
        else if (staleNames.insert(name).second && option->second.Position >= 1)
            stale.push_back(option->second.Position);
    }
    // The placed columns close the gaps of the stale ones; then they take the places 1, 2, ... in
    // ascending order of position, ties in field order (an edited file may repeat a position or
    // skip one), and the columns without a place follow in field order.
    std::vector<std::pair<int64_t, int>> placed;
    std::vector<int> unplaced;
    for (int j = 0; j < fields; ++j) {
        int64_t position = current[titles[static_cast<std::size_t>(j)]];
        if (position >= 1) {
            position -= std::count_if(stale.begin(), stale.end(), [&](int32_t p) { return p <= position; });
        }
        if (position >= 1)
            placed.emplace_back(position, j);
        else
            unplaced.push_back(j);
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int32_t> order(static_cast<std::size_t>(view_->GetColumnCount()), 0);
    std::size_t next = 1;
    const auto place = [&](int field) {
        if (next < order.size()) order[next++] = field + 1;
    };
    for (const auto& [position, field] : placed) place(field);
    for (int field : unplaced) place(field);
    view_->SetColumnOrder(order.data(), static_cast<int>(order.size()));
}

void TBaseGridForm::LoadHiddenColumns() {
    if (!view_) return;
    TitleVisibilityMap& visibility = view_->GetTitleVisibility();
    for (auto& [name, visible] : visibility) visible = true;
    const ChunkedKeyList list(*settingsFile_, GetConfigSection(), "HiddenColumns");
    for (const KeyData& entry : list.ReadKeyList(kEntryEnd)) {
        const auto flag = visibility.find(entry.Key);
        if (flag != visibility.end()) flag->second = false;
    }
    ApplyColumnVisibility(visibility);
}

void TBaseGridForm::LoadFilterConfig() {
    if (!view_) return;
    const std::string section = GetConfigSection();
    BaseIniFile& file = *settingsFile_;
    FilterData& filters = view_->GetFilter();
    filters.clear();

    const std::string negation = file.ReadString(section, "FilterNegation", "0");
    int32_t negated = 0;
    view_->SetFilterNegation(!negation.empty() && ParseDecimalText(negation, negated) && negated != 0);
    filters.SoundAlertEnabled = file.ReadString(section, "FilterSoundAlertEnabled", "0") == "1";
    filters.SoundAlertFilename = Unquoted(file.ReadString(section, "FilterSoundAlertFilename", ""));
    filters.PopupAlertEnabled = file.ReadString(section, "FitlerPopupAlertEnabled", "0") == "1";
    filters.PopupAlertMessage = Unquoted(file.ReadString(section, "FilterPopupAlertMessage", ""));

    const auto named = [&](const std::string& name) {
        return std::find_if(filters.begin(), filters.end(),
                            [&](const ColumnFilter& f) { return f.ColumnName == name; });
    };
    for (const Key1ValueData& entry :
         ChunkedKeyList(file, section, "FilterCondition").ReadKey1ValueList(kEntryEnd, kOpener, kCloser)) {
        ColumnFilter filter;
        filter.ColumnName = entry.Key;
        std::string code = entry.Value;
        if (code.find('!') != std::string::npos) {
            filter.Negation = true;
            code.erase(0, 1);
        }
        if (!ParseDecimalText(code, filter.Condition)) continue;
        const auto existing = named(filter.ColumnName);
        if (existing != filters.end())
            *existing = std::move(filter);
        else if (view_->FindField(filter.ColumnName) != -1)
            filters.push_back(std::move(filter));
    }
    for (const Key1ValueData& entry :
         ChunkedKeyList(file, section, "Filter").ReadKey1ValueList(kValueEntryEnd, kOpener, kCloser)) {
        const auto found = named(entry.Key);
        if (found == filters.end()) continue;
        ColumnFilter& filter = *found;
        if (entry.Value == "@") {
            filter.CompareColumn = true;
            continue;
        }
        switch (filter.Condition) {
            case 0:
            case 1:
            case 3:
            case 4:
            case 6:
            case 7:
                if (filter.Condition == 6 && entry.Value == "+")
                    filter.MatchEmpty = true;
                else if (filter.CompareColumn)
                    filter.CompareColumnName = entry.Value;
                else
                    filter.Value = entry.Value;
                break;
            case 2:
                if (filter.CompareColumn)
                    filter.CompareColumnName = entry.Value;
                else
                    filter.Values.push_back(entry.Value);
                break;
            case 5: {
                std::string text = entry.Value, low, high;
                bool lowIncluded = false, highIncluded = false;
                if (ParseRangeBound(text, lowIncluded, low) && ParseRangeBound(text, highIncluded, high)) {
                    filter.MinValue = low;
                    filter.MinIncluded = lowIncluded;
                    filter.MaxValue = high;
                    filter.MaxIncluded = highIncluded;
                }
                break;
            }
            default:
                break;
        }
    }
    for (const Key1ValueData& entry : ChunkedKeyList(file, section, "FilterUseDeltaTime")
                                          .ReadKey1ValueList(kValueEntryEnd, kOpener, kCloser)) {
        for (ColumnFilter& filter : filters) {
            if (filter.ColumnName == entry.Key) filter.UseDeltaTime = entry.Value == "1";
        }
    }
    for (ColumnFilter& filter : filters) {
        filter.Column = view_->FindField(filter.ColumnName);
        if (filter.CompareColumn) filter.CompareColumnIndex = view_->FindField(filter.CompareColumnName);
        if (filter.Condition == 2) std::sort(filter.Values.begin(), filter.Values.end());
    }
}

void TBaseGridForm::LoadDynamicFilterConfig() {
    if (!view_) return;
    const std::string section = GetConfigSection();
    FilterData& dynamic = view_->GetDynamicFilter();
    dynamic.clear();
    const int32_t count = settingsFile_->ReadCount(section, "DynamicFilterCount");
    for (int32_t n = 1; n <= count; ++n) {
        const std::string number = std::to_string(n);
        ColumnFilter filter;
        filter.ColumnName = settingsFile_->ReadString(section, "DynamicFilter" + number, "");
        filter.LinkWindowTitle = settingsFile_->ReadString(section, "DynamicFilterGrid" + number, "");
        filter.LinkColumnName = settingsFile_->ReadString(section, "DynamicFilterGridColumn" + number, "");
        // Stops at the first incomplete number, so an edited count reads no further than the keys.
        if (filter.ColumnName.empty() || filter.LinkWindowTitle.empty() || filter.LinkColumnName.empty())
            break;
        filter.Condition = 2;
        filter.Column = view_->FindField(filter.ColumnName);
        filter.Values.emplace_back();
        if (DynamicLinkRegistry* registry = GetDynamicLinkRegistry()) {
            uint32_t supplier = 0;
            registry->AddDynamicFilterLink(Handle(), filter.ColumnName, supplier, filter.LinkColumnName,
                                           filter.LinkWindowTitle);
        }
        dynamic.push_back(std::move(filter));
    }
}

void TBaseGridForm::LoadWindowTitle() {
    const std::string title = settingsFile_->ReadString(windowSection_, "WindowTitle", windowTitle_);
    if (title.empty()) return;
    windowTitle_ = title;
    UpdateCaption();
}

void TBaseGridForm::LoadWindowPosition() {
    const char* const keys[] = {"Left", "Top", "Height", "Width"};
    int32_t values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const std::string text = settingsFile_->ReadString(windowSection_, keys[i], "");
        if (text.empty() || !ParseDecimalText(text, values[i])) return;
    }
    QWidget* frame = SubWindow();
    frame->move(values[0], frame->y());
    frame->move(frame->x(), values[1]);
    frame->resize(frame->width(), values[2]);
    frame->resize(values[3], frame->height());
}

void TBaseGridForm::LoadExportSchedule() {
    ExportSchedule.clear();
    const ChunkedKeyList list(*settingsFile_, GetConfigSection(), "CSVExportSchedule");
    for (const KeyData& entry : list.ReadKeyList(kEntryEnd)) ExportSchedule.insert(entry.Key);
}

void TBaseGridForm::SaveWindowConfig(BaseIniFile& file) {
    WriteApplicationName(file);
    WriteWindowEntry(file);
    SaveSortConfig(file);
    SaveFilterConfig(file);
    SaveDynamicFilterConfig(file);
    SaveHiddenColumns(file);
    SaveColumnOptions(file);
    SaveExportSchedule(file);
    SaveWindowTitle(file);
    SaveWindowPosition(file);
    SaveGridOptions(file);
    SaveExtraConfig(file);
}

void TBaseGridForm::SaveWindowConfigToSection(BaseIniFile& file, int number, const std::string& fileName) {
    settingsFileName_ = fileName;
    const SectionSwitch section(windowSection_, std::to_string(number));
    SaveWindowConfig(file);
}

std::string TBaseGridForm::SaveWindowConfigData(BaseIniFile& file) {
    const std::string name = file.MakeSectionName();
    const SectionSwitch section(windowSection_, name);
    WriteApplicationName(file);
    WriteWindowEntry(file);
    SaveSortConfig(file);
    SaveFilterConfig(file);
    SaveHiddenColumns(file);
    SaveColumnOptions(file);
    SaveExportSchedule(file);
    SaveWindowTitle(file);
    SaveGridOptions(file);
    return name;
}

void TBaseGridForm::SaveWindowAsTemplate(BaseIniFile& file) {
    const SectionSwitch section(windowSection_, templateSection_);
    SaveSortConfig(file);
    SaveFilterConfig(file);
    SaveHiddenColumns(file);
    SaveColumnOptions(file);
    SaveExportSchedule(file);
    SaveGridOptions(file);
}

void TBaseGridForm::SaveSortConfig(BaseIniFile& file) {
    ChunkedKeyList list(file, windowSection_, "Sort");
    for (const SortSelectionData& criterion : SortCriteria)
        list.Add(Entry(criterion.Column, criterion.Ascending ? "1" : "0"));
    list.Save();
}

void TBaseGridForm::SaveFilterConfig(BaseIniFile& file) {
    if (!view_) return;
    // The lists read their present counts before anything is written.
    ChunkedKeyList values(file, windowSection_, "Filter");
    ChunkedKeyList conditions(file, windowSection_, "FilterCondition");
    ChunkedKeyList deltas(file, windowSection_, "FilterUseDeltaTime");
    const FilterData& filters = view_->GetFilter();
    file.WriteString(windowSection_, "FilterNegation", view_->GetFilterNegation() ? "1" : "0");
    file.WriteString(windowSection_, "FilterSoundAlertEnabled", filters.SoundAlertEnabled ? "1" : "0");
    file.WriteString(windowSection_, "FilterSoundAlertFilename", '"' + filters.SoundAlertFilename + '"');
    file.WriteString(windowSection_, "FitlerPopupAlertEnabled", filters.PopupAlertEnabled ? "1" : "0");
    file.WriteString(windowSection_, "FilterPopupAlertMessage", '"' + filters.PopupAlertMessage + '"');
    for (const ColumnFilter& filter : filters) {
        const std::string& name = filter.ColumnName;
        std::string rest;
        switch (filter.Condition) {
            case 2:
                if (filter.CompareColumn) {
                    rest = Entry(name, "@") + Entry(name, filter.CompareColumnName);
                } else {
                    for (const std::string& value : filter.Values) values.Add(Entry(name, value));
                }
                break;
            case 5:
                // The compare flag goes first, as loading reads it.
                if (filter.CompareColumn) rest = Entry(name, "@");
                rest += Entry(
                    name,
                    (filter.MinIncluded ? "<" + filter.MinValue + ">" : "{" + filter.MinValue + "}") +
                        (filter.MaxIncluded ? "<" + filter.MaxValue + ">" : "{" + filter.MaxValue + "}"));
                break;
            default:
                if (filter.CompareColumn) rest = Entry(name, "@");
                if (filter.MatchEmpty) rest += Entry(name, "+");
                rest += Entry(name, filter.CompareColumn ? filter.CompareColumnName : filter.Value);
                break;
        }
        deltas.Add(Entry(name, filter.UseDeltaTime ? "1" : "0"));
        std::string condition = filter.Negation ? "!" : "";
        condition += std::to_string(filter.Condition);
        conditions.Add(Entry(name, condition));
        if (!rest.empty()) values.Add(rest);
    }
    deltas.WriteChunk();
    values.WriteChunk();
    conditions.WriteChunk();
    values.WriteCount();
    conditions.WriteCount();
    deltas.WriteCount();
    values.DeleteStaleChunks();
    conditions.DeleteStaleChunks();
    deltas.DeleteStaleChunks();
}

void TBaseGridForm::SaveDynamicFilterConfig(BaseIniFile& file) {
    if (!view_) return;
    int32_t n = 0;
    for (const ColumnFilter& filter : view_->GetDynamicFilter()) {
        const std::string number = std::to_string(++n);
        file.WriteString(windowSection_, "DynamicFilter" + number, filter.ColumnName);
        file.WriteString(windowSection_, "DynamicFilterGrid" + number, filter.LinkWindowTitle);
        file.WriteString(windowSection_, "DynamicFilterGridColumn" + number, filter.LinkColumnName);
    }
    file.WriteInteger(windowSection_, "DynamicFilterCount", n);
}

void TBaseGridForm::SaveHiddenColumns(BaseIniFile& file) {
    if (!view_) return;
    ChunkedKeyList list(file, windowSection_, "HiddenColumns");
    for (const auto& [name, visible] : view_->GetTitleVisibility()) {
        if (!visible) list.Add(name + kEntryEnd);
    }
    list.Save();
}

void TBaseGridForm::SaveColumnOptions(BaseIniFile& file) {
    if (!view_) return;
    ChunkedKeyList list(file, windowSection_, "ColumnOptions");
    for (const std::string& name : view_->GetTitleList()) {
        // A hidden column's width is the one it keeps for showing again.
        const int col = view_->FindColumn(name);
        list.Add(Entry(name, std::to_string(col) + "," + std::to_string(grid_->ColWidth(col))));
    }
    list.Save();
}

void TBaseGridForm::SaveExportSchedule(BaseIniFile& file) {
    ChunkedKeyList list(file, windowSection_, "CSVExportSchedule");
    for (const std::string& time : ExportSchedule) list.Add(time + kEntryEnd);
    list.Save();
}

void TBaseGridForm::SaveWindowTitle(BaseIniFile& file) {
    file.WriteString(windowSection_, "WindowTitle", windowTitle_);
}

void TBaseGridForm::SaveWindowPosition(BaseIniFile& file) {
    const QWidget* frame = SubWindow();
    file.WriteInteger(windowSection_, "Left", frame->x());
    file.WriteInteger(windowSection_, "Top", frame->y());
    file.WriteInteger(windowSection_, "Height", frame->height());
    file.WriteInteger(windowSection_, "Width", frame->width());
}

void TBaseGridForm::SaveGridOptions(BaseIniFile& file) {
    options_.SaveToFile(file, windowSection_);
}

void TBaseGridForm::ApplyGridOptions() {
    grid_->SetGridFont(options_.GetFont());
    grid_->SetDefaultRowHeight(options_.GetRowHeight());
}

void TBaseGridForm::NotifyWorkspaceChanged() {
    MessageRouter::SendMessage(MessageRouter::MainWindow(), kWorkspaceChanged, 0, 0);
}

void TBaseGridForm::RepaintGrid() {
    grid_->Invalidate();
}

// ---- Messages and refresh.

int32_t TBaseGridForm::Dispatch(uint32_t message, int32_t wParam, int32_t lParam) {
    switch (message) {
        case kDataChanged:
            HandleDataChanged(wParam);
            break;
        case kReload:
            ReloadGrid();
            break;
        case kNewRowAlertCheck:
            CheckNewRowAlert();
            break;
        case kScheduledExport:
            RunScheduledExport();
            break;
        case kApplyLinkValues:
            ApplyDynamicFilterValues();
            break;
        case kPublishLinkValues:
            PublishLinkValues();
            break;
        case kClearDynamicFilters:
            ClearDynamicFilters();
            break;
        case kRefreshDynamicFilters:
            RefreshDynamicFilters();
            break;
        case kRepublishLinkValues:
            RepublishLinkValues();
            break;
        case kSendColumnNames:
            SendColumnNames(wParam, lParam);
            break;
        case kSendCellText:
            SendCellText(wParam, lParam);
            break;
        default:
            break;
    }
    return 0;
}

void TBaseGridForm::HandleDataChanged(int32_t wParam) {
    if (wParam != 0) {
        grid_->setCursor(Qt::BusyCursor);
        return;
    }
    grid_->unsetCursor();
    ReloadData();
    CollectAlertKeys();
    RefreshGrid();
    if (SelectsByData()) RestoreSelectedRow();
    RepaintGrid();
    RowSelected(grid_->Row());
}

void TBaseGridForm::ReloadGrid() {
    if (!view_) return;
    ReloadData();
    view_->ClearRows();
    DataReloaded();
    RefreshGrid();
}

void TBaseGridForm::RefreshGrid() {
    if (HasData()) {
        grid_->SetRowCount(view_->GetDisplayedRowCount());
        for (uint32_t supplier : Links().RegisterAgain())
            MessageRouter::SendMessage(supplier, kPublishLinkValues, 0, 0);
        PublishLinkValues();
        if (SortActive) SortRows();
    } else {
        grid_->SetRowCount(2);
    }
    int cols = 2;
    if (view_) {
        // At least one data column stays, even with every column hidden.
        cols = std::max(view_->GetColumnCount() - view_->CountHiddenColumns(), 2);
    }
    grid_->SetColCount(cols);
    grid_->Invalidate();
    UpdateCaption();
}

void TBaseGridForm::SortRows() {
    if (!view_) return;
    BeforeSort();
    view_->SortRows();
    if (SelectsByData()) RestoreSelectedRow();
    grid_->Invalidate();
}

void TBaseGridForm::ApplyFilters() {
    if (!view_) return;
    view_->SetDynamicFilterActive(GetDynamicLinkRegistry() != nullptr);
    if (view_->GetAllRowCount() > 1) {
        if (view_->ApplyFilter()) {
            grid_->SetRowCount(view_->GetDisplayedRowCount());
            if (SelectsByData()) RestoreSelectedRow();
            BusyCursor busy;
            SortRows();
        } else {
            // No row shown: the values this window supplies are gone.
            if (!view_->IsFilterAlertEnabled() && GetDynamicLinkRegistry()) Links().EmptyPublished();
            grid_->SetRowCount(2);
        }
    }
    CollectAlertKeys();
    UpdateCaption();
    FiltersApplied();
}

void TBaseGridForm::RememberRowKey(int index) {
    RememberedRowKey = HasData() ? view_->GetDisplayedKey(index) : BaseKey();
}

void TBaseGridForm::RestoreSelectedRow() {
    if (!view_ || RememberedRowKey.IsNull()) return;
    int index = 0;
    if (view_->FindDisplayedRow(RememberedRowKey, &index))
        grid_->SetRow(index + 1);
    else
        RememberedRowKey = BaseKey();
}

bool TBaseGridForm::CollectAlertKeys() {
    if (!view_ || !view_->IsFilterAlertEnabled()) return false;
    view_->GetDisplayedKeys(CurrentAlertKeys);
    return true;
}

void TBaseGridForm::CheckNewRowAlert() {
    if (!view_ || !view_->IsFilterAlertEnabled() || AlertState != kAlertIdle) return;
    if (CurrentAlertKeys.empty()) {
        PreviousAlertKeys.clear();
        return;
    }
    AlertState = kAlertBusy;
    const bool fire =
        PreviousAlertKeys.empty() || !std::includes(PreviousAlertKeys.begin(), PreviousAlertKeys.end(),
                                                    CurrentAlertKeys.begin(), CurrentAlertKeys.end());
    PreviousAlertKeys = CurrentAlertKeys;
    if (fire) PlayAlert();
    AlertState = kAlertIdle;
}

void TBaseGridForm::PlayAlert() {
    if (!view_) return;
    const FilterData& filter = view_->GetFilter();
    if (filter.SoundAlertEnabled) Ui().AlertSound(filter.SoundAlertFilename);
    if (filter.PopupAlertEnabled)
        Ui().MessageBox(this, filter.PopupAlertMessage, "Alert", BoxIcon::None, BoxButtons::Ok);
}

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

// ---- Selection, mouse and search.

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

// ---- Import and dump.

void TBaseGridForm::ImportFromDialog() {
    FileDialogSpec spec;
    spec.title = "Import Data";
    spec.filter = "Import files (*.csv)|*.CSV";
    spec.defaultExt = "csv";
    spec.mustExist = true;
    std::string fileName;
    if (!Ui().OpenFile(this, spec, fileName)) return;
    {
        // The box shows while the hourglass is still set.
        BusyCursor busy;
        if (ImportData(fileName))
            ShowImportSucceeded();
        else
            ShowImportFailed();
    }
    RefreshGrid();
}

void TBaseGridForm::DumpDataActionExecute() {
    if (!view_) return;
    BusyCursor busy;
    view_->DumpData();
}

// ---- Copy, print and column tools; CSV export and its schedule.

void TBaseGridForm::ConnectTools() {
    ExportAction->onExecute = [this](Action&) { ExportActionExecute(); };
    CopyCellAction->onExecute = [this](Action&) { CopyCellActionExecute(); };
    CopyRowAction->onExecute = [this](Action&) { CopyRowActionExecute(); };
    CopyColumnValuesAction->onExecute = [this](Action&) { CopyColumnValuesActionExecute(); };
    PrintAction->onExecute = [this](Action&) { PrintActionExecute(); };
    HideColumnsAction->onExecute = [this](Action&) { HideColumnsActionExecute(); };
    HideOneColumnAction->onExecute = [this](Action&) { HideOneColumnActionExecute(); };
    EditWindowTitleAction->onExecute = [this](Action&) { EditWindowTitleActionExecute(); };
    EditColumnPropertiesAction->onExecute = [this](Action&) { EditColumnPropertiesActionExecute(); };
    GridOptionsAction->onExecute = [this](Action&) { GridOptionsActionExecute(); };
    ExportToCSVAction->onExecute = [this](Action&) { ExportToCSVActionExecute(); };
    ScheduleCSVExportAction->onExecute = [this](Action&) { ScheduleCSVExportActionExecute(); };
    ModifyColumnsAction->onExecute = [this](Action&) { ModifyColumnsActionExecute(); };
    DynamicFilterAction->onExecute = [this](Action&) { DynamicFilterActionExecute(); };
}

namespace {

std::string ClassName(const std::exception& e) {
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status);
    std::string text = status == 0 && name ? name : typeid(e).name();
    std::free(name);
    return text;
}

}  // namespace

void TBaseGridForm::ExportActionExecute() {
    BusyCursor busy;
    std::string text;
    try {
        // Without data the grid's one empty row is not copied.
        text = GridTextCopy::AllCells(grid_->ColCount(), HasData() ? grid_->RowCount() : 1,
                                      [this](int col, int row) { return GetCellText(col, row); });
    } catch (const std::exception& e) {
        Ui().MessageBox(this, e.what(), ClassName(e), BoxIcon::None, BoxButtons::Ok);
        return;
    }
    Ui().SetClipboardText(text);
}

void TBaseGridForm::CopyCellActionExecute() {
    Ui().SetClipboardText(GetCellText(grid_->Col(), grid_->Row()));
}

void TBaseGridForm::CopyRowActionExecute() {
    Ui().SetClipboardText(GridTextCopy::Row(grid_->ColCount(), grid_->Row(),
                                            [this](int col, int row) { return GetCellText(col, row); }));
}

void TBaseGridForm::CopyColumnValuesActionExecute() {
    BusyCursor busy;
    Ui().SetClipboardText(GridTextCopy::DistinctValues(
        grid_->Col(), grid_->RowCount(), [this](int col, int row) { return GetCellText(col, row); }));
}

void TBaseGridForm::FillPrintTable() {
    PrintTable.clear();
    const int cols = grid_->ColCount();
    const int rows = HasData() ? grid_->RowCount() : 1;
    PrintTable.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        std::vector<std::string>& cells = PrintTable.emplace_back();
        cells.reserve(static_cast<std::size_t>(std::max(cols - 1, 0)));
        for (int col = 1; col < cols; ++col) cells.push_back(GetCellText(col, row));
    }
}

int TBaseGridForm::PrintGrid(QPrinter& printer) {
    FillPrintTable();
    return PrintGridReport(*this, printer);
}

void TBaseGridForm::PrintActionExecute() {
    FillPrintTable();
    QPrinter printer;
    if (Ui().PrintSetup(this, &printer)) PrintGridReport(*this, printer);
}

void TBaseGridForm::HideColumnsActionExecute() {
    if (!view_) return;
    TitleVisibilityMap& visibility = view_->GetTitleVisibility();
    std::map<std::string, bool> byTitle;
    for (const auto& [name, visible] : visibility) {
        const std::string title = titles_ ? titles_->GetUserTitle(name) : std::string();
        if (!title.empty()) byTitle[title] = visible;
    }
    TColumnsToHideForm dialog(this, byTitle);
    if (dialog.ShowModal() == mrOk) {
        for (const auto& [title, visible] : byTitle) {
            const auto entry = visibility.find(titles_->FindColumnByTitle(title));
            if (entry != visibility.end()) entry->second = visible;
        }
        NotifyWorkspaceChanged();
        ApplyColumnVisibility(visibility);
    }
    RepaintGrid();
}

void TBaseGridForm::HideOneColumnActionExecute() {
    if (!view_) return;
    TitleVisibilityMap& visibility = view_->GetTitleVisibility();
    const auto entry = visibility.find(ColumnName(grid_->Col()));
    if (entry != visibility.end()) entry->second = false;
    NotifyWorkspaceChanged();
    ApplyColumnVisibility(visibility);
    RepaintGrid();
}

void TBaseGridForm::EditWindowTitleActionExecute() {
    // Cancel answers the current title, as an OK with the text unchanged would.
    std::string title = windowTitle_;
    if (!Ui().InputQuery(this, "Window Title - Editing", "Title", title)) title = windowTitle_;
    if (!title.empty()) SetWindowTitle(title);
    NotifyWorkspaceChanged();
}

void TBaseGridForm::EditColumnPropertiesActionExecute() {
    if (!titles_) return;
    TTitleManagerForm dialog(nullptr, *titles_);
    if (dialog.ShowModal() != mrOk) return;
    NotifyWorkspaceChanged();
    RepaintGrid();
}

void TBaseGridForm::GridOptionsActionExecute() {
    TBaseGridOptionForm dialog(this, GetConfigSection(), *settingsFile_, options_);
    if (dialog.ShowModal() != mrOk) return;
    RememberRowKey(grid_->Row() - 1);
    NotifyWorkspaceChanged();
    ApplyGridOptions();
    RepaintGrid();
}

void TBaseGridForm::ExportToCSV() {
    const int cols = grid_->ColCount();
    const int rows = HasData() ? grid_->RowCount() : 1;
    // The title as last saved for this window, read afresh.
    const BaseIniFile file(settingsFileName_);
    const std::string title = file.ReadString(windowSection_, "WindowTitle", windowTitle_);
    exportDirectory_ =
        CSVExportFile::Directory(exportDirectory_, FromQt(QCoreApplication::applicationDirPath()));
    const std::string name =
        CSVExportFile::FileName(exportDirectory_, title, invalidFileNameChars_, CSVExportManager::Now());
    BusyCursor busy;
    auto writer = std::make_unique<TExportDataToCSV>(name);
    std::string lines = TExportDataToCSV::TakeSpareBuffer();
    CSVExportFile::AppendLines(lines, cols, rows, [this](int col, int row) { return GetCellText(col, row); });
    writer->AddLines(std::move(lines));
    TExportDataToCSV::Start(std::move(writer));
}

void TBaseGridForm::RunScheduledExport() {
    if (!exportManager_.IsExportDue()) return;
    ExportToCSV();
    exportManager_.Advance();
}

void TBaseGridForm::SendColumnNames(int32_t, int32_t) {
    GridAutomationReply::SendColumnNames(*this);
}

void TBaseGridForm::SendCellText(int32_t, int32_t lParam) {
    GridAutomationReply::SendCellText(*this, lParam);
}

void TBaseGridForm::ScheduleCSVExportActionExecute() {
    TScheduleCSVExportForm dialog(this, windowTitle_, ExportSchedule);
    if (dialog.ShowModal() == mrOk) exportManager_.ScheduleNext(ExportSchedule);
}

void TBaseGridForm::FormResize() {
    // Resizes while the window is built and placed are not the user's.
    if (!isVisible()) return;
    RepaintGrid();
    NotifyWorkspaceChanged();
    WindowResized();
}

// ---- Sort and filter tools.

void TBaseGridForm::ConnectSortAndFilterTools() {
    SortAction->onExecute = [this](Action&) { SortActionExecute(); };
    FilterAction->onExecute = [this](Action&) { FilterActionExecute(); };
    SetQuickFilterAction->onExecute = [this](Action&) { SetQuickFilterActionExecute(); };
    SetLowerQuickFilterAction->onExecute = [this](Action&) { SetLowerQuickFilterActionExecute(); };
    SetGreaterQuickFilterAction->onExecute = [this](Action&) { SetGreaterQuickFilterActionExecute(); };
    NegateColumnFilterAction->onExecute = [this](Action&) { SetFilterNegationActionExecute(); };
    RemoveColumnFilterAction->onExecute = [this](Action&) { RemoveColumnFilterActionExecute(); };
    SetQuickSortAscAction->onExecute = [this](Action&) { SetQuickSortAscActionExecute(); };
    SetQuickSortDescAction->onExecute = [this](Action&) { SetQuickSortDescActionExecute(); };
    RemoveColumnSortAction->onExecute = [this](Action&) { RemoveColumnSortActionExecute(); };
}

void TBaseGridForm::FiltersChanged() {
    ApplyFilters();
    RowSelected(grid_->Row());
    NotifyWorkspaceChanged();
}

void TBaseGridForm::SortCriteriaChanged() {
    SortActive = !SortCriteria.empty();
    NotifyWorkspaceChanged();
    view_->SetSortCriteria(SortCriteria);
    BusyCursor busy;
    SortRows();
}

void TBaseGridForm::SetFilterNegationActionExecute() {
    if (!view_ || !GridQuickTools::NegateColumnFilter(view_->GetFilter(), ColumnName(grid_->Col()))) return;
    ApplyFilters();
    NotifyWorkspaceChanged();
}

void TBaseGridForm::RemoveColumnFilterActionExecute() {
    if (!view_ || !GridQuickTools::RemoveColumnFilter(view_->GetFilter(), ColumnName(grid_->Col()))) return;
    FiltersChanged();
}

void TBaseGridForm::RemoveColumnSortActionExecute() {
    if (!view_) return;
    if (GridQuickTools::RemoveColumnSort(SortCriteria, ColumnName(grid_->Col()))) {
        SortCriteriaChanged();
    }
    RowSelected(grid_->Row());
    grid_->Invalidate();
}

void TBaseGridForm::SortActionExecute() {
    if (!view_ || !titles_) return;
    std::vector<SortSelectionData> criteria;
    for (const SortSelectionData& c : SortCriteria)
        criteria.emplace_back(titles_->GetUserTitle(c.Column), c.Ascending);
    std::vector<std::string> available;
    for (const std::string& name : view_->GetTitleList()) {
        const std::string title = titles_->GetUserTitle(name);
        const bool sorted = std::any_of(SortCriteria.begin(), SortCriteria.end(),
                                        [&](const SortSelectionData& c) { return c.Column == name; });
        if (!title.empty() && !sorted) available.push_back(title);
    }
    TSortSelectionForm dialog(this, criteria, available);
    if (dialog.ShowModal() == mrOk) {
        SortCriteria.clear();
        for (const SortSelectionData& c : criteria)
            SortCriteria.emplace_back(titles_->FindColumnByTitle(c.Column), c.Ascending);
        SortCriteriaChanged();
        RowSelected(grid_->Row());
    }
    grid_->Invalidate();
}

void TBaseGridForm::FilterActionExecute() {
    if (!view_ || !titles_) return;
    AlertState = kAlertBusy;
    auto dialog = std::make_unique<TFilterForm>(this, SupportsFilterAlerts(), *titles_, *view_);
    const auto tools = std::make_unique<TFilterToolsForm>(nullptr, dialog->Handle());
    dialog->SetToolsForm(tools.get());
    if (dialog->ShowModal() == mrOk) {
        NotifyWorkspaceChanged();
        ApplyFilters();
        RowSelected(grid_->Row());
        RepaintGrid();
    }
    AlertState = kAlertIdle;
    dialog.reset();
}
