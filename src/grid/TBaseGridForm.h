#pragma once
// The base of every data window: an MDI child that shows one view in its drawn grid
// (BusinessObjectGrid) and carries the tools common to all data windows as actions of the window
// and items of the grid's popup menu. The window owns its view (which may be absent: every tool
// is then inert), its display options and its own handle on the settings file it was configured
// from; the title manager and the column access manager are shared and not owned.
//
// The window's logic (refresh, sort, filters, selection restore, caption, column visibility,
// cell texts and colours) lives in plain members that run without painting; the grid's model,
// delegate and headers only read them. A refresh costs no work per row: the row count changes as
// insertions or removals at the end, the view finds rows through its key index, and a paint
// resolves names, kinds and colours once per column.
//
// Window messages arrive through Dispatch (0x8001 data changed, 0x8012 reload, 0x8028 new-row
// alert check, and the link, export and automation messages). The window closes when
// CanCloseWindow agrees and no find dialog is open, and then frees itself. GUI thread only.
#include <cstdint>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "fields/MTitleFormat.h"
#include "grid/BaseGridConfig.h"
#include "grid/BaseGridOption.h"
#include "grid/CSVExportManager.h"
#include "grid/ColumnOption.h"
#include "grid/DynamicFilterLinks.h"
#include "store/BaseKey.h"
#include "store/SortSelectionData.h"
#include "store/StringVector.h"
#include "toolkit/ActionList.h"
#include "toolkit/ColorValue.h"
#include "toolkit/MdiForm.h"

class Action;
class BaseIniFile;
class BusinessObjectGrid;
class Canvas;
class ColumnAccessManager;
class DynamicLinkRegistry;
class FindDialog;
class FilterData;
class InterfaceView;
class QAction;
class QMdiArea;
class QMenu;
class QPrinter;
class TitleManager;
struct CanvasRect;

class TBaseGridForm : public MdiForm {
public:
    // Window messages of a grid window.
    static constexpr uint32_t kDataChanged = 0x8001;
    static constexpr uint32_t kWorkspaceChanged = 0x8003;  // to the main window
    static constexpr uint32_t kReload = 0x8012;
    static constexpr uint32_t kNewRowAlertCheck = 0x8028;
    static constexpr uint32_t kScheduledExport = 0x802C;
    static constexpr uint32_t kApplyLinkValues = 0x8037;
    static constexpr uint32_t kPublishLinkValues = 0x8038;
    static constexpr uint32_t kClearDynamicFilters = 0x8039;
    static constexpr uint32_t kRefreshDynamicFilters = 0x803A;
    static constexpr uint32_t kRepublishLinkValues = 0x803B;
    static constexpr uint32_t kSendColumnNames = 0x804B;
    static constexpr uint32_t kSendCellText = 0x804C;

    // Cell colours of the drawing (0x00BBGGRR).
    static constexpr ColorValue kFilteredTitleBrush{0x646464};
    static constexpr ColorValue kDynamicFilteredTitleBrush{0x323232};
    static constexpr ColorValue kLinkedTitleBrush{0x0000FF};
    static constexpr ColorValue kSelectedCellBrush{0xD77924};
    static constexpr ColorValue kSelectedRowBrush{0x6A240A};

    // AlertState values: 0 until the first filter dialog closed, 1 idle, 2 busy.
    enum : int32_t { kAlertIdle = 1, kAlertBusy = 2 };

    TBaseGridForm(QMdiArea* owner, ColumnAccessManager* columnAccess, const BaseGridConfig& config,
                  TitleManager* titles, InterfaceView* view);
    ~TBaseGridForm() override;
    TBaseGridForm(const TBaseGridForm&) = delete;
    TBaseGridForm& operator=(const TBaseGridForm&) = delete;

