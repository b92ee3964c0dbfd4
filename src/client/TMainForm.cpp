#include "client/TMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <type_traits>

#include "brae/Brae_PU_PositionDelimiter.h"
#include "client/DataWindowKind.h"
#include "client/HistoricalGridKind.h"
#include "client/TEncryptionKeyForm.h"
#include "client/TKVNGrid.h"
#include "core/BaseIniFile.h"
#include "core/IniFileLocation.h"
#include "core/MError.h"
#include "core/ProcessClock.h"
#include "fields/MIntX.h"
#include "fields/WindowTools.h"
#include "grid/BaseGridConfig.h"
#include "grid/GridWindowLookup.h"
#include "grid/TAboutBox.h"
#include "grid/TBaseGridForm.h"
#include "grid/TBoldDateInputForm.h"
#include "grid/TCommStatusForm.h"
#include "grid/TGenericBOForm.h"
#include "grid/TLoginForm.h"
#include "net/MSocketBufferingOut.h"
#include "store/AccountImport.h"
#include "store/PositionImport.h"
#include "toolkit/Action.h"
#include "toolkit/Application.h"
#include "toolkit/AutomationChannel.h"
#include "toolkit/FindDialog.h"
#include "toolkit/MdiForm.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/QtText.h"
#include "toolkit/StatusPanels.h"
#include "toolkit/UiHost.h"

namespace {

constexpr int kTimerInterval = 25;  // milliseconds, both timers
constexpr int64_t kSecond = 1'000'000'000;

}  // namespace

