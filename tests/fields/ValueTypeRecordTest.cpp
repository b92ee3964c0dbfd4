// A record made of the number and variable-length types, through the describe routines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fields/MIntX.h"
#include "fields/MMsgFormat.h"
#include "fields/MString.h"
#include "fields/MStringFloat.h"
#include "fields/MStringInt.h"
#include "fields/MTitleFormat.h"
#include "fields/MZString.h"
#include "support/FieldTestRecords.h"

namespace {

using Nb8 = MStringInt<8, 48, 0, MBase10>;
using Price = MStringFloat<MStringFractionData<9, 32>, 100, 0, 0>;

struct HistoryEntry {
    MLong SequenceNumber;
    MString<10, 10, MValAccept> ErrorMessage;
    Nb8 UserSequenceID;
    Price StrikePrice;
    MZString<64, MValAccept> Tag;
    MULong Count;

    static constexpr auto Fields() {
        using S = HistoryEntry;
        return MFields(MField("SequenceNumber", &S::SequenceNumber), MField("ErrorMessage", &S::ErrorMessage),
                       MField("UserSequenceID", &S::UserSequenceID), MField("StrikePrice", &S::StrikePrice),
                       MField("Tag", &S::Tag), MField("Count", &S::Count));
    }
};

TEST(ValueTypeRecord, TitlesAndColumnsOfEveryField) {
    MTitleFormat titles;
    DescribeFieldTypes<HistoryEntry>(titles);
    EXPECT_EQ(titles.GetTitles(),
              (std::vector<std::string>{"SequenceNumber", "ErrorMessage", "UserSequenceID", "StrikePrice",
                                        "Tag", "Count"}));
    HistoryEntry prototype;
    ColumnCollector collector;
    DescribeFields(prototype, collector);
    std::vector<std::string> names;
    std::vector<int> kinds;
    for (const auto& column : collector.columns) {
        names.push_back(column->GetTypeName());
        kinds.push_back(column->GetKind());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"MIntX<long,2147483647,-2147483648,0>",
                                               "MString<10,10,MValAccept>", "MStringInt<8,48,0,MBase10>",
                                               "MStringFloat<MStringFractionData<9,32>,100,0,0>",
                                               "MZString<64,MValAccept>", "MIntX<unsigned long,-1,0,0>"}));
    EXPECT_EQ(kinds, (std::vector<int>{6, 5, 5, 6, 5, 6}));
}

TEST(ValueTypeRecord, MonitorMessageRoundTrip) {
    HistoryEntry entry;
    entry.SequenceNumber.SetValue(-17);
    entry.ErrorMessage.Assign(std::string("refused"));
    entry.UserSequenceID.SetValue(4711);
    entry.StrikePrice.SetText("-12.5");
    entry.Tag.SetText("t");
    entry.Count.SetValue(4000000000u);

    char buffer[128];
    MMsgFormat writer(buffer, sizeof buffer, true);
    DescribeFields(entry, writer);
    const std::string expected =
        "-17\xfe"
        "refused\xfe"
        "00004711"
        "B000000125"
        "t\xfe"
        "4000000000\xfe";
    ASSERT_EQ(writer.GetOffset(), static_cast<int>(expected.size()));
    EXPECT_EQ(std::string(buffer, expected.size()), expected);

    HistoryEntry copy;
    MMsgFormat reader(buffer, writer.GetOffset(), false);
    DescribeFields(copy, reader);
    EXPECT_EQ(copy.SequenceNumber.GetValue(), -17);
    EXPECT_EQ(copy.ErrorMessage.ToString(), "refused");
    EXPECT_EQ(copy.UserSequenceID.GetValue(), 4711);
    EXPECT_EQ(copy.StrikePrice.ToString(), "-12.5");
    EXPECT_EQ(copy.Tag.ToString(), "t");
    EXPECT_EQ(copy.Count.GetValue(), 4000000000u);
    EXPECT_EQ(reader.GetOffset(), writer.GetOffset());

    // A message cut after the number clears the fields that follow (clear-missing is set).
    copy.Tag.SetText("old");
    MMsgFormat shortReader(buffer, 4, false);
    DescribeFields(copy, shortReader);
    EXPECT_EQ(copy.ErrorMessage.ToString(), "");
    EXPECT_TRUE(copy.UserSequenceID.IsBlank());
    EXPECT_TRUE(copy.StrikePrice.IsNull());
    EXPECT_EQ(copy.Tag.ToString(), "");
    EXPECT_EQ(copy.Count.GetValue(), 0u);
}

}  // namespace
