#pragma once
// The keyed view over the rows of one record type T (see InterfaceView). Rows enter through
// UpdateRow, each with its own copy of a record, and are held once, in the all-rows map ordered
// by key, which owns them (map nodes never move, so row pointers stay valid); a hash index finds
// a row by its key without walking the map. Two row sequences give the arrival order (AllKeys)
// and the display order (DisplayedKeys); a row is displayed exactly when DisplayedKeys holds it.
// Index lookups, finding a row's displayed index and removals are logarithmic (RowSequence).
//
// Sorting: the columns of the last full sort are kept with the rows that may stand out of place
// since (rows appended to the display, displayed rows whose copy changed). With the same columns
// and fewer than an eighth of the displayed rows out of place, SortRows takes those rows out and
// puts them back at their places by binary searches run side by side; otherwise it sorts all
// displayed rows, taken in key order, stably. Both give the order of (sort columns, key).
//
// K and R are the key and row types: BaseKey and TInterfaceViewData<T>. GUI thread only.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "core/MError.h"
#include "fields/MCSVWriter.h"
#include "fields/MInterfaceFormat.h"
#include "store/BaseKey.h"
#include "store/InterfaceView.h"
#include "store/PreparedFilter.h"
#include "store/RowKeyIndex.h"
#include "store/RowSequence.h"
#include "store/TInterfaceViewData.h"

template <class T, class K = BaseKey, class R = TInterfaceViewData<T>>
class TInterfaceViewBase : public InterfaceView {
    static_assert(std::is_same_v<K, BaseKey> && std::is_same_v<R, TInterfaceViewData<T>>);

protected:
    // One row with its key and its places in the two sequences (those first, so that a search
    // by key or in a sequence reads the row's first bytes only, not the record that follows).
    struct ViewRow {
        ViewRow(const BaseKey& rowKey, const T* record, MInterfaceFormat* format)
            : key(rowKey), row(record, format) {}

        BaseKey key;
        RowLink all;
        RowLink displayed;
        int32_t outOfPlace = -1;  // place in outOfPlace_, -1 when not there
        R row;
    };

public:
    TInterfaceViewBase() = default;
    ~TInterfaceViewBase() override = default;

    const char* GetDisplayedCellText(int field, unsigned row, unsigned* length) override {
        return CellText(field, row, length, false);
    }
    const char* GetAllCellText(int field, unsigned row, unsigned* length) override {
        return CellText(field, row, length, true);
    }
    unsigned FindDisplayedCellText(int field, unsigned first, unsigned last,
                                   const std::function<bool(std::string_view)>& match) const override {
        const std::size_t rows = DisplayedKeys.size();
        if (first == 0 || last == 0 || first > rows || last > rows) return 0;
        if (!IsField(field)) return match(std::string_view()) ? first : 0;
        const MInterface& column = RowFormat->GetColumn(field);
        const std::size_t found = DisplayedKeys.FindFrom(first - 1, last - 1, [&](const ViewRow* row) {
            int length = 0;
            const char* text = column.GetText(row->row.GetData(), &length);
            return match(std::string_view(text, static_cast<std::size_t>(length)));
        });
        return found == DisplayedKeys.npos ? 0 : static_cast<unsigned>(found + 1);
    }
    void RemoveDisplayedRow(int index) override {
        if (ViewRow* row = RowAt(index, false)) Erase(row);
    }
    void SetDisplayedCellText(int field, int index, const char* text) override {
        ViewRow* row = RowAt(index, false);
        if (!row || !IsField(field)) return;
        row->row.SetCellText(field, text);
        MarkOutOfPlace(row);
    }
    void PurgeRows() override {
        std::vector<ViewRow*> purged;
        DisplayedKeys.ForEach([&](ViewRow* row) {
            if (row->row.State == 0 || row->row.Mark == 2) purged.push_back(row);
        });
        for (ViewRow* row : purged) Erase(row);
    }
    void ClearRows() override {
        for (ViewRow* row : outOfPlace_) row->outOfPlace = -1;
        outOfPlace_.clear();
        DisplayedKeys.Clear();
        AllKeys.Clear();
        keyIndex_.Clear();
        AllRows.clear();
    }
    void SetRowState(int state, int index, bool allRows) override {
        if (ViewRow* row = RowAt(index, allRows)) row->row.State = state;
    }
    void SetRowMark(int mark, int tag, int index, bool allRows) override {
        if (ViewRow* row = RowAt(index, allRows)) {
            row->row.Mark = mark;
            row->row.Tag = tag;
        }
    }
    void SetMarkByTag(int mark, int tag) override {
        for (auto& [key, entry] : AllRows) {
            if (entry.row.Tag != tag) continue;
            entry.row.Mark = mark;
            if (mark == 2 && entry.row.State == 2) entry.row.State = entry.row.Mark = 0;
            return;
        }
    }
    void ResetNewRowStates() override {
        for (auto& [key, entry] : AllRows) {
            if (entry.row.State == 4) entry.row.State = 0;
        }
    }
    int GetDisplayedRowCount() const override { return static_cast<int>(DisplayedKeys.size()) + 1; }
    int GetAllRowCount() const override { return static_cast<int>(AllRows.size()) + 1; }