    // Own virtual operations, in this order.
    // FindDialogFind applies the same test to a whole column through the view's walk of its rows.
    virtual bool MatchCellText(int row, int col);
    virtual bool EditRow(int index);
    virtual bool CanEditRow(int index);
    virtual bool CanCloseWindow();
    virtual bool SpareRowCheck();
    virtual bool CanModifyColumnValues(int field);
    virtual bool CanImport();
    virtual bool ImportData(const std::string& fileName);
    virtual int SpareQueryFirst();
    virtual int SpareQuerySecond();
    virtual void SaveExtraConfig(BaseIniFile& file);
    virtual void WriteWindowEntry(BaseIniFile& file);
    virtual void LoadWindowPosition();
    virtual void WriteApplicationName(BaseIniFile& file);
    virtual void WindowResized();
    virtual void DataReloaded();
    virtual void ShowImportSucceeded();
    virtual void ShowImportFailed();
    virtual void ColumnOrderRestored();
    virtual void ColumnMoved();
    virtual void BeforeSort();
    virtual void SetQuickFilter(int condition);
    virtual void FiltersApplied();
    virtual void SetSelectedCellColors(int row);
    virtual void SetColumnColors(int col, int row);
    virtual void SetQuickSort(bool ascending);
    virtual bool CollectAlertKeys();
    virtual void RememberRowKey(int index);
    virtual std::string GetCellText(int col, int row);
    virtual void UpdateCaption();
    virtual void ReloadData();
    virtual void SetRowHeaderWidth();
    virtual void GridMouseDown(int button, int shift, int x, int y);
    virtual std::string GetRowHeaderSuffix(int index);
    virtual std::string GetFilterCaptionSuffix();
    virtual std::string GetConfigSection();
    virtual std::string GetCaptionSuffix();
    virtual bool CanSort();
    virtual bool CanFilter();
    virtual bool CanQuickFilter();
    virtual bool CanRemoveColumnFilter();
    virtual bool HasData();
    virtual bool CanHideColumns();
    virtual bool CanEditColumnProperties();
    virtual int GetColumnMaxLength(const std::string& fieldName);
    virtual void ModifyColumnValue(int field, const std::string& value);
    virtual void ModifyColumnSetValues(int field, const StringVector& set, const StringVector& clear);
    virtual void ModifyColumnValues();
    void ModifyColumnsActionExecute() { ModifyColumnValues(); }
    virtual void EditDateTimeColumnValue(std::string& value, int kind, int field);
    virtual bool SupportsFilterAlerts();
    virtual void RowSelected(int row);
    virtual void AddDynamicFilter(const std::string& column, const std::string& supplierTitle,
                                  const std::string& supplierColumn);
    virtual DynamicLinkRegistry* GetDynamicLinkRegistry();
    virtual void ApplyDynamicFilterValues();
    virtual void PublishLinkValues();
    virtual void ClearDynamicFilters();
    virtual void PublishRowLinkValues(int row);
    virtual void RefreshDynamicFilters();
    virtual void RepublishLinkValues();
    // Dynamic filter links: the dialog, and the registry's refresh of every window.
    void DynamicFilterActionExecute();
    void ForceGridRefreshActionExecute();

    // The window's message dispatch; answers 0.
    int32_t Dispatch(uint32_t message, int32_t wParam, int32_t lParam);

    // Messages and refresh.
    void HandleDataChanged(int32_t wParam);
    void ReloadGrid();
    void RefreshGrid();
    void SortRows();
    void ApplyFilters();
    void RestoreSelectedRow();
    void CheckNewRowAlert();
    void PlayAlert();
    // The scheduled-export tick: exports when the schedule says it is due.
    void RunScheduledExport();
    // The automation replies (GridAutomationReply), to the installed reply sink.
    void SendColumnNames(int32_t wParam, int32_t lParam);
    void SendCellText(int32_t wParam, int32_t lParam);
    void NotifyWorkspaceChanged();
    void RepaintGrid();

    // Drawing.
    void BusinessObjectGridDrawCell(int col, int row, const CanvasRect& rect, Canvas& canvas);
    void SetCellColors(int col, ColorValue background, ColorValue foreground);
    void ApplyColumnVisibility(const TitleVisibilityMap& visibility);
    void BusinessObjectGridColumnMoved(int from, int to);
    void BusinessObjectGridSelectCell(int col, int row);
    void ApplyGridOptions();

