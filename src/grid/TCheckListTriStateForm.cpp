#include "grid/TCheckListTriStateForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "toolkit/Action.h"
#include "toolkit/QtText.h"

TCheckListTriStateForm::TCheckListTriStateForm(QWidget* owner, const std::vector<std::string>& flags,
                                               const std::string& columnTitle)
    : Form(owner), flags_(flags) {
    setObjectName("CheckListTriStateForm");
    setWindowTitle(QStringLiteral("Modify EnumSet"));
    SetCentreOnOwner(true);
    auto* titleLabel = new QLabel(ToQt(columnTitle), this);
    titleLabel->setObjectName("ColumnTitleLabel");
    auto* valuesLabel = new QLabel(QStringLiteral("Values"), this);
    valuesLabel->setObjectName("ValuesLabel");
    flagsList_ = new CheckListBox(this, "mFlagsCheckListBox");
    valuesLabel->setBuddy(flagsList_);
    auto* allDisplayed = new QLabel(QStringLiteral("All Displayed: "), this);
    allDisplayed->setObjectName("AllDisplayedLabel");
    const auto button = [this](const char* caption, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(name);
        return b;
    };
    QPushButton* all = button("&All", "mAllButton");
    QPushButton* clear = button("C&lear", "mClearButton");
    QPushButton* defaults = button("&Defaults", "mDefaultsButton");
    QPushButton* ok = button("&OK", "OKButton");
    QPushButton* cancel = button("&Cancel", "CancelButton");
    okAction_ = actions_.Make(this, "&OK");
    okAction_->setObjectName("OKAction");
    okAction_->onUpdate = [this](Action& a) { a.SetEnabled(changed_); };
    BindButton(ok, mrOk, okAction_);
    BindButton(cancel, mrCancel);
    SetDefaultButton(ok);
    SetCancelButton(cancel);

    auto* layout = new QGridLayout(this);
    layout->addWidget(titleLabel, 0, 0, 1, 2);
    layout->addWidget(valuesLabel, 1, 0);
    layout->addWidget(flagsList_, 2, 0, 4, 1);
    layout->addWidget(all, 2, 1);
    layout->addWidget(clear, 3, 1);
    layout->addWidget(defaults, 4, 1);
    layout->setRowStretch(5, 1);
    layout->addWidget(allDisplayed, 6, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 7, 0, 1, 2);
    resize(300, 320);

    QObject::connect(all, &QPushButton::clicked, this, [this] { SetAll(CheckListBox::Checked, true); });
    QObject::connect(clear, &QPushButton::clicked, this, [this] { SetAll(CheckListBox::Unchecked, true); });
    QObject::connect(defaults, &QPushButton::clicked, this, [this] { SetAll(CheckListBox::Grayed, false); });
    flagsList_->onClickCheck = [this](int) {
        changed_ = true;
        okAction_->Update();
    };
    onShow = [this] { FormShow(); };
}

void TCheckListTriStateForm::FormShow() {
    setMinimumSize(size());
    flagsList_->Clear();
    flagsList_->AddItems(flags_);
    SetAll(CheckListBox::Grayed, changed_);
}

void TCheckListTriStateForm::SetAll(CheckListBox::State state, bool changed) {
    for (int i = 0; i < flagsList_->Count(); ++i) flagsList_->SetItemState(i, state);
    changed_ = changed;
    okAction_->Update();
}

CheckListBox::State TCheckListTriStateForm::FlagState(int index) const {
    return flagsList_->ItemState(index);
}
