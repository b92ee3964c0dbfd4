// The grid window base: construction, actions and the popup menu. The other concerns of the class
// live beside this file: TBaseGridFormOperations.cpp (the base behaviour of its virtual
// operations), ...Config.cpp (configuration load and save), ...Messages.cpp (messages and refresh),
// ...Drawing.cpp, ...Search.cpp (selection, mouse and search), ...Tools.cpp (import and dump, copy,
// print and column tools, CSV export and its schedule), ...SortFilter.cpp (sort and filter tools)
// and ...DynamicFilters.cpp.
#include "grid/TBaseGridForm.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/BaseIniFile.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/ColumnAccessManager.h"
#include "grid/TitleManager.h"
#include "store/InterfaceView.h"
#include "toolkit/Action.h"
#include "toolkit/Canvas.h"
#include "toolkit/Edit.h"
#include "toolkit/FindDialog.h"
#include "toolkit/QtPaint.h"
#include "toolkit/QtText.h"

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
