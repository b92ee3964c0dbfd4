#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "WireText.h"
#include "fields/MCSVReader.h"
#include "fields/MTitleFormat.h"
#include "store/AccountDisplayData.h"
#include "store/AccountImport.h"
#include "store/KR_Account.h"
#include "support/LogRecorder.h"

namespace {

using Texts = std::vector<std::string>;

// The fields that the three account messages carry alike, from AffiliatedCie to MasterAccountId.
std::string AccountBody(const std::string& accountId) {
    return Pad("Affiliate Co", 24) + Pad("ACC12345", 16) + "2" + "C" + Pad("OWN-77", 24) +
           Pad("NORM-77", 24) + "H" + Pad("Jane Doe", 25) + Pad("1 Main St", 48) + Pad("Montreal", 24) +
           Pad("QC", 24) + Pad("H2X 1Y4", 12) + Pad("514-555-0100", 24) + Pad("514-555-0101", 24) +
           Pad("jd@example.com", 48) + "CA" + "AP01" + "C" + Pad(accountId, 16) + "C" + Pad("MASTER9", 16);
}

const std::string kFlagsYN = "YN" + std::string(30, 'N');
const std::string kFlagsNY = "NY" + std::string(30, 'N');

std::string KR(const std::string& flags = kFlagsYN) {
    return Header("KR") + "N" + AccountBody("123") + flags;
}

KR_Account Build(EnumBraeMsgType type, const std::string& message) {
    return KR_Account(type, message.data(), static_cast<int>(message.size()));
}

const char kKRLine[] =
    "Affiliate Co;ACC12345;Firm;CanadianBroker;OWN-77;Hedger;Jane Doe;1 Main St;Montreal;QC;H2X "
    "1Y4;514-555-0100;"
    "514-555-0101;jd@example.com;Canada;AP01;EntrySucessfullyCreated;123;ClientAccount;MASTER9;"
    "ActiveForReporting;;";

TEST(KR_Account, CopiesEveryFieldFromItsPlaceInAKR) {
    const std::string message = KR();
    ASSERT_EQ(message.size(), 417u);
    KR_Account account = Build(EnumBraeMsgType::KR, message);
    EXPECT_EQ(CsvLine(account), kKRLine);  // no normalised owner id; FirmUnitMember blank
    EXPECT_EQ(account.FirmUnitMember.ToPaddedString(), std::string(8, ' '));
    EXPECT_EQ(account.GetAccountNumber().ToPaddedString(), Pad("ACC12345", 16));
    EXPECT_STREQ(KR_Account::GetDisplayName(), "STrdInstrument");
}

TEST(KR_Account, SameAccountAsKRJYAndQRGivesEqualRecords) {
    // The JY's flag text starts one byte later, after a character that is not read; the QR has no
    // entry action letter.
    const std::string jy = Header("JY") + "N" + AccountBody("123") + "N" + kFlagsYN;
    const std::string qr = Header("QR") + AccountBody("123") + kFlagsYN;
    ASSERT_EQ(jy.size(), 418u);
    ASSERT_EQ(qr.size(), 416u);
    KR_Account fromJY = Build(EnumBraeMsgType::JY, jy);
    KR_Account fromQR = Build(EnumBraeMsgType::QR, qr);
    EXPECT_EQ(CsvLine(fromJY), kKRLine);
    EXPECT_EQ(CsvLine(fromQR), kKRLine);
}

TEST(KR_Account, OnlyTheFirstTwoFlagCharactersCount) {
    const struct {
        std::string text;
        bool active, once;
    } cases[] = {
        {kFlagsYN, true, false},
        {kFlagsNY, false, true},
        {std::string(32, 'N'), false, false},
        {"YY" + std::string(30, 'N'), true, true},
        {"NN" + std::string(30, 'Y'), false, false},
        {"yX" + std::string(30, 'N'), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const KR_Account account = Build(EnumBraeMsgType::KR, KR(c.text));
        EXPECT_EQ(account.GetFlags().Contains(EnumBraeKTSAccountFlags::ActiveForReporting), c.active);
        EXPECT_EQ(account.GetFlags().Contains(EnumBraeKTSAccountFlags::OnceReportable), c.once);
    }
}

TEST(KR_Account, ShortMessageKeepsTheDefaultsOfWhatItLacks) {
    const std::string message = KR();
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    // Cut inside the account id: it, the internal type, the master id and the flags keep their defaults.
    const KR_Account account(EnumBraeMsgType::KR, message.data(), 360);
    EXPECT_EQ(account.ResponseStatus.ToString(), "EntrySucessfullyCreated");
    EXPECT_EQ(account.AccountId.ToPaddedString(), std::string(16, ' '));
    EXPECT_EQ(account.InternalAccountType.ToString(), "ClientAccount");
    EXPECT_EQ(account.MasterAccountId.ToString(), "");
    EXPECT_FALSE(account.Flags.Contains(EnumBraeKTSAccountFlags::ActiveForReporting));
    EXPECT_TRUE(log.Has(3, "Received message of 360 bytes, 417 expected"));

    // The flag text needs only its first two characters.
    LogRecorder quiet;
    const KR_Account flagsOnly(EnumBraeMsgType::KR, message.data(), 387);
    EXPECT_TRUE(flagsOnly.Flags.Contains(EnumBraeKTSAccountFlags::ActiveForReporting));
    EXPECT_TRUE(quiet.messages.empty());
}

TEST(KR_Account, KeyFromTheAccountIdOrThePlaceOfTheAccountNumber) {
    const std::vector<std::string> list = {"ACC1", "ACC2", "ACC12345", "ACC9"};
    const struct {
        const char* accountId;
        const char* accountNumber;
        bool withList;
        int32_t second;
    } cases[] = {
        {"123", "ACC12345", true, 123},
        {"0000000042", "ACC12345", true, 42},
        {"2147483647", "ACC1", true, 2147483647},
        {"2147483648", "ACC1", true, 2147483647},   // above the 32-bit range
        {"99999999999", "ACC1", true, 2147483647},  // eleven digits
        {"9999999999999999", "ACC1", true, 2147483647},
        {"4294967297", "ACC1", true, 2147483647},  // would wrap to 1 in 32 bits
        {"", "ACC12345", true, 3},                 // third entry of the list
        {"", "ACC1", true, 1},
        {"", "ACC123", true, 0},     // not in the list
        {"", "ACC12345", false, 0},  // list not set yet
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.accountId) + "/" + c.accountNumber);
        KR_Account account;
        account.AccountId.SetText(c.accountId);
        account.AccountNumber.SetText(c.accountNumber);
        if (c.withList) account.SetAccountNumberList(&list);
        EXPECT_EQ(account.GetKey(), BaseKey(1, c.second));
    }
}

