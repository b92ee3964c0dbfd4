#include <gtest/gtest.h>

#include <string>

#include "TestValueTypes.h"
#include "fields/MDescFormat.h"
#include "support/FieldTestRecords.h"

namespace {

struct Pair {
    TestNumber A;
    MatchNumber B;

    static constexpr auto Fields() { return MFields(MField("A", &Pair::A), MField("B", &Pair::B)); }
};

struct Coded {
    SubAccount Code;
    TestMetal Metal;

    static constexpr auto Fields() {
        return MFields(MField("Code", &Coded::Code), MField("Metal", &Coded::Metal));
    }
};

TEST(MDescFormat, WritesNamesPaddedToTheirWidth) {
    TestHeader header;
    header.Group.SetText("1");
    header.Flag.SetText("x", 1);
    std::string text;
    MDescFormat format("\n", 10, false);
    format.SetOutput(&text);
    format.Start("root", 4);
    DescribeFields(header, format);
    EXPECT_EQ(text, "root.Group [1]\nroot.Flag  [x]");
    EXPECT_EQ(format.GetData(), text.c_str());
    EXPECT_EQ(format.GetPosition(), static_cast<int>(text.size()));

    text.clear();
    format.Start("", 0);
    DescribeFields(header, format);
    EXPECT_EQ(text, "Group      [1]\nFlag       [x]");
    format.Reset();
    EXPECT_EQ(text, "");
}

TEST(MDescFormat, WritesToTheOutputOrPrintsEveryEntry) {
    Pair pair;
    pair.A = TestNumber(1);
    pair.B.SetText("xyz");
    std::string text;
    MDescFormat format("\n", 10, false);
    format.SetOutput(&text);
    format.Start("root", 4);
    DescribeFields(pair, format);
    EXPECT_EQ(text, "root.A     [1]\nroot.B     [xyz]");

    // Without an output every entry is printed, each followed by the separator; names longer than
    // the width are not cut.
    MDescFormat printer("\n", 6, false);
    printer.Start("root", 4);
    testing::internal::CaptureStdout();
    DescribeFields(pair, printer);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "root.A [1]\nroot.B [xyz]\n");
    EXPECT_EQ(printer.GetData(), nullptr);
    EXPECT_EQ(printer.GetPosition(), 0);
}

TEST(MDescFormat, RawFlagShowsStoredForms) {
    Coded coded;
    coded.Code.SetText("AB");
    coded.Metal.SetText("B");
    const struct {
        bool raw;
        const char* text;
    } cases[] = {{false, "c.Code [AB]|c.Metal [B]"}, {true, "c.Code [AB  ]|c.Metal [B]-->[Amber]"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        std::string text;
        MDescFormat format("|", 0, c.raw);
        format.SetOutput(&text);
        format.Start("c", 1);
        DescribeFields(coded, format);
        EXPECT_EQ(text, c.text);

        // Read back: the padded text and the stored letter.
        Coded copy;
        copy.Code.SetText("ZZ");
        format.StartPath("c", false);
        DescribeFields(copy, format);
        EXPECT_TRUE(format.IsFound());
        EXPECT_EQ(copy.Code, coded.Code);
        EXPECT_EQ(copy.Metal.GetLetter(), 'B');
    }
}

TEST(MDescFormat, ReadsEntriesByWholeName) {
    std::string text = "r.AccountNumber [12]|r.Account [7]|r.Name [a]b]";
    MDescFormat format("|", 0, false);
    EXPECT_EQ(format.ReadText("r.Account"), "");
    EXPECT_EQ(format.GetData(), nullptr);
    format.SetOutput(&text);
    EXPECT_EQ(format.ReadText("r.AccountNumber"), "12");
    EXPECT_EQ(format.ReadText("r.Account"), "7");
    EXPECT_TRUE(format.IsFound());
    EXPECT_EQ(format.ReadText("r.Name"), "a");
    EXPECT_EQ(format.ReadText("r.Missing"), "");
    EXPECT_FALSE(format.IsFound());
    EXPECT_EQ(format.ReadText("Account"), "");
}

TEST(MDescFormat, ReadsARecordBackAndEmptiesMissingFields) {
    TestEntry entry = MakeEntry("G1", "ACC", "TR", "Smith");
    std::string text;
    MDescFormat format(";", 12, true);
    format.SetOutput(&text);
    format.Start("e", 1);
    DescribeFields(entry, format);

    TestEntry copy = MakeEntry("XX", "XX", "XX", "XX");
    text.erase(text.find(";e.Name"));
    format.StartPath("e", false);
    DescribeFields(copy, format);
    EXPECT_EQ(copy.Group, entry.Group);
    EXPECT_EQ(copy.Account, entry.Account);
    EXPECT_EQ(copy.Trader, entry.Trader);
    EXPECT_TRUE(copy.Name.IsBlank());
}

}  // namespace
