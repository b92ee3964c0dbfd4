// The main window's actions, menus and tool bar without a server: the table of actions, the
// menus, the keys, the enabling rules that need no session, and the help, key and window actions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ClientTestSupport.h"
#include "client/TEncryptionKeyForm.h"
#include "client/TKVNGrid.h"
#include "client/TMainForm.h"
#include "core/BaseIniFile.h"
#include "core/VersionInfo.h"
#include "fields/WindowTools.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TAboutBox.h"
#include "grid/TCommStatusForm.h"
#include "grid/TGenericBOForm.h"
#include "grid/TLoginForm.h"
#include "grid/TitleManager.h"
#include "guisupport/Keyboard.h"
#include "guisupport/ScriptedUi.h"
#include "store/CommandHistory.h"
#include "store/TInterfaceView.h"
#include "toolkit/Action.h"
#include "toolkit/Edit.h"
#include "toolkit/Memo.h"
#include "toolkit/QtText.h"

using namespace std::chrono_literals;

namespace {

using Texts = std::vector<std::string>;

const char kMissingKey[] =
    "Contact QZK to get your\xA0"
    "encryption key.";

// The main window on a settings file of the test's own, its timers stopped.
struct MainFormActions : ::testing::Test {
    void Start(const std::string& settings = "EncryptionKey=0123456789abcdef\n") {
        environment.WriteSettings("[Config]\n" + settings);
        form = std::make_unique<TMainForm>();
        form->ProcessTimer().SetEnabled(false);
        form->ProcessMessagesTimer().SetEnabled(false);
    }
    void TearDown() override { form.reset(); }

    // A data window over a command-history view of `rows` entries, in the main window's area.
    TKVNGrid& OpenWindow(int rows = 2) {
        auto* view = new TInterfaceView<CommandHistory>;
        for (int i = 1; i <= rows; ++i) {
            CommandHistory entry;
            entry.SequenceNumber.SetValue(i);
            view->UpdateRow(&entry);
        }
        BaseGridConfig config;
        config.SettingsFileName = environment.File("Windows.ini");
        config.WorkingDirectory = environment.File("");
        config.WindowSection = "Window" + std::to_string(++opened);
        config.TitlesSection = "Titles";
        config.TemplateSection = "Template";
        config.WindowTitle = config.WindowSection;
        auto* window =
            new TKVNGrid(form->MdiArea(), ChildType::CommandHistory, config, &titles, &form->Session(), view);
        window->Show();
        QApplication::processEvents();
        return *window;
    }
    // The key pressed in a widget of the active main window.
    void Press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
        QApplication::setActiveWindow(form.get());
        widget->setFocus();
        QTest::sendKeyEvent(QTest::Press, widget, key, text, modifiers);
        QTest::sendKeyEvent(QTest::Release, widget, key, text, modifiers);
    }

    ClientEnvironment environment;
    std::unique_ptr<TMainForm> form;
    TitleManager titles{{"SequenceNumber", "ExecutionTime", "CommandAction", "BusinessItem", "CommandStatus",
                         "ErrorMessage", "Description"},
                        "Titles"};
    int opened = 0;
};

Texts MenuTexts(const QMenu* menu) {
    Texts items;
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            items.push_back("-");
        } else if (a->menu()) {
            std::string sub = FromQt(a->text()) + " {";
            for (const std::string& text : MenuTexts(a->menu())) sub += " " + text + ";";
            items.push_back(sub + " }");
        } else {
            items.push_back(FromQt(a->text()));
        }
    }
    return items;
}

}  // namespace

