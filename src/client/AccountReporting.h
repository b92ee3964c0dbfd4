#pragma once
// The reporting flag of accounts: the MC that sets or clears an account's ActiveForReporting flag
// (OnceReportable kept as it is), its description, and the confirmation text of a change of all
// displayed accounts. Plain values, no Qt.
#include <string>

#include "brae/Brae_MC_MonitoringAccount.h"
#include "session/CommandDescription.h"
#include "store/AccountDisplayData.h"

class AccountReporting {
public:
    static Brae_MC_MonitoringAccount BuildMonitoring(const AccountDisplayData& account, bool active);
    // Action Update, item MasterAccount for a master account (else Account), the session
    // appending the account number.
    static CommandDescription Describe(const AccountDisplayData& account);
    static std::string AllDisplayedText(int count);
};
