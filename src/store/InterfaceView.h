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
// WorkFilter serves as the column-value cache: one entry per collected column, its Values the
// column's distinct texts. GUI thread only.
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fields/MInterfaceSortingData.h"
#include "fields/MTitleFormat.h"
#include "store/BaseKey.h"
#include "store/FilterData.h"
#include "store/SortSelectionData.h"
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
    // The first displayed row number, walking from row first to row last (both from 1 and within
    // the displayed rows; upwards when last is below first), whose text of field match accepts;
    // 0 when none does or a row is out of range. The column is looked up once, not per row.
    virtual unsigned FindDisplayedCellText(int field, unsigned first, unsigned last,
                                           const std::function<bool(std::string_view)>& match) const = 0;
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

    // Text of a grid cell, with its length in *length (0 first; length may be null): row 0 holds the field
    // titles, screen column 0 the row numbers from 1 and an empty title; other cells are displayed cell
    // texts. A screen column outside the column order gives "". The row-number text stays valid
    // until the next call.
    const char* GetCellText(int screenColumn, unsigned row, unsigned* length);
    // The first grid row, walking from row first to row last (upwards when last is below first),
    // whose GetCellText of the screen column match accepts; -1 when none does. The displayed
    // rows of a field column are walked through FindDisplayedCellText.
    int FindCellText(int screenColumn, unsigned first, unsigned last,
                     const std::function<bool(std::string_view)>& match);
    // Takes the screen column from out of the column order and puts it back at to, the columns
    // between shifting one place towards from.
    void MoveColumn(int from, int to);
    // The screen column showing that field; -1 when the name is no field or the field not shown.
    int FindColumn(const std::string& name) const;
    // The field name of a screen column; "" for the row-number column and outside the order.
    std::string GetColumnName(int screenColumn) const;
    // Fields marked hidden in the title visibility map, and the other record fields.
    int CountHiddenColumns() const;
    int CountVisibleColumns() const;

    void ClearSortCriteria() { SortColumns.clear(); }
    void AddSortCriterion(int field, bool ascending) { SortColumns.emplace_back(field, ascending); }
    // Sets the sort columns from criteria naming fields, in list order, and erases from criteria
    // every entry that names no field of this view. The rows are sorted by SortRows afterwards.
    void SetSortCriteria(std::vector<SortSelectionData>& criteria);

    void ClearColumnValueCache() { WorkFilter.clear(); }
    // Appends to the column-value cache an entry for the field with its distinct texts in byte
    // order: the enumerator names of an enumeration; the flag names and the all and none texts of
    // a set; otherwise the field's text in every row (displayed or not) and the values of the
    // column filter's "=" conditions on it. An earlier entry for the field stays before it. Does
    // nothing for a name that is no field. Walks every row once.
    void CacheColumnValues(const std::string& name);

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

private:
    char rowNumberText_[16] = {};
};