// Every action with its caption, key (live, or shown only where a grid window owns it), tool tip
// and status text; in the order the actions are made.
TEST_F(MainFormActions, TheActionsAreThoseOfTheTable) {
    Start();
    Texts actions;
    for (const Action* a : form->Actions().Actions()) {
        const QString text = a->text();
        const std::string key = a->shortcut().isEmpty()
                                    ? FromQt(text.section('\t', 1))
                                    : FromQt(a->shortcut().toString(QKeySequence::PortableText));
        actions.push_back(FromQt(a->objectName()) + "|" + a->Caption() + "|" + key + "|" +
                          FromQt(a->toolTip()) + "|" + FromQt(a->statusTip()));
    }
    EXPECT_EQ(
        actions,
        (Texts{
            "LoginAction|&Login...|F9|Login|Provide login information",
            "LogoutAction|Logo&ut|Ctrl+F9|Logout|Logout and disconnect from the server",
            "ResetPasswordAction|Reset &Password||Reset Password|Form to reset password with the server",
            "StoreEncryptionKeyAction|&Save Encryption Key||Save Encryption Key|Read/Write encryption key in "
            "ini file",
            "OpenWindowAction|&Open Window...|F11|Open Window|Open new window from the configuration file",
            "OpenWorkspaceAction|Open &Workspace...|Ctrl+F11|Open Workspace|Open the workspace file",
            "SaveWindowAsAction|S&ave Window As...|Ctrl+F12|Save As|Save active window into configuration "
            "file",
            "SaveWindowAsTemplateAction|S&ave Window As Template|Ctrl+Alt+T|Save As Template|Save an active "
            "window configuration as a template",
            "SaveWorkspaceAction|Sav&e Workspace|F12|Save Workspace|Save all currently open windows "
            "configurations in default workspace file",
            "SaveWorkspaceAsAction|Save Wor&kspace As...|Shift+F12|Save Workspace As|Save currently open "
            "workspace under different name",
            "SaveWorkspaceAsDefaultAction|Save Workspace As &Default|F6|Default Workspace|Save currently "
            "open "
            "workspace as an application default workspace",
            "ExitAction|E&xit||Exit|Exit application",
            "LogClientActivityAction|&Log Client Activity|Ctrl+Num+*|Log|Allow to log all client activities",
            // Without a two-part hint, tool tip and status text are the whole hint.
            "mAccountsAction|Accounts||Display all data of business item: Accounts|Display all data of "
            "business item: Accounts",
            "mPositionsAction|Positions||Display all data of business item: Positions|Display all data of "
            "business item: Positions",
            "HistoricalAccountAction|Accounts||Display all data of business item: Historical "
            "Account|Display all data of business item: Historical Account",
            "HistoricalPositionAction|Positions||Display all data of business item: Historical "
            "Position|Display all data of business item: Historical Position",
            "HistoricalSubmissionAction|Submissions Outcome||Display all data of business item: Historical "
            "Submission Outcome|Display all data of business item: Historical Submission Outcome",
            "HistoricalCommandAction|Commands History||Display all data of business item: Historical "
            "Commands|Display all data of business item: Historical Commands",
            // Without a hint the tool tip is the caption.
            "mpNoPositionsAction|No Position to report||No Position to report|",
            "CommandHistoryAction|CommandHistoryAction||Command History|Show the status of recently executed "
            "commands",
            "CommStatusAction|CommStatusAction||CommStatusAction|",
            "SortAction|Sor&t Criteria...|Ctrl+Alt+S|Define sorting criteria: by columns and sorting types "
            "(ascending or descending)|Define sorting criteria: by columns and sorting types (ascending or "
            "descending)",
            "FilterAction|&Filter Selection...|Ctrl+Alt+F|Define data filter: by columns and values|Define "
            "data "
            "filter: by columns and values",
            "HideColumnsAction|&Hide Columns...|Ctrl+Alt+H|Hide Columns|Select specific columns to hide",
            "EditColumnPropertiesAction|Ed&it Column Properties...|Ctrl+Alt+C|Display the form to modify "
            "columns' properties|Display the form to modify columns' properties",
            "EditWindowTitleAction|Edit &Window Title...|Ctrl+Alt+W|Window Title|Edit currently open "
            "window's "
            "title",
            "SearchAction|&Search...|Ctrl+F|Search for a data in currently selected column|Search for a data "
            "in "
            "currently selected column",
            "SetQuickFilterAction|Set &Quick Filter|Ctrl+Q|Set Quick Filter|Modify filter definition with a "
            "value "
            "of currently selected cell",
            "RemoveColumnFilterAction|&Remove Column Filter|Ctrl+Alt+Q|Remove Column Filter|Remove all "
            "filter "
            "definition for currently selected column",
            "SetQuickSortAscAction|Set Quick Sort &Ascending|Shift+F7|Ascending Quick Sort|Modify sort "
            "criteria "
            "with currently selected column in ascending mode",
            "SetQuickSortDescAction|Set Quick Sort &Descending|Shift+F8|Descending Quick Sort|Modify sort "
            "criteria with currently selected column in descending mode",
            "RemoveColumnSortAction|&Remove Column Sort|Ctrl+Shift+F7|Remove Column Sort|Remove sort "
            "criteria "
            "definition for currently selected column",
            "HideOneColumnAction|Hide &One Column|Ctrl+H|Hide Column|Hide currently selected column",
            "ExportAction|Exp&ort to Clipboard|Ctrl+Ins|Copy to clipboard all data (all columns and rows) - "
            "fields "
            "are separated by tab character|Copy to clipboard all data (all columns and rows) - fields are "
            "separated by tab character",
            "PrintAction|&Print||Print|Print all data of currently selected window",
            "GridOptionsAction|Grid Optio&ns...|Ctrl+Alt+N|Grid Options|Modify options of currently open "
            "data "
            "window's grid",
            "DSTSupportAction|DST &Support...|Shift+0|Displays the results of DST tests|Displays the results "
            "of "
            "DST tests",
            "HelpAboutAction|&About...||About|Displays program information, version number, and copyright",
            "WindowCascadeAction|&Cascade||Cascade|Cascade",
            "WindowTileHorizontalAction|Tile &Horizontally||Tile Horizontally|Tile Horizontally",
            "WindowTileVerticalAction|Tile &Vertically||Tile Vertically|Tile Vertically",
            "WindowMinimizeAllAction|&Minimize All||Minimize All|Minimize All",
            "WindowArrangeAllAction|&Arrange All||Arrange All|Arrange All",
        }));
    // The keys of the grid tools are the grid windows': the main window only shows them.
    EXPECT_TRUE(form->SortAction->shortcut().isEmpty());
    EXPECT_EQ(FromQt(form->SortAction->text()), "Sor&t Criteria...\tCtrl+Alt+S");
    EXPECT_EQ(form->LogClientActivityAction->shortcut(),
              QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Asterisk)));
}

