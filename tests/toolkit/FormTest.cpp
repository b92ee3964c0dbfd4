#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "guisupport/ScriptedUi.h"
#include "toolkit/Action.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"

namespace {

// A dialog shaped like the windows' own: an edit, OK bound to an action that validates and keeps
// a may-close flag, Cancel with its own handler; OK is the default button, Cancel the cancel one.
class AskForm : public Form {
public:
    AskForm() {
        setWindowTitle("Ask");
        edit = new Edit(this, "ValueEdit");
        ok = new QPushButton("O&K", this);
        ok->setObjectName("OKButton");
        cancel = new QPushButton("&Cancel", this);
        cancel->setObjectName("CancelButton");
        okAction = new Action(this, "O&K");
        okAction->onExecute = [this](Action&) {
            mayClose = edit->Text() == "25";
            if (!mayClose) Ui().MessageBox(this, "Wrong value", "Validation", BoxIcon::Error, BoxButtons::Ok);
        };
        BindButton(ok, mrOk, okAction);
        BindButton(cancel, mrCancel);
        connect(cancel, &QPushButton::clicked, this, [this] { ++cancelHandlerRuns; });
        SetDefaultButton(ok);
        SetCancelButton(cancel);
        onShow = [this] { ++shows; };
        onCloseQuery = [this] {
            ++queries;
            bool answer = mayClose;
            mayClose = true;  // a refusal holds once
            return answer;
        };
        onClose = [this] { ++closes; };
    }
    Edit* edit;
    QPushButton* ok;
    QPushButton* cancel;
    Action* okAction;
    bool mayClose = true;
    int shows = 0, queries = 0, closes = 0, cancelHandlerRuns = 0;
};

TEST(Form, AFailingOkRefusesTheCloseOnceAndAFollowingRequestCloses) {
    ScriptedUi ui;
    AskForm form;
    ui.ExpectModal<AskForm>([](AskForm& f) {
          EXPECT_EQ(f.shows, 1);
          f.edit->SetText("24");
          f.Control<QPushButton>("OKButton")->click();
          EXPECT_TRUE(f.isVisible());
          EXPECT_EQ(f.ModalResult(), mrNone);
          f.edit->SetText("25");
          f.ok->click();
      }).ExpectBox("Validation", "Wrong value", BoxIcon::Error, BoxButtons::Ok, mrOk);
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.queries, 2);
    EXPECT_EQ(form.closes, 1);

    // A refused close leaves the form open with no result; the next request closes.
    AskForm direct;
    direct.ShowModeless();
    direct.mayClose = false;
    direct.SetModalResult(mrOk);
    EXPECT_TRUE(direct.isVisible());
    EXPECT_EQ(direct.ModalResult(), mrNone);
    direct.SetModalResult(mrOk);
    EXPECT_FALSE(direct.isVisible());
    EXPECT_EQ(direct.ModalResult(), mrOk);
}

