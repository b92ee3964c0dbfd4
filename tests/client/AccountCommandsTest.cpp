// The plain parts of the accounts window: deletion counts and texts, the AD, the link batches and
// texts, the unlink groups and the MC, checked against bytes and texts written out in full.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client/AccountDeletion.h"
#include "client/AccountLinking.h"
#include "client/AccountReporting.h"
#include "store/KB_Position.h"
#include "store/KR_Account.h"

namespace {

std::string Field(const std::string& text, std::size_t width) {
    std::string field = text;
    field.resize(width, ' ');
    return field;
}
const std::string kHeader = std::string(6, ' ') + std::string(8, ' ') + "00000000";

template <class M>
std::string Bytes(const M& message) {
    return std::string(reinterpret_cast<const char*>(&message),
                       static_cast<std::size_t>(message.GetMsgLength()));
}

KR_Account Account(const std::string& number, const std::string& id, bool master = false,
                   const std::string& masterId = "") {
    KR_Account account;
    account.AccountNumber.SetString(number);
    account.AccountId.SetString(id);
    account.MasterAccountId.SetString(masterId);
    account.FirmUnitMember.SetString("FUM1");
    account.OwnerId.SetString("OWNER 9");
    if (master) account.InternalAccountType.Set(EnumBraeKTSInternalAccountType::MasterAccount);
    return account;
}

struct Sent {
    std::string Bytes;
    CommandDescription Description;
};

}  // namespace

TEST(AccountDeletionTest, TextsInTheirSingularAndPluralFormsWithTheMasterPart) {
    const AccountDeletion::Confirmation single = AccountDeletion::BuildDeletionText(1, 3, true, 9);
    EXPECT_EQ(single.Caption, "Single Record Deletion");
    EXPECT_EQ(single.Count, 1);
    EXPECT_EQ(single.Text,
              "Accounts: Selected\n\nYou are about to delete 1 account.\n"
              "This operation will delete 1 Master Account and unlink 3 accounts.\n"
              "\nEnter total number of records and press OK button to proceed with the deletion."
              "\n\nTotal number of records : 1");
    const AccountDeletion::Confirmation all = AccountDeletion::BuildDeletionText(2, 0, false, 2);
    EXPECT_EQ(all.Caption, "All Displayed Record Deletion");
    EXPECT_EQ(all.Text,
              "Accounts: All Displayed\n\nYou are about to delete 2 accounts.\n"
              "This operation will delete 2 Master Accounts and unlink 0 account.\n"
              "\nEnter total number of records and press OK button to proceed with the deletion."
              "\n\nTotal number of records : 2");
    EXPECT_EQ(AccountDeletion::BuildDeletionText(0, 0, false, 5).Text,
              "Accounts: All Displayed\n\nYou are about to delete 5 accounts.\n"
              "\nEnter total number of records and press OK button to proceed with the deletion."
              "\n\nTotal number of records : 5");
}

TEST(AccountDeletionTest, OpenPositionsAndLinkedCountsFromOneIndexAndBlankMasterIdsLinkNothing) {
    DataHandler<KR_Account> accountStore;
    RecordMap<KR_Account>& accounts = accountStore.Records;
    const KR_Account master = Account("M-1", "900", true);
    const KR_Account blankMaster = Account("M-2", "", true);
    accounts[BaseKey(1, 900)] = master;
    accounts[BaseKey(1, 1)] = Account("A-1", "1", false, "900");
    accounts[BaseKey(1, 2)] = Account("A-2", "2", false, "900");
    accounts[BaseKey(1, 3)] = Account("A-3", "3");  // blank MasterAccountId: linked to nobody
    DataHandler<KB_Position> positionStore;
    RecordMap<KB_Position>& positions = positionStore.Records;
    KB_Position position;
    position.AccountNumber.SetString("A-1");
    position.FirmUnitMember.SetString("FUM1");
    positions[BaseKey(2, 1)] = position;
    const AccountDeletion deletion(positions, accounts);
    EXPECT_TRUE(deletion.HasPosition(accounts[BaseKey(1, 1)]));
    EXPECT_FALSE(deletion.HasPosition(accounts[BaseKey(1, 2)]));
    KR_Account otherUnit = accounts[BaseKey(1, 1)];
    otherUnit.FirmUnitMember.SetString("FUM2");
    EXPECT_FALSE(deletion.HasPosition(otherUnit));
    int masters = 0;
    int linked = 0;
    deletion.CountMasterAccounts(master, masters, linked);
    deletion.CountMasterAccounts(blankMaster, masters, linked);
    deletion.CountMasterAccounts(accounts[BaseKey(1, 1)], masters, linked);
    EXPECT_EQ(masters, 2);
    EXPECT_EQ(linked, 2);
    EXPECT_EQ(AccountDeletion::OpenPositionsText(accounts[BaseKey(1, 1)]),
              "Operation cannot be performed because the account number (A-1) has open positions.");
}

