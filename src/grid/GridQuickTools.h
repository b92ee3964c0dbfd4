#pragma once
// The one-keystroke filter and sort tools of a grid window, as rules over a column filter set and
// a window's sort criteria (field names). The window supplies the selected column's field name
// and cell text and then re-applies its filters or its sort.
#include <string>
#include <vector>

#include "store/SortSelectionData.h"

class FilterData;

class GridQuickTools {
public:
    // Quick filter conditions.
    static constexpr int kLowerOrEqual = 1;
    static constexpr int kEqual = 2;
    static constexpr int kGreaterOrEqual = 3;
    static constexpr int kRange = 5;

    // Sets the column's quick filter of the condition on the cell text. The same lower-or-equal
    // or greater-or-equal filter twice removes the column's filter; any quick filter on a column
    // filtered by a bound makes a range with both bounds included; otherwise the new filter
    // replaces the column's filter in its place or is appended.
    static void SetQuickFilter(FilterData& filters, const std::string& name, int column,
                               const std::string& cellText, int condition);
    // Erases the column's first filter; false when it has none.
    static bool RemoveColumnFilter(FilterData& filters, const std::string& name);
    // Inverts the negation of the column's first filter; false when it has none.
    static bool NegateColumnFilter(FilterData& filters, const std::string& name);

    // Sets the direction of the column's criterion in place, or appends one at the end.
    static void SetQuickSort(std::vector<SortSelectionData>& criteria, const std::string& name,
                             bool ascending);
    // Erases the column's first criterion; false when it has none.
    static bool RemoveColumnSort(std::vector<SortSelectionData>& criteria, const std::string& name);
};
