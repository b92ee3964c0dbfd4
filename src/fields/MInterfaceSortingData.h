#pragma once
// One sort key of a view: a column index and its direction. A sort order (ColumnVector) lists the
// keys most significant first. Plain value, copied freely.
#include <vector>

struct MInterfaceSortingData {
    MInterfaceSortingData(int columnIndex, bool isAscending) : column(columnIndex), ascending(isAscending) {}

    int column;
    bool ascending;
};

using ColumnVector = std::vector<MInterfaceSortingData>;
