#include <gtest/gtest.h>

#include <string>

#include "FieldTestRecords.h"
#include "core/MException.h"
#include "fields/MMsgFormat.h"

namespace {

template <class F>
std::string ErrorOf(F&& action) {
    try {
        action();
    } catch (const MException& e) {
        return std::to_string(e.GetCode()) + " " + e.GetText();
    }
    return "none";
}

TEST(MMsgFormat, WritesAndReadsARecord) {
    TestEntry entry = MakeEntry("G1", "ACC", "TR", "Smith");
    char buffer[80];
    MMsgFormat writer(buffer, sizeof buffer, true);
    DescribeFields(entry, writer);
    ASSERT_EQ(writer.GetOffset(), 69);
    EXPECT_EQ(std::string(buffer, 69),
              "G1  F"
              "ACC             "
              "TR      "
              "M1              "
              "Smith                   ");

    TestEntry copy;
    MMsgFormat reader(buffer, 69, false);
    DescribeFields(copy, reader);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&copy), sizeof copy),
              std::string(reinterpret_cast<const char*>(&entry), sizeof entry));
}

TEST(MMsgFormat, ShortMessageFillsWhatRemainsThenClearsOrKeeps) {
    const char message[] = "G1  FACC";
    TestEntry entry = MakeEntry("XX", "XX", "XX", "XX");
    MMsgFormat reader(nullptr, 0, false);
    reader.Start(message, 8);
    DescribeFields(entry, reader);
    EXPECT_EQ(entry.Account.ToPaddedString(), "ACC             ");
    EXPECT_TRUE(entry.Trader.IsBlank());
    EXPECT_TRUE(entry.Name.IsBlank());

    entry = MakeEntry("XX", "XX", "XX", "XX");
    reader.Reset();
    reader.ClearMissingFlag() = false;
    DescribeFields(entry, reader);
    EXPECT_EQ(entry.Trader.ToString(), "XX");
}

TEST(MMsgFormat, NeverWritesOrReadsPastTheEnd) {
    char buffer[10] = {};
    MMsgFormat writer(buffer, 4, true);
    EXPECT_EQ(ErrorOf([&] { writer.Write("ABCDE", 5); }), "1 Message buffer is full");
    EXPECT_EQ(writer.GetOffset(), 0);
    EXPECT_EQ(buffer[0], 0);
    writer.Write("ABC", 3);
    writer.WriteDelimiter();
    EXPECT_EQ(ErrorOf([&] { writer.WriteDelimiter(); }), "1 Message buffer is full");
    EXPECT_EQ(std::string(buffer, 5), std::string("ABC\xfe\0", 5));

    MMsgFormat reader(buffer, 4, false);
    EXPECT_EQ(reader.CountToDelimiter(), 3);
    reader.SkipAndDelimiter(3);
    EXPECT_EQ(reader.GetOffset(), 4);
    EXPECT_EQ(ErrorOf([&] { reader.SkipDelimiter(); }), "1 Message is too short");
    reader.Rewind();
    EXPECT_EQ(ErrorOf([&] { reader.Skip(5); }), "1 Message is too short");
    EXPECT_EQ(reader.GetOffset(), 0);
    int remaining = 0;
    EXPECT_EQ(reader.GetRemaining(&remaining), buffer);
    EXPECT_EQ(remaining, 4);
}

}  // namespace
