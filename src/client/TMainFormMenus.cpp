#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "client/TMainForm.h"
#include "grid/TBaseGridForm.h"
#include "toolkit/Action.h"
#include "toolkit/Application.h"

// ---- Actions, menus and tool bar.

namespace {

// A grid tool of the main window: its action, the active data window's action it forwards to, and
// whether it is enabled whenever a data window is open (otherwise the window's own rule decides).
struct GridTool {
    Action* TMainForm::*mine;
    Action* TBaseGridForm::*theirs;
    bool alwaysEnabled;
};

constexpr GridTool kGridTools[] = {
    {&TMainForm::SortAction, &TBaseGridForm::SortAction, false},
    {&TMainForm::FilterAction, &TBaseGridForm::FilterAction, false},
    {&TMainForm::HideColumnsAction, &TBaseGridForm::HideColumnsAction, false},
    {&TMainForm::EditColumnPropertiesAction, &TBaseGridForm::EditColumnPropertiesAction, false},
    {&TMainForm::EditWindowTitleAction, &TBaseGridForm::EditWindowTitleAction, true},
    {&TMainForm::SearchAction, &TBaseGridForm::SearchAction, false},
    {&TMainForm::SetQuickFilterAction, &TBaseGridForm::SetQuickFilterAction, false},
    {&TMainForm::RemoveColumnFilterAction, &TBaseGridForm::RemoveColumnFilterAction, false},
    {&TMainForm::SetQuickSortAscAction, &TBaseGridForm::SetQuickSortAscAction, false},
    {&TMainForm::SetQuickSortDescAction, &TBaseGridForm::SetQuickSortDescAction, false},
    {&TMainForm::RemoveColumnSortAction, &TBaseGridForm::RemoveColumnSortAction, false},
    {&TMainForm::HideOneColumnAction, &TBaseGridForm::HideOneColumnAction, false},
    {&TMainForm::ExportAction, &TBaseGridForm::ExportAction, false},
    {&TMainForm::PrintAction, &TBaseGridForm::PrintAction, false},
    {&TMainForm::GridOptionsAction, &TBaseGridForm::GridOptionsAction, true},
};

// One action of the main window: where it is kept, its object name, caption, key, whether the key
// is only shown (a grid window owns it) and hint.
struct MainAction {
    Action* TMainForm::*action;
    const char* name;
    const char* caption;
    const char* shortcut;
    bool keyTextOnly;
    const char* hint;
};

constexpr MainAction kMainActions[] = {
    {&TMainForm::LoginAction, "LoginAction", "&Login...", "F9", false, "Login|Provide login information"},
    {&TMainForm::LogoutAction, "LogoutAction", "Logo&ut", "Ctrl+F9", false,
     "Logout|Logout and disconnect from the server"},
    {&TMainForm::ResetPasswordAction, "ResetPasswordAction", "Reset &Password", "", false,
     "Reset Password|Form to reset password with the server"},
    {&TMainForm::StoreEncryptionKeyAction, "StoreEncryptionKeyAction", "&Save Encryption Key", "", false,
     "Save Encryption Key|Read/Write encryption key in ini file"},
    {&TMainForm::OpenWindowAction, "OpenWindowAction", "&Open Window...", "F11", false,
     "Open Window|Open new window from the configuration file"},
    {&TMainForm::OpenWorkspaceAction, "OpenWorkspaceAction", "Open &Workspace...", "Ctrl+F11", false,
     "Open Workspace|Open the workspace file"},
    {&TMainForm::SaveWindowAsAction, "SaveWindowAsAction", "S&ave Window As...", "Ctrl+F12", false,
     "Save As|Save active window into configuration file"},
    {&TMainForm::SaveWindowAsTemplateAction, "SaveWindowAsTemplateAction", "S&ave Window As Template",
     "Ctrl+Alt+T", false, "Save As Template|Save an active window configuration as a template"},
    {&TMainForm::SaveWorkspaceAction, "SaveWorkspaceAction", "Sav&e Workspace", "F12", false,
     "Save Workspace|Save all currently open windows configurations in default workspace file"},
    {&TMainForm::SaveWorkspaceAsAction, "SaveWorkspaceAsAction", "Save Wor&kspace As...", "Shift+F12", false,
     "Save Workspace As|Save currently open workspace under different name"},
    {&TMainForm::SaveWorkspaceAsDefaultAction, "SaveWorkspaceAsDefaultAction", "Save Workspace As &Default",
     "F6", false, "Default Workspace|Save currently open workspace as an application default workspace"},
    {&TMainForm::ExitAction, "ExitAction", "E&xit", "", false, "Exit|Exit application"},
    {&TMainForm::LogClientActivityAction, "LogClientActivityAction", "&Log Client Activity", "Ctrl+Num+*",
     false, "Log|Allow to log all client activities"},
    {&TMainForm::mAccountsAction, "mAccountsAction", "Accounts", "", false,
     "Display all data of business item: Accounts"},
    {&TMainForm::mPositionsAction, "mPositionsAction", "Positions", "", false,
     "Display all data of business item: Positions"},
    {&TMainForm::HistoricalAccountAction, "HistoricalAccountAction", "Accounts", "", false,
     "Display all data of business item: Historical Account"},
    {&TMainForm::HistoricalPositionAction, "HistoricalPositionAction", "Positions", "", false,
     "Display all data of business item: Historical Position"},
    {&TMainForm::HistoricalSubmissionAction, "HistoricalSubmissionAction", "Submissions Outcome", "", false,
     "Display all data of business item: Historical Submission Outcome"},
    {&TMainForm::HistoricalCommandAction, "HistoricalCommandAction", "Commands History", "", false,
     "Display all data of business item: Historical Commands"},
    {&TMainForm::mpNoPositionsAction, "mpNoPositionsAction", "No Position to report", "", false, ""},
    {&TMainForm::CommandHistoryAction, "CommandHistoryAction", "CommandHistoryAction", "", false,
     "Command History|Show the status of recently executed commands"},
    {&TMainForm::CommStatusAction, "CommStatusAction", "CommStatusAction", "", false, ""},
    {&TMainForm::SortAction, "SortAction", "Sor&t Criteria...", "Ctrl+Alt+S", true,
     "Define sorting criteria: by columns and sorting types (ascending or descending)"},
    {&TMainForm::FilterAction, "FilterAction", "&Filter Selection...", "Ctrl+Alt+F", true,
     "Define data filter: by columns and values"},
    {&TMainForm::HideColumnsAction, "HideColumnsAction", "&Hide Columns...", "Ctrl+Alt+H", true,
     "Hide Columns|Select specific columns to hide"},
    {&TMainForm::EditColumnPropertiesAction, "EditColumnPropertiesAction", "Ed&it Column Properties...",
     "Ctrl+Alt+C", true, "Display the form to modify columns' properties"},
    {&TMainForm::EditWindowTitleAction, "EditWindowTitleAction", "Edit &Window Title...", "Ctrl+Alt+W", true,
     "Window Title|Edit currently open window's title"},
    {&TMainForm::SearchAction, "SearchAction", "&Search...", "Ctrl+F", true,
     "Search for a data in currently selected column"},
    {&TMainForm::SetQuickFilterAction, "SetQuickFilterAction", "Set &Quick Filter", "Ctrl+Q", true,
     "Set Quick Filter|Modify filter definition with a value of currently selected cell"},
    {&TMainForm::RemoveColumnFilterAction, "RemoveColumnFilterAction", "&Remove Column Filter", "Ctrl+Alt+Q",
     true, "Remove Column Filter|Remove all filter definition for currently selected column"},
    {&TMainForm::SetQuickSortAscAction, "SetQuickSortAscAction", "Set Quick Sort &Ascending", "Shift+F7",
     true, "Ascending Quick Sort|Modify sort criteria with currently selected column in ascending mode"},
    {&TMainForm::SetQuickSortDescAction, "SetQuickSortDescAction", "Set Quick Sort &Descending", "Shift+F8",
     true, "Descending Quick Sort|Modify sort criteria with currently selected column in descending mode"},
    {&TMainForm::RemoveColumnSortAction, "RemoveColumnSortAction", "&Remove Column Sort", "Ctrl+Shift+F7",
     true, "Remove Column Sort|Remove sort criteria definition for currently selected column"},
    {&TMainForm::HideOneColumnAction, "HideOneColumnAction", "Hide &One Column", "Ctrl+H", true,
     "Hide Column|Hide currently selected column"},
    {&TMainForm::ExportAction, "ExportAction", "Exp&ort to Clipboard", "Ctrl+Ins", true,
     "Copy to clipboard all data (all columns and rows) - fields are separated by tab character"},
    {&TMainForm::PrintAction, "PrintAction", "&Print", "", false,
     "Print|Print all data of currently selected window"},
    {&TMainForm::GridOptionsAction, "GridOptionsAction", "Grid Optio&ns...", "Ctrl+Alt+N", true,
     "Grid Options|Modify options of currently open data window's grid"},
    // Shift+0 is matched on the key event (IsShiftZero), whatever character the layout gives it.
    {&TMainForm::DSTSupportAction, "DSTSupportAction", "DST &Support...", "", false,
     "Displays the results of DST tests"},
    {&TMainForm::HelpAboutAction, "HelpAboutAction", "&About...", "", false,
     "About|Displays program information, version number, and copyright"},
    {&TMainForm::WindowCascadeAction, "WindowCascadeAction", "&Cascade", "", false, "Cascade"},
    {&TMainForm::WindowTileHorizontalAction, "WindowTileHorizontalAction", "Tile &Horizontally", "", false,
     "Tile Horizontally"},
    {&TMainForm::WindowTileVerticalAction, "WindowTileVerticalAction", "Tile &Vertically", "", false,
     "Tile Vertically"},
    {&TMainForm::WindowMinimizeAllAction, "WindowMinimizeAllAction", "&Minimize All", "", false,
     "Minimize All"},
    {&TMainForm::WindowArrangeAllAction, "WindowArrangeAllAction", "&Arrange All", "", false, "Arrange All"},
};

void SetHint(QAction* item, const char* hint) {
    item->setToolTip(QString::fromLatin1(hint));
    item->setStatusTip(QString::fromLatin1(hint));
}

}  // namespace

