#pragma once
// The commands of the account profile screen and their descriptions: the confirmation text, the
// description of an account entry, the non-reportable entry (AM) built from a filled entry with
// the account's reporting flags, and the unlink (AL) of one account. Plain values, no Qt.
#include <string>

#include "brae/BraeKTSAccountFlags.h"
#include "brae/BraeLetterEnumerations.h"
#include "brae/Brae_AL_BulkLinkAccount.h"
#include "brae/Brae_AM_NonReportableAccountEntry.h"
#include "brae/Brae_AN_AccountEntry.h"
#include "fields/MRPString.h"
#include "session/CommandDescription.h"

class AccountScreenCommands {
public:
    using Mode = EnumBraeKTSAccountEntryAction;

    // The question asked before a create (modify 0) or a modify (1) is sent.
    static std::string ConfirmationText(int modify);
    // Item Account and the mode's name, the session appending the account number; a master
    // account's names its owner id itself, under item MasterAccount.
    static CommandDescription Describe(Mode mode, EnumActionType action, const Brae_AN_AccountEntry& entry);
    // The AM of the entry: flags takes ActiveForReporting as `active` says, and the AM's flags
    // text is written from it.
    static Brae_AM_NonReportableAccountEntry BuildNonReportable(const Brae_AN_AccountEntry& entry,
                                                                BraeKTSAccountFlagsSet& flags, bool active);
    // The AL that unlinks one account from its master account.
    static Brae_AL_BulkLinkAccount BuildUnlink(const MRPString<16, 32, MValAccept>& masterAccountId,
                                               const MRPString<16, 32, MValAccept>& accountId);
    static CommandDescription DescribeUnlink();
};
