#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

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

}  // namespace
