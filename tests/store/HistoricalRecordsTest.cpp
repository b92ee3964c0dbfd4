#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WireText.h"
#include "fields/MTitleFormat.h"
#include "store/HistoricalAccountData.h"
#include "store/HistoricalCommandData.h"
#include "store/HistoricalPositionData.h"
#include "store/HistoricalSubmissionData.h"
#include "support/LogRecorder.h"

namespace {

using Texts = std::vector<std::string>;

std::string SubmissionMessage() {
    return Header("OH") + "20240315" + Pad("North desk", 24) + "FU000123" + "FIRM0001" + "N" + "00000017";
}

TEST(HistoricalSubmissionData, ReadsEveryFieldOfAnOH) {
    const std::string message = SubmissionMessage();
    ASSERT_EQ(message.size(), 81u);
    HistoricalSubmissionData row(message.data(), static_cast<int>(message.size()));
    EXPECT_EQ(CsvLine(row), "0;20240315;North desk;FU000123;FIRM0001;NoPositionToSubmit;17;");
    row.RecordId.SetValue(3);
    EXPECT_EQ(row.GetKey(), BaseKey(3, 3));
    EXPECT_STREQ(HistoricalSubmissionData::GetDisplayName(), "Historical Submissions Outcome");

    // Bytes after the 81 read are never looked at.
    const std::string longer = message + "trailing";
    HistoricalSubmissionData same(longer.data(), static_cast<int>(longer.size()));
    EXPECT_EQ(CsvLine(same), "0;20240315;North desk;FU000123;FIRM0001;NoPositionToSubmit;17;");
}

TEST(HistoricalSubmissionData, ShortMessageKeepsTheDefaultsOfWhatItLacks) {
    const std::string message = SubmissionMessage();
    const struct {
        int length;
        const char* line;
    } cases[] = {
        {80, "0;20240315;North desk;FU000123;FIRM0001;NoPositionToSubmit;;"},
        {72, "0;20240315;North desk;FU000123;FIRM0001;SubmittedPositions;;"},
        {30, "0;;;;;SubmittedPositions;;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        LogRecorder log;
        ASSERT_TRUE(log.installed);
        HistoricalSubmissionData row(message.data(), c.length);
        EXPECT_EQ(CsvLine(row), c.line);
        ASSERT_EQ(log.messages.size(), 1u);
        EXPECT_TRUE(log.Has(3, "81 expected"));
    }
    LogRecorder log;
    HistoricalSubmissionData whole(message.data(), 81);
    EXPECT_TRUE(log.messages.empty());
}

std::string CommandMessage(const std::string& description) {
    return Header("RA") + "20240315" + "142530" + "E" + "A" + "F" + Pad(description, 300) +
           Pad("jsmith", 11) + "FU000123";
}

TEST(HistoricalCommandData, ReadsEveryFieldOfAnRA) {
    const std::string message = CommandMessage("Account entry refused");
    ASSERT_EQ(message.size(), 360u);
    HistoricalCommandData row(message.data(), static_cast<int>(message.size()));
    EXPECT_EQ(CsvLine(row),
              "0;20240315;142530;Entry;Account;EntryFailed;Account entry refused;jsmith;FU000123;");
    // A shorter description keeps its trailing blanks in the record.
    EXPECT_EQ(row.Description.ToPaddedString(), Pad("Account entry refused", 300));
    row.RecordId.SetValue(2);
    EXPECT_EQ(row.GetKey(), BaseKey(2, 2));
    EXPECT_STREQ(HistoricalCommandData::GetDisplayName(), "Historical Commands History");
}

TEST(HistoricalCommandData, DescriptionOfThreeHundredCharactersStaysWhole) {
    std::string description;
    for (int i = 0; i < 30; ++i) description += "0123456789";
    description[299] = 'Z';
    const std::string message = CommandMessage(description);
    const HistoricalCommandData row(message.data(), static_cast<int>(message.size()));
    EXPECT_EQ(row.Description.ToString(), description);
    EXPECT_EQ(row.UserName.ToString(), "jsmith");
}

TEST(HistoricalCommandData, UnknownLetterKeepsItsByteAndShowsTheFirstName) {
    std::string message = CommandMessage("x");
    message[40] = 'Q';  // no status letter
    HistoricalCommandData row(message.data(), static_cast<int>(message.size()));
    EXPECT_EQ(row.CommandStatus.ToString(), "None");
    EXPECT_EQ(row.CommandStatus.ToDescription(false), "Q");
    HistoricalCommandData copy(row);
    EXPECT_EQ(copy.CommandStatus.ToDescription(false), "Q");
}

TEST(HistoricalCommandData, ShortMessageKeepsTheDefaultsOfWhatItLacks) {
    const std::string message = CommandMessage("Position deleted");
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    HistoricalCommandData row(message.data(), 351);  // the user name is cut
    EXPECT_EQ(CsvLine(row), "0;20240315;142530;Entry;Account;EntryFailed;Position deleted;;;");
    EXPECT_TRUE(log.Has(3, "Received message of 351 bytes, 360 expected"));
}

// A JZ: the account acknowledgment's layout, then the date and the firm unit.
std::string AccountMessage(const std::string& flags) {
    return Header("JZ") + "N" + Pad("Affiliate Co", 24) + Pad("ACC12345", 16) + "2" + "C" +
           Pad("OWN-77", 24) + Pad("NORM-77", 24) + "H" + Pad("Jane Doe", 25) + Pad("1 Main St", 48) +
           Pad("Montreal", 24) + Pad("QC", 24) + Pad("H2X 1Y4", 12) + Pad("514-555-0100", 24) +
           Pad("514-555-0101", 24) + Pad("jd@example.com", 48) + "CA" + "AP01" + "C" + Pad("123", 16) + "M" +
           Pad("MASTER9", 16) + flags + "20240315" + "FU000123";
}

TEST(HistoricalAccountData, ReadsEveryFieldOfAJZ) {
    const std::string message = AccountMessage("NY" + std::string(30, 'N'));
    ASSERT_EQ(message.size(), 433u);
    HistoricalAccountData row(message.data(), static_cast<int>(message.size()));
    EXPECT_EQ(
        CsvLine(row),
        "0;20240315;Affiliate Co;ACC12345;Firm;CanadianBroker;OWN-77;NORM-77;Hedger;Jane Doe;1 Main St;"
        "Montreal;QC;H2X 1Y4;514-555-0100;514-555-0101;jd@example.com;Canada;AP01;EntrySucessfullyCreated;"
        "123;MasterAccount;MASTER9;OnceReportable;FU000123;");
    row.RecordId.SetValue(3);
    EXPECT_EQ(row.GetKey(), BaseKey(3, 3));
    EXPECT_STREQ(HistoricalAccountData::GetDisplayName(), "Historical Accounts");

    LogRecorder log;
    ASSERT_TRUE(log.installed);
    HistoricalAccountData cut(message.data(), 432);  // the firm unit is cut
    EXPECT_EQ(cut.FirmUnitMember.ToString(), "");
    EXPECT_EQ(cut.Date.ToString(), "20240315");
    EXPECT_TRUE(log.Has(3, "Received message of 432 bytes, 433 expected"));
}

// A PH: the position acknowledgment's layout, then the firm unit and the instrument's fields.
std::string PositionMessage(const std::string& instrument) {
    return Header("PH") + "20240315" + " " + Pad("ACC1", 16) + "AB" + "XYZ " + "00000005" + "00000012" + "U" +
           Pad("MASTER", 16) + Pad("123", 16) + "AP01" + "20240316" + "142530" + "FU000123" + instrument;
}

TEST(HistoricalPositionData, ReadsEveryFieldOfAPH) {
    const std::string message = PositionMessage("C" + std::string("2000001250") + "20240621" +
                                                Pad("XYZ CLASS", 20) + Pad("XYZ 2406 C", 30));
    ASSERT_EQ(message.size(), 199u);
    HistoricalPositionData row(message.data(), static_cast<int>(message.size()));
    EXPECT_EQ(
        CsvLine(row),
        "0;20240315;ACC1;AB;XYZ;Call;12.50;20240621;XYZ CLASS;XYZ 2406 C;5;12;EntryIsUpdated;MASTER;123;AP01;"
        "20240316;142530;FU000123;");
    row.RecordId.SetValue(1);
    EXPECT_EQ(row.GetKey(), BaseKey(1, 1));
    EXPECT_STREQ(HistoricalPositionData::GetDisplayName(), "Historical Positions");
}

TEST(HistoricalPositionData, BlankInstrumentFieldsGiveBlankSymbolsAndANullPrice) {
    const std::string message = PositionMessage(std::string(69, ' '));
    const HistoricalPositionData row(message.data(), static_cast<int>(message.size()));
    EXPECT_TRUE(row.StrikePrice.IsNull());
    EXPECT_EQ(row.ClassSymbol.ToPaddedString(), std::string(20, ' '));
    EXPECT_EQ(row.ExternalSymbol.ToPaddedString(), std::string(30, ' '));
    EXPECT_EQ(row.CallPutCode.ToString(), "None");

    LogRecorder log;
    ASSERT_TRUE(log.installed);
    const HistoricalPositionData cut(message.data(), 130);  // nothing of the instrument
    EXPECT_EQ(cut.FirmUnitMember.ToString(), "FU000123");
    EXPECT_TRUE(cut.StrikePrice.IsNull());
    EXPECT_TRUE(log.Has(3, "Received message of 130 bytes, 199 expected"));
}

TEST(HistoricalRecords, TitlesAndNameLengths) {
    MTitleFormat titles;
    HistoricalSubmissionData::DescribeClass(titles);
    EXPECT_EQ(titles.GetTitles(), (Texts{"RecordId", "Date", "FirmUnitName", "FirmUnitMember", "FirmName",
                                         "SubmissionStatus", "NbPositions"}));
    titles.Reset();
    HistoricalCommandData::DescribeClass(titles);
    EXPECT_EQ(titles.GetTitles(),
              (Texts{"RecordId", "ExecutionDate", "ExecutionTime", "CommandType", "BusinessItemType",
                     "CommandStatus", "Description", "UserName", "FirmUnitMember"}));
    titles.Reset();
    HistoricalAccountData::DescribeClass(titles);
    EXPECT_EQ(titles.GetTitles(), (Texts{"RecordId",
                                         "Date",
                                         "AffiliatedCie",
                                         "AccountNumber",
                                         "AccountType",
                                         "AccountOwnerType",
                                         "OwnerId",
                                         "NormalizedOwnerId",
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
                                         "FirmUnitMember"}));
    titles.Reset();
    HistoricalPositionData::DescribeClass(titles);
    EXPECT_EQ(titles.GetTitles(),
              (Texts{"RecordId", "ReportDate", "AccountNumber", "Group", "Instrument", "CallPutCode",
                     "StrikePrice", "ExpirationDate", "ClassSymbol", "ExternalSymbol", "LongQuantity",
                     "ShortQuantity", "ResponseStatus", "MasterAccountId", "AccountId",
                     "ApprovedParticipantId", "SubmissionDate", "SubmissionTime", "FirmUnitMember"}));
    EXPECT_EQ(HistoricalAccountData::GetFieldNameLength(7), 17);
    EXPECT_EQ(HistoricalPositionData::GetFieldNameLength(15), 21);
    EXPECT_EQ(HistoricalCommandData::GetFieldNameLength(4), 16);
    EXPECT_EQ(HistoricalSubmissionData::GetFieldNameLength(6), 11);
    EXPECT_EQ(HistoricalSubmissionData::GetFieldName(7), nullptr);
}

}  // namespace