TEST(KR_Account, CopyPointsAtTheSameListAndNeverOwnsIt) {
    std::vector<std::string> list = {"X"};
    KR_Account account;
    account.AccountNumber.SetText("ACC2");
    account.SetAccountNumberList(&list);
    const KR_Account copy(account);
    EXPECT_EQ(copy.GetAccountNumberList(), &list);
    list.push_back("ACC2");  // the session appends the number later
    EXPECT_EQ(copy.GetKey(), BaseKey(1, 2));
}

TEST(AccountDisplayData, DefaultsTitlesAndNameLengths) {
    AccountDisplayData account;
    EXPECT_EQ(CsvLine(account),
              ";;Client;CanadianBank;;Default;;;;;;;;;NotSpecified;;None;;ClientAccount;;None;;");
    EXPECT_EQ(account.AccountType.ToDescription(false), "1");
    EXPECT_EQ(account.AccountOwnerType.ToDescription(false), "A");
    EXPECT_EQ(account.InternalAccountType.ToDescription(false), "C");
    EXPECT_EQ(account.AffiliatedCie.ToPaddedString(), std::string(24, ' '));

    MTitleFormat titles;
    AccountDisplayData::DescribeClass(titles);
    const Texts names = {"AffiliatedCie",
                         "AccountNumber",
                         "AccountType",
                         "AccountOwnerType",
                         "OwnerId",
                         "HedgeSpec",
                         "Name",
                         "Address",
                         "City",
                         "State",
                         "ZipPostalCode",
                         "Phone",
                         "Fax",
                         "Email",
                         "CountryCode",
                         "ApprovedParticipantId",
                         "ResponseStatus",
                         "AccountId",
                         "InternalAccountType",
                         "MasterAccountId",
                         "Flags",
                         "FirmUnitMember"};
    EXPECT_EQ(titles.GetTitles(), names);
    for (int i = 0; i < 22; ++i) {
        EXPECT_EQ(AccountDisplayData::GetFieldNameLength(i), static_cast<int>(names[i].size())) << names[i];
    }
    EXPECT_EQ(AccountDisplayData::GetFieldName(22), nullptr);
}

