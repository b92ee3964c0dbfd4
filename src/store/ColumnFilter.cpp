#include "store/ColumnFilter.h"

void ColumnFilter::ResetValues() {
    OwnerWindow = 0;
    LinkWindowTitle.clear();
    LinkColumnName.clear();
    Value.clear();
    MatchEmpty = false;
    MinValue.clear();
    MaxValue.clear();
    MinIncluded = false;
    MaxIncluded = false;
    Values.clear();
    CompareColumn = false;
    CompareColumnName.clear();
    UseDeltaTime = false;
    MatchAny = true;
    DialogColumnItem = 0;
}
