#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WireText.h"
#include "fields/MTitleFormat.h"
#include "store/HistoricalCommandData.h"
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
    return Header("RA") + "20240315" + "142530" + "E" + "A" + "F" + Pad(description, 300) + Pad("jsmith", 11) +
           "FU000123";
}

TEST(HistoricalCommandData, ReadsEveryFieldOfAnRA) {
    const std::string message = CommandMessage("Account entry refused");
    ASSERT_EQ(message.size(), 360u);
    HistoricalCommandData row(message.data(), static_cast<int>(message.size()));
    EXPECT_EQ(CsvLine(row), "0;20240315;142530;Entry;Account;EntryFailed;Account entry refused;jsmith;FU000123;");
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

TEST(HistoricalRecords, TitlesAndNameLengths) {
    MTitleFormat titles;
    HistoricalSubmissionData::DescribeClass(titles);
    EXPECT_EQ(titles.GetTitles(), (Texts{"RecordId", "Date", "FirmUnitName", "FirmUnitMember", "FirmName",
                                         "SubmissionStatus", "NbPositions"}));
    titles.Reset();
    HistoricalCommandData::DescribeClass(titles);
    EXPECT_EQ(titles.GetTitles(), (Texts{"RecordId", "ExecutionDate", "ExecutionTime", "CommandType",
                                         "BusinessItemType", "CommandStatus", "Description", "UserName",
                                         "FirmUnitMember"}));
    EXPECT_EQ(HistoricalCommandData::GetFieldNameLength(4), 16);
    EXPECT_EQ(HistoricalSubmissionData::GetFieldNameLength(6), 11);
    EXPECT_EQ(HistoricalSubmissionData::GetFieldName(7), nullptr);
}

}  // namespace
