#include "client/AccountReporting.h"

#include "client/AccountGridRules.h"

Brae_MC_MonitoringAccount AccountReporting::BuildMonitoring(const AccountDisplayData& account, bool active) {
    Brae_MC_MonitoringAccount message;
    message.AccountNumber = account.AccountNumber;
    message.AccountId = account.AccountId;
    message.ApprovedParticipantId = account.ApprovedParticipantId;
    message.AccountType = account.AccountType;
    BraeKTSAccountFlagsSet flags = account.Flags;
    if (active)
        flags.Add(EnumBraeKTSAccountFlags::ActiveForReporting);
    else
        flags.Remove(EnumBraeKTSAccountFlags::ActiveForReporting);
    message.Flags.AssignSet(flags);
    return message;
}

CommandDescription AccountReporting::Describe(const AccountDisplayData& account) {
    return CommandDescription{EnumActionType::Update,
                              AccountGridRules::IsMaster(account) ? EnumBusinessItemType::MasterAccount
                                                                  : EnumBusinessItemType::Account,
                              "Modify Account Reporting", false};
}

std::string AccountReporting::AllDisplayedText(int count) {
    const std::string n = std::to_string(count);
    return "Accounts: All Displayed\n\nYou are about to modify the reporting flag on " + n + " accounts." +
           "\n\nEnter total number of records and press OK button to proceed with change." +
           "\n\nTotal number of records : " + n;
}
