#pragma once
// "Sort Selection Form": the columns a grid window sorts by, in order of precedence, each checked
// for ascending or unchecked for descending, chosen out of the columns it may sort by. It works on
// the caller's texts (titles) only: the criteria list is read when the dialog shows and replaced
// on OK; Cancel leaves it alone. OK is enabled after a change.
#include <string>
#include <vector>

#include "grid/CheckedDialogButtons.h"
#include "grid/SortSelectionLists.h"
#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class CheckListBox;
class ListBox;

class TSortSelectionForm : public Form {
public:
    TSortSelectionForm(QWidget* owner, std::vector<SortSelectionData>& criteria,
                       const std::vector<std::string>& titles);

    // The first selected item of the list, -1 when none.
    static int GetFirstSelection(const ListBox* list);
    // Gives the list the focus, makes item min(index, count - 1) current and marks a change.
    void SetItem(ListBox* list, int index);
    // At most one item of the sort list is selected.
    bool HasSingleSelection() const;

    ListBox* SrcList() const { return srcList_; }
    CheckListBox* DstCheckList() const { return dstList_; }
    const CheckedDialogButtons& buttons() const { return buttons_; }

private:
    void FormShow();
    void Refill();
    static std::vector<bool> Selection(const ListBox* list);
    void IncludeBtnClick();
    void ExcludeBtnClick();
    void IncAllBtnClick();
    void ExcAllBtnClick();
    void MoveCurrent(int delta);
    void MarkChanged() { buttons_.SetChanged(true); }
    bool OKActionExecute();

    std::vector<SortSelectionData>& criteria_;
    std::vector<std::string> titles_;
    SortSelectionLists lists_;
    ListBox* srcList_;
    CheckListBox* dstList_;
    ActionList actions_;
    CheckedDialogButtons buttons_;
};