void TMainForm::CreateActions() {
    for (const MainAction& entry : kMainActions) {
        Action* action =
            actions_.Make(this, entry.caption, entry.keyTextOnly ? "" : entry.shortcut, entry.hint);
        action->setObjectName(entry.name);
        if (entry.keyTextOnly) action->SetShortcutText(entry.shortcut);
        this->*entry.action = action;
    }
    // A key of the main window works wherever the focus is inside it, grid windows included.
    const auto on = [](Action* action, auto execute, auto enabled) {
        action->onExecute = [execute](Action&) { execute(); };
        action->onUpdate = [enabled](Action& a) { a.SetEnabled(enabled()); };
    };
    const auto always = [] { return true; };
    const auto ready = [this] { return session_.IsReady(); };
    const auto windows = [this] { return !mdiArea_->subWindowList().isEmpty(); };
    on(
        LoginAction, [this] { LoginActionExecute(); }, [this] { return session_.CanLogin(); });
    on(
        LogoutAction, [this] { LogoutActionExecute(); }, ready);
    on(
        ResetPasswordAction, [this] { ResetPasswordActionExecute(); },
        [this] { return session_.IsReady() || session_.PasswordChangeRequired; });
    on(
        StoreEncryptionKeyAction, [this] { StoreEncryptionKeyActionExecute(); }, always);
    on(
        ExitAction, [this] { ExitActionExecute(); }, always);
    // The workspace's flows.
    const auto workspaceOpen = [this] { return !workspace_->IsUnnamed(); };
    const auto dataWindows = [this] { return HasDataWindows(); };
    on(
        OpenWindowAction, [this] { OpenWindowActionExecute(); }, ready);
    on(
        OpenWorkspaceAction, [this] { OpenWorkspaceActionExecute(); }, ready);
    on(
        SaveWindowAsAction, [this] { SaveWindowAsActionExecute(); },
        [=] { return dataWindows() && ready(); });
    on(
        SaveWindowAsTemplateAction, [this] { SaveWindowAsTemplateActionExecute(); },
        [=] { return dataWindows() && workspaceOpen() && ready(); });
    on(
        SaveWorkspaceAction, [this] { SaveWorkspaceActionExecute(); },
        [=, this] { return workspaceOpen() && workspace_->IsModified() && ready(); });
    on(
        SaveWorkspaceAsAction, [this] { SaveWorkspaceAsActionExecute(); }, ready);
    on(
        SaveWorkspaceAsDefaultAction, [this] { SaveWorkspaceAsDefaultActionExecute(); },
        [=] { return workspaceOpen() && ready(); });
    // The Business Item windows.
    const auto opens = [](Action* action, auto execute, auto update) {
        action->onExecute = [execute](Action&) { execute(); };
        action->onUpdate = update;
    };
    const auto accountsOrPositions = [this](Action& a) { VEXTOperationMenuUpdate(a); };
    opens(
        mAccountsAction, [this] { AccountsActionExecute(); }, accountsOrPositions);
    opens(
        mPositionsAction, [this] { PositionsActionExecute(); }, accountsOrPositions);
    opens(
        CommandHistoryAction, [this] { CommandHistoryActionExecute(); },
        [this](Action& a) { CommandHistoryActionUpdate(a); });
    const auto historical = [this](ChildType kind) {
        return [this, kind](Action& a) { HistoricalActionUpdate(a, kind); };
    };
    opens(
        HistoricalAccountAction, [this] { HistoricalAccountActionExecute(); },
        historical(ChildType::HistoricalAccounts));
    opens(
        HistoricalPositionAction, [this] { HistoricalPositionActionExecute(); },
        historical(ChildType::HistoricalPositions));
    opens(
        HistoricalSubmissionAction, [this] { HistoricalSubmissionActionExecute(); },
        historical(ChildType::HistoricalSubmissions));
    opens(
        HistoricalCommandAction, [this] { HistoricalCommandActionExecute(); },
        historical(ChildType::HistoricalCommands));
    on(
        LogClientActivityAction, [this] { LogClientActivityActionExecute(); }, always);
    LogClientActivityAction->SetChecked(false);
    mpNoPositionsAction->onExecute = [this](Action&) { NoPositionsActionExecute(); };
    mpNoPositionsAction->onUpdate = [this](Action& a) {
        const bool shown = session_.IsReady() && session_.UserTypeP;
        a.SetEnabled(shown);
        a.SetVisible(shown);
    };
    on(
        CommStatusAction, [this] { CommStatusActionExecute(); },
        [this] { return !session_.GetErrorDetails().empty(); });
    on(
        DSTSupportAction, [this] { DSTSupportActionExecute(); }, always);
    DSTSupportAction->SetShortcutText("Shift+0");
    on(
        HelpAboutAction, [this] { HelpAboutActionExecute(); }, always);
    on(
        WindowCascadeAction, [this] { mdiArea_->cascadeSubWindows(); }, windows);
    on(
        WindowTileHorizontalAction, [this] { TileHorizontally(); }, windows);
    on(
        WindowTileVerticalAction, [this] { TileVertically(); }, windows);
    on(
        WindowMinimizeAllAction, [this] { MinimizeAll(); }, windows);
    on(
        WindowArrangeAllAction, [this] { ArrangeAll(); }, windows);

    // The grid tools run the active data window's action, under that window's own rule.
    for (const GridTool& tool : kGridTools) {
        Action* action = this->*tool.mine;
        action->onExecute = [this, tool](Action&) {
            if (TBaseGridForm* window = ActiveDataWindow()) (window->*tool.theirs)->Execute();
        };
        action->onUpdate = [this, tool](Action& a) {
            TBaseGridForm* window = ActiveDataWindow();
            if (!window || !session_.IsReady()) {
                a.SetEnabled(false);
            } else if (tool.alwaysEnabled) {
                a.SetEnabled(true);
            } else {
                Action* theirs = window->*tool.theirs;
                theirs->Update();
                a.SetEnabled(theirs->Enabled());
            }
        };
    }
    qApp->installEventFilter(this);
}

