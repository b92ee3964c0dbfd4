#include <gtest/gtest.h>

#include <string>

#include "client/AccountGridRules.h"

namespace {

using Rules = AccountGridRules;

AccountDisplayData Account(char kind, bool onceReportable = false, bool linked = false) {
    AccountDisplayData account;
    account.AccountId.SetString("ID");
    if (kind == 'M') account.InternalAccountType.Set(EnumBraeKTSInternalAccountType::MasterAccount);
    if (kind == 'N') account.AccountType.Set(EnumBraeKTSAccountType::NonReportable);
    if (onceReportable) account.Flags.Add(EnumBraeKTSAccountFlags::OnceReportable);
    if (linked) account.MasterAccountId.SetString("MASTER");
    return account;
}

// Every answer of the window's rules for one state and row, as a string of '1' and '0' in the
// order: edit, delete, copy, create, delete all displayed (of that one row), import, master
// actions, new master / non-reportable, master from account, link, link all, unlink, unlink all,
// reporting, reporting on all displayed.
std::string Answers(const Rules::State& state, const AccountDisplayData& row) {
    Rules::Displayed displayed;
    displayed.Add(row);
    const bool answers[] = {Rules::CanEditRecord(state, &row),
                            Rules::CanDeleteRecord(state, &row),
                            Rules::CanCopyRecord(state),
                            Rules::CanCreateRecord(state),
                            Rules::CanDeleteAllDisplayed(state, displayed),
                            Rules::CanImport(state),
                            Rules::CanUseMasterActions(state),
                            Rules::CanCreateMasterAccount(state),
                            Rules::CanCreateMasterFromAccount(state, &row),
                            Rules::CanLink(state, &row),
                            Rules::CanLinkAllDisplayed(state, displayed),
                            Rules::CanUnlink(state, &row),
                            Rules::CanUnlinkAllDisplayed(state, displayed),
                            Rules::CanModifyReporting(state, &row),
                            Rules::CanModifyReportingAllDisplayed(state, displayed)};
    std::string text;
    for (bool answer : answers) text += answer ? '1' : '0';
    return text;
}

}  // namespace

TEST(AccountGridRulesTest, EveryRuleForEachUserTypeRowKindAndState) {
    struct Case {
        char user;
        char kind;  // 'C' client, 'L' linked client, 'M' master, 'N' non-reportable, 'O' once reportable
        bool ready;
        bool hasData;
        const char* expected;
    };
    const Case cases[] = {
        // Participants edit, delete, copy, create and import; never the master actions.
        {'P', 'C', true, true, "111111000000000"},
        {'P', 'M', true, true, "111111000000000"},
        {'P', 'O', true, true, "111111000000000"},
        {'P', 'C', false, true, "000000000000000"},
        {'P', 'C', true, false, "001101000000000"},
        // Participant supervisors edit non-reportable accounts only and delete nothing.
        {'A', 'C', true, true, "000000000000000"},
        {'A', 'N', true, true, "100000000000000"},
        {'A', 'N', false, true, "000000000000000"},
        // Jek users: non-reportable rows editable; delete masters and never-reportable ones.
        {'M', 'C', true, true, "000000111110011"},
        {'M', 'L', true, true, "000000111001111"},
        {'M', 'M', true, true, "010010110000000"},
        {'M', 'N', true, true, "110010111110011"},
        {'M', 'O', true, true, "100000111110011"},
        {'M', 'C', false, true, "000000000000000"},
        {'M', 'C', true, false, "000000010000000"},
        // Jek supervisors delete every row.
        {'S', 'C', true, true, "010010111110011"},
        {'S', 'M', true, true, "010010110000000"},
        {'S', 'O', true, true, "110010111110011"},
        {'S', 'L', true, true, "010010111001111"},
        {'S', 'N', false, false, "000000000000000"},
        {'S', 'C', false, true, "000000000000000"},
    };
    for (const Case& c : cases) {
        const AccountDisplayData row = c.kind == 'L'   ? Account('C', false, true)
                                       : c.kind == 'O' ? Account('N', true)
                                                       : Account(c.kind);
        EXPECT_EQ(Answers({c.user, c.ready, c.hasData}, row), c.expected)
            << c.user << " " << c.kind << " ready " << c.ready << " data " << c.hasData;
    }
}

TEST(AccountGridRulesTest, AllDisplayedRulesLookAtEveryRowAndNoRowRefusesRowRules) {
    const Rules::State jek{'M', true, true};
    Rules::Displayed displayed;
    displayed.Add(Account('N'));
    displayed.Add(Account('C', false, true));
    EXPECT_FALSE(Rules::CanDeleteAllDisplayed(jek, displayed));  // the linked client account
    EXPECT_TRUE(Rules::CanLinkAllDisplayed(jek, displayed));
    EXPECT_TRUE(Rules::CanUnlinkAllDisplayed(jek, displayed));
    EXPECT_TRUE(Rules::CanModifyReportingAllDisplayed(jek, displayed));
    displayed.Add(Account('M'));
    EXPECT_FALSE(Rules::CanModifyReportingAllDisplayed(jek, displayed));
    EXPECT_EQ(displayed.Rows, 3);
    for (char user : {'P', 'A', 'M', 'S'}) {
        const Rules::State state{user, true, true};
        EXPECT_FALSE(Rules::CanEditRecord(state, nullptr));
        EXPECT_FALSE(Rules::CanDeleteRecord(state, nullptr));
        EXPECT_FALSE(Rules::CanLink(state, nullptr));
        EXPECT_FALSE(Rules::CanUnlink(state, nullptr));
        EXPECT_FALSE(Rules::CanModifyReporting(state, nullptr));
        EXPECT_FALSE(Rules::CanCreateMasterFromAccount(state, nullptr));
    }
}

TEST(AccountGridRulesTest, ScreenModesByRowKind) {
    using Mode = Rules::Mode;
    EXPECT_EQ(Rules::EditMode(Account('M')), Mode::UpdateExistingMasterAccount);
    EXPECT_EQ(Rules::EditMode(Account('N')), Mode::UpdateNonReportableAccount);
    EXPECT_EQ(Rules::EditMode(Account('C')), Mode::UpdateExistingAccount);
    EXPECT_EQ(Rules::CopyMode(Account('M')), Mode::CreateNewMasterAccount);
    EXPECT_EQ(Rules::CopyMode(Account('N')), Mode::CreateNewAccount);
    EXPECT_EQ(Rules::CopyMode(Account('C')), Mode::CreateNewAccount);
}
