// The grid's sort and filter tools in a client window logged in to the loopback test server.
#include <QGroupBox>
#include <QPushButton>

#include "ClientGridFixture.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TFilterForm.h"
#include "grid/TFilterToolsForm.h"
#include "guisupport/ListClicks.h"
#include "guisupport/ScriptedUi.h"
#include "store/FilterData.h"
#include "toolkit/Action.h"
#include "toolkit/CheckListBox.h"

class ClientSortFilterTest : public ClientGridFixture {};

TEST_F(ClientSortFilterTest, AClientWindowSortsAndFiltersWithoutAlerts) {
    ASSERT_TRUE(LogInNow());
    TKVNGrid& window = Open(ChildType::Accounts, 4);
    InterfaceView* view = window.View();
    window.Grid()->SelectCell(view->FindColumn("SequenceNumber"), 2);
    window.SetQuickSortDescAction->Execute();
    ASSERT_EQ(window.SortCriteria.size(), 1u);
    EXPECT_FALSE(window.SortCriteria[0].Ascending);
    EXPECT_EQ(window.GetCellText(view->FindColumn("SequenceNumber"), 1), "4");

    ScriptedUi ui;
    ui.ExpectModal<TFilterForm>([](TFilterForm& dialog) {
        EXPECT_TRUE(dialog.AlertsGroupBox->isHidden());
        CheckListBox* columns = dialog.ColumnCheckListBox;
        for (int i = 0; i < columns->Count(); ++i)
            if (columns->Item(i) == "SequenceNumber") ClickCheck(columns, i);
        ClickCheck(dialog.ToolsForm()->ValueCheckListBox, 0);
        dialog.buttons().OkButton()->click();
    });
    window.FilterAction->Execute();
    ASSERT_EQ(view->GetFilter().size(), 1u);
    EXPECT_EQ(view->GetFilter()[0].Values, (StringVector{{"1"}}));
    EXPECT_EQ(view->GetDisplayedRowCount(), 2);
}
