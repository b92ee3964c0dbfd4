#pragma once
// One filter condition on one column of a grid window: the column, the condition code (0 less,
// 1 less or equal, 2 in the list, 3 greater or equal, 4 greater, 5 within the range, 6 contains,
// 7 matches the wildcard pattern), its operands and options. A dynamic filter also names its owner
// window and the window and column that supply its values. Built with the defaults below (a
// condition-2 filter with an empty list, which passes no row); a plain value.
#include <cstdint>
#include <string>

#include "store/StringVector.h"

class ColumnFilter {
public:
    int32_t Column = 0;           // field index, looked up from ColumnName by the view
    int32_t OwnerWindow = 0;      // window handle of a dynamic filter's owner; 0 for a column filter
    std::string LinkWindowTitle;  // dynamic filter: the window that supplies the values
    std::string LinkColumnName;   // dynamic filter: the supplying column's field name
    std::string ColumnName;       // field name of the filtered column
    int32_t Condition = 2;
    bool Negation = false;
    std::string Value;        // operand of conditions 0, 1, 3, 4, 6 and 7
    bool MatchEmpty = false;  // condition 6: an empty field passes
    std::string MinValue;     // bounds of condition 5
    std::string MaxValue;
    bool MinIncluded = false;
    bool MaxIncluded = false;
    StringVector Values;         // accepted texts of condition 2
    bool CompareColumn = false;  // the operand is another field of the same row
    std::string CompareColumnName;
    int32_t CompareColumnIndex = 0;
    bool UseDeltaTime = false;     // operands are time offsets back from now
    bool MatchAny = true;          // condition 6 with alternatives: one suffices (else all must match)
    int32_t DialogColumnItem = 0;  // the filter dialog's selected column item

    // Clears the operands and links for re-editing; keeps Column, ColumnName, Condition, Negation
    // and CompareColumnIndex, and sets MatchAny.
    void ResetValues();
};
