// The exported entry points of a grid window, called inside the process on a real window, and
// found by name among the test program's dynamic symbols (it is linked as the program is).
#include <dlfcn.h>

#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "GridWindowFixture.h"
#include "core/BaseIniFile.h"
#include "grid/TBaseGridOptionForm.h"
#include "grid/TColumnsToHideForm.h"
#include "grid/TFilterForm.h"
#include "grid/TSortSelectionForm.h"
#include "grid/TTitleManagerForm.h"
#include "grid/exports/BaseGridExports.h"
#include "guisupport/ScriptedUi.h"
#include "toolkit/Action.h"
#include "toolkit/FindDialog.h"
#include "toolkit/Form.h"
#include "toolkit/MessageRouter.h"

namespace {

using EntryPoint = void (*)(void*, void*);

TEST(BaseGridExports, EveryEntryPointIsFoundByNameAmongTheDynamicSymbols) {
    const char* names[] = {
        "BaseGrid_RefreshScreen",
        "BaseGrid_GotoRow",
        "BaseGrid_DynamicLink",
        "BaseGrid_SaveWindowConfigData",
        "BaseGrid_SaveWindowConfigData1",
        "BaseGrid_SaveWindowAsTemplate",
        "BaseGrid_GetChildSection",
        "BaseGrid_GetConfigFileName",
        "BaseGrid_IsChildClosed",
        "BaseGrid_PrintActionExecute",
        "BaseGrid_PrintActionUpdate",
        "BaseGrid_ExportActionExecute",
        "BaseGrid_ExportActionUpdate",
        "BaseGrid_SortActionExecute",
        "BaseGrid_SortActionUpdate",
        "BaseGrid_FilterActionExecute",
        "BaseGrid_FilterActionUpdate",
        "BaseGrid_HideColumnsActionExecute",
        "BaseGrid_HideColumnsActionUpdate",
        "BaseGrid_EditColumnPropertiesActionExecute",
        "BaseGrid_EditColumnPropertiesActionUpdate",
        "BaseGrid_SearchActionExecute",
        "BaseGrid_SearchActionUpdate",
        "BaseGrid_SearchColumnActionExecute",
        "BaseGrid_EditWindowTitleActionExecute",
        "BaseGrid_SetQuickFilterActionExecute",
        "BaseGrid_SetQuickFilterActionUpdate",
        "BaseGrid_SetGreaterQuickFilterActionExecute",
        "BaseGrid_SetGreaterQuickFilterActionUpdate",
        "BaseGrid_SetLowerQuickFilterActionExecute",
        "BaseGrid_SetLowerQuickFilterActionUpdate",
        "BaseGrid_SetFilterNegationActionExecute",
        "BaseGrid_SetFilterNegationActionUpdate",
        "BaseGrid_RemoveColumnFilterActionExecute",
        "BaseGrid_RemoveColumnFilterActionUpdate",
        "BaseGrid_SetQuickSortAscActionExecute",
        "BaseGrid_SetQuickSortAscActionUpdate",
        "BaseGrid_SetQuickSortDescActionExecute",
        "BaseGrid_SetQuickSortDescActionUpdate",
        "BaseGrid_RemoveColumnSortActionExecute",
        "BaseGrid_RemoveColumnSortActionUpdate",
        "BaseGrid_HideOneColumnActionExecute",
        "BaseGrid_HideOneColumnActionUpdate",
        "BaseGrid_GridOptionsActionExecute",
    };
    for (const char* name : names) EXPECT_NE(dlsym(RTLD_DEFAULT, name), nullptr) << name;
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "BaseGrid_RefreshScreen"),
              reinterpret_cast<void*>(&BaseGrid_RefreshScreen));
}

class BaseGridExportsTest : public GridWindowTest {
protected:
    void* W() { return static_cast<TBaseGridForm*>(window.data()); }
    std::string Text(std::size_t (*get)(void*, char*, std::size_t)) {
        char out[256];
        const std::size_t length = get(W(), out, sizeof out);
        EXPECT_EQ(std::string(out).size(), length);
        return out;
    }
};