TMainForm::TMainForm(QWidget* owner) : QMainWindow(owner) {
    // The form and its components; both timers run from here on.
    setObjectName("MainForm");
    setWindowTitle(QStringLiteral("Korvane"));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName("MdiArea");
    setCentralWidget(mdiArea_);
    workspace_ = std::make_unique<KVNWorkspaceManager>(
        mdiArea_, [this](const std::string& fileName, const std::string& section, bool useTemplate,
                         ChildType kind) { return OpenDataWindow(fileName, section, useTemplate, kind); });
    statusBar_ = new StatusPanels(this, "StatusBar");
    statusBar_->SetPanels({50, 50});
    statusBar_->installEventFilter(this);
    setStatusBar(statusBar_);
    resize(807, 501 + statusBar_->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    handle_ = MessageRouter::Register(this, [this](uint32_t message, int32_t wParam, int32_t lParam) {
        return Dispatch(message, wParam, lParam);
    });
    MessageRouter::SetMainWindow(handle_);
    processTimer_.onTimer = [this] { ProcessTimerTimer(); };
    processTimer_.SetInterval(kTimerInterval);
    processTimer_.SetEnabled(true);
    processMessagesTimer_.onTimer = [this] { ProcessMessages(); };
    processMessagesTimer_.SetInterval(kTimerInterval);
    processMessagesTimer_.SetEnabled(true);

    // Numbers are written and read with a point, whatever the user's locale says.
    Application::Init();
    OpenSettingsFile();
    SetEncryptionKey(settingsFile_->ReadString("Config", "EncryptionKey", ""));
    session_.OpenHistoricalWindows.fill(0);
    // The session is declared lost after five times the inactivity interval without a heartbeat
    // question.
    HeartbeatTimeout timeout;
    timeout.SetString(settingsFile_->ReadString("Config", "InactivityInterval", "60"));
    session_.HeartbeatTimeout =
        uint32_t(std::min<uint64_t>(uint64_t(timeout.GetValue()) * 5, std::numeric_limits<uint32_t>::max()));
    HeartbeatTimeout loadTimeout;
    loadTimeout.SetString(settingsFile_->ReadString("Config", "LoadTimeout", "300"));
    session_.LoadTimeout = loadTimeout.GetValue();
    UpdateCaption();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    // The automation channel: requests go to the grid windows by their titles.
    automation_ = std::make_unique<AutomationChannel>(
        [this](const std::string& title) { return GridWindowLookup::FindByTitle(*mdiArea_, title); });
    automation_->Open();
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    if (!closing_) {
        closing_ = true;
        session_.ShutDown();
        FreeChildren();
    }
    if (MessageRouter::MainWindow() == handle_) MessageRouter::SetMainWindow(0);
    MessageRouter::Unregister(handle_);
}

void TMainForm::OpenSettingsFile() {
    if (!LocateIniFile("Korvane", "Korvane.ini", settingsFilePath_, "IniFile"))
        LogMessage("Main", 69, LOG_ERROR, "Unable to get the path of application IniFile %s", "Korvane.ini");
    settingsFile_ = std::make_unique<BaseIniFile>(settingsFilePath_);
}

void TMainForm::SetEncryptionKey(const std::string& key) {
    encryptionKey_ = key;
    std::string field = key.substr(0, 16);
    field.resize(16, ' ');
    session_.EncryptionKey = field;
}

void TMainForm::UpdateCaption() {
    setWindowTitle(ToQt(baseTitle_ + workspace_->GetCaptionSuffix()));
}

std::string TMainForm::PasswordExpiryText(const std::string& days) {
    const std::size_t first = days.find_first_not_of("0 ");
    if (first == std::string::npos) return {};
    const std::string digits = days.substr(first);
    if (digits == "1") return "1 day before password expiration.";
    return digits + " days before password expiration.";
}

void TMainForm::UpdatePasswordExpiryText() {
    statusBar_->SetPanelText(1, PasswordExpiryText(session_.DaysToPasswordExpiry));
}

bool TMainForm::IsSilent(int64_t lastHeartbeat, int64_t now, uint32_t timeout) {
    if (lastHeartbeat == 0) return false;
    const int64_t silence = (now - lastHeartbeat) / kSecond;
    return silence > int64_t(timeout);
}

void TMainForm::ProcessTimerTimer() {
    if (closing_) return;
    const QPointer<TMainForm> self(this);
    processTimer_.SetEnabled(false);
    if (pumpNext_) {
        session_.ProcessEvents();
        if (!self || closing_) return;
        pumpNext_ = false;
    } else {
        if (session_.IsReady()) {
            session_.RefreshGrids();
            if (!self || closing_) return;
        }
        pumpNext_ = true;
    }
    if (!CheckConnection()) return;
    ReloadWorkspaceWhenReady();
    UpdatePasswordExpiryText();
    processTimer_.SetEnabled(true);
}

bool TMainForm::CheckConnection() {
    // A pending password change leaves the session connected but not logged in; its connection
    // is watched all the same, or a lost one would keep Login disabled for good.
    if (!session_.LoggedIn && !session_.PasswordChangeRequired) return true;
    const int64_t now = MGlobalDateTimeClock::Now(true);
    if (session_.IsConnected() && !IsSilent(session_.LastHeartbeatTime, now, session_.HeartbeatTimeout))
        return true;
    const QPointer<TMainForm> self(this);
    Ui().MessageBox(this, "Lost connection. You will be logged out.", "Server Connection", BoxIcon::Error,
                    BoxButtons::Ok);
    if (!self || closing_) return false;
    session_.ResetSession();
    if (!self || closing_) return false;
    reloadWorkspace_ = true;
    return true;
}

void TMainForm::ReloadWorkspaceWhenReady() {
    if (!reloadWorkspace_ || !session_.IsReady()) return;
    workspace_->Participant = session_.UserTypeP;
    workspace_->Supervisor = session_.IsSupervisor();
    workspace_->StartSession();
    const QPointer<TMainForm> self(this);
    if (!workspace_->IsUnnamed()) workspace_->Reload();
    if (!self || closing_) return;
    UpdateCaption();
    reloadWorkspace_ = false;
}

void TMainForm::ProcessMessages() {
    if (closing_) return;
    const QPointer<TMainForm> self(this);
    processMessagesTimer_.SetEnabled(false);
    Ui().ProcessMessages();
    if (self) processMessagesTimer_.SetEnabled(true);
}

int32_t TMainForm::Dispatch(uint32_t message, int32_t, int32_t) {
    switch (message) {
        case kWorkspaceChanged:
            workspace_->SetModified();
            break;
        case kRepaintAllGrids: {
            workspace_->SetModified();
            const QPointer<TMainForm> self(this);
            for (const QPointer<QMdiSubWindow> child : mdiArea_->subWindowList()) {
                if (!self) break;
                if (child && child->widget()) child->widget()->repaint();
            }
            break;
        }
        default:
            break;
    }
    return 0;
}

bool TMainForm::FormCloseQuery() {
    return workspace_->ConfirmSaveChanges();
}

void TMainForm::FormClose() {
    if (closing_) return;
    closing_ = true;
    automation_->Close();
    if (session_.IsConnected()) {
        session_.Logout();
        FlushOutgoing();
    }
    session_.ShutDown();
    FreeChildren();
    settingsFile_.reset();
}

void TMainForm::FlushOutgoing() {
    // Messages still queued, or taken into the socket's buffer but not yet sent.
    auto pending = [this] {
        const MSocketBufferingOut* output =
            session_.ClientSocketEvent ? session_.ClientSocketEvent->GetOutputBuffering() : nullptr;
        return session_.MessageQueue.GetNextToSend() < session_.MessageQueue.GetCount() ||
               (output && output->GetPendingBytes() > 0);
    };
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kCloseFlushMilliseconds);
    const QPointer<TMainForm> self(this);
    while (self && session_.IsConnected() && pending() && std::chrono::steady_clock::now() < deadline)
        session_.ProcessEvents();
}

