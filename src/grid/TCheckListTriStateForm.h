#pragma once
// "Modify EnumSet": per flag of a set column, set it, clear it or keep each row's value. Every
// flag starts grayed (keep); the user's clicks move a flag between checked (set) and unchecked
// (clear); All checks every flag, Clear unchecks every flag, Defaults grays them all again. OK is
// enabled only after a change that Defaults has not undone; the caller reads the outcome, per
// flag in the given order, after OK. The flag names belong to the caller and must outlive the
// dialog.
#include <string>
#include <vector>

#include "toolkit/ActionList.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/Form.h"

class Action;

class TCheckListTriStateForm : public Form {
public:
    TCheckListTriStateForm(QWidget* owner, const std::vector<std::string>& flags,
                           const std::string& columnTitle);

    // The state of each flag, in the order of the flag names.
    CheckListBox::State FlagState(int index) const;
    CheckListBox* FlagsCheckListBox() const { return flagsList_; }
    bool Changed() const { return changed_; }

private:
    void FormShow();
    void SetAll(CheckListBox::State state, bool changed);

    const std::vector<std::string>& flags_;
    bool changed_ = false;
    CheckListBox* flagsList_;
    ActionList actions_;
    Action* okAction_;
};