TEST_F(BaseGridExportsTest, TextResultsAreCopiedIntoTheCallersBufferWithTheirFullLength) {
    Open(2);
    EXPECT_EQ(Text(BaseGrid_GetChildSection), "Lots1");
    EXPECT_EQ(Text(BaseGrid_GetConfigFileName), dir.File("Korvane.ini"));
    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(BaseGrid_GetChildSection(W(), small, sizeof small), 5u);
    EXPECT_EQ(std::string(small), "Lot");
    EXPECT_EQ(BaseGrid_GetChildSection(W(), nullptr, 0), 5u);
    // No window: nothing happens and nothing is answered.
    EXPECT_EQ(BaseGrid_GetChildSection(nullptr, small, sizeof small), 0u);
    EXPECT_EQ(std::string(small), "");
    EXPECT_EQ(BaseGrid_IsChildClosed(nullptr), 0);
    BaseGrid_SortActionExecute(nullptr, nullptr);
    BaseGrid_RefreshScreen(nullptr);
}

TEST_F(BaseGridExportsTest, IsChildClosedAnswersFalseUntilTheCloseQueryHasAgreed) {
    struct Refusing : TestGridWindow {
        using TestGridWindow::TestGridWindow;
        bool CanCloseWindow() override { return allow; }
        bool allow = false;
    };
    Refusing& refusing = OpenAs<Refusing>(2);
    EXPECT_EQ(BaseGrid_IsChildClosed(W()), 0);
    refusing.SubWindow()->close();
    EXPECT_EQ(BaseGrid_IsChildClosed(W()), 0);
    refusing.allow = true;
    bool closed = false;
    refusing.onClose = [&] { closed = BaseGrid_IsChildClosed(W()) == 1; };
    refusing.SubWindow()->close();
    EXPECT_TRUE(closed);
}

TEST_F(BaseGridExportsTest, TheConfigurationSavesWriteTheirSectionsIntoTheGivenFile) {
    Open(2);
    window->SetWindowTitle("Saved Lots");
    window->SortCriteria = {SortSelectionData("Amount", false)};
    const std::string path = dir.File("Workspace.wrk");

    char section[64];
    const std::size_t length = BaseGrid_SaveWindowConfigData(W(), path.c_str(), section, sizeof section);
    ASSERT_GT(length, 0u);
    BaseGrid_SaveWindowConfigData1(W(), path.c_str(), 7, "Other.ini");
    BaseGrid_SaveWindowAsTemplate(W(), path.c_str());

    BaseIniFile file(path);  // written back when each call ended
    EXPECT_EQ(file.ReadString(section, "WindowTitle", "-"), "Saved Lots");
    EXPECT_NE(file.ReadString(section, "Sort", ""), "");
    EXPECT_EQ(file.ReadString("7", "WindowTitle", "-"), "Saved Lots");
    EXPECT_NE(file.ReadString("7", "Left", ""), "");  // the full save holds the position
    EXPECT_EQ(file.ReadString("LotTemplate", "WindowTitle", "-"), "-");
    EXPECT_EQ(file.ReadString("LotTemplate", "Sort", ""), file.ReadString(section, "Sort", ""));
    // The window keeps its section; the workspace save names its settings file.
    EXPECT_EQ(Text(BaseGrid_GetChildSection), "Lots1");
    EXPECT_EQ(Text(BaseGrid_GetConfigFileName), "Other.ini");
}

TEST_F(BaseGridExportsTest, GotoRowRefreshAndDynamicLinkDoWhatTheWindowDoes) {
    ScriptedUi ui;
    Form main;
    int notices = 0;
    main.onMessage = [&](uint32_t message, int32_t, int32_t) { return notices += message == 0x8003, 0; };
    MessageRouter::SetMainWindow(main.Handle());
    Open(5);

    BaseGrid_GotoRow(W(), "Name", "N4");
    EXPECT_EQ(Selected(), 4);
    ui.ExpectBox("Goto error", "Selected item is not visible in grid. Remove filters and try again.",
                 BoxIcon::Information, BoxButtons::Ok, mrOk);
    BaseGrid_GotoRow(W(), "Name", nullptr);

    window->cellTexts = 0;
    BaseGrid_RefreshScreen(W());
    QApplication::processEvents();
    EXPECT_GT(window->cellTexts, 0);

    // Without a registry a column without a dynamic filter gets none, and the window still
    // notices the workspace, applies its filters and repaints.
    window->calls.clear();
    BaseGrid_DynamicLink(W(), "Name", "Other", "Id");
    EXPECT_TRUE(view->GetDynamicFilter().empty());
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(window->calls, (std::vector<std::string>{"BeforeSort", "CollectAlertKeys", "FiltersApplied"}));
    MessageRouter::SetMainWindow(0);
}

