#include "client/AccountDeletion.h"

#include "client/AccountGridRules.h"
#include "store/KB_Position.h"
#include "store/KR_Account.h"

namespace {

std::string PositionKey(const char* accountNumber, const char* firmUnitMember) {
    std::string key(accountNumber, 16);
    key.append(firmUnitMember, 8);
    return key;
}

const char* Accounts(int count) {
    return count < 2 ? " account.\n" : " accounts.\n";
}

}  // namespace

AccountDeletion::AccountDeletion(const RecordMap<KB_Position>& positions,
                                 const RecordMap<KR_Account>& accounts) {
    positions_.reserve(positions.size());
    for (const auto& [key, position] : positions)
        positions_.insert(PositionKey(position.AccountNumber.GetData(), position.FirmUnitMember.GetData()));
    for (const auto& [key, account] : accounts)
        if (!account.MasterAccountId.IsBlank()) ++linked_[account.MasterAccountId.ToPaddedString()];
}

bool AccountDeletion::HasPosition(const AccountDisplayData& account) const {
    return positions_.contains(
        PositionKey(account.AccountNumber.GetData(), account.FirmUnitMember.GetData()));
}

void AccountDeletion::CountMasterAccounts(const AccountDisplayData& account, int& masters,
                                          int& linked) const {
    if (!AccountGridRules::IsMaster(account)) return;
    ++masters;
    if (account.AccountId.IsBlank()) return;
    const auto at = linked_.find(account.AccountId.ToPaddedString());
    if (at != linked_.end()) linked += at->second;
}

AccountDeletion::Confirmation AccountDeletion::BuildDeletionText(int masters, int linked, bool single,
                                                                 int count) {
    Confirmation confirmation;
    confirmation.Count = single ? 1 : count;
    confirmation.Caption = single ? "Single Record Deletion" : "All Displayed Record Deletion";
    const std::string number = std::to_string(confirmation.Count);
    std::string& text = confirmation.Text;
    text = single ? "Accounts: Selected" : "Accounts: All Displayed";
    text += "\n\nYou are about to delete " + number + Accounts(confirmation.Count);
    if (masters != 0) {
        text += "This operation will delete " + std::to_string(masters) +
                (masters < 2 ? " Master Account and unlink " : " Master Accounts and unlink ") +
                std::to_string(linked) + Accounts(linked);
    }
    text += "\nEnter total number of records and press OK button to proceed with the deletion.";
    text += "\n\nTotal number of records : " + number;
    return confirmation;
}

std::string AccountDeletion::OpenPositionsText(const AccountDisplayData& account) {
    return "Operation cannot be performed because the account number (" + account.AccountNumber.ToString() +
           ") has open positions.";
}

Brae_AD_AccountDelete AccountDeletion::BuildDelete(const AccountDisplayData& account,
                                                   CommandDescription& description) {
    Brae_AD_AccountDelete message;
    message.AccountNumber = account.AccountNumber;
    description = CommandDescription{EnumActionType::Delete, EnumBusinessItemType::Account, "Delete", false};
    if (!account.AccountId.IsBlank()) {
        message.AccountId = account.AccountId;
        if (AccountGridRules::IsMaster(account)) {
            description.Text += " - " + account.OwnerId.ToString();
            description.BusinessItem = EnumBusinessItemType::MasterAccount;
            description.TextComplete = true;
        }
    }
    return message;
}
