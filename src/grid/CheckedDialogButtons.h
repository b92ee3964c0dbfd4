#pragma once
// The OK and Cancel buttons of a dialog that checks its entries on OK. OK ("O&K", the default
// button, modal result OK) runs the check through its action OKAction, which is enabled only
// while the entries count as changed; a failed check refuses the close once, so that the next
// close request (the frame's close box too) closes. Cancel ("&Cancel", the cancel button, modal
// result Cancel) always closes. A member of its form, which it takes the close query of.
#include <functional>

#include "toolkit/ActionList.h"

class Action;
class Form;
class QPushButton;

class CheckedDialogButtons {
public:
    // check answers whether the dialog may close with OK; it may show boxes.
    CheckedDialogButtons(Form& form, std::function<bool()> check);
    CheckedDialogButtons(const CheckedDialogButtons&) = delete;
    CheckedDialogButtons& operator=(const CheckedDialogButtons&) = delete;

    // Whether the entries count as changed; OK follows.
    void SetChanged(bool changed);
    bool Changed() const { return changed_; }

    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    std::function<bool()> check_;
    bool changed_ = false;
    bool mayClose_ = true;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    Action* okAction_ = nullptr;
    ActionList actions_;
};