void TMainForm::CreateMenus() {
    const auto menu = [this](const char* title, const char* hint) {
        QMenu* m = menuBar()->addMenu(QString::fromLatin1(title));
        SetHint(m->menuAction(), hint);
        ActionList::AttachMenu(m);
        return m;
    };
    const auto submenu = [](QMenu* parent, const char* title, const char* hint) {
        QMenu* m = parent->addMenu(QString::fromLatin1(title));
        if (*hint) SetHint(m->menuAction(), hint);
        ActionList::AttachMenu(m);
        return m;
    };

    FileMenu = menu("&File", "Application related commands");
    FileMenu->setObjectName("FileMenu");
    FileMenu->addAction(LoginAction);
    FileMenu->addAction(LogoutAction);
    FileMenu->addAction(ResetPasswordAction);
    FileMenu->addSeparator();
    FileMenu->addAction(StoreEncryptionKeyAction);
    FileMenu->addSeparator();
    FileMenu->addAction(OpenWindowAction);
    FileMenu->addAction(OpenWorkspaceAction);
    OpenWindowPlace = FileMenu->addSeparator();
    FileMenu->addAction(SaveWindowAsAction);
    FileMenu->addAction(SaveWindowAsTemplateAction);
    SaveWindowPlace = FileMenu->addSeparator();
    FileMenu->addAction(SaveWorkspaceAction);
    FileMenu->addAction(SaveWorkspaceAsAction);
    FileMenu->addAction(SaveWorkspaceAsDefaultAction);
    SaveWorkspacePlace = FileMenu->addSeparator();
    FileMenu->addAction(ExitAction);

    BusinessItemMenu = menu("&Business Item", "Business item related commands");
    BusinessItemMenu->setObjectName("BusinessItemMenu");
    BusinessItemMenu->addAction(mAccountsAction);
    BusinessItemMenu->addAction(mPositionsAction);
    HistoricalMenu = submenu(BusinessItemMenu, "Historical", "");
    HistoricalMenu->setObjectName("HistoricalMenu");
    HistoricalMenu->addAction(HistoricalAccountAction);
    HistoricalMenu->addAction(HistoricalPositionAction);
    HistoricalMenu->addAction(HistoricalSubmissionAction);
    HistoricalMenu->addAction(HistoricalCommandAction);
    BusinessItemPlace = BusinessItemMenu->addSeparator();
    // The item has a caption of its own and follows the action.
    NoPositionsItem = new QAction(QStringLiteral("No Position to report..."), BusinessItemMenu);
    NoPositionsItem->setObjectName("mpNoPositionsItem");
    const auto follow = [item = NoPositionsItem, action = mpNoPositionsAction] {
        item->setEnabled(action->isEnabled());
        item->setVisible(action->isVisible());
    };
    follow();
    connect(mpNoPositionsAction, &QAction::changed, NoPositionsItem, follow);
    connect(NoPositionsItem, &QAction::triggered, mpNoPositionsAction,
            [this] { mpNoPositionsAction->Execute(); });
    BusinessItemMenu->addAction(NoPositionsItem);

    ToolsMenu = menu("&Tools", "");
    ToolsMenu->setObjectName("ToolsMenu");
    QMenu* sort = submenu(ToolsMenu, "Sor&t", "Sort criteria related commands");
    sort->addAction(SortAction);
    sort->addSeparator();
    sort->addAction(SetQuickSortAscAction);
    sort->addAction(SetQuickSortDescAction);
    sort->addAction(RemoveColumnSortAction);
    QMenu* filter = submenu(ToolsMenu, "&Filter", "Filter related commands");
    filter->addAction(FilterAction);
    filter->addSeparator();
    filter->addAction(SetQuickFilterAction);
    filter->addAction(RemoveColumnFilterAction);
    QMenu* hide = submenu(ToolsMenu, "&Hide", "Hiding column related commands");
    hide->addAction(HideColumnsAction);
    hide->addSeparator();
    hide->addAction(HideOneColumnAction);
    ToolsMenu->addAction(EditColumnPropertiesAction);
    ToolsMenu->addAction(EditWindowTitleAction);
    ToolsMenu->addSeparator();
    ToolsMenu->addAction(ExportAction);
    ToolsMenu->addSeparator();
    ToolsMenu->addAction(PrintAction);
    ToolsMenu->addAction(SearchAction);
    ToolsMenu->addSeparator();
    ToolsMenu->addAction(GridOptionsAction);

    WindowMenu = menu("&Window", "Window related commands");
    WindowMenu->setObjectName("WindowMenu");
    WindowMenu->addAction(WindowCascadeAction);
    WindowMenu->addAction(WindowTileHorizontalAction);
    WindowMenu->addAction(WindowTileVerticalAction);
    WindowMenu->addAction(WindowMinimizeAllAction);
    WindowMenu->addAction(WindowArrangeAllAction);
    connect(WindowMenu, &QMenu::aboutToShow, this, [this] { ListDataWindows(); });

    HelpMenu = menu("&Help", "Help topics");
    HelpMenu->setObjectName("HelpMenu");
    QAction* positionFormat = HelpMenu->addAction(QStringLiteral("Position import format"));
    positionFormat->setObjectName("PositionImportFormat");
    SetHint(positionFormat, "Displays the information needed for a position import");
    connect(positionFormat, &QAction::triggered, this, [this] { ShowPositionImportFormat(); });
    QAction* accountFormat = HelpMenu->addAction(QStringLiteral("Account import format"));
    accountFormat->setObjectName("AccountImportFormat");
    SetHint(accountFormat, "Displays the information needed for an account import");
    connect(accountFormat, &QAction::triggered, this, [this] { ShowAccountImportFormat(); });
    HelpMenu->addSeparator();
    HelpMenu->addAction(HelpAboutAction);
}

