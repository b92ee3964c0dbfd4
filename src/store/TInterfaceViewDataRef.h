#pragma once
// The reference part of a view row: the record the row shows (the row's own copy), the view's
// column formatter that every row of the view shares, and the row's state, mark and tag. The
// first record given to a row whose formatter is still empty fills the formatter with the
// columns of T. Owns nothing; one thread.
#include <cstdint>

#include "fields/MInterfaceFormat.h"
#include "store/ColumnFilter.h"
#include "store/PreparedFilter.h"

template <class T>
class TInterfaceViewDataRef {
public:
    explicit TInterfaceViewDataRef(MInterfaceFormat* format) : Format(format) {}

    // Points the row at record; an empty formatter collects T's columns from it.
    void SetRecord(T* record) {
        Record = record;
        if (Format->GetCount() != 0) return;
        record->FormatObject(*Format);
        Format->MakeRelative(record);
    }
    T* GetData() const { return Record; }
    // The text of a column of the record, held by the column until its next text.
    const char* GetCellText(int column, int* length) const { return Format->GetText(Record, column, length); }
    // Sets a column of the row's copy from text, unchecked.
    void SetCellText(int column, const char* text) { Format->SetText(Record, column, text); }
    // Whether the row passes one column filter (see PreparedFilter).
    bool MatchesFilter(const ColumnFilter& filter) const {
        return PreparedFilter(filter).Matches(Record, *Format);
    }
    bool MatchesFilter(const PreparedFilter& filter) const { return filter.Matches(Record, *Format); }

    T* Record = nullptr;
    MInterfaceFormat* Format;
    int32_t State = 0;
    int32_t Mark = 0;
    int32_t Tag = 0;
};
