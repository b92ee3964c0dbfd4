#include "toolkit/ComboBox.h"

#include <QLineEdit>

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
