#pragma once
// What the dialog tests read from and do to a dialog's controls: the entries of a list or combo
// box, whether a named button is enabled, and the user's toggle of a check-list entry.
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "toolkit/CheckListBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Form.h"

inline std::vector<std::string> Items(const ListBox* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->Count(); ++i) items.push_back(list->Item(i));
    return items;
}

inline std::vector<std::string> Items(const ComboBox* combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo->Count(); ++i) items.push_back(combo->Item(i));
    return items;
}

inline bool Enabled(Form& f, const char* button) {
    return f.Control<QPushButton>(button)->isEnabled();
}

// The user's toggle of a check-list entry: selected, then the space key.
inline void Toggle(CheckListBox* list, int index) {
    list->SetItemIndex(index);
    QTest::keyClick(list, Qt::Key_Space);
}
