#pragma once
// One sort criterion of a grid window or of the sort dialog: a column (field name, or title in
// the dialog's lists) and its direction. A plain value.
#include <string>
#include <utility>

class SortSelectionData {
public:
    SortSelectionData() = default;
    SortSelectionData(std::string column, bool ascending) : Column(std::move(column)), Ascending(ascending) {}

    std::string Column;
    bool Ascending = true;
};
