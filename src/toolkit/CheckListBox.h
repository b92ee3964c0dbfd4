#pragma once
// List box whose items carry a check box with two or three states (unchecked, checked, grayed).
// A user's toggle (click on the box, or space) cycles unchecked, grayed (when allowed), checked;
// the check event fires only for the user's toggles, never when the program sets a state.
#include <functional>

#include "toolkit/ListBox.h"

class CheckListBox : public ListBox {
public:
    enum State { Unchecked = 0, Grayed = 1, Checked = 2 };
    explicit CheckListBox(QWidget* parent = nullptr, const char* name = nullptr, bool sorted = false);

    void SetAllowGrayed(bool allow);
    State ItemState(int index) const;
    void SetItemState(int index, State state);
    bool IsChecked(int index) const { return ItemState(index) == Checked; }
    void SetChecked(int index, bool checked) { SetItemState(index, checked ? Checked : Unchecked); }

    // Index of the toggled item.
    std::function<void(int index)> onClickCheck;
};
