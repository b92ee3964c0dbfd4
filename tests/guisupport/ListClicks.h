#pragma once
// The user's clicks on list boxes in tests, going where a mouse click goes: to the view's current
// index (the click event fires), to its selection, or to the model's check state (as the item
// delegate sets it on a click in the check box; the check event fires).
#include "toolkit/CheckListBox.h"

// A click on the item (-1: outside every item).
inline void ClickItem(ListBox* list, int index) {
    list->setCurrentIndex(list->model()->index(index, 0));
}

// A control-click adding the item to a multiple selection.
inline void AddToSelection(ListBox* list, int index) {
    list->selectionModel()->select(list->model()->index(index, 0), QItemSelectionModel::Select);
}

inline void ClickCheck(CheckListBox* list, int index, bool checked = true) {
    list->model()->setData(list->model()->index(index, 0), checked ? Qt::Checked : Qt::Unchecked,
                           Qt::CheckStateRole);
}