// The menus in order with their separators; the empty groups between separators are the places
// of the data-window and workspace actions. Log Client Activity and DST Support are in no menu.
TEST_F(MainFormActions, TheMenusAndTheToolBarAreInTheirOrder) {
    Start();
    Texts titles;
    for (const QAction* a : form->menuBar()->actions())
        titles.push_back(FromQt(a->text()) + "|" + FromQt(a->statusTip()));
    EXPECT_EQ(titles,
              (Texts{"&File|Application related commands", "&Business Item|Business item related commands",
                     "&Tools|", "&Window|Window related commands", "&Help|Help topics"}));
    EXPECT_EQ(
        MenuTexts(form->FileMenu),
        (Texts{"&Login...", "Logo&ut", "Reset &Password", "-", "&Save Encryption Key", "-", "&Open Window...",
               "Open &Workspace...", "-", "S&ave Window As...", "S&ave Window As Template", "-",
               "Sav&e Workspace", "Save Wor&kspace As...", "Save Workspace As &Default", "-", "E&xit"}));
    EXPECT_EQ(form->FileMenu->actions()[8], form->OpenWindowPlace);
    EXPECT_EQ(form->FileMenu->actions()[11], form->SaveWindowPlace);
    EXPECT_EQ(form->FileMenu->actions()[15], form->SaveWorkspacePlace);
    EXPECT_EQ(MenuTexts(form->BusinessItemMenu),
              (Texts{"Accounts", "Positions",
                     "Historical { Accounts; Positions; Submissions Outcome; Commands History; }", "-",
                     "No Position to report..."}));
    EXPECT_EQ(form->BusinessItemMenu->actions()[3], form->BusinessItemPlace);
    EXPECT_EQ(
        MenuTexts(form->ToolsMenu),
        (Texts{"Sor&t { Sor&t Criteria...\tCtrl+Alt+S; -; Set Quick Sort &Ascending\tShift+F7; Set Quick "
               "Sort &Descending\tShift+F8; &Remove Column Sort\tCtrl+Shift+F7; }",
               "&Filter { &Filter Selection...\tCtrl+Alt+F; -; Set &Quick Filter\tCtrl+Q; &Remove Column "
               "Filter\tCtrl+Alt+Q; }",
               "&Hide { &Hide Columns...\tCtrl+Alt+H; -; Hide &One Column\tCtrl+H; }",
               "Ed&it Column Properties...\tCtrl+Alt+C", "Edit &Window Title...\tCtrl+Alt+W", "-",
               "Exp&ort to Clipboard\tCtrl+Ins", "-", "&Print", "&Search...\tCtrl+F", "-",
               "Grid Optio&ns...\tCtrl+Alt+N"}));
    EXPECT_EQ(FromQt(form->ToolsMenu->actions()[0]->statusTip()), "Sort criteria related commands");
    EXPECT_EQ(FromQt(form->ToolsMenu->actions()[1]->statusTip()), "Filter related commands");
    EXPECT_EQ(FromQt(form->ToolsMenu->actions()[2]->statusTip()), "Hiding column related commands");
    EXPECT_EQ(MenuTexts(form->WindowMenu),
              (Texts{"&Cascade", "Tile &Horizontally", "Tile &Vertically", "&Minimize All", "&Arrange All"}));
    EXPECT_EQ(MenuTexts(form->HelpMenu),
              (Texts{"Position import format", "Account import format", "-", "&About..."}));
    EXPECT_EQ(FromQt(form->HelpMenu->actions()[0]->statusTip()),
              "Displays the information needed for a position import");
    EXPECT_EQ(FromQt(form->HelpMenu->actions()[1]->statusTip()),
              "Displays the information needed for an account import");

    Texts buttons;
    for (const QAction* a : form->ToolBar->actions())
        buttons.push_back(a->isSeparator() ? "-" : FromQt(a->objectName()));
    EXPECT_EQ(buttons, (Texts{"LoginAction",
                              "-",
                              "SetQuickSortAscAction",
                              "SetQuickSortDescAction",
                              "RemoveColumnSortAction",
                              "-",
                              "SetQuickFilterAction",
                              "RemoveColumnFilterAction",
                              "-",
                              "HideColumnsAction",
                              "HideOneColumnAction",
                              "-",
                              "PrintAction",
                              "SearchAction",
                              "-",
                              "WindowCascadeAction",
                              "WindowTileHorizontalAction",
                              "WindowTileVerticalAction",
                              "-",
                              "CommStatusAction",
                              "CommandHistoryAction"}));
    // A hint's long part reaches status panel 0 through the status tip.
    for (const QAction* a : form->ToolBar->actions())
        EXPECT_FALSE(a->isSeparator() ? false : a->icon().isNull());
}

