#include "grid/TStringInputForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "toolkit/Action.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"

TStringInputForm::TStringInputForm(QWidget* owner, const std::string& label, std::string* text)
    : Form(owner), text_(text) {
    setObjectName("StringInputForm");
    setWindowTitle(QStringLiteral("Default Edit Form"));
    SetCentreOnOwner(true);
    auto* stringLabel = new QLabel(ToQt(label), this);
    stringLabel->setObjectName("StringInputLabel");
    edit_ = new Edit(this, "StringInputEdit");
    auto* ok = new QPushButton(QStringLiteral("O&K"), this);
    ok->setObjectName("OkButton");
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName("CancelButton");
    auto* okAction = new Action(this, "O&K");
    okAction->onExecute = [this](Action&) {
        if (text_) *text_ = edit_->Text();
    };
    BindButton(ok, mrOk, okAction);
    BindButton(cancel, mrCancel);
    SetDefaultButton(ok);
    SetCancelButton(cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(stringLabel, 0, 0, 1, 3);
    layout->addWidget(edit_, 1, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    layout->addWidget(ok, 2, 1);
    layout->addWidget(cancel, 2, 2);
    resize(sizeHint().expandedTo(QSize(320, 0)));
    setMinimumHeight(height());
    setMaximumHeight(height());
    setMinimumWidth(width());
    onShow = [this] {
        edit_->SetText(text_ ? *text_ : std::string());
        edit_->setFocus();
        edit_->selectAll();
    };
}