void TMainForm::FreeChildren() {
    while (!mdiArea_->subWindowList().isEmpty()) delete mdiArea_->subWindowList().first();
}

void TMainForm::FormResize() {
    statusBar_->SetPanelWidth(0, statusBar_->width() / 2);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->ignore();
        return;
    }
    const QPointer<TMainForm> self(this);
    const bool mayClose = FormCloseQuery();
    if (!self) return;
    if (!mayClose) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        statusBar_->SetPanelText(0, FromQt(static_cast<QStatusTipEvent*>(event)->tip()));
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Shift+0 is the zero key's, whatever character the keyboard layout makes of it.
    if (event->type() == QEvent::KeyPress && !closing_) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && IsShiftZero(*static_cast<QKeyEvent*>(event))) {
            DSTSupportAction->Execute();
            return true;
        }
    }
    if (watched == statusBar_ && event->type() == QEvent::Resize) FormResize();
    return QMainWindow::eventFilter(watched, event);
}

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

// "yyyymmdd" of a date.
std::string DateText(const FormDateTime& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", int(date.year), int(date.month), int(date.day));
    return text;
}

// The shown windows of an MDI area that are not minimized.
QList<QMdiSubWindow*> NormalChildren(const QMdiArea& area) {
    QList<QMdiSubWindow*> children;
    for (QMdiSubWindow* child : area.subWindowList())
        if (child->isVisible() && !child->isMinimized()) children.push_back(child);
    return children;
}

// The field names of an import record, one a line.
template <class T>
std::string FieldNames() {
    std::string names;
    for (int i = 0; i < std::remove_cvref_t<decltype(kFieldList<T>)>::kCount; ++i) {
        if (i) names += '\n';
        names += kFieldList<T>.GetName(i);
    }
    return names;
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

void TMainForm::ListDataWindows() {
    for (QAction* item : windowItems_) delete item;
    windowItems_.clear();
    const QList<QMdiSubWindow*> children = mdiArea_->subWindowList();
    if (children.isEmpty()) return;
    windowItems_.push_back(WindowMenu->addSeparator());
    for (int i = 0; i < children.size(); ++i) {
        QMdiSubWindow* child = children[i];
        QAction* item = WindowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(child->windowTitle()));
        item->setCheckable(true);
        item->setChecked(child == mdiArea_->currentSubWindow());
        const QPointer<QMdiSubWindow> target(child);
        connect(item, &QAction::triggered, this, [this, target] {
            if (target) mdiArea_->setActiveSubWindow(target);
        });
        windowItems_.push_back(item);
    }
}

