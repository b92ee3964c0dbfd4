#include "client/AccountScreenPlan.h"

#include "fields/MEnumAlpha.h"

namespace {

using Item = AccountScreenItem;
using State = AccountItemState;
using AccountTypeField = MEnumAlpha<EnumBraeKTSAccountType, 7>;

std::vector<int> AllTypesBut(std::initializer_list<EnumBraeKTSAccountType> kept) {
    std::vector<int> excluded;
    for (int i = 0; i < AccountTypeField::GetCount(); ++i) {
        bool keep = false;
        for (EnumBraeKTSAccountType type : kept) keep = keep || AccountTypeField::IndexOf(type) == i;
        if (!keep) excluded.push_back(i);
    }
    return excluded;
}

}  // namespace

std::string AccountScreenPlan::ModeName(Mode mode) {
    for (const auto& row : MEnumTable<EnumBraeKTSAccountEntryAction>::kRows)
        if (row.letter == mode) return row.name;
    return {};
}

AccountScreenPlan AccountScreenPlan::Make(Mode mode, char userType) {
    const bool jek = userType == 'M' || userType == 'S';
    AccountScreenPlan plan;
    plan.states_.fill(State::AsForm);
    plan.Master = mode == Mode::CreateNewMasterAccount || mode == Mode::UpdateExistingMasterAccount;
    plan.NonReportable = mode == Mode::NewNonReportableAccount || mode == Mode::UpdateNonReportableAccount;
    plan.Creating = mode == Mode::CreateNewAccount || mode == Mode::CreateNewMasterAccount ||
                    mode == Mode::NewNonReportableAccount;
    plan.Modify = plan.Creating ? 0 : 1;
    plan.Action = plan.Creating ? EnumActionType::Add : EnumActionType::Update;
    switch (mode) {
        case Mode::CreateNewAccount:
            plan.Caption = "Create Account Profile";
            break;
        case Mode::UpdateExistingAccount:
            plan.Caption = "Modify Account Profile";
            break;
        case Mode::CreateNewMasterAccount:
            plan.Caption = "Create Master Account Profile";
            break;
        case Mode::UpdateExistingMasterAccount:
            plan.Caption = "Modify Master Account Profile";
            break;
        case Mode::NewNonReportableAccount:
            plan.Caption = "Create Non-Reportable Account Profile";
            break;
        case Mode::UpdateNonReportableAccount:
            plan.Caption = "Modify Non-Reportable Account Profile";
            break;
    }

    if (plan.Master) {
        plan.ExcludedAccountTypes = AllTypesBut({EnumBraeKTSAccountType::InternalMaster});
        plan.ForceAccountType = true;
        plan.AccountType = EnumBraeKTSAccountType::InternalMaster;
        plan.Set(Item::AccountType, State::ShownDisabled);
        plan.Set({Item::RequiredNumber, Item::RequiredName, Item::RequiredAddress, Item::RequiredProvince,
                  Item::RequiredCity, Item::RequiredCountry, Item::RequiredOwnerType,
                  Item::RequiredPostalCode, Item::RequiredRisk, Item::RequiredAccountType},
                 State::Hidden);
        // The number of a master account is neither shown nor sent.
        plan.EmptyNumber = true;
        plan.Set(Item::Number, State::ShownDisabled);
        // Its ids and participant can be seen, not changed.
        plan.Set(Item::JekPanel, State::Disabled);
        plan.Set({Item::MasterAccountId, Item::AccountId, Item::ParticipantId}, State::ShownDisabled);
        plan.Set({Item::RequiredParticipantId, Item::Reportable, Item::Monitoring,
                  Item::NonReportableParticipantId, Item::RequiredNonReportableParticipantId},
                 State::Hidden);
        if (mode == Mode::UpdateExistingMasterAccount) plan.Set(Item::OwnerId, State::ShownDisabled);
        return plan;
    }

    if (plan.NonReportable) {
        plan.ExcludedAccountTypes = AllTypesBut({EnumBraeKTSAccountType::NonReportable});
        plan.ForceAccountType = true;
        plan.AccountType = EnumBraeKTSAccountType::NonReportable;
        plan.StartActive = mode == Mode::NewNonReportableAccount;
        plan.Set(Item::AccountType, State::ShownDisabled);
    } else {
        plan.ExcludedAccountTypes = {AccountTypeField::IndexOf(EnumBraeKTSAccountType::InternalMaster),
                                     AccountTypeField::IndexOf(EnumBraeKTSAccountType::NonReportable)};
    }

    // The management layout.
    const bool clientMode = mode == Mode::CreateNewAccount || mode == Mode::UpdateExistingAccount;
    if (jek && clientMode) {
        plan.Set({Item::MasterAccountId, Item::AccountId}, State::ShownDisabled);
    } else {
        plan.Set({Item::JekPanel, Item::UnlinkButton}, State::Hidden);
        const std::initializer_list<Item> participant = {Item::NonReportableParticipantId,
                                                         Item::RequiredNonReportableParticipantId};
        if (clientMode) {
            plan.Set({Item::Reportable, Item::Monitoring}, State::Hidden);
            plan.Set(participant, State::Hidden);
        } else if (mode == Mode::UpdateNonReportableAccount) {
            plan.Set(participant, State::ShownDisabled);
        }
    }

    // The number (and, for client accounts, the participant) of an account cannot be changed.
    if (mode == Mode::UpdateExistingAccount)
        plan.Set({Item::Number, Item::ParticipantId}, State::ShownDisabled);
    if (mode == Mode::UpdateNonReportableAccount) plan.Set(Item::Number, State::ShownDisabled);
    return plan;
}
