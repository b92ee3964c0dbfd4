#pragma once
// The program's only top-level window: an MDI frame whose children are the grid windows. It owns
// the session manager, the workspace and the settings file, which it keeps open for its whole
// life. Nothing in the client has a thread or loop of its own: the window's two 25 ms timers
// drive everything. The process timer alternates, tick by tick, between the session's pump and
// the grids' refresh, then checks the connection, loads the workspace once per login and shows
// the days to password expiry; the other timer lets the toolkit handle pending window messages.
// Both stop their work for good when the window starts closing. Status panel 0 shows the long
// hint of the control under the mouse, panel 1 the expiry text.
//
// The menus, the tool bar and the keys run the window's actions: the session actions, the help
// and window actions, and the grid tools, which run the active data window's own actions under
// that window's rule (their keys belong to the grid windows; the menus only show them).
//
// Data windows are opened through OpenDataWindow, from the Business Item menu (on the open
// workspace's file, with its kind's template) and by the workspace when it loads a file; the
// File menu runs the workspace's flows.
//
// Timers and messages keep running inside modal loops (boxes shown from inside the pump), so
// after every call that may run one, the handlers go on only while the window still exists and
// is not closing.
//
// While the window is open, an automation client may send requests to the grid windows through
// the automation channel, which opens with the window and is removed when it closes. GUI thread
// only.
#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "client/KVNWorkspaceManager.h"
#include "session/KVNEventManager.h"
#include "toolkit/ActionList.h"
#include "toolkit/Timer.h"

class Action;
class AutomationChannel;
class BaseIniFile;
class QKeyEvent;
class QMdiArea;
class QMenu;
class QToolBar;
class StatusPanels;
class TBaseGridForm;

class TMainForm : public QMainWindow {
public:
    // Window messages the main window answers.
    static constexpr uint32_t kWorkspaceChanged = 0x8003;
    static constexpr uint32_t kRepaintAllGrids = 0x8006;
    // Longest wait for the user disconnection to leave when the window closes.
    static constexpr int kCloseFlushMilliseconds = 1000;

    explicit TMainForm(QWidget* owner = nullptr);
    ~TMainForm() override;
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // Locates Korvane.ini and opens it (a missing file gives defaults and is logged).
    void OpenSettingsFile();
    // Base title + the workspace's caption suffix.
    void UpdateCaption();
    // The days to password expiry into status panel 1.
    void UpdatePasswordExpiryText();
    // The timers' events.
    void ProcessTimerTimer();
    void ProcessMessages();
    // The window's message map: 0x8003 and 0x8006; 0 for every message.
    int32_t Dispatch(uint32_t message, int32_t wParam, int32_t lParam);
    // May the window close: the workspace's answer.
    bool FormCloseQuery();
    // Once only: logs out (the user disconnection leaves before the session shuts down), shuts
    // the session down, frees the grid windows without asking them and writes the settings file
    // back when it was modified.
    void FormClose();
    // Each status panel takes half the bar's width.
    void FormResize();

    // Status panel 1's text for the four digits of days to expiry.
    static std::string PasswordExpiryText(const std::string& days);
    // Whether the server counts as fallen silent: only after a first heartbeat question
    // (lastHeartbeat not 0), when more whole seconds than timeout have passed since it. Times are
    // framework clock counts.
    static bool IsSilent(int64_t lastHeartbeat, int64_t now, uint32_t timeout);

    KVNEventManager& Session() { return session_; }
    KVNWorkspaceManager& Workspace() { return *workspace_; }
    // The settings file, open until the window closes (null afterwards).
    BaseIniFile* SettingsFile() const { return settingsFile_.get(); }
    const std::string& SettingsFilePath() const { return settingsFilePath_; }
    const std::string& EncryptionKey() const { return encryptionKey_; }
    void SetEncryptionKey(const std::string& key);
    int32_t& WindowCounter() { return windowCounter_; }
    bool ReloadWorkspace() const { return reloadWorkspace_; }
    void SetReloadWorkspace(bool reload) { reloadWorkspace_ = reload; }
    bool PumpNext() const { return pumpNext_; }
    bool IsClosing() const { return closing_; }

