#include "client/AccountLinking.h"

std::string AccountLinking::LinkAllDisplayedText(int toLink, int mastersSkipped, int linkedSkipped) {
    std::string text = "Accounts: All Displayed";
    text +=
        "\n\nYou are about to link " + std::to_string(toLink) + " account(s) to a selected MasterAccount.";
    if (mastersSkipped > 0 || linkedSkipped > 0) {
        text += "\n\nFrom displayed list:";
        if (mastersSkipped == 1)
            text += "\n\t1 account will be skipped since it is a Master Account.";
        else if (mastersSkipped > 1)
            text += "\n\t" + std::to_string(mastersSkipped) +
                    " accounts will be skipped since they are Master Accounts.";
        if (linkedSkipped == 1)
            text += "\n\t1 account will be skipped since it is already linked to a Master Account.";
        else if (linkedSkipped > 1)
            text += "\n\t" + std::to_string(linkedSkipped) +
                    " accounts will be skipped since they are already linked to a Master Account.";
    }
    text += "\n\nEnter total number of records and press OK button to proceed with change.";
    text += "\n\nTotal number of records : " + std::to_string(toLink);
    return text;
}

std::string AccountLinking::LinkWithMasterText(const std::vector<Id>& ids, const Id& masterId) {
    std::string text = "You are about to link the account id(s) : \n";
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i == 10) {
            text += " and more ...";
            break;
        }
        if (i > 0) text += ", ";
        text += ids[i].ToString();
    }
    text += "\n to the following master account id: \n" + masterId.ToString();
    text += "\n\nPress OK button to proceed with the link";
    return text;
}

std::string AccountLinking::UnlinkSelectedText() {
    return std::string("You are about to unlink the selected record ") +
           "\n\nAre you sure you want to continue ?";
}

std::string AccountLinking::UnlinkAllDisplayedText(int count, int groups) {
    return "Accounts: All Displayed\n\nYou are about to unlink " + std::to_string(count) + " accounts on " +
           std::to_string(groups) + " different master accounts." +
           "\n\nEnter total number of records and press OK button to proceed with change." +
           "\n\nTotal number of records : " + std::to_string(count);
}

void AccountLinking::SendBatches(Brae_AL_BulkLinkAccount& message, const std::vector<Id>& ids,
                                 const Send& send) {
    message.AccountIds.SetCount(0);
    for (const Id& id : ids) {
        if (message.AccountIds.GetCount() == Brae_AL_BulkLinkAccount::kMaxAccounts) {
            send(message, Describe(message));
            message.AccountIds.SetCount(0);
        }
        message.AccountIds.Add(BraeBulkAccountId(id.ToPaddedString()));
    }
    if (message.AccountIds.GetCount() > 0) {
        send(message, Describe(message));
        message.AccountIds.SetCount(0);
    }
}

void AccountLinking::SendUnlinks(const Groups& groups, const Send& send) {
    Brae_AL_BulkLinkAccount message;
    message.LinkAction.Set(EnumBraeKTSLinkAction::DeleteLink);
    for (const auto& [master, ids] : groups) {
        message.MasterAccountId.SetChars(master.data(), static_cast<int>(master.size()));
        SendBatches(message, ids, send);
    }
}

CommandDescription AccountLinking::Describe(const Brae_AL_BulkLinkAccount& message) {
    return CommandDescription{
        EnumActionType::Update, EnumBusinessItemType::Account,
        message.LinkAction.Is(EnumBraeKTSLinkAction::AddLink) ? "AddLink" : "DeleteLink", false};
}