    StringVector GetColumnValues(int field) const override {
        return IsField(field) ? StringVector(RowFormat->GetValues(field)) : StringVector();
    }
    int GetColumnKind(int field) const override { return IsField(field) ? RowFormat->GetKind(field) : 0; }
    const char* GetColumnEditMask(int field) const override {
        return IsField(field) ? RowFormat->GetEditMask(field) : "";
    }
    const char* GetColumnAllText(int field) const override {
        return IsField(field) ? RowFormat->GetAllText(field) : "";
    }
    const char* GetColumnNoneText(int field) const override {
        return IsField(field) ? RowFormat->GetNoneText(field) : "";
    }
    char GetColumnSeparator(int field) const override {
        return IsField(field) ? RowFormat->GetSeparator(field) : 0;
    }
    int GetColumnWidth(int field) const override { return IsField(field) ? RowFormat->GetWidth(field) : 0; }
    const char* CheckColumnText(int field, const char* text) const override {
        return IsField(field) ? RowFormat->CheckText(field, text) : nullptr;
    }
    const char* GetColumnTypeName(int field) const override {
        return IsField(field) ? RowFormat->GetTypeName(field) : "";
    }
    int GetRowState(int index, bool allRows) const override {
        const ViewRow* row = RowAt(index, allRows);
        return row ? row->row.State : 0;
    }
    int GetRowMark(int index, bool allRows) const override {
        const ViewRow* row = RowAt(index, allRows);
        return row ? row->row.Mark : 0;
    }
    int GetRowTag(int index, bool allRows) const override {
        const ViewRow* row = RowAt(index, allRows);
        return row ? row->row.Tag : 0;
    }
    bool HasPendingRows() const override {
        return std::any_of(AllRows.begin(), AllRows.end(), [](const auto& entry) {
            const R& row = entry.second.row;
            return row.State != 0 && (row.Mark == 0 || row.Mark == 3);
        });
    }
    bool HasFailedRows() const override {
        return std::any_of(AllRows.begin(), AllRows.end(), [](const auto& entry) {
            return entry.second.row.State != 0 && entry.second.row.Mark == 3;
        });
    }

    bool ApplyFilter() override {
        std::vector<ViewRow*> shown;
        if (Filter.empty() && DynamicFilter.empty()) {
            FilterNegation = false;
            shown.reserve(AllRows.size());
            for (auto& [key, entry] : AllRows) shown.push_back(&entry);
            SetDisplay(shown);
            return true;
        }
        PrepareFilter();
        // Operands once per pass: offsets from now are read against one clock reading each.
        const std::vector<PreparedFilter> dynamic(DynamicFilter.begin(), DynamicFilter.end());
        const std::vector<PreparedFilter> column(Filter.begin(), Filter.end());
        for (auto& [key, entry] : AllRows) {
            bool pass = true;
            for (const PreparedFilter& filter : dynamic) {
                if (!(pass = entry.row.MatchesFilter(filter))) break;
            }
            for (std::size_t i = 0; pass && i < column.size(); ++i) pass = entry.row.MatchesFilter(column[i]);
            if (pass != FilterNegation) shown.push_back(&entry);
        }
        SetDisplay(shown);
        return !shown.empty();
    }

