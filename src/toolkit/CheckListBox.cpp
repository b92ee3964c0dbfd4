#include "toolkit/CheckListBox.h"

#include "toolkit/ListBoxModel.h"

CheckListBox::CheckListBox(QWidget* parent, const char* name, bool sorted) : ListBox(parent, name, sorted) {
    Items().SetCheckable(true);
    Items().onUserCheck = [this](int index) {
        if (onClickCheck) onClickCheck(index);
    };
}

void CheckListBox::SetAllowGrayed(bool allow) {
    Items().SetAllowGrayed(allow);
}

CheckListBox::State CheckListBox::ItemState(int index) const {
    return index >= 0 && index < Count() ? State(Items().State(index)) : Unchecked;
}

void CheckListBox::SetItemState(int index, State state) {
    Items().SetState(index, int(state));
}
