#include "toolkit/ListBox.h"

#include <algorithm>

#include "toolkit/QtText.h"
#include "toolkit/SortCollation.h"

ListBox::ListBox(QWidget* parent, const char* name, bool sorted) : QListWidget(parent), sorted_(sorted) {
    if (name) setObjectName(QString::fromLatin1(name));
    // One line of text per item: the view need not measure every item of a long list.
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (!programmatic_ && onClick) onClick();
    });
}

int ListBox::AddItem(const std::string& item) {
    int at = count();
    if (sorted_) {
        int low = 0;
        while (low < at) {
            int mid = (low + at) / 2;
            if (CompareSortText(Item(mid), item) <= 0)
                low = mid + 1;
            else
                at = mid;
        }
    }
    programmatic_ = true;
    insertItem(at, ToQt(item));
    programmatic_ = false;
    return at;
}

std::vector<std::string> ListBox::OrderForAppend(const std::vector<std::string>& items) const {
    std::vector<std::string> ordered = items;
    const auto before = [](const std::string& a, const std::string& b) { return CompareSortText(a, b) < 0; };
    // Texts in byte order are often in this order already (digits, one letter case).
    if (sorted_ && !std::is_sorted(ordered.begin(), ordered.end(), before))
        std::stable_sort(ordered.begin(), ordered.end(), before);
    return ordered;
}

void ListBox::AddItems(const std::vector<std::string>& items) {
    if (count() > 0 && sorted_) {
        for (const std::string& item : items) AddItem(item);
        return;
    }
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : OrderForAppend(items)) texts.append(ToQt(item));
    programmatic_ = true;
    addItems(texts);
    programmatic_ = false;
}

std::string ListBox::Item(int index) const {
    const QListWidgetItem* i = item(index);
    return i ? FromQt(i->text()) : std::string();
}

void ListBox::Clear() {
    programmatic_ = true;
    clear();
    programmatic_ = false;
}

void ListBox::SetItemIndex(int index) {
    programmatic_ = true;
    setCurrentRow(index >= 0 && index < count() ? index : -1);
    programmatic_ = false;
}
