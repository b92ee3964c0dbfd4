#pragma once
// The view behind one grid window: the rows of one record type, which of them pass the window's
// filters and in which order they show, the record type's column titles and the order of the
// columns on screen. Grid windows and the session reach every view through this interface.
//
// Rows are addressed by key, by displayed index (from 0, among the rows that pass the filters, in
// display order) or by all-rows index (from 0, in arrival order). Cell texts number rows from 1,
// row 0 being the grid's title row, and the row counts include that title row. Columns are
// addressed by field index (the order of the title list); ColumnOrder maps screen columns to
// 0 (the row-number column) or field index + 1.
//
// The fields are public: the grid framework edits the sort columns and the filter sets directly.
// Indices out of range are answered with "", 0, false, null or the null key and change nothing.
// GUI thread only.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "fields/MInterfaceSortingData.h"
#include "fields/MTitleFormat.h"
#include "store/BaseKey.h"
#include "store/FilterData.h"
#include "store/StringVector.h"

class InterfaceView {
public:
    InterfaceView() = default;
    InterfaceView(const InterfaceView&) = delete;
    InterfaceView& operator=(const InterfaceView&) = delete;
    virtual ~InterfaceView() = default;

    // Text of a field of the displayed (all-rows) row number row, from 1; "" with the length
    // untouched when there is no such row or field.
    virtual const char* GetDisplayedCellText(int field, unsigned row, unsigned* length) = 0;
    virtual const char* GetAllCellText(int field, unsigned row, unsigned* length) = 0;
    virtual void RemoveDisplayedRow(int index) = 0;
    // Sets a field of the displayed row's own copy from text, unchecked.
    virtual void SetDisplayedCellText(int field, int index, const char* text) = 0;
    // Removes every displayed row whose state is 0 or whose mark is 2.
    virtual void PurgeRows() = 0;
    // Removes every row; filters, sort, titles and column order stay.
    virtual void ClearRows() = 0;
    virtual void SetRowState(int state, int index, bool allRows) = 0;
    virtual void SetRowMark(int mark, int tag, int index, bool allRows) = 0;
    // Marks the first row in key order with that tag; mark 2 on a row in state 2 sets both to 0.
    virtual void SetMarkByTag(int mark, int tag) = 0;
    // State 4 becomes 0 on every row.
    virtual void ResetNewRowStates() = 0;
    virtual int GetDisplayedRowCount() const = 0;
    virtual int GetAllRowCount() const = 0;
    virtual StringVector GetColumnValues(int field) const = 0;
    virtual int GetColumnKind(int field) const = 0;
    virtual const char* GetColumnEditMask(int field) const = 0;
    virtual const char* GetColumnAllText(int field) const = 0;
    virtual const char* GetColumnNoneText(int field) const = 0;
    virtual char GetColumnSeparator(int field) const = 0;
    virtual int GetColumnWidth(int field) const = 0;
    virtual const char* CheckColumnText(int field, const char* text) const = 0;
    virtual const char* GetColumnTypeName(int field) const = 0;
    virtual int GetRowState(int index, bool allRows) const = 0;
    virtual int GetRowMark(int index, bool allRows) const = 0;
    virtual int GetRowTag(int index, bool allRows) const = 0;
    // Some row in a state other than 0 with mark 0 or 3 (pending), or with mark 3 (failed).
    virtual bool HasPendingRows() const = 0;
    virtual bool HasFailedRows() const = 0;
    // Rebuilds the displayed rows from all rows; false when filters are set and no row passes.
    virtual bool ApplyFilter() = 0;
    // Puts the displayed rows in the order of SortColumns, stable, ties in key order.
    virtual void SortRows() = 0;
    virtual bool IsRowMarked(unsigned index) const = 0;
    virtual bool FindDisplayedRow(BaseKey key, int* index) const = 0;
    virtual bool ContainsRow(BaseKey key) const = 0;
    virtual void RemoveRow(const BaseKey& key) = 0;
    // Writes the titles and every row to the view's dump file in the current directory.
    virtual void DumpData() = 0;
    virtual const BaseKey& GetDisplayedKey(int index) const = 0;
    virtual void GetDisplayedKeys(std::set<BaseKey>& keys) const = 0;

    FilterData& GetFilter() { return Filter; }
    FilterData& GetDynamicFilter() { return DynamicFilter; }
    bool GetFilterNegation() const { return FilterNegation; }
    void SetFilterNegation(bool negation) { FilterNegation = negation; }
    void SetDynamicFilterActive(bool active) { DynamicFilterActive = active; }
    bool IsFilterAlertEnabled() const { return Filter.IsAlertEnabled(); }
    const std::vector<std::string>& GetTitleList() const { return TitleFormat.GetTitles(); }
    TitleVisibilityMap& GetTitleVisibility() { return TitleFormat.GetTitleVisibility(); }
    int GetColumnCount() const { return ColumnCount; }
    // ColumnOrder's entry for a screen column; 0 outside 0 to ColumnCount - 1.
    int GetColumnIndex(int screenColumn) const;
    // Takes count entries as the new column order when they are a permutation of 0 to
    // ColumnCount - 1 (count must be ColumnCount); otherwise keeps the current order. Returns
    // ColumnCount.
    int SetColumnOrder(const int32_t* entries, int count);
    // The index of the first title equal to name, -1 when none is.
    int FindField(std::string name) const;

    ColumnVector SortColumns;
    FilterData WorkFilter;
    FilterData DynamicFilter;
    FilterData Filter;
    bool FilterNegation = false;
    MTitleFormat TitleFormat;
    int32_t ColumnCount = 0;
    std::vector<int32_t> ColumnOrder;
    bool DynamicFilterActive = false;

protected:
    // ColumnCount = count and the identity order.
    void InitColumnOrder(int count);
};
