#include "toolkit/ComboBox.h"

#include <QLineEdit>
#include <QStringList>
#include <algorithm>
#include <numeric>

#include "toolkit/QtText.h"
#include "toolkit/SortCollation.h"
#include "toolkit/Win1252Validator.h"

ComboBox::ComboBox(QWidget* parent, const char* name, Style style, bool sorted)
    : QComboBox(parent), sorted_(sorted) {
    if (name) setObjectName(QString::fromLatin1(name));
    auto changed = [this] {
        if (onChange) onChange();
    };
    if (style == Style::DropDown) {
        setEditable(true);
        setInsertPolicy(NoInsert);
        lineEdit()->setValidator(new Win1252Validator(this));
        connect(lineEdit(), &QLineEdit::textEdited, this, changed);
    }
    connect(this, qOverload<int>(&QComboBox::activated), this, changed);
}

int ComboBox::AddItem(const std::string& item) {
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
    // Qt makes the first item current by itself; the program alone chooses the item.
    bool none = currentIndex() < 0;
    QString typed = currentText();
    insertItem(at, ToQt(item));
    if (none && currentIndex() >= 0) {
        setCurrentIndex(-1);
        if (isEditable()) setEditText(typed);
    }
    return at;
}

void ComboBox::AddItems(const std::vector<std::string>& items) {
    if (items.empty()) return;
    const int current = currentIndex();
    const QString typed = currentText();
    std::vector<std::string> all;
    all.reserve(std::size_t(count()) + items.size());
    for (int i = 0; i < count(); ++i) all.push_back(Item(i));
    all.insert(all.end(), items.begin(), items.end());
    // The items already held stay before equal new ones, and the new ones keep their order among
    // equals, as one-by-one insertion after the last equal item does.
    std::vector<std::size_t> order(all.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (sorted_)
        std::stable_sort(order.begin(), order.end(), [&all](std::size_t a, std::size_t b) {
            return CompareSortText(all[a], all[b]) < 0;
        });
    QStringList texts;
    texts.reserve(qsizetype(order.size()));
    int chosen = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        texts.push_back(ToQt(all[order[i]]));
        if (current >= 0 && order[i] == std::size_t(current)) chosen = int(i);
    }
    clear();
    addItems(texts);
    setCurrentIndex(chosen);
    if (chosen < 0 && isEditable()) setEditText(typed);
}

std::string ComboBox::Item(int index) const {
    return FromQt(itemText(index));
}

void ComboBox::SetItemIndex(int index) {
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

std::string ComboBox::Text() const {
    return FromQt(currentText());
}

void ComboBox::SetText(const std::string& text) {
    if (isEditable())
        setEditText(ToQt(text));
    else
        setCurrentIndex(findText(ToQt(text), Qt::MatchExactly));
}