// Without a connection: Login follows CanLogin, Reset Password also a pending change; the
// session actions, No Position to report and every grid tool wait for a ready session; the
// communication status follows its log; the window actions follow the open windows.
TEST_F(MainFormActions, EnablingRulesWithoutASession) {
    Start();
    const auto enabled = [&](Action* a) {
        form->Actions().UpdateActions();
        return a->Enabled();
    };
    EXPECT_TRUE(enabled(form->LoginAction));
    EXPECT_FALSE(enabled(form->LogoutAction));
    EXPECT_FALSE(enabled(form->ResetPasswordAction));
    EXPECT_TRUE(enabled(form->StoreEncryptionKeyAction));
    EXPECT_FALSE(enabled(form->mpNoPositionsAction));
    EXPECT_FALSE(form->mpNoPositionsAction->isVisible());
    EXPECT_FALSE(form->NoPositionsItem->isVisible());
    form->Session().PasswordChangeRequired = true;
    EXPECT_FALSE(enabled(form->LoginAction));
    EXPECT_TRUE(enabled(form->ResetPasswordAction));
    form->Session().PasswordChangeRequired = false;
    form->Session().LoggedIn = true;
    EXPECT_FALSE(enabled(form->LoginAction));
    form->Session().LoggedIn = false;

    form->Session().GetErrorDetails().clear();
    EXPECT_FALSE(enabled(form->CommStatusAction));
    form->Session().GetErrorDetails().emplace_back(3, "a line");
    EXPECT_TRUE(enabled(form->CommStatusAction));

    EXPECT_FALSE(enabled(form->WindowCascadeAction));
    for (Action* tool :
         {form->SortAction, form->EditWindowTitleAction, form->GridOptionsAction, form->PrintAction})
        EXPECT_FALSE(enabled(tool));
    OpenWindow();
    EXPECT_TRUE(enabled(form->WindowCascadeAction));
    // A data window open, the session not ready: still disabled.
    for (Action* tool :
         {form->SortAction, form->EditWindowTitleAction, form->GridOptionsAction, form->PrintAction})
        EXPECT_FALSE(enabled(tool));
    // Every data-window and workspace action waits for a ready session; the Business Item ones
    // but Commands History are hidden until then.
    for (Action* action :
         {form->OpenWindowAction, form->OpenWorkspaceAction, form->SaveWindowAsAction,
          form->SaveWindowAsTemplateAction, form->SaveWorkspaceAction, form->SaveWorkspaceAsAction,
          form->SaveWorkspaceAsDefaultAction, form->mAccountsAction, form->mPositionsAction,
          form->CommandHistoryAction, form->HistoricalAccountAction, form->HistoricalCommandAction})
        EXPECT_FALSE(enabled(action)) << FromQt(action->objectName());
    for (Action* action :
         {form->mAccountsAction, form->mPositionsAction, form->HistoricalAccountAction,
          form->HistoricalPositionAction, form->HistoricalSubmissionAction, form->HistoricalCommandAction})
        EXPECT_FALSE(action->isVisible()) << FromQt(action->objectName());
    EXPECT_TRUE(form->CommandHistoryAction->isVisible());
}

