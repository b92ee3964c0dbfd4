#pragma once
// Confirms an operation on many records: the user types their number. OK is enabled after a change
// of the number, or from the start when no number is required; a wrong number shows the
// validation box and refuses the close once. Cancel is the default button: Enter cancels.
#include <cstdint>
#include <string>

#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class Edit;
class QLabel;
class QPushButton;

class TConfirmationForm : public Form {
public:
    TConfirmationForm(QWidget* owner, int32_t expected, bool confirmationRequired, const std::string& caption,
                      const std::string& message);

private:
    void OkExecute();

    std::string message_;
    std::string caption_;
    bool changed_ = false;
    bool mayClose_ = true;
    bool confirmationRequired_;
    int32_t expected_;
    QLabel* confirmationLabel_;
    Edit* confirmationEdit_;
    QLabel* messageLabel_;
    ActionList actions_;
    Action* okAction_;
};