    // Selection, mouse and search. Points are in the grid widget's coordinates.
    void BusinessObjectGridMouseDown(int button, int shift, int x, int y);
    void GridWindowProc(uint32_t message);
    void BusinessObjectGridMouseWheelDown();
    void BusinessObjectGridMouseWheelUp();
    void BusinessObjectGridMouseMove(int shift, int x, int y);
    void BusinessObjectGridDblClick(int x, int y);
    // Fits a column's width to its widest text (title row included) plus three blanks.
    void FitColumnWidth(int col);
    void EditRowActionExecute();
    void SearchActionExecute();
    void FindDialogFind();
    void FindDialogShow() { findDialogOpen_ = true; }
    void FindDialogClose() { findDialogOpen_ = false; }
    void SearchColumnActionExecute();
    void ColumnFindDialogFind();
    void ColumnFindDialogShow() { columnFindDialogOpen_ = true; }
    void ColumnFindDialogClose() { columnFindDialogOpen_ = false; }
    void GotoRow(const std::string& fieldName, const std::string& value);
    ::FindDialog* GetFindDialog() const { return findDialog_; }
    ::FindDialog* GetColumnFindDialog() const { return columnFindDialog_; }

    // Copy, print and column tools; CSV export and its schedule.
    void ExportActionExecute();
    void CopyCellActionExecute();
    void CopyRowActionExecute();
    void CopyColumnValuesActionExecute();
    void PrintActionExecute();
    // Fills PrintTable with every grid row's texts; with a printer, prints it (PrintGridReport)
    // and returns the number of sheets.
    void FillPrintTable();
    int PrintGrid(QPrinter& printer);
    void HideColumnsActionExecute();
    void HideOneColumnActionExecute();
    void EditWindowTitleActionExecute();
    void EditColumnPropertiesActionExecute();
    void GridOptionsActionExecute();
    void ExportToCSVActionExecute() { ExportToCSV(); }
    // Builds the file name and the lines, hands them to a writer thread and returns.
    void ExportToCSV();
    void ScheduleCSVExportActionExecute();
    CSVExportManager& ExportManager() { return exportManager_; }
    // Sort and filter tools; the quick ones work on the selected cell.
    void SortActionExecute();
    void FilterActionExecute();
    void SetQuickFilterActionExecute() { SetQuickFilter(2); }
    void SetLowerQuickFilterActionExecute() { SetQuickFilter(1); }
    void SetGreaterQuickFilterActionExecute() { SetQuickFilter(3); }
    void SetFilterNegationActionExecute();
    void RemoveColumnFilterActionExecute();
    void SetQuickSortAscActionExecute() { SetQuickSort(true); }
    void SetQuickSortDescActionExecute() { SetQuickSort(false); }
    void RemoveColumnSortActionExecute();

    // Import and dump.
    void ImportActionExecute() { ImportFromDialog(); }
    void ImportFromDialog();
    void DumpDataActionExecute();