TBaseGridForm* TMainForm::ActiveDataWindow() const {
    QMdiSubWindow* child = mdiArea_->currentSubWindow();
    if (!child) child = mdiArea_->activeSubWindow();
    return child ? dynamic_cast<TBaseGridForm*>(child->widget()) : nullptr;
}

bool TMainForm::IsShiftZero(const QKeyEvent& event) {
    const Qt::KeyboardModifiers others = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (!(event.modifiers() & Qt::ShiftModifier) || (event.modifiers() & others)) return false;
    // The digit itself, or what the usual layouts put on the zero key with Shift (')' and '='),
    // or the zero key's own scan code where the platform gives one.
    switch (event.key()) {
        case Qt::Key_0:
        case Qt::Key_ParenRight:
        case Qt::Key_Equal:
            return true;
        default:
            return event.nativeScanCode() == 19;  // the zero key's X keycode
    }
}

void TMainForm::LoginActionExecute() {
    session_.ProcessTimer = &processTimer_;
    const QPointer<TMainForm> self(this);
    if (encryptionKey_.empty()) {
        Ui().MessageBox(this,
                        "Contact QZK to get your\xA0"
                        "encryption key.",
                        "Missing Encryption Key", BoxIcon::Error, BoxButtons::Ok);
        if (!self || closing_) return;
        StoreEncryptionKey();
        if (!self || closing_) return;
    }
    if (encryptionKey_.empty()) return;
    std::string password;
    std::string userName;
    bool ok = false;
    {
        TLoginForm form(this, 8, password, userName);
        ok = form.ShowModal() == mrOk;
    }
    if (ok && self && !closing_) session_.Login(userName, password);
}

void TMainForm::LogoutActionExecute() {
    // A named workspace whose changes were settled closes with its windows; otherwise (Cancel, or
    // no workspace file) the data windows are closed here and the workspace keeps its name.
    const QPointer<TMainForm> self(this);
    const bool settled = workspace_->ConfirmSaveChanges();
    if (!self || closing_) return;
    session_.Logout();
    if (!self || closing_) return;
    if (settled && !workspace_->IsUnnamed())
        workspace_->CloseWorkspace();
    else
        CloseDataWindows();
    if (!self || closing_) return;
    session_.Loading = false;
    reloadWorkspace_ = true;
    UpdateCaption();
}

void TMainForm::CloseDataWindows() {
    const QPointer<TMainForm> self(this);
    for (const QPointer<QMdiSubWindow> child : mdiArea_->subWindowList()) {
        if (!self) return;
        if (!child) continue;
        auto* form = dynamic_cast<MdiForm*>(child->widget());
        if (auto* grid = dynamic_cast<TBaseGridForm*>(form)) {
            // An open find dialog would refuse the close query for as long as it is up.
            for (FindDialog* dialog : {grid->GetFindDialog(), grid->GetColumnFindDialog()})
                if (dialog && dialog->isVisible()) dialog->CloseDialog();
        }
        if (!child) continue;
        const bool closed = child->close();
        if (!child) continue;
        // A window that still refuses runs its close handling all the same before it goes.
        if (!closed && form && form->onClose) form->onClose();
        delete child.data();
    }
}

void TMainForm::ResetPasswordActionExecute() {
    session_.ChangePassword();
}

bool TMainForm::StoreEncryptionKey() {
    std::string key;
    {
        TEncryptionKeyForm form(this, encryptionKey_);
        if (form.ShowModal() != mrOk) return false;
        key = form.GetKey();
    }
    SetEncryptionKey(key);
    if (settingsFile_) settingsFile_->WriteString("Config", "EncryptionKey", key);
    return true;
}