void TMainForm::CreateToolBar() {
    ToolBar = addToolBar(QStringLiteral("ToolBar"));
    ToolBar->setObjectName("ToolBar");
    ToolBar->setMovable(false);
    const auto button = [this](Action* action, QStyle::StandardPixmap picture) {
        action->setIcon(style()->standardIcon(picture));
        ToolBar->addAction(action);
    };
    button(LoginAction, QStyle::SP_DialogYesButton);
    ToolBar->addSeparator();
    button(SetQuickSortAscAction, QStyle::SP_ArrowUp);
    button(SetQuickSortDescAction, QStyle::SP_ArrowDown);
    button(RemoveColumnSortAction, QStyle::SP_DialogResetButton);
    ToolBar->addSeparator();
    button(SetQuickFilterAction, QStyle::SP_FileDialogContentsView);
    button(RemoveColumnFilterAction, QStyle::SP_DialogDiscardButton);
    ToolBar->addSeparator();
    button(HideColumnsAction, QStyle::SP_FileDialogListView);
    button(HideOneColumnAction, QStyle::SP_FileDialogDetailedView);
    ToolBar->addSeparator();
    button(PrintAction, QStyle::SP_DriveFDIcon);
    button(SearchAction, QStyle::SP_FileDialogInfoView);
    ToolBar->addSeparator();
    button(WindowCascadeAction, QStyle::SP_TitleBarNormalButton);
    button(WindowTileHorizontalAction, QStyle::SP_ToolBarVerticalExtensionButton);
    button(WindowTileVerticalAction, QStyle::SP_ToolBarHorizontalExtensionButton);
    ToolBar->addSeparator();
    button(CommStatusAction, QStyle::SP_MessageBoxInformation);
    button(CommandHistoryAction, QStyle::SP_FileDialogDetailedView);
}
