// MDI children, the find dialog and the visibility rules of windows that were never shown.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <clocale>
#include <cstdio>

#include "toolkit/Application.h"
#include "toolkit/Edit.h"
#include "toolkit/FindDialog.h"
#include "toolkit/Form.h"
#include "toolkit/MdiForm.h"
#include "toolkit/MessageRouter.h"

namespace {

TEST(MdiForm, ClosesThroughItsCloseQueryAndFreesItselfAndItsFrame) {
    QMainWindow main;
    auto* area = new QMdiArea;
    main.setCentralWidget(area);
    main.show();
    QPointer<MdiForm> child = new MdiForm(area);
    QPointer<QMdiSubWindow> frame = child->SubWindow();
    uint32_t handle = child->Handle();
    bool mayClose = false;
    int closes = 0;
    child->onCloseQuery = [&] { return mayClose; };
    child->onClose = [&] { ++closes; };
    child->setWindowTitle("Accounts");
    child->Show();
    EXPECT_EQ(MessageRouter::WindowTitle(handle), "Accounts");
    EXPECT_EQ(area->activeSubWindow(), frame.data());

    frame->close();  // the frame's close box
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(child);
    EXPECT_EQ(closes, 0);
    mayClose = true;
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(frame);
    EXPECT_FALSE(child);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(MessageRouter::IsWindow(handle));
    EXPECT_TRUE(area->subWindowList().isEmpty());
}

TEST(MdiForm, StaysAnAlienWidget) {
    QMainWindow main;
    auto* area = new QMdiArea;
    main.setCentralWidget(area);
    auto* child = new MdiForm(area);
    child->Show();
    main.show();
    EXPECT_FALSE(child->testAttribute(Qt::WA_NativeWindow));
    EXPECT_FALSE(child->SubWindow()->testAttribute(Qt::WA_NativeWindow));
}

TEST(FindDialog, EventsOnShowFindAndCloseWithItsOptions) {
    FindDialog dialog;
    std::vector<std::string> events;
    dialog.onShow = [&] { events.push_back("show"); };
    dialog.onClose = [&] { events.push_back("close"); };
    dialog.onFind = [&] {
        events.push_back("find " + dialog.FindText() + (dialog.Down() ? " down" : " up") +
                         (dialog.MatchCase() ? " case" : "") + (dialog.WholeWord() ? " word" : ""));
    };
    dialog.SetFindText("abc");
    dialog.Execute();
    auto* find = dialog.findChild<QPushButton*>("FindButton");
    find->click();
    dialog.findChild<QRadioButton*>("UpRadio")->click();
    dialog.findChild<QCheckBox*>("MatchCaseCheck")->click();
    dialog.findChild<QCheckBox*>("WholeWordCheck")->click();
    find->click();
    dialog.findChild<QLineEdit*>("FindEdit")->clear();
    EXPECT_FALSE(find->isEnabled());
    dialog.findChild<QPushButton*>("CancelButton")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(events, (std::vector<std::string>{"show", "find abc down", "find abc up case word", "close"}));
    dialog.SetDown(true);
    dialog.SetMatchCase(false);
    dialog.SetWholeWord(false);
    EXPECT_TRUE(dialog.Down());
}

TEST(Application, VisibilityAndFocusAreJudgedWithinTheWindowNotTheScreen) {
    Form never;  // never shown, as an offscreen form in a test
    auto* shown = new Edit(&never, "Shown");
    auto* hidden = new Edit(&never, "Hidden");
    hidden->hide();
    auto* disabled = new Edit(&never, "Disabled");
    disabled->setEnabled(false);
    auto* label = new QWidget(&never);
    EXPECT_FALSE(shown->isVisible());  // what Qt says on its own
    EXPECT_TRUE(Application::IsShowing(shown));
    EXPECT_TRUE(Application::CanFocus(shown));
    EXPECT_FALSE(Application::IsShowing(hidden));
    EXPECT_FALSE(Application::CanFocus(hidden));
    EXPECT_TRUE(Application::IsShowing(disabled));
    EXPECT_FALSE(Application::CanFocus(disabled));
    EXPECT_FALSE(Application::CanFocus(label));
    EXPECT_TRUE(Application::IsShowing(&never));
    EXPECT_FALSE(Application::IsShowing(nullptr));
    never.show();
    never.hide();  // closed on purpose
    EXPECT_FALSE(Application::IsShowing(&never));
    EXPECT_FALSE(Application::CanFocus(shown));
}

TEST(Application, TheDecimalSeparatorIsAPoint) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", 1.5);
    EXPECT_STREQ(text, "1.50");
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
}

}  // namespace