void TMainForm::LogClientActivityActionExecute() {
    LogClientActivityAction->SetChecked(!LogClientActivityAction->Checked());
    if (!LogClientActivityAction->Checked()) return;
    const std::string directory =
        settingsFile_ ? settingsFile_->ReadString("Config", "LoggingDir", "") : std::string();
    std::error_code error;
    if (!directory.empty() && std::filesystem::is_directory(directory, error)) return;
    Ui().MessageBox(this,
                    " is unable to find logging directory '" + directory +
                        "'\n\nPlease specify its valid path in application's inifile.",
                    "Logging Directory Missing", BoxIcon::Error, BoxButtons::Ok);
    LogClientActivityAction->SetChecked(false);
}

void TMainForm::NoPositionsActionExecute() {
    if (!session_.CheckReportableDates()) return;
    const std::vector<MDateYYYYMMDD>& dates = session_.ReportableDates;
    TBoldDateInputForm form(this, "End of positions", "No position to report");
    const auto date = [](const MDateYYYYMMDD& d) {
        return FormDateTime::Date(d.GetYear(), d.GetMonth(), d.GetDay());
    };
    const std::chrono::year_month_day_last monthEnd(
        std::chrono::year(dates.back().GetYear()),
        std::chrono::month_day_last(std::chrono::month(unsigned(dates.back().GetMonth()))));
    form.SetDateRange(date(dates.front()), FormDateTime::Date(dates.back().GetYear(), dates.back().GetMonth(),
                                                              int32_t(unsigned(monthEnd.day()))));
    for (const MDateYYYYMMDD& d : dates) form.AddBoldDate(date(d));
    const QPointer<TMainForm> self(this);
    if (form.ShowModal() != mrOk || !self || closing_) return;
    Brae_PU_PositionDelimiter delimiter;
    delimiter.SetDelimiterType(EnumBraeDelimiterType::EndOfPositionDeclaration);
    const std::string day = DateText(form.GetDate());
    delimiter.ReportDate.SetText(day.c_str(), int(day.size()));
    session_.SendCommand(delimiter, {EnumActionType::Update, EnumBusinessItemType::Position,
                                     delimiter.DelimiterType.ToString(), false});
}

void TMainForm::CommStatusActionExecute() {
    TCommStatusForm form(this, session_.GetErrorDetails());
    form.ShowModal();
}

void TMainForm::ShowPositionImportFormat() {
    TGenericBOForm form(this, false, FieldNames<PositionImport>());
    form.setWindowTitle(QStringLiteral("Position Import File Fields"));
    form.ShowModal();
}

void TMainForm::ShowAccountImportFormat() {
    TGenericBOForm form(this, false, FieldNames<AccountImport>());
    form.setWindowTitle(QStringLiteral("Account Import File Fields"));
    form.ShowModal();
}

void TMainForm::HelpAboutActionExecute() {
    TAboutBox box(this);
    if (settingsFile_) box.SetClientLine(*settingsFile_, "Config", 0);
    box.ShowModal();
}

void TMainForm::DSTSupportActionExecute() {
    std::string report;
    DSTSupportReport(report);
    Ui().MessageBox(this, report, baseTitle_, BoxIcon::None, BoxButtons::Ok);
}

void TMainForm::ExitActionExecute() {
    close();
}

void TMainForm::TileHorizontally() {
    // One window above the other, each across the whole area.
    const QList<QMdiSubWindow*> shown = NormalChildren(*mdiArea_);
    if (shown.isEmpty()) return;
    const QRect area = mdiArea_->viewport()->rect();
    const int height = area.height() / int(shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        shown[i]->showNormal();
        shown[i]->setGeometry(0, i * height, area.width(), height);
    }
}

void TMainForm::TileVertically() {
    // Side by side, each as high as the area.
    const QList<QMdiSubWindow*> shown = NormalChildren(*mdiArea_);
    if (shown.isEmpty()) return;
    const QRect area = mdiArea_->viewport()->rect();
    const int width = area.width() / int(shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        shown[i]->showNormal();
        shown[i]->setGeometry(i * width, 0, width, area.height());
    }
}

