#include "toolkit/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "toolkit/DialogFocus.h"
#include "toolkit/Edit.h"

FindDialog::FindDialog(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Find"));
    edit_ = new Edit(this, "FindEdit");
    auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
    label->setBuddy(edit_);
    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    up_ = new QRadioButton(QStringLiteral("&Up"), direction);
    up_->setObjectName(QStringLiteral("UpRadio"));
    down_ = new QRadioButton(QStringLiteral("&Down"), direction);
    down_->setObjectName(QStringLiteral("DownRadio"));
    down_->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down_);
    wholeWord_ = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    wholeWord_->setObjectName(QStringLiteral("WholeWordCheck"));
    matchCase_ = new QCheckBox(QStringLiteral("Match &case"), this);
    matchCase_->setObjectName(QStringLiteral("MatchCaseCheck"));
    find_ = new QPushButton(QStringLiteral("&Find Next"), this);
    find_->setObjectName(QStringLiteral("FindButton"));
    find_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(edit_, 0, 1);
    grid->addWidget(find_, 0, 2);
    grid->addWidget(wholeWord_, 1, 0, 1, 2);
    grid->addWidget(cancel, 1, 2);
    grid->addWidget(matchCase_, 2, 0);
    grid->addWidget(direction, 2, 1);

    auto enableFind = [this] { find_->setEnabled(!edit_->text().isEmpty()); };
    enableFind();
    connect(edit_, &QLineEdit::textChanged, this, enableFind);
    connect(find_, &QPushButton::clicked, this, [this] {
        if (onFind) onFind();
    });
    connect(cancel, &QPushButton::clicked, this, &FindDialog::CloseDialog);
}

void FindDialog::Execute() {
    show();
    raise();
    activateWindow();
}

void FindDialog::CloseDialog() {
    close();
}

std::string FindDialog::FindText() const {
    return edit_->Text();
}

void FindDialog::SetFindText(const std::string& text) {
    edit_->SetText(text);
}

bool FindDialog::Down() const {
    return down_->isChecked();
}

void FindDialog::SetDown(bool down) {
    (down ? down_ : up_)->setChecked(true);
}

bool FindDialog::MatchCase() const {
    return matchCase_->isChecked();
}

void FindDialog::SetMatchCase(bool match) {
    matchCase_->setChecked(match);
}

bool FindDialog::WholeWord() const {
    return wholeWord_->isChecked();
}

void FindDialog::SetWholeWord(bool whole) {
    wholeWord_->setChecked(whole);
}

void FindDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    DialogFocus::Open(this, nullptr);
    if (onShow) onShow();
    DialogFocus::Confirm(this);
}

void FindDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous() && onClose) onClose();
}