TEST(AccountDeletionTest, DeleteMessageAndDescriptionByKind) {
    CommandDescription description;
    const Brae_AD_AccountDelete client = AccountDeletion::BuildDelete(Account("A-1", "77"), description);
    EXPECT_EQ(Bytes(client), "AD" + kHeader + Field("A-1", 16) + Field("77", 16));
    EXPECT_EQ(description.Text, "Delete");
    EXPECT_EQ(description.BusinessItem, EnumBusinessItemType::Account);
    EXPECT_EQ(description.Action, EnumActionType::Delete);
    EXPECT_FALSE(description.TextComplete);
    const Brae_AD_AccountDelete master =
        AccountDeletion::BuildDelete(Account("M-1", "900", true), description);
    EXPECT_EQ(Bytes(master), "AD" + kHeader + Field("M-1", 16) + Field("900", 16));
    EXPECT_EQ(description.Text, "Delete - OWNER 9");
    EXPECT_EQ(description.BusinessItem, EnumBusinessItemType::MasterAccount);
    EXPECT_TRUE(description.TextComplete);
    // A master account without an id goes as any account, without its id.
    const Brae_AD_AccountDelete blank = AccountDeletion::BuildDelete(Account("M-2", "", true), description);
    EXPECT_EQ(Bytes(blank), "AD" + kHeader + Field("M-2", 16) + Field("", 16));
    EXPECT_EQ(description.Text, "Delete");
    EXPECT_EQ(description.BusinessItem, EnumBusinessItemType::Account);
}

TEST(AccountLinkingTest, BatchesOfAtMostOneHundredIds) {
    for (const auto& [count, expected] : std::vector<std::pair<int, std::vector<int>>>{
             {250, {100, 100, 50}}, {100, {100}}, {101, {100, 1}}, {1, {1}}, {0, {}}}) {
        std::vector<AccountLinking::Id> ids;
        for (int i = 0; i < count; ++i) ids.emplace_back(std::to_string(1000 + i));
        Brae_AL_BulkLinkAccount message;
        message.MasterAccountId.SetString("M-9");
        std::vector<Sent> sent;
        AccountLinking::SendBatches(message, ids,
                                    [&](Brae_AL_BulkLinkAccount& m, const CommandDescription& d) {
                                        sent.push_back({Bytes(m), d});
                                    });
        ASSERT_EQ(sent.size(), expected.size()) << count;
        int next = 1000;
        for (std::size_t b = 0; b < sent.size(); ++b) {
            char digits[8];
            std::snprintf(digits, sizeof digits, "%04d", expected[b]);
            std::string bytes = "AL" + kHeader + Field("M-9", 16) + "A" + digits;
            for (int i = 0; i < expected[b]; ++i) bytes += Field(std::to_string(next++), 16);
            EXPECT_EQ(sent[b].Bytes, bytes) << count << " batch " << b;
            EXPECT_EQ(sent[b].Bytes.size(), 45u + 16u * static_cast<unsigned>(expected[b]));
            EXPECT_EQ(sent[b].Description.Text, "AddLink");
            EXPECT_EQ(sent[b].Description.Action, EnumActionType::Update);
            EXPECT_EQ(sent[b].Description.BusinessItem, EnumBusinessItemType::Account);
            EXPECT_FALSE(sent[b].Description.TextComplete);
        }
    }
}

TEST(AccountLinkingTest, UnlinksGoByMasterIdInByteOrder) {
    AccountLinking::Groups groups;
    auto add = [&](const std::string& master, const std::string& id) {
        groups[Field(master, 16)].emplace_back(id);
    };
    for (int i = 0; i < 101; ++i) add("MB", "B" + std::to_string(i));
    for (int i = 0; i < 3; ++i) add("MA", "A" + std::to_string(i));
    std::vector<Sent> sent;
    AccountLinking::SendUnlinks(groups, [&](Brae_AL_BulkLinkAccount& m, const CommandDescription& d) {
        sent.push_back({Bytes(m), d});
    });
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].Bytes, "AL" + kHeader + Field("MA", 16) + "D0003" + Field("A0", 16) + Field("A1", 16) +
                                 Field("A2", 16));
    EXPECT_EQ(sent[1].Bytes.substr(24, 21), Field("MB", 16) + "D0100");
    EXPECT_EQ(sent[1].Bytes.size(), 1645u);
    EXPECT_EQ(sent[2].Bytes, "AL" + kHeader + Field("MB", 16) + "D0001" + Field("B100", 16));
    EXPECT_EQ(sent[2].Description.Text, "DeleteLink");
}

