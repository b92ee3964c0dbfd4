#pragma once
// "Dynamic Filter": edits the dynamic-filter links of one grid window. Each entry filters a column
// of the window (the filter column, chosen by user title) by the value that a column of the same
// kind in another grid window (the source grid and source column) shows for its selected row. The
// window hands in the other windows' columns and its current entries before showing the dialog and
// reads the entries back after OK; OK is enabled once an entry was added or deleted, and Cancel
// leaves the window's links alone. The title manager and the view belong to the window.
#include <map>
#include <string>
#include <vector>

#include "grid/CheckedDialogButtons.h"
#include "store/FilterEntry.h"
#include "store/GridColumns.h"
#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class Canvas;
class ComboBox;
class DrawGrid;
class InterfaceView;
class ListBox;
class TitleManager;
struct CanvasRect;

class TDynamicFilterForm : public Form {
public:
    // Window title to the columns of that window, in the titles' byte order.
    using SourceGrids = std::map<std::string, std::vector<GridColumns>>;

    TDynamicFilterForm(QWidget* owner, TitleManager* titles, InterfaceView* view, const std::string& column);

    void SetSourceGrids(const SourceGrids& grids) { sourceGrids_ = grids; }
    void SetEntries(const std::vector<FilterEntry>& entries) { entries_ = entries; }
    std::vector<FilterEntry> GetEntries() const { return entries_; }

    Action* AddEntryAction() const { return addEntry_; }
    Action* DeleteEntryAction() const { return deleteEntry_; }
    bool IsModified() const { return modified_; }

    // The entry grid's cell drawing: the heading in row 0, the first three texts of entry n - 1
    // in row n.
    void OnDrawFilterEntryCell(int col, int row, const CanvasRect& rect, Canvas& canvas);

private:
    void FormShow();
    void OnChangeFilteredColumn();
    void OnChangeSourceGrid();
    void OnGridColumnSelection();
    void AddEntryActionExecute();
    void DeleteEntryActionExecute();
    void RefreshEntryGrid();
    void SetModified();

    TitleManager* titles_;
    InterfaceView* view_;
    std::string column_;
    SourceGrids sourceGrids_;
    std::vector<FilterEntry> entries_;
    std::vector<std::string> filterColumns_;  // field names, in the combo box's order
    int filterKind_ = 0;
    // The source columns listed: title and place in the source grid's list.
    std::vector<std::pair<std::string, int>> sourceColumns_;
    int selectedSourceColumn_ = -1;  // place in the source grid's list
    bool modified_ = false;

    ComboBox* columnNameComboBox_;
    ComboBox* otherGridNameComboBox_;
    ListBox* otherGridColumnListBox_;
    DrawGrid* entryGrid_;
    ActionList actions_;
    Action* addEntry_;
    Action* deleteEntry_;
    CheckedDialogButtons buttons_;
};
