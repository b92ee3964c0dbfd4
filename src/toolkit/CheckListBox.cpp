#include "toolkit/CheckListBox.h"

#include "toolkit/QtText.h"

namespace {
constexpr int kKnownState = Qt::UserRole + 1;  // the state last seen, to tell a toggle from a rename
}

CheckListBox::CheckListBox(QWidget* parent, const char* name, bool sorted) : ListBox(parent, name, sorted) {
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        int state = item->checkState();
        if (item->data(kKnownState).toInt() == state) return;
        bool wasProgram = programmatic_;
        programmatic_ = true;
        item->setData(kKnownState, state);
        programmatic_ = wasProgram;
        if (!wasProgram && onClickCheck) onClickCheck(row(item));
    });
}

void CheckListBox::Prepare(QListWidgetItem* item) {
    Qt::ItemFlags flags = item->flags() | Qt::ItemIsUserCheckable;
    item->setFlags(allowGrayed_ ? flags | Qt::ItemIsUserTristate : flags & ~Qt::ItemIsUserTristate);
}

void CheckListBox::SetAllowGrayed(bool allow) {
    allowGrayed_ = allow;
    programmatic_ = true;
    for (int i = 0; i < count(); ++i) Prepare(item(i));
    programmatic_ = false;
}

int CheckListBox::AddItem(const std::string& text) {
    int at = ListBox::AddItem(text);
    programmatic_ = true;
    QListWidgetItem* i = item(at);
    Prepare(i);
    i->setCheckState(Qt::Unchecked);
    i->setData(kKnownState, int(Qt::Unchecked));
    programmatic_ = false;
    return at;
}

CheckListBox::State CheckListBox::ItemState(int index) const {
    const QListWidgetItem* i = item(index);
    return i ? State(i->checkState()) : Unchecked;
}

void CheckListBox::SetItemState(int index, State state) {
    QListWidgetItem* i = item(index);
    if (!i) return;
    programmatic_ = true;
    i->setCheckState(Qt::CheckState(state));
    programmatic_ = false;
}

void CheckListBox::AddItems(const std::vector<std::string>& items) {
    if (count() > 0 && Sorted()) {
        for (const std::string& item : items) AddItem(item);
        return;
    }
    programmatic_ = true;
    for (const std::string& text : OrderForAppend(items)) {
        // Given its check box before it joins the list, so that nothing about it is signalled.
        auto* added = new QListWidgetItem(ToQt(text));
        Prepare(added);
        added->setCheckState(Qt::Unchecked);
        added->setData(kKnownState, int(Qt::Unchecked));
        addItem(added);
    }
    programmatic_ = false;
}