    // Configuration, kept in one section of the settings file, a workspace file or a template
    // section. Loading reads the window's own settings file, once, at construction; every save
    // writes into the file it is given, under the window's current section (which the save sets
    // switch only for the time of the call).
    void InitWindowConfig();
    void LoadWindowConfig();
    void LoadGridOptions();
    void LoadSortConfig();
    void LoadColumnOptions();
    // Sets the view's column order from saved positions: saved columns by ascending position
    // (after closing the gaps of columns the view no longer has; ties in field order), then the
    // columns without a position in field order.
    void ApplyColumnOrder(const ColumnOptionMap& saved, const std::vector<std::string>& savedNames);
    void LoadHiddenColumns();
    void LoadFilterConfig();
    void LoadDynamicFilterConfig();
    void LoadWindowTitle();
    void LoadExportSchedule();
    // The full save, into the window section.
    void SaveWindowConfig(BaseIniFile& file);
    // The data save, into a new section whose name it returns.
    std::string SaveWindowConfigData(BaseIniFile& file);
    // The template save, into the template section.
    void SaveWindowAsTemplate(BaseIniFile& file);
    // The workspace save: the full save under the section named by the number.
    void SaveWindowConfigToSection(BaseIniFile& file, int number);
    // The window is configured from fileName from then on (its workspace was written there).
    void SetConfigFileName(const std::string& fileName) { settingsFileName_ = fileName; }
    void SaveSortConfig(BaseIniFile& file);
    void SaveFilterConfig(BaseIniFile& file);
    void SaveDynamicFilterConfig(BaseIniFile& file);
    void SaveHiddenColumns(BaseIniFile& file);
    void SaveColumnOptions(BaseIniFile& file);
    void SaveExportSchedule(BaseIniFile& file);
    void SaveWindowTitle(BaseIniFile& file);
    void SaveWindowPosition(BaseIniFile& file);
    void SaveGridOptions(BaseIniFile& file);
    const std::string& GetChildSection() const { return windowSection_; }
    const std::string& GetConfigFileName() const { return settingsFileName_; }
    bool IsChildClosed() const { return closingAgreed_; }

    InterfaceView* View() const { return view_.get(); }
    TitleManager* Titles() const { return titles_; }
    ColumnAccessManager* ColumnAccess() const { return columnAccess_; }
    BusinessObjectGrid* Grid() const { return grid_; }
    BaseGridOption& GridOptions() { return options_; }
    BaseIniFile& SettingsFile() { return *settingsFile_; }
    const std::string& WindowTitle() const { return windowTitle_; }
    // Sets the title the user sees (without the caption's suffixes) and updates the caption.
    void SetWindowTitle(const std::string& title);
    const std::string& TemplateSection() const { return templateSection_; }
    bool UseTemplate() const { return useTemplate_; }
    const std::string& ExportDirectory() const { return exportDirectory_; }
    const std::string& ReportAuthor() const { return reportAuthor_; }
    const std::set<char>& InvalidFileNameChars() const { return invalidFileNameChars_; }
    std::string Caption() const;
    // The brush and font colour that the colour operations chose for the cell being drawn.
    ColorValue CellBrush() const { return cellBrush_; }
    ColorValue CellFontColor() const { return cellFont_; }
    // True when the grid's selection follows the remembered row key (grid selection 0).
    bool SelectsByData() const { return options_.GetGridSelection() == BaseGridOption::kSelectByData; }

    QMenu* PopupMenu() const { return popupMenu_; }
    ActionList& Actions() { return actionList_; }

    std::vector<SortSelectionData> SortCriteria;
    bool SortActive = false;
    BaseKey RememberedRowKey;
    std::set<BaseKey> CurrentAlertKeys;
    std::set<BaseKey> PreviousAlertKeys;
    int32_t AlertState = 0;
    DynamicLinkRegistry* LinkRegistry = nullptr;
    bool SetEditTriState = false;
    StringVector SetValueList;
    std::vector<std::vector<std::string>> PrintTable;
    std::set<std::string> ExportSchedule;

    Action* SortAction = nullptr;
    Action* FilterAction = nullptr;
    Action* HideColumnsAction = nullptr;
    Action* EditRowAction = nullptr;
    Action* ExportAction = nullptr;
    Action* PrintAction = nullptr;
    Action* SearchAction = nullptr;
    Action* EditColumnPropertiesAction = nullptr;
    Action* EditWindowTitleAction = nullptr;
    Action* SetQuickFilterAction = nullptr;
    Action* RemoveColumnFilterAction = nullptr;
    Action* SetQuickSortAscAction = nullptr;
    Action* SetQuickSortDescAction = nullptr;
    Action* RemoveColumnSortAction = nullptr;
    Action* HideOneColumnAction = nullptr;
    Action* CopyCellAction = nullptr;
    Action* CopyRowAction = nullptr;
    Action* ImportAction = nullptr;
    Action* DumpDataAction = nullptr;
    Action* ModifyColumnsAction = nullptr;
    Action* GridOptionsAction = nullptr;
    Action* CopyColumnValuesAction = nullptr;
    Action* ExportToCSVAction = nullptr;
    Action* ScheduleCSVExportAction = nullptr;
    Action* SearchColumnAction = nullptr;
    Action* DynamicFilterAction = nullptr;
    Action* RemoveDynamicFilterAction = nullptr;
    Action* SetGreaterQuickFilterAction = nullptr;
    Action* SetLowerQuickFilterAction = nullptr;
    Action* NegateColumnFilterAction = nullptr;

protected:
    // One action of the window: where it is kept, its object name, caption, shortcut and hint.
    struct ActionEntry {
        Action** action;
        const char* name;
        const char* caption;
        const char* shortcut;
        const char* hint;
    };
    // Makes the actions in the window's action list, scoped to the window.
    void MakeActions(std::span<const ActionEntry> entries);

