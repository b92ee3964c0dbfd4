#include "client/AccountScreenCommands.h"

#include "client/AccountScreenPlan.h"

std::string AccountScreenCommands::ConfirmationText(int modify) {
    return std::string("You are about to ") + (modify == 1 ? "change the record" : "create a new record") +
           "\n\nPress OK button to proceed with the " + (modify == 1 ? "modification." : "creation.");
}

CommandDescription AccountScreenCommands::Describe(Mode mode, EnumActionType action,
                                                   const Brae_AN_AccountEntry& entry) {
    CommandDescription description{action, EnumBusinessItemType::Account, AccountScreenPlan::ModeName(mode),
                                   false};
    if (mode == Mode::CreateNewMasterAccount || mode == Mode::UpdateExistingMasterAccount) {
        description.Text += " - " + entry.OwnerId.ToString();
        description.BusinessItem = EnumBusinessItemType::MasterAccount;
        description.TextComplete = true;
    }
    return description;
}

Brae_AM_NonReportableAccountEntry AccountScreenCommands::BuildNonReportable(const Brae_AN_AccountEntry& entry,
                                                                            BraeKTSAccountFlagsSet& flags,
                                                                            bool active) {
    Brae_AM_NonReportableAccountEntry message(entry);
    if (active)
        flags.Add(EnumBraeKTSAccountFlags::ActiveForReporting);
    else
        flags.Remove(EnumBraeKTSAccountFlags::ActiveForReporting);
    message.Flags.AssignSet(flags);
    return message;
}

Brae_AL_BulkLinkAccount AccountScreenCommands::BuildUnlink(
    const MRPString<16, 32, MValAccept>& masterAccountId, const MRPString<16, 32, MValAccept>& accountId) {
    Brae_AL_BulkLinkAccount message;
    message.MasterAccountId = masterAccountId;
    message.LinkAction.Set(EnumBraeKTSLinkAction::DeleteLink);
    message.AccountIds.Add(BraeBulkAccountId(accountId.GetData()));
    return message;
}

CommandDescription AccountScreenCommands::DescribeUnlink() {
    return CommandDescription{EnumActionType::Update, EnumBusinessItemType::Account, "DeleteLink", false};
}
