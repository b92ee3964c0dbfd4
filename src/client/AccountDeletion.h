#pragma once
// The deletion of accounts: which accounts still have open positions, how many master accounts a
// deletion removes and how many accounts it unlinks, the confirmation text, and the AD of one
// account with its description. The position and link indexes are built once per deletion from
// the stores, so that deleting many rows costs one pass over each store. Plain values, no Qt.
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "brae/Brae_AD_AccountDelete.h"
#include "session/CommandDescription.h"
#include "store/AccountDisplayData.h"
#include "store/BaseKey.h"
#include "store/DataHandler.h"

class KB_Position;
class KR_Account;

class AccountDeletion {
public:
    struct Confirmation {
        std::string Caption;
        std::string Text;
        int Count = 0;
    };

    AccountDeletion(const RecordMap<KB_Position>& positions, const RecordMap<KR_Account>& accounts);

    // Some stored position has this account's AccountNumber and FirmUnitMember.
    bool HasPosition(const AccountDisplayData& account) const;
    // A master account adds 1 to masters, and the number of stored accounts linked to it to
    // linked; a master account without an AccountId has none linked.
    void CountMasterAccounts(const AccountDisplayData& account, int& masters, int& linked) const;

    // The confirmation of a single deletion (count 1) or of all displayed rows.
    static Confirmation BuildDeletionText(int masters, int linked, bool single, int count);
    // The box text of a row with open positions among all displayed.
    static std::string OpenPositionsText(const AccountDisplayData& account);
    // The AD of the account and its description.
    static Brae_AD_AccountDelete BuildDelete(const AccountDisplayData& account,
                                             CommandDescription& description);

private:
    std::unordered_set<std::string> positions_;
    std::unordered_map<std::string, int> linked_;
};
