#include "grid/CheckedDialogButtons.h"

#include <QPointer>
#include <QPushButton>

#include "toolkit/Action.h"
#include "toolkit/Form.h"

CheckedDialogButtons::CheckedDialogButtons(Form& form, std::function<bool()> check)
    : check_(std::move(check)) {
    ok_ = new QPushButton(QStringLiteral("O&K"), &form);
    ok_->setObjectName("OKButton");
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), &form);
    cancel_->setObjectName("CancelButton");
    okAction_ = new Action(&form, "O&K");
    okAction_->setObjectName("OKAction");
    actions_.Add(okAction_);
    okAction_->onUpdate = [this](Action& a) { a.SetEnabled(changed_); };
    okAction_->onExecute = [this, &form](Action&) {
        // The check's boxes run modal loops: the dialog may be gone when it returns.
        const QPointer<Form> alive(&form);
        const bool passed = check_();
        if (alive) mayClose_ = passed;
    };
    auto* cancelAction = new Action(&form, "&Cancel");
    cancelAction->onExecute = [this](Action&) { mayClose_ = true; };
    form.BindButton(ok_, mrOk, okAction_);
    form.BindButton(cancel_, mrCancel, cancelAction);
    form.SetDefaultButton(ok_);
    form.SetCancelButton(cancel_);
    form.onCloseQuery = [this] {
        const bool answer = mayClose_;
        mayClose_ = true;
        return answer;
    };
}

void CheckedDialogButtons::SetChanged(bool changed) {
    changed_ = changed;
    okAction_->Update();
}
