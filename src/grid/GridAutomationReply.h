#pragma once
// A grid window's answers to the two automation requests, handed to the installed ReplySink
// (nothing is answered without one).
// - Column names: every field name of the view in field order, hidden fields included, each
//   followed by ";" (the empty text without a view).
// - Cell text: lParam 0 asks nothing; otherwise the window's cell text at the row and display
//   column that lParam names (GridAutomation::SplitCellRequest). The column comes from outside the
//   program: a cell outside the grid answers the empty text.
#include <cstdint>

class TBaseGridForm;

class GridAutomationReply {
public:
    static void SendColumnNames(TBaseGridForm& window);
    static void SendCellText(TBaseGridForm& window, int32_t lParam);
};
