#include "grid/TSortSelectionForm.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "toolkit/Action.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/ListBox.h"
#include "toolkit/QtText.h"

TSortSelectionForm::TSortSelectionForm(QWidget* owner, std::vector<SortSelectionData>& criteria,
                                       const std::vector<std::string>& titles)
    : Form(owner),
      criteria_(criteria),
      titles_(titles),
      srcList_(new ListBox(this, "SrcList", true)),
      dstList_(new CheckListBox(this, "DstCheckList")),
      buttons_(*this, [this] { return OKActionExecute(); }) {
    setObjectName("SortSelectionForm");
    setWindowTitle(QStringLiteral("Sort Selection Form"));
    SetCentreOnOwner(true);
    resize(571, 333);
    srcList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    dstList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* srcLabel = new QLabel(QStringLiteral("&Fields:"), this);
    srcLabel->setObjectName("SrcLabel");
    srcLabel->setBuddy(srcList_);
    auto* dstLabel = new QLabel(QStringLiteral("&Sort By Fields:"), this);
    dstLabel->setObjectName("DstLabel");
    dstLabel->setBuddy(dstList_);
    auto* note = new QLabel(QStringLiteral("Check item to set ascending sort"), this);
    note->setObjectName("NoteStaticText");
    QFont bold = note->font();
    bold.setBold(true);
    note->setFont(bold);

    auto* buttonColumn = new QVBoxLayout;
    const auto button = [&](const char* name, const char* actionName, const char* caption, auto run,
                            std::function<bool()> enabled) {
        auto* action = new Action(this, caption);
        action->setObjectName(actionName);
        actions_.Add(action);
        action->onExecute = [run](Action&) { run(); };
        action->onUpdate = [enabled = std::move(enabled)](Action& a) { a.SetEnabled(enabled()); };
        auto* b = new QPushButton(ToQt(caption), this);
        b->setObjectName(name);
        action->BindButton(b);
        buttonColumn->addWidget(b);
    };
    button(
        "IncludeBtn", "IncludeBtnAction", ">", [this] { IncludeBtnClick(); },
        [this] { return srcList_->Count() > 0 && GetFirstSelection(srcList_) >= 0; });
    button(
        "IncAllBtn", "IncAllBtnAction", ">>", [this] { IncAllBtnClick(); },
        [this] { return srcList_->Count() > 0; });
    button(
        "ExcludeBtn", "ExcludeBtnAction", "<", [this] { ExcludeBtnClick(); },
        [this] { return dstList_->Count() > 0 && GetFirstSelection(dstList_) >= 0; });
    button(
        "ExAllBtn", "ExAllBtnAction", "<<", [this] { ExcAllBtnClick(); },
        [this] { return dstList_->Count() > 0; });
    buttonColumn->addStretch();

    auto* moveColumn = new QVBoxLayout;
    const auto moveButton = [&](const char* name, const char* actionName, const char* caption, int delta) {
        auto* action = new Action(this, caption);
        action->setObjectName(actionName);
        actions_.Add(action);
        action->onExecute = [this, delta](Action&) { MoveCurrent(delta); };
        action->onUpdate = [this, delta](Action& a) {
            const int current = dstList_->ItemIndex();
            const bool free = delta < 0 ? current != 0 : current + 1 != dstList_->Count();
            a.SetEnabled(dstList_->Count() > 1 && HasSingleSelection() && free);
        };
        auto* b = new QPushButton(ToQt(caption), this);
        b->setObjectName(name);
        action->BindButton(b);
        moveColumn->addWidget(b);
    };
    moveButton("UpButton", "UpButtonAction", "&Up", -1);
    moveButton("DownButton", "DownButtonAction", "&Down", +1);
    moveColumn->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(srcLabel, 0, 0);
    layout->addWidget(dstLabel, 0, 2);
    layout->addWidget(srcList_, 1, 0);
    layout->addLayout(buttonColumn, 1, 1);
    layout->addWidget(dstList_, 1, 2);
    layout->addLayout(moveColumn, 1, 3);
    layout->addWidget(note, 2, 2);
    auto* okCancel = new QHBoxLayout;
    okCancel->addStretch();
    okCancel->addWidget(buttons_.OkButton());
    okCancel->addWidget(buttons_.CancelButton());
    layout->addLayout(okCancel, 3, 0, 1, 4);

    dstList_->onClickCheck = [this](int index) {
        if (index >= 0 && index < static_cast<int>(lists_.SortBy().size()))
            lists_.SortBy()[static_cast<std::size_t>(index)].Ascending = dstList_->IsChecked(index);
        MarkChanged();
    };
    srcList_->onClick = [this] { srcList_->setToolTip(ToQt(srcList_->Item(srcList_->ItemIndex()))); };
    onShow = [this] { FormShow(); };
}

void TSortSelectionForm::FormShow() {
    lists_.Fill(criteria_, titles_);
    Refill();
    buttons_.SetChanged(false);
}

void TSortSelectionForm::Refill() {
    srcList_->Clear();
    srcList_->AddItems(lists_.Fields());
    dstList_->Clear();
    std::vector<std::string> texts;
    for (const SortSelectionData& c : lists_.SortBy()) texts.push_back(c.Column);
    dstList_->AddItems(texts);
    for (std::size_t i = 0; i < lists_.SortBy().size(); ++i)
        dstList_->SetChecked(static_cast<int>(i), lists_.SortBy()[i].Ascending);
    actions_.UpdateActions();
}

int TSortSelectionForm::GetFirstSelection(const ListBox* list) {
    for (int i = 0; i < list->Count(); ++i) {
        if (list->IsSelected(i)) return i;
    }
    return -1;
}

std::vector<bool> TSortSelectionForm::Selection(const ListBox* list) {
    std::vector<bool> selected(static_cast<std::size_t>(list->Count()));
    for (int i = 0; i < list->Count(); ++i) selected[static_cast<std::size_t>(i)] = list->IsSelected(i);
    return selected;
}

void TSortSelectionForm::SetItem(ListBox* list, int index) {
    list->setFocus();
    list->SetItemIndex(list->Count() == 0 ? -1 : std::min(index, list->Count() - 1));
    MarkChanged();
}

bool TSortSelectionForm::HasSingleSelection() const {
    int selected = 0;
    for (int i = 0; i < dstList_->Count(); ++i) selected += dstList_->IsSelected(i) ? 1 : 0;
    return selected <= 1;
}

void TSortSelectionForm::IncludeBtnClick() {
    const int first = GetFirstSelection(srcList_);
    if (first < 0) return;
    lists_.Include(Selection(srcList_));
    Refill();
    SetItem(srcList_, first);
}

void TSortSelectionForm::ExcludeBtnClick() {
    const int first = GetFirstSelection(dstList_);
    if (first < 0) return;
    lists_.Exclude(Selection(dstList_));
    Refill();
    SetItem(dstList_, first);
}

void TSortSelectionForm::IncAllBtnClick() {
    lists_.IncludeAll();
    Refill();
    SetItem(dstList_, 0);
}

void TSortSelectionForm::ExcAllBtnClick() {
    lists_.ExcludeAll();
    Refill();
    SetItem(srcList_, 0);
}

void TSortSelectionForm::MoveCurrent(int delta) {
    const int current = dstList_->ItemIndex();
    const int moved = lists_.Move(current, delta);
    if (moved != current) {
        Refill();
        dstList_->SetItemIndex(moved);
    }
    MarkChanged();
}

bool TSortSelectionForm::OKActionExecute() {
    criteria_ = lists_.SortBy();
    return true;
}
