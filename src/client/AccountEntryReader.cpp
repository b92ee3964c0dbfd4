#include "client/AccountEntryReader.h"

bool AccountEntryReader::MasterOwnerIdExists(const MRPString<24, 32, MValAccept>& ownerId) const {
    for (const auto& [key, account] : accounts_.Records)
        if (account.InternalAccountType.Is(EnumBraeKTSInternalAccountType::MasterAccount) &&
            account.OwnerId.Compare(ownerId) == 0)
            return true;
    return false;
}

bool AccountEntryReader::AccountNumberExists(
    const BraeKTSAccountNumber& number, const MRPString<4, 32, MValAccept>& approvedParticipantId) const {
    for (const auto& [key, account] : accounts_.Records) {
        if (!account.InternalAccountType.Is(EnumBraeKTSInternalAccountType::ClientAccount) ||
            account.AccountNumber.Compare(number) != 0)
            continue;
        if (!jek_ || account.ApprovedParticipantId.Compare(approvedParticipantId) == 0) return true;
    }
    return false;
}
