#include "grid/TBaseGridForm.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>

#include "core/BaseIniFile.h"
#include "core/Win1252Case.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/ColumnAccessManager.h"
#include "grid/DrawSortDirection.h"
#include "grid/TitleManager.h"
#include "grid/WidestText.h"
#include "store/FilterData.h"
#include "store/InterfaceView.h"
#include "toolkit/Action.h"
#include "toolkit/BusyCursor.h"
#include "toolkit/Canvas.h"
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
    ConnectMouseAndSearch();
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

    // The settings file, the grid fitted to the view, then the stored configuration.
    settingsFile_ = std::make_unique<BaseIniFile>(settingsFileName_);
    RefreshGrid();
    LoadWindowConfig();
    invalidFileNameChars_ = {'\\', '/', ':', '*', '?', '"', '<', '>', '|'};

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

void TBaseGridForm::CreateActions() {
    struct Entry {
        Action** action;
        const char* name;
        const char* caption;
        const char* shortcut;
        const char* hint;
    };
    const Entry entries[] = {
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
    for (const Entry& entry : entries) {
        Action* action = actionList_.Make(this, entry.caption, entry.shortcut, entry.hint);
        action->setObjectName(entry.name);
        action->SetScope(this);
        *entry.action = action;
    }

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
    // An item of its own for an action whose menu item shows its own shortcut or hint: it follows
    // the action's caption and state and runs it; the shortcut works within the window.
    const auto item = [this](QMenu* menu, Action* action, const char* shortcut, const char* hint) {
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
        if (!keys.isEmpty()) {
            auto* key = new QAction(this);
            key->setShortcut(QKeySequence(keys, QKeySequence::PortableText));
            key->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            addAction(key);
            connect(key, &QAction::triggered, action, [action] { action->Execute(); });
        }
        menu->addAction(entry);
        return entry;
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
    item(filter, SetLowerQuickFilterAction, "Ctrl+Down", "");
    item(filter, SetGreaterQuickFilterAction, "Ctrl+Up", "");
    item(filter, NegateColumnFilterAction, "Ctrl+Left", "");
    filter->addAction(RemoveColumnFilterAction);
    filter->addSeparator();
    item(filter, DynamicFilterAction, "Ctrl+F12", "");

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
    item(popupMenu_, ExportAction, "",
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
void TBaseGridForm::LoadWindowPosition() {}
void TBaseGridForm::WriteApplicationName(BaseIniFile& file) {
    file.WriteString("Application", "Name", "Korvane.exe");
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
void TBaseGridForm::SetQuickFilter(int) {}
void TBaseGridForm::FiltersApplied() {}
void TBaseGridForm::SetQuickSort(bool) {}
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
void TBaseGridForm::ModifyColumnValues() {}
void TBaseGridForm::EditDateTimeColumnValue(std::string&, int, int) {}
bool TBaseGridForm::SupportsFilterAlerts() {
    return false;
}
void TBaseGridForm::RowSelected(int) {}
void TBaseGridForm::AddDynamicFilter(const std::string&, const std::string&, const std::string&) {}
DynamicLinkRegistry* TBaseGridForm::GetDynamicLinkRegistry() {
    return LinkRegistry;
}
void TBaseGridForm::ApplyDynamicFilterValues() {}
void TBaseGridForm::PublishLinkValues() {}
void TBaseGridForm::ClearDynamicFilters() {}
void TBaseGridForm::PublishRowLinkValues(int) {}
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

void TBaseGridForm::LoadWindowConfig() {
    SetRowHeaderWidth();
    LoadGridOptions();
}

void TBaseGridForm::LoadGridOptions() {
    options_.LoadFromFile(*settingsFile_, GetConfigSection());
    ApplyGridOptions();
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
        const int32_t handle = static_cast<int32_t>(Handle());
        for (ColumnFilter& filter : view_->GetDynamicFilter()) {
            if (filter.OwnerWindow == 0) filter.OwnerWindow = handle;
        }
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
    int row = start;
    if (down) {
        for (; row < rows; ++row)
            if (MatchCellText(row, col)) break;
    } else {
        // The start row and those above it; the title row never.
        for (int left = start; left > 0; --left, --row)
            if (MatchCellText(row, col)) break;
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
