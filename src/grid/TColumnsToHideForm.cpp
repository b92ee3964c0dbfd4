#include "grid/TColumnsToHideForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "grid/ControlTools.h"
#include "toolkit/Action.h"
#include "toolkit/CheckListBox.h"

TColumnsToHideForm::TColumnsToHideForm(QWidget* owner, std::map<std::string, bool>& visibility)
    : Form(owner), visibility_(visibility), buttons_(*this, [this] {
          Apply();
          return true;
      }) {
    setObjectName("ColumnsToHideForm");
    setWindowTitle(QStringLiteral("Column Hiding Selection"));
    SetCentreOnOwner(true);
    resize(345, 245);
    auto* layout = new QGridLayout(this);
    auto* text = new QLabel(QStringLiteral("Check columns in order to hide them"), this);
    text->setObjectName("StaticText");
    columns_ = new CheckListBox(this, "ColumnsCheckListBox", true);
    QPushButton* hideAllButton =
        MakeActionButton(actions_, this, "&Hide All", "HideAllAction", "HideAllButton", &hideAll_);
    QPushButton* resetAllButton =
        MakeActionButton(actions_, this, "&Reset All", "ResetAllAction", "ResetAllButton", &resetAll_);
    layout->addWidget(text, 0, 0, 1, 4);
    layout->addWidget(columns_, 1, 0, 1, 4);
    layout->addWidget(hideAllButton, 2, 0);
    layout->addWidget(resetAllButton, 2, 1);
    layout->addWidget(buttons_.OkButton(), 2, 2);
    layout->addWidget(buttons_.CancelButton(), 2, 3);

    hideAll_->onUpdate = [this](Action& a) { a.SetEnabled(AnyChecked(false)); };
    hideAll_->onExecute = [this](Action&) { SetAll(true); };
    resetAll_->onUpdate = [this](Action& a) { a.SetEnabled(AnyChecked(true)); };
    resetAll_->onExecute = [this](Action&) { SetAll(false); };
    columns_->onClickCheck = [this](int) { SetModified(); };
    onShow = [this] {
        // Only taller: the width stays as designed.
        setMinimumHeight(height());
        setFixedWidth(width());
        columns_->Clear();
        for (const auto& [title, visible] : visibility_) columns_->AddItem(title);
        for (int i = 0; i < columns_->Count(); ++i)
            columns_->SetChecked(i, !visibility_.at(columns_->Item(i)));
        modified_ = false;
        buttons_.SetChanged(false);
        actions_.UpdateActions();
    };
}

bool TColumnsToHideForm::AnyChecked(bool checked) const {
    for (int i = 0; i < columns_->Count(); ++i)
        if (columns_->IsChecked(i) == checked) return true;
    return false;
}

void TColumnsToHideForm::SetAll(bool checked) {
    for (int i = 0; i < columns_->Count(); ++i) columns_->SetChecked(i, checked);
    SetModified();
}

void TColumnsToHideForm::SetModified() {
    modified_ = true;
    buttons_.SetChanged(AnyChecked(false));
    actions_.UpdateActions();
}

void TColumnsToHideForm::Apply() {
    for (int i = 0; i < columns_->Count(); ++i) visibility_[columns_->Item(i)] = !columns_->IsChecked(i);
}
