#include "toolkit/ListBox.h"

#include <algorithm>

#include "toolkit/ListBoxModel.h"
#include "toolkit/SortCollation.h"

namespace {

// The order of a sorted list box.
bool SortsBefore(const std::string& a, const std::string& b) {
    return CompareSortText(a, b) < 0;
}

}  // namespace

ListBox::ListBox(QWidget* parent, const char* name, bool sorted)
    : QListView(parent), items_(new ListBoxModel(this)), sorted_(sorted) {
    if (name) setObjectName(QString::fromLatin1(name));
    setModel(items_);
    // One line of text per item: the view need not measure every item of a long list.
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!programmatic_ && onClick) onClick();
    });
}

int ListBox::AddItem(const std::string& item) {
    int at = Count();
    if (sorted_) {  // after the items equal to it
        const std::vector<std::string>& texts = items_->Texts();
        at =
            static_cast<int>(std::upper_bound(texts.begin(), texts.end(), item, SortsBefore) - texts.begin());
    }
    programmatic_ = true;
    items_->Insert(at, item);
    programmatic_ = false;
    return at;
}

void ListBox::AddItems(const std::vector<std::string>& items) {
    if (Count() > 0 && sorted_) {
        for (const std::string& item : items) AddItem(item);
        return;
    }
    std::vector<std::string> ordered = items;
    // Texts in byte order are often in this order already (digits, one letter case).
    if (sorted_ && !std::is_sorted(ordered.begin(), ordered.end(), SortsBefore))
        std::stable_sort(ordered.begin(), ordered.end(), SortsBefore);
    programmatic_ = true;
    items_->Append(std::move(ordered));
    programmatic_ = false;
}

std::string ListBox::Item(int index) const {
    return index >= 0 && index < Count() ? items_->Text(index) : std::string();
}

void ListBox::SetItemText(int index, const std::string& text) {
    items_->SetText(index, text);
}

int ListBox::Count() const {
    return items_->Count();
}

void ListBox::Clear() {
    programmatic_ = true;
    selectionModel()->clear();
    items_->Clear();
    programmatic_ = false;
}

void ListBox::SetItemIndex(int index) {
    const QModelIndex item = items_->index(index >= 0 && index < Count() ? index : -1);
    // As a list widget sets its current row: the selection follows as the selection mode has it.
    QItemSelectionModel::SelectionFlags command = QItemSelectionModel::SelectCurrent;
    if (selectionMode() == SingleSelection) command = QItemSelectionModel::ClearAndSelect;
    if (selectionMode() == NoSelection) command = QItemSelectionModel::NoUpdate;
    programmatic_ = true;
    selectionModel()->setCurrentIndex(item, command);
    programmatic_ = false;
}

bool ListBox::IsSelected(int index) const {
    return index >= 0 && index < Count() && selectionModel()->isSelected(items_->index(index));
}
