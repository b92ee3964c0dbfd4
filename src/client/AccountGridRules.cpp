#include "client/AccountGridRules.h"

void AccountGridRules::Displayed::Add(const AccountDisplayData& account) {
    ++Rows;
    if (IsMaster(account)) ++Masters;
    if (IsLinkableAccount(account)) ++Linkable;
    if (IsLinkedAccount(account)) ++Linked;
    if (!IsJekDeletable(account)) JekDeletable = false;
}

bool AccountGridRules::IsMaster(const AccountDisplayData& account) {
    return account.InternalAccountType.Is(EnumBraeKTSInternalAccountType::MasterAccount);
}

bool AccountGridRules::IsNonReportable(const AccountDisplayData& account) {
    return account.AccountType.Is(EnumBraeKTSAccountType::NonReportable);
}

bool AccountGridRules::IsLinkableAccount(const AccountDisplayData& account) {
    return !IsMaster(account) && account.MasterAccountId.IsBlank();
}

bool AccountGridRules::IsLinkedAccount(const AccountDisplayData& account) {
    return !IsMaster(account) && !account.MasterAccountId.IsBlank();
}

bool AccountGridRules::IsJekDeletable(const AccountDisplayData& account) {
    return IsMaster(account) ||
           (IsNonReportable(account) && !account.Flags.Contains(EnumBraeKTSAccountFlags::OnceReportable));
}

bool AccountGridRules::CanEditRecord(const State& state, const AccountDisplayData* row) {
    if (!state.HasData || !state.Ready || !row) return false;
    return state.UserType == 'P' || IsNonReportable(*row);
}

bool AccountGridRules::CanDeleteRecord(const State& state, const AccountDisplayData* row) {
    if (!state.HasData || !state.Ready || state.UserType == 'A' || !row) return false;
    return state.UserType == 'P' || state.UserType == 'S' || IsJekDeletable(*row);
}

bool AccountGridRules::CanCopyRecord(const State& state) {
    return state.UserType == 'P' && state.Ready;
}

bool AccountGridRules::CanCreateRecord(const State& state) {
    return state.UserType == 'P' && state.Ready;
}

bool AccountGridRules::CanDeleteAllDisplayed(const State& state, const Displayed& displayed) {
    if (!state.HasData || !state.Ready || state.UserType == 'A') return false;
    return state.UserType == 'P' || state.UserType == 'S' || displayed.JekDeletable;
}

bool AccountGridRules::CanImport(const State& state) {
    return state.UserType == 'P' && state.Ready;
}

bool AccountGridRules::CanUseMasterActions(const State& state) {
    return state.Ready && state.HasData && IsJek(state.UserType);
}

bool AccountGridRules::CanCreateMasterAccount(const State& state) {
    return state.Ready && IsJek(state.UserType);
}

bool AccountGridRules::CanCreateMasterFromAccount(const State& state, const AccountDisplayData* row) {
    return CanUseMasterActions(state) && row && !IsMaster(*row);
}

bool AccountGridRules::CanLink(const State& state, const AccountDisplayData* row) {
    return CanUseMasterActions(state) && row && IsLinkableAccount(*row);
}

bool AccountGridRules::CanLinkAllDisplayed(const State& state, const Displayed& displayed) {
    return CanUseMasterActions(state) && displayed.Linkable > 0;
}

bool AccountGridRules::CanUnlink(const State& state, const AccountDisplayData* row) {
    return CanUseMasterActions(state) && row && IsLinkedAccount(*row);
}

bool AccountGridRules::CanUnlinkAllDisplayed(const State& state, const Displayed& displayed) {
    return CanUseMasterActions(state) && displayed.Linked > 0;
}

bool AccountGridRules::CanModifyReporting(const State& state, const AccountDisplayData* row) {
    return CanUseMasterActions(state) && row && !IsMaster(*row);
}

bool AccountGridRules::CanModifyReportingAllDisplayed(const State& state, const Displayed& displayed) {
    return CanUseMasterActions(state) && displayed.Masters == 0;
}

AccountGridRules::Mode AccountGridRules::EditMode(const AccountDisplayData& account) {
    if (IsMaster(account)) return Mode::UpdateExistingMasterAccount;
    if (IsNonReportable(account)) return Mode::UpdateNonReportableAccount;
    return Mode::UpdateExistingAccount;
}

AccountGridRules::Mode AccountGridRules::CopyMode(const AccountDisplayData& account) {
    return IsMaster(account) ? Mode::CreateNewMasterAccount : Mode::CreateNewAccount;
}
