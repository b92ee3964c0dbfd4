#include <gtest/gtest.h>

#include <string>

#include "TestValueTypes.h"
#include "core/MException.h"
#include "fields/MMsgFormat.h"
#include "support/FieldTestRecords.h"

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

// Fixed-width fields and variable-length numbers, one after another.
struct Mixed {
    SubAccount Code;
    TestNumber Amount;
    MChar Flag;
    TestNumber Count;

    static constexpr auto Fields() {
        return MFields(MField("Code", &Mixed::Code), MField("Amount", &Mixed::Amount),
                       MField("Flag", &Mixed::Flag), MField("Count", &Mixed::Count));
    }
};

Mixed MakeMixed(const char* code, int amount, const char* flag, int count) {
    Mixed mixed;
    mixed.Code.SetText(code);
    mixed.Amount = TestNumber(amount);
    mixed.Flag.SetText(flag, 1);
    mixed.Count = TestNumber(count);
    return mixed;
}

TEST(MMsgFormat, VariableLengthFieldsEndWithTheDelimiter) {
    Mixed mixed = MakeMixed("AB", -125, "F", 7);
    char buffer[32];
    MMsgFormat writer(buffer, sizeof buffer, true);
    DescribeFields(mixed, writer);
    ASSERT_EQ(writer.GetPosition(), 12);
    EXPECT_EQ(std::string(buffer, 12),
              "AB  -125\xfe"
              "F7\xfe");

    Mixed copy = MakeMixed("ZZ", 1, "Z", 1);
    MMsgFormat reader(buffer, 12, false);
    DescribeFields(copy, reader);
    EXPECT_EQ(reader.GetOffset(), 12);
    EXPECT_EQ(copy.Code.ToString(), "AB");
    EXPECT_EQ(copy.Amount.Get(), -125);
    EXPECT_EQ(copy.Flag.ToString(), "F");
    EXPECT_EQ(copy.Count.Get(), 7);

    // A number that is only its delimiter is cleared.
    const char empty[] =
        "CD  \xfe"
        "G\xfe";
    copy = MakeMixed("ZZ", 1, "Z", 1);
    reader.Start(empty, 7);
    DescribeFields(copy, reader);
    EXPECT_EQ(copy.Amount.Get(), 0);
    EXPECT_EQ(copy.Flag.ToString(), "G");
    EXPECT_EQ(copy.Count.Get(), 0);
}

TEST(MMsgFormat, MessageTooShortKeepsTheFieldsAlreadyRead) {
    const struct {
        const char* label;
        int length;  // of "AB  -125\xfeF7\xfe"
        const char* error;
        int amount;
        const char* flag;
    } cases[] = {
        {"ends inside a number", 6, "1 Message is too short", -1, "Z"},
        {"ends before the number's delimiter", 8, "1 Message is too short", -125, "Z"},
        {"ends before the one-byte field", 9, "none", -125, " "},
        {"ends before the last delimiter", 11, "1 Message is too short", -125, "F"},
    };
    const char message[] =
        "AB  -125\xfe"
        "F7\xfe";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Mixed copy = MakeMixed("ZZ", 1, "Z", 1);
        MMsgFormat reader(const_cast<char*>(message), c.length, false);
        EXPECT_EQ(ErrorOf([&] { DescribeFields(copy, reader); }), c.error);
        EXPECT_EQ(copy.Code.ToString(), "AB");
        EXPECT_EQ(copy.Flag.ToString(), c.flag);
        EXPECT_EQ(copy.Amount.Get(), c.amount);
    }
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

    // The offset stays within the message.
    reader.SetOffset(9);
    EXPECT_EQ(reader.GetOffset(), 4);
    reader.SetOffset(-1);
    EXPECT_EQ(reader.GetOffset(), 0);
}

}  // namespace