void TMainForm::MinimizeAll() {
    for (QMdiSubWindow* child : mdiArea_->subWindowList()) child->showMinimized();
    ArrangeAll();
}

void TMainForm::ArrangeAll() {
    // The minimized windows in a row along the bottom of the area, from the left.
    const QRect area = mdiArea_->viewport()->rect();
    int x = 0;
    int y = area.bottom() + 1;
    for (QMdiSubWindow* child : mdiArea_->subWindowList()) {
        if (!child->isMinimized()) continue;
        const QSize size = child->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        child->move(x, y - size.height());
        x += size.width();
    }
}

// ---- Data windows and the workspace's flows.

bool TMainForm::OpenDataWindow(const std::string& fileName, const std::string& section, bool useTemplate,
                               ChildType kind) {
    const DataWindowKind* row = DataWindowKind::Of(kind);
    if (!row) return true;
    BaseGridConfig config;
    config.SettingsFileName = fileName;
    config.WorkingDirectory =
        settingsFile_ ? settingsFile_->ReadString("Config", "WorkingDir", "") : std::string();
    config.WindowSection = section;
    config.TitlesSection = row->TitlesSection;
    config.TemplateSection = row->TemplateSection;
    if (row->Numbered) windowCounter_ = int32_t(uint32_t(windowCounter_) + 1u);
    config.WindowTitle = row->WindowTitle(windowCounter_);
    config.UseTemplate = useTemplate;
    TKVNGrid* window =
        row->MakeWindow(mdiArea_, config, workspace_->GetTitleManager(kind), &session_, row->MakeView());
    if (const HistoricalGridKind* historical = HistoricalGridKind::Of(kind)) {
        int32_t& open = session_.OpenHistoricalWindows[historical->Slot];
        if (open < std::numeric_limits<int32_t>::max()) ++open;
    }
    window->Show();
    return true;
}

void TMainForm::OpenFromMenu(ChildType kind) {
    const std::string section = settingsFile_ ? settingsFile_->MakeSectionName() : std::string();
    if (OpenDataWindow(workspace_->GetFileName(), section, true, kind)) workspace_->SetModified();
}

bool TMainForm::HasDataWindows() const {
    for (QMdiSubWindow* child : mdiArea_->subWindowList())
        if (dynamic_cast<TBaseGridForm*>(child->widget())) return true;
    return false;
}

void TMainForm::VEXTOperationMenuUpdate(Action& action) {
    const bool shown = session_.IsReady() && !session_.UserTypeA;
    action.SetEnabled(shown);
    action.SetVisible(shown);
}

void TMainForm::CommandHistoryActionUpdate(Action& action) {
    action.SetEnabled(session_.IsReady());
}

void TMainForm::HistoricalActionUpdate(Action& action, ChildType kind) {
    const HistoricalGridKind* historical = HistoricalGridKind::Of(kind);
    action.SetVisible(session_.IsReady());
    action.SetEnabled(session_.IsReady() && historical &&
                      session_.OpenHistoricalWindows[historical->Slot] == 0);
}

void TMainForm::OpenWindowActionExecute() {
    workspace_->OpenWindow();
}

void TMainForm::OpenWorkspaceActionExecute() {
    const QPointer<TMainForm> self(this);
    workspace_->OpenWorkspace();
    if (self) UpdateCaption();
}

void TMainForm::SaveWindowAsActionExecute() {
    workspace_->SaveWindowAsFile();
}

void TMainForm::SaveWindowAsTemplateActionExecute() {
    workspace_->SaveWindowAsTemplate();
}

void TMainForm::SaveWorkspaceActionExecute() {
    workspace_->Save();
}

void TMainForm::SaveWorkspaceAsActionExecute() {
    const QPointer<TMainForm> self(this);
    if (workspace_->SaveAs() && self) UpdateCaption();
}

void TMainForm::SaveWorkspaceAsDefaultActionExecute() {
    workspace_->SaveAsDefault();
}
