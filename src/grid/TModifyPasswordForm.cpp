#include "grid/TModifyPasswordForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <tuple>
#include <utility>

#include "brae/Brae_TC_UserConnection.h"
#include "grid/ControlTools.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

namespace {

const char kIncorrect[] = "User Name or Old Password is incorrect. Please enter value again.";

bool IsPasswordCharacter(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 33 && code <= 126;
}

}  // namespace

TModifyPasswordForm::TModifyPasswordForm(QWidget* owner, int32_t maxLength, std::string& newPassword,
                                         std::string& newPasswordProof, const std::string& oldPasswordProof,
                                         const std::string& userName)
    : Form(owner),
      newPassword_(newPassword),
      newPasswordProof_(newPasswordProof),
      oldPasswordProof_(oldPasswordProof),
      userName_(userName),
      maxLength_(maxLength),
      buttons_(*this, [this] { return Validate(); }) {
    setObjectName("ModifyPasswordForm");
    setWindowTitle(QStringLiteral("Modify User Password "));
    SetCentreOnOwner(true);
    auto* layout = new QGridLayout(this);
    const auto addRow = [this, layout](int row, const char* caption, const char* labelName,
                                       const char* editName, bool password) {
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        label->setObjectName(labelName);
        auto* edit = new Edit(this, editName);
        if (password) MakePasswordEdit(edit);
        label->setBuddy(edit);
        layout->addWidget(label, row, 0);
        layout->addWidget(edit, row, 1, 1, 2);
        return std::make_pair(label, edit);
    };
    std::tie(userNameLabel_, userNameEdit_) = addRow(0, "&User Name", "UserNameLabel", "UserNameEdit", false);
    oldPasswordEdit_ = addRow(1, "&Old Password", "OldPasswordLabel", "OldPasswordEdit", true).second;
    newPasswordEdit_ = addRow(2, "&New Password", "NewPasswordLabel", "NewPasswordEdit", true).second;
    confirmPasswordEdit_ =
        addRow(3, "Confirm Ne&w Password", "ConfirmPasswordLabel", "ConfirmPasswordEdit", true).second;
    layout->setColumnStretch(0, 1);
    layout->addWidget(buttons_.OkButton(), 4, 1);
    layout->addWidget(buttons_.CancelButton(), 4, 2);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
    const auto changed = [this] { buttons_.SetChanged(true); };
    for (Edit* edit : {oldPasswordEdit_, newPasswordEdit_, confirmPasswordEdit_}) edit->onChange = changed;
    onShow = [this] {
        userNameLabel_->setEnabled(false);
        userNameEdit_->setEnabled(false);
        userNameEdit_->SetText(userName_);
        if (maxLength_ != 0)
            for (Edit* edit : {oldPasswordEdit_, newPasswordEdit_, confirmPasswordEdit_})
                edit->SetMaxLength(maxLength_);
        buttons_.SetChanged(false);
        oldPasswordEdit_->setFocus();
    };
}

std::string TModifyPasswordForm::ComputeProof(const std::string& password) {
    return Brae_TC_UserConnection::ComputePasswordDigest("", password);
}

void TModifyPasswordForm::ClearPasswords() {
    for (Edit* edit : {oldPasswordEdit_, newPasswordEdit_, confirmPasswordEdit_}) edit->clear();
}

bool TModifyPasswordForm::CheckUserName() {
    message_.clear();
    if (userNameEdit_->Text() == userName_) return true;
    message_ = kIncorrect;
    userNameEdit_->clear();
    ClearPasswords();
    return false;
}

bool TModifyPasswordForm::CheckOldPassword() {
    message_.clear();
    if (ComputeProof(oldPasswordEdit_->Text()) == oldPasswordProof_) return true;
    message_ = kIncorrect;
    ClearPasswords();
    oldPasswordEdit_->setFocus();
    return false;
}

bool TModifyPasswordForm::CheckNewPassword() {
    message_.clear();
    typedNewPassword_ = newPasswordEdit_->Text();
    if (typedNewPassword_.empty()) {
        message_ = "You have to provide valid new password.";
        newPasswordEdit_->setFocus();
        return false;
    }
    for (char c : typedNewPassword_) {
        if (IsPasswordCharacter(c)) continue;
        message_ =
            "Password contains invalid characters.\n"
            "Only alphanumeric and the following characters are allowed: !\"#$%&'()*+'-./:;<=>?@^_`{|}~";
        return false;
    }
    return true;
}

bool TModifyPasswordForm::CheckConfirmation() {
    message_.clear();
    const std::string confirmation = confirmPasswordEdit_->Text();
    if (confirmation.empty()) {
        message_ = "You have to confirm new password.";
        confirmPasswordEdit_->setFocus();
        return false;
    }
    if (confirmation == typedNewPassword_) return true;
    message_ = "Newly entered password does not match. Please enter passwords again.";
    ClearPasswords();
    oldPasswordEdit_->setFocus();
    return false;
}

bool TModifyPasswordForm::Validate() {
    if (!CheckUserName() || !CheckOldPassword() || !CheckNewPassword() || !CheckConfirmation()) {
        Ui().MessageBox(this, message_, kCaption, BoxIcon::Error, BoxButtons::Ok);
        return false;
    }
    const QPointer<TModifyPasswordForm> self(this);
    const int answer = Ui().MessageBox(this,
                                       "You are about to modify your password."
                                       "\n\nPress OK button to proceed with the modification.",
                                       kCaption, BoxIcon::Information, BoxButtons::OkCancel);
    if (!self || answer != mrOk) return false;
    newPasswordProof_ = ComputeProof(typedNewPassword_);
    newPassword_ = typedNewPassword_;
    return true;
}
