#include "client/TEncryptionKeyForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "toolkit/Action.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

namespace {

constexpr std::size_t kKeyLength = 16;

bool IsKeyCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' || c == '+';
}

}  // namespace

TEncryptionKeyForm::TEncryptionKeyForm(QWidget* owner, const std::string& key) : Form(owner), key_(key) {
    setObjectName("EncryptionKeyForm");
    setWindowTitle(QStringLiteral("Store Encryption Key"));
    SetCentreOnOwner(true);
    auto* label = new QLabel(QStringLiteral("Encryption Key"), this);
    label->setObjectName("EncryptionKeyLabel");
    edit_ = new Edit(this, "EncryptionKeyEdit");
    edit_->SetMaxLength(int(kKeyLength));
    label->setBuddy(edit_);
    auto* ok = new QPushButton(QStringLiteral("O&K"), this);
    ok->setObjectName("OkButton");
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName("CancelButton");
    okAction_ = new Action(this, "O&K");
    okAction_->setObjectName("OKAction");
    actions_.Add(okAction_);
    okAction_->onUpdate = [this](Action& a) { a.SetEnabled(changed_); };
    okAction_->onExecute = [this](Action&) { OKActionExecute(); };
    auto* cancelAction = new Action(this, "&Cancel");
    cancelAction->onExecute = [this](Action&) { mayClose_ = true; };
    BindButton(ok, mrOk, okAction_);
    BindButton(cancel, mrCancel, cancelAction);
    SetDefaultButton(ok);
    SetCancelButton(cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 3);
    layout->addWidget(edit_, 1, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    layout->addWidget(ok, 2, 1);
    layout->addWidget(cancel, 2, 2);
    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
    edit_->onChange = [this] {
        changed_ = true;
        okAction_->Update();
    };
    onShow = [this] {
        edit_->SetText(key_);
        changed_ = false;  // the key put there is no change of the user's
        okAction_->Update();
        edit_->setFocus();
    };
    // A refused close is refused once.
    onCloseQuery = [this] {
        const bool answer = mayClose_;
        mayClose_ = true;
        return answer;
    };
}

std::string TEncryptionKeyForm::CheckKey(const std::string& key) {
    if (key.size() != kKeyLength) return "Encryption key must be 16 characters long.";
    for (char c : key)
        if (!IsKeyCharacter(c))
            return "Only the following characters are accepted:\r\nletters 'A to Z' or 'a to z' or digits "
                   "'0 to 9' or characters '/' and '+'";
    return {};
}

void TEncryptionKeyForm::OKActionExecute() {
    const std::string key = edit_->Text();
    const std::string failure = CheckKey(key);
    if (!failure.empty()) {
        const QPointer<TEncryptionKeyForm> self(this);
        Ui().MessageBox(this, failure, "Encryption Key Validation", BoxIcon::Error, BoxButtons::Ok);
        if (self) mayClose_ = false;
        return;
    }
    key_ = key;
    mayClose_ = true;
}