// The main window's own keys act wherever the focus is in it, a grid window included; the keys of
// the grid tools act on the focused grid window's own actions; Ctrl+F12 is free for the main
// window inside a grid window.
TEST_F(MainFormActions, KeysReachTheirOwnersFromAGridWindow) {
    Start();
    form->show();
    TKVNGrid& window = OpenWindow();
    QWidget* grid = window.Grid();
    ScriptedUi ui;

    ui.ExpectModal<TLoginForm>([](TLoginForm& f) { f.Control<QPushButton>("CancelButton")->click(); });
    Press(grid, Qt::Key_F9, Qt::NoModifier);
    EXPECT_EQ(ui.Pending(), 0u);

    std::string report;
    DSTSupportReport(report);
    // The zero key with Shift: as the digit and as the character a layout makes of it.
    ui.ExpectBox("Korvane", report, BoxIcon::None, BoxButtons::Ok, mrOk);
    Press(grid, Qt::Key_0, Qt::ShiftModifier, "0");
    ui.ExpectBox("Korvane", report, BoxIcon::None, BoxButtons::Ok, mrOk);
    Press(grid, Qt::Key_ParenRight, Qt::ShiftModifier, ")");
    EXPECT_EQ(ui.Pending(), 0u);
    Press(grid, Qt::Key_0, Qt::NoModifier, "0");  // no box

    int sorts = 0;
    window.SortAction->onExecute = [&](Action&) { ++sorts; };
    Press(grid, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(sorts, 1);

    // The main window's workspace keys, Ctrl+F12 among them, reach its actions.
    int saves = 0;
    for (Action* action :
         {form->SaveWindowAsAction, form->OpenWindowAction, form->SaveWorkspaceAsDefaultAction}) {
        action->onExecute = [&](Action&) { ++saves; };
        action->onUpdate = [](Action& a) { a.SetEnabled(true); };
    }
    Press(grid, Qt::Key_F12, Qt::ControlModifier);
    Press(grid, Qt::Key_F11, Qt::NoModifier);
    Press(grid, Qt::Key_F6, Qt::NoModifier);
    EXPECT_EQ(saves, 3);
}

// Ctrl + the keypad's '*' toggles the check; a missing logging directory gives its box and
// unchecks it again, every time; an existing one keeps the check.
TEST_F(MainFormActions, LogClientActivityChecksTheLoggingDirectory) {
    Start("EncryptionKey=0123456789abcdef\nLoggingDir=" + environment.File("logs") + "\n");
    form->show();
    ScriptedUi ui;
    const std::string missing = " is unable to find logging directory '" + environment.File("logs") +
                                "'\n\nPlease specify its valid path in application's inifile.";
    for (int i = 0; i < 2; ++i) {
        ui.ExpectBox("Logging Directory Missing", missing, BoxIcon::Error, BoxButtons::Ok, mrOk);
        Press(form->MdiArea(), Qt::Key_Asterisk, Qt::ControlModifier | Qt::KeypadModifier, "*");
        EXPECT_EQ(ui.Pending(), 0u);
        EXPECT_FALSE(form->LogClientActivityAction->Checked());
    }
    std::filesystem::create_directories(environment.File("logs"));
    form->LogClientActivityAction->trigger();
    EXPECT_TRUE(form->LogClientActivityAction->Checked());
    form->LogClientActivityAction->trigger();
    EXPECT_FALSE(form->LogClientActivityAction->Checked());
}

// Save Encryption Key: OK makes the key the window's and the session's and writes it to the
// settings file before the action returns, keeping the file's other lines; Cancel changes
// nothing.
TEST_F(MainFormActions, SaveEncryptionKeyWritesTheSettingsAndTheSession) {
    Start("");
    ScriptedUi ui;
    ui.ExpectModal<TEncryptionKeyForm>(
        [](TEncryptionKeyForm& f) { f.Control<QPushButton>("CancelButton")->click(); });
    form->StoreEncryptionKeyAction->trigger();
    EXPECT_EQ(form->EncryptionKey(), "");
    ui.ExpectModal<TEncryptionKeyForm>([](TEncryptionKeyForm& f) {
        Edit* edit = f.Control<Edit>("EncryptionKeyEdit");
        edit->setFocus();
        TypeText(edit, "ABCDEFGHIJKLMNOP");
        f.Control<QPushButton>("OkButton")->click();
    });
    const std::string settings = environment.ReadSettings();
    form->StoreEncryptionKeyAction->trigger();
    EXPECT_EQ(environment.ReadSettings(), settings + "EncryptionKey=ABCDEFGHIJKLMNOP\n");
    EXPECT_EQ(form->EncryptionKey(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(form->Session().EncryptionKey, "ABCDEFGHIJKLMNOP");
    form->show();
    EXPECT_TRUE(form->close());
    form.reset();
    EXPECT_EQ(BaseIniFile(environment.SettingsPath()).ReadString("Config", "EncryptionKey", ""),
              "ABCDEFGHIJKLMNOP");
}

// Login without a key: the box, then the key dialog; cancelling it ends the login.
TEST_F(MainFormActions, LoginWithoutAKeyStopsWhenTheKeyDialogIsCancelled) {
    Start("");
    ScriptedUi ui;
    ui.ExpectBox("Missing Encryption Key", kMissingKey, BoxIcon::Error, BoxButtons::Ok, mrOk)
        .ExpectModal<TEncryptionKeyForm>(
            [](TEncryptionKeyForm& f) { f.Control<QPushButton>("CancelButton")->click(); });
    form->LoginAction->trigger();
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(form->Session().ProcessTimer, &form->ProcessTimer());
    EXPECT_FALSE(form->Session().LoggedIn);
    EXPECT_EQ(form->Session().UserName, "");
}

// The import formats list the records' field names one per line, without a final line feed.
TEST_F(MainFormActions, ImportFormatsListTheFieldNames) {
    Start();
    ScriptedUi ui;
    struct Case {
        const char* item;
        const char* caption;
        Texts lines;
    };
    const Case cases[] = {
        {"PositionImportFormat",
         "Position Import File Fields",
         {"ReportDate", "AccountNumber", "ExternalSymbol", "ClassSymbol", "ExpirationDate", "CallPutCode",
          "StrikePrice", "LongQuantity", "ShortQuantity"}},
        {"AccountImportFormat",
         "Account Import File Fields",
         {"AffiliatedCie", "AccountNumber", "AccountType", "AccountOwnerType", "OwnerId", "HedgeSpec", "Name",
          "Address", "City", "State", "ZipPostalCode", "Phone", "Fax", "Email", "CountryCode"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        std::string text;
        ui.ExpectModal<TGenericBOForm>([&](TGenericBOForm& f) {
            EXPECT_EQ(FromQt(f.windowTitle()), c.caption);
            text = f.Control<Memo>("SummaryMemo")->Text();
            EXPECT_EQ(f.Control<Memo>("SummaryMemo")->verticalScrollBar()->value(), 0);  // from the top
            f.Control<QPushButton>("ExitButton")->click();
        });
        form->HelpMenu->findChild<QAction*>(c.item)->trigger();
        EXPECT_EQ(ui.Pending(), 0u);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.back(), '\n');
        EXPECT_EQ(TGenericBOForm::SplitText(text, false), c.lines);
    }
}

// About: the version block and the client line ApplicationTarget chooses.
TEST_F(MainFormActions, AboutShowsTheVersionBlockAndTheChosenClientLine) {
    struct Case {
        const char* setting;
        const char* line;
    };
    const Case cases[] = {
        {"ApplicationTarget=2\n", TAboutBox::kSecondClientLine},
        {"ApplicationTarget=0\n", TAboutBox::kFirstClientLine},
        {"ApplicationTarget=3\n", TAboutBox::kFirstClientLine},
        {"ApplicationTarget=4\n", TAboutBox::kFirstClientLine},
        {"ApplicationTarget=-1\n", TAboutBox::kFirstClientLine},
        {"ApplicationTarget=two\n", TAboutBox::kFirstClientLine},
        {"ApplicationTarget=\n", TAboutBox::kFirstClientLine},
        {"", TAboutBox::kFirstClientLine},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        Start(c.setting);
        ScriptedUi ui;
        ui.ExpectModal<TAboutBox>([&](TAboutBox& box) {
            EXPECT_EQ(FromQt(box.Control<QLabel>("ClientNameStaticText")->text()), c.line);
            VersionInfo version("korvane");
            EXPECT_EQ(FromQt(box.Control<QLabel>("ProductNameLabel")->text()), version.GetProductName());
            EXPECT_EQ(FromQt(box.Control<QLabel>("VersionLabel")->text()),
                      "Version " + version.GetFileVersion());
            box.Control<QPushButton>("OKButton")->click();
        });
        form->HelpAboutAction->trigger();
        EXPECT_EQ(ui.Pending(), 0u);
        form.reset();
    }
}

// The communication status window opens over the session's log; Clear and Exit empties it and
// the tool-bar button stays disabled until a new line is logged.
TEST_F(MainFormActions, CommStatusClearsTheLogAndTheButtonWaitsForANewLine) {
    Start();
    auto& log = form->Session().GetErrorDetails();
    log.clear();
    log.emplace_back(3, "first");
    log.emplace_back(3, "second");
    ScriptedUi ui;
    ui.ExpectModal<TCommStatusForm>([](TCommStatusForm& f) {
        const QAbstractItemModel* lines = f.Control<QListView>("StatusMemo")->model();
        ASSERT_EQ(lines->rowCount(), 2);
        EXPECT_EQ(lines->index(0, 0).data().toString(), QStringLiteral("first"));
        EXPECT_EQ(lines->index(1, 0).data().toString(), QStringLiteral("second"));
        f.Control<QPushButton>("CancelButton")->click();
    });
    form->CommStatusAction->trigger();
    EXPECT_EQ(log.size(), 2u);
    ui.ExpectModal<TCommStatusForm>(
        [](TCommStatusForm& f) { f.Control<QPushButton>("ClearExitButton")->click(); });
    form->CommStatusAction->trigger();
    EXPECT_TRUE(log.empty());
    form->Actions().UpdateActions();
    EXPECT_FALSE(form->CommStatusAction->Enabled());
    form->CommStatusAction->trigger();  // disabled: no dialog
    log.emplace_back(3, "third");
    form->Actions().UpdateActions();
    EXPECT_TRUE(form->CommStatusAction->Enabled());
}

// Exit closes through the close query and the close.
TEST_F(MainFormActions, ExitClosesTheWindow) {
    Start();
    form->show();
    form->ExitAction->trigger();
    EXPECT_TRUE(form->IsClosing());
    EXPECT_FALSE(form->isVisible());
}

// The window actions over the real MDI area; the Window menu lists the open windows.
TEST_F(MainFormActions, WindowActionsArrangeTheDataWindows) {
    Start();
    form->show();
    form->resize(800, 600);
    QApplication::processEvents();
    OpenWindow();
    OpenWindow();
    OpenWindow();
    const QList<QMdiSubWindow*> children = form->MdiArea()->subWindowList();
    const QRect area = form->MdiArea()->viewport()->rect();
    form->WindowTileHorizontalAction->trigger();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(children[i]->geometry().width(), area.width());
        EXPECT_EQ(children[i]->geometry().top(), i * (area.height() / 3));
    }
    form->WindowTileVerticalAction->trigger();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(children[i]->geometry().height(), area.height());
        EXPECT_EQ(children[i]->geometry().left(), i * (area.width() / 3));
    }
    form->WindowCascadeAction->trigger();
    EXPECT_LT(children[0]->geometry().top(), children[1]->geometry().top());
    form->WindowMinimizeAllAction->trigger();
    for (QMdiSubWindow* child : children) {
        EXPECT_TRUE(child->isMinimized());
        EXPECT_EQ(child->geometry().bottom(), area.bottom());
    }
    EXPECT_LT(children[0]->geometry().left(), children[1]->geometry().left());

    emit form->WindowMenu->aboutToShow();
    const Texts items = MenuTexts(form->WindowMenu);
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[5], "-");
    EXPECT_EQ(items[6], "&1 " + FromQt(children[0]->windowTitle()));
    form->WindowMenu->actions()[7]->trigger();
    EXPECT_EQ(form->MdiArea()->currentSubWindow(), children[1]);
}
