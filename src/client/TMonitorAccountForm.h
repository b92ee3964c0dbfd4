#pragma once
// The small dialog in which a Jek user switches an account's ActiveForReporting flag, for one
// account (OK enabled only once the box differs from the account's state) or for all displayed
// accounts (OK enabled from the start). Only OK and Cancel (or Esc) close it; its close box does
// nothing. The caller creates it, runs ShowModal, reads IsMonitoringActive after an OK and frees
// it.
#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class CheckBox;
class QPushButton;

class TMonitorAccountForm : public Form {
public:
    TMonitorAccountForm(QWidget* owner, bool alwaysEnableOk, bool active);

    bool IsMonitoringActive() const { return active_; }

private:
    bool okEnabled_ = false;
    bool mayClose_ = false;
    bool active_;
    bool alwaysEnableOk_;
    CheckBox* monitoringCheckBox_;
    Action* okAction_;
    ActionList actions_;
};