TEST(AccountLinkingTest, ConfirmationTexts) {
    EXPECT_EQ(AccountLinking::LinkAllDisplayedText(2, 1, 2),
              "Accounts: All Displayed\n\nYou are about to link 2 account(s) to a selected MasterAccount."
              "\n\nFrom displayed list:\n\t1 account will be skipped since it is a Master Account."
              "\n\t2 accounts will be skipped since they are already linked to a Master Account."
              "\n\nEnter total number of records and press OK button to proceed with change."
              "\n\nTotal number of records : 2");
    EXPECT_EQ(AccountLinking::LinkAllDisplayedText(3, 2, 1),
              "Accounts: All Displayed\n\nYou are about to link 3 account(s) to a selected MasterAccount."
              "\n\nFrom displayed list:\n\t2 accounts will be skipped since they are Master Accounts."
              "\n\t1 account will be skipped since it is already linked to a Master Account."
              "\n\nEnter total number of records and press OK button to proceed with change."
              "\n\nTotal number of records : 3");
    EXPECT_EQ(AccountLinking::LinkAllDisplayedText(4, 0, 0),
              "Accounts: All Displayed\n\nYou are about to link 4 account(s) to a selected MasterAccount."
              "\n\nEnter total number of records and press OK button to proceed with change."
              "\n\nTotal number of records : 4");
    std::vector<AccountLinking::Id> ids;
    for (int i = 1; i <= 12; ++i) ids.emplace_back("ID" + std::to_string(i));
    EXPECT_EQ(
        AccountLinking::LinkWithMasterText(ids, AccountLinking::Id("900")),
        "You are about to link the account id(s) : \nID1, ID2, ID3, ID4, ID5, ID6, ID7, ID8, ID9, ID10 and "
        "more ...\n to the following master account id: \n900\n\nPress OK button to proceed with the link");
    ids.resize(10);
    EXPECT_EQ(AccountLinking::LinkWithMasterText(ids, AccountLinking::Id("900")),
              "You are about to link the account id(s) : \nID1, ID2, ID3, ID4, ID5, ID6, ID7, ID8, ID9, ID10"
              "\n to the following master account id: \n900\n\nPress OK button to proceed with the link");
    EXPECT_EQ(
        AccountLinking::UnlinkAllDisplayedText(104, 2),
        "Accounts: All Displayed\n\nYou are about to unlink 104 accounts on 2 different master accounts."
        "\n\nEnter total number of records and press OK button to proceed with change."
        "\n\nTotal number of records : 104");
}

TEST(AccountReportingTest, MonitoringMessageKeepsOnceReportable) {
    KR_Account account = Account("A-1", "77");
    account.ApprovedParticipantId.SetString("NWT1");
    account.AccountType.Set(EnumBraeKTSAccountType::Firm);
    account.Flags.Add(EnumBraeKTSAccountFlags::OnceReportable);
    const std::string fixed = "MC" + kHeader + Field("A-1", 16) + Field("77", 16) + "NWT12";
    EXPECT_EQ(Bytes(AccountReporting::BuildMonitoring(account, true)), fixed + "YY" + std::string(30, 'N'));
    EXPECT_EQ(Bytes(AccountReporting::BuildMonitoring(account, false)), fixed + "NY" + std::string(30, 'N'));
    account.Flags.Remove(EnumBraeKTSAccountFlags::OnceReportable);
    account.Flags.Add(EnumBraeKTSAccountFlags::ActiveForReporting);
    EXPECT_EQ(Bytes(AccountReporting::BuildMonitoring(account, false)), fixed + std::string(32, 'N'));
    EXPECT_EQ(AccountReporting::Describe(account).BusinessItem, EnumBusinessItemType::Account);
    EXPECT_EQ(AccountReporting::Describe(Account("M", "1", true)).BusinessItem,
              EnumBusinessItemType::MasterAccount);
    EXPECT_EQ(AccountReporting::Describe(account).Text, "Modify Account Reporting");
    EXPECT_EQ(AccountReporting::AllDisplayedText(7),
              "Accounts: All Displayed\n\nYou are about to modify the reporting flag on 7 accounts."
              "\n\nEnter total number of records and press OK button to proceed with change."
              "\n\nTotal number of records : 7");
}
