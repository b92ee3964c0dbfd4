#pragma once
// Edits one list of chosen texts out of a list of choices: a sorted check list where every checked
// item is chosen. The caller's chosen list is read when the dialog shows and rewritten, in list
// order, on OK (chosen texts that are not among the choices are dropped); Cancel leaves it. OK is
// enabled after a change. A view-only dialog shows the choices with their check boxes disabled,
// All and Reset disabled, and OK enabled. Both lists belong to the caller and must outlive the
// dialog.
#include <string>
#include <vector>

#include "grid/CheckedDialogButtons.h"
#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class CheckListBox;
class QLabel;

class TCheckListSingleSelectionForm : public Form {
public:
    TCheckListSingleSelectionForm(QWidget* owner, bool viewOnly, const std::string& title,
                                  std::vector<std::string>& chosen, const std::vector<std::string>& choices);

    CheckListBox* SourceCheckListBox() const { return list_; }
    Action* CheckAllAction() const { return checkAll_; }
    Action* ResetAction() const { return reset_; }
    int CheckedCount() const { return checkedCount_; }

private:
    void FormShow();
    void SourceCheckListBoxClickCheck(int index);
    void SetAll(bool checked);
    void SetChanged();
    void OKActionExecute();

    std::vector<std::string>& chosen_;
    const std::vector<std::string>& choices_;
    std::string title_;
    bool viewOnly_;
    int checkedCount_ = 0;
    QLabel* sourceLabel_;
    CheckListBox* list_;
    ActionList actions_;
    Action* checkAll_;
    Action* reset_;
    CheckedDialogButtons buttons_;
};