TEST_F(BaseGridExportsTest, UpdateEntryPointsRunTheActionsRuleOnTheSender) {
    struct Case {
        const char* name;
        EntryPoint update;
        Action* TBaseGridForm::*action;
    };
    const Case cases[] = {
        {"Print", BaseGrid_PrintActionUpdate, &TBaseGridForm::PrintAction},
        {"Export", BaseGrid_ExportActionUpdate, &TBaseGridForm::ExportAction},
        {"Sort", BaseGrid_SortActionUpdate, &TBaseGridForm::SortAction},
        {"Filter", BaseGrid_FilterActionUpdate, &TBaseGridForm::FilterAction},
        {"HideColumns", BaseGrid_HideColumnsActionUpdate, &TBaseGridForm::HideColumnsAction},
        {"EditColumnProperties", BaseGrid_EditColumnPropertiesActionUpdate,
         &TBaseGridForm::EditColumnPropertiesAction},
        {"Search", BaseGrid_SearchActionUpdate, &TBaseGridForm::SearchAction},
        {"SetQuickFilter", BaseGrid_SetQuickFilterActionUpdate, &TBaseGridForm::SetQuickFilterAction},
        {"SetGreaterQuickFilter", BaseGrid_SetGreaterQuickFilterActionUpdate,
         &TBaseGridForm::SetGreaterQuickFilterAction},
        {"SetLowerQuickFilter", BaseGrid_SetLowerQuickFilterActionUpdate,
         &TBaseGridForm::SetLowerQuickFilterAction},
        {"SetFilterNegation", BaseGrid_SetFilterNegationActionUpdate,
         &TBaseGridForm::NegateColumnFilterAction},
        {"RemoveColumnFilter", BaseGrid_RemoveColumnFilterActionUpdate,
         &TBaseGridForm::RemoveColumnFilterAction},
        {"SetQuickSortAsc", BaseGrid_SetQuickSortAscActionUpdate, &TBaseGridForm::SetQuickSortAscAction},
        {"SetQuickSortDesc", BaseGrid_SetQuickSortDescActionUpdate, &TBaseGridForm::SetQuickSortDescAction},
        {"RemoveColumnSort", BaseGrid_RemoveColumnSortActionUpdate, &TBaseGridForm::RemoveColumnSortAction},
        {"HideOneColumn", BaseGrid_HideOneColumnActionUpdate, &TBaseGridForm::HideOneColumnAction},
    };
    Action sender(nullptr);
    // A window with rows, a filter and a sort on the selected column (Id): every rule allows; a
    // window without a view: every rule refuses.
    for (bool data : {true, false}) {
        if (data) {
            Open(3);
            ColumnFilter filter;
            filter.ColumnName = "Id";
            filter.Column = 0;
            filter.Condition = 2;
            filter.Values = {"1", "2", "3"};
            view->GetFilter().push_back(filter);
            window->SortCriteria = {SortSelectionData("Id", true)};
        } else {
            delete window->SubWindow();
            window = new TestGridWindow(&area, nullptr, Config(), &titles, nullptr);
        }
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (data ? " with data" : " without a view"));
            sender.SetEnabled(!data);
            c.update(W(), &sender);
            EXPECT_EQ(sender.Enabled(), data);
            // The window's own action is left as it was; a null sender changes nothing.
            (window->*c.action)->SetEnabled(!data);
            c.update(W(), nullptr);
            EXPECT_EQ((window->*c.action)->Enabled(), !data);
        }
    }
}

