#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "fields/DescribeFields.h"
#include "fields/MObjectFormat.h"
#include "fields/MStaticFormat.h"
#include "fields/MTObjectClassFunction.h"
#include "fields/MTObjectClassFunctionWithLength.h"
#include "fields/MTStaticClassFunction.h"
#include "support/FieldTestRecords.h"

namespace {

using Events = std::vector<std::string>;

TEST(DescribeFields, DescribesBaseLevelFirstInWireOrder) {
    TestEntry entry = MakeEntry("G1", "ACC", "TR", "Smith");
    RecordingFormat format;
    DescribeFields(entry, format);
    EXPECT_EQ(format.events, (Events{"begin", "Group=G1", "Flag=F", "end", "begin", "Account=ACC",
                                     "Trader=TR", "Master=M1", "Name=Smith", "end"}));
}

TEST(DescribeFields, FieldRefusedByNextFieldStillAdvancesTheNames) {
    TestEntry entry = MakeEntry("G1", "ACC", "TR", "Smith");
    RecordingFormat format;
    format.skip = "Trader";
    DescribeFields(entry, format);
    EXPECT_EQ(format.events, (Events{"begin", "Group=G1", "Flag=F", "end", "begin", "Account=ACC",
                                     "Master=M1", "Name=Smith", "end"}));
}

TEST(DescribeFields, NestedRecordOpensALevelOfItsOwn) {
    TestOuter outer;
    outer.Inner.Group.SetText("IN");
    outer.Tail.SetText("T");
    RecordingFormat format;
    DescribeFields(outer, format);
    EXPECT_EQ(format.events,
              (Events{"begin", "Mark= ", "begin", "Group=IN", "Flag= ", "end", "Tail=T", "end"}));
}

TEST(DescribeFields, DefaultFormatsAcceptAWholePass) {
    TestEntry entry = MakeEntry("G1", "ACC", "TR", "Smith");
    const TestEntry before = entry;
    MObjectFormat objectFormat;
    DescribeFields(entry, objectFormat);
    MStaticFormat staticFormat;
    DescribeFieldTypes<TestEntry>(staticFormat);
    EXPECT_EQ(entry.Account, before.Account);
    EXPECT_EQ(objectFormat.GetData(), nullptr);
    EXPECT_EQ(objectFormat.GetPosition(), 0);
    EXPECT_TRUE(objectFormat.IsClearMissing());
    EXPECT_FALSE(objectFormat.IsWriting());
}

TEST(DescribeFields, FieldsArePlainBytesOfTheRecord) {
    static_assert(sizeof(TestHeader) == 5);
    static_assert(std::is_standard_layout_v<TestHeader> && std::is_trivially_copyable_v<TestEntry>);
    static_assert(sizeof(TestEntry) == 5 + 16 + 8 + 16 + 24);
    TestEntry entry = MakeEntry("G1", "ACC", "TR", "Smith");
    const std::string bytes(reinterpret_cast<const char*>(&entry), sizeof entry);
    EXPECT_EQ(bytes,
              "G1  F"
              "ACC             "
              "TR      "
              "M1              "
              "Smith                   ");
}

TEST(NameTables, AnswerNamesTagsAndLengthsOfTheirLevel) {
    TestEntry entry;
    MTObjectClassFunctionWithLength<TestHeader> header(&entry);
    EXPECT_STREQ(header.GetFieldName(1), "Flag");
    EXPECT_EQ(header.GetFieldNameLength(0), 5);
    EXPECT_EQ(header.GetFieldNameLength(1), 4);
    EXPECT_STREQ(header.GetFieldTag(0), "35");
    EXPECT_EQ(header.GetFieldTagLength(0), 2);
    EXPECT_EQ(header.GetFieldTag(1), nullptr);
    EXPECT_EQ(header.GetFieldTagLength(1), 0);

    MTObjectClassFunction<TestEntry> own(&entry);
    EXPECT_STREQ(own.GetFieldName(3), "Name");
    EXPECT_EQ(own.GetFieldNameLength(3), 0);
    EXPECT_EQ(own.GetFieldTag(0), nullptr);
    EXPECT_EQ(own.GetRecord(), &entry);

    MTStaticClassFunction<TestHeader> type;
    EXPECT_STREQ(type.GetFieldName(0), "Group");
    EXPECT_STREQ(type.GetFieldTag(0), "35");
}

// Each level opens with the name table its field list asks for: with or without lengths.
TEST(NameTables, DescribeRoutineUsesTheLevelsKindOfTable) {
    struct LengthProbe : MObjectFormat {
        void BeginObject(MObjectClassFunction& names) override {
            lengths.push_back(names.GetFieldNameLength(0));
        }
        std::vector<int> lengths;
    } format;
    TestEntry entry;
    DescribeFields(entry, format);
    EXPECT_EQ(format.lengths, (std::vector<int>{5, 0}));
}

}  // namespace
