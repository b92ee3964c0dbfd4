#include "grid/GridAutomationReply.h"

#include <string>

#include "grid/BusinessObjectGrid.h"
#include "grid/GridAutomation.h"
#include "grid/TBaseGridForm.h"
#include "store/InterfaceView.h"
#include "toolkit/ReplySink.h"

void GridAutomationReply::SendColumnNames(TBaseGridForm& window) {
    ReplySink* sink = ReplySink::Current();
    if (!sink) return;
    const InterfaceView* view = window.View();
    sink->SendText(view ? GridAutomation::ColumnNamesText(view->GetTitleList()) : std::string());
}

void GridAutomationReply::SendCellText(TBaseGridForm& window, int32_t lParam) {
    if (lParam == 0) return;
    ReplySink* sink = ReplySink::Current();
    if (!sink) return;
    const GridAutomation::Cell cell = GridAutomation::SplitCellRequest(lParam);
    const BusinessObjectGrid& grid = *window.Grid();
    if (!GridAutomation::IsInside(cell, grid.ColCount(), grid.RowCount())) {
        sink->SendText({});
        return;
    }
    sink->SendText(window.GetCellText(cell.column, cell.row));
}
