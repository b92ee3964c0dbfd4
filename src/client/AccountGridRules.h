#pragma once
// The rules of the accounts window: which of its operations a user may run, from the user type
// ('P', 'A', 'M', 'S' or ' '), whether the session is ready, whether the window has rows, and the
// selected account (null without one) or a summary of the displayed accounts; and the mode in
// which the account screen opens for a row. Plain values, no Qt.
#include "brae/BraeLetterEnumerations.h"
#include "store/AccountDisplayData.h"

class AccountGridRules {
public:
    using Mode = EnumBraeKTSAccountEntryAction;

    struct State {
        char UserType = ' ';
        bool Ready = false;
        bool HasData = false;
    };
    // What the all-displayed operations need of the displayed accounts, gathered in one walk.
    struct Displayed {
        int Rows = 0;
        int Masters = 0;
        int Linkable = 0;
        int Linked = 0;
        // Every row may be deleted by a Jek user.
        bool JekDeletable = true;
        void Add(const AccountDisplayData& account);
    };

    static bool IsMaster(const AccountDisplayData& account);
    static bool IsNonReportable(const AccountDisplayData& account);
    // Not a master account and not linked to one.
    static bool IsLinkableAccount(const AccountDisplayData& account);
    // Not a master account and linked to one.
    static bool IsLinkedAccount(const AccountDisplayData& account);
    // A master account, or a non-reportable account that was never reportable.
    static bool IsJekDeletable(const AccountDisplayData& account);
    static bool IsJek(char userType) { return userType == 'M' || userType == 'S'; }

    static bool CanEditRecord(const State& state, const AccountDisplayData* row);
    static bool CanDeleteRecord(const State& state, const AccountDisplayData* row);
    static bool CanCopyRecord(const State& state);
    static bool CanCreateRecord(const State& state);
    static bool CanDeleteAllDisplayed(const State& state, const Displayed& displayed);
    static bool CanImport(const State& state);
    // Ready, with rows, for a Jek user: the gate of the link, unlink and reporting operations.
    static bool CanUseMasterActions(const State& state);
    // New master account and new non-reportable account.
    static bool CanCreateMasterAccount(const State& state);
    static bool CanCreateMasterFromAccount(const State& state, const AccountDisplayData* row);
    static bool CanLink(const State& state, const AccountDisplayData* row);
    static bool CanLinkAllDisplayed(const State& state, const Displayed& displayed);
    static bool CanUnlink(const State& state, const AccountDisplayData* row);
    static bool CanUnlinkAllDisplayed(const State& state, const Displayed& displayed);
    static bool CanModifyReporting(const State& state, const AccountDisplayData* row);
    static bool CanModifyReportingAllDisplayed(const State& state, const Displayed& displayed);

    // 'P' for a master account, 'D' for a non-reportable one, else 'U'.
    static Mode EditMode(const AccountDisplayData& account);
    // 'M' for a copy of a master account, else 'N'.
    static Mode CopyMode(const AccountDisplayData& account);
};
