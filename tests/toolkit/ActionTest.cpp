#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "guisupport/QtPrinters.h"
#include "toolkit/Action.h"
#include "toolkit/ActionList.h"
#include "toolkit/MdiForm.h"

namespace {

// Runs the event loop until it has gone idle at least once.
void RunUntilIdle() {
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

// Shows a top-level window and makes it the active one, as shortcuts need.
void Activate(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

TEST(Action, TheIdleUpdateSetsTheEnabledStateThatItsMenuItemAndButtonsFollow) {
    QWidget window;
    ActionList list;
    bool ready = false;
    Action* action = list.Make(&window, "&Refresh", "F5", "Refresh|Refresh the window");
    action->onUpdate = [&](Action& a) { a.SetEnabled(ready); };
    QToolButton tool(&window);
    tool.setDefaultAction(action);
    QPushButton button(&window);
    action->BindButton(&button);

    RunUntilIdle();
    EXPECT_FALSE(action->isEnabled());
    EXPECT_FALSE(tool.isEnabled());
    EXPECT_FALSE(button.isEnabled());
    EXPECT_EQ(button.text(), "&Refresh");
    ready = true;
    RunUntilIdle();
    EXPECT_TRUE(action->isEnabled());
    EXPECT_TRUE(tool.isEnabled());
    EXPECT_TRUE(button.isEnabled());
}

TEST(Action, TheUpdateRunsBeforeAMenuShows) {
    QWidget window;
    ActionList list;
    Action* action = list.Make(&window, "&Save");
    int updates = 0;
    action->onUpdate = [&](Action&) { ++updates; };
    QMenu menu;
    menu.addAction(action);
    ActionList::AttachMenu(&menu);
    emit menu.aboutToShow();
    EXPECT_GE(updates, 1);
}

TEST(Action, ExecuteRunsTheUpdateFirstAndActsOnlyWhenEnabled) {
    QWidget window;
    ActionList list;
    Action* action = list.Make(&window, "&Delete");
    bool allowed = false;
    int runs = 0;
    action->onUpdate = [&](Action& a) { a.SetEnabled(allowed); };
    action->onExecute = [&](Action&) { ++runs; };
    EXPECT_FALSE(action->Execute());
    action->trigger();
    EXPECT_EQ(runs, 0);
    allowed = true;
    EXPECT_TRUE(action->Execute());  // enabled by the update that Execute runs first
    EXPECT_EQ(runs, 1);
}

TEST(Action, TheCheckedStateChangesOnlyThroughTheProgram) {
    QWidget window;
    Action action(&window, "&Wrap");
    action.SetChecked(false);
    int runs = 0;
    action.onExecute = [&](Action&) { ++runs; };
    action.trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(action.isChecked());
    action.SetChecked(true);
    EXPECT_TRUE(action.isChecked());
}

TEST(Action, AHintGivesTheTooltipAndTheStatusTip) {
    struct Case {
        const char* hint;
        const char* tooltip;
        const char* status;
    } cases[] = {{"Print|Print the grid", "Print", "Print the grid"},
                 {"Print the grid", "Print the grid", "Print the grid"},
                 {"|Only long", "Print", "Only long"},  // an empty tooltip shows the caption
                 {"Only short|", "Only short", ""}};
    QWidget window;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hint);
        Action action(&window, "P&rint");
        action.SetHint(c.hint);
        EXPECT_EQ(action.toolTip(), c.tooltip);
        EXPECT_EQ(action.statusTip(), c.status);
    }
}

TEST(Action, ADisabledShortcutIsSwallowedInsteadOfReachingTheControl) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* table = new QTableWidget(2, 2, &window);
    layout->addWidget(table);
    table->setItem(0, 0, new QTableWidgetItem("cell"));
    table->setCurrentCell(0, 0);
    ActionList list;
    int copies = 0;
    for (const char* key : {"Ctrl+C", "Ctrl+Ins"}) {
        Action* copy = list.Make(&window, "&Copy", key);
        copy->onUpdate = [](Action& a) { a.SetEnabled(false); };
        copy->onExecute = [&](Action&) { ++copies; };
    }
    list.UpdateActions();
    Activate(&window);
    table->setFocus();
    QGuiApplication::clipboard()->setText("untouched");

    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched");
    EXPECT_EQ(copies, 0);

    list.Actions()[0]->onUpdate = [](Action& a) { a.SetEnabled(true); };
    list.UpdateActions();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched");
}

// A main window with an MDI area, two grid windows each holding an action on Ctrl+F, and the
// main window's menu showing Ctrl+F as text only.
struct MdiFixture {
    QMainWindow main;
    QMdiArea* area = new QMdiArea;
    ActionList list;
    MdiForm* child[2];
    QTableWidget* grid[2];
    int fired[2] = {0, 0};
    int mainFired = 0;
    MdiFixture() {
        main.setCentralWidget(area);
        Action* search = list.Make(&main, "&Search...");
        search->SetShortcutText("Ctrl+F");
        search->onExecute = [this](Action&) { ++mainFired; };
        for (int i = 0; i < 2; ++i) {
            child[i] = new MdiForm(area);
            auto* layout = new QVBoxLayout(child[i]);
            grid[i] = new QTableWidget(2, 2, child[i]);
            layout->addWidget(grid[i]);
            Action* find = list.Make(child[i], "&Search...", "Ctrl+F");
            find->SetScope(child[i]);
            find->onExecute = [this, i](Action&) { ++fired[i]; };
            child[i]->Show();
        }
    }
};

TEST(Action, OfTwoGridWindowsOnOneKeyOnlyTheActiveOneFires) {
    MdiFixture f;
    Activate(&f.main);
    for (int active : {0, 1, 0}) {
        SCOPED_TRACE(active);
        f.child[active]->BringToFront();
        f.grid[active]->setFocus();
        ASSERT_EQ(f.area->activeSubWindow(), f.child[active]->SubWindow());
        int before[2] = {f.fired[0], f.fired[1]};
        QTest::keyClick(f.grid[active], Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(f.fired[active], before[active] + 1);
        EXPECT_EQ(f.fired[1 - active], before[1 - active]);
    }
    EXPECT_EQ(f.mainFired, 0);
    QAction* menuAction = f.list.Actions()[0];
    EXPECT_EQ(menuAction->text(), "&Search...\tCtrl+F");
    EXPECT_TRUE(menuAction->shortcut().isEmpty());
}

TEST(Action, TwoLiveShortcutsOnOneKeyFireNeither) {
    // What the one-owner rule avoids: Qt reports the ambiguity and fires neither.
    QWidget window;
    int fired = 0;
    for (int i = 0; i < 2; ++i) {
        auto* a = new Action(&window, "&Find");
        a->SetShortcut("Ctrl+F");
        a->onExecute = [&](Action&) { ++fired; };
    }
    Activate(&window);
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(fired, 0);
}

TEST(Action, AnActionLeavesItsListWhenDestroyed) {
    ActionList list;
    auto* window = new QWidget;
    int updates = 0;
    list.Make(window, "&One")->onUpdate = [&](Action&) { ++updates; };
    delete window;
    EXPECT_TRUE(list.Actions().empty());
    list.UpdateActions();
    EXPECT_EQ(updates, 0);
}

}  // namespace
