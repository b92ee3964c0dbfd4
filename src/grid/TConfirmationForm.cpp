#include "grid/TConfirmationForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "fields/MIntX.h"
#include "toolkit/Action.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

TConfirmationForm::TConfirmationForm(QWidget* owner, int32_t expected, bool confirmationRequired,
                                     const std::string& caption, const std::string& message)
    : Form(owner),
      message_(message),
      caption_(caption),
      confirmationRequired_(confirmationRequired),
      expected_(expected) {
    setObjectName("ConfirmationForm");
    SetCentreOnOwner(true);
    confirmationLabel_ = new QLabel(QStringLiteral("&Total number of records"), this);
    confirmationLabel_->setObjectName("ConfirmationLabel");
    confirmationEdit_ = new Edit(this, "ConfirmationEdit");
    confirmationLabel_->setBuddy(confirmationEdit_);
    auto* group = new QGroupBox(QStringLiteral("Action Details"), this);
    messageLabel_ = new QLabel(group);
    messageLabel_->setObjectName("MessageLabel");
    messageLabel_->setWordWrap(true);
    messageLabel_->setFixedSize(320, 60);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(messageLabel_);
    auto* ok = new QPushButton(QStringLiteral("O&K"), this);
    ok->setObjectName("OKButton");
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName("CancelButton");
    okAction_ = new Action(this, "O&K");
    actions_.Add(okAction_);
    okAction_->setObjectName("OKAction");
    okAction_->onUpdate = [this](Action& a) { a.SetEnabled(changed_ || !confirmationRequired_); };
    okAction_->onExecute = [this](Action&) { OkExecute(); };
    BindButton(ok, mrOk, okAction_);
    BindButton(cancel, mrCancel);
    SetDefaultButton(cancel);
    SetCancelButton(cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(confirmationLabel_, 0, 0);
    layout->addWidget(confirmationEdit_, 0, 1);
    layout->addWidget(group, 1, 0, 1, 2);
    layout->addWidget(ok, 2, 0);
    layout->addWidget(cancel, 2, 1);
    confirmationEdit_->onChange = [this] {
        changed_ = true;
        okAction_->Update();
    };
    onShow = [this] {
        confirmationLabel_->setEnabled(confirmationRequired_);
        confirmationEdit_->setEnabled(confirmationRequired_);
        setWindowTitle(ToQt(caption_));
        messageLabel_->setText(ToQt(message_));
        okAction_->Update();
    };
    onCloseQuery = [this] {
        const bool answer = mayClose_;
        mayClose_ = true;
        return answer;
    };
}

void TConfirmationForm::OkExecute() {
    MInt number;
    number.SetString(confirmationEdit_->Text());
    if (!confirmationRequired_ || number.GetValue() == expected_) return;
    Ui().MessageBox(this, "You have to enter exact value to confirm the operation", "Confirmation Validation",
                    BoxIcon::Error, BoxButtons::Ok);
    if (confirmationEdit_->isVisible() && confirmationEdit_->isEnabled()) confirmationEdit_->setFocus();
    mayClose_ = false;
}
