#include "grid/TCheckListSingleSelectionForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "grid/ControlTools.h"
#include "toolkit/Action.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/QtText.h"

TCheckListSingleSelectionForm::TCheckListSingleSelectionForm(QWidget* owner, bool viewOnly,
                                                             const std::string& title,
                                                             std::vector<std::string>& chosen,
                                                             const std::vector<std::string>& choices)
    : Form(owner),
      chosen_(chosen),
      choices_(choices),
      title_(title),
      viewOnly_(viewOnly),
      buttons_(*this, [this] {
          OKActionExecute();
          return true;
      }) {
    setObjectName("CheckListSingleSelectionForm");
    setWindowTitle(QStringLiteral("List Single Selection Form"));
    SetCentreOnOwner(true);
    sourceLabel_ = new QLabel(this);
    sourceLabel_->setObjectName("SourceListLabel");
    list_ = new CheckListBox(this, "SourceCheckListBox", true);
    QPushButton* checkAllButton =
        MakeActionButton(actions_, this, "&All", "CheckAllAction", "CheckAllButton", &checkAll_);
    QPushButton* resetButton =
        MakeActionButton(actions_, this, "&Reset", "ResetAction", "ResetButton", &reset_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(sourceLabel_, 0, 0, 1, 4);
    layout->addWidget(list_, 1, 0, 1, 4);
    layout->addWidget(checkAllButton, 2, 0);
    layout->addWidget(resetButton, 2, 1);
    layout->addWidget(buttons_.OkButton(), 2, 2);
    layout->addWidget(buttons_.CancelButton(), 2, 3);
    resize(313, 329);

    checkAll_->onUpdate = [this](Action& a) { a.SetEnabled(!viewOnly_ && checkedCount_ < list_->Count()); };
    checkAll_->onExecute = [this](Action&) { SetAll(true); };
    reset_->onUpdate = [this](Action& a) { a.SetEnabled(!viewOnly_ && checkedCount_ > 0); };
    reset_->onExecute = [this](Action&) { SetAll(false); };
    list_->onClickCheck = [this](int index) { SourceCheckListBoxClickCheck(index); };
    onShow = [this] { FormShow(); };
}

void TCheckListSingleSelectionForm::FormShow() {
    setMinimumSize(size());
    list_->Clear();
    list_->AddItems(choices_);
    checkedCount_ = 0;
    for (int i = 0; i < list_->Count(); ++i) {
        if (std::find(chosen_.begin(), chosen_.end(), list_->Item(i)) == chosen_.end()) continue;
        list_->SetChecked(i, true);
        ++checkedCount_;
    }
    // A view-only list shows its checks but takes no toggle.
    list_->setEnabled(!viewOnly_);
    setWindowTitle(ToQt(title_ + (viewOnly_ ? " - View Form" : " - Selection Form")));
    sourceLabel_->setText(ToQt(title_));
    buttons_.SetChanged(viewOnly_);
    actions_.UpdateActions();
}

void TCheckListSingleSelectionForm::SourceCheckListBoxClickCheck(int index) {
    checkedCount_ += list_->IsChecked(index) ? 1 : -1;
    SetChanged();
}

void TCheckListSingleSelectionForm::SetAll(bool checked) {
    for (int i = 0; i < list_->Count(); ++i) list_->SetChecked(i, checked);
    checkedCount_ = checked ? list_->Count() : 0;
    SetChanged();
}

void TCheckListSingleSelectionForm::SetChanged() {
    buttons_.SetChanged(true);
    actions_.UpdateActions();
}

void TCheckListSingleSelectionForm::OKActionExecute() {
    chosen_.clear();
    for (int i = 0; i < list_->Count(); ++i)
        if (list_->IsChecked(i)) chosen_.push_back(list_->Item(i));
}
