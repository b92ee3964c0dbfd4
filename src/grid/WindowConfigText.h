#pragma once
// The text forms of a grid window's settings section: the entries of its listed keys
// (name(value); for sort, filter conditions and column options; the filter values and delta-time
// flags are read up to ");" since their values may hold ";"), the filters to and from those
// entries, the saved column options and the column order they give. Plain functions of texts and
// values, no Qt and no file: the window reads and writes the chunked lists themselves.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/Key1ValueData.h"
#include "core/Key2ValueData.h"
#include "grid/ColumnOption.h"
#include "store/FilterData.h"

class WindowConfigText {
public:
    // Separators of the listed entries.
    static constexpr const char* kEntryEnd = ";";
    static constexpr const char* kValueEntryEnd = ");";
    static constexpr const char* kOpener = "(";
    static constexpr const char* kCloser = ")";

    // "name(value);"
    static std::string Entry(const std::string& name, const std::string& value);
    // The text inside one enclosing pair of double quotes, as the alert texts are written.
    static std::string Unquoted(std::string text);

    // What one filter adds to the three filter lists: the values of a list condition (one entry
    // each), its other operands (entries run together, added as one so they stay in one chunk;
    // empty when it has none; before a single value the compare flag "@" or else the match-empty
    // flag "+"), its condition entry and its delta-time entry.
    struct FilterEntries {
        std::vector<std::string> ListValues;
        std::string Operands;
        std::string Condition;
        std::string Delta;
    };
    static FilterEntries FilterToEntries(const ColumnFilter& filter);
    // Adds the filters of the condition, value and delta-time lists to filters: a condition entry
    // whose code is not a number is passed over, a later one for the same column replaces the
    // earlier, one for a column findField does not know (-1) is dropped; the values go to the
    // filter of their column by its condition. Then sets each filter's field indexes by findField,
    // clears the match-empty flag of a filter compared with a column (its saved form has none) and
    // sorts the values of the list conditions.
    static void ReadFilters(const Key1ValueDataVector& conditions, const Key1ValueDataVector& values,
                            const Key1ValueDataVector& deltas,
                            const std::function<int(const std::string&)>& findField, FilterData& filters);

    // The column options of the list's entries, by name, and the names in list order: an entry whose
    // numbers are not whole numbers is passed over, a width out of 0..4096 becomes defaultWidth.
    static void ReadColumnOptions(const Key2ValueDataVector& entries, int32_t defaultWidth,
                                  ColumnOptionMap& saved, std::vector<std::string>& names);
    // The view's column order (entry 0 unused, then field numbers from 1) that the saved options
    // give the fields titles: the placed columns close the gaps of saved ones the fields no longer
    // have, take the places 1, 2, ... by position (ties in field order), and the unplaced follow in
    // field order. columnCount entries.
    static std::vector<int32_t> ColumnOrder(const std::vector<std::string>& titles,
                                            const ColumnOptionMap& saved,
                                            const std::vector<std::string>& savedNames, int columnCount);
};