    void SortRows() override {
        if (SameColumns(SortColumns, sortedBy_) && outOfPlace_.size() * 8 < DisplayedKeys.size()) {
            PlaceOutOfPlaceRows();
        } else {
            SortAll();
        }
        sortedBy_ = SortColumns;
        ForgetOutOfPlace();
    }

    bool IsRowMarked(unsigned index) const override {
        return index < DisplayedKeys.size() && DisplayedKeys.At(index)->row.Mark != 0;
    }
    bool FindDisplayedRow(BaseKey key, int* index) const override {
        const ViewRow* row = keyIndex_.Find(key);
        if (!row || !DisplayedKeys.Contains(row)) return false;
        if (index) *index = static_cast<int>(DisplayedKeys.IndexOf(row));
        return true;
    }
    bool ContainsRow(BaseKey key) const override { return keyIndex_.Find(key) != nullptr; }
    void RemoveRow(const BaseKey& key) override {
        if (ViewRow* row = keyIndex_.Find(key)) Erase(row);
    }

    // Written to a temporary file beside the dump and renamed over it once every write and the
    // close succeeded: a failure (a full disk) keeps the previous dump and is logged.
    void DumpData() override {
        const std::string temporary = DumpFileName + ".tmp";
        std::FILE* file = std::fopen(temporary.c_str(), "w");
        if (!file) {
            MLOG(LOG_ERROR, "Dump file '%s' not written: cannot create '%s'", DumpFileName.c_str(),
                 temporary.c_str());
            return;
        }
        bool written = true;
        std::string line;
        for (const std::string& title : TitleFormat.GetTitles()) line += title + ";";
        line += "\n";
        written &= std::fwrite(line.data(), 1, line.size(), file) == line.size();
        MCSVWriter writer(&line, ";");
        AllKeys.ForEach([&](ViewRow* row) {
            if (!written) return;
            T copy(*row->row.GetData());
            writer.ClearOutput();
            copy.FormatObject(writer);
            line += "\n";
            written &= std::fwrite(line.data(), 1, line.size(), file) == line.size();
        });
        written &= std::fclose(file) == 0;
        if (written && std::rename(temporary.c_str(), DumpFileName.c_str()) == 0) return;
        std::remove(temporary.c_str());
        MLOG(LOG_ERROR, "Dump file '%s' not written: the previous dump is kept", DumpFileName.c_str());
    }

    const BaseKey& GetDisplayedKey(int index) const override {
        static const BaseKey kNullKey;
        const ViewRow* row = RowAt(index, false);
        return row ? row->key : kNullKey;
    }
    void GetDisplayedKeys(std::set<BaseKey>& keys) const override {
        keys.clear();
        for (const ViewRow* row : DisplayedInKeyOrder()) keys.emplace_hint(keys.end(), row->key);
    }

    // The record copy of the row at that index; null when there is no such row.
    T* GetRowData(int index, bool allRows) const {
        const ViewRow* row = RowAt(index, allRows);
        return row ? row->row.GetData() : nullptr;
    }

    // Creates the record's row or gives the row the record (in states 0 and 4 only), then tests
    // it against the filters (RefreshRow). A new row goes to the end of the arrival order.
    void UpdateRow(const T* record) {
        const BaseKey key = record->GetKey();
        // Rows arriving in key order (a refill from the data store) go to the end without a search.
        const bool aboveAll = AllRows.empty() || AllRows.rbegin()->first < key;
        ViewRow* row = aboveAll ? nullptr : keyIndex_.Find(key);
        const bool isNew = row == nullptr;
        if (isNew) {
            const auto at = AllRows.emplace_hint(aboveAll ? AllRows.end() : AllRows.lower_bound(key),
                                                 std::piecewise_construct, std::forward_as_tuple(key),
                                                 std::forward_as_tuple(key, record, RowFormat.get()));
            row = &at->second;
            keyIndex_.Insert(row);
            AllKeys.PushBack(row);
        } else if (row->row.State == 0 || row->row.State == 4) {
            row->row.SetData(record);
            if (DisplayedKeys.Contains(row)) MarkOutOfPlace(row);
        }
        RefreshRow(row, isNew, DynamicFilterActive);
    }