    // Search state.
    std::string findText_;
    int searchRow_ = 0;
    int startRow_ = 0;
    bool newSearch_ = false;
    bool matchCase_ = false;
    bool wholeWord_ = false;
    bool found_ = false;
    bool findDialogOpen_ = false;
    bool columnFindDialogOpen_ = false;
    bool columnSearchStart_ = true;

protected:
    // Runs when the window closes, after its close query agreed; a derived window extends it after
    // the base.
    virtual void FormClose();
    // A resize of the shown window: repaint, mark the workspace modified, WindowResized.
    void FormResize();
    // Adds to `menu` an item of its own for an action whose menu item shows its own shortcut or
    // hint: it follows the action's caption and state and runs it; a non-empty shortcut works
    // within the window unless keyTextOnly, which shows it as text only (another action owns the
    // key). An empty hint takes the action's.
    QAction* AddPopupItem(QMenu* menu, Action* action, const char* shortcut, const char* hint,
                          bool keyTextOnly = false);

private:
    // What a paint needs of one display column, looked up once per paint.
    struct ColumnPaint {
        bool known = false;
        std::string name;
        int kind = 0;
        ColorValue background;
        ColorValue foreground;
    };

    void CreateActions();
    void CreatePopupMenu();
    void ConnectSortAndFilterTools();
    // After a change of the column filters: applied, the row re-selected, the workspace modified.
    void FiltersChanged();
    // After a change of the sort criteria: the workspace modified, the rows sorted by them.
    void SortCriteriaChanged();
    void ConnectMouseAndSearch();
    void DisconnectMouseAndSearch();
    void ConnectTools();
    bool FormCloseQuery();
    // The display column's field name ("" without a view) and whether a set filters it.
    std::string ColumnName(int col) const;
    static bool HasFilterFor(const FilterData& filters, const std::string& name);
    bool CurrentColumnHasFilter() const;
    // The set column's dialog: the tri-state one with SetEditTriState, else the selection of flags.
    void ModifySetColumnValues(int field, const std::string& name, const std::string& text);
    // The window's side of its dynamic-filter links, over the view (which must be present).
    DynamicFilterLinks Links();
    const ColumnPaint& PaintInfo(int col);

    std::unique_ptr<InterfaceView> view_;
    TitleManager* titles_;
    ColumnAccessManager* columnAccess_;
    BaseGridOption options_;
    std::unique_ptr<BaseIniFile> settingsFile_;
    std::string settingsFileName_;
    std::string windowSection_;
    std::string titlesSection_;
    std::string templateSection_;
    std::string windowTitle_;
    bool useTemplate_ = false;
    std::string exportDirectory_;
    std::string reportAuthor_ = "Unknown";
    std::set<char> invalidFileNameChars_;
    bool closingAgreed_ = false;
    CSVExportManager exportManager_;

    BusinessObjectGrid* grid_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    ActionList actionList_;
    ::FindDialog* findDialog_ = nullptr;
    ::FindDialog* columnFindDialog_ = nullptr;

    ColorValue cellBrush_ = clWindow;
    ColorValue cellFont_ = clWindowText;
    // Filled during a paint of the grid only; emptied as each paint starts.
    std::vector<ColumnPaint> columnPaint_;
    bool painting_ = false;
};