TEST_F(BaseGridExportsTest, ExecuteEntryPointsRunTheActionsHandler) {
    ScriptedUi ui;
    Open(3);
    const auto cancel = [](Form& f) { f.SetModalResult(mrCancel); };
    const auto filterOn = [this](const std::string& name) -> const ColumnFilter* {
        for (const ColumnFilter& f : view->GetFilter())
            if (f.ColumnName == name) return &f;
        return nullptr;
    };
    // The selected column's filter has that condition; the sort is by it alone, in that direction.
    const auto idFilterCondition = [&](int condition) {
        return [&, condition] {
            ASSERT_TRUE(filterOn("Id"));
            EXPECT_EQ(filterOn("Id")->Condition, condition);
        };
    };
    const auto idSortedBy = [&](bool ascending) {
        return [&, ascending] {
            ASSERT_EQ(window->SortCriteria.size(), 1u);
            EXPECT_EQ(window->SortCriteria[0].Column, "Id");
            EXPECT_EQ(window->SortCriteria[0].Ascending, ascending);
        };
    };
    struct Case {
        const char* name;
        EntryPoint execute;
        std::function<void()> expect;  // before the call
        std::function<void()> check;   // after it
    };
    const Case cases[] = {
        {"Print", BaseGrid_PrintActionExecute, [&] { ui.ExpectPrintSetup(false); },
         [&] { EXPECT_EQ(window->PrintTable.size(), 4u); }},
        {"Export", BaseGrid_ExportActionExecute, [&] { ui.clipboard.clear(); },
         [&] { EXPECT_NE(ui.clipboard.find("N3"), std::string::npos); }},
        {"Sort", BaseGrid_SortActionExecute, [&] { ui.ExpectModal<TSortSelectionForm>(cancel); }, [] {}},
        {"Filter", BaseGrid_FilterActionExecute, [&] { ui.ExpectModal<TFilterForm>(cancel); }, [] {}},
        {"HideColumns", BaseGrid_HideColumnsActionExecute,
         [&] { ui.ExpectModal<TColumnsToHideForm>(cancel); }, [] {}},
        {"EditColumnProperties", BaseGrid_EditColumnPropertiesActionExecute,
         [&] { ui.ExpectModal<TTitleManagerForm>(cancel); }, [] {}},
        {"GridOptions", BaseGrid_GridOptionsActionExecute,
         [&] { ui.ExpectModal<TBaseGridOptionForm>(cancel); }, [] {}},
        {"Search", BaseGrid_SearchActionExecute, [] {},
         [&] {
             EXPECT_TRUE(window->GetFindDialog()->isVisible());
             window->GetFindDialog()->close();
         }},
        {"SearchColumn", BaseGrid_SearchColumnActionExecute, [] {},
         [&] {
             EXPECT_TRUE(window->GetColumnFindDialog()->isVisible());
             window->GetColumnFindDialog()->close();
         }},
        {"EditWindowTitle", BaseGrid_EditWindowTitleActionExecute, [&] { ui.ExpectInput("Renamed"); },
         [&] { EXPECT_EQ(window->WindowTitle(), "Renamed"); }},
        // The selected cell is Id in row 1.
        {"SetLowerQuickFilter", BaseGrid_SetLowerQuickFilterActionExecute, [] {}, idFilterCondition(1)},
        {"RemoveColumnFilter", BaseGrid_RemoveColumnFilterActionExecute, [] {},
         [&] { EXPECT_EQ(filterOn("Id"), nullptr); }},
        {"SetGreaterQuickFilter", BaseGrid_SetGreaterQuickFilterActionExecute, [] {}, idFilterCondition(3)},
        {"SetFilterNegation", BaseGrid_SetFilterNegationActionExecute, [] {},
         [&] {
             ASSERT_TRUE(filterOn("Id"));
             EXPECT_TRUE(filterOn("Id")->Negation);
         }},
        {"RemoveColumnFilter", BaseGrid_RemoveColumnFilterActionExecute, [] {}, [] {}},
        {"SetQuickFilter", BaseGrid_SetQuickFilterActionExecute, [] {}, idFilterCondition(2)},
        {"SetQuickSortDesc", BaseGrid_SetQuickSortDescActionExecute, [] {}, idSortedBy(false)},
        {"SetQuickSortAsc", BaseGrid_SetQuickSortAscActionExecute, [] {}, idSortedBy(true)},
        {"RemoveColumnSort", BaseGrid_RemoveColumnSortActionExecute, [] {},
         [&] { EXPECT_TRUE(window->SortCriteria.empty()); }},
        {"HideOneColumn", BaseGrid_HideOneColumnActionExecute, [] {},
         [&] { EXPECT_EQ(Grid().ColCount(), 3); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.expect();
        c.execute(W(), nullptr);
        EXPECT_EQ(ui.Pending(), 0u);
        c.check();
    }
}

}  // namespace
