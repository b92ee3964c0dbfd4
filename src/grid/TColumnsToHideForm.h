#pragma once
// The column hiding dialog ("Column Hiding Selection"): a sorted check list of column titles,
// checked meaning hidden. It edits the caller's map from title to "visible" in place on OK. OK is
// enabled only after a change and while at least one entry is unchecked, so that one column
// stays visible; Hide All checks every entry, Reset All unchecks them.
#include <map>
#include <string>

#include "grid/CheckedDialogButtons.h"
#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class CheckListBox;

class TColumnsToHideForm : public Form {
public:
    TColumnsToHideForm(QWidget* owner, std::map<std::string, bool>& visibility);

    CheckListBox* Columns() const { return columns_; }
    Action* HideAllAction() const { return hideAll_; }
    Action* ResetAllAction() const { return resetAll_; }
    bool IsModified() const { return modified_; }

private:
    void SetAll(bool checked);
    void SetModified();
    bool AnyChecked(bool checked) const;
    void Apply();

    std::map<std::string, bool>& visibility_;
    bool modified_ = false;
    CheckListBox* columns_;
    ActionList actions_;
    Action* hideAll_;
    Action* resetAll_;
    CheckedDialogButtons buttons_;
};
