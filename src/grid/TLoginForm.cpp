#include "grid/TLoginForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "grid/ControlTools.h"
#include "toolkit/Action.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

TLoginForm::TLoginForm(QWidget* owner, int16_t userNameMaxLength, std::string& password,
                       std::string& userName)
    : Form(owner), password_(password), userName_(userName), userNameMaxLength_(userNameMaxLength) {
    setObjectName("LoginForm");
    setWindowTitle(QStringLiteral("Login Information"));
    SetCentreOnOwner(true);
    auto* userNameLabel = new QLabel(QStringLiteral("&User Name"), this);
    userNameLabel->setObjectName("UserNameLabel");
    userNameEdit_ = new Edit(this, "UserNameEdit");
    userNameLabel->setBuddy(userNameEdit_);
    auto* passwordLabel = new QLabel(QStringLiteral("&Password"), this);
    passwordLabel->setObjectName("PasswordLabel");
    passwordEdit_ = new Edit(this, "PasswordEdit");
    MakePasswordEdit(passwordEdit_);
    passwordEdit_->setFont(QFont(QStringLiteral("Arial")));
    passwordLabel->setBuddy(passwordEdit_);
    auto* ok = new QPushButton(QStringLiteral("O&K"), this);
    ok->setObjectName("OKButton");
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName("CancelButton");
    okAction_ = new Action(this, "O&K");
    okAction_->setObjectName("OKAction");
    actions_.Add(okAction_);
    okAction_->onUpdate = [this](Action& a) { a.SetEnabled(changed_); };
    okAction_->onExecute = [this](Action&) { Validate(); };
    auto* cancelAction = new Action(this, "&Cancel");
    cancelAction->onExecute = [this](Action&) { mayClose_ = true; };
    BindButton(ok, mrOk, okAction_);
    BindButton(cancel, mrCancel, cancelAction);
    SetDefaultButton(ok);
    SetCancelButton(cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(userNameLabel, 0, 0);
    layout->addWidget(userNameEdit_, 0, 1, 1, 2);
    layout->addWidget(passwordLabel, 1, 0);
    layout->addWidget(passwordEdit_, 1, 1, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->addWidget(ok, 2, 1);
    layout->addWidget(cancel, 2, 2);
    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
    const auto changed = [this] {
        changed_ = true;
        okAction_->Update();
    };
    userNameEdit_->onChange = changed;
    passwordEdit_->onChange = changed;
    onShow = [this] {
        userNameEdit_->SetText(userName_);
        userNameEdit_->SetMaxLength(userNameMaxLength_);
        passwordEdit_->SetMaxLength(kPasswordMaxLength);
        changed_ = false;
        okAction_->Update();
    };
    onCloseQuery = [this] {
        const bool answer = mayClose_;
        mayClose_ = true;
        return answer;
    };
}

bool TLoginForm::Validate() {
    if (userNameEdit_->Text().empty() || passwordEdit_->Text().empty()) {
        const QPointer<TLoginForm> self(this);
        Ui().MessageBox(this, "You have to provide valid user name and password", "Login validation",
                        BoxIcon::Error, BoxButtons::Ok);
        if (self) mayClose_ = false;
        return false;
    }
    userName_ = userNameEdit_->Text();
    password_ = passwordEdit_->Text();
    mayClose_ = true;
    return true;
}