TEST(AccountDisplayData, AssignCopiesEveryField) {
    const KR_Account source = Build(EnumBraeMsgType::KR, KR());
    AccountDisplayData copy;
    copy.Assign(source);
    EXPECT_EQ(CsvLine(copy), kKRLine);
}

const char kImportLine[] =
    "Affiliate Co;ACC12345;Firm;CanadianBroker;OWN-77;Hedger;Jane Doe;1 Main St;Montreal;QC;H2X "
    "1Y4;514-555-0100;"
    "514-555-0101;jd@example.com;Canada;";

TEST(AccountImport, ColumnsNamesAndTags) {
    const Texts names = {"AffiliatedCie", "AccountNumber", "AccountType",   "AccountOwnerType",
                         "OwnerId",       "HedgeSpec",     "Name",          "Address",
                         "City",          "State",         "ZipPostalCode", "Phone",
                         "Fax",           "Email",         "CountryCode"};
    const Texts tags = {"6412", "1",    "5077", "1204", "958",  "506",  "969",  "1180",
                        "5296", "5312", "3100", "1058", "5297", "1192", "10020"};
    MTitleFormat titles;
    AccountImport::DescribeClass(titles);
    EXPECT_EQ(titles.GetTitles(), names);
    for (int i = 0; i < 15; ++i) {
        EXPECT_STREQ(AccountImport::GetFieldName(i), names[i].c_str());
        EXPECT_STREQ(AccountImport::GetFieldTag(i), tags[i].c_str());
    }
    EXPECT_STREQ(AccountImport::GetDisplayName(), "TrdTraderImport");
}

TEST(AccountImport, ReadsALineOfAnImportFileAndOwnsItsTexts) {
    AccountImport row;
    EXPECT_EQ(CsvLine(row), ";;;;;;;;;;;;;;NotSpecified;");
    const std::string line = std::string(kImportLine, sizeof kImportLine - 2) + "\r\n";
    MCSVReader reader(';');
    reader.SetInput(line.data(), static_cast<int>(line.size()));
    row.FormatObject(reader);
    EXPECT_EQ(CsvLine(row), kImportLine);
    EXPECT_EQ(row.GetKey(), BaseKey(0, 0));

    AccountImport copy(row);
    row.AccountType.Assign(std::string("Omnibus"));
    EXPECT_EQ(copy.AccountType.ToString(), "Firm");
    AccountImport assigned;
    assigned.Assign(copy);
    copy.HedgeSpec.Assign(std::string("Speculator"));
    EXPECT_EQ(assigned.HedgeSpec.ToString(), "Hedger");
    EXPECT_EQ(assigned.GetKey(), BaseKey(0, 0));
}

}  // namespace
