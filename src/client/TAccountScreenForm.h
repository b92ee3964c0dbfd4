#pragma once
// The modal dialog in which a user creates or modifies one account profile: a client account
// (modes 'N' and 'U'), a master account ('M' and 'P') or a non-reportable account ('R' and 'D').
// The caller creates it per use with the session, a copy of the account and the mode, runs
// ShowModal and frees it. OK validates the controls into an account entry, asks for confirmation,
// sends the AN (or, for a non-reportable account, the AM built from it) through the session and
// closes with mrOk; a failed check shows its message in the red label at the bottom and keeps the
// dialog open. Unlink sends the AL that unlinks the account from its master account and keeps the
// dialog open. Cancel closes with mrCancel and sends nothing.
// What each mode shows, the participant list, the checks and the messages live in the Qt-free
// AccountScreenPlan, AccountParticipants and AccountEntryReader; the form only wires them to its
// controls.
#include <memory>
#include <string>

#include "brae/BraeLetterEnumerations.h"
#include "brae/Brae_AN_AccountEntry.h"
#include "fields/CommandEnumerations.h"
#include "store/AccountDisplayData.h"
#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class CheckBox;
class ComboBox;
class Edit;
class KVNEventManager;
class QLabel;
class QPushButton;
class QWidget;

class TAccountScreenForm : public Form {
public:
    using Mode = EnumBraeKTSAccountEntryAction;

    // The session outlives the dialog. The account is copied; its mode is applied when the dialog
    // shows.
    TAccountScreenForm(QWidget* owner, KVNEventManager& session, const AccountDisplayData& account,
                       Mode mode);
    ~TAccountScreenForm() override;

    Mode GetMode() const { return mode_; }
    // The account shown; after an OK in modes 'R' and 'D' its ActiveForReporting flag is the one sent.
    const AccountDisplayData& GetAccount() const { return account_; }
    // The entry the last successful validation filled (default-constructed before).
    const Brae_AN_AccountEntry& GetEntry() const { return entry_; }
    // The text of the last failed validation, as the red label shows it.
    const std::string& GetErrorText() const { return errorText_; }

    // The form's own table of its controls.
    struct Controls;

private:
    void BuildControls();
    void FormShow();
    void OKActionExecute();
    void UnlinkActionExecute();
    bool ReadFields();
    // 'P', 'A', 'M', 'S' or ' ', as the session's user type says.
    char UserTypeLetter() const;

    KVNEventManager& session_;
    AccountDisplayData account_;
    Mode mode_;
    Brae_AN_AccountEntry entry_;
    std::string errorText_;
    bool master_ = false;
    int modify_ = 0;
    EnumActionType action_ = EnumActionType::Unknown;
    bool mayClose_ = true;
    bool shown_ = false;
    std::unique_ptr<Controls> c_;
    Action* okAction_ = nullptr;
    ActionList actions_;
};
