#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "WireText.h"
#include "fields/MCSVReader.h"
#include "fields/MTitleFormat.h"
#include "store/KB_Position.h"
#include "store/PositionImport.h"
#include "support/LogRecorder.h"

namespace {

using Texts = std::vector<std::string>;

// A KB of 122 bytes: report date, filler, account, group, instrument, long 5, short 0, status,
// master and account ids, participant, submission date and time.
std::string KB() {
    return Header("KB") + "20240315" + "*" + Pad("ACC1", 16) + "AB" + "XYZ " + "00000005" + "00000000" + "C" +
           Pad("MASTER", 16) + Pad("123", 16) + "AP01" + "20240316" + "142530";
}

KB_Position BuildPosition() {
    const std::string message = KB();
    Brae_KB_PositionAcknowledgment acknowledgment;
    acknowledgment.Read(message.data(), static_cast<int>(message.size()));
    return KB_Position(acknowledgment);
}

const Texts kPositionTitles = {
    "MsgType",        "UserTime",       "TraderID",        "UserSequenceID", "ReportDate",
    "Filler1",        "AccountNumber",  "Group",           "Instrument",     "LongQuantity",
    "ShortQuantity",  "ResponseStatus", "MasterAccountId", "AccountId",      "ApprovedParticipantId",
    "SubmissionDate", "SubmissionTime", "CallPutCode",     "StrikePrice",    "ExpirationDate",
    "ClassSymbol",    "ExternalSymbol", "FirmUnitMember"};

TEST(KB_Position, CopiesTheAcknowledgmentAndStartsTheAddedFieldsAtTheirDefaults) {
    const std::string message = KB();
    ASSERT_EQ(message.size(), 122u);
    KB_Position position = BuildPosition();
    const std::string bytes(reinterpret_cast<const char*>(&position), 122);
    EXPECT_EQ(bytes, message);
    // The added fields: the first call/put letter, a null price, blank date and texts.
    const std::string added(reinterpret_cast<const char*>(&position) + 122, 1 + 10 + 8 + 20 + 30 + 8);
    EXPECT_EQ(added, std::string(77, ' '));
    EXPECT_EQ(position.CallPutCode.ToString(), "None");
    EXPECT_TRUE(position.Key.IsNull());

    // Straight from the received bytes, within their length.
    const KB_Position read(message.data(), static_cast<int>(message.size()));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&read), 122), message);
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    const KB_Position cut(message.data(), 116);  // the submission time is cut
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&cut), 122), message.substr(0, 116) + "      ");
    EXPECT_TRUE(log.Has(3, "Received message of 116 bytes"));
}

TEST(KB_Position, DescribesTheAcknowledgmentsPartFirst) {
    MTitleFormat titles;
    KB_PositionLong::DescribeClass(titles);
    EXPECT_EQ(titles.GetTitles(), kPositionTitles);
    titles.Reset();
    KB_Position::DescribeClass(titles);
    EXPECT_EQ(titles.GetTitles(), kPositionTitles);

    KB_Position position = BuildPosition();
    position.CallPutCode.Set(EnumBraeInstrumentCallPutCode::Put);
    position.ClassSymbol.SetText("XYZ CLASS");
    position.ExternalSymbol.SetText("XYZ 2406 P 12.50");
    position.ExpirationDate.SetText("20240621");
    position.FirmUnitMember.SetText("FU000123");
    EXPECT_EQ(
        CsvLine(position),
        "BraePositionAcknowledgment;093000;TRADER01;42;20240315;*;ACC1;AB;XYZ;5;;EntrySucessfullyCreated;"
        "MASTER;123;AP01;20240316;142530;Put;;20240621;XYZ CLASS;XYZ 2406 P 12.50;FU000123;");

    for (int i = 0; i < 8; ++i) EXPECT_EQ(KB_PositionLong::GetFieldTag(i), nullptr) << i;
    const Texts added = {"CallPutCode", "StrikePrice",    "ExpirationDate",
                         "ClassSymbol", "ExternalSymbol", "FirmUnitMember"};
    for (int i = 0; i < 6; ++i) EXPECT_STREQ(KB_PositionLong::GetFieldName(i), added[i].c_str());
    EXPECT_EQ(KB_PositionLong::GetFieldName(6), nullptr);
}

TEST(KB_Position, ReturnsTheKeyItCarriesAndCopiesWhole) {
    KB_Position position = BuildPosition();
    position.Key = BaseKey(4, 20240315);
    position.FirmUnitMember.SetText("FU1");
    EXPECT_EQ(position.GetKey(), BaseKey(4, 20240315));
    EXPECT_STREQ(KB_Position::GetDisplayName(), "STrdInstrument");

    KB_Position copy;
    copy.Assign(position);
    EXPECT_EQ(CsvLine(copy), CsvLine(position));
    EXPECT_EQ(copy.GetKey(), BaseKey(4, 20240315));
    KB_PositionLong longCopy(position);
    EXPECT_EQ(CsvLine(longCopy), CsvLine(position));
}

TEST(PositionImport, ColumnsNamesTagsAndKey) {
    const Texts names = {"ReportDate",  "AccountNumber", "ExternalSymbol", "ClassSymbol",  "ExpirationDate",
                         "CallPutCode", "StrikePrice",   "LongQuantity",   "ShortQuantity"};
    const Texts tags = {"987", "1", "6146", "6179", "432", "201", "202", "196", "197"};
    MTitleFormat titles;
    PositionImport::DescribeClass(titles);
    EXPECT_EQ(titles.GetTitles(), names);
    for (int i = 0; i < 9; ++i) {
        EXPECT_STREQ(PositionImport::GetFieldName(i), names[i].c_str());
        EXPECT_STREQ(PositionImport::GetFieldTag(i), tags[i].c_str());
    }
    EXPECT_STREQ(PositionImport::GetDisplayName(), "TrdTraderImport");

    PositionImport row;
    EXPECT_EQ(CsvLine(row), ";;;;;;;;;");
    EXPECT_EQ(row.LongQuantity.GetValue(), 0);
    const std::string line = "20240315;ACC1;XYZ 2406 P 12.50;XYZ CLASS;20240621;P;12.5;5;0\n";
    MCSVReader reader(';');
    reader.SetInput(line.data(), static_cast<int>(line.size()));
    row.FormatObject(reader);
    EXPECT_EQ(CsvLine(row), "20240315;ACC1;XYZ 2406 P 12.50;XYZ CLASS;20240621;P;12.5;5;;");
    EXPECT_EQ(row.GetKey(), BaseKey(0, 0));
}

TEST(PositionImport, CopiesOwnTheirTextAndDestroyInPlaceReleasesIt) {
    PositionImport row;
    row.CallPutCode.Assign(
        std::string("Call option of a long free text, beyond the first buffer of the row"));
    PositionImport copy(row);
    row.CallPutCode.Assign(std::string("P"));
    EXPECT_EQ(copy.CallPutCode.ToString(),
              "Call option of a long free text, beyond the first buffer of the row");

    // The leak checker sees the heap text if the destructor does not run.
    alignas(PositionImport) unsigned char storage[sizeof(PositionImport)];
    PositionImport* placed = new (storage) PositionImport(copy);
    PositionImport::DestroyInPlace(placed);
}

}  // namespace