TEST(Form, EscTheCloseBoxAndCancelEachGiveCancelAndOnlyCancelRunsItsHandler) {
    struct Case {
        const char* how;
        std::function<void(AskForm&)> close;
        int cancelHandlerRuns;
    } cases[] = {
        {"Esc", [](AskForm& f) { QTest::keyClick(f.edit, Qt::Key_Escape); }, 1},
        {"close box", [](AskForm& f) { f.close(); }, 0},
        {"Cancel", [](AskForm& f) { f.cancel->click(); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        ScriptedUi ui;
        AskForm form;
        ui.ExpectModal<AskForm>([&](AskForm& f) { c.close(f); });
        EXPECT_EQ(form.ShowModal(), mrCancel);
        EXPECT_EQ(form.cancelHandlerRuns, c.cancelHandlerRuns);
        EXPECT_EQ(form.queries, 1);
    }
}

TEST(Form, TheCloseBoxIsRefusedByTheCloseQuery) {
    AskForm form;
    form.ShowModeless();
    form.mayClose = false;
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.ModalResult(), mrNone);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(form.ModalResult(), mrCancel);
}

TEST(Form, EnterClicksTheDefaultButtonOnlyWhileItIsEnabled) {
    AskForm form;
    form.ShowModeless();
    form.edit->SetText("25");
    form.ok->setEnabled(false);
    QTest::keyClick(form.edit, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.queries, 0);
    form.ok->setEnabled(true);
    QTest::keyClick(form.edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.ModalResult(), mrOk);
    // Enter on the focused Cancel button still goes to the default button: no button is
    // auto-default.
    form.ShowModeless();
    EXPECT_FALSE(form.cancel->autoDefault());
    QTest::keyClick(form.cancel, Qt::Key_Return);
    EXPECT_EQ(form.ModalResult(), mrOk);
    EXPECT_EQ(form.cancelHandlerRuns, 0);
}

TEST(Form, AButtonSetsTheResultRunsTheActionAndThenAsksTheCloseQuery) {
    AskForm form;
    std::vector<std::string> order;
    form.okAction->onExecute = [&](Action&) {
        order.push_back("action, result " + std::to_string(form.ModalResult()));
    };
    form.onCloseQuery = [&] {
        order.push_back("query");
        return true;
    };
    form.ShowModeless();
    form.ok->click();
    EXPECT_EQ(order, (std::vector<std::string>{"action, result 1", "query"}));
    EXPECT_EQ(form.ModalResult(), mrOk);
}

TEST(Form, ADisabledActionKeepsItsButtonDisabledAndTheFormOpen) {
    AskForm form;
    form.okAction->onUpdate = [](Action& a) { a.SetEnabled(false); };
    form.okAction->Update();
    EXPECT_FALSE(form.ok->isEnabled());
    form.okAction->onUpdate = [](Action& a) { a.SetEnabled(true); };
    form.okAction->Update();
    EXPECT_TRUE(form.ok->isEnabled());
}

TEST(Form, CentresOnItsOwnerAndRunsTheResizeHook) {
    QWidget owner;
    owner.setGeometry(100, 100, 600, 400);
    owner.show();
    AskForm form;
    form.setParent(&owner, form.windowFlags());
    int resizes = 0;
    form.onResize = [&] { ++resizes; };
    form.resize(200, 100);
    form.SetCentreOnOwner(true);
    form.ShowModeless();
    QPoint centre = form.frameGeometry().center();
    EXPECT_NEAR(centre.x(), owner.frameGeometry().center().x(), 20);
    EXPECT_NEAR(centre.y(), owner.frameGeometry().center().y(), 40);
    int shown = resizes;
    form.resize(260, 120);
    EXPECT_EQ(resizes, shown + 1);
}

// A form whose OK and Cancel are made and bound before its edits, as a member helper of a dialog
// does: creation order alone would put the buttons first.
class EntryForm : public Form {
public:
    EntryForm() {
        setWindowTitle("Entry");
        auto* ok = new QPushButton("O&K", this);
        ok->setObjectName("OKButton");
        auto* cancel = new QPushButton("&Cancel", this);
        cancel->setObjectName("CancelButton");
        BindButton(ok, mrOk);
        BindButton(cancel, mrCancel);
        SetDefaultButton(ok);
        SetCancelButton(cancel);
        auto* label = new QLabel("&First", this);
        first = new Edit(this, "FirstEdit");
        label->setBuddy(first);
        second = new Edit(this, "SecondEdit");
    }
    Edit* first;
    Edit* second;
};

std::string FocusedName() {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName().toStdString() : std::string("(none)");
}

// The focus goes where the form opens: the active control it names, else the first control of its
// tab order that can take it, unless the show hook puts it elsewhere; the same when it opens again.
// Typed keys reach that control.
TEST(Form, OpensWithTheFocusOnItsActiveOrFirstControl) {
    struct Case {
        const char* name;
        std::function<void(EntryForm&)> setUp;
        const char* focused;
    };
    const Case cases[] = {
        {"first of the tab order", [](EntryForm&) {}, "FirstEdit"},
        {"active control", [](EntryForm& f) { f.SetActiveControl(f.second); }, "SecondEdit"},
        {"first disabled", [](EntryForm& f) { f.first->setEnabled(false); }, "SecondEdit"},
        {"first hidden", [](EntryForm& f) { f.first->hide(); }, "SecondEdit"},
        {"show hook", [](EntryForm& f) { f.onShow = [&f] { f.second->setFocus(); }; }, "SecondEdit"},
        {"show hook disables it", [](EntryForm& f) { f.onShow = [&f] { f.first->setEnabled(false); }; },
         "SecondEdit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedUi ui;
        EntryForm form;
        c.setUp(form);
        for (int open = 0; open < 2; ++open) {
            ui.ExpectModal<EntryForm>([&c](EntryForm& f) {
                ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
                EXPECT_EQ(FocusedName(), c.focused);
                if (QWidget* focused = QApplication::focusWidget()) QTest::keyClicks(focused, "ab");
                EXPECT_EQ(f.Control<Edit>(c.focused)->Text(), "ab");
                f.Control<Edit>(c.focused)->clear();
                f.Control<QPushButton>("OKButton")->setFocus();
                f.Control<QPushButton>("CancelButton")->click();
            });
            EXPECT_EQ(form.ShowModal(), mrCancel);
        }
    }
}

// The buttons bound to a result follow the other controls in the tab order, in the order bound.
TEST(Form, TabGoesThroughTheControlsAndThenTheBoundButtons) {
    ScriptedUi ui;
    EntryForm form;
    ui.ExpectModal<EntryForm>([](EntryForm& f) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        std::vector<std::string> order{FocusedName()};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.push_back(FocusedName());
        }
        EXPECT_EQ(order, (std::vector<std::string>{"FirstEdit", "SecondEdit", "OKButton", "CancelButton",
                                                   "FirstEdit"}));
        QTest::keyClicks(QApplication::focusWidget(), "name");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "pw");
        EXPECT_EQ(f.first->Text(), "name");
        EXPECT_EQ(f.second->Text(), "pw");
        f.Control<QPushButton>("CancelButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

}  // namespace