    std::string DumpFileName;

protected:
    // Shows or hides one row by the filters: a row that starts to pass goes to the end of the
    // display, one that still passes keeps its place, one that stops passing leaves the display.
    void RefreshRow(ViewRow* row, bool isNew, bool testDynamic) {
        if (Filter.empty() && DynamicFilter.empty()) {
            if (isNew) Show(row);
            FilterNegation = false;
            return;
        }
        PrepareFilter();
        bool pass = true;
        if (testDynamic) {
            for (const ColumnFilter& filter : DynamicFilter) {
                if (!(pass = row->row.MatchesFilter(filter))) break;
            }
        }
        for (std::size_t i = 0; pass && i < Filter.size(); ++i) pass = row->row.MatchesFilter(Filter[i]);
        const bool shown = DisplayedKeys.Contains(row);
        if (pass != FilterNegation) {
            if (!shown) Show(row);
        } else if (shown) {
            Hide(row);
        }
    }
    // Takes the row with that key out of the arrival order (allRows) or out of the display.
    void RemoveKey(BaseKey key, bool allRows) {
        ViewRow* row = keyIndex_.Find(key);
        if (!row) return;
        if (allRows) {
            if (AllKeys.Contains(row)) AllKeys.Erase(row);
        } else if (DisplayedKeys.Contains(row)) {
            Hide(row);
        }
    }
    // The column filters: each column looked up by name, each list of condition 2 sorted.
    void PrepareFilter() {
        const std::vector<std::string>& titles = TitleFormat.GetTitles();
        for (ColumnFilter& filter : Filter) {
            // Titles are unique, so a column that already names its title is the one FindField gives.
            const std::size_t column = static_cast<std::size_t>(filter.Column);
            if (filter.Column < 0 || column >= titles.size() || titles[column] != filter.ColumnName) {
                filter.Column = FindField(filter.ColumnName);
            }
            if (filter.Condition == 2 && !std::is_sorted(filter.Values.begin(), filter.Values.end())) {
                std::sort(filter.Values.begin(), filter.Values.end());
            }
        }
    }

    std::map<BaseKey, ViewRow> AllRows;
    RowSequence<ViewRow, &ViewRow::all> AllKeys;
    RowSequence<ViewRow, &ViewRow::displayed> DisplayedKeys;
    std::unique_ptr<MInterfaceFormat> RowFormat = std::make_unique<MInterfaceFormat>();
    std::vector<ViewRow*> SortBuffer;

private:
    static constexpr int kMaxPlacedKey = 64;  // the widest sort key a placed row is compared by