    // Opens one data window of a kind, configured from the file's section (the kind's template
    // section instead when useTemplate and the file has it): its view, its title manager, a
    // numbered title for accounts, positions and command history (the window counter counts up),
    // and for a historical kind one more in the session's count of open ones. True for every
    // kind, also those for which nothing is opened (the master-account chooser).
    bool OpenDataWindow(const std::string& fileName, const std::string& section, bool useTemplate,
                        ChildType kind);

    // ---- Actions, menus and tool bar.
    // Business Item: a window of the kind on the open workspace's file, under a new section
    // name; the workspace is then modified.
    void AccountsActionExecute() { OpenFromMenu(ChildType::Accounts); }
    void PositionsActionExecute() { OpenFromMenu(ChildType::Positions); }
    void CommandHistoryActionExecute() { OpenFromMenu(ChildType::CommandHistory); }
    void HistoricalAccountActionExecute() { OpenFromMenu(ChildType::HistoricalAccounts); }
    void HistoricalPositionActionExecute() { OpenFromMenu(ChildType::HistoricalPositions); }
    void HistoricalSubmissionActionExecute() { OpenFromMenu(ChildType::HistoricalSubmissions); }
    void HistoricalCommandActionExecute() { OpenFromMenu(ChildType::HistoricalCommands); }
    // Accounts and Positions: enabled and shown when ready, unless the user is of type 'A'.
    void VEXTOperationMenuUpdate(Action& action);
    // Enabled when ready.
    void CommandHistoryActionUpdate(Action& action);
    // Shown when ready; enabled while no window of the kind is open.
    void HistoricalActionUpdate(Action& action, ChildType kind);
    // File menu: the workspace's flows.
    void OpenWindowActionExecute();
    void OpenWorkspaceActionExecute();
    void SaveWindowAsActionExecute();
    void SaveWindowAsTemplateActionExecute();
    void SaveWorkspaceActionExecute();
    void SaveWorkspaceAsActionExecute();
    void SaveWorkspaceAsDefaultActionExecute();
    // Session actions.
    void LoginActionExecute();
    void LogoutActionExecute();
    void ResetPasswordActionExecute();
    void StoreEncryptionKeyActionExecute() { StoreEncryptionKey(); }
    // The key dialog over the current key; on OK the key becomes the window's and the session's
    // and is written to [Config] EncryptionKey of the settings file at once. Whether the user
    // chose OK.
    bool StoreEncryptionKey();
    void LogClientActivityActionExecute();
    void NoPositionsActionExecute();
    void CommStatusActionExecute();
    // Help.
    void ShowPositionImportFormat();
    void ShowAccountImportFormat();
    void HelpAboutActionExecute();
    void DSTSupportActionExecute();
    void ExitActionExecute();
    // Window arrangement over the MDI area.
    void TileHorizontally();
    void TileVertically();
    void MinimizeAll();
    void ArrangeAll();
    // The data window the grid tools act on (null when none is open).
    TBaseGridForm* ActiveDataWindow() const;
    // Whether a key event is the zero key pressed with Shift alone, whatever the layout makes of it.
    static bool IsShiftZero(const QKeyEvent& event);

    ActionList& Actions() { return actions_; }
    QMenu* FileMenu = nullptr;
    QMenu* BusinessItemMenu = nullptr;
    QMenu* ToolsMenu = nullptr;
    QMenu* WindowMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QToolBar* ToolBar = nullptr;
    // The separators that end the groups of the data-window and workspace actions.
    QAction* OpenWindowPlace = nullptr;     // File: Open Window, Open Workspace
    QAction* SaveWindowPlace = nullptr;     // File: Save Window As, Save Window As Template
    QAction* SaveWorkspacePlace = nullptr;  // File: the three workspace saves
    QAction* BusinessItemPlace = nullptr;   // Business Item: Accounts, Positions, Historical
    QAction* NoPositionsItem = nullptr;     // "No Position to report..."
    QMenu* HistoricalMenu = nullptr;        // Business Item: Historical

