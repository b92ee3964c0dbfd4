#include "grid/TLoginForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "grid/ControlTools.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

TLoginForm::TLoginForm(QWidget* owner, int16_t userNameMaxLength, std::string& password,
                       std::string& userName)
    : Form(owner),
      password_(password),
      userName_(userName),
      userNameMaxLength_(userNameMaxLength),
      buttons_(*this, [this] { return Validate(); }) {
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
    auto* layout = new QGridLayout(this);
    layout->addWidget(userNameLabel, 0, 0);
    layout->addWidget(userNameEdit_, 0, 1, 1, 2);
    layout->addWidget(passwordLabel, 1, 0);
    layout->addWidget(passwordEdit_, 1, 1, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->addWidget(buttons_.OkButton(), 2, 1);
    layout->addWidget(buttons_.CancelButton(), 2, 2);
    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
    const auto changed = [this] { buttons_.SetChanged(true); };
    userNameEdit_->onChange = changed;
    passwordEdit_->onChange = changed;
    onShow = [this] {
        userNameEdit_->SetText(userName_);
        userNameEdit_->SetMaxLength(userNameMaxLength_);
        passwordEdit_->SetMaxLength(kPasswordMaxLength);
        buttons_.SetChanged(false);
    };
}

bool TLoginForm::Validate() {
    if (userNameEdit_->Text().empty() || passwordEdit_->Text().empty()) {
        Ui().MessageBox(this, "You have to provide valid user name and password", "Login validation",
                        BoxIcon::Error, BoxButtons::Ok);
        return false;
    }
    userName_ = userNameEdit_->Text();
    password_ = passwordEdit_->Text();
    return true;
}
