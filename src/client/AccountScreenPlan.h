#pragma once
// What the account profile screen shows in each of its modes to each type of user, computed from
// the mode letter and the user-type letter alone: the caption, the modify flag, the action, the
// account-type list, and for every control (with its label), mark, panel and button whether it is
// shown disabled, hidden, disabled or left as the form builds it (visible and enabled, but for
// the always disabled "Once Reportable" box). A shown or hidden control is disabled as well, as
// ShowControlWithLabel does it. Plain values, no Qt.
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "brae/BraeLetterEnumerations.h"
#include "fields/CommandEnumerations.h"

// The items of the screen a mode sets up. A control item stands for the control and its label.
enum class AccountScreenItem {
    None = -1,
    MasterAccountId,
    AccountId,
    ParticipantId,
    Name,
    NonReportableParticipantId,
    AffiliatedCie,
    Reportable,
    Monitoring,
    Number,
    OwnerId,
    OwnerType,
    Risk,
    AccountType,
    Address,
    City,
    Province,
    Country,
    PostalCode,
    Phone,
    Fax,
    Email,
    // The red marks of the required fields.
    RequiredNumber,
    RequiredOwnerId,
    RequiredOwnerType,
    RequiredRisk,
    RequiredAccountType,
    RequiredName,
    RequiredAddress,
    RequiredCity,
    RequiredProvince,
    RequiredCountry,
    RequiredPostalCode,
    RequiredParticipantId,
    RequiredNonReportableParticipantId,
    // The panel of the account management ids and the unlink button.
    JekPanel,
    UnlinkButton,
    Count
};

enum class AccountItemState {
    AsForm,         // left as the form has it
    ShownDisabled,  // visible, disabled
    Hidden,         // hidden, disabled
    Disabled        // disabled, its visibility left (the management panel of master accounts)
};

class AccountScreenPlan {
public:
    using Mode = EnumBraeKTSAccountEntryAction;
    static constexpr int kItemCount = static_cast<int>(AccountScreenItem::Count);

    // The plan of a mode for a user type ('P', 'A', 'M' or 'S'; 'M' and 'S' are Jek users).
    static AccountScreenPlan Make(Mode mode, char userType);

    // The enumerator name of a mode ("CreateNewAccount" ...), the start of its command text.
    static std::string ModeName(Mode mode);

    AccountItemState State(AccountScreenItem item) const { return states_[static_cast<std::size_t>(item)]; }

    std::string Caption;
    int Modify = 0;
    EnumActionType Action = EnumActionType::Unknown;
    bool Master = false;         // modes 'M' and 'P'
    bool NonReportable = false;  // modes 'R' and 'D': the entry's type is NonReportable, an AM is sent
    bool Creating = false;       // modes 'N', 'M' and 'R'
    bool StartActive = false;    // mode 'R': the ActiveForReporting flag is set before showing
    bool EmptyNumber = false;    // master modes: the number edit and the entry's number emptied
    // The account-type list leaves out these table indexes; with a forced type, that type is the
    // selection, else the account's own.
    std::vector<int> ExcludedAccountTypes;
    bool ForceAccountType = false;
    EnumBraeKTSAccountType AccountType = EnumBraeKTSAccountType::Client;

private:
    void Set(AccountScreenItem item, AccountItemState state) {
        states_[static_cast<std::size_t>(item)] = state;
    }
    void Set(std::initializer_list<AccountScreenItem> items, AccountItemState state) {
        for (AccountScreenItem item : items) Set(item, state);
    }

    std::array<AccountItemState, kItemCount> states_{};
};