    Action* LoginAction = nullptr;
    Action* LogoutAction = nullptr;
    Action* ResetPasswordAction = nullptr;
    Action* StoreEncryptionKeyAction = nullptr;
    Action* OpenWindowAction = nullptr;
    Action* OpenWorkspaceAction = nullptr;
    Action* SaveWindowAsAction = nullptr;
    Action* SaveWindowAsTemplateAction = nullptr;
    Action* SaveWorkspaceAction = nullptr;
    Action* SaveWorkspaceAsAction = nullptr;
    Action* SaveWorkspaceAsDefaultAction = nullptr;
    Action* ExitAction = nullptr;
    Action* LogClientActivityAction = nullptr;
    Action* mAccountsAction = nullptr;
    Action* mPositionsAction = nullptr;
    Action* HistoricalAccountAction = nullptr;
    Action* HistoricalPositionAction = nullptr;
    Action* HistoricalSubmissionAction = nullptr;
    Action* HistoricalCommandAction = nullptr;
    Action* mpNoPositionsAction = nullptr;
    Action* CommandHistoryAction = nullptr;
    Action* CommStatusAction = nullptr;
    Action* SortAction = nullptr;
    Action* FilterAction = nullptr;
    Action* HideColumnsAction = nullptr;
    Action* EditColumnPropertiesAction = nullptr;
    Action* EditWindowTitleAction = nullptr;
    Action* SearchAction = nullptr;
    Action* SetQuickFilterAction = nullptr;
    Action* RemoveColumnFilterAction = nullptr;
    Action* SetQuickSortAscAction = nullptr;
    Action* SetQuickSortDescAction = nullptr;
    Action* RemoveColumnSortAction = nullptr;
    Action* HideOneColumnAction = nullptr;
    Action* ExportAction = nullptr;
    Action* PrintAction = nullptr;
    Action* GridOptionsAction = nullptr;
    Action* DSTSupportAction = nullptr;
    Action* HelpAboutAction = nullptr;
    Action* WindowCascadeAction = nullptr;
    Action* WindowTileHorizontalAction = nullptr;
    Action* WindowTileVerticalAction = nullptr;
    Action* WindowMinimizeAllAction = nullptr;
    Action* WindowArrangeAllAction = nullptr;

    Timer& ProcessTimer() { return processTimer_; }
    Timer& ProcessMessagesTimer() { return processMessagesTimer_; }
    QMdiArea* MdiArea() const { return mdiArea_; }
    StatusPanels* StatusBar() const { return statusBar_; }
    uint32_t Handle() const { return handle_; }
    AutomationChannel& Automation() { return *automation_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The lost-connection check of a process timer tick; false when the window went away or
    // started closing meanwhile.
    bool CheckConnection();
    void ReloadWorkspaceWhenReady();
    void OpenFromMenu(ChildType kind);
    bool HasDataWindows() const;
    // Pumps until the outgoing queue is empty, the connection is gone or the time is up.
    void FlushOutgoing();
    // Frees the grid windows one after another, without asking them.
    void FreeChildren();
    // Closes every data window through its own close (an open find dialog closed first); a window
    // that still refuses is freed after its close handling.
    void CloseDataWindows();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    // The Window menu's list of the open data windows, rebuilt before it shows.
    void ListDataWindows();

    // Components, built first: the timers exist from the start.
    Timer processTimer_;
    Timer processMessagesTimer_;
    QMdiArea* mdiArea_ = nullptr;
    StatusPanels* statusBar_ = nullptr;
    uint32_t handle_ = 0;

    KVNEventManager session_;
    // Made once the MDI area exists; goes after the windows (freed by the destructor or the close)
    // that point at its title managers.
    std::unique_ptr<KVNWorkspaceManager> workspace_;
    std::unique_ptr<BaseIniFile> settingsFile_;
    std::string baseTitle_ = "Korvane";
    std::string settingsFilePath_;
    std::string encryptionKey_;
    int32_t windowCounter_ = 0;
    bool reloadWorkspace_ = true;
    bool pumpNext_ = true;
    bool closing_ = false;
    ActionList actions_;
    std::vector<QAction*> windowItems_;
    std::unique_ptr<AutomationChannel> automation_;
};
