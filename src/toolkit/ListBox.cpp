#include "toolkit/ListBox.h"

#include "toolkit/QtText.h"
#include "toolkit/SortCollation.h"

ListBox::ListBox(QWidget* parent, const char* name, bool sorted) : QListWidget(parent), sorted_(sorted) {
    if (name) setObjectName(QString::fromLatin1(name));
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