    static bool SameColumns(const ColumnVector& a, const ColumnVector& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
            return x.column == y.column && x.ascending == y.ascending;
        });
    }

    bool IsField(int field) const { return field >= 0 && field < RowFormat->GetCount(); }

    ViewRow* RowAt(int index, bool allRows) const {
        const std::size_t rows = allRows ? AllKeys.size() : DisplayedKeys.size();
        if (index < 0 || static_cast<std::size_t>(index) >= rows) return nullptr;
        return allRows ? AllKeys.At(static_cast<std::size_t>(index))
                       : DisplayedKeys.At(static_cast<std::size_t>(index));
    }

    const char* CellText(int field, unsigned row, unsigned* length, bool allRows) const {
        if (row == 0 || row > (allRows ? AllKeys.size() : DisplayedKeys.size()) || !IsField(field)) return "";
        const ViewRow* viewRow = RowAt(static_cast<int>(row - 1), allRows);
        int textLength = 0;
        const char* text = viewRow->row.GetCellText(field, &textLength);
        if (length) *length = static_cast<unsigned>(textLength);
        return text;
    }

    void Show(ViewRow* row) {
        DisplayedKeys.PushBack(row);
        MarkOutOfPlace(row);
    }
    void Hide(ViewRow* row) {
        UnmarkOutOfPlace(row);
        DisplayedKeys.Erase(row);
    }
    void Erase(ViewRow* row) {
        if (DisplayedKeys.Contains(row)) Hide(row);
        AllKeys.Erase(row);
        keyIndex_.Erase(row);
        AllRows.erase(row->key);
    }

    void MarkOutOfPlace(ViewRow* row) {
        if (row->outOfPlace >= 0) return;
        row->outOfPlace = static_cast<int32_t>(outOfPlace_.size());
        outOfPlace_.push_back(row);
    }
    void UnmarkOutOfPlace(ViewRow* row) {
        if (row->outOfPlace < 0) return;
        ViewRow* last = outOfPlace_.back();
        outOfPlace_[static_cast<std::size_t>(row->outOfPlace)] = last;
        last->outOfPlace = row->outOfPlace;
        outOfPlace_.pop_back();
        row->outOfPlace = -1;
    }
    void ForgetOutOfPlace() {
        for (ViewRow* row : outOfPlace_) row->outOfPlace = -1;
        outOfPlace_.clear();
    }

    // The display in key order, which is the sort order of no columns.
    void SetDisplay(const std::vector<ViewRow*>& rows) {
        DisplayedKeys.Assign(rows);
        ForgetOutOfPlace();
        sortedBy_.clear();
    }

    // The displayed rows in key order: sorted by key when they are few, else taken from the map.
    std::vector<ViewRow*> DisplayedInKeyOrder() const {
        std::vector<ViewRow*> rows;
        rows.reserve(DisplayedKeys.size());
        const std::size_t count = DisplayedKeys.size();
        if (count * 16 < AllRows.size()) {
            DisplayedKeys.ForEach([&](ViewRow* row) { rows.push_back(row); });
            std::sort(rows.begin(), rows.end(),
                      [](const ViewRow* a, const ViewRow* b) { return a->key < b->key; });
        } else {
            for (const auto& [key, entry] : AllRows) {
                if (DisplayedKeys.Contains(&entry)) rows.push_back(const_cast<ViewRow*>(&entry));
            }
        }
        return rows;
    }

    // a before b in the order of (sort columns, key).
    bool RowLess(const ViewRow* a, const ViewRow* b) const {
        if (!SortColumns.empty()) {
            if (RowFormat->IsLess(a->row.GetData(), b->row.GetData(), SortColumns)) return true;
            if (RowFormat->IsLess(b->row.GetData(), a->row.GetData(), SortColumns)) return false;
        }
        return a->key < b->key;
    }

    void SortAll() {
        SortBuffer = DisplayedInKeyOrder();
        if (!SortColumns.empty()) {
            const int width = SortKeyWidth();
            if (width > 0 && width <= 16) {
                SortByKeys<16>();
            } else if (width > 0 && width <= 32) {
                SortByKeys<32>();
            } else {
                std::stable_sort(
                    SortBuffer.begin(), SortBuffer.end(), [this](const ViewRow* a, const ViewRow* b) {
                        return RowFormat->IsLess(a->row.GetData(), b->row.GetData(), SortColumns);
                    });
            }
        }
        DisplayedKeys.Assign(SortBuffer);
        SortBuffer.clear();
    }

    // The width of the sort columns' keys laid end to end; 0 when a column has none.
    int SortKeyWidth() const {
        int width = 0;
        for (const MInterfaceSortingData& sortKey : SortColumns) {
            const int columnWidth =
                IsField(sortKey.column) ? RowFormat->GetColumn(sortKey.column).GetSortKeyWidth() : 0;
            if (columnWidth <= 0) return 0;
            width += columnWidth;
        }
        return width;
    }

    // Sorts SortBuffer (rows in key order) by the sort columns' keys, copied once into one array
    // with each row's place as the tie-break: the order of the stable sort by the columns. A
    // descending column's key bytes are inverted; the unused tail of a key is zero in every key.
    template <std::size_t W>
    void SortByKeys() {
        struct Keyed {
            std::array<unsigned char, W> key;
            uint32_t index;
        };
        std::vector<Keyed> keyed(SortBuffer.size());
        for (std::size_t i = 0; i < SortBuffer.size(); ++i) {
            Keyed& entry = keyed[i];
            entry.key.fill(0);
            entry.index = static_cast<uint32_t>(i);
            const void* record = SortBuffer[i]->row.GetData();
            unsigned char* at = entry.key.data();
            for (const MInterfaceSortingData& sortKey : SortColumns) {
                const MInterface& column = RowFormat->GetColumn(sortKey.column);
                const int columnWidth = column.GetSortKeyWidth();
                column.CopySortKey(record, at);
                if (!sortKey.ascending) {
                    for (int b = 0; b < columnWidth; ++b) at[b] = static_cast<unsigned char>(~at[b]);
                }
                at += columnWidth;
            }
        }
        std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
            const int order = std::memcmp(a.key.data(), b.key.data(), W);
            return order != 0 ? order < 0 : a.index < b.index;
        });
        std::vector<ViewRow*> sorted(SortBuffer.size());
        for (std::size_t i = 0; i < keyed.size(); ++i) sorted[i] = SortBuffer[keyed[i].index];
        SortBuffer.swap(sorted);
    }

    // Takes the rows that may stand out of place out of the display and puts them back: put in
    // order among themselves first, their places among the other rows are searched all at once,
    // and each goes in after the ones before it. With sort keys of at most kMaxPlacedKey bytes,
    // rows are compared by their keys (the order of the full sort): a placed row's key is copied
    // once, and a row it meets in the search gives its key column by column, only as far as the
    // two differ.
    void PlaceOutOfPlaceRows() {
        for (ViewRow* row : outOfPlace_) DisplayedKeys.Erase(row);
        std::vector<ViewRow*> rows(outOfPlace_.begin(), outOfPlace_.end());
        std::vector<std::size_t> places;
        const int width = SortKeyWidth();
        if (width <= 0 || width > kMaxPlacedKey) {
            std::sort(rows.begin(), rows.end(),
                      [this](const ViewRow* a, const ViewRow* b) { return RowLess(a, b); });
            DisplayedKeys.UpperBounds(
                rows.size(), [&](std::size_t i, const ViewRow* other) { return RowLess(rows[i], other); },
                places);
        } else {
            struct KeyColumn {
                const MInterface* column;
                std::size_t width;
                bool ascending;
            };
            std::vector<KeyColumn> columns;
            for (const MInterfaceSortingData& sortKey : SortColumns) {
                const MInterface& column = RowFormat->GetColumn(sortKey.column);
                columns.push_back(
                    {&column, static_cast<std::size_t>(column.GetSortKeyWidth()), sortKey.ascending});
            }
            struct Placed {
                std::array<unsigned char, kMaxPlacedKey> key;
                ViewRow* row;
            };
            std::vector<Placed> placed(rows.size());
            for (std::size_t i = 0; i < rows.size(); ++i) {
                placed[i].row = rows[i];
                unsigned char* at = placed[i].key.data();
                for (const KeyColumn& key : columns) {
                    key.column->CopySortKey(&rows[i]->row.RecordCopy, at);
                    at += key.width;
                }
            }
            std::sort(placed.begin(), placed.end(), [&](const Placed& a, const Placed& b) {
                std::size_t at = 0;
                for (const KeyColumn& key : columns) {
                    const int order = std::memcmp(a.key.data() + at, b.key.data() + at, key.width);
                    if (order != 0) return (order < 0) == key.ascending;
                    at += key.width;
                }
                return a.row->key < b.row->key;
            });
            for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = placed[i].row;
            std::array<unsigned char, kMaxPlacedKey> met;
            const auto before = [&](std::size_t i, const ViewRow* other) {
                const unsigned char* mine = placed[i].key.data();
                for (const KeyColumn& key : columns) {
                    key.column->CopySortKey(&other->row.RecordCopy, met.data());
                    const int order = std::memcmp(mine, met.data(), key.width);
                    if (order != 0) return (order < 0) == key.ascending;
                    mine += key.width;
                }
                return rows[i]->key < other->key;
            };
            DisplayedKeys.UpperBounds(rows.size(), before, places);
        }
        for (std::size_t i = 0; i < rows.size(); ++i) DisplayedKeys.Insert(places[i] + i, rows[i]);
    }

    RowKeyIndex<ViewRow> keyIndex_;     // every row of AllRows by its key
    ColumnVector sortedBy_;             // the sort columns the display was last ordered by
    std::vector<ViewRow*> outOfPlace_;  // displayed rows that may stand out of that order
};
